#include "club/BagGaps.h"
#include "club/ClubBook.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// The bag as a line: each club with its distance, each step between marked "gap", "overlap"
// or plain; then the clubs not in the bag.
std::string Describe(const BagGaps& bag, PlayerType type) {
    std::string out;
    for (std::size_t i = 0; i < bag.clubs.size(); ++i) {
        const CGolfClub* club = bag.clubs[i];
        out += club->m_strName.ToUtf8() + " " + std::to_string(club->DistanceFor(type));
        if (i < bag.steps.size()) {
            const ClubStep& step = bag.steps[i];
            const StepKind kind = KindOf(step, kYardStepLimits);
            out += kind == StepKind::Gap       ? " [gap "
                   : kind == StepKind::Overlap ? " [overlap "
                                               : " [";
            out += std::to_string(step.distance) + "] ";
        }
    }
    for (const CGolfClub* club : bag.notInBag) {
        out += " / not in the bag: " + club->m_strName.ToUtf8();
    }
    return out;
}

void SetDistance(CClubList& clubs, const char16_t* name, PlayerType type, std::int32_t yards) {
    for (auto pos = clubs.GetHeadPosition(); pos;) {
        CGolfClub* club = clubs.GetNext(pos);
        if (club->m_strName == CString(name)) {
            club->DistanceFor(type) = yards;
        }
    }
}

} // namespace

TEST(BagGaps, FindsTheGapsAndOverlapsOfTheBagLongestFirst) {
    struct Case {
        const char* what;
        PlayerType type;
        std::vector<std::pair<const char16_t*, std::int32_t>> edits;
        const char* bag;
    };
    const Case cases[] = {
        {"the default male bag",
         1,
         {},
         "Driver (1 Wood) 220 [gap 20] 3 Wood 200 [10] 5 Wood 190 [10] 7 Wood 180 [overlap 0] "
         "3 Iron 180 [10] 4 Iron 170 [10] 5 Iron 160 [10] 6 Iron 150 [10] 7 Iron 140 [10] "
         "8 Iron 130 [10] 9 Iron 120 [10] Pitching Wedge 110 [10] Dual/Gap Wedge 100 [gap 20] "
         "Sand Wedge 80"},
        {"the 5 Iron made longer than the 4 Iron",
         1,
         {{u"5 Iron", 172}},
         "Driver (1 Wood) 220 [gap 20] 3 Wood 200 [10] 5 Wood 190 [10] 7 Wood 180 [overlap 0] "
         "3 Iron 180 [8] 5 Iron 172 [overlap 2] 4 Iron 170 [gap 20] 6 Iron 150 [10] "
         "7 Iron 140 [10] 8 Iron 130 [10] 9 Iron 120 [10] Pitching Wedge 110 [10] "
         "Dual/Gap Wedge 100 [gap 20] Sand Wedge 80"},
        {"clubs at 0 or below out, steps of exactly 15 and 5 even",
         2,
         {{u"3 Wood", 0}, {u"5 Wood", -10}, {u"7 Wood", 175}, {u"3 Iron", 170}},
         "Driver (1 Wood) 190 [15] 7 Wood 175 [5] 3 Iron 170 [gap 20] 4 Iron 150 [10] "
         "5 Iron 140 [10] 6 Iron 130 [10] 7 Iron 120 [10] 8 Iron 110 [10] 9 Iron 100 [10] "
         "Pitching Wedge 90 [10] Dual/Gap Wedge 80 [gap 20] Sand Wedge 60"
         " / not in the bag: 3 Wood / not in the bag: 5 Wood"},
    };
    for (const Case& c : cases) {
        CClubList clubs;
        BuildDefaultClubs(clubs);
        for (const auto& [name, yards] : c.edits) {
            SetDistance(clubs, name, c.type, yards);
        }
        EXPECT_EQ(Describe(FindBagGaps(clubs, c.type), c.type), c.bag) << c.what;
        clubs.DeleteAll();
    }
}

TEST(BagGaps, MeasuresTheStepsInTheUnitTheDistancesAreShownIn) {
    CClubList clubs;
    BuildDefaultClubs(clubs);
    // Shown in tenths: the Driver's 220 becomes 22 and its step to the 3 Wood 2.
    const BagGaps bag = FindBagGaps(clubs, 1, [](std::int32_t yards) { return yards / 10; });
    ASSERT_EQ(bag.steps.size(), 13u);
    EXPECT_EQ(bag.steps.front().distance, 2);
    EXPECT_EQ(KindOf(bag.steps.front(), StepLimits{1, 1}), StepKind::Gap);
    clubs.DeleteAll();
}
