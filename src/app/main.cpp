#include "app/AdvisorApp.h"
#include "res/Resources.h"

int main(int argc, char* argv[]) {
    RegisterCaddoraResources();
    return AfxWinMain(theApp, argc, argv);
}
