// An ICC version 2 output profile (device RGB, PCS Lab) for one T table and print resolution.
#pragma once

#include <cstdint>
#include <vector>

namespace icc {

// table: kTableSize bytes. The profile depends on every byte of it and on both resolutions.
std::vector<uint8_t> BuildPrinterProfile(const uint8_t* table, int xResolution, int yResolution);

}  // namespace icc
