#pragma once
// The application frame: the one application object's start-up runs once; when it answers
// FALSE the frame runs shut-down at once and ends the process with its result.
#include "CCmdTarget.h"

class CWnd;

class CWinApp : public CCmdTarget {
public:
    explicit CWinApp(const char16_t* pszAppName = nullptr);
    ~CWinApp() override;

    virtual BOOL InitInstance();
    virtual int ExitInstance();

    CWnd* m_pMainWnd = nullptr;
    const char16_t* m_pszAppName;

    DECLARE_MESSAGE_MAP()
};

// The application object that was constructed first and still lives.
CWinApp* AfxGetApp();
// Starts the toolkit (Fusion style), then runs the application object's start-up and
// shut-down; answers the process's exit code.
int AfxWinMain(CWinApp& app, int argc, char* argv[]);
// The toolkit set-up of AfxWinMain, for tests that drive dialogs without the frame.
void AfxInitToolkit();
