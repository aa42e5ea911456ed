// A device context over the system's own: the state it starts from is read off the device,
// and every change is made on the device too.
#include "platform/ui/CDC.h"

#include "platform/ui/CBrush.h"
#include "platform/ui/win32/Text.h"

CDC CDC::FromHandle(HDC hDC) {
    CDC dc(static_cast<HFONT>(GetCurrentObject(hDC, OBJ_FONT)), ::GetTextColor(hDC),
           ::GetBkColor(hDC), ::GetBkMode(hDC));
    dc.m_hDC = hDC;
    dc.m_hPen = static_cast<HPEN>(GetCurrentObject(hDC, OBJ_PEN));
    return dc;
}

void CDC::ApplyToDevice() const {
    if (m_hDC == nullptr) {
        return;
    }
    if (m_hFont != nullptr) {
        ::SelectObject(m_hDC, m_hFont);
    }
    if (m_hPen != nullptr) {
        ::SelectObject(m_hDC, m_hPen);
    }
    ::SetTextColor(m_hDC, m_crText);
    ::SetBkColor(m_hDC, m_crBk);
    ::SetBkMode(m_hDC, m_nBkMode);
}

void CDC::FillSolidRect(const RECT* lpRect, COLORREF clr) {
    if (m_hDC == nullptr || lpRect == nullptr) {
        return;
    }
    // With a brush of its own, so that the device's background colour stays as it was.
    const HBRUSH brush = ::CreateSolidBrush(clr);
    ::FillRect(m_hDC, lpRect, brush);
    ::DeleteObject(brush);
}

void CDC::FrameRect(const RECT* lpRect, CBrush* pBrush) {
    if (m_hDC != nullptr && lpRect != nullptr && pBrush != nullptr) {
        ::FrameRect(m_hDC, lpRect, pBrush->m_hObject);
    }
}

BOOL CDC::LineTo(int x, int y) {
    if (m_hDC == nullptr) {
        m_ptCurrent = POINT{x, y};
        return FALSE;
    }
    ::MoveToEx(m_hDC, m_ptCurrent.x, m_ptCurrent.y, nullptr);
    const BOOL drawn = ::LineTo(m_hDC, x, y);
    m_ptCurrent = POINT{x, y};
    return drawn;
}

int CDC::DrawText(const CString& str, RECT* lpRect, UINT nFormat) {
    if (m_hDC == nullptr || lpRect == nullptr) {
        return 0;
    }
    return ::DrawTextW(m_hDC, Wide(str), str.GetLength(), lpRect, nFormat | DT_NOPREFIX);
}

SIZE CDC::GetTextExtent(const CString& str) const {
    SIZE size{0, 0};
    if (m_hDC != nullptr) {
        ::GetTextExtentPoint32W(m_hDC, Wide(str), str.GetLength(), &size);
    }
    return size;
}

int CDC::GetDeviceCaps(int nIndex) const {
    if (m_hDC == nullptr) {
        return nIndex == LOGPIXELSX || nIndex == LOGPIXELSY ? 96 : 0;
    }
    return ::GetDeviceCaps(m_hDC, nIndex);
}
