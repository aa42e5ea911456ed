#pragma once
// The program's pictures and icons as the Qt backend draws them.
#include "platform/ui/ImageResources.h"

#include <QIcon>
#include <QPixmap>

// The picture at the resolution the handheld gives it, or its variant drawn at `scale` times
// that (device pixels per pixel), for screens that have more than one device pixel per pixel.
QPixmap LoadBitmapResource(UINT nID, int scale = 1);
// The icon group's images (one file per size), read the first time the icon is asked for, so
// that a window can show before they are.
QIcon IconFromHandle(HICON hIcon);
