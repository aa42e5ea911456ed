#pragma once

#include "ClubList.h"

// Appends the fourteen built-in clubs, from "Driver (1 Wood)" to "Sand Wedge", with ids 1
// to 14 and their best distances for both player types.
void BuildDefaultClubs(CClubList& clubs);

// The club to play at nYards for the player type: walking from the head, the last club
// before the first one whose distance falls short of the target (the head when even the
// head falls short). None for an empty list.
const CGolfClub* FindClubForDistance(const CClubList& clubs, PlayerType playerType,
                                     std::int32_t nYards);
