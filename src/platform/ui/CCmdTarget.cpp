#include "platform/ui/CCmdTarget.h"

const AFX_MSGMAP* CCmdTarget::GetThisMessageMap() {
    static const AFX_MSGMAP_ENTRY entries[] = {
        {AFX_MSGMAP_ENTRY::End, 0, 0, nullptr, nullptr, nullptr, nullptr}};
    static const AFX_MSGMAP map = {nullptr, &entries[0]};
    return &map;
}

const AFX_MSGMAP* CCmdTarget::GetMessageMap() const {
    return GetThisMessageMap();
}

const AFX_MSGMAP_ENTRY* CCmdTarget::FindMessageEntry(AFX_MSGMAP_ENTRY::Kind kind, UINT nID,
                                                     UINT nCode) const {
    for (const AFX_MSGMAP* map = GetMessageMap(); map != nullptr;
         map = map->pfnGetBaseMap != nullptr ? map->pfnGetBaseMap() : nullptr) {
        for (const AFX_MSGMAP_ENTRY* entry = map->lpEntries; entry->kind != AFX_MSGMAP_ENTRY::End;
             ++entry) {
            if (entry->kind != kind) {
                continue;
            }
            if (kind != AFX_MSGMAP_ENTRY::Command || (entry->nID == nID && entry->nCode == nCode)) {
                return entry;
            }
        }
    }
    return nullptr;
}

BOOL CCmdTarget::OnCmdMsg(UINT nID, UINT nCode) {
    const AFX_MSGMAP_ENTRY* entry = FindMessageEntry(AFX_MSGMAP_ENTRY::Command, nID, nCode);
    if (entry == nullptr) {
        return FALSE;
    }
    (this->*entry->pfnCommand)();
    return TRUE;
}
