#pragma once
// Pictures and icons of the program's resources, found by resource number. A missing
// picture is an empty one, so that a dialog still opens with its layout intact.
#include "Gdi.h"

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
