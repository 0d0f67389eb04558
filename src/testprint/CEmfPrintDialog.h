// The print progress dialog: builds ICC profiles through the ICC module and, for test prints,
// prints the metafile page. The work runs once from a timer so that the dialog is on screen
// before the module and the spooler block.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "framework/CDialog.h"
#include "framework/CStatic.h"
#include "launch/CUtilityInfo.h"
#include "launch/CmyException.h"
#include "platform/win32api.h"
#include "resources/resource.h"

class CEmfPrintDialog : public CDialog {
public:
    static constexpr UINT templateId = IDD_PRINT_MESSAGE_DIALOG;
    static constexpr int modeColorTest = 2;      // temporary profile, then the colour test page
    static constexpr int modeGammaTest = 3;      // temporary profile, then the gamma test page
    static constexpr int modeColorProfiles = 4;  // the saved colour setting's three profiles
    static constexpr int modeGammaProfiles = 5;  // the saved gamma setting's three profiles

    explicit CEmfPrintDialog(CWnd* parent = nullptr);

    // What the timer does; tTable and profileFiles are not owned and must outlive the modal
    // run. profileFiles: where the profiles of modes 4 and 5 go (null: the data folder and
    // the driver's folder).
    void SetRequest(const CUtilityInfo& info, int mode, const std::string& path, const BYTE* tTable,
                    const std::string& settingName, const std::array<std::string, 3>* profileFiles = nullptr);
    BOOL OnInitDialog() override;

    // The message raised by the work of a run that ended with -1.
    const std::optional<CmyException>& GetFailure() const { return m_failure; }

    // Builds the dialog from the dialog library, runs it and destroys it. Returns 1 when the
    // work was done; a message raised by the work is raised again here for the opener to report.
    // A template the library cannot give returns -1 without a message (nothing was done).
    static INT_PTR Run(const CUtilityInfo& info, int mode, const std::string& path, const BYTE* tTable,
                       const std::string& settingName, const std::array<std::string, 3>* profileFiles = nullptr);

protected:
    void DoDataExchange(CDataExchange* dx) override;
    void OnTimer(UINT_PTR id) override;
    void OnCancel() override;

private:
    void DoWork();

    CUtilityInfo m_info;
    std::string m_titleText;
    std::string m_messageText;
    int m_mode = 0;
    CStatic m_message;
    std::string m_path;
    std::string m_settingName;
    const BYTE* m_table = nullptr;
    const std::array<std::string, 3>* m_profileFiles = nullptr;

    std::optional<CmyException> m_failure;
    bool m_workDone = false;
};
