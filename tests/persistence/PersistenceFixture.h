#pragma once

#include "persistence/ClubDataFile.h"
#include "platform/core/KnownFolders.h"
#include "platform/core/ModulePath.h"

#include "persistence/ClubFileBytes.h"
#include "support/TemporaryDirectory.h"
#include "support/UserEnvironment.h"

#include <gtest/gtest.h>

// Every test runs with its own home, data and configuration directories, and with the
// program pretending to live in a directory of its own ("<root>/app/caddora").
class PersistenceTest : public ::testing::Test {
protected:
    PersistenceTest() {
        std::filesystem::create_directories(AppDir());
        SetModuleFilePathOverride(CString((AppDir() / "caddora").u16string()));
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
