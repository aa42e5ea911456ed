#pragma once

#include "club/ClubList.h"

#include <array>

// Appends the fourteen built-in clubs, from "Driver (1 Wood)" to "Sand Wedge", with ids 1
// to 14 and their best distances for both player types. `names`, where given, names the
// fourteen in id order as the player's language does; a null name keeps the English one.
void BuildDefaultClubs(CClubList& clubs, const std::array<const char16_t*, 14>* names = nullptr);

// The club to play at nYards for the player type: the club with the shortest distance that
// still reaches the target (the later one among equals); when none reaches, the club with
// the longest distance (the first one among equals). None for an empty list. On a table
// whose distances never rise from head to tail this is the last club before the first one
// that falls short, so one odd distance in an edited table spoils no other club.
const CGolfClub* FindClubForDistance(const CClubList& clubs, PlayerType playerType,
                                     std::int32_t nYards);
