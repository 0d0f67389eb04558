// The user's hands on the headless windows, for drivers: what the active window (the
// innermost modal one) shows, and the actions a user can take there. An action the user could
// not take (no such control, a disabled or hidden one, a wizard button that is not offered)
// is refused with the reason, and nothing happens.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "framework/headless/Action.h"
#include "framework/headless/UiView.h"

namespace fw::headless {

class Desktop;
struct Window;

class UserInput {
public:
    explicit UserInput(Desktop& desktop) : m_desktop(desktop) {}

    WindowView Active() const;
    bool HasActive() const;
    ActionResult Perform(const Action& action);
    // Milliseconds until the next timer is due; none when no timer runs.
    std::optional<uint64_t> NextTimerIn() const;

    ActionResult Click(UINT id) { return Perform(Make(Action::Kind::Click, id)); }
    ActionResult Next() { return Perform(Make(Action::Kind::Next)); }
    ActionResult Back() { return Perform(Make(Action::Kind::Back)); }
    ActionResult Finish() { return Perform(Make(Action::Kind::Finish)); }
    ActionResult Cancel() { return Perform(Make(Action::Kind::Cancel)); }
    ActionResult Answer(int button) { return Perform(Make(Action::Kind::Answer, 0, button)); }
    ActionResult Wait(int milliseconds) { return Perform(Make(Action::Kind::Wait, 0, milliseconds)); }

private:
    static Action Make(Action::Kind kind, UINT id = 0, int number = 0);
    Window* Control(UINT id, std::string& why);
    Window* SheetButton(UINT id, std::string& why);
    ActionResult ClickButton(Window& button);
    ActionResult Mouse(Window& control, int x, int y, bool click);
    ActionResult SelectIndex(Window& control, int index);

    Desktop& m_desktop;
};

}  // namespace fw::headless
