#include "support/MainDialogTest.h"

#include "platform/ui/CDataExchange.h"

#include <string>
#include <vector>

namespace {

class MainDialog : public MainDialogTest {
protected:
    static CString Number(int n) {
        CString text;
        text.Format(u"%d", n);
        return text;
    }
};

TEST_F(MainDialog, OpensOnTheRecommendationForOneHundredWithTheFieldSelected) {
    Open();
    EXPECT_EQ(Field(), CString(u"100"));
    EXPECT_EQ(Result(), CString(u"Dual/Gap Wedge"));
    EXPECT_TRUE(Player::HasFocus(*dlg, IDC_DISTANCE));
    EXPECT_TRUE(MessageBoxSeam::TakeShownTexts().empty());
    Player::TypeOn(*dlg, IDC_DISTANCE, u"7");
    EXPECT_EQ(Field(), CString(u"7")) << "the first number typed replaces the one shown";
}

TEST_F(MainDialog, ThePlayerTypeChoosesTheColumnTheRecommendationReads) {
    theApp.m_nPlayerType = 2;
    dlg->m_nDistance = 150;
    Open();
    EXPECT_EQ(Result(), ClubFor(150, 2));
    EXPECT_NE(Result(), ClubFor(150, 1));
}

TEST_F(MainDialog, AStoredDistanceOutsideTheRangeIsShownToldAndRecommendsNothing) {
    dlg->m_nDistance = 20;
    MessageBoxSeam::SetNextAnswer(IDOK);
    Open();
    EXPECT_EQ(MessageBoxSeam::TakeShownTexts(),
              std::vector<CString>{IntegerRangeMessage(50, 1000)});
    EXPECT_EQ(Field(), CString(u"20"));
    EXPECT_TRUE(Result().IsEmpty()) << "the template's \"Static\" is gone";
    EXPECT_TRUE(Player::HasFocus(*dlg, IDC_DISTANCE));
}

TEST_F(MainDialog, WithNoClubsTheResultStaysEmptyAndTheStepsStillMove) {
    theApp.m_clubs.DeleteAll();
    Open();
    EXPECT_TRUE(Result().IsEmpty());
    Player::Tap(*dlg, IDC_PLUS10);
    EXPECT_EQ(dlg->m_nDistance, 110);
    EXPECT_EQ(Field(), CString(u"110"));
    EXPECT_TRUE(Result().IsEmpty());
}

struct StepCase {
    const char* name;
    int typed;
    int picture;
    int expected;
};

class Steps : public MainDialog, public ::testing::WithParamInterface<StepCase> {};

TEST_P(Steps, MoveTheTypedDistanceWithinItsBoundsAndRecommendAgain) {
    const StepCase& c = GetParam();
    Open();
    Player::Type(*dlg, IDC_DISTANCE, Number(c.typed));
    Player::Tap(*dlg, c.picture);
    EXPECT_EQ(dlg->m_nDistance, c.expected);
    EXPECT_EQ(Field(), Number(c.expected));
    EXPECT_EQ(Result(), ClubFor(c.expected));
    EXPECT_TRUE(Player::HasFocus(*dlg, IDC_DISTANCE));
    Player::TypeOn(*dlg, IDC_DISTANCE, u"7");
    EXPECT_EQ(Field(), CString(u"7")) << "the next number typed replaces the old one";
}

INSTANTIATE_TEST_SUITE_P(
    Pictures, Steps,
    ::testing::Values(StepCase{"Minus10", 150, IDC_MINUS10, 140},
                      StepCase{"Minus10From55StopsAt50", 55, IDC_MINUS10, 50},
                      StepCase{"Minus20From60StopsAt50", 60, IDC_MINUS20, 50},
                      StepCase{"Minus20From50StaysAt50", 50, IDC_MINUS20, 50},
                      StepCase{"Plus10", 100, IDC_PLUS10, 110},
                      StepCase{"Plus20", 180, IDC_PLUS20, 200},
                      StepCase{"Plus10From995StopsAt1000", 995, IDC_PLUS10, 1000},
                      StepCase{"Plus20From990StopsAt1000", 990, IDC_PLUS20, 1000},
                      StepCase{"Plus20At1000StaysAt1000", 1000, IDC_PLUS20, 1000}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(MainDialog, APasteOfDigitsIsTakenAndOneWithAnythingElseIsRefusedWhole) {
    Open();
    Player::Type(*dlg, IDC_DISTANCE, u"1");
    Player::Paste(*dlg, IDC_DISTANCE, u"20");
    EXPECT_EQ(Field(), CString(u"120"));
    for (const char16_t* refused : {u"5.5", u"7 yd", u"-3"}) {
        Player::Paste(*dlg, IDC_DISTANCE, refused);
        EXPECT_EQ(Field(), CString(u"120")) << "pasted " << CString(refused).ToUtf8();
    }
}

TEST_F(MainDialog, RecommendsForTheTypedNumberAndShowsItPlain) {
    Open();
    Player::Type(*dlg, IDC_DISTANCE, u"0150");
    Player::Tap(*dlg, IDC_RECOMMEND);
    EXPECT_EQ(dlg->m_nDistance, 150);
    EXPECT_EQ(Field(), CString(u"150"));
    EXPECT_EQ(Result(), CString(u"6 Iron"));
}

// Whichever picture reads the field.
TEST_F(MainDialog, ARefusedNumberIsToldLeftInTheFieldAndNeverTaken) {
    dlg->m_nDistance = 130;
    Open();
    const CString before = Result();
    ASSERT_FALSE(before.IsEmpty());
    struct Refusal {
        const char16_t* typed;
        int picture;
        CString message;
    };
    for (const Refusal& r : {Refusal{u"1500", IDC_RECOMMEND, IntegerRangeMessage(50, 1000)},
                             Refusal{u"20", IDC_PLUS10, IntegerRangeMessage(50, 1000)},
                             Refusal{u"", IDC_MINUS20, IntegerRequiredMessage()}}) {
        Player::Type(*dlg, IDC_DISTANCE, r.typed);
        MessageBoxSeam::SetNextAnswer(IDOK);
        Player::Tap(*dlg, r.picture);
        EXPECT_EQ(MessageBoxSeam::TakeShownTexts(), std::vector<CString>{r.message})
            << CString(r.typed).ToUtf8();
        EXPECT_EQ(Field(), CString(r.typed)) << "left for the player to correct";
        EXPECT_EQ(Result(), before);
        EXPECT_EQ(dlg->m_nDistance, 130) << "the last distance accepted stays";
        EXPECT_TRUE(Player::HasFocus(*dlg, IDC_DISTANCE));
    }
}

TEST_F(MainDialog, TheArrowKeysInTheFieldStepByFiveWithinTheirRangeWithoutANewRecommendation) {
    Open();
    const CString club = Result();
    struct Arrow {
        const char16_t* typed;
        Key key;
        const char16_t* shown;
    };
    for (const Arrow& a : {Arrow{u"100", Key::Up, u"105"}, Arrow{u"100", Key::Down, u"95"},
                           Arrow{u"498", Key::Up, u"500"}, Arrow{u"500", Key::Up, u"500"},
                           Arrow{u"52", Key::Down, u"50"}, Arrow{u"50", Key::Down, u"50"}}) {
        Player::Type(*dlg, IDC_DISTANCE, a.typed);
        Player::Press(*dlg, IDC_DISTANCE, a.key);
        EXPECT_EQ(Field(), CString(a.shown)) << CString(a.typed).ToUtf8();
    }
    EXPECT_EQ(Result(), club);
    EXPECT_EQ(dlg->m_nDistance, 100);
}

struct KeyCase {
    const char* name;
    Key key;
    unsigned modifiers;
    int distance; // what the dialog holds afterwards
};

class Keys : public MainDialog, public ::testing::WithParamInterface<KeyCase> {};

// 150 is typed first, for the key to read; the field keeps the focus, the only tab stop.
TEST_P(Keys, DoWhatTheirPicturesDo) {
    const KeyCase& c = GetParam();
    Open();
    Player::Type(*dlg, IDC_DISTANCE, u"150");
    Player::Press(*dlg, IDC_DISTANCE, c.key, c.modifiers);
    EXPECT_EQ(dlg->m_nDistance, c.distance);
    EXPECT_EQ(Result(), ClubFor(c.distance));
    EXPECT_FALSE(dlg->IsEnded());
    EXPECT_TRUE(Player::HasFocus(*dlg, IDC_DISTANCE));
    Player::Press(*dlg, 0, Key::Tab);
    EXPECT_TRUE(Player::HasFocus(*dlg, IDC_DISTANCE));
}

INSTANTIATE_TEST_SUITE_P(
    MainDialogKeys, Keys,
    ::testing::Values(KeyCase{"AltRRecommends", Letter('R'), Player::Alt, 150},
                      KeyCase{"PageUpAddsTen", Key::PageUp, Player::NoModifier, 160},
                      KeyCase{"PageDownTakesTen", Key::PageDown, Player::NoModifier, 140},
                      KeyCase{"ShiftPageUpAddsTwenty", Key::PageUp, Player::Shift, 170},
                      KeyCase{"ShiftPageDownTakesTwenty", Key::PageDown, Player::Shift, 130}),
    [](const auto& info) { return std::string(info.param.name); });

// The whole run from the keyboard: each key leaves the field ready for the next one.
TEST_F(MainDialog, KeysOneAfterAnotherEachDoTheirPart) {
    Open();
    Player::Type(*dlg, IDC_DISTANCE, u"150");
    Player::Press(*dlg, IDC_DISTANCE, Letter('R'), Player::Alt);
    Player::Press(*dlg, IDC_DISTANCE, Key::PageUp);
    Player::Press(*dlg, IDC_DISTANCE, Key::PageUp, Player::Shift);
    EXPECT_EQ(dlg->m_nDistance, 180);
    Player::Type(*dlg, IDC_DISTANCE, u"210");
    Player::Press(*dlg, IDC_DISTANCE, Key::Tab);
    Player::Press(*dlg, IDC_DISTANCE, Key::PageDown);
    EXPECT_EQ(dlg->m_nDistance, 200);
    EXPECT_EQ(Result(), ClubFor(200));
    EXPECT_TRUE(Player::HasFocus(*dlg, IDC_DISTANCE));
}

struct EndCase {
    const char* name;
    void (*end)(CAdvisorDlg&);
    const char16_t* typed;
    int result;   // 0: the dialog stays open
    int distance; // what the dialog holds afterwards, and start-up stores
    bool refused;
};

class Ending : public MainDialog, public ::testing::WithParamInterface<EndCase> {};

// Enter and the close box read the field, and refuse what it refuses; Close, Alt+C and Escape
// end without reading it.
TEST_P(Ending, ReadsTheFieldOnlyWhereTheWayOfEndingDoes) {
    const EndCase& c = GetParam();
    Open();
    Player::Type(*dlg, IDC_DISTANCE, c.typed);
    if (c.refused) {
        MessageBoxSeam::SetNextAnswer(IDOK);
    }
    c.end(*dlg);
    EXPECT_EQ(dlg->IsEnded() ? dlg->GetModalResult() : 0, c.result);
    EXPECT_EQ(dlg->m_nDistance, c.distance);
    EXPECT_EQ(MessageBoxSeam::TakeShownTexts().size(), c.refused ? 1U : 0U);
}

void PressEnter(CAdvisorDlg& dlg) {
    Player::Press(dlg, IDC_DISTANCE, Key::Return);
}
void PressEscape(CAdvisorDlg& dlg) {
    Player::Press(dlg, IDC_DISTANCE, Key::Escape);
}
void PressAltC(CAdvisorDlg& dlg) {
    Player::Press(dlg, IDC_DISTANCE, Letter('C'), Player::Alt);
}
void TapClose(CAdvisorDlg& dlg) {
    Player::Tap(dlg, IDC_CLOSE);
}
void CloseBox(CAdvisorDlg& dlg) {
    Player::CloseBox(dlg);
}

INSTANTIATE_TEST_SUITE_P(
    Ways, Ending,
    ::testing::Values(EndCase{"EnterReadsTheField", PressEnter, u"150", IDOK, 150, false},
                      EndCase{"EnterRefusesOutOfRange", PressEnter, u"2000", 0, 100, true},
                      EndCase{"CloseBoxReadsTheField", CloseBox, u"250", IDOK, 250, false},
                      EndCase{"CloseBoxRefusesAnEmptyField", CloseBox, u"", 0, 100, true},
                      EndCase{"ClosePictureDoesNotRead", TapClose, u"150", IDOK, 100, false},
                      EndCase{"AltCDoesNotRead", PressAltC, u"150", IDOK, 100, false},
                      EndCase{"EscapeCancelsWithoutReading", PressEscape, u"150", IDCANCEL, 100,
                              false}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
