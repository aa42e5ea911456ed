// A signal that ends the process from outside arrives as a call from the event loop.
#include "platform/process/TerminationSignals.h"

#include "platform/process/PollLoop.h"

#include <gtest/gtest.h>

#include <csignal>

namespace {

using std::chrono::milliseconds;

TEST(TerminationSignalsPosix, EachSignalIsOneCallFromTheLoopAndAnIgnoredOneStaysIgnored) {
    struct sigaction ignore {};
    ignore.sa_handler = SIG_IGN;
    struct sigaction before {};
    ASSERT_EQ(::sigaction(SIGHUP, &ignore, &before), 0); // as nohup starts a program
    for (const int signo : {SIGTERM, SIGINT, SIGHUP}) {
        PollLoop loop;
        int calls = 0;
        {
            const TerminationSignals signals(loop, [&] { ++calls; });
            ::raise(signo);
            EXPECT_EQ(calls, 0) << "not from the handler";
            loop.RunFor(milliseconds(50));
        }
        EXPECT_EQ(calls, signo == SIGHUP ? 0 : 1) << sigabbrev_np(signo);
        struct sigaction after {};
        ::sigaction(signo, nullptr, &after);
        EXPECT_EQ(after.sa_handler, signo == SIGHUP ? SIG_IGN : SIG_DFL) << "the earlier handling";
    }
    ::sigaction(SIGHUP, &before, nullptr);
}

} // namespace
