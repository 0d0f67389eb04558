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

namespace {

// Typical values for the texts that carry an argument (a setting's name).
constexpr const char* kSampleName = "Office Evening Proofs";

struct ShownText {
    UINT control;
    std::vector<UINT> strings;  // every string the control can show
};

struct TemplateTexts {
    UINT dialog;
    std::vector<ShownText> texts;
};

// What the utility shows in which control (a control that shows numbers or names only is left
// out; so are window titles, which the frame shows).
const std::vector<TemplateTexts>& ShownTexts() {
    static const std::vector<TemplateTexts> texts = {
        {IDD_SELECT_EDIT_PAGE,
         {{IDC_SELECTEDIT_HEADING, {IDS_SELECTEDIT_INTRO}},
          {IDC_SELECTEDIT_DESCRIPTION,
           {IDS_SELECTEDIT_COLOR_DESCRIPTION, IDS_SELECTEDIT_GAMMA_DESCRIPTION, IDS_SELECTEDIT_EXCHANGE_DESCRIPTION}},
          {IDC_SELECTEDIT_ADJUST_GROUP, {IDS_SELECTEDIT_ADJUST_GROUP}},
          {IDC_SELECTEDIT_MANAGE_GROUP, {IDS_SELECTEDIT_MANAGE_GROUP}},
          {IDC_SELECTEDIT_COLOR_RADIO, {IDS_SELECTEDIT_COLOR_OPTION}},
          {IDC_SELECTEDIT_GAMMA_RADIO, {IDS_SELECTEDIT_GAMMA_OPTION}},
          {IDC_SELECTEDIT_EXCHANGE_RADIO, {IDS_SELECTEDIT_EXCHANGE_OPTION}}}},
        {IDD_SELECT_DRIVER_PAGE,
         {{IDC_DRIVER_INSTRUCTION,
           {IDS_DRIVER_INSTRUCTION_COLOR, IDS_DRIVER_INSTRUCTION_GAMMA, IDS_DRIVER_INSTRUCTION_EXCHANGE}},
          {IDC_DRIVER_NOTE, {IDS_DRIVER_NOTE_COLOR, IDS_DRIVER_NOTE_GAMMA, IDS_DRIVER_NOTE_EXCHANGE}}}},
        {IDD_COLOR_SETTING_SELECT_PAGE,
         {{IDC_COLORSELECT_INSTRUCTION, {IDS_COLORSELECT_INSTRUCTION}},
          {IDC_COLORSELECT_SAMPLE_NOTE, {IDS_COLORSELECT_SAMPLE_NOTE}},
          {IDC_COLORSELECT_SAMPLE_BUTTON, {IDS_BUTTON_PRINT_SAMPLE}}}},
        {IDD_GAMMA_SETTING_SELECT_PAGE, {{IDC_GAMMASELECT_INSTRUCTION, {IDS_GAMMASELECT_INSTRUCTION}}}},
        {IDD_COLOR_PALETTE_PAGE,
         {{IDC_PALETTE_INSTRUCTION, {IDS_PALETTE_INSTRUCTION}},
          {IDC_PALETTE_LEGEND, {IDS_PALETTE_LEGEND}},
          {IDC_PALETTE_TESTPRINT_NOTE, {IDS_PALETTE_TESTPRINT_NOTE}},
          {IDC_PALETTE_TESTPRINT_BUTTON, {IDS_BUTTON_PALETTE_TEST_PRINT}},
          {IDC_PALETTE_UNDO_BUTTON, {IDS_BUTTON_UNDO_CHANGES}}}},
        {IDD_COLOR_INPUT_DIALOG,
         {{IDC_COLORINPUT_INSTRUCTION, {IDS_COLORINPUT_INSTRUCTION}},
          {IDC_COLORINPUT_NEW_HEADING, {IDS_COLORINPUT_NEW_HEADING}},
          {IDC_COLORINPUT_DEFAULT_HEADING, {IDS_COLORINPUT_DEFAULT_HEADING}},
          {IDC_COLORINPUT_HUE_LABEL, {IDS_COLORINPUT_HUE_LABEL}},
          {IDC_COLORINPUT_DEFAULT_HUE_LABEL, {IDS_COLORINPUT_HUE_LABEL}},
          {IDC_COLORINPUT_STRENGTH_LABEL, {IDS_COLORINPUT_STRENGTH_LABEL}},
          {IDC_COLORINPUT_DEFAULT_STRENGTH_LABEL, {IDS_COLORINPUT_STRENGTH_LABEL}},
          {IDC_COLORINPUT_STEPS_NOTE, {IDS_COLORINPUT_STEPS_NOTE}},
          {IDC_COLORINPUT_PICTURE_NOTE, {IDS_COLORINPUT_PICTURE_NOTE}},
          {IDC_COLORINPUT_OK_BUTTON, {IDS_BUTTON_OK}},
          {IDC_COLORINPUT_CANCEL_BUTTON, {IDS_BUTTON_CANCEL}}}},
        {IDD_GAMMA_PAGE,
         {{IDC_GAMMA_INSTRUCTION, {IDS_GAMMA_INSTRUCTION}},
          {IDC_GAMMA_GAMMA_LABEL, {IDS_GAMMA_GAMMA_LABEL}},
          {IDC_GAMMA_GAMMA_NOTE, {IDS_GAMMA_GAMMA_NOTE}},
          {IDC_GAMMA_ZONE_GROUP, {IDS_GAMMA_ZONE_GROUP}},
          {IDC_GAMMA_ZONE_LABEL, {IDS_GAMMA_ZONE_LABEL}},
          {IDC_GAMMA_ZONE1_NAME, {IDS_ZONE_RED}},
          {IDC_GAMMA_ZONE2_NAME, {IDS_ZONE_YELLOW}},
          {IDC_GAMMA_ZONE3_NAME, {IDS_ZONE_GREEN}},
          {IDC_GAMMA_ZONE4_NAME, {IDS_ZONE_CYAN}},
          {IDC_GAMMA_ZONE5_NAME, {IDS_ZONE_BLUE}},
          {IDC_GAMMA_ZONE6_NAME, {IDS_ZONE_MAGENTA}},
          {IDC_GAMMA_HUE_LABEL, {IDS_GAMMA_HUE_LABEL}},
          {IDC_GAMMA_LEVEL_LABEL, {IDS_GAMMA_LEVEL_LABEL}},
          {IDC_GAMMA_HUE_FROM_PRINTER_CHECK, {IDS_GAMMA_HUE_FROM_PRINTER}},
          {IDC_GAMMA_TESTPRINT_BUTTON, {IDS_BUTTON_GAMMA_TEST_PRINT}},
          {IDC_GAMMA_UNDO_BUTTON, {IDS_BUTTON_UNDO_CHANGES}}}},
        {IDD_SAVE_SETTING_PAGE,
         {{IDC_SAVE_INSTRUCTION, {IDS_SAVE_INSTRUCTION_COLOR, IDS_SAVE_INSTRUCTION_GAMMA}},
          {IDC_SAVE_GROUP, {IDS_SAVE_GROUP}},
          {IDC_SAVE_NAME_LABEL, {IDS_SAVE_NAME_LABEL}},
          {IDC_SAVE_BUTTON, {IDS_BUTTON_SAVE}},
          {IDC_SAVE_CLOSING_NOTE, {IDS_SAVE_CLOSING_NOTE}}}},
        {IDD_SETTING_EXCHANGE_PAGE,
         {{IDC_EXCHANGE_SETTINGS_GROUP, {IDS_EXCHANGE_SETTINGS_GROUP}},
          {IDC_EXCHANGE_LIST_LABEL, {IDS_EXCHANGE_LIST_LABEL}},
          {IDC_EXCHANGE_LIST_NOTE, {IDS_EXCHANGE_LIST_NOTE}},
          {IDC_EXCHANGE_DELETE_BUTTON, {IDS_BUTTON_DELETE}},
          {IDC_EXCHANGE_FILES_GROUP, {IDS_EXCHANGE_FILES_GROUP}},
          {IDC_EXCHANGE_EXPORT_NOTE, {IDS_EXCHANGE_EXPORT_NOTE}},
          {IDC_EXCHANGE_EXPORT_BUTTON, {IDS_BUTTON_EXPORT}},
          {IDC_EXCHANGE_IMPORT_NOTE, {IDS_EXCHANGE_IMPORT_NOTE}},
          {IDC_EXCHANGE_IMPORT_BUTTON, {IDS_BUTTON_IMPORT}}}},
        {IDD_ADD_SETTING_DIALOG,
         {{IDC_ADDSETTING_INSTRUCTION, {IDS_ADDSETTING_IMPORT_INSTRUCTION, IDS_ADDSETTING_EXPORT_INSTRUCTION}},
          {IDC_ADDSETTING_SELECTALL_BUTTON, {IDS_BUTTON_SELECT_ALL}},
          {IDC_ADDSETTING_CONFIRM_BUTTON, {IDS_BUTTON_IMPORT, IDS_BUTTON_EXPORT}},
          {IDC_ADDSETTING_CANCEL_BUTTON, {IDS_BUTTON_CANCEL}}}},
        {IDD_SAVE_NAME_DIALOG,
         {{IDC_SAVENAME_PROMPT, {IDS_SAVENAME_INSTRUCTION}},
          {IDC_SAVENAME_OK_BUTTON, {IDS_BUTTON_OK}},
          {IDC_SAVENAME_CANCEL_BUTTON, {IDS_BUTTON_CANCEL}}}},
        {IDD_SAVE_CHECK_DIALOG,
         {{IDC_SAVECHECK_MESSAGE, {IDS_QUESTION_OVERWRITE_SETTING}},
          {IDC_SAVECHECK_OVERWRITE_BUTTON, {IDS_BUTTON_OVERWRITE}},
          {IDC_SAVECHECK_OTHERNAME_BUTTON, {IDS_BUTTON_ANOTHER_NAME}},
          {IDC_SAVECHECK_CANCEL_BUTTON, {IDS_BUTTON_CANCEL}}}},
        {IDD_PRINT_MESSAGE_DIALOG, {{IDC_PRINTMSG_TEXT, {IDS_PRINTMSG_TEXT, IDS_PROGRESS_TEXT}}}},
        {IDD_TESTJOB_DIALOG, {{IDC_TESTJOB_TEXT, {IDS_TESTJOB_TEXT}}, {IDCANCEL, {IDS_BUTTON_CANCEL}}}},
        {IDD_ABOUT_DIALOG, {{IDC_ABOUT_TEXT, {IDS_ABOUT_DESCRIPTION}}, {IDC_ABOUT_OK_BUTTON, {IDS_BUTTON_OK}}}},
    };
    return texts;
}

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
