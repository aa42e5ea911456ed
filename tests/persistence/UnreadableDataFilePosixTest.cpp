// A table that is there but cannot be read on this system: a pipe, a device, or a file the
// user may not read. Nothing waits for it, it is never replaced, and the table is saved to
// the preferred data directory instead.
#include "PersistenceFixture.h"

#include "club/ClubBook.h"
#include "platform/core/CArchive.h"

#include "support/OrdinaryUser.h"

#include <set>

#include <sys/stat.h>
#include <unistd.h>

using UnreadableDataFilePosix = PersistenceTest;

namespace {

// A load and a save as a run makes them: 0 when the load found the file unreadable for
// `cause` and the save went to `saved`.
int LoadAndSave(CFileException::Cause cause, const CString& saved) {
    CClubDataFile file;
    CClubList clubs;
    if (file.Serialize(clubs, CArchive::load) ||
        file.GetReport().m_outcome != ClubFileReport::unreadable ||
        file.GetReport().m_cause != cause) {
        return 1;
    }
    BuildDefaultClubs(clubs);
    return file.Serialize(clubs, CArchive::store) && file.GetReport().m_strPath == saved ? 0 : 2;
}

} // namespace

TEST_F(UnreadableDataFilePosix, NothingWaitsForItAndItIsLeftAsItIs) {
    const CString preferred = PathFromNative(PreferredDataFile().native());
    // A pipe with no writer would hold the load for ever; the alarm ends the test instead.
    ::alarm(30);
    ASSERT_EQ(::mkfifo(AppDataFile().c_str(), 0600), 0);
    EXPECT_EQ(LoadAndSave(CFileException::invalidFile, preferred), 0) << "a pipe";
    EXPECT_EQ(std::filesystem::status(AppDataFile()).type(), std::filesystem::file_type::fifo);
    std::filesystem::remove(AppDataFile());
    std::filesystem::remove(PreferredDataFile());

    std::filesystem::create_symlink("/dev/urandom", AppDataFile());
    EXPECT_EQ(LoadAndSave(CFileException::invalidFile, preferred), 0) << "a device";
    EXPECT_TRUE(std::filesystem::is_symlink(AppDataFile()));
    EXPECT_FALSE(std::filesystem::exists(AppDir() / "Clubs.dat.damaged"));
    std::filesystem::remove(AppDataFile());
    std::filesystem::remove_all(m_env.DataHome());
    ::alarm(0);

    // A file the user may not read, tried as a user whom permissions bind.
    const std::vector<unsigned char> mine =
        ClubFileBytes().Word(0).Word(1).Club(0, 42, u"mine").Get();
    WriteBytes(AppDataFile(), mine);
    ::chmod(AppDataFile().c_str(), 0);
    for (const auto& dir : {m_env.Root().Path(), AppDir(), m_env.DataHome()}) {
        std::filesystem::create_directories(dir);
        std::filesystem::permissions(dir, std::filesystem::perms::all);
    }
    EXPECT_EQ(
        RunAsOrdinaryUser([&] { return LoadAndSave(CFileException::accessDenied, preferred); }), 0)
        << "a file not to be read";
    ::chmod(AppDataFile().c_str(), 0600);
    EXPECT_EQ(ReadBytes(AppDataFile()), mine);
}

TEST_F(UnreadableDataFilePosix, FolderNamesThatAreNoUtf8FindTheirOwnFiles) {
    // Latin-1 names, as an older system or another language's tools make them.
    const std::filesystem::path app = m_env.Root().Path() / "caf\xE9" / "app";
    const std::filesystem::path data = m_env.Root().Path() / "d\xE9j\xE0";
    std::filesystem::create_directories(app);
    m_env.Set(UserEnvironment::kDataHomeVariable, data);
    RegisterPlatformStringResources();
    SetModuleFilePathOverride(PathFromNative((app / "caddora").native()));

    // The player's table beside the program is found, read and written there.
    WriteBytes(app / "Clubs.dat", ClubFileBytes().Word(0).Word(1).Club(0, 42, u"mine").Get());
    CClubList clubs;
    ASSERT_TRUE(SerializeClubs(clubs, CArchive::load));
    EXPECT_EQ(clubs.GetHead()->m_nClubId, 42);
    ASSERT_TRUE(SerializeClubs(clubs, CArchive::store));
    std::filesystem::remove(app / "Clubs.dat");

    // A new table goes to the data directory of that very name.
    ASSERT_TRUE(SerializeClubs(clubs, CArchive::store));
    EXPECT_TRUE(std::filesystem::exists(data / "Holverra" / "Caddora" / "Clubs.dat"));
    std::set<std::string> made;
    for (const auto& entry : std::filesystem::directory_iterator(m_env.Root().Path())) {
        made.insert(entry.path().filename().native());
    }
    EXPECT_EQ(made, std::set<std::string>({"app", "caf\xE9", "d\xE9j\xE0"}))
        << "no folder of another name beside them";
}
