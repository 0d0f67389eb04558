// Metafile print for "EMF_INTERNAL" drivers on the Windows 9x family: its own private layout,
// the playback inside a page, and the packed document information of that platform.
#pragma once

#include "testprint/CEmfPrintBase.h"

class CEmfInternal9x : public CEmfPrintBase {
protected:
    void PlanPrivateFields(int kind, const BYTE* tTable, const BYTE* vTable, DWORD tableLength,
                           PrivateFields& plan) const override;
    bool UsesPageBracket() const override { return true; }
    int DocInfoSize() const override;
};
