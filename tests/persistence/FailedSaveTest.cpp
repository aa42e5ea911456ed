#include "PersistenceFixture.h"

#include "club/ClubBook.h"
#include "platform/core/CArchive.h"
#include "platform/core/CFile.h"

using FailedSave = PersistenceTest;

namespace {

struct WriteFaultAfter {
    explicit WriteFaultAfter(std::int64_t n) { CFile::SetWriteFaultAfter(n); }
    ~WriteFaultAfter() { CFile::SetWriteFaultAfter(-1); }
};

std::size_t EntriesIn(const std::filesystem::path& dir) {
    return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(dir),
                                                  std::filesystem::directory_iterator()));
}

} // namespace

TEST_F(FailedSave, AWriteThatFailsAfterAnyNumberOfBytesLeavesTheOldFileAsItWas) {
    const std::vector<unsigned char> old =
        ClubFileBytes().Word(0).Word(1).Club(0, 42, u"mine").Get();
    WriteBytes(AppDataFile(), old);
    CClubList clubs;
    BuildDefaultClubs(clubs);
    // The size of the new file, from a save that is allowed to finish elsewhere.
    std::size_t size = 0;
    {
        TemporaryDirectory other;
        SetModuleFilePathOverride(CString((other / "caddora").u16string()));
        ASSERT_TRUE(SerializeClubs(clubs, CArchive::store));
        size = ReadBytes(other / "Clubs.dat").size();
        SetModuleFilePathOverride(CString((AppDir() / "caddora").u16string()));
    }
    ASSERT_GT(size, 8U);
    for (std::size_t n = 0; n < size; ++n) {
        WriteFaultAfter fault(static_cast<std::int64_t>(n));
        EXPECT_FALSE(SerializeClubs(clubs, CArchive::store)) << "fault after " << n;
        ASSERT_EQ(ReadBytes(AppDataFile()), old) << "fault after " << n;
        ASSERT_EQ(EntriesIn(AppDir()), 1U) << "temporary file left after " << n;
        ASSERT_FALSE(std::filesystem::exists(PreferredDataFile())) << "fault after " << n;
    }
    {
        WriteFaultAfter fault(static_cast<std::int64_t>(size));
        EXPECT_TRUE(SerializeClubs(clubs, CArchive::store));
    }
    EXPECT_EQ(ReadBytes(AppDataFile()).size(), size);
}
