// The drawing objects where the system has none of its own: each handle is a description,
// which the dialogs' toolkit turns into its own fonts and brushes when it paints.
#include "platform/ui/Gdi.h"

#include <algorithm>
#include <array>
#include <cstdlib>

struct HFONT__ {
    LOGFONT lf;
    bool stock;
};

struct HBRUSH__ {
    LOGBRUSH lb;
    bool stock;
};

struct HPEN__ {
    LOGPEN lp;
};

namespace {

int g_liveObjects = 0;

LOGFONT MakeStockSystemFont() {
    LOGFONT lf{};
    lf.lfHeight = -13;
    lf.lfWeight = FW_BOLD;
    const char16_t face[] = u"System";
    std::copy(std::begin(face), std::end(face), lf.lfFaceName);
    return lf;
}

} // namespace

HFONT CreateFontIndirect(const LOGFONT& lf) {
    ++g_liveObjects;
    return new HFONT__{lf, false}; // a handle is a heap record until DeleteObject
}

HBRUSH CreateSolidBrush(COLORREF color) {
    ++g_liveObjects;
    return new HBRUSH__{{BS_SOLID, color, 0}, false};
}

HPEN CreatePen(int nPenStyle, int nWidth, COLORREF color) {
    ++g_liveObjects;
    return new HPEN__{{static_cast<UINT>(nPenStyle), {nWidth, 0}, color}};
}

BOOL DeleteObject(HPEN hPen) {
    if (hPen == nullptr) {
        return FALSE;
    }
    --g_liveObjects;
    delete hPen;
    return TRUE;
}

BOOL GetObject(HPEN hPen, LOGPEN& lp) {
    if (hPen == nullptr) {
        return FALSE;
    }
    lp = hPen->lp;
    return TRUE;
}

BOOL DeleteObject(HFONT hFont) {
    if (hFont == nullptr || hFont->stock) {
        return FALSE;
    }
    --g_liveObjects;
    delete hFont;
    return TRUE;
}

BOOL DeleteObject(HBRUSH hBrush) {
    if (hBrush == nullptr || hBrush->stock) {
        return FALSE;
    }
    --g_liveObjects;
    delete hBrush;
    return TRUE;
}

BOOL GetObject(HFONT hFont, LOGFONT& lf) {
    if (hFont == nullptr) {
        return FALSE;
    }
    lf = hFont->lf;
    return TRUE;
}

BOOL GetObject(HBRUSH hBrush, LOGBRUSH& lb) {
    if (hBrush == nullptr) {
        return FALSE;
    }
    lb = hBrush->lb;
    return TRUE;
}

const LOGFONT& GetStockSystemFont() {
    static const LOGFONT lf = MakeStockSystemFont();
    return lf;
}

HFONT GetStockFont(int nIndex) {
    static HFONT__ systemFont{GetStockSystemFont(), true};
    return nIndex == SYSTEM_FONT ? &systemFont : nullptr;
}

COLORREF GetSysColor(int nIndex) {
    switch (nIndex) {
    case COLOR_WINDOW:
        return MakeRgb(255, 255, 255);
    case COLOR_BTNFACE:
        return MakeRgb(212, 208, 200);
    default:
        return MakeRgb(0, 0, 0);
    }
}

HBRUSH GetSysColorBrush(int nIndex) {
    static std::array<HBRUSH__, 3> brushes{{{{BS_SOLID, GetSysColor(COLOR_WINDOW), 0}, true},
                                            {{BS_SOLID, GetSysColor(COLOR_BTNFACE), 0}, true},
                                            {{BS_SOLID, GetSysColor(COLOR_WINDOWTEXT), 0}, true}}};
    switch (nIndex) {
    case COLOR_WINDOW:
        return &brushes[0];
    case COLOR_BTNFACE:
        return &brushes[1];
    default:
        return &brushes[2];
    }
}

int MulDiv(int number, int numerator, int denominator) {
    if (denominator == 0) {
        return -1;
    }
    const long long product = static_cast<long long>(number) * numerator;
    const long long half = std::abs(static_cast<long long>(denominator)) / 2;
    return static_cast<int>((product + (product >= 0 ? half : -half)) / denominator);
}

int GdiLiveObjectCount() {
    return g_liveObjects;
}
