// The template of the framework's own open and save dialogs (a path field, OK and Cancel),
// as the system lays dialog resources out (DLGTEMPLATEEX), so both backends make it alike.
#pragma once

#include "framework/UiTypes.h"

class FileDialogTemplate {
public:
    static constexpr UINT kPathEditId = edt1;  // the path field has the common dialogs' id

    static LPCDLGTEMPLATE Open();
    static LPCDLGTEMPLATE Save();
};
