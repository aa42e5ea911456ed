#pragma once
#include "platform/ui/Gdi.h"

// Owns at most one font handle and deletes it with itself.
class CFont {
public:
    CFont() = default;
    CFont(const CFont&) = delete;
    CFont& operator=(const CFont&) = delete;
    ~CFont() { DeleteObject(); }

    BOOL CreateFontIndirect(const LOGFONT* lpLogFont);
    BOOL Attach(HFONT hFont);
    HFONT Detach();
    // Releases the held font; nothing happens when there is none.
    BOOL DeleteObject();
    int GetLogFont(LOGFONT* pLogFont) const;
    operator HFONT() const { return m_hObject; } // NOLINT: handle conversion, as callers expect

    HFONT m_hObject = nullptr;
};
