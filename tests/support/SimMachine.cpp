#ifndef _WIN32

#include "support/SimMachine.h"

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
    Apply();
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
             << "\n\n";
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
    std::ofstream out(host, std::ios::binary | std::ios::trunc);
    out << bytes;
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

#endif
