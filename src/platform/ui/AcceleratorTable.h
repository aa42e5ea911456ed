#pragma once
// Accelerator tables: keys that give a window a command, as data among the program's
// resources. Each entry is a virtual key with its modifiers and the command it sends.
#include "platform/core/CString.h"
#include "platform/ui/UiApi.h"

#include <vector>

struct AcceleratorTable {
    UINT id;
    std::vector<ACCEL> entries;
};

void RegisterAcceleratorTable(const AcceleratorTable* pTable);
const AcceleratorTable* FindAcceleratorTable(UINT nID);

// The key as the player reads it: "Alt+R", "Page Up", "Shift+Page Down", "Ctrl+G", "F1".
CString KeyNameOf(const ACCEL& accel);
