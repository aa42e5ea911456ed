// The registry functions as the settings key calls them. On Windows they are the system's
// own, elsewhere they work on the per-user hive file: every case here holds on both, so
// that the hive answers as the real registry does.
#include "platform/core/CString.h"
#include "platform/core/Registry.h"

#include "support/RegistryText.h"
#include "support/UserEnvironment.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

const char16_t* const kSettings = u"Software\\Holverra\\Caddora";

class RegistryFunctions : public ::testing::Test {
protected:
    static HKEY CreateKey(const char16_t* path, DWORD* disposition = nullptr) {
        HKEY key = nullptr;
        DWORD ignored = 0;
        EXPECT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, RegText(path), 0, nullptr,
                                  REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr, &key,
                                  disposition != nullptr ? disposition : &ignored),
                  ERROR_SUCCESS);
        return key;
    }
    static LSTATUS OpenKey(HKEY parent, const char16_t* path, HKEY* key) {
        return RegOpenKeyExW(parent, RegText(path), 0, KEY_ALL_ACCESS, key);
    }
    static LSTATUS SetValue(HKEY key, const char16_t* name, DWORD type, const void* data,
                            DWORD size) {
        return RegSetValueExW(key, RegText(name), 0, type, static_cast<const BYTE*>(data), size);
    }
    static LSTATUS Query(HKEY key, const char16_t* name, DWORD* type, void* data, DWORD* size) {
        return RegQueryValueExW(key, RegText(name), nullptr, type, static_cast<BYTE*>(data), size);
    }
    static LSTATUS SetDWord(HKEY key, const char16_t* name, DWORD value) {
        return SetValue(key, name, REG_DWORD, &value, 4);
    }
    static DWORD GetDWord(HKEY key, const char16_t* name) {
        DWORD value = 0;
        DWORD size = 4;
        EXPECT_EQ(Query(key, name, nullptr, &value, &size), ERROR_SUCCESS)
            << CString(name).ToUtf8();
        return value;
    }

    UserEnvironment m_env;
};

} // namespace

TEST_F(RegistryFunctions, OpeningAMissingKeyFailsAndCreateMakesEveryKeyOnThePath) {
    HKEY key = nullptr;
    EXPECT_EQ(OpenKey(HKEY_CURRENT_USER, kSettings, &key), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(OpenKey(HKEY_CURRENT_USER, u"Software\\Holverra", &key), ERROR_FILE_NOT_FOUND);

    DWORD disposition = 0;
    key = CreateKey(kSettings, &disposition);
    EXPECT_EQ(disposition, static_cast<DWORD>(REG_CREATED_NEW_KEY));
    HKEY again = CreateKey(u"software\\HOLVERRA\\caddora", &disposition);
    EXPECT_EQ(disposition, static_cast<DWORD>(REG_OPENED_EXISTING_KEY));
    HKEY parent = nullptr;
    ASSERT_EQ(OpenKey(HKEY_CURRENT_USER, u"Software\\Holverra", &parent), ERROR_SUCCESS);
    HKEY opened = nullptr;
    ASSERT_EQ(OpenKey(HKEY_CURRENT_USER, kSettings, &opened), ERROR_SUCCESS);
    EXPECT_NE(opened, nullptr);

    ASSERT_EQ(SetDWord(key, u"Gender", 2), ERROR_SUCCESS);
    EXPECT_EQ(GetDWord(again, u"GENDER"), 2U); // another handle, any case
    EXPECT_EQ(GetDWord(opened, u"gender"), 2U);
    for (HKEY k : {key, again, parent, opened}) {
        EXPECT_EQ(RegCloseKey(k), ERROR_SUCCESS);
    }
}

TEST_F(RegistryFunctions, ARelativeOpenFindsTheKeyBelowAnOpenParent) {
    RegCloseKey(CreateKey(kSettings));
    HKEY software = nullptr;
    ASSERT_EQ(OpenKey(HKEY_CURRENT_USER, u"Software", &software), ERROR_SUCCESS);
    HKEY child = nullptr;
    ASSERT_EQ(OpenKey(software, u"holverra\\CADDORA", &child), ERROR_SUCCESS);
    ASSERT_EQ(SetDWord(child, u"LastDistance", 150), ERROR_SUCCESS);
    HKEY missing = nullptr;
    EXPECT_EQ(OpenKey(child, u"Nowhere", &missing), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(RegCloseKey(child), ERROR_SUCCESS);
    EXPECT_EQ(RegCloseKey(software), ERROR_SUCCESS);

    HKEY settings = nullptr;
    ASSERT_EQ(OpenKey(HKEY_CURRENT_USER, kSettings, &settings), ERROR_SUCCESS);
    EXPECT_EQ(GetDWord(settings, u"LastDistance"), 150U);
    RegCloseKey(settings);
}

TEST_F(RegistryFunctions, ValueNamesIgnoreCaseAndAWriteReplacesTheValue) {
    HKEY key = CreateKey(kSettings);
    ASSERT_EQ(SetDWord(key, u"Gender", 1), ERROR_SUCCESS);
    ASSERT_EQ(SetDWord(key, u"GENDER", 2), ERROR_SUCCESS); // the same value
    const char16_t text[] = u"abc";
    ASSERT_EQ(SetValue(key, u"gender", REG_SZ, text, sizeof text), ERROR_SUCCESS); // new type
    DWORD type = REG_NONE;
    DWORD size = 0;
    ASSERT_EQ(Query(key, u"Gender", &type, nullptr, &size), ERROR_SUCCESS);
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(size, 8U);
    RegCloseKey(key);
}

TEST_F(RegistryFunctions, AMissingValueIsNotFound) {
    HKEY key = CreateKey(kSettings);
    DWORD type = 0;
    DWORD size = 0;
    EXPECT_EQ(Query(key, u"LastDistance", &type, nullptr, &size), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(Query(key, u"LastDistance", nullptr, nullptr, nullptr), ERROR_FILE_NOT_FOUND);
    DWORD value = 7;
    size = 4;
    EXPECT_EQ(Query(key, u"LastDistance", nullptr, &value, &size), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(value, 7U);
    RegCloseKey(key);
}

TEST_F(RegistryFunctions, AQueryWithoutABufferAnswersTypeAndSizeAndASmallBufferFails) {
    HKEY key = CreateKey(kSettings);
    const BYTE five[5] = {1, 2, 3, 4, 5};
    ASSERT_EQ(SetValue(key, u"five", REG_BINARY, five, 5), ERROR_SUCCESS);

    DWORD type = 99;
    DWORD size = 0;
    EXPECT_EQ(Query(key, u"five", &type, nullptr, &size), ERROR_SUCCESS);
    EXPECT_EQ(type, static_cast<DWORD>(REG_BINARY));
    EXPECT_EQ(size, 5U);
    EXPECT_EQ(Query(key, u"five", nullptr, nullptr, nullptr), ERROR_SUCCESS); // existence only

    BYTE buffer[8] = {};
    type = REG_NONE;
    size = 4;
    EXPECT_EQ(Query(key, u"five", &type, buffer, &size), ERROR_MORE_DATA);
    EXPECT_EQ(size, 5U); // the size needed
    EXPECT_EQ(type, static_cast<DWORD>(REG_BINARY));
    size = 8;
    EXPECT_EQ(Query(key, u"five", nullptr, buffer, &size), ERROR_SUCCESS);
    EXPECT_EQ(size, 5U);
    EXPECT_EQ(std::memcmp(buffer, five, 5), 0);
    EXPECT_EQ(Query(key, u"five", nullptr, buffer, nullptr), ERROR_INVALID_PARAMETER);
    RegCloseKey(key);
}

// The settings are read into a 4-byte buffer whatever their stored type.
TEST_F(RegistryFunctions, AFourByteBufferTakesAnyValueOfAtMostFourBytes) {
    HKEY key = CreateKey(kSettings);
    const BYTE four[4] = {0x96, 0x00, 0x00, 0x00};
    const BYTE five[5] = {0x96, 0x00, 0x00, 0x00, 0x01};
    const BYTE two[2] = {0x2C, 0x01};
    ASSERT_EQ(SetValue(key, u"Four", REG_BINARY, four, 4), ERROR_SUCCESS);
    ASSERT_EQ(SetValue(key, u"Five", REG_BINARY, five, 5), ERROR_SUCCESS);
    ASSERT_EQ(SetValue(key, u"Two", REG_BINARY, two, 2), ERROR_SUCCESS);

    DWORD value = 0;
    DWORD size = 4;
    DWORD type = REG_NONE;
    EXPECT_EQ(Query(key, u"Four", &type, &value, &size), ERROR_SUCCESS);
    EXPECT_EQ(value, 150U);
    EXPECT_EQ(type, static_cast<DWORD>(REG_BINARY));

    size = 4;
    EXPECT_EQ(Query(key, u"Five", nullptr, &value, &size), ERROR_MORE_DATA);

    value = 0xAAAAAAAA;
    size = 4;
    EXPECT_EQ(Query(key, u"Two", nullptr, &value, &size), ERROR_SUCCESS);
    EXPECT_EQ(size, 2U);
    EXPECT_EQ(value, 0xAAAA012CU); // the bytes beyond the stored ones are not set
    RegCloseKey(key);
}

TEST_F(RegistryFunctions, TheEmptyStringIsItsTerminatingNull) {
    HKEY key = CreateKey(kSettings);
    const char16_t empty[1] = {u'\0'};
    ASSERT_EQ(SetValue(key, u"Extra", REG_SZ, empty, 2), ERROR_SUCCESS);
    DWORD type = REG_NONE;
    DWORD size = 0;
    ASSERT_EQ(Query(key, u"Extra", &type, nullptr, &size), ERROR_SUCCESS);
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(size, 2U);
    RegCloseKey(key);
}

TEST_F(RegistryFunctions, ValuesOutliveTheHandleThatWroteThem) {
    HKEY key = CreateKey(kSettings);
    const std::u16string name = u"Sand Wedge \u00e9";
    ASSERT_EQ(SetDWord(key, u"LastDistance", 175), ERROR_SUCCESS);
    ASSERT_EQ(
        SetValue(key, u"Club", REG_SZ, name.c_str(), static_cast<DWORD>((name.size() + 1) * 2)),
        ERROR_SUCCESS);
    ASSERT_EQ(RegCloseKey(key), ERROR_SUCCESS);

    HKEY opened = nullptr;
    ASSERT_EQ(OpenKey(HKEY_CURRENT_USER, kSettings, &opened), ERROR_SUCCESS);
    DWORD type = REG_NONE;
    DWORD value = 0;
    DWORD size = 4;
    EXPECT_EQ(Query(opened, u"LastDistance", &type, &value, &size), ERROR_SUCCESS);
    EXPECT_EQ(type, static_cast<DWORD>(REG_DWORD));
    EXPECT_EQ(value, 175U);

    char16_t text[32] = {};
    size = sizeof text;
    EXPECT_EQ(Query(opened, u"Club", &type, text, &size), ERROR_SUCCESS);
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(size, (name.size() + 1) * 2);
    EXPECT_EQ(std::u16string(text), name);
    RegCloseKey(opened);
}

TEST_F(RegistryFunctions, PredefinedRootsMayBeClosedAndStayUsable) {
    EXPECT_EQ(RegCloseKey(HKEY_CURRENT_USER), ERROR_SUCCESS);
    EXPECT_EQ(RegCloseKey(HKEY_CURRENT_USER), ERROR_SUCCESS);
    HKEY key = CreateKey(kSettings);
    EXPECT_NE(key, nullptr);
    EXPECT_EQ(RegCloseKey(key), ERROR_SUCCESS);
}

TEST_F(RegistryFunctions, AClosedOrNullHandleIsRefused) {
    HKEY key = CreateKey(kSettings);
    ASSERT_EQ(RegCloseKey(key), ERROR_SUCCESS);
    EXPECT_EQ(RegCloseKey(key), ERROR_INVALID_HANDLE); // closing twice
    EXPECT_EQ(RegCloseKey(nullptr), ERROR_INVALID_HANDLE);
    EXPECT_EQ(SetValue(nullptr, u"x", REG_DWORD, nullptr, 0), ERROR_INVALID_HANDLE);
    EXPECT_EQ(Query(nullptr, u"x", nullptr, nullptr, nullptr), ERROR_INVALID_HANDLE);
    HKEY child = nullptr;
    EXPECT_EQ(OpenKey(nullptr, u"Software", &child), ERROR_INVALID_HANDLE);
}

// Key names are documented up to 255 characters; Wine takes one more, so the refused name
// here is well beyond both.
TEST_F(RegistryFunctions, ALeadingSeparatorOrAnOverlongKeyNameIsRefused) {
    HKEY key = reinterpret_cast<HKEY>(0x1234);
    EXPECT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, RegText(u"\\Software\\Holverra"), 0, nullptr, 0,
                              KEY_ALL_ACCESS, nullptr, &key, nullptr),
              ERROR_BAD_PATHNAME);
    EXPECT_EQ(key, nullptr); // a failed open or create leaves no handle behind
    RegCloseKey(CreateKey(kSettings));
    key = reinterpret_cast<HKEY>(0x1234);
    EXPECT_EQ(OpenKey(HKEY_CURRENT_USER, u"\\Software\\Holverra\\Caddora", &key),
              ERROR_BAD_PATHNAME);
    EXPECT_EQ(key, nullptr);

    const std::u16string longest = u"Software\\" + std::u16string(255, u'k');
    const std::u16string tooLong = u"Software\\" + std::u16string(300, u'k');
    RegCloseKey(CreateKey(longest.c_str()));
    EXPECT_EQ(OpenKey(HKEY_CURRENT_USER, longest.c_str(), &key), ERROR_SUCCESS);
    RegCloseKey(key);
    EXPECT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, RegText(tooLong.c_str()), 0, nullptr, 0,
                              KEY_ALL_ACCESS, nullptr, &key, nullptr),
              ERROR_INVALID_PARAMETER);
    EXPECT_EQ(OpenKey(HKEY_CURRENT_USER, tooLong.c_str(), &key), ERROR_INVALID_PARAMETER);
}

TEST_F(RegistryFunctions, AStoredTextWithoutItsNullGetsOneWhenTheBufferHasRoom) {
    HKEY key = CreateKey(kSettings);
    // Two characters of three are stored: Windows would count a null that followed them in
    // memory as part of the text.
    const BYTE bare[6] = {'a', 0, 'b', 0, 'c', 0};
    ASSERT_EQ(SetValue(key, u"Text", REG_SZ, bare, 4), ERROR_SUCCESS);
    ASSERT_EQ(SetValue(key, u"Blob", REG_BINARY, bare, 4), ERROR_SUCCESS);
    struct Case {
        const char16_t* name;
        DWORD buffer;
        BYTE after[2];
    };
    const Case cases[] = {
        {u"Text", 6, {0, 0}},       // room for the null: it is added
        {u"Text", 5, {0xCC, 0xCC}}, // not room for a whole one: nothing beyond the data
        {u"Blob", 8, {0xCC, 0xCC}}, // bytes are not text
    };
    for (const Case& c : cases) {
        BYTE buffer[8];
        std::memset(buffer, 0xCC, sizeof buffer);
        DWORD size = c.buffer;
        ASSERT_EQ(Query(key, c.name, nullptr, buffer, &size), ERROR_SUCCESS);
        EXPECT_EQ(size, 4U); // the size stays that of the stored data
        EXPECT_EQ(buffer[4], c.after[0]) << CString(c.name).ToUtf8() << " in " << c.buffer;
        EXPECT_EQ(buffer[5], c.after[1]) << CString(c.name).ToUtf8() << " in " << c.buffer;
    }
    RegCloseKey(key);
}

TEST_F(RegistryFunctions, AKeyOpenedWithoutARightRefusesWhatNeedsIt) {
    HKEY full = CreateKey(kSettings);
    ASSERT_EQ(SetDWord(full, u"Gender", 2), ERROR_SUCCESS);
    HKEY reading = nullptr;
    ASSERT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, RegText(kSettings), 0, KEY_READ, &reading),
              ERROR_SUCCESS);
    EXPECT_EQ(GetDWord(reading, u"Gender"), 2U);
    EXPECT_EQ(SetDWord(reading, u"Gender", 1), ERROR_ACCESS_DENIED);
    HKEY writing = nullptr;
    ASSERT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, RegText(kSettings), 0, KEY_SET_VALUE, &writing),
              ERROR_SUCCESS);
    EXPECT_EQ(SetDWord(writing, u"Gender", 1), ERROR_SUCCESS);
    EXPECT_EQ(Query(writing, u"Gender", nullptr, nullptr, nullptr), ERROR_ACCESS_DENIED);
    EXPECT_EQ(GetDWord(full, u"Gender"), 1U);
    for (HKEY k : {full, reading, writing}) {
        RegCloseKey(k);
    }
}

TEST_F(RegistryFunctions, MalformedCallsAreRefused) {
    HKEY key = CreateKey(kSettings);
    EXPECT_EQ(SetValue(key, u"Gender", REG_DWORD, nullptr, 4), ERROR_NOACCESS); // no data
    DWORD reserved = 0;
    DWORD size = 0;
    ASSERT_EQ(SetDWord(key, u"Gender", 1), ERROR_SUCCESS);
    EXPECT_EQ(RegQueryValueExW(key, RegText(u"Gender"), &reserved, nullptr, nullptr, &size),
              ERROR_INVALID_PARAMETER);
    RegCloseKey(key);
}
