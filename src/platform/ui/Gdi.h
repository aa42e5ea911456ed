#pragma once
// Drawing objects as the dialogs describe them: logical fonts and brushes held by handle,
// the stock system font, system colours, and the colour-query kinds. The handles carry
// descriptions only; the widgets turn them into Qt fonts and palettes when they paint.
#include "platform/core/WinTypes.h"

#ifdef CADDORA_UI_WIN32
#include "win32/Gdi.h"
#else

#include <cstdint>

struct HFONT__;
struct HBRUSH__;
struct HICON__;
using HFONT = HFONT__*;
using HBRUSH = HBRUSH__*;
using HICON = HICON__*;
using INT_PTR = std::intptr_t;

constexpr int LF_FACESIZE = 32;

struct LOGFONT {
    LONG lfHeight;
    LONG lfWidth;
    LONG lfEscapement;
    LONG lfOrientation;
    LONG lfWeight;
    BYTE lfItalic;
    BYTE lfUnderline;
    BYTE lfStrikeOut;
    BYTE lfCharSet;
    BYTE lfOutPrecision;
    BYTE lfClipPrecision;
    BYTE lfQuality;
    BYTE lfPitchAndFamily;
    char16_t lfFaceName[LF_FACESIZE];
};

struct LOGBRUSH {
    UINT lbStyle;
    COLORREF lbColor;
    std::uintptr_t lbHatch;
};

constexpr LONG FW_NORMAL = 400;
constexpr LONG FW_BOLD = 700;
constexpr UINT BS_SOLID = 0;
constexpr int SYSTEM_FONT = 13;

// Kinds of the colour query, as a dialog's colour handler receives them.
constexpr UINT CTLCOLOR_MSGBOX = 0;
constexpr UINT CTLCOLOR_EDIT = 1;
constexpr UINT CTLCOLOR_LISTBOX = 2;
constexpr UINT CTLCOLOR_BTN = 3;
constexpr UINT CTLCOLOR_DLG = 4;
constexpr UINT CTLCOLOR_SCROLLBAR = 5;
constexpr UINT CTLCOLOR_STATIC = 6;

constexpr int TRANSPARENT = 1;
constexpr int OPAQUE = 2;

constexpr int COLOR_BTNFACE = 15;
constexpr int COLOR_WINDOW = 5;
constexpr int COLOR_WINDOWTEXT = 8;

HFONT CreateFontIndirect(const LOGFONT& lf);
HBRUSH CreateSolidBrush(COLORREF color);
// Releases a font or brush made above; stock objects and null handles are left alone.
BOOL DeleteObject(HFONT hFont);
BOOL DeleteObject(HBRUSH hBrush);
// Reads an object's description back; FALSE for a null handle.
BOOL GetObject(HFONT hFont, LOGFONT& lf);
BOOL GetObject(HBRUSH hBrush, LOGBRUSH& lb);

// The description of the stock system font, the one every label starts from.
const LOGFONT& GetStockSystemFont();
HFONT GetStockFont(int nIndex);
COLORREF GetSysColor(int nIndex);
// A system colour's stock brush, never deleted; what a control paints with by default.
HBRUSH GetSysColorBrush(int nIndex);

// Fonts and brushes made and not yet deleted; lets tests see that each object is released
// exactly once.
int GdiLiveObjectCount();

// number * numerator / denominator, rounded half away from zero, without overflow on the way.
int MulDiv(int number, int numerator, int denominator);

struct RECT {
    LONG left;
    LONG top;
    LONG right;
    LONG bottom;
};

#endif
