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
#include "support/MessageBoxRecorder.h"

namespace {

// Every string id the utility shows, with the placeholders its callers fill.
struct UsedString {
    UINT id;
    int textArguments;    // "%s"
    int numberArguments;  // "%d"
};

constexpr UsedString kUsedStrings[] = {
    {1, 0, 0},   {3, 2, 0},   {4, 0, 1},   {8, 2, 0},   {11, 1, 0},  {12, 0, 0},  {13, 0, 0},
    {14, 0, 0},  {15, 0, 0},  {16, 1, 0},  {17, 1, 0},  {18, 2, 0},  {19, 0, 0},  {20, 0, 0},
    {103, 0, 0}, {104, 0, 0}, {105, 0, 0}, {106, 0, 0}, {107, 0, 0}, {108, 0, 0}, {109, 0, 0},
    {110, 0, 0}, {111, 0, 0}, {112, 0, 0}, {113, 0, 0}, {114, 0, 0}, {115, 0, 0}, {116, 0, 0},
    {117, 0, 0}, {118, 0, 0}, {119, 0, 0}, {120, 0, 0}, {121, 0, 0}, {122, 0, 0}, {123, 0, 0},
    {126, 0, 0}, {128, 0, 0}, {129, 0, 0}, {132, 0, 0}, {133, 0, 0}, {134, 0, 0}, {137, 0, 0},
    {142, 0, 0}, {143, 0, 0}, {144, 0, 0}, {145, 0, 0}, {146, 0, 0}, {147, 0, 0}, {148, 0, 0},
    {149, 0, 0}, {150, 0, 0}, {151, 0, 0}, {152, 0, 0}, {153, 0, 0}, {154, 0, 0}, {155, 0, 0},
    {156, 0, 0}, {157, 0, 0}, {158, 1, 0}, {159, 1, 0}, {160, 0, 0}, {161, 0, 0}, {162, 0, 0},
    {163, 0, 0}, {164, 0, 0}, {201, 0, 0}, {202, 0, 0}, {203, 0, 0}, {204, 0, 0}, {206, 0, 0},
    {207, 0, 0}, {208, 0, 0}, {209, 0, 0}, {210, 0, 0}, {211, 0, 0}, {213, 0, 0}, {214, 0, 0},
    {215, 0, 0}, {216, 0, 0}, {217, 0, 0}, {218, 0, 0}, {219, 0, 0}, {222, 0, 0}, {223, 0, 0},
    {224, 0, 0}, {225, 0, 0}, {226, 0, 0}, {227, 0, 0}, {501, 0, 0}, {503, 0, 0}, {504, 2, 0},
    {505, 2, 0}, {506, 2, 0}, {507, 2, 0}, {513, 0, 0}, {517, 0, 0}, {518, 0, 0}, {520, 0, 0},
    {521, 0, 0}, {523, 0, 0}, {524, 0, 0}, {525, 0, 0}, {527, 1, 0}, {530, 0, 0}, {531, 0, 0},
    {532, 0, 0}, {535, 1, 0}, {537, 1, 0}, {538, 0, 0}, {539, 0, 0}, {542, 0, 0}, {546, 1, 0},
    {547, 0, 0}, {548, 1, 0}, {549, 1, 0}, {550, 0, 0}, {553, 0, 0}, {554, 0, 0}, {555, 0, 0},
    {556, 0, 0}, {557, 0, 0}, {558, 1, 0}, {559, 1, 0}, {560, 1, 0}, {561, 1, 0}, {562, 0, 0},
    {564, 0, 0}, {565, 0, 0},
};

int CountOf(const std::string& text, const std::string& what) {
    int count = 0;
    for (auto at = text.find(what); at != std::string::npos; at = text.find(what, at + what.size())) ++count;
    return count;
}

std::string Text(UINT id) { return CStrRes().Load(id); }

constexpr UINT kSavedNotice = 548;    // one "%s"
constexpr UINT kModuleFailure = 557;  // no placeholder
constexpr UINT kMissingData = 537;    // one "%s"

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

TEST(StringLibrary, UnknownIdReadsEmpty) {
    CStrRes strings;
    EXPECT_EQ(strings.Load(0), "");
    EXPECT_EQ(strings.Load(9999), "");
    EXPECT_EQ(strings.Load(300), "");
}

TEST(StringLibrary, LoadStringOverwritesTheOutput) {
    CStrRes strings;
    std::string text = "left over";
    strings.LoadString(538, text);
    EXPECT_EQ(text, strings.Load(538));
    strings.LoadString(9999, text);
    EXPECT_EQ(text, "");
}

TEST(StringLibrary, CaptionsAreDistinct) {
    EXPECT_NE(Text(538), Text(539));
    EXPECT_NE(Text(538), Text(547));
    EXPECT_NE(Text(1), Text(19));  // the job dialog finds its question by caption 1
}

TEST(StringLibrary, HoldersNestAndEndInAnyOrder) {
    auto outer = std::make_unique<CStrRes>();
    const std::string expected = outer->Load(518);
    ASSERT_FALSE(expected.empty());
    std::vector<std::unique_ptr<CStrRes>> holders;
    for (int i = 0; i < 5; ++i) holders.push_back(std::make_unique<CStrRes>());
    holders.erase(holders.begin() + 2);  // not the last one opened
    holders.erase(holders.begin());
    for (const auto& holder : holders) EXPECT_EQ(holder->Load(518), expected);
    EXPECT_EQ(outer->Load(518), expected);
    outer.reset();  // the first one opened goes before the others
    for (const auto& holder : holders) EXPECT_EQ(holder->Load(518), expected);
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
    const std::string full = Text(501);
    ASSERT_GT(full.size(), 8u);
    char buffer[16];
    std::fill(std::begin(buffer), std::end(buffer), '#');
    loadString(handle, 501, buffer, 8);
    EXPECT_EQ(std::string(buffer), full.substr(0, 7));
    EXPECT_EQ(buffer[8], '#');
    std::fill(std::begin(buffer), std::end(buffer), '#');
    loadString(handle, 501, buffer, 1);
    EXPECT_EQ(buffer[0], '\0');
    EXPECT_EQ(buffer[1], '#');
    release(handle);
}

TEST_F(Loader, MissingLibraryGivesNoHandleAndNoText) {
    void* handle = load("NOSUCH%s.dll");
    EXPECT_EQ(handle, nullptr);
    char buffer[32] = "unchanged?";
    loadString(handle, 538, buffer, sizeof buffer);
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

TEST(DialogLibrary, HoldsThePagePictures) {
    CDlgRes dialogs;
    ASSERT_NE(dialogs.GetModule(), nullptr);
    using BitmapSizeFn = int (*)(unsigned int, int*, int*);
    auto size = reinterpret_cast<BitmapSizeFn>(
        reinterpret_cast<void (*)()>(GetProcAddress(dialogs.GetModule(), "XvGetBitmapSize")));
    ASSERT_NE(size, nullptr);
    for (unsigned int id : {1500u, 1502u, 1503u, 1523u}) {
        int width = 0, height = 0;
        EXPECT_EQ(size(id, &width, &height), 1) << id;
        EXPECT_GT(width, 0);
        EXPECT_GT(height, 0);
    }
    int width = -1, height = -1;
    EXPECT_EQ(size(1499, &width, &height), 0);
    EXPECT_EQ(width, -1);
}

TEST(DialogLibrary, HoldersNest) {
    CDlgRes sheet;
    {
        CDlgRes page;
        EXPECT_EQ(page.GetModule(), sheet.GetModule());
    }
    ASSERT_NE(sheet.GetModule(), nullptr);
    EXPECT_NE(GetProcAddress(sheet.GetModule(), "XvGetBitmapSize"), nullptr);
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
    EXPECT_EQ(CmyMessageBox().Show(owner, 542, 0x34, 539), IDNO);
    ASSERT_EQ(boxes.Count(), 1u);
    EXPECT_EQ(boxes.Last().owner, owner);
    EXPECT_EQ(boxes.Last().text, Text(542));
    EXPECT_EQ(boxes.Last().caption, Text(539));
    EXPECT_EQ(boxes.Last().style, 0x34u);
    EXPECT_FALSE(boxes.Last().applicationBox);
}

TEST(MessageBoxShow, NoOwnerNoCaptionUsesTheApplicationBox) {
    MessageBoxRecorder boxes;
    EXPECT_EQ(CmyMessageBox().Show(nullptr, 521, MB_OKCANCEL, -1), IDOK);
    ASSERT_EQ(boxes.Count(), 1u);
    EXPECT_TRUE(boxes.Last().applicationBox);
    EXPECT_EQ(boxes.Last().owner, nullptr);
    EXPECT_EQ(boxes.Last().caption, fw::AppTitle());
    EXPECT_EQ(boxes.Last().text, Text(521));
    EXPECT_EQ(boxes.Last().style, static_cast<UINT>(MB_OKCANCEL));
}

TEST(MessageBoxShow, NoOwnerWithCaptionUsesTheSystemBox) {
    MessageBoxRecorder boxes;
    CmyMessageBox().Show(nullptr, 562, 0x30, 1);
    ASSERT_EQ(boxes.Count(), 1u);
    EXPECT_FALSE(boxes.Last().applicationBox);
    EXPECT_EQ(boxes.Last().owner, nullptr);
    EXPECT_EQ(boxes.Last().caption, Text(1));
    EXPECT_EQ(boxes.Last().style, 0x30u);
}

TEST(MessageBoxShow, ArgumentFillsThePlaceholder) {
    MessageBoxRecorder boxes;
    CmyMessageBox box;
    box.Show(nullptr, kSavedNotice, 0x40, 547, "My %s setting");
    box.Show(nullptr, kSavedNotice, 0x40, 547);
    ASSERT_EQ(boxes.Count(), 2u);
    EXPECT_EQ(boxes.Boxes()[0].text, FormatText(Text(kSavedNotice), "My %s setting"));
    EXPECT_NE(boxes.Boxes()[0].text.find("My %s setting"), std::string::npos);
    EXPECT_EQ(boxes.Boxes()[1].text, Text(kSavedNotice));  // shown unchanged
}

TEST(MessageBoxShow, AnswersComeInOrderThenTheFirstButton) {
    MessageBoxRecorder boxes;
    boxes.QueueAnswer(IDCANCEL);
    boxes.QueueAnswer(IDNO);
    CmyMessageBox box;
    EXPECT_EQ(box.Show(nullptr, 521, MB_OKCANCEL, 1), IDCANCEL);
    EXPECT_EQ(box.Show(nullptr, 542, MB_YESNO, 539), IDNO);
    EXPECT_EQ(box.Show(nullptr, 542, MB_YESNO, 539), IDYES);
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
    EXPECT_EQ(shown[0].caption, Text(538));
    EXPECT_EQ(shown[0].style, 0x2010u);
    EXPECT_EQ(shown[1].caption, Text(539));
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
    CmyException e(kMissingData, "C:\\Host\\Tintora\\Driver\\UCD3.dat");
    EXPECT_EQ(e.GetFileArgument(), "UCD3.dat");
    EXPECT_EQ(e.GetMessage(), FormatText(Text(kMissingData), "UCD3.dat"));
    EXPECT_EQ(e.GetMessage().find("Tintora"), std::string::npos);
    EXPECT_EQ(e.GetTextId(), kMissingData);
    EXPECT_EQ(e.GetSeverity(), CmyException::error);
}

TEST(ErrorException, TrailingBackslashLeavesAnEmptyFileName) {
    CmyException e(kMissingData, "C:\\Host\\Tintora\\");
    EXPECT_EQ(e.GetFileArgument(), "");
    EXPECT_EQ(e.GetMessage(), FormatText(Text(kMissingData), ""));
    EXPECT_EQ(e.GetMessage().find("%s"), std::string::npos);
}

TEST(ErrorException, ArgumentWithoutBackslashStaysWhole) {
    CmyException e(535, "Tavrel.ini", CmyException::warning);
    EXPECT_EQ(e.GetFileArgument(), "Tavrel.ini");
    EXPECT_NE(e.GetMessage().find("Tavrel.ini"), std::string::npos);
    EXPECT_EQ(e.GetSeverity(), CmyException::warning);
}

TEST(ErrorException, EmptyArgumentKeepsTheTextAsItIs) {
    CmyException e(kModuleFailure);
    EXPECT_EQ(e.GetMessage(), Text(kModuleFailure));
    EXPECT_EQ(e.GetFileArgument(), "");
    CmyException unformatted(kMissingData);
    EXPECT_EQ(unformatted.GetMessage(), Text(kMissingData));
}

TEST(ErrorException, HostileFileNameIsShownLiterally) {
    CmyException e(kMissingData, "D:\\x\\%s%n%d.dat");
    EXPECT_EQ(e.GetFileArgument(), "%s%n%d.dat");
    EXPECT_NE(e.GetMessage().find("%s%n%d.dat"), std::string::npos);
}

TEST(ErrorException, ThrownByValueCaughtByReferenceAndCopied) {
    MessageBoxRecorder boxes;
    try {
        throw CmyException(525, "", CmyException::warning);
    } catch (const CmyException& caught) {
        CmyException copy = caught;
        EXPECT_EQ(copy.GetMessage(), Text(525));
        EXPECT_EQ(copy.GetSeverity(), CmyException::warning);
        copy.Report();
    }
    ASSERT_EQ(boxes.Count(), 1u);
    EXPECT_EQ(boxes.Last().caption, Text(539));
}

TEST(ErrorReport, SeverityDecidesTheBox) {
    MessageBoxRecorder boxes;
    CmyException(kModuleFailure, "", 0).Report();
    ASSERT_EQ(boxes.Count(), 1u);
    EXPECT_EQ(boxes.Last().text, Text(kModuleFailure));
    EXPECT_EQ(boxes.Last().caption, Text(538));
    EXPECT_EQ(boxes.Last().style, 0x2010u);
    EXPECT_EQ(boxes.Last().owner, nullptr);

    CmyException(kMissingData, "a\\b\\Soft", 1).Report();
    ASSERT_EQ(boxes.Count(), 2u);
    EXPECT_EQ(boxes.Last().text, FormatText(Text(kMissingData), "Soft"));
    EXPECT_EQ(boxes.Last().caption, Text(539));
    EXPECT_EQ(boxes.Last().style, 0x2030u);

    CmyException(kModuleFailure, "", 2).Report();
    CmyException(kModuleFailure, "", -1).Report();
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
    HBITMAP picture = library.LoadBitmapSized(1500, frame);
    EXPECT_NE(picture, nullptr);
    if (picture) fw::ws::DeleteGdiObject(picture);
    EXPECT_EQ(library.LoadBitmapSized(4242, frame), nullptr);
}
