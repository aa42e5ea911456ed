#include "platform/core/CArchive.h"
#include "platform/core/CMemFile.h"
#include "support/MemoryFileBytes.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// A file that records each call the archive makes to it.
class RecordingFile : public CMemFile {
public:
    UINT Read(void* lpBuf, UINT nCount) override {
        reads.push_back(nCount);
        return CMemFile::Read(lpBuf, nCount);
    }
    void Write(const void* lpBuf, UINT nCount) override {
        writes.push_back(nCount);
        CMemFile::Write(lpBuf, nCount);
    }
    std::vector<UINT> reads;
    std::vector<UINT> writes;
};

} // namespace

TEST(ArchiveWords, StoredLowestByteFirstWithoutPadding) {
    CMemFile file;
    CArchive ar(&file, CArchive::store);
    ar << BYTE{0xAB} << std::uint32_t{0x01020304} << std::int32_t{-2} << WORD{0xBEEF};
    ar << 1.0;
    ar.Close();
    const std::vector<BYTE> expected = {0xAB, 0x04, 0x03, 0x02, 0x01, 0xFE, 0xFF, 0xFF, 0xFF, 0xEF,
                                        0xBE, 0,    0,    0,    0,    0,    0,    0xF0, 0x3F};
    EXPECT_EQ(TakeBytes(file), expected);
}

TEST(ArchiveWords, StoreGoesToTheFileOnlyWhenTheBufferIsFullOrClosed) {
    RecordingFile file;
    {
        CArchive ar(&file, CArchive::store, 4096);
        ar << BYTE{1}; // the next words straddle the buffer's end at an odd offset
        for (int i = 0; i < 1024; ++i) {
            ar << static_cast<std::uint32_t>(i);
        }
        // 1 + 1023 * 4 = 4093 bytes fit; the last word needs 4 and only 3 are left.
        ASSERT_EQ(file.writes, std::vector<UINT>({4093}));
        ar.Close();
    }
    EXPECT_EQ(file.writes, std::vector<UINT>({4093, 4}));
    EXPECT_EQ(file.GetLength(), 4097U);
}

TEST(ArchiveWords, LoadAsksTheFileOnlyWhenFewerThanFourBytesAreLeft) {
    RecordingFile file;
    {
        CArchive ar(&file, CArchive::store);
        ar << BYTE{7};
        for (std::uint32_t i = 0; i < 2000; ++i) {
            ar << i * 3U;
        }
        ar.Close();
    }
    file.SeekToBegin();
    file.reads.clear();
    CArchive ar(&file, CArchive::load, 4096);
    EXPECT_TRUE(ar.IsLoading());
    BYTE first = 0;
    ar >> first;
    EXPECT_EQ(first, 7);
    ASSERT_EQ(file.reads, std::vector<UINT>({4096}));
    for (std::uint32_t i = 0; i < 2000; ++i) {
        std::uint32_t value = 0;
        ar >> value;
        ASSERT_EQ(value, i * 3U) << "word " << i;
    }
    // The refill keeps the three bytes left over and fills the rest of the buffer.
    EXPECT_EQ(file.reads, std::vector<UINT>({4096, 4093}));
}

TEST(ArchiveWords, ReadingPastTheEndRaisesEndOfFile) {
    BYTE bytes[6] = {1, 0, 0, 0, 2, 0};
    CMemFile file(bytes, sizeof bytes);
    CArchive ar(&file, CArchive::load);
    std::int32_t value = 0;
    ar >> value;
    EXPECT_EQ(value, 1);
    EXPECT_EQ(ar.GetRemainingBytes(), 2U);
    try {
        ar >> value;
        FAIL() << "a word of two bytes was read";
    } catch (const CArchiveException& e) {
        EXPECT_EQ(e.m_cause, CArchiveException::endOfFile);
    }
}
