// A dialog over Win32: the template becomes an in-memory extended dialog template that the
// system's dialog manager creates; its messages come to the Window of the dialog.
#include "platform/ui/CDialog.h"

#include "platform/ui/AcceleratorTable.h"
#include "platform/ui/CDC.h"
#include "platform/ui/ControlKindOrder.h"
#include "platform/ui/CWinApp.h"
#include "platform/ui/win32/DialogTemplateEx.h"
#include "platform/ui/win32/DialogWindowWin32.h"
#include "platform/ui/win32/ImageResourcesWin32.h"
#include "platform/ui/win32/MessageLoop.h"
#include "platform/ui/win32/NumberEdit.h"
#include "platform/ui/win32/Text.h"

#include <algorithm>

namespace {

constexpr int kBaseDpi = 96;

INT_PTR CALLBACK DialogProc(HWND hDlg, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* dialog = static_cast<CDialog*>(GetPropW(hDlg, kDialogWindowProperty));
    if (message == WM_INITDIALOG) {
        dialog = reinterpret_cast<CDialog*>(lParam);
        SetPropW(hDlg, kDialogWindowProperty, dialog);
        dialog->m_hWnd = hDlg;
    }
    CDialog::Window* window = dialog != nullptr ? CDialog::Window::Of(*dialog) : nullptr;
    return window != nullptr ? window->WindowProc(message, wParam, lParam) : FALSE;
}

// The owner takes input again, as the system's own EndDialog gives it back.
void EnableOwner(HWND& hOwnerDisabled) {
    if (hOwnerDisabled != nullptr) {
        ::EnableWindow(hOwnerDisabled, TRUE);
        hOwnerDisabled = nullptr;
    }
}

} // namespace

DialogControl* CDialog::Window::ById(int id) {
    for (DialogControl& control : controls) {
        if (control.item->id == id) {
            return &control;
        }
    }
    return nullptr;
}

DialogControl* CDialog::Window::ByHandle(HWND hWnd) {
    for (DialogControl& control : controls) {
        if (control.hWnd == hWnd) {
            return &control;
        }
    }
    return nullptr;
}

void CDialog::Window::KeepTemplateTabStops() {
    for (const DialogControl& control : controls) {
        const LONG style = GetWindowLongW(control.hWnd, GWL_STYLE);
        if ((style & WS_TABSTOP) && !(control.item->style & WS_TABSTOP)) {
            SetWindowLongW(control.hWnd, GWL_STYLE, style & ~WS_TABSTOP);
        }
    }
}

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd)
    : m_nIDTemplate(nIDTemplate), m_pParentWnd(pParentWnd) {}

CDialog::~CDialog() {
    // The members of the derived dialog are gone already; only the windows are left.
    ReleaseWindow(false);
}

INT_PTR CDialog::DoModal() {
    const DialogTemplate* dlgTemplate = FindDialogTemplate(m_nIDTemplate);
    if (dlgTemplate == nullptr) {
        return -1;
    }
    // The owner takes no input while the dialog runs, from before the dialog exists.
    HWND owner = ModalOwner(*dlgTemplate);
    HWND disabled = owner != nullptr && IsWindowEnabled(owner) ? owner : nullptr;
    if (disabled != nullptr) {
        ::EnableWindow(disabled, FALSE);
    }
    ModalStack().push_back(this);
    const auto leaveStack = [this] {
        ModalStack().erase(std::find(ModalStack().begin(), ModalStack().end(), this));
    };
    if (!CreateWindowFromTemplate(owner)) {
        leaveStack();
        EnableOwner(disabled);
        return -1;
    }
    m_window->modal = true;
    m_window->hOwnerDisabled = disabled;
    if (const CWinApp* app = AfxGetApp(); app != nullptr && app->IsEndingSession()) {
        EndDialog(IDCANCEL);
    }
    const int result = m_window->RunModalLoop();
    leaveStack();
    ReleaseWindow(true);
    return result;
}

BOOL CDialog::Create() {
    if (!CreateWindowFromTemplate(m_pParentWnd != nullptr ? m_pParentWnd->m_hWnd : nullptr)) {
        return FALSE;
    }
    if (!m_bEnded) {
        ::ShowWindow(m_hWnd, SW_SHOWNORMAL);
        SetForegroundWindow(m_hWnd);
        UpdateWindow(m_hWnd);
    }
    return TRUE;
}

void CDialog::EndDialog(int nResult) {
    m_nModalResult = nResult;
    m_bEnded = TRUE;
    if (!m_window) {
        return;
    }
    // As the system's own EndDialog: the owner takes input again before the dialog goes, so
    // that the activation passes back to it.
    EnableOwner(m_window->hOwnerDisabled);
    ::ShowWindow(m_hWnd, SW_HIDE);
    // Wakes the modal loop, which may be waiting for a message.
    PostMessageW(m_hWnd, WM_NULL, 0, 0);
}

CWnd* CDialog::GetDlgItem(int nID) const {
    const DialogControl* control = m_window ? m_window->ById(nID) : nullptr;
    return control != nullptr ? control->Object() : nullptr;
}

CWnd* CDialog::FromHandle(HWND hWnd) const {
    if (hWnd != nullptr && hWnd == m_hWnd) {
        return const_cast<CDialog*>(this);
    }
    const DialogControl* control = m_window ? m_window->ByHandle(hWnd) : nullptr;
    return control != nullptr ? control->Object() : nullptr;
}

CDialog* CDialog::FromHandlePermanent(HWND hWnd) {
    for (HWND w = hWnd; w != nullptr; w = GetParent(w)) {
        if (auto* dialog = static_cast<CDialog*>(GetPropW(w, kDialogWindowProperty))) {
            return dialog;
        }
        if ((GetWindowLongW(w, GWL_STYLE) & WS_CHILD) == 0) {
            break;
        }
    }
    return nullptr;
}

void CDialog::CenterWindow() {
    if (m_hWnd == nullptr) {
        return;
    }
    RECT frame{};
    GetWindowRect(m_hWnd, &frame);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(m_hWnd, MONITOR_DEFAULTTOPRIMARY), &monitor);
    RECT around = monitor.rcWork;
    const HWND owner = GetWindow(m_hWnd, GW_OWNER);
    if (owner != nullptr && ::IsWindowVisible(owner) && !IsIconic(owner)) {
        GetWindowRect(owner, &around);
    }
    const LONG width = frame.right - frame.left;
    const LONG height = frame.bottom - frame.top;
    LONG left = (around.left + around.right - width) / 2;
    LONG top = (around.top + around.bottom - height) / 2;
    // Wholly on the screen's work area, the caption first.
    left = std::max(monitor.rcWork.left, std::min(left, monitor.rcWork.right - width));
    top = std::max(monitor.rcWork.top, std::min(top, monitor.rcWork.bottom - height));
    SetWindowPos(m_hWnd, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CDialog::SetIcon(HICON hIcon, BOOL bBigIcon) {
    if (m_hWnd == nullptr) {
        return;
    }
    // The small icon is the group's own small image where there is one, not the big one
    // shrunk.
    const UINT group = IconResourceId(hIcon);
    const HICON icon = !bBigIcon && group != 0 ? LoadIconResource(group, true) : hIcon;
    SendMessageW(m_hWnd, WM_SETICON, bBigIcon ? ICON_BIG : ICON_SMALL,
                 reinterpret_cast<LPARAM>(icon));
}

BOOL CDialog::LoadAccelTable(UINT nIDResource) {
    const AcceleratorTable* table = FindAcceleratorTable(nIDResource);
    if (table == nullptr || !m_window || table->entries.empty()) {
        return FALSE;
    }
    m_window->AddAccelerators(table->entries);
    // Each picture's tooltip names its keys.
    m_window->AddKeyNames(table->entries);
    return m_window->hAccel != nullptr;
}

void CDialog::MapDialogRect(RECT* lpRect) const {
    if (m_hWnd != nullptr) {
        ::MapDialogRect(m_hWnd, lpRect);
        return;
    }
    lpRect->left = MulDiv(lpRect->left, m_nBaseUnitX, 4);
    lpRect->right = MulDiv(lpRect->right, m_nBaseUnitX, 4);
    lpRect->top = MulDiv(lpRect->top, m_nBaseUnitY, 8);
    lpRect->bottom = MulDiv(lpRect->bottom, m_nBaseUnitY, 8);
}

void CDialog::QueryColours(HWND hWnd) {
    // The query runs whenever the control paints: it is made to paint again.
    if (hWnd != nullptr) {
        ::RedrawWindow(hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME);
    }
}

HFONT CDialog::GetControlFont(HWND hWnd) const {
    return hWnd != nullptr ? reinterpret_cast<HFONT>(SendMessageW(hWnd, WM_GETFONT, 0, 0))
                           : nullptr;
}

void CDialog::SetControlFont(HWND hWnd, HFONT hFont) {
    if (hWnd != nullptr && hFont != nullptr) {
        SendMessageW(hWnd, WM_SETFONT, reinterpret_cast<WPARAM>(hFont), FALSE);
    }
}

void CDialog::BindControl(int nIDC, CWnd& rControl) {
    if (rControl.m_hWnd != nullptr || !m_window) {
        return;
    }
    if (DialogControl* control = m_window->ById(nIDC)) {
        rControl.SubclassWindow(control->hWnd);
        control->bound = &rControl;
        QueryColours(control->hWnd);
    }
}

std::optional<HWND> CDialog::ActiveDialogWindow() const {
    // The dialog that runs innermost, else the active window when it is a dialog of ours.
    if (const CDialog* modal = InnermostModal(); modal != nullptr && modal != this) {
        return modal->m_hWnd;
    }
    const HWND active = GetActiveWindow();
    if (active != nullptr && FromHandlePermanent(active) != nullptr) {
        return active;
    }
    return std::nullopt;
}

BOOL CDialog::CreateWindowFromTemplate(HWND owner) {
    const DialogTemplate* dlgTemplate = BeginNewWindow();
    if (dlgTemplate == nullptr) {
        return FALSE;
    }
    m_window = std::make_unique<Window>(*this);
    m_window->dlgTemplate = dlgTemplate;
    m_window->closeCommand = static_cast<UINT>(CloseCommandOf(*dlgTemplate));
    const std::vector<DWORD> bytes = BuildDialogTemplateEx(*dlgTemplate);
    const HWND hWnd = CreateDialogIndirectParamW(
        GetModuleHandleW(nullptr), reinterpret_cast<LPCDLGTEMPLATEW>(bytes.data()), owner,
        &DialogProc, reinterpret_cast<LPARAM>(this));
    if (hWnd == nullptr) {
        m_window.reset();
        m_hWnd = nullptr;
        return FALSE;
    }
    return TRUE;
}

// The dialog manager has made every control from the template, in its order, which is also
// the order of the dialog's child windows: each is paired with its template item here.
void CDialog::Window::AdoptControls() {
    const HWND hDlg = dialog.m_hWnd;
    RECT units{0, 0, 4, 8};
    ::MapDialogRect(hDlg, &units);
    dialog.m_nBaseUnitX = units.right;
    dialog.m_nBaseUnitY = units.bottom;
    const UINT dpi = GetDpiForWindow(hDlg);
    HWND child = GetWindow(hDlg, GW_CHILD);
    for (const DialogItemTemplate& item : dlgTemplate->items) {
        if (child == nullptr) {
            break;
        }
        const ControlKind& kind = ControlKindOf(item);
        DialogControl control{child, &item, &kind, kind.wrap(), nullptr, nullptr, nullptr};
        control.wrapper->SubclassWindow(child);
        if ((item.style & BS_TYPEMASK) == BS_DEFPUSHBUTTON && kind.ownerDrawn) {
            dialog.SetDefID(static_cast<UINT>(item.id));
        }
        if (item.windowClass == ControlClass::Edit && (item.style & ES_NUMBER)) {
            RefuseNonDigitPastes(child);
        }
        if (item.imageId != 0) {
            AdoptPicture(child, item, dpi);
        }
        controls.push_back(std::move(control));
        child = GetWindow(child, GW_HWNDNEXT);
    }
    // What each picture is, for tooltips; LoadAccelTable adds its keys.
    AddToolTips();
}

void CDialog::Window::AdoptPicture(HWND child, const DialogItemTemplate& item, UINT dpi) {
    // The static loaded its picture from the template and never deletes it; on a screen of
    // more dots per inch it shows one stretched to the dialog's scale.
    if (auto loaded =
            reinterpret_cast<HBITMAP>(SendMessageW(child, STM_GETIMAGE, IMAGE_BITMAP, 0))) {
        bitmaps.push_back(loaded);
    }
    if (dpi > kBaseDpi) {
        if (HBITMAP scaled = LoadBitmapResource(item.imageId, static_cast<int>(dpi))) {
            SendMessageW(child, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(scaled));
            bitmaps.push_back(scaled);
        }
    }
}

void CDialog::ApplyTemplateTexts() {
    const DialogTemplate* dlgTemplate = FindDialogTemplate(m_nIDTemplate);
    if (dlgTemplate == nullptr || !m_window) {
        return;
    }
    SetWindowTextW(m_hWnd, Wide(CString(dlgTemplate->caption)));
    const UINT dpi = GetDpiForWindow(m_hWnd);
    std::vector<DialogControl>& controls = m_window->controls;
    for (std::size_t i = 0; i < dlgTemplate->items.size() && i < controls.size(); ++i) {
        const DialogItemTemplate& item = dlgTemplate->items[i];
        DialogControl& control = controls[i];
        control.item = &item;
        if (item.imageId != 0) {
            // The picture the static shows now is kept until the window goes: a static never
            // deletes what it was given.
            if (HBITMAP picture = LoadBitmapResource(item.imageId, static_cast<int>(dpi))) {
                SendMessageW(control.hWnd, STM_SETIMAGE, IMAGE_BITMAP,
                             reinterpret_cast<LPARAM>(picture));
                m_window->bitmaps.push_back(picture);
            }
        } else if (item.text != nullptr && TakesTemplateText(item)) {
            SetWindowTextW(control.hWnd, Wide(CString(item.text)));
        }
        if (m_window->hToolTip != nullptr && item.accessibleName != nullptr) {
            std::wstring text = reinterpret_cast<const wchar_t*>(item.accessibleName);
            if (const auto keys = m_window->keyNames.find(item.id);
                keys != m_window->keyNames.end()) {
                text += L" (" + keys->second + L")";
            }
            TOOLINFOW tool{};
            tool.cbSize = sizeof tool;
            tool.hwnd = m_hWnd;
            tool.uId = reinterpret_cast<UINT_PTR>(control.hWnd);
            tool.lpszText = text.data();
            SendMessageW(m_window->hToolTip, TTM_UPDATETIPTEXTW, 0,
                         reinterpret_cast<LPARAM>(&tool));
        }
    }
}

BOOL CDialog::AddControl(const DialogItemTemplate& item) {
    if (!m_window || m_window->ById(item.id) != nullptr) {
        return FALSE;
    }
    const ControlKind& kind = ControlKindOf(item);
    // The dialog manager's classes by name: their atoms name them only in a template.
    const wchar_t* className = kind.className;
    if (kind.classAtom != 0) {
        className = kind.classAtom == 0x0080   ? L"Button"
                    : kind.classAtom == 0x0081 ? L"Edit"
                                               : L"Static";
    }
    RECT rect{item.x, item.y, item.x + item.cx, item.y + item.cy};
    MapDialogRect(&rect);
    const HWND hWnd = CreateWindowExW(
        0, className, Wide(CString(item.text != nullptr ? item.text : u"")),
        kind.desktopStyle(item.style) | WS_CLIPSIBLINGS, rect.left, rect.top,
        rect.right - rect.left, rect.bottom - rect.top, m_hWnd,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(item.id)), GetModuleHandleW(nullptr), nullptr);
    if (hWnd == nullptr) {
        return FALSE;
    }
    SendMessageW(hWnd, WM_SETFONT, SendMessageW(m_hWnd, WM_GETFONT, 0, 0), FALSE);
    SetWindowPos(hWnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    DialogControl control{hWnd, &item, &kind, kind.wrap(), nullptr, nullptr, nullptr};
    control.wrapper->SubclassWindow(hWnd);
    m_window->controls.push_back(std::move(control));
    return TRUE;
}

void CDialog::ReleaseWindow(bool unbindMembers) {
    if (!m_window) {
        m_hWnd = nullptr;
        return;
    }
    if (unbindMembers) {
        for (DialogControl& control : m_window->controls) {
            if (control.bound != nullptr) {
                control.bound->UnsubclassWindow();
            }
        }
    }
    EnableOwner(m_window->hOwnerDisabled);
    const HWND hWnd = m_hWnd;
    if (hWnd != nullptr && ::IsWindow(hWnd)) {
        // The owner is active again before the dialog goes, so that the focus returns there.
        const HWND owner = GetWindow(hWnd, GW_OWNER);
        if (owner != nullptr && GetActiveWindow() == hWnd) {
            SetActiveWindow(owner);
        }
        RemovePropW(hWnd, kDialogWindowProperty);
        ::DestroyWindow(hWnd);
    }
    if (m_window->hAccel != nullptr) {
        DestroyAcceleratorTable(m_window->hAccel);
    }
    for (HBITMAP bitmap : m_window->bitmaps) {
        DeleteObject(bitmap);
    }
    m_window.reset();
    m_hWnd = nullptr;
}
