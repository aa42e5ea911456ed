#pragma once
// The texts of the dialogs' platform layer itself: its messages, the number field's hint and
// the names of keys. Each is a string resource that the program's resources may give in the
// player's language; until they do, the layer's own English text stands.
#include "platform/core/CString.h"

// A refused number (%1 and %2: the range's bounds).
constexpr UINT AFX_IDP_PARSE_INT = 0xF110;
constexpr UINT AFX_IDP_PARSE_INT_RANGE = 0xF112;
// What a number field says at the field when it refuses a key or a paste.
constexpr UINT AFX_IDS_DIGITS_ONLY = 0xF120;
// The names of keys, as tooltips and menus give them.
constexpr UINT AFX_IDS_KEY_CTRL = 0xF130;
constexpr UINT AFX_IDS_KEY_SHIFT = 0xF131;
constexpr UINT AFX_IDS_KEY_ALT = 0xF132;
constexpr UINT AFX_IDS_KEY_PAGE_UP = 0xF133;
constexpr UINT AFX_IDS_KEY_PAGE_DOWN = 0xF134;
constexpr UINT AFX_IDS_KEY_MENU = 0xF135;

CString PlatformText(UINT nID);
// Enters the layer's English texts as string resources, under those of the player's language
// registered after them: a language that is left again leaves none of its texts behind.
void RegisterPlatformTexts();
