// CObject-style runtime classes: class name, schema and dynamic creation, as the archive needs them.
#pragma once

#include <cstdint>

class CArchive;
class CObject;

struct CRuntimeClass {
    const char* className;
    uint16_t schema;
    CObject* (*createObject)();  // null for classes that cannot be created by the archive
    const CRuntimeClass* baseClass;

    CObject* CreateObject() const;
    bool IsDerivedFrom(const CRuntimeClass* base) const;
    // The serialisable class registered under this exact name, or null.
    static const CRuntimeClass* FromName(const char* name, uint16_t length);
};

class CObject {
public:
    virtual const CRuntimeClass* GetRuntimeClass() const;
    virtual ~CObject() = default;
    virtual void Serialize(CArchive& archive);

    bool IsKindOf(const CRuntimeClass* cls) const;

    static const CRuntimeClass classCObject;
};

// Registers a serialisable class so that the archive can create it by name when loading.
struct CClassRegistration {
    explicit CClassRegistration(const CRuntimeClass* cls);
};

#define RUNTIME_CLASS(cls) (&cls::class##cls)

#define DECLARE_SERIAL(cls)                                  \
public:                                                      \
    static const CRuntimeClass class##cls;                   \
    const CRuntimeClass* GetRuntimeClass() const override;   \
    static CObject* CreateObject();

#define IMPLEMENT_SERIAL(cls, base, schemaNumber)                                        \
    CObject* cls::CreateObject() { return new cls; }                                    \
    const CRuntimeClass cls::class##cls = {#cls, schemaNumber, &cls::CreateObject,     \
                                           RUNTIME_CLASS(base)};                         \
    const CRuntimeClass* cls::GetRuntimeClass() const { return RUNTIME_CLASS(cls); }    \
    static CClassRegistration registration##cls(RUNTIME_CLASS(cls));
