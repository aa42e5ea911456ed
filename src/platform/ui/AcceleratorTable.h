#pragma once
// Accelerator tables: keys that give a window a command, as data among the program's
// resources. Each entry is a virtual key with its modifiers and the command it sends.
#include "platform/core/WinTypes.h"

#include <vector>

#ifdef CADDORA_UI_WIN32
#include "win32/WindowsUi.h"
#else
constexpr BYTE FVIRTKEY = 0x01;
constexpr BYTE FSHIFT = 0x04;
constexpr BYTE FCONTROL = 0x08;
constexpr BYTE FALT = 0x10;

// Virtual keys beyond the letters and digits, which are their own upper-case characters.
constexpr WORD VK_PRIOR = 0x21; // Page Up
constexpr WORD VK_NEXT = 0x22;  // Page Down

struct ACCEL {
    BYTE fVirt;
    WORD key;
    WORD cmd;
};
#endif

struct AcceleratorTable {
    UINT id;
    std::vector<ACCEL> entries;
};

void RegisterAcceleratorTable(const AcceleratorTable* pTable);
const AcceleratorTable* FindAcceleratorTable(UINT nID);
