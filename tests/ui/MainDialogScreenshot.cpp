// Draws the main dialog offscreen, as it opens with the built-in clubs, and writes it to the
// PNG file named on the command line (tools/make-screenshot uses it for the README). It works
// in a temporary home, so the user's own settings and clubs are never touched.
#include "app/AdvisorApp.h"
#include "club/ClubBook.h"
#include "platform/ui/CWinApp.h"
#include "res/Resources.h"
#include "ui/AdvisorDlg.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QWidget>

#include <cstdio>

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <picture.png>\n", argv[0]);
        return 2;
    }
    QTemporaryDir home;
    qputenv("HOME", home.path().toUtf8());
    qputenv("XDG_CONFIG_HOME", (home.path() + "/.config").toUtf8());
    qputenv("XDG_DATA_HOME", (home.path() + "/.local/share").toUtf8());
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    AfxInitToolkit();
    RegisterCaddoraResources();

    theApp.m_brLight.CreateSolidBrush(kLightColour);
    theApp.m_brDark.CreateSolidBrush(kDarkColour);
    LOGFONT lf = GetStockSystemFont();
    lf.lfWeight = FW_BOLD;
    lf.lfHeight = -12;
    theApp.m_fntBold.CreateFontIndirect(&lf);
    BuildDefaultClubs(theApp.m_clubs);

    CAdvisorDlg dlg;
    dlg.m_nDistance = 150;
    if (!dlg.Create()) {
        return 1;
    }
    const bool saved = dlg.GetSafeHwnd()->grab().save(QString::fromLocal8Bit(argv[1]), "PNG");
    dlg.DestroyWindow();
    theApp.m_clubs.DeleteAll();
    return saved ? 0 : 1;
}
