// The settings tool on simulated machines: the command line, paths, JSON texts, the
// administrator check, export and delete by name and kind, and imports into an "EMF" model,
// whose profiles the tool builds from the imported tables without any window.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "CJsonText.h"
#include "CSettingsTool.h"
#include "CToolArguments.h"
#include "color/CColorData.h"
#include "framework/CFile.h"
#include "gamma/CGammaData.h"
#include "launch/CStrRes.h"
#include "launch/TextFormat.h"
#include "platform/posix/Simulation.h"
#include "resources/resource.h"
#include "storage/CCtrlMng.h"
#include "storage/CFileAcc.h"
#include "storage/CIniAcc.h"
#include "support/FullTable.h"
#include "support/JsonValue.h"
#include "support/MessageBoxRecorder.h"
#include "support/SimMachine.h"
#include "support/SimPrinterModel.h"

namespace {

using Command = CToolArguments::Command;

TEST(SettingsToolArguments, CommandsOptionsAndTheirPlaces)
{
    CToolArguments arguments;
    ASSERT_TRUE(arguments.Parse({"--json", "printers"}));
    EXPECT_EQ(arguments.GetCommand(), Command::printers);
    EXPECT_TRUE(arguments.Json());

    ASSERT_TRUE(arguments.Parse({"import", "P", "f.ccm", "--replace", "A", "B"}));
    EXPECT_EQ(arguments.GetCommand(), Command::importSettings);
    EXPECT_EQ(arguments.GetPrinterName(), "P");
    EXPECT_EQ(arguments.GetFile(), "f.ccm");
    EXPECT_EQ(arguments.GetNames(), (std::vector<std::string>{"A", "B"}));
    EXPECT_TRUE(arguments.Replace());
    EXPECT_FALSE(arguments.Json());

    // After "--" a setting may be named like an option.
    ASSERT_TRUE(arguments.Parse({"delete", "P", "--gamma", "--", "--json"}));
    EXPECT_EQ(arguments.GetCommand(), Command::deleteSetting);
    EXPECT_EQ(arguments.GetKind(), 2);
    EXPECT_EQ(arguments.GetNames(), std::vector<std::string>{"--json"});
    EXPECT_FALSE(arguments.Json());

    ASSERT_TRUE(arguments.Parse({"delete", "P", "Warm", "--color"}));
    EXPECT_EQ(arguments.GetKind(), 1);

    EXPECT_FALSE(arguments.Parse({"export", "P", "f.ccm", "--gamma", "A"}));
    EXPECT_EQ(arguments.GetProblem(), "--gamma");
    EXPECT_FALSE(arguments.Parse({"list", "P", "--force"}));
    EXPECT_EQ(arguments.GetProblem(), "--force");
}

TEST(SettingsToolPaths, CommandLinePathsBecomeSystemPaths)
{
    SimMachine machine;  // current folder C:\Host
    EXPECT_EQ(CSettingsTool::SystemPath("C:\\Share\\house.ccm"), "C:\\Share\\house.ccm");
    EXPECT_EQ(CSettingsTool::SystemPath("\\\\server\\share\\house.ccm"), "\\\\server\\share\\house.ccm");
    EXPECT_EQ(CSettingsTool::SystemPath("/srv/share/house.ccm"), "Z:\\srv\\share\\house.ccm");
    EXPECT_EQ(CSettingsTool::SystemPath("sets/house.ccm"), "C:\\Host\\sets\\house.ccm");
    EXPECT_EQ(CSettingsTool::SystemPath("house.ccm"), "C:\\Host\\house.ccm");
}

TEST(SettingsToolJson, QuotedTextsReadBackUnchanged)
{
    const std::string text = "Caf\xe9 \"North\" C:\\Share\ttab\x01";
    JsonValue value;
    ASSERT_TRUE(JsonValue::Parse(CJsonText::Quote(text), value));
    EXPECT_EQ(value.type, JsonValue::Type::string);
    EXPECT_EQ(value.text, "Caf\xc3\xa9 \"North\" C:\\Share\ttab\x01");
    for (char c : CJsonText::Quote(text)) EXPECT_TRUE(c >= 0x20 && c <= 0x7e) << static_cast<int>(c);
}

// Two colour settings and two gamma settings; "Warm" is a name of both kinds.
const std::string kCatalog =
    "[Config]\r\nUpDate=1\r\n"
    "[Color]\r\nSettingNum=2\r\nSettingID0=4\r\nSettingID1=0\r\nSettingName4=Warm\r\nSettingName0=Cool\r\n"
    "CCMNT4=" + FullTable("0A1B") + "\r\nCCMNV4=" + FullTable("FF00") + "\r\nCCMNT0=" + FullTable("1111") + "\r\nCCMNV0=" + FullTable("2222") + "\r\n"
    "[Gamma]\r\nSettingNum=2\r\nSettingID0=2\r\nSettingID1=0\r\nSettingName2=Soft\r\nSettingName0=Warm\r\n"
    "Soft=3\r\nWarm=1\r\nCCMNT2=" + FullTable("3333") + "\r\nCCMNV2=" + FullTable("4444") + "\r\nCCMNT0=" + FullTable("5555") + "\r\nCCMNV0=" + FullTable("6666") + "\r\n";

class SettingsToolOnModel : public ::testing::TestWithParam<SimPrinterModel> {
protected:
    void SetUp() override
    {
        model = GetParam();
        model.Install(machine, kCatalog);
        machine.WriteFile("C:\\Exchange\\keep", "");
        // Data files of their classes, told apart by their last byte, and the profiles.
        for (const char* file : {"UCD4.dat", "UCD0.dat", "UGD2.dat", "UGD0.dat"}) {
            machine.WriteFile(model.DataFolder() + file, DataFile(file[1] == 'C' ? 1 : 2, file[3]));
        }
        for (const char* kind : {"C4", "C0", "G2", "G0"}) {
            for (const char* resolution : {"01", "02", "03"}) {
                const std::string profile = std::string(resolution) + kind + ".ICB";
                machine.WriteFile(model.DataFolder() + profile, "profile " + profile);
            }
        }
    }

    // A valid data file of the kind (1 colour, 2 gamma) whose last byte is mark.
    static std::string DataFile(int kind, char mark)
    {
        CColorData colour;
        CGammaData gamma;
        CFileAcc files;
        files.DeleteFile("C:\\Host\\scratch.dat");
        files.SaveObject("C:\\Host\\", "scratch.dat", kind == 1 ? static_cast<CObject*>(&colour) : &gamma);
        CFile file;
        std::string bytes;
        if (file.Open("C:\\Host\\scratch.dat", CFile::modeRead)) {
            bytes.resize(static_cast<size_t>(file.GetLength()));
            file.Read(bytes.data(), static_cast<unsigned>(bytes.size()));
            file.Close();
        }
        if (!bytes.empty()) bytes.back() = mark;
        return bytes;
    }

    int Tool(const std::vector<std::string>& arguments)
    {
        std::ostringstream output, messages;
        const int status = CSettingsTool(output, messages).Run(arguments);
        out = output.str();
        err = messages.str();
        return status;
    }

    std::vector<std::string> Names(int kind) const
    {
        CCtrlMng catalog;
        catalog.SetFile(model.CatalogPath(), kind);
        const CmyStringArray names = catalog.GetSettingNames();
        return {names.begin(), names.end()};
    }

    std::string Text(UINT id, const std::string& argument = {}) const { return FormatText(strings.Load(id), argument); }

    SimMachine machine;
    SimPrinterModel model;
    CStrRes strings;
    MessageBoxRecorder boxes;  // none may be shown; a box would land here
    std::string out;
    std::string err;
};

TEST_P(SettingsToolOnModel, ListsEveryKindAndRefusesOthersThanAdministrators)
{
    ASSERT_EQ(Tool({"list", model.printer}), CSettingsTool::exitDone) << err;
    EXPECT_EQ(out, "colour\tWarm\t4\ncolour\tCool\t0\ngamma\tSoft\t2\ngamma\tWarm\t0\n");
    EXPECT_TRUE(err.empty()) << err;

    // The spooler's names ignore case; the listing of printers names the model.
    std::string upper = model.printer;
    for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    EXPECT_EQ(Tool({"list", upper, "--json"}), CSettingsTool::exitDone) << err;
    ASSERT_EQ(Tool({"printers"}), CSettingsTool::exitDone);
    EXPECT_EQ(out, model.printer + "\t" + model.driver + "\t" + model.version + "\t" + model.printMode + "\t" +
                       model.CatalogPath() + "\n");

    // A plain user, and an administrator whose programs get the filtered token: both are told
    // to start it with the full token.
    for (const char* administrator : {"0", "1"}) {
        machine.Set("Machine", "Administrator", administrator);
        machine.Set("Machine", "Elevated", "0");
        machine.Apply();
        EXPECT_EQ(Tool({"printers"}), CSettingsTool::exitFailed) << administrator;
        EXPECT_EQ(err, Text(IDS_TOOL_ERR_NOT_ELEVATED) + "\n");
        EXPECT_TRUE(out.empty());
    }
    // The Windows 95 family has no administrators: no check there.
    machine.Set("OsVersion", "PlatformId", "1");
    machine.Apply();
    EXPECT_EQ(Tool({"printers"}), CSettingsTool::exitDone) << err;
    EXPECT_EQ(boxes.Count(), 0u);
}

TEST_P(SettingsToolOnModel, DeletesOneKindByNameAndRefusesUnknownNames)
{
    EXPECT_EQ(Tool({"delete", model.printer, "--colour", "warm"}), CSettingsTool::exitDone) << err;
    EXPECT_EQ(err, Text(IDS_TOOL_MSG_DELETED, "Warm") + "\n");
    EXPECT_EQ(Names(1), std::vector<std::string>{"Cool"});
    EXPECT_EQ(Names(2), (std::vector<std::string>{"Soft", "Warm"}));
    EXPECT_FALSE(machine.Exists(model.DataFolder() + "UCD4.dat"));
    EXPECT_TRUE(machine.Exists(model.DataFolder() + "UGD0.dat"));

    const std::string before = machine.ReadFile(model.CatalogPath());
    EXPECT_EQ(Tool({"delete", model.printer, "--colour", "Soft"}), CSettingsTool::exitFailed);
    EXPECT_EQ(err, Text(IDS_TOOL_ERR_NO_SETTING, "Soft") + "\n");
    EXPECT_EQ(machine.ReadFile(model.CatalogPath()), before);
    EXPECT_EQ(boxes.Count(), 0u);
}

TEST_P(SettingsToolOnModel, ExportsNamedSettingsOfEitherKindAndRefusesWhatItCannotWrite)
{
    // A name of both kinds exports both, a name given twice once; the extension is completed.
    ASSERT_EQ(Tool({"export", model.printer, "C:\\Exchange\\Office.ccm_", "Warm", "Soft", "soft"}),
              CSettingsTool::exitDone)
        << err;
    EXPECT_NE(err.find(Text(IDS_MSG_EXPORTED, "C:\\Exchange\\Office")), std::string::npos) << err;
    const CIniAcc file("C:\\Exchange\\Office\\Office.ccm");
    EXPECT_EQ(file.GetString("Color", "SettingName0"), "Warm");
    EXPECT_EQ(file.GetString("Color", "CCMNT0"), FullTable("0A1B"));
    EXPECT_EQ(file.GetString("Gamma", "SettingName0"), "Warm");
    EXPECT_EQ(file.GetString("Gamma", "SettingName1"), "Soft");
    EXPECT_EQ(file.GetString("Gamma", "Soft"), "3");
    EXPECT_EQ(file.GetString("Gamma", "SettingNum"), "2");
    EXPECT_EQ(machine.ReadFile("C:\\Exchange\\Office\\UCD0.dat"), DataFile(1, '4'));
    EXPECT_EQ(machine.ReadFile("C:\\Exchange\\Office\\UGD1.dat"), DataFile(2, '2'));
    if (model.printMode == "EMF") {
        EXPECT_EQ(machine.ReadFile("C:\\Exchange\\Office\\02C0.ICB"), "profile 02C4.ICB");
        EXPECT_EQ(machine.ReadFile("C:\\Exchange\\Office\\03G1.ICB"), "profile 03G2.ICB");
    }

    // The folder is there now: refused, nothing written.
    EXPECT_EQ(Tool({"export", model.printer, "C:\\Exchange\\Office.ccm", "Cool"}), CSettingsTool::exitFailed);
    EXPECT_EQ(err, Text(IDS_ERR_EXPORT_FOLDER_EXISTS, "C:\\Exchange\\Office") + "\n");
    EXPECT_EQ(file.GetString("Color", "SettingNum"), "1");

    // An unknown name writes nothing at all.
    EXPECT_EQ(Tool({"export", model.printer, "C:\\Exchange\\Other.ccm", "Cool", "Nobody"}), CSettingsTool::exitFailed);
    EXPECT_EQ(err, Text(IDS_TOOL_ERR_NO_SETTING, "Nobody") + "\n");
    EXPECT_FALSE(machine.Exists("C:\\Exchange\\Other"));

    // Written without a file it could not copy: a warning, and done.
    ASSERT_TRUE(DeleteFileA((model.DataFolder() + "UCD0.dat").c_str()));
    EXPECT_EQ(Tool({"export", model.printer, "C:\\Exchange\\Warned.ccm", "Cool"}), CSettingsTool::exitDone) << err;
    EXPECT_EQ(CIniAcc("C:\\Exchange\\Warned\\Warned.ccm").GetString("Color", "SettingName0"), "Cool");
    EXPECT_NE(err.find("UCD0.dat"), std::string::npos) << err;
    EXPECT_EQ(boxes.Count(), 0u);
}

TEST_P(SettingsToolOnModel, ImportsTheNamedSettingsOnly)
{
    ASSERT_EQ(Tool({"export", model.printer, "C:\\Exchange\\All.ccm", "Warm", "Cool", "Soft"}), CSettingsTool::exitDone)
        << err;
    for (const char* name : {"Warm", "Cool"}) {
        ASSERT_EQ(Tool({"delete", model.printer, "--colour", name}), CSettingsTool::exitDone) << err;
    }
    const std::string before = machine.ReadFile(model.CatalogPath());
    EXPECT_EQ(Tool({"import", model.printer, "C:\\Exchange\\All\\All.ccm", "Cool", "Nobody"}), CSettingsTool::exitFailed);
    EXPECT_EQ(err, Text(IDS_TOOL_ERR_NO_SETTING, "Nobody") + "\n");
    EXPECT_EQ(machine.ReadFile(model.CatalogPath()), before);

    // A name that reads as 'Dusk' would be stored as Dusk: refused by its name.
    machine.WriteFile("C:\\Exchange\\Quoted\\Quoted.ccm",
                      "[Color]\r\nSettingNum=1\r\nSettingID0=0\r\nSettingName0=\"'Dusk'\"\r\nCCMNT0=01\r\nCCMNV0=02\r\n");
    EXPECT_EQ(Tool({"import", model.printer, "C:\\Exchange\\Quoted\\Quoted.ccm"}), CSettingsTool::exitFailed);
    EXPECT_EQ(err, Text(IDS_ERR_NAME_OF_DEFAULT_SETTING, "'Dusk'") + "\n");
    EXPECT_EQ(machine.ReadFile(model.CatalogPath()), before);

    // Relative to the caller's folder, which the tool gives back.
    ASSERT_TRUE(SetCurrentDirectoryA("C:\\Exchange"));
    EXPECT_EQ(Tool({"import", model.printer, "All\\All.ccm", "cool"}), CSettingsTool::exitDone) << err;
    char folder[MAX_PATH] = {};
    GetCurrentDirectoryA(MAX_PATH, folder);
    EXPECT_STREQ(folder, "C:\\Exchange");
    EXPECT_EQ(Names(1), std::vector<std::string>{"Cool"});
    EXPECT_EQ(CIniAcc(model.CatalogPath()).GetString("Color", "CCMNT0"), FullTable("1111"));
    EXPECT_EQ(CIniAcc(model.LocalCatalogPath()).GetString("Color", "CCMNT0"), FullTable("1111"));
    EXPECT_EQ(boxes.Count(), 0u);
}

TEST_P(SettingsToolOnModel, ImportBuildsTheProfilesOfAnEmfModelFromTheImportedTables)
{
    if (model.printMode != "EMF") GTEST_SKIP() << "profiles belong to \"EMF\" models";
    ASSERT_EQ(Tool({"export", model.printer, "C:\\Exchange\\Cool.ccm", "Cool"}), CSettingsTool::exitDone) << err;
    ASSERT_EQ(Tool({"delete", model.printer, "--colour", "Cool"}), CSettingsTool::exitDone) << err;
    // Whatever profile files travel with the setting file, none is taken.
    for (const char* profile : {"01C0.ICB", "02C0.ICB", "03C0.ICB"}) {
        machine.WriteFile(std::string("C:\\Exchange\\Cool\\") + profile, "not a profile");
    }

    ASSERT_EQ(Tool({"import", model.printer, "C:\\Exchange\\Cool\\Cool.ccm"}), CSettingsTool::exitDone) << err;
    CCtrlMng catalog;
    catalog.SetFile(model.CatalogPath(), 1);
    std::vector<std::string> built;
    for (int resolution : {300, 600, 1200}) {
        const std::string name = catalog.GetProfileFileName("Color", resolution, "Cool");
        ASSERT_FALSE(name.empty());
        const std::string profile = machine.ReadFile(model.DataFolder() + name);
        EXPECT_GT(profile.size(), 128u) << name;
        EXPECT_EQ(profile.substr(36, 4), "acsp") << name;  // an ICC profile's signature
        EXPECT_EQ(machine.ReadFile(SimPrinterModel::DriverFolder() + model.driver + "\\" + name), profile) << name;
        built.push_back(profile);
    }
    EXPECT_NE(built[0], built[2]);  // one per resolution

    // Other tables, other profiles: they come from the imported tables.
    ASSERT_EQ(Tool({"delete", model.printer, "--colour", "Cool"}), CSettingsTool::exitDone) << err;
    const CIniAcc file("C:\\Exchange\\Cool\\Cool.ccm");
    ASSERT_TRUE(file.WriteString("Color", "CCMNT0", FullTable("9999").c_str()));
    ASSERT_TRUE(file.WriteString("Color", "CCMNV0", FullTable("8888").c_str()));
    ASSERT_EQ(Tool({"import", model.printer, "C:\\Exchange\\Cool\\Cool.ccm"}), CSettingsTool::exitDone) << err;
    EXPECT_NE(machine.ReadFile(model.DataFolder() + catalog.GetProfileFileName("Color", 300, "Cool")), built[0]);
    EXPECT_EQ(boxes.Count(), 0u);
}

TEST_P(SettingsToolOnModel, ImportStoresTheSettingFileAsItWasChecked)
{
    ASSERT_EQ(Tool({"export", model.printer, "C:\\Exchange\\Cool.ccm", "Cool"}), CSettingsTool::exitDone) << err;
    ASSERT_EQ(Tool({"delete", model.printer, "--colour", "Cool"}), CSettingsTool::exitDone) << err;
    // The file on the share changes right after the tool read it: other tables, same form.
    const std::string file = "C:\\Exchange\\Cool\\Cool.ccm";
    std::string other = machine.ReadFile(file);
    other.replace(other.find("CCMNT0=1111"), 11, "CCMNT0=9999");
    machine.WriteFile("C:\\Exchange\\Other.ccm", other);
    SimMachineSwapAfterRead(file.c_str(), "C:\\Exchange\\Other.ccm", 1);

    ASSERT_EQ(Tool({"import", model.printer, file}), CSettingsTool::exitDone) << err;
    EXPECT_EQ(machine.ReadFile(file), other) << "the file was not swapped";
    CCtrlMng catalog;
    catalog.SetFile(model.CatalogPath(), 1);
    std::string t, v;
    catalog.GetTables("Cool", t, v);
    EXPECT_EQ(t, FullTable("1111"));
}

INSTANTIATE_TEST_SUITE_P(Modes, SettingsToolOnModel, ::testing::Values(SimPrinterModel::Emf(), SimPrinterModel::Raw330()));

}  // namespace
