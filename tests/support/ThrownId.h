// The string id of the CmyException that op throws; 0 when it throws none.
//
//   EXPECT_EQ(ThrownId([&] { manager.ReadCCM("Nobody", nullptr, nullptr); }), IDS_ERR_SETTING_DATA_MISSING);
#pragma once

#include "launch/CmyException.h"

template <class Op>
int ThrownId(Op op)
{
    try {
        op();
    } catch (const CmyException& e) {
        return static_cast<int>(e.GetTextId());
    }
    return 0;
}
