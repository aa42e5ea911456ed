#include "advisor/AdvisorApp.h"
#include "advisor/CommandLine.h"
#include "advisor/CommandLineRun.h"
#include "res/RegisterCaddoraResources.h"

int main(int argc, char* argv[]) {
    RegisterCaddoraResources();
    // What the program calls itself, known before the toolkit starts, so that the first
    // window already carries the id by which the desktop finds the program's entry and icon.
    theApp.m_pszAppVersion = CADDORA_VERSION;
    theApp.m_pszAppId = CADDORA_APP_ID;
    // A command of the command line answers before any toolkit or window starts.
    if (const CommandLine line = ReadCommandLine(argc, argv);
        line.command != CommandLine::Command::openWindow) {
        return RunCommandLine(line, argc, argv);
    }
    return AfxWinMain(theApp, argc, argv);
}
