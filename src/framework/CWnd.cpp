#include "framework/CWnd.h"

#include <cstdlib>
#include <map>
#include <memory>
#include <utility>

#include "framework/CButton.h"
#include "framework/CComboBox.h"
#include "framework/CDataExchange.h"
#include "framework/CEdit.h"
#include "framework/CFont.h"
#include "framework/CListBox.h"
#include "framework/OwnedPictures.h"
#include "framework/CMenu.h"
#include "framework/CSliderCtrl.h"
#include "framework/CStatic.h"
#include "framework/WindowSystem.h"

namespace {

std::map<HWND, std::unique_ptr<CWnd>>& TempObjects() {
    static std::map<HWND, std::unique_ptr<CWnd>> objects;
    return objects;
}

std::unique_ptr<CWnd> MakeTempObject(HWND window) {
    const std::string cls = fw::ws::WindowClass(window);
    std::unique_ptr<CWnd> object;
    if (cls == FW_CLASS_BUTTON) object = std::make_unique<CButton>();
    else if (cls == FW_CLASS_STATIC) object = std::make_unique<CStatic>();
    else if (cls == FW_CLASS_EDIT) object = std::make_unique<CEdit>();
    else if (cls == FW_CLASS_LISTBOX) object = std::make_unique<CListBox>();
    else if (cls == FW_CLASS_COMBOBOX) object = std::make_unique<CComboBox>();
    else if (cls == FW_CLASS_TRACKBAR) object = std::make_unique<CSliderCtrl>();
    else object = std::make_unique<CWnd>();
    object->m_hWnd = window;
    return object;
}

}  // namespace

CWnd::~CWnd() {
    // The window may outlive its object (a control member of a page that is destroyed
    // first); it then goes back to its class's default handling.
    if (m_hWnd && fw::ws::AttachedObject(m_hWnd) == this) fw::ws::DetachObject(m_hWnd);
}

CWnd* CWnd::FromHandle(HWND window) {
    if (!window || !fw::ws::IsWindow(window)) return nullptr;
    if (CWnd* attached = fw::ws::AttachedObject(window)) return attached;
    auto& temp = TempObjects()[window];
    if (!temp) temp = MakeTempObject(window);
    return temp.get();
}

void CWnd::DeleteTempObject(HWND window) { TempObjects().erase(window); }

BOOL CWnd::Attach(HWND window) {
    if (m_hWnd || !window || !fw::ws::IsWindow(window)) return FALSE;
    if (fw::ws::AttachedObject(window)) return FALSE;
    m_hWnd = window;
    fw::ws::AttachObject(window, this);
    return TRUE;
}

HWND CWnd::Detach() {
    HWND window = m_hWnd;
    if (window && fw::ws::AttachedObject(window) == this) fw::ws::DetachObject(window);
    m_hWnd = nullptr;
    return window;
}

BOOL CWnd::SubclassDlgItem(UINT id, CWnd* parent) {
    if (!parent) return FALSE;
    return Attach(fw::ws::DialogItem(parent->m_hWnd, static_cast<int>(id)));
}

// ---- Messages ----------------------------------------------------------------------------------

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) const {
    return fw::ws::Send(m_hWnd, message, wParam, lParam);
}

BOOL CWnd::PostMessage(UINT message, WPARAM wParam, LPARAM lParam) const {
    return fw::ws::Post(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::SendDlgItemMessage(int id, UINT message, WPARAM wParam, LPARAM lParam) const {
    return fw::ws::Send(fw::ws::DialogItem(m_hWnd, id), message, wParam, lParam);
}

// ---- Text --------------------------------------------------------------------------------------

void CWnd::SetWindowText(const std::string& text) {
    SendMessage(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void CWnd::GetWindowText(std::string& text) const {
    const int length = GetWindowTextLength();
    std::string buffer(static_cast<size_t>(length) + 1, '\0');
    SendMessage(WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(buffer.data()));
    text.assign(buffer.c_str());
}

std::string CWnd::GetWindowText() const {
    std::string text;
    GetWindowText(text);
    return text;
}

int CWnd::GetWindowTextLength() const {
    const auto length = SendMessage(WM_GETTEXTLENGTH);
    return length > 0 ? static_cast<int>(length) : 0;
}

// ---- Family and dialog items ---------------------------------------------------------------

CWnd* CWnd::GetParent() const { return FromHandle(fw::ws::Parent(m_hWnd)); }

CWnd* CWnd::FindWindow(const char* className, const char* windowName) {
    return FromHandle(fw::ws::Find(className, windowName));
}

CWnd* CWnd::GetDlgItem(int id) const { return FromHandle(fw::ws::DialogItem(m_hWnd, id)); }

int CWnd::GetDlgCtrlID() const { return fw::ws::ControlId(m_hWnd); }

DWORD CWnd::GetStyle() const { return fw::ws::Style(m_hWnd); }

void CWnd::SetDlgItemText(int id, const std::string& text) {
    SendDlgItemMessage(id, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

int CWnd::GetDlgItemText(int id, std::string& text) const {
    text.clear();
    if (CWnd* item = GetDlgItem(id)) item->GetWindowText(text);
    return static_cast<int>(text.size());
}

std::string CWnd::GetDlgItemText(int id) const {
    std::string text;
    GetDlgItemText(id, text);
    return text;
}

void CWnd::SetDlgItemInt(int id, UINT value, BOOL isSigned) {
    SetDlgItemText(id, isSigned ? std::to_string(static_cast<int>(value)) : std::to_string(value));
}

UINT CWnd::GetDlgItemInt(int id, BOOL* translated, BOOL isSigned) const {
    if (translated) *translated = FALSE;
    if (!GetDlgItem(id)) return 0;
    const std::string text = GetDlgItemText(id);
    const char* start = text.c_str();
    while (*start == ' ') ++start;
    char* end = nullptr;
    const long long value = std::strtoll(start, &end, 10);
    if (end == start || *end != '\0') return 0;
    if (!isSigned && (value < 0 || value > 0xFFFFFFFFll)) return 0;
    if (isSigned && (value < -2147483648ll || value > 2147483647ll)) return 0;
    if (translated) *translated = TRUE;
    return static_cast<UINT>(value);
}

void CWnd::CheckDlgButton(int id, UINT check) { SendDlgItemMessage(id, BM_SETCHECK, check); }

UINT CWnd::IsDlgButtonChecked(int id) const { return static_cast<UINT>(SendDlgItemMessage(id, BM_GETCHECK)); }

void CWnd::CheckRadioButton(int first, int last, int check) {
    for (int id = first; id <= last; ++id) {
        if (fw::ws::DialogItem(m_hWnd, id)) CheckDlgButton(id, id == check ? BST_CHECKED : BST_UNCHECKED);
    }
}

int CWnd::GetCheckedRadioButton(int first, int last) const {
    for (int id = first; id <= last; ++id) {
        if (fw::ws::DialogItem(m_hWnd, id) && IsDlgButtonChecked(id) == BST_CHECKED) return id;
    }
    return 0;
}

// ---- State and place -----------------------------------------------------------------------

BOOL CWnd::EnableWindow(BOOL enable) { return fw::ws::Enable(m_hWnd, enable); }

BOOL CWnd::IsWindowEnabled() const { return fw::ws::IsEnabled(m_hWnd); }

BOOL CWnd::ShowWindow(int command) { return fw::ws::Show(m_hWnd, command); }

BOOL CWnd::IsWindowVisible() const { return fw::ws::IsVisible(m_hWnd); }

void CWnd::GetClientRect(LPRECT rect) const {
    if (rect && !fw::ws::ClientRect(m_hWnd, rect)) *rect = RECT{0, 0, 0, 0};
}

void CWnd::GetWindowRect(LPRECT rect) const {
    if (rect && !fw::ws::WindowRect(m_hWnd, rect)) *rect = RECT{0, 0, 0, 0};
}

void CWnd::MoveWindow(int x, int y, int width, int height, BOOL repaint) {
    fw::ws::Move(m_hWnd, x, y, width, height, repaint);
}

void CWnd::MoveWindow(LPCRECT rect, BOOL repaint) {
    if (rect) MoveWindow(rect->left, rect->top, rect->right - rect->left, rect->bottom - rect->top, repaint);
}

void CWnd::ScreenToClient(LPPOINT point) const { fw::ws::ScreenToClientPoint(m_hWnd, point); }

void CWnd::ScreenToClient(LPRECT rect) const {
    POINT topLeft{rect->left, rect->top};
    POINT bottomRight{rect->right, rect->bottom};
    ScreenToClient(&topLeft);
    ScreenToClient(&bottomRight);
    *rect = RECT{topLeft.x, topLeft.y, bottomRight.x, bottomRight.y};
}

void CWnd::ClientToScreen(LPPOINT point) const { fw::ws::ClientToScreenPoint(m_hWnd, point); }

void CWnd::ClientToScreen(LPRECT rect) const {
    POINT topLeft{rect->left, rect->top};
    POINT bottomRight{rect->right, rect->bottom};
    ClientToScreen(&topLeft);
    ClientToScreen(&bottomRight);
    *rect = RECT{topLeft.x, topLeft.y, bottomRight.x, bottomRight.y};
}

BOOL CWnd::DestroyWindow() {
    if (!m_hWnd) return FALSE;
    return fw::ws::Destroy(m_hWnd);
}

// ---- Painting ------------------------------------------------------------------------------

void CWnd::Invalidate(BOOL) { fw::ws::InvalidateWindow(m_hWnd); }

void CWnd::UpdateWindow() { fw::ws::UpdateNow(m_hWnd); }

BOOL CWnd::RedrawWindow(LPCRECT, UINT flags) {
    if (!m_hWnd) return FALSE;
    if (flags & RDW_INVALIDATE) fw::ws::InvalidateWindow(m_hWnd);
    if (flags & RDW_UPDATENOW) fw::ws::UpdateNow(m_hWnd);
    return TRUE;
}

// ---- Timers, capture, focus ------------------------------------------------------------------

UINT_PTR CWnd::SetTimer(UINT_PTR id, UINT elapse, TIMERPROC callback) {
    return fw::ws::StartTimer(m_hWnd, id, elapse, callback);
}

BOOL CWnd::KillTimer(UINT_PTR id) { return fw::ws::StopTimer(m_hWnd, id); }

CWnd* CWnd::SetCapture() { return FromHandle(fw::ws::Capture(m_hWnd)); }

CWnd* CWnd::GetCapture() { return FromHandle(fw::ws::CaptureWindow()); }

BOOL CWnd::ReleaseCapture() { return fw::ws::ReleaseTheCapture(); }

CWnd* CWnd::SetFocus() { return FromHandle(fw::ws::SetFocusTo(m_hWnd)); }

CWnd* CWnd::GetFocus() { return FromHandle(fw::ws::Focus()); }

// ---- Menus, icons, fonts -------------------------------------------------------------------

CMenu* CWnd::GetSystemMenu(BOOL revert) const { return CMenu::FromHandle(fw::ws::SystemMenu(m_hWnd, revert)); }

HICON CWnd::SetIcon(HICON icon, BOOL big) {
    return reinterpret_cast<HICON>(SendMessage(WM_SETICON, big ? ICON_BIG : ICON_SMALL, reinterpret_cast<LPARAM>(icon)));
}

HICON CWnd::GetIcon(BOOL big) const {
    return reinterpret_cast<HICON>(SendMessage(WM_GETICON, big ? ICON_BIG : ICON_SMALL));
}

void CWnd::SetFont(CFont* font, BOOL redraw) {
    SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(font ? font->m_hObject : nullptr), redraw);
}

HFONT CWnd::GetFontHandle() const { return reinterpret_cast<HFONT>(SendMessage(WM_GETFONT)); }

int CWnd::MessageBox(const std::string& text, const std::string& caption, UINT type) {
    return fw::SystemMessageBox(m_hWnd, text, caption.empty() ? std::string(fw::AppTitle()) : caption, type);
}

// ---- Dialog data exchange --------------------------------------------------------------------

BOOL CWnd::UpdateData(BOOL saveAndValidate) {
    CDataExchange dx(this, saveAndValidate);
    try {
        DoDataExchange(&dx);
    } catch (const fw::DataExchangeFailure&) {
        return FALSE;
    }
    return TRUE;
}

void CWnd::DoDataExchange(CDataExchange*) {}

// ---- Message dispatch ------------------------------------------------------------------------

LRESULT CWnd::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    const CurrentMessage saved = std::exchange(m_current, CurrentMessage{message, wParam, lParam});
    const LRESULT result = WindowProc(message, wParam, lParam);
    m_current = saved;
    return result;
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
            if (OnCommand(wParam, lParam)) return 0;
            break;
        case WM_NOTIFY: {
            LRESULT result = 0;
            if (OnNotify(wParam, lParam, &result)) return result;
            break;
        }
        case WM_SYSCOMMAND: OnSysCommand(static_cast<UINT>(wParam), lParam); return 0;
        case WM_TIMER: OnTimer(wParam); return 0;
        case WM_PAINT: OnPaint(); return 0;
        case WM_MOUSEMOVE: OnMouseMove(static_cast<UINT>(wParam), CPoint(lParam)); return 0;
        case WM_LBUTTONDOWN: OnLButtonDown(static_cast<UINT>(wParam), CPoint(lParam)); return 0;
        case WM_LBUTTONUP: OnLButtonUp(static_cast<UINT>(wParam), CPoint(lParam)); return 0;
        case WM_LBUTTONDBLCLK: OnLButtonDblClk(static_cast<UINT>(wParam), CPoint(lParam)); return 0;
        case WM_CAPTURECHANGED: OnCaptureChanged(FromHandle(reinterpret_cast<HWND>(lParam))); return 0;
        case WM_HSCROLL:
            OnHScroll(LOWORD(wParam), HIWORD(wParam), FromHandle(reinterpret_cast<HWND>(lParam)));
            return 0;
        case WM_VSCROLL:
            OnVScroll(LOWORD(wParam), HIWORD(wParam), FromHandle(reinterpret_cast<HWND>(lParam)));
            return 0;
        case WM_ENDSESSION: OnEndSession(static_cast<BOOL>(wParam)); return 0;
        case WM_CLOSE: OnClose(); return 0;
        case WM_DESTROY:
            OnDestroy();
            // What its pictures still show goes with the window (the framework loaded it).
            fw::OwnedPictures::ReleaseShownBy(m_hWnd);
            return 0;
        default: break;
    }
    return DefWindowProc(message, wParam, lParam);
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    return fw::ws::DefaultProc(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::Default() { return DefWindowProc(m_current.message, m_current.wParam, m_current.lParam); }

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM) {
    const UINT id = LOWORD(wParam);
    const UINT code = HIWORD(wParam);
    for (const auto& entry : m_commands) {
        if (id >= entry.first && id <= entry.last && code == entry.code) {
            const auto handler = entry.handler;  // the handler may change the map
            handler(id);
            return TRUE;
        }
    }
    return FALSE;
}

BOOL CWnd::OnNotify(WPARAM, LPARAM, LRESULT*) { return FALSE; }

void CWnd::OnSysCommand(UINT, LPARAM) { Default(); }

void CWnd::OnTimer(UINT_PTR) { Default(); }

void CWnd::OnPaint() { Default(); }

void CWnd::OnMouseMove(UINT, CPoint) { Default(); }

void CWnd::OnLButtonDown(UINT, CPoint) { Default(); }

void CWnd::OnLButtonUp(UINT, CPoint) { Default(); }

void CWnd::OnLButtonDblClk(UINT, CPoint) { Default(); }

void CWnd::OnCaptureChanged(CWnd*) { Default(); }

void CWnd::OnHScroll(UINT, UINT, CWnd*) { Default(); }

void CWnd::OnVScroll(UINT, UINT, CWnd*) { Default(); }

void CWnd::OnEndSession(BOOL) { Default(); }

void CWnd::OnClose() { Default(); }

void CWnd::OnDestroy() { Default(); }
