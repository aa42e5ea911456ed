// What a font or brush object does with the handle it holds, over the system's drawing objects
// or their stand-ins alike.
#include "platform/ui/CBrush.h"
#include "platform/ui/CFont.h"
#include "platform/ui/CPen.h"

#include <utility>

BOOL CFont::CreateFontIndirect(const LOGFONT* lpLogFont) {
    if (lpLogFont == nullptr || m_hObject != nullptr) {
        return FALSE;
    }
    m_hObject = ::CreateFontIndirect(*lpLogFont);
    return m_hObject != nullptr;
}

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

BOOL CBrush::CreateSolidBrush(COLORREF color) {
    if (m_hObject != nullptr) {
        return FALSE;
    }
    m_hObject = ::CreateSolidBrush(color);
    return m_hObject != nullptr;
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

BOOL CPen::CreatePen(int nPenStyle, int nWidth, COLORREF color) {
    if (m_hObject != nullptr) {
        return FALSE;
    }
    m_hObject = ::CreatePen(nPenStyle, nWidth, color);
    return m_hObject != nullptr;
}

BOOL CPen::DeleteObject() {
    if (m_hObject == nullptr) {
        return FALSE;
    }
    return ::DeleteObject(std::exchange(m_hObject, nullptr));
}
