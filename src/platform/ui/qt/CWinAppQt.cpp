#include "platform/ui/CWinApp.h"

#include "platform/process/OneRunningCopy.h"
#include "platform/process/TerminationSignals.h"
#include "platform/ui/CDialog.h"
#include "platform/ui/qt/EventLoopBridge.h"
#include "platform/ui/qt/Handles.h"
#include "platform/ui/qt/QtConvert.h"

#ifdef _WIN32
#include "platform/ui/qt/DialogWindowMarker.h"
#endif

#include <QApplication>
#include <QDialog>
#include <QSessionManager>
#include <QStyleFactory>

#include <algorithm>
#include <iterator>
#include <string_view>
#include <vector>

namespace {

// Ends one window of a modal loop as Escape would: a dialog of ours through its EndDialog,
// anything else (a message box) by rejecting it.
void EndDialogWindow(QWidget* window) {
    if (CDialog* dialog = CDialog::FromHandlePermanent(HandleOf(window)); dialog != nullptr) {
        dialog->EndDialog(IDCANCEL);
    } else if (auto* other = qobject_cast<QDialog*>(window)) {
        other->reject();
    }
}

// Where a run stands, for the one case in which the frame cannot finish it in order: the
// toolkit calling exit() from inside the main dialog's loop (the display connection is
// lost). The objects of the exiting thread are destroyed before any static object and
// before any exit handler runs, so this one finishes the run while everything it needs
// still exists.
class RunInProgress {
public:
    enum class Stage { None, Starting, Started, ShuttingDown };

    RunInProgress() = default;
    RunInProgress(const RunInProgress&) = delete;
    RunInProgress& operator=(const RunInProgress&) = delete;
    ~RunInProgress() {
        if (m_app == nullptr || m_stage == Stage::ShuttingDown || m_stage == Stage::None) {
            return;
        }
        // No window can be shown any more: a message is written out instead.
        m_app->m_bEndingSession = TRUE;
        if (m_stage == Stage::Starting) {
            m_app->FinishInstanceAtExit();
        }
        m_stage = Stage::ShuttingDown;
        m_app->ExitInstance();
        if (m_instance != nullptr) {
            m_instance->Release(); // no socket left behind for the next start to clear
        }
    }

    void Enter(CWinApp& app, OneRunningCopy& instance, Stage stage) {
        m_app = &app;
        m_instance = &instance;
        m_stage = stage;
    }
    void Leave() {
        m_app = nullptr;
        m_instance = nullptr;
        m_stage = Stage::None;
    }

private:
    CWinApp* m_app = nullptr;
    OneRunningCopy* m_instance = nullptr;
    Stage m_stage = Stage::None;
};

RunInProgress& CurrentRun() {
    thread_local RunInProgress run;
    return run;
}

int RunInstance(CWinApp& app, OneRunningCopy& instance) {
    RunInProgress& run = CurrentRun();
    run.Enter(app, instance, RunInProgress::Stage::Starting);
    const BOOL runLoop = app.InitInstance();
    run.Enter(app, instance, RunInProgress::Stage::Started);
    if (runLoop) {
        QApplication::exec();
    }
    run.Enter(app, instance, RunInProgress::Stage::ShuttingDown);
    const int exitCode = app.ExitInstance();
    run.Leave();
    return exitCode;
}

} // namespace

void CWinApp::EndSession() {
    if (m_bEndingSession) {
        return;
    }
    m_bEndingSession = TRUE;
    if (qApp == nullptr) {
        return;
    }
    // Innermost first, as the player would leave them; then any other dialog still shown.
    std::vector<QWidget*> ended;
    while (QWidget* modal = QApplication::activeModalWidget()) {
        if (std::find(ended.begin(), ended.end(), modal) != ended.end()) {
            break;
        }
        ended.push_back(modal);
        EndDialogWindow(modal);
    }
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->isVisible() && qobject_cast<QDialog*>(window) != nullptr) {
            EndDialogWindow(window);
        }
    }
}

void CWinApp::BringWindowsToFront() {
    QWidget* main = m_pMainWnd != nullptr ? WidgetOf(m_pMainWnd->m_hWnd) : nullptr;
    for (QWidget* window : {main, QApplication::activeModalWidget()}) {
        if (window == nullptr || !window->isVisible()) {
            continue;
        }
        window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
        window->raise();
        window->activateWindow();
    }
}

void AfxInitToolkit() {
    // The same look everywhere: the scheme's colours are drawn by one style on every system.
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    // Message boxes and tooltips speak in the dialogs' face, so that only that face is loaded.
    QApplication::setFont(ToQFont(LogFontFromPoints(u"MS Sans Serif", 8)));
    // No display name: the window system would append it to every title ("Setup — Caddora").
    QApplication::setApplicationName(QStringLiteral("Caddora"));
    QApplication::setOrganizationName(QStringLiteral("Holverra"));
}

int AfxWinMain(CWinApp& app, int argc, char* argv[]) {
    if (app.m_pszAppVersion != nullptr) {
        QCoreApplication::setApplicationVersion(QString::fromUtf8(app.m_pszAppVersion));
    }
    if (app.m_pszAppId != nullptr) {
        QGuiApplication::setDesktopFileName(QString::fromUtf8(app.m_pszAppId));
    }
    QApplication application(argc, argv);
    AfxInitToolkit();
    EventLoopBridge loop;
    // From here on a termination signal ends the run the way the player would.
    const TerminationSignals terminationSignals(loop, [&app] { app.EndSession(); });

#ifdef _WIN32
    // A later start finds this copy's main window by its mark.
    const DialogWindowMarker marker;
#endif
    OneRunningCopy instance(OneRunningCopy::SettingsFolderOfThisUser());
    if (!instance.Claim(loop, [&app] { app.BringWindowsToFront(); })) {
        // Nothing of the player's was touched. 1 says the running copy did not answer.
        return instance.RunningCopy() == OneRunningCopy::Answer::Answered ? 0 : 1;
    }
    // The desktop session ends (a logout): the session manager asks for the data first.
    QObject::connect(&application, &QGuiApplication::commitDataRequest, &application,
                     [&app](QSessionManager&) { app.EndSession(); });
    return RunInstance(app, instance);
}

int AfxToolkitOptionLength(int argc, char* argv[], int i) {
    // The options QGuiApplication and QApplication take from the command line, with one or
    // two leading dashes; those of the first list take a value, joined by '=' or following.
    static constexpr std::string_view kWithValue[] = {
        "platform",    "platformpluginpath", "platformtheme", "plugin",    "qwindowgeometry",
        "qwindowicon", "qwindowtitle",       "session",       "display",   "name",
        "title",       "geometry",           "style",         "stylesheet"};
    static constexpr std::string_view kFlags[] = {"reverse", "widgetcount", "nograb",
                                                  "dograb",  "sync",        "qmljsdebugger"};
    std::string_view arg = argv[i];
    if (arg.size() < 2 || arg[0] != '-') {
        return 0;
    }
    arg.remove_prefix(arg[1] == '-' ? 2 : 1);
    const std::size_t equals = arg.find('=');
    const std::string_view name = arg.substr(0, equals);
    if (std::find(std::begin(kFlags), std::end(kFlags), name) != std::end(kFlags)) {
        return 1;
    }
    if (std::find(std::begin(kWithValue), std::end(kWithValue), name) == std::end(kWithValue)) {
        return 0;
    }
    return equals != std::string_view::npos || i + 1 >= argc ? 1 : 2;
}

int AfxRunWithoutWindow(int argc, char* argv[], const std::function<int()>& work) {
    if (QCoreApplication::instance() != nullptr) {
        return work();
    }
    // Fonts and pages without a display: the offscreen platform, whatever the environment
    // names, and none of the caller's own options.
    char platformOption[] = "-platform";
    char platformName[] = "offscreen";
    char programName[] = "caddora";
    char* args[] = {argc > 0 ? argv[0] : programName, platformOption, platformName, nullptr};
    int count = 3;
    const QGuiApplication application(count, args);
    return work();
}
