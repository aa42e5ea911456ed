#include "platform/ui/DialogTemplate.h"

#include <map>

namespace {
std::map<UINT, const DialogTemplate*>& Templates() {
    static std::map<UINT, const DialogTemplate*> templates;
    return templates;
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
