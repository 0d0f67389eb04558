// The colour and gamma setting-select pages inside a small wizard on simulated machines: the
// lists with their default entries, the selection rules, what Next records in the shared state,
// and the sample page printed in every print mode.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "color/CColorDataMng.h"
#include "framework/CPropertySheet.h"
#include "framework/ResourceModule.h"
#include "framework/headless/UiView.h"
#include "gamma/CGammaDataMng.h"
#include "launch/CDlgRes.h"
#include "launch/CStrRes.h"
#include "launch/IWizardSheet.h"
#include "launch/TavrelEntry.h"
#include "launch/TextFormat.h"
#include "pages/CGammaSettingSelectPage.h"
#include "pages/CSettingSelectPage.h"
#include "resources/resource.h"
#include "storage/CFileAcc.h"
#include "support/DialogTemplateBuilder.h"
#include "support/MessageBoxRecorder.h"
#include "support/ScriptedUser.h"
#include "support/SimMachine.h"
#include "support/SimPrinterModel.h"
#include "support/TestWizard.h"

using fw::headless::WindowView;

namespace {

constexpr UINT kEndTemplate = 9402;

const std::string kCatalog =
    "[Color]\r\nSettingNum=2\r\nSettingID0=4\r\nSettingName4=Warm\r\nSettingID1=5\r\nSettingName5=Vivid\r\n"
    "[Gamma]\r\nSettingNum=2\r\nSettingID0=2\r\nSettingName2=Soft\r\nSettingID1=3\r\nSettingName3=Photo\r\n";

std::string Text(UINT id) { return CStrRes().Load(id); }

class SettingSelectPagesTest : public ::testing::Test {
protected:
    void Install(const SimPrinterModel& printerModel, const std::string& catalog = kCatalog)
    {
        model = printerModel;
        model.Install(machine, catalog);
        info = model.Info();
        endTemplate.Add(1, FW_CLASS_STATIC, SS_LEFT, 5, 5, 50, 10);
    }

    void SetIni(const std::string& section, const char* key, const char* value)
    {
        WritePrivateProfileStringA(section.c_str(), key, value,
                                   (SimPrinterModel::UtilityFolder() + "Tavrel.ini").c_str());
    }

    template <class Page>
    INT_PTR Run()
    {
        Page page(&info);
        TemplatePage end(kEndTemplate, endTemplate.Get());
        TestWizard wizard({&page, &end});
        const INT_PTR result = wizard.RunWithDialogLibrary();
        titles = wizard.titles;
        return result;
    }

    std::vector<std::string> BoxTexts() const
    {
        std::vector<std::string> texts;
        for (const auto& box : boxes.Boxes()) texts.push_back(box.text);
        return texts;
    }

    void ExpectScriptDone(const ScriptedUser& user)
    {
        EXPECT_TRUE(user.Finished()) << user.Remaining();
        for (const std::string& refusal : user.Refusals()) ADD_FAILURE() << refusal;
    }

    SimMachine machine;
    SimPrinterModel model;
    CUtilityInfo info;
    MessageBoxRecorder boxes;
    DialogTemplateBuilder endTemplate{317, 193, WS_CHILD | WS_CAPTION};
    std::vector<UINT> titles;
};

}  // namespace

TEST_F(SettingSelectPagesTest, ColourListOffersTheDefaultEntryFirstAndRecordsTheChoice)
{
    Install(SimPrinterModel::Emf());
    const std::string entry = Text(IDS_DEFAULT_ENTRY);
    ScriptedUser user;
    user.Inspect([&](const WindowView& view) {
            EXPECT_EQ(view.templateId, IDD_COLOR_SETTING_SELECT_PAGE);
            EXPECT_EQ(view.title, Text(IDS_TITLE_COLOR_SETTING_SELECT));
            EXPECT_EQ(view.Control(IDC_COLORSELECT_INSTRUCTION).text, Text(IDS_COLORSELECT_INSTRUCTION));
            EXPECT_EQ(view.Control(IDC_COLORSELECT_SAMPLE_NOTE).text, Text(IDS_COLORSELECT_SAMPLE_NOTE));
            EXPECT_EQ(view.Control(IDC_COLORSELECT_SAMPLE_BUTTON).text, Text(IDS_BUTTON_PRINT_SAMPLE));
            EXPECT_EQ(view.Control(IDC_COLORSELECT_PICTURE).bitmapId, IDB_SIDE_PICTURE);
            EXPECT_EQ(view.Control(IDC_COLORSELECT_LIST).items, (std::vector<std::string>{entry, "Warm", "Vivid"}));
            EXPECT_EQ(view.Control(IDC_COLORSELECT_LIST).selection, 0);
            EXPECT_TRUE(view.buttons.back.enabled);
            EXPECT_TRUE(view.buttons.next.enabled);
        })
        .Next()
        .Inspect([&](const WindowView&) {
            EXPECT_EQ(info.selectedSettingName, entry);
            EXPECT_EQ(info.userSettingSelected, 0);
        })
        .Back()
        .Inspect([&](const WindowView& view) {
            // Rebuilt from scratch, the earlier choice kept.
            EXPECT_EQ(view.Control(IDC_COLORSELECT_LIST).items.size(), 3u);
            EXPECT_EQ(view.Control(IDC_COLORSELECT_LIST).selectedText(), entry);
        })
        .Select(IDC_COLORSELECT_LIST, "Warm")
        .Next()
        .Inspect([&](const WindowView&) {
            EXPECT_EQ(info.selectedSettingName, "Warm");
            EXPECT_EQ(info.userSettingSelected, 1);
        })
        .Back()
        .Inspect([](const WindowView& view) { EXPECT_EQ(view.Control(IDC_COLORSELECT_LIST).selectedText(), "Warm"); })
        // A stored setting that carries a default setting's name counts as a default.
        .Select(IDC_COLORSELECT_LIST, "Vivid")
        .Next()
        .Inspect([&](const WindowView&) {
            EXPECT_EQ(info.selectedSettingName, "Vivid");
            EXPECT_EQ(info.userSettingSelected, 0);
        })
        .Cancel();
    EXPECT_EQ(Run<CSettingSelectPage>(), IDCANCEL);
    ExpectScriptDone(user);
    EXPECT_EQ(boxes.Count(), 0u);  // cancelled on the end page, which does not ask
    ASSERT_FALSE(titles.empty());
    EXPECT_EQ(titles.front(), IDS_TITLE_COLOR_SETTING_SELECT);
}

TEST_F(SettingSelectPagesTest, AVanishedNameFallsBackToTheFirstEntry)
{
    Install(SimPrinterModel::Raw330());
    info.selectedSettingName = "Gone";
    info.userSettingSelected = 1;
    ScriptedUser user;
    user.Inspect([&](const WindowView& view) {
            EXPECT_EQ(view.Control(IDC_COLORSELECT_LIST).selection, 0);
            EXPECT_EQ(info.selectedSettingName, Text(IDS_DEFAULT_ENTRY));
        })
        .Cancel();
    Run<CSettingSelectPage>();
    ExpectScriptDone(user);

    // A name still stored is found again, in any letter case.
    info.selectedSettingName = "WARM";
    ScriptedUser again;
    again.Inspect([](const WindowView& view) { EXPECT_EQ(view.Control(IDC_COLORSELECT_LIST).selectedText(), "Warm"); })
        .Next()
        .Cancel();
    Run<CSettingSelectPage>();
    ExpectScriptDone(again);
    EXPECT_EQ(info.selectedSettingName, "Warm");
    EXPECT_EQ(info.userSettingSelected, 1);
}

TEST_F(SettingSelectPagesTest, ARestoredCatalogueIsReadFromTheLocalCopy)
{
    Install(SimPrinterModel::Emf());
    machine.WriteFile(model.LocalCatalogPath(),
                      "[Color]\r\nSettingNum=1\r\nSettingID0=7\r\nSettingName7=Kept\r\n"
                      "[Gamma]\r\nSettingNum=1\r\nSettingID0=8\r\nSettingName8=Kept Gamma\r\n");
    info.catalogRestored = 1;
    ScriptedUser user;
    user.Inspect([&](const WindowView& view) {
            EXPECT_EQ(view.Control(IDC_COLORSELECT_LIST).items,
                      (std::vector<std::string>{Text(IDS_DEFAULT_ENTRY), "Kept"}));
        })
        .Cancel();
    Run<CSettingSelectPage>();
    ExpectScriptDone(user);

    // The gamma list of a restored catalogue carries no default entries.
    ScriptedUser gamma;
    gamma.Inspect([&](const WindowView& view) {
            EXPECT_EQ(view.Control(IDC_GAMMASELECT_LIST).items, (std::vector<std::string>{"Kept Gamma"}));
            EXPECT_EQ(view.Control(IDC_GAMMASELECT_LIST).selection, 0);
        })
        .Cancel();
    Run<CGammaSettingSelectPage>();
    ExpectScriptDone(gamma);
}

TEST_F(SettingSelectPagesTest, GammaListJoinsDefaultsAndStoredNamesAndRecordsTheNumber)
{
    Install(SimPrinterModel::Raw331());
    ScriptedUser user;
    user.Inspect([&](const WindowView& view) {
            EXPECT_EQ(view.templateId, IDD_GAMMA_SETTING_SELECT_PAGE);
            EXPECT_EQ(view.title, Text(IDS_TITLE_GAMMA_SETTING_SELECT));
            EXPECT_EQ(view.Control(IDC_GAMMASELECT_INSTRUCTION).text, Text(IDS_GAMMASELECT_INSTRUCTION));
            EXPECT_EQ(view.Control(IDC_GAMMASELECT_PICTURE).bitmapId, IDB_SIDE_PICTURE);
            // "Photo" is both a default and a stored name: listed once.
            EXPECT_EQ(view.Control(IDC_GAMMASELECT_LIST).items,
                      (std::vector<std::string>{"Standard", "Vivid", "Photo", "Soft"}));
            EXPECT_EQ(view.Control(IDC_GAMMASELECT_LIST).selection, 0);
        })
        .Next()
        .Inspect([&](const WindowView&) {
            EXPECT_EQ(info.selectedSettingName, "Standard");
            EXPECT_EQ(info.userSettingSelected, 0);
            EXPECT_EQ(info.defaultSettingNumber, 0);
        })
        .Back()
        .Select(IDC_GAMMASELECT_LIST, "Photo")
        .Next()
        .Inspect([&](const WindowView&) {
            EXPECT_EQ(info.userSettingSelected, 0);
            EXPECT_EQ(info.defaultSettingNumber, 2);
        })
        .Back()
        .Select(IDC_GAMMASELECT_LIST, "Soft")
        .Next()
        .Inspect([&](const WindowView&) {
            EXPECT_EQ(info.selectedSettingName, "Soft");
            EXPECT_EQ(info.userSettingSelected, 1);
            EXPECT_EQ(info.defaultSettingNumber, 0);  // no default number for a stored setting
        })
        .Back()
        .Inspect([](const WindowView& view) { EXPECT_EQ(view.Control(IDC_GAMMASELECT_LIST).selectedText(), "Soft"); })
        .Cancel();
    EXPECT_EQ(Run<CGammaSettingSelectPage>(), IDCANCEL);
    ExpectScriptDone(user);
    EXPECT_EQ(BoxTexts(), std::vector<std::string>{Text(IDS_QUESTION_CANCEL)});
}

TEST_F(SettingSelectPagesTest, GammaDefaultNumbersComeFromTheSharedSections)
{
    Install(SimPrinterModel::Emf(), "[Color]\r\nSettingNum=0\r\n[Gamma]\r\nSettingNum=0\r\n");
    const std::string ownSection = "DefaultSettingVer" + model.version;
    SetIni(ownSection, nullptr, nullptr);
    SetIni("StringSet1", "Shared Soft", "7");
    ScriptedUser user;
    user.Inspect([](const WindowView& view) {
            EXPECT_EQ(view.Control(IDC_GAMMASELECT_LIST).items, (std::vector<std::string>{"Shared Soft"}));
        })
        .Next()
        .Cancel();
    Run<CGammaSettingSelectPage>();
    ExpectScriptDone(user);
    EXPECT_EQ(info.userSettingSelected, 0);
    EXPECT_EQ(info.defaultSettingNumber, 7);

    // A default entry without a number of its own takes the one of "DefaultSettingVerShare".
    SetIni(ownSection, "Mild", "");
    SetIni("DefaultSettingVerShare", "Mild", "4");
    info.selectedSettingName = "Mild";
    ScriptedUser mild;
    mild.Next().Cancel();
    Run<CGammaSettingSelectPage>();
    ExpectScriptDone(mild);
    EXPECT_EQ(info.userSettingSelected, 0);
    EXPECT_EQ(info.defaultSettingNumber, 4);
}

TEST_F(SettingSelectPagesTest, GammaListWithoutDefaultsIsReported)
{
    Install(SimPrinterModel::Emf());
    SetIni("DefaultSettingVer" + model.version, nullptr, nullptr);
    ScriptedUser user;
    user.Inspect([](const WindowView& view) { EXPECT_TRUE(view.Control(IDC_GAMMASELECT_LIST).items.empty()); })
        .Cancel();
    Run<CGammaSettingSelectPage>();
    ExpectScriptDone(user);
    ASSERT_EQ(BoxTexts(), (std::vector<std::string>{FormatText(Text(IDS_ERR_NO_DEFAULT_SETTINGS), "Tavrel.ini"),
                                                    Text(IDS_QUESTION_CANCEL)}));
    EXPECT_EQ(boxes.Boxes().front().caption, Text(IDS_CAPTION_ERROR));
    EXPECT_EQ(boxes.Boxes().front().style & 0xF0u, 0x10u);
}

// ---- The sample page ------------------------------------------------------------------------

namespace {

struct SampleCase {
    SimPrinterModel model;
    int platform;          // 1: the Windows 95 family
    size_t kindOffset;     // the family's field that says "sample" (2)
    bool fromEnd;          // the XPS family counts from the device mode's end
};

void PrintTo(const SampleCase& c, std::ostream* out) { *out << c.model.printMode << " platform " << c.platform; }

class SamplePrintTest : public SettingSelectPagesTest, public ::testing::WithParamInterface<SampleCase> {};

WORD WordAt(const std::string& bytes, size_t at)
{
    return static_cast<WORD>(static_cast<BYTE>(bytes[at]) | (static_cast<BYTE>(bytes[at + 1]) << 8));
}

}  // namespace

INSTANTIATE_TEST_SUITE_P(Modes, SamplePrintTest,
                         ::testing::Values(SampleCase{SimPrinterModel::Emf(), 2, 1250, false},
                                           SampleCase{SimPrinterModel::EmfInternal(), 2, 694, false},
                                           SampleCase{SimPrinterModel::EmfInternal(), 1, 510, false},
                                           SampleCase{SimPrinterModel::EmfInternalXps(), 2, 614, true},
                                           SampleCase{SimPrinterModel::Raw330(), 2, 0, false}));

TEST_P(SamplePrintTest, TheSamplePageIsPrintedTheModelsWay)
{
    const SampleCase& c = GetParam();
    if (c.platform == 1) {
        machine.Set("OsVersion", "PlatformId", "1");
        machine.Set("OsVersion", "MajorVersion", "4");
        machine.Set("OsVersion", "BuildNumber", "950");
    }
    Install(c.model);
    const std::string sample = model.TestFile("SampleFile");
    const bool metafile = c.kindOffset != 0;
    ScriptedUser user;
    user.Click(IDC_COLORSELECT_SAMPLE_BUTTON);
    if (metafile) {
        // The short printing notice follows the metafile print, then closes by itself.
        user.Inspect([](const WindowView& view) { EXPECT_EQ(view.templateId, IDD_PRINT_MESSAGE_DIALOG); }).Wait(1000);
    }
    user.Inspect([](const WindowView& view) { EXPECT_EQ(view.templateId, IDD_COLOR_SETTING_SELECT_PAGE); }).Cancel();
    Run<CSettingSelectPage>();
    ExpectScriptDone(user);
    EXPECT_EQ(BoxTexts(), std::vector<std::string>{Text(IDS_QUESTION_CANCEL)});

    const std::vector<SimJob> jobs = machine.Jobs();
    ASSERT_EQ(jobs.size(), 1u);
    const SimJob& job = jobs.front();
    EXPECT_EQ(job.printer, model.printer);
    if (!metafile) {
        EXPECT_EQ(job.datatype, "RAW");
        EXPECT_EQ(job.bytes, machine.ReadFile(sample));  // unchanged, no download in front
        return;
    }
    EXPECT_EQ(job.document, sample);
    ASSERT_EQ(job.plays.size(), 1u);
    EXPECT_EQ(job.plays.front().metafile, sample);
    EXPECT_EQ(job.StartPages(), c.platform == 1 ? 1 : 0);
    const auto* mode = reinterpret_cast<const DEVMODEA*>(job.devMode.data());
    const size_t base = c.fromEnd ? job.devMode.size() - 1448 : mode->dmSize;
    ASSERT_LT(base + c.kindOffset + 1, job.devMode.size());
    EXPECT_EQ(WordAt(job.devMode, base + c.kindOffset), 2);
}

TEST_F(SettingSelectPagesTest, SampleWithoutFileIsRefusedAndWithoutModeGoesRaw)
{
    Install(SimPrinterModel::Emf());
    const std::string section = "CCMVer" + model.version;
    const std::string sampleName = CFileAcc::GetFileName(model.TestFile("SampleFile"));
    SetIni(section, "SampleFile", nullptr);
    ScriptedUser user;
    user.Click(IDC_COLORSELECT_SAMPLE_BUTTON).Cancel();
    Run<CSettingSelectPage>();
    ExpectScriptDone(user);
    ASSERT_EQ(BoxTexts(), (std::vector<std::string>{Text(IDS_ERR_PAGE_NOT_FOUND), Text(IDS_QUESTION_CANCEL)}));
    EXPECT_EQ(boxes.Boxes().front().caption, Text(IDS_CAPTION_ERROR));
    EXPECT_TRUE(machine.Jobs().empty());

    // The mode is read again when printing: without one the file goes raw, whatever the state says.
    boxes.Clear();
    SetIni(section, "SampleFile", sampleName.c_str());
    SetIni(section, "PrintMode", nullptr);
    ScriptedUser raw;
    raw.Click(IDC_COLORSELECT_SAMPLE_BUTTON).Cancel();
    Run<CSettingSelectPage>();
    ExpectScriptDone(raw);
    EXPECT_EQ(BoxTexts(), std::vector<std::string>{Text(IDS_QUESTION_CANCEL)});
    const std::vector<SimJob> jobs = machine.Jobs();
    ASSERT_EQ(jobs.size(), 1u);
    EXPECT_EQ(jobs.front().datatype, "RAW");
    EXPECT_EQ(jobs.front().bytes, machine.ReadFile(SimPrinterModel::UtilityFolder() + sampleName));
}

TEST_F(SettingSelectPagesTest, TheMainWizardShowsBothListsAndSendsARawSample)
{
    Install(SimPrinterModel::Raw330());
    ScriptedUser user;
    user.Next()
        .Inspect([](const WindowView& view) {
            EXPECT_EQ(view.templateId, IDD_COLOR_SETTING_SELECT_PAGE);
            EXPECT_EQ(view.Control(IDC_COLORSELECT_LIST).items,
                      (std::vector<std::string>{Text(IDS_DEFAULT_ENTRY), "Warm", "Vivid"}));
        })
        .Click(IDC_COLORSELECT_SAMPLE_BUTTON)
        // The raw job shows the printing notice before it is sent.
        .Inspect([](const WindowView& view) { EXPECT_EQ(view.templateId, IDD_PRINT_MESSAGE_DIALOG); })
        .Wait(1000)
        .Back()
        .Click(IDC_SELECTEDIT_GAMMA_RADIO)
        .Next()
        .Inspect([](const WindowView& view) {
            EXPECT_EQ(view.templateId, IDD_GAMMA_SETTING_SELECT_PAGE);
            EXPECT_EQ(view.Control(IDC_GAMMASELECT_LIST).items,
                      (std::vector<std::string>{"Standard", "Vivid", "Photo", "Soft"}));
        })
        .Cancel();
    EXPECT_EQ(CallTintora32(0, 0, model.printer.c_str(), 0), 0);
    ExpectScriptDone(user);
    const std::vector<SimJob> jobs = machine.Jobs();
    ASSERT_EQ(jobs.size(), 1u);
    EXPECT_EQ(jobs.front().bytes, machine.ReadFile(model.TestFile("SampleFile")));
}
