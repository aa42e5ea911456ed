#pragma once
// The bag's gaps and overlaps told in one sentence, as Club Gaps shows it under its chart and
// the yardage card prints it: "2 gaps over 15 yd: Driver to 3 Wood 20 yd, ...; 1 overlap:
// 7 Wood and 3 Iron 180 yd".
#include "club/BagGaps.h"

// A club as the summary names it: a name's closing remark in parentheses ("Driver (1 Wood)")
// is left out, so that the sentence stays short.
CString ShortClubName(const CString& name);

// `shown` is the distance a best distance is shown as, `unit` the unit's short name.
CString BagSummary(const BagGaps& bag, PlayerType playerType, const StepLimits& limits,
                   std::int32_t (*shown)(std::int32_t), const CString& unit);

// Each club in the bag with its distance, longest first ("Driver (1 Wood) 220 yd, ..."), as
// a screen reader reads the chart.
CString BagClubsText(const BagGaps& bag, PlayerType playerType, std::int32_t (*shown)(std::int32_t),
                     const CString& unit);
