// The XPS test-job dialog: prints a test page with tables through an XPS driver on its first
// tick, then stays open until the job has left the printer's queue, polling the job event and
// the queue every 500 ms. Cancel asks before deleting the job. A job the spooler never shows is
// given up after 30 s: the print ends with IDS_ERR_PRINT_FAILED and the job, if any, is deleted.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "framework/CButton.h"
#include "framework/CDialog.h"
#include "framework/CStatic.h"
#include "launch/CmyException.h"
#include "resources/resource.h"
#include "testprint/CEmfInternalXPS.h"

class XPSTestJobPrintingDlg : public CDialog {
public:
    static constexpr UINT templateId = IDD_TESTJOB_DIALOG;
    static constexpr UINT pollPeriod = 500;
    // How long a test job may stay unseen by the spooler before the print is given up.
    static constexpr UINT jobWaitLimit = 30000;
    static constexpr UINT msgJobNotShown = IDS_ERR_PRINT_FAILED;

    // What to print; filled by the page that opens the dialog.
    struct Request {
        std::string path;
        std::string ccmVersion;
        int kind = CEmfPrintBase::kindTestTables;
        const BYTE* tTable = nullptr;
        const BYTE* vTable = nullptr;
        DWORD tableLength = 0;
        int tableType = CEmfInternalXPS::tableTypeColor;
        DWORD settingId = 0;
        std::string printerName;

        // A test print with a setting's two tables; settingId is the catalogue's decimal text.
        static Request ForTables(const std::string& path, const std::string& ccmVersion, const BYTE* tTable,
                                 const BYTE* vTable, DWORD tableLength, int tableType,
                                 const std::string& settingId, const std::string& printerName);
    };

    explicit XPSTestJobPrintingDlg(const Request& request, CWnd* parent = nullptr);
    ~XPSTestJobPrintingDlg() override;

    // Always IDCANCEL. A message raised while printing or polling is shown once the dialog has
    // closed.
    INT_PTR DoModal() override;
    // Builds the dialog from the dialog library and runs it for request; a template the library
    // cannot give raises IDS_ERR_PRINT_FAILED.
    static void Run(const Request& request, CWnd* parent);
    BOOL OnInitDialog() override;

    BOOL IsFinished() const { return m_finished; }
    DWORD GetJobId() const { return m_jobId; }

protected:
    void DoDataExchange(CDataExchange* dx) override;
    void OnTimer(UINT_PTR id) override;
    void OnCancel() override;
    void OnEndSession(BOOL ending) override;

private:
    void StartPrint();
    // TRUE when the queue was read and the job is no longer in it.
    BOOL JobLeftQueue();
    BOOL JobExists() const;
    void DeleteJob();
    // Stops polling, closes an open cancel question and ends the dialog.
    void Close();
    void OpenJobEvent();
    void CloseJobEvent();

    std::string m_messageText;
    std::string m_titleText;
    CStatic m_message;
    CButton m_cancel;
    std::unique_ptr<BYTE[]> m_printerInfo;
    BOOL m_finished = FALSE;
    std::unique_ptr<BYTE[]> m_jobList;
    HANDLE m_jobPrinter = nullptr;  // the print object's handle, not owned
    DWORD m_jobId = 0;
    const Request& m_request;
    CEmfInternalXPS m_print;
    BOOL m_started = FALSE;

    bool m_jobSignalled = false;
    bool m_eventOpen = false;
    CEmfInternalXPS::JobEventHandler m_previousHandler;
    UINT m_waited = 0;  // time polled without the job event, in milliseconds
    bool m_ended = false;
    std::optional<CmyException> m_failure;
};
