#pragma once
// A device context: the drawing state a colour handler may change before a control paints
// (font, text colour, background colour, background mode), over a device of the system's or
// over none. Over a device (the real device context of a colour query on Windows, the
// toolkit's painter elsewhere) it starts from the device's state, and what is set goes to
// the device as well, so that what a handler sets is what the control paints with. Over none
// it is the state alone: a colour rule checked without a window.
#include "platform/core/CString.h"
#include "platform/ui/Gdi.h"

class CBrush;
class CFont;
class CPen;

class CDC {
public:
    CDC() = default;
    CDC(HFONT hFont, COLORREF crText, COLORREF crBk, int nBkMode);

    // Over a device context, which it does not own.
    static CDC FromHandle(HDC hDC);

    // Selects the font and answers the one it replaces.
    HFONT SelectObject(CFont* pFont);
    HFONT SelectObject(HFONT hFont);
    // Selects the pen that lines are drawn with and answers the one it replaces.
    HPEN SelectObject(CPen* pPen);
    HPEN SelectObject(HPEN hPen);
    COLORREF SetTextColor(COLORREF cr);
    COLORREF SetBkColor(COLORREF cr);
    int SetBkMode(int nBkMode);

    HFONT GetCurrentFont() const { return m_hFont; }
    COLORREF GetTextColor() const { return m_crText; }
    COLORREF GetBkColor() const { return m_crBk; }
    int GetBkMode() const { return m_nBkMode; }

    // Drawing on the device, in its logical units; nothing happens without a device.
    void FillSolidRect(const RECT* lpRect, COLORREF clr);
    // A frame one unit wide just inside the rectangle, in the brush's colour.
    void FrameRect(const RECT* lpRect, CBrush* pBrush);
    POINT MoveTo(int x, int y);
    // A line in the selected pen from the current position to the point, which becomes the
    // current position.
    BOOL LineTo(int x, int y);
    // The text in the rectangle, in the selected font and text colour, as the format says
    // (DT_LEFT, DT_CENTER, DT_RIGHT, DT_VCENTER, DT_SINGLELINE, DT_WORDBREAK, DT_END_ELLIPSIS);
    // with DT_CALCRECT it is only measured, the rectangle's right and bottom edge moved to
    // hold it. Answers the text's height.
    int DrawText(const CString& str, RECT* lpRect, UINT nFormat);
    SIZE GetTextExtent(const CString& str) const;
    // LOGPIXELSX and LOGPIXELSY: the device's logical units per inch; HORZRES and VERTRES: its
    // size in them.
    int GetDeviceCaps(int nIndex) const;

    // The same drawing state, whatever the device.
    friend bool operator==(const CDC& a, const CDC& b);

private:
    // Gives the device the state held here; nothing without a device.
    void ApplyToDevice() const;

    HDC m_hDC = nullptr;
    HPEN m_hPen = nullptr;
    POINT m_ptCurrent{0, 0};
    // A device context starts as every device context does: the stock font of the device,
    // black text on a white background, opaque.
    HFONT m_hFont = nullptr;
    COLORREF m_crText = 0;
    COLORREF m_crBk = MakeRgb(255, 255, 255);
    int m_nBkMode = OPAQUE;
};
