#include "advisor/ColourScheme.h"
#include "platform/ui/CBrush.h"
#include "platform/ui/CFont.h"

#include <gtest/gtest.h>

namespace {

constexpr COLORREF kLight = MakeRgb(172, 211, 115);
constexpr COLORREF kDark = MakeRgb(89, 133, 39);
constexpr COLORREF kBlack = MakeRgb(0, 0, 0);
constexpr COLORREF kWhite = MakeRgb(255, 255, 255);
constexpr COLORREF kBaseText = MakeRgb(11, 22, 33);
constexpr COLORREF kBaseBk = MakeRgb(44, 55, 66);

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

} // namespace
