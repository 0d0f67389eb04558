#include "storage/CFileAcc.h"

#include <memory>

#include "framework/CArchive.h"
#include "framework/CFileFind.h"
#include "launch/CmyException.h"
#include "resources/resource.h"
#include "storage/CIniAcc.h"

namespace {

constexpr const char* utilityFolder = "\\Tintora\\";
constexpr int archiveBufferSize = 4096;
// Name of the new file written beside a file that is being replaced.
constexpr const char* temporarySuffix = ".new";

}  // namespace

// ---- Path operations -------------------------------------------------------------------

std::string CFileAcc::GetExeFolder() const
{
    char buffer[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, buffer, MAX_PATH);
    buffer[MAX_PATH - 1] = '\0';
    std::string exePath(buffer);
    size_t slash = exePath.rfind('\\');
    return slash == std::string::npos ? std::string() : exePath.substr(0, slash);
}

std::string CFileAcc::BuildPath(const std::string& name, const std::string& folder) const
{
    std::string normalised = folder;
    if (normalised.empty() || normalised.back() != '\\') normalised += '\\';
    if (normalised.find('\\') != 0) normalised.insert(0, 1, '\\');
    return GetExeFolder() + normalised + name;
}

std::string CFileAcc::GetDataPath(const std::string& anyPath, const std::string& subfolder) const
{
    return BuildPath(GetFileName(anyPath), std::string(utilityFolder) + subfolder + "\\");
}

std::string CFileAcc::JoinPath(const std::string& name, const std::string& folder)
{
    if (folder.empty()) return name;
    if (folder.back() == '\\') return folder + name;
    return folder + "\\" + name;
}

std::string CFileAcc::MakeSharePath(const std::string& folder, const std::string& name, int withComputer) const
{
    if (withComputer == 0) return folder + name;
    char computer[MAX_COMPUTERNAME_LENGTH + 1] = {};
    DWORD size = sizeof computer;
    if (!::GetComputerNameA(computer, &size)) computer[0] = '\0';
    computer[MAX_COMPUTERNAME_LENGTH] = '\0';
    return std::string("\\\\") + computer + "\\" + folder + name;
}

std::string CFileAcc::GetFolderPart(const std::string& anyPath)
{
    size_t slash = anyPath.rfind('\\');
    return slash == std::string::npos ? std::string() : anyPath.substr(0, slash + 1);
}

std::string CFileAcc::GetFileName(const std::string& anyPath)
{
    size_t slash = anyPath.rfind('\\');
    return slash == std::string::npos ? anyPath : anyPath.substr(slash + 1);
}

std::string CFileAcc::StripRoot(const std::string& anyPath)
{
    // From position 3 on: skips "C:\" of a drive path and the leading "\\" of a network path.
    size_t slash = anyPath.find('\\', 3);
    return slash == std::string::npos ? anyPath : anyPath.substr(slash + 1);
}

// ---- Files and folders -----------------------------------------------------------------

BOOL CFileAcc::CreateFolder(const std::string& name, const std::string& base) const
{
    std::string folder = base.empty() ? BuildPath(name, utilityFolder) : JoinPath(name, base);
    SECURITY_ATTRIBUTES security{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    return ::CreateDirectoryA(folder.c_str(), &security);
}

BOOL CFileAcc::CopyIntoFolder(const std::string& source, const std::string& folder) const
{
    // Without a folder the copy goes to the utility folder itself, never to the drive's root.
    std::string destination = GetExeFolder() + utilityFolder;
    if (!folder.empty()) destination += folder + "\\";
    destination += GetFileName(source);
    return ::CopyFileA(source.c_str(), destination.c_str(), FALSE);
}

DWORD CFileAcc::CopyFile(const std::string& source, const std::string& destination, BOOL failIfExists) const
{
    // A successful copy may leave an unrelated code behind; success is always 0.
    if (::CopyFileA(source.c_str(), destination.c_str(), failIfExists)) return 0;
    DWORD error = ::GetLastError();
    return error != 0 ? error : ERROR_INVALID_FUNCTION;
}

void CFileAcc::CopyToFolder(const std::string& source, const std::string& folder) const
{
    CopyFile(source, JoinPath(GetFileName(source), folder), FALSE);
}

int CFileAcc::DeleteFile(const std::string& filePath) const
{
    try {
        CFile::Remove(filePath);
    } catch (const CFileException& e) {
        return e.m_cause != CFileException::none ? e.m_cause : CFileException::genericException;
    }
    return 0;
}

BOOL CFileAcc::FileExists(const std::string& filePath) const
{
    CFileFind finder;
    return finder.FindFile(filePath) ? TRUE : FALSE;
}

int CFileAcc::CheckUpdateMark(const std::string& copyPath) const
{
    if (!FileExists(copyPath)) return 1;
    CIniAcc catalogue(path);
    return catalogue.GetString("Config", "UpDate").empty() ? 0 : 1;
}

// ---- Archive objects and data files ----------------------------------------------------

template <class Writer>
void CFileAcc::ReplaceFile(const std::string& filePath, Writer writer, bool staged)
{
    // The new contents go to a file of their own in the same folder, so that the rename that
    // replaces the old file cannot cross a drive.
    const std::string temporary = staged ? filePath : filePath + temporarySuffix;
    try {
        CFileException error;
        if (!file.Open(temporary, CFile::modeCreate | CFile::modeWrite, &error)) throw error;
        writer(file);
        if (!staged) file.Flush();
        file.Close();
        if (!staged && !::MoveFileExA(temporary.c_str(), filePath.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
            throw CFileException(CFileException::OsErrorToException(static_cast<LONG>(::GetLastError())));
        }
    } catch (const CFileException&) {
        file.Abort();
        ::DeleteFileA(temporary.c_str());
        throw CmyException(IDS_ERR_FILE_ACCESS, filePath);
    } catch (const CArchiveException&) {
        file.Abort();
        ::DeleteFileA(temporary.c_str());
        throw CmyException(IDS_ERR_FILE_ACCESS, filePath);
    }
}

namespace {

// Writes the object as the whole archive of target.
void StoreObject(CFile& target, const CObject* object)
{
    CArchive archive(&target, CArchive::store, archiveBufferSize);
    try {
        archive.WriteObject(object);
        archive.Close();
    } catch (...) {
        archive.Abort();
        throw;
    }
}

}  // namespace

void CFileAcc::SaveObject(const std::string& folder, const std::string& name, const CObject* object)
{
    // Writing "no object" over a stored file would turn it into an empty setting.
    if (object == nullptr) return;
    ReplaceFile(folder + name, [object](CFile& target) { StoreObject(target, object); });
}

void CFileAcc::SaveStagedObject(const std::string& stagedPath, const CObject* object)
{
    if (object == nullptr) return;
    ReplaceFile(stagedPath, [object](CFile& target) { StoreObject(target, object); }, true);
}

CObject* CFileAcc::ReadObject(const std::string& filePath, const CRuntimeClass* expectedClass,
                              const std::string& messageArgument)
{
    CFileException error;
    if (!file.Open(filePath, CFile::modeRead | CFile::shareDenyWrite, &error)) {
        if (error.m_cause == CFileException::fileNotFound) throw CmyException(IDS_ERR_SETTING_DATA_MISSING, messageArgument);
        throw CmyException(IDS_ERR_FILE_ACCESS);
    }
    try {
        std::unique_ptr<CObject> object;
        {
            CArchive archive(&file, CArchive::load, archiveBufferSize);
            object.reset(archive.ReadObject(expectedClass));
            archive.Close();
        }
        file.Close();
        return object.release();  // null for the null object: a file that stands for no object
    } catch (const CFileException&) {
    } catch (const CArchiveException&) {
    }
    // Truncated, or another class or schema: the stored setting is damaged, not absent.
    file.Abort();
    throw CmyException(IDS_ERR_FILE_ACCESS, filePath);
}

CObject* CFileAcc::LoadObject(const std::string& folder, const std::string& name,
                              const CRuntimeClass* expectedClass, const std::string& messageArgument)
{
    try {
        return ReadObject(folder + name, expectedClass, messageArgument);
    } catch (const CmyException& e) {
        file.Abort();
        e.Report();
        return nullptr;
    }
}

std::string CFileAcc::WriteData(const void* data, DWORD length, const std::string& subfolder)
{
    if (path.empty() && subfolder.empty()) throw CmyException(IDS_ERR_MODULE_FAILED);
    std::string fullPath = GetDataPath(path, subfolder);
    ReplaceFile(fullPath, [data, length](CFile& target) { target.Write(data, length); });
    return fullPath;
}

void CFileAcc::WriteStagedData(const std::string& stagedPath, const void* data, DWORD length)
{
    ReplaceFile(stagedPath, [data, length](CFile& target) { target.Write(data, length); }, true);
}

// ---- Raw reading -----------------------------------------------------------------------

void CFileAcc::OpenRead()
{
    CFileException error;
    if (!file.Open(path, CFile::modeRead | CFile::shareDenyWrite, &error)) {
        if (error.m_cause == CFileException::fileNotFound) throw CmyException(IDS_ERR_PAGE_NOT_FOUND);
        throw CmyException(IDS_ERR_FILE_ACCESS);
    }
}

DWORD CFileAcc::GetLength() const
{
    try {
        return static_cast<DWORD>(file.GetLength());
    } catch (const CFileException&) {
        return 0;
    }
}

void CFileAcc::Read(void* buffer, DWORD count)
{
    auto* bytes = static_cast<char*>(buffer);
    DWORD done = 0;
    try {
        while (done < count) {
            unsigned got = file.Read(bytes + done, count - done);
            if (got == 0) break;
            done += got;
        }
    } catch (const CFileException&) {
    }
    // A read error, or a file that shrank since its length was taken, leaves the buffer short:
    // its caller would pass on bytes the file does not hold.
    if (done < count) throw CmyException(IDS_ERR_FILE_ACCESS);
}

void CFileAcc::Close()
{
    try {
        file.Close();
    } catch (const CFileException&) {
        file.Abort();
    }
}
