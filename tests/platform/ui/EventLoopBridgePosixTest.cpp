// The process services' loop over the toolkit's: a watch may end from its own callback, and
// an ended watch never calls again.
#include "support/UiTest.h"

#include "platform/ui/qt/EventLoopBridge.h"

#include <QTest>

#include <sys/socket.h>
#include <unistd.h>

namespace {

using std::chrono::milliseconds;

class EventLoopBridgeTest : public UiTest {};

TEST_F(EventLoopBridgeTest, AWatchEndsFromItsOwnCallbackAndNeverCallsAgain) {
    EventLoopBridge loop;
    int pair[2];
    ASSERT_EQ(::socketpair(AF_UNIX, SOCK_STREAM, 0, pair), 0);
    ASSERT_EQ(::write(pair[0], "x", 1), 1); // readable, and stays so
    int reads = 0;
    std::unique_ptr<EventLoop::Watch> readable;
    readable = loop.WatchReadable(pair[1], [&] {
        ++reads;
        readable.reset();
    });
    int calls = 0;
    std::unique_ptr<EventLoop::Watch> later;
    later = loop.CallAfter(milliseconds(10), [&] {
        ++calls;
        later.reset();
    });
    auto ended = loop.CallAfter(milliseconds(10), [&] { calls += 100; });
    ended.reset();
    EXPECT_TRUE(QTest::qWaitFor([&] { return reads == 1 && calls == 1; }, 5000));
    QTest::qWait(50);
    EXPECT_EQ(reads, 1);
    EXPECT_EQ(calls, 1) << "once each, and never after its end";
    ::close(pair[0]);
    ::close(pair[1]);
}

} // namespace
