#pragma once
// The program's templates as written, in English and yards; what the player sees is made from
// them in the player's language and unit (RegisterCaddoraResources.h).
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/MenuTemplate.h"

#include <vector>

const std::vector<const DialogTemplate*>& EnglishDialogTemplates();
const MenuTemplate& EnglishMainMenu();
void RegisterAcceleratorTables();
