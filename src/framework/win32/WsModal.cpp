// Modal dialogs, property sheets, templates and message boxes of the window system, on real
// windows.
#include <map>
#include <vector>

#include "framework/CDialog.h"
#include "framework/CPropertySheet.h"
#include "framework/WindowSystem.h"
#include "framework/win32/DialogTemplateWriter.h"
#include "framework/win32/SheetRunner.h"

namespace fw::ws {
namespace {

using fw::win32::DialogTemplateWriter;
using fw::win32::SheetRunner;

std::map<UINT, const FwDialogTemplate*>& ProgramTemplates() {
    static std::map<UINT, const FwDialogTemplate*> templates;
    return templates;
}

void InitControls() {
    static const bool done = [] {
        INITCOMMONCONTROLSEX init{sizeof(INITCOMMONCONTROLSEX), ICC_WIN95_CLASSES | ICC_BAR_CLASSES};
        return InitCommonControlsEx(&init) != FALSE;
    }();
    (void)done;
}

// The dialog's object takes the window over when it is made; from then on its messages reach
// the object first, and the object's defaults reach the dialog class (and this procedure,
// which then has nothing more to do).
INT_PTR CALLBACK ModalDialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_INITDIALOG) return FALSE;
    auto* dialog = reinterpret_cast<CDialog*>(lParam);
    if (!dialog || !dialog->Attach(window)) return TRUE;
    return dialog->HandleMessage(WM_INITDIALOG, wParam, 0);
}

}  // namespace

INT_PTR RunModalDialog(CDialog* dialog, const FwDialogTemplate* dialogTemplate, HWND parent) {
    if (!dialog || !dialogTemplate) return -1;
    InitControls();
    const std::vector<WORD> words = DialogTemplateWriter::Build(*dialogTemplate, DialogTemplateWriter::Kind::Dialog);
    const INT_PTR result =
        DialogBoxIndirectParamA(GetModuleHandleA(nullptr), reinterpret_cast<LPCDLGTEMPLATEA>(words.data()), parent,
                                &ModalDialogProc, reinterpret_cast<LPARAM>(dialog));
    if (dialog->m_hWnd) dialog->Detach();
    return result;
}

BOOL EndModal(HWND window, INT_PTR result) {
    if (!::IsWindow(window)) return FALSE;
    if (SheetRunner::End(window, result)) return TRUE;
    return EndDialog(window, result);
}

INT_PTR RunPropertySheet(CPropertySheet* sheet) {
    if (!sheet) return -1;
    InitControls();
    SheetRunner runner(sheet);
    return runner.Run();
}

void SheetPageAdded(HWND sheet, CPropertyPage* page) { SheetRunner::PageAdded(sheet, page); }

void SheetPageRemoving(HWND sheet, int index) { SheetRunner::PageRemoving(sheet, index); }

const FwDialogTemplate* LoadTemplate(HMODULE module, UINT id) {
    if (!module) {
        const auto found = ProgramTemplates().find(id);
        return found == ProgramTemplates().end() ? nullptr : found->second;
    }
    const auto get = reinterpret_cast<FwGetDialogTemplateFn>(
        reinterpret_cast<void (*)()>(GetProcAddress(module, FW_DIALOG_TEMPLATE_EXPORT)));
    return get ? get(id) : nullptr;
}

void RegisterDialogTemplate(const FwDialogTemplate* dialogTemplate) {
    if (dialogTemplate) ProgramTemplates()[dialogTemplate->id] = dialogTemplate;
}

void UnregisterDialogTemplate(UINT id) { ProgramTemplates().erase(id); }

bool ShowBox(const MessageBoxRequest& request, int* answer) {
    const int result = MessageBoxA(request.owner, request.text.c_str(), request.caption.c_str(), request.style);
    if (answer) *answer = result;
    return true;
}

}  // namespace fw::ws
