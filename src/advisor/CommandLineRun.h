#pragma once
// The commands of the command line that answer without a window, run before any toolkit
// starts (the card's page is drawn with the toolkit started but no window able to show). They
// read the player's settings and club table and change neither: no setting, no table, no
// copy of a damaged table is written, and another running copy is neither asked nor claimed.
#include "advisor/CommandLine.h"

// Answers the exit status: 0 when the command did what it says; 1 when --advise has no club
// to name or the card could not be written; 2 when the command line or the distance was
// refused, or the system cannot write the card.
int RunCommandLine(const CommandLine& line, int argc, char* argv[]);
