#include "platform/ui/TestDialogs.h"
#include "support/UiTest.h"

#include "platform/ui/CBrush.h"
#include "platform/ui/CFont.h"
#include "platform/ui/qt/QtConvert.h"

#include <QLineEdit>
#include <QPushButton>

#include <algorithm>

namespace {

// A control that answers the colour query itself, the way a label does.
class ReflectingStatic : public CStatic {
public:
    CBrush m_brush;
    ReflectingStatic() { m_brush.CreateSolidBrush(MakeRgb(1, 2, 3)); }
    HBRUSH CtlColor(CDC* pDC, UINT nCtlColor) {
        pDC->SetTextColor(MakeRgb(9, 9, 9));
        return nCtlColor == CTLCOLOR_STATIC ? m_brush.m_hObject : nullptr;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(ReflectingStatic, CStatic)
ON_WM_CTLCOLOR_REFLECT()
END_MESSAGE_MAP()

TEST(DefaultColourQuery, OffersTheQueryToTheControlFirst) {
    CWnd parent;
    ReflectingStatic label;
    CDC dc;
    EXPECT_EQ(parent.OnCtlColor(&dc, &label, CTLCOLOR_STATIC), label.m_brush.m_hObject);
    EXPECT_EQ(dc.GetTextColor(), MakeRgb(9, 9, 9));
}

TEST(DefaultColourQuery, FallsBackToTheSystemBrushOfTheKind) {
    CWnd parent;
    CStatic plain;
    ReflectingStatic label;
    CDC dc;
    EXPECT_EQ(parent.OnCtlColor(&dc, &plain, CTLCOLOR_STATIC), GetSysColorBrush(COLOR_BTNFACE));
    EXPECT_EQ(parent.OnCtlColor(&dc, &plain, CTLCOLOR_EDIT), GetSysColorBrush(COLOR_WINDOW));
    EXPECT_EQ(parent.OnCtlColor(&dc, &label, CTLCOLOR_EDIT), GetSysColorBrush(COLOR_WINDOW))
        << "a control that answers nothing for the kind leaves the default";
}

class ColourQuery : public UiTest {
protected:
    void SetUp() override {
        UiTest::SetUp();
        RegisterTestTemplates();
    }
};

TEST_F(ColourQuery, EveryControlIsQueriedWithItsKindWhenCreated) {
    FormDialog dialog;
    ASSERT_TRUE(dialog.Create());
    const auto kindOf = [&](int id) {
        const auto found = std::find_if(dialog.m_queries.begin(), dialog.m_queries.end(),
                                        [id](const FormDialog::Query& q) { return q.id == id; });
        return found != dialog.m_queries.end() ? static_cast<int>(found->nCtlColor) : -1;
    };
    EXPECT_EQ(kindOf(0), static_cast<int>(CTLCOLOR_DLG));
    EXPECT_EQ(kindOf(kCaption), static_cast<int>(CTLCOLOR_STATIC));
    EXPECT_EQ(kindOf(kPicture), static_cast<int>(CTLCOLOR_STATIC));
    EXPECT_EQ(kindOf(kNumberField), static_cast<int>(CTLCOLOR_EDIT));
    EXPECT_EQ(kindOf(kPush), static_cast<int>(CTLCOLOR_BTN));
    EXPECT_EQ(kindOf(kRadioA), static_cast<int>(CTLCOLOR_STATIC));
    EXPECT_EQ(kindOf(kSpin), -1) << "the up-down control paints itself";
}

TEST_F(ColourQuery, TheAnswerBecomesTheControlsPalette) {
    CBrush red;
    red.CreateSolidBrush(MakeRgb(200, 10, 20));
    FormDialog dialog;
    dialog.m_hbrAnswer = red;
    ASSERT_TRUE(dialog.Create());
    const QColor expected(200, 10, 20);
    EXPECT_EQ(WidgetOf(dialog.GetSafeHwnd())->palette().color(QPalette::Window), expected);
    EXPECT_EQ(WidgetOf(dialog.GetDlgItem(kCaption)->m_hWnd)->palette().color(QPalette::Window),
              expected);
    EXPECT_EQ(WidgetOf(dialog.GetDlgItem(kNumberField)->m_hWnd)->palette().color(QPalette::Base),
              expected);
    EXPECT_EQ(WidgetOf(dialog.GetDlgItem(kPush)->m_hWnd)->palette().color(QPalette::Button),
              expected);
}

TEST_F(ColourQuery, AFontChangeAsksAgainAndTheControlDrawsWithTheNewFont) {
    FormDialog dialog;
    ASSERT_TRUE(dialog.Create());
    LOGFONT lf = GetStockSystemFont();
    lf.lfHeight = -17;
    lf.lfWeight = FW_BOLD;
    CFont font;
    font.CreateFontIndirect(&lf);
    dialog.m_queries.clear();

    dialog.GetDlgItem(kNumberField)->SetFont(&font);

    ASSERT_EQ(dialog.m_queries.size(), 1U);
    EXPECT_EQ(dialog.m_queries[0].id, kNumberField);
    EXPECT_EQ(dialog.GetDlgItem(kNumberField)->GetFont(), font.m_hObject);
    const QFont drawn = WidgetOf(dialog.GetDlgItem(kNumberField)->m_hWnd)->font();
    EXPECT_EQ(drawn.pixelSize(), StandInPixelSize(17));
    EXPECT_TRUE(drawn.bold());
    dialog.DestroyWindow();
}

} // namespace
