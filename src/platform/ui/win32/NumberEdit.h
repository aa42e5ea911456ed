#pragma once
#include "platform/ui/UiApi.h"

// The desktop's number edit refuses typed keys that are not digits but takes any paste: the
// field refuses a paste that holds anything else whole, with the same balloon at the field.
void RefuseNonDigitPastes(HWND edit);
