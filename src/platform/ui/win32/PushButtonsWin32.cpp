// The dialogs' push buttons are drawn by the dialog (owner-drawn), flat, in the colours their
// colour query answered, as the handheld paints them.
#include "platform/ui/win32/DialogWindowWin32.h"
#include "platform/ui/win32/Text.h"

namespace {

COLORREF Darker(COLORREF c, int percent) {
    return MakeRgb(static_cast<BYTE>(RgbRed(c) * 100 / percent),
                   static_cast<BYTE>(RgbGreen(c) * 100 / percent),
                   static_cast<BYTE>(RgbBlue(c) * 100 / percent));
}

void Frame(HDC hdc, const RECT& area, COLORREF colour) {
    const HBRUSH brush = CreateSolidBrush(colour);
    FrameRect(hdc, &area, brush);
    DeleteObject(brush);
}

} // namespace

void CDialog::Window::DrawPushButton(const DRAWITEMSTRUCT& item) {
    DialogControl* control = ByHandle(item.hwndItem);
    if (control == nullptr) {
        return;
    }
    // The button asked its colour query on this device context just before: its answer is
    // what the face is painted with. Asked now where it did not.
    if (control->hdcButton != item.hDC || control->hbrButton == nullptr) {
        OnCtlColorMessage(item.hDC, item.hwndItem, CTLCOLOR_BTN);
    }
    const HDC hdc = item.hDC;
    const HBRUSH face = control->hbrButton;
    control->hdcButton = nullptr;
    RECT area = item.rcItem;
    LOGBRUSH lb{};
    GetObject(face, lb);
    // Pressed, the face darkens, so that a click shows before the dialog acts on it.
    const bool pressed = (item.itemState & ODS_SELECTED) != 0;
    const HBRUSH fill = pressed ? CreateSolidBrush(Darker(lb.lbColor, 130)) : nullptr;
    FillRect(hdc, &area, fill != nullptr ? fill : face);
    if (fill != nullptr) {
        DeleteObject(fill);
    }
    // The edge: black round the button that Enter presses, as the handheld marks it, else a
    // darker face.
    const LRESULT defId = SendMessageW(dialog.m_hWnd, DM_GETDEFID, 0, 0);
    const bool isDefault =
        HIWORD(defId) == DC_HASDEFID && LOWORD(defId) == static_cast<WORD>(control->item->id);
    Frame(hdc, area, isDefault ? MakeRgb(0, 0, 0) : Darker(lb.lbColor, 160));
    if (item.itemState & ODS_FOCUS) {
        RECT ring = area;
        InflateRect(&ring, -3, -3);
        Frame(hdc, ring, GetTextColor(hdc));
    }
    const CString caption = WindowText(item.hwndItem);
    SetBkMode(hdc, TRANSPARENT);
    if (item.itemState & ODS_DISABLED) {
        SetTextColor(hdc, GetSysColor(COLOR_GRAYTEXT));
    }
    DrawTextW(hdc, Wide(caption), caption.GetLength(), &area,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}
