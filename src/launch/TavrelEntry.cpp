#include "launch/TavrelEntry.h"

#include <memory>
#include <utility>

#include "framework/ResourceModule.h"
#include "framework/WindowSystem.h"
#include "framework/MessageBox.h"
#include "launch/CLibraryActivationContext.h"
#include "launch/CMainSheet.h"
#include "launch/CTAVRELApp.h"
#include "launch/CmyException.h"
#include "launch/CmyMessageBox.h"
#include "launch/LaunchChecks.h"
#include "printer/CPrint.h"
#include "resources/resource.h"
#include "testprint/CPrintMsgDlg.h"

// The one application object of the library.
CTAVRELApp theApp;

namespace {

// Resource lookups refer to this library, not to the host, for as long as the call runs.
class ModuleContext {
public:
    ModuleContext() : m_hostModule(fw::SetResourceModule(nullptr)) {}
    ~ModuleContext() { fw::SetResourceModule(m_hostModule); }
    ModuleContext(const ModuleContext&) = delete;
    ModuleContext& operator=(const ModuleContext&) = delete;

private:
    HMODULE m_hostModule;
};

// Every page handed to the spooler during the call shows the printing notice; the host's own
// handler (if any) comes back when the call ends, however it ends.
class PrintNoticeContext {
public:
    PrintNoticeContext() : m_previous(CPrint::SetPrintMessageHandler(&CPrintMsgDlg::ShowNotice)) {}
    ~PrintNoticeContext() { CPrint::SetPrintMessageHandler(std::move(m_previous)); }
    PrintNoticeContext(const PrintNoticeContext&) = delete;
    PrintNoticeContext& operator=(const PrintNoticeContext&) = delete;

private:
    CPrint::PrintMessageHandler m_previous;
};

LONG RunWizard(LPCSTR printerName)
{
    // Built before the checks: a refused launch has still built (and destroys) the whole sheet.
    auto sheet = std::make_unique<CMainSheet>(std::string(), nullptr, 0);

    if (IsRefusedAsNonAdministrator()) {
        CmyMessageBox().Show(nullptr, IDS_ERR_NOT_ADMINISTRATOR, MB_ICONEXCLAMATION | MB_OK, IDS_TITLE_UTILITY);
        return 0;
    }
    if (printerName) sheet->SetPrinter(printerName);
    if (sheet->GetSupportedPrinterCount() == 0) {
        CmyMessageBox().Show(nullptr, IDS_ERR_NO_SUPPORTED_PRINTER, MB_ICONSTOP | MB_OK, IDS_CAPTION_ERROR);
        return 0;
    }

    sheet->SetWizardMode();
    sheet->m_psh.dwFlags |= PSH_HASHELP;
    // Anything but Finish or Cancel runs the wizard again, as the user left it; a sheet that
    // cannot be made at all (0 or -1: no language libraries, no templates) ends the call.
    for (;;) {
        const INT_PTR result = sheet->DoModal();
        if (result == ID_WIZFINISH || result == IDCANCEL || result <= 0) break;
    }
    return 0;
}

}  // namespace

extern "C" LONG CallTintora32(INT_PTR /*context*/, INT_PTR /*reserved1*/, LPCSTR printerName, int /*reserved2*/)
{
    // Every window of the call gets the controls the library's manifest names, and the host's
    // context comes back on every way out.
    CLibraryActivationContext controls;
    ModuleContext context;
    PrintNoticeContext notice;
    try {
        RunWizard(printerName);
    } catch (const CmyException& failure) {
        failure.Report();
    } catch (...) {
        // Nothing may cross the entry point.
    }
    fw::ws::SessionEnded();
    return 0;
}
