// Names shared by the export and the import of setting files.
#pragma once

#include "storage/CDataMngBase.h"

namespace exchange {

// The profile resolutions an "EMF" model keeps one file each for.
inline constexpr int profileResolutions[] = {300, 600, 1200};

// The word the catalogue's profile keys use for the kind.
inline const char* KindWord(int kind) { return kind == CDataMngBase::kindGamma ? "Gamma" : "Color"; }

}  // namespace exchange
