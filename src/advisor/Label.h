#pragma once
// A static text that carries its own font, text colour and background brush, so that one
// caption can be bold or larger without touching its dialog's font. Bound to a static
// control through DDX_Control; its colours reach the control through the reflected colour
// query. Part of the program's exported interface.
#include "platform/ui/CFont.h"
#include "platform/ui/CStatic.h"

#ifdef _WIN32
#define CADDORA_EXPORT __declspec(dllexport)
#else
#define CADDORA_EXPORT __attribute__((visibility("default")))
#endif

class CADDORA_EXPORT CLabel : public CStatic {
public:
    CLabel();
    ~CLabel() override;

    // Each setter answers the label itself, so that calls can be chained.
    CLabel& SetTextColor(COLORREF crText);
    CLabel& SetFontBold(BOOL bBold);
    // The character height in pixels, given to the font as a negative height.
    CLabel& SetFontSize(int nSize);
    // Takes effect at the next repaint.
    CLabel& SetBkColor(COLORREF crBkgnd);

    COLORREF GetTextColor() const { return m_textColor; }
    HBRUSH GetBackgroundBrush() const { return m_backgroundBrush; }
    const LOGFONT& GetLogFont() const { return m_logFont; }
    HFONT GetLabelFont() const { return m_font.m_hObject; }

protected:
    void ReconstructFont();
    HBRUSH CtlColor(CDC* pDC, UINT nCtlColor);

    COLORREF m_textColor;
    HBRUSH m_backgroundBrush;
    LOGFONT m_logFont;
    CFont m_font;

    DECLARE_MESSAGE_MAP()
};
