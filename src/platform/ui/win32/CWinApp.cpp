#include "platform/ui/CWinApp.h"

#include "MessageLoop.h"
#include "platform/ui/CDialog.h"

#include <string_view>

namespace {

CWinApp* g_app = nullptr;

// One running copy per user session: the first start holds this mutex until it ends.
constexpr wchar_t kRunningCopyMutex[] = L"Local\\Holverra.Caddora.RunningCopy";
// How long a second start waits for the first one's window, which may still be on its way.
constexpr DWORD kWindowPatienceMs = 5000;

// Where a run stands, so that the end of the desktop session, which must finish the run
// before it is answered, and the frame's own order never both run a step.
struct Run {
    enum class Stage { None, Starting, Started, Finished };
    CWinApp* app = nullptr;
    Stage stage = Stage::None;
    int exitCode = 0;
};

Run& CurrentRun() {
    static Run run;
    return run;
}

// The main window of the copy already running: a window of one of its dialogs that nothing
// owns (Setup and Edit Club are owned).
HWND FindRunningMainWindow() {
    HWND found = nullptr;
    EnumWindows(
        [](HWND hWnd, LPARAM lParam) -> BOOL {
            if (GetPropW(hWnd, kDialogWindowProperty) != nullptr &&
                GetWindow(hWnd, GW_OWNER) == nullptr) {
                *reinterpret_cast<HWND*>(lParam) = hWnd;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

void BringToFront(HWND main) {
    if (IsIconic(main)) {
        ShowWindow(main, SW_RESTORE);
    }
    // The dialog open above the main window (Setup, Edit Club, a message) is the one to use.
    SetForegroundWindow(GetLastActivePopup(main));
}

bool BringRunningCopyToFront() {
    const DWORD start = GetTickCount();
    do {
        if (const HWND main = FindRunningMainWindow()) {
            BringToFront(main);
            return true;
        }
        Sleep(100);
    } while (GetTickCount() - start < kWindowPatienceMs);
    return false;
}

// Ends a window that runs a modal loop of its own (a message box) as its close box would.
BOOL CALLBACK CloseForeignDialog(HWND hWnd, LPARAM /*lParam*/) {
    wchar_t className[16] = {};
    GetClassNameW(hWnd, className, 16);
    if (IsWindowVisible(hWnd) && CDialog::FromHandlePermanent(hWnd) == nullptr &&
        std::wstring_view(className) == L"#32770") {
        PostMessageW(hWnd, WM_CLOSE, 0, 0);
    }
    return TRUE;
}

} // namespace

BEGIN_MESSAGE_MAP(CWinApp, CCmdTarget)
END_MESSAGE_MAP()

CWinApp::CWinApp(const char16_t* pszAppName) : m_pszAppName(pszAppName) {
    if (g_app == nullptr) {
        g_app = this;
    }
}

CWinApp::~CWinApp() {
    if (g_app == this) {
        g_app = nullptr;
    }
}

BOOL CWinApp::InitInstance() {
    return TRUE;
}

int CWinApp::ExitInstance() {
    return 0;
}

void CWinApp::FinishInstanceAtExit() {}

void CWinApp::EndSession() {
    if (m_bEndingSession) {
        return;
    }
    m_bEndingSession = TRUE;
    // A message box runs a loop of its own: it goes first. Then the dialogs, innermost first,
    // as the player would leave them.
    EnumThreadWindows(GetCurrentThreadId(), &CloseForeignDialog, 0);
    for (CDialog* dialog : CDialog::ModalDialogs()) {
        if (!dialog->IsEnded()) {
            dialog->EndDialog(IDCANCEL);
        }
    }
}

void CWinApp::BringWindowsToFront() {
    if (m_pMainWnd != nullptr && m_pMainWnd->m_hWnd != nullptr) {
        BringToFront(m_pMainWnd->m_hWnd);
    }
}

CWinApp* AfxGetApp() {
    return g_app;
}

void AfxInitToolkit() {
    INITCOMMONCONTROLSEX controls{};
    controls.dwSize = sizeof controls;
    controls.dwICC = ICC_STANDARD_CLASSES | ICC_LISTVIEW_CLASSES | ICC_UPDOWN_CLASS |
                     ICC_BAR_CLASSES | ICC_WIN95_CLASSES;
    InitCommonControlsEx(&controls);
}

CString AfxGetSettingsLocation() {
    // The registry of the current user, which a user session has one of.
    return CString(u"HKEY_CURRENT_USER");
}

void AfxEndRunForSessionEnd() {
    Run& run = CurrentRun();
    if (run.app == nullptr || run.stage == Run::Stage::None || run.stage == Run::Stage::Finished) {
        return;
    }
    run.app->EndSession();
    if (run.stage == Run::Stage::Starting) {
        run.app->FinishInstanceAtExit();
    }
    run.stage = Run::Stage::Finished;
    run.exitCode = run.app->ExitInstance();
}

int AfxWinMain(CWinApp& app, int /*argc*/, char* /*argv*/[]) {
    AfxInitToolkit();
    const HANDLE mutex = CreateMutexW(nullptr, FALSE, kRunningCopyMutex);
    if (mutex != nullptr && GetLastError() == ERROR_ALREADY_EXISTS) {
        CloseHandle(mutex);
        // Nothing of the player's was touched. 1 says the running copy could not be found.
        return BringRunningCopyToFront() ? 0 : 1;
    }
    Run& run = CurrentRun();
    run.app = &app;
    run.stage = Run::Stage::Starting;
    const BOOL runLoop = app.InitInstance();
    if (run.stage != Run::Stage::Finished) {
        run.stage = Run::Stage::Started;
        MSG msg{};
        while (runLoop && GetMessageW(&msg, nullptr, 0, 0) > 0) {
            if (!AfxPreTranslateMessage(msg)) {
                TranslateMessage(&msg);
                DispatchMessageW(&msg);
            }
        }
        run.stage = Run::Stage::Finished;
        run.exitCode = app.ExitInstance();
    }
    const int exitCode = run.exitCode;
    run = Run{};
    if (mutex != nullptr) {
        CloseHandle(mutex);
    }
    return exitCode;
}
