// The guard of one running copy over this system's own calls: where the copies meet, who may
// meet them, and what holds when the socket cannot be had.
#include "platform/process/OneRunningCopy.h"
#include "platform/process/RaiseSocket.h"

#include "platform/process/PollLoop.h"
#include "support/OrdinaryUser.h"
#include "support/UserEnvironment.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstring>
#include <thread>

#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>

namespace {

using std::chrono::milliseconds;
namespace fs = std::filesystem;

class OneRunningCopyPosix : public ::testing::Test {
protected:
    OneRunningCopyPosix() {
        m_env.Set("XDG_RUNTIME_DIR", Root() / "run");
        m_env.Set("TMPDIR", Root() / "tmp");
        fs::create_directory(Root() / "run");
        fs::create_directory(Root() / "tmp");
        // Other users may pass, and share the temporary folder as they share /tmp.
        ::chmod(Root().c_str(), 0755);
        ::chmod((Root() / "tmp").c_str(), 01777);
    }
    const fs::path& Root() const { return m_env.Root().Path(); }
    std::string Folder(const std::string& name) const { return (Root() / name).native(); }
    // A folder of the ordinary user's, with the permission bits given.
    fs::path TheirFolder(const std::string& name, mode_t mode) const {
        fs::create_directories(Root() / name);
        EXPECT_EQ(::chown((Root() / name).c_str(), kOrdinaryUser, kOrdinaryUser), 0);
        ::chmod((Root() / name).c_str(), mode);
        return Root() / name;
    }

    UserEnvironment m_env;
};

// How two starts for the same settings folder went, the first answering from its loop while
// the second starts: 1 when the first claimed, 2 when the second did too, 4 when the second
// heard the first answer.
int TwoStarts(const std::string& folder) {
    PollLoop loop;
    OneRunningCopy first(folder);
    const bool firstClaimed = first.Claim(loop, [] {});
    std::atomic<bool> secondDone{false};
    bool secondClaimed = false;
    bool answered = false;
    std::thread second([&] {
        PollLoop itsLoop;
        OneRunningCopy copy(folder);
        secondClaimed = copy.Claim(itsLoop, [] {});
        answered = copy.RunningCopy() == OneRunningCopy::Answer::Answered;
        secondDone = true;
    });
    loop.RunUntil([&] { return secondDone.load(); }, std::chrono::seconds(30));
    second.join();
    return (firstClaimed ? 1 : 0) | (secondClaimed ? 2 : 0) | (answered ? 4 : 0);
}

// Runs `theirs` as the ordinary user while `mine` runs on a thread of this process; what
// `theirs` answered.
int WhileAnotherUserRuns(const std::function<int()>& theirs, const std::function<void()>& mine) {
    std::thread here(mine);
    const int result = RunAsOrdinaryUser(theirs);
    here.join();
    return result;
}

bool WaitReadable(int fd, int patienceMs) {
    pollfd p{fd, POLLIN, 0};
    return ::poll(&p, 1, patienceMs) == 1;
}

// A socket listening at `path`, made in one step so that nobody finds it before it listens.
Descriptor ListeningAt(const fs::path& path) {
    Descriptor fd(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0));
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const std::string making = path.native() + ".new";
    std::strncpy(address.sun_path, making.c_str(), sizeof address.sun_path - 1);
    if (::bind(fd.Get(), reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0 ||
        ::listen(fd.Get(), 4) != 0 || ::rename(making.c_str(), path.c_str()) != 0) {
        return Descriptor();
    }
    return fd;
}

// What a copy listening at `path` sends back to `request`, up to two seconds.
std::string Exchange(const std::string& path, const std::string& request) {
    Descriptor fd(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0));
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, path.c_str(), sizeof address.sun_path - 1);
    if (::connect(fd.Get(), reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
        return "(no connection)";
    }
    ::send(fd.Get(), request.data(), request.size(), MSG_NOSIGNAL);
    std::string reply;
    char buffer[64];
    ssize_t n = 0;
    while (WaitReadable(fd.Get(), 2000) && (n = ::recv(fd.Get(), buffer, sizeof buffer, 0)) > 0) {
        reply.append(buffer, static_cast<std::size_t>(n));
    }
    return reply;
}

TEST_F(OneRunningCopyPosix, OnlyCopiesWithTheSameSettingsMeet) {
    std::string why;
    const auto RaiseSocketPath = [&](const std::string& folder) {
        return MakeRaiseSocketPath(folder, why);
    };
    const std::string mine = RaiseSocketPath(Folder("config/Holverra"));
    ASSERT_FALSE(mine.empty()) << why;
    for (const std::string& same :
         {Folder("config/Holverra/"), Folder("config/x/../Holverra"), Folder("config//Holverra")}) {
        EXPECT_EQ(RaiseSocketPath(same), mine) << same;
    }
    // Two homes whose names differ only in bytes that are no UTF-8 are two homes.
    for (const std::string& other :
         {Folder("config2/Holverra"), std::string("/home/other/.config/Holverra"),
          Folder("caf\xE9/Holverra"), Folder("caf\xE8/Holverra"),
          Folder("caf\xEF\xBF\xBD/Holverra")}) {
        EXPECT_NE(RaiseSocketPath(other), mine) << other;
    }
    EXPECT_NE(RaiseSocketPath(Folder("caf\xE9/Holverra")),
              RaiseSocketPath(Folder("caf\xE8/Holverra")));
}

// The guard rests on the settings folder, whatever becomes of the socket; the running copy
// still comes forward when the runtime folder cannot hold its socket.
TEST_F(OneRunningCopyPosix, ASecondStartIsRefusedWhereverTheSettingsCanLive) {
    if (::geteuid() != 0) {
        GTEST_SKIP() << "the cases need folders of another user's";
    }
    fs::create_directories(Root() / "config/Holverra");
    const std::string longRuntime = (Root() / "run" / std::string(120, 'r')).native();
    const struct {
        const char* name;
        std::function<std::string()> prepare; // answers the settings folder
        bool asOrdinaryUser;
    } cases[] = {
        {"a runtime path too long for a socket name",
         [&] {
             fs::create_directories(longRuntime);
             m_env.Set("XDG_RUNTIME_DIR", longRuntime);
             return Folder("config/Holverra");
         },
         false},
        {"a runtime folder the user cannot write",
         [&] {
             m_env.Set("XDG_RUNTIME_DIR", TheirFolder("their-run", 0500));
             return TheirFolder("their-config/Holverra", 0700).native();
         },
         true},
        {"a settings folder that is not there yet", [&] { return Folder("new/Holverra"); }, false},
        {"a settings folder the user may only read (root with another's home)",
         [&] { return TheirFolder("their-home/Holverra", 0555).native(); }, false},
    };
    for (const auto& c : cases) {
        const std::string folder = c.prepare();
        const auto starts = [&] { return TwoStarts(folder); };
        EXPECT_EQ(c.asOrdinaryUser ? RunAsOrdinaryUser(starts) : starts(), 1 | 4) << c.name;
        m_env.Set("XDG_RUNTIME_DIR", Root() / "run");
    }
    struct stat st {};
    EXPECT_EQ(::stat(Folder("new/Holverra").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777U, 0700U) << "made for the user alone";
    EXPECT_TRUE(fs::is_empty(Root() / "their-home/Holverra")) << "nothing made in another's";
}

// Nobody else can put a socket where the running copy listens, or read what it says.
TEST_F(OneRunningCopyPosix, TheSocketLivesInAFolderOnlyTheUserCanUse) {
    if (::geteuid() != 0) {
        GTEST_SKIP() << "the cases need folders of another user's";
    }
    const fs::path temporary = Root() / "tmp" / ("caddora-" + std::to_string(::geteuid()));
    fs::create_directory_symlink(Root() / "run", Root() / "run-link");
    fs::create_directory(Root() / "open-run");
    ::chmod((Root() / "open-run").c_str(), 0777);
    const struct {
        const char* name;
        std::function<void()> prepare;
        fs::path folder; // where the socket goes
    } cases[] = {
        {"a runtime folder of the user's", [] {}, Root() / "run/caddora"},
        {"no runtime folder", [&] { m_env.Unset("XDG_RUNTIME_DIR"); }, temporary},
        {"a runtime folder of another user's",
         [&] { m_env.Set("XDG_RUNTIME_DIR", TheirFolder("their-run", 0700)); }, temporary},
        {"a runtime folder others may write to",
         [&] { m_env.Set("XDG_RUNTIME_DIR", Root() / "open-run"); }, temporary},
        {"a link to a runtime folder", [&] { m_env.Set("XDG_RUNTIME_DIR", Root() / "run-link"); },
         temporary},
    };
    for (const auto& c : cases) {
        c.prepare();
        std::string why;
        const fs::path socket = MakeRaiseSocketPath(Folder("config/Holverra"), why);
        EXPECT_EQ(socket.parent_path(), c.folder) << c.name << ": " << why;
        struct stat st {};
        EXPECT_EQ(::lstat(c.folder.c_str(), &st), 0) << c.name;
        EXPECT_TRUE(S_ISDIR(st.st_mode) && st.st_uid == ::geteuid() &&
                    (st.st_mode & 0777U) == 0700U)
            << c.name;
        m_env.Set("XDG_RUNTIME_DIR", Root() / "run");
    }

    // Another user took the temporary folder's name first: no socket, but one copy still.
    fs::remove_all(temporary);
    TheirFolder(temporary.lexically_relative(Root()).native(), 0777);
    m_env.Unset("XDG_RUNTIME_DIR");
    std::string why;
    EXPECT_EQ(MakeRaiseSocketPath(Folder("config/Holverra"), why), "");
    PollLoop loop;
    OneRunningCopy copy(Folder("config/Holverra"));
    EXPECT_TRUE(copy.Claim(loop, [] {}));
    EXPECT_TRUE(fs::is_empty(temporary));
}

TEST_F(OneRunningCopyPosix, AnotherUsersCopyIsNeitherAskedNorAnswered) {
    if (::geteuid() != 0) {
        GTEST_SKIP() << "the case needs another user";
    }
    // Theirs answers whatever it is asked, where this user could be misled into asking it.
    const fs::path theirs = TheirFolder("open", 0777) / "raise";
    auto answer = OneRunningCopy::Answer::NoCopy;
    WhileAnotherUserRuns(
        [&] {
            const Descriptor listening = ListeningAt(theirs);
            const Descriptor asked(WaitReadable(listening.Get(), 10000)
                                       ? ::accept(listening.Get(), nullptr, nullptr)
                                       : -1);
            ::send(asked.Get(), kRaiseReply, std::strlen(kRaiseReply), MSG_NOSIGNAL);
            return 0;
        },
        [&] {
            for (int i = 0; i < 500 && !fs::exists(theirs); ++i) {
                std::this_thread::sleep_for(milliseconds(20));
            }
            answer = AskToComeToFront(theirs, milliseconds(2000));
        });
    EXPECT_EQ(answer, OneRunningCopy::Answer::NoCopy);

    // A running copy of theirs that this user (an administrator) reaches does not come forward.
    m_env.Set("XDG_RUNTIME_DIR", TheirFolder("their-run", 0700));
    const std::string folder = TheirFolder("their-config/Holverra", 0700).native();
    int toThem[2];
    int toMe[2];
    ASSERT_EQ(::pipe(toThem), 0);
    ASSERT_EQ(::pipe(toMe), 0);
    std::string reply;
    const int raised = WhileAnotherUserRuns(
        [&] {
            ::close(toThem[1]);
            PollLoop loop;
            OneRunningCopy copy(folder);
            int raised = 0;
            copy.Claim(loop, [&] { ++raised; });
            const std::string path = RaiseSocketPath(folder) + "\n";
            [[maybe_unused]] const ssize_t sent = ::write(toMe[1], path.data(), path.size());
            loop.RunUntil([&] { return WaitReadable(toThem[0], 0); }, milliseconds(10000));
            return raised;
        },
        [&] {
            char path[4096] = {};
            if (WaitReadable(toMe[0], 10000) && ::read(toMe[0], path, sizeof path - 1) > 0) {
                reply = Exchange(std::string(path, std::strcspn(path, "\n")), kRaiseRequest);
            }
            ::close(toThem[1]);
        });
    for (const int fd : {toThem[0], toMe[0], toMe[1]}) {
        ::close(fd);
    }
    EXPECT_EQ(raised, 0);
    EXPECT_EQ(reply, "") << "not answered";
}

TEST_F(OneRunningCopyPosix, WithoutASettingsFolderTheCopyRunsAndSaysWhy) {
    if (::geteuid() != 0) {
        GTEST_SKIP() << "the case needs a folder of another user's";
    }
    const fs::path folder = TheirFolder("theirs", 0755) / "config/Holverra";
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(TwoStarts(folder.native()), 3) << "neither is guarded";
    const std::string said = ::testing::internal::GetCapturedStderr();
    EXPECT_NE(said.find("runs without the one-copy guard: " + folder.native()), std::string::npos)
        << said;
    EXPECT_FALSE(fs::exists(Root() / "theirs/config")) << "nothing made in another's place";
}

} // namespace
