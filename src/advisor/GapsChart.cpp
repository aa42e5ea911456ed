#include "advisor/GapsChart.h"

#include "advisor/AdvisorApp.h"
#include "advisor/Texts.h"
#include "platform/ui/CBrush.h"
#include "platform/ui/CPen.h"
#include "res/Resource.h"

#include <algorithm>

namespace {

// Where the parts of a row lie across the chart, and how tall a row is.
struct ChartLayout {
    LONG nameRight; // names end here
    LONG barLeft;   // bars start here
    LONG barRight;  // the longest bar ends here
    LONG stepLeft;  // the steps' column starts here
    LONG rowHeight;
    std::size_t rows; // the clubs drawn; the others are counted on the last line
    // The small fixed lengths (the brackets' ticks, the room beside a number): a pixel on a
    // screen of 96 dpi, as much again for each further 96 dots per inch of the device.
    LONG dot;
};

std::int32_t Shown(const CGolfClub* club, PlayerType type, std::int32_t (*shown)(std::int32_t)) {
    const std::int32_t yards = club->DistanceFor(type);
    return shown != nullptr ? shown(yards) : yards;
}

ChartLayout LayOut(CDC& dc, const RECT& area, const BagGaps& bag, const GapsChartLook& look) {
    const LONG width = area.right - area.left;
    const LONG height = area.bottom - area.top;
    const LONG line = dc.GetTextExtent(u"Ay").cy;
    const LONG gap = std::max<LONG>(2, line / 3);
    ChartLayout layout{};
    layout.dot = std::max(1, dc.GetDeviceCaps(LOGPIXELSX) / 96);
    // Rows are at most two lines high and at least one line and a little; what does not fit
    // is counted on the last line.
    const auto fitting =
        static_cast<std::size_t>(std::max<LONG>(1, height / (line + 2 * layout.dot)));
    layout.rows = bag.clubs.size() <= fitting ? bag.clubs.size() : fitting - 1;
    layout.rowHeight =
        std::clamp<LONG>(height / static_cast<LONG>(std::max<std::size_t>(1, bag.clubs.size())),
                         line + 2 * layout.dot, line * 2);
    LONG nameWidth = 0;
    for (std::size_t i = 0; i < layout.rows; ++i) {
        nameWidth = std::max(nameWidth, dc.GetTextExtent(bag.clubs[i]->m_strName).cx);
    }
    const HFONT normal = dc.SelectObject(look.hBoldFont);
    const LONG stepWidth = dc.GetTextExtent(LoadText(IDS_OVERLAP_MARK) + u" 8888").cx + gap * 2;
    dc.SelectObject(normal);
    const LONG numberWidth = dc.GetTextExtent(u"88888").cx;
    layout.nameRight = area.left + std::min(nameWidth + 1, width * 2 / 5);
    layout.barLeft = layout.nameRight + gap;
    layout.stepLeft = area.right - stepWidth;
    layout.barRight = std::max(layout.barLeft + 1, layout.stepLeft - numberWidth - gap);
    return layout;
}

void DrawRow(CDC& dc, const ChartLayout& layout, const RECT& row, const CGolfClub* club,
             std::int32_t distance, std::int32_t longest, const GapsChartLook& look) {
    RECT name{row.left, row.top, layout.nameRight, row.bottom};
    dc.DrawText(club->m_strName, &name, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS);
    const LONG span = layout.barRight - layout.barLeft;
    const auto length = static_cast<LONG>(static_cast<long long>(span) * distance / longest);
    const LONG inset = (row.bottom - row.top) / 5;
    const RECT bar{layout.barLeft, row.top + inset, layout.barLeft + std::max<LONG>(1, length),
                   row.bottom - inset};
    dc.FillSolidRect(&bar, look.crBar);
    RECT number{bar.right + 2 * layout.dot, row.top, layout.stepLeft, row.bottom};
    dc.DrawText(NumberText(distance), &number, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
}

// The step between the rows whose middles are at yFrom and yTo, in the steps' column: the
// number alone, or for a gap or an overlap a bracket from row to row and the marking word,
// in its colour and bold, so that it reads without the colour too.
void DrawStep(CDC& dc, const ChartLayout& layout, const RECT& area, LONG yFrom, LONG yTo,
              const ClubStep& step, StepKind kind, const GapsChartLook& look) {
    const LONG half = (yTo - yFrom) / 2;
    const LONG dot = layout.dot;
    RECT text{layout.stepLeft + 6 * dot, yFrom, area.right, yTo};
    if (kind == StepKind::Even) {
        dc.DrawText(NumberText(step.distance), &text, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
        return;
    }
    const COLORREF colour = kind == StepKind::Gap ? look.crGap : look.crOverlap;
    CPen pen(PS_SOLID, dot, colour);
    const HPEN oldPen = dc.SelectObject(&pen);
    const LONG x = layout.stepLeft + 2 * dot;
    dc.MoveTo(x + 3 * dot, yFrom);
    dc.LineTo(x, yFrom);
    dc.LineTo(x, yTo);
    dc.LineTo(x + 4 * dot, yTo);
    dc.SelectObject(oldPen);
    const HFONT oldFont = dc.SelectObject(look.hBoldFont);
    const COLORREF oldColour = dc.SetTextColor(colour);
    const CString mark = LoadText(kind == StepKind::Gap ? IDS_GAP_MARK : IDS_OVERLAP_MARK);
    text.top = yFrom + half / 2;
    text.bottom = yTo - half / 2;
    dc.DrawText(FormatText(u"%1 %2", {mark, NumberText(step.distance)}), &text,
                DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS);
    dc.SetTextColor(oldColour);
    dc.SelectObject(oldFont);
}

} // namespace

GapsChartLook GreenGapsChartLook(HFONT hFont, HFONT hBoldFont) {
    return GapsChartLook{hFont,       hBoldFont,          kLightColour,      MakeRgb(0, 0, 0),
                         kDarkColour, MakeRgb(160, 0, 0), MakeRgb(0, 0, 150)};
}

void DrawGapsChart(CDC& dc, const RECT& area, const BagGaps& bag, PlayerType playerType,
                   const StepLimits& limits, std::int32_t (*shown)(std::int32_t),
                   const GapsChartLook& look) {
    dc.FillSolidRect(&area, look.crBackground);
    const HFONT oldFont = dc.SelectObject(look.hFont);
    const COLORREF oldColour = dc.SetTextColor(look.crText);
    const int oldMode = dc.SetBkMode(TRANSPARENT);
    if (bag.clubs.empty()) {
        RECT all = area;
        dc.DrawText(LoadText(IDS_NO_CLUBS_IN_BAG), &all, DT_CENTER | DT_VCENTER | DT_WORDBREAK);
    } else {
        const ChartLayout layout = LayOut(dc, area, bag, look);
        const std::int32_t longest = std::max(1, Shown(bag.clubs.front(), playerType, shown));
        for (std::size_t i = 0; i < layout.rows; ++i) {
            const LONG top = area.top + static_cast<LONG>(i) * layout.rowHeight;
            const RECT row{area.left, top, area.right, top + layout.rowHeight};
            DrawRow(dc, layout, row, bag.clubs[i], Shown(bag.clubs[i], playerType, shown), longest,
                    look);
            if (i + 1 < layout.rows) {
                const LONG middle = top + layout.rowHeight / 2;
                DrawStep(dc, layout, area, middle, middle + layout.rowHeight, bag.steps[i],
                         KindOf(bag.steps[i], limits), look);
            }
        }
        if (layout.rows < bag.clubs.size()) {
            const LONG top = area.top + static_cast<LONG>(layout.rows) * layout.rowHeight;
            RECT more{area.left, top, area.right, std::min(area.bottom, top + layout.rowHeight)};
            dc.DrawText(
                FormatText(IDS_AND_MORE,
                           {NumberText(static_cast<long long>(bag.clubs.size() - layout.rows))}),
                &more, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
        }
    }
    dc.SetBkMode(oldMode);
    dc.SetTextColor(oldColour);
    dc.SelectObject(oldFont);
}
