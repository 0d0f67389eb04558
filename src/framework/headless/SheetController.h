// The property sheet of the headless backend, driven as the system's sheet drives its pages:
// notifications (PSN_) to the page objects, the wizard buttons as child buttons of the sheet
// (ID_WIZBACK, ID_WIZNEXT, ID_WIZFINISH, IDCANCEL, IDHELP), the PSM_ messages, and the page
// list of the CPropertySheet object, which may change while the sheet runs.
#pragma once

#include "framework/UiTypes.h"
#include "framework/headless/Window.h"

class CPropertySheet;
class CPropertyPage;

namespace fw::headless {

class SheetController {
public:
    SheetController(HWND window, CPropertySheet* sheet) : m_window(window), m_sheet(sheet) {}

    // The sheet window with its buttons, sized for the largest page; the sheet object attached.
    static HWND Create(CPropertySheet* sheet);

    LRESULT Proc(Window& window, UINT message, WPARAM wParam, LPARAM lParam);
    void PageRemoving(int index);

    CPropertySheet* Sheet() const { return m_sheet; }
    CPropertyPage* ActivePage() const { return m_active; }
    int ActiveIndex() const;
    DWORD WizardButtons() const { return m_buttons; }
    bool IsWizard() const;

private:
    bool Start();
    bool Activate(int index, int direction);
    // The focus after a page change: the new page's first tab stop, unless it is on a button
    // of the sheet.
    void FocusPage(HWND page, HWND oldPage);
    HWND PageWindow(CPropertyPage* page);
    LRESULT Notify(CPropertyPage* page, UINT code);
    bool GoTo(int index, int direction);
    int IndexOfTemplate(LRESULT templateId) const;
    void Back();
    void Next();
    void Finish();
    void Cancel();
    void Help();
    void Ok();
    bool Apply();
    void SetButtons(DWORD flags);
    void UpdateHelpButton();
    void ShowButton(UINT id, bool visible, bool enabled);

    HWND m_window;
    CPropertySheet* m_sheet;
    CPropertyPage* m_active = nullptr;
    DWORD m_buttons = PSWIZB_BACK | PSWIZB_NEXT;
    RECT m_pageArea{0, 0, 0, 0};
};

}  // namespace fw::headless
