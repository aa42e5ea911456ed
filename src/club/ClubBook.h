#pragma once

#include "club/ClubList.h"

// Appends the fourteen built-in clubs, from "Driver (1 Wood)" to "Sand Wedge", with ids 1
// to 14 and their best distances for both player types.
void BuildDefaultClubs(CClubList& clubs);

// The club to play at nYards for the player type: the club with the shortest distance that
// still reaches the target (the later one among equals); when none reaches, the club with
// the longest distance (the first one among equals). None for an empty list. On a table
// whose distances never rise from head to tail this is the last club before the first one
// that falls short, so one odd distance in an edited table spoils no other club.
const CGolfClub* FindClubForDistance(const CClubList& clubs, PlayerType playerType,
                                     std::int32_t nYards);
