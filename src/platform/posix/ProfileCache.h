// Parsed profile files kept between calls, as the real profile API keeps them: a catalogue
// is read key by key, and parsing the whole file again for every key would dominate.
// An entry is used only while the file is provably the one that was parsed: one this layer
// wrote itself (a new file renamed into place, whose identity it took at once, and that nobody
// opened for writing since), or one whose identity has not changed for longer than file times
// can hide a change.
#pragma once

#include <sys/stat.h>

#include <list>
#include <string>

#include "IniDocument.h"

#pragma GCC visibility push(hidden)

class ProfileCache {
public:
    static ProfileCache& Instance();

    // The parsed file at hostPath, or null when it cannot be read (err is set then). A
    // writer may edit the document in place and must then call Update or Forget.
    IniDocument* Load(const std::string& hostPath, int& err, const std::string** bytes = nullptr);
    // The edited document of hostPath was just written as bytes.
    void Update(const std::string& hostPath, std::string bytes);
    // Records a file just written that was not loaded before.
    void Store(const std::string& hostPath, std::string bytes, IniDocument doc);
    void Forget(const std::string& hostPath);
    // The file at hostPath is opened for writing in place: what was parsed may change unseen.
    void Opened(const std::string& hostPath) { Forget(hostPath); }
    void Clear() { m_entries.clear(); }

private:
    struct Identity {
        dev_t dev = 0;
        ino_t ino = 0;
        off_t size = -1;
        timespec mtime{};
        timespec ctime{};
        bool operator==(const Identity& o) const;
    };
    struct Entry {
        std::string hostPath;
        Identity identity;
        std::string bytes;
        IniDocument doc;
        bool written = false;  // identity taken right after this layer wrote the file
    };
    static bool IdentityOf(const std::string& hostPath, Identity& id);
    static bool Settled(const Identity& id);
    Entry& Insert(const std::string& hostPath);

    std::list<Entry> m_entries;  // most recently used first
};

#pragma GCC visibility pop
