#include "support/DialogTest.h"

#include "advisor/AdvisorDlg.h"
#include "platform/ui/CDataExchange.h"

#include <string>

namespace {

class MainDialog : public DialogTest {
protected:
    void SetUp() override {
        DialogTest::SetUp();
        dlg = std::make_unique<CAdvisorDlg>();
    }
    void TearDown() override {
        dlg->DestroyWindow();
        dlg.reset();
        DialogTest::TearDown();
    }
    void Open() { ASSERT_TRUE(Player::Open(*dlg)); }
    CString Field() { return TextOf(*dlg, IDC_DISTANCE); }
    CString Result() { return TextOf(*dlg, IDC_RECOMMENDATION); }
    static CString Number(int n) {
        CString text;
        text.Format(u"%d", n);
        return text;
    }

    // Made once the toolkit runs, since the dialog loads its icon when built.
    std::unique_ptr<CAdvisorDlg> dlg;
};

TEST_F(MainDialog, OpensOnTheRecommendationForOneHundredWithTheFocusInTheField) {
    Open();
    EXPECT_EQ(Field(), CString(u"100"));
    EXPECT_EQ(Result(), CString(u"Dual/Gap Wedge"));
    EXPECT_TRUE(Player::HasFocus(*dlg, IDC_DISTANCE));
    EXPECT_TRUE(MessageBoxSeam::TakeShownTexts().empty());
}

struct StepCase {
    const char* name;
    int start;
    int picture;
    int expected;
};

class Steps : public MainDialog, public ::testing::WithParamInterface<StepCase> {};

TEST_P(Steps, MoveTheDistanceWithinItsBoundsAndRecommendAgain) {
    const StepCase& c = GetParam();
    dlg->m_nDistance = c.start;
    Open();
    Player::Tap(*dlg, c.picture);
    EXPECT_EQ(dlg->m_nDistance, c.expected);
    EXPECT_EQ(Field(), Number(c.expected));
    EXPECT_EQ(Result(), ClubFor(c.expected));
    EXPECT_TRUE(Player::HasFocus(*dlg, IDC_DISTANCE));
    Player::TypeOn(*dlg, IDC_DISTANCE, u"7");
    EXPECT_EQ(Field(), CString(u"7")) << "the next number typed replaces the old one";
}

INSTANTIATE_TEST_SUITE_P(Pictures, Steps,
                         ::testing::Values(StepCase{"Minus10From55StopsAt50", 55, IDC_MINUS10, 50},
                                           StepCase{"Minus20From50StaysAt50", 50, IDC_MINUS20, 50},
                                           StepCase{"Minus10", 150, IDC_MINUS10, 140},
                                           StepCase{"Plus10", 100, IDC_PLUS10, 110},
                                           StepCase{"Plus20", 180, IDC_PLUS20, 200},
                                           StepCase{"Plus20From990StopsAt1000", 990, IDC_PLUS20,
                                                    1000}),
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

TEST_F(MainDialog, ARefusedNumberIsToldLeftInTheFieldAndNeverTaken) {
    dlg->m_nDistance = 130;
    Open();
    const CString before = Result();
    ASSERT_FALSE(before.IsEmpty());
    struct Refusal {
        const char16_t* typed;
        CString message;
    };
    for (const Refusal& r :
         {Refusal{u"1500", IntegerRangeMessage(50, 1000)},
          Refusal{u"20", IntegerRangeMessage(50, 1000)}, Refusal{u"", IntegerRequiredMessage()}}) {
        Player::Type(*dlg, IDC_DISTANCE, r.typed);
        MessageBoxSeam::SetNextAnswer(IDOK);
        Player::Tap(*dlg, IDC_RECOMMEND);
        const auto texts = MessageBoxSeam::TakeShownTexts();
        ASSERT_EQ(texts.size(), 1U) << CString(r.typed).ToUtf8();
        EXPECT_EQ(texts[0], r.message);
        EXPECT_EQ(Field(), CString(r.typed)) << "left for the player to correct";
        EXPECT_EQ(Result(), before);
        EXPECT_EQ(dlg->m_nDistance, 130) << "the last distance accepted stays";
        EXPECT_TRUE(Player::HasFocus(*dlg, IDC_DISTANCE));
    }
}

TEST_F(MainDialog, TheArrowKeysInTheFieldStepByFiveWithoutANewRecommendation) {
    Open();
    const CString club = Result();
    Player::Press(*dlg, IDC_DISTANCE, Key::Up);
    EXPECT_EQ(Field(), CString(u"105"));
    Player::Press(*dlg, IDC_DISTANCE, Key::Down);
    Player::Press(*dlg, IDC_DISTANCE, Key::Down);
    EXPECT_EQ(Field(), CString(u"95"));
    EXPECT_EQ(Result(), club);
    EXPECT_EQ(dlg->m_nDistance, 100);
}

struct KeyCase {
    const char* name;
    Key key;
    unsigned modifiers;
    int distance; // what the dialog holds afterwards
    int ended;    // the dialog's result, 0 while it stays open
};

class Keys : public MainDialog, public ::testing::WithParamInterface<KeyCase> {};

// 150 is typed first: the steps, Recommend Club and Enter read it; Close and Escape do not.
TEST_P(Keys, DoWhatTheirPicturesAndTheDialogDo) {
    const KeyCase& c = GetParam();
    Open();
    Player::Type(*dlg, IDC_DISTANCE, u"150");
    Player::Press(*dlg, IDC_DISTANCE, c.key, c.modifiers);
    EXPECT_EQ(dlg->m_nDistance, c.distance);
    EXPECT_EQ(dlg->IsEnded() ? dlg->GetModalResult() : 0, c.ended);
    if (c.ended == 0) {
        EXPECT_EQ(Result(), ClubFor(c.distance));
        EXPECT_TRUE(Player::HasFocus(*dlg, IDC_DISTANCE));
    }
}

INSTANTIATE_TEST_SUITE_P(
    MainDialogKeys, Keys,
    ::testing::Values(KeyCase{"AltRRecommends", Letter('R'), Player::Alt, 150, 0},
                      KeyCase{"PageUpAddsTen", Key::PageUp, Player::NoModifier, 160, 0},
                      KeyCase{"PageDownTakesTen", Key::PageDown, Player::NoModifier, 140, 0},
                      KeyCase{"ShiftPageUpAddsTwenty", Key::PageUp, Player::Shift, 170, 0},
                      KeyCase{"ShiftPageDownTakesTwenty", Key::PageDown, Player::Shift, 130, 0},
                      KeyCase{"AltCClosesWithoutReading", Letter('C'), Player::Alt, 100, IDOK},
                      KeyCase{"EnterReadsAndCloses", Key::Return, Player::NoModifier, 150, IDOK},
                      KeyCase{"EscapeCancelsWithoutReading", Key::Escape, Player::NoModifier, 100,
                              IDCANCEL}),
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
    EXPECT_TRUE(Player::HasFocus(*dlg, IDC_DISTANCE)) << "the only tab stop";
}

TEST_F(MainDialog, TheCloseBoxReadsTheFieldAndRefusesWhatTheFieldRefuses) {
    Open();
    Player::Type(*dlg, IDC_DISTANCE, u"2000");
    MessageBoxSeam::SetNextAnswer(IDOK);
    Player::CloseBox(*dlg);
    EXPECT_FALSE(dlg->IsEnded());
    EXPECT_EQ(MessageBoxSeam::TakeShownTexts().size(), 1U);
    Player::Type(*dlg, IDC_DISTANCE, u"250");
    Player::CloseBox(*dlg);
    EXPECT_EQ(dlg->IsEnded() ? dlg->GetModalResult() : 0, IDOK);
    EXPECT_EQ(dlg->m_nDistance, 250);
}

} // namespace
