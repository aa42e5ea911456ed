#pragma once
// The bag as a whole for one player type: the clubs in it from the longest to the shortest,
// the distance from each to the next, which of those steps are too wide to leave no hole in
// the bag (a gap) or too narrow to tell two clubs apart (an overlap), and the clubs that are
// not in the bag at all (a best distance of 0 or less).
#include "club/ClubList.h"

#include <cstdint>
#include <vector>

struct ClubStep {
    const CGolfClub* longer;
    const CGolfClub* shorter;
    std::int32_t distance;
};

// Steps wider than widestStep are gaps; steps narrower than narrowestStep (equal distances
// included) are overlaps. Both are in the unit the distances are given in.
struct StepLimits {
    std::int32_t widestStep;
    std::int32_t narrowestStep;
};
// Golfers' usual limits in yards: more than 15 yards between two clubs leaves a hole, less
// than 5 makes one of them redundant.
inline constexpr StepLimits kYardStepLimits{15, 5};

enum class StepKind { Even, Gap, Overlap };
StepKind KindOf(const ClubStep& step, const StepLimits& limits);

struct BagGaps {
    // Best distance above 0, longest first; equal distances keep the list's order.
    std::vector<const CGolfClub*> clubs;
    // One between each two neighbours of `clubs`, in the same order.
    std::vector<ClubStep> steps;
    std::vector<const CGolfClub*> notInBag;
};

// The bag for the player type. `shown` gives the distance a club's best distance is shown as
// (the stored yards, or another unit), so that the steps are measured as the player reads
// them.
BagGaps FindBagGaps(const CClubList& clubs, PlayerType playerType,
                    std::int32_t (*shown)(std::int32_t yards) = nullptr);
