// The short printing notice: shown for a moment after a page was handed to the spooler, then it
// closes by itself. Its work runs from a timer so that it is on screen first.
#pragma once

#include "framework/CDialog.h"
#include "framework/CStatic.h"
#include "resources/resource.h"

class CPrintMsgDlg : public CDialog {
public:
    static constexpr UINT templateId = IDD_PRINT_MESSAGE_DIALOG;

    explicit CPrintMsgDlg(CWnd* parent = nullptr);

    BOOL OnInitDialog() override;

    // Runs the notice from the dialog library; the handler a print owner gives
    // CPrint::SetPrintMessageHandler.
    static void ShowNotice();

protected:
    void DoDataExchange(CDataExchange* dx) override;
    void OnTimer(UINT_PTR id) override;

private:
    CStatic m_message;
};
