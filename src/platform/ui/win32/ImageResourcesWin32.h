#pragma once
// The program's pictures and icons as resources of the program itself.
#include "platform/ui/ImageResources.h"

// The picture at the size the handheld gives it, or stretched to a screen of more dots per
// inch; null when the program has no such picture. The caller deletes it.
HBITMAP LoadBitmapResource(UINT nID, int dpi = 96);
// The icon group at the system's size for big icons (ICON_BIG), or for small ones; shared, like
// the handheld's resource icons, and never deleted.
HICON LoadIconResource(UINT nID, bool small);
// The icon group a handle of LoadIconResource was loaded from; 0 for any other handle.
UINT IconResourceId(HICON hIcon);
// The program's own icon, big or small: its first icon group, the one the desktop shows for
// the program's file; null when the program has none.
HICON LoadProgramIcon(bool small);
// Gives a window the program's icon, big and small, for its caption and the task switcher, so
// that no window of the program shows the system's default icon instead.
void ShowProgramIcon(HWND hWnd);
