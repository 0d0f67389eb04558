// The temporary ICC profile a test print leaves behind: its file and its entry
// ("Temporary"/"ICCData") in the driver's setting catalogue.
#pragma once

#include <string>

class CTemporaryIcc {
public:
    // Deletes the file the entry names, then the entry. Nothing happens when the catalogue
    // or the entry is missing; a file that cannot be deleted is left, its entry still removed.
    static void Remove(const std::string& catalogPath);
};
