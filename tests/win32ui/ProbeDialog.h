// A dialog for tests on real windows: runs the test's code when it is made and on its timers,
// and ends itself with kStuck when nothing else ended it in time, so a broken test fails
// instead of waiting for a user.
#pragma once

#include <functional>
#include <vector>

#include "framework/CDialog.h"

class ProbeDialog : public CDialog {
public:
    static constexpr INT_PTR kStuck = -2;
    static constexpr UINT_PTR kWatchdog = 99;

    ProbeDialog(LPCDLGTEMPLATE dialogTemplate, std::function<void(ProbeDialog&)> onInit)
        : m_onInit(std::move(onInit)) {
        InitModalIndirect(dialogTemplate);
    }
    // Made from the dialog resource templateId of the program.
    ProbeDialog(UINT templateId, std::function<void(ProbeDialog&)> onInit)
        : CDialog(templateId), m_onInit(std::move(onInit)) {}

    std::function<void(ProbeDialog&, UINT_PTR)> onTimer;
    std::function<void(ProbeDialog&, UINT)> onSysCommand;
    std::vector<HWND> captureChanges;  // the new capture window of each WM_CAPTURECHANGED
    std::vector<UINT> commands;  // BN_CLICKED ids the command map routed here

    void RouteClicks(UINT first, UINT last) { MapCommandRange(first, last, &ProbeDialog::OnClicked); }

protected:
    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        SetTimer(kWatchdog, 5000);
        if (m_onInit) m_onInit(*this);
        return TRUE;
    }

    void OnTimer(UINT_PTR id) override {
        if (id == kWatchdog) {
            KillTimer(id);
            EndDialog(static_cast<int>(kStuck));
            return;
        }
        if (onTimer) onTimer(*this, id);
    }

    void OnSysCommand(UINT id, LPARAM lParam) override {
        if (onSysCommand && id < 0xF000) onSysCommand(*this, id);
        else CDialog::OnSysCommand(id, lParam);
    }

    void OnCaptureChanged(CWnd* newCapture) override {
        captureChanges.push_back(newCapture ? newCapture->m_hWnd : nullptr);
        CDialog::OnCaptureChanged(newCapture);
    }

private:
    void OnClicked(UINT id) { commands.push_back(id); }

    std::function<void(ProbeDialog&)> m_onInit;
};
