#include "club/PlaysLike.h"

#include <algorithm>
#include <cmath>

std::int32_t PlaysLike(std::int32_t targetYards, const Conditions& conditions) {
    if (!conditions.inUse) {
        return targetYards;
    }
    const double wind = conditions.windInto ? 1.0 + kHeadwindPerMph * conditions.windMph
                                            : 1.0 - kTailwindPerMph * conditions.windMph;
    const double temperature =
        1.0 + kCarryPerDegreeF * (kNeutralTemperatureF - conditions.temperatureF);
    const double altitude = 1.0 + kCarryPerFootOfAltitude * conditions.altitudeFeet;
    const double yards = static_cast<double>(targetYards) * wind * temperature / altitude +
                         conditions.slopeFeet / kFeetOfSlopePerYard;
    // Within what a distance can be: at least a yard, and no more than the type holds.
    return static_cast<std::int32_t>(std::lround(std::clamp(yards, 1.0, 2147483647.0)));
}
