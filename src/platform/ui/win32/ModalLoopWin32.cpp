// The modal loop of the dialogs over Win32, and what it does with each message: the dialog's
// accelerator keys first, then the dialog manager's own keys.
#include "platform/ui/win32/DialogWindowWin32.h"
#include "platform/ui/win32/MessageLoop.h"

std::vector<CDialog*>& ModalStack() {
    static std::vector<CDialog*> stack;
    return stack;
}

CDialog* CDialog::InnermostModal() {
    return ModalStack().empty() ? nullptr : ModalStack().back();
}

int CDialog::Window::RunModalLoop() {
    if (!dialog.m_bEnded && !::IsWindowVisible(dialog.m_hWnd)) {
        ::ShowWindow(dialog.m_hWnd, SW_SHOWNORMAL);
    }
    MSG msg{};
    while (!dialog.m_bEnded) {
        const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
        if (got == 0) {
            // The thread is asked to end: the loops outside see it too.
            PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        if (got == -1) {
            break;
        }
        if (!AfxPreTranslateMessage(msg)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
    }
    return dialog.m_nModalResult;
}

BOOL AfxPreTranslateMessage(MSG& msg) {
    if (msg.hwnd == nullptr) {
        return FALSE;
    }
    const HWND top = GetAncestor(msg.hwnd, GA_ROOT);
    CDialog* dialog = CDialog::FromHandlePermanent(top);
    if (dialog == nullptr || dialog->m_hWnd != top) {
        return FALSE;
    }
    // An Alt key that gave a command is no Alt pressed alone: its release (WM_KEYUP when it
    // comes up before the letter) does not open the system menu, which would take the keys
    // that follow.
    static bool altGaveCommand = false;
    const bool altKey = msg.wParam == VK_MENU || msg.wParam == VK_LMENU || msg.wParam == VK_RMENU;
    if (altKey && msg.message == WM_SYSKEYDOWN) {
        altGaveCommand = false;
    }
    if (altKey && altGaveCommand && (msg.message == WM_SYSKEYUP || msg.message == WM_KEYUP)) {
        altGaveCommand = false;
        return TRUE;
    }
    if (msg.message >= WM_KEYFIRST && msg.message <= WM_KEYLAST && IsWindowEnabled(top)) {
        const CDialog::Window* window = CDialog::Window::Of(*dialog);
        if (window != nullptr && window->hAccel != nullptr &&
            TranslateAcceleratorW(top, window->hAccel, &msg)) {
            altGaveCommand = altGaveCommand || msg.message == WM_SYSKEYDOWN;
            return TRUE;
        }
    }
    return IsDialogMessageW(top, &msg);
}

void AfxPumpWaitingMessages() {
    MSG msg{};
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            return;
        }
        if (!AfxPreTranslateMessage(msg)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
    }
}
