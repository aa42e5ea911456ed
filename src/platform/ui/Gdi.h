#pragma once
// Drawing objects as the dialogs describe them: logical fonts and brushes held by handle,
// the stock system font, system colours and the colour-query kinds (UiApi.h), and what the
// dialogs read of them beyond the system's own calls.
#include "platform/ui/UiApi.h"

// The description of the stock system font, the one every label starts from.
const LOGFONT& GetStockSystemFont();
