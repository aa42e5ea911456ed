#include "platform/ui/AcceleratorTable.h"

#include "platform/ui/PlatformTexts.h"

#include <map>
#include <utility>

namespace {

std::map<UINT, const AcceleratorTable*>& AcceleratorTables() {
    static std::map<UINT, const AcceleratorTable*> tables;
    return tables;
}

} // namespace

void RegisterAcceleratorTable(const AcceleratorTable* pTable) {
    if (pTable != nullptr) {
        AcceleratorTables()[pTable->id] = pTable;
    }
}

const AcceleratorTable* FindAcceleratorTable(UINT nID) {
    const auto found = AcceleratorTables().find(nID);
    return found != AcceleratorTables().end() ? found->second : nullptr;
}

CString KeyNameOf(const ACCEL& accel) {
    std::u16string name;
    const std::pair<BYTE, UINT> modifiers[] = {
        {FCONTROL, AFX_IDS_KEY_CTRL}, {FSHIFT, AFX_IDS_KEY_SHIFT}, {FALT, AFX_IDS_KEY_ALT}};
    for (const auto& [flag, text] : modifiers) {
        if (accel.fVirt & flag) {
            name += PlatformText(text).Str();
            name += u'+';
        }
    }
    if (accel.key == VK_PRIOR) {
        name += PlatformText(AFX_IDS_KEY_PAGE_UP).Str();
    } else if (accel.key == VK_NEXT) {
        name += PlatformText(AFX_IDS_KEY_PAGE_DOWN).Str();
    } else if (accel.key == VK_APPS) {
        name += PlatformText(AFX_IDS_KEY_MENU).Str();
    } else if (accel.key >= VK_F1 && accel.key <= VK_F12) {
        const int number = accel.key - VK_F1 + 1;
        name += u'F';
        if (number >= 10) {
            name += u'1';
        }
        name += static_cast<char16_t>(u'0' + number % 10);
    } else {
        name += static_cast<char16_t>(accel.key);
    }
    return CString(std::move(name));
}
