#include "Spooler.h"

#include <cstring>

#include "MachineDescription.h"
#include "TextUtil.h"
#include "platform/win32api.h"

static_assert(sizeof(DEVMODEA) == 156, "DEVMODEA must have the Windows layout");

void Spooler::Load(const MachineDescription& machine)
{
    m_environment = machine.environment;
    m_printers = machine.printers;
    m_drivers = machine.drivers;
    m_jobs.Clear();
}

const PrinterRecord* Spooler::FindPrinter(std::string_view name) const
{
    for (const PrinterRecord& p : m_printers)
        if (TextUtil::EqualNoCase(p.FullName(), name)) return &p;
    return nullptr;
}

const DriverRecord* Spooler::FindDriver(std::string_view name, std::string_view environment) const
{
    std::string_view env = environment.empty() ? std::string_view(m_environment) : environment;
    for (const DriverRecord& d : m_drivers)
        if (TextUtil::EqualNoCase(d.name, name) && TextUtil::EqualNoCase(d.environment, env)) return &d;
    return nullptr;
}

std::vector<const DriverRecord*> Spooler::Drivers(std::string_view environment) const
{
    bool all = TextUtil::EqualNoCase(environment, "all");
    std::string_view env = environment.empty() ? std::string_view(m_environment) : environment;
    std::vector<const DriverRecord*> out;
    for (const DriverRecord& d : m_drivers)
        if (all || TextUtil::EqualNoCase(d.environment, env)) out.push_back(&d);
    return out;
}

void Spooler::AddDriver(const DriverRecord& driver)
{
    for (DriverRecord& d : m_drivers) {
        if (TextUtil::EqualNoCase(d.name, driver.name) && TextUtil::EqualNoCase(d.environment, driver.environment)) {
            d = driver;
            return;
        }
    }
    m_drivers.push_back(driver);
}

bool Spooler::AddPrinter(const PrinterRecord& printer)
{
    if (FindPrinter(printer.FullName())) return false;
    m_printers.push_back(printer);
    return true;
}

bool Spooler::DeletePrinter(std::string_view name)
{
    for (auto it = m_printers.begin(); it != m_printers.end(); ++it) {
        if (TextUtil::EqualNoCase(it->FullName(), name)) {
            m_printers.erase(it);
            return true;
        }
    }
    return false;
}

std::vector<uint8_t> Spooler::DefaultDevMode(const PrinterRecord& printer) const
{
    std::vector<uint8_t> bytes(sizeof(DEVMODEA) + printer.driverExtra, 0);
    DEVMODEA dm{};
    std::string name = printer.FullName();
    std::memcpy(dm.dmDeviceName, name.data(), std::min<size_t>(name.size(), CCHDEVICENAME - 1));
    dm.dmSpecVersion = 0x0401;
    dm.dmSize = sizeof(DEVMODEA);
    dm.dmDriverExtra = static_cast<WORD>(printer.driverExtra);
    dm.dmFields = DM_ORIENTATION | DM_PAPERSIZE | DM_COPIES | DM_PRINTQUALITY | DM_COLOR | DM_YRESOLUTION;
    dm.dmOrientation = printer.orientation;
    dm.dmPaperSize = printer.paperSize;
    dm.dmCopies = 1;
    dm.dmPrintQuality = printer.printQuality;
    dm.dmColor = printer.color;
    dm.dmYResolution = printer.printQuality;
    std::memcpy(bytes.data(), &dm, sizeof dm);
    return bytes;
}
