#include "sim/SettingSweep.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>

#include "color/CColorData.h"
#include "framework/CPropertySheet.h"
#include "framework/ResourceModule.h"
#include "gamma/CGammaData.h"
#include "launch/CDlgRes.h"
#include "launch/CStrRes.h"
#include "launch/CmyException.h"
#include "pages/CSaveSettingPage.h"
#include "pages/CSelectDriverPage.h"
#include "pages/CSettingEditPage.h"
#include "resources/resource.h"
#include "storage/CFileAcc.h"
#include "support/FullTable.h"
#include "support/ScriptedUser.h"
#include "support/TestWizard.h"

namespace sweep {

namespace {

// Two colour and two gamma settings with their profile keys, as a marked driver catalogue.
std::string StoredCatalog(const std::string& profileFolder)
{
    std::string text =
        "[Config]\r\nUpDate=1\r\n"
        "[Color]\r\nSettingNum=2\r\nSettingID0=4\r\nSettingID1=0\r\nSettingName4=Warm\r\nSettingName0=Cool\r\n"
        "CCMNT4=" + FullTable("0A1B") + "\r\nCCMNV4=" + FullTable("FF00") + "\r\nCCMNT0=" + FullTable("1111") + "\r\nCCMNV0=" + FullTable("2222") + "\r\n";
    for (const char* key : {"01C4.ICB", "02C4.ICB", "03C4.ICB", "01C0.ICB", "02C0.ICB", "03C0.ICB"})
        text += std::string(key) + "=" + profileFolder + key + "\r\n";
    text += "[Gamma]\r\nSettingNum=2\r\nSettingID0=2\r\nSettingID1=0\r\nSettingName2=Soft\r\nSettingName0=Dusk\r\n"
            "Soft=3\r\nDusk=1\r\nCCMNT2=" + FullTable("3333") + "\r\nCCMNV2=" + FullTable("4444") + "\r\nCCMNT0=" + FullTable("5555") + "\r\nCCMNV0=" + FullTable("6666") + "\r\n";
    for (const char* key : {"01G2.ICB", "02G2.ICB", "03G2.ICB", "01G0.ICB", "02G0.ICB", "03G0.ICB"})
        text += std::string(key) + "=" + profileFolder + key + "\r\n";
    return text;
}

std::string HostBytes(const std::filesystem::path& path)
{
    std::string bytes;
    if (FILE* file = std::fopen(path.c_str(), "rb")) {
        char buffer[4096];
        size_t got = 0;
        while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0) bytes.append(buffer, got);
        std::fclose(file);
    }
    return bytes;
}

// Runs the save page in a wizard of its own, as the editing pages leave the managers.
void RunSavePage(CUtilityInfo& info, int editType)
{
    CSaveSettingPage page(&info);
    TestWizard wizard({&page});
    CUtilityInfo managerInfo = info;
    wizard.colour.SetUtilityInfo(managerInfo);
    wizard.colour.LoadDefaultData();
    wizard.colour.UseDefaults();
    wizard.gamma.SetDriver(managerInfo);
    if (editType == kGamma) wizard.gamma.LoadDefaultSetting("Standard");
    wizard.gamma.SetGamma(1.7);
    wizard.RunWithDialogLibrary();
}

INT_PTR RunEditPage(CUtilityInfo& info)
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

// A stored setting saved over itself on the save page.
void Overwrite(CUtilityInfo& info, int editType, const std::string& name)
{
    info.editType = editType;
    info.selectedSettingName = name;
    info.userSettingSelected = 1;
    ScriptedUser user;
    user.Type(IDC_SAVE_NAME_EDIT, name)
        .Click(IDC_SAVE_BUTTON)
        .Click(IDC_SAVECHECK_OVERWRITE_BUTTON)
        .Wait(1000)
        .Cancel();
    RunSavePage(info, editType);
}

}  // namespace

CUtilityInfo LayOut(SimMachine& machine, const SimPrinterModel& model, const Setup& setup)
{
    const std::string profileFolder = SimPrinterModel::DriverFolder() + model.driver + "\\";
    model.Install(machine, StoredCatalog(profileFolder));
    machine.WriteFile(model.LocalCatalogPath(), machine.ReadFile(model.CatalogPath()));
    for (const char* file : {"UCD4.dat", "UCD0.dat", "UGD2.dat", "UGD0.dat"})
        machine.WriteFile(model.DataFolder() + file, std::string("data ") + file);
    for (const char* kind : {"C4", "C0", "G2", "G0"}) {
        for (const char* resolution : {"01", "02", "03"}) {
            const std::string profile = std::string(resolution) + kind + ".ICB";
            machine.WriteFile(model.DataFolder() + profile, "profile " + profile);
            machine.WriteFile(profileFolder + profile, "installed " + profile);
        }
    }
    if (setup) setup(machine, model);
    return model.Info();
}

Files Snapshot(const SimMachine& machine)
{
    Files files;
    for (const std::string& folder : {SimPrinterModel::UtilityFolder(), SimPrinterModel::DriverFolder()}) {
        for (const auto& entry : std::filesystem::recursive_directory_iterator(machine.HostPath(folder))) {
            if (!entry.is_regular_file()) continue;
            files[entry.path().string().substr(machine.Root().size())] = HostBytes(entry.path());
        }
    }
    return files;
}

Files Kept(const Files& files)
{
    Files kept;
    for (const auto& [path, bytes] : files) {
        if (path.size() < 5 || path.compare(path.size() - 5, 5, ".prev") != 0) kept[path] = bytes;
    }
    return kept;
}

std::string FileAt(const Files& files, const std::string& windowsPath)
{
    std::string tail = windowsPath.substr(windowsPath.find('\\'));
    std::replace(tail.begin(), tail.end(), '\\', '/');
    for (const auto& [path, bytes] : files) {
        if (path.size() >= tail.size() && path.compare(path.size() - tail.size(), tail.size(), tail) == 0)
            return bytes;
    }
    return {};
}

void SaveNewColour(SimMachine&, const SimPrinterModel&, CUtilityInfo& info, MessageBoxRecorder&)
{
    info.editType = kColour;
    info.selectedSettingName = CStrRes().Load(IDS_DEFAULT_ENTRY);
    ScriptedUser user;
    user.Type(IDC_SAVE_NAME_EDIT, "Bright").Click(IDC_SAVE_BUTTON).Wait(1000).Cancel();
    RunSavePage(info, kColour);
}

void OverwriteColour(SimMachine&, const SimPrinterModel&, CUtilityInfo& info, MessageBoxRecorder&)
{
    Overwrite(info, kColour, "Warm");
}

void OverwriteGamma(SimMachine&, const SimPrinterModel&, CUtilityInfo& info, MessageBoxRecorder&)
{
    Overwrite(info, kGamma, "Soft");
}

void PutTwoSettingFile(SimMachine& machine, const SimPrinterModel&)
{
    machine.WriteFile("C:\\Exchange\\Two\\Two.ccm",
                      "[Config]\r\nUpDate=1\r\n[Color]\r\nSettingNum=1\r\nSettingID0=0\r\nSettingName0=Cool\r\n"
                      "CCMNT0=" + FullTable("ABCD") + "\r\nCCMNV0=" + FullTable("ABCD") + "\r\n01C0.ICB=x\r\n02C0.ICB=x\r\n03C0.ICB=x\r\n"
                      "[Gamma]\r\nSettingNum=1\r\nSettingID0=0\r\nSettingName0=Night\r\nNight=2\r\n"
                      "CCMNT0=" + FullTable("0102") + "\r\nCCMNV0=" + FullTable("0304") + "\r\n01G0.ICB=x\r\n02G0.ICB=x\r\n03G0.ICB=x\r\n");
    for (const char* file : {"01C0.ICB", "02C0.ICB", "03C0.ICB", "01G0.ICB", "02G0.ICB", "03G0.ICB"})
        machine.WriteFile(std::string("C:\\Exchange\\Two\\") + file, std::string("imported ") + file);
    // Valid data files of each kind, made by the system's own writer.
    CColorData colour;
    CGammaData gamma;
    CFileAcc().SaveObject("C:\\Exchange\\Two\\", "UCD0.dat", &colour);
    CFileAcc().SaveObject("C:\\Exchange\\Two\\", "UGD0.dat", &gamma);
}

void ImportTwo(SimMachine&, const SimPrinterModel&, CUtilityInfo& info, MessageBoxRecorder& boxes)
{
    boxes.QueueAnswer(IDOK);  // replace the stored "Cool"
    CSettingEditPage page(&info);
    CmyStringArray names;
    names.Add("Cool");
    names.Add("Night");
    try {
        page.ImportSettings(names, {kColour, kGamma}, "C:\\Exchange\\Two\\Two.ccm");
    } catch (const CmyException& e) {
        e.Report();
    }
}

void DeleteSoft(SimMachine&, const SimPrinterModel&, CUtilityInfo& info, MessageBoxRecorder& boxes)
{
    boxes.QueueAnswer(IDYES);
    ScriptedUser user;
    user.SelectIndex(IDC_EXCHANGE_LIST, 2)  // "Soft"
        .Click(IDC_EXCHANGE_DELETE_BUTTON)
        .Finish();
    RunEditPage(info);
}

void FreshDriverCatalog(SimMachine& machine, const SimPrinterModel& model)
{
    machine.WriteFile(model.CatalogPath(), "[Color]\r\nSettingNum=0\r\n[Gamma]\r\nSettingNum=0\r\n");
}

void Restore(SimMachine&, const SimPrinterModel&, CUtilityInfo& info, MessageBoxRecorder&)
{
    CSelectDriverPage page(&info);
    page.ApplyPrinter();
}

}  // namespace sweep
