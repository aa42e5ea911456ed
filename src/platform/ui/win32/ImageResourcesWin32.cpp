#include "platform/ui/win32/ImageResourcesWin32.h"

#include <map>
#include <utility>

namespace {

// Every icon handed out, by handle: from which group it came.
std::map<HICON, UINT>& IconGroups() {
    static std::map<HICON, UINT> groups;
    return groups;
}

BOOL CALLBACK TakeFirstNumberedGroup(HMODULE /*module*/, LPCWSTR /*type*/, LPWSTR name,
                                     LONG_PTR found) {
    if (!IS_INTRESOURCE(name)) {
        return TRUE;
    }
    *reinterpret_cast<UINT*>(found) = static_cast<UINT>(reinterpret_cast<ULONG_PTR>(name));
    return FALSE;
}

} // namespace

HBITMAP LoadBitmapResource(UINT nID, int dpi) {
    const HINSTANCE module = GetModuleHandleW(nullptr);
    const auto* name = MAKEINTRESOURCEW(nID);
    auto bitmap = static_cast<HBITMAP>(LoadImageW(module, name, IMAGE_BITMAP, 0, 0, 0));
    if (bitmap == nullptr || dpi == 96) {
        return bitmap;
    }
    BITMAP size{};
    GetObjectW(bitmap, sizeof size, &size);
    DeleteObject(bitmap);
    return static_cast<HBITMAP>(LoadImageW(module, name, IMAGE_BITMAP,
                                           MulDiv(size.bmWidth, dpi, 96),
                                           MulDiv(size.bmHeight, dpi, 96), 0));
}

HICON LoadIconResource(UINT nID, bool small) {
    const int cx = GetSystemMetrics(small ? SM_CXSMICON : SM_CXICON);
    const int cy = GetSystemMetrics(small ? SM_CYSMICON : SM_CYICON);
    auto icon = static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(nID),
                                              IMAGE_ICON, cx, cy, LR_SHARED));
    if (icon != nullptr) {
        IconGroups()[icon] = nID;
    }
    return icon;
}

UINT IconResourceId(HICON hIcon) {
    const auto found = IconGroups().find(hIcon);
    return found != IconGroups().end() ? found->second : 0;
}

HICON LoadIconResource(UINT nID) {
    return LoadIconResource(nID, false);
}

HICON LoadProgramIcon(bool small) {
    static const UINT group = [] {
        UINT found = 0;
        EnumResourceNamesW(GetModuleHandleW(nullptr), RT_GROUP_ICON, &TakeFirstNumberedGroup,
                           reinterpret_cast<LONG_PTR>(&found));
        return found;
    }();
    return group != 0 ? LoadIconResource(group, small) : nullptr;
}

void ShowProgramIcon(HWND hWnd) {
    const HICON big = LoadProgramIcon(false);
    if (hWnd == nullptr || big == nullptr) {
        return;
    }
    SendMessageW(hWnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(big));
    SendMessageW(hWnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(LoadProgramIcon(true)));
}
