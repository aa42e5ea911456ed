#pragma once
// A home of the fuzz target's own, made once per process under the temporary directory and
// removed at exit: the program "lives" in <root>/app, its data and settings are in
// <root>/data and <root>/config. Each input starts from empty folders.
#include "platform/core/KnownFolders.h"
#include "platform/core/ModulePath.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

class FuzzSandbox {
public:
    static FuzzSandbox& Get() {
        static FuzzSandbox sandbox;
        return sandbox;
    }

    // Empties the program's, data and settings folders for the next input.
    void Clear() {
        for (const auto& dir : {App(), Data(), Config()}) {
            std::filesystem::remove_all(dir);
        }
        std::filesystem::create_directories(App());
    }
    std::filesystem::path App() const { return m_root / "app"; }
    std::filesystem::path Data() const { return m_root / "data"; }
    std::filesystem::path Config() const { return m_root / "config"; }

    static void Write(const std::filesystem::path& path, const std::uint8_t* data,
                      std::size_t size) {
        std::filesystem::create_directories(path.parent_path());
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    static std::vector<std::uint8_t> Read(const std::filesystem::path& path) {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    static std::size_t Entries(const std::filesystem::path& dir) {
        return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(dir),
                                                      std::filesystem::directory_iterator()));
    }

private:
    FuzzSandbox() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "caddora-fuzz-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) {
            std::abort();
        }
        m_root = pattern;
        ::setenv("HOME", m_root.c_str(), 1);
        ::setenv("XDG_DATA_HOME", Data().c_str(), 1);
        ::setenv("XDG_CONFIG_HOME", Config().c_str(), 1);
        RegisterPlatformStringResources();
        SetModuleFilePathOverride(CString::FromUtf8((App() / "caddora").string()));
        std::atexit([] { std::filesystem::remove_all(Get().m_root); });
    }

    std::filesystem::path m_root;
};
