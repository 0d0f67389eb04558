#include "framework/CGdiObject.h"

#include <map>
#include <memory>

#include "framework/WindowSystem.h"

namespace {

std::map<HGDIOBJ, std::unique_ptr<CGdiObject>>& BorrowedObjects() {
    static std::map<HGDIOBJ, std::unique_ptr<CGdiObject>> objects;
    return objects;
}

}  // namespace

CGdiObject::~CGdiObject() {
    if (!m_borrowed) DeleteObject();
}

BOOL CGdiObject::Attach(HGDIOBJ object) {
    if (m_hObject || !object) return FALSE;
    m_hObject = object;
    return TRUE;
}

HGDIOBJ CGdiObject::Detach() {
    HGDIOBJ object = m_hObject;
    m_hObject = nullptr;
    return object;
}

BOOL CGdiObject::DeleteObject() {
    if (!m_hObject || m_borrowed) return FALSE;
    HGDIOBJ object = Detach();
    ForgetBorrowed(object);
    return fw::ws::DeleteGdiObject(object);
}

CGdiObject* CGdiObject::FindBorrowed(HGDIOBJ handle) {
    auto found = BorrowedObjects().find(handle);
    return found == BorrowedObjects().end() ? nullptr : found->second.get();
}

void CGdiObject::KeepBorrowed(CGdiObject* object) {
    BorrowedObjects()[object->m_hObject].reset(object);
}

void CGdiObject::ForgetBorrowed(HGDIOBJ handle) { BorrowedObjects().erase(handle); }
