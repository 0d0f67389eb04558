#include "framework/CFile.h"

int CFileException::OsErrorToException(LONG osError)
{
    switch (osError) {
    case 0: return none;
    case 2: return fileNotFound;                      // ERROR_FILE_NOT_FOUND
    case 3:                                           // ERROR_PATH_NOT_FOUND
    case 15:                                          // ERROR_INVALID_DRIVE
    case 53:                                          // ERROR_BAD_NETPATH
    case 67:                                          // ERROR_BAD_NET_NAME
    case 123:                                         // ERROR_INVALID_NAME
    case 161:                                         // ERROR_BAD_PATHNAME
    case 206: return badPath;                         // ERROR_FILENAME_EXCED_RANGE
    case 4: return tooManyOpenFiles;                  // ERROR_TOO_MANY_OPEN_FILES
    case 5:                                           // ERROR_ACCESS_DENIED
    case 19:                                          // ERROR_WRITE_PROTECT
    case 65:                                          // ERROR_NETWORK_ACCESS_DENIED
    case 80:                                          // ERROR_FILE_EXISTS
    case 82:                                          // ERROR_CANNOT_MAKE
    case 183: return accessDenied;                    // ERROR_ALREADY_EXISTS
    case 6: return invalidFile;                       // ERROR_INVALID_HANDLE
    case 16: return removeCurrentDir;                 // ERROR_CURRENT_DIRECTORY
    case 18: return directoryFull;                    // ERROR_NO_MORE_FILES
    case 25:                                          // ERROR_SEEK
    case 131:                                         // ERROR_NEGATIVE_SEEK
    case 132: return badSeek;                         // ERROR_SEEK_ON_DEVICE
    case 21:                                          // ERROR_NOT_READY
    case 23:                                          // ERROR_CRC
    case 29:                                          // ERROR_WRITE_FAULT
    case 30:                                          // ERROR_READ_FAULT
    case 31: return hardIO;                           // ERROR_GEN_FAILURE
    case 32: return sharingViolation;                 // ERROR_SHARING_VIOLATION
    case 33:                                          // ERROR_LOCK_VIOLATION
    case 36: return lockViolation;                    // ERROR_SHARING_BUFFER_EXCEEDED
    case 39:                                          // ERROR_HANDLE_DISK_FULL
    case 112: return diskFull;                        // ERROR_DISK_FULL
    case 38: return endOfFile;                        // ERROR_HANDLE_EOF
    default: return genericException;
    }
}

CFile::~CFile()
{
    Abort();
}

bool CFile::Open(const std::string& path, unsigned flags, CFileException* error)
{
    Abort();

    DWORD access = 0;
    switch (flags & 3u) {
    case modeRead: access = GENERIC_READ; break;
    case modeWrite: access = GENERIC_WRITE; break;
    case modeReadWrite: access = GENERIC_READ | GENERIC_WRITE; break;
    default:
        if (error != nullptr) *error = CFileException(CFileException::genericException, 0, path);
        return false;
    }

    DWORD share = 0;  // compatibility mode is exclusive
    switch (flags & 0x70u) {
    case shareDenyWrite: share = FILE_SHARE_READ; break;
    case shareDenyRead: share = FILE_SHARE_WRITE; break;
    case shareDenyNone: share = FILE_SHARE_READ | FILE_SHARE_WRITE; break;
    default: break;
    }

    DWORD disposition = OPEN_EXISTING;
    if (flags & modeCreate) disposition = (flags & modeNoTruncate) ? OPEN_ALWAYS : CREATE_ALWAYS;

    SECURITY_ATTRIBUTES security{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    HANDLE handle = ::CreateFileA(path.c_str(), access, share, &security, disposition,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        LONG osError = static_cast<LONG>(::GetLastError());
        if (error != nullptr) {
            *error = CFileException(CFileException::OsErrorToException(osError), osError, path);
        }
        return false;
    }
    m_handle = handle;
    m_path = path;
    return true;
}

unsigned CFile::Read(void* buffer, unsigned count)
{
    if (!IsOpen()) throw CFileException(CFileException::invalidFile, 0, m_path);
    if (count == 0) return 0;
    DWORD done = 0;
    if (!::ReadFile(m_handle, buffer, count, &done, nullptr)) ThrowLastError();
    return done;
}

void CFile::Write(const void* buffer, unsigned count)
{
    if (!IsOpen()) throw CFileException(CFileException::invalidFile, 0, m_path);
    if (count == 0) return;
    DWORD done = 0;
    if (!::WriteFile(m_handle, buffer, count, &done, nullptr)) ThrowLastError();
    if (done != count) throw CFileException(CFileException::diskFull, 0, m_path);
}

uint64_t CFile::GetLength() const
{
    if (!IsOpen()) throw CFileException(CFileException::invalidFile, 0, m_path);
    DWORD high = 0;
    ::SetLastError(0);
    DWORD low = ::GetFileSize(m_handle, &high);
    if (low == INVALID_FILE_SIZE && ::GetLastError() != 0) ThrowLastError();
    return (static_cast<uint64_t>(high) << 32) | low;
}

void CFile::SeekToBegin()
{
    if (!IsOpen()) throw CFileException(CFileException::invalidFile, 0, m_path);
    ::SetLastError(0);
    DWORD pos = ::SetFilePointer(m_handle, 0, nullptr, FILE_BEGIN);
    if (pos == INVALID_SET_FILE_POINTER && ::GetLastError() != 0) ThrowLastError();
}

void CFile::Flush()
{
    if (!IsOpen()) return;
    if (!::FlushFileBuffers(m_handle)) ThrowLastError();
}

void CFile::Close()
{
    if (!IsOpen()) return;
    HANDLE handle = m_handle;
    m_handle = INVALID_HANDLE_VALUE;
    if (!::CloseHandle(handle)) ThrowLastError();
}

void CFile::Abort()
{
    if (IsOpen()) ::CloseHandle(m_handle);
    m_handle = INVALID_HANDLE_VALUE;
}

void CFile::Remove(const std::string& path)
{
    if (!::DeleteFileA(path.c_str())) {
        LONG osError = static_cast<LONG>(::GetLastError());
        throw CFileException(CFileException::OsErrorToException(osError), osError, path);
    }
}

void CFile::ThrowLastError() const
{
    LONG osError = static_cast<LONG>(::GetLastError());
    throw CFileException(CFileException::OsErrorToException(osError), osError, m_path);
}
