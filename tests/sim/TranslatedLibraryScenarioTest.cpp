// A language made the way a translator makes one: the German string and dialog libraries are
// built from resource scripts alone (tests/support/translation), and the wizard runs with
// them on a machine whose user interface is German.
#include <gtest/gtest.h>

#include <string>

#include "framework/headless/UiView.h"
#include "launch/CDlgRes.h"
#include "launch/CStrRes.h"
#include "launch/TavrelEntry.h"
#include "resources/resource.h"
#include "support/MessageBoxRecorder.h"
#include "support/ScriptedUser.h"
#include "support/SimMachine.h"

namespace {

using fw::headless::WindowView;

const char kFolder[] = "C:\\Windows\\System32\\spool\\drivers\\x64\\3\\";
const char kGermanTitle[] = "Farbdienstprogramm - Aufgabe waehlen";

// The file name of the module CDlgRes opens, without its folder.
std::string DialogModuleName()
{
    CDlgRes dialogs;
    if (!dialogs.GetModule()) return "<none>";
    char path[MAX_PATH] = {};
    GetModuleFileNameA(dialogs.GetModule(), path, MAX_PATH);
    const std::string full = path;
    return full.substr(full.find_last_of("\\/") + 1);
}

class TranslatedLibraryScenarioTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        machine.WriteFile("C:\\Host\\Tintora\\Tavrel.ini",
                          "[HelpFile]\r\nFileName=guide.chm\r\n[CCMVer10]\r\nModule=TVCCM.dll\r\nPrintMode=EMF\r\n");
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
        printer.name = "Office Printer";
        printer.driver = driver.name;
        machine.AddPrinter(printer);
        machine.Set("Machine", "UILanguage", "0x0407");
    }

    // German machine; the translation's folder is searched before the build's own libraries.
    void WithTranslation()
    {
        machine.Set("Machine", "LibraryPath", std::string(TAVREL_TRANSLATION_DIR) + ";" + TAVREL_BIN_DIR);
        machine.InstallLibraries(TAVREL_TRANSLATION_DIR);
        machine.Apply();
    }

    SimMachine machine;
};

}  // namespace

TEST_F(TranslatedLibraryScenarioTest, GermanLibrariesAreChosenAndLeftOutTextsAreEmpty)
{
    WithTranslation();
    EXPECT_EQ(DialogModuleName(), "XVDLGDEU.dll");
    CStrRes strings;
    EXPECT_EQ(strings.Load(IDS_TITLE_SELECT_EDIT), kGermanTitle);
    EXPECT_EQ(strings.Load(IDS_SELECTEDIT_EXCHANGE_OPTION), "");  // left out by the translator
    EXPECT_EQ(strings.Load(IDS_CAPTION_ERROR), "");               // and no English in its place
}

TEST_F(TranslatedLibraryScenarioTest, WizardShowsTheTranslatedTextsAndRunsOn)
{
    WithTranslation();
    MessageBoxRecorder boxes;
    ScriptedUser user;
    WindowView first, gamma, driver;
    user.Inspect([&](const WindowView& w) { first = w; })
        .Click(IDC_SELECTEDIT_GAMMA_RADIO)
        .Inspect([&](const WindowView& w) { gamma = w; })
        .Click(IDC_SELECTEDIT_COLOR_RADIO)
        .Next()
        .Inspect([&](const WindowView& w) { driver = w; })
        .Cancel();
    EXPECT_EQ(CallTintora32(0, 0, nullptr, 0), 0);
    EXPECT_TRUE(user.Finished());

    // The first page: its template from the German dialog library, texts from the German strings.
    EXPECT_EQ(first.templateId, IDD_SELECT_EDIT_PAGE);
    EXPECT_EQ(first.title, kGermanTitle);
    EXPECT_EQ(first.Control(IDC_SELECTEDIT_HEADING).text,
              "Waehlen Sie, was Sie mit den Farbeinstellungen tun moechten, und klicken Sie auf Weiter.");
    EXPECT_EQ(first.Control(IDC_SELECTEDIT_ADJUST_GROUP).text, "Einstellung anpassen");
    EXPECT_EQ(first.Control(IDC_SELECTEDIT_MANAGE_GROUP).text, "Gespeicherte Einstellungen");
    EXPECT_EQ(first.Control(IDC_SELECTEDIT_COLOR_RADIO).text, "&Farbbalance");
    EXPECT_EQ(first.Control(IDC_SELECTEDIT_GAMMA_RADIO).text, "&Gamma");
    EXPECT_EQ(first.Control(IDC_SELECTEDIT_DESCRIPTION).text,
              "Farbbalance: einzelne Farben im Ton oder in der Staerke verschieben.");
    // The choice the translator left out is there, without a text.
    ASSERT_NE(first.Control(IDC_SELECTEDIT_EXCHANGE_RADIO).handle, nullptr);
    EXPECT_EQ(first.Control(IDC_SELECTEDIT_EXCHANGE_RADIO).text, "");
    // The pictures the German script takes from the English folder.
    EXPECT_EQ(first.Control(IDC_SELECTEDIT_PICTURE).bitmapId, static_cast<UINT>(IDB_SIDE_PICTURE));
    EXPECT_EQ(first.Control(IDC_SELECTEDIT_GAMMA_PICTURE).bitmapId, static_cast<UINT>(IDB_TASK_GAMMA));

    EXPECT_EQ(gamma.Control(IDC_SELECTEDIT_DESCRIPTION).text,
              "Gamma: Helligkeit der Mitteltoene und sechs Farbzonen aendern.");

    // The printer page: its title and instruction translated, its note left out.
    EXPECT_EQ(driver.templateId, IDD_SELECT_DRIVER_PAGE);
    EXPECT_EQ(driver.title, "Drucker waehlen");
    EXPECT_EQ(driver.Control(IDC_DRIVER_INSTRUCTION).text,
              "Waehlen Sie den Drucker, dessen Farbbalance Sie anpassen moechten.");
    ASSERT_NE(driver.Control(IDC_DRIVER_NOTE).handle, nullptr);
    EXPECT_EQ(driver.Control(IDC_DRIVER_NOTE).text, "");
    EXPECT_EQ(driver.Control(IDC_DRIVER_LIST).items, (std::vector<std::string>{"Office Printer"}));
}

TEST_F(TranslatedLibraryScenarioTest, WithoutLibrariesOfTheUsersLanguageTheWizardIsEnglish)
{
    machine.Set("Machine", "UILanguage", "0x0413");  // Dutch: the build ships no Dutch libraries
    machine.Apply();
    EXPECT_EQ(DialogModuleName(), "XVDLGENU.dll");
    const std::string englishTitle = CStrRes().Load(IDS_TITLE_SELECT_EDIT);
    ASSERT_FALSE(englishTitle.empty());
    ASSERT_NE(englishTitle, kGermanTitle);

    MessageBoxRecorder boxes;
    ScriptedUser user;
    WindowView first;
    user.Inspect([&](const WindowView& w) { first = w; }).Cancel();
    EXPECT_EQ(CallTintora32(0, 0, nullptr, 0), 0);
    EXPECT_TRUE(user.Finished());
    EXPECT_EQ(first.templateId, IDD_SELECT_EDIT_PAGE);
    EXPECT_EQ(first.title, englishTitle);
    EXPECT_EQ(first.Control(IDC_SELECTEDIT_EXCHANGE_RADIO).text, CStrRes().Load(IDS_SELECTEDIT_EXCHANGE_OPTION));
    EXPECT_FALSE(first.Control(IDC_SELECTEDIT_EXCHANGE_RADIO).text.empty());
}
