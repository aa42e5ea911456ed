#pragma once

#include "persistence/ClubDataFile.h"
#include "platform/core/KnownFolders.h"
#include "platform/core/ModulePath.h"

#include "support/TemporaryDirectory.h"
#include "support/UserEnvironment.h"

#include <gtest/gtest.h>

#include <cstring>

// Every test runs with its own home, data and configuration directories, and with the
// program pretending to live in a directory of its own ("<root>/app/caddora").
class PersistenceTest : public ::testing::Test {
protected:
    PersistenceTest() {
        std::filesystem::create_directories(AppDir());
        SetModuleFilePathOverride(CString::FromUtf8((AppDir() / "caddora").string()));
        RegisterPlatformStringResources();
    }
    ~PersistenceTest() override { SetModuleFilePathOverride(CString()); }

    std::filesystem::path AppDir() const { return m_env.Root().Path() / "app"; }
    std::filesystem::path PreferredDir() const { return m_env.DataHome() / "Holverra" / "Caddora"; }
    std::filesystem::path AppDataFile() const { return AppDir() / "Clubs.dat"; }
    std::filesystem::path PreferredDataFile() const { return PreferredDir() / "Clubs.dat"; }

    static std::string Utf8(const CString& text) { return text.ToUtf8(); }

    UserEnvironment m_env;
};

// Little-endian words and texts, to write the bytes a test expects or feeds in.
class Bytes {
public:
    Bytes& Word(std::int32_t v) {
        for (int i = 0; i < 4; ++i) {
            m_bytes.push_back(static_cast<unsigned char>(static_cast<std::uint32_t>(v) >> (8 * i)));
        }
        return *this;
    }
    Bytes& Raw(std::initializer_list<unsigned char> bytes) {
        m_bytes.insert(m_bytes.end(), bytes);
        return *this;
    }
    Bytes& Text(const std::u16string& text) {
        Raw({0xFF, 0xFE, 0xFF, static_cast<unsigned char>(text.size())});
        for (char16_t c : text) {
            Raw({static_cast<unsigned char>(c), static_cast<unsigned char>(c >> 8)});
        }
        return *this;
    }
    Bytes& Date(std::int32_t status, double days) {
        Word(status);
        unsigned char raw[8];
        std::memcpy(raw, &days, 8);
        m_bytes.insert(m_bytes.end(), raw, raw + 8);
        return *this;
    }
    // One club record as the file holds it.
    Bytes& Club(std::int32_t leading, std::int32_t id, const std::u16string& name,
                std::int32_t male = 100, std::int32_t female = 90) {
        return Word(leading)
            .Word(id)
            .Text(u"")
            .Word(male)
            .Word(female)
            .Text(name)
            .Date(0, 1.0)
            .Date(0, 2.0);
    }
    const std::vector<unsigned char>& Get() const { return m_bytes; }

private:
    std::vector<unsigned char> m_bytes;
};
