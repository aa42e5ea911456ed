#pragma once
// Stand-in: the registry names the settings code is written against.
#include "platform/core/WinTypes.h"

#include <cstdint>

struct HKEY__;
using HKEY = HKEY__*;
#define HKEY_CURRENT_USER (reinterpret_cast<HKEY>(static_cast<std::uintptr_t>(0x80000001u)))
constexpr DWORD REG_OPTION_NON_VOLATILE = 0;
