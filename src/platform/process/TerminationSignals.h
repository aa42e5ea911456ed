#pragma once
// The signals that end a process from outside (SIGTERM from a logout or a shutdown, SIGINT
// from the terminal, SIGHUP when the terminal goes) arrive as a call from the event loop, so
// that the program can end the way it always ends instead of losing its work.
#include "platform/process/EventLoop.h"

#include <functional>
#include <memory>

class TerminationSignals {
public:
    // `onSignal` runs from `loop`, on its thread, once for every batch of signals. A signal
    // the process was started with ignored (nohup) stays ignored. One object at a time; its
    // destruction puts the earlier handling back. The loop outlives the object.
    TerminationSignals(EventLoop& loop, std::function<void()> onSignal);
    ~TerminationSignals();
    TerminationSignals(const TerminationSignals&) = delete;
    TerminationSignals& operator=(const TerminationSignals&) = delete;

private:
    struct Watch;
    std::unique_ptr<Watch> m_watch;
};
