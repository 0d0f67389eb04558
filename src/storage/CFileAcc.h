// Paths and files of the utility folder "\Tintora\" beside the host executable:
// folders, copies, deletion, archive objects, data files and raw reading of a print file.
#pragma once

#include <string>

#include "framework/CFile.h"
#include "framework/CObject.h"

class CFileAcc {
public:
    CFileAcc() = default;
    explicit CFileAcc(const std::string& filePath) : path(filePath) {}
    virtual ~CFileAcc() = default;

    // Path operations.
    std::string GetExeFolder() const;
    std::string BuildPath(const std::string& name, const std::string& folder) const;
    std::string GetDataPath(const std::string& anyPath, const std::string& subfolder) const;
    static std::string JoinPath(const std::string& name, const std::string& folder);
    std::string MakeSharePath(const std::string& folder, const std::string& name, int withComputer) const;
    static std::string GetFolderPart(const std::string& anyPath);
    static std::string GetFileName(const std::string& anyPath);
    static std::string StripRoot(const std::string& anyPath);

    // Files and folders.
    BOOL CreateFolder(const std::string& name, const std::string& base) const;
    BOOL CopyIntoFolder(const std::string& source, const std::string& folder) const;
    DWORD CopyFile(const std::string& source, const std::string& destination, BOOL failIfExists) const;
    void CopyToFolder(const std::string& source, const std::string& folder) const;
    int DeleteFile(const std::string& filePath) const;
    BOOL FileExists(const std::string& filePath) const;
    int CheckUpdateMark(const std::string& copyPath) const;

    // Archive objects and data files. A file is written whole beside the old one and then
    // replaces it, so a failure leaves the old file as it was; it throws CmyException 532.
    void SaveObject(const std::string& folder, const std::string& name, const CObject* object);
    // Caller owns the result; null when the file holds the null object, or when it is missing
    // or damaged (truncated, another class or schema), which is shown to the user at once.
    CObject* LoadObject(const std::string& folder, const std::string& name,
                        const CRuntimeClass* expectedClass, const std::string& messageArgument);
    // As LoadObject, but a missing or damaged file throws CmyException instead of showing it.
    CObject* ReadObject(const std::string& filePath, const CRuntimeClass* expectedClass,
                        const std::string& messageArgument);
    std::string WriteData(const void* data, DWORD length, const std::string& subfolder);
    // A transaction's staged copy (CFileTransaction), written whole and straight: nobody reads
    // it before the commit, which flushes it. A failure throws CmyException 532.
    void SaveStagedObject(const std::string& stagedPath, const CObject* object);
    void WriteStagedData(const std::string& stagedPath, const void* data, DWORD length);

    // Raw reading of the file named by path (the raw print job).
    void OpenRead();
    DWORD GetLength() const;
    // Reads count bytes; a read error or fewer bytes than count throws CmyException 532.
    void Read(void* buffer, DWORD count);
    void Close();

    const std::string& GetPath() const { return path; }
    void SetPath(const std::string& filePath) { path = filePath; }

private:
    // Writes filePath whole through writer (given the open file), as SaveObject describes;
    // a staged copy is written in place instead, with no flush.
    template <class Writer>
    void ReplaceFile(const std::string& filePath, Writer writer, bool staged = false);

    std::string path;
    CFile file;
};
