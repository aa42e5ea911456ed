// The application object as the frame knows it over either backend: the one instance the
// program makes, and the steps a derived application leaves as they are.
#include "platform/ui/CWinApp.h"

namespace {

CWinApp* g_app = nullptr;

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

CWinApp* AfxGetApp() {
    return g_app;
}
