#include "CWinApp.h"

#include "QtConvert.h"

#include <QApplication>
#include <QStyleFactory>

namespace {
CWinApp* g_app = nullptr;
}

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

CWinApp* AfxGetApp() {
    return g_app;
}

void AfxInitToolkit() {
    // The same look everywhere: the scheme's colours are drawn by one style on every system.
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    // Message boxes and tooltips speak in the dialogs' face, so that only that face is loaded.
    QApplication::setFont(ToQFont(LogFontFromPoints(u"MS Sans Serif", 8)));
    // No display name: the window system would append it to every title ("Setup — Caddora").
    QApplication::setApplicationName(QStringLiteral("Caddora"));
    QApplication::setOrganizationName(QStringLiteral("Holverra"));
}

int AfxWinMain(CWinApp& app, int argc, char* argv[]) {
    QApplication application(argc, argv);
    AfxInitToolkit();
    if (!app.InitInstance()) {
        return app.ExitInstance();
    }
    QApplication::exec();
    return app.ExitInstance();
}
