// Metafile print for drivers of print mode "EMF": the kind only, no tables (a test print goes
// through a temporary profile instead).
#pragma once

#include "testprint/CEmfPrintBase.h"

class CEmfPrint : public CEmfPrintBase {
protected:
    void PlanPrivateFields(int kind, const BYTE* tTable, const BYTE* vTable, DWORD tableLength,
                           PrivateFields& plan) const override;
};
