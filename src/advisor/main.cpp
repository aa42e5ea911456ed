#include "advisor/AdvisorApp.h"
#include "res/RegisterCaddoraResources.h"

int main(int argc, char* argv[]) {
    RegisterCaddoraResources();
    // What the program calls itself, known before the toolkit starts, so that the first
    // window already carries the id by which the desktop finds the program's entry and icon.
    theApp.m_pszAppVersion = CADDORA_VERSION;
    theApp.m_pszAppId = CADDORA_APP_ID;
    return AfxWinMain(theApp, argc, argv);
}
