#include "support/DialogTest.h"

#include "platform/ui/CDataExchange.h"

#include "advisor/AdvisorDlg.h"
#include "advisor/EditClubDlg.h"
#include "advisor/SetupDlg.h"

#include <vector>

namespace {

class SetupDialog : public DialogTest {
protected:
    void TearDown() override {
        dlg.DestroyWindow();
        DialogTest::TearDown();
    }
    void Open() { ASSERT_TRUE(Player::Open(dlg)); }
    std::vector<CString> Column(int column) {
        std::vector<CString> cells;
        for (int row = 0; row < dlg.m_lstClubs.GetItemCount(); ++row) {
            cells.push_back(dlg.m_lstClubs.GetItemText(row, column));
        }
        return cells;
    }
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
    // Presses Edit on the row with `act` playing the player in the Edit Club dialog.
    void EditRowWith(int row, std::function<void(CEditClubDlg&)> act) {
        dlg.m_lstClubs.SetItemState(row, LVIS_SELECTED, LVIS_SELECTED);
        Player::WithModalDialog(std::move(act), [this] { Player::Tap(dlg, IDC_EDIT); });
    }

    CSetupDlg dlg;
};

TEST_F(SetupDialog, OpensOnThePlayerTypeAndListsEveryClubWithItsDistanceForIt) {
    theApp.m_nPlayerType = 2;
    Open();
    EXPECT_EQ(dlg.GetDlgItem(IDC_ADULT_MALE)->GetCheck(), BST_UNCHECKED);
    EXPECT_EQ(dlg.GetDlgItem(IDC_ADULT_FEMALE)->GetCheck(), BST_CHECKED);
    EXPECT_EQ(dlg.m_lstClubs.GetColumnHeading(0), CString(u"Club"));
    EXPECT_EQ(dlg.m_lstClubs.GetColumnHeading(1), CString(u"Dist."));
    ASSERT_EQ(dlg.m_lstClubs.GetItemCount(), 14);
    EXPECT_EQ(Column(0), Names());
    EXPECT_EQ(Column(1), Distances(2));
    EXPECT_TRUE(Player::HasFocus(dlg, IDC_CLUB_LIST));
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

TEST_F(SetupDialog, EachRadioRewritesThePlayerTypeAndEveryDistance) {
    Open();
    ASSERT_NE(Distances(1), Distances(2));
    Player::Tap(dlg, IDC_ADULT_FEMALE);
    EXPECT_EQ(theApp.m_nPlayerType, 2);
    EXPECT_EQ(dlg.GetDlgItem(IDC_ADULT_MALE)->GetCheck(), BST_UNCHECKED) << "one radio at a time";
    EXPECT_EQ(Column(1), Distances(2));
    Player::Tap(dlg, IDC_ADULT_MALE);
    EXPECT_EQ(theApp.m_nPlayerType, 1);
    EXPECT_EQ(dlg.GetDlgItem(IDC_ADULT_FEMALE)->GetCheck(), BST_UNCHECKED);
    EXPECT_EQ(Column(1), Distances(1));
    EXPECT_EQ(Column(0), Names());
}

TEST_F(SetupDialog, EditClubOkWritesTheClubAndTheListShowsItSelected) {
    Open();
    CString shownDistance;
    CString shownName;
    EditRowWith(6, [&](CEditClubDlg& edit) {
        shownDistance = edit.GetDlgItem(IDC_BEST_DISTANCE)->GetWindowText();
        shownName = edit.GetDlgItem(IDC_DESCRIPTION)->GetWindowText();
        EXPECT_TRUE(Player::HasFocus(edit, IDC_BEST_DISTANCE)) << "the first tab stop";
        Player::Type(edit, IDC_BEST_DISTANCE, u"163");
        Player::Type(edit, IDC_DESCRIPTION, u"Seven Iron ");
        Player::Tap(edit, IDOK);
    });
    const CGolfClub* club = theApp.m_clubs.GetAt(theApp.m_clubs.FindIndex(6));
    EXPECT_EQ(shownDistance, CString(u"160"));
    EXPECT_EQ(shownName, CString(u"5 Iron"));
    EXPECT_EQ(club->m_strName, CString(u"Seven Iron ")) << "stored as typed";
    EXPECT_EQ(club->m_nMaleDistance, 163);
    EXPECT_EQ(dlg.m_lstClubs.GetItemText(6, 0), CString(u"Seven Iron "));
    EXPECT_EQ(dlg.m_lstClubs.GetItemText(6, 1), CString(u"163"));
    EXPECT_EQ(dlg.m_lstClubs.GetNextItem(-1, LVNI_SELECTED), 6);
    EXPECT_TRUE(Player::HasFocus(dlg, IDC_CLUB_LIST));
}

TEST_F(SetupDialog, EditClubCancelAndEscapeLeaveTheClubAsItWas) {
    Open();
    const CGolfClub* club = theApp.m_clubs.GetAt(theApp.m_clubs.FindIndex(6));
    const CString name = club->m_strName;
    const int distance = club->m_nMaleDistance;
    for (const bool escape : {false, true}) {
        EditRowWith(6, [&](CEditClubDlg& edit) {
            Player::Type(edit, IDC_BEST_DISTANCE, u"99");
            Player::Type(edit, IDC_DESCRIPTION, u"Changed");
            if (escape) {
                Player::Press(edit, IDC_DESCRIPTION, Key::Escape);
            } else {
                Player::Tap(edit, IDCANCEL);
            }
            EXPECT_EQ(edit.GetModalResult(), IDCANCEL);
        });
        EXPECT_EQ(club->m_strName, name) << escape;
        EXPECT_EQ(club->m_nMaleDistance, distance) << escape;
        EXPECT_EQ(dlg.m_lstClubs.GetItemText(6, 1), CString(u"160"));
    }
}

TEST_F(SetupDialog, EditClubRefusesADistanceThatIsNoNumberAndStaysOpen) {
    Open();
    EditRowWith(2, [](CEditClubDlg& edit) {
        Player::Type(edit, IDC_BEST_DISTANCE, u"");
        MessageBoxSeam::SetNextAnswer(IDOK);
        Player::Tap(edit, IDOK);
        EXPECT_FALSE(edit.IsEnded());
        EXPECT_EQ(MessageBoxSeam::TakeShownTexts(), std::vector<CString>{IntegerRequiredMessage()});
        EXPECT_TRUE(Player::HasFocus(edit, IDC_BEST_DISTANCE));
        Player::Tap(edit, IDCANCEL);
    });
}

class MainDialogSetup : public DialogTest {};

TEST_F(MainDialogSetup, AltSOpensSetupAndItsPlayerTypeDecidesTheRecommendation) {
    CAdvisorDlg main;
    main.m_nDistance = 150;
    ASSERT_TRUE(Player::Open(main));
    ASSERT_EQ(main.GetDlgItem(IDC_RECOMMENDATION)->GetWindowText(), ClubFor(150, 1));
    Player::WithModalDialog<CSetupDlg>(
        [](CSetupDlg& setup) {
            Player::Tap(setup, IDC_ADULT_FEMALE);
            Player::Tap(setup, IDOK);
        },
        [&] { Player::Press(main, IDC_DISTANCE, Letter('S'), Player::Alt); });
    EXPECT_EQ(theApp.m_nPlayerType, 2);
    EXPECT_EQ(main.GetDlgItem(IDC_RECOMMENDATION)->GetWindowText(), ClubFor(150, 2));
    EXPECT_NE(ClubFor(150, 2), ClubFor(150, 1));
    EXPECT_FALSE(main.IsEnded());
    main.DestroyWindow();
}

} // namespace
