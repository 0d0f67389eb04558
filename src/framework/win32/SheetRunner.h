// Runs a CPropertySheet on the system's property sheet (PropertySheetA): pages are made from
// their dialog resources (the module and template id of the page, or PSP_DLGINDIRECT with the
// template's bytes) and attached to their page objects when they are made; the sheet window is attached to the sheet object as it is created, so its
// OnInitDialog runs before the sheet makes its first page.
#pragma once

#include "framework/UiTypes.h"

class CPropertySheet;
class CPropertyPage;
class CWnd;

namespace fw::win32 {

class SheetRunner {
public:
    explicit SheetRunner(CPropertySheet* sheet) : m_sheet(sheet) {}

    INT_PTR Run();

    // The running sheet that window belongs to; null when none.
    static SheetRunner* ForSheet(HWND window);
    // Ends the sheet with result: its Cancel button is pressed, and the run returns result.
    static bool End(HWND window, INT_PTR result);
    static void PageAdded(HWND window, CPropertyPage* page);
    static void PageRemoving(HWND window, int index);
    // A page's answer to a sheet notification, in the system's terms: a template id to jump to
    // stays the id for pages made by id; for pages made from bytes the page stays and the sheet
    // is asked to select the target by its index.
    static LRESULT TranslatePageResult(CWnd* object, LPARAM lParam, LRESULT result);
    // True when a sheet being ended by End is asking a page whether it may cancel, or telling
    // it that it was cancelled: the page's object must not see it (result: the answer).
    static bool SwallowPageNotification(CWnd* object, LPARAM lParam, LRESULT* result);
    // Messages of the sheet that its pages get as well, before the sheet's object sees them
    // (the end of the session).
    static void PassToPages(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    // Posted to a sheet when a page has been activated: the system's sheet sets the title from
    // the page after the page's activation handler ran, so the title the wizard asked for is
    // put back once the change of page is complete.
    static UINT TitleMessage();
    // Handles the runner's own posted messages for a running sheet; false for anything else.
    static bool HandleSheetMessage(HWND window, UINT message);

private:
    static INT_PTR CALLBACK PageProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    // Places the sheet once it has its size: centred as dialogs are, not where the system puts
    // a dialog without a position (the screen's top-left corner).
    static int CALLBACK SheetCallback(HWND window, UINT message, LPARAM lParam);
    static LRESULT CALLBACK CreationHook(int code, WPARAM wParam, LPARAM lParam);
    PROPSHEETPAGEA PageHeader(CPropertyPage* page);
    bool HasPage(const CPropertyPage* page) const;

    CPropertySheet* m_sheet;
    HWND m_window = nullptr;
    HHOOK m_hook = nullptr;
    bool m_finished = false;
    bool m_ended = false;
    INT_PTR m_endResult = 0;
};

}  // namespace fw::win32
