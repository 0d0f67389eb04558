// The printer list, the capability folder rules and the driver folders on simulated machines,
// which can hold network connections, odd names and driver records no real spooler reports.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "printer/CPrint.h"
#include "support/SimMachine.h"

namespace {

const char kFolder[] = "C:\\Windows\\System32\\spool\\drivers\\x64\\3\\";

std::vector<std::string> Items(const CmyStringArray& names) {
    return std::vector<std::string>(names.begin(), names.end());
}

class PrinterListTest : public ::testing::Test {
protected:
    void SetUp() override {
        machine.WriteFile("C:\\Host\\Tintora\\Tavrel.ini", "[CCMVer10]\r\nModule=TVCM10.DLL\r\n");
    }

    // A driver whose capability file (listed as capName) describes it; localOnly as given.
    void AddModel(const std::string& driver, const std::string& capName,
                  const std::string& localOnly = "") {
        SimDriver record;
        record.name = driver;
        record.driverPath = std::string(kFolder) + "tvdrv.dll";
        record.dependentFiles = {"tvdata.bin", capName};
        machine.AddDriver(record);
        std::string text = "[Capability]\r\n" + driver + "=Model\r\n[Model]\r\nCCMVersion=10\r\n";
        if (!localOnly.empty()) text += "LocalPrinterOnly=" + localOnly + "\r\n";
        // Where the capability file is looked for: the full path, else the driver's folder.
        std::string path = capName.find(':') != std::string::npos
                               ? capName
                               : std::string(kFolder) + CPrint::GetFileName(capName);
        machine.WriteFile(path, text);
    }

    // A connection (server given) is named by its queue name on that server.
    void AddPrinter(const std::string& name, const std::string& driver,
                    const std::string& server = "", const std::string& port = "LPT1:") {
        SimPrinter printer;
        printer.name = name;
        printer.driver = driver;
        printer.server = server;
        printer.port = port;
        if (!server.empty()) printer.attributes = 0x10;  // network
        machine.AddPrinter(printer);
    }

    void AddDriver(const std::string& name, unsigned version, const std::string& path,
                   const std::vector<std::string>& dependentFiles = {}) {
        SimDriver record;
        record.name = name;
        record.version = version;
        record.driverPath = path;
        record.dependentFiles = dependentFiles;
        machine.AddDriver(record);
    }

    SimMachine machine;
};

TEST_F(PrinterListTest, NetworkConnectionsNeedANetworkAllowedModel) {
    AddModel("TvCap Local Model", "TVLOCAL.CAP", "1");
    AddModel("TvCap Shared Model", "TVSHARED.CAP", "0");
    AddDriver("TvCap Foreign", 3, std::string(kFolder) + "foreign.dll");
    AddPrinter("Local Desk", "TvCap Local Model");
    AddPrinter("Local Desk", "TvCap Local Model", "\\\\SRV");
    AddPrinter("Port Connection", "TvCap Local Model", "", "\\\\SRV2\\queue");
    AddPrinter("Shared Desk", "TvCap Shared Model", "\\\\SRV");
    AddPrinter("Shared Port", "TvCap Shared Model", "", "\\\\SRV2\\shared");
    AddPrinter("Foreign", "TvCap Foreign", "\\\\SRV");
    AddPrinter("Foreign Local", "TvCap Foreign");
    machine.Apply();

    CPrint print;
    CmyStringArray names;
    print.GetPrinterList(names);
    // Local printers are listed whatever their driver; the support test comes later.
    EXPECT_EQ(Items(names), (std::vector<std::string>{"Local Desk", "\\\\SRV\\Shared Desk",
                                                      "Shared Port", "Foreign Local"}));
    EXPECT_EQ(print.GetPrinterCount(), 4);
    EXPECT_EQ(print.IsSupported("Local Desk"), 1);
    EXPECT_EQ(print.IsSupported("\\\\SRV\\Shared Desk"), 1);
    EXPECT_EQ(print.IsSupported("Foreign Local"), 0);
}

TEST_F(PrinterListTest, PathLikeLocalNamesKeepTheirLastPart) {
    AddModel("TvCap Model", "TVMODEL.CAP");
    AddPrinter("Floor 2\\Colour", "TvCap Model");
    AddPrinter("Plain", "TvCap Model", "", "FILE:");
    machine.Apply();

    CPrint print;
    CmyStringArray names;
    print.GetPrinterList(names);
    EXPECT_EQ(Items(names), (std::vector<std::string>{"Colour", "Plain"}));
    EXPECT_EQ(print.GetPrinterCount(), 2);
    // The driver is looked up by the full queue name only.
    EXPECT_EQ(print.GetDriverName("Floor 2\\Colour"), "TvCap Model");
    EXPECT_EQ(print.GetDriverName("Colour"), "");
}

TEST_F(PrinterListTest, CountIsZeroWhenEveryPrinterIsLeftOut) {
    AddModel("TvCap Local Model", "TVLOCAL.CAP", "yes");
    AddDriver("TvCap Foreign", 3, std::string(kFolder) + "foreign.dll");
    AddPrinter("One", "TvCap Local Model", "\\\\SRV");
    AddPrinter("Two", "TvCap Local Model", "", "\\\\SRV\\two");
    AddPrinter("Three", "TvCap Foreign", "\\\\SRV");
    machine.Apply();

    CPrint print;
    CmyStringArray names;
    names.Add("earlier");
    print.GetPrinterList(names);
    EXPECT_EQ(Items(names), std::vector<std::string>{"earlier"});
    EXPECT_EQ(print.GetPrinterCount(), 0);
}

TEST_F(PrinterListTest, NoPrintersAtAll) {
    machine.Apply();
    CPrint print;
    EXPECT_EQ(print.EnumeratePrinters(), 0);
    CmyStringArray names;
    print.GetPrinterList(names);
    EXPECT_TRUE(names.IsEmpty());
    EXPECT_EQ(print.GetPrinterCount(), 0);
}

TEST_F(PrinterListTest, CapabilityFolderRules) {
    AddModel("TvCap Bare", "TVBARE.CAP");
    AddModel("TvCap Relative", "caps\\TVREL.CAP");
    AddModel("TvCap Full", "C:\\Caps\\TVFULL.CAP");
    AddPrinter("Bare", "TvCap Bare");
    AddPrinter("Relative", "TvCap Relative");
    AddPrinter("Full", "TvCap Full");
    machine.Apply();

    CPrint print;
    print.EnumeratePrinters();
    EXPECT_EQ(print.FindCapabilityFile("Bare"), std::string(kFolder) + "TVBARE.CAP");
    EXPECT_EQ(print.FindCapabilityFile("Relative"), std::string(kFolder) + "TVREL.CAP");
    EXPECT_EQ(print.FindCapabilityFile("Full"), "C:\\Caps\\TVFULL.CAP");
    EXPECT_EQ(print.IsSupported("Bare"), 1);
    EXPECT_EQ(print.IsSupported("Relative"), 1);
    EXPECT_EQ(print.IsSupported("Full"), 1);
}

// A dependent-file name must fit 260 characters with its terminator; longer ones are passed
// over and the walk goes on to the next name.
TEST_F(PrinterListTest, OverlongDependentNamesAreSkipped) {
    std::string fits = std::string(255, 'f') + ".CAP";   // 259 characters
    std::string tooLong = std::string(256, 'l') + ".CAP";  // 260 characters
    std::string huge = std::string(4000, 'h') + ".cap";
    AddDriver("TvCap Long", 3, std::string(kFolder) + "tvdrv.dll", {huge, tooLong, "TVMODEL.CAP"});
    AddDriver("TvCap Fits", 3, std::string(kFolder) + "tvdrv.dll", {fits, "TVMODEL.CAP"});
    AddPrinter("Long", "TvCap Long");
    AddPrinter("Fits", "TvCap Fits");
    machine.Apply();

    CPrint print;
    print.EnumeratePrinters();
    EXPECT_EQ(print.FindCapabilityFile("Long"), std::string(kFolder) + "TVMODEL.CAP");
    EXPECT_EQ(print.FindCapabilityFile("Fits"), std::string(kFolder) + fits);
}

TEST_F(PrinterListTest, DriverWithoutDependentFilesHasNoCapabilityFile) {
    AddDriver("TvCap Bare Driver", 3, std::string(kFolder) + "tvdrv.dll");
    AddPrinter("Nothing", "TvCap Bare Driver");
    machine.Apply();

    CPrint print;
    print.EnumeratePrinters();
    EXPECT_EQ(print.FindCapabilityFile("Nothing"), "");
    EXPECT_EQ(print.IsSupported("Nothing"), 0);
}

TEST_F(PrinterListTest, DriverFoldersOfVersionsZeroAndTwo) {
    AddDriver("TvCap Current", 3, "C:\\Spool\\3\\current.dll");
    AddDriver("TvCap Two", 2, "C:\\Spool\\2\\two.dll");
    AddDriver("TvCap Two Again", 2, "C:\\Spool\\2b\\again.dll");
    AddDriver("TvCap Zero", 0, "C:\\Spool\\0\\zero.dll");
    AddDriver("TvCap Late Two", 2, "C:\\Spool\\2c\\late.dll");
    AddDriver("TvCap Late Zero", 0, "C:\\Spool\\0b\\late.dll");
    machine.Apply();

    CPrint print;
    CmyStringArray folders;
    folders.Add("kept");
    EXPECT_EQ(print.GetDriverFolders(folders), 1);
    // Each record adds while a version is still unseen; the walk ends once both are seen.
    EXPECT_EQ(Items(folders), (std::vector<std::string>{"kept", "C:\\Spool\\2\\",
                                                        "C:\\Spool\\2b\\", "C:\\Spool\\0\\"}));
}

TEST_F(PrinterListTest, DriverFoldersWithOneLegacyVersion) {
    AddDriver("TvCap Zero", 0, "C:\\Spool\\0\\zero.dll");
    AddDriver("TvCap Current", 3, "C:\\Spool\\3\\current.dll");
    machine.Apply();

    CPrint print;
    CmyStringArray folders;
    EXPECT_EQ(print.GetDriverFolders(folders), 1);
    EXPECT_EQ(Items(folders), std::vector<std::string>{"C:\\Spool\\0\\"});
}

TEST_F(PrinterListTest, DriverFoldersWithoutDrivers) {
    machine.Apply();
    CPrint print;
    CmyStringArray folders;
    EXPECT_EQ(print.GetDriverFolders(folders), 0);
    EXPECT_TRUE(folders.IsEmpty());

    AddDriver("TvCap Current", 3, "C:\\Spool\\3\\current.dll");
    machine.Apply();
    EXPECT_EQ(print.GetDriverFolders(folders), 1);
    EXPECT_TRUE(folders.IsEmpty());
}

TEST_F(PrinterListTest, DriverRecordOfAPrinter) {
    AddDriver("TvCap Two", 2, "C:\\Spool\\2\\two.dll");
    AddPrinter("Old", "TvCap Two");
    machine.Apply();

    CPrint print;
    EXPECT_EQ(print.GetDriverVersion(), 0u);
    EXPECT_EQ(print.GetDriverFolder(), "");
    ASSERT_TRUE(print.LoadDriverInfo("Old"));
    EXPECT_EQ(print.GetDriverVersion(), 2u);
    EXPECT_EQ(print.GetDriverFolder(), "C:\\Spool\\2\\");
}

}  // namespace
