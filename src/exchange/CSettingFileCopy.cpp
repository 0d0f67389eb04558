#include "exchange/CSettingFileCopy.h"

#include <algorithm>

#include "exchange/CSettingFileCheck.h"
#include "framework/CFile.h"
#include "resources/resource.h"
#include "storage/CCtrlMng.h"
#include "storage/CFileAcc.h"

namespace {

constexpr int maxWorkFolders = 1000;
const char workFolderName[] = "TavrelImport";
const char settingFileName[] = "Setting.ccm";

}  // namespace

CSettingFileCopy::~CSettingFileCopy()
{
    Remove();
}

bool CSettingFileCopy::ReadAtMost(const std::string& path, size_t limit, std::string& bytes)
{
    bytes.clear();
    const DWORD attributes = ::GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY)) return false;
    CFile file;
    if (!file.Open(path, CFile::modeRead | CFile::shareDenyWrite)) return false;
    try {
        // Whatever length the file claims, no more than one byte past the limit is read.
        constexpr size_t chunk = 0x10000;
        std::string buffer;
        while (buffer.size() <= limit) {
            const size_t at = buffer.size();
            buffer.resize(at + std::min(chunk, limit + 1 - at));
            const unsigned read = file.Read(buffer.data() + at, static_cast<unsigned>(buffer.size() - at));
            buffer.resize(at + read);
            if (read == 0) break;
        }
        file.Close();
        bytes.swap(buffer);
        return true;
    } catch (const CFileException&) {
        file.Abort();
        return false;
    }
}

bool CSettingFileCopy::MakeWorkFolder()
{
    char temp[MAX_PATH] = {};
    const DWORD length = ::GetTempPathA(MAX_PATH, temp);
    if (length == 0 || length >= MAX_PATH) return false;
    const std::string base(temp, length);
    // A folder that is there already may be anyone's: only one made now is ours.
    for (int i = 1; i <= maxWorkFolders; ++i) {
        const std::string folder = CFileAcc::JoinPath(workFolderName + std::to_string(i), base);
        if (::CreateDirectoryA(folder.c_str(), nullptr)) {
            m_workFolder = folder + "\\";
            return true;
        }
        if (::GetLastError() != ERROR_ALREADY_EXISTS) return false;
    }
    return false;
}

bool CSettingFileCopy::WriteWorkFile(const std::string& name, const std::string& bytes)
{
    const std::string path = m_workFolder + name;
    CFile file;
    if (!file.Open(path, CFile::modeCreate | CFile::modeWrite)) return false;
    m_workFiles.push_back(path);
    try {
        file.Write(bytes.data(), static_cast<unsigned>(bytes.size()));
        file.Close();
        return true;
    } catch (const CFileException&) {
        file.Abort();
        return false;
    }
}

bool CSettingFileCopy::CopyDataFiles()
{
    for (int kind : {1, 2}) {
        CCtrlMng catalog;
        catalog.SetFile(m_settingFile, kind);
        for (const CCtrlMng::Entry& entry : catalog.GetEntries()) {
            const std::string source = m_sourceFolder + entry.dataFile;
            // A missing data file is no reason to refuse: the import tells which it went without.
            if (::GetFileAttributesA(source.c_str()) == INVALID_FILE_ATTRIBUTES) continue;
            std::string bytes;
            if (!ReadAtMost(source, maxDataSize, bytes) || !WriteWorkFile(entry.dataFile, bytes)) return false;
        }
    }
    return true;
}

UINT CSettingFileCopy::Take(const std::string& settingFile, std::string* argument)
{
    Remove();
    m_sourceFolder = CFileAcc::GetFolderPart(settingFile);
    std::string bytes;
    if (!ReadAtMost(settingFile, CSettingFileCheck::maxFileSize, bytes) || bytes.size() > CSettingFileCheck::maxFileSize) {
        return IDS_ERR_FILE_ACCESS;
    }
    if (!MakeWorkFolder() || !WriteWorkFile(settingFileName, bytes)) return IDS_ERR_FILE_ACCESS;
    const std::string copied = m_workFolder + settingFileName;
    if (const UINT problem = CSettingFileCheck::CheckCatalog(copied, argument)) return problem;
    // Only a checked catalogue is handed out.
    m_settingFile = copied;
    if (CopyDataFiles()) return 0;
    m_settingFile.clear();
    return IDS_ERR_FILE_ACCESS;
}

bool CSettingFileCopy::ReadSourceFile(const std::string& fileName, std::string& bytes) const
{
    return ReadAtMost(m_sourceFolder + fileName, maxProfileSize, bytes) && bytes.size() <= maxProfileSize;
}

bool CSettingFileCopy::Remove()
{
    // What cannot be removed now is kept for another try when the copy goes.
    std::vector<std::string> left;
    for (const std::string& path : m_workFiles) {
        if (!::DeleteFileA(path.c_str()) && ::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES) {
            left.push_back(path);
        }
    }
    m_workFiles.swap(left);
    m_settingFile.clear();
    if (m_workFolder.empty()) return m_workFiles.empty();
    if (!m_workFiles.empty() || !::RemoveDirectoryA(m_workFolder.substr(0, m_workFolder.size() - 1).c_str())) {
        return false;
    }
    m_workFolder.clear();
    return true;
}
