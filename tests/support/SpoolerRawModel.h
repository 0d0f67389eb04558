// A raw printer model on the spooler for whole-wizard tests on both targets: the utility folder
// "Tintora" beside the test program (which runs in its own folder, as a host does), a
// "Tavrel.ini" for version 3.31 with the stand-in module, and driver and printer registered
// through the spooler with their capability file and an empty catalogue. Everything is
// removed, and the current folder restored, when the object goes. Natively a simulated
// machine must be in place first.
#pragma once

#include <memory>
#include <string>

#include "support/SpoolerPrinter.h"

class SpoolerRawModel {
public:
    // tag names the model's capability file and section; catalog is the catalogue's file name.
    SpoolerRawModel(const std::string& driver, const std::string& printer, const std::string& tag,
                    const std::string& catalog);
    ~SpoolerRawModel();
    SpoolerRawModel(const SpoolerRawModel&) = delete;
    SpoolerRawModel& operator=(const SpoolerRawModel&) = delete;

    // Lays everything out; failures are reported to the running test.
    void Install();

    const std::string& Utility() const { return m_utility; }  // with the final backslash
    std::string InstalledCatalog() const;
    std::string LocalCatalog() const;  // the copy in the per-driver folder of the utility folder

private:
    std::string m_driver;
    std::string m_printer;
    std::string m_tag;
    std::string m_catalog;
    std::string m_savedDirectory;
    std::string m_utility;
    std::unique_ptr<SpoolerPrinter> m_spooler;
};
