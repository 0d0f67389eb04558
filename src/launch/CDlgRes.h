// Holder of the dialog library (dialog templates and bitmaps) for as long as it lives.
#pragma once

#include "platform/win32api.h"

class CDlgRes {
public:
    CDlgRes();   // loads the dialog library of the user's language
    ~CDlgRes();  // frees it
    CDlgRes(const CDlgRes&) = delete;
    CDlgRes& operator=(const CDlgRes&) = delete;

    HMODULE GetModule() const { return m_module; }

private:
    HMODULE m_module = nullptr;
};
