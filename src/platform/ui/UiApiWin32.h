#pragma once
// The Windows API as the dialogs see it on Windows: the window, drawing and common-control
// parts, wide-character forms. The few API macros that are named like the class library's own
// operations (GetObject, CreateFontIndirect, SetWindowText, GetWindowText, LoadString,
// GetCurrentTime) are taken back, so that the library's headers may be included before or
// after this one; code that wants the API functions themselves names the wide form
// (GetObjectW, SetWindowTextW ...). Include it through UiApi.h.
#ifndef _WIN32
#error "UiApiWin32.h is the vocabulary of Windows itself; include platform/ui/UiApi.h"
#endif

// The system's headers as the platform core takes them (their kernel macros taken back), with
// the window and drawing parts that the dialogs keep.
#include "platform/core/Win32Api.h"

#include <commctrl.h>

#undef GetObject
#undef CreateFontIndirect
#undef SetWindowText
#undef GetWindowText

// The class library's typed forms of the drawing calls, over the system's own.
inline HFONT CreateFontIndirect(const LOGFONT& lf) {
    return CreateFontIndirectW(&lf);
}
// Reads an object's description back; FALSE for a null handle.
inline BOOL GetObject(HFONT hFont, LOGFONT& lf) {
    return hFont != nullptr && GetObjectW(hFont, sizeof(LOGFONT), &lf) != 0;
}
inline BOOL GetObject(HBRUSH hBrush, LOGBRUSH& lb) {
    return hBrush != nullptr && GetObjectW(hBrush, sizeof(LOGBRUSH), &lb) != 0;
}
inline BOOL GetObject(HPEN hPen, LOGPEN& lp) {
    return hPen != nullptr && GetObjectW(hPen, sizeof(LOGPEN), &lp) != 0;
}
inline HFONT GetStockFont(int nIndex) {
    return static_cast<HFONT>(GetStockObject(nIndex));
}

// The handheld's caption OK button; desktop Windows has none (the close box plays its part).
constexpr DWORD WS_EX_CAPTIONOKBTN = 0x80000000;
// The id of controls that nobody addresses, as resource scripts name it.
#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif
