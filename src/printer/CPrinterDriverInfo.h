// The storage's questions about a printer's driver, answered from the spooler.
#pragma once

#include "storage/IPrinterDriverInfo.h"

class CPrinterDriverInfo : public IPrinterDriverInfo {
public:
    // One answerer serves every caller: it keeps nothing between questions.
    static const CPrinterDriverInfo& Shared();

    Driver Find(const std::string& printerName) const override;
};
