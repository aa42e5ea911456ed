#include "platform/ui/win32/ImageResourcesWin32.h"

#include <map>
#include <utility>

namespace {

// Every icon handed out, by handle: from which group it came.
std::map<HICON, UINT>& IconGroups() {
    static std::map<HICON, UINT> groups;
    return groups;
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
