// One dialog data exchange (CWnd::UpdateData): loads the controls from the members, or saves
// and validates them. The DDX_ and DDV_ functions (DataExchange.h) do the work per control.
#pragma once

#include "framework/UiTypes.h"

class CWnd;

class CDataExchange {
public:
    CDataExchange(CWnd* dialog, BOOL saveAndValidate);

    BOOL m_bSaveAndValidate;
    CWnd* m_pDlgWnd;
    int m_idLastControl = 0;

    // The window of control id of the dialog (remembered for Fail). Fails the exchange when
    // the dialog has no such control.
    HWND PrepareCtrl(int id);
    HWND PrepareEditCtrl(int id) { return PrepareCtrl(id); }
    // Ends the exchange as failed: focus goes to the last prepared control and UpdateData
    // returns FALSE. The framework shows no message: a caller that needs one shows its own.
    [[noreturn]] void Fail();
};

namespace fw {

// Thrown by CDataExchange::Fail, caught by CWnd::UpdateData.
struct DataExchangeFailure {
    int controlId;
};

}  // namespace fw
