#include "support/DialogTest.h"

#include "advisor/EditClubDlg.h"
#include "platform/ui/CDataExchange.h"
#include "platform/ui/DialogTemplate.h"

#include <string>
#include <vector>

namespace {

// How the player ends the dialog.
enum class EditEnding { OkButton, Enter, CancelButton, Escape, CloseBox };

void End(CDialog& dlg, EditEnding how) {
    switch (how) {
    case EditEnding::OkButton:
        Player::Tap(dlg, IDOK);
        break;
    case EditEnding::Enter:
        Player::Press(dlg, IDC_DESCRIPTION, Key::Return);
        break;
    case EditEnding::CancelButton:
        Player::Tap(dlg, IDCANCEL);
        break;
    case EditEnding::Escape:
        Player::Press(dlg, IDC_BEST_DISTANCE, Key::Escape);
        break;
    case EditEnding::CloseBox:
        Player::CloseBox(dlg);
        break;
    }
}

class EditClub : public DialogTest {
protected:
    void SetUp() override {
        DialogTest::SetUp();
        club.m_strName = u"7 Iron";
        club.m_strExtra = u"kept";
        club.m_nMaleDistance = 150;
        club.m_nFemaleDistance = 110;
        club.m_dtCreated = COleDateTime(40000.25);
        club.m_dtModified = COleDateTime(41000.5);
    }

    // Runs Edit with `act` playing the player in the Edit Club dialog.
    BOOL EditWith(std::function<void(CEditClubDlg&)> act) {
        return Player::WithModalDialog(std::move(act), [this] { return CEditClubDlg::Edit(club); });
    }

    void ExpectUnchanged() const {
        EXPECT_EQ(club.m_nClubId, 7);
        EXPECT_EQ(club.m_strName, CString(u"7 Iron"));
        EXPECT_EQ(club.m_strExtra, CString(u"kept"));
        EXPECT_EQ(club.m_nMaleDistance, 150);
        EXPECT_EQ(club.m_nFemaleDistance, 110);
        EXPECT_EQ(club.m_dtCreated.m_dt, 40000.25);
        EXPECT_EQ(club.m_dtModified.m_dt, 41000.5);
    }

    CGolfClub club{7};
};

struct ColumnCase {
    const char* name;
    PlayerType playerType;
    const char16_t* shown;
    int male;
    int female;
};

class EditColumn : public EditClub, public ::testing::WithParamInterface<ColumnCase> {};

TEST_P(EditColumn, ThePlayerTypeChoosesTheDistanceShownAndChanged) {
    const ColumnCase& c = GetParam();
    theApp.m_nPlayerType = c.playerType;
    CString shownDistance;
    CString shownName;
    const BOOL accepted = EditWith([&](CEditClubDlg& dlg) {
        shownDistance = Player::Text(dlg, IDC_BEST_DISTANCE);
        shownName = Player::Text(dlg, IDC_DESCRIPTION);
        Player::Type(dlg, IDC_BEST_DISTANCE, u"163");
        Player::Type(dlg, IDC_DESCRIPTION, u"Seven Iron");
        End(dlg, EditEnding::OkButton);
    });
    EXPECT_TRUE(accepted);
    EXPECT_EQ(shownDistance, CString(c.shown));
    EXPECT_EQ(shownName, CString(u"7 Iron"));
    EXPECT_EQ(club.m_nMaleDistance, c.male);
    EXPECT_EQ(club.m_nFemaleDistance, c.female);
    EXPECT_EQ(club.m_strName, CString(u"Seven Iron"));
    EXPECT_EQ(club.m_nClubId, 7);
    EXPECT_EQ(club.m_strExtra, CString(u"kept"));
    EXPECT_EQ(club.m_dtCreated.m_dt, 40000.25);
    EXPECT_EQ(club.m_dtModified.m_dt, 41000.5) << "the fields are assigned, not set";
    EXPECT_EQ(theApp.m_nPlayerType, c.playerType);
}

INSTANTIATE_TEST_SUITE_P(PlayerTypes, EditColumn,
                         ::testing::Values(ColumnCase{"Male", 1, u"150", 163, 110},
                                           ColumnCase{"Female", 2, u"110", 150, 163},
                                           ColumnCase{"AnyOtherIsFemale", 3, u"110", 150, 163}),
                         [](const auto& info) { return std::string(info.param.name); });

struct EditEndCase {
    const char* name;
    EditEnding how;
    bool accepted;
};

class EditEnded : public EditClub, public ::testing::WithParamInterface<EditEndCase> {};

// A cancelled edit drops what was typed; OK and Enter accept even an edit that changed
// nothing, so that Setup lists the clubs again.
TEST_P(EditEnded, AcceptsOnlyWithOkOrEnterAndOnlyThenTakesWhatWasTyped) {
    const EditEndCase& c = GetParam();
    const BOOL accepted = EditWith([&c](CEditClubDlg& dlg) {
        if (!c.accepted) {
            Player::Type(dlg, IDC_BEST_DISTANCE, u"999");
            Player::Type(dlg, IDC_DESCRIPTION, u"Changed");
        }
        End(dlg, c.how);
    });
    EXPECT_EQ(accepted != FALSE, c.accepted);
    ExpectUnchanged();
}

INSTANTIATE_TEST_SUITE_P(
    Ways, EditEnded,
    ::testing::Values(EditEndCase{"OkButtonUnchanged", EditEnding::OkButton, true},
                      EditEndCase{"EnterUnchanged", EditEnding::Enter, true},
                      EditEndCase{"CancelButton", EditEnding::CancelButton, false},
                      EditEndCase{"Escape", EditEnding::Escape, false},
                      EditEndCase{"CloseBox", EditEnding::CloseBox, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(EditClub, KeepsTheDescriptionAsTypedWithItsSpacesAndTakesZero) {
    for (const char16_t* typed : {u"   ", u" Lob Wedge  ", u""}) {
        const BOOL accepted = EditWith([typed](CEditClubDlg& dlg) {
            Player::Type(dlg, IDC_DESCRIPTION, typed);
            Player::Type(dlg, IDC_BEST_DISTANCE, u"0");
            End(dlg, EditEnding::OkButton);
        });
        EXPECT_TRUE(accepted);
        EXPECT_EQ(club.m_strName, CString(typed));
        EXPECT_EQ(club.m_nMaleDistance, 0);
    }
}

TEST_F(EditClub, ADistanceThatIsNoIntegerIsRefusedAndTheDialogStaysOpen) {
    const BOOL accepted = EditWith([](CEditClubDlg& dlg) {
        Player::Type(dlg, IDC_DESCRIPTION, u"Changed");
        Player::Type(dlg, IDC_BEST_DISTANCE, u"");
        MessageBoxSeam::SetNextAnswer(IDOK);
        End(dlg, EditEnding::OkButton);
        EXPECT_EQ(MessageBoxSeam::TakeShownTexts(), std::vector<CString>{IntegerRequiredMessage()});
        EXPECT_FALSE(dlg.IsEnded());
        EXPECT_TRUE(Player::HasFocus(dlg, IDC_BEST_DISTANCE));
        End(dlg, EditEnding::CancelButton);
    });
    EXPECT_FALSE(accepted);
    ExpectUnchanged();
}

TEST_F(EditClub, ADialogThatCannotBeCreatedCountsAsAcceptedWithTheClubsOwnValues) {
    const DialogTemplate* editTemplate = FindDialogTemplate(IDD_EDIT_CLUB);
    ASSERT_NE(editTemplate, nullptr);
    UnregisterDialogTemplate(IDD_EDIT_CLUB);
    ASSERT_EQ(CEditClubDlg().DoModal(), -1);
    theApp.m_nPlayerType = 2;
    const BOOL accepted = CEditClubDlg::Edit(club);
    RegisterDialogTemplate(editTemplate);
    EXPECT_TRUE(accepted);
    ExpectUnchanged();
}

// The focus starts in the distance, although the description stands above it.
TEST_F(EditClub, TabGoesDistanceOkCancelDescription) {
    CEditClubDlg dlg;
    ASSERT_TRUE(Player::Open(dlg));
    EXPECT_TRUE(Player::HasFocus(dlg, IDC_BEST_DISTANCE));
    for (int next : {IDOK, IDCANCEL, IDC_DESCRIPTION, IDC_BEST_DISTANCE}) {
        Player::Press(dlg, 0, Key::Tab);
        EXPECT_TRUE(Player::HasFocus(dlg, next)) << next;
    }
    dlg.DestroyWindow();
}

} // namespace
