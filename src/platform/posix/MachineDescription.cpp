#include "MachineDescription.h"

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <unistd.h>

#include <climits>

#include "IniDocument.h"
#include "TextUtil.h"

namespace {

std::string HostFolder(const std::string& value, const std::string& base)
{
    if (value.empty() || value[0] == '/' || base.empty()) return value;
    return base + "/" + value;
}

std::string StripTrailingSlashes(std::string path)
{
    while (path.size() > 1 && path.back() == '/') path.pop_back();
    return path;
}

std::string EnvironmentFolder(const std::string& environment)
{
    if (TextUtil::EqualNoCase(environment, "Windows NT x86")) return "W32X86";
    if (TextUtil::EqualNoCase(environment, "Windows 4.0")) return "WIN40";
    if (TextUtil::EqualNoCase(environment, "Windows ARM64")) return "ARM64";
    return "x64";
}

std::string HostTempFolder()
{
    const char* tmp = std::getenv("TMPDIR");
    return StripTrailingSlashes(tmp && *tmp == '/' ? tmp : "/tmp");
}

}  // namespace

void MachineDescription::Reset()
{
    *this = MachineDescription();
}

void MachineDescription::Load()
{
    Reset();
    const char* file = std::getenv("TAVREL_MACHINE");
    if (file && *file) {
        std::ifstream in(file, std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        std::string path(file);
        size_t slash = path.rfind('/');
        std::string base = slash == std::string::npos ? "." : path.substr(0, slash == 0 ? 1 : slash);
        if (!base.empty() && base[0] != '/') {
            char cwd[PATH_MAX];
            if (getcwd(cwd, sizeof cwd)) base = std::string(cwd) + "/" + base;
        }
        LoadText(text.str(), base);
    } else {
        LoadText("", "");
    }
}

void MachineDescription::LoadText(const std::string& text, const std::string& baseFolder)
{
    Reset();
    IniDocument doc;
    doc.Parse(text);
    auto value = [&](const char* section, const char* key) {
        return doc.Value(section, key).value_or("");
    };

    for (const IniDocument::Section& section : doc.AllSections()) {
        if (TextUtil::EqualNoCase(section.name, "Drives")) {
            for (const IniDocument::Entry& e : section.entries) {
                std::string letter = TextUtil::Trim(e.key);
                if (!letter.empty() && letter.back() == ':') letter.pop_back();
                if (letter.size() != 1 || !e.value || e.value->empty()) continue;
                char d = static_cast<char>(TextUtil::Lower(letter[0]) - 'a' + 'A');
                if (d < 'A' || d > 'Z') continue;
                drives[d] = StripTrailingSlashes(HostFolder(*e.value, baseFolder));
            }
        } else if (TextUtil::EqualNoCase(section.name, "Driver")) {
            DriverRecord d;
            d.environment = "";
            for (const IniDocument::Entry& e : section.entries) {
                std::string v = e.value.value_or("");
                const std::string& k = e.key;
                if (TextUtil::EqualNoCase(k, "Name")) d.name = v;
                else if (TextUtil::EqualNoCase(k, "Version")) d.version = TextUtil::ParseNumber(v, 3);
                else if (TextUtil::EqualNoCase(k, "Environment")) d.environment = v;
                else if (TextUtil::EqualNoCase(k, "DriverPath")) d.driverPath = v;
                else if (TextUtil::EqualNoCase(k, "DataFile")) d.dataFile = v;
                else if (TextUtil::EqualNoCase(k, "ConfigFile")) d.configFile = v;
                else if (TextUtil::EqualNoCase(k, "HelpFile")) d.helpFile = v;
                else if (TextUtil::EqualNoCase(k, "DependentFiles")) d.dependentFiles = TextUtil::Split(v, ';');
                else if (TextUtil::EqualNoCase(k, "MonitorName")) d.monitorName = v;
                else if (TextUtil::EqualNoCase(k, "DefaultDataType")) d.defaultDataType = v;
            }
            if (!d.name.empty()) drivers.push_back(d);
        } else if (TextUtil::EqualNoCase(section.name, "Printer")) {
            PrinterRecord p;
            for (const IniDocument::Entry& e : section.entries) {
                std::string v = e.value.value_or("");
                const std::string& k = e.key;
                if (TextUtil::EqualNoCase(k, "Name")) p.name = v;
                else if (TextUtil::EqualNoCase(k, "Server")) p.server = v;
                else if (TextUtil::EqualNoCase(k, "ShareName")) p.shareName = v;
                else if (TextUtil::EqualNoCase(k, "Port")) p.port = v;
                else if (TextUtil::EqualNoCase(k, "Driver")) p.driver = v;
                else if (TextUtil::EqualNoCase(k, "Comment")) p.comment = v;
                else if (TextUtil::EqualNoCase(k, "Location")) p.location = v;
                else if (TextUtil::EqualNoCase(k, "PrintProcessor")) p.printProcessor = v;
                else if (TextUtil::EqualNoCase(k, "Datatype")) p.datatype = v;
                else if (TextUtil::EqualNoCase(k, "Attributes")) p.attributes = TextUtil::ParseNumber(v, 0x40);
                else if (TextUtil::EqualNoCase(k, "Status")) p.status = TextUtil::ParseNumber(v, 0);
                else if (TextUtil::EqualNoCase(k, "DriverExtra")) p.driverExtra = TextUtil::ParseNumber(v, 0);
                else if (TextUtil::EqualNoCase(k, "Orientation")) p.orientation = static_cast<int16_t>(TextUtil::ParseNumber(v, 1));
                else if (TextUtil::EqualNoCase(k, "PaperSize")) p.paperSize = static_cast<int16_t>(TextUtil::ParseNumber(v, 9));
                else if (TextUtil::EqualNoCase(k, "PrintQuality")) p.printQuality = static_cast<int16_t>(TextUtil::ParseNumber(v, 600));
                else if (TextUtil::EqualNoCase(k, "Color")) p.color = static_cast<int16_t>(TextUtil::ParseNumber(v, 2));
                else if (TextUtil::EqualNoCase(k, "FinishJobs")) p.finishAfter = ParseFinishRule(v, 0);
                else if (TextUtil::EqualNoCase(k, "MarginX")) p.marginX = static_cast<int32_t>(TextUtil::ParseNumber(v, 167));
                else if (TextUtil::EqualNoCase(k, "MarginY")) p.marginY = static_cast<int32_t>(TextUtil::ParseNumber(v, 167));
                else if (TextUtil::EqualNoCase(k, "Faults")) ParsePrinterFaults(v, p);
            }
            // "\\SERVER\name" as a name stands for a connection as well.
            if (p.server.empty() && p.name.rfind("\\\\", 0) == 0) {
                size_t sep = p.name.find('\\', 2);
                if (sep != std::string::npos) {
                    p.server = p.name.substr(0, sep);
                    p.name = p.name.substr(sep + 1);
                }
            }
            if (!p.server.empty()) {
                size_t start = p.server.find_first_not_of('\\');
                p.server = start == std::string::npos ? "" : "\\\\" + p.server.substr(start);
            }
            if (p.driverExtra > 0xFFFF - 156) p.driverExtra = 0xFFFF - 156;
            if (!p.name.empty()) printers.push_back(p);
        }
    }

    computerName = value("Machine", "ComputerName");
    exePath = value("Machine", "ExePath");
    currentDirectory = value("Machine", "CurrentDirectory");
    administrator = TextUtil::ParseNumber(value("Machine", "Administrator"), 1) != 0;
    elevated = TextUtil::ParseNumber(value("Machine", "Elevated"), 1) != 0;
    uiLanguage = static_cast<uint16_t>(TextUtil::ParseNumber(value("Machine", "UILanguage"), 0x0409));
    for (const std::string& folder : TextUtil::Split(value("Machine", "LibraryPath"), ';'))
        libraryPath.push_back(StripTrailingSlashes(HostFolder(folder, baseFolder)));
    windowsFolder = value("Machine", "WindowsFolder");
    tempPath = value("Machine", "TempPath");
    spoolFolder = value("Machine", "SpoolFolder");
    userName = value("Machine", "UserName");
    if (auto env = doc.Value("Machine", "Environment"); env && !env->empty()) environment = *env;
    driverDirectory = value("Machine", "DriverDirectory");

    platformId = TextUtil::ParseNumber(value("OsVersion", "PlatformId"), 2);
    majorVersion = TextUtil::ParseNumber(value("OsVersion", "MajorVersion"), 10);
    minorVersion = TextUtil::ParseNumber(value("OsVersion", "MinorVersion"), 0);
    buildNumber = TextUtil::ParseNumber(value("OsVersion", "BuildNumber"), 19041);
    csdVersion = value("OsVersion", "CSDVersion");

    failWrite = TextUtil::ParseNumber(value("Faults", "FailWrite"), 0);
    stopAfterWrite = TextUtil::ParseNumber(value("Faults", "StopAfterWrite"), 0);
    failReadOf = TextUtil::Trim(value("Faults", "FailReadOf"));
    if (std::string space = TextUtil::Trim(value("Faults", "DiskFullAfter")); !space.empty())
        diskFullAfter = std::strtoull(space.c_str(), nullptr, 0);

    for (DriverRecord& d : drivers)
        if (d.environment.empty()) d.environment = environment;
    FillDefaults();
}

void MachineDescription::FillDefaults()
{
    if (!drives.count('Z')) drives['Z'] = "/";
    if (computerName.empty()) {
        char host[256] = {};
        gethostname(host, sizeof host - 1);
        computerName = host;
        size_t dot = computerName.find('.');
        if (dot != std::string::npos) computerName.resize(dot);
        for (char& c : computerName)
            if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
        if (computerName.size() > 15) computerName.resize(15);
        if (computerName.empty()) computerName = "LOCALHOST";
    }
    if (exePath.empty()) {
        char self[PATH_MAX] = {};
        ssize_t n = readlink("/proc/self/exe", self, sizeof self - 1);
        if (n > 0) exePath = WindowsPathOf(std::string(self, static_cast<size_t>(n)));
    }
    if (currentDirectory.empty()) {
        char cwd[PATH_MAX] = {};
        if (getcwd(cwd, sizeof cwd)) currentDirectory = WindowsPathOf(cwd);
    }
    if (tempPath.empty()) tempPath = WindowsPathOf(HostTempFolder());
    if (tempPath.empty() || tempPath.back() != '\\') tempPath += '\\';
    if (windowsFolder.empty()) {
        // An empty machine has no C: drive; its Windows folder is the host's temp folder,
        // so that profile files named without a folder still have a writable home.
        windowsFolder = drives.count('C') ? "C:\\Windows" : tempPath.substr(0, tempPath.size() - 1);
    }
    while (windowsFolder.size() > 3 && windowsFolder.back() == '\\') windowsFolder.pop_back();
    if (driverDirectory.empty())
        driverDirectory = windowsFolder + "\\System32\\spool\\DRIVERS\\" + EnvironmentFolder(environment);
    if (spoolFolder.empty()) spoolFolder = windowsFolder + "\\System32\\spool\\PRINTERS";
    while (spoolFolder.size() > 3 && spoolFolder.back() == '\\') spoolFolder.pop_back();
    if (userName.empty()) {
        const char* user = std::getenv("USER");
        userName = user && *user ? user : "User";
    }
}

std::string MachineDescription::WindowsPathOf(const std::string& hostPath) const
{
    char best = 0;
    size_t bestLength = 0;
    for (const auto& [letter, root] : drives) {
        bool inside = root == "/" ? hostPath.rfind('/', 0) == 0
                                  : hostPath.rfind(root, 0) == 0 &&
                                        (hostPath.size() == root.size() || hostPath[root.size()] == '/');
        size_t length = root == "/" ? 0 : root.size();
        if (inside && (best == 0 || length > bestLength)) {
            best = letter;
            bestLength = length;
        }
    }
    if (best == 0) return {};
    std::string rest = hostPath.substr(bestLength);
    std::string out = std::string(1, best) + ":";
    for (char c : rest) out += (c == '/') ? '\\' : c;
    if (out.size() == 2) out += '\\';
    // Collapse doubled separators that a trailing slash may leave.
    std::string clean;
    for (char c : out)
        if (!(c == '\\' && !clean.empty() && clean.back() == '\\')) clean += c;
    if (clean.size() > 3 && clean.back() == '\\') clean.pop_back();
    return clean;
}

void MachineDescription::ParsePrinterFaults(const std::string& text, PrinterRecord& printer)
{
    std::string words = text;
    for (char& c : words)
        if (c == ',' || c == ';' || c == '\t') c = ' ';
    for (const std::string& word : TextUtil::Split(words, ' ')) {
        const std::string fault = TextUtil::Trim(word);
        if (TextUtil::EqualNoCase(fault, "CreateDC")) printer.failCreateDC = true;
        else if (TextUtil::EqualNoCase(fault, "StartDoc")) printer.failStartDoc = true;
        else if (TextUtil::EqualNoCase(fault, "PrinterInfo")) printer.failPrinterInfo = true;
        else if (TextUtil::EqualNoCase(fault, "EndDocPrinter")) printer.failEndDocPrinter = true;
        else if (TextUtil::EqualNoCase(fault, "PartialWrite")) printer.partialWrite = true;
    }
}

int32_t MachineDescription::ParseFinishRule(const std::string& text, int32_t fallback)
{
    std::string rule = TextUtil::Lower(TextUtil::Trim(text));
    if (rule.empty()) return fallback;
    if (rule == "immediately") return 0;
    if (rule == "never") return -1;
    if (rule.rfind("after", 0) == 0) rule = TextUtil::Trim(rule.substr(5));
    size_t digits = 0;
    while (digits < rule.size() && rule[digits] >= '0' && rule[digits] <= '9') ++digits;
    if (digits == 0 || digits > 9) return fallback;
    std::string rest = TextUtil::Trim(rule.substr(digits));
    if (!rest.empty() && rest != "queries" && rest != "query") return fallback;
    return static_cast<int32_t>(std::stol(rule.substr(0, digits)));
}
