// Windows ends a program with a window through the session's end messages, which Qt turns
// into the session manager's request to commit data; there are no signals to watch.
#include "platform/ui/TerminationSignals.h"

struct TerminationSignals::Watch {};

TerminationSignals::TerminationSignals(std::function<void()> /*onSignal*/)
    : m_watch(std::make_unique<Watch>()) {}

TerminationSignals::~TerminationSignals() = default;
