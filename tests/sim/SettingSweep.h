// What the fault sweep and the crash sweep share: an "EMF" machine with two colour and two
// gamma settings, their data files and profiles; the operations that change stored settings
// (saves, an import, a deletion, a catalogue restore); and a picture of every file the utility
// and the driver keep.
#pragma once

#include <functional>
#include <map>
#include <string>

#include "launch/CUtilityInfo.h"
#include "support/MessageBoxRecorder.h"
#include "support/SimMachine.h"
#include "support/SimPrinterModel.h"

namespace sweep {

constexpr int kColour = 1;
constexpr int kGamma = 2;

using Files = std::map<std::string, std::string>;  // host path below the machine root: bytes
using Operation = std::function<void(SimMachine&, const SimPrinterModel&, CUtilityInfo&, MessageBoxRecorder&)>;
using Setup = std::function<void(SimMachine&, const SimPrinterModel&)>;

// The stored settings and their files on a fresh machine, then setup; the printer's state.
CUtilityInfo LayOut(SimMachine& machine, const SimPrinterModel& model, const Setup& setup);
// Every file below the utility folder and the spooler's driver folder.
Files Snapshot(const SimMachine& machine);
// Without the previous versions kept beside replaced files.
Files Kept(const Files& files);
// The bytes of the file at windowsPath (matched on its tail below the drive), "" when missing.
std::string FileAt(const Files& files, const std::string& windowsPath);

// "Bright" saved on the save page from the default entry (a new colour setting).
void SaveNewColour(SimMachine&, const SimPrinterModel&, CUtilityInfo& info, MessageBoxRecorder&);
// The stored colour setting "Warm" saved over itself with other values.
void OverwriteColour(SimMachine&, const SimPrinterModel&, CUtilityInfo& info, MessageBoxRecorder&);
// The stored gamma setting "Soft" saved over itself with another gamma.
void OverwriteGamma(SimMachine&, const SimPrinterModel&, CUtilityInfo& info, MessageBoxRecorder&);
// A setting file of "Cool" (colour, replacing the stored one) and "Night" (gamma), and its import.
void PutTwoSettingFile(SimMachine& machine, const SimPrinterModel&);
void ImportTwo(SimMachine&, const SimPrinterModel&, CUtilityInfo& info, MessageBoxRecorder& boxes);
// "Soft" deleted on the setting edit page.
void DeleteSoft(SimMachine&, const SimPrinterModel&, CUtilityInfo& info, MessageBoxRecorder& boxes);
// A fresh driver catalogue, and the driver page bringing the local copy back over it.
void FreshDriverCatalog(SimMachine& machine, const SimPrinterModel& model);
void Restore(SimMachine&, const SimPrinterModel&, CUtilityInfo& info, MessageBoxRecorder&);

}  // namespace sweep
