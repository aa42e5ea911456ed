#include "platform/core/KnownFolders.h"

#include "platform/core/FileSystem.h"

#include <cstdlib>
#include <pwd.h>
#include <string>
#include <unistd.h>

namespace {

std::string HomeDirectory() {
    if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0') {
        return home;
    }
    if (const passwd* pw = ::getpwuid(::getuid()); pw != nullptr && pw->pw_dir != nullptr) {
        return pw->pw_dir;
    }
    return "/tmp";
}

// An XDG base directory: the variable when it holds an absolute path, else the default
// below the home directory.
std::string BaseDirectory(const char* variable, const char* fallback) {
    if (const char* value = std::getenv(variable); value != nullptr && value[0] == '/') {
        std::string dir = value;
        while (dir.size() > 1 && dir.back() == '/') {
            dir.pop_back();
        }
        return dir;
    }
    return HomeDirectory() + "/" + fallback;
}

} // namespace

// The directories are taken byte for byte: a home whose name is no valid UTF-8 still finds
// its own files.
CString GetPreferredDataDirectory() {
    return PathFromNative(BaseDirectory("XDG_DATA_HOME", ".local/share") + "/Holverra/Caddora");
}

CString GetRegistryHivePath() {
    return PathFromNative(BaseDirectory("XDG_CONFIG_HOME", ".config") + "/Holverra/registry.reg");
}

CString GetSettingsPlaceOfAnotherUser() {
    const CString hive = GetRegistryHivePath();
    // The lock goes beside the name, the new file beside the file the name leads to.
    const CString final = FinalPathOf(hive);
    const bool own = FollowsOwnLinksOnly(hive) &&
                     IsOwnDirectory(hive.Left(hive.ReverseFind(u'/'))) &&
                     IsOwnDirectory(final.Left(final.ReverseFind(u'/')));
    return own ? CString() : hive;
}

void RegisterPlatformStringResources() {
    RegisterStringResource(kIdsPreferredDataDirectory, GetPreferredDataDirectory());
}
