// Holder of one opened string library: texts by string id through the resource loader.
#pragma once

#include <string>

#include "platform/win32api.h"

class CStrRes {
public:
    CStrRes();   // opens the string library of the user's language
    ~CStrRes();  // releases it
    CStrRes(const CStrRes&) = delete;
    CStrRes& operator=(const CStrRes&) = delete;

    // The text of string id; empty when the library has none.
    void LoadString(UINT id, std::string& text) const;
    std::string Load(UINT id) const;

private:
    HMODULE m_loader = nullptr;  // the resource loader, kept loaded while the handle lives
    void* m_handle = nullptr;
};
