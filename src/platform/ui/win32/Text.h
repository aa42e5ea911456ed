#pragma once
// The class library's text as the wide strings of the Windows API, and back: both are
// 16-bit characters.
#include "platform/core/CString.h"
#include "platform/ui/UiApi.h"

inline LPCWSTR Wide(const CString& text) {
    return reinterpret_cast<LPCWSTR>(text.GetString());
}

// A window's text (WM_GETTEXT), whatever its length.
inline CString WindowText(HWND hWnd) {
    if (hWnd == nullptr) {
        return CString();
    }
    std::u16string text(static_cast<std::size_t>(GetWindowTextLengthW(hWnd)) + 1, u'\0');
    const int length =
        GetWindowTextW(hWnd, reinterpret_cast<LPWSTR>(text.data()), static_cast<int>(text.size()));
    text.resize(static_cast<std::size_t>(length > 0 ? length : 0));
    return CString(std::move(text));
}
