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
#include "resources/resource.h"
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
    const FwDialogTemplate* page = Load(IDD_SELECT_EDIT_PAGE);
    ASSERT_NE(page, nullptr);
    EXPECT_EQ(page->id, IDD_SELECT_EDIT_PAGE);
    EXPECT_EQ(IdsOf(*page), (std::set<UINT>{IDC_SELECTEDIT_DESCRIPTION, IDC_SELECTEDIT_COLOR_PICTURE,
                                             IDC_SELECTEDIT_HEADING, IDC_SELECTEDIT_ADJUST_GROUP,
                                             IDC_SELECTEDIT_PICTURE, IDC_SELECTEDIT_COLOR_RADIO,
                                             IDC_SELECTEDIT_GAMMA_RADIO, IDC_SELECTEDIT_EXCHANGE_RADIO,
                                             IDC_SELECTEDIT_MANAGE_GROUP, IDC_SELECTEDIT_GAMMA_PICTURE,
                                             IDC_SELECTEDIT_EXCHANGE_PICTURE, IDC_SELECTEDIT_PICTURE_FRAME,
                                             IDC_SELECTEDIT_COLOR_FRAME, IDC_SELECTEDIT_GAMMA_FRAME,
                                             IDC_SELECTEDIT_EXCHANGE_FRAME}));
    for (UINT radio : {IDC_SELECTEDIT_COLOR_RADIO, IDC_SELECTEDIT_GAMMA_RADIO, IDC_SELECTEDIT_EXCHANGE_RADIO}) {
        EXPECT_STREQ(ItemOf(*page, radio)->className, FW_CLASS_BUTTON);
        EXPECT_EQ(ItemOf(*page, radio)->style & BS_TYPEMASK, static_cast<DWORD>(BS_RADIOBUTTON));
    }
    for (UINT picture : {IDC_SELECTEDIT_PICTURE, IDC_SELECTEDIT_COLOR_PICTURE, IDC_SELECTEDIT_GAMMA_PICTURE,
                         IDC_SELECTEDIT_EXCHANGE_PICTURE}) {
        EXPECT_EQ(ItemOf(*page, picture)->style & SS_TYPEMASK, static_cast<DWORD>(SS_BITMAP));
    }
}

TEST_F(LibraryTemplates, TheDriverPageAndTheAboutDialogHaveTheirControls) {
    const FwDialogTemplate* driver = Load(IDD_SELECT_DRIVER_PAGE);
    ASSERT_NE(driver, nullptr);
    EXPECT_EQ(IdsOf(*driver), (std::set<UINT>{IDC_DRIVER_INSTRUCTION, IDC_DRIVER_NOTE, IDC_DRIVER_LIST,
                                               IDC_DRIVER_PICTURE, IDC_DRIVER_PICTURE_FRAME}));
    EXPECT_STREQ(ItemOf(*driver, IDC_DRIVER_LIST)->className, FW_CLASS_LISTBOX);
    EXPECT_EQ(ItemOf(*driver, IDC_DRIVER_LIST)->style & LBS_SORT, 0u);  // printers stay in the order given

    const FwDialogTemplate* about = Load(IDD_ABOUT_DIALOG);
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(IdsOf(*about), (std::set<UINT>{IDC_ABOUT_TEXT, IDC_ABOUT_VERSION, IDC_ABOUT_COPYRIGHT,
                                              IDC_ABOUT_OK_BUTTON, IDC_ABOUT_ICON}));
    EXPECT_EQ(ItemOf(*about, IDC_ABOUT_ICON)->style & SS_TYPEMASK, static_cast<DWORD>(SS_ICON));
    EXPECT_TRUE(about->style & WS_SYSMENU);

    EXPECT_EQ(Load(4242), nullptr);
    EXPECT_EQ(fw::ws::LoadTemplate(nullptr, IDD_SELECT_EDIT_PAGE), nullptr);  // not one of the program's own
}

TEST_F(LibraryTemplates, APageFromTheLibraryRunsInAWizard) {
    CPropertyPage page(IDD_SELECT_EDIT_PAGE);
    page.m_psp.hInstance = library.GetModule();
    CPropertySheet sheet("Wizard");
    sheet.AddPage(&page);
    sheet.SetWizardMode();
    ScriptedUser user;
    user.Inspect([](const WindowView& view) {
            EXPECT_EQ(view.templateId, IDD_SELECT_EDIT_PAGE);
            EXPECT_EQ(view.Control(IDC_SELECTEDIT_COLOR_RADIO).kind, "radio button");
            EXPECT_EQ(view.Control(IDC_SELECTEDIT_PICTURE).kind, "picture");
            EXPECT_EQ(view.Control(IDC_SELECTEDIT_PICTURE_FRAME).kind, "frame");
            EXPECT_TRUE(view.Control(IDC_SELECTEDIT_EXCHANGE_RADIO).enabled);
        })
        .Click(IDC_SELECTEDIT_EXCHANGE_RADIO)  // a plain radio button: the page checks it, not the click
        .Inspect([](const WindowView& view) { EXPECT_FALSE(view.Control(IDC_SELECTEDIT_EXCHANGE_RADIO).checked()); })
        .Cancel();
    EXPECT_EQ(sheet.DoModal(), IDCANCEL);
}
