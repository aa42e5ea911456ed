#pragma once

#include "platform/core/WinTypes.h"

#include <memory>

class CArchive;
class CObject;

// Run-time class information: a name, a schema number, and a way to make an object of
// the class without knowing it at compile time (as an archive does when it reads one).
struct CRuntimeClass {
    const char* m_lpszClassName;
    UINT m_wSchema;
    std::unique_ptr<CObject> (*m_pfnCreateObject)();
    const CRuntimeClass* m_pBaseClass;

    std::unique_ptr<CObject> CreateObject() const;
    bool IsDerivedFrom(const CRuntimeClass* base) const;

    // The classes entered by static initialisation, looked up by name.
    static const CRuntimeClass* FromName(const char* className);
    static void Register(const CRuntimeClass* cls);
};

// Enters a run-time class in the list during static initialisation.
struct CClassInit {
    explicit CClassInit(const CRuntimeClass* cls) { CRuntimeClass::Register(cls); }
};

// The root of the system's persistent classes.
class CObject {
public:
    virtual ~CObject() = default;
    virtual const CRuntimeClass* GetRuntimeClass() const;
    // Writes the object to, or reads it from, an archive; the root writes nothing.
    virtual void Serialize(CArchive& ar);

    static const CRuntimeClass classCObject;

protected:
    CObject() = default;
    CObject(const CObject&) = default;
    CObject& operator=(const CObject&) = default;
};

#define DECLARE_DYNCREATE(class_name)                                                              \
public:                                                                                            \
    static const CRuntimeClass class##class_name;                                                  \
    const CRuntimeClass* GetRuntimeClass() const override;                                         \
    static std::unique_ptr<CObject> CreateObject();

#define IMPLEMENT_DYNCREATE(class_name, base_class_name, schema)                                   \
    std::unique_ptr<CObject> class_name::CreateObject() {                                          \
        return std::make_unique<class_name>();                                                     \
    }                                                                                              \
    const CRuntimeClass class_name::class##class_name = {                                          \
        #class_name, schema, &class_name::CreateObject, &base_class_name::class##base_class_name}; \
    const CRuntimeClass* class_name::GetRuntimeClass() const {                                     \
        return &class##class_name;                                                                 \
    }                                                                                              \
    static const CClassInit _init_##class_name(&class_name::class##class_name);
