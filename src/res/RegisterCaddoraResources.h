#pragma once
// Enters the program's resources with the platform in the user's language (English when the
// program has none of it): the dialog templates, the menu, the accelerator tables and the
// texts. Start-up and the dialogs' tests call it before any dialog is built; it reads the
// language anew each time.
#include "platform/ui/DialogTemplate.h"

#include <array>
#include <string>

void RegisterCaddoraResources();
// The texts, menu and templates of the language by its ISO 639-1 code, English for one the
// program does not speak, in the unit last chosen; a dialog open meanwhile keeps its template
// until it takes its texts anew.
void UseLanguage(const std::string& code);
// The dialog templates as they read while distances are shown in metres, or in yards. A
// dialog open when this changes takes its texts anew (CDialog::ApplyTemplateTexts).
void UseMetresTemplates(bool metres);
bool UsingMetresTemplates();
// The names of the default set, ids 1 to 14, in the user's language.
const std::array<const char16_t*, 14>& DefaultClubNames();

// The main dialog's line for the distance a shot plays like: not in its template, since only
// a player who uses conditions ever sees it; the dialog adds it to its window then.
extern const DialogItemTemplate kPlaysLikeLine;
