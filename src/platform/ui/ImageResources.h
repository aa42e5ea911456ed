#pragma once
// Pictures and icons of the program's resources, found by resource number. A missing
// picture is an empty one, so that a dialog still opens with its layout intact.
#include "Gdi.h"

#ifdef CADDORA_UI_WIN32
// The picture at the size the handheld gives it, or stretched to a screen of more dots per
// inch; null when the program has no such picture. The caller deletes it.
HBITMAP LoadBitmapResource(UINT nID, int dpi = 96);
// The icon group at the system's size for big icons (ICON_BIG), or for small ones; shared, like
// the handheld's resource icons, and never deleted.
HICON LoadIconResource(UINT nID, bool small = false);
// The icon group a handle of LoadIconResource was loaded from; 0 for any other handle.
UINT IconResourceId(HICON hIcon);
#else

#include <QIcon>
#include <QPixmap>

// The picture at the resolution the handheld gives it, or its variant drawn at `scale` times
// that (device pixels per pixel), for screens that have more than one device pixel per pixel.
QPixmap LoadBitmapResource(UINT nID, int scale = 1);
// The icon group: a handle only, loaded once and shared like the handheld's resource icons.
// Its images (one file per size) are read the first time the icon is asked for, so that a
// window can show before they are.
HICON LoadIconResource(UINT nID);
QIcon IconFromHandle(HICON hIcon);
#endif
