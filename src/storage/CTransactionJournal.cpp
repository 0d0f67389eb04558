#include "storage/CTransactionJournal.h"

#include "storage/CFileAcc.h"

namespace {

constexpr const char* journalName = "Transaction.jnl";
constexpr const char* utilityFolder = "\\Tintora\\";
constexpr const char* stagedSuffix = ".stage";
constexpr const char* previousSuffix = ".prev";
// Kinds of line: a staged file, a replacement, a removal, the commit and the undo marks.
constexpr char stagedLine = 'S';
constexpr char replacedLine = 'R';
constexpr char removedLine = 'D';
constexpr char commitLine = 'C';
constexpr char undoLine = 'U';

bool Exists(const std::string& path)
{
    const DWORD attributes = ::GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool Move(const std::string& from, const std::string& to)
{
    return ::MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING) != FALSE;
}

bool DeleteIfThere(const std::string& path)
{
    return !Exists(path) || ::DeleteFileA(path.c_str()) != FALSE;
}

bool ReadWhole(const std::string& path, std::string& text)
{
    HANDLE file = ::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    char buffer[4096];
    DWORD got = 0;
    bool ok = true;
    while ((ok = ::ReadFile(file, buffer, sizeof buffer, &got, nullptr) != FALSE) && got > 0) text.append(buffer, got);
    ::CloseHandle(file);
    return ok;
}

// What a journal says, line by line.
struct Record {
    std::vector<std::string> staged;
    std::vector<CTransactionJournal::Entry> entries;
    bool committed = false;
    bool undone = false;
};

Record Parse(const std::string& text)
{
    Record record;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        // A line the process did not finish writing is no part of the record.
        if (end == std::string::npos) break;
        std::string line = text.substr(start, end - start);
        start = end + 1;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty()) continue;
        if (line[0] == commitLine) record.committed = true;
        if (line[0] == undoLine) record.undone = true;
        if (line[0] == stagedLine && line.size() > 2) record.staged.push_back(line.substr(2));
        if ((line[0] == replacedLine || line[0] == removedLine) && line.size() > 4) {
            record.entries.push_back({line.substr(4), line[0] == replacedLine, line[2] == '1'});
        }
    }
    return record;
}

// The commit went through its list: every file not moved yet is moved now.
bool Finish(const Record& record)
{
    bool done = true;
    for (const CTransactionJournal::Entry& entry : record.entries) {
        const std::string staged = entry.path + stagedSuffix;
        if (entry.replaced) {
            if (Exists(staged)) done = Move(staged, entry.path) && done;
        } else if (entry.existed && Exists(entry.path)) {
            done = Move(entry.path, entry.path + previousSuffix) && done;
        }
    }
    return done;
}

// The commit failed and was being taken back: every file moved goes back, last first.
bool TakeBack(const Record& record)
{
    bool done = true;
    for (auto it = record.entries.rbegin(); it != record.entries.rend(); ++it) {
        const std::string staged = it->path + stagedSuffix;
        const std::string previous = it->path + previousSuffix;
        if (it->replaced && Exists(staged)) continue;  // never moved; discarded below
        if (it->existed) {
            if (!Exists(previous)) continue;  // already put back
            if (it->replaced || !Exists(it->path)) done = Move(previous, it->path) && done;
        } else if (it->replaced) {
            done = DeleteIfThere(it->path) && done;
        }
    }
    return done;
}

}  // namespace

std::string CTransactionJournal::UtilityJournalPath()
{
    return CFileAcc().BuildPath(journalName, utilityFolder);
}

CTransactionJournal::~CTransactionJournal()
{
    if (m_file != INVALID_HANDLE_VALUE) ::CloseHandle(m_file);
}

bool CTransactionJournal::Append(const std::string& text, bool flush)
{
    if (m_file == INVALID_HANDLE_VALUE) {
        // The utility folder is made with the first data folder; a bare machine may lack it.
        std::string folder = CFileAcc::GetFolderPart(m_path);
        if (!folder.empty()) folder.pop_back();
        if (!m_started && !folder.empty() && ::GetFileAttributesA(folder.c_str()) == INVALID_FILE_ATTRIBUTES) {
            ::CreateDirectoryA(folder.c_str(), nullptr);
        }
        // A journal that could not be removed is written on, never begun again.
        m_file = ::CreateFileA(m_path.c_str(), GENERIC_WRITE, 0, nullptr, m_started ? OPEN_EXISTING : CREATE_ALWAYS,
                               FILE_ATTRIBUTE_NORMAL, nullptr);
        if (m_file == INVALID_HANDLE_VALUE) return false;
        m_started = true;
        if (::SetFilePointer(m_file, 0, nullptr, FILE_END) == INVALID_SET_FILE_POINTER) return false;
    }
    DWORD written = 0;
    if (!::WriteFile(m_file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr) ||
        written != text.size()) {
        return false;
    }
    return !flush || ::FlushFileBuffers(m_file) != FALSE;
}

bool CTransactionJournal::NoteStaged(const std::string& path)
{
    return Append(std::string(1, stagedLine) + "|" + path + "\r\n", false);
}

bool CTransactionJournal::WriteCommit(const std::vector<Entry>& entries)
{
    std::string text;
    for (const Entry& entry : entries) {
        text += entry.replaced ? replacedLine : removedLine;
        text += entry.existed ? "|1|" : "|0|";
        text += entry.path + "\r\n";
    }
    text += std::string(1, commitLine) + "\r\n";
    return Append(text, true);
}

bool CTransactionJournal::WriteUndo()
{
    return Append(std::string(1, undoLine) + "\r\n", true);
}

bool CTransactionJournal::Remove()
{
    if (m_file != INVALID_HANDLE_VALUE) {
        ::CloseHandle(m_file);
        m_file = INVALID_HANDLE_VALUE;
    }
    return DeleteIfThere(m_path);
}

bool CTransactionJournal::Recover(const std::string& path)
{
    if (!Exists(path)) return true;
    std::string text;
    if (!ReadWhole(path, text)) return false;
    const Record record = Parse(text);
    bool done = true;
    if (record.committed && !record.undone) done = Finish(record);
    if (record.committed && record.undone) done = TakeBack(record);
    // Staged copies of a transaction that never committed, or that was taken back, are stale.
    for (const std::string& staged : record.staged) done = DeleteIfThere(staged + stagedSuffix) && done;
    return done && ::DeleteFileA(path.c_str()) != FALSE;
}
