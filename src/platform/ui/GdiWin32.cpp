// The drawing objects of Windows itself: what the dialogs read of them beyond the system's
// own calls.
#include "platform/ui/Gdi.h"

const LOGFONT& GetStockSystemFont() {
    static const LOGFONT lf = [] {
        LOGFONT stock{};
        GetObject(GetStockFont(SYSTEM_FONT), stock);
        return stock;
    }();
    return lf;
}
