// A private copy of a setting file and of the data files of its settings. A setting file lies
// where others can change it (a share, a stick), so each of its files is read once, bounded in
// size, into a work folder of our own; the import checks that copy and stores from it, and a
// file changed after the check is never used.
#pragma once

#include <string>
#include <vector>

#include "platform/win32api.h"

class CSettingFileCopy {
public:
    // Largest profile file taken from a setting folder.
    static constexpr size_t maxProfileSize = 1u << 20;
    // Data files hold a few hundred bytes; a larger one is copied only as far as the check
    // needs to refuse it.
    static constexpr size_t maxDataSize = 4096;

    CSettingFileCopy() = default;
    ~CSettingFileCopy();  // removes the work folder, if still there
    CSettingFileCopy(const CSettingFileCopy&) = delete;
    CSettingFileCopy& operator=(const CSettingFileCopy&) = delete;

    // Reads settingFile and every data file it names into a new work folder and checks the
    // copied catalogue. 0 when the copy can be used, else the id of the message that says why
    // (and in argument, when given, the name the message names).
    UINT Take(const std::string& settingFile, std::string* argument = nullptr);

    // The checked copy of the setting file (empty unless Take succeeded); the data files lie
    // beside it under their names.
    const std::string& GetSettingFile() const { return m_settingFile; }
    // Reads the file fileName of the setting folder the copy was taken from, once; false when
    // it is missing, unreadable or larger than maxProfileSize.
    bool ReadSourceFile(const std::string& fileName, std::string& bytes) const;

    // Removes the work folder; false when any of it could not be removed.
    bool Remove();

    // Reads at most limit + 1 bytes of path into bytes (more than limit: the file is larger);
    // false when the file cannot be opened or read.
    static bool ReadAtMost(const std::string& path, size_t limit, std::string& bytes);

private:
    bool MakeWorkFolder();
    bool WriteWorkFile(const std::string& name, const std::string& bytes);
    // Copies the data file of every setting the copied catalogue lists; false when one exists
    // but cannot be read or copied.
    bool CopyDataFiles();

    std::string m_sourceFolder;
    std::string m_workFolder;
    std::string m_settingFile;
    std::vector<std::string> m_workFiles;
};
