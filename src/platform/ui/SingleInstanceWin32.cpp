// On Windows the one running copy is guarded as the dialogs over Win32 guard it
// (RunningCopy.h): a mark for the desktop session, and a later start that finds the running
// copy's main window by the dialog property and brings it to the front itself. The toolkit's
// windows carry that property from the moment they are shown. The mark is the session's, so
// the settings location that names the guard elsewhere plays no part here; the running
// copy's own bringToFront is not needed.
#include "platform/process/RunningCopy.h"
#include "SingleInstance.h"

#include <QCoreApplication>
#include <QEvent>
#include <QPlatformSurfaceEvent>
#include <QWindow>

#include <windows.h>

// Holds the mark, and marks each window of the toolkit's as one of the program's dialogs.
class SingleInstance::Listener : public QObject {
public:
    Listener() {
        if (QCoreApplication* app = QCoreApplication::instance()) {
            app->installEventFilter(this);
        }
    }
    RunningCopyMark& Mark() { return m_mark; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!watched->isWindowType()) {
            return false;
        }
        auto* window = static_cast<QWindow*>(watched);
        if (event->type() == QEvent::Show && window->handle() != nullptr) {
            SetPropW(reinterpret_cast<HWND>(window->winId()), kDialogWindowProperty,
                     reinterpret_cast<HANDLE>(window));
        } else if (event->type() == QEvent::PlatformSurface &&
                   static_cast<QPlatformSurfaceEvent*>(event)->surfaceEventType() ==
                       QPlatformSurfaceEvent::SurfaceAboutToBeDestroyed &&
                   window->handle() != nullptr) {
            RemovePropW(reinterpret_cast<HWND>(window->winId()), kDialogWindowProperty);
        }
        return false;
    }

private:
    RunningCopyMark m_mark;
};

SingleInstance::SingleInstance(const QString& settingsLocation)
    : m_name(ServerName(settingsLocation)) {}

SingleInstance::~SingleInstance() = default;

void SingleInstance::Release() {
    m_listener.reset();
}

SingleInstance::Listen SingleInstance::StartListening() {
    auto listener = std::make_unique<Listener>();
    switch (listener->Mark().Take()) {
    case RunningCopyMark::Claim::Claimed:
        m_listener = std::move(listener);
        return Listen::Listening;
    case RunningCopyMark::Claim::AlreadyRunning:
        m_error = QStringLiteral("another copy holds the session's mark");
        return Listen::AddressInUse;
    case RunningCopyMark::Claim::Unavailable:
        break;
    }
    m_error = QStringLiteral("the session's mark cannot be made (error %1)").arg(GetLastError());
    return Listen::Failed;
}

void SingleInstance::RemoveStaleSocket() {
    // The system takes the mark away with the copy that held it: nothing stale is left.
}

SingleInstance::Answer SingleInstance::AskToComeToFront(const QString& /*serverName*/,
                                                        int answerTimeoutMs) {
    if (!RunningCopyExists()) {
        return Answer::NoCopy;
    }
    return BringRunningCopyToFront(static_cast<unsigned long>(answerTimeoutMs)) ? Answer::Answered
                                                                                : Answer::Silent;
}
