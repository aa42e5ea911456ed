#include "support/UiTest.h"

#include "advisor/Label.h"
#include "platform/ui/CDataExchange.h"
#include "platform/ui/CDC.h"
#include "platform/ui/CDialog.h"
#include "platform/ui/qt/QtConvert.h"
#include "res/Resource.h"

#include <QLabel>

namespace {

bool SameFont(const LOGFONT& a, const LOGFONT& b) {
    return a.lfHeight == b.lfHeight && a.lfWeight == b.lfWeight && a.lfItalic == b.lfItalic &&
           std::u16string_view(a.lfFaceName) == std::u16string_view(b.lfFaceName);
}

LOGFONT FontOf(HFONT hFont) {
    LOGFONT lf{};
    EXPECT_TRUE(GetObject(hFont, lf));
    return lf;
}

TEST(Label, StartsFromTheStockFontTheWindowTextColourAndAWhiteBrush) {
    CLabel label;
    EXPECT_TRUE(SameFont(label.GetLogFont(), GetStockSystemFont()));
    EXPECT_TRUE(SameFont(FontOf(label.GetLabelFont()), GetStockSystemFont()));
    EXPECT_EQ(label.GetTextColor(), GetSysColor(COLOR_WINDOWTEXT));
    LOGBRUSH lb{};
    ASSERT_TRUE(GetObject(label.GetBackgroundBrush(), lb));
    EXPECT_EQ(lb.lbColor, MakeRgb(255, 255, 255));
}

struct FontCase {
    const char* name;
    std::vector<int> calls; // > 0: SetFontSize(n); 0: SetFontBold(FALSE); -1: SetFontBold(TRUE);
                            // -2: SetFontBold(7)
    LONG height;
    LONG weight;
};

class LabelFont : public ::testing::TestWithParam<FontCase> {};

TEST_P(LabelFont, SettersChangeOnlyTheirField) {
    CLabel label;
    for (int call : GetParam().calls) {
        if (call > 0) {
            label.SetFontSize(call);
        } else {
            label.SetFontBold(call == 0 ? FALSE : call == -1 ? TRUE : 7);
        }
    }
    const LOGFONT lf = FontOf(label.GetLabelFont());
    EXPECT_EQ(lf.lfHeight, GetParam().height);
    EXPECT_EQ(lf.lfWeight, GetParam().weight);
    EXPECT_EQ(label.GetLogFont().lfHeight, GetParam().height);
}

const LONG kStockHeight = GetStockSystemFont().lfHeight;
const LONG kStockWeight = GetStockSystemFont().lfWeight;

INSTANTIATE_TEST_SUITE_P(
    Cases, LabelFont,
    ::testing::Values(FontCase{"SizeKeepsTheWeight", {11}, -11, kStockWeight},
                      FontCase{"BoldThenSize", {-1, 11}, -11, FW_BOLD},
                      FontCase{"SizeThenBold", {11, -1}, -11, FW_BOLD},
                      FontCase{"AnyNonZeroIsBold", {-2}, kStockHeight, FW_BOLD},
                      FontCase{"FalseIsNormalWhateverTheStock", {0}, kStockHeight, FW_NORMAL},
                      FontCase{"LastSizeWins", {11, 20}, -20, kStockWeight}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Label, SettersChain) {
    CLabel label;
    CLabel& result = label.SetFontBold(TRUE).SetFontSize(11).SetTextColor(MakeRgb(1, 2, 3));
    EXPECT_EQ(&result, &label);
    EXPECT_EQ(&label.SetBkColor(0), &label);
    EXPECT_EQ(label.GetTextColor(), MakeRgb(1, 2, 3));
}

TEST(Label, ABackgroundColourChangeKeepsExactlyOneBrush) {
    const int before = GdiLiveObjectCount();
    CLabel label;
    const int withLabel = GdiLiveObjectCount();
    EXPECT_EQ(withLabel, before + 2) << "a font and a brush";
    label.SetBkColor(MakeRgb(10, 20, 30));
    label.SetBkColor(MakeRgb(40, 50, 60));
    label.SetFontSize(9);
    EXPECT_EQ(GdiLiveObjectCount(), withLabel);
    LOGBRUSH lb{};
    ASSERT_TRUE(GetObject(label.GetBackgroundBrush(), lb));
    EXPECT_EQ(lb.lbColor, MakeRgb(40, 50, 60));
}

TEST(Label, DestructionReleasesItsFontAndBrush) {
    const int before = GdiLiveObjectCount();
    {
        CLabel label;
        label.SetFontBold(TRUE).SetBkColor(MakeRgb(1, 1, 1));
    }
    EXPECT_EQ(GdiLiveObjectCount(), before);
}

TEST(Label, AStaticQueryTakesItsFontColourAndTransparentText) {
    CLabel label;
    label.SetTextColor(MakeRgb(200, 0, 0));
    CDC dc(GetStockFont(SYSTEM_FONT), 0, MakeRgb(255, 255, 255), OPAQUE);
    EXPECT_EQ(label.ReflectCtlColor(&dc, CTLCOLOR_STATIC), label.GetBackgroundBrush());
    EXPECT_EQ(dc.GetCurrentFont(), label.GetLabelFont());
    EXPECT_EQ(dc.GetTextColor(), MakeRgb(200, 0, 0));
    EXPECT_EQ(dc.GetBkMode(), TRANSPARENT);
    EXPECT_EQ(dc.GetBkColor(), MakeRgb(255, 255, 255));
}

TEST(Label, AnyOtherQueryLeavesTheRecordAlone) {
    CLabel label;
    for (UINT kind : {CTLCOLOR_MSGBOX, CTLCOLOR_EDIT, CTLCOLOR_LISTBOX, CTLCOLOR_BTN, CTLCOLOR_DLG,
                      CTLCOLOR_SCROLLBAR}) {
        const CDC before(GetStockFont(SYSTEM_FONT), MakeRgb(1, 2, 3), MakeRgb(4, 5, 6), OPAQUE);
        CDC dc = before;
        EXPECT_EQ(label.ReflectCtlColor(&dc, kind), label.GetBackgroundBrush());
        EXPECT_TRUE(dc == before) << "kind " << kind;
    }
}

// A dialog with two labels bound to the Setup template's captions.
class CaptionDialog : public CDialog {
public:
    CaptionDialog() : CDialog(IDD_SETUP) {}
    CLabel m_lblPlayerType;
    CLabel m_lblDistanceChart;

protected:
    void DoDataExchange(CDataExchange* pDX) override {
        DDX_Control(pDX, IDC_PLAYER_TYPE, m_lblPlayerType);
        DDX_Control(pDX, IDC_DISTANCE_CHART, m_lblDistanceChart);
    }
};

class BoundLabel : public UiTest {};

TEST_F(BoundLabel, DrawsWithItsOwnFontOnceBound) {
    CaptionDialog dialog;
    ASSERT_TRUE(dialog.Create());
    auto* caption = qobject_cast<QLabel*>(WidgetOf(dialog.m_lblDistanceChart.m_hWnd));
    ASSERT_NE(caption, nullptr);
    EXPECT_EQ(caption->text(), QStringLiteral("Distance Chart:"));
    dialog.m_lblDistanceChart.SetFontBold(FALSE).SetFontSize(11);
    EXPECT_EQ(caption->font().pixelSize(), StandInPixelSize(11));
    EXPECT_FALSE(caption->font().bold());
    dialog.m_lblDistanceChart.SetFontBold(TRUE);
    EXPECT_TRUE(caption->font().bold());
    EXPECT_EQ(caption->font().pixelSize(), StandInPixelSize(11));
    auto* other = qobject_cast<QLabel*>(WidgetOf(dialog.m_lblPlayerType.m_hWnd));
    EXPECT_EQ(other->font().pixelSize(), StandInPixelSize(-GetStockSystemFont().lfHeight))
        << "a label with no setter called draws in the stock font";
    dialog.DestroyWindow();
    EXPECT_FALSE(dialog.m_lblDistanceChart.IsWindow());
}

} // namespace
