#include "framework/headless/DrawingObjectCensus.h"

#include "framework/headless/GdiTable.h"
#include "platform/win32api.h"
#ifndef _WIN32
#include "platform/posix/Simulation.h"
#endif

namespace fw::headless {
namespace {

std::size_t SystemObjects() {
#ifdef _WIN32
    // Wine does not count them (0, ERROR_CALL_NOT_IMPLEMENTED); Windows does.
    const HANDLE process = GetCurrentProcess();
    return GetGuiResources(process, GR_GDIOBJECTS) + GetGuiResources(process, GR_USEROBJECTS);
#else
    return SimMachineGdiObjects();
#endif
}

}  // namespace

DrawingObjectCensus DrawingObjectCensus::Take() {
    const GdiTable& table = GdiTable::Get();
    DrawingObjectCensus census;
    census.frameworkObjects = table.LiveObjects();
    census.frameworkDCs = table.OpenDCs();
    census.systemObjects = SystemObjects();
    return census;
}

std::string DrawingObjectCensus::Describe() const {
    return std::to_string(frameworkObjects) + " pens, brushes and fonts, " + std::to_string(frameworkDCs) +
           " drawing contexts of the framework, " + std::to_string(systemObjects) +
           " bitmaps, icons and device contexts of the system";
}

}  // namespace fw::headless
