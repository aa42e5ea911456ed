#include "platform/core/KnownFolders.h"
#include "platform/core/Registry.h"

#include "support/UserEnvironment.h"

#include <gtest/gtest.h>

#include <algorithm>

#include <sys/wait.h>
#include <unistd.h>

namespace {

class RegistryFunctions : public ::testing::Test {
protected:
    std::filesystem::path Hive() const { return m_env.ConfigHome() / "Holverra/registry.reg"; }

    HKEY CreateKey(const char16_t* path) {
        HKEY key = nullptr;
        DWORD disposition = 0;
        EXPECT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, path, 0, nullptr, REG_OPTION_NON_VOLATILE,
                                  KEY_ALL_ACCESS, nullptr, &key, &disposition),
                  ERROR_SUCCESS);
        return key;
    }
    static LSTATUS SetDWord(HKEY key, const char16_t* name, DWORD value) {
        return RegSetValueExW(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), 4);
    }
    static DWORD GetDWord(HKEY key, const char16_t* name) {
        DWORD value = 0;
        DWORD size = 4;
        EXPECT_EQ(
            RegQueryValueExW(key, name, nullptr, nullptr, reinterpret_cast<BYTE*>(&value), &size),
            ERROR_SUCCESS)
            << CString(name).ToUtf8();
        return value;
    }

    UserEnvironment m_env;
};

} // namespace

TEST_F(RegistryFunctions, CreateReportsWhetherTheKeyIsNewAndWritesThroughAtOnce) {
    HKEY key = nullptr;
    EXPECT_EQ(
        RegOpenKeyExW(HKEY_CURRENT_USER, u"Software\\Holverra\\Caddora", 0, KEY_ALL_ACCESS, &key),
        ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(key, nullptr);
    EXPECT_FALSE(std::filesystem::exists(Hive())); // looking creates nothing

    DWORD disposition = 0;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, u"Software\\Holverra\\Caddora", 0, nullptr, 0,
                              KEY_ALL_ACCESS, nullptr, &key, &disposition),
              ERROR_SUCCESS);
    EXPECT_EQ(disposition, static_cast<DWORD>(REG_CREATED_NEW_KEY));
    ASSERT_TRUE(std::filesystem::exists(Hive()));
    HKEY again = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, u"software\\HOLVERRA\\caddora", 0, nullptr, 0,
                              KEY_ALL_ACCESS, nullptr, &again, &disposition),
              ERROR_SUCCESS);
    EXPECT_EQ(disposition, static_cast<DWORD>(REG_OPENED_EXISTING_KEY));
    ASSERT_EQ(SetDWord(key, u"Gender", 2), ERROR_SUCCESS);
    const auto text = ReadBytes(Hive());
    const std::string expected = "Windows Registry Editor Version 5.00\r\n\r\n"
                                 "[HKEY_CURRENT_USER\\Software\\Holverra\\Caddora]\r\n"
                                 "\"Gender\"=dword:00000002\r\n\r\n";
    EXPECT_EQ(std::string(text.begin(), text.end()), expected);
    EXPECT_EQ(GetDWord(again, u"GENDER"), 2U); // another handle, any case
    EXPECT_EQ(RegCloseKey(key), ERROR_SUCCESS);
    EXPECT_EQ(RegCloseKey(again), ERROR_SUCCESS);
    EXPECT_EQ(RegCloseKey(key), ERROR_INVALID_HANDLE);
}

TEST_F(RegistryFunctions, QueryAnswersSizesAndRefusesSmallBuffers) {
    HKEY key = CreateKey(u"Software\\Test");
    const BYTE five[5] = {1, 2, 3, 4, 5};
    ASSERT_EQ(RegSetValueExW(key, u"five", 0, REG_BINARY, five, 5), ERROR_SUCCESS);

    DWORD type = 99;
    DWORD size = 0;
    EXPECT_EQ(RegQueryValueExW(key, u"five", nullptr, &type, nullptr, &size), ERROR_SUCCESS);
    EXPECT_EQ(type, static_cast<DWORD>(REG_BINARY));
    EXPECT_EQ(size, 5U);
    EXPECT_EQ(RegQueryValueExW(key, u"five", nullptr, nullptr, nullptr, nullptr), ERROR_SUCCESS);

    BYTE buffer[8] = {};
    size = 4;
    EXPECT_EQ(RegQueryValueExW(key, u"five", nullptr, nullptr, buffer, &size), ERROR_MORE_DATA);
    EXPECT_EQ(size, 5U);
    EXPECT_EQ(buffer[0], 0); // nothing copied
    size = 8;
    EXPECT_EQ(RegQueryValueExW(key, u"five", nullptr, nullptr, buffer, &size), ERROR_SUCCESS);
    EXPECT_EQ(size, 5U);
    EXPECT_EQ(buffer[4], 5);
    EXPECT_EQ(RegQueryValueExW(key, u"five", nullptr, nullptr, buffer, nullptr),
              ERROR_INVALID_PARAMETER);

    EXPECT_EQ(RegQueryValueExW(key, u"absent", nullptr, &type, nullptr, &size),
              ERROR_FILE_NOT_FOUND);
    HKEY missing = nullptr;
    EXPECT_EQ(RegOpenKeyExW(key, u"child", 0, KEY_ALL_ACCESS, &missing), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(RegCloseKey(key), ERROR_SUCCESS);
}

TEST_F(RegistryFunctions, PredefinedRootsMayBeClosedAndStayUsable) {
    EXPECT_EQ(RegCloseKey(HKEY_CURRENT_USER), ERROR_SUCCESS);
    EXPECT_EQ(RegCloseKey(HKEY_CURRENT_USER), ERROR_SUCCESS);
    HKEY key = CreateKey(u"Software\\Holverra");
    EXPECT_NE(key, nullptr);
    EXPECT_EQ(RegCloseKey(nullptr), ERROR_INVALID_HANDLE);
    EXPECT_EQ(RegSetValueExW(nullptr, u"x", 0, REG_DWORD, nullptr, 0), ERROR_INVALID_HANDLE);
    HKEY relative = nullptr;
    EXPECT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, u"Software", 0, KEY_ALL_ACCESS, &relative),
              ERROR_SUCCESS);
    HKEY child = nullptr;
    EXPECT_EQ(RegOpenKeyExW(relative, u"Holverra", 0, KEY_ALL_ACCESS, &child), ERROR_SUCCESS);
    EXPECT_EQ(RegCloseKey(child), ERROR_SUCCESS);
    EXPECT_EQ(RegCloseKey(relative), ERROR_SUCCESS);
    EXPECT_EQ(RegCloseKey(key), ERROR_SUCCESS);
}

TEST_F(RegistryFunctions, DamagedHiveIsKeptAsideAndTheSettingsStartAgain) {
    std::filesystem::create_directories(Hive().parent_path());
    const std::vector<unsigned char> garbage = {'n', 'o', 't', ' ', 'a', ' ', 'h', 'i', 'v', 'e'};
    WriteBytes(Hive(), garbage);
    HKEY key = nullptr;
    EXPECT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, u"Software", 0, KEY_ALL_ACCESS, &key),
              ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(ReadBytes(Hive().string() + ".damaged"), garbage);
    EXPECT_FALSE(std::filesystem::exists(Hive()));
    key = CreateKey(u"Software\\Holverra\\Caddora");
    ASSERT_EQ(SetDWord(key, u"LastDistance", 150), ERROR_SUCCESS);
    EXPECT_EQ(GetDWord(key, u"LastDistance"), 150U);
    EXPECT_EQ(ReadBytes(Hive().string() + ".damaged"), garbage);
    RegCloseKey(key);
}

TEST_F(RegistryFunctions, AHiveThatCannotBeWrittenFailsTheChangeOnly) {
    // The configuration home below a regular file: nothing can be created there.
    WriteBytes(m_env.Root().Path() / "blocked", {'x'});
    m_env.Set("XDG_CONFIG_HOME", m_env.Root().Path() / "blocked");
    HKEY key = nullptr;
    EXPECT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, u"Software", 0, nullptr, 0, KEY_ALL_ACCESS,
                              nullptr, &key, nullptr),
              ERROR_ACCESS_DENIED);
    EXPECT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, u"Software", 0, KEY_ALL_ACCESS, &key),
              ERROR_FILE_NOT_FOUND);
}

TEST_F(RegistryFunctions, TwoProcessesChangingDifferentValuesKeepBoth) {
    HKEY key = CreateKey(u"Software\\Holverra\\Caddora");
    constexpr DWORD kRounds = 60;
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    const char16_t* mine = child == 0 ? u"FromChild" : u"FromParent";
    bool ok = true;
    for (DWORD i = 1; i <= kRounds; ++i) {
        ok = ok && SetDWord(key, mine, i) == ERROR_SUCCESS;
    }
    if (child == 0) {
        ::_exit(ok ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_TRUE(ok);
    EXPECT_EQ(GetDWord(key, u"FromParent"), kRounds);
    EXPECT_EQ(GetDWord(key, u"FromChild"), kRounds);
    RegCloseKey(key);
}

TEST_F(RegistryFunctions, AChangeKeepsWhatAnotherProgramWroteMeanwhile) {
    HKEY key = CreateKey(u"Software\\Holverra\\Caddora");
    ASSERT_EQ(SetDWord(key, u"Gender", 1), ERROR_SUCCESS);
    // Another program rewrites the hive while this one holds the key open.
    const std::string other = "Windows Registry Editor Version 5.00\r\n\r\n"
                              "[HKEY_CURRENT_USER\\Software\\Holverra\\Caddora]\r\n"
                              "\"Gender\"=dword:00000002\r\n\r\n";
    WriteBytes(Hive(), std::vector<unsigned char>(other.begin(), other.end()));
    EXPECT_EQ(GetDWord(key, u"Gender"), 2U); // read afresh, not from a copy in memory
    ASSERT_EQ(SetDWord(key, u"LastDistance", 120), ERROR_SUCCESS);
    EXPECT_EQ(GetDWord(key, u"Gender"), 2U);
    EXPECT_EQ(GetDWord(key, u"LastDistance"), 120U);
    // Nothing but the hive and its lock is left in the directory.
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(Hive().parent_path())) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, std::vector<std::string>({"registry.reg", "registry.reg.lock"}));
    RegCloseKey(key);
}
