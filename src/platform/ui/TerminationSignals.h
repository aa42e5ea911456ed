#pragma once
// The signals that end a process from outside (SIGTERM from a logout or a shutdown, SIGINT
// from the terminal, SIGHUP when the terminal goes) arrive as a call on the user-interface
// thread, so that the program can end the way it always ends instead of losing its work.
#include <functional>
#include <memory>

class TerminationSignals {
public:
    // `onSignal` runs on this thread, from the event loop, once for every batch of signals.
    // A signal the process was started with ignored (nohup) stays ignored. One object at a
    // time; its destruction puts the earlier handling back.
    explicit TerminationSignals(std::function<void()> onSignal);
    ~TerminationSignals();
    TerminationSignals(const TerminationSignals&) = delete;
    TerminationSignals& operator=(const TerminationSignals&) = delete;

private:
    struct Watch;
    std::unique_ptr<Watch> m_watch;
};
