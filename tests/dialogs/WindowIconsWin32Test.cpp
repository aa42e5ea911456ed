#include "support/DialogTest.h"

#include "advisor/AdvisorDlg.h"
#include "advisor/EditClubDlg.h"
#include "advisor/SetupDlg.h"
#include "platform/ui/win32/ImageResourcesWin32.h"
#include "res/Resource.h"

#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace {

// The big and the small icon a window answers for.
struct Icons {
    std::string window;
    HICON bigIcon;
    HICON smallIcon;

    bool operator==(const Icons&) const = default;
};

void PrintTo(const Icons& icons, std::ostream* os) {
    *os << '{' << icons.window << ": " << icons.bigIcon << ", " << icons.smallIcon << '}';
}

Icons IconsOf(const std::string& window, HWND hWnd) {
    return {window, reinterpret_cast<HICON>(SendMessageW(hWnd, WM_GETICON, ICON_BIG, 0)),
            reinterpret_cast<HICON>(SendMessageW(hWnd, WM_GETICON, ICON_SMALL, 0))};
}

std::vector<Icons>* g_seen = nullptr;

// The system's message box, once it shows: its icons are read, and it is answered.
BOOL CALLBACK ReadMessageBox(HWND hWnd, LPARAM found) {
    wchar_t className[16] = {};
    GetClassNameW(hWnd, className, 16);
    if (!IsWindowVisible(hWnd) || CDialog::FromHandlePermanent(hWnd) != nullptr ||
        std::wstring_view(className) != L"#32770") {
        return TRUE;
    }
    g_seen->push_back(IconsOf("message", hWnd));
    PostMessageW(hWnd, WM_COMMAND, IDOK, 0);
    *reinterpret_cast<bool*>(found) = true;
    return FALSE;
}

void CALLBACK LookForMessageBox(HWND /*hWnd*/, UINT /*message*/, UINT_PTR timer, DWORD /*time*/) {
    bool found = false;
    EnumThreadWindows(GetCurrentThreadId(), &ReadMessageBox, reinterpret_cast<LPARAM>(&found));
    if (found) {
        KillTimer(nullptr, timer);
    }
}

// Shows a message as the program does, reading the icons of its box into seen.
void ShowMessageReadingItsIcons(std::vector<Icons>& seen) {
    g_seen = &seen;
    const UINT_PTR timer = SetTimer(nullptr, 0, USER_TIMER_MINIMUM, &LookForMessageBox);
    AfxMessageBox(u"A message");
    KillTimer(nullptr, timer);
    g_seen = nullptr;
}

class WindowIcons : public DialogTest {};

// Every window of the program shows the program's icon, big and small, in its caption and in
// the task switcher, never the system's default: the main dialog, Setup over it, Edit Club
// over Setup and a message over Edit Club.
TEST_F(WindowIcons, EveryWindowOfTheProgramShowsTheProgramsIcon) {
    std::vector<Icons> seen;
    CAdvisorDlg main;
    ASSERT_TRUE(Player::Open(main));
    seen.push_back(IconsOf("Caddora", main.m_hWnd));
    Player::WithModalDialog<CSetupDlg>(
        [&](CSetupDlg& setup) {
            seen.push_back(IconsOf("Setup", setup.m_hWnd));
            setup.m_lstClubs.SetItemState(0, LVIS_SELECTED, LVIS_SELECTED);
            Player::WithModalDialog<CEditClubDlg>(
                [&](CEditClubDlg& edit) {
                    seen.push_back(IconsOf("Edit Club", edit.m_hWnd));
                    ShowMessageReadingItsIcons(seen);
                    Player::Tap(edit, IDCANCEL);
                },
                [&] { Player::Tap(setup, IDC_EDIT); });
            Player::Tap(setup, IDOK);
        },
        [&] { Player::Tap(main, IDC_SETUP); });
    main.DestroyWindow();

    const HICON bigIcon = LoadIconResource(IDR_MAINFRAME, false);
    const HICON smallIcon = LoadIconResource(IDR_MAINFRAME, true);
    ASSERT_NE(bigIcon, nullptr);
    ASSERT_NE(smallIcon, bigIcon) << "the group's own small image";
    EXPECT_EQ(seen, (std::vector<Icons>{{"Caddora", bigIcon, smallIcon},
                                        {"Setup", bigIcon, smallIcon},
                                        {"Edit Club", bigIcon, smallIcon},
                                        {"message", bigIcon, smallIcon}}));
}

} // namespace
