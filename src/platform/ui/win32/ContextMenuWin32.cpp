// A dialog's context menu over Win32: a popup menu made from the menu's template each time it
// is shown (TrackPopupMenuEx), its commands appended to the window's system menu, and its keys
// in the dialog's accelerator table. The Menu key and Shift+F10 are accelerators too, so that
// they open this menu even from an edit field, which would show its own.
#include "platform/ui/AcceleratorTable.h"
#include "platform/ui/MenuTemplate.h"
#include "platform/ui/win32/DialogWindowWin32.h"
#include "platform/ui/win32/Text.h"

#include <windowsx.h>

namespace {

// The command of the two keys that open the menu; below the system menu's own (0xF000 and
// up), as commands of a system menu must be.
constexpr WORD kOpenContextMenu = 0xEFF0;

std::wstring ItemText(const MenuItemTemplate& item) {
    std::wstring text = Wide(CString(item.text));
    if (item.fVirt != 0) {
        text += L'\t';
        text += Wide(KeyNameOf(ACCEL{item.fVirt, item.key, 0}));
    }
    return text;
}

void AppendItems(HMENU menu, const std::vector<MenuItemTemplate>& items, const CDialog& dialog) {
    for (const MenuItemTemplate& item : items) {
        if (item.text == nullptr) {
            AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
        } else if (!item.items.empty()) {
            const HMENU submenu = CreatePopupMenu();
            AppendItems(submenu, item.items, dialog);
            AppendMenuW(menu, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(submenu),
                        ItemText(item).c_str());
        } else {
            const UINT checked = dialog.IsMenuItemChecked(item.id) ? MF_CHECKED : MF_UNCHECKED;
            AppendMenuW(menu, MF_STRING | checked, item.id, ItemText(item).c_str());
        }
    }
}

bool HasCommand(const std::vector<MenuItemTemplate>& items, UINT nID) {
    for (const MenuItemTemplate& item : items) {
        if ((item.id == nID && item.text != nullptr && item.items.empty()) ||
            HasCommand(item.items, nID)) {
            return true;
        }
    }
    return false;
}

} // namespace

void CDialog::Window::AddAccelerators(const std::vector<ACCEL>& entries) {
    accelerators.insert(accelerators.end(), entries.begin(), entries.end());
    if (hAccel != nullptr) {
        DestroyAcceleratorTable(hAccel);
    }
    hAccel = CreateAcceleratorTableW(accelerators.data(), static_cast<int>(accelerators.size()));
}

void CDialog::Window::ShowContextMenu(int x, int y) {
    const MenuTemplate* menuTemplate = dialog.GetContextMenu();
    if (menuTemplate == nullptr) {
        return;
    }
    if (x == -1 && y == -1) {
        // From the keyboard: below the control that has the focus, as menus open from it.
        RECT focus{};
        GetWindowRect(GetFocus() != nullptr ? GetFocus() : dialog.m_hWnd, &focus);
        x = focus.left;
        y = focus.bottom;
    }
    const HMENU popup = CreatePopupMenu();
    AppendItems(popup, menuTemplate->items, dialog);
    const UINT nID = static_cast<UINT>(
        TrackPopupMenuEx(popup, TPM_RETURNCMD | TPM_RIGHTBUTTON, x, y, dialog.m_hWnd, nullptr));
    DestroyMenu(popup);
    if (nID != 0) {
        dialog.OnCommand(nID, 0);
    }
}

bool CDialog::Window::OnMenuCommand(UINT nID) {
    const MenuTemplate* menuTemplate = dialog.GetContextMenu();
    if (nID == kOpenContextMenu) {
        ShowContextMenu(-1, -1);
        return true;
    }
    if (menuTemplate == nullptr || !HasCommand(menuTemplate->items, nID)) {
        return false;
    }
    dialog.OnCommand(nID, 0);
    return true;
}

BOOL CDialog::AttachContextMenu(const MenuTemplate& menu) {
    std::vector<ACCEL> keys = MenuAccelerators(menu);
    keys.push_back(ACCEL{FVIRTKEY, VK_APPS, kOpenContextMenu});
    keys.push_back(ACCEL{FVIRTKEY | FSHIFT, VK_F10, kOpenContextMenu});
    m_window->AddAccelerators(keys);
    if (const HMENU system = GetSystemMenu(m_hWnd, FALSE)) {
        AppendMenuW(system, MF_SEPARATOR, 0, nullptr);
        AppendItems(system, menu.items, *this);
    }
    return TRUE;
}

void CDialog::ShowMenuItemCheck(UINT nIDItem) {
    if (m_hWnd == nullptr) {
        return;
    }
    if (const HMENU system = GetSystemMenu(m_hWnd, FALSE)) {
        ::CheckMenuItem(system, nIDItem,
                        MF_BYCOMMAND | (IsMenuItemChecked(nIDItem) ? MF_CHECKED : MF_UNCHECKED));
    }
}
