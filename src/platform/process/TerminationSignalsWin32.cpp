// Windows ends a program with a window through the session's end messages, which the
// dialogs' layer answers; there are no signals to watch.
#include "platform/process/TerminationSignals.h"

struct TerminationSignals::Watch {};

TerminationSignals::TerminationSignals(EventLoop& /*loop*/, std::function<void()> /*onSignal*/)
    : m_watch(std::make_unique<Watch>()) {}

TerminationSignals::~TerminationSignals() = default;
