#include "platform/core/CString.h"

#include <gtest/gtest.h>

TEST(Text, WidensAsciiAndComparesByValue) {
    const CString a("Sand Wedge");
    const CString b(u"Sand Wedge");
    EXPECT_EQ(a, b);
    EXPECT_EQ(a.GetLength(), 10);
    CString c = a;
    c += CString(" ");
    EXPECT_NE(a, c); // value semantics: the copy changed alone
    EXPECT_EQ(a.GetLength(), 10);
}

TEST(Text, Utf8RoundTripIncludingSurrogatePairs) {
    const std::string utf8 = "Fer à repasser \xE2\x82\xAC \xF0\x9F\x8F\x8C";
    const CString text = CString::FromUtf8(utf8);
    EXPECT_EQ(text.GetLength(), 19); // the golfer takes two 16-bit units
    EXPECT_EQ(text.ToUtf8(), utf8);
}

TEST(Text, MalformedUtf8BecomesReplacementCharacters) {
    const CString text = CString::FromUtf8("a\xC3"
                                           "b\xFF");
    EXPECT_EQ(text, CString(u"a\uFFFDb\uFFFD"));
    // A lone surrogate cannot be written as UTF-8.
    EXPECT_EQ(CString(std::u16string(1, char16_t(0xD800))).ToUtf8(), "\xEF\xBF\xBD");
}

TEST(Text, Windows1252MapsTheHighControlRange) {
    EXPECT_EQ(CString::FromWindows1252("\x80\xE9\x9F"), CString(u"\u20AC\u00E9\u0178"));
}

TEST(Text, FormatsSignedDecimals) {
    struct Case {
        int value;
        const char16_t* expected;
    };
    for (const Case& c :
         {Case{0, u"0"}, Case{-15, u"-15"}, Case{220, u"220"}, Case{INT32_MIN, u"-2147483648"}}) {
        CString s;
        s.Format(u"%d", c.value);
        EXPECT_EQ(s, CString(c.expected)) << c.value;
    }
    CString s;
    s.Format(u"%d of %d (100%%)", 3, 14);
    EXPECT_EQ(s, CString(u"3 of 14 (100%)"));
}

TEST(Text, LastCharacterSearchAndLeftPart) {
    const CString path(u"\\Program Files\\Caddora\\caddora.exe");
    const int slash = path.ReverseFind(u'\\');
    EXPECT_EQ(slash, 22);
    EXPECT_EQ(path.Left(slash + 1), CString(u"\\Program Files\\Caddora\\"));
    EXPECT_EQ(CString(u"caddora").ReverseFind(u'\\'), -1);
    EXPECT_EQ(path.Left(0), CString());
}

TEST(Text, BufferKeepsContentAndReleaseCutsAtFirstNull) {
    CString s(u"abc");
    char16_t* buffer = s.GetBuffer(8);
    EXPECT_EQ(buffer[0], u'a');
    buffer[1] = u'\0';
    s.ReleaseBuffer();
    EXPECT_EQ(s, CString(u"a"));

    CString t(u"xyz");
    t.GetBuffer(2); // smaller than the text: the text stays whole
    t.ReleaseBuffer(2);
    EXPECT_EQ(t, CString(u"xy"));
}

TEST(Text, StringResourcesLoadOrComeBackEmpty) {
    RegisterStringResource(40001, CString(u"/home/player/.local/share"));
    CString s(u"old");
    EXPECT_TRUE(s.LoadString(40001));
    EXPECT_EQ(s, CString(u"/home/player/.local/share"));
    EXPECT_FALSE(s.LoadString(40002));
    EXPECT_TRUE(s.IsEmpty());
}
