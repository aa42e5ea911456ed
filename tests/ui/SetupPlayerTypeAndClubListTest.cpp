#include "support/AppTest.h"

#include "advisor/EditClubDlg.h"
#include "advisor/SetupDlg.h"
#include "platform/ui/MessageBoxSeam.h"

#include <QApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTreeWidget>

namespace {

struct SetupProbe : CSetupDlg {
    using CSetupDlg::RefreshClubList;
};

class SetupDialog : public AppTest {
protected:
    void SetUp() override {
        AppTest::SetUp();
        PrepareDrawingObjectsAndClubs();
    }
    void TearDown() override {
        dlg.DestroyWindow();
        AppTest::TearDown();
    }
    void Open() {
        ASSERT_TRUE(dlg.Create());
        ASSERT_TRUE(Activate(WidgetOf(dlg.GetSafeHwnd())));
    }
    QWidget* Control(int id) { return WidgetOf(dlg.GetDlgItem(id)->m_hWnd); }
    QTreeWidget* List() { return qobject_cast<QTreeWidget*>(Control(IDC_CLUB_LIST)); }
    QRadioButton* Radio(int id) { return qobject_cast<QRadioButton*>(Control(id)); }
    void Click(int id) { QTest::mouseClick(Control(id), Qt::LeftButton, {}, QPoint(4, 4)); }
    void ClickRow(int row) {
        QTreeWidget* list = List();
        const QRect cell = list->visualItemRect(list->topLevelItem(row));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, cell.center());
    }
    QStringList Column(int column) {
        QStringList cells;
        for (int i = 0; i < List()->topLevelItemCount(); ++i) {
            cells << List()->topLevelItem(i)->text(column);
        }
        return cells;
    }
    static QStringList Distances(PlayerType playerType) {
        QStringList cells;
        for (auto pos = theApp.m_clubs.GetHeadPosition(); pos;) {
            cells << QString::number(theApp.m_clubs.GetNext(pos)->DistanceFor(playerType));
        }
        return cells;
    }
    static QStringList Names() {
        QStringList cells;
        for (auto pos = theApp.m_clubs.GetHeadPosition(); pos;) {
            cells << ToQString(theApp.m_clubs.GetNext(pos)->m_strName);
        }
        return cells;
    }
    static void AddClub(std::int32_t id, const char16_t* name, int male, int female) {
        auto club = std::make_unique<CGolfClub>(id);
        club->m_strName = name;
        club->m_nMaleDistance = male;
        club->m_nFemaleDistance = female;
        theApp.m_clubs.AddTail(std::move(club));
    }
    // Presses Edit with `act` playing the player in the Edit Club dialog that opens.
    void EditWith(std::function<void(CEditClubDlg&)> act) {
        WithModalDialog(std::move(act), [this] { Click(IDC_EDIT); });
    }
    // Presses Edit where no dialog may open; one that did would be failed by the watchdog.
    void PressEditExpectingNothing() {
        Click(IDC_EDIT);
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    }
    // The widget that has the focus within the dialog, active or not.
    QWidget* Focused() { return WidgetOf(dlg.GetSafeHwnd())->focusWidget(); }
    static void Retype(CDialog& edit, int id, const QString& text) {
        auto* field = qobject_cast<QLineEdit*>(WidgetOf(edit.GetDlgItem(id)->m_hWnd));
        field->selectAll();
        QTest::keyClick(field, Qt::Key_Delete);
        QTest::keyClicks(field, text);
    }
    static void Press(CDialog& edit, int id) {
        QTest::mouseClick(WidgetOf(edit.GetDlgItem(id)->m_hWnd), Qt::LeftButton);
    }

    SetupProbe dlg;
};

TEST_F(SetupDialog, ListsEveryClubInListOrderWithItsIdAsItemData) {
    Open();
    EXPECT_EQ(List()->headerItem()->text(0), QStringLiteral("Club"));
    EXPECT_EQ(List()->headerItem()->text(1), QStringLiteral("Dist."));
    EXPECT_EQ(List()->columnCount(), 2);
    EXPECT_EQ(List()->header()->sectionSize(0), 120);
    EXPECT_EQ(List()->header()->sectionSize(1), 50);
    EXPECT_EQ(dlg.m_lstClubs.GetExtendedStyle(), LVS_EX_FULLROWSELECT);
    ASSERT_EQ(dlg.m_lstClubs.GetItemCount(), 14);
    EXPECT_EQ(Column(0), Names());
    EXPECT_EQ(Column(1), Distances(1));
    int row = 0;
    for (auto pos = theApp.m_clubs.GetHeadPosition(); pos; ++row) {
        EXPECT_EQ(dlg.m_lstClubs.GetItemData(row), theApp.m_clubs.GetNext(pos)->m_nClubId);
    }
    EXPECT_EQ(dlg.m_lstClubs.GetNextItem(-1, LVNI_SELECTED), -1) << "no row starts selected";
    EXPECT_EQ(QApplication::focusWidget(), List());
}

struct OpeningCase {
    const char* name;
    PlayerType stored;
    bool male;
    PlayerType after;
};

class Opening : public SetupDialog, public ::testing::WithParamInterface<OpeningCase> {};

TEST_P(Opening, SetsTheRadioOfThePlayerTypeAndReadsItBack) {
    const OpeningCase& c = GetParam();
    theApp.m_nPlayerType = c.stored;
    Open();
    EXPECT_EQ(Radio(IDC_ADULT_MALE)->isChecked(), c.male);
    EXPECT_EQ(Radio(IDC_ADULT_FEMALE)->isChecked(), !c.male);
    EXPECT_EQ(theApp.m_nPlayerType, c.after);
    EXPECT_EQ(Column(1), Distances(c.after));
}

INSTANTIATE_TEST_SUITE_P(PlayerTypes, Opening,
                         ::testing::Values(OpeningCase{"Male", 1, true, 1},
                                           OpeningCase{"Female", 2, false, 2},
                                           OpeningCase{"ThreeBecomesFemale", 3, false, 2},
                                           OpeningCase{"ZeroBecomesFemale", 0, false, 2},
                                           OpeningCase{"NegativeBecomesFemale", -1, false, 2}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(SetupDialog, EachRadioClickRewritesEveryDistanceAndThePlayerType) {
    Open();
    ASSERT_NE(Distances(1), Distances(2));
    Click(IDC_ADULT_FEMALE);
    EXPECT_EQ(theApp.m_nPlayerType, 2);
    EXPECT_TRUE(Radio(IDC_ADULT_FEMALE)->isChecked());
    EXPECT_FALSE(Radio(IDC_ADULT_MALE)->isChecked()) << "one radio of the group at a time";
    EXPECT_EQ(Column(1), Distances(2));
    EXPECT_EQ(Column(0), Names());

    Click(IDC_ADULT_MALE);
    EXPECT_EQ(theApp.m_nPlayerType, 1);
    EXPECT_FALSE(Radio(IDC_ADULT_FEMALE)->isChecked());
    EXPECT_EQ(Column(1), Distances(1));
}

TEST_F(SetupDialog, ClickingTheSetRadioRebuildsTheSameRowsAndDropsTheSelection) {
    Open();
    ClickRow(4);
    ASSERT_EQ(dlg.m_lstClubs.GetNextItem(-1, LVNI_SELECTED), 4);
    theApp.m_nPlayerType = 7; // the click reads the radio back
    Click(IDC_ADULT_MALE);
    EXPECT_TRUE(Radio(IDC_ADULT_MALE)->isChecked());
    EXPECT_EQ(theApp.m_nPlayerType, 1);
    EXPECT_EQ(Column(1), Distances(1));
    EXPECT_EQ(dlg.m_lstClubs.GetNextItem(-1, LVNI_SELECTED), -1);
}

TEST_F(SetupDialog, WithNeitherRadioSetTheRefillLeavesThePlayerTypeAlone) {
    Open();
    dlg.GetDlgItem(IDC_ADULT_MALE)->SetCheck(BST_UNCHECKED);
    dlg.GetDlgItem(IDC_ADULT_FEMALE)->SetCheck(BST_UNCHECKED);
    theApp.m_nPlayerType = 5;
    dlg.RefreshClubList();
    EXPECT_EQ(theApp.m_nPlayerType, 5);
    EXPECT_EQ(Column(1), Distances(2)) << "every type but 1 reads the female column";
    theApp.m_nPlayerType = 1;
    dlg.RefreshClubList();
    EXPECT_EQ(theApp.m_nPlayerType, 1);
    EXPECT_EQ(Column(1), Distances(1));
}

TEST_F(SetupDialog, DistancesShowAsPlainSignedNumbersInListOrder) {
    theApp.m_clubs.DeleteAll();
    AddClub(1, u"Long", 0, 5);
    AddClub(2, u"Odd", -12, -3);
    AddClub(3, u"Short", 250, 2147483647);
    AddClub(4, u"Lowest", -2147483647 - 1, 9);
    Open();
    EXPECT_EQ(Column(0), (QStringList{"Long", "Odd", "Short", "Lowest"}));
    EXPECT_EQ(Column(1), (QStringList{"0", "-12", "250", "-2147483648"}));
    Click(IDC_ADULT_FEMALE);
    EXPECT_EQ(Column(1), (QStringList{"5", "-3", "2147483647", "9"}));
}

TEST_F(SetupDialog, AnEmptyClubListShowsNoRowsAndEditDoesNothing) {
    theApp.m_clubs.DeleteAll();
    Open();
    EXPECT_EQ(dlg.m_lstClubs.GetItemCount(), 0);
    PressEditExpectingNothing();
    EXPECT_FALSE(dlg.IsEnded());
    EXPECT_TRUE(MessageBoxSeam::TakeShownTexts().empty());
}

TEST_F(SetupDialog, EditWithoutASelectionDoesNothing) {
    Open();
    PressEditExpectingNothing();
    EXPECT_FALSE(dlg.IsEnded());
    EXPECT_EQ(Column(1), Distances(1));
}

TEST_F(SetupDialog, AnAcceptedEditShowsTheRowChangedSelectedAndFocused) {
    theApp.m_nPlayerType = 2;
    Open();
    ClickRow(3);
    CGolfClub* club =
        theApp.m_clubs.FindClub(static_cast<std::int32_t>(dlg.m_lstClubs.GetItemData(3)));
    ASSERT_NE(club, nullptr);
    const int male = club->m_nMaleDistance;
    const int female = club->m_nFemaleDistance;
    QString shown;
    Control(IDOK)->setFocus(); // the focus must come back to the list

    EditWith([&](CEditClubDlg& edit) {
        shown =
            qobject_cast<QLineEdit*>(WidgetOf(edit.GetDlgItem(IDC_BEST_DISTANCE)->m_hWnd))->text();
        Retype(edit, IDC_BEST_DISTANCE, QStringLiteral("77"));
        Retype(edit, IDC_DESCRIPTION, QStringLiteral("My Wood "));
        Press(edit, IDOK);
    });

    EXPECT_EQ(shown, QString::number(female)) << "the female column";
    EXPECT_EQ(club->m_nFemaleDistance, 77);
    EXPECT_EQ(club->m_nMaleDistance, male);
    EXPECT_EQ(club->m_strName, CString(u"My Wood "));
    EXPECT_EQ(List()->topLevelItem(3)->text(0), QStringLiteral("My Wood "));
    EXPECT_EQ(List()->topLevelItem(3)->text(1), QStringLiteral("77"));
    EXPECT_EQ(dlg.m_lstClubs.GetNextItem(-1, LVNI_SELECTED), 3);
    EXPECT_EQ(dlg.m_lstClubs.GetNextItem(3, LVNI_SELECTED), -1) << "one row only";
    EXPECT_EQ(Focused(), List());
    EXPECT_FALSE(dlg.IsEnded());
}

TEST_F(SetupDialog, ACancelledEditKeepsTheSelectionTheRowAndTheFocus) {
    Open();
    ClickRow(6);
    const QString name = List()->topLevelItem(6)->text(0);
    const QString distance = List()->topLevelItem(6)->text(1);
    Control(IDC_EDIT)->setFocus();

    EditWith([&](CEditClubDlg& edit) {
        Retype(edit, IDC_BEST_DISTANCE, QStringLiteral("1"));
        Retype(edit, IDC_DESCRIPTION, QStringLiteral("Nothing"));
        Press(edit, IDCANCEL);
    });

    EXPECT_EQ(List()->topLevelItem(6)->text(0), name);
    EXPECT_EQ(List()->topLevelItem(6)->text(1), distance);
    EXPECT_EQ(Column(1), Distances(1));
    EXPECT_EQ(dlg.m_lstClubs.GetNextItem(-1, LVNI_SELECTED), 6);
    EXPECT_EQ(Focused(), Control(IDC_EDIT)) << "the focus is left alone";
}

TEST_F(SetupDialog, AnEditNearTheEndOfALongListScrollsItsRowWhollyIntoView) {
    for (int id = 100; id < 130; ++id) {
        AddClub(id, u"Spare", id, id);
    }
    Open();
    const int last = dlg.m_lstClubs.GetItemCount() - 1;
    dlg.m_lstClubs.SetItemState(last - 1, LVIS_SELECTED, LVIS_SELECTED);
    List()->scrollToTop();
    const QRect before = List()->visualItemRect(List()->topLevelItem(last - 1));
    ASSERT_FALSE(List()->viewport()->rect().contains(before)) << "the list must be longer";

    EditWith([](CEditClubDlg& edit) {
        Retype(edit, IDC_BEST_DISTANCE, QStringLiteral("321"));
        Press(edit, IDOK);
    });

    QTreeWidgetItem* row = List()->topLevelItem(last - 1);
    EXPECT_EQ(row->text(1), QStringLiteral("321"));
    EXPECT_TRUE(row->isSelected());
    EXPECT_TRUE(List()->viewport()->rect().contains(List()->visualItemRect(row)));
}

TEST_F(SetupDialog, EveryRowOfAListWithIdsOutOfOrderOrRepeatedEditsItsOwnClub) {
    // A data file may hold its records in any order, an id even twice; the list keeps them
    // as read, and each row stands for the record at its place.
    theApp.m_clubs.DeleteAll();
    AddClub(9, u"Nine", 90, 80);
    AddClub(2, u"Two", 20, 10);
    AddClub(5, u"Five", 50, 40);
    AddClub(1, u"One", 11, 12);
    AddClub(5, u"Other Five", 55, 45);
    AddClub(7, u"Seven", 70, 60);
    Open();
    const int count = dlg.m_lstClubs.GetItemCount();
    ASSERT_EQ(count, 6);
    bool someRowDefeatsTheBisection = false;
    for (int row = 0; row < count; ++row) {
        const auto id = static_cast<std::int32_t>(dlg.m_lstClubs.GetItemData(row));
        someRowDefeatsTheBisection |= theApp.m_clubs.FindClub(id) == nullptr;
        dlg.m_lstClubs.SetItemState(row, LVIS_SELECTED, LVIS_SELECTED);
        EditWith([row](CEditClubDlg& edit) {
            Retype(edit, IDC_BEST_DISTANCE, QString::number(1000 + row));
            Press(edit, IDOK);
        });
        const CGolfClub* club = theApp.m_clubs.GetAt(theApp.m_clubs.FindIndex(row));
        EXPECT_EQ(club->m_nClubId, id);
        EXPECT_EQ(club->m_nMaleDistance, 1000 + row) << "row " << row;
        EXPECT_EQ(List()->topLevelItem(row)->text(1), QString::number(1000 + row));
    }
    EXPECT_TRUE(someRowDefeatsTheBisection) << "the case needs a row the bisection misses";
    EXPECT_EQ(Distances(1), (QStringList{"1000", "1001", "1002", "1003", "1004", "1005"}))
        << "every record edited once, the second five too";
    EXPECT_EQ(Column(0), (QStringList{"Nine", "Two", "Five", "One", "Other Five", "Seven"}));
}

TEST_F(SetupDialog, ADoubleClickOpensNothingAndEnterPressesClose) {
    Open();
    const QRect cell = List()->visualItemRect(List()->topLevelItem(2));
    QTest::mouseDClick(List()->viewport(), Qt::LeftButton, {}, cell.center());
    QTest::qWait(0);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_FALSE(dlg.IsEnded());
    ASSERT_EQ(QApplication::focusWidget(), List());
    QTest::keyClick(List(), Qt::Key_Return);
    EXPECT_TRUE(dlg.IsEnded());
    EXPECT_EQ(dlg.GetModalResult(), IDOK);
}

TEST_F(SetupDialog, TabMovesBetweenTheListEditAndCloseOnly) {
    Open();
    const std::vector<int> order = {IDC_CLUB_LIST, IDC_EDIT, IDOK, IDC_CLUB_LIST};
    for (std::size_t i = 0; i < order.size(); ++i) {
        EXPECT_EQ(QApplication::focusWidget(), Control(order[i])) << "stop " << i;
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
}

struct EndCase {
    const char* name;
    int how; // 0 Close, 1 Enter, 2 Escape, 3 close box
    int result;
};

class SetupEnding : public SetupDialog, public ::testing::WithParamInterface<EndCase> {};

TEST_P(SetupEnding, UndoesNeitherThePlayerTypeNorAnEdit) {
    Open();
    Click(IDC_ADULT_FEMALE);
    ClickRow(0);
    EditWith([](CEditClubDlg& edit) {
        Retype(edit, IDC_BEST_DISTANCE, QStringLiteral("199"));
        Press(edit, IDOK);
    });
    switch (GetParam().how) {
    case 0:
        Click(IDOK);
        break;
    case 1:
        QTest::keyClick(List(), Qt::Key_Return);
        break;
    case 2:
        QTest::keyClick(List(), Qt::Key_Escape);
        break;
    default:
        WidgetOf(dlg.GetSafeHwnd())->close();
        break;
    }
    EXPECT_TRUE(dlg.IsEnded());
    EXPECT_EQ(dlg.GetModalResult(), GetParam().result);
    EXPECT_EQ(theApp.m_nPlayerType, 2);
    EXPECT_EQ(theApp.m_clubs.GetHead()->m_nFemaleDistance, 199);
}

INSTANTIATE_TEST_SUITE_P(Ways, SetupEnding,
                         ::testing::Values(EndCase{"Close", 0, IDOK}, EndCase{"Enter", 1, IDOK},
                                           EndCase{"Escape", 2, IDCANCEL},
                                           EndCase{"CloseBox", 3, IDCANCEL}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(SetupDialog, CaptionsAndButtonsGetTheirFonts) {
    Open();
    for (CLabel* label : {&dlg.m_lblDistanceChart, &dlg.m_lblPlayerType}) {
        EXPECT_EQ(label->GetLogFont().lfWeight, FW_BOLD);
        EXPECT_EQ(label->GetLogFont().lfHeight, -11);
        EXPECT_TRUE(WidgetOf(label->m_hWnd)->font().bold());
        EXPECT_EQ(WidgetOf(label->m_hWnd)->font().pixelSize(), StandInPixelSize(11));
    }
    EXPECT_EQ(WidgetOf(dlg.m_lblPlayerType.m_hWnd), Control(IDC_PLAYER_TYPE));
    EXPECT_EQ(WidgetOf(dlg.m_lblDistanceChart.m_hWnd), Control(IDC_DISTANCE_CHART));
    for (int id : {IDC_EDIT, IDOK}) {
        EXPECT_EQ(dlg.GetDlgItem(id)->GetFont(), theApp.m_fntBold.m_hObject) << id;
        EXPECT_EQ(Control(id)->font().pixelSize(), StandInPixelSize(12)) << id;
    }
    for (int id : {IDC_ADULT_MALE, IDC_ADULT_FEMALE, IDC_CLUB_LIST}) {
        EXPECT_NE(dlg.GetDlgItem(id)->GetFont(), theApp.m_fntBold.m_hObject) << id;
        EXPECT_FALSE(Control(id)->font().bold()) << id;
    }
}

} // namespace
