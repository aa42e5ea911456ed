#pragma once
// The Windows API as the Win32 backend of the dialogs sees it: the window, drawing and
// common-control parts, wide-character forms. The few API macros that are named like the
// class library's own operations (GetObject, CreateFontIndirect, SetWindowText,
// GetWindowText, LoadString, GetCurrentTime) are taken back, so that the library's headers
// may be included before or after this one; code that wants the API functions themselves
// names the wide form (GetObjectW, SetWindowTextW ...).
#ifndef _WIN32
#error "WindowsUi.h is for the Win32 backend only"
#endif

// The system's headers as the platform core takes them (their kernel macros taken back), with
// the window and drawing parts that this backend's builds keep.
#include "platform/core/Win32Api.h"

#include <commctrl.h>

#undef GetObject
#undef CreateFontIndirect
#undef SetWindowText
#undef GetWindowText
