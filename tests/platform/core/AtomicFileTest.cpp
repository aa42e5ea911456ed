#include "platform/core/AtomicFile.h"

#include "support/TemporaryDirectory.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>

#ifdef _WIN32
#include <process.h>
#else
#include <unistd.h>
#endif

namespace {

CString PathText(const std::filesystem::path& path) {
    return CString(path.u16string());
}

std::vector<std::string> Names(const std::filesystem::path& dir) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(dir)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

// A process that runs while the test does, other than the test itself where there is one.
long RunningProcessId() {
#ifdef _WIN32
    return _getpid();
#else
    return static_cast<long>(::getppid());
#endif
}

} // namespace

TEST(AtomicFile, AReplacementNotCommittedLeavesTheTargetAndNoTemporary) {
    TemporaryDirectory dir;
    const std::vector<unsigned char> old(100, 'o');
    WriteBytes(dir / "Clubs.dat", old);
    const CString target = PathText(dir / "Clubs.dat");
    enum class End { destroyed, closed, aborted };
    for (End end : {End::destroyed, End::closed, End::aborted}) {
        for (UINT written : {0U, 50U}) {
            {
                CAtomicFile file;
                ASSERT_TRUE(file.Open(target, CFile::modeCreate | CFile::modeWrite));
                EXPECT_EQ(Names(dir.Path()).size(), 2U) << "the replacement is made beside";
                file.Write(std::vector<char>(written, 'n').data(), written);
                if (end == End::closed) {
                    file.Close();
                } else if (end == End::aborted) {
                    file.Abort();
                }
            }
            EXPECT_EQ(ReadBytes(dir / "Clubs.dat"), old) << static_cast<int>(end) << written;
            EXPECT_EQ(Names(dir.Path()), std::vector<std::string>({"Clubs.dat"}));
        }
    }
    // Only a commit replaces it.
    {
        CAtomicFile file;
        ASSERT_TRUE(file.Open(target, CFile::modeCreate | CFile::modeWrite));
        file.Write("new", 3);
        EXPECT_TRUE(file.Commit());
        EXPECT_FALSE(file.Commit()) << "committed once";
    }
    EXPECT_EQ(ReadBytes(dir / "Clubs.dat"), std::vector<unsigned char>({'n', 'e', 'w'}));
    EXPECT_EQ(Names(dir.Path()), std::vector<std::string>({"Clubs.dat"}));

    // A commit that cannot put the file in place (a directory of that name) fails cleanly.
    std::filesystem::create_directories(dir / "Busy" / "inside");
    CAtomicFile file;
    ASSERT_TRUE(file.Open(PathText(dir / "Busy"), CFile::modeCreate | CFile::modeWrite));
    file.Write("x", 1);
    EXPECT_FALSE(file.Commit());
    EXPECT_TRUE(std::filesystem::is_directory(dir / "Busy" / "inside"));
    EXPECT_EQ(Names(dir.Path()), std::vector<std::string>({"Busy", "Clubs.dat"}));
}

TEST(AtomicFile, OpeningRemovesOnlyTheTemporariesThatStoppedProgramsLeft) {
    TemporaryDirectory dir;
    // No system gives a process this id.
    const std::string gone = "Clubs.dat.tmp999999999-";
    const std::string running = "Clubs.dat.tmp" + std::to_string(RunningProcessId()) + "-";
    struct Row {
        std::string name;
        bool old;
        bool removed;
    };
    const Row rows[] = {
        {gone + "0123456789abcdef", true, true},
        {gone + "fedcba9876543210", false, false}, // a save elsewhere may still be writing it
        {running + "0123456789abcdef", true, false},
        {gone + "0123", true, false},                             // not a name the program makes
        {"Other.dat.tmp999999999-0123456789abcdef", true, false}, // beside another file
    };
    const auto anHourAgo = std::filesystem::file_time_type::clock::now() - std::chrono::hours(1);
    for (const Row& row : rows) {
        WriteBytes(dir / row.name, {'t'});
        if (row.old) {
            std::filesystem::last_write_time(dir / row.name, anHourAgo);
        }
    }
    CAtomicFile file;
    ASSERT_TRUE(file.Open(PathText(dir / "Clubs.dat"), CFile::modeCreate | CFile::modeWrite));
    file.Abort();
    for (const Row& row : rows) {
        EXPECT_EQ(std::filesystem::exists(dir / row.name), !row.removed) << row.name;
    }
}
