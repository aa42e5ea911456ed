#include "platform/ui/win32/NumberEdit.h"

#include "platform/ui/PlatformTexts.h"
#include "platform/ui/win32/Text.h"

#include <string_view>

namespace {

constexpr UINT_PTR kSubclassId = 0x4E55; // one per field; the number is the field's own

bool ClipboardHoldsOnlyDigits(HWND owner) {
    if (!OpenClipboard(owner)) {
        return true; // nothing to read is nothing to refuse: the edit pastes nothing either
    }
    bool digits = true;
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        if (const auto* text = static_cast<const wchar_t*>(GlobalLock(data))) {
            for (const wchar_t c : std::wstring_view(text)) {
                digits = digits && c >= L'0' && c <= L'9';
            }
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return digits;
}

void ShowRefusal(HWND edit) {
    EDITBALLOONTIP tip{};
    tip.cbStruct = sizeof tip;
    tip.pszTitle = L"";
    const CString hint = PlatformText(AFX_IDS_DIGITS_ONLY);
    tip.pszText = Wide(hint);
    tip.ttiIcon = TTI_NONE;
    if (!SendMessageW(edit, EM_SHOWBALLOONTIP, 0, reinterpret_cast<LPARAM>(&tip))) {
        MessageBeep(MB_OK); // where the edit shows no balloon, the refusal is still heard
    }
}

LRESULT CALLBACK NumberEditProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                DWORD_PTR /*data*/) {
    switch (message) {
    case WM_PASTE:
        if (!ClipboardHoldsOnlyDigits(hWnd)) {
            ShowRefusal(hWnd);
            return 0;
        }
        break;
    case WM_NCDESTROY:
        RemoveWindowSubclass(hWnd, &NumberEditProc, id);
        break;
    default:
        break;
    }
    return DefSubclassProc(hWnd, message, wParam, lParam);
}

} // namespace

void RefuseNonDigitPastes(HWND edit) {
    SetWindowSubclass(edit, &NumberEditProc, kSubclassId, 0);
}
