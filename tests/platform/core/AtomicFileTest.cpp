#include "platform/core/AtomicFile.h"

#include "support/PathText.h"
#include "support/TemporaryDirectory.h"

#include <gtest/gtest.h>

#include <chrono>

#ifdef _WIN32
#include <process.h>
#else
#include <unistd.h>
#endif

namespace {

long Entries(const std::filesystem::path& dir) {
    return static_cast<long>(std::distance(std::filesystem::directory_iterator(dir), {}));
}

} // namespace

TEST(AtomicFile, OnlyACommitReplacesTheTargetAndNoTemporaryStays) {
    TemporaryDirectory dir;
    const std::vector<unsigned char> old(100, 'o');
    WriteBytes(dir / "Clubs.dat", old);
    std::filesystem::create_directories(dir / "Busy" / "inside");
    enum End { destroyed, closed, aborted, committedOverAFolder, committed };
    for (int end = destroyed; end <= committed; ++end) {
        {
            CAtomicFile file;
            const auto target = dir / (end == committedOverAFolder ? "Busy" : "Clubs.dat");
            ASSERT_TRUE(file.Open(PathText(target), CFile::modeCreate | CFile::modeWrite));
            file.Write("new", 3);
            if (end == closed) {
                file.Close();
            } else if (end == aborted) {
                file.Abort();
            } else if (end != destroyed) {
                EXPECT_EQ(file.Commit(), end == committed) << end;
            }
        }
        EXPECT_EQ(ReadBytes(dir / "Clubs.dat"),
                  end == committed ? std::vector<unsigned char>({'n', 'e', 'w'}) : old)
            << end;
        EXPECT_EQ(Entries(dir.Path()), 2) << "a temporary file stayed after " << end;
    }
    EXPECT_TRUE(std::filesystem::is_directory(dir / "Busy" / "inside"));
}

TEST(AtomicFile, OpeningRemovesOnlyTheTemporariesThatStoppedProgramsLeft) {
    TemporaryDirectory dir;
    const std::string gone = "Clubs.dat.tmp999999999-"; // no system gives a process this id
#ifdef _WIN32
    const std::string running = "Clubs.dat.tmp" + std::to_string(_getpid()) + "-";
#else
    const std::string running = "Clubs.dat.tmp" + std::to_string(::getppid()) + "-";
#endif
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
