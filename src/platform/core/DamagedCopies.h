#pragma once

#include "platform/core/CString.h"

// The copies of a damaged file that the program keeps beside it for the player to look at:
// "<file>.damaged" is the first, "<file>.damaged.2", "<file>.damaged.3" ... the later ones,
// so that a new copy never takes the place of an earlier one. The last ten are kept.
constexpr int kKeptDamagedCopies = 10;

// The name for a new copy beside `path`: the one after the highest copy there.
CString NextDamagedCopyPath(const CString& path);
// Removes the copies beside `path` but the last kKeptDamagedCopies.
void RemoveOldDamagedCopies(const CString& path);
