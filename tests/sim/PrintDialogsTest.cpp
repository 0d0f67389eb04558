// The printing notice and the XPS test-job dialog on a simulated machine: polling until the job
// leaves the queue, the cancel question both ways, the bound on a job the spooler never shows,
// and the notice shown through the print's handler.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/headless/UiView.h"
#include "launch/CDlgRes.h"
#include "launch/CStrRes.h"
#include "printer/CPrint.h"
#include "resources/resource.h"
#include "support/MessageBoxRecorder.h"
#include "support/ScriptedUser.h"
#include "support/MinimalMetafile.h"
#include "support/SimMachine.h"
#include "testprint/CEmfInternalXPS.h"
#include "testprint/CPrintMsgDlg.h"
#include "testprint/XPSTestJobPrintingDlg.h"

using fw::headless::WindowView;

namespace {

const char kPrinter[] = "Xps Printer";
const char kUtilityIni[] = "C:\\Host\\Tintora\\Tavrel.ini";
const char kPage[] = "C:\\Host\\Tintora\\test page.emf";

// A printer that keeps its jobs queued until the test finishes them.
class PrintDialogsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        SimDriver driver;
        driver.name = "Xps Driver";
        driver.driverPath = "C:\\Windows\\System32\\spool\\DRIVERS\\x64\\3\\XPSDRV.DLL";
        machine.AddDriver(driver);
        SimPrinter printer;
        printer.name = kPrinter;
        printer.driver = "Xps Driver";
        printer.driverExtra = 2100;
        printer.finishJobs = "never";
        machine.AddPrinter(printer);
        machine.Apply();
        machine.WriteFile(kUtilityIni, "[CCMVer3.40]\r\nModule=TV340.DLL\r\n");
        machine.WriteFile(kPage, MinimalMetafile());
        request.path = kPage;
        request.ccmVersion = "3.40";
        request.tTable = table.data();
        request.vTable = table.data();
        request.tableLength = static_cast<DWORD>(table.size());
        request.tableType = CEmfInternalXPS::tableTypeGamma;
        request.settingId = 42;
        request.printerName = kPrinter;
    }

    std::string JobState(const XPSTestJobPrintingDlg& dialog) const { return machine.Job(dialog.GetJobId()).state; }

    SimMachine machine;
    std::vector<BYTE> table = std::vector<BYTE>(64, 0x5A);
    XPSTestJobPrintingDlg::Request request;
    CStrRes strings;
    CDlgRes library;
};

TEST_F(PrintDialogsTest, WaitsUntilTheJobLeavesTheQueue)
{
    // Another job stays queued throughout: only the dialog's own job counts.
    HANDLE other = nullptr;
    std::string name = kPrinter;
    ASSERT_TRUE(OpenPrinterA(name.data(), &other, nullptr));
    char document[] = "other", datatype[] = "RAW";
    DOC_INFO_1A info = {document, nullptr, datatype};
    DWORD otherJob = StartDocPrinterA(other, 1, reinterpret_cast<LPBYTE>(&info));
    ASSERT_NE(otherJob, 0u);
    EndDocPrinter(other);
    ClosePrinter(other);

    XPSTestJobPrintingDlg dialog(request);
    dialog.InitModalIndirect(library.LoadDialogTemplate(XPSTestJobPrintingDlg::templateId));
    MessageBoxRecorder boxes;
    ScriptedUser user;
    user.Inspect([&](const WindowView& view) {
            EXPECT_EQ(view.templateId, IDD_TESTJOB_DIALOG);
            EXPECT_EQ(view.title, strings.Load(IDS_TITLE_PRODUCT));
            EXPECT_EQ(view.Control(IDC_TESTJOB_TEXT).text, strings.Load(IDS_TESTJOB_TEXT));
            EXPECT_EQ(view.Control(IDCANCEL).text, strings.Load(IDS_BUTTON_CANCEL));
        })
        .Wait(2600)
        .Do([&](auto&) {
            ASSERT_NE(dialog.GetJobId(), 0u);
            EXPECT_EQ(JobState(dialog), "");
            EXPECT_TRUE(machine.FinishJob(dialog.GetJobId()));
        })
        .Wait(500);
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_TRUE(user.Finished());
    for (const auto& box : boxes.Boxes()) ADD_FAILURE() << box.text;
    EXPECT_TRUE(dialog.IsFinished());
    EXPECT_EQ(JobState(dialog), "printed");
    EXPECT_EQ(machine.Job(dialog.GetJobId()).document, kPage);
    EXPECT_EQ(machine.Job(otherJob).state, "");
}

TEST_F(PrintDialogsTest, CancelQuestionAnsweredCancelKeepsWaitingAndOkDeletesTheJob)
{
    XPSTestJobPrintingDlg dialog(request);
    dialog.InitModalIndirect(library.LoadDialogTemplate(XPSTestJobPrintingDlg::templateId));
    ScriptedUser user;
    user.Wait(600)
        .Click(IDCANCEL)
        .Inspect([&](const WindowView& view) {
            EXPECT_EQ(view.title, strings.Load(IDS_TITLE_UTILITY));
            EXPECT_EQ(view.boxText, strings.Load(IDS_QUESTION_CANCEL_TESTJOB));
            EXPECT_EQ(view.boxStyle, 0x101u);
        })
        .Answer(IDCANCEL)
        .Wait(1000)
        .Inspect([&](const WindowView& view) { EXPECT_EQ(view.templateId, IDD_TESTJOB_DIALOG); })
        .Do([&](auto&) { EXPECT_EQ(JobState(dialog), ""); })
        .Click(IDCANCEL)
        .Answer(IDOK);
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_TRUE(user.Finished());
    EXPECT_FALSE(dialog.IsFinished());
    EXPECT_EQ(JobState(dialog), "deleted");
}

TEST_F(PrintDialogsTest, JobLeavingWhileTheQuestionIsOpenClosesItWithoutDeleting)
{
    XPSTestJobPrintingDlg dialog(request);
    dialog.InitModalIndirect(library.LoadDialogTemplate(XPSTestJobPrintingDlg::templateId));
    ScriptedUser user;
    user.Wait(600)
        .Click(IDCANCEL)
        .Do([&](auto&) { EXPECT_TRUE(machine.FinishJob(dialog.GetJobId())); })
        .Wait(600);
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_TRUE(user.Finished());
    EXPECT_TRUE(dialog.IsFinished());
    EXPECT_EQ(JobState(dialog), "printed");
}

TEST_F(PrintDialogsTest, AJobTheSpoolerNeverShowsIsGivenUpAfterThirtySeconds)
{
    XPSTestJobPrintingDlg dialog(request);
    dialog.InitModalIndirect(library.LoadDialogTemplate(XPSTestJobPrintingDlg::templateId));
    MessageBoxRecorder boxes;
    ScriptedUser user;
    // The job event never comes, as when the spooler never reports the job.
    CEmfInternalXPS::JobEventHandler swallowed;
    user.Do([&](auto&) { swallowed = CEmfInternalXPS::SetJobEventHandler(nullptr); })
        .Wait(29000)
        .Inspect([&](const WindowView& view) { EXPECT_EQ(view.templateId, IDD_TESTJOB_DIALOG); })
        .Do([&](auto&) {
            ASSERT_NE(dialog.GetJobId(), 0u);
            EXPECT_EQ(JobState(dialog), "");
        })
        .Wait(1500);
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_TRUE(user.Finished());
    EXPECT_EQ(JobState(dialog), "deleted");
    ASSERT_EQ(boxes.Count(), 1u);
    EXPECT_EQ(boxes.Last().text, strings.Load(XPSTestJobPrintingDlg::msgJobNotShown));
}

TEST_F(PrintDialogsTest, PrintNoticeShownThroughThePrintHandlerClosesByItself)
{
    class NoticePrint : public CPrint {
    public:
        using CPrint::ShowPrintMessage;
    };
    CPrint::PrintMessageHandler previous = CPrint::SetPrintMessageHandler(&CPrintMsgDlg::ShowNotice);
    ScriptedUser user;
    user.Inspect([&](const WindowView& view) {
            EXPECT_EQ(view.templateId, CPrintMsgDlg::templateId);
            EXPECT_EQ(view.title, strings.Load(IDS_PRINTMSG_TITLE));
            EXPECT_EQ(view.Control(IDC_PRINTMSG_TEXT).text, strings.Load(IDS_PRINTMSG_TEXT));
        })
        .Wait(750)
        .Inspect([&](const WindowView& view) { EXPECT_EQ(view.templateId, CPrintMsgDlg::templateId); });
    NoticePrint print;
    print.ShowPrintMessage();
    CPrint::SetPrintMessageHandler(previous);
    EXPECT_TRUE(user.Finished());
}

}  // namespace
