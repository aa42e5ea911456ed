// A device context over the system's own: the state it starts from is read off the device,
// and every change is made on the device too.
#include "platform/ui/CDC.h"

CDC CDC::FromHandle(HDC hDC) {
    CDC dc(static_cast<HFONT>(GetCurrentObject(hDC, OBJ_FONT)), ::GetTextColor(hDC),
           ::GetBkColor(hDC), ::GetBkMode(hDC));
    dc.m_hDC = hDC;
    return dc;
}

void CDC::ApplyToDevice() const {
    if (m_hDC == nullptr) {
        return;
    }
    if (m_hFont != nullptr) {
        ::SelectObject(m_hDC, m_hFont);
    }
    ::SetTextColor(m_hDC, m_crText);
    ::SetBkColor(m_hDC, m_crBk);
    ::SetBkMode(m_hDC, m_nBkMode);
}
