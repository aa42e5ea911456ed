#include "advisor/YardageCard.h"

#include "advisor/AdvisorApp.h"
#include "advisor/BagSummary.h"
#include "advisor/GapsChart.h"
#include "advisor/ShownUnit.h"
#include "advisor/Texts.h"
#include "club/BagGaps.h"
#include "platform/core/COleDateTime.h"
#include "platform/ui/CFont.h"
#include "platform/ui/CPen.h"
#include "platform/ui/MessageBoxSeam.h"
#include "platform/ui/PrintJob.h"
#include "res/Resource.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <iterator>

namespace {

// A bank card's size, which every wallet has a pocket for.
constexpr double kCardWidthMm = 85.6;
constexpr double kCardHeightMm = 54.0;
// Room kept free inside the printable area, so that nothing is drawn at its very edge.
constexpr double kInsetMm = 4.0;
constexpr COLORREF kInk = MakeRgb(0, 0, 0);
constexpr COLORREF kRule = MakeRgb(110, 110, 110);
// The player type's column: the dialogs' light green, lightened to spare the ink.
constexpr COLORREF kOwnColumn = MakeRgb(222, 237, 200);

// The page's printable area and its resolution.
struct Page {
    int dpiX;
    int dpiY;
    RECT area;

    LONG X(double mm) const { return std::lround(mm * dpiX / 25.4); }
    LONG Y(double mm) const { return std::lround(mm * dpiY / 25.4); }
};

Page PageOf(const CDC& dc) {
    Page page{std::max(1, dc.GetDeviceCaps(LOGPIXELSX)), std::max(1, dc.GetDeviceCaps(LOGPIXELSY)),
              RECT{}};
    page.area =
        RECT{page.X(kInsetMm), page.Y(kInsetMm), dc.GetDeviceCaps(HORZRES) - page.X(kInsetMm),
             dc.GetDeviceCaps(VERTRES) - page.Y(kInsetMm)};
    return page;
}

// A size in tenths of a point, in a TrueType face that every system has or stands in for
// (Liberation Sans on Linux, metric for metric).
void CreateCardFont(CFont& font, const Page& page, int tenths, bool bold) {
    LOGFONT lf{};
    lf.lfHeight = -MulDiv(tenths, page.dpiY, 720);
    lf.lfWeight = bold ? FW_BOLD : FW_NORMAL;
    constexpr char16_t kFace[] = u"Arial";
    std::copy(std::begin(kFace), std::end(kFace), std::begin(lf.lfFaceName));
    font.CreateFontIndirect(&lf);
}

struct CardFonts {
    explicit CardFonts(const Page& page) {
        CreateCardFont(title, page, 200, true);
        CreateCardFont(body, page, 110, false);
        CreateCardFont(bodyBold, page, 110, true);
        CreateCardFont(chart, page, 90, false);
        CreateCardFont(chartBold, page, 90, true);
        CreateCardFont(small, page, 80, false);
        CreateCardFont(smallBold, page, 80, true);
    }
    CFont title, body, bodyBold, chart, chartBold, small, smallBold;
};

CString PlayerTypeName(PlayerType playerType) {
    return LoadText(CGolfClub::ReadsMaleDistance(playerType) ? IDS_ADULT_MALE : IDS_ADULT_FEMALE);
}

LONG LineHeight(CDC& dc) {
    return dc.GetTextExtent(u"Ay").cy;
}

LONG Height(const RECT& rect) {
    return rect.bottom - rect.top;
}

void DrawLine(CDC& dc, POINT from, POINT to, LONG width, COLORREF colour) {
    CPen pen(PS_SOLID, std::max<LONG>(1, width), colour);
    const HPEN oldPen = dc.SelectObject(&pen);
    dc.MoveTo(from.x, from.y);
    dc.LineTo(to.x, to.y);
    dc.SelectObject(oldPen);
}

void DrawRule(CDC& dc, const Page& page, LONG left, LONG right, LONG y) {
    DrawLine(dc, POINT{left, y}, POINT{right, y}, page.Y(0.2), kRule);
}

// The title, and under it the player type at the left and the date at the right; answers
// where the next part may start.
LONG DrawHeading(CDC& dc, const Page& page, CardFonts& fonts, PlayerType playerType,
                 const CString& date) {
    dc.SelectObject(&fonts.title);
    RECT title = page.area;
    title.top += dc.DrawText(LoadText(IDS_CARD_TITLE), &title, DT_LEFT | DT_SINGLELINE);
    dc.SelectObject(&fonts.body);
    RECT line{page.area.left, title.top + page.Y(2), page.area.right, page.area.bottom};
    const LONG height = dc.DrawText(FormatText(IDS_CARD_PLAYER_TYPE, {PlayerTypeName(playerType)}),
                                    &line, DT_LEFT | DT_SINGLELINE);
    dc.DrawText(FormatText(IDS_CARD_DATE, {date}), &line, DT_RIGHT | DT_SINGLELINE);
    const LONG rule = line.top + height + page.Y(2);
    DrawRule(dc, page, page.area.left, page.area.right, rule);
    return rule + page.Y(5);
}

// The table's columns: the name, then a distance for each player type.
struct TableColumns {
    RECT name;
    RECT male;
    RECT female;
};

void DrawTableRow(CDC& dc, const TableColumns& columns, LONG top, LONG height,
                  const CString (&texts)[3], HFONT hFont, HFONT hOwnFont, bool maleOwn) {
    RECT name{columns.name.left, top, columns.name.right, top + height};
    RECT male{columns.male.left, top, columns.male.right, top + height};
    RECT female{columns.female.left, top, columns.female.right, top + height};
    constexpr UINT kCell = DT_VCENTER | DT_SINGLELINE;
    dc.SelectObject(hFont);
    dc.DrawText(texts[0], &name, DT_LEFT | kCell | DT_END_ELLIPSIS);
    dc.SelectObject(maleOwn ? hOwnFont : hFont);
    dc.DrawText(texts[1], &male, DT_RIGHT | kCell);
    dc.SelectObject(maleOwn ? hFont : hOwnFont);
    dc.DrawText(texts[2], &female, DT_RIGHT | kCell);
}

TableColumns ColumnsOf(CDC& dc, const RECT& box, const Page& page) {
    const LONG number = std::max(dc.GetTextExtent(LoadText(IDS_ADULT_MALE)).cx,
                                 dc.GetTextExtent(LoadText(IDS_ADULT_FEMALE)).cx) +
                        page.X(3);
    const LONG pad = page.X(1.5);
    return TableColumns{RECT{box.left + pad, box.top, box.right - 2 * number, box.bottom},
                        RECT{box.right - 2 * number, box.top, box.right - number - pad, box.bottom},
                        RECT{box.right - number, box.top, box.right - pad, box.bottom}};
}

// Every club of the table with both best distances, in the table's order; the player type's
// column shaded and in bold. Clubs that do not fit the box are counted on the last line.
// Answers where the table ends.
LONG DrawClubTable(CDC& dc, const RECT& box, const CClubList& clubs, PlayerType playerType,
                   CardFonts& fonts, const Page& page) {
    dc.SelectObject(&fonts.bodyBold);
    const TableColumns columns = ColumnsOf(dc, box, page);
    const LONG line = LineHeight(dc);
    const int count = clubs.GetCount();
    LONG row = std::min<LONG>(line * 3 / 2, Height(box) / (count + 1));
    int shown = count;
    if (row < line) {
        row = line;
        shown = std::max<int>(0, static_cast<int>(Height(box) / line) - 2);
    }
    const bool maleOwn = CGolfClub::ReadsMaleDistance(playerType);
    RECT own = maleOwn ? columns.male : columns.female;
    own.left -= page.X(1.5);
    own.right += page.X(1.5);
    own.bottom = box.top + row * (std::min(shown, count) + 1);
    dc.FillSolidRect(&own, kOwnColumn);
    const CString heads[3] = {LoadText(IDS_CARD_CLUB), LoadText(IDS_ADULT_MALE),
                              LoadText(IDS_ADULT_FEMALE)};
    DrawTableRow(dc, columns, box.top, row, heads, fonts.bodyBold, fonts.bodyBold, maleOwn);
    DrawRule(dc, page, box.left, box.right, box.top + row);
    LONG top = box.top + row;
    int drawn = 0;
    for (auto pos = clubs.GetHeadPosition(); pos && drawn < shown; ++drawn) {
        const CGolfClub* club = clubs.GetNext(pos);
        const CString cells[3] = {
            club->m_strName, NumberText(ShownYards(club->DistanceFor(CGolfClub::kAdultMale))),
            NumberText(ShownYards(club->DistanceFor(CGolfClub::kAdultFemale)))};
        DrawTableRow(dc, columns, top, row, cells, fonts.body, fonts.bodyBold, maleOwn);
        top += row;
    }
    if (drawn < count) {
        RECT more{columns.name.left, top, box.right, top + row};
        dc.SelectObject(&fonts.body);
        dc.DrawText(FormatText(IDS_AND_MORE, {NumberText(count - drawn)}), &more,
                    DT_LEFT | DT_VCENTER | DT_SINGLELINE);
        top += row;
    }
    return top;
}

// Club Gaps' chart under a heading of its own, on white paper; answers where it ends.
LONG DrawGaps(CDC& dc, const RECT& box, const BagGaps& bag, PlayerType playerType, CardFonts& fonts,
              const Page& page) {
    dc.SelectObject(&fonts.bodyBold);
    RECT heading = box;
    const LONG top = box.top +
                     dc.DrawText(LoadText(IDS_CARD_GAPS), &heading, DT_LEFT | DT_SINGLELINE) +
                     page.Y(2);
    dc.SelectObject(&fonts.chart);
    const auto rows = static_cast<LONG>(std::max<std::size_t>(1, bag.clubs.size()));
    const LONG height = std::min(box.bottom - top, rows * LineHeight(dc) * 8 / 5);
    const RECT chart{box.left, top, box.right, top + std::max<LONG>(0, height)};
    GapsChartLook look = GreenGapsChartLook(fonts.chart, fonts.chartBold);
    look.crBackground = MakeRgb(255, 255, 255);
    look.crText = kInk;
    DrawGapsChart(dc, chart, bag, playerType, ShownStepLimits(), &ShownYards, look);
    return chart.bottom;
}

// The height the text takes, wrapped across the page.
LONG WrappedHeight(CDC& dc, const Page& page, const CString& text) {
    RECT measured{page.area.left, 0, page.area.right, 0};
    dc.DrawText(text, &measured, DT_LEFT | DT_WORDBREAK | DT_CALCRECT);
    return Height(measured);
}

// Dashes from one point to another along a line across or down the page.
void DrawDashes(CDC& dc, POINT from, POINT to, const Page& page) {
    const LONG dash = page.X(2.5);
    const LONG space = page.X(1.5);
    const bool across = from.y == to.y;
    const LONG length = across ? to.x - from.x : to.y - from.y;
    for (LONG at = 0; at < length; at += dash + space) {
        const LONG end = std::min(length, at + dash);
        const POINT a = across ? POINT{from.x + at, from.y} : POINT{from.x, from.y + at};
        const POINT b = across ? POINT{from.x + end, from.y} : POINT{from.x, from.y + end};
        DrawLine(dc, a, b, page.X(0.25), kRule);
    }
}

// The cut line, drawn as dashes of its own, since a printer's dashed pen is only a hairline.
void DrawCutLine(CDC& dc, const RECT& card, const Page& page) {
    DrawDashes(dc, POINT{card.left, card.top}, POINT{card.right, card.top}, page);
    DrawDashes(dc, POINT{card.left, card.bottom}, POINT{card.right, card.bottom}, page);
    DrawDashes(dc, POINT{card.left, card.top}, POINT{card.left, card.bottom}, page);
    DrawDashes(dc, POINT{card.right, card.top}, POINT{card.right, card.bottom}, page);
}

// The largest size, from 16 points down to 6, in tenths of a point, at which the bag fits the
// box in two columns of name and distance.
int PocketTypeSize(CDC& dc, const RECT& box, const BagGaps& bag, PlayerType playerType,
                   const Page& page) {
    const auto perColumn = static_cast<LONG>((bag.clubs.size() + 1) / 2);
    const LONG columnWidth = (box.right - box.left - page.X(4)) / 2;
    for (int tenths = 160; tenths > 60; tenths -= 5) {
        CFont font;
        CreateCardFont(font, page, tenths, true);
        const HFONT oldFont = dc.SelectObject(&font);
        const LONG line = LineHeight(dc);
        LONG widest = 0;
        for (const CGolfClub* club : bag.clubs) {
            const CString text = ShortClubName(club->m_strName) + CString(u"  ") +
                                 NumberText(ShownYards(club->DistanceFor(playerType)));
            widest = std::max(widest, dc.GetTextExtent(text).cx);
        }
        dc.SelectObject(oldFont);
        if (line * perColumn <= Height(box) && widest <= columnWidth) {
            return tenths;
        }
    }
    return 60;
}

void DrawPocketClubs(CDC& dc, const RECT& box, const BagGaps& bag, PlayerType playerType,
                     const Page& page) {
    CFont font;
    CreateCardFont(font, page, PocketTypeSize(dc, box, bag, playerType, page), true);
    const HFONT oldFont = dc.SelectObject(&font);
    const LONG line = LineHeight(dc);
    const auto perColumn = static_cast<LONG>((bag.clubs.size() + 1) / 2);
    const LONG row = std::min(line * 3 / 2, Height(box) / std::max<LONG>(1, perColumn));
    const LONG columnWidth = (box.right - box.left - page.X(4)) / 2;
    for (std::size_t i = 0; i < bag.clubs.size(); ++i) {
        const auto column = static_cast<LONG>(i) / perColumn;
        const LONG left = box.left + column * (columnWidth + page.X(4));
        const LONG top = box.top + (static_cast<LONG>(i) % perColumn) * row;
        if (top + line > box.bottom) {
            continue; // at the smallest type, what still does not fit is left off
        }
        RECT cell{left, top, left + columnWidth, top + row};
        dc.DrawText(ShortClubName(bag.clubs[i]->m_strName), &cell,
                    DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS);
        dc.DrawText(NumberText(ShownYards(bag.clubs[i]->DistanceFor(playerType))), &cell,
                    DT_RIGHT | DT_VCENTER | DT_SINGLELINE);
    }
    dc.SelectObject(oldFont);
}

// The pocket card: whose it is and in which unit, then the bag, longest club first.
void DrawPocketCard(CDC& dc, const RECT& card, const BagGaps& bag, PlayerType playerType,
                    CardFonts& fonts, const Page& page) {
    DrawCutLine(dc, card, page);
    RECT inner{card.left + page.X(3), card.top + page.Y(2.5), card.right - page.X(3),
               card.bottom - page.Y(2.5)};
    dc.SelectObject(&fonts.smallBold);
    RECT heading = inner;
    const LONG height = dc.DrawText(CString(u"Caddora"), &heading, DT_LEFT | DT_SINGLELINE);
    dc.DrawText(FormatText(u"%1, %2", {PlayerTypeName(playerType), ShownUnitName()}), &heading,
                DT_RIGHT | DT_SINGLELINE);
    inner.top += height + page.Y(1.5);
    if (bag.clubs.empty()) {
        dc.SelectObject(&fonts.small);
        dc.DrawText(LoadText(IDS_NO_CLUBS_IN_BAG), &inner, DT_CENTER | DT_WORDBREAK);
        return;
    }
    DrawPocketClubs(dc, inner, bag, playerType, page);
}

} // namespace

void DrawYardageCard(CDC& dc, const CClubList& clubs, PlayerType playerType, const CString& date) {
    const Page page = PageOf(dc);
    CardFonts fonts(page);
    const HFONT oldFont = dc.SelectObject(&fonts.body);
    const COLORREF oldColour = dc.SetTextColor(kInk);
    const int oldMode = dc.SetBkMode(TRANSPARENT);

    const LONG top = DrawHeading(dc, page, fonts, playerType, date);
    const BagGaps bag = FindBagGaps(clubs, playerType, &ShownYards);
    const RECT card{page.area.left, page.area.bottom - page.Y(kCardHeightMm),
                    page.area.left + page.X(kCardWidthMm), page.area.bottom};
    // The table and the chart side by side, the summary under the longer of them, and room
    // for the summary kept above the pocket card.
    dc.SelectObject(&fonts.body);
    const CString summary =
        BagSummary(bag, playerType, ShownStepLimits(), &ShownYards, ShownUnitName());
    const LONG summaryHeight = WrappedHeight(dc, page, summary);
    const LONG bottom = std::max(top, card.top - page.Y(14) - summaryHeight);
    const LONG middle = (page.area.left + page.area.right) / 2;
    const LONG tableEnd = DrawClubTable(dc, RECT{page.area.left, top, middle - page.X(5), bottom},
                                        clubs, playerType, fonts, page);
    const LONG chartEnd = DrawGaps(dc, RECT{middle + page.X(5), top, page.area.right, bottom}, bag,
                                   playerType, fonts, page);
    dc.SelectObject(&fonts.body);
    RECT sentence{page.area.left, std::max(tableEnd, chartEnd) + page.Y(6), page.area.right,
                  card.top};
    dc.DrawText(summary, &sentence, DT_LEFT | DT_WORDBREAK);
    DrawPocketCard(dc, card, bag, playerType, fonts, page);
    dc.SelectObject(&fonts.small);
    RECT hint{card.right + page.X(6), card.top + page.Y(2), page.area.right, card.bottom};
    dc.DrawText(LoadText(IDS_CARD_CUT), &hint, DT_LEFT | DT_WORDBREAK);

    // The fonts go with this call: the device is left with what it had.
    dc.SetBkMode(oldMode);
    dc.SetTextColor(oldColour);
    dc.SelectObject(oldFont);
}

CString CardDate() {
    const COleDateTime::Parts parts = COleDateTime::GetCurrentTime().GetParts();
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", parts.year, parts.month, parts.day);
    return CString(text);
}

void PrintYardageCard(CWnd* pParent, const CClubList& clubs, PlayerType playerType) {
    const CString date = CardDate();
    const PrintOutcome outcome = PrintWithDialog(pParent, LoadText(IDS_CARD_TITLE), [&](CDC& dc) {
        DrawYardageCard(dc, clubs, playerType, date);
    });
    if (outcome == PrintOutcome::failed) {
        AfxMessageBox(LoadText(IDS_CARD_NOT_PRINTED));
    }
}
