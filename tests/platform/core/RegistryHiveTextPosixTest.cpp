#include "platform/core/RegistryHive.h"

#include <gtest/gtest.h>

#include <unistd.h>

namespace {

const CRegistryHive::Value* Find(const CRegistryHive& hive, std::u16string_view key,
                                 std::u16string_view name) {
    return hive.FindValue(key, name);
}

} // namespace

TEST(RegistryHiveText, WritesTheEditorsFormatAndReadsItBack) {
    CRegistryHive hive;
    hive.SetValue(u"HKEY_CURRENT_USER\\Software\\Holverra\\Caddora",
                  {u"Gender", 4, {0x02, 0x00, 0x00, 0x00}});
    hive.SetValue(u"HKEY_CURRENT_USER\\Software\\Holverra\\Caddora",
                  {u"LastDistance", 4, {0x96, 0x00, 0x00, 0x00}});
    hive.SetValue(u"HKEY_CURRENT_USER\\Software\\Holverra\\Caddora",
                  {u"Path \"q\"", 1, {'C', 0, ':', 0, '\\', 0, 0, 0}});
    hive.SetValue(u"HKEY_CURRENT_USER\\Other", {u"", 3, {0xDE, 0xAD}});
    hive.SetValue(u"HKEY_CURRENT_USER\\Other", {u"e", 1, {0xE9, 0x00, 0x00, 0x00}});
    hive.SetValue(u"HKEY_CURRENT_USER\\Other", {u"short", 4, {0x01, 0x02}});
    const std::string text = hive.Format();
    EXPECT_EQ(text, "Windows Registry Editor Version 5.00\r\n"
                    "\r\n"
                    "[HKEY_CURRENT_USER\\Software\\Holverra\\Caddora]\r\n"
                    "\"Gender\"=dword:00000002\r\n"
                    "\"LastDistance\"=dword:00000096\r\n"
                    "\"Path \\\"q\\\"\"=\"C:\\\\\"\r\n"
                    "\r\n"
                    "[HKEY_CURRENT_USER\\Other]\r\n"
                    "@=hex:de,ad\r\n"
                    "\"e\"=hex(1):e9,00,00,00\r\n"
                    "\"short\"=hex(4):01,02\r\n"
                    "\r\n");
    CRegistryHive back;
    ASSERT_TRUE(back.Parse(text));
    ASSERT_EQ(back.Keys().size(), hive.Keys().size());
    for (std::size_t k = 0; k < hive.Keys().size(); ++k) {
        const auto& a = hive.Keys()[k];
        const auto& b = back.Keys()[k];
        EXPECT_EQ(a.path, b.path);
        ASSERT_EQ(a.values.size(), b.values.size());
        for (std::size_t v = 0; v < a.values.size(); ++v) {
            EXPECT_EQ(a.values[v].name, b.values[v].name);
            EXPECT_EQ(a.values[v].type, b.values[v].type);
            EXPECT_EQ(a.values[v].data, b.values[v].data);
        }
    }
}

TEST(RegistryHiveText, LongHexValuesWrapAndJoinAgain) {
    CRegistryHive hive;
    std::vector<std::uint8_t> data(200);
    for (std::size_t i = 0; i < data.size(); ++i) {
        data[i] = static_cast<std::uint8_t>(i * 7);
    }
    hive.SetValue(u"HKEY_CURRENT_USER\\K", {u"blob", 3, data});
    const std::string text = hive.Format();
    EXPECT_NE(text.find(",\\\r\n  "), std::string::npos);
    for (std::size_t pos = 0, end = 0; (end = text.find("\r\n", pos)) != std::string::npos;
         pos = end + 2) {
        EXPECT_LE(end - pos, 80U) << "line too long for the editor";
    }
    CRegistryHive back;
    ASSERT_TRUE(back.Parse(text));
    ASSERT_NE(Find(back, u"hkey_current_user\\k", u"BLOB"), nullptr);
    EXPECT_EQ(Find(back, u"HKEY_CURRENT_USER\\K", u"blob")->data, data);
}

TEST(RegistryHiveText, ReadsWhatTheEditorExports) {
    // UTF-16 with a byte-order mark, LF or CRLF lines, comments, deletions, older header.
    const std::u16string exported = u"\uFEFFWindows Registry Editor Version 5.00\r\n\r\n"
                                    u"; exported\r\n"
                                    u"[HKEY_CURRENT_USER\\Software\\Holverra\\Caddora]\r\n"
                                    u"\"Gender\"=dword:00000003\r\n"
                                    u"\"Gone\"=dword:1\r\n"
                                    u"\"Gone\"=-\r\n"
                                    u"\"Name\"=\"Fer \u00E0\"\r\n"
                                    u"[HKEY_CURRENT_USER\\Old]\n"
                                    u"\"x\"=hex:01,\\\n   02\n"
                                    u"[-HKEY_CURRENT_USER\\Old]\n";
    std::string bytes;
    for (char16_t c : exported) {
        bytes += static_cast<char>(c & 0xFF);
        bytes += static_cast<char>(c >> 8);
    }
    CRegistryHive hive;
    ASSERT_TRUE(hive.Parse(bytes));
    const auto* gender = Find(hive, u"HKEY_CURRENT_USER\\SOFTWARE\\holverra\\Caddora", u"gender");
    ASSERT_NE(gender, nullptr);
    EXPECT_EQ(gender->data, std::vector<std::uint8_t>({3, 0, 0, 0}));
    EXPECT_EQ(Find(hive, u"HKEY_CURRENT_USER\\Software\\Holverra\\Caddora", u"Gone"), nullptr);
    EXPECT_EQ(Find(hive, u"HKEY_CURRENT_USER\\Software\\Holverra\\Caddora", u"Name")->data,
              std::vector<std::uint8_t>({'F', 0, 'e', 0, 'r', 0, ' ', 0, 0xE0, 0, 0, 0}));
    EXPECT_FALSE(hive.KeyExists(u"HKEY_CURRENT_USER\\Old"));
    EXPECT_TRUE(hive.KeyExists(u"HKEY_CURRENT_USER\\Software")); // an ancestor of a listed key
    EXPECT_TRUE(hive.KeyExists(u"HKEY_CURRENT_USER"));
    EXPECT_FALSE(hive.KeyExists(u"HKEY_CURRENT_USER\\Soft"));

    CRegistryHive old;
    EXPECT_TRUE(old.Parse("REGEDIT4\n\n[HKEY_CURRENT_USER\\A]\n\"v\"=\"w\"\n"));
}

TEST(RegistryHiveText, AnythingElseIsDamage) {
    const std::string header = "Windows Registry Editor Version 5.00\r\n";
    const std::string key = header + "[HKEY_CURRENT_USER\\A]\r\n";
    const std::string damaged[] = {
        "",
        "hello",
        header + "\"v\"=dword:1\r\n",         // a value before any key
        header + "[HKEY_CURRENT_USER\\A\r\n", // a key without its bracket
        header + "[]\r\n",                    // a key without a name
        header + "[\\-A]\r\n",                // a key that would be written as a deletion
        key + "\"v\"=dword:123456789\r\n",    // nine digits
        key + "\"v\"=hex:1,2g\r\n",           // not a hex byte
        key + "\"v\"=word:1\r\n",             // no such type
        key + "\"v=dword:1\r\n",              // the name's quote never closes
        key + "\"v\"\"x\"\r\n",               // no equals sign
    };
    for (const std::string& text : damaged) {
        CRegistryHive hive;
        EXPECT_FALSE(hive.Parse(text)) << text;
        EXPECT_TRUE(hive.Keys().empty()) << text;
    }
}

TEST(RegistryHiveText, AHiveOfManyKeysAndValuesReadsWithoutAWalkPerLine) {
    // Looking keys or values up by walking all of them for every line takes some five
    // minutes here, even optimised; the alarm ends the test instead.
    constexpr int kCount = 60000;
    std::string text = "Windows Registry Editor Version 5.00\r\n";
    for (int i = 0; i < kCount; ++i) {
        const std::string key = "[HKEY_CURRENT_USER\\K" + std::to_string(i);
        text += key + "]\r\n" + key + "\\Sub]\r\n";
    }
    text += "[HKEY_CURRENT_USER\\Many]\r\n";
    for (int i = 0; i < kCount; ++i) {
        text += "\"v" + std::to_string(i) + "\"=dword:1\r\n";
    }
    for (int i = 0; i < kCount; i += 2) {
        text += "[-hkey_current_user\\k" + std::to_string(i) + "]\r\n";
    }
    text += "[HKEY_CURRENT_USER\\many]\r\n";
    for (int i = 0; i < kCount; i += 2) {
        text += "\"V" + std::to_string(i) + "\"=-\r\n";
    }
    ::alarm(60);
    CRegistryHive hive;
    const bool parsed = hive.Parse(text);
    ::alarm(0);
    ASSERT_TRUE(parsed);
    // Every even key went with its subkey, and no other ("K2" takes neither "K21" nor "K20").
    ASSERT_EQ(hive.Keys().size(), static_cast<std::size_t>(kCount + 1));
    EXPECT_EQ(hive.Keys().front().path, u"HKEY_CURRENT_USER\\K1");
    const CRegistryHive::Key* many = hive.FindKey(u"HKEY_CURRENT_USER\\Many");
    ASSERT_NE(many, nullptr);
    ASSERT_EQ(many->values.size(), static_cast<std::size_t>(kCount / 2));
    EXPECT_EQ(many->values.front().name, u"v1");
}
