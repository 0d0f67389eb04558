#include "testprint/CEmfInternal9x.h"

namespace {

// The document information without alignment padding: size, three names, flags.
constexpr int kPackedDocInfoSize = sizeof(int) + 3 * sizeof(LPCSTR) + sizeof(DWORD);

}  // namespace

void CEmfInternal9x::PlanPrivateFields(int kind, const BYTE* tTable, const BYTE* vTable, DWORD tableLength,
                                       PrivateFields& plan) const
{
    const bool sample = kind == kindSample;
    plan.Word(498, 1);
    if (!sample) plan.Word(508, 1);
    plan.Word(510, sample ? 2 : 3);
    plan.Word(536, 0);
    if (sample) return;
    plan.tableLength = tableLength;
    plan.tables = {{710, tTable}, {968, vTable}};
    plan.Word(966, tableLength);
    plan.Word(1224, tableLength);
}

int CEmfInternal9x::DocInfoSize() const
{
    return kPackedDocInfoSize;
}
