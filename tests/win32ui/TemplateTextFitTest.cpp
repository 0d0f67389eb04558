// Every text a page or dialog shows fits its control in the dialog font, in every shipped
// language: each template of the language's dialog library is made on real windows (hidden), and
// each string of its string library that the utility puts into a control is measured with the
// control's own font, as the system would draw it.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/win32api.h"

#include <commctrl.h>
#include "resources/resource.h"
#include "support/ShownTexts.h"

namespace {

// Typical values for the texts that carry an argument (a setting's name).
constexpr const char* kSampleName = "Office Evening Proofs";

INT_PTR CALLBACK QuietDialogProc(HWND, UINT message, WPARAM, LPARAM) { return message == WM_INITDIALOG; }

std::string LoadText(HMODULE strings, UINT id) {
    char buffer[1024] = {};
    LoadStringA(strings, id, buffer, sizeof(buffer));
    std::string text = buffer;
    const size_t at = text.find("%s");
    if (at != std::string::npos) text.replace(at, 2, kSampleName);
    return text;
}

// The room the control's own parts take beside its text, in pixels.
int Decoration(HWND control) {
    char className[32] = {};
    GetClassNameA(control, className, sizeof(className));
    if (lstrcmpiA(className, "Button") != 0) return 0;
    const LONG type = GetWindowLongA(control, GWL_STYLE) & BS_TYPEMASK;
    switch (type) {
        case BS_GROUPBOX: return 2 * 8;
        case BS_CHECKBOX: case BS_AUTOCHECKBOX: case BS_RADIOBUTTON: case BS_AUTORADIOBUTTON:
        case BS_3STATE: case BS_AUTO3STATE:
            return GetSystemMetrics(SM_CXMENUCHECK) + 4;
        default: return 2 * 4;  // the push button's edges and focus rectangle
    }
}

// How the text overflows the control: empty when it fits.
std::string Overflow(HWND control, const std::string& text) {
    RECT client{};
    GetClientRect(control, &client);
    const int width = client.right - Decoration(control);
    HDC dc = GetDC(control);
    auto font = reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0));
    HGDIOBJ previous = SelectObject(dc, font);
    char className[32] = {};
    GetClassNameA(control, className, sizeof(className));
    const bool wraps = lstrcmpiA(className, "Static") == 0 ||
                       (GetWindowLongA(control, GWL_STYLE) & BS_MULTILINE) != 0;
    RECT needed{0, 0, width, 0};
    UINT format = DT_CALCRECT | DT_EXPANDTABS;
    if (wraps) format |= DT_WORDBREAK;
    DrawTextA(dc, text.c_str(), -1, &needed, format);
    SelectObject(dc, previous);
    ReleaseDC(control, dc);
    std::string problem;
    if (needed.right > width) problem += "too wide (" + std::to_string(needed.right) + " > " + std::to_string(width) + ")";
    // A group box shows one line on its frame; others have their whole client height.
    const LONG type = GetWindowLongA(control, GWL_STYLE) & BS_TYPEMASK;
    const bool groupBox = lstrcmpiA(className, "Button") == 0 && type == BS_GROUPBOX;
    const int height = groupBox ? needed.bottom : client.bottom;
    if (needed.bottom > height) {
        if (!problem.empty()) problem += ", ";
        problem += "too tall (" + std::to_string(needed.bottom) + " > " + std::to_string(height) + ")";
    }
    return problem;
}

// The codes of the shipped languages, as the libraries are named.
constexpr const char* kLanguages[] = {"ENU", "DEU", "FRA", "ESP", "ITA"};

class TemplateTextFitTest : public ::testing::TestWithParam<const char*> {
protected:
    void SetUp() override {
        INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES | ICC_BAR_CLASSES};
        InitCommonControlsEx(&controls);  // the trackbars of the gamma page
        const std::string code = GetParam();
        m_dialogs = LoadLibraryA(("XVDLG" + code + ".dll").c_str());
        m_strings = LoadLibraryA(("XVSTR" + code + ".dll").c_str());
        ASSERT_NE(m_dialogs, nullptr) << code;
        ASSERT_NE(m_strings, nullptr) << code;
        // Pages are child windows: they are made inside a hidden frame.
        m_frame = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 800, 600, nullptr, nullptr, nullptr, nullptr);
        ASSERT_NE(m_frame, nullptr);
    }
    void TearDown() override {
        if (m_frame) DestroyWindow(m_frame);
        if (m_strings) FreeLibrary(m_strings);
        if (m_dialogs) FreeLibrary(m_dialogs);
    }

    HMODULE m_dialogs = nullptr;
    HMODULE m_strings = nullptr;
    HWND m_frame = nullptr;
};

TEST_P(TemplateTextFitTest, EveryShownTextFitsItsControlInTheDialogFont) {
    int measured = 0;
    for (const TemplateTexts& entry : ShownTexts()) {
        HWND dialog = CreateDialogParamA(m_dialogs, MAKEINTRESOURCEA(entry.dialog), m_frame, &QuietDialogProc, 0);
        ASSERT_NE(dialog, nullptr) << "template " << entry.dialog;
        for (const ShownText& shown : entry.texts) {
            HWND control = GetDlgItem(dialog, static_cast<int>(shown.control));
            ASSERT_NE(control, nullptr) << "template " << entry.dialog << " control " << shown.control;
            for (UINT id : shown.strings) {
                const std::string text = LoadText(m_strings, id);
                ASSERT_FALSE(text.empty()) << "string " << id;
                EXPECT_EQ(Overflow(control, text), "")
                    << "template " << entry.dialog << " control " << shown.control << " string " << id << ": \"" << text << "\"";
                ++measured;
            }
        }
        DestroyWindow(dialog);
    }
    EXPECT_GT(measured, 80);
}

INSTANTIATE_TEST_SUITE_P(Languages, TemplateTextFitTest, ::testing::ValuesIn(kLanguages),
                         [](const auto& info) { return std::string(info.param); });

}  // namespace
