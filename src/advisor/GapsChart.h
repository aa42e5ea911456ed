#pragma once
// The bag drawn as a horizontal bar chart, longest club at the top: each club's name, a bar as
// long as its distance and the distance itself, and between each two neighbours the step from
// one to the next, a gap or an overlap marked by a word and a colour. Drawn through a device
// context, so that Club Gaps shows it on the screen and the yardage card prints it.
#include "club/BagGaps.h"
#include "platform/ui/CDC.h"

struct GapsChartLook {
    HFONT hFont;     // names, distances and steps
    HFONT hBoldFont; // the marks of gaps and overlaps
    COLORREF crBackground;
    COLORREF crText;
    COLORREF crBar;
    COLORREF crGap;
    COLORREF crOverlap;
};

// The look on the dialogs' green: the bars in the dark green, gaps in a dark red and overlaps
// in a dark blue, both of which read on the light green and on white paper.
GapsChartLook GreenGapsChartLook(HFONT hFont, HFONT hBoldFont);

void DrawGapsChart(CDC& dc, const RECT& area, const BagGaps& bag, PlayerType playerType,
                   const StepLimits& limits, std::int32_t (*shown)(std::int32_t),
                   const GapsChartLook& look);
