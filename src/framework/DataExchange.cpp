#include "framework/DataExchange.h"

#include <cerrno>
#include <cstdint>
#include <cstdlib>

#include "framework/CDataExchange.h"
#include "framework/CWnd.h"
#include "framework/WindowSystem.h"

namespace {

std::string WindowText(HWND window) {
    const auto length = fw::ws::Send(window, WM_GETTEXTLENGTH, 0, 0);
    std::string buffer(static_cast<size_t>(length > 0 ? length : 0) + 1, '\0');
    fw::ws::Send(window, WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(buffer.data()));
    return std::string(buffer.c_str());
}

void SetWindowText(HWND window, const std::string& text) {
    fw::ws::Send(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

bool IsBlank(const char* text) {
    while (*text == ' ' || *text == '\t') ++text;
    return *text == '\0';
}

LPARAM Text(const std::string& text) { return reinterpret_cast<LPARAM>(text.c_str()); }

std::string ItemText(HWND window, UINT lengthMessage, UINT textMessage, int index) {
    const auto length = fw::ws::Send(window, lengthMessage, static_cast<WPARAM>(index), 0);
    if (length < 0) return {};
    std::string buffer(static_cast<size_t>(length) + 1, '\0');
    fw::ws::Send(window, textMessage, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(buffer.data()));
    return std::string(buffer.c_str());
}

bool IsRadio(HWND window) {
    const DWORD type = fw::ws::Style(window) & BS_TYPEMASK;
    return fw::ws::WindowClass(window) == FW_CLASS_BUTTON && (type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON);
}

}  // namespace

void DDX_Control(CDataExchange* dx, int id, CWnd& control) {
    if (control.m_hWnd) return;  // attached by an earlier exchange of the same window
    HWND window = dx->PrepareCtrl(id);
    control.Attach(window);
}

void DDX_Text(CDataExchange* dx, int id, std::string& value) {
    HWND window = dx->PrepareEditCtrl(id);
    if (dx->m_bSaveAndValidate) value = WindowText(window);
    else SetWindowText(window, value);
}

void DDX_Text(CDataExchange* dx, int id, int& value) {
    HWND window = dx->PrepareEditCtrl(id);
    if (!dx->m_bSaveAndValidate) {
        SetWindowText(window, std::to_string(value));
        return;
    }
    const std::string text = WindowText(window);
    char* end = nullptr;
    errno = 0;
    const long long number = std::strtoll(text.c_str(), &end, 10);
    if (end == text.c_str() || !IsBlank(end) || errno == ERANGE || number < INT32_MIN || number > INT32_MAX) dx->Fail();
    value = static_cast<int>(number);
}

void DDX_Text(CDataExchange* dx, int id, UINT& value) {
    HWND window = dx->PrepareEditCtrl(id);
    if (!dx->m_bSaveAndValidate) {
        SetWindowText(window, std::to_string(value));
        return;
    }
    const std::string text = WindowText(window);
    char* end = nullptr;
    errno = 0;
    const unsigned long long number = std::strtoull(text.c_str(), &end, 10);
    if (end == text.c_str() || !IsBlank(end) || errno == ERANGE || number > UINT32_MAX || text.find('-') != std::string::npos) {
        dx->Fail();
    }
    value = static_cast<UINT>(number);
}

void DDX_Check(CDataExchange* dx, int id, int& value) {
    HWND window = dx->PrepareCtrl(id);
    if (dx->m_bSaveAndValidate) value = static_cast<int>(fw::ws::Send(window, BM_GETCHECK, 0, 0));
    else fw::ws::Send(window, BM_SETCHECK, static_cast<WPARAM>(value), 0);
}

void DDX_Radio(CDataExchange* dx, int firstId, int& index) {
    HWND window = dx->PrepareCtrl(firstId);
    if (dx->m_bSaveAndValidate) index = -1;
    int position = 0;
    for (HWND button = window; button; button = fw::ws::NextSibling(button)) {
        if (button != window && (fw::ws::Style(button) & WS_GROUP)) break;
        if (!IsRadio(button)) continue;
        if (dx->m_bSaveAndValidate) {
            if (fw::ws::Send(button, BM_GETCHECK, 0, 0) == BST_CHECKED) index = position;
        } else {
            fw::ws::Send(button, BM_SETCHECK, position == index ? BST_CHECKED : BST_UNCHECKED, 0);
        }
        ++position;
    }
}

void DDX_LBIndex(CDataExchange* dx, int id, int& index) {
    HWND window = dx->PrepareCtrl(id);
    if (dx->m_bSaveAndValidate) index = static_cast<int>(fw::ws::Send(window, LB_GETCURSEL, 0, 0));
    else fw::ws::Send(window, LB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

void DDX_LBString(CDataExchange* dx, int id, std::string& value) {
    HWND window = dx->PrepareCtrl(id);
    if (dx->m_bSaveAndValidate) {
        const int selection = static_cast<int>(fw::ws::Send(window, LB_GETCURSEL, 0, 0));
        value = selection < 0 ? std::string() : ItemText(window, LB_GETTEXTLEN, LB_GETTEXT, selection);
    } else if (fw::ws::Send(window, LB_SELECTSTRING, static_cast<WPARAM>(-1), Text(value)) == LB_ERR) {
        fw::ws::Send(window, LB_SETCURSEL, static_cast<WPARAM>(-1), 0);
    }
}

void DDX_LBStringExact(CDataExchange* dx, int id, std::string& value) {
    HWND window = dx->PrepareCtrl(id);
    if (dx->m_bSaveAndValidate) {
        const int selection = static_cast<int>(fw::ws::Send(window, LB_GETCURSEL, 0, 0));
        value = selection < 0 ? std::string() : ItemText(window, LB_GETTEXTLEN, LB_GETTEXT, selection);
        return;
    }
    const auto found = fw::ws::Send(window, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), Text(value));
    fw::ws::Send(window, LB_SETCURSEL, static_cast<WPARAM>(found), 0);
}

void DDX_CBIndex(CDataExchange* dx, int id, int& index) {
    HWND window = dx->PrepareCtrl(id);
    if (dx->m_bSaveAndValidate) index = static_cast<int>(fw::ws::Send(window, CB_GETCURSEL, 0, 0));
    else fw::ws::Send(window, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

void DDX_CBString(CDataExchange* dx, int id, std::string& value) {
    HWND window = dx->PrepareCtrl(id);
    if (dx->m_bSaveAndValidate) {
        value = WindowText(window);
    } else if (fw::ws::Send(window, CB_SELECTSTRING, static_cast<WPARAM>(-1), Text(value)) == CB_ERR) {
        SetWindowText(window, value);
    }
}

void DDX_CBStringExact(CDataExchange* dx, int id, std::string& value) {
    HWND window = dx->PrepareCtrl(id);
    if (dx->m_bSaveAndValidate) {
        value = WindowText(window);
        return;
    }
    const auto found = fw::ws::Send(window, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), Text(value));
    if (found == CB_ERR) SetWindowText(window, value);
    else fw::ws::Send(window, CB_SETCURSEL, static_cast<WPARAM>(found), 0);
}

void DDX_Slider(CDataExchange* dx, int id, int& position) {
    HWND window = dx->PrepareCtrl(id);
    if (dx->m_bSaveAndValidate) position = static_cast<int>(fw::ws::Send(window, TBM_GETPOS, 0, 0));
    else fw::ws::Send(window, TBM_SETPOS, TRUE, static_cast<LPARAM>(position));
}

void DDV_MaxChars(CDataExchange* dx, const std::string& value, int maxChars) {
    if (dx->m_bSaveAndValidate) {
        if (static_cast<int>(value.size()) > maxChars) dx->Fail();
        return;
    }
    if (dx->m_idLastControl == 0 || !dx->m_pDlgWnd) return;
    HWND window = fw::ws::DialogItem(dx->m_pDlgWnd->m_hWnd, dx->m_idLastControl);
    if (!window) return;
    const UINT limitMessage = fw::ws::WindowClass(window) == FW_CLASS_COMBOBOX ? CB_LIMITTEXT : EM_LIMITTEXT;
    fw::ws::Send(window, limitMessage, static_cast<WPARAM>(maxChars), 0);
}

void DDV_MinMaxInt(CDataExchange* dx, int value, int minimum, int maximum) {
    if (dx->m_bSaveAndValidate && (value < minimum || value > maximum)) dx->Fail();
}
