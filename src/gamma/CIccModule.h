// The ICC module library: turns a T table into ICC profile files, the temporary one of a test
// print or the three of a saved setting, and records or installs them.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/win32api.h"

// The request passed to "MPCA_GetCustomProfile"; its layout is fixed by the library boundary.
struct PROFILEREQUEST {
    int32_t reserved;
    int32_t xResolution;
    int32_t yResolution;
    int32_t tableCount;
    const BYTE* table;
};

static_assert(sizeof(PROFILEREQUEST) == 24);
static_assert(offsetof(PROFILEREQUEST, xResolution) == 4);
static_assert(offsetof(PROFILEREQUEST, yResolution) == 8);
static_assert(offsetof(PROFILEREQUEST, tableCount) == 12);
static_assert(offsetof(PROFILEREQUEST, table) == 16);

class CIccModule {
public:
    static constexpr int colorProfiles = 4;
    static constexpr int gammaProfiles = 5;
    static constexpr int temporaryProfile = 108;

    // Loads the library named by the version's "IccModule" value; a failure shows at the first profile.
    explicit CIccModule(const std::string& ccmVersion);
    virtual ~CIccModule();
    CIccModule(const CIccModule&) = delete;
    CIccModule& operator=(const CIccModule&) = delete;

    void SetNames(const std::string& dataFolder, const std::string& printer);
    // The profile for the resolution the device mode asks for; nothing for one without a profile file.
    void MakeTemporaryProfile(const DEVMODEA* devMode, const BYTE* tableT, const std::string& catalogPath);
    // kind 4 (colour) or 5 (gamma): the setting's profiles for 300, 600 and 1200 dpi. Without
    // into they are written into the data folder and installed in the driver's folder; with
    // into each goes whole into its file there, and nowhere else.
    void MakeProfiles(const BYTE* tableT, int kind, const std::string& name, const std::string& catalogPath,
                      const std::array<std::string, 3>* into = nullptr);

    // The request and file resolution (0: none) a device mode asks for.
    static int TemporaryResolution(const DEVMODEA& devMode, PROFILEREQUEST& request);

private:
    using ProfileFn = int (*)(BYTE*, PROFILEREQUEST*, DWORD*);

    ProfileFn ProfileFunction() const;
    // into: the file the profile is written to instead of the data folder (null: none).
    void BuildProfile(PROFILEREQUEST& request, int fileResolution, int kind, const std::string& name,
                      const std::string& catalogPath, const std::string* into = nullptr);
    void InstallCopy(const std::string& writtenPath) const;

    std::string m_printerName;
    HMODULE m_module;
    std::string m_dataFolder;
};
