#include "platform/ui/CBrush.h"
#include "platform/ui/CDC.h"
#include "platform/ui/CFont.h"

const LOGFONT& GetStockSystemFont() {
    static const LOGFONT lf = [] {
        LOGFONT stock{};
        GetObject(GetStockFont(SYSTEM_FONT), stock);
        return stock;
    }();
    return lf;
}

BOOL CFont::CreateFontIndirect(const LOGFONT* lpLogFont) {
    if (lpLogFont == nullptr || m_hObject != nullptr) {
        return FALSE;
    }
    m_hObject = ::CreateFontIndirectW(lpLogFont);
    return m_hObject != nullptr;
}

BOOL CBrush::CreateSolidBrush(COLORREF color) {
    if (m_hObject != nullptr) {
        return FALSE;
    }
    m_hObject = ::CreateSolidBrush(color);
    return m_hObject != nullptr;
}

// A memory device context starts as every device context does: the stock system font,
// black text on a white background, opaque.
CDC::CDC() : m_hDC(CreateCompatibleDC(nullptr)), m_bOwned(true) {}

CDC::CDC(HFONT hFont, COLORREF crText, COLORREF crBk, int nBkMode) : CDC() {
    SelectObject(hFont);
    SetTextColor(crText);
    SetBkColor(crBk);
    SetBkMode(nBkMode);
}

CDC::CDC(const CDC& other) : CDC() {
    CopyStateFrom(other);
}

CDC& CDC::operator=(const CDC& other) {
    if (this != &other) {
        CopyStateFrom(other);
    }
    return *this;
}

CDC::~CDC() {
    if (m_bOwned && m_hDC != nullptr) {
        DeleteDC(m_hDC);
    }
}

CDC CDC::FromHandle(HDC hDC) {
    return CDC(hDC, Attached{});
}

void CDC::CopyStateFrom(const CDC& other) {
    SelectObject(other.GetCurrentFont());
    SetTextColor(other.GetTextColor());
    SetBkColor(other.GetBkColor());
    SetBkMode(other.GetBkMode());
}

HFONT CDC::SelectObject(HFONT hFont) {
    if (hFont == nullptr) {
        return nullptr;
    }
    return static_cast<HFONT>(::SelectObject(m_hDC, hFont));
}

COLORREF CDC::SetTextColor(COLORREF cr) {
    return ::SetTextColor(m_hDC, cr);
}

COLORREF CDC::SetBkColor(COLORREF cr) {
    return ::SetBkColor(m_hDC, cr);
}

int CDC::SetBkMode(int nBkMode) {
    return ::SetBkMode(m_hDC, nBkMode);
}

HFONT CDC::GetCurrentFont() const {
    return static_cast<HFONT>(GetCurrentObject(m_hDC, OBJ_FONT));
}

COLORREF CDC::GetTextColor() const {
    return ::GetTextColor(m_hDC);
}

COLORREF CDC::GetBkColor() const {
    return ::GetBkColor(m_hDC);
}

int CDC::GetBkMode() const {
    return ::GetBkMode(m_hDC);
}

bool operator==(const CDC& a, const CDC& b) {
    return a.GetCurrentFont() == b.GetCurrentFont() && a.GetTextColor() == b.GetTextColor() &&
           a.GetBkColor() == b.GetBkColor() && a.GetBkMode() == b.GetBkMode();
}
