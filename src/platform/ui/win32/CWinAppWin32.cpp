#include "platform/ui/CWinApp.h"

#include "platform/process/RunningCopy.h"
#include "platform/ui/CDialog.h"
#include "platform/ui/win32/DialogWindowWin32.h"
#include "platform/ui/win32/MessageLoop.h"

#include <string_view>

namespace {

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

void CWinApp::EndSession() {
    if (m_bEndingSession) {
        return;
    }
    m_bEndingSession = TRUE;
    // A message box runs a loop of its own: it goes first. Then the dialogs, innermost first,
    // as the player would leave them.
    EnumThreadWindows(GetCurrentThreadId(), &CloseForeignDialog, 0);
    const std::vector<CDialog*> modal = ModalStack();
    for (auto dialog = modal.rbegin(); dialog != modal.rend(); ++dialog) {
        if (!(*dialog)->IsEnded()) {
            (*dialog)->EndDialog(IDCANCEL);
        }
    }
}

void CWinApp::BringWindowsToFront() {
    if (m_pMainWnd != nullptr && m_pMainWnd->m_hWnd != nullptr) {
        BringMainWindowToFront(m_pMainWnd->m_hWnd);
    }
}

void AfxInitToolkit() {
    INITCOMMONCONTROLSEX controls{};
    controls.dwSize = sizeof controls;
    controls.dwICC =
        ICC_STANDARD_CLASSES | ICC_LISTVIEW_CLASSES | ICC_UPDOWN_CLASS | ICC_BAR_CLASSES;
    InitCommonControlsEx(&controls);
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
    // Without a mark to take the copy runs all the same, unguarded.
    RunningCopyMark mark;
    if (mark.Take() == RunningCopyMark::Claim::AlreadyRunning) {
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
    return exitCode;
}

int AfxToolkitOptionLength(int /*argc*/, char* /*argv*/[], int /*i*/) {
    // The system's dialogs take no options from a program's command line.
    return 0;
}

int AfxRunWithoutWindow(int /*argc*/, char* /*argv*/[], const std::function<int()>& work) {
    // The system draws text and pages without any start-up of its own.
    return work();
}
