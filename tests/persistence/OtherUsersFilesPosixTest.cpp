// An administrator run with another user's environment (a sudo that keeps HOME): that user's
// folders are read and never written in, and that user's links are never followed to write.
#include "persistence/PersistenceFixture.h"

#include "persistence/RegistryKey.h"
#include "platform/core/CArchive.h"

#include "support/OrdinaryUser.h"

#include <functional>
#include <map>

#include <sys/stat.h>
#include <unistd.h>

using OtherUsersFilesPosix = PersistenceTest;

namespace {

// Every entry below the folder, with its owner.
std::map<std::string, uid_t> OwnersBelow(const std::filesystem::path& dir) {
    std::map<std::string, uid_t> owners;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(dir)) {
        struct stat st {};
        ::lstat(entry.path().c_str(), &st);
        owners[entry.path().string()] = st.st_uid;
    }
    return owners;
}

void GiveToOrdinaryUser(const std::filesystem::path& path) {
    ASSERT_EQ(::lchown(path.c_str(), kOrdinaryUser, kOrdinaryUser), 0) << path;
}

} // namespace

TEST_F(OtherUsersFilesPosix, AnAdministratorWritesNothingInAUsersPlacesOrThroughTheirLinks) {
    if (::geteuid() != 0) {
        GTEST_SKIP() << "only an administrator can run with another user's files";
    }
    // Files of the administrator's own that the user's links lead to.
    const auto secrets = m_env.Root().Path() / "root-only";
    std::filesystem::create_directory(secrets);
    const std::vector<unsigned char> table = ClubFileBytes().Word(0).Word(1).Club(0, 7, u"x").Get();
    const std::vector<unsigned char> notAHive = {'s', 'e', 'c', 'r', 'e', 't'};
    WriteBytes(secrets / "table", table);
    WriteBytes(secrets / "hive", notAHive);
    ::chmod((secrets / "table").c_str(), 0600);
    // The user's home, data and settings folders.
    const auto users = m_env.Root().Path() / "user";
    m_env.Set("HOME", users / "home");
    m_env.Set("XDG_DATA_HOME", users / "data");
    m_env.Set("XDG_CONFIG_HOME", users / "config");
    RegisterPlatformStringResources();
    struct Case {
        const char* what;
        std::function<void()> plant;
        bool loads;
        bool saved; // to the administrator's own data directory
    };
    const Case cases[] = {
        {"links in the user's folders",
         [&] {
             std::filesystem::create_directories(users / "data/Holverra/Caddora");
             std::filesystem::create_directories(users / "config/Holverra");
             std::filesystem::create_symlink(secrets / "table",
                                             users / "data/Holverra/Caddora/Clubs.dat");
             std::filesystem::create_symlink(secrets / "hive",
                                             users / "config/Holverra/registry.reg");
         },
         true, false},
        {"the user's empty home", [&] { std::filesystem::create_directories(users / "home"); },
         false, false},
        {"the user's link in the administrator's folder",
         [&] {
             std::filesystem::create_directories(users);
             std::filesystem::create_symlink(secrets / "table", AppDataFile());
             GiveToOrdinaryUser(AppDataFile());
             m_env.Set("XDG_DATA_HOME", m_env.Root().Path() / "own");
             RegisterPlatformStringResources();
         },
         true, true},
    };
    for (const Case& c : cases) {
        std::filesystem::remove_all(users);
        std::filesystem::remove(AppDataFile());
        c.plant();
        for (const auto& entry : OwnersBelow(users)) {
            GiveToOrdinaryUser(entry.first);
        }
        GiveToOrdinaryUser(users);
        const auto before = OwnersBelow(users);

        CClubDataFile file;
        CClubList clubs;
        EXPECT_EQ(file.Serialize(clubs, CArchive::load), c.loads ? TRUE : FALSE) << c.what;
        EXPECT_EQ(file.GetReport().m_bOtherUsersPlace, !c.saved) << c.what;
        EXPECT_FALSE(GetSettingsPlaceOfAnotherUser().IsEmpty()) << c.what;
        CRegistryKey key(HKEY_CURRENT_USER);
        key.Create(HKEY_CURRENT_USER, u"Software\\Holverra\\Caddora", 0);
        key.SetDWordValue(u"LastDistance", 150);
        clubs.AddTail(std::make_unique<CGolfClub>(99)); // a table unlike the one read
        EXPECT_EQ(file.Serialize(clubs, CArchive::store), c.saved ? TRUE : FALSE) << c.what;
        EXPECT_EQ(file.GetReport().m_bOtherUsersPlace, !c.saved) << c.what;

        EXPECT_EQ(OwnersBelow(users), before) << c.what << ": nothing made or replaced";
        EXPECT_EQ(ReadBytes(secrets / "table"), table) << c.what;
        EXPECT_EQ(ReadBytes(secrets / "hive"), notAHive) << c.what;
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(secrets), {}), 2) << c.what;
        if (c.saved) {
            EXPECT_TRUE(std::filesystem::is_symlink(AppDataFile())) << c.what;
            EXPECT_TRUE(
                std::filesystem::exists(m_env.Root().Path() / "own/Holverra/Caddora/Clubs.dat"));
        }
    }
}
