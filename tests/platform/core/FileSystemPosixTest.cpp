// What only this system's files have: names that are bytes, pipes and devices, links and
// permission bits.
#include "platform/core/AtomicFile.h"
#include "platform/core/CFile.h"
#include "platform/core/FileSystem.h"

#include "support/TemporaryDirectory.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

namespace {

CString PathText(const std::filesystem::path& path) {
    return PathFromNative(path.native());
}

unsigned ModeOf(const std::filesystem::path& path) {
    struct stat st {};
    EXPECT_EQ(::lstat(path.c_str(), &st), 0) << path;
    return st.st_mode & 07777U;
}

void Replace(const CString& target, const std::string& content, bool followLinks = true) {
    CAtomicFile file(followLinks);
    ASSERT_TRUE(file.Open(target, CFile::modeCreate | CFile::modeWrite));
    file.Write(content.data(), static_cast<UINT>(content.size()));
    ASSERT_TRUE(file.Commit());
}

std::string Text(const std::filesystem::path& path) {
    const auto bytes = ReadBytes(path);
    return {bytes.begin(), bytes.end()};
}

} // namespace

TEST(FileSystemPosix, FileNamesConvertToTextAndBackByteForByte) {
    const std::string names[] = {
        "",
        "plain/Clubs.dat",
        "caf\xC3\xA9",         // UTF-8
        "caf\xE9",             // Latin-1: no UTF-8
        "\xFF\xFE/x",          // never UTF-8
        "\xED\xB2\x80",        // a surrogate written out as UTF-8
        "\xC0\xAF",            // an overlong slash
        "\xE2\x82",            // a sequence cut short
        "\xF0\x9F\x8F\x8C/go", // beyond 16 bits
    };
    for (const std::string& name : names) {
        EXPECT_EQ(NativePath(PathFromNative(name)), name) << name;
        if (CString::FromUtf8(name).ToUtf8() == name) {
            EXPECT_EQ(PathFromNative(name), CString::FromUtf8(name)) << name;
        }
    }
    // Two folders that differ only in bytes that are no UTF-8 stay two folders.
    EXPECT_NE(PathFromNative("caf\xE9"), PathFromNative("caf\xEF\xBF\xBD"));
    EXPECT_NE(PathFromNative("caf\xE9"), PathFromNative("caf\xE8"));
}

TEST(FileSystemPosix, OnlyARegularFileOpensAndNothingWaitsForAPipe) {
    TemporaryDirectory dir;
    ASSERT_EQ(::mkfifo((dir / "pipe").c_str(), 0600), 0);
    std::filesystem::create_directory(dir / "folder");
    std::filesystem::create_symlink(dir / "pipe", dir / "link-to-pipe");
    WriteBytes(dir / "file", {'f'});
    // A pipe with no writer would hold an open for ever; this ends the test instead.
    ::alarm(20);
    for (const char* name : {"pipe", "folder", "link-to-pipe"}) {
        for (UINT flags : {UINT{CFile::modeRead}, UINT{CFile::modeCreate | CFile::modeWrite}}) {
            CFile file;
            CFileException error;
            EXPECT_FALSE(file.Open(PathText(dir / name), flags, &error)) << name;
            EXPECT_EQ(error.m_cause, CFileException::invalidFile) << name;
        }
    }
    CFile device;
    CFileException error;
    EXPECT_FALSE(device.Open(CString("/dev/zero"), CFile::modeRead, &error));
    EXPECT_EQ(error.m_cause, CFileException::invalidFile);
    ::alarm(0);
    CFile file;
    ASSERT_TRUE(file.Open(PathText(dir / "file"), CFile::modeRead));
    char c = 0;
    EXPECT_EQ(file.Read(&c, 1), 1U); // a regular file reads as before
}

TEST(FileSystemPosix, AReplacedFileKeepsItsLinkItsPermissionsAndItsOwner) {
    TemporaryDirectory dir;
    std::filesystem::create_directories(dir / "app");
    std::filesystem::create_directories(dir / "real");
    WriteBytes(dir / "real" / "table", {'o'});
    ::chmod((dir / "real" / "table").c_str(), 0640);
    std::filesystem::create_symlink("../real/table", dir / "app" / "Clubs.dat");

    Replace(PathText(dir / "app" / "Clubs.dat"), "new");
    EXPECT_TRUE(std::filesystem::is_symlink(dir / "app" / "Clubs.dat"));
    EXPECT_EQ(std::filesystem::read_symlink(dir / "app" / "Clubs.dat"), "../real/table");
    EXPECT_EQ(Text(dir / "real" / "table"), "new");
    EXPECT_EQ(ModeOf(dir / "real" / "table"), 0640U);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir / "real"), {}), 1);

    // A link that leads nowhere yet: the file is made where it leads, for the user alone.
    std::filesystem::create_symlink(dir / "real" / "fresh", dir / "app" / "dangling");
    Replace(PathText(dir / "app" / "dangling"), "made");
    EXPECT_EQ(Text(dir / "real" / "fresh"), "made");
    EXPECT_EQ(ModeOf(dir / "real" / "fresh"), 0600U);

    // Told not to follow, the link itself is replaced and what it led to is left alone.
    Replace(PathText(dir / "app" / "Clubs.dat"), "own", false);
    EXPECT_FALSE(std::filesystem::is_symlink(dir / "app" / "Clubs.dat"));
    EXPECT_EQ(Text(dir / "real" / "table"), "new");

    if (::geteuid() == 0) {
        // An administrator's save leaves the player's file the player's.
        ASSERT_EQ(::chown((dir / "real" / "table").c_str(), 4321, 4322), 0);
        Replace(PathText(dir / "real" / "table"), "root");
        struct stat st {};
        ASSERT_EQ(::stat((dir / "real" / "table").c_str(), &st), 0);
        EXPECT_EQ(st.st_uid, 4321U);
        EXPECT_EQ(st.st_gid, 4322U);
        EXPECT_EQ(st.st_mode & 0777U, 0640U);
    }
}

TEST(FileSystemPosix, TemporaryFilesAreNeverOpenedThroughALink) {
    TemporaryDirectory dir;
    const CString target = PathText(dir / "Clubs.dat");
    const auto seven = []() -> std::uint64_t { return 7; };
    // A link planted where the temporary file would go.
    const std::string planted =
        NativePath(target) + ".tmp" + std::to_string(::getpid()) + "-7000000000000000";
    std::filesystem::create_symlink(dir / "victim", planted);
    CString temp;
    int error = 0;
    EXPECT_EQ(CreateTemporaryBeside(target, temp, &error, seven), kNoFileHandle);
    EXPECT_FALSE(std::filesystem::exists(dir / "victim"));

    const FileHandle h = CreateTemporaryBeside(target, temp, &error);
    ASSERT_NE(h, kNoFileHandle);
    OsCloseFile(h);
    EXPECT_EQ(ModeOf(NativePath(temp)), 0600U);
}

TEST(FileSystemPosix, DirectoriesAreMadeForTheUserAlone) {
    TemporaryDirectory dir;
    std::filesystem::create_directory(dir / "share");
    ::chmod((dir / "share").c_str(), 0755);
    ASSERT_TRUE(CreateDirectoryPath(PathText(dir / "share" / "Holverra" / "Caddora")));
    EXPECT_EQ(ModeOf(dir / "share" / "Holverra"), 0700U);
    EXPECT_EQ(ModeOf(dir / "share" / "Holverra" / "Caddora"), 0700U);
    EXPECT_EQ(ModeOf(dir / "share"), 0755U) << "a directory that was there is left as it was";
}
