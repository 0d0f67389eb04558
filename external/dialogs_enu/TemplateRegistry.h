// The dialog templates of this library, by id. Each template's source file registers its
// template when the library loads; the export reads them (XvGetDialogTemplate).
#pragma once

#include "dialogs_enu/TemplateTables.h"

namespace xvdlg {

class TemplateRegistry {
public:
    static void Add(const FwDialogTemplate* dialogTemplate);
    static const FwDialogTemplate* Find(UINT id);
};

struct TemplateRegistration {
    explicit TemplateRegistration(const FwDialogTemplate* dialogTemplate) { TemplateRegistry::Add(dialogTemplate); }
};

// Template geometry shared by the pages: a wizard page of the classic size.
constexpr short kPageWidth = 317;
constexpr short kPageHeight = 193;
constexpr DWORD kPageStyle = WS_CHILD | WS_DISABLED | WS_CAPTION | DS_SHELLFONT | DS_3DLOOK;
constexpr DWORD kDialogStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SHELLFONT | DS_3DLOOK;
constexpr const char* kFontFace = "MS Shell Dlg";
constexpr WORD kFontSize = 8;

}  // namespace xvdlg
