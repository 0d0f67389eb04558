// Test and sample pages printed the way the printer model's "PrintMode" asks for: the print
// class or dialog that carries the page, the temporary setting an XPS driver needs for a test
// print, and the short notice, which follows only a page that reached the spooler. Every
// failure is raised as CmyException for the page to report; none is passed over.
#pragma once

#include <memory>
#include <string>

#include "launch/CUtilityInfo.h"
#include "platform/win32api.h"

class CCcmTables;
class CEmfPrintBase;
class CTemporaryTestSetting;
class CWnd;

class CTestPrint {
public:
    // info is copied; parent owns the XPS test-job dialog (may be null).
    CTestPrint(const CUtilityInfo& info, CWnd* parent);

    // The model's sample page ("SampleFile"), without tables.
    void PrintSample();
    // The model's colour test page ("ColorTestFile") with the tables of the setting under test.
    void PrintColorTest(CCcmTables& tables, CTemporaryTestSetting& temporary);
    // The model's gamma test page ("GammaTestFile") with the tables of the setting under test.
    void PrintGammaTest(CCcmTables& tables, CTemporaryTestSetting& temporary);

    // Full path of the page the model names under key in the utility folder; a model that
    // names none raises IDS_ERR_PAGE_NOT_FOUND.
    std::string PagePath(const std::string& key) const;
    // The model's print mode, read afresh: the model's value counts, not a remembered one.
    std::string PrintMode() const;

private:
    struct TestPage {
        const char* fileKey;
        int progressMode;  // CEmfPrintDialog mode
        int tableType;     // CEmfInternalXPS table type
    };

    void PrintTables(const TestPage& page, CCcmTables& tables, CTemporaryTestSetting& temporary);
    void PrintThroughTemporarySetting(const std::string& path, int tableType, CCcmTables& tables,
                                      CTemporaryTestSetting& temporary);
    // Opens the printer, prints the page and then shows the notice.
    void PrintMetafile(CEmfPrintBase& print, const std::string& path, int kind, const BYTE* tTable,
                       const BYTE* vTable, DWORD tableLength);
    // The internal metafile print of the running platform family.
    static std::unique_ptr<CEmfPrintBase> InternalPrint();

    CUtilityInfo m_info;
    CWnd* m_parent;
};
