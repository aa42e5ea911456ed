#include "platform/ui/DialogTemplate.h"

#include "platform/ui/AcceleratorTable.h"

#include <map>

namespace {
std::map<UINT, const DialogTemplate*>& Templates() {
    static std::map<UINT, const DialogTemplate*> templates;
    return templates;
}

std::map<UINT, const AcceleratorTable*>& AcceleratorTables() {
    static std::map<UINT, const AcceleratorTable*> tables;
    return tables;
}
} // namespace

void RegisterDialogTemplate(const DialogTemplate* pTemplate) {
    if (pTemplate != nullptr) {
        Templates()[pTemplate->id] = pTemplate;
    }
}

const DialogTemplate* FindDialogTemplate(UINT nIDTemplate) {
    const auto found = Templates().find(nIDTemplate);
    return found != Templates().end() ? found->second : nullptr;
}

void UnregisterDialogTemplate(UINT nIDTemplate) {
    Templates().erase(nIDTemplate);
}

void RegisterAcceleratorTable(const AcceleratorTable* pTable) {
    if (pTable != nullptr) {
        AcceleratorTables()[pTable->id] = pTable;
    }
}

const AcceleratorTable* FindAcceleratorTable(UINT nID) {
    const auto found = AcceleratorTables().find(nID);
    return found != AcceleratorTables().end() ? found->second : nullptr;
}
