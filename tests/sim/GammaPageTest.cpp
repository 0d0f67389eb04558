// The gamma page inside a small wizard on simulated machines: loading a default or a stored
// setting and when it reloads, the sliders, zones, swatches and pictures, undoing changes, and
// the gamma test print in every print mode.
#include <gtest/gtest.h>

#include <cctype>
#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "framework/CPropertySheet.h"
#include "framework/ResourceModule.h"
#include "framework/headless/Desktop.h"
#include "framework/headless/UiView.h"
#include "gamma/CGammaPage.h"
#include "launch/CDlgRes.h"
#include "launch/CStrRes.h"
#include "modules/recording/RecordingClient.h"
#include "storage/CCtrlMng.h"
#include "storage/CIniAcc.h"
#include "support/DialogTemplateBuilder.h"
#include "support/MessageBoxRecorder.h"
#include "support/ScriptedUser.h"
#include "support/SimMachine.h"
#include "support/SimPrinterModel.h"
#include "testprint/CEmfInternalXPS.h"

using fw::headless::WindowView;
using recording::DefaultGamma;
using recording::DefaultHue;
using recording::DefaultLevel;

namespace {

// A gamma setting "Soft" (mode 3, short stored tables) and names that keep "testprint" and
// "testprint1" from being free.
const std::string kCatalog =
    "[Color]\r\nSettingNum=1\r\nSettingID0=4\r\nSettingName4=testprint1\r\n"
    "[Gamma]\r\nSettingNum=2\r\nSettingID0=2\r\nSettingName2=Soft\r\nSoft=3\r\nCCMNT2=0A1B\r\nCCMNV2=ff00\r\n"
    "SettingID1=5\r\nSettingName5=testprint\r\n";

std::string Text(UINT id) { return CStrRes().Load(id); }

std::string ModuleTable(int size)
{
    std::string bytes;
    for (int k = 0; k < size; ++k) bytes += static_cast<char>(recording::TByte(k));
    return bytes;
}

unsigned Word(const std::string& bytes, size_t at)
{
    return static_cast<unsigned char>(bytes[at]) | static_cast<unsigned char>(bytes[at + 1]) << 8;
}

class GammaPageTest : public ::testing::TestWithParam<SimPrinterModel> {
protected:
    void SetUp() override
    {
        model = GetParam();
        if (model.printMode == "EMF_INTERNAL_XPS") model.finishJobs = "never";
        model.Install(machine, kCatalog);
        const std::string section = "CCMVer" + model.version;
        ini = SimPrinterModel::UtilityFolder() + "Tavrel.ini";
        WritePrivateProfileStringA(section.c_str(), "Module", "TVRECORD.dll", ini.c_str());
        WritePrivateProfileStringA(section.c_str(), "IccModule", "TVRECORD.dll", ini.c_str());
        ASSERT_TRUE(recorder.Loaded());
        info = model.Info();
        info.editType = 2;
        SelectDefault("Vivid", 1);
        edge.Add(1, FW_CLASS_STATIC, SS_LEFT, 5, 5, 50, 10);
        page = std::make_unique<CGammaPage>(&info);
    }

    void SelectDefault(const std::string& name, int number)
    {
        info.selectedSettingName = name;
        info.userSettingSelected = 0;
        info.defaultSettingNumber = number;
    }

    // "Soft" with a data file of gamma 1.6 as the slider makes it, and zone 2 taking the printer's hue.
    void SelectSoft()
    {
        CGammaDataMng mng;
        mng.SetDriver(info);
        int hue[6] = {1, 2, 3, 4, 5, 6}, printer[6] = {0, 0, 1, 0, 0, 0}, level[6] = {7, 8, 9, 10, 11, 12};
        mng.SetGamma(CGammaPage::GammaOfPosition(2));
        mng.SetHue(hue, printer);
        mng.SetLevel(level);
        mng.SaveData("Soft");
        info.selectedSettingName = "Soft";
        info.userSettingSelected = 1;
        info.defaultSettingNumber = -1;
    }

    // A wizard of a plain page, the gamma page and another plain page; the user starts on the first.
    void Run()
    {
        CDlgRes library;
        HMODULE previous = fw::SetResourceModule(library.GetModule());
        CPropertyPage before(edge.Id()), after(edge.Id());
        before.m_psp.dwFlags |= PSP_DLGINDIRECT;
        before.m_psp.pResource = edge.Get();
        after.m_psp = before.m_psp;
        CPropertySheet sheet;
        sheet.SetWizardMode();
        sheet.AddPage(&before);
        sheet.AddPage(page.get());
        sheet.AddPage(&after);
        sheet.DoModal();
        fw::SetResourceModule(previous);
    }

    std::vector<recording::Call> Calls(const std::string& function)
    {
        std::vector<recording::Call> found;
        for (const recording::Call& call : recorder.Calls()) {
            if (function == call.function) found.push_back(call);
        }
        return found;
    }

    // Texts of the boxes other than the cancel question.
    std::vector<std::string> Reports() const
    {
        std::vector<std::string> texts;
        for (const auto& box : boxes.Boxes()) {
            if (box.text != Text(521) && box.text != Text(517)) texts.push_back(box.text);
        }
        return texts;
    }

    std::string GammaValue(const std::string& key) const
    {
        return CIniAcc(info.driverCatalogPath).GetString("Gamma", key);
    }

    SimMachine machine;
    SimPrinterModel model;
    std::string ini;
    RecordingClient recorder;
    MessageBoxRecorder boxes;
    ScriptedUser user;
    CUtilityInfo info;
    std::unique_ptr<CGammaPage> page;
    struct Edge : DialogTemplateBuilder {
        Edge() : DialogTemplateBuilder(317, 193, WS_CHILD | WS_CAPTION) {}
        UINT Id() const { return 9411; }
    } edge;
};

// Layout and editing do not depend on the print mode.
class GammaPageEditTest : public GammaPageTest {};

std::string ModeName(const ::testing::TestParamInfo<SimPrinterModel>& param)
{
    std::string name = param.param.printMode + param.param.version;
    for (char& c : name) {
        if (!isalnum(static_cast<unsigned char>(c))) c = '_';
    }
    return name;
}

INSTANTIATE_TEST_SUITE_P(Emf, GammaPageEditTest, ::testing::Values(SimPrinterModel::Emf()), ModeName);
INSTANTIATE_TEST_SUITE_P(Modes, GammaPageTest,
                         ::testing::Values(SimPrinterModel::Emf(), SimPrinterModel::EmfInternal(),
                                           SimPrinterModel::EmfInternalXps(), SimPrinterModel::Raw330()),
                         ModeName);

}  // namespace

TEST(GammaPageMapping, SliderPicturesAndFreeTestNames)
{
    EXPECT_DOUBLE_EQ(CGammaPage::GammaOfPosition(0), 1.4);
    EXPECT_DOUBLE_EQ(CGammaPage::GammaOfPosition(10), 2.4);
    EXPECT_EQ(CGammaPage::PositionOfGamma(1.6), 2);
    EXPECT_EQ(CGammaPage::PositionOfGamma(1.549), 1);
    EXPECT_EQ(CGammaPage::PositionOfGamma(std::nan("")), -1);
    const std::vector<std::pair<double, UINT>> pictures = {{1.59, 1517}, {1.6, 1518}, {1.7, 1518}, {1.71, 1519},
                                                           {1.9, 1519},  {1.91, 1520}, {2.1, 1520}, {2.11, 1521},
                                                           {2.3, 1521},  {2.31, 1522}, {std::nan(""), 1517}};
    for (const auto& [gamma, picture] : pictures) EXPECT_EQ(CGammaPage::GammaPicture(gamma), picture) << gamma;
    CmyStringArray taken;
    EXPECT_EQ(CGammaPage::FreeTestName(taken), "testprint");
    taken.Add("testprint");
    taken.Add("testprint1");
    taken.Add("testprint3");
    EXPECT_EQ(CGammaPage::FreeTestName(taken), "testprint2");
}

TEST_P(GammaPageEditTest, ActivationShowsTheDefaultSettingAndUntouchedCountsAsUnchanged)
{
    info.reloadNeeded = 1;
    info.dataSaved = 0;
    user.Next().Inspect([&](const WindowView& view) {
        EXPECT_EQ(view.templateId, 1004u);
        EXPECT_EQ(view.title, Text(8));
        EXPECT_TRUE(view.buttons.back.enabled);
        EXPECT_TRUE(view.buttons.next.enabled);
        EXPECT_EQ(view.Control(1073).text, Text(115));
        EXPECT_EQ(view.Control(1070).text, Text(132));
        EXPECT_EQ(view.Control(1068).text, Text(213));
        EXPECT_EQ(view.Control(1128).text, Text(219));
        EXPECT_EQ(view.Control(1074).text, Text(207));
        EXPECT_EQ(view.Control(1054).bitmapId, 1504u);
        // Default mode 1: gamma 1.51 shows as position 1 and "1.5".
        EXPECT_EQ(view.Control(1052).rangeMax, 10);
        EXPECT_EQ(view.Control(1052).position, 1);
        EXPECT_EQ(view.Control(1051).text, "1.5");
        EXPECT_EQ(view.Control(1103).bitmapId, 1517u);
        EXPECT_EQ(view.Control(1066).rangeMin, -50);
        EXPECT_EQ(view.Control(1066).position, DefaultHue(1, 0));
        EXPECT_EQ(view.Control(1064).text, std::to_string(DefaultHue(1, 0)));
        EXPECT_EQ(view.Control(1067).position, DefaultLevel(1, 0));
        EXPECT_EQ(view.Control(1065).text, std::to_string(DefaultLevel(1, 0)));
        EXPECT_FALSE(view.Control(1068).checked());
        EXPECT_TRUE(view.Control(1066).enabled);
        EXPECT_TRUE(view.Control(1058).checked());
        EXPECT_EQ(view.Control(1071).bitmapId, 1509u);
        EXPECT_EQ(view.Control(1072).bitmapId, 1515u);
        // The swatches are painted in their zones' colours.
        auto& desktop = fw::headless::Desktop::Get();
        EXPECT_EQ(desktop.Surface(view.Control(1143).handle).Get(3, 3), RGB(255, 0, 0));
        EXPECT_EQ(desktop.Surface(view.Control(1146).handle).Get(3, 3), RGB(0, 142, 182));
    });
    user.Next().Cancel();
    Run();
    EXPECT_EQ(page->GetDataMng().GetCurrent().GetGamma(), DefaultGamma(1) / 100.0);
    EXPECT_EQ(info.dataSaved, 1);
    EXPECT_EQ(info.reloadNeeded, 0);
}

TEST_P(GammaPageEditTest, ZonesBySwatchOrRadioAndTheHueFromThePrinter)
{
    user.Next().Click(1146).Inspect([&](const WindowView& view) {
        EXPECT_TRUE(view.Control(1061).checked());
        EXPECT_FALSE(view.Control(1058).checked());
        EXPECT_EQ(view.Control(1071).bitmapId, 1506u);
        EXPECT_EQ(view.Control(1072).bitmapId, 1512u);
        EXPECT_EQ(view.Control(1066).position, DefaultHue(1, 3));
        EXPECT_TRUE(view.Control(1068).checked());  // zone 3 takes the printer's hue by default
        EXPECT_FALSE(view.Control(1066).enabled);
        EXPECT_FALSE(view.Control(1070).enabled);
    });
    user.Click(1068).Inspect([&](const WindowView& view) {
        EXPECT_TRUE(view.Control(1066).enabled);
        EXPECT_TRUE(view.Control(1064).enabled);
        EXPECT_EQ(view.Control(1066).position, DefaultHue(1, 3));
    });
    user.Click(1068).Inspect([&](const WindowView& view) {
        EXPECT_EQ(view.Control(1066).position, recording::PrinterHue(3));
        EXPECT_EQ(view.Control(1064).text, std::to_string(recording::PrinterHue(3)));
        EXPECT_FALSE(view.Control(1066).enabled);
    });
    user.Slide(1067, 44).Click(1058).Inspect([&](const WindowView& view) {
        EXPECT_TRUE(view.Control(1058).checked());
        EXPECT_FALSE(view.Control(1061).checked());
        EXPECT_EQ(view.Control(1067).position, DefaultLevel(1, 0));
    });
    user.Click(1061).Inspect([&](const WindowView& view) { EXPECT_EQ(view.Control(1065).text, "44"); });
    user.Next().Cancel();
    Run();
    int hue[6], printer[6], level[6];
    page->GetDataMng().GetCurrent().GetHue(hue);
    page->GetDataMng().GetCurrent().GetHueFromPrinter(printer);
    page->GetDataMng().GetCurrent().GetLevel(level);
    EXPECT_EQ(hue[3], recording::PrinterHue(3));
    EXPECT_EQ(printer[3], 1);
    EXPECT_EQ(level[3], 44);
    EXPECT_EQ(page->GetZone(), 3);
    EXPECT_EQ(info.dataSaved, 0);
}

TEST_P(GammaPageEditTest, StoredSliderGammaUndoAndReloadRules)
{
    SelectSoft();
    user.Next().Inspect([&](const WindowView& view) {
        EXPECT_EQ(view.Control(1052).position, 2);
        EXPECT_EQ(view.Control(1051).text, "1.6");
        EXPECT_EQ(view.Control(1103).bitmapId, 1518u);
    });
    user.Back().Inspect([&](const WindowView&) { EXPECT_EQ(info.dataSaved, 1); });
    // Edits survive leaving and coming back to the same setting.
    user.Next().Slide(1052, 8).Slide(1066, -20).Back().Next().Inspect([&](const WindowView& view) {
        EXPECT_EQ(info.dataSaved, 0);
        EXPECT_EQ(view.Control(1051).text, "2.2");
        EXPECT_EQ(view.Control(1103).bitmapId, 1521u);
        EXPECT_EQ(view.Control(1066).position, -20);
    });
    user.Do([&](auto&) { boxes.QueueAnswer(IDNO); }).Click(1075).Inspect([&](const WindowView& view) {
        EXPECT_EQ(view.Control(1052).position, 8);
        EXPECT_EQ(boxes.Last().text, Text(542));
        EXPECT_EQ(boxes.Last().style, 52u);
        EXPECT_EQ(boxes.Last().caption, Text(539));
    });
    user.Do([&](auto&) { boxes.QueueAnswer(IDYES); }).Click(1075).Inspect([&](const WindowView& view) {
        EXPECT_EQ(view.Control(1052).position, 2);
        EXPECT_EQ(view.Control(1066).position, 1);
        EXPECT_EQ(page->GetDataMng().IsUnchanged(), 1);
    });
    // Another setting, or a reload request, loads afresh.
    user.Slide(1052, 9).Back().Do([&](auto&) { SelectDefault("Photo", 2); }).Next().Inspect([&](const WindowView& view) {
        EXPECT_EQ(view.Control(1052).position, 1);
        EXPECT_EQ(view.Control(1066).position, DefaultHue(2, 0));
    });
    user.Slide(1052, 9).Back().Do([&](auto&) { info.reloadNeeded = 1; }).Next().Inspect([&](const WindowView& view) {
        EXPECT_EQ(view.Control(1052).position, 1);
        EXPECT_EQ(info.reloadNeeded, 0);
    });
    user.Cancel();
    Run();
}

TEST_P(GammaPageTest, TestPrintSendsTheEditedTablesTheModelsWay)
{
    SelectSoft();
    unsigned xpsId = 0;
    user.Next().Slide(1052, 4).Click(1074);
    if (model.printMode == "EMF_INTERNAL_XPS") {
        // The job stays queued: the temporary setting exists until it has left.
        user.Wait(1000).Do([&](auto&) {
            xpsId = static_cast<unsigned>(std::stoul(GammaValue("SettingID2")));
            EXPECT_EQ(GammaValue("SettingName" + std::to_string(xpsId)), "testprint2");
            EXPECT_EQ(GammaValue("testprint2"), "3");
            EXPECT_FALSE(GammaValue("CCMNT" + std::to_string(xpsId)).empty());
            ASSERT_EQ(machine.Jobs().size(), 1u);
            machine.FinishJob(machine.Jobs().front().id);
        });
        user.Wait(1000);
    }
    Run();
    EXPECT_TRUE(Reports().empty());

    std::vector<recording::Call> adjust = Calls("MCA_AdjustCCMPARAM");
    ASSERT_FALSE(adjust.empty());
    const recording::Call& compute = adjust.back();
    EXPECT_EQ(compute.flag, 1);
    EXPECT_EQ(compute.block[0], 3);    // the stored setting's mode
    EXPECT_EQ(compute.block[4], 180);  // gamma 1.8 × 100
    EXPECT_EQ(compute.tableT[0], 0x0A);
    EXPECT_EQ(compute.tableT[1], 0x1B);
    EXPECT_EQ(compute.tableT[2], 0);

    std::vector<SimJob> jobs = machine.Jobs();
    ASSERT_EQ(jobs.size(), 1u);
    const SimJob& job = jobs.front();
    const std::string table = ModuleTable(228);
    if (model.printMode == "EMF") {
        std::vector<recording::Call> profile = Calls("MPCA_GetCustomProfile");
        ASSERT_FALSE(profile.empty());
        EXPECT_EQ(std::string(reinterpret_cast<const char*>(profile.back().tableT), 228), table);
    } else if (model.printMode == "EMF_INTERNAL") {
        const size_t base = reinterpret_cast<const DEVMODEA*>(job.devMode.data())->dmSize;
        EXPECT_EQ(job.devMode.substr(base + 968, 228), table);
        EXPECT_EQ(job.StartPages(), 0);  // the NT family's layout
    } else if (model.printMode == "EMF_INTERNAL_XPS") {
        const size_t base = job.devMode.size() - CEmfInternalXPS::privatePartSize;
        EXPECT_EQ(Word(job.devMode, base + 618), 1u);  // gamma tables
        EXPECT_EQ(Word(job.devMode, base + 620), xpsId);
        EXPECT_EQ(job.devMode.substr(base + 888, 228), table);
        EXPECT_EQ(GammaValue("SettingName" + std::to_string(xpsId)), "");
        EXPECT_EQ(GammaValue("CCMNT" + std::to_string(xpsId)), "");
        EXPECT_EQ(GammaValue("testprint2"), "");
        EXPECT_EQ(GammaValue("SettingNum"), "2");
    } else {
        EXPECT_EQ(job.bytes.substr(9 + 54, 228), table);
        EXPECT_EQ(job.bytes.substr(job.bytes.size() - 5), "GTEST");
    }
}

TEST_P(GammaPageEditTest, NinetyFiveFamilyPrintsInternalPagesInItsOwnLayout)
{
    machine.Set("OsVersion", "PlatformId", "1");
    machine.Apply();
    WritePrivateProfileStringA(("CCMVer" + model.version).c_str(), "PrintMode", "EMF_INTERNAL", ini.c_str());
    user.Next().Click(1074);
    Run();
    EXPECT_TRUE(Reports().empty());
    std::vector<SimJob> jobs = machine.Jobs();
    ASSERT_EQ(jobs.size(), 1u);
    EXPECT_EQ(jobs.front().StartPages(), 1);
    const size_t base = reinterpret_cast<const DEVMODEA*>(jobs.front().devMode.data())->dmSize;
    EXPECT_EQ(jobs.front().devMode.substr(base + 710, 228), ModuleTable(228));
}

TEST_P(GammaPageEditTest, FailuresAreShownAndChangeNothing)
{
    const std::string section = "CCMVer" + model.version;
    user.Next().Slide(1052, 3).Do([&](auto&) {
        WritePrivateProfileStringA(section.c_str(), "GammaTestFile", nullptr, ini.c_str());
    });
    user.Click(1074).Inspect([&](const WindowView& view) {
        EXPECT_EQ(boxes.Last().text, Text(524));
        EXPECT_EQ(view.Control(1052).position, 3);
    });
    // A module that cannot be loaded leaves the zone's own hue.
    user.Do([&](auto&) { WritePrivateProfileStringA(section.c_str(), "Module", "MISSING.dll", ini.c_str()); });
    user.Click(1058).Click(1068).Inspect([&](const WindowView& view) {
        EXPECT_EQ(boxes.Last().text, Text(557));
        EXPECT_FALSE(view.Control(1068).checked());
        EXPECT_TRUE(view.Control(1066).enabled);
        EXPECT_EQ(view.Control(1066).position, DefaultHue(1, 0));
    });
    user.Cancel();
    Run();
    EXPECT_TRUE(machine.Jobs().empty());
    EXPECT_EQ(boxes.Count(), 3u);
}

TEST_P(GammaPageEditTest, EndOfSessionDuringAnXpsPrintRemovesTheTemporarySetting)
{
    WritePrivateProfileStringA(("CCMVer" + model.version).c_str(), "PrintMode", "EMF_INTERNAL_XPS", ini.c_str());
    user.Next().Click(1074).Wait(100).Do([&](auto&) { EXPECT_EQ(GammaValue("SettingNum"), "3"); });
    user.EndSession().Do([&](auto&) { EXPECT_EQ(GammaValue("SettingNum"), "2"); }).Wait(2000);
    Run();
    EXPECT_EQ(GammaValue("SettingNum"), "2");
    EXPECT_EQ(GammaValue("testprint2"), "");
}

TEST_P(GammaPageEditTest, XpsPrintWithAFullCatalogueNamesNoOtherSetting)
{
    WritePrivateProfileStringA(("CCMVer" + model.version).c_str(), "PrintMode", "EMF_INTERNAL_XPS", ini.c_str());
    std::string full = "[Color]\r\nSettingNum=0\r\n[Gamma]\r\nSettingNum=61\r\n";
    for (int id = 0; id <= 60; ++id) {
        const std::string n = std::to_string(id);
        full += "SettingID" + n + "=" + n + "\r\nSettingName" + n + "=S" + n + "\r\n";
    }
    machine.WriteFile(model.CatalogPath(), full);
    user.Next().Click(1074).Cancel();
    Run();
    EXPECT_TRUE(machine.Jobs().empty());
    EXPECT_EQ(Reports(), std::vector<std::string>{Text(525)});
    EXPECT_EQ(machine.ReadFile(model.CatalogPath()), full);
}
