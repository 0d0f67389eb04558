// The T and V tables (kTableSize bytes each) of a colour or a gamma block.
#pragma once

#include <cstdint>

#include "ccm_module/ModuleBlocks.h"

namespace ccm {

// Fills t and v. With flag non-zero, prior holds the tables the edit starts from (T then V,
// kTableSize bytes each): the block's difference from the model defaults is applied on top
// of them. With flag 0 prior is not read.
void MakeColourTables(const ColourBlock& block, int flag, const uint8_t* priorT, const uint8_t* priorV,
                      uint8_t* t, uint8_t* v);
void MakeCoreTables(const CoreBlock& block, int flag, const uint8_t* priorT, const uint8_t* priorV,
                    uint8_t* t, uint8_t* v);

}  // namespace ccm
