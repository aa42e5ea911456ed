// Draws the dialogs offscreen and writes them as PNG files into the folder named on
// the command line (tools/make-screenshots uses it for the README): the main dialog at 150
// yards, the Setup dialog with one row selected, and the Edit Club dialog on that club, the
// other dialogs, and the message that refuses a distance out of range; in the language the
// environment chooses, with a first run's clubs. It works in a temporary home, so the user's
// own settings and clubs are never touched.
#include "advisor/AboutDlg.h"
#include "advisor/AdvisorApp.h"
#include "advisor/AdvisorDlg.h"
#include "advisor/ClubGapsDlg.h"
#include "advisor/ConditionsDlg.h"
#include "advisor/EditClubDlg.h"
#include "advisor/SetupDlg.h"
#include "club/ClubBook.h"
#include "platform/ui/CDataExchange.h"
#include "platform/ui/CWinApp.h"
#include "platform/ui/MessageBoxSeam.h"
#include "platform/ui/qt/Handles.h"
#include "res/RegisterCaddoraResources.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>

#include <cstdio>

namespace {

bool Save(CDialog& dlg, const QString& path) {
    const bool saved = WidgetOf(dlg.GetSafeHwnd())->grab().save(path, "PNG");
    dlg.DestroyWindow();
    return saved;
}

// Saves the message box once it shows, and closes it.
void SaveMessageWhenShown(const QString& path, bool& saved) {
    QTimer::singleShot(10, [path, &saved] {
        QWidget* box = QApplication::activeModalWidget();
        if (box == nullptr) {
            SaveMessageWhenShown(path, saved);
            return;
        }
        saved = box->grab().save(path, "PNG");
        box->close();
    });
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <folder>\n", argv[0]);
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
    theApp.CreateDrawingObjects();
    theApp.m_pszAppVersion = CADDORA_VERSION;
    BuildDefaultClubs(theApp.m_clubs, &DefaultClubNames());
    const QDir folder(QString::fromLocal8Bit(argv[1]));

    CAdvisorDlg main;
    main.m_nDistance = 150;
    if (!main.Create()) {
        return 1;
    }
    bool saved = Save(main, folder.filePath(QStringLiteral("main-dialog.png")));

    const int row = 6;
    CSetupDlg setup;
    if (!setup.Create()) {
        return 1;
    }
    setup.m_lstClubs.SetItemState(row, LVIS_SELECTED, LVIS_SELECTED);
    const auto nClubId = static_cast<std::int32_t>(setup.m_lstClubs.GetItemData(row));
    saved = Save(setup, folder.filePath(QStringLiteral("setup-dialog.png"))) && saved;

    const CGolfClub* club = theApp.m_clubs.FindClub(nClubId);
    CEditClubDlg edit;
    edit.m_strDescription = club->m_strName;
    edit.m_nBestDistance = club->m_nMaleDistance;
    if (!edit.Create()) {
        return 1;
    }
    saved = Save(edit, folder.filePath(QStringLiteral("edit-club-dialog.png"))) && saved;

    CClubGapsDlg gaps;
    if (!gaps.Create()) {
        return 1;
    }
    saved = Save(gaps, folder.filePath(QStringLiteral("club-gaps-dialog.png"))) && saved;
    CConditionsDlg conditions;
    conditions.m_conditions = Conditions{true, 10, true, 55, -12, 1200};
    if (!conditions.Create()) {
        return 1;
    }
    saved = Save(conditions, folder.filePath(QStringLiteral("conditions-dialog.png"))) && saved;
    CAboutDlg about;
    if (!about.Create()) {
        return 1;
    }
    saved = Save(about, folder.filePath(QStringLiteral("about-dialog.png"))) && saved;
    bool messageSaved = false;
    SaveMessageWhenShown(folder.filePath(QStringLiteral("message.png")), messageSaved);
    AfxMessageBox(IntegerRangeMessage(50, 1000));
    saved = messageSaved && saved;
    theApp.m_clubs.DeleteAll();
    return saved ? 0 : 1;
}
