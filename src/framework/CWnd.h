// The window object: wraps one window of the window system and receives its messages through
// the virtual handlers below. Controls, dialogs, pages and the property sheet derive from it.
//
// A window's messages reach the object attached to it (Attach, SubclassWindow, or
// DDX_Control in a dialog's data exchange). A handler that does not handle its message calls
// Default(), which leaves it to the window's class.
//
// Commands of child controls go to OnCommand; the command map routes them to member functions:
//   MapCommand(IDC_MY_BUTTON, &CMyPage::OnButtonClicked);          // BN_CLICKED of the button
//   MapCommandRange(IDC_FIRST_RADIO, IDC_LAST_RADIO, &CMyPage::OnRadio);  // handler gets the id
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "framework/CPoint.h"
#include "framework/CRect.h"
#include "framework/UiTypes.h"

class CDataExchange;
class CMenu;
class CFont;

class CWnd {
public:
    CWnd() = default;
    virtual ~CWnd();
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    HWND m_hWnd = nullptr;

    HWND GetSafeHwnd() const { return m_hWnd; }
    operator HWND() const { return m_hWnd; }
    // The object of a window: the attached one, or a temporary object of the window's class
    // (CButton, CStatic, CEdit, CListBox, CComboBox, CSliderCtrl, else CWnd) that lives until
    // the window is destroyed. Null for a null or dead handle.
    static CWnd* FromHandle(HWND window);

    BOOL Attach(HWND window);
    HWND Detach();
    BOOL SubclassWindow(HWND window) { return Attach(window); }
    BOOL SubclassDlgItem(UINT id, CWnd* parent);

    // ---- Messages ----
    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    LRESULT SendDlgItemMessage(int id, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;

    // ---- Text ----
    void SetWindowText(const std::string& text);
    void GetWindowText(std::string& text) const;
    std::string GetWindowText() const;
    int GetWindowTextLength() const;

    // ---- Family and dialog items ----
    CWnd* GetParent() const;
    // A top-level window by class and title (null matches any); null when there is none.
    static CWnd* FindWindow(const char* className, const char* windowName);
    CWnd* GetDlgItem(int id) const;
    int GetDlgCtrlID() const;
    DWORD GetStyle() const;
    void SetDlgItemText(int id, const std::string& text);
    int GetDlgItemText(int id, std::string& text) const;
    std::string GetDlgItemText(int id) const;
    void SetDlgItemInt(int id, UINT value, BOOL isSigned = TRUE);
    UINT GetDlgItemInt(int id, BOOL* translated = nullptr, BOOL isSigned = TRUE) const;
    void CheckDlgButton(int id, UINT check);
    UINT IsDlgButtonChecked(int id) const;
    // Checks check and unchecks every other button with an id from first to last.
    void CheckRadioButton(int first, int last, int check);
    int GetCheckedRadioButton(int first, int last) const;  // 0 when none

    // ---- State and place ----
    BOOL EnableWindow(BOOL enable = TRUE);
    BOOL IsWindowEnabled() const;
    BOOL ShowWindow(int command);
    BOOL IsWindowVisible() const;
    void GetClientRect(LPRECT rect) const;
    void GetWindowRect(LPRECT rect) const;
    void MoveWindow(int x, int y, int width, int height, BOOL repaint = TRUE);
    void MoveWindow(LPCRECT rect, BOOL repaint = TRUE);
    void ScreenToClient(LPPOINT point) const;
    void ScreenToClient(LPRECT rect) const;
    void ClientToScreen(LPPOINT point) const;
    void ClientToScreen(LPRECT rect) const;
    BOOL DestroyWindow();

    // ---- Painting ----
    void Invalidate(BOOL erase = TRUE);
    void UpdateWindow();
    BOOL RedrawWindow(LPCRECT rect = nullptr, UINT flags = RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE);

    // ---- Timers, capture, focus ----
    UINT_PTR SetTimer(UINT_PTR id, UINT elapse, TIMERPROC callback = nullptr);
    BOOL KillTimer(UINT_PTR id);
    CWnd* SetCapture();  // returns the window that had the capture
    static CWnd* GetCapture();
    static BOOL ReleaseCapture();
    CWnd* SetFocus();
    static CWnd* GetFocus();

    // ---- Menus, icons, fonts ----
    // The system menu of a top-level window; null when it has none. Lives with the window.
    CMenu* GetSystemMenu(BOOL revert) const;
    HICON SetIcon(HICON icon, BOOL big);
    HICON GetIcon(BOOL big) const;
    void SetFont(CFont* font, BOOL redraw = TRUE);
    HFONT GetFontHandle() const;

    // ---- Message box owned by this window ----
    int MessageBox(const std::string& text, const std::string& caption = {}, UINT type = MB_OK);

    // ---- Dialog data exchange ----
    // Load (FALSE) fills the controls from the members; save (TRUE) reads them back and
    // validates. FALSE when a validation failed.
    BOOL UpdateData(BOOL saveAndValidate = TRUE);
    virtual void DoDataExchange(CDataExchange* dx);

    // ---- For the window system ----
    // Delivers one message to this object (the backend calls it for the attached window).
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    // Forgets the temporary object of a window that was destroyed.
    static void DeleteTempObject(HWND window);

    // ---- Command map ----
    template <class T>
    void MapCommand(UINT id, void (T::*handler)(), UINT code = BN_CLICKED) {
        T* self = static_cast<T*>(this);
        m_commands.push_back(CommandEntry{id, id, code, [self, handler](UINT) { (self->*handler)(); }});
    }
    template <class T>
    void MapCommandRange(UINT first, UINT last, void (T::*handler)(UINT), UINT code = BN_CLICKED) {
        T* self = static_cast<T*>(this);
        m_commands.push_back(CommandEntry{first, last, code, [self, handler](UINT id) { (self->*handler)(id); }});
    }

protected:
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // The class's handling of the message being handled now.
    LRESULT Default();

    // Command of a child control or menu: TRUE when handled. The base tries the command map.
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
    virtual BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result);
    virtual void OnSysCommand(UINT id, LPARAM lParam);
    virtual void OnTimer(UINT_PTR id);
    virtual void OnPaint();
    virtual void OnMouseMove(UINT flags, CPoint point);
    virtual void OnLButtonDown(UINT flags, CPoint point);
    virtual void OnLButtonUp(UINT flags, CPoint point);
    virtual void OnLButtonDblClk(UINT flags, CPoint point);
    virtual void OnCaptureChanged(CWnd* newCapture);
    virtual void OnHScroll(UINT code, UINT position, CWnd* scrollBar);
    virtual void OnVScroll(UINT code, UINT position, CWnd* scrollBar);
    virtual void OnEndSession(BOOL ending);
    virtual void OnClose();
    virtual void OnDestroy();

private:
    struct CommandEntry {
        UINT first;
        UINT last;
        UINT code;
        std::function<void(UINT)> handler;
    };
    struct CurrentMessage {
        UINT message = 0;
        WPARAM wParam = 0;
        LPARAM lParam = 0;
    };

    std::vector<CommandEntry> m_commands;
    CurrentMessage m_current;
};
