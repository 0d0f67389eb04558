// One thing a user does to the headless windows, as drivers hand it to UserInput::Perform.
#pragma once

#include <string>

#include "framework/UiTypes.h"

namespace fw::headless {

struct Action {
    enum class Kind {
        Click,        // id: a button, or a static with SS_NOTIFY
        ClickAt,      // id, x, y: a left click at a point of the control (after moving there)
        MouseMove,    // id, x, y: the mouse moves over a point of the control
        Select,       // id, text: the list item with that text (exact case first, then any case)
        SelectIndex,  // id, number
        Type,         // id, text: replaces the text of an edit field as typing does
        Slide,        // id, number: drags a trackbar's thumb to a position
        Back,         // the wizard buttons
        Next,
        Finish,
        Cancel,       // also a dialog's Cancel, a message box's Cancel
        Help,
        Answer,       // number: the message box button of that id
        SysCommand,   // id: an item of the system menu
        Close,        // the active window's close box
        EndSession,   // the system session ends (WM_ENDSESSION)
        Wait,         // number: milliseconds of virtual time pass
    };

    Kind kind = Kind::Wait;
    UINT id = 0;
    std::string text;
    int number = 0;
    int x = 0;
    int y = 0;

    // The action in the terminal's command language ("click 4003", "select 4002 \"A\"").
    std::string Describe() const;
};

struct ActionResult {
    bool ok = true;
    std::string message;  // why the action was refused
};

}  // namespace fw::headless
