#pragma once
// What the player is told about the club data file and the settings: once at start when the
// table was damaged or could not be read, and at the end when the table could not be saved
// anywhere or a setting could not be written.
#include "persistence/ClubDataFile.h"

// The message for what the load met; empty when there is nothing to tell.
CString ClubFileLoadMessage(const ClubFileReport& report);
// The message for a save that wrote nothing.
CString ClubFileNotSavedMessage(const ClubFileReport& report);
// The message for settings that could not be written; empty when the start already told why.
CString SettingsNotSavedMessage();
