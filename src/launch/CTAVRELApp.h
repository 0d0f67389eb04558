// The library's application object: holds nothing and does no start-up or shut-down work;
// everything happens inside the entry point.
#pragma once

#include "framework/CWinApp.h"

class CTAVRELApp : public CWinApp {
public:
    CTAVRELApp() = default;
};
