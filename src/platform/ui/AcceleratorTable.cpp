#include "platform/ui/AcceleratorTable.h"

#include <map>

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
    if (accel.fVirt & FCONTROL) {
        name += u"Ctrl+";
    }
    if (accel.fVirt & FSHIFT) {
        name += u"Shift+";
    }
    if (accel.fVirt & FALT) {
        name += u"Alt+";
    }
    if (accel.key == VK_PRIOR) {
        name += u"Page Up";
    } else if (accel.key == VK_NEXT) {
        name += u"Page Down";
    } else if (accel.key == VK_APPS) {
        name += u"Menu";
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
