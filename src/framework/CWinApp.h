// The application object: one per library or program, holding nothing of its own.
#pragma once

class CWinApp {
public:
    CWinApp();
    virtual ~CWinApp();
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    virtual bool InitInstance() { return true; }
    virtual int ExitInstance() { return 0; }

    // The application object of this module, or null.
    static CWinApp* GetApp();
};
