// A save that the system stops part way (here by a limit on the size of the files the process
// writes, which binds root too) fails without ending the program, and leaves the earlier table
// as it was, and nothing beside it.
#include "persistence/PersistenceFixture.h"

#include "club/ClubBook.h"
#include "platform/core/CArchive.h"

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

using FailedSavePosix = PersistenceTest;

TEST_F(FailedSavePosix, ASaveStoppedPartWayLeavesTheEarlierTable) {
    const std::vector<unsigned char> old = ClubFileBytes().Word(0).Word(1).Club(0, 42, u"a").Get();
    WriteBytes(AppDataFile(), old);
    CClubList clubs;
    BuildDefaultClubs(clubs);
    // 0 saved, 1 not saved, -1 ended by the system.
    const auto saveWithin = [&](rlim_t limit) {
        const pid_t child = ::fork();
        if (child == 0) {
            const rlimit size{limit, limit};
            ::setrlimit(RLIMIT_FSIZE, &size);
            ::_exit(SerializeClubs(clubs, CArchive::store) ? 0 : 1);
        }
        int status = 0;
        return ::waitpid(child, &status, 0) == child && WIFEXITED(status) ? WEXITSTATUS(status)
                                                                          : -1;
    };
    for (rlim_t limit : {0, 1, 8, 500}) {
        EXPECT_EQ(saveWithin(limit), 1) << limit;
        ASSERT_EQ(ReadBytes(AppDataFile()), old) << limit;
        ASSERT_EQ(std::distance(std::filesystem::directory_iterator(AppDir()), {}), 1) << limit;
        ASSERT_TRUE(!std::filesystem::exists(PreferredDir()) ||
                    std::filesystem::is_empty(PreferredDir()))
            << limit;
    }
    EXPECT_EQ(saveWithin(2000), 0); // room for the whole table
    EXPECT_GT(ReadBytes(AppDataFile()).size(), 500U);
}
