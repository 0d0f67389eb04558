// Framework file object over the platform's file handles, with CFileException causes.
#pragma once

#include <cstdint>
#include <string>

#include "platform/win32api.h"

class CFileException {
public:
    enum Cause {
        none = 0, genericException, fileNotFound, badPath, tooManyOpenFiles, accessDenied,
        invalidFile, removeCurrentDir, directoryFull, badSeek, hardIO, sharingViolation,
        lockViolation, diskFull, endOfFile
    };
    CFileException(int cause = none, LONG osError = 0, std::string fileName = {})
        : m_cause(cause), m_lOsError(osError), m_strFileName(std::move(fileName)) {}
    static int OsErrorToException(LONG osError);

    int m_cause;
    LONG m_lOsError;
    std::string m_strFileName;
};

class CFile {
public:
    enum OpenFlags : unsigned {
        modeRead = 0x0000, modeWrite = 0x0001, modeReadWrite = 0x0002,
        shareCompat = 0x0000, shareExclusive = 0x0010, shareDenyWrite = 0x0020,
        shareDenyRead = 0x0030, shareDenyNone = 0x0040,
        modeNoTruncate = 0x2000, modeCreate = 0x1000, typeBinary = 0x8000
    };

    CFile() = default;
    ~CFile();  // closes what is still open, dropping errors
    CFile(const CFile&) = delete;
    CFile& operator=(const CFile&) = delete;

    // Opens the file; on failure fills error (if given) and returns false.
    bool Open(const std::string& path, unsigned flags, CFileException* error = nullptr);
    unsigned Read(void* buffer, unsigned count);          // throws CFileException
    void Write(const void* buffer, unsigned count);       // throws CFileException
    uint64_t GetLength() const;                           // throws CFileException
    void SeekToBegin();
    void Flush();
    void Close();   // throws CFileException when the close fails
    void Abort();   // closes, ignoring every error
    bool IsOpen() const { return m_handle != INVALID_HANDLE_VALUE; }
    const std::string& GetFilePath() const { return m_path; }

    static void Remove(const std::string& path);  // throws CFileException

private:
    [[noreturn]] void ThrowLastError() const;
    HANDLE m_handle = INVALID_HANDLE_VALUE;
    std::string m_path;
};
