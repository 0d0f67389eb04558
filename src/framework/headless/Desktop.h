// The headless window system: every window, the modal loops, posted messages, timers on a
// virtual clock, mouse capture, painting into pixel buffers and the driver that plays the
// user. One per process; single-threaded, as the user interface is.
#pragma once

#include <cstdint>
#include <deque>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "framework/UiTypes.h"
#include "framework/headless/Window.h"

namespace fw::headless {

class Driver;

class Desktop {
public:
    static Desktop& Get();

    // ---- Windows ----
    Window& NewWindow(WindowKind kind, const std::string& className, HWND parent);
    Window* Find(HWND handle);
    const Window* Find(HWND handle) const;
    void DestroyWindow(HWND handle);
    std::vector<HWND> TopLevelWindows() const;  // oldest first
    // A message to the window's object, or to its class when no object is attached.
    LRESULT Send(HWND handle, UINT message, WPARAM wParam, LPARAM lParam);
    bool Post(HWND handle, UINT message, WPARAM wParam, LPARAM lParam);
    // WM_COMMAND with code from a control to its parent.
    void NotifyParent(HWND control, UINT code);
    POINT ScreenOrigin(HWND handle) const;  // of the client area

    // ---- Modal loops ----
    // Runs until EndModal (or a quit); the window stays, its owner destroys it. Then the focus
    // goes back to focusBefore (what had it before the window opened), as the system does.
    INT_PTR RunModal(HWND handle, HWND focusBefore = nullptr);
    void EndModal(HWND handle, INT_PTR result);
    HWND ActiveWindow() const;  // the innermost running modal window, or null
    const std::vector<HWND>& ModalStack() const { return m_modalStack; }
    bool Quitting() const { return m_quitting; }
    void Quit();
    // Counts user actions, dispatched messages and time passing (loops watch it for progress).
    void NoteActivity() { ++m_activity; }

    // ---- Virtual clock and timers ----
    uint64_t Now() const { return m_now; }
    UINT_PTR StartTimer(HWND handle, UINT_PTR id, UINT elapse, TIMERPROC callback);
    bool StopTimer(HWND handle, UINT_PTR id);
    bool HasTimers() const { return !m_timers.empty(); }
    std::optional<uint64_t> NextTimerDue() const;
    struct TimerInfo {
        HWND window;
        UINT_PTR id;
        UINT elapse;
        uint64_t due;
    };
    std::vector<TimerInfo> Timers() const;
    // Lets milliseconds of virtual time pass, firing timers as they come due (a timer's work
    // may run nested modal loops), with posted messages and painting in between.
    void Wait(uint64_t milliseconds);

    // ---- Capture and focus ----
    HWND SetCapture(HWND handle);  // returns the previous capture window
    bool ReleaseCapture();
    HWND Capture() const { return m_capture; }
    HWND Focus() const { return m_focus; }
    // Moves the focus: WM_KILLFOCUS to the window that had it, WM_SETFOCUS to the new one.
    HWND SetFocus(HWND handle);

    // ---- Assistive technology ----
    struct WinEvent {
        DWORD event;
        HWND window;
        LONG objectId;
        LONG childId;
    };
    // Every NotifyWinEvent call of the run, oldest first.
    void RecordWinEvent(const WinEvent& event) { m_winEvents.push_back(event); }
    const std::vector<WinEvent>& WinEvents() const { return m_winEvents; }

    // ---- Painting ----
    // Marks the window (and its descendants) for painting.
    void Invalidate(HWND handle);
    void PaintNow(HWND handle);
    // Paints every invalid visible window, children before their parent; true when any.
    bool PaintInvalid();
    // The window's own pixels, sized to its client area.
    PixelBuffer& Surface(HWND handle);
    // The window as on screen: its pixels with its visible children on top.
    PixelBuffer Render(HWND handle);

    // ---- Driver ----
    // Installs driver (null: none); returns the previous one. Not owned.
    Driver* SetDriver(Driver* driver);
    Driver* InstalledDriver() const { return m_driver; }
    // The installed driver, else one that TAVREL_UI_DRIVER names (made on first use):
    // "terminal" (standard input and output), "terminal:FILE" (commands from FILE, echoed),
    // "script:FILE" (the script driver reading FILE). Null when there is none.
    Driver* CurrentDriver();
    bool HasDriver() { return CurrentDriver() != nullptr; }

    // Destroys every window and forgets timers, capture, posted messages, the clock and the
    // driver made from the environment (read again on next use); keeps the installed driver.
    void Reset();

private:
    Desktop();
    ~Desktop();

    struct Posted {
        HWND window;
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
    };
    struct Timer {
        HWND window;
        UINT_PTR id;
        UINT elapse;
        TIMERPROC callback;
        uint64_t due;
        uint64_t order;
    };

    bool DispatchOnePosted();
    bool FireDueTimer(uint64_t until);
    void Step();
    bool IdleStep();
    void PaintTree(HWND handle, bool& painted);
    void RenderInto(PixelBuffer& target, HWND handle, int x, int y);

    std::map<HWND, std::unique_ptr<Window>> m_windows;
    std::vector<HWND> m_topLevel;
    uintptr_t m_nextHandle = 0x10000;
    std::deque<Posted> m_posted;
    std::vector<Timer> m_timers;
    uint64_t m_timerOrder = 0;
    uint64_t m_now = 0;
    std::vector<HWND> m_modalStack;
    bool m_quitting = false;
    uint64_t m_activity = 0;
    int m_stepsWithoutProgress = 0;
    int m_idleTimerSteps = 0;
    HWND m_capture = nullptr;
    HWND m_focus = nullptr;
    std::vector<WinEvent> m_winEvents;
    Driver* m_driver = nullptr;
    std::unique_ptr<Driver> m_environmentDriver;
    bool m_environmentChecked = false;
};

}  // namespace fw::headless
