#pragma once
#include "platform/ui/Gdi.h"

// Owns at most one brush handle and deletes it with itself.
class CBrush {
public:
    CBrush() = default;
    CBrush(const CBrush&) = delete;
    CBrush& operator=(const CBrush&) = delete;
    ~CBrush() { DeleteObject(); }

    BOOL CreateSolidBrush(COLORREF color);
    BOOL Attach(HBRUSH hBrush);
    HBRUSH Detach();
    BOOL DeleteObject();
    int GetLogBrush(LOGBRUSH* pLogBrush) const;
    operator HBRUSH() const { return m_hObject; } // NOLINT: handle conversion

    HBRUSH m_hObject = nullptr;
};
