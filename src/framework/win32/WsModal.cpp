// Modal dialogs, property sheets, templates and message boxes of the window system, on real
// windows.
#include "framework/CDialog.h"
#include "framework/CPropertySheet.h"
#include "framework/WindowSystem.h"
#include "framework/win32/FrameworkModule.h"
#include "framework/win32/SheetRunner.h"
#include "framework/win32/WindowCentring.h"

namespace fw::ws {
namespace {

using fw::win32::SheetRunner;

// The module whose image holds a template handed over whole (a resource of a loaded library),
// else the framework's own.
HMODULE ModuleHolding(const void* bytes) {
    HMODULE module = nullptr;
    const DWORD flags = GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT;
    if (GetModuleHandleExA(flags, static_cast<LPCSTR>(bytes), &module)) return module;
    return fw::win32::FrameworkModule();
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
// which then has nothing more to do). The dialog is centred before its own set-up runs, so
// a dialog that places itself there keeps its place.
INT_PTR CALLBACK ModalDialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_INITDIALOG) return FALSE;
    fw::win32::CentreOverOwner(window);
    auto* dialog = reinterpret_cast<CDialog*>(lParam);
    if (!dialog || !dialog->Attach(window)) return TRUE;
    return dialog->HandleMessage(WM_INITDIALOG, wParam, 0);
}

}  // namespace

INT_PTR RunModalDialog(CDialog* dialog, LPCDLGTEMPLATE dialogTemplate, DWORD, HMODULE module, HWND parent) {
    if (!dialog || !dialogTemplate) return -1;
    InitControls();
    const INT_PTR result = DialogBoxIndirectParamA(module ? module : ModuleHolding(dialogTemplate), dialogTemplate,
                                                   parent, &ModalDialogProc, reinterpret_cast<LPARAM>(dialog));
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

bool ShowBox(const MessageBoxRequest& request, int* answer) {
    const int result = MessageBoxA(request.owner, request.text.c_str(), request.caption.c_str(), request.style);
    if (answer) *answer = result;
    return true;
}

void SessionEnded() {
    // Real windows have a person in front of them, not a script.
}

}  // namespace fw::ws
