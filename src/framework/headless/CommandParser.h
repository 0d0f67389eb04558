// The command language of the terminal driver and of script files, one command a line:
//   click ID [X Y]   point ID X Y   select ID "TEXT" | select ID #INDEX   type ID "TEXT"
//   slide ID POSITION   key NAME   back   next   finish   cancel   press back|next|finish|cancel|help
//   answer BUTTON (an id, or ok, cancel, yes, no, abort, retry, ignore)   sysmenu ID   close
//   endsession   wait [MS]   show   png FILE   expect ...   help   quit
// Texts are in double quotes (\" and \\ inside); a single word needs none. Lines starting
// with # are comments.
#pragma once

#include <string>
#include <vector>

#include "framework/headless/Action.h"
#include "framework/headless/Expectation.h"

namespace fw::headless {

struct Command {
    enum class Kind { Empty, Act, Help, Show, Png, Quit, Expect };
    Kind kind = Kind::Empty;
    Action action;        // Act; a Wait without time has number -1 (until the next timer)
    std::string file;     // Png
    Expectation expect;   // Expect
};

class CommandParser {
public:
    // False with the reason when the line is no command.
    static bool Parse(const std::string& line, Command& command, std::string& error);
    // Splits a line into words; quoted texts are one word. False on an open quote.
    static bool Split(const std::string& line, std::vector<std::string>& words, std::string& error);
    // The list of commands that the help command prints.
    static std::string HelpText();
};

}  // namespace fw::headless
