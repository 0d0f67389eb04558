// A property sheet: a window that shows one of its pages at a time. In wizard mode
// (SetWizardMode or PSH_WIZARD in m_psh.dwFlags) it has Back, Next/Finish, Cancel and, with
// PSH_HASHELP, Help buttons, and DoModal returns ID_WIZFINISH or IDCANCEL.
//
// The page list may change while the sheet runs (a page's OnWizardNext can rebuild the rest
// of the sequence); a removed page's window is destroyed, and a page added again gets a new
// window, with OnInitDialog, when it is next shown.
#pragma once

#include <string>
#include <vector>

#include "framework/CWnd.h"

class CPropertyPage;

struct FwSheetHeader {
    DWORD dwSize = sizeof(FwSheetHeader);
    DWORD dwFlags = 0;  // PSH_WIZARD, PSH_HASHELP, PSH_NOAPPLYNOW
    HICON hIcon = nullptr;
    UINT nStartPage = 0;
};

class CPropertySheet : public CWnd {
public:
    CPropertySheet() = default;
    explicit CPropertySheet(const std::string& caption, CWnd* parent = nullptr, UINT selectPage = 0);

    FwSheetHeader m_psh;

    void AddPage(CPropertyPage* page);
    void RemovePage(CPropertyPage* page);
    void RemovePage(int index);
    int GetPageCount() const { return static_cast<int>(m_pages.size()); }
    CPropertyPage* GetPage(int index) const;
    int GetPageIndex(const CPropertyPage* page) const;  // -1 when not in the list
    CPropertyPage* GetActivePage() const;
    int GetActiveIndex() const;
    BOOL SetActivePage(int index);
    BOOL SetActivePage(CPropertyPage* page);

    void SetWizardMode() { m_psh.dwFlags |= PSH_WIZARD; }
    bool IsWizard() const { return (m_psh.dwFlags & PSH_WIZARD) != 0; }
    // PSWIZB_ flags; posted to the running sheet, as the system's macro does.
    void SetWizardButtons(DWORD flags);
    void PressButton(int button);  // PSBTN_ value, posted
    void SetTitle(const std::string& title);
    const std::string& GetCaption() const { return m_caption; }
    CWnd* GetParentWindow() const { return m_pParentWnd; }

    virtual INT_PTR DoModal();
    void EndDialog(int result);

    // Called when the sheet window is made; the base makes and shows the start page, so an
    // override does its own set-up and then calls the base.
    virtual BOOL OnInitDialog();

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    std::vector<CPropertyPage*> m_pages;
    std::string m_caption;
    CWnd* m_pParentWnd = nullptr;
};
