#pragma once
// What the player is told about the club data file and the settings: once at start when the
// table was damaged or could not be loaded, or when the table or the settings are in another
// user's place; at the end when the table or a setting could not be saved.
#include "persistence/ClubDataFile.h"

// The message for what the load met, and for places of another user, which nothing of this
// run is saved to; empty when there is nothing to tell.
CString ClubFileLoadMessage(const ClubFileReport& report);
// The message for a save that wrote nothing; empty when the start already told why.
CString ClubFileNotSavedMessage(const ClubFileReport& report);
// The message for settings that could not be written; empty when the start already told why.
CString SettingsNotSavedMessage();
