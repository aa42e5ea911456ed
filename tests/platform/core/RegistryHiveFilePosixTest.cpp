// The registry functions' hive file: where it lives, what it holds, and how it survives
// damage, odd entries, an unwritable place, links and two programs writing at once.
#include "platform/core/KnownFolders.h"
#include "platform/core/Registry.h"
#include "platform/core/RegistryHive.h"

#include "support/OrdinaryUser.h"
#include "support/UserEnvironment.h"

#include <gtest/gtest.h>

#include <algorithm>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

const std::string kSettingsHive = "Windows Registry Editor Version 5.00\r\n\r\n"
                                  "[HKEY_CURRENT_USER\\Software\\Holverra\\Caddora]\r\n"
                                  "\"Gender\"=dword:00000002\r\n\r\n";

class RegistryHiveFile : public ::testing::Test {
protected:
    std::filesystem::path Hive() const { return m_env.ConfigHome() / "Holverra/registry.reg"; }
    void WriteHive(const std::string& text) const {
        std::filesystem::create_directories(Hive().parent_path());
        WriteBytes(Hive(), std::vector<unsigned char>(text.begin(), text.end()));
    }

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

TEST_F(RegistryHiveFile, LookingCreatesNothingAndEveryChangeIsWrittenThroughAtOnce) {
    HKEY key = nullptr;
    EXPECT_EQ(
        RegOpenKeyExW(HKEY_CURRENT_USER, u"Software\\Holverra\\Caddora", 0, KEY_ALL_ACCESS, &key),
        ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(key, nullptr);
    EXPECT_FALSE(std::filesystem::exists(Hive()));

    key = CreateKey(u"Software\\Holverra\\Caddora");
    ASSERT_TRUE(std::filesystem::exists(Hive()));
    ASSERT_EQ(SetDWord(key, u"Gender", 2), ERROR_SUCCESS);
    const auto text = ReadBytes(Hive());
    const std::string expected = "Windows Registry Editor Version 5.00\r\n\r\n"
                                 "[HKEY_CURRENT_USER\\Software\\Holverra\\Caddora]\r\n"
                                 "\"Gender\"=dword:00000002\r\n\r\n";
    EXPECT_EQ(std::string(text.begin(), text.end()), expected);
    EXPECT_EQ(RegCloseKey(key), ERROR_SUCCESS);
}

TEST_F(RegistryHiveFile, DamagedHiveIsKeptAsideAndTheSettingsStartAgain) {
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
    // A second damaged hive is kept under a name of its own; the first copy stays.
    WriteBytes(Hive(), {'a', 'g', 'a', 'i', 'n'});
    EXPECT_EQ(RegQueryValueExW(key, u"LastDistance", nullptr, nullptr, nullptr, nullptr),
              ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(ReadBytes(Hive().string() + ".damaged.2"),
              std::vector<unsigned char>({'a', 'g', 'a', 'i', 'n'}));
    EXPECT_EQ(ReadBytes(Hive().string() + ".damaged"), garbage);
    RegCloseKey(key);
}

TEST_F(RegistryHiveFile, AKeyOpenedForReadingAloneLeavesEveryFileAsItIs) {
    WriteHive(kSettingsHive);
    HKEY key = nullptr;
    ASSERT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, u"Software\\Holverra\\Caddora", 0, KEY_READ, &key),
              ERROR_SUCCESS);
    EXPECT_EQ(GetDWord(key, u"Gender"), 2U);
    EXPECT_FALSE(std::filesystem::exists(Hive().string() + ".lock"));
    // Damaged meanwhile: read as empty, and left where it is for a run that may change it.
    WriteBytes(Hive(), {'b', 'a', 'd'});
    EXPECT_EQ(RegQueryValueExW(key, u"Gender", nullptr, nullptr, nullptr, nullptr),
              ERROR_FILE_NOT_FOUND);
    HKEY other = nullptr;
    EXPECT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, u"Software", 0, KEY_READ, &other),
              ERROR_FILE_NOT_FOUND);
    RegCloseKey(key);
    EXPECT_EQ(ReadBytes(Hive()), std::vector<unsigned char>({'b', 'a', 'd'}));
    EXPECT_FALSE(std::filesystem::exists(Hive().string() + ".damaged"));
    EXPECT_FALSE(std::filesystem::exists(Hive().string() + ".lock"));
}

TEST_F(RegistryHiveFile, AHiveThatCannotBeWrittenFailsTheChangeOnly) {
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

TEST_F(RegistryHiveFile, TwoProcessesChangingDifferentValuesKeepBoth) {
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

TEST_F(RegistryHiveFile, AChangeKeepsWhatAnotherProgramWroteMeanwhile) {
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

TEST_F(RegistryHiveFile, AHiveThatIsThereButCannotBeReadIsLeftAsItIs) {
    std::filesystem::create_directories(Hive().parent_path());
    // What every call sees of such a hive: no key, and no change is made.
    const auto readsAsAbsentAndRefusesChanges = [] {
        HKEY key = nullptr;
        const bool absent = RegOpenKeyExW(HKEY_CURRENT_USER, u"Software", 0, KEY_ALL_ACCESS,
                                          &key) == ERROR_FILE_NOT_FOUND;
        return absent && RegCreateKeyExW(HKEY_CURRENT_USER, u"Software", 0, nullptr, 0,
                                         KEY_ALL_ACCESS, nullptr, &key, nullptr) != ERROR_SUCCESS
                   ? 0
                   : 1;
    };
    ::alarm(30); // a pipe without a writer would hold a read for ever
    std::filesystem::create_directory(Hive());
    EXPECT_EQ(readsAsAbsentAndRefusesChanges(), 0) << "a folder";
    std::filesystem::remove(Hive());
    ASSERT_EQ(::mkfifo(Hive().c_str(), 0600), 0);
    EXPECT_EQ(readsAsAbsentAndRefusesChanges(), 0) << "a pipe";
    EXPECT_EQ(std::filesystem::status(Hive()).type(), std::filesystem::file_type::fifo);
    std::filesystem::remove(Hive());
    ::alarm(0);

    // A file the user may not read, tried as a user whom permissions bind.
    WriteHive(kSettingsHive);
    ::chmod(Hive().c_str(), 0);
    for (const auto& dir : {m_env.Root().Path(), m_env.ConfigHome(), Hive().parent_path()}) {
        std::filesystem::permissions(dir, std::filesystem::perms::all);
    }
    EXPECT_EQ(RunAsOrdinaryUser(readsAsAbsentAndRefusesChanges), 0) << "a file not to be read";
    ::chmod(Hive().c_str(), 0600);
    EXPECT_EQ(ReadBytes(Hive()),
              std::vector<unsigned char>(kSettingsHive.begin(), kSettingsHive.end()));
    EXPECT_FALSE(std::filesystem::exists(Hive().string() + ".damaged"));
}

TEST_F(RegistryHiveFile, AHiveLargerThanAnyTheProgramWritesIsSetAside) {
    std::string text = kSettingsHive + "; ";
    text.resize(CRegistryHive::kMaxFileBytes + 1, 'x');
    WriteHive(text);
    HKEY key = nullptr;
    EXPECT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, u"Software", 0, KEY_ALL_ACCESS, &key),
              ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(std::filesystem::file_size(Hive().string() + ".damaged"), text.size());
}

TEST_F(RegistryHiveFile, AChangeTheFileCouldNotGiveBackIsRefusedAndTheOthersStay) {
    HKEY key = CreateKey(u"Software\\Holverra\\Caddora");
    ASSERT_EQ(SetDWord(key, u"Gender", 2), ERROR_SUCCESS);
    const std::u16string longText(600000, u'\u00E9');
    EXPECT_NE(RegSetValueExW(key, u"Long", 0, REG_SZ,
                             reinterpret_cast<const BYTE*>(longText.c_str()),
                             static_cast<DWORD>((longText.size() + 1) * 2)),
              ERROR_SUCCESS);
    EXPECT_NE(SetDWord(key, u"Two\nLines", 1), ERROR_SUCCESS);
    EXPECT_EQ(GetDWord(key, u"Gender"), 2U);
    // Four values of the largest size a value may have fill 12 MiB of the file; a fifth,
    // written as the writer writes them, would take it past what the reader reads.
    std::string full = kSettingsHive.substr(0, kSettingsHive.size() - 2);
    for (const char* name : {"A", "B", "C", "D"}) {
        full += "\"" + std::string(name) + "\"=hex:";
        for (std::size_t i = 1; i < CRegistryHive::kMaxValueBytes; ++i) {
            full += "5a,";
        }
        full += "5a\r\n";
    }
    const std::vector<BYTE> blob(CRegistryHive::kMaxValueBytes, 0x5A);
    EXPECT_EQ(
        RegSetValueExW(key, u"A", 0, REG_BINARY, blob.data(), static_cast<DWORD>(blob.size())),
        ERROR_SUCCESS)
        << "one alone is taken";
    WriteHive(full);
    EXPECT_NE(
        RegSetValueExW(key, u"E", 0, REG_BINARY, blob.data(), static_cast<DWORD>(blob.size())),
        ERROR_SUCCESS);
    EXPECT_EQ(std::filesystem::file_size(Hive()), full.size()) << "the file as it was";
    EXPECT_FALSE(std::filesystem::exists(Hive().string() + ".damaged"));
    RegCloseKey(key);
}

TEST_F(RegistryHiveFile, ALockHeldElsewhereHoldsACallUpOnlyAFewSeconds) {
    HKEY key = CreateKey(u"Software\\Holverra\\Caddora");
    ASSERT_EQ(SetDWord(key, u"Gender", 2), ERROR_SUCCESS);
    const int holder = ::open((Hive().string() + ".lock").c_str(), O_RDWR | O_CLOEXEC);
    ASSERT_EQ(::flock(holder, LOCK_EX), 0);
    ::alarm(30); // waiting for the lock without end would hang here
    EXPECT_EQ(GetDWord(key, u"Gender"), 2U) << "read without the lock";
    EXPECT_NE(SetDWord(key, u"Gender", 1), ERROR_SUCCESS) << "no change without it";
    ::alarm(0);
    ::close(holder);
    EXPECT_EQ(SetDWord(key, u"Gender", 1), ERROR_SUCCESS);
    EXPECT_EQ(GetDWord(key, u"Gender"), 1U);
    RegCloseKey(key);
}

TEST_F(RegistryHiveFile, ALinkedHiveStaysALinkAndKeepsItsPermissions) {
    const auto real = m_env.Root().Path() / "settings.reg";
    WriteHive(kSettingsHive);
    std::filesystem::rename(Hive(), real);
    ::chmod(real.c_str(), 0640);
    std::filesystem::create_symlink(real, Hive());
    HKEY key = CreateKey(u"Software\\Holverra\\Caddora");
    ASSERT_EQ(SetDWord(key, u"LastDistance", 150), ERROR_SUCCESS);
    EXPECT_TRUE(std::filesystem::is_symlink(Hive()));
    EXPECT_EQ(GetDWord(key, u"Gender"), 2U);
    struct stat st {};
    ASSERT_EQ(::stat(real.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777U, 0640U);
    // Damage behind the link is set aside beside the file it is in; the link stays.
    WriteBytes(real, {'b', 'a', 'd'});
    ASSERT_EQ(SetDWord(key, u"Gender", 1), ERROR_SUCCESS);
    EXPECT_EQ(ReadBytes(real.string() + ".damaged"), std::vector<unsigned char>({'b', 'a', 'd'}));
    EXPECT_TRUE(std::filesystem::is_symlink(Hive()));
    EXPECT_EQ(GetDWord(key, u"Gender"), 1U);
    RegCloseKey(key);
}
