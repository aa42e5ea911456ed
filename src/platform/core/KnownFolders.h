#pragma once

#include "platform/core/CString.h"

// The class library's string resource that names the preferred data directory.
constexpr UINT kIdsPreferredDataDirectory = 65283;

// The per-user directory where the program keeps its data, without a trailing separator:
// $XDG_DATA_HOME/Holverra/Caddora (XDG_DATA_HOME defaulting to ~/.local/share).
CString GetPreferredDataDirectory();
// The per-user registry hive: $XDG_CONFIG_HOME/Holverra/registry.reg (XDG_CONFIG_HOME
// defaulting to ~/.config). Read from the environment at every call.
CString GetRegistryHivePath();
// The settings file when it is in a place of another user than the effective one, or is
// reached through another user's link (an administrator run with a user's HOME or
// XDG_CONFIG_HOME): it is read, and nothing is written, renamed or created for it. Empty when
// the place is the user's own, and always on Windows, whose registry is the user's.
CString GetSettingsPlaceOfAnotherUser();
// Enters the machine-dependent texts (the preferred data directory) in the string
// resources, from the environment as it is now.
void RegisterPlatformStringResources();
