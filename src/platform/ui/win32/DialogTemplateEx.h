#pragma once
// A template as the dialog manager reads it: an extended dialog template (DLGTEMPLATEEX and
// one DLGITEMTEMPLATEEX per control) in memory, built from the template's data, with the
// styles the desktop's windows take for the handheld's.
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/UiApi.h"

#include <vector>

// The handheld's caption OK button becomes the close box (and an application window can be
// minimised); everything else is the template's.
DWORD DesktopDialogStyle(const DialogTemplate& dlgTemplate);
DWORD DesktopDialogExStyle(const DialogTemplate& dlgTemplate);

// DWORD-aligned, as the dialog manager requires.
std::vector<DWORD> BuildDialogTemplateEx(const DialogTemplate& dlgTemplate);
