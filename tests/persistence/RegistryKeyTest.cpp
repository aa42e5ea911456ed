#include "persistence/RegistryKey.h"

#include "club/ClubBook.h"
#include "club/GolfClub.h"
#include "persistence/ClubDataFile.h"
#include "platform/core/CArchive.h"
#include "platform/core/CMemFile.h"

#include "persistence/ClubFileBytes.h"
#include "support/ClubIds.h"
#include "support/UserEnvironment.h"

#include <gtest/gtest.h>

namespace {

const CString kSettingsPath(u"Software\\Holverra\\Caddora");

// A value name as the registry functions take it.
LPCWSTR Name(const char16_t* name) {
    return reinterpret_cast<LPCWSTR>(name);
}

class RegistryKey : public ::testing::Test {
protected:
    // Start-up's order: look, create only when missing, then open.
    static void OpenSettings(CRegistryKey& key) {
        if (!key.Exists(HKEY_CURRENT_USER, kSettingsPath)) {
            ASSERT_TRUE(key.Create(HKEY_CURRENT_USER, kSettingsPath, REG_OPTION_NON_VOLATILE));
        }
        ASSERT_TRUE(key.Open(HKEY_CURRENT_USER, kSettingsPath));
    }
    static void SetRaw(const CString& name, DWORD type, std::vector<BYTE> data) {
        CRegistryKey key(HKEY_CURRENT_USER);
        OpenSettings(key);
        ASSERT_EQ(RegSetValueExW(key.m_hKey, Name(name.GetString()), 0, type, data.data(),
                                 static_cast<DWORD>(data.size())),
                  ERROR_SUCCESS);
    }

    UserEnvironment m_env;
};

} // namespace

TEST_F(RegistryKey, FirstRunCreatesTheKeyAndLeavesTheDefaults) {
    CRegistryKey key(HKEY_CURRENT_USER);
    EXPECT_EQ(key.m_hKey, HKEY_CURRENT_USER);
    EXPECT_TRUE(key.m_strKeyPath.IsEmpty());
    EXPECT_FALSE(key.Exists(HKEY_CURRENT_USER, kSettingsPath));
    EXPECT_TRUE(key.m_strKeyPath.IsEmpty()); // Exists stores no path
    ASSERT_TRUE(key.Create(HKEY_CURRENT_USER, kSettingsPath, 0));
    ASSERT_TRUE(key.Open(HKEY_CURRENT_USER, kSettingsPath));
    EXPECT_EQ(key.m_strKeyPath, kSettingsPath);

    DWORD gender = 1;
    DWORD distance = 100;
    EXPECT_FALSE(key.GetDWordValue(CString(u"Gender"), gender));
    EXPECT_FALSE(key.GetDWordValue(CString(u"LastDistance"), distance));
    EXPECT_EQ(gender, 1U);
    EXPECT_EQ(distance, 100U);
    EXPECT_TRUE(key.SetDWordValue(CString(u"LastDistance"), 150));

    CRegistryKey next(HKEY_CURRENT_USER); // the next run
    EXPECT_TRUE(next.Exists(HKEY_CURRENT_USER, kSettingsPath));
    ASSERT_TRUE(next.Open(HKEY_CURRENT_USER, kSettingsPath));
    EXPECT_TRUE(next.GetDWordValue(CString(u"LastDistance"), distance));
    EXPECT_EQ(distance, 150U);
    EXPECT_FALSE(next.ValueExists(CString(u"Gender")));
    EXPECT_TRUE(next.ValueExists(CString(u"lastdistance")));
}

TEST_F(RegistryKey, StoredNumbersAreTakenAsTheyAre) {
    struct Case {
        const char16_t* name;
        DWORD type;
        std::vector<BYTE> data;
        bool reads;
        DWORD expected;
    };
    const Case cases[] = {
        {u"Gender", REG_DWORD, {3, 0, 0, 0}, true, 3},
        {u"LastDistance", REG_BINARY, {0x2C, 0x01, 0, 0}, true, 300},
        {u"Five", REG_BINARY, {1, 2, 3, 4, 5}, false, 0xAAAAAAAA},
        {u"Text", REG_SZ, {'7', 0}, true, 0xAAAA0037},
        {u"Empty", REG_BINARY, {}, true, 0xAAAAAAAA},
    };
    for (const Case& c : cases) {
        SetRaw(CString(c.name), c.type, c.data);
    }
    CRegistryKey key(HKEY_CURRENT_USER);
    OpenSettings(key);
    for (const Case& c : cases) {
        DWORD value = 0xAAAAAAAA;
        EXPECT_EQ(key.GetDWordValue(CString(c.name), value), c.reads ? TRUE : FALSE)
            << CString(c.name).ToUtf8();
        EXPECT_EQ(value, c.expected) << CString(c.name).ToUtf8();
    }
}

TEST_F(RegistryKey, CloseHandsTheHeldKeyOverOnceEvenTheRoot) {
    CRegistryKey key(HKEY_CURRENT_USER);
    key.Close();
    EXPECT_EQ(key.m_hKey, nullptr);
    key.Close(); // nothing held: nothing to close
    EXPECT_EQ(key.m_hKey, nullptr);
    EXPECT_FALSE(key.SetDWordValue(CString(u"Gender"), 2));
    DWORD value = 7;
    EXPECT_FALSE(key.GetDWordValue(CString(u"Gender"), value));
    EXPECT_EQ(value, 7U);

    // The root stays usable by others after a wrapper closed it.
    CRegistryKey other(HKEY_CURRENT_USER);
    ASSERT_TRUE(other.Create(HKEY_CURRENT_USER, kSettingsPath, 0));
    const HKEY held = other.m_hKey;
    other.Close();
    EXPECT_EQ(RegCloseKey(held), ERROR_INVALID_HANDLE); // it was really closed, once
}

TEST_F(RegistryKey, RelativeOpenReplacesTheParentWithTheChild) {
    CRegistryKey setup(HKEY_CURRENT_USER);
    OpenSettings(setup);
    CRegistryKey key(HKEY_CURRENT_USER);
    ASSERT_TRUE(key.Open(CString(u"Software")));
    EXPECT_TRUE(key.Exists(CString(u"Holverra")));
    ASSERT_TRUE(key.Open(CString(u"Caddora")));
    EXPECT_EQ(key.m_strKeyPath, CString(u"Caddora"));
    EXPECT_TRUE(key.SetDWordValue(CString(u"Gender"), 2));
    DWORD gender = 0;
    EXPECT_TRUE(setup.GetDWordValue(CString(u"Gender"), gender));
    EXPECT_EQ(gender, 2U);
    EXPECT_FALSE(key.Open(CString(u"Nowhere")));
}

TEST_F(RegistryKey, StringValuesStoreTheirNullAndReadUpToIt) {
    CRegistryKey key(HKEY_CURRENT_USER);
    OpenSettings(key);
    ASSERT_TRUE(key.SetStringValue(CString(u"Empty"), CString()));
    DWORD type = 0;
    DWORD size = 0;
    ASSERT_EQ(RegQueryValueExW(key.m_hKey, Name(u"Empty"), nullptr, &type, nullptr, &size),
              ERROR_SUCCESS);
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(size, 2U);

    CString text(u"previous content that is long");
    ASSERT_TRUE(key.GetStringValue(CString(u"Empty"), text));
    EXPECT_EQ(text, CString());

    ASSERT_TRUE(key.SetStringValue(CString(u"Club"), CString(u"Pitching Wedge \u00E9")));
    ASSERT_TRUE(key.GetStringValue(CString(u"club"), text));
    EXPECT_EQ(text, CString(u"Pitching Wedge \u00E9"));

    // Stored data without a null ends the text at the data's end; a null inside ends it there.
    SetRaw(CString(u"Bare"), REG_BINARY, {'a', 0, 'b', 0});
    SetRaw(CString(u"Inner"), REG_SZ, {'x', 0, 0, 0, 'y', 0, 0, 0});
    text = CString(u"0123456789");
    ASSERT_TRUE(key.GetStringValue(CString(u"Bare"), text));
    EXPECT_EQ(text, CString(u"ab"));
    ASSERT_TRUE(key.GetStringValue(CString(u"Inner"), text));
    EXPECT_EQ(text, CString(u"x"));
    text = CString(u"kept");
    EXPECT_FALSE(key.GetStringValue(CString(u"Absent"), text));
    EXPECT_EQ(text, CString(u"kept"));
}

TEST_F(RegistryKey, ObjectValueRoundTripsThroughItsSerialization) {
    CRegistryKey key(HKEY_CURRENT_USER);
    OpenSettings(key);
    CGolfClub club(7);
    club.m_strName = CString(u"7 Iron");
    club.m_nMaleDistance = 140;
    club.m_nFemaleDistance = 120;
    club.m_dtCreated = COleDateTime(45000.5);
    ASSERT_TRUE(key.SetObjectValue(CString(u"Club"), club));

    DWORD type = 0;
    DWORD size = 0;
    ASSERT_EQ(RegQueryValueExW(key.m_hKey, Name(u"Club"), nullptr, &type, nullptr, &size),
              ERROR_SUCCESS);
    EXPECT_EQ(type, static_cast<DWORD>(REG_BINARY));
    // Leading word, id, empty text, two distances, 6-character text, two date-times.
    EXPECT_EQ(size, 4U + 4 + 4 + 4 + 4 + (4 + 12) + 12 + 12);

    CGolfClub back;
    ASSERT_TRUE(key.GetObjectValue(CString(u"Club"), back));
    EXPECT_EQ(back.m_nClubId, 7);
    EXPECT_EQ(back.m_strName, CString(u"7 Iron"));
    EXPECT_EQ(back.m_nMaleDistance, 140);
    EXPECT_EQ(back.m_nFemaleDistance, 120);
    EXPECT_EQ(back.m_dtCreated, COleDateTime(45000.5));
    EXPECT_EQ(back.m_dtModified, club.m_dtModified);
}

TEST_F(RegistryKey, AnObjectValueThatCannotBeReadIsRefusedAndChangesNothing) {
    CRegistryKey key(HKEY_CURRENT_USER);
    OpenSettings(key);
    ASSERT_TRUE(key.SetDWordValue(CString(u"Number"), 5));
    SetRaw(CString(u"Short"), REG_BINARY, {0, 0, 0, 0, 9, 0});
    // A whole record but for its last date-time, whose status is none that exists.
    const std::vector<unsigned char> bad = ClubFileBytes()
                                               .Word(0)
                                               .Word(9)
                                               .Text(u"x")
                                               .Word(1)
                                               .Word(2)
                                               .Text(u"bad")
                                               .Date(0, 1.0)
                                               .Date(9, 0.0)
                                               .Get();
    SetRaw(CString(u"Damaged"), REG_BINARY, std::vector<BYTE>(bad.begin(), bad.end()));
    CGolfClub club(3);
    club.m_strName = CString(u"mine");
    for (const char16_t* name : {u"Number", u"Absent", u"Short", u"Damaged"}) {
        EXPECT_FALSE(key.GetObjectValue(CString(name), club)) << CString(name).ToUtf8();
        // A read that fails leaves the object as it was.
        EXPECT_EQ(club.m_nClubId, 3) << CString(name).ToUtf8();
        EXPECT_EQ(club.m_strName, CString(u"mine")) << CString(name).ToUtf8();
        EXPECT_TRUE(club.m_strExtra.IsEmpty()) << CString(name).ToUtf8();
    }
    // A list, which a load appends to, of a table whose last club is cut short.
    CClubList clubs;
    BuildDefaultClubs(clubs);
    CMemFile stored;
    ASSERT_TRUE(WriteClubs(stored, clubs));
    std::vector<BYTE> table(static_cast<std::size_t>(stored.GetLength()) - 1);
    stored.SeekToBegin();
    stored.Read(table.data(), static_cast<UINT>(table.size()));
    SetRaw(CString(u"CutTable"), REG_BINARY, table);
    const std::vector<std::int32_t> ids = Ids(clubs);
    EXPECT_FALSE(key.GetObjectValue(CString(u"CutTable"), clubs));
    EXPECT_EQ(Ids(clubs), ids);
}
