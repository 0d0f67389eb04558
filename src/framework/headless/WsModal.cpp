// Modal dialogs, property sheets, templates and message boxes of the window system, on
// headless windows.
#include "framework/CDialog.h"
#include "framework/CPropertySheet.h"
#include "framework/WindowSystem.h"
#include "framework/headless/Desktop.h"
#include "framework/headless/Driver.h"
#include "framework/headless/DialogBuilder.h"
#include "framework/headless/DialogManager.h"
#include "framework/headless/MessageBoxWindow.h"
#include "framework/headless/SheetController.h"

namespace fw::ws {
namespace {

using headless::Desktop;

}  // namespace

INT_PTR RunModalDialog(CDialog* dialog, LPCDLGTEMPLATE dialogTemplate, DWORD size, HMODULE, HWND parent) {
    Desktop& desktop = Desktop::Get();
    if (!dialog) return -1;
    const auto layout = headless::DialogTemplateReader::Read(dialogTemplate, size);
    if (!layout) return -1;
    if (desktop.Quitting()) return IDCANCEL;
    const HWND focusBefore = desktop.Focus();
    const HWND handle = headless::DialogBuilder::Build(*layout, dialog->GetTemplateId(), headless::WindowKind::Dialog,
                                                       parent, POINT{0, 0});
    dialog->Attach(handle);
    desktop.Find(handle)->modal = true;
    // A dialog that sets the focus itself says so by returning FALSE, as on the system.
    if (desktop.Send(handle, WM_INITDIALOG, 0, 0) && desktop.Find(handle)) headless::DialogManager::FocusOnOpen(handle);
    const INT_PTR result = desktop.RunModal(handle, focusBefore);
    desktop.DestroyWindow(handle);
    return result;
}

BOOL EndModal(HWND window, INT_PTR result) {
    if (!Desktop::Get().Find(window)) return FALSE;
    Desktop::Get().EndModal(window, result);
    return TRUE;
}

INT_PTR RunPropertySheet(CPropertySheet* sheet) {
    Desktop& desktop = Desktop::Get();
    if (!sheet) return -1;
    if (desktop.Quitting()) return IDCANCEL;
    const HWND focusBefore = desktop.Focus();
    const HWND handle = headless::SheetController::Create(sheet);
    desktop.Find(handle)->modal = true;
    desktop.Send(handle, WM_INITDIALOG, 0, 0);
    INT_PTR result = -1;
    if (const headless::Window* window = desktop.Find(handle); window && (window->sheet->ActivePage() || window->ended)) {
        result = desktop.RunModal(handle, focusBefore);
    }
    desktop.DestroyWindow(handle);
    return result;
}

void SheetPageAdded(HWND, CPropertyPage*) {
    // Pages get their window when they are first shown.
}

void SheetPageRemoving(HWND sheet, int index) {
    headless::Window* window = Desktop::Get().Find(sheet);
    if (window && window->sheet) window->sheet->PageRemoving(index);
}

bool ShowBox(const MessageBoxRequest& request, int* answer) {
    Desktop& desktop = Desktop::Get();
    if (!desktop.HasDriver() && !desktop.Quitting()) return false;
    const int result = headless::MessageBoxWindow::Show(request);
    if (answer) *answer = result;
    return true;
}

void SessionEnded() {
    if (headless::Driver* driver = Desktop::Get().CurrentDriver()) driver->SessionEnded();
}

bool RunSystemFileDialog(const FileDialogRequest&, std::string*) {
    return false;  // scripts and the terminal type into the framework's own dialog
}

}  // namespace fw::ws
