// The guard of one running copy over this system's own calls: where the copies meet, who may
// meet them, and what holds when the socket cannot be had.
#include "platform/process/OneRunningCopy.h"
#include "platform/process/RaiseSocket.h"

#include "PollLoop.h"
#include "support/OrdinaryUser.h"
#include "support/UserEnvironment.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include <sys/stat.h>

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
// the second starts: 1 when the first claimed, 2 when the second did too.
int TwoStarts(const std::string& folder) {
    PollLoop loop;
    OneRunningCopy first(folder);
    const bool firstClaimed = first.Claim(loop, [] {});
    std::atomic<bool> secondDone{false};
    bool secondClaimed = false;
    std::thread second([&] {
        PollLoop itsLoop;
        OneRunningCopy copy(folder);
        secondClaimed = copy.Claim(itsLoop, [] {});
        secondDone = true;
    });
    loop.RunUntil([&] { return secondDone.load(); }, std::chrono::seconds(30));
    second.join();
    return (firstClaimed ? 1 : 0) | (secondClaimed ? 2 : 0);
}

TEST_F(OneRunningCopyPosix, OnlyCopiesWithTheSameSettingsMeet) {
    const std::string mine = RaiseSocketPath(Folder("config/Holverra"));
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

// The guard rests on the settings folder, whatever becomes of the socket.
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
        EXPECT_EQ(c.asOrdinaryUser ? RunAsOrdinaryUser(starts) : starts(), 1) << c.name;
        m_env.Set("XDG_RUNTIME_DIR", Root() / "run");
    }
    struct stat st {};
    EXPECT_EQ(::stat(Folder("new/Holverra").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777U, 0700U) << "made for the user alone";
    EXPECT_TRUE(fs::is_empty(Root() / "their-home/Holverra")) << "nothing made in another's";
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
