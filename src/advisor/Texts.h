#pragma once
// The program's own texts, from its string resources (res/Resource.h's IDS_ ids).
#include "platform/core/CString.h"

#include <initializer_list>

CString LoadText(UINT nID);
// The text of the resource with %1 to %9 replaced by the arguments, in their order.
CString FormatText(UINT nID, std::initializer_list<CString> args);
CString FormatText(const CString& format, std::initializer_list<CString> args);
// A whole number as the player reads it.
CString NumberText(long long value);
