#include "platform/ui/MenuTemplate.h"

#include <map>

namespace {

std::map<UINT, const MenuTemplate*>& Menus() {
    static std::map<UINT, const MenuTemplate*> menus;
    return menus;
}

void AddAccelerators(const std::vector<MenuItemTemplate>& items, std::vector<ACCEL>& entries) {
    for (const MenuItemTemplate& item : items) {
        if (item.fVirt != 0 && item.id != 0) {
            entries.push_back(ACCEL{item.fVirt, item.key, static_cast<WORD>(item.id)});
        }
        AddAccelerators(item.items, entries);
    }
}

} // namespace

void RegisterMenu(const MenuTemplate* pMenu) {
    if (pMenu != nullptr) {
        Menus()[pMenu->id] = pMenu;
    }
}

const MenuTemplate* FindMenu(UINT nIDResource) {
    const auto found = Menus().find(nIDResource);
    return found != Menus().end() ? found->second : nullptr;
}

std::vector<ACCEL> MenuAccelerators(const MenuTemplate& menu) {
    std::vector<ACCEL> entries;
    AddAccelerators(menu.items, entries);
    return entries;
}
