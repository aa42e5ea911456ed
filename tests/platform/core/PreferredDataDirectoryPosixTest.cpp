#include "platform/core/KnownFolders.h"

#include "support/UserEnvironment.h"

#include "support/PathText.h"

#include <gtest/gtest.h>

TEST(PreferredDataDirectory, IsBelowTheDataHomeOrElseBelowTheHomeDirectory) {
    UserEnvironment env;
    EXPECT_EQ(GetPreferredDataDirectory(), PathText(env.DataHome() / "Holverra" / "Caddora"));

    env.Set("XDG_DATA_HOME", env.Root().Path() / "data///");
    EXPECT_EQ(GetPreferredDataDirectory(), PathText(env.DataHome() / "Holverra" / "Caddora"));

    // A relative data home is no base directory at all.
    env.Set("XDG_DATA_HOME", "relative/data");
    const CString fallback = PathText(env.Root().Path() / "home/.local/share/Holverra/Caddora");
    EXPECT_EQ(GetPreferredDataDirectory(), fallback);
    env.Unset("XDG_DATA_HOME");
    EXPECT_EQ(GetPreferredDataDirectory(), fallback);
}
