// The player's hands on Win32: mouse and keyboard messages posted to the controls and run
// through the dialogs' own message handling, as the modal loop runs them.
#include "support/Player.h"

#include "platform/ui/CWinApp.h"
#include "platform/ui/win32/MessageLoop.h"
#include "platform/ui/win32/Text.h"
#include "res/RegisterCaddoraResources.h"

#include <deque>
#include <string>
#include <string_view>
#include <vector>

namespace {

HWND Control(CDialog& dlg, int id) {
    if (id == 0) {
        return dlg.m_hWnd;
    }
    CWnd* control = dlg.GetDlgItem(id);
    return control != nullptr ? control->m_hWnd : nullptr;
}

// The modifiers held while a key goes down, as GetKeyState answers them to the accelerator
// and dialog handling.
class HeldModifiers {
public:
    explicit HeldModifiers(unsigned modifiers) {
        GetKeyboardState(m_saved);
        BYTE keys[256];
        GetKeyboardState(keys);
        if (modifiers & Player::Shift) {
            keys[VK_SHIFT] = keys[VK_LSHIFT] = 0x80;
        }
        if (modifiers & Player::Alt) {
            keys[VK_MENU] = keys[VK_LMENU] = 0x80;
        }
        if (modifiers & Player::Ctrl) {
            keys[VK_CONTROL] = keys[VK_LCONTROL] = 0x80;
        }
        SetKeyboardState(keys);
    }
    ~HeldModifiers() { SetKeyboardState(m_saved); }
    HeldModifiers(const HeldModifiers&) = delete;
    HeldModifiers& operator=(const HeldModifiers&) = delete;

private:
    BYTE m_saved[256];
};

LPARAM KeyData(UINT vk, bool alt, bool up) {
    const UINT scan = MapVirtualKeyW(vk, MAPVK_VK_TO_VSC);
    LPARAM data = 1 | (static_cast<LPARAM>(scan) << 16);
    if (alt) {
        data |= LPARAM(1) << 29;
    }
    if (up) {
        data |= (LPARAM(1) << 30) | (LPARAM(1) << 31);
    }
    return data;
}

// The middle of the row's cell in the list's last column, in the list's own pixels.
LPARAM RowPoint(HWND list, int row) {
    const int last = Header_GetItemCount(ListView_GetHeader(list)) - 1;
    RECT cell{};
    cell.top = last;
    cell.left = LVIR_BOUNDS;
    SendMessageW(list, LVM_GETSUBITEMRECT, static_cast<WPARAM>(row),
                 reinterpret_cast<LPARAM>(&cell));
    return MAKELPARAM((cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2);
}

// What a later modal dialog is to be played with: the act, the dialog that was modal when it
// was asked for (the act waits for another one) and how long it may wait.
struct ModalAct {
    std::function<void(CDialog*)> act;
    CDialog* before;
    DWORD deadline;
};

std::deque<ModalAct>& ModalActs() {
    static std::deque<ModalAct> acts;
    return acts;
}

void CALLBACK RunModalAct(HWND /*hWnd*/, UINT /*message*/, UINT_PTR timer, DWORD /*time*/) {
    KillTimer(nullptr, timer);
    if (ModalActs().empty()) {
        return;
    }
    CDialog* modal = CDialog::InnermostModal();
    ModalAct& next = ModalActs().front();
    if (modal == nullptr || modal == next.before) {
        if (static_cast<LONG>(GetTickCount() - next.deadline) < 0) {
            SetTimer(nullptr, 0, USER_TIMER_MINIMUM, &RunModalAct);
            return;
        }
        ModalActs().pop_front();
        ADD_FAILURE() << "no modal dialog was shown";
        return;
    }
    auto act = std::move(next.act);
    ModalActs().pop_front();
    act(modal);
}

} // namespace

namespace Player {

void StartToolkit() {
    static const bool started = [] {
        AfxInitToolkit();
        RegisterCaddoraResources();
        return true;
    }();
    (void)started;
}

bool Open(CDialog& dlg) {
    if (!dlg.Create()) {
        return false;
    }
    ProcessEvents();
    return IsWindowVisible(dlg.m_hWnd) != FALSE;
}

void Tap(CDialog& dlg, int id) {
    const HWND control = Control(dlg, id);
    ASSERT_NE(control, nullptr) << "no control " << id;
    const LPARAM at = MAKELPARAM(4, 4);
    PostMessageW(control, WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageW(control, WM_LBUTTONUP, 0, at);
    ProcessEvents();
}

void Type(CDialog& dlg, int id, const CString& text) {
    const HWND control = Control(dlg, id);
    ASSERT_NE(control, nullptr) << "no control " << id;
    SetFocus(control);
    SendMessageW(control, EM_SETSEL, 0, -1);
    if (text.IsEmpty()) {
        PostMessageW(control, WM_KEYDOWN, VK_DELETE, KeyData(VK_DELETE, false, false));
        PostMessageW(control, WM_KEYUP, VK_DELETE, KeyData(VK_DELETE, false, true));
    }
    for (const char16_t c : text.Str()) {
        PostMessageW(control, WM_CHAR, c, 1);
    }
    ProcessEvents();
}

void TypeOn(CDialog& dlg, int id, const CString& text) {
    const HWND control = Control(dlg, id);
    ASSERT_NE(control, nullptr) << "no control " << id;
    for (const char16_t c : text.Str()) {
        PostMessageW(control, WM_CHAR, c, 1);
    }
    ProcessEvents();
}

void Paste(CDialog& dlg, int id, const CString& text) {
    const HWND control = Control(dlg, id);
    ASSERT_NE(control, nullptr) << "no control " << id;
    ASSERT_TRUE(OpenClipboard(dlg.m_hWnd));
    EmptyClipboard();
    const std::u16string_view chars = text.Str();
    HGLOBAL data = GlobalAlloc(GMEM_MOVEABLE, (chars.size() + 1) * sizeof(wchar_t));
    auto* copy = static_cast<char16_t*>(GlobalLock(data));
    chars.copy(copy, chars.size());
    copy[chars.size()] = u'\0';
    GlobalUnlock(data);
    SetClipboardData(CF_UNICODETEXT, data); // the clipboard owns it from here
    CloseClipboard();
    SetFocus(control);
    SendMessageW(control, WM_PASTE, 0, 0);
    ProcessEvents();
}

void Press(CDialog& dlg, int id, Key key, unsigned modifiers) {
    const HWND control = id != 0 ? Control(dlg, id) : GetFocus();
    ASSERT_NE(control, nullptr) << "no control " << id;
    if (id != 0) {
        SetFocus(control);
    }
    const auto vk = static_cast<UINT>(key);
    const bool alt = (modifiers & Alt) != 0;
    const HeldModifiers held(modifiers);
    // As a keyboard gives them: the modifiers go down first; Alt comes up before the key, as
    // the player's thumb often leaves it first (the key then comes up without Alt).
    if (modifiers & Shift) {
        PostMessageW(control, WM_KEYDOWN, VK_SHIFT, KeyData(VK_SHIFT, false, false));
    }
    if (alt) {
        PostMessageW(control, WM_SYSKEYDOWN, VK_MENU, KeyData(VK_MENU, true, false));
        PostMessageW(control, WM_SYSKEYDOWN, vk, KeyData(vk, true, false));
        PostMessageW(control, WM_KEYUP, VK_MENU, KeyData(VK_MENU, false, true));
        PostMessageW(control, WM_KEYUP, vk, KeyData(vk, false, true));
    } else {
        PostMessageW(control, WM_KEYDOWN, vk, KeyData(vk, false, false));
        PostMessageW(control, WM_KEYUP, vk, KeyData(vk, false, true));
    }
    if (modifiers & Shift) {
        PostMessageW(control, WM_KEYUP, VK_SHIFT, KeyData(VK_SHIFT, false, true));
    }
    ProcessEvents();
}

void ChooseFromContextMenu(CDialog& dlg, int id, char mnemonic, char then) {
    const HWND control = id != 0 ? Control(dlg, id) : GetFocus();
    ASSERT_NE(control, nullptr) << "no control " << id;
    // The menu's own loop takes the letters from the queue, behind what opens the menu; the
    // second one in the submenu the first opened.
    const auto postLetters = [control, mnemonic, then] {
        for (const char key : {mnemonic, then}) {
            if (key != 0) {
                const auto letter = static_cast<UINT>(key);
                PostMessageW(control, WM_KEYDOWN, letter, KeyData(letter, false, false));
            }
        }
    };
    if (id == 0) {
        const HeldModifiers held(Shift);
        PostMessageW(control, WM_KEYDOWN, VK_F10, KeyData(VK_F10, false, false));
        PostMessageW(control, WM_KEYUP, VK_F10, KeyData(VK_F10, false, true));
        postLetters();
        ProcessEvents();
        return;
    }
    const LPARAM at = MAKELPARAM(5, 5);
    PostMessageW(control, WM_RBUTTONDOWN, MK_RBUTTON, at);
    PostMessageW(control, WM_RBUTTONUP, 0, at);
    postLetters();
    ProcessEvents();
}

void TapRow(CDialog& dlg, int id, int row) {
    const HWND list = Control(dlg, id);
    ASSERT_NE(list, nullptr) << "no list " << id;
    const LPARAM at = RowPoint(list, row);
    PostMessageW(list, WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageW(list, WM_LBUTTONUP, 0, at);
    ProcessEvents();
}

void DoubleTapRow(CDialog& dlg, int id, int row) {
    const HWND list = Control(dlg, id);
    ASSERT_NE(list, nullptr) << "no list " << id;
    const LPARAM at = RowPoint(list, row);
    PostMessageW(list, WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageW(list, WM_LBUTTONUP, 0, at);
    PostMessageW(list, WM_LBUTTONDBLCLK, MK_LBUTTON, at);
    PostMessageW(list, WM_LBUTTONUP, 0, at);
    ProcessEvents();
}

void ScrollToTop(CDialog& dlg, int id) {
    SendMessageW(Control(dlg, id), WM_VSCROLL, SB_TOP, 0);
    ProcessEvents();
}

void CloseBox(CDialog& dlg) {
    SendMessageW(dlg.m_hWnd, WM_SYSCOMMAND, SC_CLOSE, 0);
    ProcessEvents();
}

bool HasFocus(CDialog& dlg, int id) {
    const HWND control = Control(dlg, id);
    return control != nullptr && GetFocus() == control;
}

CString Text(CDialog& dlg, int id) {
    return WindowText(Control(dlg, id));
}

bool Shown(CDialog& dlg, int id) {
    const HWND control = Control(dlg, id);
    return control != nullptr && IsWindowVisible(control) != FALSE;
}

bool Checked(CDialog& dlg, int id) {
    return SendMessageW(Control(dlg, id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

std::vector<CString> ColumnTexts(CDialog& dlg, int id, int column) {
    const HWND list = Control(dlg, id);
    std::vector<CString> texts;
    const auto rows = static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
    for (int row = 0; row < rows; ++row) {
        std::u16string text(256, u'\0');
        LVITEMW item{};
        item.iSubItem = column;
        item.pszText = reinterpret_cast<LPWSTR>(text.data());
        item.cchTextMax = static_cast<int>(text.size());
        text.resize(static_cast<std::size_t>(SendMessageW(
            list, LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item))));
        texts.emplace_back(std::move(text));
    }
    return texts;
}

std::vector<CString> ColumnHeads(CDialog& dlg, int id) {
    const HWND list = Control(dlg, id);
    std::vector<CString> heads;
    for (int column = 0;; ++column) {
        std::u16string text(256, u'\0');
        LVCOLUMNW head{};
        head.mask = LVCF_TEXT;
        head.pszText = reinterpret_cast<LPWSTR>(text.data());
        head.cchTextMax = static_cast<int>(text.size());
        if (SendMessageW(list, LVM_GETCOLUMNW, static_cast<WPARAM>(column),
                         reinterpret_cast<LPARAM>(&head)) == 0) {
            return heads;
        }
        text.resize(std::char_traits<char16_t>::length(text.c_str()));
        heads.emplace_back(std::move(text));
    }
}

std::vector<CString> LabelTexts(CDialog& dlg) {
    std::vector<CString> texts;
    EnumChildWindows(
        dlg.m_hWnd,
        [](HWND child, LPARAM found) -> BOOL {
            wchar_t kind[16] = {};
            GetClassNameW(child, kind, 16);
            const CString text = WindowText(child);
            if (lstrcmpiW(kind, L"Static") == 0 && !text.IsEmpty()) {
                reinterpret_cast<std::vector<CString>*>(found)->push_back(text);
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&texts));
    return texts;
}

std::vector<int> SelectedRows(CDialog& dlg, int id) {
    const HWND list = Control(dlg, id);
    std::vector<int> rows;
    for (int row = -1; (row = ListView_GetNextItem(list, row, LVNI_SELECTED)) >= 0;) {
        rows.push_back(row);
    }
    return rows;
}

// Rows lie below the header, which the list's client area holds too.
bool RowShown(CDialog& dlg, int id, int row) {
    const HWND list = Control(dlg, id);
    RECT shown{};
    RECT client{};
    RECT header{};
    shown.left = LVIR_BOUNDS;
    SendMessageW(list, LVM_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&shown));
    GetClientRect(list, &client);
    GetWindowRect(ListView_GetHeader(list), &header);
    return shown.top >= header.bottom - header.top && shown.bottom <= client.bottom;
}

COLORREF PixelAt(CDialog& dlg, int id, int x, int y) {
    const HWND control = Control(dlg, id);
    RedrawWindow(dlg.m_hWnd, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    ProcessEvents();
    POINT at{x, y};
    MapWindowPoints(control, dlg.m_hWnd, &at, 1);
    const HDC dc = GetDC(dlg.m_hWnd);
    const COLORREF colour = GetPixel(dc, at.x, at.y);
    ReleaseDC(dlg.m_hWnd, dc);
    return colour;
}

Extent SizeOf(CDialog& dlg, int id) {
    RECT client{};
    GetClientRect(Control(dlg, id), &client);
    return {client.right, client.bottom};
}

void ProcessEvents() {
    AfxPumpWaitingMessages();
}

void WhenModal(std::function<void(CDialog*)> act) {
    ModalActs().push_back(
        ModalAct{std::move(act), CDialog::InnermostModal(), GetTickCount() + 2000});
    SetTimer(nullptr, 0, USER_TIMER_MINIMUM, &RunModalAct);
}

struct Watchdog::State {
    UINT_PTR timer = 0;
    CDialog* seen = nullptr;
    int ticks = 0;
};

namespace {

Watchdog::State* g_watchdog = nullptr;

BOOL CALLBACK CloseMessageBox(HWND hWnd, LPARAM /*lParam*/) {
    wchar_t className[16] = {};
    GetClassNameW(hWnd, className, 16);
    if (IsWindowVisible(hWnd) && CDialog::FromHandlePermanent(hWnd) == nullptr &&
        std::wstring_view(className) == L"#32770") {
        ADD_FAILURE() << "an unexpected message box stayed open";
        PostMessageW(hWnd, WM_CLOSE, 0, 0);
    }
    return TRUE;
}

// A modal window seen at two checks in a row, a few seconds apart, is one nobody deals with.
void CALLBACK CheckModal(HWND /*hWnd*/, UINT /*message*/, UINT_PTR /*timer*/, DWORD /*time*/) {
    if (g_watchdog == nullptr) {
        return;
    }
    EnumThreadWindows(GetCurrentThreadId(), &CloseMessageBox, 0);
    CDialog* modal = CDialog::InnermostModal();
    if (modal == nullptr || modal != g_watchdog->seen) {
        g_watchdog->seen = modal;
        return;
    }
    ADD_FAILURE() << "an unexpected modal dialog stayed open: " << modal->GetTemplateId();
    modal->EndDialog(IDCANCEL);
    g_watchdog->seen = nullptr;
}

} // namespace

Watchdog::Watchdog() : m_state(std::make_unique<State>()) {
    g_watchdog = m_state.get();
    m_state->timer = SetTimer(nullptr, 0, 3000, &CheckModal);
}

Watchdog::~Watchdog() {
    KillTimer(nullptr, m_state->timer);
    g_watchdog = nullptr;
}

} // namespace Player
