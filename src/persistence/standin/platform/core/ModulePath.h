#pragma once
// Stand-in: the program's own path, with the override that tests use.
#include "platform/core/CString.h"

CString GetModuleFilePath();
void SetModuleFilePathOverride(const CString& path);
