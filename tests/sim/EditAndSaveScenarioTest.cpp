// The two editing tasks of the whole wizard, as a host calls it: start from the printer's
// default setting, change it on the colour palette or the gamma page, and save it under a new
// name, which lands in the driver catalogue, its local copy, a data file and, for an "EMF"
// model, three profiles.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "framework/headless/UiView.h"
#include "gamma/CGammaData.h"
#include "launch/TavrelEntry.h"
#include "resources/resource.h"
#include "storage/CFileAcc.h"
#include "storage/CIniAcc.h"
#include "support/MessageBoxRecorder.h"
#include "support/ScriptedUser.h"
#include "support/SimMachine.h"
#include "support/SimPrinterModel.h"

using fw::headless::WindowView;

namespace {

POINT PatchCentre(int index) { return {6 + (index % 8) * 36 + 15, 15 + (index / 8) * 45 + 15}; }

std::string Catalog(const std::string& file, const char* section, const std::string& key)
{
    return CIniAcc(file).GetString(section, key);
}

}  // namespace

TEST(EditAndSaveScenario, ColourSettingIsEditedAndSavedOnAnEmfModel)
{
    SimMachine machine;
    const SimPrinterModel model = SimPrinterModel::Emf();
    model.Install(machine);
    MessageBoxRecorder boxes;
    ScriptedUser user;
    user.Click(IDC_SELECTEDIT_COLOR_RADIO)
        .Next()
        .Inspect([](const WindowView& view) { EXPECT_EQ(view.templateId, IDD_COLOR_SETTING_SELECT_PAGE); })
        .Next()
        .Inspect([](const WindowView& view) { EXPECT_EQ(view.templateId, IDD_COLOR_PALETTE_PAGE); })
        .ClickAt(IDC_PALETTE, PatchCentre(9).x, PatchCentre(9).y)
        .SelectIndex(IDC_COLORINPUT_HUE_LIST, 0)
        .SelectIndex(IDC_COLORINPUT_STRENGTH_LIST, 0)
        .Click(IDC_COLORINPUT_OK_BUTTON)
        .Next()
        .Inspect([](const WindowView& view) { EXPECT_EQ(view.templateId, IDD_SAVE_SETTING_PAGE); })
        .Type(IDC_SAVE_NAME_EDIT, "Evening")
        .Click(IDC_SAVE_BUTTON)
        .Wait(600)  // the profiles are built behind the progress dialog
        .Finish();
    EXPECT_EQ(CallTintora32(0, 0, model.printer.c_str(), 0), 0);
    EXPECT_TRUE(user.Finished()) << user.Remaining();
    EXPECT_TRUE(user.Refusals().empty());

    // Saved under the lowest free identifier, 0, everywhere it belongs.
    for (const std::string& file : {model.CatalogPath(), model.LocalCatalogPath()}) {
        SCOPED_TRACE(file);
        EXPECT_EQ(Catalog(file, "Color", "SettingName0"), "Evening");
        EXPECT_EQ(Catalog(file, "Color", "CCMNT0").size(), 2u * 228u);
        EXPECT_FALSE(Catalog(file, "Color", "01C0.ICB").empty());
    }
    for (const char* file : {"UCD0.dat", "01C0.ICB", "02C0.ICB", "03C0.ICB"}) {
        EXPECT_TRUE(machine.Exists(model.DataFolder() + file)) << file;
    }
    ASSERT_FALSE(boxes.Boxes().empty());
    EXPECT_NE(boxes.Last().text.find("Evening"), std::string::npos);
}

TEST(EditAndSaveScenario, GammaSettingIsEditedAndSavedOnARawModel)
{
    SimMachine machine;
    const SimPrinterModel model = SimPrinterModel::Raw331();
    model.Install(machine);
    MessageBoxRecorder boxes;
    ScriptedUser user;
    user.Click(IDC_SELECTEDIT_GAMMA_RADIO)
        .Next()
        .Inspect([](const WindowView& view) { EXPECT_EQ(view.templateId, IDD_GAMMA_SETTING_SELECT_PAGE); })
        .Select(IDC_GAMMASELECT_LIST, "Vivid")
        .Next()
        .Inspect([](const WindowView& view) { EXPECT_EQ(view.templateId, IDD_GAMMA_PAGE); })
        .Slide(IDC_GAMMA_GAMMA_SLIDER, 4)  // gamma 1.8
        .Next()
        .Type(IDC_SAVE_NAME_EDIT, "Night")
        .Click(IDC_SAVE_BUTTON)
        .Finish();
    EXPECT_EQ(CallTintora32(0, 0, model.printer.c_str(), 0), 0);
    EXPECT_TRUE(user.Finished()) << user.Remaining();
    EXPECT_TRUE(user.Refusals().empty());

    for (const std::string& file : {model.CatalogPath(), model.LocalCatalogPath()}) {
        SCOPED_TRACE(file);
        EXPECT_EQ(Catalog(file, "Gamma", "SettingName0"), "Night");
        EXPECT_EQ(Catalog(file, "Gamma", "Night"), "1");  // the mode of the default "Vivid"
        EXPECT_EQ(Catalog(file, "Gamma", "CCMNT0").size(), 2u * 228u);
        EXPECT_EQ(Catalog(file, "Gamma", "01G0.ICB"), "");  // raw models have no profiles
    }
    CFileAcc files;
    std::unique_ptr<CObject> object(files.LoadObject("", files.GetDataPath("UGD0.dat", model.driver),
                                                     RUNTIME_CLASS(CGammaData), "Night"));
    auto* saved = dynamic_cast<CGammaData*>(object.get());
    ASSERT_NE(saved, nullptr);
    EXPECT_DOUBLE_EQ(saved->GetGamma(), 1.8);
}
