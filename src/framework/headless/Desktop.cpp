#include "framework/headless/Desktop.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <utility>

#include "framework/CWnd.h"
#include "framework/WindowSystem.h"
#include "framework/headless/Driver.h"
#include "framework/headless/Look.h"
#include "framework/headless/MessageBoxWindow.h"
#include "framework/headless/ScriptDriver.h"
#include "framework/headless/SheetController.h"
#include "framework/headless/TerminalDriver.h"
#include "framework/headless/UserInput.h"

namespace fw::headless {
namespace {

// A driver that keeps stepping without anything happening is stuck: give up.
constexpr int kMaxStepsWithoutProgress = 10000;
// Without a driver, time passes for timers this many times in a row at most.
constexpr int kMaxIdleTimerSteps = 10000;
// Paint passes in a row before the loop goes on regardless (a window that keeps
// invalidating itself while painting must not stall the loop).
constexpr int kMaxPaintPasses = 64;
constexpr UINT kMinimumTimerElapse = 10;
// Virtual time a step of a command script waits for a window that closes by itself.
constexpr uint64_t kScriptPatience = 120000;

// Where a command script's refusals and failures go: standard error, and appended to the file
// that TAVREL_UI_REPORT names, so that the program that runs the library learns the verdict
// without another export (an empty or missing file: every step ran as written).
void ReportScriptTrouble(const std::string& line) {
    std::fprintf(stderr, "%s\n", line.c_str());
    if (const char* file = std::getenv("TAVREL_UI_REPORT"); file && *file) {
        std::ofstream(file, std::ios::app) << line << "\n";
    }
}

// A terminal driver that reads its commands from a file it owns.
class FileTerminalDriver : public Driver {
public:
    explicit FileTerminalDriver(const std::string& path) : m_file(path), m_driver(m_file, std::cout, true) {}
    bool Step(UserInput& input) override { return m_driver.Step(input); }

private:
    std::ifstream m_file;
    TerminalDriver m_driver;
};

}  // namespace

Desktop& Desktop::Get() {
    static Desktop desktop;
    return desktop;
}

Desktop::Desktop() = default;

Desktop::~Desktop() = default;

// ---- Windows --------------------------------------------------------------------------------

Window& Desktop::NewWindow(WindowKind kind, const std::string& className, HWND parent) {
    auto window = std::make_unique<Window>();
    m_nextHandle += 4;
    window->handle = reinterpret_cast<HWND>(m_nextHandle);
    window->kind = kind;
    window->className = className;
    window->parent = parent;
    Window& made = *window;
    m_windows[made.handle] = std::move(window);
    if (made.IsTopLevel()) {
        m_topLevel.push_back(made.handle);
    } else if (Window* owner = Find(parent)) {
        owner->children.push_back(made.handle);
    }
    return made;
}

Window* Desktop::Find(HWND handle) {
    const auto found = m_windows.find(handle);
    return found == m_windows.end() ? nullptr : found->second.get();
}

const Window* Desktop::Find(HWND handle) const {
    const auto found = m_windows.find(handle);
    return found == m_windows.end() ? nullptr : found->second.get();
}

void Desktop::DestroyWindow(HWND handle) {
    Window* window = Find(handle);
    if (!window || window->destroying) return;
    window->destroying = true;
    if (window->modal && !window->ended) {
        window->ended = true;
        window->result = IDCANCEL;
    }
    Send(handle, WM_DESTROY, 0, 0);
    for (HWND child : std::vector<HWND>(Find(handle)->children)) DestroyWindow(child);

    window = Find(handle);
    std::erase_if(m_timers, [handle](const Timer& timer) { return timer.window == handle; });
    if (m_capture == handle) m_capture = nullptr;
    if (m_focus == handle) m_focus = nullptr;
    if (window->object) {
        window->object->m_hWnd = nullptr;
        window->object = nullptr;
    }
    CWnd::DeleteTempObject(handle);
    if (Window* parent = Find(window->parent); parent && !window->IsTopLevel()) {
        std::erase(parent->children, handle);
    }
    std::erase(m_topLevel, handle);
    m_windows.erase(handle);
}

std::vector<HWND> Desktop::TopLevelWindows() const { return m_topLevel; }

LRESULT Desktop::Send(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
    Window* window = Find(handle);
    if (!window) return 0;
    if (window->object) return window->object->HandleMessage(message, wParam, lParam);
    return ws::DefaultProc(handle, message, wParam, lParam);
}

bool Desktop::Post(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
    if (!Find(handle)) return false;
    m_posted.push_back(Posted{handle, message, wParam, lParam});
    return true;
}

void Desktop::NotifyParent(HWND control, UINT code) {
    const Window* window = Find(control);
    if (!window || !Find(window->parent)) return;
    Send(window->parent, WM_COMMAND, MAKEWPARAM(window->id, code), reinterpret_cast<LPARAM>(control));
}

POINT Desktop::ScreenOrigin(HWND handle) const {
    POINT origin{0, 0};
    for (const Window* window = Find(handle); window; window = window->IsTopLevel() ? nullptr : Find(window->parent)) {
        origin.x += window->rect.left;
        origin.y += window->rect.top;
    }
    return origin;
}

// ---- Modal loops ------------------------------------------------------------------------------

INT_PTR Desktop::RunModal(HWND handle, HWND focusBefore) {
    Window* window = Find(handle);
    if (!window) return -1;
    window->modal = true;
    m_modalStack.push_back(handle);
    int paintPasses = 0;
    for (;;) {
        window = Find(handle);
        if (!window || window->ended) break;
        if (m_quitting) {
            window->ended = true;
            window->result = window->kind == WindowKind::MessageBox ? MessageBoxWindow::QuitAnswer(window->boxStyle) : IDCANCEL;
            break;
        }
        if (DispatchOnePosted()) continue;
        if (paintPasses < kMaxPaintPasses && PaintInvalid()) {
            ++paintPasses;
            continue;
        }
        paintPasses = 0;
        if (FireDueTimer(m_now)) continue;
        Step();
    }
    const INT_PTR result = window ? window->result : IDCANCEL;
    if (window) window->modal = false;
    std::erase(m_modalStack, handle);
    if (focusBefore && Find(focusBefore)) SetFocus(focusBefore);
    if (m_modalStack.empty()) {
        m_quitting = false;
        m_idleTimerSteps = 0;
    }
    return result;
}

void Desktop::EndModal(HWND handle, INT_PTR result) {
    Window* window = Find(handle);
    if (!window) return;
    window->ended = true;
    window->result = result;
}

HWND Desktop::ActiveWindow() const { return m_modalStack.empty() ? nullptr : m_modalStack.back(); }

void Desktop::Quit() {
    if (!m_modalStack.empty()) m_quitting = true;
}

bool Desktop::DispatchOnePosted() {
    while (!m_posted.empty()) {
        const Posted posted = m_posted.front();
        m_posted.pop_front();
        if (!Find(posted.window)) continue;
        NoteActivity();
        Send(posted.window, posted.message, posted.wParam, posted.lParam);
        return true;
    }
    return false;
}

void Desktop::Step() {
    const uint64_t before = m_activity;
    bool keepGoing = true;
    if (Driver* driver = CurrentDriver()) {
        UserInput input(*this);
        keepGoing = driver->Step(input);
    } else {
        keepGoing = IdleStep();
    }
    if (!keepGoing) {
        Quit();
        return;
    }
    if (m_activity != before) {
        m_stepsWithoutProgress = 0;
    } else if (++m_stepsWithoutProgress >= kMaxStepsWithoutProgress) {
        std::fprintf(stderr, "[headless] the driver makes no progress; quitting\n");
        m_stepsWithoutProgress = 0;
        Quit();
    }
}

bool Desktop::IdleStep() {
    const auto due = NextTimerDue();
    if (!due || ++m_idleTimerSteps > kMaxIdleTimerSteps) {
        m_idleTimerSteps = 0;
        return false;
    }
    Wait(*due > m_now ? *due - m_now : 0);
    return true;
}

// ---- Timers -----------------------------------------------------------------------------------

UINT_PTR Desktop::StartTimer(HWND handle, UINT_PTR id, UINT elapse, TIMERPROC callback) {
    if (!Find(handle)) return 0;
    elapse = std::max(elapse, kMinimumTimerElapse);
    for (Timer& timer : m_timers) {
        if (timer.window == handle && timer.id == id) {
            timer.elapse = elapse;
            timer.callback = callback;
            timer.due = m_now + elapse;
            return id;
        }
    }
    m_timers.push_back(Timer{handle, id, elapse, callback, m_now + elapse, ++m_timerOrder});
    return id;
}

bool Desktop::StopTimer(HWND handle, UINT_PTR id) {
    const auto erased = std::erase_if(m_timers, [&](const Timer& timer) { return timer.window == handle && timer.id == id; });
    return erased > 0;
}

std::optional<uint64_t> Desktop::NextTimerDue() const {
    std::optional<uint64_t> next;
    for (const Timer& timer : m_timers) {
        if (!next || timer.due < *next) next = timer.due;
    }
    return next;
}

std::vector<Desktop::TimerInfo> Desktop::Timers() const {
    std::vector<TimerInfo> timers;
    for (const Timer& timer : m_timers) timers.push_back(TimerInfo{timer.window, timer.id, timer.elapse, timer.due});
    return timers;
}

bool Desktop::FireDueTimer(uint64_t until) {
    const Timer* earliest = nullptr;
    for (const Timer& timer : m_timers) {
        if (timer.due > until) continue;
        if (!earliest || timer.due < earliest->due || (timer.due == earliest->due && timer.order < earliest->order)) {
            earliest = &timer;
        }
    }
    if (!earliest) return false;
    const Timer fired = *earliest;
    m_now = std::max(m_now, fired.due);
    for (Timer& timer : m_timers) {
        if (timer.window == fired.window && timer.id == fired.id) timer.due = m_now + timer.elapse;
    }
    NoteActivity();
    if (fired.callback) fired.callback(fired.window, WM_TIMER, fired.id, static_cast<DWORD>(m_now));
    else Send(fired.window, WM_TIMER, fired.id, 0);
    return true;
}

void Desktop::Wait(uint64_t milliseconds) {
    const uint64_t target = m_now + milliseconds;
    NoteActivity();
    for (;;) {
        while (DispatchOnePosted()) {
        }
        PaintInvalid();
        if (m_quitting || !FireDueTimer(target)) break;
    }
    m_now = std::max(m_now, target);
}

// ---- Capture and focus ------------------------------------------------------------------------

HWND Desktop::SetCapture(HWND handle) {
    if (!Find(handle)) return m_capture;
    const HWND previous = m_capture;
    m_capture = handle;
    if (previous && previous != handle) Send(previous, WM_CAPTURECHANGED, 0, reinterpret_cast<LPARAM>(handle));
    return previous;
}

bool Desktop::ReleaseCapture() {
    const HWND previous = m_capture;
    m_capture = nullptr;
    if (previous) Send(previous, WM_CAPTURECHANGED, 0, 0);
    return true;
}

HWND Desktop::SetFocus(HWND handle) {
    const HWND previous = m_focus;
    if (!Find(handle) || handle == previous) return previous;
    m_focus = handle;
    if (Find(previous)) Send(previous, WM_KILLFOCUS, reinterpret_cast<WPARAM>(handle), 0);
    // The window that lost the focus may have moved it on; only a focus still here is told.
    if (m_focus == handle) Send(handle, WM_SETFOCUS, reinterpret_cast<WPARAM>(previous), 0);
    return previous;
}

// ---- Painting ---------------------------------------------------------------------------------

void Desktop::Invalidate(HWND handle) {
    Window* window = Find(handle);
    if (!window) return;
    window->invalid = true;
    for (HWND child : window->children) Invalidate(child);
}

void Desktop::PaintNow(HWND handle) {
    bool painted = false;
    PaintTree(handle, painted);
}

bool Desktop::PaintInvalid() {
    bool painted = false;
    for (HWND handle : std::vector<HWND>(m_topLevel)) PaintTree(handle, painted);
    return painted;
}

void Desktop::PaintTree(HWND handle, bool& painted) {
    Window* window = Find(handle);
    if (!window || !window->Visible()) return;
    for (HWND child : std::vector<HWND>(window->children)) PaintTree(child, painted);
    window = Find(handle);
    if (!window || !window->invalid) return;
    window->invalid = false;
    painted = true;
    Send(handle, WM_PAINT, 0, 0);
}

PixelBuffer& Desktop::Surface(HWND handle) {
    static PixelBuffer nothing;
    Window* window = Find(handle);
    if (!window) {
        nothing = PixelBuffer();
        return nothing;
    }
    window->pixels.Resize(window->Width(), window->Height(), Look::kFace);
    return window->pixels;
}

PixelBuffer Desktop::Render(HWND handle) {
    PaintInvalid();
    const Window* window = Find(handle);
    if (!window) return PixelBuffer();
    PixelBuffer picture(window->Width(), window->Height(), Look::kFace);
    RenderInto(picture, handle, 0, 0);
    return picture;
}

void Desktop::RenderInto(PixelBuffer& target, HWND handle, int x, int y) {
    const Window* window = Find(handle);
    if (!window) return;
    const RECT clip{x, y, x + window->Width(), y + window->Height()};
    target.Blit(Surface(handle), x, y, &clip);
    for (HWND child : window->children) {
        const Window* childWindow = Find(child);
        if (!childWindow || !childWindow->Visible()) continue;
        RenderInto(target, child, x + childWindow->rect.left, y + childWindow->rect.top);
    }
}

// ---- Driver -----------------------------------------------------------------------------------

Driver* Desktop::SetDriver(Driver* driver) { return std::exchange(m_driver, driver); }

Driver* Desktop::CurrentDriver() {
    if (m_driver) return m_driver;
    if (!m_environmentChecked) {
        m_environmentChecked = true;
        const char* setting = std::getenv("TAVREL_UI_DRIVER");
        const std::string value = setting ? setting : "";
        if (value == "terminal") {
            m_environmentDriver = std::make_unique<TerminalDriver>(std::cin, std::cout, false);
        } else if (value.rfind("terminal:", 0) == 0) {
            m_environmentDriver = std::make_unique<FileTerminalDriver>(value.substr(9));
        } else if (value.rfind("script:", 0) == 0) {
            auto script = std::make_unique<ScriptDriver>(false);
            script->SetReport(ReportScriptTrouble);
            script->SetPatience(kScriptPatience);
            std::string error;
            if (!script->LoadFile(value.substr(7), &error)) ReportScriptTrouble("script " + error);
            m_environmentDriver = std::move(script);
        }
    }
    return m_environmentDriver.get();
}

void Desktop::Reset() {
    for (HWND handle : std::vector<HWND>(m_topLevel)) DestroyWindow(handle);
    for (auto& [handle, window] : m_windows) {
        if (window->object) window->object->m_hWnd = nullptr;
    }
    m_windows.clear();
    m_topLevel.clear();
    m_posted.clear();
    m_timers.clear();
    m_modalStack.clear();
    m_quitting = false;
    m_capture = nullptr;
    m_focus = nullptr;
    m_winEvents.clear();
    m_now = 0;
    m_stepsWithoutProgress = 0;
    m_idleTimerSteps = 0;
    m_environmentDriver.reset();
    m_environmentChecked = false;
}

}  // namespace fw::headless
