#pragma once
// The conditions as settings beside "Gender" and "LastDistance": DWORD values "UseConditions"
// and "WindInto" (0 or 1), "WindMph", "TemperatureF", "SlopeFeet" (a value below zero as its
// two's complement) and "AltitudeFeet". None is written until the player takes a set of
// conditions with OK; a value that is missing or out of its range reads as its default.
#include "club/PlaysLike.h"
#include "persistence/RegistryKey.h"

Conditions ReadConditions(CRegistryKey& key);
// FALSE when a value could not be written.
BOOL StoreConditions(CRegistryKey& key, const Conditions& conditions);
