#include "framework/headless/TerminalDriver.h"

#include <istream>
#include <ostream>

#include "framework/headless/CommandParser.h"
#include "framework/headless/Desktop.h"
#include "framework/headless/PngWriter.h"
#include "framework/headless/TerminalRenderer.h"
#include "framework/headless/UserInput.h"

namespace fw::headless {

TerminalDriver::TerminalDriver(std::istream& in, std::ostream& out, bool echo) : m_in(in), m_out(out), m_echo(echo) {}

bool TerminalDriver::Step(UserInput& input) {
    const std::string shown = TerminalRenderer::Render(input.Active());
    if (shown != m_shown) {
        m_out << shown;
        m_shown = shown;
    }
    if (const auto next = input.NextTimerIn(); next && m_autoWaits < kAutoWaits) {
        ++m_autoWaits;
        input.Wait(static_cast<int>(*next));
        return true;
    }

    m_out << "> " << std::flush;
    std::string line;
    if (!std::getline(m_in, line)) {
        m_out << "\n";
        return false;
    }
    if (m_echo) m_out << line << "\n";
    m_autoWaits = 0;

    Command command;
    std::string error;
    if (!CommandParser::Parse(line, command, error)) {
        m_out << "? " << error << "\n";
        return true;
    }
    switch (command.kind) {
        case Command::Kind::Empty: return true;
        case Command::Kind::Help: m_out << CommandParser::HelpText(); return true;
        case Command::Kind::Show:
            m_shown = TerminalRenderer::Render(input.Active());
            m_out << m_shown;
            return true;
        case Command::Kind::Quit: return false;
        case Command::Kind::Png: {
            const PixelBuffer picture = Desktop::Get().Render(Desktop::Get().ActiveWindow());
            if (!PngWriter::Save(picture, command.file)) m_out << "! cannot write " << command.file << "\n";
            return true;
        }
        case Command::Kind::Expect: {
            const std::string failure = command.expect.Check(input.Active());
            m_out << (failure.empty() ? "ok\n" : "! " + failure + "\n");
            return true;
        }
        case Command::Kind::Act: break;
    }
    Action action = command.action;
    if (action.kind == Action::Kind::Wait && action.number < 0) {
        const auto next = input.NextTimerIn();
        if (!next) {
            m_out << "! no timer runs\n";
            return true;
        }
        action.number = static_cast<int>(*next);
    }
    const ActionResult result = input.Perform(action);
    if (!result.ok) m_out << "! " << result.message << "\n";
    return true;
}

}  // namespace fw::headless
