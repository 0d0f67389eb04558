#include "testprint/CEmfInternalNT.h"

void CEmfInternalNT::PlanPrivateFields(int kind, const BYTE* tTable, const BYTE* vTable, DWORD tableLength,
                                       PrivateFields& plan) const
{
    const bool sample = kind == kindSample;
    plan.Word(682, 1);
    if (!sample) plan.Word(692, 1);
    plan.Word(694, sample ? 2 : 3);
    plan.Word(720, 0);
    if (sample) return;
    plan.tableLength = tableLength;
    plan.tables = {{968, tTable}, {1226, vTable}};
    plan.Word(1224, tableLength);
    plan.Word(1482, tableLength);
}
