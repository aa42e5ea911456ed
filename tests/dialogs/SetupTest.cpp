#include "support/DialogTest.h"

#include "advisor/EditClubDlg.h"
#include "advisor/SetupDlg.h"

#include <cstdint>
#include <string>
#include <vector>

namespace {

struct SetupProbe : CSetupDlg {
    using CSetupDlg::RefreshClubList;
};

class SetupDialog : public DialogTest {
protected:
    void TearDown() override {
        dlg.DestroyWindow();
        DialogTest::TearDown();
    }
    void Open() { ASSERT_TRUE(Player::Open(dlg)); }
    std::vector<CString> Column(int column) {
        return Player::ColumnTexts(dlg, IDC_CLUB_LIST, column);
    }
    std::vector<int> Selected() { return Player::SelectedRows(dlg, IDC_CLUB_LIST); }
    static std::vector<CString> Names() {
        std::vector<CString> names;
        for (auto pos = theApp.m_clubs.GetHeadPosition(); pos;) {
            names.push_back(theApp.m_clubs.GetNext(pos)->m_strName);
        }
        return names;
    }
    static std::vector<CString> Distances(PlayerType playerType) {
        std::vector<CString> cells;
        for (auto pos = theApp.m_clubs.GetHeadPosition(); pos;) {
            cells.emplace_back();
            cells.back().Format(u"%d", theApp.m_clubs.GetNext(pos)->DistanceFor(playerType));
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
        Player::WithModalDialog(std::move(act), [this] { Player::Tap(dlg, IDC_EDIT); });
    }

    SetupProbe dlg;
};

struct OpeningCase {
    const char* name;
    PlayerType stored;
    bool male;
    PlayerType after;
};

class Opening : public SetupDialog, public ::testing::WithParamInterface<OpeningCase> {};

// Any type but 1 reads the female column, and is taken as 2. Each row carries its club's id.
TEST_P(Opening, ChecksTheTypesRadioAndListsEveryClubWithItsDistanceForIt) {
    const OpeningCase& c = GetParam();
    theApp.m_nPlayerType = c.stored;
    Open();
    EXPECT_EQ(Player::Checked(dlg, IDC_ADULT_MALE), c.male);
    EXPECT_EQ(Player::Checked(dlg, IDC_ADULT_FEMALE), !c.male);
    EXPECT_EQ(theApp.m_nPlayerType, c.after);
    EXPECT_EQ(dlg.m_lstClubs.GetColumnHeading(0), CString(u"Club"));
    EXPECT_EQ(dlg.m_lstClubs.GetColumnHeading(1), CString(u"Dist."));
    EXPECT_EQ(dlg.m_lstClubs.GetColumnWidth(0), 120);
    EXPECT_EQ(dlg.m_lstClubs.GetColumnWidth(1), 50);
    EXPECT_EQ(Column(0), Names());
    EXPECT_EQ(Column(1), Distances(c.after));
    int row = 0;
    for (auto pos = theApp.m_clubs.GetHeadPosition(); pos; ++row) {
        EXPECT_EQ(dlg.m_lstClubs.GetItemData(row), theApp.m_clubs.GetNext(pos)->m_nClubId);
    }
    EXPECT_TRUE(Selected().empty());
    EXPECT_TRUE(Player::HasFocus(dlg, IDC_CLUB_LIST));
}

INSTANTIATE_TEST_SUITE_P(PlayerTypes, Opening,
                         ::testing::Values(OpeningCase{"Male", 1, true, 1},
                                           OpeningCase{"Female", 2, false, 2},
                                           OpeningCase{"ThreeBecomesFemale", 3, false, 2},
                                           OpeningCase{"ZeroBecomesFemale", 0, false, 2},
                                           OpeningCase{"NegativeBecomesFemale", -1, false, 2}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(SetupDialog, EachRadioRewritesThePlayerTypeAndEveryDistance) {
    Open();
    ASSERT_NE(Distances(1), Distances(2));
    Player::Tap(dlg, IDC_ADULT_FEMALE);
    EXPECT_EQ(theApp.m_nPlayerType, 2);
    EXPECT_TRUE(Player::Checked(dlg, IDC_ADULT_FEMALE));
    EXPECT_FALSE(Player::Checked(dlg, IDC_ADULT_MALE)) << "one radio at a time";
    EXPECT_EQ(Column(1), Distances(2));
    Player::Tap(dlg, IDC_ADULT_MALE);
    EXPECT_EQ(theApp.m_nPlayerType, 1);
    EXPECT_FALSE(Player::Checked(dlg, IDC_ADULT_FEMALE));
    EXPECT_EQ(Column(1), Distances(1));
    EXPECT_EQ(Column(0), Names());
}

TEST_F(SetupDialog, TappingTheCheckedRadioRebuildsTheSameRowsAndDropsTheSelection) {
    Open();
    Player::TapRow(dlg, IDC_CLUB_LIST, 4);
    ASSERT_EQ(Selected(), std::vector<int>{4});
    theApp.m_nPlayerType = 7; // the tap reads the radio back
    Player::Tap(dlg, IDC_ADULT_MALE);
    EXPECT_TRUE(Player::Checked(dlg, IDC_ADULT_MALE));
    EXPECT_EQ(theApp.m_nPlayerType, 1);
    EXPECT_EQ(Column(1), Distances(1));
    EXPECT_TRUE(Selected().empty());
}

TEST_F(SetupDialog, WithNeitherRadioCheckedTheRefillLeavesThePlayerTypeAlone) {
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
    EXPECT_EQ(Column(0), (std::vector<CString>{u"Long", u"Odd", u"Short", u"Lowest"}));
    EXPECT_EQ(Column(1), (std::vector<CString>{u"0", u"-12", u"250", u"-2147483648"}));
    Player::Tap(dlg, IDC_ADULT_FEMALE);
    EXPECT_EQ(Column(1), (std::vector<CString>{u"5", u"-3", u"2147483647", u"9"}));
}

// A dialog that opened would stay open, and the watchdog would fail the test.
TEST_F(SetupDialog, EditOpensNothingWithoutASelectedClub) {
    for (const bool clubs : {true, false}) {
        if (!clubs) {
            theApp.m_clubs.DeleteAll();
        }
        CSetupDlg setup;
        ASSERT_TRUE(Player::Open(setup));
        Player::Tap(setup, IDC_EDIT);
        EXPECT_FALSE(setup.IsEnded());
        EXPECT_EQ(Player::ColumnTexts(setup, IDC_CLUB_LIST, 1), Distances(1)) << clubs;
        setup.DestroyWindow();
    }
    EXPECT_TRUE(MessageBoxSeam::TakeShownTexts().empty());
}

TEST_F(SetupDialog, AnAcceptedEditShowsItsRowChangedSelectedAndFocused) {
    theApp.m_nPlayerType = 2;
    Open();
    Player::TapRow(dlg, IDC_CLUB_LIST, 3);
    const CGolfClub* club = theApp.m_clubs.GetAt(theApp.m_clubs.FindIndex(3));
    const int male = club->m_nMaleDistance;
    CString shownDistance;
    CString shownName;
    EditWith([&](CEditClubDlg& edit) {
        shownDistance = Player::Text(edit, IDC_BEST_DISTANCE);
        shownName = Player::Text(edit, IDC_DESCRIPTION);
        Player::Type(edit, IDC_BEST_DISTANCE, u"77");
        Player::Type(edit, IDC_DESCRIPTION, u"My Wood ");
        Player::Tap(edit, IDOK);
    });
    EXPECT_EQ(shownName, CString(u"7 Wood"));
    EXPECT_EQ(shownDistance, CString(u"160")) << "the female column";
    EXPECT_EQ(club->m_strName, CString(u"My Wood ")) << "stored as typed";
    EXPECT_EQ(club->m_nFemaleDistance, 77);
    EXPECT_EQ(club->m_nMaleDistance, male);
    EXPECT_EQ(Column(0)[3], CString(u"My Wood "));
    EXPECT_EQ(Column(1)[3], CString(u"77"));
    EXPECT_EQ(Selected(), std::vector<int>{3});
    EXPECT_TRUE(Player::HasFocus(dlg, IDC_CLUB_LIST)) << "back from the Edit button";
    EXPECT_FALSE(dlg.IsEnded());
}

TEST_F(SetupDialog, ACancelledEditKeepsTheRowsTheSelectionAndTheFocus) {
    Open();
    Player::TapRow(dlg, IDC_CLUB_LIST, 6);
    const std::vector<CString> names = Column(0);
    const std::vector<CString> distances = Column(1);
    EditWith([](CEditClubDlg& edit) {
        Player::Type(edit, IDC_BEST_DISTANCE, u"1");
        Player::Type(edit, IDC_DESCRIPTION, u"Nothing");
        Player::Tap(edit, IDCANCEL);
    });
    EXPECT_EQ(Column(0), names);
    EXPECT_EQ(Column(1), distances);
    EXPECT_EQ(Selected(), std::vector<int>{6});
    EXPECT_TRUE(Player::HasFocus(dlg, IDC_EDIT)) << "the focus is left where it was";
}

TEST_F(SetupDialog, AnEditNearTheEndOfALongListScrollsItsRowWhollyIntoView) {
    for (int id = 100; id < 130; ++id) {
        AddClub(id, u"Spare", id, id);
    }
    Open();
    const int row = static_cast<int>(Column(0).size()) - 2;
    dlg.m_lstClubs.SetItemState(row, LVIS_SELECTED, LVIS_SELECTED);
    Player::ScrollToTop(dlg, IDC_CLUB_LIST);
    ASSERT_FALSE(Player::RowShown(dlg, IDC_CLUB_LIST, row)) << "the list must be longer";
    EditWith([](CEditClubDlg& edit) {
        Player::Type(edit, IDC_BEST_DISTANCE, u"321");
        Player::Tap(edit, IDOK);
    });
    EXPECT_EQ(Column(1)[row], CString(u"321"));
    EXPECT_EQ(Selected(), std::vector<int>{row});
    EXPECT_TRUE(Player::RowShown(dlg, IDC_CLUB_LIST, row));
}

// A data file may hold its records in any order, an id even twice; the list keeps them as
// read, and each row stands for the record at its place.
TEST_F(SetupDialog, EveryRowOfAListWithIdsOutOfOrderOrRepeatedEditsItsOwnClub) {
    theApp.m_clubs.DeleteAll();
    AddClub(9, u"Nine", 90, 80);
    AddClub(2, u"Two", 20, 10);
    AddClub(5, u"Five", 50, 40);
    AddClub(1, u"One", 11, 12);
    AddClub(5, u"Other Five", 55, 45);
    AddClub(7, u"Seven", 70, 60);
    Open();
    bool someRowDefeatsTheBisection = false;
    for (int row = 0; row < 6; ++row) {
        const auto id = static_cast<std::int32_t>(dlg.m_lstClubs.GetItemData(row));
        someRowDefeatsTheBisection |= theApp.m_clubs.FindClub(id) == nullptr;
        Player::TapRow(dlg, IDC_CLUB_LIST, row);
        CString distance;
        distance.Format(u"%d", 1000 + row);
        EditWith([&distance](CEditClubDlg& edit) {
            Player::Type(edit, IDC_BEST_DISTANCE, distance);
            Player::Tap(edit, IDOK);
        });
        const CGolfClub* club = theApp.m_clubs.GetAt(theApp.m_clubs.FindIndex(row));
        EXPECT_EQ(club->m_nClubId, id);
        EXPECT_EQ(club->m_nMaleDistance, 1000 + row) << "row " << row;
        EXPECT_EQ(Column(1)[row], distance);
    }
    EXPECT_TRUE(someRowDefeatsTheBisection) << "the case needs a row the bisection misses";
    EXPECT_EQ(Distances(1),
              (std::vector<CString>{u"1000", u"1001", u"1002", u"1003", u"1004", u"1005"}))
        << "every record edited once, the second five too";
    EXPECT_EQ(Column(0),
              (std::vector<CString>{u"Nine", u"Two", u"Five", u"One", u"Other Five", u"Seven"}));
}

// A dialog that opened would stay open, and the watchdog would fail the test.
TEST_F(SetupDialog, ADoubleTapOnARowOpensNothingAndEnterThenPressesClose) {
    Open();
    Player::DoubleTapRow(dlg, IDC_CLUB_LIST, 2);
    EXPECT_FALSE(dlg.IsEnded());
    ASSERT_TRUE(Player::HasFocus(dlg, IDC_CLUB_LIST));
    Player::Press(dlg, 0, Key::Return);
    EXPECT_EQ(dlg.IsEnded() ? dlg.GetModalResult() : 0, IDOK);
}

// The radio buttons are no tab stops, not even the checked one.
TEST_F(SetupDialog, TabMovesBetweenTheListEditAndCloseOnly) {
    Open();
    ASSERT_TRUE(Player::HasFocus(dlg, IDC_CLUB_LIST));
    for (int next : {IDC_EDIT, IDOK, IDC_CLUB_LIST}) {
        Player::Press(dlg, 0, Key::Tab);
        EXPECT_TRUE(Player::HasFocus(dlg, next)) << next;
    }
}

} // namespace
