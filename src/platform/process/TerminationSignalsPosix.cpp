// A signal handler may do almost nothing safely; this one only writes the signal's number
// to one end of a socket pair. The event loop watches the other end, and the real work runs
// there, on the loop's thread.
#include "platform/process/TerminationSignals.h"

#include <array>
#include <cerrno>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace {

constexpr std::array<int, 3> kSignals = {SIGTERM, SIGINT, SIGHUP};

// [0] is written by the handler, [1] read from the loop. Both ends never block: a burst
// of signals that fills the pair loses bytes, not the wake-up.
int g_pair[2] = {-1, -1};

extern "C" void OnTerminationSignal(int signo) {
    const int savedErrno = errno;
    const char byte = static_cast<char>(signo);
    [[maybe_unused]] const ssize_t written = ::write(g_pair[0], &byte, 1);
    errno = savedErrno;
}

} // namespace

struct TerminationSignals::Watch {
    std::unique_ptr<EventLoop::Watch> readable;
    std::array<struct sigaction, kSignals.size()> previous{};
    std::array<bool, kSignals.size()> installed{};
};

TerminationSignals::TerminationSignals(EventLoop& loop, std::function<void()> onSignal)
    : m_watch(std::make_unique<Watch>()) {
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0, g_pair) != 0) {
        g_pair[0] = g_pair[1] = -1;
        return;
    }
    m_watch->readable = loop.WatchReadable(g_pair[1], [onSignal = std::move(onSignal)] {
        char drained[64];
        while (::read(g_pair[1], drained, sizeof drained) > 0) {
        }
        onSignal();
    });

    struct sigaction action {};
    action.sa_handler = OnTerminationSignal;
    sigemptyset(&action.sa_mask);
    for (int signo : kSignals) {
        sigaddset(&action.sa_mask, signo);
    }
    action.sa_flags = SA_RESTART;
    for (std::size_t i = 0; i < kSignals.size(); ++i) {
        struct sigaction current {};
        if (::sigaction(kSignals[i], nullptr, &current) == 0 && current.sa_handler == SIG_IGN) {
            continue;
        }
        m_watch->installed[i] = ::sigaction(kSignals[i], &action, &m_watch->previous[i]) == 0;
    }
}

TerminationSignals::~TerminationSignals() {
    for (std::size_t i = 0; i < kSignals.size(); ++i) {
        if (m_watch->installed[i]) {
            ::sigaction(kSignals[i], &m_watch->previous[i], nullptr);
        }
    }
    m_watch->readable.reset();
    for (int& fd : g_pair) {
        if (fd >= 0) {
            ::close(fd);
            fd = -1;
        }
    }
}
