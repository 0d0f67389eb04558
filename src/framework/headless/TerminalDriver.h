// Drives the headless windows from a terminal: prints the active window whenever it changed,
// reads one command a line (CommandParser) and carries it out, printing why when the user
// could not do that. Running timers get time of their own before each prompt (a dialog that
// works on a timer runs by itself), up to a limit, after which `wait` lets more time pass.
// End of input quits.
#pragma once

#include <iosfwd>
#include <string>

#include "framework/headless/Driver.h"

namespace fw::headless {

class TerminalDriver : public Driver {
public:
    // echo: print each command after the prompt (for commands read from a file).
    TerminalDriver(std::istream& in, std::ostream& out, bool echo);
    bool Step(UserInput& input) override;

    static constexpr int kAutoWaits = 20;

private:
    std::istream& m_in;
    std::ostream& m_out;
    bool m_echo;
    std::string m_shown;
    int m_autoWaits = 0;
};

}  // namespace fw::headless
