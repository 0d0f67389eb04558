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
#include "testprint/CTemporaryTestSetting.h"
#include "launch/CDlgRes.h"
#include "launch/CStrRes.h"
#include "modules/recording/RecordingClient.h"
#include "resources/resource.h"
#include "storage/CCtrlMng.h"
#include "storage/CFileAcc.h"
#include "storage/CIniAcc.h"
#include "support/DialogTemplateBuilder.h"
#include "support/FullTable.h"
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

// A gamma setting "Soft" (mode 3, stored tables of the module's size) and names that keep
// "testprint" and "testprint1" from being free.
const std::string kCatalog =
    "[Color]\r\nSettingNum=1\r\nSettingID0=4\r\nSettingName4=testprint1\r\n"
    "[Gamma]\r\nSettingNum=2\r\nSettingID0=2\r\nSettingName2=Soft\r\nSoft=3\r\nCCMNT2=" + FullTable("0A1B") +
    "\r\nCCMNV2=" + FullTable("ff00") + "\r\nSettingID1=5\r\nSettingName5=testprint\r\n";

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
        // Only the data file: the stored mode and tables stay as the catalogue has them.
        CFileAcc files;
        files.SaveObject(std::string(), files.GetDataPath("UGD2.dat", info.driverName), &mng.GetCurrent());
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
            if (box.text != Text(IDS_QUESTION_CANCEL) && box.text != Text(IDS_QUESTION_CANCEL_UNSAVED))
                texts.push_back(box.text);
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
    const std::vector<std::pair<double, UINT>> pictures = {
        {1.59, IDB_GAMMA_CURVE1}, {1.6, IDB_GAMMA_CURVE2},  {1.7, IDB_GAMMA_CURVE2},         {1.71, IDB_GAMMA_CURVE3},
        {1.9, IDB_GAMMA_CURVE3},  {1.91, IDB_GAMMA_CURVE4}, {2.1, IDB_GAMMA_CURVE4},         {2.11, IDB_GAMMA_CURVE5},
        {2.3, IDB_GAMMA_CURVE5},  {2.31, IDB_GAMMA_CURVE6}, {std::nan(""), IDB_GAMMA_CURVE1}};
    for (const auto& [gamma, picture] : pictures) EXPECT_EQ(CGammaPage::GammaPicture(gamma), picture) << gamma;
    CmyStringArray taken;
    EXPECT_EQ(CTemporaryTestSetting::FreeName(taken), "testprint");
    taken.Add("testprint");
    taken.Add("testprint1");
    taken.Add("testprint3");
    EXPECT_EQ(CTemporaryTestSetting::FreeName(taken), "testprint2");
    // A stored name in any case takes the temporary name: the catalogue's keys ignore case.
    const std::string base = "testprint";
    for (unsigned mask = 1; mask < (1u << base.size()); ++mask) {
        std::string variant = base;
        for (size_t i = 0; i < base.size(); ++i) {
            if (mask & (1u << i)) variant[i] = static_cast<char>(std::toupper(static_cast<unsigned char>(base[i])));
        }
        CmyStringArray one;
        one.Add(variant);
        one.Add(variant + "1");
        ASSERT_EQ(CTemporaryTestSetting::FreeName(one), "testprint2") << variant;
    }
}

TEST_P(GammaPageEditTest, ActivationShowsTheDefaultSettingAndUntouchedCountsAsUnchanged)
{
    info.reloadNeeded = 1;
    info.dataSaved = 0;
    user.Next().Inspect([&](const WindowView& view) {
        EXPECT_EQ(view.templateId, IDD_GAMMA_PAGE);
        EXPECT_EQ(view.title, Text(IDS_TITLE_GAMMA));
        EXPECT_TRUE(view.buttons.back.enabled);
        EXPECT_TRUE(view.buttons.next.enabled);
        EXPECT_EQ(view.Control(IDC_GAMMA_INSTRUCTION).text, Text(IDS_GAMMA_INSTRUCTION));
        EXPECT_EQ(view.Control(IDC_GAMMA_HUE_LABEL).text, Text(IDS_GAMMA_HUE_LABEL));
        EXPECT_EQ(view.Control(IDC_GAMMA_HUE_FROM_PRINTER_CHECK).text, Text(IDS_GAMMA_HUE_FROM_PRINTER));
        EXPECT_EQ(view.Control(IDC_GAMMA_ZONE6_NAME).text, Text(IDS_ZONE_MAGENTA));
        EXPECT_EQ(view.Control(IDC_GAMMA_TESTPRINT_BUTTON).text, Text(IDS_BUTTON_GAMMA_TEST_PRINT));
        EXPECT_EQ(view.Control(IDC_GAMMA_SCALE_PICTURE).bitmapId, IDB_GAMMA_SCALE);
        // Default mode 1: gamma 1.51 shows as position 1 and "1.5".
        EXPECT_EQ(view.Control(IDC_GAMMA_GAMMA_SLIDER).rangeMax, 10);
        EXPECT_EQ(view.Control(IDC_GAMMA_GAMMA_SLIDER).position, 1);
        EXPECT_EQ(view.Control(IDC_GAMMA_GAMMA_VALUE).text, "1.5");
        EXPECT_EQ(view.Control(IDC_GAMMA_CURVE_PICTURE).bitmapId, IDB_GAMMA_CURVE1);
        EXPECT_EQ(view.Control(IDC_GAMMA_HUE_SLIDER).rangeMin, -50);
        EXPECT_EQ(view.Control(IDC_GAMMA_HUE_SLIDER).position, DefaultHue(1, 0));
        EXPECT_EQ(view.Control(IDC_GAMMA_HUE_VALUE).text, std::to_string(DefaultHue(1, 0)));
        EXPECT_EQ(view.Control(IDC_GAMMA_LEVEL_SLIDER).position, DefaultLevel(1, 0));
        EXPECT_EQ(view.Control(IDC_GAMMA_LEVEL_VALUE).text, std::to_string(DefaultLevel(1, 0)));
        EXPECT_FALSE(view.Control(IDC_GAMMA_HUE_FROM_PRINTER_CHECK).checked());
        EXPECT_TRUE(view.Control(IDC_GAMMA_HUE_SLIDER).enabled);
        EXPECT_TRUE(view.Control(IDC_GAMMA_ZONE1_RADIO).checked());
        EXPECT_EQ(view.Control(IDC_GAMMA_ZONE_PICTURE1).bitmapId, IDB_ZONE1_RED);
        EXPECT_EQ(view.Control(IDC_GAMMA_ZONE_PICTURE2).bitmapId, IDB_ZONE2_RED);
        // The swatches are painted in their zones' colours.
        auto& desktop = fw::headless::Desktop::Get();
        EXPECT_EQ(desktop.Surface(view.Control(IDC_GAMMA_ZONE1_SWATCH).handle).Get(3, 3), RGB(255, 0, 0));
        EXPECT_EQ(desktop.Surface(view.Control(IDC_GAMMA_ZONE4_SWATCH).handle).Get(3, 3), RGB(0, 142, 182));
    });
    user.Next().Cancel();
    Run();
    EXPECT_EQ(page->GetDataMng().GetCurrent().GetGamma(), DefaultGamma(1) / 100.0);
    EXPECT_EQ(info.dataSaved, 1);
    EXPECT_EQ(info.reloadNeeded, 0);
}

TEST_P(GammaPageEditTest, ZonesBySwatchOrRadioAndTheHueFromThePrinter)
{
    user.Next().Click(IDC_GAMMA_ZONE4_SWATCH).Inspect([&](const WindowView& view) {
        EXPECT_TRUE(view.Control(IDC_GAMMA_ZONE4_RADIO).checked());
        EXPECT_FALSE(view.Control(IDC_GAMMA_ZONE1_RADIO).checked());
        EXPECT_EQ(view.Control(IDC_GAMMA_ZONE_PICTURE1).bitmapId, IDB_ZONE1_CYAN);
        EXPECT_EQ(view.Control(IDC_GAMMA_ZONE_PICTURE2).bitmapId, IDB_ZONE2_CYAN);
        EXPECT_EQ(view.Control(IDC_GAMMA_HUE_SLIDER).position, DefaultHue(1, 3));
        // Zone 3 takes the printer's hue by default.
        EXPECT_TRUE(view.Control(IDC_GAMMA_HUE_FROM_PRINTER_CHECK).checked());
        EXPECT_FALSE(view.Control(IDC_GAMMA_HUE_SLIDER).enabled);
        EXPECT_FALSE(view.Control(IDC_GAMMA_HUE_LABEL).enabled);
    });
    user.Click(IDC_GAMMA_HUE_FROM_PRINTER_CHECK).Inspect([&](const WindowView& view) {
        EXPECT_TRUE(view.Control(IDC_GAMMA_HUE_SLIDER).enabled);
        EXPECT_TRUE(view.Control(IDC_GAMMA_HUE_VALUE).enabled);
        EXPECT_EQ(view.Control(IDC_GAMMA_HUE_SLIDER).position, DefaultHue(1, 3));
    });
    user.Click(IDC_GAMMA_HUE_FROM_PRINTER_CHECK).Inspect([&](const WindowView& view) {
        EXPECT_EQ(view.Control(IDC_GAMMA_HUE_SLIDER).position, recording::PrinterHue(3));
        EXPECT_EQ(view.Control(IDC_GAMMA_HUE_VALUE).text, std::to_string(recording::PrinterHue(3)));
        EXPECT_FALSE(view.Control(IDC_GAMMA_HUE_SLIDER).enabled);
    });
    user.Slide(IDC_GAMMA_LEVEL_SLIDER, 44).Click(IDC_GAMMA_ZONE1_RADIO).Inspect([&](const WindowView& view) {
        EXPECT_TRUE(view.Control(IDC_GAMMA_ZONE1_RADIO).checked());
        EXPECT_FALSE(view.Control(IDC_GAMMA_ZONE4_RADIO).checked());
        EXPECT_EQ(view.Control(IDC_GAMMA_LEVEL_SLIDER).position, DefaultLevel(1, 0));
    });
    user.Click(IDC_GAMMA_ZONE4_RADIO).Inspect([&](const WindowView& view) {
        EXPECT_EQ(view.Control(IDC_GAMMA_LEVEL_VALUE).text, "44");
    });
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
        EXPECT_EQ(view.Control(IDC_GAMMA_GAMMA_SLIDER).position, 2);
        EXPECT_EQ(view.Control(IDC_GAMMA_GAMMA_VALUE).text, "1.6");
        EXPECT_EQ(view.Control(IDC_GAMMA_CURVE_PICTURE).bitmapId, IDB_GAMMA_CURVE2);
    });
    user.Back().Inspect([&](const WindowView&) { EXPECT_EQ(info.dataSaved, 1); });
    // Edits survive leaving and coming back to the same setting.
    user.Next()
        .Slide(IDC_GAMMA_GAMMA_SLIDER, 8)
        .Slide(IDC_GAMMA_HUE_SLIDER, -20)
        .Back()
        .Next()
        .Inspect([&](const WindowView& view) {
            EXPECT_EQ(info.dataSaved, 0);
            EXPECT_EQ(view.Control(IDC_GAMMA_GAMMA_VALUE).text, "2.2");
            EXPECT_EQ(view.Control(IDC_GAMMA_CURVE_PICTURE).bitmapId, IDB_GAMMA_CURVE5);
            EXPECT_EQ(view.Control(IDC_GAMMA_HUE_SLIDER).position, -20);
        });
    user.Do([&](auto&) { boxes.QueueAnswer(IDNO); }).Click(IDC_GAMMA_UNDO_BUTTON).Inspect([&](const WindowView& view) {
        EXPECT_EQ(view.Control(IDC_GAMMA_GAMMA_SLIDER).position, 8);
        EXPECT_EQ(boxes.Last().text, Text(IDS_QUESTION_UNDO_CHANGES));
        EXPECT_EQ(boxes.Last().style, 52u);
        EXPECT_EQ(boxes.Last().caption, Text(IDS_CAPTION_WARNING));
    });
    user.Do([&](auto&) { boxes.QueueAnswer(IDYES); }).Click(IDC_GAMMA_UNDO_BUTTON).Inspect([&](const WindowView& view) {
        EXPECT_EQ(view.Control(IDC_GAMMA_GAMMA_SLIDER).position, 2);
        EXPECT_EQ(view.Control(IDC_GAMMA_HUE_SLIDER).position, 1);
        EXPECT_EQ(page->GetDataMng().IsUnchanged(), 1);
    });
    // Another setting, or a reload request, loads afresh.
    user.Slide(IDC_GAMMA_GAMMA_SLIDER, 9)
        .Back()
        .Do([&](auto&) { SelectDefault("Photo", 2); })
        .Next()
        .Inspect([&](const WindowView& view) {
            EXPECT_EQ(view.Control(IDC_GAMMA_GAMMA_SLIDER).position, 1);
            EXPECT_EQ(view.Control(IDC_GAMMA_HUE_SLIDER).position, DefaultHue(2, 0));
        });
    user.Slide(IDC_GAMMA_GAMMA_SLIDER, 9)
        .Back()
        .Do([&](auto&) { info.reloadNeeded = 1; })
        .Next()
        .Inspect([&](const WindowView& view) {
            EXPECT_EQ(view.Control(IDC_GAMMA_GAMMA_SLIDER).position, 1);
            EXPECT_EQ(info.reloadNeeded, 0);
        });
    user.Cancel();
    Run();
}

TEST_P(GammaPageTest, TestPrintSendsTheEditedTablesTheModelsWay)
{
    SelectSoft();
    unsigned xpsId = 0;
    user.Next().Slide(IDC_GAMMA_GAMMA_SLIDER, 4).Click(IDC_GAMMA_TESTPRINT_BUTTON);
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
    user.Next().Click(IDC_GAMMA_TESTPRINT_BUTTON);
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
    user.Next().Slide(IDC_GAMMA_GAMMA_SLIDER, 3).Do([&](auto&) {
        WritePrivateProfileStringA(section.c_str(), "GammaTestFile", nullptr, ini.c_str());
    });
    user.Click(IDC_GAMMA_TESTPRINT_BUTTON).Inspect([&](const WindowView& view) {
        EXPECT_EQ(boxes.Last().text, Text(IDS_ERR_PAGE_NOT_FOUND));
        EXPECT_EQ(view.Control(IDC_GAMMA_GAMMA_SLIDER).position, 3);
    });
    // A module that cannot be loaded leaves the zone's own hue.
    user.Do([&](auto&) { WritePrivateProfileStringA(section.c_str(), "Module", "MISSING.dll", ini.c_str()); });
    user.Click(IDC_GAMMA_ZONE1_RADIO).Click(IDC_GAMMA_HUE_FROM_PRINTER_CHECK).Inspect([&](const WindowView& view) {
        EXPECT_EQ(boxes.Last().text, Text(IDS_ERR_MODULE_FAILED));
        EXPECT_FALSE(view.Control(IDC_GAMMA_HUE_FROM_PRINTER_CHECK).checked());
        EXPECT_TRUE(view.Control(IDC_GAMMA_HUE_SLIDER).enabled);
        EXPECT_EQ(view.Control(IDC_GAMMA_HUE_SLIDER).position, DefaultHue(1, 0));
    });
    user.Cancel();
    Run();
    EXPECT_TRUE(machine.Jobs().empty());
    EXPECT_EQ(boxes.Count(), 3u);
}

TEST_P(GammaPageEditTest, ASettingThatFailedToLoadCannotBeTakenFurther)
{
    const std::string section = "CCMVer" + model.version;
    WritePrivateProfileStringA(section.c_str(), "Module", "MISSING.dll", ini.c_str());
    user.ExpectRefusals();
    user.Next()
        .Inspect([&](const WindowView& view) {
            EXPECT_EQ(view.templateId, IDD_GAMMA_PAGE);
            EXPECT_TRUE(view.buttons.back.enabled);
            EXPECT_FALSE(view.buttons.next.enabled);
        })
        .Next()
        .Inspect([](const WindowView& view) { EXPECT_EQ(view.templateId, IDD_GAMMA_PAGE); })
        .Back()
        .Inspect([&](const WindowView& view) { EXPECT_EQ(view.templateId, edge.Id()); })
        .Cancel();
    Run();
    EXPECT_TRUE(user.Finished()) << user.Remaining();
    EXPECT_EQ(user.Refusals().size(), 1u);
    EXPECT_EQ(boxes.Boxes().front().text, Text(IDS_ERR_MODULE_FAILED));
}

TEST_P(GammaPageEditTest, EndOfSessionDuringAnXpsPrintRemovesTheTemporarySetting)
{
    WritePrivateProfileStringA(("CCMVer" + model.version).c_str(), "PrintMode", "EMF_INTERNAL_XPS", ini.c_str());
    user.Next().Click(IDC_GAMMA_TESTPRINT_BUTTON).Wait(100).Do([&](auto&) {
        EXPECT_EQ(GammaValue("SettingNum"), "3");
    });
    user.EndSession().Do([&](auto&) { EXPECT_EQ(GammaValue("SettingNum"), "2"); }).Wait(2000);
    Run();
    EXPECT_EQ(GammaValue("SettingNum"), "2");
    EXPECT_EQ(GammaValue("testprint2"), "");
}

TEST_P(GammaPageEditTest, XpsPrintLeavesStoredSettingsOfTheTemporaryNameInAnyCaseAsTheyWere)
{
    WritePrivateProfileStringA(("CCMVer" + model.version).c_str(), "PrintMode", "EMF_INTERNAL_XPS", ini.c_str());
    const std::string catalogue =
        "[Color]\r\nSettingNum=1\r\nSettingID0=0\r\nSettingName0=TESTPRINT1\r\nCCMNT0=01\r\nCCMNV0=02\r\n"
        "[Gamma]\r\nSettingNum=2\r\nSettingID0=3\r\nSettingName3=TestPrint\r\nTestPrint=0\r\nCCMNT3=03\r\n"
        "CCMNV3=04\r\nSettingID1=1\r\nSettingName1=testPrint2\r\ntestPrint2=4\r\nCCMNT1=05\r\nCCMNV1=06\r\n";
    machine.WriteFile(model.CatalogPath(), catalogue);
    bool printing = false;
    user.Next().Click(IDC_GAMMA_TESTPRINT_BUTTON).Wait(100).Do([&](auto&) {
        printing = GammaValue("SettingName0") == "testprint3";
        EXPECT_TRUE(printing) << GammaValue("SettingName0");
        EXPECT_EQ(GammaValue("TestPrint"), "0");
        EXPECT_EQ(GammaValue("testPrint2"), "4");
    });
    user.Wait(2000).Cancel();
    Run();
    EXPECT_TRUE(printing);
    EXPECT_TRUE(Reports().empty());
    EXPECT_EQ(machine.ReadFile(model.CatalogPath()), catalogue);
}

TEST_P(GammaPageEditTest, XpsPrintRemovesOnlyItsOwnEntryWhenAStoredSettingTakesItsNameMeanwhile)
{
    WritePrivateProfileStringA(("CCMVer" + model.version).c_str(), "PrintMode", "EMF_INTERNAL_XPS", ini.c_str());
    std::string temporaryId;
    user.Next().Click(IDC_GAMMA_TESTPRINT_BUTTON).Wait(100).Do([&](auto&) {
        temporaryId = GammaValue("SettingID2");
        ASSERT_EQ(GammaValue("SettingName" + temporaryId), "testprint2");
        // Another program stores a setting under the same name in another case.
        CCtrlMng other;
        other.SetFile(info.driverCatalogPath, 2);
        other.AddSetting("TESTPRINT2");
        other.WriteNumber("TESTPRINT2", 7);
    });
    user.Wait(2000).Cancel();
    Run();
    ASSERT_FALSE(temporaryId.empty());
    EXPECT_EQ(GammaValue("SettingNum"), "3");
    EXPECT_EQ(GammaValue("SettingName" + GammaValue("SettingID2")), "TESTPRINT2");
    EXPECT_EQ(GammaValue("TESTPRINT2"), "7");
    EXPECT_EQ(GammaValue("SettingName" + temporaryId), "");
    EXPECT_EQ(GammaValue("CCMNT" + temporaryId), "");
    EXPECT_EQ(GammaValue("CCMNV" + temporaryId), "");
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
    user.Next().Click(IDC_GAMMA_TESTPRINT_BUTTON).Cancel();
    Run();
    EXPECT_TRUE(machine.Jobs().empty());
    EXPECT_EQ(Reports(), std::vector<std::string>{Text(IDS_ERR_CATALOG_FULL)});
    EXPECT_EQ(machine.ReadFile(model.CatalogPath()), full);
}
