#pragma once
// The application frame: the one application object's start-up runs once; when it answers
// FALSE the frame runs shut-down at once and ends the process with its result. Whatever
// ends the run (the player, a termination signal, the end of the desktop session, a lost
// display), start-up finishes and shut-down runs exactly once.
#include "platform/core/CString.h"
#include "platform/ui/CCmdTarget.h"

#include <functional>

class CWnd;

class CWinApp : public CCmdTarget {
public:
    explicit CWinApp(const char16_t* pszAppName = nullptr);
    ~CWinApp() override;

    virtual BOOL InitInstance();
    virtual int ExitInstance();
    // The process is exiting while start-up still runs and cannot return: the toolkit ends
    // the process from inside the main dialog's loop when the display connection is lost.
    // Does what start-up does once its main dialog has closed; the frame then runs
    // shut-down. No window may be touched here.
    virtual void FinishInstanceAtExit();

    // Ends the run from outside, as a termination signal or the session manager asks: every
    // open dialog ends as if cancelled, innermost first, so that start-up and shut-down go
    // on in their own order and save what they always save. From then on a dialog that
    // opens ends at once and a message box shows nothing. Asking again changes nothing.
    void EndSession();
    BOOL IsEndingSession() const { return m_bEndingSession; }
    // A second start asked for this copy: the main window, and the dialog open above it,
    // come to the front.
    void BringWindowsToFront();

    CWnd* m_pMainWnd = nullptr;
    const char16_t* m_pszAppName;
    // The program's version, and the id by which the desktop knows its entry and icon; set
    // before AfxWinMain. (A Windows program carries both as resources of its own.)
    const char* m_pszAppVersion = nullptr;
    const char* m_pszAppId = nullptr;
    BOOL m_bEndingSession = FALSE;

    DECLARE_MESSAGE_MAP()
};

// The application object that was constructed first and still lives.
CWinApp* AfxGetApp();
// Starts the toolkit (Fusion style); when another copy already runs for the same settings,
// asks that one to come to the front and answers at once: 0 when it did, 1 when it did not
// answer. Otherwise runs the application object's start-up and shut-down, and answers the
// process's exit code.
int AfxWinMain(CWinApp& app, int argc, char* argv[]);
// The toolkit set-up of AfxWinMain, for tests that drive dialogs without the frame.
void AfxInitToolkit();

// How many arguments from argv[i] on are an option of the toolkit's own, which a program hands
// on to it (Qt's "-platform NAME", "-session ID", "-style=NAME" ...); 0 when argv[i] is none.
int AfxToolkitOptionLength(int argc, char* argv[], int i);
// Runs `work` with the toolkit ready to draw text (its fonts, a page) but no window able to
// show, so that no display is needed; another copy is neither asked nor claimed. Answers what
// `work` answers.
int AfxRunWithoutWindow(int argc, char* argv[], const std::function<int()>& work);
