// What every window of a dialog over Win32 answers: the dialog procedure's work, message by
// message.
#include "platform/ui/CDC.h"
#include "platform/ui/CWinApp.h"
#include "platform/ui/win32/DialogWindowWin32.h"
#include "platform/ui/win32/ImageResourcesWin32.h"
#include "platform/ui/win32/MessageLoop.h"

#include <windowsx.h>

namespace {

// The answer of a dialog procedure to a message whose result is a value.
INT_PTR Answer(HWND hDlg, LRESULT result) {
    SetWindowLongPtrW(hDlg, DWLP_MSGRESULT, result);
    return TRUE;
}

} // namespace

INT_PTR CDialog::Window::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        return OnInitDialogMessage();
    case WM_COMMAND:
        OnCommandMessage(wParam, lParam);
        return TRUE;
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
        return OnCtlColorMessage(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam),
                                 message - WM_CTLCOLORMSGBOX);
    case WM_DRAWITEM:
        return OnDrawItemMessage(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
    case DM_GETDEFID: {
        // Enter presses the push button that has the focus, else the template's default.
        const DialogControl* focused = ByHandle(GetFocus());
        const int id = focused != nullptr && focused->kind->ownerDrawn ? focused->item->id
                                                                       : dialog.m_nDefaultId;
        return Answer(dialog.m_hWnd, MAKELRESULT(static_cast<WORD>(id), DC_HASDEFID));
    }
    case DM_SETDEFID:
        dialog.SetDefID(static_cast<UINT>(wParam));
        return Answer(dialog.m_hWnd, TRUE);
    case WM_CLOSE:
        if (closeCommand != 0) {
            dialog.OnCommand(closeCommand, 0);
        }
        return TRUE;
    case WM_CONTEXTMENU:
        ShowContextMenu(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
        return TRUE;
    case WM_SYSCOMMAND:
        // The low four bits are the system's own.
        return OnMenuCommand(static_cast<UINT>(wParam & 0xFFF0)) ? TRUE : FALSE;
    case WM_QUERYENDSESSION:
    case WM_ENDSESSION:
        return OnSessionMessage(message, wParam);
    default:
        return FALSE;
    }
}

BOOL CDialog::Window::OnInitDialogMessage() {
    AdoptControls();
    // Every window of the program shows its icon; a dialog may choose its own in its handler.
    ShowProgramIcon(dialog.m_hWnd);
    // A dialog that opens over another one stands centred over it, as Qt places it.
    if (GetWindow(dialog.m_hWnd, GW_OWNER) != nullptr) {
        dialog.CenterWindow();
    }
    // TRUE: the dialog manager gives the focus to the first tab stop. The handler may end the
    // dialog, and with it this window.
    CDialog& owner = dialog;
    const BOOL focusFirstTabStop = owner.OnInitDialog();
    if (Window* window = Of(owner)) {
        window->KeepTemplateTabStops();
    }
    return focusFirstTabStop;
}

void CDialog::Window::OnCommandMessage(WPARAM wParam, LPARAM lParam) {
    UINT nCode = HIWORD(wParam);
    // An accelerator key arrives as code 1 from no control: a tap on its picture.
    if (lParam == 0 && nCode == 1) {
        nCode = 0;
    }
    CDialog& owner = dialog;
    if (nCode != 0 || !OnMenuCommand(LOWORD(wParam))) {
        owner.OnCommand(LOWORD(wParam), nCode);
    }
    if (Window* window = Of(owner)) {
        window->KeepTemplateTabStops();
    }
}

INT_PTR CDialog::Window::OnCtlColorMessage(HDC hdc, HWND hControl, UINT nCtlColor) {
    CWnd* pWnd = nCtlColor == CTLCOLOR_DLG ? &dialog : dialog.FromHandle(hControl);
    if (pWnd == nullptr) {
        return FALSE;
    }
    CDC dc = CDC::FromHandle(hdc);
    const HFONT before = dc.GetCurrentFont();
    const HBRUSH hbr = dialog.SendCtlColor(&dc, pWnd, nCtlColor);
    DialogControl* control = ByHandle(hControl);
    // A static paints with its own font, selected after this query: a font the query chose
    // (a label's own) becomes the control's, so that the text is drawn in it.
    const HFONT after = dc.GetCurrentFont();
    if (control != nullptr && nCtlColor == CTLCOLOR_STATIC && after != before &&
        dialog.GetControlFont(hControl) != after) {
        dialog.SetControlFont(hControl, after);
    }
    if (control != nullptr && control->kind->ownerDrawn) {
        control->hbrButton = hbr;
        control->hdcButton = hdc;
    }
    return reinterpret_cast<INT_PTR>(hbr);
}

BOOL CDialog::Window::OnDrawItemMessage(const DRAWITEMSTRUCT& item) {
    if (item.CtlType == ODT_STATIC) {
        DRAWITEMSTRUCT drawn = item;
        dialog.SendDrawItem(static_cast<int>(item.CtlID), &drawn);
        return TRUE;
    }
    if (item.CtlType != ODT_BUTTON) {
        return FALSE;
    }
    DrawPushButton(item);
    // The button that Enter presses follows the focus: every frame may change.
    if (item.itemAction == ODA_FOCUS) {
        for (const DialogControl& control : controls) {
            if (control.kind->ownerDrawn && control.hWnd != item.hwndItem) {
                InvalidateRect(control.hWnd, nullptr, FALSE);
            }
        }
    }
    return TRUE;
}

INT_PTR CDialog::Window::OnSessionMessage(UINT message, WPARAM wParam) {
    const HWND hDlg = dialog.m_hWnd;
    if (message == WM_QUERYENDSESSION) {
        // The desktop session is ending: every dialog ends as cancelled, and start-up and
        // shut-down go on in their own order and save what they always save, as Qt's session
        // manager request does on every system.
        if (CWinApp* app = AfxGetApp()) {
            app->EndSession();
        }
        return Answer(hDlg, TRUE);
    }
    if (wParam != FALSE) {
        AfxEndRunForSessionEnd();
    }
    return Answer(hDlg, 0);
}
