// Holder of the dialog library (dialog templates and bitmaps) for as long as it lives.
#pragma once

#include "framework/UiTypes.h"
#include "platform/win32api.h"

class CDlgRes {
public:
    CDlgRes();   // loads the dialog library of the user's language
    ~CDlgRes();  // frees it
    CDlgRes(const CDlgRes&) = delete;
    CDlgRes& operator=(const CDlgRes&) = delete;

    HMODULE GetModule() const { return m_module; }
    // The dialog resource id of the library, as LoadResource gives it; null when the library or
    // the template is missing.
    HGLOBAL LoadDialogTemplate(UINT id) const;
    // Bitmap id stretched to the rectangle's size; null when missing. The caller owns it.
    HBITMAP LoadBitmapSized(UINT id, const RECT& rect) const;

private:
    HMODULE m_module = nullptr;
};
