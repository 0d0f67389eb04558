// The bytes of a metafile page with a frame of right × bottom hundredths of a millimetre and
// no drawing records: the header and the end-of-file record. Both targets.
#pragma once

#include <string>

#include "platform/win32api.h"

std::string MinimalMetafile(LONG frameRight = 21000, LONG frameBottom = 29700, DWORD signature = ENHMETA_SIGNATURE);
