#pragma once

// The handful of platform scalar types the system's code is written in. On Windows they
// are declared exactly as the platform headers declare them, so that both may be seen
// together in one translation unit.

#include <cstdint>

#ifdef _WIN32
typedef int BOOL;
typedef unsigned char BYTE;
typedef unsigned short WORD;
typedef unsigned long DWORD;
typedef long LONG;
typedef unsigned int UINT;
typedef DWORD COLORREF;
#else
typedef int BOOL;
typedef std::uint8_t BYTE;
typedef std::uint16_t WORD;
typedef std::uint32_t DWORD;
typedef std::int32_t LONG;
typedef unsigned int UINT;
typedef DWORD COLORREF;
#endif

#ifndef TRUE
#define TRUE 1
#endif
#ifndef FALSE
#define FALSE 0
#endif

static_assert(sizeof(DWORD) == 4 && sizeof(LONG) == 4, "DWORD and LONG are 32-bit words");

// Player type: 1 is an adult male player; every other value reads the female distances.
using PlayerType = std::int32_t;

constexpr COLORREF MakeRgb(BYTE r, BYTE g, BYTE b) {
    return static_cast<COLORREF>(r) | (static_cast<COLORREF>(g) << 8) |
           (static_cast<COLORREF>(b) << 16);
}
constexpr BYTE RgbRed(COLORREF c) {
    return static_cast<BYTE>(c & 0xFF);
}
constexpr BYTE RgbGreen(COLORREF c) {
    return static_cast<BYTE>((c >> 8) & 0xFF);
}
constexpr BYTE RgbBlue(COLORREF c) {
    return static_cast<BYTE>((c >> 16) & 0xFF);
}
