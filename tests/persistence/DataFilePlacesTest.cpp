#include "persistence/PersistenceFixture.h"

#include "club/ClubBook.h"
#include "platform/core/CArchive.h"
#include "support/PathText.h"

using DataFilePlaces = PersistenceTest;

namespace {

void SaveOneClub(std::int32_t id, const std::filesystem::path& where) {
    CClubList clubs;
    clubs.AddTail(std::make_unique<CGolfClub>(id));
    ASSERT_TRUE(SerializeClubs(clubs, CArchive::store));
    ASSERT_TRUE(std::filesystem::exists(where));
}

std::int32_t LoadedHeadId() {
    CClubList clubs;
    EXPECT_TRUE(SerializeClubs(clubs, CArchive::load));
    return clubs.IsEmpty() ? -1 : clubs.GetHead()->m_nClubId;
}

} // namespace

TEST_F(DataFilePlaces, AppDirectoryIsTheExecutablesDirectoryWithItsSeparator) {
    EXPECT_EQ(GetAppDirectory(), PathText(AppDir()) + CString(std::u16string(1, kPathSeparator)));
    SetModuleFilePathOverride(CString(u"caddora"));
    EXPECT_EQ(GetAppDirectory(), CString());
    {
        // A table there beside a program without a directory is the bare name.
        const auto previous = std::filesystem::current_path();
        std::filesystem::current_path(AppDir());
        WriteBytes("Clubs.dat", ClubFileBytes().Word(0).Word(0).Get());
        EXPECT_EQ(GetDataFilePath(), CString(u"Clubs.dat"));
        std::filesystem::current_path(previous);
    }
    SetModuleFilePathOverride(CString());
    // The real executable is this test program.
    EXPECT_FALSE(GetAppDirectory().IsEmpty());
    EXPECT_EQ(GetAppDirectory().GetAt(GetAppDirectory().GetLength() - 1), kPathSeparator);
}

TEST_F(DataFilePlaces, PreferredDirectoryComesFromTheDataHome) {
    CString dir;
    ASSERT_TRUE(dir.LoadString(kIdsPreferredDataDirectory));
    EXPECT_EQ(dir, PathText(PreferredDir()));
}

TEST_F(DataFilePlaces, WithoutAnyFileTheSaveCreatesTheTableInThePreferredDirectory) {
    EXPECT_EQ(GetDataFilePath(), PathText(PreferredDataFile()));
    CClubList clubs;
    clubs.AddTail(std::make_unique<CGolfClub>(5));
    EXPECT_FALSE(SerializeClubs(clubs, CArchive::load));
    EXPECT_EQ(clubs.GetCount(), 1); // a load that opened nothing changes nothing

    SaveOneClub(7, PreferredDataFile());
    EXPECT_FALSE(std::filesystem::exists(AppDataFile())) << "never beside the program";
    EXPECT_EQ(LoadedHeadId(), 7);
}

TEST_F(DataFilePlaces, ATableBesideTheProgramIsStillReadAndWrittenThere) {
    WriteBytes(AppDataFile(), ClubFileBytes().Word(0).Word(1).Club(0, 4, u"portable").Get());
    EXPECT_EQ(GetDataFilePath(), PathText(AppDataFile()));
    EXPECT_EQ(LoadedHeadId(), 4);
    SaveOneClub(8, AppDataFile());
    EXPECT_EQ(LoadedHeadId(), 8);
    EXPECT_FALSE(std::filesystem::exists(PreferredDataFile()));
}

TEST_F(DataFilePlaces, AFileInThePreferredDirectoryWinsForLoadAndSave) {
    WriteBytes(AppDataFile(), ClubFileBytes().Word(0).Word(1).Club(0, 1, u"here").Get());
    const auto appBytes = ReadBytes(AppDataFile());
    std::filesystem::create_directories(PreferredDir());
    WriteBytes(PreferredDataFile(), ClubFileBytes().Word(0).Word(1).Club(0, 2, u"there").Get());
    // Evaluated anew at every call: the file that appeared is seen at once.
    EXPECT_EQ(GetDataFilePath(), PathText(PreferredDataFile()));
    EXPECT_EQ(LoadedHeadId(), 2);
    SaveOneClub(3, PreferredDataFile());
    EXPECT_EQ(LoadedHeadId(), 3);
    // The program's own copy was neither read nor written.
    EXPECT_EQ(ReadBytes(AppDataFile()), appBytes);
}

TEST_F(DataFilePlaces, ReadOnlyProgramDirectorySavesToThePreferredDirectory) {
    // A directory below a regular file can be written by nobody, not even root.
    WriteBytes(m_env.Root().Path() / "blocked", {'x'});
    SetModuleFilePathOverride(PathText(m_env.Root().Path() / "blocked" / "app" / "caddora"));
    CClubList clubs;
    BuildDefaultClubs(clubs);
    EXPECT_FALSE(SerializeClubs(clubs, CArchive::load));
    ASSERT_TRUE(SerializeClubs(clubs, CArchive::store));
    ASSERT_TRUE(std::filesystem::exists(PreferredDataFile()));
    // The next start finds it by the path rule.
    EXPECT_EQ(GetDataFilePath(), PathText(PreferredDataFile()));
    CClubList loaded;
    ASSERT_TRUE(SerializeClubs(loaded, CArchive::load));
    EXPECT_EQ(loaded.GetCount(), 14);
}

TEST_F(DataFilePlaces, SaveFailsOnlyWhenNoPlaceCanBeWritten) {
    WriteBytes(m_env.Root().Path() / "blocked", {'x'});
    SetModuleFilePathOverride(PathText(m_env.Root().Path() / "blocked" / "app" / "caddora"));
    m_env.Set(UserEnvironment::kDataHomeVariable, m_env.Root().Path() / "blocked" / "data");
    RegisterPlatformStringResources();
    CClubList clubs;
    BuildDefaultClubs(clubs);
    EXPECT_FALSE(SerializeClubs(clubs, CArchive::store));
}

TEST_F(DataFilePlaces, APreferredPlaceThatCannotBeWrittenIsNotLeftForTheProgramsDirectory) {
    // An entry named Clubs.dat that is a directory: the path rule picks it, the save fails.
    std::filesystem::create_directories(PreferredDataFile());
    CClubList clubs;
    EXPECT_FALSE(SerializeClubs(clubs, CArchive::load));
    EXPECT_FALSE(SerializeClubs(clubs, CArchive::store));
    EXPECT_FALSE(std::filesystem::exists(AppDataFile()));
    // Nor is a temporary file left behind.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(PreferredDir()),
                            std::filesystem::directory_iterator()),
              1);
}
