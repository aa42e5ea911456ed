#include "app/AdvisorApp.h"
#include "res/Resources.h"

#include <QGuiApplication>

int main(int argc, char* argv[]) {
    RegisterCaddoraResources();
    // Set before the toolkit starts, so that the first window already carries the id by
    // which the desktop finds the program's entry and icon.
    QCoreApplication::setApplicationVersion(QStringLiteral(CADDORA_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral(CADDORA_APP_ID));
    return AfxWinMain(theApp, argc, argv);
}
