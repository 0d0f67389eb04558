#include "framework/CWinApp.h"

namespace {

CWinApp*& TheApp() {
    static CWinApp* app = nullptr;
    return app;
}

}  // namespace

CWinApp::CWinApp() {
    if (!TheApp()) TheApp() = this;
}

CWinApp::~CWinApp() {
    if (TheApp() == this) TheApp() = nullptr;
}

CWinApp* CWinApp::GetApp() { return TheApp(); }
