#include "framework/headless/ScriptDriver.h"

#include <fstream>
#include <iostream>
#include <sstream>

#include "framework/headless/CommandParser.h"
#include "framework/headless/Desktop.h"
#include "framework/headless/PngWriter.h"
#include "framework/headless/TerminalRenderer.h"
#include "framework/headless/UserInput.h"

namespace fw::headless {

ScriptDriver::ScriptDriver(bool install) {
    if (install) {
        m_previous = Desktop::Get().SetDriver(this);
        m_installed = true;
    }
}

ScriptDriver::~ScriptDriver() {
    if (m_installed) {
        Desktop& desktop = Desktop::Get();
        if (desktop.InstalledDriver() == this) desktop.SetDriver(m_previous);
    }
}

ScriptDriver& ScriptDriver::Add(ScriptStep step) {
    m_steps.push_back(std::move(step));
    return *this;
}

ScriptDriver& ScriptDriver::Act(const Action& action) {
    ScriptStep step;
    step.action = action;
    return Add(std::move(step));
}

ScriptDriver& ScriptDriver::Simple(Action::Kind kind, UINT id, int number) {
    Action action;
    action.kind = kind;
    action.id = id;
    action.number = number;
    return Act(action);
}

ScriptDriver& ScriptDriver::Click(UINT id) { return Simple(Action::Kind::Click, id); }

ScriptDriver& ScriptDriver::ClickAt(UINT id, int x, int y) {
    Action action;
    action.kind = Action::Kind::ClickAt;
    action.id = id;
    action.x = x;
    action.y = y;
    return Act(action);
}

ScriptDriver& ScriptDriver::MoveMouse(UINT id, int x, int y) {
    Action action;
    action.kind = Action::Kind::MouseMove;
    action.id = id;
    action.x = x;
    action.y = y;
    return Act(action);
}

ScriptDriver& ScriptDriver::Select(UINT id, const std::string& text) {
    Action action;
    action.kind = Action::Kind::Select;
    action.id = id;
    action.text = text;
    return Act(action);
}

ScriptDriver& ScriptDriver::SelectIndex(UINT id, int index) { return Simple(Action::Kind::SelectIndex, id, index); }

ScriptDriver& ScriptDriver::Type(UINT id, const std::string& text) {
    Action action;
    action.kind = Action::Kind::Type;
    action.id = id;
    action.text = text;
    return Act(action);
}

ScriptDriver& ScriptDriver::Slide(UINT id, int position) { return Simple(Action::Kind::Slide, id, position); }
ScriptDriver& ScriptDriver::Key(const std::string& name) {
    Action action;
    action.kind = Action::Kind::Key;
    UINT key = 0;
    // A name that is no key stays a key that nothing has, so the step is refused.
    if (!Action::KeyFromName(name, key, action.x)) key = 0;
    action.number = static_cast<int>(key);
    return Act(action);
}
ScriptDriver& ScriptDriver::Back() { return Simple(Action::Kind::Back); }
ScriptDriver& ScriptDriver::Next() { return Simple(Action::Kind::Next); }
ScriptDriver& ScriptDriver::Finish() { return Simple(Action::Kind::Finish); }
ScriptDriver& ScriptDriver::Cancel() { return Simple(Action::Kind::Cancel); }
ScriptDriver& ScriptDriver::Help() { return Simple(Action::Kind::Help); }
ScriptDriver& ScriptDriver::Answer(int button) { return Simple(Action::Kind::Answer, 0, button); }
ScriptDriver& ScriptDriver::SysCommand(UINT id) { return Simple(Action::Kind::SysCommand, id); }
ScriptDriver& ScriptDriver::Close() { return Simple(Action::Kind::Close); }
ScriptDriver& ScriptDriver::EndSession() { return Simple(Action::Kind::EndSession); }
ScriptDriver& ScriptDriver::Wait(int milliseconds) { return Simple(Action::Kind::Wait, 0, milliseconds); }
ScriptDriver& ScriptDriver::WaitForTimer() { return Simple(Action::Kind::Wait, 0, -1); }

ScriptDriver& ScriptDriver::Inspect(std::function<void(const WindowView&)> check) {
    ScriptStep step;
    step.type = ScriptStep::Type::Inspect;
    step.inspect = std::move(check);
    return Add(std::move(step));
}

ScriptDriver& ScriptDriver::Do(std::function<void(UserInput&)> work) {
    ScriptStep step;
    step.type = ScriptStep::Type::Do;
    step.work = std::move(work);
    return Add(std::move(step));
}

ScriptDriver& ScriptDriver::Expect(const Expectation& expectation) {
    ScriptStep step;
    step.type = ScriptStep::Type::Expect;
    step.expectation = expectation;
    return Add(std::move(step));
}

ScriptDriver& ScriptDriver::Quit() {
    ScriptStep step;
    step.type = ScriptStep::Type::Quit;
    return Add(std::move(step));
}

bool ScriptDriver::LoadText(const std::string& text, std::string* error) {
    std::istringstream lines(text);
    int number = 0;
    for (std::string line; std::getline(lines, line);) {
        ++number;
        Command command;
        std::string why;
        if (!CommandParser::Parse(line, command, why)) {
            if (error) *error = "line " + std::to_string(number) + ": " + why;
            return false;
        }
        switch (command.kind) {
            case Command::Kind::Act: Act(command.action); break;
            case Command::Kind::Expect: Expect(command.expect); break;
            case Command::Kind::Quit: Quit(); break;
            case Command::Kind::Png: {
                const std::string file = command.file;
                const size_t index = m_steps.size();
                Do([this, file, index](UserInput&) {
                    if (!PngWriter::Save(Desktop::Get().Render(Desktop::Get().ActiveWindow()), file)) {
                        Record(m_refusals, "step " + std::to_string(index + 1) + " (png " + file + "): cannot write the file");
                    }
                });
                break;
            }
            case Command::Kind::Show:
                Do([this](UserInput& input) { *(m_out ? m_out : &std::cout) << TerminalRenderer::Render(input.Active()) << std::flush; });
                break;
            default: break;  // help means nothing without a person
        }
    }
    return true;
}

bool ScriptDriver::LoadFile(const std::string& path, std::string* error) {
    std::ifstream file(path);
    if (!file) {
        if (error) *error = "cannot read " + path;
        return false;
    }
    std::ostringstream text;
    text << file.rdbuf();
    return LoadText(text.str(), error);
}

std::vector<std::string> ScriptDriver::UnrunSteps() const {
    std::vector<std::string> lines;
    for (size_t index = m_next; index < m_steps.size(); ++index) {
        const ScriptStep& step = m_steps[index];
        std::string what = "code";
        if (step.type == ScriptStep::Type::Act) what = step.action.Describe();
        if (step.type == ScriptStep::Type::Expect) what = step.expectation.Describe();
        if (step.type == ScriptStep::Type::Quit) what = "quit";
        lines.push_back("step " + std::to_string(index + 1) + " (" + what + ")");
    }
    return lines;
}

void ScriptDriver::Record(std::vector<std::string>& list, std::string line) {
    if (m_report) m_report(line);
    list.push_back(std::move(line));
}

void ScriptDriver::SessionEnded() {
    if (!m_report || m_quit) return;
    for (const std::string& step : UnrunSteps()) Record(m_refusals, step + ": not run, the windows had closed");
    m_next = m_steps.size();
}

bool ScriptDriver::WaitAndRetry(UserInput& input) {
    const auto next = input.NextTimerIn();
    if (!next || m_waited + *next > m_patience) return false;
    m_waited += *next;
    input.Wait(static_cast<int>(*next));
    --m_next;
    return true;
}

bool ScriptDriver::Step(UserInput& input) {
    if (m_next < m_steps.size()) {
        const size_t index = m_next++;
        ScriptStep& step = m_steps[index];
        const std::string where = "step " + std::to_string(index + 1);
        switch (step.type) {
            case ScriptStep::Type::Quit: m_quit = true; return false;
            case ScriptStep::Type::Inspect: step.inspect(input.Active()); return true;
            case ScriptStep::Type::Do: step.work(input); return true;
            case ScriptStep::Type::Expect: {
                const std::string failure = step.expectation.Check(input.Active());
                if (!failure.empty()) {
                    if (WaitAndRetry(input)) return true;
                    Record(m_failures, where + " (" + step.expectation.Describe() + "): " + failure);
                }
                m_waited = 0;
                return true;
            }
            case ScriptStep::Type::Act: break;
        }
        Action action = step.action;
        if (action.kind == Action::Kind::Wait && action.number < 0) {
            const auto next = input.NextTimerIn();
            action.number = next ? static_cast<int>(*next) : 0;
            if (!next) {
                Record(m_refusals, where + " (wait): no timer runs");
                return true;
            }
        }
        const ActionResult result = input.Perform(action);
        if (!result.ok) {
            if (WaitAndRetry(input)) return true;
            Record(m_refusals, where + " (" + action.Describe() + "): " + result.message);
        }
        m_waited = 0;
        return true;
    }
    m_exhausted = true;
    const auto next = input.NextTimerIn();
    if (next && m_timeUsed + *next <= m_timeBudget) {
        m_timeUsed += *next;
        input.Wait(static_cast<int>(*next));
        return true;
    }
    return false;
}

}  // namespace fw::headless
