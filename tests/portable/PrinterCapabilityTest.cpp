// The capability file and the support decision against drivers and printers registered through
// the spooler itself: the real one under Wine, platform/posix natively.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/win32api.h"
#include "printer/CPrint.h"
#include "support/SpoolerPrinter.h"
#include "support/TempFolder.h"

#ifndef _WIN32
#include "support/SimMachine.h"
#endif

namespace {

const char kDriver[] = "TvCap Model Driver";
const char kPrinter[] = "TvCap Model Printer";

void WriteIni(const std::string& path, const char* section, const char* key, const char* value) {
    ASSERT_TRUE(WritePrivateProfileStringA(section, key, value, path.c_str())) << path;
}

// What the capability file says about kDriver.
struct Model {
    bool listed = true;
    std::string version = "10";
    const char* localOnly = nullptr;
};

class PrinterCapabilityTest : public ::testing::Test {
protected:
    void SetUp() override {
#ifndef _WIN32
        machine = std::make_unique<SimMachine>();
        machine->Apply();
#endif
        char buffer[MAX_PATH + 1] = {};
        ASSERT_GT(GetCurrentDirectoryA(sizeof(buffer), buffer), 0u);
        savedDirectory = buffer;
        ASSERT_GT(GetTempPathA(sizeof(buffer), buffer), 0u);
        root = TempFolder::WithSlash(buffer) + "TvCapTest";
        TempFolder::RemoveTree(root);
        ASSERT_TRUE(CreateDirectoryA(root.c_str(), nullptr)) << root;
        ASSERT_TRUE(CreateDirectoryA((root + "\\Tintora").c_str(), nullptr));
        ASSERT_TRUE(SetCurrentDirectoryA(root.c_str()));
        utilityIni = root + "\\Tintora\\Tavrel.ini";
        WriteIni(utilityIni, "CCMVer10", "Module", "TVCM10.DLL");
        WriteIni(utilityIni, "CCMVer20", "IccModule", "TVICC20.DLL");

        spooler = std::make_unique<SpoolerPrinter>(kDriver, kPrinter);
        sourceFolder = spooler->SourceFolder();
        installedFolder = spooler->InstalledFolder();
    }

    void TearDown() override {
        spooler.reset();
        SetCurrentDirectoryA(savedDirectory.c_str());
        TempFolder::RemoveTree(root);
    }

    // A capability file placed where the spooler copies driver files from.
    void WriteCapability(const std::string& fileName, const Model& model) {
        std::string path = Source(fileName);
        if (model.listed) WriteIni(path, "Capability", kDriver, "TvCapModel");
        WriteIni(path, "Capability", "TvCap Other Driver", "TvCapOther");
        WriteIni(path, "TvCapModel", "CCMInfoFile", "TVINFO.INI");
        WriteIni(path, "TvCapModel", "CCMVersion", model.version.c_str());
        if (model.localOnly) WriteIni(path, "TvCapModel", "LocalPrinterOnly", model.localOnly);
    }

    // Registers kDriver with the dependent files as listed, and kPrinter on it.
    void Install(const std::vector<std::string>& dependentFiles) { spooler->Install(dependentFiles); }

    // A fresh CPrint that has enumerated the printers, as its callers do.
    std::unique_ptr<CPrint> Enumerated() {
        auto print = std::make_unique<CPrint>();
        print->EnumeratePrinters();
        return print;
    }

    std::string Source(const std::string& fileName) { return spooler->Source(fileName); }

#ifndef _WIN32
    std::unique_ptr<SimMachine> machine;
#endif
    std::string savedDirectory;
    std::string root;
    std::string utilityIni;
    std::unique_ptr<SpoolerPrinter> spooler;
    std::string sourceFolder;     // the spooler's driver directory
    std::string installedFolder;  // where it keeps the files of installed drivers
};

// However the driver lists its capability file, it is found in the driver's own folder.
class CapabilityListingTest : public PrinterCapabilityTest,
                              public ::testing::WithParamInterface<const char*> {};

TEST_P(CapabilityListingTest, IsFoundBesideTheDriverFile) {
    WriteCapability("TVMODEL.CAP", Model{});
    Install({"TVDATA.BIN", GetParam()});

    auto print = Enumerated();
    EXPECT_EQ(print->FindCapabilityFile(kPrinter), installedFolder + "TVMODEL.CAP");
    EXPECT_EQ(print->GetPrinterName(), kPrinter);
    EXPECT_EQ(print->IsSupported(kPrinter), 1);
    EXPECT_EQ(print->GetCCMInfoFile(kPrinter), installedFolder + "TVINFO.INI");
    EXPECT_EQ(print->GetCCMVersion(kPrinter), "10");
}

// Listed bare, with a folder but no drive, and as a full path elsewhere.
INSTANTIATE_TEST_SUITE_P(Listings, CapabilityListingTest,
                         ::testing::Values("TVMODEL.CAP", "models\\TVMODEL.CAP",
                                           "C:\\elsewhere\\TVMODEL.CAP"));

TEST_F(PrinterCapabilityTest, FirstOfTwoCapabilityFilesIsUsed) {
    WriteCapability("tvfirst.cap", Model{});
    WriteCapability("TVSECOND.CAP", Model{.listed = false});
    Install({"tvfirst.cap", "TVSECOND.CAP"});

    auto print = Enumerated();
    EXPECT_EQ(print->FindCapabilityFile(kPrinter), installedFolder + "tvfirst.cap");
    EXPECT_EQ(print->IsSupported(kPrinter), 1);
}

TEST_F(PrinterCapabilityTest, LaterCapabilityFileIsNotConsulted) {
    WriteCapability("tvfirst.cap", Model{.listed = false});
    WriteCapability("TVSECOND.CAP", Model{});
    Install({"tvfirst.cap", "TVSECOND.CAP"});

    auto print = Enumerated();
    EXPECT_EQ(print->IsSupported(kPrinter), 0);
    EXPECT_EQ(print->GetCCMVersion(kPrinter), "");
    EXPECT_EQ(print->IsNetworkAllowed(kPrinter), 0);
}

TEST_F(PrinterCapabilityTest, FileHeaderIsComparedWithoutCase) {
    WriteCapability("TVMODEL.CAP", Model{});
    Install({"TVMODEL.CAP"});

    WriteIni(utilityIni, "Manufacture", "FileHeader", "tv");
    EXPECT_EQ(Enumerated()->IsSupported(kPrinter), 1);
    WriteIni(utilityIni, "Manufacture", "FileHeader", "QZ");
    EXPECT_EQ(Enumerated()->IsSupported(kPrinter), 0);
}

TEST_F(PrinterCapabilityTest, VersionWithoutModuleIsUnsupported) {
    WriteCapability("TVMODEL.CAP", Model{.version = "20"});
    Install({"TVMODEL.CAP"});

    auto print = Enumerated();
    EXPECT_EQ(print->GetCCMVersion(kPrinter), "20");
    EXPECT_EQ(print->IsSupported(kPrinter), 0);
}

TEST_F(PrinterCapabilityTest, DriverMissingFromCapabilityListIsUnsupported) {
    WriteCapability("TVMODEL.CAP", Model{.listed = false});
    Install({"TVMODEL.CAP"});

    auto print = Enumerated();
    EXPECT_EQ(print->IsSupported(kPrinter), 0);
    EXPECT_EQ(print->GetCCMVersion(kPrinter), "");
}

TEST_F(PrinterCapabilityTest, DriverWithoutCapabilityFileIsUnsupported) {
    Install({"TVDATA.BIN", "TVCAP.CAPX"});

    auto print = Enumerated();
    EXPECT_EQ(print->FindCapabilityFile(kPrinter), "");
    EXPECT_EQ(print->IsSupported(kPrinter), 0);
    EXPECT_EQ(print->IsNetworkAllowed(kPrinter), 0);
    EXPECT_EQ(print->GetCCMVersion(kPrinter), "");
}

TEST_F(PrinterCapabilityTest, LocalPrinterOnlyForbidsNetworkUse) {
    WriteCapability("TVMODEL.CAP", Model{.localOnly = "1"});
    Install({"TVMODEL.CAP"});
    EXPECT_EQ(Enumerated()->IsNetworkAllowed(kPrinter), 0);

    WriteIni(installedFolder + "TVMODEL.CAP", "TvCapModel", "LocalPrinterOnly", "0");
    EXPECT_EQ(Enumerated()->IsNetworkAllowed(kPrinter), 1);
}

TEST_F(PrinterCapabilityTest, InstalledLocalPrinterIsListedAndDescribed) {
    WriteCapability("TVMODEL.CAP", Model{});
    Install({"TVMODEL.CAP"});

    CPrint print;
    CmyStringArray names;
    names.Add("kept");
    print.GetPrinterList(names);
    ASSERT_GE(names.GetSize(), 2);
    EXPECT_EQ(names[0], "kept");
    EXPECT_EQ(print.GetPrinterCount(), names.GetSize() - 1);
    bool listed = false;
    for (const std::string& name : names) listed = listed || name == kPrinter;
    EXPECT_TRUE(listed);
    EXPECT_EQ(print.GetDriverName(kPrinter), kDriver);

    EXPECT_TRUE(print.LoadDriverInfo(kPrinter));
    EXPECT_EQ(print.GetDriverVersion(), 3u);
    EXPECT_EQ(print.GetDriverFolder(), installedFolder);
}

TEST_F(PrinterCapabilityTest, PrinterThatCannotBeOpenedHasNothing) {
    WriteCapability("TVMODEL.CAP", Model{});
    Install({"TVMODEL.CAP"});
    const char* missing = "TvCap Printer That Is Not There";

    auto print = Enumerated();
    EXPECT_EQ(print->FindCapabilityFile(missing), "");
    EXPECT_EQ(print->GetCCMInfoFile(missing), "");
    EXPECT_EQ(print->GetCCMVersion(missing), "");
    EXPECT_EQ(print->IsSupported(missing), 0);
    EXPECT_EQ(print->IsNetworkAllowed(missing), 0);
    EXPECT_EQ(print->GetDriverName(missing), "");

    ASSERT_TRUE(print->LoadDriverInfo(kPrinter));
    EXPECT_FALSE(print->LoadDriverInfo(missing));
    EXPECT_EQ(print->GetDriverVersion(), 0u);
    EXPECT_EQ(print->GetDriverFolder(), "");
}

TEST_F(PrinterCapabilityTest, CurrentDriversAddNoLegacyFolder) {
    WriteCapability("TVMODEL.CAP", Model{});
    Install({"TVMODEL.CAP"});

    CPrint print;
    CmyStringArray folders;
    EXPECT_EQ(print.GetDriverFolders(folders), 1);
    EXPECT_EQ(folders.GetSize(), 0);
}

}  // namespace
