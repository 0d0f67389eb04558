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
        Key,          // number: a key (VK_ code; with Alt the letter), x: DialogManager modifiers
    };

    Kind kind = Kind::Wait;
    UINT id = 0;
    std::string text;
    int number = 0;
    int x = 0;
    int y = 0;

    // The action in the terminal's command language ("click 4003", "select 4002 \"A\"").
    std::string Describe() const;

    // A key as scripts name it (tab, shift+tab, left, right, up, down, home, end, space,
    // enter, escape, alt+LETTER), and back; false for a name that is none.
    static bool KeyFromName(const std::string& name, UINT& key, int& modifiers);
    static std::string KeyName(UINT key, int modifiers);
};

struct ActionResult {
    bool ok = true;
    std::string message;  // why the action was refused
};

}  // namespace fw::headless
