#pragma once
// Drawing objects of the Win32 backend: the system's own fonts, brushes and system colours.
// What the Qt backend describes itself (LOGFONT, LOGBRUSH, the colour-query kinds, ...) is
// the system's here; only the reading back of a description is given the class library's
// typed form.
#include "WindowsUi.h"

// Reads an object's description back; FALSE for a null handle.
inline BOOL GetObject(HFONT hFont, LOGFONT& lf) {
    return hFont != nullptr && GetObjectW(hFont, sizeof(LOGFONT), &lf) != 0;
}
inline BOOL GetObject(HBRUSH hBrush, LOGBRUSH& lb) {
    return hBrush != nullptr && GetObjectW(hBrush, sizeof(LOGBRUSH), &lb) != 0;
}

// The description of the stock system font, the one every label starts from.
const LOGFONT& GetStockSystemFont();
inline HFONT GetStockFont(int nIndex) {
    return static_cast<HFONT>(GetStockObject(nIndex));
}
