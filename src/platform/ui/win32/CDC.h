#pragma once
// A device context: the drawing state a colour handler may change before a control paints
// (font, text colour, background colour, background mode). The platform hands the handler
// one over the real device context of the WM_CTLCOLOR* message, so that what the handler
// sets is what the control paints with. One made without a device context of the system's
// (a colour rule checked without a window) owns a memory device context of its own.
#include "Gdi.h"

class CFont;

class CDC {
public:
    CDC();
    CDC(HFONT hFont, COLORREF crText, COLORREF crBk, int nBkMode);
    CDC(const CDC& other);
    CDC& operator=(const CDC& other);
    ~CDC();

    // Over a device context of the system's, which it does not own.
    static CDC FromHandle(HDC hDC);
    HDC GetSafeHdc() const { return m_hDC; }

    // Selects the font and answers the one it replaces.
    HFONT SelectObject(CFont* pFont);
    HFONT SelectObject(HFONT hFont);
    COLORREF SetTextColor(COLORREF cr);
    COLORREF SetBkColor(COLORREF cr);
    int SetBkMode(int nBkMode);

    HFONT GetCurrentFont() const;
    COLORREF GetTextColor() const;
    COLORREF GetBkColor() const;
    int GetBkMode() const;

    friend bool operator==(const CDC& a, const CDC& b);

private:
    struct Attached {};
    CDC(HDC hDC, Attached) : m_hDC(hDC), m_bOwned(false) {}
    void CopyStateFrom(const CDC& other);

    HDC m_hDC;
    bool m_bOwned;
};
