// Parsed profile files kept between calls, as the real profile API keeps them: a catalogue
// is read key by key, and parsing the whole file again for every key would dominate.
// An entry is used only while the file is provably the one that was parsed: one this layer
// wrote itself (a new file renamed into place, whose identity it took at once, and that nobody
// wrote in place since), or one whose identity has not changed for longer than file times
// can hide a change. Copies and moves made by this layer carry a trusted entry over to the
// new name, so a staged copy of a catalogue is not read again for every key.
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
    // destination was just published as a copy of bytes read from source: it is known as a
    // file this layer wrote, with the document parsed from the same bytes where there is one.
    void Copied(const std::string& source, const std::string& destination, const std::string& bytes);
    // Whether the entry of hostPath may be used without reading the file; asked before a move.
    bool Trusted(const std::string& hostPath);
    // source was renamed to destination; a source trusted just before keeps its entry there.
    void Moved(const std::string& source, const std::string& destination, bool trusted);
    // The file at hostPath is written in place: what was parsed may change unseen.
    void ChangedInPlace(const std::string& hostPath) { Forget(hostPath); }
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
        bool parsed = true;    // doc holds bytes parsed; a copy is parsed when first read
    };
    static bool IdentityOf(const std::string& hostPath, Identity& id);
    static bool Settled(const Identity& id);
    Entry& Insert(const std::string& hostPath);
    Entry* Find(const std::string& hostPath);
    bool Usable(const Entry& entry, const Identity& now) const;

    std::list<Entry> m_entries;  // most recently used first
};

#pragma GCC visibility pop
