#include "platform/core/FileSystem.h"

#include "support/PathText.h"
#include "support/TemporaryDirectory.h"

#include <gtest/gtest.h>

TEST(FileSystem, AnEntryExistsOnlyUnderItsExactName) {
    TemporaryDirectory dir;
    WriteBytes(dir / "Clubs.dat", {1, 2, 3});
    std::filesystem::create_directory(dir / "folder");
    EXPECT_TRUE(FileExists(PathText(dir / "Clubs.dat")));
    EXPECT_TRUE(FileExists(PathText(dir / "folder"))); // any kind of entry counts
    EXPECT_FALSE(FileExists(PathText(dir / "Clubs.da")));
    EXPECT_FALSE(FileExists(PathText(dir / "missing" / "Clubs.dat")));
    // A pattern that would match the file is not the file's name.
    EXPECT_FALSE(FileExists(PathText(dir / "Clubs.*")));
    EXPECT_FALSE(FileExists(PathText(dir / "Clubs.da?")));
}

TEST(FileSystem, CreatingADirectoryPathMakesEveryMissingLevel) {
    TemporaryDirectory dir;
    const auto deep = dir / "Holverra" / "Caddora" / "data";
    EXPECT_TRUE(CreateDirectoryPath(PathText(deep)));
    EXPECT_TRUE(std::filesystem::is_directory(deep));
    EXPECT_TRUE(CreateDirectoryPath(PathText(deep))); // already there: still true

    // Below a regular file nothing can be made, whoever asks.
    WriteBytes(dir / "blocked", {'x'});
    EXPECT_FALSE(CreateDirectoryPath(PathText(dir / "blocked" / "data")));
    // A file where the directory should be is no directory.
    EXPECT_FALSE(CreateDirectoryPath(PathText(dir / "blocked")));
}

TEST(FileSystem, ReplacingPutsTheNewFileInPlaceOfTheOld) {
    TemporaryDirectory dir;
    WriteBytes(dir / "Clubs.dat", std::vector<unsigned char>(100, 'o'));
    WriteBytes(dir / "new", {'n', 'e', 'w'});
    ASSERT_TRUE(ReplaceFileAtomically(PathText(dir / "new"), PathText(dir / "Clubs.dat")));
    EXPECT_EQ(ReadBytes(dir / "Clubs.dat"), std::vector<unsigned char>({'n', 'e', 'w'}));
    EXPECT_FALSE(std::filesystem::exists(dir / "new"));

    // Onto a name that does not exist yet, too; from a missing file, never.
    WriteBytes(dir / "other", {'2'});
    EXPECT_TRUE(ReplaceFileAtomically(PathText(dir / "other"), PathText(dir / "fresh")));
    EXPECT_EQ(ReadBytes(dir / "fresh"), std::vector<unsigned char>({'2'}));
    EXPECT_FALSE(ReplaceFileAtomically(PathText(dir / "absent"), PathText(dir / "fresh")));
    EXPECT_EQ(ReadBytes(dir / "fresh"), std::vector<unsigned char>({'2'}));
}

TEST(FileSystem, TemporaryFilesAreMadeNewBesideTheTargetWithinBoundedTries) {
    TemporaryDirectory dir;
    const CString target = PathText(dir / "Clubs.dat");
    // A random source that always gives the same name.
    const auto seven = []() -> std::uint64_t { return 7; };
    CString temp;
    int error = 0;
    const FileHandle h = CreateTemporaryBeside(target, temp, &error, seven);
    ASSERT_NE(h, kNoFileHandle);
    EXPECT_TRUE(OsCloseFile(h));
    EXPECT_EQ(temp.Left(target.GetLength() + 4), target + CString(".tmp"));
    const std::filesystem::path made(temp.Str());
    WriteBytes(made, {'k'});
    // Every name it would try is taken: it gives up instead of trying for ever, and the file
    // of that name is neither opened nor cut.
    CString again;
    EXPECT_EQ(CreateTemporaryBeside(target, again, &error, seven), kNoFileHandle);
    EXPECT_EQ(ReadBytes(made), std::vector<unsigned char>({'k'}));
    EXPECT_TRUE(RemoveFile(temp));
    EXPECT_FALSE(RemoveFile(temp)); // gone already
}
