// The dialog templates of the dialog library, read through the framework by template id, and
// a page made from one of them.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "framework/CPropertyPage.h"
#include "framework/CPropertySheet.h"
#include "framework/WindowSystem.h"
#include "framework/headless/UiView.h"
#include "launch/CDlgRes.h"
#include "support/ScriptedUser.h"

using fw::headless::WindowView;

namespace {

std::set<UINT> IdsOf(const FwDialogTemplate& dialogTemplate) {
    std::set<UINT> ids;
    for (UINT i = 0; i < dialogTemplate.itemCount; ++i) ids.insert(dialogTemplate.items[i].id);
    return ids;
}

const FwDialogItem* ItemOf(const FwDialogTemplate& dialogTemplate, UINT id) {
    for (UINT i = 0; i < dialogTemplate.itemCount; ++i) {
        if (dialogTemplate.items[i].id == id) return &dialogTemplate.items[i];
    }
    return nullptr;
}

class LibraryTemplates : public ::testing::Test {
protected:
    const FwDialogTemplate* Load(UINT id) { return fw::ws::LoadTemplate(library.GetModule(), id); }
    CDlgRes library;
};

}  // namespace

TEST_F(LibraryTemplates, TheSelectEditPageHasItsChoicesPicturesAndFrames) {
    ASSERT_NE(library.GetModule(), nullptr);
    const FwDialogTemplate* page = Load(108);
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(page->id, 108u);
    EXPECT_EQ(IdsOf(*page), (std::set<UINT>{1001, 1005, 1007, 1009, 1011, 1012, 1013, 1014, 1015, 1076, 1077, 1129,
                                             1130, 1131, 1132}));
    for (UINT radio : {1012u, 1013u, 1014u}) {
        EXPECT_STREQ(ItemOf(*page, radio)->className, FW_CLASS_BUTTON);
        EXPECT_EQ(ItemOf(*page, radio)->style & BS_TYPEMASK, static_cast<DWORD>(BS_RADIOBUTTON));
    }
    for (UINT picture : {1011u, 1005u, 1076u, 1077u}) EXPECT_EQ(ItemOf(*page, picture)->style & SS_TYPEMASK, static_cast<DWORD>(SS_BITMAP));
}

TEST_F(LibraryTemplates, TheDriverPageAndTheAboutDialogHaveTheirControls) {
    const FwDialogTemplate* driver = Load(109);
    ASSERT_NE(driver, nullptr);
    EXPECT_EQ(IdsOf(*driver), (std::set<UINT>{1016, 1017, 1018, 1019, 1136}));
    EXPECT_STREQ(ItemOf(*driver, 1018)->className, FW_CLASS_LISTBOX);
    EXPECT_EQ(ItemOf(*driver, 1018)->style & LBS_SORT, 0u);  // printers stay in the order given

    const FwDialogTemplate* about = Load(1165);
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(IdsOf(*about), (std::set<UINT>{1160, 1161, 1162, 1163, 1164}));
    EXPECT_EQ(ItemOf(*about, 1164)->style & SS_TYPEMASK, static_cast<DWORD>(SS_ICON));
    EXPECT_TRUE(about->style & WS_SYSMENU);

    EXPECT_EQ(Load(4242), nullptr);
    EXPECT_EQ(fw::ws::LoadTemplate(nullptr, 108), nullptr);  // not one of the program's own
}

TEST_F(LibraryTemplates, APageFromTheLibraryRunsInAWizard) {
    CPropertyPage page(108);
    page.m_psp.hInstance = library.GetModule();
    CPropertySheet sheet("Wizard");
    sheet.AddPage(&page);
    sheet.SetWizardMode();
    ScriptedUser user;
    user.Inspect([](const WindowView& view) {
            EXPECT_EQ(view.templateId, 108u);
            EXPECT_EQ(view.Control(1012).kind, "radio button");
            EXPECT_EQ(view.Control(1011).kind, "picture");
            EXPECT_EQ(view.Control(1129).kind, "frame");
            EXPECT_TRUE(view.Control(1014).enabled);
        })
        .Click(1014)  // a plain radio button: the page checks it, not the click
        .Inspect([](const WindowView& view) { EXPECT_FALSE(view.Control(1014).checked()); })
        .Cancel();
    EXPECT_EQ(sheet.DoModal(), IDCANCEL);
}
