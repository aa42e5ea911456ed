#include "persistence/PersistenceFixture.h"

#include "club/ClubBook.h"
#include "platform/core/CArchive.h"
#include "platform/core/CMemFile.h"

#include "support/FailingMemFile.h"

using FailedSave = PersistenceTest;

TEST_F(FailedSave, AWriteThatFailsAfterAnyNumberOfBytesIsReported) {
    CClubList clubs;
    BuildDefaultClubs(clubs);
    CMemFile whole;
    ASSERT_TRUE(WriteClubs(whole, clubs));
    const auto size = static_cast<std::size_t>(whole.GetLength());
    ASSERT_GT(size, 8U);
    for (std::size_t n = 0; n < size; ++n) {
        CFailingMemFile device(n);
        ASSERT_FALSE(WriteClubs(device, clubs)) << "fault after " << n;
    }
    CFailingMemFile enough(size);
    EXPECT_TRUE(WriteClubs(enough, clubs));
    EXPECT_EQ(enough.GetLength(), size);
}

// A table the player made read-only is the player's "do not change": the save leaves it and
// goes to the preferred data directory, or fails when that is where the table is.
TEST_F(FailedSave, ATableThePlayerMayNotWriteIsLeftAsItIs) {
    using std::filesystem::perms;
    const std::vector<unsigned char> mine = ClubFileBytes().Word(0).Word(1).Club(0, 42, u"a").Get();
    CClubList clubs;
    BuildDefaultClubs(clubs);
    struct Case {
        const char* what;
        std::filesystem::path table;
        bool saved;
    };
    const Case cases[] = {
        {"beside the program", AppDataFile(), true},
        {"in the preferred data directory", PreferredDataFile(), false},
    };
    for (const Case& c : cases) {
        std::filesystem::remove_all(PreferredDir());
        std::filesystem::create_directories(c.table.parent_path());
        WriteBytes(c.table, mine);
        std::filesystem::permissions(c.table,
                                     perms::owner_write | perms::group_write | perms::others_write,
                                     std::filesystem::perm_options::remove);
        CClubDataFile file;
        EXPECT_EQ(file.Serialize(clubs, CArchive::store), c.saved ? TRUE : FALSE) << c.what;
        EXPECT_EQ(ReadBytes(c.table), mine) << c.what;
        EXPECT_EQ(std::filesystem::exists(PreferredDataFile()),
                  c.saved || c.table == PreferredDataFile())
            << c.what;
        std::filesystem::permissions(c.table, perms::owner_write,
                                     std::filesystem::perm_options::add);
    }
}
