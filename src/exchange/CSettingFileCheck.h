// Checks a setting file before an import reads anything from it. A setting file comes from
// outside (another computer, a mail, a stick), so it is taken only when every entry is of the
// form this utility writes: bounded counts, identifiers that make plain file names, names that
// are safe as catalogue values and keys, table texts that decode, and data files of the right
// class.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "launch/CmyStringArray.h"
#include "platform/win32api.h"

class CSettingFileCheck {
public:
    static constexpr DWORD maxFileSize = 1u << 20;
    static constexpr size_t maxNameLength = 32;
    static constexpr size_t maxTableBytes = 0x8000;

    // 0 when the catalogue of the setting file can be used, else the id of the message to show
    // and, when given, its argument: IDS_ERR_NAME_OF_DEFAULT_SETTING with the name for a setting
    // name in quotes (stored, it would read back without them), IDS_ERR_FILE_ACCESS for
    // anything else.
    static UINT CheckCatalog(const std::string& settingFile, std::string* argument = nullptr);
    // 0 when the data file of the setting (kind 1 colour, 2 gamma) is missing or holds a
    // setting object of its kind; else the id of the message to show. Only for a file that
    // passed CheckCatalog.
    static UINT CheckDataFile(const std::string& settingFile, const std::string& name, int kind);
    // As CheckDataFile, for the setting's data file name as the catalogue gives it (empty: the
    // setting is not in the catalogue).
    static UINT CheckDataFileNamed(const std::string& settingFile, const std::string& fileName,
                                   const std::string& name, int kind);

    static bool IsSafeName(const std::string& name);
    // Both texts upper- or lower-case hexadecimal of even length, T not empty, V at least as
    // long as T.
    static bool AreTablesReadable(const std::string& tText, const std::string& vText);
    // Both texts decode to exactly size bytes: the length the model's module computes.
    static bool AreTablesOfSize(const std::string& tText, const std::string& vText, int size);
    // 0 when the tables of every named setting (kinds 1 colour, 2 gamma, one per name) in
    // settingFile are of the size sizeOfKind gives for its kind; else the id of the message to
    // show. sizeOfKind is asked only for the kinds named.
    static UINT CheckTableSizes(const std::string& settingFile, const CmyStringArray& names,
                                const std::vector<int>& kinds, const std::function<int(int kind)>& sizeOfKind);
    // A plain decimal number without sign or leading zeros, at most maxDigits digits.
    static bool IsPlainNumber(const std::string& text, size_t maxDigits);
};
