#include "platform/core/CArchive.h"
#include "platform/core/CMemFile.h"
#include "platform/core/COleDateTime.h"
#include "support/MemoryFileBytes.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<BYTE> Store(const CString& text) {
    CMemFile file;
    CArchive ar(&file, CArchive::store);
    ar << text;
    ar.Close();
    return TakeBytes(file);
}

CString Load(std::vector<BYTE> bytes) {
    CMemFile file(bytes.data(), static_cast<UINT>(bytes.size()));
    CArchive ar(&file, CArchive::load);
    CString text;
    ar >> text;
    EXPECT_EQ(ar.GetRemainingBytes(), 0U) << "bytes left after the text";
    return text;
}

CString TextOf(std::size_t length) {
    std::u16string text(length, u'a');
    for (std::size_t i = 0; i < length; ++i) {
        text[i] = static_cast<char16_t>(0x20 + i % 0x3000);
    }
    return CString(std::move(text));
}

} // namespace

TEST(ArchiveText, EveryLengthFormIsWrittenTaggedAndReadBack) {
    struct Case {
        std::size_t length;
        std::vector<BYTE> header;
    };
    const Case cases[] = {
        {0, {0xFF, 0xFE, 0xFF, 0x00}},
        {254, {0xFF, 0xFE, 0xFF, 0xFE}},
        {255, {0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0x00}},
        {0xFFFD, {0xFF, 0xFE, 0xFF, 0xFF, 0xFD, 0xFF}},
        {0xFFFE, {0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xFE, 0xFF, 0x00, 0x00}},
    };
    for (const Case& c : cases) {
        const CString text = TextOf(c.length);
        const std::vector<BYTE> bytes = Store(text);
        ASSERT_EQ(bytes.size(), c.header.size() + 2 * c.length) << "length " << c.length;
        EXPECT_EQ(std::vector<BYTE>(bytes.begin(), bytes.begin() + c.header.size()), c.header)
            << "length " << c.length;
        EXPECT_EQ(Load(bytes), text) << "length " << c.length;
    }
}

TEST(ArchiveText, CharactersAreLittleEndianUtf16) {
    EXPECT_EQ(Store(CString(u"A\u20AC")),
              std::vector<BYTE>({0xFF, 0xFE, 0xFF, 0x02, 0x41, 0x00, 0xAC, 0x20}));
}

TEST(ArchiveText, UntaggedTextIsWindows1252InEveryLengthForm) {
    EXPECT_EQ(Load({0x03, 'a', 0x80, 0xE9}), CString(u"a\u20AC\u00E9"));
    EXPECT_EQ(Load({0x00}), CString());
    std::vector<BYTE> word = {0xFF, 0x02, 0x01};
    word.insert(word.end(), 0x102, 'x');
    EXPECT_EQ(Load(word), CString(std::u16string(0x102, u'x')));
    std::vector<BYTE> dword = {0xFF, 0xFF, 0xFF, 0x03, 0x00, 0x00, 0x00, 'a', 'b', 'c'};
    EXPECT_EQ(Load(dword), CString(u"abc"));
}

TEST(ArchiveText, LengthBeyondTheRemainingBytesIsRefusedBeforeAllocating) {
    const std::vector<std::vector<BYTE>> damaged = {
        {0x05, 'a', 'b'},
        {0xFF, 0xFE, 0xFF, 0x02, 'a', 0, 'b'},
        {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F},
        {0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 0xFF, 0xF0, 0xFF, 0xFF, 0xFF},
        {0xFF, 0xFE},
    };
    for (const auto& bytes : damaged) {
        std::vector<BYTE> copy = bytes;
        CMemFile file(copy.data(), static_cast<UINT>(copy.size()));
        CArchive ar(&file, CArchive::load);
        CString text(u"kept");
        EXPECT_THROW(ar >> text, CArchiveException) << "first byte " << int(bytes[0]);
        EXPECT_EQ(text, CString(u"kept"));
    }
}

TEST(ArchiveDateTime, StatusWordThenDayCount) {
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        ar << COleDateTime(46000.5) << COleDateTime(-1.25, COleDateTime::null);
        ar.Close();
    }
    ASSERT_EQ(file.GetLength(), 24U);
    file.SeekToBegin();
    BYTE bytes[24] = {};
    file.Read(bytes, 24);
    const BYTE first[12] = {0, 0, 0, 0, 0x00, 0x00, 0x00, 0x00, 0x10, 0x76, 0xE6, 0x40};
    EXPECT_EQ(std::vector<BYTE>(bytes, bytes + 12), std::vector<BYTE>(first, first + 12));
    EXPECT_EQ(bytes[12], 2);

    CMemFile in(bytes, 24);
    CArchive ar(&in, CArchive::load);
    COleDateTime a;
    COleDateTime b;
    ar >> a >> b;
    EXPECT_EQ(a, COleDateTime(46000.5));
    EXPECT_EQ(b, COleDateTime(-1.25, COleDateTime::null));
}

TEST(ArchiveDateTime, UnknownStatusIsBadData) {
    BYTE bytes[12] = {3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0xF0, 0x3F};
    CMemFile file(bytes, 12);
    CArchive ar(&file, CArchive::load);
    COleDateTime dt(5.0);
    EXPECT_THROW(ar >> dt, CArchiveException);
    EXPECT_EQ(dt, COleDateTime(5.0));
}
