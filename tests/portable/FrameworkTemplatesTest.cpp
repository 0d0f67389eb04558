// Dialog templates as dialog resources: the headless backend's reader of DLGTEMPLATEEX bytes
// (written here, and compiled by the resource compiler into this program), and dialogs and
// pages made from the program's own resources by id, by bytes and by LoadResource handle.
#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <string>
#include <vector>

#include "framework/CDialog.h"
#include "framework/CPropertyPage.h"
#include "framework/CPropertySheet.h"
#include "framework/FileDialogTemplate.h"
#include "framework/WindowSystem.h"
#include "framework/headless/DialogTemplateReader.h"
#include "framework/headless/UiView.h"
#include "support/DialogTemplateBuilder.h"
#include "support/ScriptedUser.h"
#include "support/TestTemplateIds.h"

using fw::headless::DialogLayout;
using fw::headless::DialogTemplateReader;
using fw::headless::WindowView;

namespace {

constexpr DWORD kNamedControl = 4101;
constexpr DWORD kListControl = 4102;

DialogTemplateBuilder Sample() {
    DialogTemplateBuilder sample(180, 90, WS_POPUP | WS_CAPTION | DS_MODALFRAME);
    sample.Caption("Sample \xC4 \x80").Font(9, "Tahoma");
    sample.Add(IDOK, FW_CLASS_BUTTON, BS_DEFPUSHBUTTON | WS_TABSTOP, 10, 70, 50, 14, "OK")
        .Add(kListControl, FW_CLASS_LISTBOX, LBS_SORT, 10, 10, 80, 50)
        .Add(kNamedControl, FW_CLASS_TRACKBAR, TBS_AUTOTICKS, 100, 10, 70, 15, "", {1, 2, 3});
    return sample;
}

const fw::headless::DialogLayoutItem* ItemOf(const DialogLayout& layout, DWORD id) {
    for (const auto& item : layout.items) {
        if (item.id == id) return &item;
    }
    return nullptr;
}

}  // namespace

// ---- The reader --------------------------------------------------------------------------------

TEST(DialogTemplateReading, AWrittenTemplateReadsBackWhole) {
    const std::vector<BYTE> bytes = Sample().Bytes();
    const auto layout = DialogTemplateReader::Read(bytes.data(), bytes.size());
    ASSERT_TRUE(layout.has_value());
    EXPECT_EQ(layout->style, static_cast<DWORD>(WS_POPUP | WS_CAPTION | DS_MODALFRAME | DS_SETFONT));
    EXPECT_EQ(layout->cx, 180);
    EXPECT_EQ(layout->cy, 90);
    EXPECT_EQ(layout->caption, "Sample \xC4 \x80");  // Latin-1 and the euro sign back to the code page
    EXPECT_EQ(layout->pointSize, 9);
    EXPECT_EQ(layout->fontFace, "Tahoma");
    ASSERT_EQ(layout->items.size(), 3u);
    EXPECT_EQ(layout->items[0].className, FW_CLASS_BUTTON);
    EXPECT_EQ(layout->items[0].title.text, "OK");
    EXPECT_EQ(layout->items[0].style & 0xFFFFu, static_cast<DWORD>(BS_DEFPUSHBUTTON | WS_TABSTOP) & 0xFFFFu);
    EXPECT_EQ(layout->items[1].className, FW_CLASS_LISTBOX);
    EXPECT_EQ(layout->items[1].x, 10);
    EXPECT_EQ(layout->items[1].cy, 50);
    EXPECT_EQ(layout->items[2].className, FW_CLASS_TRACKBAR);  // a class written by name
    EXPECT_EQ(layout->items[2].id, kNamedControl);
    EXPECT_EQ(layout->items[2].creationData, (std::vector<BYTE>{1, 2, 3}));
}

TEST(DialogTemplateReading, WithoutTheFontStyleThereIsNoFontBlock) {
    DialogTemplateBuilder plain(100, 50, WS_POPUP);
    plain.NoFont().Add(IDCANCEL, FW_CLASS_BUTTON, BS_PUSHBUTTON, 5, 5, 40, 14, "Cancel");
    const std::vector<BYTE> bytes = plain.Bytes();
    const auto layout = DialogTemplateReader::Read(bytes.data(), bytes.size());
    ASSERT_TRUE(layout.has_value());
    EXPECT_EQ(layout->fontFace, "");
    ASSERT_EQ(layout->items.size(), 1u);
    EXPECT_EQ(layout->items[0].title.text, "Cancel");
}

TEST(DialogTemplateReading, TruncatedOrForeignDataIsRefused) {
    const std::vector<BYTE> bytes = Sample().Bytes();
    EXPECT_FALSE(DialogTemplateReader::Read(nullptr, 100).has_value());
    // Every cut short of the end loses part of the last item at least.
    for (size_t length = 0; length + 1 < bytes.size(); ++length) {
        const std::vector<BYTE> cut(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(length));
        EXPECT_FALSE(DialogTemplateReader::Read(cut.data(), cut.size()).has_value()) << "length " << length;
    }
    std::vector<BYTE> version = bytes;
    version[0] = 2;
    EXPECT_FALSE(DialogTemplateReader::Read(version.data(), version.size()).has_value());
    std::vector<BYTE> plainTemplate = bytes;  // a DLGTEMPLATE without the extended signature
    plainTemplate[2] = 0;
    plainTemplate[3] = 0;
    EXPECT_FALSE(DialogTemplateReader::Read(plainTemplate.data(), plainTemplate.size()).has_value());
    std::vector<BYTE> count = bytes;  // one item more than there are
    count[16] = 4;
    EXPECT_FALSE(DialogTemplateReader::Read(count.data(), count.size()).has_value());
}

TEST(DialogTemplateReading, AClassOrdinalOutsideThePredefinedClassesIsRefused) {
    DialogTemplateBuilder one(100, 50, WS_POPUP);
    one.NoFont().Add(IDOK, FW_CLASS_EDIT, 0, 5, 5, 40, 14);
    std::vector<BYTE> bytes = one.Bytes();
    // The item's class ordinal follows its id, at the end of the fixed part: 0x0081 (Edit).
    const BYTE editClass[] = {0xFF, 0xFF, 0x81, 0x00};
    const auto at = std::search(bytes.begin(), bytes.end(), std::begin(editClass), std::end(editClass));
    ASSERT_NE(at, bytes.end());
    ASSERT_TRUE(DialogTemplateReader::Read(bytes.data(), bytes.size()).has_value());
    *(at + 2) = 0x90;
    EXPECT_FALSE(DialogTemplateReader::Read(bytes.data(), bytes.size()).has_value());
}

TEST(DialogTemplateReading, TheFrameworksFileDialogTemplateIsWellFormed) {
    const auto layout = DialogTemplateReader::Read(FileDialogTemplate::Save(), 0);
    ASSERT_TRUE(layout.has_value());
    EXPECT_EQ(layout->caption, "Save As");
    ASSERT_EQ(layout->items.size(), 4u);
    ASSERT_NE(ItemOf(*layout, FileDialogTemplate::kPathEditId), nullptr);
    EXPECT_EQ(ItemOf(*layout, FileDialogTemplate::kPathEditId)->className, FW_CLASS_EDIT);
    EXPECT_EQ(ItemOf(*layout, IDCANCEL)->title.text, "Cancel");
}

// ---- The program's own resources ---------------------------------------------------------------

TEST(ProgramTemplates, TheResourceCompilersTemplateReadsWithItsClassesAndTexts) {
    DWORD size = 0;
    const LPCDLGTEMPLATE found = fw::ws::LoadTemplate(nullptr, IDD_FW_CONTROLS, &size);
    ASSERT_NE(found, nullptr);
    EXPECT_GT(size, 0u);
    EXPECT_EQ(fw::ws::LoadTemplate(GetModuleHandleA(nullptr), IDD_FW_CONTROLS), found);
    const auto layout = DialogTemplateReader::Read(found, size);
    ASSERT_TRUE(layout.has_value());
    EXPECT_EQ(layout->cx, 220);
    EXPECT_EQ(layout->fontFace, "MS Shell Dlg");
    EXPECT_EQ(layout->items.size(), 18u);
    // Class names come in the compiler's spelling; the backend knows them by the system's.
    EXPECT_EQ(ItemOf(*layout, IDC_FW_SORTED_LIST)->className, FW_CLASS_LISTBOX);
    EXPECT_EQ(ItemOf(*layout, IDC_FW_SLIDER)->className, FW_CLASS_TRACKBAR);
    EXPECT_EQ(ItemOf(*layout, IDC_FW_CLICKABLE)->title.text, "Click me");
    EXPECT_TRUE(ItemOf(*layout, IDC_FW_CHECK)->style & WS_VISIBLE);

    EXPECT_EQ(fw::ws::LoadTemplate(nullptr, IDD_FW_MISSING, &size), nullptr);
    EXPECT_EQ(size, 0u);
}

TEST(ProgramTemplates, ADialogRunsFromItsResourceHandleFromItsBytesAndByItsId) {
    HRSRC found = FindResourceA(nullptr, MAKEINTRESOURCEA(IDD_FW_TIMERS), RT_DIALOG);
    ASSERT_NE(found, nullptr);
    HGLOBAL loaded = LoadResource(nullptr, found);
    ASSERT_NE(loaded, nullptr);
    for (int way = 0; way < 3; ++way) {
        CDialog dialog(IDD_FW_TIMERS);
        if (way == 0) {
            ASSERT_TRUE(dialog.InitModalIndirect(loaded));
        } else if (way == 1) {
            ASSERT_TRUE(dialog.InitModalIndirect(static_cast<LPCDLGTEMPLATE>(LockResource(loaded))));
        }
        ScriptedUser user;
        user.Inspect([](const WindowView& view) {
                EXPECT_EQ(view.templateId, static_cast<UINT>(IDD_FW_TIMERS));
                EXPECT_EQ(view.Control(IDC_FW_TRACKER).text, "track");
            })
            .Cancel();
        EXPECT_EQ(dialog.DoModal(), IDCANCEL) << "way " << way;
    }
}

TEST(ProgramTemplates, AMissingOrMalformedTemplateMakesNoDialog) {
    CDialog missing(IDD_FW_MISSING);
    EXPECT_EQ(missing.DoModal(), -1);
    CDialog none;
    EXPECT_FALSE(none.InitModalIndirect(static_cast<HGLOBAL>(nullptr)));
    EXPECT_EQ(none.DoModal(), -1);
    std::vector<BYTE> bytes = Sample().Bytes();
    bytes[2] = 0;  // no signature
    CDialog malformed;
    ASSERT_TRUE(malformed.InitModalIndirect(reinterpret_cast<LPCDLGTEMPLATE>(bytes.data())));
    EXPECT_EQ(malformed.DoModal(), -1);
}

TEST(ProgramTemplates, APageFromTheProgramsResourcesRunsInAWizard) {
    CPropertyPage page(IDD_FW_TERMINAL_CHOICES);
    page.m_psp.hInstance = GetModuleHandleA(nullptr);
    CPropertySheet sheet("Wizard");
    sheet.AddPage(&page);
    sheet.SetWizardMode();
    ScriptedUser user;
    user.Inspect([](const WindowView& view) {
            EXPECT_EQ(view.templateId, static_cast<UINT>(IDD_FW_TERMINAL_CHOICES));
            EXPECT_EQ(view.Control(IDC_FW_COLOUR).kind, "radio button");
            EXPECT_EQ(view.Control(IDC_FW_GAMMA).text, "Gamma");
        })
        .Click(IDC_FW_GAMMA)  // an auto radio button
        .Inspect([](const WindowView& view) { EXPECT_TRUE(view.Control(IDC_FW_GAMMA).checked()); })
        .Cancel();
    EXPECT_EQ(sheet.DoModal(), IDCANCEL);
}
