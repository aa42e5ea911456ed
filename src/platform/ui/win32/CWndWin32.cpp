#include "platform/ui/CWnd.h"

#include "platform/ui/win32/Text.h"

namespace {

bool IsEditWindow(HWND hWnd) {
    wchar_t className[8] = {};
    GetClassNameW(hWnd, className, 8);
    return _wcsicmp(className, L"Edit") == 0;
}

} // namespace

int CWnd::GetDlgCtrlID() const {
    return m_hWnd != nullptr ? ::GetDlgCtrlID(m_hWnd) : 0;
}

void CWnd::SetWindowText(const CString& text) {
    if (m_hWnd == nullptr) {
        return;
    }
    // A field whose whole text was selected keeps the new text selected, so that the next
    // number typed still replaces it (the edit control itself would put its caret first).
    DWORD start = 0;
    DWORD end = 0;
    SendMessageW(m_hWnd, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    const auto length = static_cast<DWORD>(GetWindowTextLengthW(m_hWnd));
    const bool allSelected = IsEditWindow(m_hWnd) && length > 0 && start == 0 && end == length;
    SetWindowTextW(m_hWnd, Wide(text));
    if (allSelected) {
        SendMessageW(m_hWnd, EM_SETSEL, 0, -1);
    }
}

CString CWnd::GetWindowText() const {
    return WindowText(m_hWnd);
}

void CWnd::SetFont(HFONT hFont, BOOL bRedraw) {
    if (m_hWnd != nullptr && hFont != nullptr) {
        SendMessageW(m_hWnd, WM_SETFONT, reinterpret_cast<WPARAM>(hFont), MAKELPARAM(bRedraw, 0));
    }
}

HFONT CWnd::GetFont() const {
    return m_hWnd != nullptr ? reinterpret_cast<HFONT>(SendMessageW(m_hWnd, WM_GETFONT, 0, 0))
                             : nullptr;
}

CWnd* CWnd::SetFocus() {
    if (m_hWnd != nullptr) {
        ::SetFocus(m_hWnd);
    }
    return this;
}

void CWnd::RedrawWindow() {
    // The control paints again at once, and its dialog's colour query runs as it does.
    if (m_hWnd != nullptr) {
        ::RedrawWindow(m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    }
}

void CWnd::Invalidate(BOOL bErase) {
    if (m_hWnd != nullptr) {
        InvalidateRect(m_hWnd, nullptr, bErase);
    }
}

void CWnd::SetRedraw(BOOL bRedraw) {
    if (m_hWnd != nullptr) {
        SendMessageW(m_hWnd, WM_SETREDRAW, static_cast<WPARAM>(bRedraw), 0);
    }
}

void CWnd::EnableWindow(BOOL bEnable) {
    if (m_hWnd != nullptr) {
        ::EnableWindow(m_hWnd, bEnable);
    }
}

void CWnd::SetSel(int nStartChar, int nEndChar) {
    if (m_hWnd != nullptr) {
        SendMessageW(m_hWnd, EM_SETSEL, static_cast<WPARAM>(nStartChar),
                     static_cast<LPARAM>(nEndChar));
    }
}

void CWnd::ScrollCaret() {
    if (m_hWnd != nullptr) {
        SendMessageW(m_hWnd, EM_SCROLLCARET, 0, 0);
    }
}

void CWnd::SetCheck(int nCheck) {
    if (m_hWnd != nullptr) {
        SendMessageW(m_hWnd, BM_SETCHECK, static_cast<WPARAM>(nCheck), 0);
    }
}

int CWnd::GetCheck() const {
    return m_hWnd != nullptr ? static_cast<int>(SendMessageW(m_hWnd, BM_GETCHECK, 0, 0))
                             : BST_UNCHECKED;
}

BOOL CWnd::ShowWindow(int nCmdShow) {
    return m_hWnd != nullptr && ::ShowWindow(m_hWnd, nCmdShow) != FALSE;
}

BOOL CWnd::IsWindowVisible() const {
    return m_hWnd != nullptr && ::IsWindowVisible(m_hWnd) != FALSE;
}
