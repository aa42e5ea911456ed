#pragma once

#include "TemporaryDirectory.h"

#include <cstdlib>
#include <optional>
#include <string>
#include <utility>
#include <vector>

// Points HOME, XDG_CONFIG_HOME and XDG_DATA_HOME into a temporary directory for the life
// of the object, so that a test never touches the real user's files.
class UserEnvironment {
public:
    UserEnvironment() {
        Set("HOME", m_root.Path() / "home");
        Set("XDG_CONFIG_HOME", m_root.Path() / "config");
        Set("XDG_DATA_HOME", m_root.Path() / "data");
    }
    ~UserEnvironment() {
        for (auto it = m_saved.rbegin(); it != m_saved.rend(); ++it) {
            if (it->second) {
                ::setenv(it->first.c_str(), it->second->c_str(), 1);
            } else {
                ::unsetenv(it->first.c_str());
            }
        }
    }
    UserEnvironment(const UserEnvironment&) = delete;
    UserEnvironment& operator=(const UserEnvironment&) = delete;

    void Set(const std::string& name, const std::filesystem::path& value) {
        const char* old = std::getenv(name.c_str());
        m_saved.emplace_back(name, old != nullptr ? std::optional<std::string>(old) : std::nullopt);
        ::setenv(name.c_str(), value.c_str(), 1);
    }
    void Unset(const std::string& name) {
        const char* old = std::getenv(name.c_str());
        m_saved.emplace_back(name, old != nullptr ? std::optional<std::string>(old) : std::nullopt);
        ::unsetenv(name.c_str());
    }

    const TemporaryDirectory& Root() const { return m_root; }
    std::filesystem::path ConfigHome() const { return m_root.Path() / "config"; }
    std::filesystem::path DataHome() const { return m_root.Path() / "data"; }

private:
    TemporaryDirectory m_root;
    std::vector<std::pair<std::string, std::optional<std::string>>> m_saved;
};
