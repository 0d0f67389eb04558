// The dialog manager of the headless windows: what the system does with a key pressed in a
// dialog, a wizard or a message box. Tab and Shift+Tab walk the tab stops (a sheet's page
// first, then its own buttons); the arrow keys move within a group and check the radio button
// they reach; Enter presses the focused push button, else the default one (a wizard's Next or
// Finish); Escape cancels; Alt and a letter acts on the control whose text carries that access
// key ("&Hue:" gives H): a label hands the focus to the next tab stop, a button is pressed.
// Every other key goes to the control with the focus, as do the keys it asks for itself
// (WM_GETDLGCODE).
#pragma once

#include <string>
#include <vector>

#include "framework/UiTypes.h"
#include "framework/headless/Action.h"

namespace fw::headless {

class DialogManager {
public:
    static constexpr int kShift = 1;
    static constexpr int kAlt = 2;

    // The user presses key (a VK_ code; with kAlt, the upper-case letter) in the active window.
    // Refused, with the reason, when the key does nothing there.
    static ActionResult PressKey(HWND active, UINT key, int modifiers);
    // The controls of a top-level window in tab order: a sheet's shown page first.
    static std::vector<HWND> ControlsInOrder(HWND top);
    // Gives the focus to the first tab stop of container; false when it has none.
    static bool FocusFirstTabStop(HWND container);
    // The focus a window starts with: its first tab stop, else its default button.
    static void FocusOnOpen(HWND top);
    // The default button takes the focus (a wizard's Next or Finish), else the first tab stop.
    static void FocusDefaultButton(HWND top);
    // The access key of a control's text, upper case: the character after a single '&'
    // ("&&" is an ampersand); 0 when there is none.
    static char AccessKey(const std::string& text);
    // The text as the control shows it: access key marks removed, "&&" shown as "&".
    static std::string ShownText(const std::string& text);

private:
    static ActionResult Tab(HWND active, bool backwards);
    static ActionResult Arrow(HWND focus, UINT key);
    static ActionResult Enter(HWND active, HWND focus);
    static ActionResult Escape(HWND active);
    static ActionResult Mnemonic(HWND active, HWND focus, char letter);
    static HWND DefaultButton(HWND active);
};

}  // namespace fw::headless
