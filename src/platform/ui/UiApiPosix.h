#pragma once
// A stand-in for the Windows API's window, drawing and common-control vocabulary where the
// system has none: the same names and values, handles that only the dialogs' toolkit reads,
// and drawing objects that are descriptions (GdiPosix.cpp). Include it through UiApi.h.
#ifdef _WIN32
#error "UiApiPosix.h stands in for the Windows API elsewhere; include platform/ui/UiApi.h"
#endif

#include "platform/core/WinTypes.h"

#include <cstdint>

// Handles: opaque pointers, as the system declares its own.
struct HWND__;
struct HFONT__;
struct HBRUSH__;
struct HICON__;
struct HPEN__;
struct HDC__;
using HWND = HWND__*;
using HFONT = HFONT__*;
using HBRUSH = HBRUSH__*;
using HICON = HICON__*;
using HPEN = HPEN__*;
// A device context: the toolkit's painter on a window or a page.
using HDC = HDC__*;
using INT_PTR = std::intptr_t;
using LPARAM = std::intptr_t;

// Drawing objects.
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

struct RECT {
    LONG left;
    LONG top;
    LONG right;
    LONG bottom;
};

struct POINT {
    LONG x;
    LONG y;
};

struct SIZE {
    LONG cx;
    LONG cy;
};

struct LOGPEN {
    UINT lopnStyle;
    POINT lopnWidth;
    COLORREF lopnColor;
};

constexpr int PS_SOLID = 0;
constexpr int PS_DASH = 1;
constexpr int PS_DOT = 2;
constexpr int PS_NULL = 5;

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
HPEN CreatePen(int nPenStyle, int nWidth, COLORREF color);
// Releases a font, brush or pen made above; stock objects and null handles are left alone.
BOOL DeleteObject(HFONT hFont);
BOOL DeleteObject(HBRUSH hBrush);
BOOL DeleteObject(HPEN hPen);
// Reads an object's description back; FALSE for a null handle.
BOOL GetObject(HFONT hFont, LOGFONT& lf);
BOOL GetObject(HBRUSH hBrush, LOGBRUSH& lb);
BOOL GetObject(HPEN hPen, LOGPEN& lp);
HFONT GetStockFont(int nIndex);
COLORREF GetSysColor(int nIndex);
// A system colour's stock brush, never deleted; what a control paints with by default.
HBRUSH GetSysColorBrush(int nIndex);
// number * numerator / denominator, rounded half away from zero, without overflow on the way.
int MulDiv(int number, int numerator, int denominator);

// Fonts and brushes made and not yet deleted; lets tests see that each object is released
// exactly once.
int GdiLiveObjectCount();

// Drawing text (DrawText) and what a device tells of itself (GetDeviceCaps).
constexpr UINT DT_TOP = 0x0;
constexpr UINT DT_LEFT = 0x0;
constexpr UINT DT_CENTER = 0x1;
constexpr UINT DT_RIGHT = 0x2;
constexpr UINT DT_VCENTER = 0x4;
constexpr UINT DT_BOTTOM = 0x8;
constexpr UINT DT_WORDBREAK = 0x10;
constexpr UINT DT_SINGLELINE = 0x20;
constexpr UINT DT_CALCRECT = 0x400;
constexpr UINT DT_NOPREFIX = 0x800;
constexpr UINT DT_END_ELLIPSIS = 0x8000;

constexpr int HORZRES = 8;
constexpr int VERTRES = 10;
constexpr int LOGPIXELSX = 88;
constexpr int LOGPIXELSY = 90;

// A control its dialog draws itself (WM_DRAWITEM).
constexpr UINT ODT_BUTTON = 4;
constexpr UINT ODT_STATIC = 5;
constexpr UINT ODA_DRAWENTIRE = 0x1;

struct DRAWITEMSTRUCT {
    UINT CtlType;
    UINT CtlID;
    UINT itemID;
    UINT itemAction;
    UINT itemState;
    HWND hwndItem;
    HDC hDC;
    RECT rcItem;
    std::uintptr_t itemData;
};

// Window, control and dialog styles.
constexpr DWORD WS_POPUP = 0x80000000;
constexpr DWORD WS_CHILD = 0x40000000;
constexpr DWORD WS_VISIBLE = 0x10000000;
constexpr DWORD WS_CAPTION = 0x00C00000;
constexpr DWORD WS_BORDER = 0x00800000;
constexpr DWORD WS_SYSMENU = 0x00080000;
constexpr DWORD WS_GROUP = 0x00020000;
constexpr DWORD WS_TABSTOP = 0x00010000;

// The handheld's caption OK button.
constexpr DWORD WS_EX_CAPTIONOKBTN = 0x80000000;
constexpr DWORD WS_EX_APPWINDOW = 0x00040000;

constexpr DWORD DS_MODALFRAME = 0x80;
constexpr DWORD DS_SETFONT = 0x40;

constexpr DWORD SS_LEFT = 0x0;
constexpr DWORD SS_ICON = 0x3;
constexpr DWORD SS_OWNERDRAW = 0xD;
constexpr DWORD SS_BITMAP = 0xE;
constexpr DWORD SS_TYPEMASK = 0x1F;
constexpr DWORD SS_NOTIFY = 0x100;

constexpr DWORD ES_LEFT = 0x0;
constexpr DWORD ES_AUTOHSCROLL = 0x80;
constexpr DWORD ES_NUMBER = 0x2000;

constexpr DWORD BS_PUSHBUTTON = 0x0;
constexpr DWORD BS_DEFPUSHBUTTON = 0x1;
constexpr DWORD BS_AUTOCHECKBOX = 0x3;
constexpr DWORD BS_AUTORADIOBUTTON = 0x9;
constexpr DWORD BS_TYPEMASK = 0xF;

constexpr DWORD UDS_SETBUDDYINT = 0x2;
constexpr DWORD UDS_ALIGNRIGHT = 0x4;
constexpr DWORD UDS_AUTOBUDDY = 0x10;
constexpr DWORD UDS_ARROWKEYS = 0x20;
constexpr DWORD UDS_NOTHOUSANDS = 0x80;

constexpr DWORD LVS_REPORT = 0x1;
constexpr DWORD LVS_SINGLESEL = 0x4;
constexpr DWORD LVS_SHOWSELALWAYS = 0x8;
constexpr DWORD LVS_AUTOARRANGE = 0x100;
constexpr DWORD LVS_NOSORTHEADER = 0x8000;

constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;
// The id of controls that nobody addresses, as resource scripts name it.
constexpr int IDC_STATIC = -1;

// Notification codes of WM_COMMAND: a tap on a button or on a notifying picture.
constexpr UINT BN_CLICKED = 0;
constexpr UINT STN_CLICKED = 0;

constexpr UINT MB_OK = 0x0;
constexpr UINT MB_ICONEXCLAMATION = 0x30;

constexpr int SW_HIDE = 0;
constexpr int SW_SHOW = 5;

constexpr int ICON_SMALL = 0;
constexpr int ICON_BIG = 1;

constexpr int BST_UNCHECKED = 0;
constexpr int BST_CHECKED = 1;

// Accelerator keys.
constexpr BYTE FVIRTKEY = 0x01;
constexpr BYTE FSHIFT = 0x04;
constexpr BYTE FCONTROL = 0x08;
constexpr BYTE FALT = 0x10;

// Virtual keys beyond the letters and digits, which are their own upper-case characters.
constexpr WORD VK_PRIOR = 0x21; // Page Up
constexpr WORD VK_NEXT = 0x22;  // Page Down
constexpr WORD VK_APPS = 0x5D;  // the Menu key
constexpr WORD VK_F1 = 0x70;
constexpr WORD VK_F10 = 0x79;
constexpr WORD VK_F12 = 0x7B;

struct ACCEL {
    BYTE fVirt;
    WORD key;
    WORD cmd;
};

// The up-down control's acceleration.
struct UDACCEL {
    UINT nSec;
    UINT nInc;
};

// The list view in report mode.
constexpr int LVCFMT_LEFT = 0;
constexpr UINT LVIF_TEXT = 0x1;
constexpr UINT LVIF_STATE = 0x8;
constexpr UINT LVIF_PARAM = 0x4;
constexpr UINT LVIS_SELECTED = 0x2;
constexpr UINT LVIS_FOCUSED = 0x1;
constexpr UINT LVNI_SELECTED = 0x2;
constexpr DWORD LVS_EX_FULLROWSELECT = 0x20;
