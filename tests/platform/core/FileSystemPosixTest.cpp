// What only this system's files have: names that are bytes, links, owners and permission bits.
#include "platform/core/AtomicFile.h"
#include "platform/core/FileSystem.h"

#include "support/TemporaryDirectory.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

namespace {

struct stat StatOf(const std::filesystem::path& path) {
    struct stat st {};
    EXPECT_EQ(::lstat(path.c_str(), &st), 0) << path;
    return st;
}

} // namespace

TEST(FileSystemPosix, FileNamesConvertToTextAndBackByteForByte) {
    const std::string names[] = {
        "plain/Clubs.dat", "caf\xC3\xA9", "caf\xE9",  "\xFF\xFE/x",
        "\xED\xB2\x80",    "\xC0\xAF",    "\xE2\x82", "\xF0\x9F\x8F\x8C",
    };
    for (const std::string& name : names) {
        EXPECT_EQ(NativePath(PathFromNative(name)), name) << name;
    }
    EXPECT_EQ(PathFromNative("caf\xC3\xA9"), CString(u"caf\u00E9")); // UTF-8 is read as such
    // Two folders that differ only in bytes that are no UTF-8 stay two folders.
    EXPECT_NE(PathFromNative("caf\xE9"), PathFromNative("caf\xEF\xBF\xBD"));
}

TEST(FileSystemPosix, TemporaryFilesAreTheUsersAloneAndNeverOpenedThroughALink) {
    TemporaryDirectory dir;
    const CString target = PathFromNative((dir / "Clubs.dat").native());
    const auto seven = []() -> std::uint64_t { return 7; };
    // A link planted where the temporary file would go.
    std::filesystem::create_symlink(dir / "victim", NativePath(target) + ".tmp" +
                                                        std::to_string(::getpid()) +
                                                        "-7000000000000000");
    CString temp;
    int error = 0;
    EXPECT_EQ(CreateTemporaryBeside(target, temp, &error, seven), kNoFileHandle);
    EXPECT_FALSE(std::filesystem::exists(dir / "victim"));

    const FileHandle h = CreateTemporaryBeside(target, temp, &error);
    ASSERT_NE(h, kNoFileHandle);
    OsCloseFile(h);
    EXPECT_EQ(StatOf(NativePath(temp)).st_mode & 0777U, 0600U);
}

TEST(FileSystemPosix, DirectoriesAreMadeForTheUserAlone) {
    TemporaryDirectory dir;
    std::filesystem::create_directory(dir / "share");
    ::chmod((dir / "share").c_str(), 0755);
    ASSERT_TRUE(CreateDirectoryPath(PathFromNative((dir / "share/Holverra/Caddora").native())));
    EXPECT_EQ(StatOf(dir / "share/Holverra").st_mode & 0777U, 0700U);
    EXPECT_EQ(StatOf(dir / "share/Holverra/Caddora").st_mode & 0777U, 0700U);
    EXPECT_EQ(StatOf(dir / "share").st_mode & 0777U, 0755U) << "one that was there stays";
}

TEST(FileSystemPosix, AnAdministratorsReplacementLeavesTheFileToItsOwner) {
    if (::geteuid() != 0) {
        GTEST_SKIP() << "only an administrator can give a file away";
    }
    TemporaryDirectory dir;
    WriteBytes(dir / "Clubs.dat", {'o'});
    ASSERT_EQ(::chown((dir / "Clubs.dat").c_str(), 4321, 4322), 0);
    CAtomicFile file;
    ASSERT_TRUE(file.Open(PathFromNative((dir / "Clubs.dat").native()),
                          CFile::modeCreate | CFile::modeWrite));
    ASSERT_TRUE(file.Commit());
    EXPECT_EQ(StatOf(dir / "Clubs.dat").st_uid, 4321U);
    EXPECT_EQ(StatOf(dir / "Clubs.dat").st_gid, 4322U);
}
