// The print progress dialog on a simulated "EMF" printer: the profiles of a saved setting, the
// test print through a temporary profile with its notice, and failures passed on to the opener.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "framework/headless/UiView.h"
#include "launch/CDlgRes.h"
#include "launch/CStrRes.h"
#include "launch/CmyException.h"
#include "launch/TavrelEntry.h"
#include "modules/recording/RecordingClient.h"
#include "platform/win32api.h"
#include "printer/CPrint.h"
#include "resources/resource.h"
#include "storage/CIniAcc.h"
#include "support/MessageBoxRecorder.h"
#include "support/ScriptedUser.h"
#include "support/SimMachine.h"
#include "support/SimPrinterModel.h"
#include "support/ThrownId.h"
#include "testprint/CEmfPrintDialog.h"
#include "testprint/CPrintMsgDlg.h"

using fw::headless::WindowView;

namespace {

const std::string kCatalogText =
    "[Color]\r\nSettingNum=0\r\n[Gamma]\r\nSettingNum=1\r\nSettingID0=2\r\nSettingName2=Soft\r\n";

class EmfPrintDialogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        model.Install(machine, kCatalogText);
        info = model.Info();
        for (int k = 0; k < 228; ++k) table[k] = static_cast<BYTE>(k * 5 + 3);
    }

    void UseIccModule(const std::string& library)
    {
        const std::string ini = SimPrinterModel::UtilityFolder() + "Tavrel.ini";
        ASSERT_TRUE(WritePrivateProfileStringA(("CCMVer" + model.version).c_str(), "IccModule", library.c_str(),
                                               ini.c_str()));
    }

    // Keeps the recording module loaded so its record outlives the dialog's load and free.
    void UseRecordingModule()
    {
        UseIccModule(RecordingClient::fileName);
        recorder = std::make_unique<RecordingClient>();
        ASSERT_TRUE(recorder->Loaded());
    }

    std::vector<std::string> Profiles(const std::string& folder) const
    {
        std::vector<std::string> names;
        WIN32_FIND_DATAA found;
        HANDLE find = FindFirstFileA((folder + "*.ICB").c_str(), &found);
        if (find != INVALID_HANDLE_VALUE) {
            do names.push_back(found.cFileName);
            while (FindNextFileA(find, &found));
            FindClose(find);
        }
        return names;
    }

    std::string InstalledFolder() const { return SimPrinterModel::DriverFolder() + model.driver + "\\"; }

    SimMachine machine;
    SimPrinterModel model = SimPrinterModel::Emf();
    CUtilityInfo info;
    BYTE table[228];
    std::unique_ptr<RecordingClient> recorder;
    CStrRes strings;
};

TEST_F(EmfPrintDialogTest, GammaProfilesCallTheModuleSixTimesAndPrintNothing)
{
    UseRecordingModule();
    MessageBoxRecorder boxes;
    ScriptedUser user;
    user.Inspect([&](const WindowView& view) {
        EXPECT_EQ(view.templateId, CEmfPrintDialog::templateId);
        EXPECT_EQ(view.title, strings.Load(IDS_PROGRESS_TITLE));
        EXPECT_EQ(view.Control(IDC_PRINTMSG_TEXT).text, strings.Load(IDS_PROGRESS_TEXT));
        EXPECT_EQ(view.timers, std::vector<UINT_PTR>{1});
    });
    // Escape before the work has run neither skips nor cuts it short.
    user.Cancel().Wait(500);

    EXPECT_EQ(CEmfPrintDialog::Run(info, CEmfPrintDialog::modeGammaProfiles, std::string(), table, "Soft"), 1);
    EXPECT_TRUE(user.Finished());
    EXPECT_EQ(boxes.Count(), 0u);

    const auto calls = recorder->Calls();
    ASSERT_EQ(calls.size(), 6u);
    for (const auto& call : calls) EXPECT_EQ(std::memcmp(call.tableT, table, 4), 0);
    const int resolutions[3][2] = {{300, 300}, {600, 600}, {600, 1200}};
    const char* files[] = {"01G2.ICB", "02G2.ICB", "03G2.ICB"};
    for (int r = 0; r < 3; ++r) {
        const std::string profile = recording::Profile(resolutions[r][0], resolutions[r][1], table);
        EXPECT_EQ(machine.ReadFile(model.DataFolder() + files[r]), profile) << files[r];
        EXPECT_EQ(machine.ReadFile(InstalledFolder() + files[r]), profile) << files[r];
    }
    EXPECT_EQ(Profiles(model.DataFolder()).size(), 3u);
    EXPECT_TRUE(machine.Jobs().empty());
}

TEST_F(EmfPrintDialogTest, TestPrintMakesTheTemporaryProfilePrintsThePageAndShowsTheNotice)
{
    UseRecordingModule();
    const std::string page = model.TestFile("ColorTestFile");
    MessageBoxRecorder boxes;
    ScriptedUser user;
    bool noticeSeen = false;
    user.Wait(500).Inspect([&](const WindowView& view) {
        // The notice runs on top once the page has gone to the spooler.
        EXPECT_EQ(view.templateId, CPrintMsgDlg::templateId);
        EXPECT_EQ(view.title, strings.Load(IDS_PRINTMSG_TITLE));
        EXPECT_EQ(view.Control(IDC_PRINTMSG_TEXT).text, strings.Load(IDS_PRINTMSG_TEXT));
        EXPECT_EQ(machine.Jobs().size(), 1u);
        noticeSeen = true;
    });

    EXPECT_EQ(CEmfPrintDialog::Run(info, CEmfPrintDialog::modeColorTest, page, table, std::string()), 1);
    EXPECT_TRUE(user.Finished());
    EXPECT_TRUE(noticeSeen);
    EXPECT_EQ(boxes.Count(), 0u);

    // The printer's device mode asks for 600 by 600 dpi.
    const auto calls = recorder->Calls();
    ASSERT_EQ(calls.size(), 2u);
    const std::string profilePath = model.DataFolder() + "02TMP.ICB";
    EXPECT_EQ(machine.ReadFile(profilePath), recording::Profile(600, 600, table));
    EXPECT_EQ(CIniAcc(model.CatalogPath()).GetString("Temporary", "ICCData"), profilePath);
    EXPECT_FALSE(machine.Exists(InstalledFolder() + "02TMP.ICB"));

    const auto jobs = machine.Jobs();
    ASSERT_EQ(jobs.size(), 1u);
    EXPECT_EQ(jobs[0].printer, model.printer);
    EXPECT_EQ(jobs[0].document, page);
    ASSERT_EQ(jobs[0].plays.size(), 1u);
    EXPECT_EQ(jobs[0].plays[0].metafile, page);
    // Kind 0 (a test print through the profile), not a sample print's fields.
    const std::string& devMode = jobs[0].devMode;
    ASSERT_GE(devMode.size(), sizeof(DEVMODEA));
    WORD publicSize = 0;
    std::memcpy(&publicSize, devMode.data() + offsetof(DEVMODEA, dmSize), sizeof publicSize);
    ASSERT_GE(devMode.size(), publicSize + 2032u);
    uint16_t printKind = 0;
    uint32_t profileFlag = 0;
    std::memcpy(&printKind, devMode.data() + publicSize + 1250, sizeof printKind);
    std::memcpy(&profileFlag, devMode.data() + publicSize + 2028, sizeof profileFlag);
    EXPECT_EQ(printKind, 3);
    EXPECT_EQ(profileFlag, 1u);
}

TEST_F(EmfPrintDialogTest, MissingIccModuleEndsWithTheMessageAndNoFile)
{
    UseIccModule("TVNOSUCH.dll");
    MessageBoxRecorder boxes;
    for (int mode : {CEmfPrintDialog::modeGammaProfiles, CEmfPrintDialog::modeGammaTest}) {
        SCOPED_TRACE(mode);
        ScriptedUser user;
        EXPECT_EQ(ThrownId([&] { CEmfPrintDialog::Run(info, mode, model.TestFile("GammaTestFile"), table, "Soft"); }),
                  IDS_ERR_MODULE_FAILED);
    }
    // The opener reports it, not the dialog.
    EXPECT_EQ(boxes.Count(), 0u);
    EXPECT_TRUE(Profiles(model.DataFolder()).empty());
    EXPECT_FALSE(machine.Exists(InstalledFolder()));
    EXPECT_TRUE(machine.Jobs().empty());
    EXPECT_EQ(machine.ReadFile(model.CatalogPath()), kCatalogText);
}

TEST_F(EmfPrintDialogTest, PrinterThatCannotBeOpenedEndsWithMinusOneAndKeepsTheMessage)
{
    UseRecordingModule();
    info.printerName = "No Such Printer";
    CDlgRes library;
    CEmfPrintDialog dialog;
    dialog.SetRequest(info, CEmfPrintDialog::modeColorTest, model.TestFile("ColorTestFile"), table, std::string());
    ASSERT_TRUE(dialog.InitModalIndirect(library.LoadDialogTemplate(CEmfPrintDialog::templateId)));
    {
        ScriptedUser user;
        EXPECT_EQ(dialog.DoModal(), -1);
    }
    ASSERT_TRUE(dialog.GetFailure().has_value());
    EXPECT_EQ(dialog.GetFailure()->GetTextId(), IDS_ERR_PRINTER_NOT_OPENED);
    EXPECT_TRUE(recorder->Calls().empty());
    EXPECT_TRUE(Profiles(model.DataFolder()).empty());

    ScriptedUser user;
    EXPECT_EQ(
        ThrownId([&] { CEmfPrintDialog::Run(info, CEmfPrintDialog::modeColorProfiles, std::string(), table, "Soft"); }),
        IDS_ERR_PRINTER_NOT_OPENED);
    EXPECT_TRUE(machine.Jobs().empty());
}

TEST_F(EmfPrintDialogTest, MissingTestPageIsPassedOnWithoutAJob)
{
    ScriptedUser user;
    EXPECT_EQ(ThrownId([&] {
                  CEmfPrintDialog::Run(info, CEmfPrintDialog::modeGammaTest, model.UtilityFolder() + "NOPAGE.EMF",
                                       table, std::string());
              }),
              IDS_ERR_FILE_ACCESS);
    EXPECT_TRUE(machine.Jobs().empty());
}

// The notice is the print handler for the time of one call, and the host's handler returns.
TEST(PrintNoticeWiringTest, CallInstallsTheNoticeAndRestoresTheHostsHandler)
{
    SimMachine machine;  // no printer: the call refuses with a message and returns
    int hostNotices = 0;
    CPrint::PrintMessageHandler previous = CPrint::SetPrintMessageHandler([&] { ++hostNotices; });
    bool noticeInstalled = false;
    ScriptedUser user;
    user.Do([&](auto&) {
            CPrint::PrintMessageHandler during = CPrint::SetPrintMessageHandler(nullptr);
            auto* function = during.template target<void (*)()>();
            noticeInstalled = function && *function == &CPrintMsgDlg::ShowNotice;
            CPrint::SetPrintMessageHandler(during);
        })
        .Answer(IDOK);
    EXPECT_EQ(CallTintora32(0, 0, nullptr, 0), 0);
    EXPECT_TRUE(user.Finished());
    EXPECT_TRUE(noticeInstalled);

    CPrint::PrintMessageHandler after = CPrint::SetPrintMessageHandler(previous);
    ASSERT_TRUE(after);
    after();
    EXPECT_EQ(hostNotices, 1);
}

}  // namespace
