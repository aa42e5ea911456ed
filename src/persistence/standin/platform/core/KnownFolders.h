#pragma once
// Stand-in: enters the machine-dependent string resources from the environment as it is now.
#include "platform/core/CString.h"

constexpr UINT kIdsPreferredDataDirectory = 65283;
CString GetPreferredDataDirectory();
void RegisterPlatformStringResources();
