// A fresh simulated machine per test (Linux): a temporary folder standing for drive C:,
// a machine description written there, TAVREL_MACHINE pointing at it, platform state reset.
#pragma once

#ifndef _WIN32

#include <string>
#include <vector>

struct SimDriver {
    std::string name;
    unsigned version = 3;
    std::string environment = "Windows x64";
    std::string driverPath;                   // Windows path of the driver file
    std::string dataFile;
    std::string configFile;
    std::string helpFile;
    std::vector<std::string> dependentFiles;  // as the spooler lists them
};

struct SimPrinter {
    std::string name;
    std::string server;        // empty: a local printer
    std::string port = "LPT1:";
    std::string driver;
    unsigned attributes = 0x40;  // local
    unsigned driverExtra = 0;    // size of the driver-private device-mode area
    std::string finishJobs;      // "immediately" (default), "after N queries", "never"
    // "CreateDC", "StartDoc", "PrinterInfo", "EndDocPrinter", "PartialWrite", blank-separated
    std::string faults;
    int paperSize = 9;           // DMPAPER_*
    int printQuality = 600;      // dots per inch
    int orientation = 1;         // DMORIENT_*
    unsigned marginX = 167;      // unprintable margin, thousandths of an inch
    unsigned marginY = 167;
};

// One print job as the simulated spooler recorded it in the spool folder.
struct SimJob {
    struct Play {
        int left = 0, top = 0, right = 0, bottom = 0;
        std::string metafile;  // full Windows path
    };

    unsigned id = 0;  // 0: no such record
    std::string printer;
    std::string document;
    std::string datatype;
    std::string outputFile;
    std::string machine;
    std::string user;
    std::string devMode;             // metafile jobs: the device mode the context was made with
    std::string bytes;               // raw jobs: every byte written, in order
    std::vector<size_t> writes;      // the size of each WritePrinter call
    std::vector<Play> plays;
    // In order: "Write", "StartPage", "EndPage", "Play", "End", "Control=pause", ...
    std::vector<std::string> events;
    bool ended = false;              // its document ended
    std::string state;               // "" while queued, else "printed", "aborted" or "deleted"

    int StartPages() const;
    int EndPages() const;
    // Parses a record file's contents.
    static SimJob Parse(const std::string& record);
};

class SimMachine {
public:
    // Defaults: C: is <temp>/c, Z: is /, computer "TESTPC", administrator, NT 10.0 build 19041,
    // executable C:\Host\host.exe, current directory C:\Host, the build's libraries installed
    // (InstallLibraries), TAVREL_BIN_DIR standing for PATH.
    SimMachine();
    ~SimMachine();  // removes the folder and resets the platform to an empty machine
    SimMachine(const SimMachine&) = delete;
    SimMachine& operator=(const SimMachine&) = delete;

    // Any description value, e.g. Set("Machine", "ComputerName", "OFFICE").
    void Set(const std::string& section, const std::string& key, const std::string& value);
    void AddDriver(const SimDriver& driver);
    void AddPrinter(const SimPrinter& printer);
    // Writes the description and reloads the platform; call after changing it.
    void Apply();
    // Installs the libraries of a host folder as a machine has them: each "*.dll" beside the
    // program (C:\Host), "hhctrl.ocx" in System32; a library already there is replaced.
    void InstallLibraries(const std::string& hostFolder) const;
    // Removes every library InstallLibraries puts there (copies of any origin included).
    void RemoveLibraries() const;
    // The host folder InstallLibraries puts that library into; empty for other files.
    std::string LibraryFolderOf(const std::string& fileName) const;

    std::string Root() const { return m_root; }                  // host folder of the machine
    std::string HostPath(const std::string& windowsPath) const;  // through the platform's mapping
    void WriteFile(const std::string& windowsPath, const std::string& bytes) const;  // makes folders
    std::string ReadFile(const std::string& windowsPath) const;  // empty when missing
    bool Exists(const std::string& windowsPath) const;

    // Print jobs: the records of the spool folder ([Machine] SpoolFolder), by id.
    std::string SpoolFolder() const;  // Windows path
    std::vector<SimJob> Jobs() const;
    SimJob Job(unsigned id) const;    // id 0 when there is no record
    bool FinishJob(unsigned id) const;  // the printer finishes a queued job
    void ClearJobs() const;           // removes every record

private:
    std::string m_root;
    std::vector<std::pair<std::string, std::vector<std::pair<std::string, std::string>>>> m_sections;
    std::vector<SimDriver> m_drivers;
    std::vector<SimPrinter> m_printers;
};

#endif
