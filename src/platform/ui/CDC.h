#pragma once
#include "Gdi.h"

#ifdef CADDORA_UI_WIN32
#include "win32/CDC.h"
#else

class CFont;

// The drawing state a colour handler may change before a control paints: font, text
// colour, background colour and background mode. The platform fills it with the control's
// current font and the system colours, asks the dialog, and paints with what comes back.
class CDC {
public:
    CDC() = default;
    CDC(HFONT hFont, COLORREF crText, COLORREF crBk, int nBkMode)
        : m_hFont(hFont), m_crText(crText), m_crBk(crBk), m_nBkMode(nBkMode) {}

    // Selects the font and answers the one it replaces.
    HFONT SelectObject(CFont* pFont);
    HFONT SelectObject(HFONT hFont);
    COLORREF SetTextColor(COLORREF cr);
    COLORREF SetBkColor(COLORREF cr);
    int SetBkMode(int nBkMode);

    HFONT GetCurrentFont() const { return m_hFont; }
    COLORREF GetTextColor() const { return m_crText; }
    COLORREF GetBkColor() const { return m_crBk; }
    int GetBkMode() const { return m_nBkMode; }

    friend bool operator==(const CDC&, const CDC&) = default;

private:
    HFONT m_hFont = nullptr;
    COLORREF m_crText = 0;
    COLORREF m_crBk = MakeRgb(255, 255, 255);
    int m_nBkMode = OPAQUE;
};

#endif
