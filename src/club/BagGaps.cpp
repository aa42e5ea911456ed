#include "club/BagGaps.h"

#include <algorithm>

StepKind KindOf(const ClubStep& step, const StepLimits& limits) {
    if (step.distance > limits.widestStep) {
        return StepKind::Gap;
    }
    return step.distance < limits.narrowestStep ? StepKind::Overlap : StepKind::Even;
}

BagGaps FindBagGaps(const CClubList& clubs, PlayerType playerType,
                    std::int32_t (*shown)(std::int32_t yards)) {
    const auto distanceOf = [playerType, shown](const CGolfClub* club) {
        const std::int32_t yards = club->DistanceFor(playerType);
        return shown != nullptr ? shown(yards) : yards;
    };
    BagGaps bag;
    for (auto pos = clubs.GetHeadPosition(); pos;) {
        const CGolfClub* club = clubs.GetNext(pos);
        (club->DistanceFor(playerType) > 0 ? bag.clubs : bag.notInBag).push_back(club);
    }
    std::stable_sort(
        bag.clubs.begin(), bag.clubs.end(),
        [&](const CGolfClub* a, const CGolfClub* b) { return distanceOf(a) > distanceOf(b); });
    for (std::size_t i = 1; i < bag.clubs.size(); ++i) {
        // Both distances lie above 0, so their difference cannot overflow.
        bag.steps.push_back(ClubStep{bag.clubs[i - 1], bag.clubs[i],
                                     distanceOf(bag.clubs[i - 1]) - distanceOf(bag.clubs[i])});
    }
    return bag;
}
