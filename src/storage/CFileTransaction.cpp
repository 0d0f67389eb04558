#include "storage/CFileTransaction.h"

#include <cstring>

#include "launch/CmyException.h"
#include "platform/win32api.h"
#include "resources/resource.h"

namespace {

constexpr const char* stagedSuffix = ".stage";
constexpr const char* previousSuffix = ".prev";
// The staged copies and the journal are flushed before the moves; a move lost at a power cut
// is made again from the journal.
constexpr DWORD replaceFlags = MOVEFILE_REPLACE_EXISTING;

bool Exists(const std::string& path)
{
    const DWORD attributes = ::GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

// A read-only file cannot be replaced by a move; installed catalogues may be read-only.
bool MakeWritable(const std::string& path)
{
    const DWORD attributes = ::GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_READONLY) == 0) return true;
    const DWORD cleared = attributes & ~static_cast<DWORD>(FILE_ATTRIBUTE_READONLY);
    return ::SetFileAttributesA(path.c_str(), cleared != 0 ? cleared : FILE_ATTRIBUTE_NORMAL) != FALSE;
}

// Why a link cannot be made where the file system has none (FAT, a network share).
constexpr DWORD noLinksErrors[] = {1 /* ERROR_INVALID_FUNCTION */, 50 /* ERROR_NOT_SUPPORTED */,
                                   ERROR_NOT_SAME_DEVICE, 1142 /* ERROR_TOO_MANY_LINKS */};

bool LinksUnsupported(DWORD error)
{
    for (DWORD e : noLinksErrors) {
        if (e == error) return true;
    }
    return false;
}

// The previous version of path kept beside it, replacing an older one. A file that is only
// ever replaced by a move may keep it as a second name of the same file (nothing is copied)
// where the file system has links; a file changed in place needs a copy.
bool CopyAside(const std::string& path, bool replacedByMove)
{
    const std::string previous = path + previousSuffix;
    if (!MakeWritable(path)) return false;
    if (replacedByMove) {
        if (Exists(previous) && !(MakeWritable(previous) && ::DeleteFileA(previous.c_str()))) return false;
        if (::CreateHardLinkA(previous.c_str(), path.c_str(), nullptr)) return true;
        if (!LinksUnsupported(::GetLastError())) return false;
    }
    return MakeWritable(previous) && ::CopyFileA(path.c_str(), previous.c_str(), FALSE) && MakeWritable(previous);
}

// Whether two files hold the same bytes; false when either cannot be read.
bool SameContents(const std::string& a, const std::string& b)
{
    HANDLE files[2];
    files[0] = ::CreateFileA(a.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    files[1] = ::CreateFileA(b.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    bool same = files[0] != INVALID_HANDLE_VALUE && files[1] != INVALID_HANDLE_VALUE;
    DWORD high[2] = {0, 0};
    same = same && ::GetFileSize(files[0], &high[0]) == ::GetFileSize(files[1], &high[1]) && high[0] == high[1];
    char buffers[2][8192];
    while (same) {
        DWORD got[2] = {0, 0};
        same = ::ReadFile(files[0], buffers[0], sizeof buffers[0], &got[0], nullptr) &&
               ::ReadFile(files[1], buffers[1], sizeof buffers[1], &got[1], nullptr) && got[0] == got[1] &&
               std::memcmp(buffers[0], buffers[1], got[0]) == 0;
        if (got[0] == 0) break;
    }
    for (HANDLE file : files) {
        if (file != INVALID_HANDLE_VALUE) ::CloseHandle(file);
    }
    return same;
}

// The file's contents on the disk, not only in the system's cache.
bool Flush(const std::string& path)
{
    HANDLE file = ::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    const bool flushed = ::FlushFileBuffers(file) != FALSE;
    return ::CloseHandle(file) != FALSE && flushed;
}

}  // namespace

CFileTransaction::CFileTransaction(const std::string& failureArgument, const std::string& journalPath)
    : m_failureArgument(failureArgument), m_journal(journalPath)
{
    if (!CTransactionJournal::Recover(journalPath)) Fail();
}

CFileTransaction::~CFileTransaction()
{
    if (m_committed) return;
    PutBack();
    Discard();
    m_journal.Remove();
}

void CFileTransaction::Fail() const
{
    throw CmyException(IDS_ERR_SETTING_NOT_STORED, m_failureArgument);
}

CFileTransaction::Change* CFileTransaction::Find(const std::string& path)
{
    for (Change& change : m_changes) {
        if (change.path == path) return &change;
    }
    return nullptr;
}

bool CFileTransaction::Holds(const std::string& path) const
{
    for (const Change& change : m_changes) {
        if (change.path == path) return true;
    }
    return false;
}

std::string CFileTransaction::Stage(const std::string& path, bool keepContents)
{
    return StageCopyOf(path, keepContents ? path : std::string());
}

std::string CFileTransaction::StageCopyOf(const std::string& path, const std::string& source)
{
    if (Change* known = Find(path); known != nullptr && !known->staged.empty()) {
        // A copy due at the commit is made now, to be changed further.
        if (!known->copyOf.empty() && !MakeStaged(*known, known->copyOf)) Fail();
        known->copyOf.clear();
        return known->staged;
    }
    // Another file to copy must be there: without it the file would be removed instead.
    if (!source.empty() && source != path && !Exists(source)) throw CmyException(IDS_ERR_FILE_ACCESS, source);
    Change change{path, path + stagedSuffix, Exists(path), false, false};
    if (!MakeStaged(change, source)) Fail();
    if (Change* known = Find(path)) {
        *known = change;  // a removal turned into a replacement
    } else {
        m_changes.push_back(change);
    }
    return change.staged;
}

bool CFileTransaction::MakeStaged(const Change& change, const std::string& source)
{
    // Noted before the copy is made, so that no staged copy outlives a crash unrecorded.
    if (!m_journal.NoteStaged(change.path)) return false;
    // A copy left by an earlier run that failed is no part of this one.
    if (Exists(change.staged)) {
        MakeWritable(change.staged);
        ::DeleteFileA(change.staged.c_str());
    }
    if (source.empty() || !Exists(source)) return true;
    if (::CopyFileA(source.c_str(), change.staged.c_str(), FALSE) && MakeWritable(change.staged)) return true;
    ::DeleteFileA(change.staged.c_str());
    return false;
}

void CFileTransaction::CopyAtCommit(const std::string& path, const std::string& source)
{
    if (!Exists(source)) throw CmyException(IDS_ERR_FILE_ACCESS, source);
    Change change{path, path + stagedSuffix, Exists(path), false, false};
    change.copyOf = source;
    if (Change* known = Find(path)) {
        *known = change;
    } else {
        m_changes.push_back(change);
    }
}

void CFileTransaction::Remove(const std::string& path)
{
    if (Find(path) != nullptr) return;
    m_changes.push_back(Change{path, std::string(), Exists(path), false, false});
}

void CFileTransaction::Protect(const std::string& path)
{
    if (Find(path) != nullptr) return;
    Change change{path, std::string(), Exists(path), true, true};
    if (change.existed && !CopyAside(path, false)) Fail();
    m_changes.push_back(change);
}

void CFileTransaction::Commit()
{
    bool failed = false;
    // The copies of files as they stand now; one that would give its file the bytes it has
    // is not made.
    for (Change& change : m_changes) {
        if (change.copyOf.empty()) continue;
        if (!Exists(change.copyOf)) Abandon();
        change.unchanged = change.existed && SameContents(change.copyOf, change.path) && Flush(change.path);
        if (!change.unchanged && !MakeStaged(change, change.copyOf)) Abandon();
    }
    // A staged copy with the very bytes of its file changes nothing: it goes now, before the
    // commit mark, and the file is left alone (no previous version or move). Saving a setting
    // again leaves most files of the save as they were. The file is flushed all the same: bytes
    // written earlier outside a transaction must not go at a power cut while the rest is new.
    for (Change& change : m_changes) {
        if (change.inPlace || change.unchanged || !change.copyOf.empty() || !change.existed || change.staged.empty() ||
            !Exists(change.staged)) {
            continue;
        }
        change.unchanged = SameContents(change.staged, change.path) && Flush(change.path) &&
                           ::DeleteFileA(change.staged.c_str());
    }
    // First what can fail without changing a file: the previous versions are put aside as
    // copies, so every file stays in place until its new version replaces it.
    for (const Change& change : m_changes) {
        if (change.inPlace || change.unchanged || !change.existed || change.staged.empty()) continue;
        if (!CopyAside(change.path, true)) {
            failed = true;
            break;
        }
    }
    // The durability point: every new version on the disk, then the list of the moves.
    std::vector<CTransactionJournal::Entry> entries;
    for (Change& change : m_changes) {
        if (failed || change.inPlace || change.unchanged) continue;
        change.replaced = !change.staged.empty() && Exists(change.staged);
        if (change.replaced && !Flush(change.staged)) failed = true;
        entries.push_back({change.path, change.replaced, change.existed});
    }
    // Nothing to move (every file left alone): no commit mark to make durable.
    if (!failed && !entries.empty() && !m_journal.WriteCommit(entries)) Abandon();
    for (size_t i = 0; !failed && i < m_changes.size(); ++i) {
        Change& change = m_changes[i];
        if (change.inPlace || change.unchanged) continue;
        const std::string previous = change.path + previousSuffix;
        if (change.replaced) {
            failed = !::MoveFileExA(change.staged.c_str(), change.path.c_str(), replaceFlags);
        } else if (change.existed) {
            // A removal, or a file staged as no file and never written: it is moved aside, so
            // that it can be put back.
            failed = !::MoveFileExA(change.path.c_str(), previous.c_str(), replaceFlags);
        }
        change.done = !failed;
    }
    // A journal left behind would have the next start redo the moves: the commit is only
    // made once it is gone.
    if (failed || !m_journal.Remove()) Abandon();
    m_committed = true;
}

void CFileTransaction::Abandon()
{
    // Should the process die while the files go back, the next start takes the rest back.
    m_journal.WriteUndo();
    PutBack();
    Discard();
    m_journal.Remove();
    m_committed = true;
    Fail();
}

void CFileTransaction::PutBack()
{
    for (auto it = m_changes.rbegin(); it != m_changes.rend(); ++it) {
        if (!it->done) continue;
        if (it->existed) {
            ::MoveFileExA((it->path + previousSuffix).c_str(), it->path.c_str(), replaceFlags);
        } else if (Exists(it->path)) {
            ::DeleteFileA(it->path.c_str());
        }
        it->done = false;
    }
}

void CFileTransaction::Discard()
{
    for (const Change& change : m_changes) {
        if (!change.staged.empty() && Exists(change.staged)) ::DeleteFileA(change.staged.c_str());
    }
}
