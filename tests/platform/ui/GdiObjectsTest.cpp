#include "platform/ui/CBrush.h"
#include "platform/ui/CDC.h"
#include "platform/ui/CFont.h"

#include <gtest/gtest.h>

namespace {

TEST(GdiObjects, AFontIsReleasedExactlyOnce) {
    const int before = GdiLiveObjectCount();
    {
        CFont font;
        EXPECT_FALSE(font.DeleteObject()) << "an empty font deletes nothing";
        ASSERT_TRUE(font.CreateFontIndirect(&GetStockSystemFont()));
        EXPECT_EQ(GdiLiveObjectCount(), before + 1);
        EXPECT_TRUE(font.DeleteObject());
        EXPECT_FALSE(font.DeleteObject());
        EXPECT_EQ(GdiLiveObjectCount(), before);
        ASSERT_TRUE(font.CreateFontIndirect(&GetStockSystemFont()));
    }
    EXPECT_EQ(GdiLiveObjectCount(), before) << "the destructor releases what is still held";
}

TEST(GdiObjects, ABrushReadsItsColourBack) {
    const int before = GdiLiveObjectCount();
    {
        CBrush brush;
        ASSERT_TRUE(brush.CreateSolidBrush(MakeRgb(172, 211, 115)));
        LOGBRUSH lb{};
        ASSERT_NE(brush.GetLogBrush(&lb), 0);
        EXPECT_EQ(lb.lbColor, 0x0073D3ACU);
        EXPECT_FALSE(brush.CreateSolidBrush(0)) << "a brush object holds one brush";
        CBrush other;
        other.Attach(brush.Detach());
        EXPECT_EQ(brush.m_hObject, nullptr);
    }
    EXPECT_EQ(GdiLiveObjectCount(), before);
}

TEST(GdiObjects, StockObjectsAreNeverDeleted) {
    const int before = GdiLiveObjectCount();
    EXPECT_FALSE(DeleteObject(GetStockFont(SYSTEM_FONT)));
    EXPECT_FALSE(DeleteObject(GetSysColorBrush(COLOR_WINDOW)));
    LOGFONT lf{};
    ASSERT_TRUE(GetObject(GetStockFont(SYSTEM_FONT), lf));
    EXPECT_EQ(lf.lfWeight, GetStockSystemFont().lfWeight);
    EXPECT_EQ(GdiLiveObjectCount(), before);
}

TEST(DeviceContextRecord, SelectingAFontAnswersThePreviousOne) {
    CFont a;
    CFont b;
    a.CreateFontIndirect(&GetStockSystemFont());
    b.CreateFontIndirect(&GetStockSystemFont());
    CDC dc(a, 0, 0, OPAQUE);
    EXPECT_EQ(dc.SelectObject(&b), a.m_hObject);
    EXPECT_EQ(dc.GetCurrentFont(), b.m_hObject);
    EXPECT_EQ(dc.SelectObject(static_cast<HFONT>(nullptr)), nullptr);
    EXPECT_EQ(dc.GetCurrentFont(), b.m_hObject) << "selecting no font keeps the current one";
    EXPECT_EQ(dc.SetBkMode(TRANSPARENT), OPAQUE);
    EXPECT_EQ(dc.SetTextColor(MakeRgb(1, 2, 3)), 0U);
    EXPECT_EQ(dc.GetTextColor(), MakeRgb(1, 2, 3));
}

} // namespace
