#include "platform/core/CMemFile.h"
#include "platform/core/CMemoryException.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

TEST(MemFile, GrowsInStepsAndDetachHandsOverTheBlock) {
    CMemFile file(1024);
    std::vector<BYTE> data(1500, 0x5A);
    file.Write(data.data(), 1500);
    EXPECT_EQ(file.GetLength(), 1500U);
    const auto length = static_cast<std::size_t>(file.GetLength());
    BYTE* block = file.Detach();
    EXPECT_EQ(std::vector<BYTE>(block, block + length), data);
    std::free(block);
    EXPECT_EQ(file.GetLength(), 0U); // detached: the file is empty again
}

TEST(MemFile, AttachedFixedBlockReadsItsBytesAndRefusesToGrow) {
    BYTE block[3] = {9, 8, 7};
    CMemFile file(block, 3);
    BYTE out[5] = {};
    EXPECT_EQ(file.Read(out, 5), 3U);
    EXPECT_EQ(out[2], 7);
    EXPECT_EQ(file.Read(out, 5), 0U);
    EXPECT_THROW(file.Write(out, 1), CMemoryException);
    EXPECT_EQ(block[0], 9); // the caller's block is left as it was
}

TEST(MemFile, GrowingOverACallersBlockMovesToABlockOfItsOwn) {
    BYTE block[4] = {1, 2, 3, 4};
    CMemFile file(block, 4, 16); // growing: written from its start
    EXPECT_EQ(file.GetLength(), 0U);
    const BYTE data[6] = {9, 9, 9, 9, 9, 9};
    file.Write(data, 6);
    EXPECT_EQ(file.GetLength(), 6U);
    EXPECT_EQ(block[0], 1); // the caller's block was not resized or written past its end
    BYTE* own = file.Detach();
    ASSERT_NE(own, block);
    EXPECT_EQ(own[5], 9);
    std::free(own);
}
