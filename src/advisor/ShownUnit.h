#pragma once
// The unit the program shows distances in, yards or metres: the player's choice from the main
// dialog's menu, kept as DWORD "Units" beside the other settings (0 yards, 1 metres) once the
// player chose. What is stored stays in yards whatever is shown.
#include "club/BagGaps.h"
#include "club/Units.h"
#include "persistence/RegistryKey.h"
#include "platform/core/CString.h"

extern const char16_t* const kUnitsValue;

// Yards when the value is missing or neither of the two.
DistanceUnit ReadDistanceUnit(CRegistryKey& key);
BOOL StoreDistanceUnit(CRegistryKey& key, DistanceUnit unit);

// The unit in force for this run.
DistanceUnit ShownUnit();
// Makes `unit` the one in force: every dialog opened from now on reads in it.
void UseUnit(DistanceUnit unit);

// A stored distance in yards as the player reads it now.
std::int32_t ShownYards(std::int32_t yards);
// The unit's short name: "yd" or "m".
CString ShownUnitName();
// Gaps and overlaps as golfers count them in the unit: more than 15 yd or 14 m leaves a hole,
// less than 5 yd or 5 m makes a club redundant.
const StepLimits& ShownStepLimits();
