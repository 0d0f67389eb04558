// Metafile print for "EMF_INTERNAL" drivers on the NT family: kind and tables in the private part.
#pragma once

#include "testprint/CEmfPrintBase.h"

class CEmfInternalNT : public CEmfPrintBase {
protected:
    void PlanPrivateFields(int kind, const BYTE* tTable, const BYTE* vTable, DWORD tableLength,
                           PrivateFields& plan) const override;
};
