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
constexpr UINT kColourList = 1021;
constexpr UINT kGammaList = 1152;
constexpr UINT kSampleButton = 1024;

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
    const std::string entry = Text(518);
    ScriptedUser user;
    user.Inspect([&](const WindowView& view) {
            EXPECT_EQ(view.templateId, 110u);
            EXPECT_EQ(view.title, Text(16));
            EXPECT_EQ(view.Control(1020).text, Text(110));
            EXPECT_EQ(view.Control(1023).text, Text(112));
            EXPECT_EQ(view.Control(kSampleButton).text, Text(206));
            EXPECT_EQ(view.Control(1022).bitmapId, 1500u);
            EXPECT_EQ(view.Control(kColourList).items, (std::vector<std::string>{entry, "Warm", "Vivid"}));
            EXPECT_EQ(view.Control(kColourList).selection, 0);
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
            EXPECT_EQ(view.Control(kColourList).items.size(), 3u);
            EXPECT_EQ(view.Control(kColourList).selectedText(), entry);
        })
        .Select(kColourList, "Warm")
        .Next()
        .Inspect([&](const WindowView&) {
            EXPECT_EQ(info.selectedSettingName, "Warm");
            EXPECT_EQ(info.userSettingSelected, 1);
        })
        .Back()
        .Inspect([](const WindowView& view) { EXPECT_EQ(view.Control(kColourList).selectedText(), "Warm"); })
        // A stored setting that carries a default setting's name counts as a default.
        .Select(kColourList, "Vivid")
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
    EXPECT_EQ(titles.front(), 16u);
}

TEST_F(SettingSelectPagesTest, AVanishedNameFallsBackToTheFirstEntry)
{
    Install(SimPrinterModel::Raw330());
    info.selectedSettingName = "Gone";
    info.userSettingSelected = 1;
    ScriptedUser user;
    user.Inspect([&](const WindowView& view) {
            EXPECT_EQ(view.Control(kColourList).selection, 0);
            EXPECT_EQ(info.selectedSettingName, Text(518));
        })
        .Cancel();
    Run<CSettingSelectPage>();
    ExpectScriptDone(user);

    // A name still stored is found again, in any letter case.
    info.selectedSettingName = "WARM";
    ScriptedUser again;
    again.Inspect([](const WindowView& view) { EXPECT_EQ(view.Control(kColourList).selectedText(), "Warm"); })
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
            EXPECT_EQ(view.Control(kColourList).items, (std::vector<std::string>{Text(518), "Kept"}));
        })
        .Cancel();
    Run<CSettingSelectPage>();
    ExpectScriptDone(user);

    // The gamma list of a restored catalogue carries no default entries.
    ScriptedUser gamma;
    gamma.Inspect([&](const WindowView& view) {
            EXPECT_EQ(view.Control(kGammaList).items, (std::vector<std::string>{"Kept Gamma"}));
            EXPECT_EQ(view.Control(kGammaList).selection, 0);
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
            EXPECT_EQ(view.templateId, 112u);
            EXPECT_EQ(view.title, Text(17));
            EXPECT_EQ(view.Control(1151).text, Text(111));
            EXPECT_EQ(view.Control(1150).bitmapId, 1500u);
            // "Photo" is both a default and a stored name: listed once.
            EXPECT_EQ(view.Control(kGammaList).items,
                      (std::vector<std::string>{"Standard", "Vivid", "Photo", "Soft"}));
            EXPECT_EQ(view.Control(kGammaList).selection, 0);
        })
        .Next()
        .Inspect([&](const WindowView&) {
            EXPECT_EQ(info.selectedSettingName, "Standard");
            EXPECT_EQ(info.userSettingSelected, 0);
            EXPECT_EQ(info.defaultSettingNumber, 0);
        })
        .Back()
        .Select(kGammaList, "Photo")
        .Next()
        .Inspect([&](const WindowView&) {
            EXPECT_EQ(info.userSettingSelected, 0);
            EXPECT_EQ(info.defaultSettingNumber, 2);
        })
        .Back()
        .Select(kGammaList, "Soft")
        .Next()
        .Inspect([&](const WindowView&) {
            EXPECT_EQ(info.selectedSettingName, "Soft");
            EXPECT_EQ(info.userSettingSelected, 1);
            EXPECT_EQ(info.defaultSettingNumber, 0);  // no default number for a stored setting
        })
        .Back()
        .Inspect([](const WindowView& view) { EXPECT_EQ(view.Control(kGammaList).selectedText(), "Soft"); })
        .Cancel();
    EXPECT_EQ(Run<CGammaSettingSelectPage>(), IDCANCEL);
    ExpectScriptDone(user);
    EXPECT_EQ(BoxTexts(), std::vector<std::string>{Text(521)});
}

TEST_F(SettingSelectPagesTest, GammaDefaultNumbersComeFromTheSharedSections)
{
    Install(SimPrinterModel::Emf(), "[Color]\r\nSettingNum=0\r\n[Gamma]\r\nSettingNum=0\r\n");
    const std::string ownSection = "DefaultSettingVer" + model.version;
    SetIni(ownSection, nullptr, nullptr);
    SetIni("StringSet1", "Shared Soft", "7");
    ScriptedUser user;
    user.Inspect([](const WindowView& view) {
            EXPECT_EQ(view.Control(kGammaList).items, (std::vector<std::string>{"Shared Soft"}));
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
    user.Inspect([](const WindowView& view) { EXPECT_TRUE(view.Control(kGammaList).items.empty()); }).Cancel();
    Run<CGammaSettingSelectPage>();
    ExpectScriptDone(user);
    ASSERT_EQ(BoxTexts(), (std::vector<std::string>{FormatText(Text(535), "Tavrel.ini"), Text(521)}));
    EXPECT_EQ(boxes.Boxes().front().caption, Text(538));
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
    user.Click(kSampleButton);
    if (metafile) {
        // The short printing notice follows the metafile print, then closes by itself.
        user.Inspect([](const WindowView& view) { EXPECT_EQ(view.templateId, 1110u); }).Wait(1000);
    }
    user.Inspect([](const WindowView& view) { EXPECT_EQ(view.templateId, 110u); }).Cancel();
    Run<CSettingSelectPage>();
    ExpectScriptDone(user);
    EXPECT_EQ(BoxTexts(), std::vector<std::string>{Text(521)});

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
    user.Click(kSampleButton).Cancel();
    Run<CSettingSelectPage>();
    ExpectScriptDone(user);
    ASSERT_EQ(BoxTexts(), (std::vector<std::string>{Text(524), Text(521)}));
    EXPECT_EQ(boxes.Boxes().front().caption, Text(538));
    EXPECT_TRUE(machine.Jobs().empty());

    // The mode is read again when printing: without one the file goes raw, whatever the state says.
    boxes.Clear();
    SetIni(section, "SampleFile", sampleName.c_str());
    SetIni(section, "PrintMode", nullptr);
    ScriptedUser raw;
    raw.Click(kSampleButton).Cancel();
    Run<CSettingSelectPage>();
    ExpectScriptDone(raw);
    EXPECT_EQ(BoxTexts(), std::vector<std::string>{Text(521)});
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
            EXPECT_EQ(view.templateId, 110u);
            EXPECT_EQ(view.Control(kColourList).items, (std::vector<std::string>{Text(518), "Warm", "Vivid"}));
        })
        .Click(kSampleButton)
        // The raw job shows the printing notice before it is sent.
        .Inspect([](const WindowView& view) { EXPECT_EQ(view.templateId, 1110u); })
        .Wait(1000)
        .Back()
        .Click(1013)
        .Next()
        .Inspect([](const WindowView& view) {
            EXPECT_EQ(view.templateId, 112u);
            EXPECT_EQ(view.Control(kGammaList).items,
                      (std::vector<std::string>{"Standard", "Vivid", "Photo", "Soft"}));
        })
        .Cancel();
    EXPECT_EQ(CallTintora32(0, 0, model.printer.c_str(), 0), 0);
    ExpectScriptDone(user);
    const std::vector<SimJob> jobs = machine.Jobs();
    ASSERT_EQ(jobs.size(), 1u);
    EXPECT_EQ(jobs.front().bytes, machine.ReadFile(model.TestFile("SampleFile")));
}
