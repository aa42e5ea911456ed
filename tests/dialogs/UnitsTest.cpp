// Metres chosen from the main dialog's menu: every distance the player reads or types is in
// metres, and what is stored stays in yards, unchanged by a look in the other unit.
#include "support/MainDialogTest.h"

#include "advisor/ClubGapsDlg.h"
#include "advisor/ConditionsDlg.h"
#include "advisor/EditClubDlg.h"
#include "advisor/SetupDlg.h"
#include "advisor/ShownUnit.h"

namespace {

class Metres : public MainDialogTest {
protected:
    void SetUp() override {
        MainDialogTest::SetUp();
        ASSERT_TRUE(theApp.m_regSettings.Create(HKEY_CURRENT_USER, kSettingsKeyPath, 0));
        dlg->m_nDistance = 150;
        Open();
        Player::ChooseFromContextMenu(*dlg, IDC_RECOMMENDATION, 'U', 'M');
    }
    void TearDown() override {
        UseUnit(DistanceUnit::Yards);
        theApp.m_conditions = Conditions{};
        MainDialogTest::TearDown();
    }
    static DWORD StoredUnit() {
        DWORD unit = 99;
        theApp.m_regSettings.GetDWordValue(kUnitsValue, unit);
        return unit;
    }
    std::string Refusal(const CString& typed) {
        Player::Type(*dlg, IDC_DISTANCE, typed);
        MessageBoxSeam::SetNextAnswer(IDOK);
        Player::Tap(*dlg, IDC_RECOMMEND);
        const std::vector<CString> shown = MessageBoxSeam::TakeShownTexts();
        return shown.size() == 1 ? shown[0].ToUtf8() : std::string("no one message");
    }
};

} // namespace

TEST_F(Metres, TheFieldStepsAndRangeAreInMetresAndAnUnchangedDistanceKeepsItsYards) {
    EXPECT_EQ(StoredUnit(), 1u);
    EXPECT_EQ(Field().ToUtf8(), "137");
    Player::Tap(*dlg, IDC_RECOMMEND);
    EXPECT_EQ(dlg->m_nDistance, 150) << "137 m shown and taken back is 150 yd again";
    EXPECT_EQ(Result().ToUtf8(), "6 Iron");

    Player::Tap(*dlg, IDC_PLUS10);
    EXPECT_EQ(Field().ToUtf8(), "147");
    EXPECT_EQ(dlg->m_nDistance, 161);
    EXPECT_EQ(Result().ToUtf8(), "4 Iron");
    Player::Tap(*dlg, IDC_MINUS20);
    EXPECT_EQ(Field().ToUtf8(), "127");

    EXPECT_EQ(Refusal(u"45"), "Please enter a whole number between 46 and 914.");
    EXPECT_EQ(Refusal(u"915"), "Please enter a whole number between 46 and 914.");
    Player::Type(*dlg, IDC_DISTANCE, u"914");
    Player::Tap(*dlg, IDC_RECOMMEND);
    EXPECT_EQ(dlg->m_nDistance, 1000);

    // Yards again: the distance as stored, and the choice kept.
    Player::ChooseFromContextMenu(*dlg, 0, 'U', 'Y');
    EXPECT_EQ(Field().ToUtf8(), "1000");
    EXPECT_EQ(StoredUnit(), 0u);
}

TEST_F(Metres, SetupEditClubAndClubGapsShowMetres) {
    Player::WithModalDialog<CSetupDlg>(
        [](CSetupDlg& setup) {
            EXPECT_EQ(Player::ColumnTexts(setup, IDC_CLUB_LIST, 1).front().ToUtf8(), "201");
            // The 6 Iron's 150 yd, shown as 137 m: unchanged, then 140 m.
            for (const char16_t* typed : {u"137", u"140"}) {
                Player::TapRow(setup, IDC_CLUB_LIST, 7);
                Player::WithModalDialog<CEditClubDlg>(
                    [typed](CEditClubDlg& edit) {
                        EXPECT_EQ(Player::Text(edit, IDC_BEST_DISTANCE).ToUtf8(), "137");
                        Player::Type(edit, IDC_BEST_DISTANCE, typed);
                        Player::Tap(edit, IDOK);
                    },
                    [&setup] { Player::Tap(setup, IDC_EDIT); });
                EXPECT_EQ(Player::ColumnTexts(setup, IDC_CLUB_LIST, 1)[7], CString(typed));
            }
            Player::Tap(setup, IDOK);
        },
        [this] { Player::Tap(*dlg, IDC_SETUP); });
    const CGolfClub* sixIron = theApp.m_clubs.GetAt(theApp.m_clubs.FindIndex(7));
    EXPECT_EQ(sixIron->m_nMaleDistance, 153) << "140 m is 153 yd";

    Player::WithModalDialog<CClubGapsDlg>(
        [](CClubGapsDlg& gaps) {
            EXPECT_EQ(Player::Text(gaps, IDC_GAPS_SUMMARY).ToUtf8(),
                      "2 gaps over 14 m: Driver to 3 Wood 18 m, Dual/Gap Wedge to Sand Wedge 18 "
                      "m; 1 overlap: 7 Wood and 3 Iron 165 m");
            Player::Press(gaps, 0, Key::Escape);
        },
        [this] { Player::Press(*dlg, IDC_DISTANCE, Letter('G'), Player::Ctrl); });
}

TEST_F(Metres, ConditionsAreTypedInKilometresAnHourAndThePlaysLikeLineIsInMetres) {
    Player::WithModalDialog<CConditionsDlg>(
        [](CConditionsDlg& conditions) {
            EXPECT_EQ(Player::Text(conditions, IDC_TEMPERATURE).ToUtf8(), "21");
            Player::Tap(conditions, IDC_USE_CONDITIONS);
            Player::Type(conditions, IDC_WIND, u"16");
            Player::Tap(conditions, IDC_WIND_INTO);
            Player::Tap(conditions, IDOK);
        },
        [this] { Player::Press(*dlg, IDC_DISTANCE, Letter('K'), Player::Ctrl); });
    EXPECT_EQ(theApp.m_conditions.windMph, 10);
    EXPECT_EQ(theApp.m_conditions.temperatureF, 70) << "21 °C taken back unchanged";
    EXPECT_EQ(Result().ToUtf8(), "4 Iron");
    EXPECT_EQ(Player::Text(*dlg, IDC_PLAYS_LIKE).ToUtf8(), "plays 151");
}
