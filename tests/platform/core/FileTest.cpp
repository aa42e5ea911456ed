#include "platform/core/CFile.h"

#include "support/PathText.h"
#include "support/TemporaryDirectory.h"

#include <gtest/gtest.h>

TEST(File, ReadOpenNeedsAnExistingFileAndReportsTheCause) {
    TemporaryDirectory dir;
    CFile file;
    CFileException error;
    EXPECT_FALSE(file.Open(PathText(dir / "absent"), CFile::modeRead, &error));
    EXPECT_EQ(error.m_cause, CFileException::fileNotFound);
    EXPECT_FALSE(file.IsOpen());
    file.Close(); // closing a file that never opened does nothing
    // A directory is there, but is no file.
    EXPECT_FALSE(file.Open(PathText(dir.Path()), CFile::modeRead, &error));
    EXPECT_EQ(error.m_cause, CFileException::invalidFile);
}

TEST(File, CreateWriteCutsAnEarlierFileToLengthZero) {
    TemporaryDirectory dir;
    WriteBytes(dir / "f", std::vector<unsigned char>(100, 'x'));
    CFile file;
    ASSERT_TRUE(file.Open(PathText(dir / "f"), CFile::modeCreate | CFile::modeWrite));
    file.Write("ab", 2);
    file.Flush();
    file.Close();
    file.Close();
    EXPECT_EQ(ReadBytes(dir / "f"), std::vector<unsigned char>({'a', 'b'}));

    ASSERT_TRUE(file.Open(PathText(dir / "f"), 0));
    EXPECT_EQ(file.GetLength(), 2U);
    char buffer[8] = {};
    EXPECT_EQ(file.Read(buffer, 8), 2U);
    EXPECT_EQ(file.Read(buffer, 8), 0U);
    EXPECT_EQ(file.GetPosition(), 2U);
    EXPECT_THROW(file.Write("c", 1), CFileException); // opened for reading only
}
