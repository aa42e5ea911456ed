#pragma once
// Yards or metres: a way of showing and typing distances. What is stored stays in yards (and
// the conditions in miles an hour, degrees Fahrenheit and feet); a value is converted to the
// unit shown and rounded to the nearest whole one, and what the player types is converted back
// to the nearest whole stored unit. A value shown and taken back unchanged keeps what was
// stored exactly, however the two roundings fall.
#include <cstdint>

enum class DistanceUnit { Yards = 0, Metres = 1 };

inline constexpr double kMetresPerYard = 0.9144;
inline constexpr double kKilometresPerMile = 1.609344;
inline constexpr double kMetresPerFoot = 0.3048;

// A distance stored in yards as the unit shows it.
std::int32_t ShownDistance(std::int32_t yards, DistanceUnit unit);
// What the player typed, in the unit shown, as the yards to store: `storedYards` again when the
// typed value is what that shows as.
std::int32_t StoredDistance(std::int32_t shown, DistanceUnit unit, std::int32_t storedYards);
// A distance typed in the unit shown, with nothing stored before it: the nearest whole yards.
std::int32_t NearestYards(std::int32_t shown, DistanceUnit unit);

// The conditions' quantities, stored in the first unit named, shown in metres' company in
// the second: miles an hour or kilometres an hour, degrees Fahrenheit or Celsius, feet or
// metres.
enum class Quantity { Speed, Temperature, Height };
std::int32_t ShownQuantity(Quantity quantity, std::int32_t stored, DistanceUnit unit);
std::int32_t StoredQuantity(Quantity quantity, std::int32_t shown, DistanceUnit unit,
                            std::int32_t stored);
