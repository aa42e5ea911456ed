#include "platform/ui/MessageBoxWindow.h"

#include "platform/ui/CDialog.h"
#include "platform/ui/win32/Text.h"

int ShowMessageBoxWindow(const CString& text, UINT nType) {
    // Owned by the dialog that runs innermost (or the active one), so that it stays above it
    // and that dialog takes no input meanwhile.
    HWND owner = GetActiveWindow();
    if (const CDialog* modal = CDialog::InnermostModal(); modal != nullptr) {
        owner = modal->m_hWnd;
    }
    return MessageBoxW(owner, Wide(text), L"Caddora", nType | MB_OK);
}
