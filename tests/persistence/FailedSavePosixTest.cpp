// A save that the system stops part way (here by a limit on the size of any file the process
// writes, which binds root too) leaves the earlier table as it was, and nothing beside it.
#include "PersistenceFixture.h"

#include "club/ClubBook.h"
#include "platform/core/CArchive.h"

#include <csignal>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

using FailedSavePosix = PersistenceTest;

namespace {

// Saves the table in a child process that may write files of at most `limit` bytes.
bool SaveWithFileSizeLimit(CClubList& clubs, std::size_t limit) {
    const pid_t child = ::fork();
    if (child == 0) {
        ::signal(SIGXFSZ, SIG_IGN); // the write fails instead of ending the process
        const rlimit size{limit, limit};
        ::setrlimit(RLIMIT_FSIZE, &size);
        ::_exit(SerializeClubs(clubs, CArchive::store) ? 0 : 1);
    }
    int status = 0;
    return ::waitpid(child, &status, 0) == child && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

std::size_t EntriesIn(const std::filesystem::path& dir) {
    return std::filesystem::exists(dir)
               ? static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(dir),
                                                        std::filesystem::directory_iterator()))
               : 0;
}

} // namespace

TEST_F(FailedSavePosix, ASaveStoppedPartWayLeavesTheEarlierTable) {
    const std::vector<unsigned char> old =
        ClubFileBytes().Word(0).Word(1).Club(0, 42, u"mine").Get();
    WriteBytes(AppDataFile(), old);
    CClubList clubs;
    BuildDefaultClubs(clubs);
    const std::size_t size = 8 + 14 * 90; // more than the default set takes
    for (std::size_t limit : {std::size_t{0}, std::size_t{1}, std::size_t{8}, std::size_t{500}}) {
        EXPECT_FALSE(SaveWithFileSizeLimit(clubs, limit)) << limit;
        ASSERT_EQ(ReadBytes(AppDataFile()), old) << limit;
        ASSERT_EQ(EntriesIn(AppDir()), 1U) << "a temporary file left at " << limit;
        ASSERT_EQ(EntriesIn(PreferredDir()), 0U) << limit;
    }
    EXPECT_TRUE(SaveWithFileSizeLimit(clubs, size));
    CClubList loaded;
    ASSERT_TRUE(SerializeClubs(loaded, CArchive::load));
    EXPECT_EQ(loaded.GetCount(), 14);
}
