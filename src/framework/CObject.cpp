#include "framework/CObject.h"

#include <cstring>
#include <vector>

namespace {

// Built on first use so that registrations from any translation unit find it ready.
std::vector<const CRuntimeClass*>& Registry()
{
    static std::vector<const CRuntimeClass*> classes;
    return classes;
}

}  // namespace

CObject* CRuntimeClass::CreateObject() const
{
    return createObject != nullptr ? createObject() : nullptr;
}

bool CRuntimeClass::IsDerivedFrom(const CRuntimeClass* base) const
{
    for (const CRuntimeClass* cls = this; cls != nullptr; cls = cls->baseClass) {
        if (cls == base) return true;
    }
    return false;
}

const CRuntimeClass* CRuntimeClass::FromName(const char* name, uint16_t length)
{
    if (name == nullptr) return nullptr;
    for (const CRuntimeClass* cls : Registry()) {
        if (std::strlen(cls->className) == length && std::memcmp(cls->className, name, length) == 0) {
            return cls;
        }
    }
    return nullptr;
}

// Schema 0xFFFF marks a class that cannot be written to an archive.
const CRuntimeClass CObject::classCObject = {"CObject", 0xFFFF, nullptr, nullptr};

const CRuntimeClass* CObject::GetRuntimeClass() const
{
    return &classCObject;
}

void CObject::Serialize(CArchive&) {}

bool CObject::IsKindOf(const CRuntimeClass* cls) const
{
    return GetRuntimeClass()->IsDerivedFrom(cls);
}

CClassRegistration::CClassRegistration(const CRuntimeClass* cls)
{
    if (cls == nullptr) return;
    auto& classes = Registry();
    // The first class registered under a name keeps it.
    if (CRuntimeClass::FromName(cls->className, static_cast<uint16_t>(std::strlen(cls->className))) == nullptr) {
        classes.push_back(cls);
    }
}
