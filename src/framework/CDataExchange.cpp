#include "framework/CDataExchange.h"

#include "framework/CWnd.h"
#include "framework/WindowSystem.h"

CDataExchange::CDataExchange(CWnd* dialog, BOOL saveAndValidate)
    : m_bSaveAndValidate(saveAndValidate), m_pDlgWnd(dialog) {}

HWND CDataExchange::PrepareCtrl(int id) {
    m_idLastControl = id;
    HWND control = m_pDlgWnd ? fw::ws::DialogItem(m_pDlgWnd->m_hWnd, id) : nullptr;
    if (!control) Fail();
    return control;
}

void CDataExchange::Fail() {
    if (m_bSaveAndValidate && m_pDlgWnd && m_idLastControl != 0) {
        if (HWND control = fw::ws::DialogItem(m_pDlgWnd->m_hWnd, m_idLastControl)) fw::ws::SetFocusTo(control);
    }
    throw fw::DataExchangeFailure{m_idLastControl};
}
