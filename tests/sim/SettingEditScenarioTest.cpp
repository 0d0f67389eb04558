// The stored-settings task of the whole wizard, as a host calls it: choosing the task leads to
// the exchange page of the printer's driver, which lists, deletes and exports its settings.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/CFileDialog.h"
#include "framework/headless/UiView.h"
#include "launch/CStrRes.h"
#include "launch/TavrelEntry.h"
#include "launch/TextFormat.h"
#include "resources/resource.h"
#include "storage/CIniAcc.h"
#include "support/FullTable.h"
#include "support/MessageBoxRecorder.h"
#include "support/ScriptedUser.h"
#include "support/SimMachine.h"
#include "support/SimPrinterModel.h"

using fw::headless::WindowView;

TEST(SettingEditScenario, ExchangeTaskListsDeletesAndExportsTheDriverSettings)
{
    SimMachine machine;
    const SimPrinterModel model = SimPrinterModel::Raw331();
    model.Install(machine,
                  "[Color]\r\nSettingNum=1\r\nSettingID0=3\r\nSettingName3=Warm\r\nCCMNT3=" + FullTable("0A") + "\r\nCCMNV3=" + FullTable("0B") + "\r\n"
                  "[Gamma]\r\nSettingNum=1\r\nSettingID0=1\r\nSettingName1=Soft\r\nSoft=2\r\nCCMNT1=" + FullTable("0C") + "\r\nCCMNV1=" + FullTable("0D") + "\r\n");
    machine.WriteFile(model.DataFolder() + "UCD3.dat", "colour bytes");
    machine.WriteFile(model.DataFolder() + "UGD1.dat", "gamma bytes");
    machine.WriteFile("C:\\Exchange\\keep", "");

    const CStrRes strings;
    MessageBoxRecorder boxes;
    boxes.QueueAnswer(IDYES);
    ScriptedUser user;
    WindowView page;
    user.Click(IDC_SELECTEDIT_EXCHANGE_RADIO)
        .Next()
        .Inspect([&](const WindowView& view) { page = view; })
        .Click(IDC_EXCHANGE_DELETE_BUTTON)  // deletes the colour "Warm", the first entry
        .Click(IDC_EXCHANGE_EXPORT_BUTTON)
        .Click(IDC_ADDSETTING_CONFIRM_BUTTON)
        .Type(CFileDialog::kPathEditId, "C:\\Exchange\\Soft")
        .Click(IDOK)
        .Finish();
    EXPECT_EQ(CallTintora32(0, 0, model.printer.c_str(), 0), 0);
    EXPECT_TRUE(user.Finished());
    EXPECT_TRUE(user.Refusals().empty());

    EXPECT_EQ(page.templateId, IDD_SETTING_EXCHANGE_PAGE);
    EXPECT_EQ(page.title, FormatText(strings.Load(IDS_TITLE_SETTING_EXCHANGE), model.driver));
    EXPECT_EQ(page.Control(IDC_EXCHANGE_LIST).items, (std::vector<std::string>{"Warm", "Soft"}));
    EXPECT_TRUE(page.buttons.back.enabled);

    EXPECT_EQ(CIniAcc(model.CatalogPath()).GetString("Color", "SettingNum"), "0");
    EXPECT_FALSE(machine.Exists(model.DataFolder() + "UCD3.dat"));
    const std::string file = "C:\\Exchange\\Soft\\Soft.CCM";
    EXPECT_EQ(CIniAcc(file).GetString("Gamma", "SettingName0"), "Soft");
    EXPECT_EQ(CIniAcc(file).GetString("Gamma", "Soft"), "2");
    EXPECT_EQ(machine.ReadFile("C:\\Exchange\\Soft\\UGD0.dat"), "gamma bytes");
    ASSERT_FALSE(boxes.Boxes().empty());
    EXPECT_EQ(boxes.Last().text, FormatText(strings.Load(IDS_MSG_EXPORTED), "C:\\Exchange\\Soft"));
}
