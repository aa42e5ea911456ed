#pragma once
// Enters the program's dialog templates and accelerator table with the platform; start-up and the
// UI tests call it before any dialog is built.
void RegisterCaddoraResources();
// The program's texts in English (English.cpp).
void RegisterEnglishTexts();

#include "platform/ui/DialogTemplate.h"

// The main dialog's line for the distance a shot plays like: not in its template, since only
// a player who uses conditions ever sees it; the dialog adds it to its window then.
extern const DialogItemTemplate kPlaysLikeLine;
