// The C++ template tables this library was written in before its templates became dialog
// resources. Nothing reads them any more; they go when the library is a resource script.
#pragma once

#include "framework/UiTypes.h"

extern "C" {

struct FwDialogItem {
    UINT id;
    const char* className;
    const char* text;  // initial window text; empty for most controls (pages set their texts)
    DWORD style;       // WS_CHILD | WS_VISIBLE are implied
    DWORD exStyle;
    short x;
    short y;
    short cx;
    short cy;
};

struct FwDialogTemplate {
    UINT id;
    const char* caption;
    DWORD style;
    short x;
    short y;
    short cx;
    short cy;
    const char* fontFace;
    WORD pointSize;
    const FwDialogItem* items;
    UINT itemCount;
};

// The export of the dialog library: the template with that id, or null.
typedef const FwDialogTemplate* (*FwGetDialogTemplateFn)(UINT id);

}  // extern "C"

#define FW_DIALOG_TEMPLATE_EXPORT "XvGetDialogTemplate"

// Class names as templates spell them.
#define FW_CLASS_BUTTON "Button"
#define FW_CLASS_STATIC "Static"
#define FW_CLASS_EDIT "Edit"
#define FW_CLASS_LISTBOX "ListBox"
#define FW_CLASS_COMBOBOX "ComboBox"
#define FW_CLASS_TRACKBAR "msctls_trackbar32"
