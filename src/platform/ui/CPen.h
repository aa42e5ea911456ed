#pragma once
#include "platform/ui/Gdi.h"

// Owns at most one pen handle and deletes it with itself.
class CPen {
public:
    CPen() = default;
    CPen(int nPenStyle, int nWidth, COLORREF color) { CreatePen(nPenStyle, nWidth, color); }
    CPen(const CPen&) = delete;
    CPen& operator=(const CPen&) = delete;
    ~CPen() { DeleteObject(); }

    BOOL CreatePen(int nPenStyle, int nWidth, COLORREF color);
    BOOL DeleteObject();
    operator HPEN() const { return m_hObject; } // NOLINT: handle conversion

    HPEN m_hObject = nullptr;
};
