#ifndef _WIN32

#include "support/SimMachine.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "platform/posix/Simulation.h"

namespace {

std::string Join(const std::vector<std::string>& parts, char separator)
{
    std::string out;
    for (size_t i = 0; i < parts.size(); ++i) {
        if (i) out += separator;
        out += parts[i];
    }
    return out;
}

}  // namespace

SimMachine::SimMachine()
{
    const char* tmp = std::getenv("TMPDIR");
    std::string pattern = std::string(tmp && *tmp ? tmp : "/tmp") + "/tvsim.XXXXXX";
    std::vector<char> buffer(pattern.begin(), pattern.end());
    buffer.push_back('\0');
    if (!mkdtemp(buffer.data())) throw std::runtime_error("mkdtemp failed");
    m_root = buffer.data();
    std::filesystem::create_directories(m_root + "/c/Host");
    std::filesystem::create_directories(m_root + "/c/Windows/Temp");

    Set("Machine", "ComputerName", "TESTPC");
    Set("Machine", "ExePath", "C:\\Host\\host.exe");
    Set("Machine", "CurrentDirectory", "C:\\Host");
    Set("Machine", "Administrator", "1");
    Set("Machine", "UILanguage", "0x0409");
    Set("Machine", "LibraryPath", TAVREL_BIN_DIR);
    Set("Machine", "WindowsFolder", "C:\\Windows");
    Set("Machine", "TempPath", "C:\\Windows\\Temp\\");
    Set("OsVersion", "PlatformId", "2");
    Set("OsVersion", "MajorVersion", "10");
    Set("OsVersion", "MinorVersion", "0");
    Set("OsVersion", "BuildNumber", "19041");
    Set("OsVersion", "CSDVersion", "");
    Set("Drives", "C", m_root + "/c");
    Set("Drives", "Z", "/");
    InstallLibraries(TAVREL_BIN_DIR);
    Apply();
}

namespace {

std::string Lower(std::string text)
{
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

bool EndsWith(const std::string& text, const std::string& end)
{
    return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

}  // namespace

std::string SimMachine::LibraryFolderOf(const std::string& fileName) const
{
    const std::string name = Lower(fileName);
    if (name == "hhctrl.ocx") return m_root + "/c/Windows/System32";
    return EndsWith(name, ".dll") ? m_root + "/c/Host" : std::string();
}

void SimMachine::InstallLibraries(const std::string& hostFolder) const
{
    std::error_code ignored;
    for (const auto& entry : std::filesystem::directory_iterator(hostFolder, ignored)) {
        const std::string name = entry.path().filename().string();
        const std::string folder = LibraryFolderOf(name);
        if (folder.empty() || !entry.is_regular_file(ignored)) continue;
        std::filesystem::create_directories(folder);
        std::filesystem::remove(folder + "/" + name, ignored);
        std::filesystem::create_symlink(entry.path(), folder + "/" + name);
    }
}

void SimMachine::RemoveLibraries() const
{
    std::error_code ignored;
    for (const std::string& folder : {m_root + "/c/Host", m_root + "/c/Windows/System32"}) {
        for (const auto& entry : std::filesystem::directory_iterator(folder, ignored)) {
            if (LibraryFolderOf(entry.path().filename().string()) == folder) std::filesystem::remove(entry.path(), ignored);
        }
    }
}

SimMachine::~SimMachine()
{
    std::error_code ignored;
    std::filesystem::remove_all(m_root, ignored);
    unsetenv("TAVREL_MACHINE");
    SimMachineReload();
}

void SimMachine::Set(const std::string& section, const std::string& key, const std::string& value)
{
    for (auto& [name, entries] : m_sections) {
        if (name != section) continue;
        for (auto& entry : entries) {
            if (entry.first == key) {
                entry.second = value;
                return;
            }
        }
        entries.emplace_back(key, value);
        return;
    }
    m_sections.push_back({section, {{key, value}}});
}

void SimMachine::AddDriver(const SimDriver& driver)
{
    m_drivers.push_back(driver);
}

void SimMachine::AddPrinter(const SimPrinter& printer)
{
    m_printers.push_back(printer);
}

void SimMachine::Apply()
{
    std::ostringstream text;
    for (const auto& [name, entries] : m_sections) {
        text << "[" << name << "]\n";
        for (const auto& [key, value] : entries) text << key << "=" << value << "\n";
        text << "\n";
    }
    for (const SimDriver& d : m_drivers) {
        text << "[Driver]\nName=" << d.name << "\nVersion=" << d.version << "\nEnvironment=" << d.environment
             << "\nDriverPath=" << d.driverPath << "\nDataFile=" << d.dataFile << "\nConfigFile=" << d.configFile
             << "\nHelpFile=" << d.helpFile << "\nDependentFiles=" << Join(d.dependentFiles, ';') << "\n\n";
    }
    for (const SimPrinter& p : m_printers) {
        text << "[Printer]\nName=" << p.name << "\nServer=" << p.server << "\nPort=" << p.port
             << "\nDriver=" << p.driver << "\nAttributes=" << p.attributes << "\nDriverExtra=" << p.driverExtra
             << "\nPaperSize=" << p.paperSize << "\nPrintQuality=" << p.printQuality
             << "\nOrientation=" << p.orientation << "\nMarginX=" << p.marginX << "\nMarginY=" << p.marginY;
        if (!p.finishJobs.empty()) text << "\nFinishJobs=" << p.finishJobs;
        if (!p.faults.empty()) text << "\nFaults=" << p.faults;
        text << "\n\n";
    }
    std::string file = m_root + "/machine.ini";
    {
        std::ofstream out(file, std::ios::binary | std::ios::trunc);
        out << text.str();
    }
    setenv("TAVREL_MACHINE", file.c_str(), 1);
    SimMachineReload();
}

std::string SimMachine::HostPath(const std::string& windowsPath) const
{
    DWORD size = SimMachineHostPath(windowsPath.c_str(), nullptr, 0);
    std::string host(size, '\0');
    DWORD length = SimMachineHostPath(windowsPath.c_str(), host.data(), size);
    host.resize(length);
    return host;
}

void SimMachine::WriteFile(const std::string& windowsPath, const std::string& bytes) const
{
    std::filesystem::path host = HostPath(windowsPath);
    if (host.empty()) throw std::runtime_error("unmapped path " + windowsPath);
    std::filesystem::create_directories(host.parent_path());
    // A new file renamed into place, as the platform writes: what it parsed of the old one is
    // never taken for the new one.
    const std::filesystem::path fresh = host.string() + ".~test";
    {
        std::ofstream out(fresh, std::ios::binary | std::ios::trunc);
        out << bytes;
    }
    std::filesystem::rename(fresh, host);
}

std::string SimMachine::ReadFile(const std::string& windowsPath) const
{
    std::ifstream in(HostPath(windowsPath), std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

bool SimMachine::Exists(const std::string& windowsPath) const
{
    std::error_code ignored;
    std::string host = HostPath(windowsPath);
    return !host.empty() && std::filesystem::exists(host, ignored);
}

std::string SimMachine::SpoolFolder() const
{
    DWORD size = SimMachineSpoolFolder(nullptr, 0);
    std::string folder(size, '\0');
    folder.resize(SimMachineSpoolFolder(folder.data(), size));
    return folder;
}

std::vector<SimJob> SimMachine::Jobs() const
{
    std::vector<SimJob> jobs;
    std::error_code ignored;
    std::string host = HostPath(SpoolFolder());
    if (host.empty() || !std::filesystem::is_directory(host, ignored)) return jobs;
    for (const auto& entry : std::filesystem::directory_iterator(host, ignored)) {
        if (entry.path().extension() != ".SPL") continue;
        std::ifstream in(entry.path(), std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        jobs.push_back(SimJob::Parse(text.str()));
    }
    std::sort(jobs.begin(), jobs.end(), [](const SimJob& a, const SimJob& b) { return a.id < b.id; });
    return jobs;
}

SimJob SimMachine::Job(unsigned id) const
{
    char name[32];
    std::snprintf(name, sizeof name, "\\%05u.SPL", id);
    std::string path = SpoolFolder() + name;
    if (!Exists(path)) return SimJob();
    return SimJob::Parse(ReadFile(path));
}

bool SimMachine::FinishJob(unsigned id) const
{
    return SimMachineFinishJob(id) != FALSE;
}

void SimMachine::ClearJobs() const
{
    std::error_code ignored;
    std::string host = HostPath(SpoolFolder());
    if (host.empty()) return;
    for (const auto& entry : std::filesystem::directory_iterator(host, ignored))
        if (entry.path().extension() == ".SPL") std::filesystem::remove(entry.path(), ignored);
}

int SimJob::StartPages() const
{
    return static_cast<int>(std::count(events.begin(), events.end(), "StartPage"));
}

int SimJob::EndPages() const
{
    return static_cast<int>(std::count(events.begin(), events.end(), "EndPage"));
}

SimJob SimJob::Parse(const std::string& record)
{
    SimJob job;
    size_t at = 0;
    while (at < record.size()) {
        size_t end = record.find('\n', at);
        if (end == std::string::npos) end = record.size();
        std::string line = record.substr(at, end - at);
        at = end + 1;
        size_t equals = line.find('=');
        std::string key = line.substr(0, equals);
        std::string value = equals == std::string::npos ? std::string() : line.substr(equals + 1);
        if (key == "Write" || key == "DevMode") {
            // A block: its size, then the bytes and a line feed.
            size_t size = std::stoul(value);
            std::string block = record.substr(at, size);
            at += size + 1;
            if (key == "DevMode") {
                job.devMode = block;
                continue;
            }
            job.bytes += block;
            job.writes.push_back(size);
            job.events.push_back(key);
        } else if (key == "Job") {
            job.id = static_cast<unsigned>(std::stoul(value));
        } else if (key == "Printer") {
            job.printer = value;
        } else if (key == "Document") {
            job.document = value;
        } else if (key == "Datatype") {
            job.datatype = value;
        } else if (key == "OutputFile") {
            job.outputFile = value;
        } else if (key == "Machine") {
            job.machine = value;
        } else if (key == "User") {
            job.user = value;
        } else if (key == "Submitted") {
        } else if (key == "Play") {
            Play play;
            char* rest = value.data();
            int* fields[] = {&play.left, &play.top, &play.right, &play.bottom};
            for (int* field : fields) {
                *field = static_cast<int>(std::strtol(rest, &rest, 10));
                if (*rest == ',') ++rest;
            }
            play.metafile = rest;
            job.plays.push_back(play);
            job.events.push_back(key);
        } else if (key == "End") {
            job.ended = true;
            job.events.push_back(key);
        } else if (key == "State") {
            job.state = value;
            job.events.push_back(line);
        } else if (!key.empty()) {
            job.events.push_back(value.empty() ? key : line);
        }
    }
    return job;
}

#endif
