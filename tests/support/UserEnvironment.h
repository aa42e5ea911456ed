#pragma once

#include "support/TemporaryDirectory.h"

#ifdef _WIN32
#include "platform/core/Win32Api.h"

#include <atomic>
#endif

#include <cstdlib>
#include <optional>
#include <string>
#include <utility>
#include <vector>

// Points HOME, XDG_CONFIG_HOME and XDG_DATA_HOME into a temporary directory for the life
// of the object, so that a test never touches the real user's files. On Windows APPDATA,
// the roaming application data folder, goes there too, and HKEY_CURRENT_USER is pointed at
// a scratch key (the registry has no file that could be put elsewhere).
class UserEnvironment {
public:
    // The variable that names the per-user data directory the program reads.
#ifdef _WIN32
    static constexpr const char* kDataHomeVariable = "APPDATA";
#else
    static constexpr const char* kDataHomeVariable = "XDG_DATA_HOME";
#endif

    UserEnvironment() {
        Set("HOME", m_root.Path() / "home");
        Set("XDG_CONFIG_HOME", m_root.Path() / "config");
        Set("XDG_DATA_HOME", m_root.Path() / "data");
#ifdef _WIN32
        Set("APPDATA", m_root.Path() / "data");
        RedirectCurrentUser();
#endif
    }
    ~UserEnvironment() {
#ifdef _WIN32
        RestoreCurrentUser();
#endif
        for (auto it = m_saved.rbegin(); it != m_saved.rend(); ++it) {
            if (it->second) {
                SetVariable(it->first, *it->second);
            } else {
                UnsetVariable(it->first);
            }
        }
    }
    UserEnvironment(const UserEnvironment&) = delete;
    UserEnvironment& operator=(const UserEnvironment&) = delete;

    void Set(const std::string& name, const std::filesystem::path& value) {
        const char* old = std::getenv(name.c_str());
        m_saved.emplace_back(name, old != nullptr ? std::optional<std::string>(old) : std::nullopt);
        SetVariable(name, value.string());
    }
    void Unset(const std::string& name) {
        const char* old = std::getenv(name.c_str());
        m_saved.emplace_back(name, old != nullptr ? std::optional<std::string>(old) : std::nullopt);
        UnsetVariable(name);
    }

    const TemporaryDirectory& Root() const {
        return m_root;
    }
    std::filesystem::path ConfigHome() const {
        return m_root.Path() / "config";
    }
    std::filesystem::path DataHome() const {
        return m_root.Path() / "data";
    }

private:
#ifdef _WIN32
    // For this process only, HKEY_CURRENT_USER becomes a key of the test's own below the
    // real one, with a name no other run uses; it is removed with everything below it.
    // One environment at a time: when one ends, the real key is back.
    void RedirectCurrentUser() {
        static std::atomic<unsigned> serial{0};
        m_scratch = std::wstring(kScratchParent) + L"\\" +
                    std::to_wstring(::GetCurrentProcessId()) + L"-" + std::to_wstring(++serial);
        ::RegDeleteTreeW(HKEY_CURRENT_USER, m_scratch.c_str()); // left by a run that crashed
        if (::RegCreateKeyExW(HKEY_CURRENT_USER, m_scratch.c_str(), 0, nullptr,
                              REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr, &m_scratchKey,
                              nullptr) != ERROR_SUCCESS ||
            ::RegOverridePredefKey(HKEY_CURRENT_USER, m_scratchKey) != ERROR_SUCCESS) {
            throw std::runtime_error("cannot give the test a registry of its own");
        }
    }
    void RestoreCurrentUser() {
        ::RegOverridePredefKey(HKEY_CURRENT_USER, nullptr);
        ::RegCloseKey(m_scratchKey);
        ::RegDeleteTreeW(HKEY_CURRENT_USER, m_scratch.c_str());
        ::RegDeleteKeyW(HKEY_CURRENT_USER, kScratchParent); // only once no other run is in it
    }

    static constexpr const wchar_t* kScratchParent = L"Software\\Holverra\\CaddoraTests";
    std::wstring m_scratch;
    HKEY m_scratchKey = nullptr;
#endif

    // The C library's copy and the system's own environment both change, so that code
    // asking either sees the new value.
    static void SetVariable(const std::string& name, const std::string& value) {
#ifdef _WIN32
        ::_putenv_s(name.c_str(), value.c_str());
#else
        ::setenv(name.c_str(), value.c_str(), 1);
#endif
    }
    static void UnsetVariable(const std::string& name) {
#ifdef _WIN32
        ::_putenv_s(name.c_str(), ""); // an empty value removes the variable
#else
        ::unsetenv(name.c_str());
#endif
    }

    TemporaryDirectory m_root;
    std::vector<std::pair<std::string, std::optional<std::string>>> m_saved;
};
