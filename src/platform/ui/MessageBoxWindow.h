#pragma once
// The message box itself, as the toolkit shows it, titled with the program's name alone; the
// seam (MessageBoxSeam.h) decides whether it is shown at all.
#include "platform/core/CString.h"

int ShowMessageBoxWindow(const CString& text, UINT nType);
