#pragma once

#include "platform/core/CString.h"

// The full path of the running executable.
CString GetModuleFilePath();
// Tests: pretend the executable lives at `path`; an empty path restores the real one.
void SetModuleFilePathOverride(const CString& path);
