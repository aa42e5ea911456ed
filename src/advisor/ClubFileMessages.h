#pragma once
// What the player is told about the club data file: once at start when it was damaged or
// could not be read, and at the end when the table could not be saved anywhere.
#include "persistence/ClubDataFile.h"

// The message for what the load met; empty when there is nothing to tell.
CString ClubFileLoadMessage(const ClubFileReport& report);
// The message for a save that wrote nothing.
CString ClubFileNotSavedMessage(const ClubFileReport& report);
