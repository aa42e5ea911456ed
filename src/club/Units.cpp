#include "club/Units.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace {

std::int32_t Nearest(double value) {
    return static_cast<std::int32_t>(std::lround(
        std::clamp(value, static_cast<double>(INT32_MIN), static_cast<double>(INT32_MAX))));
}

// The metric value of a stored one, as a real number.
double Metric(Quantity quantity, double stored) {
    switch (quantity) {
    case Quantity::Speed:
        return stored * kKilometresPerMile;
    case Quantity::Temperature:
        return (stored - 32.0) * 5.0 / 9.0;
    case Quantity::Height:
        return stored * kMetresPerFoot;
    }
    return stored;
}

double FromMetric(Quantity quantity, double shown) {
    switch (quantity) {
    case Quantity::Speed:
        return shown / kKilometresPerMile;
    case Quantity::Temperature:
        return shown * 9.0 / 5.0 + 32.0;
    case Quantity::Height:
        return shown / kMetresPerFoot;
    }
    return shown;
}

} // namespace

std::int32_t ShownDistance(std::int32_t yards, DistanceUnit unit) {
    return unit == DistanceUnit::Metres ? Nearest(yards * kMetresPerYard) : yards;
}

std::int32_t StoredDistance(std::int32_t shown, DistanceUnit unit, std::int32_t storedYards) {
    if (unit != DistanceUnit::Metres || shown == ShownDistance(storedYards, unit)) {
        return unit == DistanceUnit::Metres ? storedYards : shown;
    }
    return NearestYards(shown, unit);
}

std::int32_t NearestYards(std::int32_t shown, DistanceUnit unit) {
    return unit == DistanceUnit::Metres ? Nearest(shown / kMetresPerYard) : shown;
}

std::int32_t ShownQuantity(Quantity quantity, std::int32_t stored, DistanceUnit unit) {
    return unit == DistanceUnit::Metres ? Nearest(Metric(quantity, stored)) : stored;
}

std::int32_t StoredQuantity(Quantity quantity, std::int32_t shown, DistanceUnit unit,
                            std::int32_t stored) {
    if (unit != DistanceUnit::Metres) {
        return shown;
    }
    if (shown == ShownQuantity(quantity, stored, unit)) {
        return stored;
    }
    return Nearest(FromMetric(quantity, shown));
}
