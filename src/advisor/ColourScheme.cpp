#include "advisor/ColourScheme.h"

namespace {

constexpr COLORREF kBlack = MakeRgb(0, 0, 0);
constexpr COLORREF kWhite = MakeRgb(255, 255, 255);

HBRUSH SchemeCtlColor(CDC& dc, UINT nCtlColor, HBRUSH hbrBase, HBRUSH hbrLight, HBRUSH hbrDark) {
    switch (nCtlColor) {
    case CTLCOLOR_EDIT:
        dc.SetTextColor(kBlack);
        dc.SetBkColor(kWhite);
        return hbrBase;
    case CTLCOLOR_BTN:
        if (hbrDark == nullptr) {
            return hbrLight;
        }
        dc.SetTextColor(kWhite);
        return hbrDark;
    case CTLCOLOR_STATIC: {
        // The colour is read from the brush itself each time, so that the text cells
        // always match what the background is painted with.
        LOGBRUSH lb{};
        GetObject(hbrLight, lb);
        dc.SetTextColor(kBlack);
        dc.SetBkColor(lb.lbColor);
        return hbrLight;
    }
    default:
        return hbrLight;
    }
}

} // namespace

HBRUSH MainDialogCtlColor(CDC& dc, UINT nCtlColor, HBRUSH hbrBase, HBRUSH hbrLight) {
    return SchemeCtlColor(dc, nCtlColor, hbrBase, hbrLight, nullptr);
}

HBRUSH ButtonDialogCtlColor(CDC& dc, UINT nCtlColor, HBRUSH hbrBase, HBRUSH hbrLight,
                            HBRUSH hbrDark) {
    return SchemeCtlColor(dc, nCtlColor, hbrBase, hbrLight, hbrDark);
}
