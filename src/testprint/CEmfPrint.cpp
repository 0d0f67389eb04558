#include "testprint/CEmfPrint.h"

void CEmfPrint::PlanPrivateFields(int kind, const BYTE*, const BYTE*, DWORD, PrivateFields& plan) const
{
    const bool sample = kind == kindSample;
    plan.Word(1238, 1);
    plan.Word(1250, sample ? 2 : 3);
    plan.Word(1276, 0);
    if (sample) plan.Word(1330, 1);
    plan.Dword(2028, sample ? 0 : 1);
}
