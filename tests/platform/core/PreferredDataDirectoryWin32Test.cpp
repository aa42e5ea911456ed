// The shell's folder API needs the window parts of the Windows API, which the registry's
// header leaves out: it comes first.
#include <shlobj.h>

#include "platform/core/KnownFolders.h"

#include "support/UserEnvironment.h"

#include "support/PathText.h"

#include <gtest/gtest.h>

namespace {

CString ShellRoamingFolder() {
    wchar_t buffer[MAX_PATH] = {};
    EXPECT_EQ(::SHGetFolderPathW(nullptr, CSIDL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, buffer),
              S_OK);
    return CString(reinterpret_cast<const char16_t*>(buffer));
}

} // namespace

TEST(PreferredDataDirectory, IsBelowAppDataOrElseBelowTheShellsRoamingFolder) {
    UserEnvironment env;
    EXPECT_EQ(GetPreferredDataDirectory(), PathText(env.DataHome() / "Holverra" / "Caddora"));

    env.Set("APPDATA", env.Root().Path() / "data\\\\");
    EXPECT_EQ(GetPreferredDataDirectory(), PathText(env.DataHome() / "Holverra" / "Caddora"));

    // A relative folder is no folder at all: the shell's answer counts then.
    const CString fallback = ShellRoamingFolder() + CString(u"\\Holverra\\Caddora");
    env.Set("APPDATA", "relative\\data");
    EXPECT_EQ(GetPreferredDataDirectory(), fallback);
    env.Unset("APPDATA");
    EXPECT_EQ(GetPreferredDataDirectory(), fallback);
}
