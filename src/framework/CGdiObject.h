// A drawing object (pen, brush, font, bitmap) of the window system, deleted with its C++
// object unless it was only borrowed (FromHandle).
#pragma once

#include "framework/UiTypes.h"

class CGdiObject {
public:
    CGdiObject() = default;
    virtual ~CGdiObject();
    CGdiObject(const CGdiObject&) = delete;
    CGdiObject& operator=(const CGdiObject&) = delete;

    HGDIOBJ m_hObject = nullptr;

    HGDIOBJ GetSafeHandle() const { return m_hObject; }
    BOOL Attach(HGDIOBJ object);
    HGDIOBJ Detach();
    BOOL DeleteObject();

protected:
    // A borrowed object of type T for handle (lives until the handle is deleted).
    template <class T>
    static T* Borrow(HGDIOBJ handle);

private:
    static CGdiObject* FindBorrowed(HGDIOBJ handle);
    static void KeepBorrowed(CGdiObject* object);  // takes ownership
    static void ForgetBorrowed(HGDIOBJ handle);
    bool m_borrowed = false;
};

template <class T>
T* CGdiObject::Borrow(HGDIOBJ handle) {
    if (!handle) return nullptr;
    if (CGdiObject* found = FindBorrowed(handle)) return static_cast<T*>(found);
    T* object = new T;
    object->m_hObject = handle;
    object->m_borrowed = true;
    KeepBorrowed(object);
    return object;
}
