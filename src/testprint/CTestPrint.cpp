#include "testprint/CTestPrint.h"

#include <memory>

#include "color/CCcmTables.h"
#include "launch/CPageFunction.h"
#include "launch/CmyException.h"
#include "resources/resource.h"
#include "storage/CFileAcc.h"
#include "storage/CIniUtility.h"
#include "testprint/CEmfInternal9x.h"
#include "testprint/CEmfInternalNT.h"
#include "testprint/CEmfInternalXPS.h"
#include "testprint/CEmfPrint.h"
#include "testprint/CEmfPrintDialog.h"
#include "testprint/CPrintMsgDlg.h"
#include "testprint/CTemporaryTestSetting.h"
#include "testprint/XPSTestJobPrintingDlg.h"

namespace {

constexpr char kUtilityFolder[] = "\\Tintora\\";
constexpr DWORD kPlatform9x = 1;

const char kModeEmf[] = "EMF";
const char kModeInternal[] = "EMF_INTERNAL";
const char kModeXps[] = "EMF_INTERNAL_XPS";

}  // namespace

CTestPrint::CTestPrint(const CUtilityInfo& info, CWnd* parent) : m_info(info), m_parent(parent) {}

std::string CTestPrint::PrintMode() const
{
    return CIniUtility().GetVersionValue(m_info.ccmVersion, "PrintMode");
}

std::string CTestPrint::PagePath(const std::string& key) const
{
    const std::string file = CIniUtility().GetVersionValue(m_info.ccmVersion, key);
    if (file.empty()) throw CmyException(IDS_ERR_PAGE_NOT_FOUND, std::string(), CmyException::error);
    return CFileAcc().BuildPath(file, kUtilityFolder);
}

std::unique_ptr<CEmfPrintBase> CTestPrint::InternalPrint()
{
    if (CPageFunction::GetPlatformId() == kPlatform9x) return std::make_unique<CEmfInternal9x>();
    return std::make_unique<CEmfInternalNT>();
}

void CTestPrint::PrintMetafile(CEmfPrintBase& print, const std::string& path, int kind, const BYTE* tTable,
                               const BYTE* vTable, DWORD tableLength)
{
    print.SetPrinterName(m_info.printerName);
    print.OpenPrinterData();
    print.PrintPage(path, m_info.ccmVersion, kind, tTable, vTable, tableLength);
    CPrintMsgDlg::ShowNotice();
}

void CTestPrint::PrintSample()
{
    const std::string path = PagePath("SampleFile");
    const std::string mode = PrintMode();
    if (mode == kModeEmf) {
        CEmfPrint print;
        PrintMetafile(print, path, CEmfPrintBase::kindSample, nullptr, nullptr, 0);
    } else if (mode == kModeInternal) {
        PrintMetafile(*InternalPrint(), path, CEmfPrintBase::kindSample, nullptr, nullptr, 0);
    } else if (mode == kModeXps) {
        // A sample carries no tables, so it names no table type and no setting either.
        CEmfInternalXPS print;
        print.SetPrinterName(m_info.printerName);
        print.OpenPrinterData();
        print.PrintPage(path, m_info.ccmVersion, CEmfPrintBase::kindSample, nullptr, nullptr, 0, 0, 0);
        CPrintMsgDlg::ShowNotice();
    } else {
        CPrint print;
        print.SetPrinterName(m_info.printerName);
        print.SendRawJob(m_info.ccmVersion, path, nullptr, nullptr, 0);
    }
}

void CTestPrint::PrintColorTest(CCcmTables& tables, CTemporaryTestSetting& temporary)
{
    PrintTables({"ColorTestFile", CEmfPrintDialog::modeColorTest, CEmfInternalXPS::tableTypeColor}, tables, temporary);
}

void CTestPrint::PrintGammaTest(CCcmTables& tables, CTemporaryTestSetting& temporary)
{
    PrintTables({"GammaTestFile", CEmfPrintDialog::modeGammaTest, CEmfInternalXPS::tableTypeGamma}, tables, temporary);
}

void CTestPrint::PrintTables(const TestPage& page, CCcmTables& tables, CTemporaryTestSetting& temporary)
{
    const std::string path = PagePath(page.fileKey);
    const std::string mode = PrintMode();
    const DWORD length = static_cast<DWORD>(tables.GetSize());
    if (mode == kModeEmf) {
        // The progress dialog builds the temporary profile, prints and shows the notice itself;
        // its own failures come back as exceptions, a dialog that could not run as -1.
        if (CEmfPrintDialog::Run(m_info, page.progressMode, path, tables.T(), std::string()) != 1)
            throw CmyException(IDS_ERR_PRINT_FAILED);
    } else if (mode == kModeInternal) {
        PrintMetafile(*InternalPrint(), path, CEmfPrintBase::kindTestTables, tables.T(), tables.V(), length);
    } else if (mode == kModeXps) {
        PrintThroughTemporarySetting(path, page.tableType, tables, temporary);
    } else {
        CPrint print;
        print.SetPrinterName(m_info.printerName);
        print.SendRawJob(m_info.ccmVersion, path, tables.T(), tables.V(), length);
    }
}

void CTestPrint::PrintThroughTemporarySetting(const std::string& path, int tableType, CCcmTables& tables,
                                              CTemporaryTestSetting& temporary)
{
    const DWORD id = temporary.Make(m_info);
    try {
        // The dialog reports its own failures once it has closed.
        XPSTestJobPrintingDlg::Run(XPSTestJobPrintingDlg::Request::ForTables(
                                       path, m_info.ccmVersion, tables.T(), tables.V(),
                                       static_cast<DWORD>(tables.GetSize()), tableType, std::to_string(id),
                                       m_info.printerName),
                                   m_parent);
    } catch (...) {
        temporary.Remove();
        throw;
    }
    // Gone already when the session ended while the dialog was open.
    temporary.Remove();
}
