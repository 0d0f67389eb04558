// A driver and a printer registered through the spooler itself (the real one under Wine,
// platform/posix natively), and the files it copied, removed again when the object goes.
// Natively a simulated machine must be in place first.
//
//   SpoolerPrinter spooler("Tv Driver", "Tv Printer");
//   WriteText(spooler.Source("TVMODEL.CAP"), "...");   // where the spooler copies from
//   spooler.Install({"TVMODEL.CAP"});
//   ... spooler.InstalledFolder() + "TVMODEL.CAP" ...
#pragma once

#include <string>
#include <vector>

class SpoolerPrinter {
public:
    SpoolerPrinter(const std::string& driver, const std::string& printer);
    ~SpoolerPrinter();
    SpoolerPrinter(const SpoolerPrinter&) = delete;
    SpoolerPrinter& operator=(const SpoolerPrinter&) = delete;

    const std::string& SourceFolder() const { return m_sourceFolder; }        // the spooler's driver directory
    const std::string& InstalledFolder() const { return m_installedFolder; }  // its version-3 folder
    // The path of fileName in the source folder; the file is removed afterwards.
    std::string Source(const std::string& fileName);

    // Registers the driver with the dependent files as listed (each missing one is made) and
    // the printer on it, on port LPT1:. Failures are reported to the running test.
    void Install(const std::vector<std::string>& dependentFiles);
    void RemoveLeftovers();

    static void WriteText(const std::string& path, const std::string& text);
    static std::string FilePart(const std::string& path);

private:
    std::string m_driver;
    std::string m_printer;
    std::string m_sourceFolder;
    std::string m_installedFolder;
    std::vector<std::string> m_sourceFiles;
    std::vector<std::string> m_copiedFiles;
};
