#include "platform/ui/MessageBoxWindow.h"

#include "platform/ui/CDialog.h"
#include "platform/ui/win32/ImageResourcesWin32.h"
#include "platform/ui/win32/Text.h"

namespace {

// The system's message box is a window of the program too, but carries no icon of it: it gets
// the program's as it becomes active, before the player sees it.
LRESULT CALLBACK GiveMessageBoxTheProgramIcon(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_ACTIVATE) {
        const auto hWnd = reinterpret_cast<HWND>(wParam);
        if (CDialog::FromHandlePermanent(hWnd) == nullptr &&
            SendMessageW(hWnd, WM_GETICON, ICON_BIG, 0) == 0) {
            ShowProgramIcon(hWnd);
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

} // namespace

int ShowMessageBoxWindow(const CString& text, UINT nType) {
    // Owned by the dialog that runs innermost (or the active one), so that it stays above it
    // and that dialog takes no input meanwhile.
    HWND owner = GetActiveWindow();
    if (const CDialog* modal = CDialog::InnermostModal(); modal != nullptr) {
        owner = modal->m_hWnd;
    }
    // Watches this thread's windows only while the box is shown.
    const HHOOK hook =
        SetWindowsHookExW(WH_CBT, &GiveMessageBoxTheProgramIcon, nullptr, GetCurrentThreadId());
    const int answer = MessageBoxW(owner, Wide(text), L"Caddora", nType | MB_OK);
    if (hook != nullptr) {
        UnhookWindowsHookEx(hook);
    }
    return answer;
}
