// The settings tool on a printer registered through the spooler itself (under Wine the real
// spooler and file functions, natively our platform layer), together with the wizard: a setting
// saved and exported by the wizard is deleted and imported again by the tool and listed by the
// wizard; damaged files change nothing; a stored setting is replaced only with --replace.
#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "CConsoleCodePage.h"
#include "CSettingsTool.h"
#include "framework/CFile.h"
#include "framework/CFileDialog.h"
#include "framework/headless/UiView.h"
#include "launch/CStrRes.h"
#include "launch/TavrelEntry.h"
#include "launch/TextFormat.h"
#include "resources/resource.h"
#include "storage/CFileAcc.h"
#include "storage/CIniAcc.h"
#include "support/JsonValue.h"
#include "support/MessageBoxRecorder.h"
#include "support/ScriptedUser.h"
#include "support/SpoolerPrinter.h"
#include "support/SpoolerRawModel.h"

#ifndef _WIN32
#include "support/SimMachine.h"
#endif

namespace {

const char kDriver[] = "Tv Tool Driver";
const char kPrinter[] = "Tv Tool Printer";
const char kCatalog[] = "TVTOOLCM.INI";

std::string ReadBytes(const std::string& path)
{
    CFile file;
    std::string bytes;
    if (!file.Open(path, CFile::modeRead)) return bytes;
    bytes.resize(static_cast<size_t>(file.GetLength()));
    if (!bytes.empty()) file.Read(bytes.data(), static_cast<unsigned>(bytes.size()));
    file.Close();
    return bytes;
}

class SettingsToolOnSpooler : public ::testing::Test {
protected:
    void SetUp() override
    {
#ifndef _WIN32
        machine = std::make_unique<SimMachine>();
#endif
        model.Install();
        exchange = model.Utility() + "House.ccm";
        settingFile = model.Utility() + "House\\House.ccm";
    }

    // Runs the tool in this process, as the program runs it; out and err keep what it wrote.
    int Tool(const std::vector<std::string>& arguments)
    {
        std::ostringstream output, messages;
        const int status = CSettingsTool(output, messages).Run(arguments);
        out = output.str();
        err = messages.str();
        return status;
    }

    // The gamma setting name saved through the wizard from the default "Vivid", slider at position.
    void WizardSavesGamma(const std::string& name, int position)
    {
        MessageBoxRecorder boxes;
        ScriptedUser user;
        user.Click(IDC_SELECTEDIT_GAMMA_RADIO)
            .Next()
            .Select(IDC_GAMMASELECT_LIST, "Vivid")
            .Next()
            .Slide(IDC_GAMMA_GAMMA_SLIDER, position)
            .Next()
            .Type(IDC_SAVE_NAME_EDIT, name)
            .Click(IDC_SAVE_BUTTON)
            .Finish();
        EXPECT_EQ(CallTintora32(0, 0, kPrinter, 0), 0);
        EXPECT_TRUE(user.Finished()) << user.Remaining();
    }

    // Every stored setting exported through the wizard's exchange page into path.
    void WizardExportsAll(const std::string& path)
    {
        MessageBoxRecorder boxes;
        ScriptedUser user;
        user.Click(IDC_SELECTEDIT_EXCHANGE_RADIO)
            .Next()
            .Click(IDC_EXCHANGE_EXPORT_BUTTON)
            .Click(IDC_ADDSETTING_CONFIRM_BUTTON)
            .Type(CFileDialog::kPathEditId, path)
            .Click(IDOK)
            .Finish();
        EXPECT_EQ(CallTintora32(0, 0, kPrinter, 0), 0);
        EXPECT_TRUE(user.Finished()) << user.Remaining();
    }

    // The settings the wizard's exchange page lists.
    std::vector<std::string> WizardList()
    {
        std::vector<std::string> items;
        ScriptedUser user;
        user.Click(IDC_SELECTEDIT_EXCHANGE_RADIO)
            .Next()
            .Inspect([&](const fw::headless::WindowView& page) { items = page.Control(IDC_EXCHANGE_LIST).items; })
            .Finish();
        EXPECT_EQ(CallTintora32(0, 0, kPrinter, 0), 0);
        EXPECT_TRUE(user.Finished()) << user.Remaining();
        return items;
    }

    // What an import must leave alone: both catalogues and the data files of the driver.
    std::string Stored() const
    {
        std::string all = ReadBytes(model.InstalledCatalog()) + "|" + ReadBytes(model.LocalCatalog());
        for (const char* file : {"UGD0.dat", "UGD1.dat", "UGD2.dat", "UCD0.dat", "UCD1.dat"}) {
            all += "|" + std::string(file) + ":" + ReadBytes(model.Utility() + kDriver + "\\" + file);
        }
        return all;
    }

    std::string Text(UINT id, const std::string& argument = {}) const { return FormatText(strings.Load(id), argument); }

#ifndef _WIN32
    std::unique_ptr<SimMachine> machine;
#endif
    SpoolerRawModel model{kDriver, kPrinter, "TvTool", kCatalog};
    CStrRes strings;
    std::string exchange;
    std::string settingFile;
    std::string out;
    std::string err;
};

TEST_F(SettingsToolOnSpooler, WizardExportToolImportWizardList)
{
    WizardSavesGamma("Night", 4);
    const CIniAcc catalog(model.InstalledCatalog());
    const std::string tText = catalog.GetString("Gamma", "CCMNT0");
    const std::string vText = catalog.GetString("Gamma", "CCMNV0");
    const std::string data = ReadBytes(model.Utility() + kDriver + "\\UGD0.dat");
    ASSERT_FALSE(tText.empty());
    ASSERT_FALSE(data.empty());
    WizardExportsAll(exchange);
    ASSERT_FALSE(ReadBytes(settingFile).empty());

    EXPECT_EQ(Tool({"delete", kPrinter, "--gamma", "Night"}), CSettingsTool::exitDone) << err;
    EXPECT_EQ(err, Text(IDS_TOOL_MSG_DELETED, "Night") + "\n");
    EXPECT_TRUE(WizardList().empty());

    EXPECT_EQ(Tool({"import", kPrinter, settingFile}), CSettingsTool::exitDone) << err;
    EXPECT_EQ(err, FormatNumber(strings.Load(IDS_TOOL_MSG_IMPORTED), 1) + "\n");
    EXPECT_EQ(WizardList(), std::vector<std::string>{"Night"});
    EXPECT_EQ(catalog.GetString("Gamma", "SettingName0"), "Night");
    EXPECT_EQ(catalog.GetString("Gamma", "CCMNT0"), tText);
    EXPECT_EQ(catalog.GetString("Gamma", "CCMNV0"), vText);
    EXPECT_EQ(catalog.GetString("Gamma", "Night"), "1");  // the mode of "Vivid"
    EXPECT_EQ(ReadBytes(model.Utility() + kDriver + "\\UGD0.dat"), data);
    EXPECT_EQ(CIniAcc(model.LocalCatalog()).GetString("Gamma", "CCMNT0"), tText);

    // Run again, as a login script does: nothing left to import, nothing changed, success.
    const std::string before = Stored();
    EXPECT_EQ(Tool({"import", kPrinter, settingFile}), CSettingsTool::exitDone) << err;
    EXPECT_NE(err.find(Text(IDS_TOOL_MSG_ALREADY_STORED, "Night")), std::string::npos) << err;
    EXPECT_EQ(Stored(), before);

    // The tool's own listings, as JSON.
    ASSERT_EQ(Tool({"list", kPrinter, "--json"}), CSettingsTool::exitDone) << err;
    JsonValue settings;
    ASSERT_TRUE(JsonValue::Parse(out, settings)) << out;
    ASSERT_EQ(settings.type, JsonValue::Type::array);
    ASSERT_EQ(settings.items.size(), 1u);
    EXPECT_EQ(settings.items[0].Field("kind"), "gamma");
    EXPECT_EQ(settings.items[0].Field("name"), "Night");
    EXPECT_EQ(settings.items[0].Field("id"), "0");

    ASSERT_EQ(Tool({"--json", "printers"}), CSettingsTool::exitDone) << err;
    JsonValue printers;
    ASSERT_TRUE(JsonValue::Parse(out, printers)) << out;
    ASSERT_EQ(printers.type, JsonValue::Type::array);
    const JsonValue* ours = nullptr;
    for (const JsonValue& printer : printers.items) {
        if (printer.Field("name") == kPrinter) ours = &printer;
    }
    ASSERT_NE(ours, nullptr) << out;
    EXPECT_EQ(ours->Field("model"), kDriver);
    EXPECT_EQ(ours->Field("version"), "3.31");
    EXPECT_EQ(ours->Field("printMode"), "RAW");
    EXPECT_TRUE(CFileAcc::GetFileName(ours->Field("catalog")) == kCatalog) << ours->Field("catalog");
}

TEST_F(SettingsToolOnSpooler, ExportThatOnlyWarnedIsDone)
{
    WizardSavesGamma("Night", 4);
    ASSERT_TRUE(DeleteFileA((model.Utility() + kDriver + "\\UGD0.dat").c_str()));
    EXPECT_EQ(Tool({"export", kPrinter, exchange, "Night"}), CSettingsTool::exitDone) << err;
    EXPECT_EQ(CIniAcc(settingFile).GetString("Gamma", "SettingName0"), "Night");
    const std::string done = Text(IDS_MSG_EXPORTED, model.Utility() + "House");
    ASSERT_GT(err.size(), done.size() + 1) << err;  // the warning, then the notice
    EXPECT_EQ(err.substr(err.size() - done.size() - 1), done + "\n");
}

TEST(SettingsToolPaths, PartialPathsAreMadeFullFromTheCallersFolder)
{
#ifndef _WIN32
    SimMachine machine;
#endif
    char saved[MAX_PATH] = {};
    char temp[MAX_PATH] = {};
    ASSERT_GT(GetCurrentDirectoryA(MAX_PATH, saved), 0u);
    ASSERT_GT(GetTempPathA(MAX_PATH, temp), 0u);
    std::string folder = temp;
    folder.pop_back();
    ASSERT_TRUE(SetCurrentDirectoryA(folder.c_str()));
    const std::string drive = folder.substr(0, 2);
    const std::string parent = folder.substr(0, folder.rfind('\\'));
    EXPECT_EQ(CSettingsTool::SystemPath("house.ccm"), folder + "\\house.ccm");
    EXPECT_EQ(CSettingsTool::SystemPath("sets/house.ccm"), folder + "\\sets\\house.ccm");
    EXPECT_EQ(CSettingsTool::SystemPath("..\\house.ccm"), parent + "\\house.ccm");
    EXPECT_EQ(CSettingsTool::SystemPath(drive + "house.ccm"), folder + "\\house.ccm");
    EXPECT_EQ(CSettingsTool::SystemPath("\\Share\\house.ccm"), drive + "\\Share\\house.ccm");
    EXPECT_EQ(CSettingsTool::SystemPath("\\\\server\\share\\house.ccm"), "\\\\server\\share\\house.ccm");
#ifdef _WIN32
    // "/x" is the root of the current drive there, not a host path.
    EXPECT_EQ(CSettingsTool::SystemPath("/Share/house.ccm"), drive + "\\Share\\house.ccm");
#else
    EXPECT_EQ(CSettingsTool::SystemPath("/srv/share/house.ccm"), "Z:\\srv\\share\\house.ccm");
#endif
    SetCurrentDirectoryA(saved);
}

TEST_F(SettingsToolOnSpooler, StoredSettingIsReplacedOnlyWithReplace)
{
    WizardSavesGamma("Night", 4);
    WizardExportsAll(exchange);
    // The file's "Night" differs from the stored one: other tables, same name.
    const CIniAcc file(settingFile);
    std::string tText = file.GetString("Gamma", "CCMNT0");
    std::string vText = file.GetString("Gamma", "CCMNV0");
    ASSERT_FALSE(tText.empty());
    tText[0] = tText[0] == 'A' ? 'B' : 'A';
    vText[0] = vText[0] == 'A' ? 'B' : 'A';
    ASSERT_TRUE(file.WriteString("Gamma", "CCMNT0", tText.c_str()));
    ASSERT_TRUE(file.WriteString("Gamma", "CCMNV0", vText.c_str()));

    const std::string before = Stored();
    EXPECT_EQ(Tool({"import", kPrinter, settingFile, "Night"}), CSettingsTool::exitFailed);
    EXPECT_NE(err.find(Text(IDS_TOOL_ERR_SETTING_STORED, "Night")), std::string::npos) << err;
    EXPECT_EQ(Stored(), before);

    EXPECT_EQ(Tool({"import", kPrinter, settingFile, "Night", "--replace"}), CSettingsTool::exitDone) << err;
    const CIniAcc catalog(model.InstalledCatalog());
    EXPECT_EQ(catalog.GetString("Gamma", "SettingNum"), "1");
    EXPECT_EQ(catalog.GetString("Gamma", "CCMNT0"), tText);
    EXPECT_EQ(catalog.GetString("Gamma", "CCMNV0"), vText);
    EXPECT_EQ(WizardList(), std::vector<std::string>{"Night"});
}

TEST_F(SettingsToolOnSpooler, DamagedOrHostileSettingFilesChangeNothing)
{
    WizardSavesGamma("Night", 4);
    WizardExportsAll(exchange);
    const std::string good = ReadBytes(settingFile);
    const std::string goodData = ReadBytes(model.Utility() + "House\\UGD0.dat");
    ASSERT_FALSE(goodData.empty());
    ASSERT_EQ(Tool({"delete", kPrinter, "--gamma", "Night"}), CSettingsTool::exitDone) << err;
    const std::string escape = model.Utility() + "escaped";

    struct Damage {
        const char* what;
        std::string from, to;     // replaced in the setting file
        std::string data;         // the data file beside it
    };
    std::vector<Damage> cases = {
        {"identifier with path parts", "SettingID0=0", "SettingID0=..\\escaped", goodData},
        {"name with path parts", "SettingName0=Night", "SettingName0=..\\..\\escaped", goodData},
        {"huge count", "SettingNum=1", "SettingNum=4000000000", goodData},
        {"odd table text", "CCMNT0=", "CCMNT0=1", goodData},
        {"gamma name that is the count key", "SettingName0=Night", "SettingName0=SettingNum", goodData},
        {"truncated data file", "", "", goodData.substr(0, goodData.size() / 2)},
        {"data file of no setting class", "", "", std::string(goodData.size(), 'x')},
    };
    // Tables one byte shorter than the model's: readable text, but not what the printer reads.
    const size_t t = good.find("CCMNT0=");
    const size_t v = good.find("CCMNV0=");
    ASSERT_TRUE(t != std::string::npos && v != std::string::npos);
    const std::string tText = good.substr(t + 7, good.find('\r', t) - t - 7);
    const std::string vText = good.substr(v + 7, good.find('\r', v) - v - 7);
    cases.push_back({"tables shorter than the model's", "CCMNT0=" + tText + "\r\nCCMNV0=" + vText,
                     "CCMNT0=" + tText.substr(2) + "\r\nCCMNV0=" + vText.substr(2), goodData});
    const std::string before = Stored();
    for (const Damage& damage : cases) {
        SCOPED_TRACE(damage.what);
        std::string text = good;
        if (!damage.from.empty()) {
            const size_t at = text.find(damage.from);
            ASSERT_NE(at, std::string::npos);
            text.replace(at, damage.from.size(), damage.to);
        }
        SpoolerPrinter::WriteText(settingFile, text);
        SpoolerPrinter::WriteText(model.Utility() + "House\\UGD0.dat", damage.data);
        for (const bool replace : {false, true}) {
            std::vector<std::string> arguments = {"import", kPrinter, settingFile};
            if (replace) arguments.push_back("--replace");
            EXPECT_EQ(Tool(arguments), CSettingsTool::exitFailed) << err;
            EXPECT_FALSE(err.empty());
            EXPECT_EQ(Stored(), before);
            EXPECT_FALSE(CFileAcc().FileExists(escape));
        }
    }
    EXPECT_TRUE(WizardList().empty());

    // The same file, whole, imports: the refusals above came from the damage.
    SpoolerPrinter::WriteText(settingFile, good);
    SpoolerPrinter::WriteText(model.Utility() + "House\\UGD0.dat", goodData);
    EXPECT_EQ(Tool({"import", kPrinter, settingFile}), CSettingsTool::exitDone) << err;
    EXPECT_EQ(WizardList(), std::vector<std::string>{"Night"});
}

TEST_F(SettingsToolOnSpooler, WrongUsageExitsWithTwoAndTheUsage)
{
    const std::vector<std::vector<std::string>> wrong = {
        {},
        {"frobnicate"},
        {"printers", "extra"},
        {"list"},
        {"list", kPrinter, "extra"},
        {"export", kPrinter, "x.ccm"},
        {"import", kPrinter},
        {"delete", kPrinter, "Night"},
        {"delete", kPrinter, "--colour", "--gamma", "Night"},
        {"list", kPrinter, "--replace"},
        {"list", kPrinter, "--verbose"},
    };
    for (const auto& arguments : wrong) {
        SCOPED_TRACE(arguments.empty() ? std::string("(none)") : arguments[0] + " ...");
        EXPECT_EQ(Tool(arguments), CSettingsTool::exitUsage);
        EXPECT_TRUE(out.empty());
        EXPECT_NE(err.find(strings.Load(IDS_TOOL_USAGE_TITLE)), std::string::npos) << err;
        EXPECT_NE(err.find(strings.Load(IDS_TOOL_USAGE_DELETE)), std::string::npos) << err;
    }
    // A printer the spooler does not have is refused, not a usage fault.
    EXPECT_EQ(Tool({"list", "No Such Printer"}), CSettingsTool::exitFailed);
    EXPECT_EQ(err, Text(IDS_TOOL_ERR_PRINTER, "No Such Printer") + "\n");
}

// German messages: a console gets them in its own code page (437 and 850 agree on these
// letters), a file or pipe the bytes the string library holds.
TEST(SettingsToolConsole, AConsoleGetsItsCodePageAndAFileTheBytesAsTheyAre)
{
    std::ostringstream file, console;
    std::streambuf* const fileBuffer = file.rdbuf();
    {
        CConsoleCodePage unchanged(file, false);
        CConsoleCodePage converted(console, true);
        file << "gel\xF6scht" << '\xE4';
        console << "gel\xF6scht" << '\xE4';
    }
    EXPECT_EQ(file.str(), "gel\xF6scht\xE4");
    EXPECT_EQ(file.rdbuf(), fileBuffer);  // the stream has its own buffer back
#ifdef _WIN32
    EXPECT_EQ(console.str(), "gel\x94scht\x84");
#else
    EXPECT_EQ(console.str(), "gel\xF6scht\xE4");  // Linux: no console code page to meet
#endif
}

}  // namespace
