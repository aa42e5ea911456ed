// The registry functions as the wrapper calls them, here the system's own: what they answer
// is what the per-user hive file answers elsewhere.
#include "platform/core/Win32Api.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstring>
#include <string>

namespace {

LPCWSTR W(const std::u16string& text) {
    return reinterpret_cast<LPCWSTR>(text.c_str());
}

// Every test works below a key of its own. Elsewhere the hive is private to the test; on
// Windows the key lives in the real user's registry, so it gets a name no other run uses
// and is removed with everything below it afterwards.
class RegistryFunctions : public ::testing::Test {
protected:
    RegistryFunctions() : m_path(u"Software\\Holverra\\CaddoraTest") {
#ifdef _WIN32
        static std::atomic<int> serial{0};
        const std::string suffix =
            "-" + std::to_string(::GetCurrentProcessId()) + "-" + std::to_string(++serial);
        m_path += std::u16string(suffix.begin(), suffix.end());
#endif
    }
    ~RegistryFunctions() override {
#ifdef _WIN32
        ::RegDeleteTreeW(HKEY_CURRENT_USER, W(m_path));
#endif
    }

    // The test's key, created if need be; closed by the caller.
    HKEY CreateKey(DWORD* disposition = nullptr) {
        HKEY key = nullptr;
        DWORD ignored = 0;
        EXPECT_EQ(::RegCreateKeyExW(HKEY_CURRENT_USER, W(m_path), 0, nullptr,
                                    REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr, &key,
                                    disposition != nullptr ? disposition : &ignored),
                  ERROR_SUCCESS);
        return key;
    }

    LONG SetValue(HKEY key, const std::u16string& name, DWORD type, const void* data, DWORD size) {
        return ::RegSetValueExW(key, W(name), 0, type, static_cast<const BYTE*>(data), size);
    }

    std::u16string m_path;
};

} // namespace

TEST_F(RegistryFunctions, OpeningAMissingKeyFails) {
    HKEY key = nullptr;
    EXPECT_EQ(::RegOpenKeyExW(HKEY_CURRENT_USER, W(m_path), 0, KEY_ALL_ACCESS, &key),
              ERROR_FILE_NOT_FOUND);
}

TEST_F(RegistryFunctions, CreateMakesEveryMissingKeyOnThePathThenOpensTheExistingOne) {
    DWORD disposition = 0;
    HKEY created = CreateKey(&disposition);
    EXPECT_EQ(disposition, static_cast<DWORD>(REG_CREATED_NEW_KEY));
    EXPECT_EQ(::RegCloseKey(created), ERROR_SUCCESS);

    HKEY again = CreateKey(&disposition);
    EXPECT_EQ(disposition, static_cast<DWORD>(REG_OPENED_EXISTING_KEY));
    EXPECT_EQ(::RegCloseKey(again), ERROR_SUCCESS);

    HKEY opened = nullptr;
    ASSERT_EQ(::RegOpenKeyExW(HKEY_CURRENT_USER, W(m_path), 0, KEY_ALL_ACCESS, &opened),
              ERROR_SUCCESS);
    EXPECT_NE(opened, nullptr);
    EXPECT_EQ(::RegCloseKey(opened), ERROR_SUCCESS);
}

TEST_F(RegistryFunctions, ARelativeOpenFindsTheKeyBelowAnOpenParent) {
    HKEY parent = nullptr;
    ASSERT_EQ(::RegCreateKeyExW(HKEY_CURRENT_USER, W(m_path + u"\\Settings"), 0, nullptr, 0,
                                KEY_ALL_ACCESS, nullptr, &parent, nullptr),
              ERROR_SUCCESS);
    ::RegCloseKey(parent);
    HKEY base = CreateKey();
    HKEY child = nullptr;
    EXPECT_EQ(::RegOpenKeyExW(base, W(u"Settings"), 0, KEY_ALL_ACCESS, &child), ERROR_SUCCESS);
    EXPECT_EQ(::RegCloseKey(child), ERROR_SUCCESS);
    EXPECT_EQ(::RegOpenKeyExW(base, W(u"Missing"), 0, KEY_ALL_ACCESS, &child),
              ERROR_FILE_NOT_FOUND);
    ::RegCloseKey(base);
}

TEST_F(RegistryFunctions, KeyPathsAndValueNamesIgnoreCase) {
    HKEY key = CreateKey();
    const DWORD one = 1;
    const DWORD two = 2;
    ASSERT_EQ(SetValue(key, u"Gender", REG_DWORD, &one, 4), ERROR_SUCCESS);
    ASSERT_EQ(SetValue(key, u"GENDER", REG_DWORD, &two, 4), ERROR_SUCCESS); // the same value
    ::RegCloseKey(key);

    std::u16string shouted = m_path;
    for (char16_t& c : shouted) {
        if (c >= u'a' && c <= u'z') {
            c = static_cast<char16_t>(c - u'a' + u'A');
        }
    }
    HKEY opened = nullptr;
    ASSERT_EQ(::RegOpenKeyExW(HKEY_CURRENT_USER, W(shouted), 0, KEY_ALL_ACCESS, &opened),
              ERROR_SUCCESS);
    DWORD value = 0;
    DWORD size = 4;
    EXPECT_EQ(::RegQueryValueExW(opened, W(u"gender"), nullptr, nullptr,
                                 reinterpret_cast<BYTE*>(&value), &size),
              ERROR_SUCCESS);
    EXPECT_EQ(value, 2U);
    ::RegCloseKey(opened);
}

TEST_F(RegistryFunctions, AMissingValueIsNotFound) {
    HKEY key = CreateKey();
    DWORD type = 0;
    DWORD size = 0;
    EXPECT_EQ(::RegQueryValueExW(key, W(u"LastDistance"), nullptr, &type, nullptr, &size),
              ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(::RegQueryValueExW(key, W(u"LastDistance"), nullptr, nullptr, nullptr, nullptr),
              ERROR_FILE_NOT_FOUND);
    ::RegCloseKey(key);
}

TEST_F(RegistryFunctions, AQueryWithoutABufferAnswersTypeAndSize) {
    HKEY key = CreateKey();
    const std::u16string text = u"abc";
    ASSERT_EQ(SetValue(key, u"Name", REG_SZ, text.c_str(), 8), ERROR_SUCCESS);
    DWORD type = REG_NONE;
    DWORD size = 0;
    EXPECT_EQ(::RegQueryValueExW(key, W(u"Name"), nullptr, &type, nullptr, &size), ERROR_SUCCESS);
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(size, 8U);
    // Existence alone: no slot at all.
    EXPECT_EQ(::RegQueryValueExW(key, W(u"Name"), nullptr, nullptr, nullptr, nullptr),
              ERROR_SUCCESS);
    ::RegCloseKey(key);
}

TEST_F(RegistryFunctions, ATooSmallBufferFailsAndTellsTheSizeNeeded) {
    HKEY key = CreateKey();
    const BYTE bytes[6] = {1, 2, 3, 4, 5, 6};
    ASSERT_EQ(SetValue(key, u"Blob", REG_BINARY, bytes, 6), ERROR_SUCCESS);
    BYTE buffer[4] = {};
    DWORD type = REG_NONE;
    DWORD size = sizeof buffer;
    EXPECT_EQ(::RegQueryValueExW(key, W(u"Blob"), nullptr, &type, buffer, &size), ERROR_MORE_DATA);
    EXPECT_EQ(size, 6U);
    EXPECT_EQ(type, static_cast<DWORD>(REG_BINARY));

    BYTE whole[6] = {};
    size = sizeof whole;
    ASSERT_EQ(::RegQueryValueExW(key, W(u"Blob"), nullptr, &type, whole, &size), ERROR_SUCCESS);
    EXPECT_EQ(size, 6U);
    EXPECT_EQ(std::memcmp(whole, bytes, 6), 0);
    ::RegCloseKey(key);
}

// The settings are read into a 4-byte buffer whatever their stored type.
TEST_F(RegistryFunctions, ADwordBufferTakesAnyValueOfAtMostFourBytes) {
    HKEY key = CreateKey();
    const BYTE four[4] = {0x96, 0x00, 0x00, 0x00};
    const BYTE five[5] = {0x96, 0x00, 0x00, 0x00, 0x01};
    const BYTE two[2] = {0x2C, 0x01};
    ASSERT_EQ(SetValue(key, u"Four", REG_BINARY, four, 4), ERROR_SUCCESS);
    ASSERT_EQ(SetValue(key, u"Five", REG_BINARY, five, 5), ERROR_SUCCESS);
    ASSERT_EQ(SetValue(key, u"Two", REG_BINARY, two, 2), ERROR_SUCCESS);

    DWORD value = 0;
    DWORD size = 4;
    DWORD type = REG_NONE;
    EXPECT_EQ(
        ::RegQueryValueExW(key, W(u"Four"), nullptr, &type, reinterpret_cast<BYTE*>(&value), &size),
        ERROR_SUCCESS);
    EXPECT_EQ(value, 150U);
    EXPECT_EQ(type, static_cast<DWORD>(REG_BINARY));

    size = 4;
    EXPECT_EQ(::RegQueryValueExW(key, W(u"Five"), nullptr, nullptr, reinterpret_cast<BYTE*>(&value),
                                 &size),
              ERROR_MORE_DATA);

    value = 0xAAAAAAAA;
    size = 4;
    EXPECT_EQ(::RegQueryValueExW(key, W(u"Two"), nullptr, nullptr, reinterpret_cast<BYTE*>(&value),
                                 &size),
              ERROR_SUCCESS);
    EXPECT_EQ(size, 2U);
    EXPECT_EQ(value & 0xFFFFU, 300U); // the bytes beyond the stored ones are not set
    ::RegCloseKey(key);
}

TEST_F(RegistryFunctions, TheEmptyStringIsItsTerminatingNull) {
    HKEY key = CreateKey();
    const char16_t empty[1] = {u'\0'};
    ASSERT_EQ(SetValue(key, u"Extra", REG_SZ, empty, 2), ERROR_SUCCESS);
    DWORD type = REG_NONE;
    DWORD size = 0;
    ASSERT_EQ(::RegQueryValueExW(key, W(u"Extra"), nullptr, &type, nullptr, &size), ERROR_SUCCESS);
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(size, 2U);
    ::RegCloseKey(key);
}

TEST_F(RegistryFunctions, ValuesOutliveTheHandleThatWroteThem) {
    HKEY key = CreateKey();
    const DWORD distance = 175;
    const std::u16string name = u"Sand Wedge \u00e9";
    ASSERT_EQ(SetValue(key, u"LastDistance", REG_DWORD, &distance, 4), ERROR_SUCCESS);
    ASSERT_EQ(
        SetValue(key, u"Club", REG_SZ, name.c_str(), static_cast<DWORD>((name.size() + 1) * 2)),
        ERROR_SUCCESS);
    ASSERT_EQ(::RegCloseKey(key), ERROR_SUCCESS);

    HKEY opened = nullptr;
    ASSERT_EQ(::RegOpenKeyExW(HKEY_CURRENT_USER, W(m_path), 0, KEY_ALL_ACCESS, &opened),
              ERROR_SUCCESS);
    DWORD value = 0;
    DWORD size = 4;
    DWORD type = REG_NONE;
    EXPECT_EQ(::RegQueryValueExW(opened, W(u"LastDistance"), nullptr, &type,
                                 reinterpret_cast<BYTE*>(&value), &size),
              ERROR_SUCCESS);
    EXPECT_EQ(type, static_cast<DWORD>(REG_DWORD));
    EXPECT_EQ(value, 175U);

    char16_t text[32] = {};
    size = sizeof text;
    EXPECT_EQ(::RegQueryValueExW(opened, W(u"Club"), nullptr, &type, reinterpret_cast<BYTE*>(text),
                                 &size),
              ERROR_SUCCESS);
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(size, (name.size() + 1) * 2);
    EXPECT_EQ(std::u16string(text), name);
    ::RegCloseKey(opened);
}

TEST_F(RegistryFunctions, ClosingThePredefinedRootKeySucceedsAndLeavesItUsable) {
    EXPECT_EQ(::RegCloseKey(HKEY_CURRENT_USER), ERROR_SUCCESS);
    HKEY key = CreateKey();
    EXPECT_NE(key, nullptr);
    ::RegCloseKey(key);
}

TEST_F(RegistryFunctions, AClosedOrNullHandleIsRefused) {
    HKEY key = CreateKey();
    ASSERT_EQ(::RegCloseKey(key), ERROR_SUCCESS);
    EXPECT_EQ(::RegCloseKey(key), ERROR_INVALID_HANDLE);
    EXPECT_EQ(::RegCloseKey(nullptr), ERROR_INVALID_HANDLE);
    const DWORD one = 1;
    EXPECT_NE(SetValue(nullptr, u"Gender", REG_DWORD, &one, 4), ERROR_SUCCESS);
    EXPECT_NE(::RegQueryValueExW(nullptr, W(u"Gender"), nullptr, nullptr, nullptr, nullptr),
              ERROR_SUCCESS);
    HKEY child = nullptr;
    EXPECT_NE(::RegOpenKeyExW(nullptr, W(u"Software"), 0, KEY_ALL_ACCESS, &child), ERROR_SUCCESS);
}
