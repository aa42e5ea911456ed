#pragma once
// One running copy per desktop session on Windows, the same for the dialogs over Win32 and
// over Qt: the first start holds a session-wide mutex until it ends; a later start finds the
// running copy's main window (a window of the program's that nothing owns, marked with the
// dialog property) and brings it, or the dialog open above it, to the front, touching none
// of the player's files. Toolkit-free, and built for Windows only.

// The window property that marks a window as one of this program's dialogs; a later start
// finds the running copy's main window by it. Over Win32 its value is the CDialog.
inline constexpr wchar_t kDialogWindowProperty[] = L"Caddora.CDialog";

// How long a later start waits for the running copy's window, which may still be on its way.
inline constexpr unsigned long kRunningCopyPatienceMs = 5000;

// The session-wide mark of the running copy.
class RunningCopyMark {
public:
    RunningCopyMark() = default;
    ~RunningCopyMark() { Release(); }
    RunningCopyMark(const RunningCopyMark&) = delete;
    RunningCopyMark& operator=(const RunningCopyMark&) = delete;

    enum class Claim { Claimed, AlreadyRunning, Unavailable };
    // Takes the mark: Claimed when this is the one running copy (holding the mark until
    // Release), AlreadyRunning when another copy holds it, Unavailable when the system gives
    // no mark (the copy then runs without the guard).
    Claim Take();
    void Release();

private:
    void* m_mutex = nullptr;
};

// Brings a main window (an HWND), or the dialog open above it, to the front, restoring it
// when it is minimised.
void BringMainWindowToFront(void* mainWindow);
// Whether another copy holds the mark now.
bool RunningCopyExists();
// Brings the running copy's main window (or the dialog open above it) to the front, waiting
// up to patienceMs for it to appear. False when none appeared.
bool BringRunningCopyToFront(unsigned long patienceMs = kRunningCopyPatienceMs);
