#pragma once
// What the process services ask of the event loop that runs the program: to be called when
// a descriptor can be read, or once after a delay. The loop belongs to the toolkit above; the
// services see only this, so that they build and run without one.
#include <chrono>
#include <functional>
#include <memory>

class EventLoop {
public:
    // The loop calls back until its watch is destroyed. A watch may be destroyed at any time,
    // from its own callback too; from then on its callback is never called again.
    class Watch {
    public:
        Watch() = default;
        virtual ~Watch() = default;
        Watch(const Watch&) = delete;
        Watch& operator=(const Watch&) = delete;
    };

    EventLoop() = default;
    virtual ~EventLoop() = default;
    EventLoop(const EventLoop&) = delete;
    EventLoop& operator=(const EventLoop&) = delete;

    // Calls `onReadable` whenever the descriptor can be read (or has ended, or failed).
    [[nodiscard]] virtual std::unique_ptr<Watch>
    WatchReadable(int fd, std::function<void()> onReadable) = 0;
    // Calls `call` once, `delay` from now.
    [[nodiscard]] virtual std::unique_ptr<Watch> CallAfter(std::chrono::milliseconds delay,
                                                           std::function<void()> call) = 0;
};
