// A supported printer of one printer model on a simulated machine, one per test-print mode:
// its driver and capability file, the driver's setting catalogue, the model's section of the
// utility INI with the stand-in module libraries, and the model's test and sample pages.
//
//   SimMachine machine;
//   SimPrinterModel model = SimPrinterModel::Emf();
//   model.Install(machine);
//   CUtilityInfo info = model.Info();   // as the driver page leaves it
#pragma once

#ifndef _WIN32

#include <ostream>
#include <string>

#include "launch/CUtilityInfo.h"
#include "support/SimMachine.h"

struct SimPrinterModel {
    std::string printMode;  // the model's "PrintMode"
    std::string version;    // colour-correction version
    std::string printer;
    std::string driver;
    std::string catalogFile = "TVCM.INI";
    // The printer keeps its jobs queued until the test finishes them ("never") or not.
    std::string finishJobs = "immediately";
    // The printer's faults (SimPrinter::faults): none unless a test names them.
    std::string faults;

    static SimPrinterModel Emf();
    static SimPrinterModel EmfInternal();
    static SimPrinterModel EmfInternalXps();
    static SimPrinterModel Raw330();  // the basic PJL download
    static SimPrinterModel Raw331();  // the extended PJL download

    static std::string DriverFolder();   // the spooler's version-3 driver folder
    static std::string UtilityFolder();  // "C:\Host\Tintora\"
    std::string CatalogPath() const;     // the driver's catalogue
    std::string DataFolder() const;      // the per-driver folder in the utility folder
    std::string LocalCatalogPath() const;
    std::string TestFile(const std::string& key) const;  // full path of a page the INI names

    // Adds driver and printer, applies the machine and writes the files. An empty catalogue
    // (both sections present, no settings) unless catalogText is given.
    void Install(SimMachine& machine, const std::string& catalogText = {}) const;
    // The wizard state after this printer was chosen: driver, catalogue, version, print mode,
    // local copy path, driver folders and the printer name.
    CUtilityInfo Info() const;
};

// Names the model in test output.
void PrintTo(const SimPrinterModel& model, std::ostream* out);

#endif
