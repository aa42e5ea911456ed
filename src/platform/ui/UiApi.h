#pragma once
// The window, drawing and common-control vocabulary of the Windows API that the dialogs are
// written in: handles, descriptions, styles and the values of their flags. On Windows it is
// the system's own, whichever toolkit draws the dialogs; elsewhere it is a stand-in of the
// same names and values, whose handles only the dialogs' toolkit interprets.
#include "platform/core/WinTypes.h"

#ifdef _WIN32
#include "platform/ui/UiApiWin32.h"
#else
#include "platform/ui/UiApiPosix.h"
#endif
