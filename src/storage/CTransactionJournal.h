// The record that carries a CFileTransaction over a crash. While a transaction stages its
// files, each one is noted; before the first file is moved, the whole list is written with a
// commit mark and flushed. The next process to use the stored settings reads what is left:
// without the commit mark the staged copies are discarded (nothing had changed); with it the
// moves are finished; with the undo mark of a commit that failed the previous versions go back.
// Staged copies are always "<file>.stage" and previous versions "<file>.prev".
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "platform/win32api.h"

class CTransactionJournal {
public:
    struct Entry {
        std::string path;
        bool replaced = false;  // replaced by its staged copy; otherwise removed
        bool existed = false;   // the file was there before the commit
    };

    // "Transaction.jnl" in the utility folder beside the host program.
    static std::string UtilityJournalPath();

    explicit CTransactionJournal(std::string path) : m_path(std::move(path)) {}
    ~CTransactionJournal();
    CTransactionJournal(const CTransactionJournal&) = delete;
    CTransactionJournal& operator=(const CTransactionJournal&) = delete;

    // path gets a staged copy: should the process end before the commit, it is discarded.
    bool NoteStaged(const std::string& path);
    // Everything the commit does, flushed: from now on the next start finishes it.
    bool WriteCommit(const std::vector<Entry>& entries);
    // A commit that failed is being taken back: the next start finishes taking it back.
    bool WriteUndo();
    // The transaction is over, made or taken back: the journal goes.
    bool Remove();

    // Finishes or takes back what a transaction left at path. true when no journal is left.
    static bool Recover(const std::string& path = UtilityJournalPath());

private:
    bool Append(const std::string& text, bool flush);

    std::string m_path;
    HANDLE m_file = INVALID_HANDLE_VALUE;
    bool m_started = false;
};
