// What a device context does alike over either backend: it keeps the drawing state, and hands
// each change to its device, which each backend reaches its own way.
#include "platform/ui/CDC.h"

#include "platform/ui/CFont.h"
#include "platform/ui/CPen.h"

#include <utility>

CDC::CDC(HFONT hFont, COLORREF crText, COLORREF crBk, int nBkMode)
    : m_hFont(hFont), m_crText(crText), m_crBk(crBk), m_nBkMode(nBkMode) {}

HFONT CDC::SelectObject(CFont* pFont) {
    return SelectObject(pFont != nullptr ? pFont->m_hObject : nullptr);
}

HFONT CDC::SelectObject(HFONT hFont) {
    if (hFont == nullptr) {
        return nullptr;
    }
    const HFONT previous = std::exchange(m_hFont, hFont);
    ApplyToDevice();
    return previous;
}

HPEN CDC::SelectObject(CPen* pPen) {
    return SelectObject(pPen != nullptr ? pPen->m_hObject : nullptr);
}

HPEN CDC::SelectObject(HPEN hPen) {
    if (hPen == nullptr) {
        return nullptr;
    }
    const HPEN previous = std::exchange(m_hPen, hPen);
    ApplyToDevice();
    return previous;
}

COLORREF CDC::SetTextColor(COLORREF cr) {
    const COLORREF previous = std::exchange(m_crText, cr);
    ApplyToDevice();
    return previous;
}

COLORREF CDC::SetBkColor(COLORREF cr) {
    const COLORREF previous = std::exchange(m_crBk, cr);
    ApplyToDevice();
    return previous;
}

int CDC::SetBkMode(int nBkMode) {
    const int previous = std::exchange(m_nBkMode, nBkMode);
    ApplyToDevice();
    return previous;
}

POINT CDC::MoveTo(int x, int y) {
    return std::exchange(m_ptCurrent, POINT{x, y});
}

bool operator==(const CDC& a, const CDC& b) {
    return a.m_hFont == b.m_hFont && a.m_crText == b.m_crText && a.m_crBk == b.m_crBk &&
           a.m_nBkMode == b.m_nBkMode;
}
