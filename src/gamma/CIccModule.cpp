#include "gamma/CIccModule.h"

#include <memory>

#include "launch/CLibraryLoader.h"
#include "launch/CmyException.h"
#include "printer/CPrint.h"
#include "resources/resource.h"
#include "storage/CCtrlMng.h"
#include "storage/CFileAcc.h"
#include "storage/CIniUtility.h"

namespace {

constexpr int moduleFailed = 1;
// Far beyond any profile of three resolutions; a larger size is a broken module.
constexpr DWORD largestProfile = 64u << 20;

// Print quality codes of a device mode that name no dots per inch.
constexpr int lowQuality = -2;
constexpr int mediumQuality = -3;
constexpr int highQuality = -4;

struct ProfileKind {
    int kind;
    const char* word;    // the catalogue's kind word
    int catalogKind;     // the catalogue kind the file is opened with
};

constexpr ProfileKind profileKinds[] = {
    {CIccModule::colorProfiles, "Color", 1},
    {CIccModule::gammaProfiles, "Gamma", 2},
    {CIccModule::temporaryProfile, "Temporary", 0},
};

const ProfileKind* FindKind(int kind)
{
    for (const ProfileKind& k : profileKinds) {
        if (k.kind == kind) {
            return &k;
        }
    }
    return nullptr;
}

// The request a setting's profile of one file resolution is built with.
void SetRequest(int fileResolution, PROFILEREQUEST& request)
{
    request.xResolution = fileResolution == 300 ? 300 : 600;
    request.yResolution = fileResolution;
}

}  // namespace

CIccModule::CIccModule(const std::string& ccmVersion)
{
    const std::string library = CIniUtility().GetVersionValue(ccmVersion, "IccModule");
    m_module = CLibraryLoader::LoadOwn(library);
}

CIccModule::~CIccModule()
{
    if (m_module) {
        ::FreeLibrary(m_module);
    }
}

void CIccModule::SetNames(const std::string& dataFolder, const std::string& printer)
{
    m_dataFolder = dataFolder;
    m_printerName = printer;
}

int CIccModule::TemporaryResolution(const DEVMODEA& devMode, PROFILEREQUEST& request)
{
    const int quality = devMode.dmPrintQuality;
    const int yResolution = devMode.dmYResolution;
    if (quality >= 0) {
        if (yResolution <= 0) {
            return 0;
        }
        request.xResolution = quality;
        request.yResolution = yResolution;
        if (quality == 300 && yResolution == 300) return 300;
        if (quality == 600 && yResolution == 600) return 600;
        if (quality == 600 && yResolution == 1200) return 1200;
        return 0;
    }
    int fileResolution = 0;
    switch (quality) {
    case lowQuality: fileResolution = 300; break;
    case mediumQuality: fileResolution = 600; break;
    case highQuality: fileResolution = 1200; break;
    default: return 0;
    }
    // The module gets the same request as for that file of a saved setting.
    SetRequest(fileResolution, request);
    return fileResolution;
}

void CIccModule::MakeTemporaryProfile(const DEVMODEA* devMode, const BYTE* tableT, const std::string& catalogPath)
{
    PROFILEREQUEST request{0, 0, 0, 1, tableT};
    const int fileResolution = devMode ? TemporaryResolution(*devMode, request) : 0;
    BuildProfile(request, fileResolution, temporaryProfile, std::string(), catalogPath);
}

void CIccModule::MakeProfiles(const BYTE* tableT, int kind, const std::string& name, const std::string& catalogPath,
                              const std::array<std::string, 3>* into)
{
    if (kind != colorProfiles && kind != gammaProfiles) {
        return;
    }
    constexpr int fileResolutions[] = {300, 600, 1200};
    for (size_t i = 0; i < 3; ++i) {
        PROFILEREQUEST request{0, 0, 0, 1, tableT};
        SetRequest(fileResolutions[i], request);
        BuildProfile(request, fileResolutions[i], kind, name, catalogPath, into != nullptr ? &(*into)[i] : nullptr);
    }
}

CIccModule::ProfileFn CIccModule::ProfileFunction() const
{
    FARPROC function = m_module ? ::GetProcAddress(m_module, "MPCA_GetCustomProfile") : nullptr;
    if (function == nullptr) {
        throw CmyException(IDS_ERR_MODULE_FAILED);
    }
    return reinterpret_cast<ProfileFn>(reinterpret_cast<void (*)()>(function));
}

void CIccModule::BuildProfile(PROFILEREQUEST& request, int fileResolution, int kind, const std::string& name,
                              const std::string& catalogPath, const std::string* into)
{
    const ProfileKind* profileKind = FindKind(kind);
    if (profileKind == nullptr) {
        return;
    }
    ProfileFn getProfile = ProfileFunction();

    CCtrlMng catalog;
    catalog.SetFile(catalogPath, profileKind->catalogKind);
    // A caller that names the file has taken its name from the catalogue already.
    const std::string file =
        into != nullptr ? *into : catalog.GetProfileFileName(profileKind->word, fileResolution, name);
    if (file.empty()) {
        // No profile file for this resolution (or setting): a file named after nothing would
        // land on the data folder's own name, and a recorded path would point at it.
        return;
    }

    DWORD size = 0;
    getProfile(nullptr, &request, &size);
    if (size == 0 || size > largestProfile) {
        throw CmyException(IDS_ERR_MODULE_FAILED);
    }
    const DWORD allocated = size;
    std::unique_ptr<BYTE[]> profile(new BYTE[allocated]());
    if (getProfile(profile.get(), &request, &size) == moduleFailed) {
        throw CmyException(IDS_ERR_MODULE_FAILED);
    }
    const DWORD length = size < allocated ? size : allocated;

    if (into != nullptr) {
        // A setting's profiles saved together with its tables: the caller installs the file.
        CFileAcc().WriteStagedData(*into, profile.get(), length);
        return;
    }
    CFileAcc access(file);
    const std::string written = access.WriteData(profile.get(), length, m_dataFolder);
    if (kind == temporaryProfile) {
        // Recorded once the file is there, so the driver never meets a path without a profile.
        catalog.MarkUpdated();
        catalog.SetTemporaryProfile(file, m_dataFolder);
    } else {
        InstallCopy(written);
    }
}

void CIccModule::InstallCopy(const std::string& writtenPath) const
{
    CPrint print;
    print.LoadDriverInfo(m_printerName);
    const std::string driverFolder = print.GetDriverFolder();
    if (driverFolder.empty()) {
        // Without the printer's driver there is no folder the driver reads profiles from.
        return;
    }
    CFileAcc access;
    access.CreateFolder(m_dataFolder, driverFolder);
    // A profile the driver cannot find is a profile not built.
    const std::string target = CFileAcc::JoinPath(CFileAcc::GetFileName(writtenPath),
                                                  access.MakeSharePath(driverFolder, m_dataFolder, 0));
    if (access.CopyFile(writtenPath, target, FALSE) != 0) throw CmyException(IDS_ERR_FILE_ACCESS, target);
}
