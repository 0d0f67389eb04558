// The length of the T and V tables the printer model's module computes for one kind of
// setting: the only length a stored or imported table may have.
#pragma once

#include <string>

class CModelTableSize {
public:
    // kind 1: colour settings (the colour module), 2: gamma settings (the core module). Raises
    // IDS_ERR_MODULE_FAILED when the module cannot answer; 0 for any other kind.
    static int ForKind(const std::string& ccmVersion, int kind);
};
