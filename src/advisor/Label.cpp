#include "advisor/Label.h"

#include "platform/ui/CDC.h"

BEGIN_MESSAGE_MAP(CLabel, CStatic)
ON_WM_CTLCOLOR_REFLECT()
END_MESSAGE_MAP()

CLabel::CLabel()
    : m_textColor(GetSysColor(COLOR_WINDOWTEXT)),
      m_backgroundBrush(CreateSolidBrush(MakeRgb(255, 255, 255))) {
    GetObject(GetStockFont(SYSTEM_FONT), m_logFont);
    m_font.CreateFontIndirect(&m_logFont);
}

CLabel::~CLabel() {
    m_font.DeleteObject();
    DeleteObject(m_backgroundBrush);
}

CLabel& CLabel::SetTextColor(COLORREF crText) {
    m_textColor = crText;
    RedrawWindow();
    return *this;
}

CLabel& CLabel::SetFontBold(BOOL bBold) {
    m_logFont.lfWeight = bBold ? FW_BOLD : FW_NORMAL;
    ReconstructFont();
    RedrawWindow();
    return *this;
}

CLabel& CLabel::SetFontSize(int nSize) {
    m_logFont.lfHeight = -nSize;
    ReconstructFont();
    RedrawWindow();
    return *this;
}

CLabel& CLabel::SetBkColor(COLORREF crBkgnd) {
    if (m_backgroundBrush != nullptr) {
        DeleteObject(m_backgroundBrush);
    }
    m_backgroundBrush = CreateSolidBrush(crBkgnd);
    return *this;
}

void CLabel::ReconstructFont() {
    m_font.DeleteObject();
    m_font.CreateFontIndirect(&m_logFont);
}

HBRUSH CLabel::CtlColor(CDC* pDC, UINT nCtlColor) {
    if (nCtlColor == CTLCOLOR_STATIC) {
        pDC->SelectObject(&m_font);
        pDC->SetTextColor(m_textColor);
        pDC->SetBkMode(TRANSPARENT);
    }
    return m_backgroundBrush;
}
