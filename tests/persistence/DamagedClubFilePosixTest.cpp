// The copy of a damaged table on this system: of a regular file only, of the bytes it had
// when it was opened, with its permission bits.
#include "persistence/PersistenceFixture.h"

#include "platform/core/CArchive.h"

#include <sys/stat.h>

using DamagedClubFilePosix = PersistenceTest;

namespace {

unsigned ModeOf(const std::filesystem::path& path) {
    struct stat st {};
    EXPECT_EQ(::stat(path.c_str(), &st), 0) << path;
    return st.st_mode & 0777U;
}

} // namespace

TEST_F(DamagedClubFilePosix, TheCopyAndTheSavedTableKeepTheFilesPermissionBitsAndLink) {
    const std::vector<unsigned char> damaged =
        ClubFileBytes().Word(0).Word(2).Club(0, 1, u"one").Word(0).Get();
    const auto secret = m_env.Root().Path() / "secret.dat";
    struct Case {
        const char* what;
        bool link;
        unsigned mode;
    };
    for (const Case& c :
         {Case{"a file of the user's", false, 0640U}, Case{"a link to a secret", true, 0600U}}) {
        std::filesystem::remove(AppDataFile());
        const auto holder = c.link ? secret : AppDataFile();
        WriteBytes(holder, damaged);
        ::chmod(holder.c_str(), c.mode);
        if (c.link) {
            std::filesystem::create_symlink(secret, AppDataFile());
        }
        // A copy kept earlier, open to all, stays; the new one takes the damaged file's bits.
        std::filesystem::remove(AppDir() / "Clubs.dat.damaged.2");
        WriteBytes(AppDir() / "Clubs.dat.damaged", {'o', 'l', 'd'});
        ::chmod((AppDir() / "Clubs.dat.damaged").c_str(), 0666);
        CClubList clubs;
        ASSERT_TRUE(SerializeClubs(clubs, CArchive::load)) << c.what;
        EXPECT_EQ(ReadBytes(AppDir() / "Clubs.dat.damaged"),
                  std::vector<unsigned char>({'o', 'l', 'd'}))
            << c.what;
        EXPECT_EQ(ReadBytes(AppDir() / "Clubs.dat.damaged.2"), damaged) << c.what;
        EXPECT_EQ(ModeOf(AppDir() / "Clubs.dat.damaged.2"), c.mode) << c.what;
        EXPECT_FALSE(std::filesystem::is_symlink(AppDir() / "Clubs.dat.damaged.2")) << c.what;
        // The save replaces the file the link leads to, and keeps the link and the bits.
        ASSERT_TRUE(SerializeClubs(clubs, CArchive::store)) << c.what;
        EXPECT_EQ(std::filesystem::is_symlink(AppDataFile()), c.link) << c.what;
        EXPECT_EQ(ReadBytes(holder), ClubFileBytes().Word(0).Word(1).Club(0, 1, u"one").Get())
            << c.what;
        EXPECT_EQ(ModeOf(holder), c.mode) << c.what;
    }
}

TEST_F(DamagedClubFilePosix, TheCopyHoldsOnlyTheBytesTheFileHadWhenItWasOpened) {
    // A file of the system's that says it is empty but gives bytes when read, and different
    // ones at every read: only what it had when opened, nothing, is copied.
    std::filesystem::create_symlink("/proc/self/status", AppDataFile());
    CClubDataFile file;
    CClubList clubs;
    EXPECT_FALSE(file.Serialize(clubs, CArchive::load));
    EXPECT_EQ(file.GetReport().m_outcome, ClubFileReport::damaged);
    EXPECT_TRUE(clubs.IsEmpty());
    EXPECT_EQ(std::filesystem::file_size(AppDir() / "Clubs.dat.damaged"), 0U);
}
