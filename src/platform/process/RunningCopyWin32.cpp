#include "platform/process/RunningCopy.h"

#include <windows.h>

namespace {

constexpr wchar_t kRunningCopyMutex[] = L"Local\\Holverra.Caddora.RunningCopy";

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

} // namespace

RunningCopyMark::Claim RunningCopyMark::Take() {
    Release();
    const HANDLE mutex = CreateMutexW(nullptr, FALSE, kRunningCopyMutex);
    if (mutex == nullptr) {
        return Claim::Unavailable;
    }
    if (GetLastError() == ERROR_ALREADY_EXISTS) {
        CloseHandle(mutex);
        return Claim::AlreadyRunning;
    }
    m_mutex = mutex;
    return Claim::Claimed;
}

void RunningCopyMark::Release() {
    if (m_mutex != nullptr) {
        CloseHandle(static_cast<HANDLE>(m_mutex));
        m_mutex = nullptr;
    }
}

void BringMainWindowToFront(void* mainWindow) {
    const auto main = static_cast<HWND>(mainWindow);
    if (IsIconic(main)) {
        ShowWindow(main, SW_RESTORE);
    }
    // The dialog open above the main window (Setup, Edit Club, a message) is the one to use.
    SetForegroundWindow(GetLastActivePopup(main));
}

bool RunningCopyExists() {
    const HANDLE mutex = OpenMutexW(SYNCHRONIZE, FALSE, kRunningCopyMutex);
    if (mutex == nullptr) {
        return false;
    }
    CloseHandle(mutex);
    return true;
}

bool BringRunningCopyToFront(unsigned long patienceMs) {
    const DWORD start = GetTickCount();
    do {
        if (const HWND main = FindRunningMainWindow()) {
            BringMainWindowToFront(main);
            return true;
        }
        Sleep(100);
    } while (GetTickCount() - start < patienceMs);
    return false;
}
