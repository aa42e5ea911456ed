#pragma once
// A device context: the drawing state a colour handler may change before a control paints
// (font, text colour, background colour, background mode), over a device of the system's or
// over none. Over a device (the real device context of a colour query on Windows, the
// toolkit's painter elsewhere) it starts from the device's state, and what is set goes to
// the device as well, so that what a handler sets is what the control paints with. Over none
// it is the state alone: a colour rule checked without a window.
#include "platform/ui/Gdi.h"

class CFont;

class CDC {
public:
    CDC() = default;
    CDC(HFONT hFont, COLORREF crText, COLORREF crBk, int nBkMode);

    // Over a device context, which it does not own.
    static CDC FromHandle(HDC hDC);

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

    // The same drawing state, whatever the device.
    friend bool operator==(const CDC& a, const CDC& b);

private:
    // Gives the device the state held here; nothing without a device.
    void ApplyToDevice() const;

    HDC m_hDC = nullptr;
    // A device context starts as every device context does: the stock font of the device,
    // black text on a white background, opaque.
    HFONT m_hFont = nullptr;
    COLORREF m_crText = 0;
    COLORREF m_crBk = MakeRgb(255, 255, 255);
    int m_nBkMode = OPAQUE;
};
