#include "platform/core/CObject.h"

#include <cstring>
#include <vector>

namespace {
std::vector<const CRuntimeClass*>& ClassList() {
    static std::vector<const CRuntimeClass*> list;
    return list;
}
} // namespace

const CRuntimeClass CObject::classCObject = {"CObject", 0xFFFF, nullptr, nullptr};

const CRuntimeClass* CObject::GetRuntimeClass() const {
    return &classCObject;
}

void CObject::Serialize(CArchive& /*ar*/) {}

std::unique_ptr<CObject> CRuntimeClass::CreateObject() const {
    return m_pfnCreateObject != nullptr ? m_pfnCreateObject() : nullptr;
}

bool CRuntimeClass::IsDerivedFrom(const CRuntimeClass* base) const {
    for (const CRuntimeClass* cls = this; cls != nullptr; cls = cls->m_pBaseClass) {
        if (cls == base) {
            return true;
        }
    }
    return false;
}

const CRuntimeClass* CRuntimeClass::FromName(const char* className) {
    for (const CRuntimeClass* cls : ClassList()) {
        if (std::strcmp(cls->m_lpszClassName, className) == 0) {
            return cls;
        }
    }
    return nullptr;
}

void CRuntimeClass::Register(const CRuntimeClass* cls) {
    ClassList().push_back(cls);
}
