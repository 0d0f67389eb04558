// A fresh folder under the system's temporary folder, removed with everything in it when the
// object goes. Both targets: it works through the Win32 file calls only.
//
//   TempFolder folder("tvfileapi");
//   ASSERT_TRUE(folder.Made());
//   folder.Put("a.txt", "bytes");          // folder.Path() ends with a backslash
#pragma once

#include <string>

class TempFolder {
public:
    explicit TempFolder(const std::string& prefix);
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    bool Made() const { return !m_path.empty(); }
    const std::string& Path() const { return m_path; }
    // Writes a file of the folder; false when it cannot be written.
    bool Put(const std::string& name, const std::string& bytes) const;
    // The bytes of a file of the folder, or missing when it cannot be opened.
    std::string Read(const std::string& name, const std::string& missing = {}) const;

    // Deletes folder with its files and sub-folders, read-only files included.
    static void RemoveTree(const std::string& folder);
    // path with one final backslash.
    static std::string WithSlash(std::string path);

private:
    std::string m_path;
};
