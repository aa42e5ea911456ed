// Tables on this system that are there but cannot be read (a pipe, a device, a file the user
// may not read): nothing waits for them and they are never replaced. And folders whose names
// are no UTF-8, which must still find their own tables.
#include "persistence/PersistenceFixture.h"

#include "club/ClubBook.h"
#include "platform/core/CArchive.h"

#include "support/OrdinaryUser.h"

#include <set>

#include <sys/stat.h>
#include <unistd.h>

using UnreadableDataFilePosix = PersistenceTest;

TEST_F(UnreadableDataFilePosix, NothingWaitsForItAndItIsLeftAsItIs) {
    const CString preferred = PathFromNative(PreferredDataFile().native());
    // A load and a save as a run makes them: 0 when the load found the file unreadable for
    // `cause` and the save went to the preferred data directory instead.
    const auto loadAndSave = [&](CFileException::Cause cause) {
        CClubDataFile file;
        CClubList clubs;
        if (file.Serialize(clubs, CArchive::load) || file.GetReport().m_cause != cause) {
            return 1;
        }
        BuildDefaultClubs(clubs);
        return file.Serialize(clubs, CArchive::store) && file.GetReport().m_strPath == preferred
                   ? 0
                   : 2;
    };
    ::alarm(30); // a pipe without a writer would hold the load for ever
    ASSERT_EQ(::mkfifo(AppDataFile().c_str(), 0600), 0);
    EXPECT_EQ(loadAndSave(CFileException::invalidFile), 0) << "a pipe";
    EXPECT_EQ(std::filesystem::status(AppDataFile()).type(), std::filesystem::file_type::fifo);
    std::filesystem::remove(AppDataFile());
    std::filesystem::create_symlink("/dev/urandom", AppDataFile());
    std::filesystem::remove_all(m_env.DataHome());
    EXPECT_EQ(loadAndSave(CFileException::invalidFile), 0) << "a device";
    EXPECT_FALSE(std::filesystem::exists(AppDir() / "Clubs.dat.damaged"));
    std::filesystem::remove(AppDataFile());
    std::filesystem::remove_all(m_env.DataHome());
    ::alarm(0);

    // A file the user may not read, tried as a user whom permissions bind.
    const std::vector<unsigned char> mine = ClubFileBytes().Word(0).Word(0).Get();
    WriteBytes(AppDataFile(), mine);
    ::chmod(AppDataFile().c_str(), 0);
    for (const auto& dir : {m_env.Root().Path(), AppDir(), m_env.DataHome()}) {
        std::filesystem::create_directories(dir);
        std::filesystem::permissions(dir, std::filesystem::perms::all);
    }
    EXPECT_EQ(RunAsOrdinaryUser([&] { return loadAndSave(CFileException::accessDenied); }), 0);
    ::chmod(AppDataFile().c_str(), 0600);
    EXPECT_EQ(ReadBytes(AppDataFile()), mine);
}

TEST_F(UnreadableDataFilePosix, FolderNamesThatAreNoUtf8FindTheirOwnFiles) {
    // Latin-1 names, as older systems and other tools make them.
    const std::filesystem::path app = m_env.Root().Path() / "caf\xE9";
    std::filesystem::create_directories(app);
    m_env.Set(UserEnvironment::kDataHomeVariable, m_env.Root().Path() / "d\xE9j\xE0");
    RegisterPlatformStringResources();
    SetModuleFilePathOverride(PathFromNative((app / "caddora").native()));
    // The player's table beside the program is found there.
    WriteBytes(app / "Clubs.dat", ClubFileBytes().Word(0).Word(1).Club(0, 42, u"mine").Get());
    CClubList clubs;
    ASSERT_TRUE(SerializeClubs(clubs, CArchive::load));
    EXPECT_EQ(clubs.GetHead()->m_nClubId, 42);
    // A new table goes to the data directory of that very name, and no other is made.
    std::filesystem::remove(app / "Clubs.dat");
    ASSERT_TRUE(SerializeClubs(clubs, CArchive::store));
    EXPECT_TRUE(std::filesystem::exists(m_env.Root().Path() / "d\xE9j\xE0/Holverra/Caddora"));
    std::set<std::string> made;
    for (const auto& entry : std::filesystem::directory_iterator(m_env.Root().Path())) {
        made.insert(entry.path().filename().native());
    }
    EXPECT_EQ(made, std::set<std::string>({"app", "caf\xE9", "d\xE9j\xE0"}));
}
