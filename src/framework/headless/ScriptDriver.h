// Drives the headless windows from a test: a queue of steps, each run when the active window
// is idle, in order. Steps act as a user would (click, select, type, wizard buttons, message
// box answers, time passing) or look at the active window (Inspect) or run any code (Do).
//
//   fw::headless::ScriptDriver script;           // installed for its lifetime
//   script.Inspect([](const WindowView& w) { EXPECT_TRUE(w.Control(IDC_FIRST_RADIO).checked()); })
//         .Click(IDC_SECOND_RADIO).Next()
//         .Answer(IDOK)                           // the message box that Next shows
//         .Finish();
//   EXPECT_EQ(sheet.DoModal(), ID_WIZFINISH);
//   EXPECT_TRUE(script.Finished());  EXPECT_TRUE(script.Refusals().empty());
//
// An action the user could not take (a disabled button, a missing control) is refused: it is
// recorded in Refusals() and the script goes on. When the steps run out while windows are
// still open, running timers get virtual time (up to a budget) and then the script quits:
// every open window ends with IDCANCEL. The same steps can be read from the terminal's
// command language (LoadFile, LoadText), where failed `expect` lines land in Failures().
//
// For a script run by a person (a command file, TAVREL_UI_DRIVER=script:FILE) two more things
// hold: SetReport sends every refusal and failure to a sink as it happens, and
// SetPatience lets a step that meets a window which closes by itself (a progress or notice
// dialog on a timer) wait for it, up to that much virtual time, before it counts as refused.
#pragma once

#include <cstdint>
#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

#include "framework/headless/Action.h"
#include "framework/headless/Driver.h"
#include "framework/headless/Expectation.h"
#include "framework/headless/UiView.h"

namespace fw::headless {

class UserInput;

class ScriptDriver : public Driver {
public:
    explicit ScriptDriver(bool install = true);
    ~ScriptDriver() override;
    ScriptDriver(const ScriptDriver&) = delete;
    ScriptDriver& operator=(const ScriptDriver&) = delete;

    ScriptDriver& Act(const Action& action);
    ScriptDriver& Click(UINT id);
    ScriptDriver& ClickAt(UINT id, int x, int y);
    ScriptDriver& MoveMouse(UINT id, int x, int y);
    ScriptDriver& Select(UINT id, const std::string& text);
    ScriptDriver& SelectIndex(UINT id, int index);
    ScriptDriver& Type(UINT id, const std::string& text);
    ScriptDriver& Slide(UINT id, int position);
    // A key by its script name ("tab", "shift+tab", "alt+h" ...), through the dialog manager.
    ScriptDriver& Key(const std::string& name);
    ScriptDriver& Back();
    ScriptDriver& Next();
    ScriptDriver& Finish();
    ScriptDriver& Cancel();
    ScriptDriver& Help();
    ScriptDriver& Answer(int button);
    ScriptDriver& SysCommand(UINT id);
    ScriptDriver& Close();
    ScriptDriver& EndSession();
    ScriptDriver& Wait(int milliseconds);
    ScriptDriver& WaitForTimer();  // until the next timer is due
    ScriptDriver& Inspect(std::function<void(const WindowView&)> check);
    ScriptDriver& Do(std::function<void(UserInput&)> work);
    ScriptDriver& Expect(const Expectation& expectation);
    ScriptDriver& Quit();

    // Appends the commands of a script (CommandParser); false with the line's error.
    bool LoadText(const std::string& text, std::string* error = nullptr);
    bool LoadFile(const std::string& path, std::string* error = nullptr);

    bool Finished() const { return m_next >= m_steps.size(); }
    size_t Remaining() const { return m_steps.size() - m_next; }
    // "step N (command)" for each step not run yet.
    std::vector<std::string> UnrunSteps() const;
    // The steps ran out while a window was still open.
    bool Exhausted() const { return m_exhausted; }
    const std::vector<std::string>& Refusals() const { return m_refusals; }
    const std::vector<std::string>& Failures() const { return m_failures; }
    // Virtual time that may pass by itself once the steps are done (default one minute).
    void SetTimeBudget(uint64_t milliseconds) { m_timeBudget = milliseconds; }
    // Called with each refusal or failure ("step N (command): reason") when it is recorded.
    void SetReport(std::function<void(const std::string&)> report) { m_report = std::move(report); }
    // Virtual time a refused action or failed `expect` may wait for running timers, then is
    // tried again (0, the default: no waiting).
    void SetPatience(uint64_t milliseconds) { m_patience = milliseconds; }
    // Where `show` prints the active window (default: standard output).
    void SetOutput(std::ostream* out) { m_out = out; }

    bool Step(UserInput& input) override;
    // With a report sink: each step left (unless the script quit) is reported as never run.
    void SessionEnded() override;

private:
    struct ScriptStep {
        enum class Type { Act, Inspect, Do, Expect, Quit };
        Type type = Type::Act;
        Action action;
        std::function<void(const WindowView&)> inspect;
        std::function<void(UserInput&)> work;
        Expectation expectation;
    };

    ScriptDriver& Add(ScriptStep step);
    // True when the step at m_next - 1 should be tried again after running timers had time.
    bool WaitAndRetry(UserInput& input);
    void Record(std::vector<std::string>& list, std::string line);
    ScriptDriver& Simple(Action::Kind kind, UINT id = 0, int number = 0);

    std::vector<ScriptStep> m_steps;
    size_t m_next = 0;
    bool m_installed = false;
    Driver* m_previous = nullptr;
    bool m_exhausted = false;
    bool m_quit = false;
    uint64_t m_timeBudget = 60000;
    uint64_t m_timeUsed = 0;
    uint64_t m_patience = 0;
    uint64_t m_waited = 0;  // by the current step
    std::function<void(const std::string&)> m_report;
    std::ostream* m_out = nullptr;
    std::vector<std::string> m_refusals;
    std::vector<std::string> m_failures;
};

}  // namespace fw::headless
