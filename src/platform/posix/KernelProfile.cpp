// kernel32 profile strings: GetPrivateProfileStringA and WritePrivateProfileStringA with the
// Windows rules for trimming, quotes, defaults, name lists and return lengths.
#include <sys/stat.h>

#include <cstring>

#include "HostFiles.h"
#include "IniDocument.h"
#include "LastError.h"
#include "MachineState.h"
#include "ProfileCache.h"
#include "ReadSwap.h"
#include "TextUtil.h"
#include "platform/win32api.h"

namespace {

// A profile named without any folder lives in the Windows folder; any other name is a
// path, relative ones taken against the current directory.
std::string ProfilePath(const MachineState& state, LPCSTR file)
{
    std::string name = file ? file : "win.ini";
    if (name.find_first_of("\\/") == std::string::npos) return state.Machine().windowsFolder + "\\" + name;
    return name;
}

std::string StripQuotes(const std::string& value)
{
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        return value.substr(1, value.size() - 2);
    return value;
}

DWORD CopyValue(const std::string& value, LPSTR buffer, DWORD size)
{
    size_t n = std::min<size_t>(value.size(), size - 1);
    std::memcpy(buffer, value.data(), n);
    buffer[n] = '\0';
    return static_cast<DWORD>(n);
}

// NUL-separated names ended by an extra NUL. When they do not fit, the list is cut at
// size - 2 characters and closed by two NULs, and size - 2 is returned. A list that would
// fill the buffer to its last byte counts as cut, as the real API counts it.
DWORD CopyList(const std::vector<std::string>& names, LPSTR buffer, DWORD size)
{
    std::string list;
    for (const std::string& name : names) {
        list += name;
        list += '\0';
    }
    if (list.size() + 2 <= size) {
        std::memcpy(buffer, list.data(), list.size());
        buffer[list.size()] = '\0';
        if (list.empty() && size > 1) buffer[1] = '\0';
        return static_cast<DWORD>(list.size());
    }
    if (size < 2) {
        buffer[0] = '\0';
        return 0;
    }
    std::memcpy(buffer, list.data(), size - 2);
    buffer[size - 2] = '\0';
    buffer[size - 1] = '\0';
    return size - 2;
}

}  // namespace

extern "C" DWORD GetPrivateProfileStringA(LPCSTR section, LPCSTR key, LPCSTR defaultValue, LPSTR buffer,
                                          DWORD size, LPCSTR file)
{
    MachineState& state = MachineState::Instance();
    MachineLock lock(state.Mutex());
    if (!buffer || size == 0) return 0;

    static const IniDocument empty;
    const IniDocument* doc = nullptr;
    PathMapper::Resolved r = state.Paths().Resolve(ProfilePath(state, file));
    if (r.exists && !r.isDirectory) {
        int err = 0;
        doc = ProfileCache::Instance().Load(r.host, err);
    }
    if (!doc) {
        LastError::Set(ERROR_FILE_NOT_FOUND);
        doc = &empty;
    }

    DWORD copied = 0;
    std::string fallback = StripQuotes(TextUtil::TrimRight(defaultValue ? defaultValue : ""));
    if (!section) {
        copied = CopyList(doc->SectionNames(), buffer, size);
    } else if (!key) {
        std::vector<std::string> keys = doc->KeyNames(TextUtil::Trim(section));
        // A missing or empty section gives the default, as a value would.
        copied = keys.empty() ? CopyValue(fallback, buffer, size) : CopyList(keys, buffer, size);
    } else {
        std::optional<std::string> value = doc->Value(TextUtil::Trim(section), TextUtil::Trim(key));
        copied = CopyValue(value ? StripQuotes(*value) : fallback, buffer, size);
    }
    if (doc != &empty) ReadSwap::Instance().Read(r.host);
    return copied;
}

extern "C" BOOL WritePrivateProfileStringA(LPCSTR section, LPCSTR key, LPCSTR value, LPCSTR file)
{
    MachineState& state = MachineState::Instance();
    MachineLock lock(state.Mutex());
    if (!section) return FALSE;

    PathMapper::Resolved r = state.Paths().Resolve(ProfilePath(state, file));
    if (r.error) return LastError::Fail(r.error, FALSE);
    if (r.exists && r.isDirectory) return LastError::Fail(ERROR_ACCESS_DENIED, FALSE);
    bool removing = !key || !value;
    if (!r.exists) {
        if (removing) return LastError::Fail(ERROR_FILE_NOT_FOUND, TRUE);  // nothing to remove
        if (!r.parentExists) return LastError::Fail(ERROR_PATH_NOT_FOUND, FALSE);
    } else {
        struct stat st;
        if (::stat(r.host.c_str(), &st) == 0 && HostFiles::IsReadOnly(st))
            return LastError::Fail(ERROR_ACCESS_DENIED, FALSE);
    }

    ProfileCache& cache = ProfileCache::Instance();
    const std::string* original = nullptr;
    IniDocument fresh;
    IniDocument* doc = &fresh;
    if (r.exists) {
        int err = 0;
        doc = cache.Load(r.host, err, &original);
        if (!doc) return LastError::Fail(HostFiles::ErrorOf(err), FALSE);
    }
    std::string sectionName = TextUtil::Trim(section);
    if (!key)
        doc->DeleteSection(sectionName);
    else if (!value)
        doc->DeleteKey(sectionName, TextUtil::Trim(key));
    else
        doc->SetValue(sectionName, TextUtil::Trim(key), TextUtil::Trim(value));
    std::string updated = doc->Serialize();
    if (original && updated == *original) return TRUE;
    int err = 0;
    if (!HostFiles::Replace(r.host, updated, err, &state.Faults())) {
        cache.Forget(r.host);
        return LastError::Fail(HostFiles::ErrorOf(err, r.parentExists), FALSE);
    }
    if (r.exists)
        cache.Update(r.host, std::move(updated));
    else
        cache.Store(r.host, std::move(updated), std::move(fresh));
    return TRUE;
}
