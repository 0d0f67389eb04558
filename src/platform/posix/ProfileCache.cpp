#include "ProfileCache.h"

#include <ctime>

#include "HostFiles.h"

namespace {
// A transaction reads a catalogue and its staged copy in each driver folder: room for all.
constexpr size_t maxEntries = 16;
// Copies larger than this are not kept for a later read as a profile.
constexpr size_t maxLazyBytes = 1 << 20;
// File times advance in coarse ticks: a file changed less than this long ago may change
// again without its time or size showing it, so its bytes are compared instead.
constexpr long settleNanoseconds = 50'000'000;
}  // namespace

ProfileCache& ProfileCache::Instance()
{
    static ProfileCache cache;
    return cache;
}

bool ProfileCache::Identity::operator==(const Identity& o) const
{
    return dev == o.dev && ino == o.ino && size == o.size && mtime.tv_sec == o.mtime.tv_sec &&
           mtime.tv_nsec == o.mtime.tv_nsec && ctime.tv_sec == o.ctime.tv_sec && ctime.tv_nsec == o.ctime.tv_nsec;
}

bool ProfileCache::IdentityOf(const std::string& hostPath, Identity& id)
{
    struct stat st;
    if (::stat(hostPath.c_str(), &st) != 0) return false;
    id.dev = st.st_dev;
    id.ino = st.st_ino;
    id.size = st.st_size;
    id.mtime = st.st_mtim;
    id.ctime = st.st_ctim;
    return true;
}

bool ProfileCache::Settled(const Identity& id)
{
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    const timespec& changed = id.ctime.tv_sec > id.mtime.tv_sec ||
                                      (id.ctime.tv_sec == id.mtime.tv_sec && id.ctime.tv_nsec > id.mtime.tv_nsec)
                                  ? id.ctime
                                  : id.mtime;
    long long age = (static_cast<long long>(now.tv_sec) - changed.tv_sec) * 1'000'000'000LL +
                    (now.tv_nsec - changed.tv_nsec);
    return age > settleNanoseconds;
}

ProfileCache::Entry& ProfileCache::Insert(const std::string& hostPath)
{
    for (auto it = m_entries.begin(); it != m_entries.end(); ++it) {
        if (it->hostPath == hostPath) {
            m_entries.splice(m_entries.begin(), m_entries, it);
            return m_entries.front();
        }
    }
    if (m_entries.size() >= maxEntries) m_entries.pop_back();
    m_entries.emplace_front();
    m_entries.front().hostPath = hostPath;
    return m_entries.front();
}

ProfileCache::Entry* ProfileCache::Find(const std::string& hostPath)
{
    for (Entry& entry : m_entries) {
        if (entry.hostPath == hostPath) return &entry;
    }
    return nullptr;
}

bool ProfileCache::Usable(const Entry& entry, const Identity& now) const
{
    return entry.identity == now && (entry.written || Settled(now));
}

IniDocument* ProfileCache::Load(const std::string& hostPath, int& err, const std::string** bytesOut)
{
    Identity now;
    bool known = IdentityOf(hostPath, now);
    Entry& entry = Insert(hostPath);
    if (bytesOut) *bytesOut = &entry.bytes;
    if (known && Usable(entry, now)) {
        if (!entry.parsed) entry.doc.Parse(entry.bytes);
        entry.parsed = true;
        return &entry.doc;
    }
    entry.written = false;

    std::string bytes;
    if (!HostFiles::ReadAll(hostPath, bytes, err)) {
        m_entries.pop_front();
        return nullptr;
    }
    if (bytes != entry.bytes || entry.identity.size < 0 || !entry.parsed) {
        entry.doc.Parse(bytes);
        entry.bytes = std::move(bytes);
        entry.parsed = true;
    }
    entry.identity = known ? now : Identity{};
    return &entry.doc;
}

void ProfileCache::Update(const std::string& hostPath, std::string bytes)
{
    Entry& entry = Insert(hostPath);
    entry.bytes = std::move(bytes);
    entry.written = IdentityOf(hostPath, entry.identity);
    if (!entry.written) entry.identity = Identity{};
}

void ProfileCache::Forget(const std::string& hostPath)
{
    m_entries.remove_if([&](const Entry& e) { return e.hostPath == hostPath; });
}

void ProfileCache::Store(const std::string& hostPath, std::string bytes, IniDocument doc)
{
    Entry& entry = Insert(hostPath);
    entry.bytes = std::move(bytes);
    entry.doc = std::move(doc);
    entry.parsed = true;
    entry.written = IdentityOf(hostPath, entry.identity);
    if (!entry.written) entry.identity = Identity{};
}

void ProfileCache::Copied(const std::string& source, const std::string& destination, const std::string& bytes)
{
    Forget(destination);
    // An entry always holds the document of its bytes: the same bytes need no parsing again,
    // whether or not the source itself may still be trusted.
    const Entry* from = Find(source);
    if (from != nullptr && from->bytes == bytes && from->parsed) {
        IniDocument doc = from->doc;
        Store(destination, bytes, std::move(doc));
        return;
    }
    // Other text is kept unparsed until it is read as a profile; data with NUL bytes (profiles,
    // data files) is no profile file and would only push catalogues out.
    if (bytes.size() > maxLazyBytes || bytes.find('\0') != std::string::npos) return;
    Store(destination, bytes, IniDocument());
    Find(destination)->parsed = false;
}

bool ProfileCache::Trusted(const std::string& hostPath)
{
    const Entry* entry = Find(hostPath);
    Identity now;
    return entry != nullptr && IdentityOf(hostPath, now) && Usable(*entry, now);
}

void ProfileCache::Moved(const std::string& source, const std::string& destination, bool trusted)
{
    Forget(destination);
    Entry* entry = trusted ? Find(source) : nullptr;
    if (entry == nullptr) {
        Forget(source);
        return;
    }
    // A rename changes the file's change time: the identity is taken again under the new name.
    entry->hostPath = destination;
    entry->written = IdentityOf(destination, entry->identity);
    if (!entry->written) Forget(destination);
}
