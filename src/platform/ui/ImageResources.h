#pragma once
// Pictures and icons of the program's resources, found by resource number. A missing
// picture is an empty one, so that a dialog still opens with its layout intact.
#include "Gdi.h"

#include <QIcon>
#include <QPixmap>

QPixmap LoadBitmapResource(UINT nID);
// The icon group's images; loaded once and shared, like the handheld's resource icons.
HICON LoadIconResource(UINT nID);
QIcon IconFromHandle(HICON hIcon);
