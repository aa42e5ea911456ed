#include "support/AppTest.h"

#include "ui/AdvisorDlg.h"
#include "ui/EditClubDlg.h"
#include "ui/SetupDlg.h"

#include <QLineEdit>
#include <QTest>
#include <QTreeWidget>
#include <QWindow>

namespace {

// Setup as a window: who owns it, and where its list's current row is.
class SetupWindow : public AppTest {
protected:
    void SetUp() override {
        AppTest::SetUp();
        PrepareDrawingObjectsAndClubs();
    }
    static void Tap(CDialog& dlg, int id) {
        QTest::mouseClick(dlg.GetDlgItem(id)->m_hWnd, Qt::LeftButton, {}, QPoint(4, 4));
    }
    static QTreeWidget* List(CSetupDlg& setup) {
        return qobject_cast<QTreeWidget*>(setup.m_lstClubs.m_hWnd);
    }
    static QWindow* Owner(CDialog& dlg) {
        return dlg.GetSafeHwnd()->windowHandle()->transientParent();
    }
};

TEST_F(SetupWindow, SetupBelongsToTheMainDialogAndEditClubToSetup) {
    CAdvisorDlg main;
    ASSERT_TRUE(main.Create());
    ASSERT_TRUE(Activate(main.GetSafeHwnd()));
    QWindow* setupOwner = nullptr;
    QString editOwner;
    WithModalDialog<CSetupDlg>(
        [&](CSetupDlg& setup) {
            setupOwner = Owner(setup);
            setup.m_lstClubs.SetItemState(0, LVIS_SELECTED, LVIS_SELECTED);
            WithModalDialog<CEditClubDlg>(
                [&](CEditClubDlg& edit) {
                    editOwner = Owner(edit) != nullptr ? Owner(edit)->title() : QString();
                    Tap(edit, IDCANCEL);
                },
                [&] { Tap(setup, IDC_EDIT); });
            Tap(setup, IDOK);
        },
        [&] { Tap(main, IDC_SETUP); });
    EXPECT_EQ(setupOwner, main.GetSafeHwnd()->windowHandle());
    EXPECT_EQ(editOwner, QStringLiteral("Setup"));
    main.DestroyWindow();
}

// No row is current until one is selected; the arrow keys then start from the selected row,
// also after an accepted edit has selected its row again.
TEST_F(SetupWindow, TheListsCurrentRowIsTheSelectedRow) {
    CSetupDlg setup;
    ASSERT_TRUE(setup.Create());
    ASSERT_TRUE(Activate(setup.GetSafeHwnd()));
    QTreeWidget* list = List(setup);
    ASSERT_EQ(QApplication::focusWidget(), list);
    EXPECT_EQ(list->currentItem(), nullptr) << "no focus frame on a row nobody chose";
    QTest::keyClick(list, Qt::Key_Down);
    EXPECT_EQ(setup.m_lstClubs.GetNextItem(-1, LVNI_SELECTED), 0) << "Driver (1 Wood)";

    QTest::keyClick(list, Qt::Key_Down);
    QTest::keyClick(list, Qt::Key_Down);
    ASSERT_EQ(setup.m_lstClubs.GetNextItem(-1, LVNI_SELECTED), 2);
    WithModalDialog<CEditClubDlg>([](CEditClubDlg& edit) { Tap(edit, IDOK); },
                                  [&] { Tap(setup, IDC_EDIT); });
    ASSERT_EQ(setup.m_lstClubs.GetNextItem(-1, LVNI_SELECTED), 2);
    EXPECT_EQ(list->currentItem(), list->topLevelItem(2));
    QTest::keyClick(list, Qt::Key_Down);
    EXPECT_EQ(setup.m_lstClubs.GetNextItem(-1, LVNI_SELECTED), 3);
    setup.DestroyWindow();
}

} // namespace
