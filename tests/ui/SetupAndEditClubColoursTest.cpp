#include "support/AppTest.h"

#include "advisor/EditClubDlg.h"
#include "advisor/SetupDlg.h"
#include "platform/ui/CDC.h"

#include <QPalette>

namespace {

constexpr COLORREF kLight = MakeRgb(172, 211, 115);
constexpr COLORREF kDark = MakeRgb(89, 133, 39);
constexpr COLORREF kBlack = MakeRgb(0, 0, 0);
constexpr COLORREF kWhite = MakeRgb(255, 255, 255);
constexpr COLORREF kStartText = MakeRgb(11, 22, 33);
constexpr COLORREF kStartBk = MakeRgb(44, 55, 66);

// The dialogs' colour handlers, reached as the platform reaches them.
struct SetupProbe : CSetupDlg {
    using CSetupDlg::OnCtlColor;
};
struct EditClubProbe : CEditClubDlg {
    using CEditClubDlg::OnCtlColor;
};

enum class Brush { System, Light, Dark };
enum class Which { Setup, EditClub };

struct ColourCase {
    const char* name;
    Which dialog;
    UINT kind;
    int control; // the control the query is for; 0 the dialog itself
    Brush brush;
    COLORREF text;
    COLORREF bk;
};

class DialogColours : public AppTest, public ::testing::WithParamInterface<ColourCase> {
protected:
    void SetUp() override {
        AppTest::SetUp();
        PrepareDrawingObjectsAndClubs();
        font.CreateFontIndirect(&GetStockSystemFont());
    }
    void TearDown() override {
        setup.DestroyWindow();
        editClub.DestroyWindow();
        AppTest::TearDown();
    }
    SetupProbe setup;
    EditClubProbe editClub;
    CFont font;
};

TEST_P(DialogColours, AnswerTheSchemeForEveryKind) {
    const ColourCase& c = GetParam();
    CDialog& dlg = c.dialog == Which::Setup ? static_cast<CDialog&>(setup) : editClub;
    ASSERT_TRUE(dlg.Create());
    CWnd* wnd = c.control == 0 ? &dlg : dlg.GetDlgItem(c.control);
    CDC dc(font, kStartText, kStartBk, OPAQUE);
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
        ColourCase{"SetupMsgBox", W::Setup, CTLCOLOR_MSGBOX, 0, Brush::Light, kStartText, kStartBk},
        ColourCase{"SetupListBox", W::Setup, CTLCOLOR_LISTBOX, IDC_CLUB_LIST, Brush::Light,
                   kStartText, kStartBk},
        ColourCase{"SetupButton", W::Setup, CTLCOLOR_BTN, IDC_EDIT, Brush::Dark, kWhite, kStartBk},
        ColourCase{"SetupDialog", W::Setup, CTLCOLOR_DLG, 0, Brush::Light, kStartText, kStartBk},
        ColourCase{"SetupScrollBar", W::Setup, CTLCOLOR_SCROLLBAR, IDC_CLUB_LIST, Brush::Light,
                   kStartText, kStartBk},
        ColourCase{"SetupStatic", W::Setup, CTLCOLOR_STATIC, IDC_STATIC, Brush::Light, kBlack,
                   kLight},
        ColourCase{"EditClubMsgBox", W::EditClub, CTLCOLOR_MSGBOX, 0, Brush::Light, kStartText,
                   kStartBk},
        ColourCase{"EditClubEdit", W::EditClub, CTLCOLOR_EDIT, IDC_BEST_DISTANCE, Brush::System,
                   kBlack, kWhite},
        ColourCase{"EditClubListBox", W::EditClub, CTLCOLOR_LISTBOX, IDC_DESCRIPTION, Brush::Light,
                   kStartText, kStartBk},
        ColourCase{"EditClubButton", W::EditClub, CTLCOLOR_BTN, IDCANCEL, Brush::Dark, kWhite,
                   kStartBk},
        ColourCase{"EditClubDialog", W::EditClub, CTLCOLOR_DLG, 0, Brush::Light, kStartText,
                   kStartBk},
        ColourCase{"EditClubScrollBar", W::EditClub, CTLCOLOR_SCROLLBAR, IDC_DESCRIPTION,
                   Brush::Light, kStartText, kStartBk},
        ColourCase{"EditClubStatic", W::EditClub, CTLCOLOR_STATIC, IDC_STATIC, Brush::Light, kBlack,
                   kLight}),
    [](const auto& info) { return std::string(info.param.name); });

class SetupColours : public AppTest {
protected:
    void SetUp() override {
        AppTest::SetUp();
        PrepareDrawingObjectsAndClubs();
        ASSERT_TRUE(setup.Create());
    }
    void TearDown() override {
        setup.DestroyWindow();
        AppTest::TearDown();
    }
    SetupProbe setup;
};

TEST_F(SetupColours, ACaptionLabelKeepsItsFontAndModeButDrawsBlackOnTheLightBrush) {
    CDC dc(nullptr, kStartText, kStartBk, OPAQUE);
    const HBRUSH answer = setup.OnCtlColor(&dc, &setup.m_lblPlayerType, CTLCOLOR_STATIC);
    EXPECT_EQ(answer, theApp.m_brLight.m_hObject) << "not the label's own white brush";
    EXPECT_EQ(dc.GetCurrentFont(), setup.m_lblPlayerType.GetLabelFont());
    EXPECT_EQ(dc.GetBkMode(), TRANSPARENT);
    EXPECT_EQ(dc.GetTextColor(), kBlack);
    EXPECT_EQ(dc.GetBkColor(), kLight);
}

TEST_F(SetupColours, TheWindowsArePaintedWithTheAnswers) {
    const QPalette button = WidgetOf(setup.GetDlgItem(IDOK)->m_hWnd)->palette();
    EXPECT_EQ(button.color(QPalette::ButtonText), ToQColor(kWhite));
    EXPECT_EQ(button.color(QPalette::Button), ToQColor(kDark));
    const QPalette caption = WidgetOf(setup.GetDlgItem(IDC_DISTANCE_CHART)->m_hWnd)->palette();
    EXPECT_EQ(caption.color(QPalette::WindowText), ToQColor(kBlack));
    EXPECT_EQ(caption.color(QPalette::Window), ToQColor(kLight));
    EXPECT_EQ(WidgetOf(setup.GetSafeHwnd())->palette().color(QPalette::Window), ToQColor(kLight));
}

TEST_F(SetupColours, TheEditClubFieldsArePaintedBlackOnWhiteAndItsButtonsWhiteOnDark) {
    EditClubProbe editClub;
    ASSERT_TRUE(editClub.Create());
    for (int id : {IDC_BEST_DISTANCE, IDC_DESCRIPTION}) {
        const QPalette field = WidgetOf(editClub.GetDlgItem(id)->m_hWnd)->palette();
        EXPECT_EQ(field.color(QPalette::Text), ToQColor(kBlack)) << id;
        EXPECT_EQ(field.color(QPalette::Base), ToQColor(GetSysColor(COLOR_WINDOW))) << id;
    }
    for (int id : {IDOK, IDCANCEL}) {
        const QPalette button = WidgetOf(editClub.GetDlgItem(id)->m_hWnd)->palette();
        EXPECT_EQ(button.color(QPalette::ButtonText), ToQColor(kWhite)) << id;
        EXPECT_EQ(button.color(QPalette::Button), ToQColor(kDark)) << id;
    }
    editClub.DestroyWindow();
}

} // namespace
