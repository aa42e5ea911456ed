#pragma once

#include "platform/core/Registry.h"

// Our UTF-16 text as the registry functions take it: the same code units, typed as
// char16_t here and as the wide character of the Windows API there.
inline LPCWSTR RegText(const char16_t* text) {
    return reinterpret_cast<LPCWSTR>(text);
}
