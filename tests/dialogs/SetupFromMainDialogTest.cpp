// The main dialog's Setup: Setup undoes nothing however it ends, so the player type it leaves
// chosen is stored and the recommendation refreshed for it, and an accepted edit stays.
#include "support/MainDialogTest.h"

#include "advisor/EditClubDlg.h"
#include "advisor/SetupDlg.h"

#include <string>

namespace {

class SetupFromMainDialog : public MainDialogTest {
protected:
    void SetUp() override {
        MainDialogTest::SetUp();
        ASSERT_TRUE(theApp.m_regSettings.Create(HKEY_CURRENT_USER, kSettingsKeyPath, 0));
        Open();
    }
    static bool StoredGender(DWORD& value) {
        CRegistryKey key(HKEY_CURRENT_USER);
        return key.Open(HKEY_CURRENT_USER, kSettingsKeyPath) &&
               key.GetDWordValue(kGenderValue, value);
    }
};

struct CloseCase {
    const char* name;
    bool altS; // opened with its key rather than its picture
    PlayerType before;
    int radio; // 0: none tapped
    void (*end)(CSetupDlg&);
    int result;
    PlayerType stored;
};

class SetupClosed : public SetupFromMainDialog, public ::testing::WithParamInterface<CloseCase> {};

// The first club is edited to 199 in Setup; 200 is typed in the main dialog but not yet
// taken, for the refresh to read.
TEST_P(SetupClosed, HoweverItEndsKeepsTheEditStoresTheTypeAndRecommendsForIt) {
    const CloseCase& c = GetParam();
    theApp.m_nPlayerType = c.before;
    Player::Type(*dlg, IDC_DISTANCE, u"200");
    Player::WithModalDialog<CSetupDlg>(
        [&c](CSetupDlg& setup) {
            if (c.radio != 0) {
                Player::Tap(setup, c.radio);
            }
            Player::TapRow(setup, IDC_CLUB_LIST, 0);
            Player::WithModalDialog<CEditClubDlg>(
                [](CEditClubDlg& edit) {
                    Player::Type(edit, IDC_BEST_DISTANCE, u"199");
                    Player::Tap(edit, IDOK);
                },
                [&setup] { Player::Tap(setup, IDC_EDIT); });
            c.end(setup);
            EXPECT_EQ(setup.IsEnded() ? setup.GetModalResult() : 0, c.result);
        },
        [&] {
            if (c.altS) {
                Player::Press(*dlg, IDC_DISTANCE, Letter('S'), Player::Alt);
            } else {
                Player::Tap(*dlg, IDC_SETUP);
            }
        });
    DWORD stored = 0;
    ASSERT_TRUE(StoredGender(stored));
    EXPECT_EQ(stored, static_cast<DWORD>(c.stored));
    EXPECT_EQ(theApp.m_nPlayerType, c.stored);
    EXPECT_EQ(theApp.m_clubs.GetHead()->DistanceFor(c.stored), 199);
    EXPECT_EQ(dlg->m_nDistance, 200) << "the refresh read the field";
    EXPECT_EQ(Result(), ClubFor(200, c.stored));
    EXPECT_NE(ClubFor(200, 1), ClubFor(200, 2));
    EXPECT_FALSE(dlg->IsEnded());
}

void TapClose(CSetupDlg& setup) {
    Player::Tap(setup, IDOK);
}
void PressEnter(CSetupDlg& setup) {
    Player::Press(setup, IDC_CLUB_LIST, Key::Return);
}
void PressEscape(CSetupDlg& setup) {
    Player::Press(setup, IDC_CLUB_LIST, Key::Escape);
}
void CloseBox(CSetupDlg& setup) {
    Player::CloseBox(setup);
}

INSTANTIATE_TEST_SUITE_P(
    Ways, SetupClosed,
    ::testing::Values(
        CloseCase{"CloseUnchangedMale", false, 1, 0, TapClose, IDOK, 1},
        CloseCase{"CloseTypeThreeIsStoredAsFemale", false, 3, 0, TapClose, IDOK, 2},
        CloseCase{"CloseToFemale", false, 1, IDC_ADULT_FEMALE, TapClose, IDOK, 2},
        CloseCase{"AltSThenCloseToFemale", true, 1, IDC_ADULT_FEMALE, TapClose, IDOK, 2},
        CloseCase{"EnterToMale", false, 2, IDC_ADULT_MALE, PressEnter, IDOK, 1},
        CloseCase{"EscapeToFemale", false, 1, IDC_ADULT_FEMALE, PressEscape, IDCANCEL, 2},
        CloseCase{"EscapeUnchangedFemale", false, 2, 0, PressEscape, IDCANCEL, 2},
        CloseCase{"CloseBoxToMale", false, 2, IDC_ADULT_MALE, CloseBox, IDCANCEL, 1}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
