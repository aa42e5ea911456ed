#include "platform/ui/qt/EventLoopBridge.h"

#include <QCoreApplication>
#include <QSocketNotifier>
#include <QTimer>

namespace {

// A watch may end inside its own callback, while the toolkit still delivers the signal of
// the object behind it: the object is cut off at once and deleted once the loop is back.
// It belongs to the application meanwhile, so that none is left when the application ends
// without running its loop again.
class ToolkitWatch final : public EventLoop::Watch {
public:
    explicit ToolkitWatch(QObject* object) : m_object(object) {
        m_object->setParent(QCoreApplication::instance());
    }
    ~ToolkitWatch() override {
        if (auto* notifier = qobject_cast<QSocketNotifier*>(m_object)) {
            notifier->setEnabled(false);
        } else if (auto* timer = qobject_cast<QTimer*>(m_object)) {
            timer->stop();
        }
        QObject::disconnect(m_object, nullptr, nullptr, nullptr);
        m_object->deleteLater();
    }

private:
    QObject* m_object;
};

} // namespace

std::unique_ptr<EventLoop::Watch> EventLoopBridge::WatchReadable(int fd,
                                                                 std::function<void()> onReadable) {
    auto* notifier = new QSocketNotifier(fd, QSocketNotifier::Read);
    QObject::connect(notifier, &QSocketNotifier::activated, notifier,
                     [onReadable = std::move(onReadable)] { onReadable(); });
    return std::make_unique<ToolkitWatch>(notifier);
}

std::unique_ptr<EventLoop::Watch> EventLoopBridge::CallAfter(std::chrono::milliseconds delay,
                                                             std::function<void()> call) {
    auto* timer = new QTimer;
    timer->setSingleShot(true);
    QObject::connect(timer, &QTimer::timeout, timer, [call = std::move(call)] { call(); });
    timer->start(delay);
    return std::make_unique<ToolkitWatch>(timer);
}
