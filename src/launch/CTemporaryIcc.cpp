#include "launch/CTemporaryIcc.h"

#include "storage/CCtrlMng.h"
#include "storage/CFileAcc.h"
#include "storage/CIniAcc.h"

namespace {
constexpr int kTemporaryProfiles = 108;
}

void CTemporaryIcc::Remove(const std::string& catalogPath)
{
    if (catalogPath.empty()) return;  // no printer chosen yet: no catalogue to look in
    std::string profile = CIniAcc(catalogPath).GetString("Temporary", "ICCData");
    if (profile.empty()) return;
    CFileAcc().DeleteFile(profile);
    CCtrlMng catalogue;
    catalogue.SetPath(catalogPath);
    catalogue.DeleteProfiles(std::string(), kTemporaryProfiles);
}
