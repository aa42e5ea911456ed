#include "app/AdvisorApp.h"
#include "res/Resources.h"

#ifndef CADDORA_UI_WIN32
#include <QGuiApplication>
#endif

int main(int argc, char* argv[]) {
    RegisterCaddoraResources();
#ifndef CADDORA_UI_WIN32
    // Set before the toolkit starts, so that the first window already carries the id by
    // which the desktop finds the program's entry and icon. (On Win32 the version and the
    // icon are resources of the program itself.)
    QCoreApplication::setApplicationVersion(QStringLiteral(CADDORA_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral(CADDORA_APP_ID));
#endif
    return AfxWinMain(theApp, argc, argv);
}
