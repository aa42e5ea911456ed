// Conditions: taken with OK, each field within its range, and then the recommendation goes by
// the distance the shot plays like, shown under the club; Cancel leaves everything as it was.
#include "support/MainDialogTest.h"

#include "advisor/ConditionsDlg.h"
#include "advisor/ConditionsSettings.h"

#include <string>

namespace {

const char16_t* const kConditionValues[] = {u"UseConditions", u"WindMph",   u"WindInto",
                                            u"TemperatureF",  u"SlopeFeet", u"AltitudeFeet"};

class ConditionsFromMainDialog : public MainDialogTest {
protected:
    void SetUp() override {
        MainDialogTest::SetUp();
        ASSERT_TRUE(theApp.m_regSettings.Create(HKEY_CURRENT_USER, kSettingsKeyPath, 0));
        theApp.m_conditions = Conditions{};
        Open();
    }
    void TearDown() override {
        theApp.m_conditions = Conditions{};
        MainDialogTest::TearDown();
    }
    // Opens Conditions with Ctrl+K and plays it with `act`.
    void InConditions(const std::function<void(CConditionsDlg&)>& act) {
        Player::WithModalDialog<CConditionsDlg>(
            act, [this] { Player::Press(*dlg, IDC_DISTANCE, Letter('K'), Player::Ctrl); });
    }
    static int StoredValues() {
        int stored = 0;
        for (const char16_t* name : kConditionValues) {
            stored += theApp.m_regSettings.ValueExists(name) ? 1 : 0;
        }
        return stored;
    }
};

} // namespace

TEST_F(ConditionsFromMainDialog, TenMilesAnHourIntoTheWindPlaysOneFiftyAsOneSixtyFive) {
    Player::Type(*dlg, IDC_DISTANCE, u"150");
    Player::Tap(*dlg, IDC_RECOMMEND);
    EXPECT_EQ(Result(), CString(u"6 Iron"));
    EXPECT_FALSE(Player::Shown(*dlg, IDC_PLAYS_LIKE));
    InConditions([](CConditionsDlg& conditions) {
        Player::Tap(conditions, IDC_USE_CONDITIONS);
        Player::Type(conditions, IDC_WIND, u"10");
        Player::Tap(conditions, IDC_WIND_INTO);
        Player::Tap(conditions, IDOK);
    });
    EXPECT_EQ(Result(), CString(u"4 Iron"));
    EXPECT_EQ(Field(), CString(u"150")) << "the field keeps the target";
    EXPECT_EQ(Player::Text(*dlg, IDC_PLAYS_LIKE), CString(u"plays 165"));
    EXPECT_TRUE(Player::Shown(*dlg, IDC_PLAYS_LIKE));
    EXPECT_EQ(StoredValues(), 6);
    const Conditions stored = ReadConditions(theApp.m_regSettings);
    EXPECT_TRUE(stored.inUse);
    EXPECT_EQ(stored.windMph, 10);
    EXPECT_TRUE(stored.windInto);

    // Off again: the club for the target, and the line gone.
    InConditions([](CConditionsDlg& conditions) {
        Player::Tap(conditions, IDC_USE_CONDITIONS);
        Player::Tap(conditions, IDOK);
    });
    EXPECT_EQ(Result(), CString(u"6 Iron"));
    EXPECT_FALSE(Player::Shown(*dlg, IDC_PLAYS_LIKE));
}

TEST_F(ConditionsFromMainDialog, AFieldOutsideItsRangeIsRefusedAndNothingIsTaken) {
    struct Case {
        int field;
        const char16_t* typed;
        const char* message;
    };
    const Case cases[] = {
        {IDC_WIND, u"41", "Please enter a whole number between 0 and 40."},
        {IDC_TEMPERATURE, u"-5", "Please enter a whole number between -4 and 113."},
        {IDC_TEMPERATURE, u"warm", "Please enter a whole number."},
        {IDC_SLOPE, u"301", "Please enter a whole number between -300 and 300."},
        {IDC_ALTITUDE, u"12001", "Please enter a whole number between 0 and 12000."},
    };
    for (const Case& c : cases) {
        InConditions([&c](CConditionsDlg& conditions) {
            Player::Tap(conditions, IDC_USE_CONDITIONS);
            Player::Type(conditions, c.field, c.typed);
            MessageBoxSeam::SetNextAnswer(IDOK);
            Player::Tap(conditions, IDOK);
            EXPECT_FALSE(conditions.IsEnded()) << c.message;
            const std::vector<CString> shown = MessageBoxSeam::TakeShownTexts();
            ASSERT_EQ(shown.size(), 1u);
            EXPECT_EQ(shown[0].ToUtf8(), c.message);
            EXPECT_TRUE(Player::HasFocus(conditions, c.field)) << c.message;
            Player::Press(conditions, 0, Key::Escape);
        });
        EXPECT_FALSE(theApp.m_conditions.inUse) << c.message;
    }
    EXPECT_EQ(StoredValues(), 0) << "nothing is written until OK takes a set of conditions";
}

TEST_F(ConditionsFromMainDialog, CancelAndEscapeDropWhatWasTyped) {
    for (const bool escape : {false, true}) {
        InConditions([escape](CConditionsDlg& conditions) {
            Player::Tap(conditions, IDC_USE_CONDITIONS);
            Player::Type(conditions, IDC_WIND, u"20");
            if (escape) {
                Player::Press(conditions, IDC_WIND, Key::Escape);
            } else {
                Player::Tap(conditions, IDCANCEL);
            }
        });
        EXPECT_FALSE(theApp.m_conditions.inUse);
        EXPECT_EQ(theApp.m_conditions.windMph, 0);
    }
    EXPECT_EQ(StoredValues(), 0);
}
