// A driver plays the user of the headless windows. Whenever the innermost modal window is
// idle (no posted message, nothing to paint, no timer due), the window system asks the driver
// for one step: an action through UserInput (click, select, type, a wizard button, a message
// box answer, letting time pass ...), or nothing. Returning false quits: every running modal
// window ends with IDCANCEL and message boxes take their cancelling answer.
#pragma once

namespace fw::headless {

class UserInput;

class Driver {
public:
    virtual ~Driver() = default;
    virtual bool Step(UserInput& input) = 0;
    // The library's call that ran the windows is over (fw::ws::SessionEnded).
    virtual void SessionEnded() {}
};

}  // namespace fw::headless
