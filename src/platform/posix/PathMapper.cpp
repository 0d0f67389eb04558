#include "PathMapper.h"

#include <dirent.h>
#include <sys/stat.h>

#include <cctype>
#include <cstring>

#include "MachineDescription.h"
#include "TextUtil.h"

PathMapper::PathMapper(const MachineDescription& machine, std::string currentDirectory)
    : m_machine(machine), m_current(std::move(currentDirectory))
{
}

std::string PathMapper::FullPath(std::string_view input) const
{
    std::string path(input);
    for (char& c : path)
        if (c == '/') c = '\\';
    if (path.rfind("\\\\?\\", 0) == 0) path = path.substr(4);
    if (path.empty() || path.rfind("\\\\", 0) == 0) return {};

    char drive = 0;
    std::string rest;
    if (path.size() >= 2 && path[1] == ':' && std::isalpha(static_cast<unsigned char>(path[0]))) {
        drive = static_cast<char>(std::toupper(static_cast<unsigned char>(path[0])));
        rest = path.substr(2);
        if (rest.empty() || rest[0] != '\\') {
            // "C:name" is relative to the current folder when it is on that drive.
            bool sameDrive = m_current.size() >= 2 && std::toupper(static_cast<unsigned char>(m_current[0])) == drive;
            rest = (sameDrive ? m_current.substr(2) : std::string()) + "\\" + rest;
        }
    } else if (path[0] == '\\') {
        if (m_current.size() < 2) return {};
        drive = static_cast<char>(std::toupper(static_cast<unsigned char>(m_current[0])));
        rest = path;
    } else {
        if (m_current.size() < 2) return {};
        drive = static_cast<char>(std::toupper(static_cast<unsigned char>(m_current[0])));
        rest = m_current.substr(2) + "\\" + path;
    }

    std::vector<std::string> parts;
    for (const std::string& raw : TextUtil::Split(rest, '\\')) {
        std::string part = raw;
        if (part == ".") continue;
        if (part == "..") {
            if (!parts.empty()) parts.pop_back();
            continue;
        }
        // Windows drops trailing dots and spaces of a name.
        while (!part.empty() && (part.back() == '.' || part.back() == ' ')) part.pop_back();
        if (part.empty()) continue;
        parts.push_back(part);
    }
    // Split() trims blanks; a leading blank of a name is kept by Windows, but names here
    // never start with one in practice.
    std::string out = std::string(1, drive) + ":\\";
    for (size_t i = 0; i < parts.size(); ++i) {
        if (i) out += '\\';
        out += parts[i];
    }
    return out;
}

std::string PathMapper::JoinHost(const std::string& folder, const std::string& name)
{
    if (folder.empty() || folder.back() == '/') return folder + name;
    return folder + "/" + name;
}

std::string PathMapper::FindNoCase(const std::string& folder, const std::string& name)
{
    struct stat st;
    if (::stat(JoinHost(folder, name).c_str(), &st) == 0) return name;
    return ScanNoCase(folder, name);
}

std::string PathMapper::ScanNoCase(const std::string& folder, const std::string& name)
{
    DIR* dir = opendir(folder.c_str());
    if (!dir) return {};
    std::string best;
    while (dirent* entry = readdir(dir)) {
        if (TextUtil::EqualNoCase(entry->d_name, name) && (best.empty() || std::strcmp(entry->d_name, best.c_str()) < 0))
            best = entry->d_name;
    }
    closedir(dir);
    return best;
}

PathMapper::Resolved PathMapper::Resolve(std::string_view input, bool allowWildcards) const
{
    Resolved r;
    r.windowsPath = FullPath(input);
    if (r.windowsPath.empty()) {
        r.error = 3;
        return r;
    }
    std::vector<std::string> parts = TextUtil::Split(std::string_view(r.windowsPath).substr(3), '\\');
    for (size_t i = 0; i < parts.size(); ++i) {
        bool last = i + 1 == parts.size();
        const char* bad = (last && allowWildcards) ? "<>:\"|" : "<>:\"|?*";
        if (parts[i].find_first_of(bad) != std::string::npos) {
            r.error = 123;
            return r;
        }
    }
    auto drive = m_machine.drives.find(r.windowsPath[0]);
    if (drive == m_machine.drives.end()) {
        r.error = 3;
        return r;
    }

    std::string host = drive->second;
    struct stat st;
    if (!parts.empty()) {
        std::string parent = host;
        for (size_t i = 0; i + 1 < parts.size(); ++i) parent = JoinHost(parent, parts[i]);
        const std::string& name = parts.back();
        const bool pattern = allowWildcards && TextUtil::HasWildcard(name);
        // Fast path: the path exists exactly as written, so every folder above it does too.
        if (!pattern && ::stat(JoinHost(parent, name).c_str(), &st) == 0) {
            r.host = JoinHost(parent, name);
            r.hostParent = parent;
            r.lastName = name;
            r.parentExists = true;
            r.exists = true;
            r.isDirectory = S_ISDIR(st.st_mode);
            return r;
        }
        // The folder exists as written (files about to be made, names probed): only the last
        // name is looked for in another case.
        if (::stat(parent.c_str(), &st) == 0 && S_ISDIR(st.st_mode)) {
            r.hostParent = parent;
            r.parentExists = true;
            r.lastName = pattern ? std::string() : ScanNoCase(parent, name);
            r.exists = !r.lastName.empty();
            if (!r.exists) r.lastName = name;
            r.host = JoinHost(parent, r.lastName);
            r.isDirectory = r.exists && ::stat(r.host.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
            return r;
        }
    }
    bool ok = ::stat(host.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
    r.isRoot = parts.empty();
    if (parts.empty()) {
        r.host = host;
        r.hostParent = host;
        r.parentExists = ok;
        r.exists = ok;
        r.isDirectory = ok;
        return r;
    }
    bool missing = !ok;
    for (size_t i = 0; i < parts.size(); ++i) {
        bool last = i + 1 == parts.size();
        if (last) {
            r.hostParent = host;
            r.parentExists = !missing;
        }
        std::string name = parts[i];
        if (!missing && !(last && allowWildcards && TextUtil::HasWildcard(name))) {
            std::string found = FindNoCase(host, name);
            if (!found.empty()) {
                name = found;
                host = JoinHost(host, name);
                bool isDir = ::stat(host.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
                if (last) {
                    r.exists = true;
                    r.isDirectory = isDir;
                } else if (!isDir) {
                    missing = true;
                }
            } else {
                host = JoinHost(host, name);
                missing = true;
            }
        } else {
            host = JoinHost(host, name);
        }
        if (last) r.lastName = name;
    }
    r.host = host;
    return r;
}
