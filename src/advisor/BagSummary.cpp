#include "advisor/BagSummary.h"

#include "advisor/Texts.h"
#include "res/Resource.h"

#include <vector>

namespace {

// A summary names a few of each kind; the rest are counted.
constexpr std::size_t kNamedAtMost = 5;

std::int32_t Shown(const CGolfClub* club, PlayerType type, std::int32_t (*shown)(std::int32_t)) {
    const std::int32_t yards = club->DistanceFor(type);
    return shown != nullptr ? shown(yards) : yards;
}

CString List(const std::vector<CString>& items) {
    std::u16string out;
    for (std::size_t i = 0; i < items.size() && i < kNamedAtMost; ++i) {
        out += (i == 0 ? u"" : u", ");
        out += items[i].Str();
    }
    CString list(std::move(out));
    if (items.size() > kNamedAtMost) {
        list = FormatText(
            u"%1, %2",
            {list, FormatText(IDS_AND_MORE,
                              {NumberText(static_cast<long long>(items.size() - kNamedAtMost))})});
    }
    return list;
}

// The "none", "one" or "many" form of a count of items; each form may use %1 the count, %2
// the list of items, %3 the limit and %4 its unit.
CString Counted(const std::vector<CString>& items, UINT none, UINT one, UINT many,
                const CString& limit, const CString& unit) {
    const UINT form = items.empty() ? none : items.size() == 1 ? one : many;
    return FormatText(form,
                      {NumberText(static_cast<long long>(items.size())), List(items), limit, unit});
}

} // namespace

CString ShortClubName(const CString& name) {
    const std::u16string_view text = name.Str();
    const auto open = text.rfind(u" (");
    if (open == std::u16string_view::npos || open == 0 || text.back() != u')') {
        return name;
    }
    return CString(text.substr(0, open));
}

CString BagSummary(const BagGaps& bag, PlayerType playerType, const StepLimits& limits,
                   std::int32_t (*shown)(std::int32_t), const CString& unit) {
    std::vector<CString> gaps;
    std::vector<CString> overlaps;
    for (const ClubStep& step : bag.steps) {
        const CString longer = ShortClubName(step.longer->m_strName);
        const CString shorter = ShortClubName(step.shorter->m_strName);
        const CString distance = NumberText(step.distance);
        switch (KindOf(step, limits)) {
        case StepKind::Gap:
            gaps.push_back(FormatText(IDS_GAP_ITEM, {longer, shorter, distance, unit}));
            break;
        case StepKind::Overlap:
            overlaps.push_back(
                step.distance == 0
                    ? FormatText(IDS_OVERLAP_SAME,
                                 {longer, shorter,
                                  NumberText(Shown(step.longer, playerType, shown)), unit})
                    : FormatText(IDS_OVERLAP_APART, {longer, shorter, distance, unit}));
            break;
        case StepKind::Even:
            break;
        }
    }
    const CString limit = NumberText(limits.widestStep);
    CString summary = FormatText(
        u"%1; %2",
        {Counted(gaps, IDS_GAPS_NONE, IDS_GAPS_ONE, IDS_GAPS_MANY, limit, unit),
         Counted(overlaps, IDS_OVERLAPS_NONE, IDS_OVERLAPS_ONE, IDS_OVERLAPS_MANY, limit, unit)});
    if (!bag.notInBag.empty()) {
        std::vector<CString> names;
        for (const CGolfClub* club : bag.notInBag) {
            names.push_back(ShortClubName(club->m_strName));
        }
        summary = FormatText(u"%1; %2", {summary, FormatText(IDS_NOT_IN_BAG, {List(names)})});
    }
    return summary;
}

CString BagClubsText(const BagGaps& bag, PlayerType playerType, std::int32_t (*shown)(std::int32_t),
                     const CString& unit) {
    std::vector<CString> clubs;
    for (const CGolfClub* club : bag.clubs) {
        clubs.push_back(FormatText(
            IDS_CLUB_AT, {club->m_strName, NumberText(Shown(club, playerType, shown)), unit}));
    }
    std::u16string out;
    for (const CString& club : clubs) {
        out += (out.empty() ? u"" : u", ");
        out += club.Str();
    }
    return CString(std::move(out));
}
