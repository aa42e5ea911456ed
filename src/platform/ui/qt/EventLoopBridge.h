#pragma once
// The process services' event loop over the toolkit's: a descriptor is watched through a
// socket notifier, a delayed call is a single-shot timer, both served by whichever loop
// runs on this thread (the application's, or a modal dialog's).
#include "platform/process/EventLoop.h"

class EventLoopBridge final : public EventLoop {
public:
    std::unique_ptr<Watch> WatchReadable(int fd, std::function<void()> onReadable) override;
    std::unique_ptr<Watch> CallAfter(std::chrono::milliseconds delay,
                                     std::function<void()> call) override;
};
