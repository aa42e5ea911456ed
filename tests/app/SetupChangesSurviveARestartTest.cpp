#include "support/AppTest.h"
#include "support/Player.h"

#include "advisor/AdvisorDlg.h"
#include "advisor/EditClubDlg.h"
#include "advisor/SetupDlg.h"

#include <QLabel>
#include <QLineEdit>
#include <QTest>

namespace {

// Two runs of the program as the frame drives them: what the player sets up in the first
// is what the second starts with.
class SetupChangesSurviveARestart : public AppTest {
protected:
    void Run(std::function<void(CAdvisorDlg&)> act) {
        EXPECT_FALSE(Player::WithModalDialog(std::move(act), [] { return theApp.InitInstance(); }));
        EXPECT_EQ(theApp.ExitInstance(), 0);
    }
    static void Tap(CDialog& dlg, int id) {
        QTest::mouseClick(WidgetOf(dlg.GetDlgItem(id)->m_hWnd), Qt::LeftButton, {}, QPoint(4, 4));
    }
    static void Retype(CDialog& dlg, int id, const QString& text) {
        auto* field = qobject_cast<QLineEdit*>(WidgetOf(dlg.GetDlgItem(id)->m_hWnd));
        field->selectAll();
        QTest::keyClick(field, Qt::Key_Delete);
        QTest::keyClicks(field, text);
    }
};

TEST_F(SetupChangesSurviveARestart, ThePlayerTypeAndAnEditedClubAreThereAtTheNextStart) {
    const int row = 5;
    std::int32_t editedId = 0;
    int maleBefore = 0;
    Run([&](CAdvisorDlg& main) {
        Player::WhenModalDialog<CSetupDlg>([&](CSetupDlg& setup) {
            Tap(setup, IDC_ADULT_FEMALE);
            setup.m_lstClubs.SetItemState(row, LVIS_SELECTED, LVIS_SELECTED);
            editedId = static_cast<std::int32_t>(setup.m_lstClubs.GetItemData(row));
            maleBefore = theApp.m_clubs.FindClub(editedId)->m_nMaleDistance;
            Player::WhenModalDialog<CEditClubDlg>([](CEditClubDlg& edit) {
                Retype(edit, IDC_BEST_DISTANCE, QStringLiteral("123"));
                Retype(edit, IDC_DESCRIPTION, QStringLiteral("Trusty Hybrid"));
                Tap(edit, IDOK);
            });
            Tap(setup, IDC_EDIT);
            Tap(setup, IDOK);
        });
        Tap(main, IDC_SETUP);
        Tap(main, IDC_CLOSE);
    });
    ASSERT_NE(editedId, 0);
    EXPECT_TRUE(theApp.m_clubs.IsEmpty());

    theApp.m_nPlayerType = 1; // as a fresh process starts
    QStringList rows;
    Run([&](CAdvisorDlg& main) {
        EXPECT_EQ(theApp.m_nPlayerType, 2);
        const CGolfClub* club = theApp.m_clubs.FindClub(editedId);
        ASSERT_NE(club, nullptr);
        EXPECT_EQ(club->m_strName, CString(u"Trusty Hybrid"));
        EXPECT_EQ(club->m_nFemaleDistance, 123);
        EXPECT_EQ(club->m_nMaleDistance, maleBefore);
        Player::WhenModalDialog<CSetupDlg>([&](CSetupDlg& setup) {
            rows << ToQString(setup.m_lstClubs.GetItemText(row, 0))
                 << ToQString(setup.m_lstClubs.GetItemText(row, 1));
            EXPECT_EQ(setup.GetDlgItem(IDC_ADULT_FEMALE)->GetCheck(), BST_CHECKED);
            QTest::keyClick(WidgetOf(setup.GetSafeHwnd()), Qt::Key_Escape);
        });
        Tap(main, IDC_SETUP);
        Tap(main, IDC_CLOSE);
    });
    EXPECT_EQ(rows, (QStringList{"Trusty Hybrid", "123"}));
}

} // namespace
