// The green colour scheme: what it answers, that the dialogs' colour handlers answer it, and
// that the screen shows what they answered.
#include "support/DialogTest.h"

#include "advisor/AdvisorDlg.h"
#include "advisor/ColourScheme.h"
#include "advisor/EditClubDlg.h"
#include "advisor/SetupDlg.h"
#include "platform/ui/CBrush.h"
#include "platform/ui/CDC.h"
#include "platform/ui/CFont.h"

#include <string>

namespace {

constexpr COLORREF kLight = MakeRgb(172, 211, 115);
constexpr COLORREF kDark = MakeRgb(89, 133, 39);
constexpr COLORREF kBlack = MakeRgb(0, 0, 0);
constexpr COLORREF kWhite = MakeRgb(255, 255, 255);
constexpr COLORREF kBaseText = MakeRgb(11, 22, 33);
constexpr COLORREF kBaseBk = MakeRgb(44, 55, 66);

std::string Rgb(COLORREF c) {
    return std::to_string(RgbRed(c)) + "," + std::to_string(RgbGreen(c)) + "," +
           std::to_string(RgbBlue(c));
}

enum class Brush { Base, Light, Dark };

struct SchemeCase {
    UINT kind;
    bool buttonDialog;
    Brush brush;
    COLORREF text;
    COLORREF bk;
};

class Scheme : public ::testing::TestWithParam<SchemeCase> {
protected:
    Scheme() {
        light.CreateSolidBrush(kLight);
        dark.CreateSolidBrush(kDark);
        base.CreateSolidBrush(MakeRgb(7, 7, 7));
        font.CreateFontIndirect(&GetStockSystemFont());
    }
    CBrush light;
    CBrush dark;
    CBrush base;
    CFont font;
};

TEST_P(Scheme, AnswersTheBrushAndColoursOfTheKind) {
    const SchemeCase& c = GetParam();
    CDC dc(font, kBaseText, kBaseBk, TRANSPARENT);
    const HBRUSH answer = c.buttonDialog ? ButtonDialogCtlColor(dc, c.kind, base, light, dark)
                                         : MainDialogCtlColor(dc, c.kind, base, light);
    const HBRUSH expected = c.brush == Brush::Base    ? base.m_hObject
                            : c.brush == Brush::Light ? light.m_hObject
                                                      : dark.m_hObject;
    EXPECT_EQ(answer, expected);
    EXPECT_EQ(dc.GetTextColor(), c.text);
    EXPECT_EQ(dc.GetBkColor(), c.bk);
    EXPECT_EQ(dc.GetBkMode(), TRANSPARENT) << "the mode is the base handler's";
    EXPECT_EQ(dc.GetCurrentFont(), font.m_hObject) << "the scheme gives no font";
}

INSTANTIATE_TEST_SUITE_P(EveryKind, Scheme,
                         ::testing::Values(
                             // Main dialog.
                             SchemeCase{CTLCOLOR_MSGBOX, false, Brush::Light, kBaseText, kBaseBk},
                             SchemeCase{CTLCOLOR_EDIT, false, Brush::Base, kBlack, kWhite},
                             SchemeCase{CTLCOLOR_LISTBOX, false, Brush::Light, kBaseText, kBaseBk},
                             SchemeCase{CTLCOLOR_BTN, false, Brush::Light, kBaseText, kBaseBk},
                             SchemeCase{CTLCOLOR_DLG, false, Brush::Light, kBaseText, kBaseBk},
                             SchemeCase{CTLCOLOR_SCROLLBAR, false, Brush::Light, kBaseText,
                                        kBaseBk},
                             SchemeCase{CTLCOLOR_STATIC, false, Brush::Light, kBlack, kLight},
                             // Setup and Edit Club dialogs.
                             SchemeCase{CTLCOLOR_MSGBOX, true, Brush::Light, kBaseText, kBaseBk},
                             SchemeCase{CTLCOLOR_EDIT, true, Brush::Base, kBlack, kWhite},
                             SchemeCase{CTLCOLOR_LISTBOX, true, Brush::Light, kBaseText, kBaseBk},
                             SchemeCase{CTLCOLOR_BTN, true, Brush::Dark, kWhite, kBaseBk},
                             SchemeCase{CTLCOLOR_DLG, true, Brush::Light, kBaseText, kBaseBk},
                             SchemeCase{CTLCOLOR_SCROLLBAR, true, Brush::Light, kBaseText, kBaseBk},
                             SchemeCase{CTLCOLOR_STATIC, true, Brush::Light, kBlack, kLight}));

TEST(SchemeStatic, ReadsTheColourFromTheLightBrushEachTime) {
    CBrush other;
    other.CreateSolidBrush(MakeRgb(1, 200, 3));
    CDC dc;
    MainDialogCtlColor(dc, CTLCOLOR_STATIC, nullptr, other);
    EXPECT_EQ(dc.GetBkColor(), MakeRgb(1, 200, 3));
}

// The dialogs' colour handlers, reached as the platform reaches them.
struct SetupProbe : CSetupDlg {
    using CSetupDlg::OnCtlColor;
};
struct EditClubProbe : CEditClubDlg {
    using CEditClubDlg::OnCtlColor;
};

enum class Which { Setup, EditClub };

struct HandlerCase {
    const char* name;
    Which dialog;
    UINT kind;
    int control; // the control the query is for; 0 the dialog itself
    Brush brush; // Base: the system's brush for the kind
    COLORREF text;
    COLORREF bk;
};

class DialogColours : public DialogTest, public ::testing::WithParamInterface<HandlerCase> {
protected:
    void SetUp() override {
        DialogTest::SetUp();
        font.CreateFontIndirect(&GetStockSystemFont());
    }
    void TearDown() override {
        setup.DestroyWindow();
        editClub.DestroyWindow();
        DialogTest::TearDown();
    }
    SetupProbe setup;
    EditClubProbe editClub;
    CFont font;
};

TEST_P(DialogColours, AnswerTheSchemeForEveryKind) {
    const HandlerCase& c = GetParam();
    CDialog& dlg = c.dialog == Which::Setup ? static_cast<CDialog&>(setup) : editClub;
    ASSERT_TRUE(dlg.Create());
    CWnd* wnd = c.control == 0 ? &dlg : dlg.GetDlgItem(c.control);
    CDC dc(font, kBaseText, kBaseBk, OPAQUE);
    const HBRUSH answer = c.dialog == Which::Setup ? setup.OnCtlColor(&dc, wnd, c.kind)
                                                   : editClub.OnCtlColor(&dc, wnd, c.kind);
    const HBRUSH expected =
        c.brush == Brush::Light ? theApp.m_brLight.m_hObject
        : c.brush == Brush::Dark
            ? theApp.m_brDark.m_hObject
            : GetSysColorBrush(c.kind == CTLCOLOR_EDIT ? COLOR_WINDOW : COLOR_BTNFACE);
    EXPECT_EQ(answer, expected);
    EXPECT_EQ(dc.GetTextColor(), c.text);
    EXPECT_EQ(dc.GetBkColor(), c.bk);
    EXPECT_EQ(dc.GetBkMode(), OPAQUE);
    EXPECT_EQ(dc.GetCurrentFont(), font.m_hObject);
}

using W = Which;
INSTANTIATE_TEST_SUITE_P(
    EveryKind, DialogColours,
    ::testing::Values(
        HandlerCase{"SetupMsgBox", W::Setup, CTLCOLOR_MSGBOX, 0, Brush::Light, kBaseText, kBaseBk},
        HandlerCase{"SetupListBox", W::Setup, CTLCOLOR_LISTBOX, IDC_CLUB_LIST, Brush::Light,
                    kBaseText, kBaseBk},
        HandlerCase{"SetupButton", W::Setup, CTLCOLOR_BTN, IDC_EDIT, Brush::Dark, kWhite, kBaseBk},
        HandlerCase{"SetupDialog", W::Setup, CTLCOLOR_DLG, 0, Brush::Light, kBaseText, kBaseBk},
        HandlerCase{"SetupScrollBar", W::Setup, CTLCOLOR_SCROLLBAR, IDC_CLUB_LIST, Brush::Light,
                    kBaseText, kBaseBk},
        HandlerCase{"SetupStatic", W::Setup, CTLCOLOR_STATIC, IDC_STATIC, Brush::Light, kBlack,
                    kLight},
        HandlerCase{"EditClubMsgBox", W::EditClub, CTLCOLOR_MSGBOX, 0, Brush::Light, kBaseText,
                    kBaseBk},
        HandlerCase{"EditClubEdit", W::EditClub, CTLCOLOR_EDIT, IDC_BEST_DISTANCE, Brush::Base,
                    kBlack, kWhite},
        HandlerCase{"EditClubListBox", W::EditClub, CTLCOLOR_LISTBOX, IDC_DESCRIPTION, Brush::Light,
                    kBaseText, kBaseBk},
        HandlerCase{"EditClubButton", W::EditClub, CTLCOLOR_BTN, IDCANCEL, Brush::Dark, kWhite,
                    kBaseBk},
        HandlerCase{"EditClubDialog", W::EditClub, CTLCOLOR_DLG, 0, Brush::Light, kBaseText,
                    kBaseBk},
        HandlerCase{"EditClubScrollBar", W::EditClub, CTLCOLOR_SCROLLBAR, IDC_DESCRIPTION,
                    Brush::Light, kBaseText, kBaseBk},
        HandlerCase{"EditClubStatic", W::EditClub, CTLCOLOR_STATIC, IDC_STATIC, Brush::Light,
                    kBlack, kLight}),
    [](const auto& info) { return std::string(info.param.name); });

class SetupColours : public DialogTest {};

TEST_F(SetupColours, ACaptionLabelKeepsItsFontAndModeButDrawsBlackOnTheLightBrush) {
    SetupProbe setup;
    ASSERT_TRUE(setup.Create());
    CDC dc(nullptr, kBaseText, kBaseBk, OPAQUE);
    const HBRUSH answer = setup.OnCtlColor(&dc, &setup.m_lblPlayerType, CTLCOLOR_STATIC);
    EXPECT_EQ(answer, theApp.m_brLight.m_hObject) << "not the label's own white brush";
    EXPECT_EQ(dc.GetCurrentFont(), setup.m_lblPlayerType.GetLabelFont());
    EXPECT_EQ(dc.GetBkMode(), TRANSPARENT);
    EXPECT_EQ(dc.GetTextColor(), kBlack);
    EXPECT_EQ(dc.GetBkColor(), kLight);
    setup.DestroyWindow();
}

// The screen shows what the handlers answered: the dialogs paint with the device context and
// brush of their colour query.

// A point inside the control, off its frame and its text: near the bottom right corner.
COLORREF InnerCorner(CDialog& dlg, int id) {
    const Player::Extent size = Player::SizeOf(dlg, id);
    return Player::PixelAt(dlg, id, size.cx - 4, size.cy - 3);
}

class SchemeColours : public DialogTest {};

TEST_F(SchemeColours, MainDialogLightGroundLightLabelWhiteField) {
    CAdvisorDlg dlg;
    ASSERT_TRUE(Player::Open(dlg));
    EXPECT_EQ(Rgb(InnerCorner(dlg, 0)), Rgb(kLight)) << "the dialog";
    EXPECT_EQ(Rgb(InnerCorner(dlg, IDC_RECOMMENDATION)), Rgb(kLight))
        << "the label paints with the light brush, not its own white one";
    EXPECT_EQ(Rgb(InnerCorner(dlg, IDC_DISTANCE)), Rgb(kWhite)) << "the field";
    dlg.DestroyWindow();
}

TEST_F(SchemeColours, SetupAndEditClubButtonsOnTheDarkBrush) {
    CSetupDlg setup;
    ASSERT_TRUE(Player::Open(setup));
    EXPECT_EQ(Rgb(InnerCorner(setup, 0)), Rgb(kLight));
    for (int id : {IDC_EDIT, IDOK}) {
        EXPECT_EQ(Rgb(Player::PixelAt(setup, id, 5, 5)), Rgb(kDark)) << id;
    }
    EXPECT_EQ(Rgb(InnerCorner(setup, IDC_ADULT_FEMALE)), Rgb(kLight)) << "a radio button";
    setup.DestroyWindow();

    CEditClubDlg edit;
    ASSERT_TRUE(Player::Open(edit));
    for (int id : {IDOK, IDCANCEL}) {
        EXPECT_EQ(Rgb(Player::PixelAt(edit, id, 5, 5)), Rgb(kDark)) << id;
    }
    EXPECT_EQ(Rgb(InnerCorner(edit, IDC_DESCRIPTION)), Rgb(kWhite));
    edit.DestroyWindow();
}

} // namespace
