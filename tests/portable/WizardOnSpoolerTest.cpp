// The gamma task of the whole wizard, as a host calls it, on a printer registered through the
// spooler itself: under Wine the real spooler, profile and file functions, natively our
// platform layer. The setting is edited and saved into the installed driver catalogue.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "framework/CObject.h"
#include "gamma/CGammaData.h"
#include "launch/TavrelEntry.h"
#include "platform/win32api.h"
#include "resources/resource.h"
#include "storage/CFileAcc.h"
#include "storage/CIniAcc.h"
#include "support/MessageBoxRecorder.h"
#include "support/ScriptedUser.h"
#include "support/SpoolerRawModel.h"

#ifndef _WIN32
#include "support/SimMachine.h"
#endif

namespace {

const char kDriver[] = "Tv Wizard Driver";
const char kPrinter[] = "Tv Wizard Printer";
const char kCatalog[] = "TVWIZCM.INI";

class WizardOnSpoolerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
#ifndef _WIN32
        machine = std::make_unique<SimMachine>();
#endif
        model.Install();
    }

#ifndef _WIN32
    std::unique_ptr<SimMachine> machine;
#endif
    SpoolerRawModel model{kDriver, kPrinter, "TvWiz", kCatalog};
};

TEST_F(WizardOnSpoolerTest, GammaSettingIsEditedAndSavedIntoTheInstalledCatalogue)
{
    MessageBoxRecorder boxes;
    ScriptedUser user;
    user.Click(IDC_SELECTEDIT_GAMMA_RADIO)
        .Next()
        .Select(IDC_GAMMASELECT_LIST, "Vivid")
        .Next()
        .Slide(IDC_GAMMA_GAMMA_SLIDER, 4)  // gamma 1.8
        .Next()
        .Type(IDC_SAVE_NAME_EDIT, "Night")
        .Click(IDC_SAVE_BUTTON)
        .Finish();
    EXPECT_EQ(CallTintora32(0, 0, kPrinter, 0), 0);
    EXPECT_TRUE(user.Finished()) << user.Remaining();
    EXPECT_TRUE(user.Refusals().empty());
    ASSERT_EQ(boxes.Count(), 1u);  // "saved"
    EXPECT_NE(boxes.Last().text.find("Night"), std::string::npos);

    const std::string local = model.LocalCatalog();
    for (const std::string& file : {model.InstalledCatalog(), local}) {
        SCOPED_TRACE(file);
        const CIniAcc catalog(file);
        EXPECT_EQ(catalog.GetString("Gamma", "SettingName0"), "Night");
        EXPECT_EQ(catalog.GetString("Gamma", "Night"), "1");  // the mode of "Vivid"
        EXPECT_EQ(catalog.GetString("Gamma", "CCMNT0").size(), 2u * 228u);
        EXPECT_EQ(catalog.GetString("Config", "UpDate"), "1");
    }
    CFileAcc files;
    std::unique_ptr<CObject> object(files.LoadObject("", model.Utility() + kDriver + "\\UGD0.dat", RUNTIME_CLASS(CGammaData), "Night"));
    auto* saved = dynamic_cast<CGammaData*>(object.get());
    ASSERT_NE(saved, nullptr);
    EXPECT_DOUBLE_EQ(saved->GetGamma(), 1.8);
}

}  // namespace
