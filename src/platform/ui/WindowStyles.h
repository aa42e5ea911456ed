#pragma once
// Window, control and dialog constants that templates and dialog code are written in.
#include "platform/core/WinTypes.h"

#ifdef CADDORA_UI_WIN32
#include "win32/WindowsUi.h"

// The handheld's caption OK button; desktop Windows has none (the close box plays its part).
constexpr DWORD WS_EX_CAPTIONOKBTN = 0x80000000;
// The id of controls that nobody addresses, as resource scripts name it.
#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif
#else

constexpr DWORD WS_POPUP = 0x80000000;
constexpr DWORD WS_CHILD = 0x40000000;
constexpr DWORD WS_VISIBLE = 0x10000000;
constexpr DWORD WS_CAPTION = 0x00C00000;
constexpr DWORD WS_BORDER = 0x00800000;
constexpr DWORD WS_SYSMENU = 0x00080000;
constexpr DWORD WS_GROUP = 0x00020000;
constexpr DWORD WS_TABSTOP = 0x00010000;

constexpr DWORD WS_EX_CAPTIONOKBTN = 0x80000000;
constexpr DWORD WS_EX_APPWINDOW = 0x00040000;

constexpr DWORD DS_MODALFRAME = 0x80;
constexpr DWORD DS_SETFONT = 0x40;

constexpr DWORD SS_LEFT = 0x0;
constexpr DWORD SS_BITMAP = 0xE;
constexpr DWORD SS_TYPEMASK = 0x1F;
constexpr DWORD SS_NOTIFY = 0x100;

constexpr DWORD ES_LEFT = 0x0;
constexpr DWORD ES_AUTOHSCROLL = 0x80;
constexpr DWORD ES_NUMBER = 0x2000;

constexpr DWORD BS_PUSHBUTTON = 0x0;
constexpr DWORD BS_DEFPUSHBUTTON = 0x1;
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
constexpr int IDC_STATIC = -1;

// Notification codes of WM_COMMAND: a tap on a button or on a notifying picture.
constexpr UINT BN_CLICKED = 0;
constexpr UINT STN_CLICKED = 0;

constexpr UINT MB_OK = 0x0;
constexpr UINT MB_ICONEXCLAMATION = 0x30;

constexpr int ICON_SMALL = 0;
constexpr int ICON_BIG = 1;

constexpr int BST_UNCHECKED = 0;
constexpr int BST_CHECKED = 1;

#endif
