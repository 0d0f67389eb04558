// The whole call as a host makes it: CallTintora32 on a simulated machine, with a scripted user
// in the headless wizard.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "framework/headless/UiView.h"
#include "launch/CStrRes.h"
#include "launch/TavrelEntry.h"
#include "launch/TextFormat.h"
#include "platform/posix/Simulation.h"
#include "platform/win32actctx.h"
#include "resources/resource.h"
#include "support/MessageBoxRecorder.h"
#include "support/ScriptedUser.h"
#include "support/SimMachine.h"

namespace {

using fw::headless::WindowView;

const char kFolder[] = "C:\\Windows\\System32\\spool\\drivers\\x64\\3\\";
const char kPrinter[] = "Office Printer";

std::string Text(UINT id) { return CStrRes().Load(id); }

LONG RunWizard(const char* printer = nullptr) { return CallTintora32(0, 0, printer, 0); }

class WizardScenarioTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        machine.WriteFile("C:\\Host\\Tintora\\Tavrel.ini",
                          "[HelpFile]\r\nFileName=guide.chm\r\n[CCMVer10]\r\nModule=TVCCM.dll\r\nPrintMode=EMF\r\n");
        SimMachineClearHelpRequests();
    }

    void AddSupportedPrinter()
    {
        SimDriver driver;
        driver.name = "TvWiz Model";
        driver.driverPath = std::string(kFolder) + "tvwiz.dll";
        driver.dependentFiles = {"TVWIZ.CAP", "TVWIZCM.INI"};
        machine.AddDriver(driver);
        machine.WriteFile(std::string(kFolder) + "TVWIZ.CAP",
                          "[Capability]\r\nTvWiz Model=Model\r\n[Model]\r\nCCMInfoFile=TVWIZCM.INI\r\n"
                          "CCMVersion=10\r\nLocalPrinterOnly=0\r\n");
        machine.WriteFile(std::string(kFolder) + "TVWIZCM.INI", "[Color]\r\nSettingNum=0\r\n[Gamma]\r\nSettingNum=0\r\n");
        SimPrinter printer;
        printer.name = kPrinter;
        printer.driver = driver.name;
        machine.AddPrinter(printer);
        machine.Apply();
    }

    // elevated: the administrator's token is the full one (false: the filtered token of User
    // Account Control, Administrators deny-only).
    void SetUser(int platform, int build, bool administrator, bool elevated = true)
    {
        machine.Set("OsVersion", "PlatformId", std::to_string(platform));
        machine.Set("OsVersion", "MajorVersion", platform == 2 ? "10" : "4");
        machine.Set("OsVersion", "BuildNumber", std::to_string(build));
        machine.Set("Machine", "Administrator", administrator ? "1" : "0");
        machine.Set("Machine", "Elevated", elevated ? "1" : "0");
        machine.Apply();
    }

    // Help topics asked of the HTML help engine, in order (the display requests left out).
    static std::vector<ULONG_PTR> HelpTopics()
    {
        std::vector<SIM_HELP_REQUEST> requests(SimMachineHelpRequests(nullptr, 0));
        SimMachineHelpRequests(requests.data(), static_cast<DWORD>(requests.size()));
        std::vector<ULONG_PTR> topics;
        for (const auto& request : requests) {
            if (request.command != 0) topics.push_back(request.data);
        }
        return topics;
    }

    SimMachine machine;
};

TEST_F(WizardScenarioTest, NoSupportedPrinterRefusesWithOrWithoutAName)
{
    for (const char* printer : {static_cast<const char*>(nullptr), kPrinter}) {
        MessageBoxRecorder boxes;
        ScriptedUser user;
        user.AllowUnrunSteps();  // the Cancel is there to show that no wizard asked for it
        user.Cancel();
        EXPECT_EQ(RunWizard(printer), 0);
        ASSERT_EQ(boxes.Count(), 1u);
        EXPECT_EQ(boxes.Last().text, Text(IDS_ERR_NO_SUPPORTED_PRINTER));
        EXPECT_EQ(boxes.Last().caption, Text(IDS_CAPTION_ERROR));
        EXPECT_EQ(boxes.Last().style, 0x10u);
        EXPECT_EQ(boxes.Last().owner, nullptr);
        EXPECT_EQ(user.Remaining(), 1u) << "no wizard was shown";
    }
}

TEST_F(WizardScenarioTest, NonAdministratorIsRefusedOnlyOnTheNtFamily)
{
    AddSupportedPrinter();
    struct User {
        int platform, build;
        bool administrator, elevated;
    };
    // A plain user, and an administrator whose programs run with the filtered token.
    for (const User& refused : {User{2, 19041, false, true}, User{2, 19041, true, false}}) {
        SetUser(refused.platform, refused.build, refused.administrator, refused.elevated);
        MessageBoxRecorder boxes;
        ScriptedUser user;
        user.AllowUnrunSteps();  // the Cancel is there to show that no wizard asked for it
        user.Cancel();
        EXPECT_EQ(RunWizard(kPrinter), 0);
        ASSERT_EQ(boxes.Count(), 1u);
        EXPECT_EQ(boxes.Last().text, Text(IDS_ERR_NOT_ADMINISTRATOR));
        EXPECT_EQ(boxes.Last().caption, Text(IDS_TITLE_UTILITY));
        EXPECT_EQ(boxes.Last().style, 0x30u);
        EXPECT_EQ(user.Remaining(), 1u);
        EXPECT_EQ(SimMachineActiveActCtxs(), 0u) << "the library's context ends with a refusal too";
        EXPECT_EQ(SimMachineActCtxObjects(), 0u);
    }
    for (const User& admitted : {User{1, 950, false, true}, User{2, 19041, true, true}}) {
        SetUser(admitted.platform, admitted.build, admitted.administrator, admitted.elevated);
        MessageBoxRecorder boxes;
        ScriptedUser user;
        bool shown = false;
        DWORD activeWhileShown = 0;
        user.Inspect([&](const WindowView& w) {
                shown = w.kind == WindowView::Kind::Sheet && w.wizard;
                activeWhileShown = SimMachineActiveActCtxs();
            })
            .Cancel();
        EXPECT_EQ(RunWizard(), 0);
        EXPECT_TRUE(shown);
        EXPECT_TRUE(user.Finished());
        EXPECT_EQ(activeWhileShown, 1u) << "the wizard runs in the library's own activation context";
        EXPECT_EQ(SimMachineActiveActCtxs(), 0u);
        EXPECT_EQ(SimMachineActCtxObjects(), 0u);
    }
}

TEST_F(WizardScenarioTest, ColourSequenceHasFivePagesOrFourWithACallerGivenPrinter)
{
    AddSupportedPrinter();
    for (const char* printer : {static_cast<const char*>(nullptr), kPrinter}) {
        MessageBoxRecorder boxes;
        ScriptedUser user;
        WindowView first, second;
        user.Inspect([&](const WindowView& w) { first = w; })
            .Click(IDC_SELECTEDIT_COLOR_RADIO)
            .Next()
            .Inspect([&](const WindowView& w) { second = w; })
            .Cancel();
        EXPECT_EQ(RunWizard(printer), 0);
        EXPECT_TRUE(user.Finished());
        EXPECT_EQ(first.buttons.pageCount, 1);
        EXPECT_EQ(first.templateId, IDD_SELECT_EDIT_PAGE);
        EXPECT_EQ(second.buttons.pageIndex, 1);
        EXPECT_EQ(second.buttons.pageCount, printer ? 4 : 5);
        EXPECT_EQ(second.templateId, printer ? IDD_COLOR_SETTING_SELECT_PAGE : IDD_SELECT_DRIVER_PAGE);
        // The caller's printer is resolved before the wizard opens: its driver names the title.
        if (printer) {
            EXPECT_EQ(second.title, FormatText(Text(IDS_TITLE_COLOR_SETTING_SELECT), "TvWiz Model"));
        }
    }
}

TEST_F(WizardScenarioTest, ChangingTheTaskReplacesTheLaterPages)
{
    AddSupportedPrinter();
    MessageBoxRecorder boxes;
    ScriptedUser user;
    std::vector<UINT> templates;
    std::vector<int> counts;
    const auto record = [&](const WindowView& w) {
        templates.push_back(w.templateId);
        counts.push_back(w.buttons.pageCount);
    };
    user.Click(IDC_SELECTEDIT_GAMMA_RADIO)
        .Next()
        .Inspect(record)
        .Next()
        .Inspect(record)
        .Back()
        .Back()
        .Click(IDC_SELECTEDIT_COLOR_RADIO)
        .Next()
        .Inspect(record)
        .Next()
        .Inspect(record)
        .Cancel();
    EXPECT_EQ(RunWizard(kPrinter), 0);
    EXPECT_TRUE(user.Finished());
    EXPECT_EQ(templates, (std::vector<UINT>{IDD_GAMMA_SETTING_SELECT_PAGE, IDD_GAMMA_PAGE,
                                            IDD_COLOR_SETTING_SELECT_PAGE, IDD_COLOR_PALETTE_PAGE}));
    EXPECT_EQ(counts, (std::vector<int>{4, 4, 4, 4}));
}

TEST_F(WizardScenarioTest, HelpTopicFollowsThePagePosition)
{
    AddSupportedPrinter();
    {
        MessageBoxRecorder boxes;
        ScriptedUser user;
        user.Click(IDC_SELECTEDIT_COLOR_RADIO).Help().Next().Help().Next().Help().Next().Help().Cancel();
        EXPECT_EQ(RunWizard(kPrinter), 0);
        EXPECT_EQ(HelpTopics(), (std::vector<ULONG_PTR>{1, 2, 3, 5}));
    }
    SimMachineClearHelpRequests();
    {
        MessageBoxRecorder boxes;
        ScriptedUser user;
        user.Click(IDC_SELECTEDIT_GAMMA_RADIO).Next().Next().Help().Next().Help().Cancel();
        EXPECT_EQ(RunWizard(), 0);
        EXPECT_EQ(HelpTopics(), (std::vector<ULONG_PTR>{4, 7}));
    }
}

TEST_F(WizardScenarioTest, CancelRightAfterStartAsksWithNothingUnsaved)
{
    AddSupportedPrinter();
    MessageBoxRecorder boxes;
    boxes.QueueAnswer(IDCANCEL);  // stay
    boxes.QueueAnswer(IDOK);      // leave
    ScriptedUser user;
    bool stayed = false;
    user.Cancel().Inspect([&](const WindowView& w) { stayed = w.kind == WindowView::Kind::Sheet; }).Cancel();
    EXPECT_EQ(RunWizard(), 0);
    EXPECT_TRUE(stayed);
    EXPECT_TRUE(user.Finished());
    ASSERT_EQ(boxes.Count(), 2u);
    EXPECT_EQ(boxes.Last().text, Text(IDS_QUESTION_CANCEL));
    EXPECT_EQ(boxes.Last().caption, Text(IDS_TITLE_UTILITY));
    EXPECT_EQ(boxes.Last().style, static_cast<UINT>(MB_OKCANCEL));
}

TEST_F(WizardScenarioTest, SystemMenuOffersTheAboutBoxOnce)
{
    AddSupportedPrinter();
    MessageBoxRecorder boxes;
    ScriptedUser user;
    WindowView sheet, about;
    user.Inspect([&](const WindowView& w) { sheet = w; })
        .SysCommand(IDM_ABOUTBOX)
        .Inspect([&](const WindowView& w) { about = w; })
        .Close()
        .Cancel();
    EXPECT_EQ(RunWizard(), 0);
    EXPECT_TRUE(user.Finished());
    ASSERT_GE(sheet.systemMenu.size(), 2u);
    const auto& last = sheet.systemMenu.back();
    EXPECT_EQ(last.id, IDM_ABOUTBOX);
    EXPECT_EQ(last.text, Text(IDS_MENU_ABOUT));
    EXPECT_TRUE(sheet.systemMenu[sheet.systemMenu.size() - 2].separator);
    int aboutItems = 0;
    for (const auto& item : sheet.systemMenu) aboutItems += item.id == IDM_ABOUTBOX ? 1 : 0;
    EXPECT_EQ(aboutItems, 1);
    EXPECT_EQ(sheet.iconId, IDI_APPICON);
    EXPECT_EQ(about.kind, WindowView::Kind::Dialog);
    EXPECT_EQ(about.templateId, IDD_ABOUT_DIALOG);
}

TEST_F(WizardScenarioTest, MissingLanguageLibrariesEndTheCall)
{
    AddSupportedPrinter();
    std::filesystem::create_directories(machine.Root() + "/nolibs");
    machine.Set("Machine", "LibraryPath", machine.Root() + "/nolibs");
    machine.RemoveLibraries();
    machine.Apply();
    MessageBoxRecorder boxes;
    ScriptedUser user;
    user.AllowUnrunSteps();  // the Cancel is there to show that no wizard asked for it
    user.Cancel();
    EXPECT_EQ(RunWizard(), 0);
    EXPECT_EQ(user.Remaining(), 1u) << "no wizard could be shown";
}

TEST_F(WizardScenarioTest, CallerGivenPrinterRestoresADriverCatalogueWithoutTheUpdateMark)
{
    AddSupportedPrinter();
    const std::string catalogue = std::string(kFolder) + "TVWIZCM.INI";
    const std::string localCopy = "C:\\Host\\Tintora\\TvWiz Model\\TVWIZCM.INI";
    const std::string saved = "[Config]\r\nUpDate=1\r\n[Color]\r\nSettingNum=1\r\nSettingID0=0\r\nSettingName0=Warm\r\n";
    machine.WriteFile(localCopy, saved);
    machine.WriteFile(catalogue, "[Color]\r\nSettingNum=0\r\n");  // a reinstalled driver: no mark
    MessageBoxRecorder boxes;
    ScriptedUser user;
    user.Cancel();
    EXPECT_EQ(RunWizard(kPrinter), 0);
    EXPECT_EQ(machine.ReadFile(catalogue), saved);

    // With the mark present the driver's catalogue is the newer one and stays.
    const std::string marked = "[Config]\r\nUpDate=1\r\n[Color]\r\nSettingNum=0\r\n";
    machine.WriteFile(catalogue, marked);
    ScriptedUser again;
    again.Cancel();
    EXPECT_EQ(RunWizard(kPrinter), 0);
    EXPECT_EQ(machine.ReadFile(catalogue), marked);
}

TEST_F(WizardScenarioTest, AboutBoxShowsTheVersionFileOrEmptyLines)
{
    AddSupportedPrinter();
    for (bool withFile : {true, false}) {
        if (withFile)
            machine.WriteFile("C:\\Host\\version.txt", "[Version]\r\nMainVersion=V 1.02\r\nCopyright=(C) 2026 Maker\r\n");
        else
            std::filesystem::remove(machine.HostPath("C:\\Host\\version.txt"));
        MessageBoxRecorder boxes;
        ScriptedUser user;
        WindowView about;
        user.SysCommand(IDM_ABOUTBOX).Inspect([&](const WindowView& w) { about = w; }).Close().Cancel();
        EXPECT_EQ(RunWizard(), 0);
        EXPECT_TRUE(user.Finished());
        EXPECT_EQ(about.templateId, IDD_ABOUT_DIALOG);
        EXPECT_EQ(about.Control(IDC_ABOUT_VERSION).text, withFile ? "V 1.02" : "");
        EXPECT_EQ(about.Control(IDC_ABOUT_COPYRIGHT).text, withFile ? "(C) 2026 Maker" : "");
    }
}

}  // namespace
