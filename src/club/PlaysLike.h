#pragma once
// The distance a shot plays like: what wind, air temperature, the target's height against the
// player and the course's altitude make of the distance to the target. The factors are the
// rules of thumb golfers and caddies go by; each constant is named here and nowhere else.
#include <cstdint>

struct Conditions {
    bool inUse = false;
    std::int32_t windMph = 0;
    bool windInto = true;
    std::int32_t temperatureF = 70;
    // Above the player is positive, below negative.
    std::int32_t slopeFeet = 0;
    std::int32_t altitudeFeet = 0;
};

struct ConditionRange {
    std::int32_t min;
    std::int32_t max;
    bool Holds(std::int32_t value) const { return value >= min && value <= max; }
};
inline constexpr ConditionRange kWindMphRange{0, 40};
inline constexpr ConditionRange kTemperatureFRange{-4, 113};
inline constexpr ConditionRange kSlopeFeetRange{-300, 300};
inline constexpr ConditionRange kAltitudeFeetRange{0, 12000};

// Into the wind a shot loses about 1 % a mile an hour; down wind it gains about half that.
inline constexpr double kHeadwindPerMph = 0.01;
inline constexpr double kTailwindPerMph = 0.005;
// The ball carries about 1.5 yards less at 150 yards for every 10 degrees below 70 °F, and as
// much more above: 0.1 % a degree.
inline constexpr int kNeutralTemperatureF = 70;
inline constexpr double kCarryPerDegreeF = 0.001;
// Thinner air at altitude: about 1.16 % more carry for every 1,000 feet.
inline constexpr double kCarryPerFootOfAltitude = 0.0000116;
// A target above the player plays a yard longer for every three feet it rises, one below a
// yard shorter for every three feet it drops.
inline constexpr double kFeetOfSlopePerYard = 3.0;

// The target's distance as the shot plays it, rounded to the nearest yard and at least one
// yard; the target itself when the conditions are not in use.
std::int32_t PlaysLike(std::int32_t targetYards, const Conditions& conditions);
