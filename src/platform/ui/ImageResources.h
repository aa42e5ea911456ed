#pragma once
// Pictures and icons of the program's resources, found by resource number. A missing
// picture is an empty one, so that a dialog still opens with its layout intact.
#include "platform/ui/Gdi.h"

// The icon group: a handle shared like the handheld's resource icons, never deleted; null
// when the program has no such icon.
HICON LoadIconResource(UINT nID);
