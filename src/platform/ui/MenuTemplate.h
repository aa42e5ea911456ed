#pragma once
// Menus as data among the program's resources: in order, each item a command with its text
// and the key that gives it, a separator, or a submenu of its own items.
#include "platform/ui/UiApi.h"

#include <vector>

struct MenuItemTemplate {
    // The command the item sends (WM_COMMAND, code 0); 0 for a separator. A submenu sends
    // nothing: its id only names it, for its text in another language.
    UINT id;
    // What the item reads, "&" before its mnemonic; null for a separator.
    const char16_t* text;
    // The key that gives the command anywhere in the window (FVIRTKEY and its modifiers, and
    // the virtual key); fVirt 0 for none.
    BYTE fVirt = 0;
    WORD key = 0;
    // A submenu's items.
    std::vector<MenuItemTemplate> items = {};
};

struct MenuTemplate {
    UINT id;
    std::vector<MenuItemTemplate> items;
};

void RegisterMenu(const MenuTemplate* pMenu);
const MenuTemplate* FindMenu(UINT nIDResource);

// The keys of the menu's commands, submenus' included, as accelerator entries.
std::vector<ACCEL> MenuAccelerators(const MenuTemplate& menu);
