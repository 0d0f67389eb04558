// Language resources, message boxes and the error exception, on both targets.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "framework/MessageBox.h"
#include "framework/WindowSystem.h"
#include "launch/CDlgRes.h"
#include "launch/CStrRes.h"
#include "launch/CmyException.h"
#include "launch/CmyMessageBox.h"
#include "launch/TextFormat.h"
#include "resources/resource.h"
#include "support/MessageBoxRecorder.h"

namespace {

// Every string id the utility shows, with the placeholders its callers fill.
struct UsedString {
    UINT id;
    int textArguments;    // "%s"
    int numberArguments;  // "%d"
};

constexpr UsedString kUsedStrings[] = {
    {IDS_TITLE_UTILITY, 0, 0}, {IDS_TITLE_COLOR_PALETTE, 2, 0}, {IDS_TITLE_COLOR_INPUT, 0, 1},
    {IDS_TITLE_GAMMA, 2, 0}, {IDS_TITLE_SETTING_EXCHANGE, 1, 0}, {IDS_TITLE_IMPORT, 0, 0},
    {IDS_TITLE_EXPORT, 0, 0}, {IDS_TITLE_SELECT_EDIT, 0, 0}, {IDS_TITLE_SELECT_DRIVER, 0, 0},
    {IDS_TITLE_COLOR_SETTING_SELECT, 1, 0}, {IDS_TITLE_GAMMA_SETTING_SELECT, 1, 0},
    {IDS_TITLE_SAVE_SETTING, 2, 0}, {IDS_TITLE_PRODUCT, 0, 0}, {IDS_MENU_ABOUT, 0, 0},
    {IDS_SELECTEDIT_INTRO, 0, 0}, {IDS_SELECTEDIT_ADJUST_GROUP, 0, 0}, {IDS_SELECTEDIT_MANAGE_GROUP, 0, 0},
    {IDS_DRIVER_INSTRUCTION_COLOR, 0, 0}, {IDS_DRIVER_INSTRUCTION_GAMMA, 0, 0}, {IDS_DRIVER_NOTE_COLOR, 0, 0},
    {IDS_DRIVER_NOTE_GAMMA, 0, 0}, {IDS_COLORSELECT_INSTRUCTION, 0, 0}, {IDS_GAMMASELECT_INSTRUCTION, 0, 0},
    {IDS_COLORSELECT_SAMPLE_NOTE, 0, 0}, {IDS_PALETTE_INSTRUCTION, 0, 0}, {IDS_PALETTE_LEGEND, 0, 0},
    {IDS_GAMMA_INSTRUCTION, 0, 0}, {IDS_COLORINPUT_HUE_LABEL, 0, 0}, {IDS_COLORINPUT_STRENGTH_LABEL, 0, 0},
    {IDS_COLORINPUT_NEW_HEADING, 0, 0}, {IDS_COLORINPUT_DEFAULT_HEADING, 0, 0},
    {IDS_COLORINPUT_STEPS_NOTE, 0, 0}, {IDS_SAVE_INSTRUCTION_COLOR, 0, 0}, {IDS_SAVE_INSTRUCTION_GAMMA, 0, 0},
    {IDS_SAVE_NAME_LABEL, 0, 0}, {IDS_EXCHANGE_LIST_LABEL, 0, 0}, {IDS_GAMMA_GAMMA_LABEL, 0, 0},
    {IDS_GAMMA_GAMMA_NOTE, 0, 0}, {IDS_GAMMA_HUE_LABEL, 0, 0}, {IDS_GAMMA_LEVEL_LABEL, 0, 0},
    {IDS_GAMMA_ZONE_LABEL, 0, 0}, {IDS_GAMMA_ZONE_GROUP, 0, 0}, {IDS_EXCHANGE_SETTINGS_GROUP, 0, 0},
    {IDS_EXCHANGE_LIST_NOTE, 0, 0}, {IDS_EXCHANGE_FILES_GROUP, 0, 0}, {IDS_EXCHANGE_EXPORT_NOTE, 0, 0},
    {IDS_EXCHANGE_IMPORT_NOTE, 0, 0}, {IDS_ADDSETTING_IMPORT_INSTRUCTION, 0, 0},
    {IDS_DRIVER_NOTE_EXCHANGE, 0, 0}, {IDS_DRIVER_INSTRUCTION_EXCHANGE, 0, 0}, {IDS_SAVE_GROUP, 0, 0},
    {IDS_SAVENAME_INSTRUCTION, 0, 0}, {IDS_COLORINPUT_INSTRUCTION, 0, 0},
    {IDS_SELECTEDIT_COLOR_DESCRIPTION, 0, 0}, {IDS_SELECTEDIT_GAMMA_DESCRIPTION, 0, 0},
    {IDS_SELECTEDIT_EXCHANGE_DESCRIPTION, 0, 0}, {IDS_FILTER_OPEN_SETTING_FILE, 0, 0},
    {IDS_ADDSETTING_EXPORT_INSTRUCTION, 0, 0}, {IDS_QUESTION_REPLACE_SETTING, 1, 0},
    {IDS_QUESTION_REPLACE_FILE, 1, 0}, {IDS_PALETTE_TESTPRINT_NOTE, 0, 0},
    {IDS_COLORINPUT_PICTURE_NOTE, 0, 0}, {IDS_FILTER_SAVE_SETTING_FILE, 0, 0}, {IDS_SAVE_CLOSING_NOTE, 0, 0},
    {IDS_ABOUT_DESCRIPTION, 0, 0}, {IDS_SELECTEDIT_COLOR_OPTION, 0, 0}, {IDS_SELECTEDIT_GAMMA_OPTION, 0, 0},
    {IDS_SELECTEDIT_EXCHANGE_OPTION, 0, 0}, {IDS_BUTTON_UNDO_CHANGES, 0, 0}, {IDS_BUTTON_PRINT_SAMPLE, 0, 0},
    {IDS_BUTTON_GAMMA_TEST_PRINT, 0, 0}, {IDS_BUTTON_OK, 0, 0}, {IDS_BUTTON_CANCEL, 0, 0},
    {IDS_BUTTON_SAVE, 0, 0}, {IDS_BUTTON_DELETE, 0, 0}, {IDS_GAMMA_HUE_FROM_PRINTER, 0, 0},
    {IDS_ZONE_RED, 0, 0}, {IDS_ZONE_YELLOW, 0, 0}, {IDS_ZONE_GREEN, 0, 0}, {IDS_ZONE_CYAN, 0, 0},
    {IDS_ZONE_BLUE, 0, 0}, {IDS_ZONE_MAGENTA, 0, 0}, {IDS_BUTTON_EXPORT, 0, 0}, {IDS_BUTTON_IMPORT, 0, 0},
    {IDS_BUTTON_SELECT_ALL, 0, 0}, {IDS_BUTTON_OVERWRITE, 0, 0}, {IDS_BUTTON_ANOTHER_NAME, 0, 0},
    {IDS_BUTTON_PALETTE_TEST_PRINT, 0, 0}, {IDS_ERR_NO_SUPPORTED_PRINTER, 0, 0},
    {IDS_MSG_NOTHING_TO_IMPORT, 0, 0}, {IDS_ERR_IMPORT_DATA_FILE, 2, 0}, {IDS_ERR_IMPORT_PROFILE, 2, 0},
    {IDS_ERR_EXPORT_DATA_FILE, 2, 0}, {IDS_ERR_EXPORT_PROFILE, 2, 0}, {IDS_ERR_NAME_EMPTY, 0, 0},
    {IDS_QUESTION_CANCEL_UNSAVED, 0, 0}, {IDS_DEFAULT_ENTRY, 0, 0}, {IDS_QUESTION_DELETE_SETTING, 0, 0},
    {IDS_QUESTION_CANCEL, 0, 0}, {IDS_ERR_NAME_IN_USE, 0, 0}, {IDS_ERR_PAGE_NOT_FOUND, 0, 0},
    {IDS_ERR_CATALOG_FULL, 0, 0}, {IDS_QUESTION_OVERWRITE_SETTING, 1, 0}, {IDS_ERR_PRINTER_NOT_OPENED, 0, 0},
    {IDS_ERR_PRINT_FAILED, 0, 0}, {IDS_ERR_FILE_ACCESS, 0, 0}, {IDS_ERR_NO_DEFAULT_SETTINGS, 1, 0},
    {IDS_ERR_SETTING_DATA_MISSING, 1, 0}, {IDS_CAPTION_ERROR, 0, 0}, {IDS_CAPTION_WARNING, 0, 0},
    {IDS_QUESTION_UNDO_CHANGES, 0, 0}, {IDS_ERR_SETTING_NOT_STORED, 1, 0}, {IDS_CAPTION_DONE, 0, 0},
    {IDS_MSG_SETTING_SAVED, 1, 0}, {IDS_MSG_EXPORTED, 1, 0}, {IDS_ERR_NAME_LEADING_SPACE, 0, 0},
    {IDS_PRINTMSG_TITLE, 0, 0}, {IDS_PRINTMSG_TEXT, 0, 0}, {IDS_PROGRESS_TITLE, 0, 0},
    {IDS_PROGRESS_TEXT, 0, 0}, {IDS_ERR_MODULE_FAILED, 0, 0}, {IDS_ERR_NAME_OF_COLOR_SETTING, 1, 0},
    {IDS_ERR_NAME_OF_GAMMA_SETTING, 1, 0}, {IDS_ERR_NAME_OF_DEFAULT_SETTING, 1, 0},
    {IDS_ERR_EXPORT_FOLDER_EXISTS, 1, 0}, {IDS_ERR_NOT_ADMINISTRATOR, 0, 0}, {IDS_TESTJOB_TEXT, 0, 0},
    {IDS_QUESTION_CANCEL_TESTJOB, 0, 0}, {IDS_MSG_MORE_OMISSIONS, 0, 1}, {IDS_PALETTE_PATCH_NAME, 0, 1},
    {IDS_PALETTE_PATCH_LOCKED, 0, 0}, {IDS_PALETTE_PATCH_NOT_DEFAULT, 0, 0}, {IDS_PALETTE_PATCH_EDITED, 0, 0},
    {IDS_TOOL_USAGE_TITLE, 0, 0}, {IDS_TOOL_USAGE_PRINTERS, 0, 0}, {IDS_TOOL_USAGE_LIST, 0, 0},
    {IDS_TOOL_USAGE_EXPORT, 0, 0}, {IDS_TOOL_USAGE_IMPORT, 0, 0}, {IDS_TOOL_USAGE_DELETE, 0, 0},
    {IDS_TOOL_USAGE_JSON, 0, 0}, {IDS_TOOL_ERR_PRINTER, 1, 0}, {IDS_TOOL_ERR_NO_SETTING, 1, 0},
    {IDS_TOOL_ERR_SETTING_STORED, 1, 0}, {IDS_TOOL_MSG_ALREADY_STORED, 1, 0}, {IDS_TOOL_MSG_IMPORTED, 0, 1},
    {IDS_TOOL_MSG_DELETED, 1, 0}, {IDS_TOOL_ERR_USAGE, 1, 0}, {IDS_TOOL_ERR_NOT_ELEVATED, 0, 0},
};

int CountOf(const std::string& text, const std::string& what) {
    int count = 0;
    for (auto at = text.find(what); at != std::string::npos; at = text.find(what, at + what.size())) ++count;
    return count;
}

std::string Text(UINT id) { return CStrRes().Load(id); }

}  // namespace

// ---- The string library through the loader -------------------------------------------------

TEST(StringLibrary, EveryUsedIdHasTextWithItsPlaceholders) {
    CStrRes strings;
    for (const auto& used : kUsedStrings) {
        SCOPED_TRACE("string " + std::to_string(used.id));
        const std::string text = strings.Load(used.id);
        EXPECT_FALSE(text.empty());
        EXPECT_EQ(CountOf(text, "%s"), used.textArguments);
        EXPECT_EQ(CountOf(text, "%d"), used.numberArguments);
        // Any other "%" would be eaten or kept depending on the caller's formatter.
        EXPECT_EQ(CountOf(text, "%"), used.textArguments + used.numberArguments);
        EXPECT_LT(text.size(), 1024u);
    }
}

// Every translated string library, read directly: what the English one holds, with the same
// placeholders, file-dialog filters of the same shape, captions the code can tell apart and
// one product name.
TEST(StringLibrary, EveryShippedLanguageHasEveryUsedText) {
    for (const char* code : {"DEU", "FRA", "ESP", "ITA"}) {
        SCOPED_TRACE(code);
        HMODULE library = LoadLibraryA((std::string("XVSTR") + code + ".dll").c_str());
        ASSERT_NE(library, nullptr);
        const auto load = [library](UINT id) {
            char buffer[1024] = {};
            LoadStringA(library, id, buffer, sizeof(buffer));
            return std::string(buffer);
        };
        for (const auto& used : kUsedStrings) {
            SCOPED_TRACE("string " + std::to_string(used.id));
            const std::string text = load(used.id);
            EXPECT_FALSE(text.empty());
            EXPECT_EQ(CountOf(text, "%s"), used.textArguments);
            EXPECT_EQ(CountOf(text, "%d"), used.numberArguments);
            EXPECT_EQ(CountOf(text, "%"), used.textArguments + used.numberArguments);
            EXPECT_EQ(CountOf(text, "|"), CountOf(Text(used.id), "|"));
        }
        EXPECT_NE(load(IDS_CAPTION_ERROR), load(IDS_CAPTION_WARNING));
        EXPECT_EQ(load(IDS_TITLE_UTILITY), load(IDS_TITLE_PRODUCT));  // one product name
        FreeLibrary(library);
    }
}

TEST(StringLibrary, UnknownIdReadsEmpty) {
    CStrRes strings;
    EXPECT_EQ(strings.Load(0), "");
    EXPECT_EQ(strings.Load(9999), "");
    EXPECT_EQ(strings.Load(300), "");
}

TEST(StringLibrary, LoadStringOverwritesTheOutput) {
    CStrRes strings;
    std::string text = "left over";
    strings.LoadString(IDS_CAPTION_ERROR, text);
    EXPECT_EQ(text, strings.Load(IDS_CAPTION_ERROR));
    strings.LoadString(9999, text);
    EXPECT_EQ(text, "");
}

TEST(StringLibrary, CaptionsAreDistinct) {
    EXPECT_NE(Text(IDS_CAPTION_ERROR), Text(IDS_CAPTION_WARNING));
    EXPECT_NE(Text(IDS_CAPTION_ERROR), Text(IDS_CAPTION_DONE));
    // Message boxes carry the product's name, as the window does.
    EXPECT_EQ(Text(IDS_TITLE_UTILITY), Text(IDS_TITLE_PRODUCT));
}

TEST(StringLibrary, HoldersNestAndEndInAnyOrder) {
    auto outer = std::make_unique<CStrRes>();
    const std::string expected = outer->Load(IDS_DEFAULT_ENTRY);
    ASSERT_FALSE(expected.empty());
    std::vector<std::unique_ptr<CStrRes>> holders;
    for (int i = 0; i < 5; ++i) holders.push_back(std::make_unique<CStrRes>());
    holders.erase(holders.begin() + 2);  // not the last one opened
    holders.erase(holders.begin());
    for (const auto& holder : holders) EXPECT_EQ(holder->Load(IDS_DEFAULT_ENTRY), expected);
    EXPECT_EQ(outer->Load(IDS_DEFAULT_ENTRY), expected);
    outer.reset();  // the first one opened goes before the others
    for (const auto& holder : holders) EXPECT_EQ(holder->Load(IDS_DEFAULT_ENTRY), expected);
}

// ---- The loader's own contract ---------------------------------------------------------------

class Loader : public ::testing::Test {
protected:
    using LoadLanguageFn = void* (*)(const char*);
    using LoadStringFn = void (*)(void*, UINT, char*, int);
    using FreeLanguageFn = void (*)(void*);
    using GetFileNameFn = void (*)(const char*, char*);

    void SetUp() override {
        m_loader = LoadLibraryA("vemrload.dll");
        ASSERT_NE(m_loader, nullptr);
        load = Function<LoadLanguageFn>("VmLoadLanguageDLL");
        loadString = Function<LoadStringFn>("VmLoadString");
        release = Function<FreeLanguageFn>("VmFreeLanguageDLL");
        fileName = Function<GetFileNameFn>("VmGetHelpFileName");
        ASSERT_TRUE(load && loadString && release && fileName);
    }
    void TearDown() override {
        if (m_loader) FreeLibrary(m_loader);
    }

    template <typename Fn>
    Fn Function(const char* name) {
        return reinterpret_cast<Fn>(reinterpret_cast<void (*)()>(GetProcAddress(m_loader, name)));
    }

    LoadLanguageFn load = nullptr;
    LoadStringFn loadString = nullptr;
    FreeLanguageFn release = nullptr;
    GetFileNameFn fileName = nullptr;

private:
    HMODULE m_loader = nullptr;
};

TEST_F(Loader, NeverWritesPastTheGivenSize) {
    void* handle = load("XVSTR%s.dll");
    ASSERT_NE(handle, nullptr);
    const std::string full = Text(IDS_ERR_NO_SUPPORTED_PRINTER);
    ASSERT_GT(full.size(), 8u);
    char buffer[16];
    std::fill(std::begin(buffer), std::end(buffer), '#');
    loadString(handle, IDS_ERR_NO_SUPPORTED_PRINTER, buffer, 8);
    EXPECT_EQ(std::string(buffer), full.substr(0, 7));
    EXPECT_EQ(buffer[8], '#');
    std::fill(std::begin(buffer), std::end(buffer), '#');
    loadString(handle, IDS_ERR_NO_SUPPORTED_PRINTER, buffer, 1);
    EXPECT_EQ(buffer[0], '\0');
    EXPECT_EQ(buffer[1], '#');
    release(handle);
}

TEST_F(Loader, MissingLibraryGivesNoHandleAndNoText) {
    void* handle = load("NOSUCH%s.dll");
    EXPECT_EQ(handle, nullptr);
    char buffer[32] = "unchanged?";
    loadString(handle, IDS_CAPTION_ERROR, buffer, sizeof buffer);
    EXPECT_EQ(std::string(buffer), "");
    release(handle);  // a null handle is ignored
}

TEST_F(Loader, PatternIsNeverTreatedAsAFormat) {
    // Only the first "%s" is replaced; the rest stays part of the (missing) file name.
    EXPECT_EQ(load("XVSTR%s%s%n%x.dll"), nullptr);
    char name[MAX_PATH];
    fileName("%n%s%s%d", name);
    EXPECT_EQ(std::string(name).find("%n"), 0u);
}

TEST_F(Loader, DialogLibraryNameFitsAndLoads) {
    char name[MAX_PATH];
    std::fill(std::begin(name), std::end(name), '#');
    fileName("XVDLG%s", name);
    const std::string text(name);
    EXPECT_NE(text.find("XVDLG"), std::string::npos);
    HMODULE module = LoadLibraryA(name);
    EXPECT_NE(module, nullptr);
    if (module) FreeLibrary(module);

    const std::string longPattern(300, 'x');
    fileName((longPattern + "%s").c_str(), name);
    EXPECT_EQ(std::string(name), "");  // too long for the caller's buffer: nothing written
}

// ---- The dialog library ---------------------------------------------------------------------

TEST(DialogLibrary, HoldsEveryPictureAtTheSizeItsPageShowsIt) {
    CDlgRes dialogs;
    ASSERT_NE(dialogs.GetModule(), nullptr);
    struct Picture {
        UINT id;
        LONG width;
        LONG height;
    };
    const Picture pictures[] = {
        {IDB_SIDE_PICTURE, 164, 314}, {IDB_COLOR_INPUT, 66, 65},   {IDB_TASK_COLOR, 96, 64},
        {IDB_TASK_EXCHANGE, 96, 64},  {IDB_GAMMA_SCALE, 189, 23},  {IDB_TASK_GAMMA, 96, 64},
        {IDB_ZONE1_BLUE, 75, 81},     {IDB_ZONE1_YELLOW, 75, 81},  {IDB_ZONE2_BLUE, 75, 81},
        {IDB_ZONE2_YELLOW, 75, 81},   {IDB_GAMMA_CURVE1, 147, 91}, {IDB_GAMMA_CURVE6, 147, 91},
    };
    for (const Picture& picture : pictures) {
        // At 100 %, and drawn again at 150 % (id + 100) and 200 % (id + 200), rounded.
        BITMAP info{};
        for (int percent : {100, 150, 200}) {
            const UINT id = picture.id + static_cast<UINT>((percent - 100) * 2);
            HANDLE own = LoadImageA(dialogs.GetModule(), MAKEINTRESOURCEA(id), IMAGE_BITMAP, 0, 0, 0);
            ASSERT_NE(own, nullptr) << id;
            ASSERT_EQ(GetObjectA(own, sizeof(info), &info), static_cast<int>(sizeof(info)));
            EXPECT_EQ(info.bmWidth, (picture.width * percent + 50) / 100) << id;
            EXPECT_EQ(info.bmHeight, (picture.height * percent + 50) / 100) << id;
            DeleteObject(own);
        }
        // The holder stretches a picture to the frame it is shown in.
        const RECT frame{0, 0, 50, 30};
        HBITMAP sized = dialogs.LoadBitmapSized(picture.id, frame);
        ASSERT_NE(sized, nullptr) << picture.id;
        ASSERT_EQ(GetObjectA(sized, sizeof(info), &info), static_cast<int>(sizeof(info)));
        EXPECT_EQ(info.bmWidth, 50);
        EXPECT_EQ(info.bmHeight, 30);
        DeleteObject(sized);
    }
    EXPECT_EQ(dialogs.LoadBitmapSized(IDB_SIDE_PICTURE - 1, RECT{0, 0, 10, 10}), nullptr);
}

TEST(DialogLibrary, HoldersNest) {
    CDlgRes sheet;
    {
        CDlgRes page;
        EXPECT_EQ(page.GetModule(), sheet.GetModule());
    }
    ASSERT_NE(sheet.GetModule(), nullptr);
    EXPECT_NE(sheet.LoadDialogTemplate(IDD_SELECT_EDIT_PAGE), nullptr);
}

// ---- Filling texts --------------------------------------------------------------------------

TEST(FormatText, FillsTheFirstPlaceholderOnly) {
    EXPECT_EQ(FormatText("Saved %s.", "Office"), "Saved Office.");
    EXPECT_EQ(FormatText("%s and %s", "one"), "one and %s");
    EXPECT_EQ(FormatText("No placeholder", "x"), "No placeholder");
    EXPECT_EQ(FormatText("%s", ""), "");
}

TEST(FormatText, PercentSignsOfTheFormat) {
    EXPECT_EQ(FormatText("100%% of %s", "it"), "100% of it");
    EXPECT_EQ(FormatText("%d %x %", "a"), "%d %x %");
    EXPECT_EQ(FormatText("%%s is %s", "a"), "%s is a");
}

TEST(FormatText, ArgumentIsNeverAFormat) {
    EXPECT_EQ(FormatText("[%s]", "%s%n%d%%"), "[%s%n%d%%]");
    EXPECT_EQ(FormatText("%s / %s", "%s", "%%"), "%s / %%");
}

TEST(FormatText, TwoArgumentsInOrder) {
    EXPECT_EQ(FormatText("Gamma - %s - %s", "Driver", "Soft"), "Gamma - Driver - Soft");
    EXPECT_EQ(FormatText("only %s", "a", "b"), "only a");
}

TEST(FormatText, NumberPlaceholder) {
    EXPECT_EQ(FormatNumber("Patch %d", 39), "Patch 39");
    EXPECT_EQ(FormatNumber("%d%% %s", -1), "-1% %s");
}

// ---- Message boxes --------------------------------------------------------------------------

TEST(MessageBoxShow, OwnedBoxWithCaption) {
    MessageBoxRecorder boxes;
    boxes.QueueAnswer(IDNO);
    HWND owner = reinterpret_cast<HWND>(static_cast<uintptr_t>(0x1234));
    EXPECT_EQ(CmyMessageBox().Show(owner, IDS_QUESTION_UNDO_CHANGES, 0x34, IDS_CAPTION_WARNING), IDNO);
    ASSERT_EQ(boxes.Count(), 1u);
    EXPECT_EQ(boxes.Last().owner, owner);
    EXPECT_EQ(boxes.Last().text, Text(IDS_QUESTION_UNDO_CHANGES));
    EXPECT_EQ(boxes.Last().caption, Text(IDS_CAPTION_WARNING));
    EXPECT_EQ(boxes.Last().style, 0x34u);
    EXPECT_FALSE(boxes.Last().applicationBox);
}

TEST(MessageBoxShow, NoOwnerNoCaptionUsesTheApplicationBox) {
    MessageBoxRecorder boxes;
    EXPECT_EQ(CmyMessageBox().Show(nullptr, IDS_QUESTION_CANCEL, MB_OKCANCEL, -1), IDOK);
    ASSERT_EQ(boxes.Count(), 1u);
    EXPECT_TRUE(boxes.Last().applicationBox);
    EXPECT_EQ(boxes.Last().owner, nullptr);
    EXPECT_EQ(boxes.Last().caption, fw::AppTitle());
    EXPECT_EQ(boxes.Last().text, Text(IDS_QUESTION_CANCEL));
    EXPECT_EQ(boxes.Last().style, static_cast<UINT>(MB_OKCANCEL));
}

TEST(MessageBoxShow, NoOwnerWithCaptionUsesTheSystemBox) {
    MessageBoxRecorder boxes;
    CmyMessageBox().Show(nullptr, IDS_ERR_NOT_ADMINISTRATOR, 0x30, IDS_TITLE_UTILITY);
    ASSERT_EQ(boxes.Count(), 1u);
    EXPECT_FALSE(boxes.Last().applicationBox);
    EXPECT_EQ(boxes.Last().owner, nullptr);
    EXPECT_EQ(boxes.Last().caption, Text(IDS_TITLE_UTILITY));
    EXPECT_EQ(boxes.Last().style, 0x30u);
}

TEST(MessageBoxShow, ArgumentFillsThePlaceholder) {
    MessageBoxRecorder boxes;
    CmyMessageBox box;
    box.Show(nullptr, IDS_MSG_SETTING_SAVED, 0x40, IDS_CAPTION_DONE, "My %s setting");
    box.Show(nullptr, IDS_MSG_SETTING_SAVED, 0x40, IDS_CAPTION_DONE);
    ASSERT_EQ(boxes.Count(), 2u);
    EXPECT_EQ(boxes.Boxes()[0].text, FormatText(Text(IDS_MSG_SETTING_SAVED), "My %s setting"));
    EXPECT_NE(boxes.Boxes()[0].text.find("My %s setting"), std::string::npos);
    EXPECT_EQ(boxes.Boxes()[1].text, Text(IDS_MSG_SETTING_SAVED));  // shown unchanged
}

TEST(MessageBoxShow, AnswersComeInOrderThenTheFirstButton) {
    MessageBoxRecorder boxes;
    boxes.QueueAnswer(IDCANCEL);
    boxes.QueueAnswer(IDNO);
    CmyMessageBox box;
    EXPECT_EQ(box.Show(nullptr, IDS_QUESTION_CANCEL, MB_OKCANCEL, IDS_TITLE_UTILITY), IDCANCEL);
    EXPECT_EQ(box.Show(nullptr, IDS_QUESTION_UNDO_CHANGES, MB_YESNO, IDS_CAPTION_WARNING), IDNO);
    EXPECT_EQ(box.Show(nullptr, IDS_QUESTION_UNDO_CHANGES, MB_YESNO, IDS_CAPTION_WARNING), IDYES);
    EXPECT_EQ(boxes.Boxes()[2].answer, IDYES);
}

TEST(MessageBoxShowText, CaptionByExactStyle) {
    MessageBoxRecorder boxes;
    CmyMessageBox box;
    box.ShowText("stop", 0x10);
    box.ShowText("warn", 0x30);
    box.ShowText("plain", 1);
    box.ShowText("question", 0x34);  // not exactly the warning style
    ASSERT_EQ(boxes.Count(), 4u);
    const auto& shown = boxes.Boxes();
    EXPECT_EQ(shown[0].caption, Text(IDS_CAPTION_ERROR));
    EXPECT_EQ(shown[0].style, 0x2010u);
    EXPECT_EQ(shown[1].caption, Text(IDS_CAPTION_WARNING));
    EXPECT_EQ(shown[1].style, 0x2030u);
    EXPECT_EQ(shown[2].caption, "");
    EXPECT_EQ(shown[2].style, 0x2001u);
    EXPECT_EQ(shown[3].caption, "");
    EXPECT_EQ(shown[3].style, 0x2034u);
    for (const auto& box : shown) {
        EXPECT_EQ(box.owner, nullptr);
        EXPECT_FALSE(box.applicationBox);
    }
    EXPECT_EQ(shown[0].text, "stop");
}

TEST(MessageBoxRecorderTest, RestoresThePreviousHook) {
    MessageBoxRecorder outer;
    {
        MessageBoxRecorder inner;
        fw::AppMessageBox("inner", MB_OK);
        EXPECT_EQ(inner.Count(), 1u);
    }
    fw::AppMessageBox("outer", MB_OK);
    ASSERT_EQ(outer.Count(), 1u);
    EXPECT_EQ(outer.Last().text, "outer");
}

TEST(MessageBoxDefaults, FirstButtonOfEachStyle) {
    EXPECT_EQ(fw::FirstButton(MB_OK | MB_ICONHAND), IDOK);
    EXPECT_EQ(fw::FirstButton(MB_OKCANCEL | 0x100), IDOK);
    EXPECT_EQ(fw::FirstButton(MB_ABORTRETRYIGNORE), IDABORT);
    EXPECT_EQ(fw::FirstButton(MB_YESNOCANCEL), IDYES);
    EXPECT_EQ(fw::FirstButton(MB_YESNO | MB_ICONEXCLAMATION), IDYES);
    EXPECT_EQ(fw::FirstButton(MB_RETRYCANCEL), IDRETRY);
}

#ifndef _WIN32
TEST(MessageBoxDefaults, WithoutHookTheBoxGoesToStandardErrorAndTakesTheFirstButton) {
    ::testing::internal::CaptureStderr();
    const int answer = fw::SystemMessageBox(nullptr, "body text", "the caption", MB_YESNO);
    const std::string printed = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(answer, IDYES);
    EXPECT_NE(printed.find("body text"), std::string::npos);
    EXPECT_NE(printed.find("the caption"), std::string::npos);
}
#endif

// ---- The error exception --------------------------------------------------------------------

TEST(ErrorException, PathArgumentIsCutToItsFileName) {
    CmyException e(IDS_ERR_SETTING_DATA_MISSING, "C:\\Host\\Tintora\\Driver\\UCD3.dat");
    EXPECT_EQ(e.GetFileArgument(), "UCD3.dat");
    EXPECT_EQ(e.GetMessage(), FormatText(Text(IDS_ERR_SETTING_DATA_MISSING), "UCD3.dat"));
    EXPECT_EQ(e.GetMessage().find("Tintora"), std::string::npos);
    EXPECT_EQ(e.GetTextId(), IDS_ERR_SETTING_DATA_MISSING);
    EXPECT_EQ(e.GetSeverity(), CmyException::error);
}

TEST(ErrorException, TrailingBackslashLeavesAnEmptyFileName) {
    CmyException e(IDS_ERR_SETTING_DATA_MISSING, "C:\\Host\\Tintora\\");
    EXPECT_EQ(e.GetFileArgument(), "");
    EXPECT_EQ(e.GetMessage(), FormatText(Text(IDS_ERR_SETTING_DATA_MISSING), ""));
    EXPECT_EQ(e.GetMessage().find("%s"), std::string::npos);
}

TEST(ErrorException, ArgumentWithoutBackslashStaysWhole) {
    CmyException e(IDS_ERR_NO_DEFAULT_SETTINGS, "Tavrel.ini", CmyException::warning);
    EXPECT_EQ(e.GetFileArgument(), "Tavrel.ini");
    EXPECT_NE(e.GetMessage().find("Tavrel.ini"), std::string::npos);
    EXPECT_EQ(e.GetSeverity(), CmyException::warning);
}

TEST(ErrorException, EmptyArgumentKeepsTheTextAsItIs) {
    CmyException e(IDS_ERR_MODULE_FAILED);
    EXPECT_EQ(e.GetMessage(), Text(IDS_ERR_MODULE_FAILED));
    EXPECT_EQ(e.GetFileArgument(), "");
    CmyException unformatted(IDS_ERR_SETTING_DATA_MISSING);
    EXPECT_EQ(unformatted.GetMessage(), Text(IDS_ERR_SETTING_DATA_MISSING));
}

TEST(ErrorException, HostileFileNameIsShownLiterally) {
    CmyException e(IDS_ERR_SETTING_DATA_MISSING, "D:\\x\\%s%n%d.dat");
    EXPECT_EQ(e.GetFileArgument(), "%s%n%d.dat");
    EXPECT_NE(e.GetMessage().find("%s%n%d.dat"), std::string::npos);
}

TEST(ErrorException, ThrownByValueCaughtByReferenceAndCopied) {
    MessageBoxRecorder boxes;
    try {
        throw CmyException(IDS_ERR_CATALOG_FULL, "", CmyException::warning);
    } catch (const CmyException& caught) {
        CmyException copy = caught;
        EXPECT_EQ(copy.GetMessage(), Text(IDS_ERR_CATALOG_FULL));
        EXPECT_EQ(copy.GetSeverity(), CmyException::warning);
        copy.Report();
    }
    ASSERT_EQ(boxes.Count(), 1u);
    EXPECT_EQ(boxes.Last().caption, Text(IDS_CAPTION_WARNING));
}

TEST(ErrorReport, SeverityDecidesTheBox) {
    MessageBoxRecorder boxes;
    CmyException(IDS_ERR_MODULE_FAILED, "", 0).Report();
    ASSERT_EQ(boxes.Count(), 1u);
    EXPECT_EQ(boxes.Last().text, Text(IDS_ERR_MODULE_FAILED));
    EXPECT_EQ(boxes.Last().caption, Text(IDS_CAPTION_ERROR));
    EXPECT_EQ(boxes.Last().style, 0x2010u);
    EXPECT_EQ(boxes.Last().owner, nullptr);

    CmyException(IDS_ERR_SETTING_DATA_MISSING, "a\\b\\Soft", 1).Report();
    ASSERT_EQ(boxes.Count(), 2u);
    EXPECT_EQ(boxes.Last().text, FormatText(Text(IDS_ERR_SETTING_DATA_MISSING), "Soft"));
    EXPECT_EQ(boxes.Last().caption, Text(IDS_CAPTION_WARNING));
    EXPECT_EQ(boxes.Last().style, 0x2030u);

    CmyException(IDS_ERR_MODULE_FAILED, "", 2).Report();
    CmyException(IDS_ERR_MODULE_FAILED, "", -1).Report();
    EXPECT_EQ(boxes.Count(), 2u);  // silent severities
}

TEST(DialogLibrary, TemplatesAndBitmapsComeFromTheLibrary) {
    CDlgRes library;
    ASSERT_NE(library.GetModule(), nullptr);
    for (UINT id : {108u, 109u, 110u, 111u, 112u, 1002u, 1004u, 1008u, 1165u}) {
        EXPECT_NE(library.LoadDialogTemplate(id), nullptr) << id;
    }
    EXPECT_EQ(library.LoadDialogTemplate(4242), nullptr);
    RECT frame{0, 0, 40, 30};
    HBITMAP picture = library.LoadBitmapSized(IDB_SIDE_PICTURE, frame);
    EXPECT_NE(picture, nullptr);
    if (picture) fw::ws::DeleteGdiObject(picture);
    EXPECT_EQ(library.LoadBitmapSized(4242, frame), nullptr);
}
