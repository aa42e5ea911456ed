#include "platform/ui/CDialog.h"

#include "ControlKinds.h"
#include "DialogTemplateEx.h"
#include "MessageLoop.h"
#include "NumberEdit.h"
#include "platform/ui/AcceleratorTable.h"
#include "platform/ui/CDC.h"
#include "platform/ui/CWinApp.h"
#include "platform/ui/ImageResources.h"
#include "Text.h"

#include <algorithm>
#include <map>
#include <string>
#include <vector>

namespace {

constexpr int kBaseDpi = 96;
constexpr const wchar_t* kDialogProperty = kDialogWindowProperty;

// The dialogs that run modally, innermost last.
std::vector<CDialog*>& ModalStack() {
    static std::vector<CDialog*> stack;
    return stack;
}

INT_PTR CALLBACK DialogProc(HWND hDlg, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* dialog = static_cast<CDialog*>(GetPropW(hDlg, kDialogProperty));
    if (message == WM_INITDIALOG) {
        dialog = reinterpret_cast<CDialog*>(lParam);
        SetPropW(hDlg, kDialogProperty, dialog);
        dialog->m_hWnd = hDlg;
    }
    return dialog != nullptr ? dialog->WindowProc(message, wParam, lParam) : FALSE;
}

// The answer of a dialog procedure to a message whose result is a value.
INT_PTR Answer(HWND hDlg, LRESULT result) {
    SetWindowLongPtrW(hDlg, DWLP_MSGRESULT, result);
    return TRUE;
}

// How a key reads in a tooltip: "Alt+R", "Page Up", "Shift+Page Down".
std::wstring KeyName(const ACCEL& accel) {
    std::wstring name;
    if (accel.fVirt & FCONTROL) {
        name += L"Ctrl+";
    }
    if (accel.fVirt & FSHIFT) {
        name += L"Shift+";
    }
    if (accel.fVirt & FALT) {
        name += L"Alt+";
    }
    switch (accel.key) {
    case VK_PRIOR:
        return name + L"Page Up";
    case VK_NEXT:
        return name + L"Page Down";
    default:
        return name + static_cast<wchar_t>(accel.key);
    }
}

} // namespace

// One control of the dialog's window, in template order.
struct DialogControl {
    HWND hWnd;
    const DialogItemTemplate* item;
    const ControlKind* kind;
    // The object that stands for the control until a member is bound to it.
    std::unique_ptr<CWnd> wrapper;
    CWnd* bound = nullptr;
    // What the button's last colour query answered, on which device context: the owner draw
    // that follows paints with it.
    HBRUSH hbrButton = nullptr;
    HDC hdcButton = nullptr;

    CWnd* Object() const { return bound != nullptr ? bound : wrapper.get(); }
};

struct CDialog::Window {
    const DialogTemplate* dlgTemplate = nullptr;
    std::vector<DialogControl> controls;
    UINT closeCommand = 0;
    HACCEL hAccel = nullptr;
    HWND hToolTip = nullptr;
    HWND hOwnerDisabled = nullptr;
    bool modal = false;
    // Pictures stretched for a screen of more dots per inch, and those the statics loaded
    // themselves from the template: the statics never delete them.
    std::vector<HBITMAP> bitmaps;
    // The keys of each picture, for its tooltip.
    std::map<int, std::wstring> keyNames;

    DialogControl* ById(int id) {
        for (DialogControl& control : controls) {
            if (control.item->id == id) {
                return &control;
            }
        }
        return nullptr;
    }
    DialogControl* ByHandle(HWND hWnd) {
        for (DialogControl& control : controls) {
            if (control.hWnd == hWnd) {
                return &control;
            }
        }
        return nullptr;
    }
    // The system makes a radio button a tab stop when it is checked; the template's Tab order
    // (the radio buttons are none) is kept.
    void KeepTemplateTabStops() {
        for (const DialogControl& control : controls) {
            const LONG style = GetWindowLongW(control.hWnd, GWL_STYLE);
            if ((style & WS_TABSTOP) && !(control.item->style & WS_TABSTOP)) {
                SetWindowLongW(control.hWnd, GWL_STYLE, style & ~WS_TABSTOP);
            }
        }
    }
};

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
    const HWND owner = ModalOwner(*dlgTemplate);
    const bool disableOwner = owner != nullptr && IsWindowEnabled(owner);
    if (disableOwner) {
        ::EnableWindow(owner, FALSE);
    }
    ModalStack().push_back(this);
    if (!CreateWindowFromTemplate(owner)) {
        ModalStack().erase(std::find(ModalStack().begin(), ModalStack().end(), this));
        if (disableOwner) {
            ::EnableWindow(owner, TRUE);
        }
        return -1;
    }
    m_window->modal = true;
    m_window->hOwnerDisabled = disableOwner ? owner : nullptr;
    if (const CWinApp* app = AfxGetApp(); app != nullptr && app->IsEndingSession()) {
        EndDialog(IDCANCEL);
    }
    const int result = RunModalLoop();
    ModalStack().erase(std::find(ModalStack().begin(), ModalStack().end(), this));
    ReleaseWindow(true);
    return result;
}

int CDialog::RunModalLoop() {
    if (!m_bEnded && !IsWindowVisible(m_hWnd)) {
        ShowWindow(m_hWnd, SW_SHOWNORMAL);
    }
    MSG msg{};
    while (!m_bEnded) {
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
    return m_nModalResult;
}

BOOL CDialog::Create() {
    if (!CreateWindowFromTemplate(m_pParentWnd != nullptr ? m_pParentWnd->m_hWnd : nullptr)) {
        return FALSE;
    }
    if (!m_bEnded) {
        ShowWindow(m_hWnd, SW_SHOWNORMAL);
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
    if (m_window->hOwnerDisabled != nullptr) {
        ::EnableWindow(m_window->hOwnerDisabled, TRUE);
        m_window->hOwnerDisabled = nullptr;
    }
    ShowWindow(m_hWnd, SW_HIDE);
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
        if (auto* dialog = static_cast<CDialog*>(GetPropW(w, kDialogProperty))) {
            return dialog;
        }
        if ((GetWindowLongW(w, GWL_STYLE) & WS_CHILD) == 0) {
            break;
        }
    }
    return nullptr;
}

HACCEL CDialog::GetAcceleratorTable() const {
    return m_window ? m_window->hAccel : nullptr;
}

CDialog* CDialog::InnermostModal() {
    return ModalStack().empty() ? nullptr : ModalStack().back();
}

std::vector<CDialog*> CDialog::ModalDialogs() {
    return {ModalStack().rbegin(), ModalStack().rend()};
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
    if (owner != nullptr && IsWindowVisible(owner) && !IsIconic(owner)) {
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
    std::vector<ACCEL> entries = table->entries;
    if (m_window->hAccel != nullptr) {
        DestroyAcceleratorTable(m_window->hAccel);
    }
    m_window->hAccel = CreateAcceleratorTableW(entries.data(), static_cast<int>(entries.size()));
    // Each picture's tooltip names its keys.
    for (const ACCEL& accel : table->entries) {
        std::wstring& keys = m_window->keyNames[accel.cmd];
        keys += (keys.empty() ? L"" : L", ") + KeyName(accel);
    }
    if (m_window->hToolTip != nullptr) {
        for (const DialogControl& control : m_window->controls) {
            const auto keys = m_window->keyNames.find(control.item->id);
            if (control.item->accessibleName == nullptr || keys == m_window->keyNames.end()) {
                continue;
            }
            std::wstring text = reinterpret_cast<const wchar_t*>(control.item->accessibleName);
            text += L" (" + keys->second + L")";
            TOOLINFOW tool{};
            tool.cbSize = sizeof tool;
            tool.hwnd = m_hWnd;
            tool.uId = reinterpret_cast<UINT_PTR>(control.hWnd);
            tool.lpszText = text.data();
            SendMessageW(m_window->hToolTip, TTM_UPDATETIPTEXTW, 0,
                         reinterpret_cast<LPARAM>(&tool));
        }
    }
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

INT_PTR CDialog::OnCtlColorMessage(HDC hdc, HWND hControl, UINT nCtlColor) {
    CWnd* pWnd = nCtlColor == CTLCOLOR_DLG ? this : FromHandle(hControl);
    if (pWnd == nullptr) {
        return FALSE;
    }
    CDC dc = CDC::FromHandle(hdc);
    const HFONT before = dc.GetCurrentFont();
    const HBRUSH hbr = SendCtlColor(&dc, pWnd, nCtlColor);
    DialogControl* control = m_window ? m_window->ByHandle(hControl) : nullptr;
    // A static paints with its own font, selected after this query: a font the query chose
    // (a label's own) becomes the control's, so that the text is drawn in it.
    const HFONT after = dc.GetCurrentFont();
    if (control != nullptr && nCtlColor == CTLCOLOR_STATIC && after != before &&
        GetControlFont(hControl) != after) {
        SetControlFont(hControl, after);
    }
    if (control != nullptr && control->kind->ownerDrawn) {
        control->hbrButton = hbr;
        control->hdcButton = hdc;
    }
    return reinterpret_cast<INT_PTR>(hbr);
}

void CDialog::DrawPushButton(const DRAWITEMSTRUCT& item) {
    DialogControl* control = m_window ? m_window->ByHandle(item.hwndItem) : nullptr;
    if (control == nullptr) {
        return;
    }
    // The button asked its colour query on this device context just before: its answer is
    // what the face is painted with. Asked now where it did not.
    if (control->hdcButton != item.hDC || control->hbrButton == nullptr) {
        OnCtlColorMessage(item.hDC, item.hwndItem, CTLCOLOR_BTN);
    }
    const HDC hdc = item.hDC;
    const HBRUSH face = control->hbrButton;
    control->hdcButton = nullptr;
    RECT area = item.rcItem;
    LOGBRUSH lb{};
    GetObject(face, lb);
    // Pressed, the face darkens, so that a click shows before the dialog acts on it.
    const auto darker = [](COLORREF c, int percent) {
        return MakeRgb(static_cast<BYTE>(RgbRed(c) * 100 / percent),
                       static_cast<BYTE>(RgbGreen(c) * 100 / percent),
                       static_cast<BYTE>(RgbBlue(c) * 100 / percent));
    };
    const bool pressed = (item.itemState & ODS_SELECTED) != 0;
    const HBRUSH fill = pressed ? CreateSolidBrush(darker(lb.lbColor, 130)) : nullptr;
    FillRect(hdc, &area, fill != nullptr ? fill : face);
    if (fill != nullptr) {
        DeleteObject(fill);
    }
    // The edge: black round the button that Enter presses, as the handheld marks it, else a
    // darker face.
    const LRESULT defId = SendMessageW(m_hWnd, DM_GETDEFID, 0, 0);
    const bool isDefault =
        HIWORD(defId) == DC_HASDEFID && LOWORD(defId) == static_cast<WORD>(control->item->id);
    const HBRUSH edge = CreateSolidBrush(isDefault ? MakeRgb(0, 0, 0) : darker(lb.lbColor, 160));
    FrameRect(hdc, &area, edge);
    DeleteObject(edge);
    const COLORREF text = GetTextColor(hdc);
    if (item.itemState & ODS_FOCUS) {
        RECT ring = area;
        InflateRect(&ring, -3, -3);
        const HBRUSH ringBrush = CreateSolidBrush(text);
        FrameRect(hdc, &ring, ringBrush);
        DeleteObject(ringBrush);
    }
    const CString caption = WindowText(item.hwndItem);
    SetBkMode(hdc, TRANSPARENT);
    if (item.itemState & ODS_DISABLED) {
        SetTextColor(hdc, GetSysColor(COLOR_GRAYTEXT));
    }
    DrawTextW(hdc, Wide(caption), caption.GetLength(), &area,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

INT_PTR CDialog::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG: {
        AdoptControls(*m_window->dlgTemplate);
        // A dialog that opens over another one stands centred over it, as Qt places it.
        if (GetWindow(m_hWnd, GW_OWNER) != nullptr) {
            CenterWindow();
        }
        // TRUE: the dialog manager gives the focus to the first tab stop.
        const BOOL focusFirstTabStop = OnInitDialog();
        if (m_window) {
            m_window->KeepTemplateTabStops();
        }
        return focusFirstTabStop;
    }
    case WM_COMMAND: {
        UINT nCode = HIWORD(wParam);
        // An accelerator key arrives as code 1 from no control: a tap on its picture.
        if (lParam == 0 && nCode == 1) {
            nCode = 0;
        }
        OnCommand(LOWORD(wParam), nCode);
        if (m_window) {
            m_window->KeepTemplateTabStops();
        }
        return TRUE;
    }
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
        return OnCtlColorMessage(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam),
                                 message - WM_CTLCOLORMSGBOX);
    case WM_DRAWITEM: {
        const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        if (item->CtlType != ODT_BUTTON) {
            return FALSE;
        }
        DrawPushButton(*item);
        // The button that Enter presses follows the focus: every frame may change.
        if (item->itemAction == ODA_FOCUS && m_window) {
            for (const DialogControl& control : m_window->controls) {
                if (control.kind->ownerDrawn && control.hWnd != item->hwndItem) {
                    InvalidateRect(control.hWnd, nullptr, FALSE);
                }
            }
        }
        return TRUE;
    }
    case DM_GETDEFID: {
        // Enter presses the push button that has the focus, else the template's default.
        const HWND focus = GetFocus();
        const DialogControl* focused = m_window ? m_window->ByHandle(focus) : nullptr;
        const int id =
            focused != nullptr && focused->kind->ownerDrawn ? focused->item->id : m_nDefaultId;
        return Answer(m_hWnd, MAKELRESULT(static_cast<WORD>(id), DC_HASDEFID));
    }
    case DM_SETDEFID:
        SetDefID(static_cast<UINT>(wParam));
        return Answer(m_hWnd, TRUE);
    case WM_CLOSE:
        if (m_window && m_window->closeCommand != 0) {
            OnCommand(m_window->closeCommand, 0);
        }
        return TRUE;
    case WM_QUERYENDSESSION:
        // The desktop session is ending: every dialog ends as cancelled, and start-up and
        // shut-down go on in their own order and save what they always save, as Qt's session
        // manager request does on every system.
        if (CWinApp* app = AfxGetApp()) {
            app->EndSession();
        }
        return Answer(m_hWnd, TRUE);
    case WM_ENDSESSION:
        if (wParam != FALSE) {
            AfxEndRunForSessionEnd();
        }
        return Answer(m_hWnd, 0);
    default:
        return FALSE;
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
    m_window = std::make_unique<Window>();
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
void CDialog::AdoptControls(const DialogTemplate& dlgTemplate) {
    RECT units{0, 0, 4, 8};
    ::MapDialogRect(m_hWnd, &units);
    m_nBaseUnitX = units.right;
    m_nBaseUnitY = units.bottom;
    const UINT dpi = GetDpiForWindow(m_hWnd);
    HWND child = GetWindow(m_hWnd, GW_CHILD);
    for (const DialogItemTemplate& item : dlgTemplate.items) {
        if (child == nullptr) {
            break;
        }
        const ControlKind& kind = ControlKindOf(item);
        DialogControl control{child, &item, &kind, kind.wrap(), nullptr, nullptr, nullptr};
        control.wrapper->SubclassWindow(child);
        if ((item.style & BS_TYPEMASK) == BS_DEFPUSHBUTTON && kind.ownerDrawn) {
            SetDefID(static_cast<UINT>(item.id));
        }
        if (item.windowClass == ControlClass::Edit && (item.style & ES_NUMBER)) {
            RefuseNonDigitPastes(child);
        }
        if (item.imageId != 0) {
            // The static loaded its picture from the template and never deletes it; on a
            // screen of more dots per inch it shows one stretched to the dialog's scale.
            if (auto loaded =
                    reinterpret_cast<HBITMAP>(SendMessageW(child, STM_GETIMAGE, IMAGE_BITMAP, 0))) {
                m_window->bitmaps.push_back(loaded);
            }
            if (dpi > kBaseDpi) {
                if (HBITMAP scaled = LoadBitmapResource(item.imageId, static_cast<int>(dpi))) {
                    SendMessageW(child, STM_SETIMAGE, IMAGE_BITMAP,
                                 reinterpret_cast<LPARAM>(scaled));
                    m_window->bitmaps.push_back(scaled);
                }
            }
        }
        m_window->controls.push_back(std::move(control));
        child = GetWindow(child, GW_HWNDNEXT);
    }
    // What each picture is, for tooltips; LoadAccelTable adds its keys.
    for (const DialogControl& control : m_window->controls) {
        if (control.item->accessibleName == nullptr || !(control.item->style & SS_NOTIFY)) {
            continue;
        }
        if (m_window->hToolTip == nullptr) {
            m_window->hToolTip =
                CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                                CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, m_hWnd,
                                nullptr, GetModuleHandleW(nullptr), nullptr);
        }
        std::wstring text = reinterpret_cast<const wchar_t*>(control.item->accessibleName);
        TOOLINFOW tool{};
        tool.cbSize = sizeof tool;
        tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        tool.hwnd = m_hWnd;
        tool.uId = reinterpret_cast<UINT_PTR>(control.hWnd);
        tool.lpszText = text.data();
        SendMessageW(m_window->hToolTip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    }
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
    if (m_window->hOwnerDisabled != nullptr) {
        ::EnableWindow(m_window->hOwnerDisabled, TRUE);
    }
    const HWND hWnd = m_hWnd;
    if (hWnd != nullptr && ::IsWindow(hWnd)) {
        // The owner is active again before the dialog goes, so that the focus returns there.
        const HWND owner = GetWindow(hWnd, GW_OWNER);
        if (owner != nullptr && GetActiveWindow() == hWnd) {
            SetActiveWindow(owner);
        }
        RemovePropW(hWnd, kDialogProperty);
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
        if (const HACCEL accel = dialog->GetAcceleratorTable();
            accel != nullptr && TranslateAcceleratorW(top, accel, &msg)) {
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
