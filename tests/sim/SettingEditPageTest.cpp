// The stored-settings page on simulated machines ("EMF" and raw models): the list, deletion
// through the data managers, export to a setting file, import from one, and the refusal of
// damaged or hostile setting files without any change to what is stored.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "color/CColorData.h"
#include "framework/CFileDialog.h"
#include "framework/CPropertySheet.h"
#include "framework/ResourceModule.h"
#include "framework/headless/UiView.h"
#include "gamma/CGammaData.h"
#include "launch/CDlgRes.h"
#include "launch/CStrRes.h"
#include "launch/CmyException.h"
#include "launch/TextFormat.h"
#include "platform/posix/Simulation.h"
#include "pages/CSettingEditPage.h"
#include "resources/resource.h"
#include "storage/CCtrlMng.h"
#include "storage/CFileAcc.h"
#include "storage/CIniAcc.h"
#include "support/FullTable.h"
#include "support/MessageBoxRecorder.h"
#include "support/ScriptedUser.h"
#include "support/SimMachine.h"
#include "support/SimPrinterModel.h"

using fw::headless::WindowView;

namespace {

constexpr int kColour = 1;
constexpr int kGamma = 2;

// Two colour settings and two gamma settings; "Warm" is a name of both kinds.
const std::string kCatalog =
    "[Config]\r\nUpDate=1\r\n"
    "[Color]\r\nSettingNum=2\r\nSettingID0=4\r\nSettingID1=0\r\nSettingName4=Warm\r\nSettingName0=Cool\r\n"
    "CCMNT4=" + FullTable("0A1B") + "\r\nCCMNV4=" + FullTable("FF00") + "\r\nCCMNT0=" + FullTable("1111") + "\r\nCCMNV0=" + FullTable("2222") + "\r\n"
    "[Gamma]\r\nSettingNum=2\r\nSettingID0=2\r\nSettingID1=0\r\nSettingName2=Soft\r\nSettingName0=Warm\r\n"
    "Soft=3\r\nWarm=1\r\nCCMNT2=" + FullTable("3333") + "\r\nCCMNV2=" + FullTable("4444") + "\r\nCCMNT0=" + FullTable("5555") + "\r\nCCMNV0=" + FullTable("6666") + "\r\n";

const char kSettingFolder[] = "C:\\Exchange\\";

// A valid data file of its kind whose last byte tells the copies apart.
std::string DataFile(int kind, char mark)
{
    const std::string path = "C:\\Host\\scratch.dat";
    CFileAcc files;
    CFileAcc().DeleteFile(path);
    CColorData colour;
    CGammaData gamma;
    files.SaveObject("C:\\Host\\", "scratch.dat", kind == kColour ? static_cast<CObject*>(&colour) : &gamma);
    CFile file;
    std::string bytes;
    if (file.Open(path, CFile::modeRead)) {
        bytes.resize(static_cast<size_t>(file.GetLength()));
        file.Read(bytes.data(), static_cast<unsigned>(bytes.size()));
        file.Close();
    }
    if (!bytes.empty()) bytes.back() = mark;
    return bytes;
}

class SettingEditPage : public ::testing::TestWithParam<SimPrinterModel> {
protected:
    void SetUp() override
    {
        model = GetParam();
        machine.WriteFile("C:\\Exchange\\keep", "");
        model.Install(machine, kCatalog);
        info = model.Info();
        colour4 = DataFile(kColour, 'a');
        colour0 = DataFile(kColour, 'b');
        gamma2 = DataFile(kGamma, 'c');
        gamma0 = DataFile(kGamma, 'd');
        machine.WriteFile(model.DataFolder() + "UCD4.dat", colour4);
        machine.WriteFile(model.DataFolder() + "UCD0.dat", colour0);
        machine.WriteFile(model.DataFolder() + "UGD2.dat", gamma2);
        machine.WriteFile(model.DataFolder() + "UGD0.dat", gamma0);
        for (const char* kind : {"C4", "C0", "G2", "G0"}) {
            for (const char* resolution : {"01", "02", "03"}) {
                const std::string profile = std::string(resolution) + kind + ".ICB";
                machine.WriteFile(model.DataFolder() + profile, "profile " + profile);
            }
        }
    }

    bool Emf() const { return model.printMode == "EMF"; }

    std::string Value(const std::string& file, const std::string& section, const std::string& key) const
    {
        return CIniAcc(file).GetString(section, key);
    }

    CmyStringArray Names(const std::string& file, int kind) const
    {
        CCtrlMng catalog;
        catalog.SetFile(file, kind);
        return catalog.GetSettingNames();
    }

    // Runs the page in a wizard of its own with the user's steps.
    INT_PTR RunPage()
    {
        CDlgRes library;
        HMODULE previous = fw::SetResourceModule(library.GetModule());
        CSettingEditPage page(&info);
        CPropertySheet sheet;
        sheet.SetWizardMode();
        sheet.AddPage(&page);
        const INT_PTR result = sheet.DoModal();
        fw::SetResourceModule(previous);
        return result;
    }

    SimMachine machine;
    SimPrinterModel model;
    CUtilityInfo info;
    CStrRes strings;
    std::string colour4, colour0, gamma2, gamma0;
};

std::vector<std::string> Items(const CmyStringArray& names) { return {names.begin(), names.end()}; }

}  // namespace

TEST_P(SettingEditPage, ListsColourThenGammaSettingsAndDisablesAnEmptyList)
{
    ScriptedUser user;
    user.Inspect([&](const WindowView& view) {
            EXPECT_EQ(view.templateId, IDD_SETTING_EXCHANGE_PAGE);
            EXPECT_EQ(view.Control(IDC_EXCHANGE_LIST).items,
                      (std::vector<std::string>{"Warm", "Cool", "Soft", "Warm"}));
            EXPECT_EQ(view.Control(IDC_EXCHANGE_LIST).selection, 0);
            EXPECT_TRUE(view.Control(IDC_EXCHANGE_DELETE_BUTTON).enabled);
            EXPECT_TRUE(view.Control(IDC_EXCHANGE_EXPORT_BUTTON).enabled);
            EXPECT_EQ(view.Control(IDC_EXCHANGE_LIST_LABEL).text, strings.Load(IDS_EXCHANGE_LIST_LABEL));
            EXPECT_EQ(view.Control(IDC_EXCHANGE_EXPORT_BUTTON).text, strings.Load(IDS_BUTTON_EXPORT));
            EXPECT_EQ(view.Control(IDC_EXCHANGE_IMPORT_BUTTON).text, strings.Load(IDS_BUTTON_IMPORT));
            EXPECT_EQ(view.Control(IDC_EXCHANGE_PICTURE).bitmapId, IDB_SIDE_PICTURE);
            EXPECT_TRUE(view.buttons.back.enabled);
            EXPECT_TRUE(view.buttons.finish.visible);
        })
        .Finish();
    EXPECT_EQ(RunPage(), ID_WIZFINISH);

    machine.WriteFile(model.CatalogPath(), "[Color]\r\nSettingNum=0\r\n");
    ScriptedUser empty;
    empty.Inspect([&](const WindowView& view) {
            EXPECT_TRUE(view.Control(IDC_EXCHANGE_LIST).items.empty());
            EXPECT_FALSE(view.Control(IDC_EXCHANGE_LIST).enabled);
            EXPECT_FALSE(view.Control(IDC_EXCHANGE_DELETE_BUTTON).enabled);
            EXPECT_FALSE(view.Control(IDC_EXCHANGE_EXPORT_BUTTON).enabled);
            EXPECT_TRUE(view.Control(IDC_EXCHANGE_IMPORT_BUTTON).enabled);
        })
        .Finish();
    EXPECT_EQ(RunPage(), ID_WIZFINISH);
}

TEST_P(SettingEditPage, DeletesOnlyTheSelectedKindAfterYes)
{
    MessageBoxRecorder boxes;
    boxes.QueueAnswer(IDNO);
    boxes.QueueAnswer(IDYES);
    ScriptedUser user;
    user.SelectIndex(IDC_EXCHANGE_LIST, 3)
        .Click(IDC_EXCHANGE_DELETE_BUTTON)  // answered No: nothing changes
        .Inspect([&](const WindowView& view) { EXPECT_EQ(view.Control(IDC_EXCHANGE_LIST).items.size(), 4u); })
        .Click(IDC_EXCHANGE_DELETE_BUTTON)
        .Inspect([&](const WindowView& view) {
            EXPECT_EQ(view.Control(IDC_EXCHANGE_LIST).items, (std::vector<std::string>{"Warm", "Cool", "Soft"}));
            EXPECT_EQ(view.Control(IDC_EXCHANGE_LIST).selection, 0);
        })
        .Finish();
    EXPECT_EQ(RunPage(), ID_WIZFINISH);
    ASSERT_EQ(boxes.Count(), 2u);
    EXPECT_EQ(boxes.Last().text, strings.Load(IDS_QUESTION_DELETE_SETTING));
    EXPECT_EQ(boxes.Last().caption, strings.Load(IDS_CAPTION_WARNING));

    // The gamma "Warm" is gone with its data file, tables and mode; the colour "Warm" stays.
    EXPECT_EQ(Items(Names(model.CatalogPath(), kGamma)), (std::vector<std::string>{"Soft"}));
    EXPECT_EQ(Items(Names(model.CatalogPath(), kColour)), (std::vector<std::string>{"Warm", "Cool"}));
    EXPECT_FALSE(machine.Exists(model.DataFolder() + "UGD0.dat"));
    EXPECT_TRUE(machine.Exists(model.DataFolder() + "UCD4.dat"));
    EXPECT_EQ(Value(model.CatalogPath(), "Gamma", "CCMNT0"), "");
    EXPECT_EQ(Value(model.CatalogPath(), "Gamma", "Warm"), "");
    EXPECT_EQ(Value(model.CatalogPath(), "Color", "CCMNT4"), FullTable("0A1B"));
}

TEST_P(SettingEditPage, DeletingTheLastSettingDisablesTheList)
{
    machine.WriteFile(model.CatalogPath(),
                      "[Color]\r\nSettingNum=1\r\nSettingID0=4\r\nSettingName4=Warm\r\nCCMNT4=" + FullTable("0A1B") + "\r\nCCMNV4=" + FullTable("FF00") + "\r\n");
    MessageBoxRecorder boxes;
    boxes.QueueAnswer(IDYES);
    ScriptedUser user;
    user.Click(IDC_EXCHANGE_DELETE_BUTTON)
        .Inspect([&](const WindowView& view) {
            EXPECT_TRUE(view.Control(IDC_EXCHANGE_LIST).items.empty());
            EXPECT_FALSE(view.Control(IDC_EXCHANGE_LIST).enabled);
            EXPECT_FALSE(view.Control(IDC_EXCHANGE_DELETE_BUTTON).enabled);
            EXPECT_FALSE(view.Control(IDC_EXCHANGE_EXPORT_BUTTON).enabled);
        })
        .Finish();
    EXPECT_EQ(RunPage(), ID_WIZFINISH);
    EXPECT_TRUE(Names(model.CatalogPath(), kColour).IsEmpty());
    EXPECT_FALSE(machine.Exists(model.DataFolder() + "UCD4.dat"));
}

TEST(SettingEditPath, NormalizesTheExtension)
{
    EXPECT_EQ(CSettingEditPage::NormalizeExtension("C:\\x\\a.ccm_"), "C:\\x\\a.ccm");
    EXPECT_EQ(CSettingEditPage::NormalizeExtension("C:\\x\\a.CCM_"), "C:\\x\\a.CCM");
    EXPECT_EQ(CSettingEditPage::NormalizeExtension("C:\\x\\a"), "C:\\x\\a.ccm");
    EXPECT_EQ(CSettingEditPage::NormalizeExtension("C:\\x\\a.CcM"), "C:\\x\\a.CcM");
    EXPECT_EQ(CSettingEditPage::NormalizeExtension("C:\\x\\a.txt"), "C:\\x\\a.txt.ccm");
}

TEST_P(SettingEditPage, ExportsThroughTheDialogsAndImportsBackIntoAnEmptyCatalogue)
{
    MessageBoxRecorder boxes;
    ScriptedUser user;
    user.Click(IDC_EXCHANGE_EXPORT_BUTTON)
        .Inspect([&](const WindowView& view) {
            EXPECT_EQ(view.templateId, IDD_ADD_SETTING_DIALOG);
            EXPECT_EQ(view.Control(IDC_ADDSETTING_LIST).selectedItems, (std::vector<int>{0, 1, 2, 3}));
        })
        .SelectIndex(IDC_ADDSETTING_LIST, 1)  // untick the colour "Cool"
        .Click(IDC_ADDSETTING_CONFIRM_BUTTON)
        .Type(CFileDialog::kPathEditId, "C:\\Exchange\\Office.ccm_")
        .Click(IDOK)
        .Finish();
    EXPECT_EQ(RunPage(), ID_WIZFINISH);
    ASSERT_EQ(boxes.Count(), 1u);
    EXPECT_EQ(boxes.Last().text, FormatText(strings.Load(IDS_MSG_EXPORTED), "C:\\Exchange\\Office"));
    EXPECT_EQ(boxes.Last().caption, strings.Load(IDS_TITLE_EXPORT));

    const std::string file = "C:\\Exchange\\Office\\Office.ccm";
    EXPECT_EQ(Value(file, "Config", "UpDate"), "1");
    EXPECT_EQ(Items(Names(file, kColour)), (std::vector<std::string>{"Warm"}));
    EXPECT_EQ(Items(Names(file, kGamma)), (std::vector<std::string>{"Soft", "Warm"}));
    // Identifiers are the setting file's own; data files follow them.
    EXPECT_EQ(Value(file, "Color", "CCMNT0"), FullTable("0A1B"));
    EXPECT_EQ(Value(file, "Gamma", "CCMNV1"), FullTable("6666"));
    EXPECT_EQ(Value(file, "Gamma", "Soft"), "3");
    EXPECT_EQ(Value(file, "Gamma", "Warm"), "1");
    EXPECT_EQ(machine.ReadFile("C:\\Exchange\\Office\\UCD0.dat"), colour4);
    EXPECT_EQ(machine.ReadFile("C:\\Exchange\\Office\\UGD0.dat"), gamma2);
    EXPECT_EQ(machine.ReadFile("C:\\Exchange\\Office\\UGD1.dat"), gamma0);
    EXPECT_EQ(machine.Exists("C:\\Exchange\\Office\\02C0.ICB"), Emf());
    if (Emf()) {
        EXPECT_EQ(machine.ReadFile("C:\\Exchange\\Office\\03G0.ICB"), "profile 03G2.ICB");
    }

    // Back into an empty catalogue, through the open dialog and the selection dialog.
    machine.WriteFile(model.CatalogPath(), "[Color]\r\nSettingNum=0\r\n[Gamma]\r\nSettingNum=0\r\n");
    for (const char* name : {"UCD4.dat", "UCD0.dat", "UGD2.dat", "UGD0.dat"}) {
        CFileAcc().DeleteFile(model.DataFolder() + name);
    }
    boxes.Clear();
    ScriptedUser importer;
    importer.Click(IDC_EXCHANGE_IMPORT_BUTTON)
        .Type(CFileDialog::kPathEditId, file)
        .Click(IDOK)
        .Inspect([&](const WindowView& view) {
            EXPECT_EQ(view.title, strings.Load(IDS_TITLE_IMPORT));
            EXPECT_EQ(view.Control(IDC_ADDSETTING_LIST).items, (std::vector<std::string>{"Warm", "Soft", "Warm"}));
        })
        .Click(IDC_ADDSETTING_CONFIRM_BUTTON)
        .Inspect([&](const WindowView& view) {
            EXPECT_EQ(view.Control(IDC_EXCHANGE_LIST).items, (std::vector<std::string>{"Warm", "Soft", "Warm"}));
        })
        .Finish();
    EXPECT_EQ(RunPage(), ID_WIZFINISH);
    EXPECT_EQ(boxes.Count(), 0u);
    EXPECT_EQ(Items(Names(model.CatalogPath(), kColour)), (std::vector<std::string>{"Warm"}));
    EXPECT_EQ(Items(Names(model.CatalogPath(), kGamma)), (std::vector<std::string>{"Soft", "Warm"}));
    EXPECT_EQ(Value(model.CatalogPath(), "Color", "CCMNV0"), FullTable("FF00"));
    EXPECT_EQ(Value(model.CatalogPath(), "Gamma", "Soft"), "3");
    EXPECT_EQ(machine.ReadFile(model.DataFolder() + "UCD0.dat"), colour4);
    EXPECT_EQ(machine.ReadFile(model.DataFolder() + "UGD1.dat"), gamma0);
    // The local copy follows, so the imported settings survive a restore of the catalogue.
    EXPECT_EQ(Items(Names(model.LocalCatalogPath(), kGamma)), (std::vector<std::string>{"Soft", "Warm"}));
    if (Emf()) {
        EXPECT_EQ(machine.ReadFile(model.DataFolder() + "01G0.ICB"), "profile 01G2.ICB");
        const std::string registered = Value(model.CatalogPath(), "Gamma", "01G0.ICB");
        EXPECT_NE(registered.find("01G0.ICB"), std::string::npos);
        EXPECT_TRUE(machine.Exists(SimPrinterModel::DriverFolder() + model.driver + "\\01G0.ICB"));
    } else {
        EXPECT_EQ(Value(model.CatalogPath(), "Gamma", "01G0.ICB"), "");
    }
}

TEST_P(SettingEditPage, ExportIntoAnExistingFolderWritesNothing)
{
    machine.WriteFile("C:\\Exchange\\Office\\other.txt", "mine");
    MessageBoxRecorder boxes;
    CSettingEditPage page(&info);
    CmyStringArray names;
    names.Add("Cool");
    EXPECT_FALSE(page.ExportSettings(names, {kColour}, "C:\\Exchange\\Office.ccm"));
    ASSERT_EQ(boxes.Count(), 1u);
    EXPECT_EQ(boxes.Last().text, FormatText(strings.Load(IDS_ERR_EXPORT_FOLDER_EXISTS), "C:\\Exchange\\Office"));
    EXPECT_FALSE(machine.Exists("C:\\Exchange\\Office\\Office.ccm"));
    EXPECT_FALSE(machine.Exists("C:\\Exchange\\Office\\UCD0.dat"));

    // A folder that cannot be made is no success either.
    boxes.Clear();
    EXPECT_FALSE(page.ExportSettings(names, {kColour}, "C:\\NoSuch\\Deeper\\Office.ccm"));
    ASSERT_EQ(boxes.Count(), 1u);
    EXPECT_EQ(boxes.Last().text, strings.Load(IDS_ERR_FILE_ACCESS));
}

TEST_P(SettingEditPage, ExportStopsOnCancelAndNamesAPlainFileInTheCurrentFolder)
{
    MessageBoxRecorder boxes;
    ScriptedUser user;
    user.Click(IDC_EXCHANGE_EXPORT_BUTTON)
        .Click(IDC_ADDSETTING_CANCEL_BUTTON)  // selection cancelled
        .Click(IDC_EXCHANGE_EXPORT_BUTTON)
        .Click(IDC_ADDSETTING_CONFIRM_BUTTON)
        .Click(IDCANCEL)  // file dialog cancelled
        .Inspect([&](const WindowView& view) { EXPECT_EQ(view.templateId, IDD_SETTING_EXCHANGE_PAGE); })
        .Click(IDC_EXCHANGE_EXPORT_BUTTON)
        .Click(IDC_ADDSETTING_CONFIRM_BUTTON)
        .Type(CFileDialog::kPathEditId, "Plain")
        .Click(IDOK)
        .Finish();
    EXPECT_EQ(RunPage(), ID_WIZFINISH);
    ASSERT_EQ(boxes.Count(), 1u);
    EXPECT_EQ(boxes.Last().text, FormatText(strings.Load(IDS_MSG_EXPORTED), "C:\\Host\\Plain"));
    EXPECT_EQ(Items(Names("C:\\Host\\Plain\\Plain.CCM", kGamma)), (std::vector<std::string>{"Soft", "Warm"}));
    char current[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, current);
    EXPECT_STREQ(current, "C:\\Host");
}

TEST_P(SettingEditPage, ExportReportsMissingFilesAndGoesOn)
{
    CFileAcc().DeleteFile(model.DataFolder() + "UCD0.dat");
    CFileAcc().DeleteFile(model.DataFolder() + "02C0.ICB");
    MessageBoxRecorder boxes;
    CSettingEditPage page(&info);
    CmyStringArray names;
    names.Add("Cool");
    names.Add("Soft");
    EXPECT_TRUE(page.ExportSettings(names, {kColour, kGamma}, "C:\\Exchange\\Two.ccm"));
    ASSERT_GE(boxes.Count(), 2u);
    EXPECT_EQ(boxes.Boxes()[0].text, FormatText(strings.Load(IDS_ERR_EXPORT_DATA_FILE), "UCD0.dat", "Cool"));
    EXPECT_EQ(boxes.Count(), Emf() ? 3u : 2u);
    if (Emf()) {
        EXPECT_EQ(boxes.Boxes()[1].text, FormatText(strings.Load(IDS_ERR_EXPORT_PROFILE), "02C0.ICB", "Cool"));
        EXPECT_EQ(machine.ReadFile("C:\\Exchange\\Two\\03C0.ICB"), "profile 03C0.ICB");
    }
    EXPECT_EQ(boxes.Last().text, FormatText(strings.Load(IDS_MSG_EXPORTED), "C:\\Exchange\\Two"));
    EXPECT_EQ(Items(Names("C:\\Exchange\\Two\\Two.ccm", kColour)), (std::vector<std::string>{"Cool"}));
    EXPECT_EQ(machine.ReadFile("C:\\Exchange\\Two\\UGD0.dat"), gamma2);
}

TEST_P(SettingEditPage, ImportOfAStoredNameAsksFirst)
{
    CSettingEditPage page(&info);
    {
        MessageBoxRecorder quiet;
        CmyStringArray names;
        names.Add("Cool");
        ASSERT_TRUE(page.ExportSettings(names, {kColour}, "C:\\Exchange\\Cool.ccm"));
    }
    const std::string file = "C:\\Exchange\\Cool\\Cool.ccm";
    WritePrivateProfileStringA("Color", "CCMNT0", FullTable("ABCD").c_str(), file.c_str());
    WritePrivateProfileStringA("Color", "CCMNV0", FullTable("ABCD").c_str(), file.c_str());
    CmyStringArray names;
    names.Add("Cool");

    MessageBoxRecorder boxes;
    boxes.QueueAnswer(IDCANCEL);
    EXPECT_EQ(page.ImportSettings(names, {kColour}, file), 0);
    ASSERT_EQ(boxes.Count(), 1u);
    EXPECT_EQ(boxes.Last().text, FormatText(strings.Load(IDS_QUESTION_REPLACE_SETTING), "Cool"));
    EXPECT_EQ(Value(model.CatalogPath(), "Color", "CCMNT0"), FullTable("1111"));

    boxes.QueueAnswer(IDOK);
    EXPECT_EQ(page.ImportSettings(names, {kColour}, file), 1);
    EXPECT_EQ(Value(model.CatalogPath(), "Color", "CCMNT0"), FullTable("ABCD"));
    EXPECT_EQ(Items(Names(model.CatalogPath(), kColour)), (std::vector<std::string>{"Warm", "Cool"}));
}

TEST_P(SettingEditPage, ImportOfAStoredNameInAnotherCaseReplacesThatSetting)
{
    const std::string file = "C:\\Exchange\\Soft\\Soft.ccm";
    machine.WriteFile(file, "[Color]\r\nSettingNum=0\r\n[Gamma]\r\nSettingNum=1\r\nSettingID0=0\r\n"
                            "SettingName0=soft\r\nsoft=5\r\nCCMNT0=" + FullTable("ABCD") + "\r\nCCMNV0=" + FullTable("ABCD") + "\r\n");
    machine.WriteFile("C:\\Exchange\\Soft\\UGD0.dat", DataFile(kGamma, 'z'));
    CSettingEditPage page(&info);
    CmyStringArray names;
    names.Add("soft");
    MessageBoxRecorder boxes;
    boxes.QueueAnswer(IDOK);
    EXPECT_EQ(page.ImportSettings(names, {kGamma}, file), 1);
    ASSERT_GE(boxes.Count(), 1u);
    EXPECT_EQ(boxes.Boxes()[0].text, FormatText(strings.Load(IDS_QUESTION_REPLACE_SETTING), "Soft"));
    // The stored entry took the new tables, mode and data; no second entry shares its key.
    EXPECT_EQ(Items(Names(model.CatalogPath(), kGamma)), (std::vector<std::string>{"Soft", "Warm"}));
    EXPECT_EQ(Value(model.CatalogPath(), "Gamma", "CCMNT2"), FullTable("ABCD"));
    EXPECT_EQ(Value(model.CatalogPath(), "Gamma", "Soft"), "5");
    EXPECT_EQ(machine.ReadFile(model.DataFolder() + "UGD2.dat"), DataFile(kGamma, 'z'));
}

TEST_P(SettingEditPage, AnImportOverTheSixtySettingLimitStoresNone)
{
    // 58 stored settings: two more would fit, the third raises IDS_ERR_CATALOG_FULL and the
    // import stores none of them.
    std::string catalog = "[Color]\r\nSettingNum=58\r\n";
    for (int i = 0; i < 58; ++i) {
        catalog += "SettingID" + std::to_string(i) + "=" + std::to_string(i) + "\r\nSettingName" + std::to_string(i) +
                   "=S" + std::to_string(i) + "\r\n";
    }
    machine.WriteFile(model.CatalogPath(), catalog + "[Gamma]\r\nSettingNum=0\r\n");
    machine.WriteFile("C:\\Exchange\\Many\\Many.ccm",
                      "[Color]\r\nSettingNum=3\r\nSettingID0=0\r\nSettingID1=1\r\nSettingID2=2\r\n"
                      "SettingName0=N0\r\nSettingName1=N1\r\nSettingName2=N2\r\nCCMNT0=" + FullTable("01") + "\r\nCCMNV0=" + FullTable("01") + "\r\n"
                      "CCMNT1=" + FullTable("02") + "\r\nCCMNV1=" + FullTable("02") + "\r\nCCMNT2=" + FullTable("03") + "\r\nCCMNV2=" + FullTable("03") + "\r\n");
    CSettingEditPage page(&info);
    CmyStringArray names;
    for (const char* name : {"N0", "N1", "N2"}) names.Add(name);
    MessageBoxRecorder boxes;
    int thrown = 0;
    try {
        page.ImportSettings(names, {kColour, kColour, kColour}, "C:\\Exchange\\Many\\Many.ccm");
    } catch (const CmyException& e) {
        thrown = static_cast<int>(e.GetTextId());
    }
    EXPECT_EQ(thrown, IDS_ERR_CATALOG_FULL);
    // Refused before anything was asked or said: no box tells of files it went without.
    EXPECT_EQ(boxes.Count(), 0u);
    CCtrlMng catalogue;
    catalogue.SetFile(model.CatalogPath(), kColour);
    EXPECT_EQ(catalogue.GetSettingCount(), 58);
    EXPECT_EQ(catalogue.GetIdByName("N0"), "");
    EXPECT_EQ(catalogue.GetIdByName("N1"), "");
    EXPECT_EQ(machine.ReadFile(model.CatalogPath()), catalog + "[Gamma]\r\nSettingNum=0\r\n");

    // A replaced setting keeps its entry: two new ones and a replacement fill the catalogue.
    machine.WriteFile("C:\\Exchange\\Many\\Many.ccm",
                      "[Color]\r\nSettingNum=3\r\nSettingID0=0\r\nSettingID1=1\r\nSettingID2=2\r\n"
                      "SettingName0=N0\r\nSettingName1=N1\r\nSettingName2=S7\r\nCCMNT0=" + FullTable("01") +
                      "\r\nCCMNV0=" + FullTable("01") + "\r\nCCMNT1=" + FullTable("02") + "\r\nCCMNV1=" +
                      FullTable("02") + "\r\nCCMNT2=" + FullTable("03") + "\r\nCCMNV2=" + FullTable("03") + "\r\n");
    names.RemoveAll();
    for (const char* name : {"N0", "N1", "S7"}) names.Add(name);
    boxes.QueueAnswer(IDOK);
    EXPECT_EQ(page.ImportSettings(names, {kColour, kColour, kColour}, "C:\\Exchange\\Many\\Many.ccm"), 3);
    EXPECT_EQ(catalogue.GetSettingCount(), 60);
}

TEST_P(SettingEditPage, AnImportTellsTheFilesItWentWithoutOnceItIsDone)
{
    // Ten settings without data files (nor, for "EMF", profiles): one box after storing.
    std::string file = "[Color]\r\nSettingNum=10\r\n";
    for (int i = 0; i < 10; ++i) {
        const std::string n = std::to_string(i);
        file += "SettingID" + n + "=" + n + "\r\nSettingName" + n + "=N" + n + "\r\nCCMNT" + n + "=" + FullTable("0" + n) +
                "\r\nCCMNV" + n + "=" + FullTable("0" + n) + "\r\n";
    }
    machine.WriteFile("C:\\Exchange\\Bare\\Bare.ccm", file);
    CSettingEditPage page(&info);
    CmyStringArray names;
    for (int i = 0; i < 10; ++i) names.Add("N" + std::to_string(i));
    MessageBoxRecorder boxes;
    EXPECT_EQ(page.ImportSettings(names, std::vector<int>(10, kColour), "C:\\Exchange\\Bare\\Bare.ccm"), 10);
    ASSERT_EQ(boxes.Count(), 1u);
    const std::string& text = boxes.Last().text;
    EXPECT_EQ(text.find(FormatText(strings.Load(IDS_ERR_IMPORT_DATA_FILE), "UCD0.dat", "N0")), 0u) << text;
    const std::string more = FormatNumber(strings.Load(IDS_MSG_MORE_OMISSIONS), Emf() ? 32 : 2);
    EXPECT_EQ(text.substr(text.size() - std::min(text.size(), more.size())), more) << text;
    EXPECT_EQ(Names(model.CatalogPath(), kColour).GetSize(), 12);
}

INSTANTIATE_TEST_SUITE_P(Modes, SettingEditPage, ::testing::Values(SimPrinterModel::Emf(), SimPrinterModel::Raw330()));

namespace {

const std::string kGoodT = "CCMNT0=" + FullTable("0102");
const std::string kGoodV = "CCMNV0=" + FullTable("0304");
const std::string kGoodFile = "[Color]\r\nSettingNum=1\r\nSettingID0=0\r\nSettingName0=New\r\n" + kGoodT + "\r\n" +
                              kGoodV + "\r\n[Gamma]\r\nSettingNum=0\r\n";
// The hexadecimal text of a printer command, as a hostile file appends it to its tables.
const std::string kInjected = "1B252D31323334355840504A4C20534554";

struct Hostile {
    const char* what;
    std::string catalog;
    std::string dataFile;  // UCD0.dat next to the file; empty: none
    UINT refusal = IDS_ERR_FILE_ACCESS;
};

std::string Replace(std::string text, const std::string& from, const std::string& to)
{
    text.replace(text.find(from), from.size(), to);
    return text;
}

}  // namespace

TEST_P(SettingEditPage, RefusesDamagedOrHostileSettingFilesWithoutChangingAnything)
{
    std::string many = "[Color]\r\nSettingNum=40\r\n";
    for (int i = 0; i < 40; ++i) {
        many += "SettingID" + std::to_string(i) + "=" + std::to_string(i) + "\r\nSettingName" + std::to_string(i) +
                "=C" + std::to_string(i) + "\r\nCCMNT" + std::to_string(i) + "=01\r\nCCMNV" + std::to_string(i) +
                "=01\r\n";
    }
    many += "[Gamma]\r\nSettingNum=21\r\n";
    // The good file with one gamma setting of the given name added.
    const auto kGammaNamed = [](const std::string& name) {
        return Replace(kGoodFile, "[Gamma]\r\nSettingNum=0\r\n",
                       "[Gamma]\r\nSettingNum=1\r\nSettingID0=1\r\nSettingName1=" + name + "\r\n" + name +
                           "=1\r\nCCMNT1=01\r\nCCMNV1=01\r\n");
    };
    const std::vector<Hostile> cases = {
        {"huge count", Replace(kGoodFile, "SettingNum=1", "SettingNum=4000000000"), {}},
        {"negative count", Replace(kGoodFile, "SettingNum=1", "SettingNum=-1"), {}},
        {"more than sixty in all", many, {}},
        {"identifier with path parts", Replace(Replace(Replace(Replace(kGoodFile, "ID0=0", "ID0=..\\..\\Host\\x"),
                                                               "Name0=", "Name..\\..\\Host\\x="),
                                                       "NT0=", "NT..\\..\\Host\\x="),
                                               "NV0=", "NV..\\..\\Host\\x="),
         {}},
        {"identifier out of range", Replace(Replace(kGoodFile, "ID0=0", "ID0=75"), "Name0=", "Name75="), {}},
        {"name with path parts", Replace(kGoodFile, "Name0=New", "Name0=..\\..\\evil"), {}},
        {"name that breaks a key", Replace(kGoodFile, "Name0=New", "Name0=a=b"), {}},
        {"name too long", Replace(kGoodFile, "Name0=New", "Name0=" + std::string(40, 'n')), {}},
        {"missing name", Replace(kGoodFile, "SettingName0=New\r\n", ""), {}},
        {"odd table text", Replace(kGoodFile, kGoodT, kGoodT.substr(0, kGoodT.size() - 1)), {}},
        {"table text not hexadecimal", Replace(kGoodFile, "CCMNV0=0304", "CCMNV0=03G4"), {}},
        {"V shorter than T", Replace(kGoodFile, kGoodV, kGoodV.substr(0, kGoodV.size() - 2)), {}},
        {"no tables", Replace(Replace(kGoodFile, kGoodT, "CCMNT0="), kGoodV, "CCMNV0="), {}},
        {"tables shorter than the model's", Replace(Replace(kGoodFile, kGoodT, "CCMNT0=0102"), kGoodV, "CCMNV0=0304"), {}},
        {"tables longer than the model's", Replace(Replace(kGoodFile, kGoodT, kGoodT + "00"), kGoodV, kGoodV + "00"), {}},
        {"printer command after the tables",
         Replace(Replace(kGoodFile, kGoodT, kGoodT + kInjected), kGoodV, kGoodV + kInjected), {}},
        {"gamma name that is the count key", kGammaNamed("SettingNum"), {}},
        {"gamma name that is a table key", kGammaNamed("ccmnt0"), {}},
        {"gamma name that is a profile key", kGammaNamed("01g0.icb"), {}},
        {"gamma name that starts a section", kGammaNamed("[Color"), {}},
        {"gamma name that is a comment", kGammaNamed(";New"), {}},
        {"names that differ only in case",
         Replace(kGoodFile, "SettingNum=1\r\nSettingID0=0", "SettingNum=2\r\nSettingID0=0\r\nSettingID1=1") +
             "SettingName1=NEW\r\nCCMNT1=01\r\nCCMNV1=01\r\n",
         {}},
        {"names that differ only in the case of an accented letter",
         Replace(Replace(kGoodFile, "SettingNum=1\r\nSettingID0=0", "SettingNum=2\r\nSettingID0=0\r\nSettingID1=1"),
                 "Name0=New", "Name0=Caf\xE9") +
             "SettingName1=CAF\xC9\r\nCCMNT1=01\r\nCCMNV1=01\r\n",
         {}},
        // Stored, these would read back without their quotes: another name.
        {"name read in quotes", Replace(kGoodFile, "Name0=New", "Name0=\"'New'\""), {}, IDS_ERR_NAME_OF_DEFAULT_SETTING},
        {"gamma name read in quotes", kGammaNamed("'\"Dusk\"'"), {}, IDS_ERR_NAME_OF_DEFAULT_SETTING},
        {"duplicate identifiers", Replace(kGoodFile, "SettingNum=1\r\nSettingID0=0", "SettingNum=2\r\nSettingID0=0\r\nSettingID1=0"), {}},
        {"truncated data file", kGoodFile, DataFile(kColour, 'x').substr(0, 200)},
        {"data file of the other kind", kGoodFile, DataFile(kGamma, 'x')},
        {"oversized file", kGoodFile + "; " + std::string(2u << 20, 'x') + "\r\n", {}},
    };
    const std::string file = "C:\\Exchange\\Bad\\Bad.ccm";
    const std::string catalogBefore = machine.ReadFile(model.CatalogPath());
    CSettingEditPage page(&info);
    CmyStringArray names;
    names.Add("New");
    for (const Hostile& hostile : cases) {
        SCOPED_TRACE(hostile.what);
        machine.WriteFile(file, hostile.catalog);
        CFileAcc().DeleteFile("C:\\Exchange\\Bad\\UCD0.dat");
        if (!hostile.dataFile.empty()) machine.WriteFile("C:\\Exchange\\Bad\\UCD0.dat", hostile.dataFile);
        MessageBoxRecorder boxes;
        int thrown = 0;
        try {
            page.ImportSettings(names, {kColour}, file);
        } catch (const CmyException& e) {
            thrown = static_cast<int>(e.GetTextId());
        }
        EXPECT_EQ(thrown, static_cast<int>(hostile.refusal));
        EXPECT_EQ(boxes.Count(), 0u);
        EXPECT_EQ(machine.ReadFile(model.CatalogPath()), catalogBefore);
        EXPECT_FALSE(machine.Exists(model.DataFolder() + "UCD1.dat"));
        EXPECT_FALSE(machine.Exists("C:\\Host\\x"));
    }

    // The same file, whole, imports.
    machine.WriteFile(file, kGoodFile);
    machine.WriteFile("C:\\Exchange\\Bad\\UCD0.dat", DataFile(kColour, 'n'));
    MessageBoxRecorder boxes;
    EXPECT_EQ(page.ImportSettings(names, {kColour}, file), 1);
    EXPECT_EQ(machine.ReadFile(model.DataFolder() + "UCD1.dat"), DataFile(kColour, 'n'));
}

TEST_P(SettingEditPage, ImportButtonShowsWhyAFileIsRefusedAndOpensNoSelection)
{
    machine.WriteFile("C:\\Exchange\\Bad\\Bad.ccm", Replace(kGoodFile, "SettingNum=1", "SettingNum=99999"));
    const std::string catalogBefore = machine.ReadFile(model.CatalogPath());
    MessageBoxRecorder boxes;
    ScriptedUser user;
    user.Click(IDC_EXCHANGE_IMPORT_BUTTON)
        .Type(CFileDialog::kPathEditId, "C:\\Exchange\\Bad\\Missing.ccm")
        .Click(IDOK)  // a file that does not exist keeps the open dialog up
        .Inspect([&](const WindowView& view) { EXPECT_TRUE(view.Control(CFileDialog::kPathEditId).exists()); })
        .Type(CFileDialog::kPathEditId, "C:\\Exchange\\Bad\\Bad.ccm")
        .Click(IDOK)
        .Inspect([&](const WindowView& view) { EXPECT_EQ(view.templateId, IDD_SETTING_EXCHANGE_PAGE); })
        .Finish();
    EXPECT_EQ(RunPage(), ID_WIZFINISH);
    ASSERT_EQ(boxes.Count(), 1u);
    EXPECT_EQ(boxes.Last().text, strings.Load(IDS_ERR_FILE_ACCESS));
    EXPECT_EQ(boxes.Last().caption, strings.Load(IDS_CAPTION_WARNING));
    EXPECT_EQ(machine.ReadFile(model.CatalogPath()), catalogBefore);
}

TEST_P(SettingEditPage, ImportOfAFileWithOnlyKnownTablesSaysSo)
{
    // Both settings carry tables that stored settings already have.
    machine.WriteFile("C:\\Exchange\\Same\\Same.ccm",
                      "[Color]\r\nSettingNum=1\r\nSettingID0=0\r\nSettingName0=Again\r\nCCMNT0=" + FullTable("00") + "\r\nCCMNV0=" + FullTable("2222") + "\r\n"
                      "[Gamma]\r\nSettingNum=1\r\nSettingID0=0\r\nSettingName0=Copy\r\nCCMNT0=" + FullTable("00") + "\r\nCCMNV0=" + FullTable("5555") + "\r\n");
    MessageBoxRecorder boxes;
    ScriptedUser user;
    user.Click(IDC_EXCHANGE_IMPORT_BUTTON)
        .Type(CFileDialog::kPathEditId, "C:\\Exchange\\Same\\Same.ccm")
        .Click(IDOK)
        .Finish();
    EXPECT_EQ(RunPage(), ID_WIZFINISH);
    ASSERT_EQ(boxes.Count(), 1u);
    EXPECT_EQ(boxes.Last().text, strings.Load(IDS_MSG_NOTHING_TO_IMPORT));
    EXPECT_EQ(Items(Names(model.CatalogPath(), kColour)), (std::vector<std::string>{"Warm", "Cool"}));
}

TEST_P(SettingEditPage, ImportStoresTheFilesAsTheyWereChecked)
{
    // A file on a share changes after it was read: the import keeps to what it read.
    struct Swap {
        const char* what;
        std::string path;
        std::string replacement;
    };
    const std::string folder = "C:\\Exchange\\Swap\\";
    const std::vector<Swap> swaps = {
        {"setting file", folder + "Swap.ccm", Replace(Replace(kGoodFile, "=0102", "=ABCD"), "=0304", "=ABCD")},
        {"data file", folder + "UCD0.dat", DataFile(kColour, 'z')},
    };
    CSettingEditPage page(&info);
    CmyStringArray names;
    names.Add("New");
    for (const Swap& swap : swaps) {
        SCOPED_TRACE(swap.what);
        machine.WriteFile(folder + "Swap.ccm", kGoodFile);
        machine.WriteFile(folder + "UCD0.dat", DataFile(kColour, 'n'));
        machine.WriteFile(folder + "Other", swap.replacement);
        SimMachineSwapAfterRead(swap.path.c_str(), (folder + "Other").c_str(), 1);
        MessageBoxRecorder boxes;
        boxes.QueueAnswer(IDOK);  // the second round replaces "New"
        EXPECT_EQ(page.ImportSettings(names, {kColour}, folder + "Swap.ccm"), 1);
        EXPECT_EQ(machine.ReadFile(swap.path), swap.replacement) << "the file was not swapped";
        EXPECT_EQ(Value(model.CatalogPath(), "Color", "CCMNT1"), FullTable("0102"));
        EXPECT_EQ(machine.ReadFile(model.DataFolder() + "UCD1.dat"), DataFile(kColour, 'n'));
    }
}
