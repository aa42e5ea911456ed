// What the running copy's socket holds when it is flooded: a few descriptors at most, and a
// loop that stays free for everything else the program must do (its save at the end above
// all).
#include "platform/process/RaiseListener.h"
#include "platform/process/RaiseSocket.h"

#include "platform/process/PollLoop.h"
#include "support/TemporaryDirectory.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstring>
#include <thread>
#include <vector>

#include <fcntl.h>
#include <poll.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/un.h>

namespace {

using std::chrono::milliseconds;

class RaiseListenerFlood : public ::testing::Test {
protected:
    RaiseListenerFlood()
        : m_path((m_dir / "raise").native()),
          m_listener(m_loop, ListenOnRaiseSocket(m_path, m_why), m_path, [this] { ++m_raised; }) {}

    // A connection of a later start that has not spoken yet; none when the socket refused it.
    Descriptor Connect() const {
        Descriptor fd(::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0));
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::strncpy(address.sun_path, m_path.c_str(), sizeof address.sun_path - 1);
        return ::connect(fd.Get(), reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0
                   ? std::move(fd)
                   : Descriptor();
    }
    static std::size_t OpenDescriptors() {
        const auto fds = std::filesystem::directory_iterator("/proc/self/fd");
        return static_cast<std::size_t>(std::distance(begin(fds), end(fds)));
    }

    TemporaryDirectory m_dir;
    std::string m_path;
    std::string m_why;
    PollLoop m_loop;
    int m_raised = 0;
    RaiseListener m_listener;
};

TEST_F(RaiseListenerFlood, ConnectionsThatNeverSpeakAreFewAtATimeAndDroppedSoon) {
    const std::size_t before = OpenDescriptors();
    std::vector<Descriptor> silent;
    for (int i = 0; i < 60; ++i) {
        if (Descriptor fd = Connect(); fd.Valid()) {
            silent.push_back(std::move(fd));
        }
        m_loop.RunFor(milliseconds(2));
    }
    ASSERT_GT(silent.size(), 2 * RaiseListener::kMostConnections);
    EXPECT_LE(OpenDescriptors() - before - silent.size(), RaiseListener::kMostConnections);

    // A later start that speaks is answered in the middle of them.
    std::atomic<bool> asked{false};
    auto answer = OneRunningCopy::Answer::NoCopy;
    std::thread later([&] {
        answer = AskToComeToFront(m_path, milliseconds(5000));
        asked = true;
    });
    m_loop.RunUntil([&] { return asked.load(); }, milliseconds(10000));
    later.join();
    EXPECT_EQ(answer, OneRunningCopy::Answer::Answered);
    EXPECT_EQ(m_raised, 1);

    m_loop.RunFor(RaiseListener::kConnectionPatience + milliseconds(500));
    std::size_t dropped = 0;
    for (const Descriptor& fd : silent) {
        char byte = 0;
        dropped += ::recv(fd.Get(), &byte, 1, 0) == 0 ? 1 : 0;
    }
    EXPECT_EQ(dropped, silent.size());
}

TEST_F(RaiseListenerFlood, WithoutDescriptorsToTakeAConnectionTheLoopRestsInsteadOfSpinning) {
    const Descriptor waiting = Connect();
    ASSERT_TRUE(waiting.Valid()) << m_why;
    ASSERT_EQ(::send(waiting.Get(), kRaiseRequest, std::strlen(kRaiseRequest), 0),
              static_cast<ssize_t>(std::strlen(kRaiseRequest)));
    // The sanitizers check a watch's type through a pipe the first time one is destroyed: that
    // check is made now, while it can still open one.
    m_loop.CallAfter(milliseconds(0), [] {}).reset();
    // The process may open no descriptor now: the lowest free one is past its limit.
    rlimit limit{};
    ASSERT_EQ(::getrlimit(RLIMIT_NOFILE, &limit), 0);
    const int lowestFree = ::open("/dev/null", O_RDONLY | O_CLOEXEC);
    ::close(lowestFree);
    rlimit none = limit;
    none.rlim_cur = static_cast<rlim_t>(lowestFree);
    ASSERT_EQ(::setrlimit(RLIMIT_NOFILE, &none), 0);
    m_loop.RunFor(milliseconds(300));
    ::setrlimit(RLIMIT_NOFILE, &limit);
    EXPECT_LE(m_loop.ReadableCalls(), 3);

    // Once descriptors are there again, the waiting start is answered.
    m_loop.RunUntil(
        [&] {
            pollfd p{waiting.Get(), POLLIN, 0};
            return ::poll(&p, 1, 0) == 1;
        },
        milliseconds(5000));
    char reply[16] = {};
    EXPECT_EQ(::recv(waiting.Get(), reply, sizeof reply - 1, 0),
              static_cast<ssize_t>(std::strlen(kRaiseReply)));
    EXPECT_STREQ(reply, kRaiseReply);
}

} // namespace
