// What a window object does the same over either backend: fonts given as objects, the
// colour query's default answer and its reflection to the control, and letting go of the
// window.
#include "platform/ui/CFont.h"
#include "platform/ui/CWnd.h"

#include <utility>

BEGIN_MESSAGE_MAP(CWnd, CCmdTarget)
END_MESSAGE_MAP()

void CWnd::SetFont(CFont* pFont, BOOL bRedraw) {
    SetFont(pFont != nullptr ? pFont->m_hObject : nullptr, bRedraw);
}

HBRUSH CWnd::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor) {
    if (pWnd != nullptr && pWnd != this) {
        if (HBRUSH hbr = pWnd->ReflectCtlColor(pDC, nCtlColor)) {
            return hbr;
        }
    }
    return GetSysColorBrush(nCtlColor == CTLCOLOR_EDIT ? COLOR_WINDOW : COLOR_BTNFACE);
}

HBRUSH CWnd::ReflectCtlColor(CDC* pDC, UINT nCtlColor) {
    const AFX_MSGMAP_ENTRY* entry = FindMessageEntry(AFX_MSGMAP_ENTRY::CtlColorReflect);
    return entry != nullptr ? (this->*entry->pfnCtlColorReflect)(pDC, nCtlColor) : nullptr;
}

HWND CWnd::UnsubclassWindow() {
    return std::exchange(m_hWnd, nullptr);
}
