// A set of file changes that take effect together or not at all. Changes are made to staged
// copies beside the files; Commit moves them over the files one by one and, should a move
// fail, moves the earlier files' previous versions back. A journal (CTransactionJournal) names
// every staged file and, before the first move, every change: a process that dies at any point
// leaves the old files or the new ones once the next transaction or Recover has run.
//
// The previous version of each replaced or removed file stays beside it as "<file>.prev".
// Removing it after the commit would be one more write that could fail once the change was
// already made; the next commit of that file replaces it.
#pragma once

#include <string>
#include <vector>

#include "storage/CTransactionJournal.h"

class CFileTransaction {
public:
    // Every failure raises IDS_ERR_SETTING_NOT_STORED with failureArgument. What an earlier
    // process left in the journal is finished or taken back first; when that cannot be done
    // the transaction fails at once.
    explicit CFileTransaction(const std::string& failureArgument,
                              const std::string& journalPath = CTransactionJournal::UtilityJournalPath());
    // A transaction that was not committed removes its staged copies: nothing changed.
    ~CFileTransaction();
    CFileTransaction(const CFileTransaction&) = delete;
    CFileTransaction& operator=(const CFileTransaction&) = delete;

    // The staged copy of path, to be changed instead of path: a copy of it (or no file when
    // path does not exist), or with keepContents false no file at all, for a file written
    // whole. A path staged again gives the same copy.
    std::string Stage(const std::string& path, bool keepContents = true);
    // As Stage, but the staged copy starts as a copy of source, which must exist (raises
    // IDS_ERR_FILE_ACCESS with source otherwise).
    std::string StageCopyOf(const std::string& path, const std::string& source);
    // path becomes at Commit a copy of source as source is then (a staged copy of this
    // transaction or any file); no copy is made when path already holds those bytes. Raises
    // IDS_ERR_FILE_ACCESS with source when source does not exist.
    void CopyAtCommit(const std::string& path, const std::string& source);
    // path goes at Commit (nothing when it does not exist).
    void Remove(const std::string& path);
    // Whether path is part of the transaction.
    bool Holds(const std::string& path) const;

    // path is changed in place by others (files written by a library): its present version is
    // put aside now and put back unless the transaction is committed. The journal does not
    // cover it: after a crash the changed file stays; stage such files where possible.
    void Protect(const std::string& path);

    // Makes every change, or leaves every file as it was when one of them cannot be made. Each
    // staged copy is flushed once, then the journal, before the first move; a staged copy
    // identical to its file is dropped instead and the file left as it is.
    void Commit();

private:
    struct Change {
        std::string path;
        std::string staged;  // empty: path is removed
        bool existed = false;
        bool done = false;
        bool inPlace = false;  // protected: changed by others, put back when not committed
        bool replaced = false;  // at the commit: the staged copy was written
        bool unchanged = false;  // at the commit: the staged copy held the file's bytes and went
        std::string copyOf{};    // the staged copy is made at the commit, from this file
    };

    Change* Find(const std::string& path);
    // Notes the staged copy in the journal and makes it: a copy of source, or no file when
    // source is empty or missing. False when it cannot be made.
    bool MakeStaged(const Change& change, const std::string& source);
    void PutBack();
    void Discard();
    // Takes back whatever a failed commit did and raises the failure.
    [[noreturn]] void Abandon();

    [[noreturn]] void Fail() const;

    std::string m_failureArgument;
    std::vector<Change> m_changes;
    CTransactionJournal m_journal;
    bool m_committed = false;
};
