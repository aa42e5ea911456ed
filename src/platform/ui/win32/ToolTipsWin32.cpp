// What each notifying picture of a dialog is, as a tooltip, with the keys that press it.
#include "platform/ui/AcceleratorTable.h"
#include "platform/ui/win32/DialogWindowWin32.h"
#include "platform/ui/win32/Text.h"

namespace {

TOOLINFOW ToolOf(HWND hDialog, HWND hControl, std::wstring& text) {
    TOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.hwnd = hDialog;
    tool.uId = reinterpret_cast<UINT_PTR>(hControl);
    tool.lpszText = text.data();
    return tool;
}

} // namespace

void CDialog::Window::AddToolTips() {
    for (const DialogControl& control : controls) {
        if (control.item->accessibleName == nullptr || !(control.item->style & SS_NOTIFY)) {
            continue;
        }
        if (hToolTip == nullptr) {
            hToolTip =
                CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                                CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                                dialog.m_hWnd, nullptr, GetModuleHandleW(nullptr), nullptr);
        }
        std::wstring text = reinterpret_cast<const wchar_t*>(control.item->accessibleName);
        TOOLINFOW tool = ToolOf(dialog.m_hWnd, control.hWnd, text);
        tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        SendMessageW(hToolTip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    }
}

void CDialog::Window::AddKeyNames(const std::vector<ACCEL>& entries) {
    for (const ACCEL& accel : entries) {
        std::wstring& keys = keyNames[accel.cmd];
        keys += (keys.empty() ? L"" : L", ") + std::wstring(Wide(KeyNameOf(accel)));
    }
    if (hToolTip == nullptr) {
        return;
    }
    for (const DialogControl& control : controls) {
        const auto keys = keyNames.find(control.item->id);
        if (control.item->accessibleName == nullptr || keys == keyNames.end()) {
            continue;
        }
        std::wstring text = reinterpret_cast<const wchar_t*>(control.item->accessibleName);
        text += L" (" + keys->second + L")";
        TOOLINFOW tool = ToolOf(dialog.m_hWnd, control.hWnd, text);
        SendMessageW(hToolTip, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
    }
}
