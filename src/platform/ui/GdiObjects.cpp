// What a font or brush object does with the handle it holds, the same over either backend's
// drawing objects: each backend makes the handles and reads their descriptions its own way.
#include "CBrush.h"
#include "CDC.h"
#include "CFont.h"

#include <utility>

BOOL CFont::Attach(HFONT hFont) {
    if (hFont == nullptr || m_hObject != nullptr) {
        return FALSE;
    }
    m_hObject = hFont;
    return TRUE;
}

HFONT CFont::Detach() {
    return std::exchange(m_hObject, nullptr);
}

BOOL CFont::DeleteObject() {
    if (m_hObject == nullptr) {
        return FALSE;
    }
    return ::DeleteObject(Detach());
}

int CFont::GetLogFont(LOGFONT* pLogFont) const {
    return pLogFont != nullptr && GetObject(m_hObject, *pLogFont) ? sizeof(LOGFONT) : 0;
}

BOOL CBrush::Attach(HBRUSH hBrush) {
    if (hBrush == nullptr || m_hObject != nullptr) {
        return FALSE;
    }
    m_hObject = hBrush;
    return TRUE;
}

HBRUSH CBrush::Detach() {
    return std::exchange(m_hObject, nullptr);
}

BOOL CBrush::DeleteObject() {
    if (m_hObject == nullptr) {
        return FALSE;
    }
    return ::DeleteObject(Detach());
}

int CBrush::GetLogBrush(LOGBRUSH* pLogBrush) const {
    return pLogBrush != nullptr && GetObject(m_hObject, *pLogBrush) ? sizeof(LOGBRUSH) : 0;
}

HFONT CDC::SelectObject(CFont* pFont) {
    return SelectObject(pFont != nullptr ? pFont->m_hObject : nullptr);
}
