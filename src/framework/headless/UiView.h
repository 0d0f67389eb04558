// What a user sees of a headless window, read for tests and the terminal: the window's kind
// and title, every control by id with its state, the wizard buttons of a sheet, the text and
// buttons of a message box, the system menu.
#pragma once

#include <string>
#include <vector>

#include "framework/UiTypes.h"

namespace fw::headless {

struct ControlView {
    HWND handle = nullptr;  // null: the window has no such control
    UINT id = 0;
    std::string className;
    std::string kind;  // "push button", "check box", "radio button", "text", "picture", "list box" ...
    std::string text;  // window text; a combo box's field
    std::vector<std::string> items;
    int selection = -1;              // a multiple-selection list box: the caret
    std::vector<int> selectedItems;  // a multiple-selection list box: the selected items
    int check = BST_UNCHECKED;
    bool enabled = false;
    bool visible = false;
    bool focused = false;
    int rangeMin = 0;
    int rangeMax = 0;
    int position = 0;
    UINT limit = 0;
    UINT bitmapId = 0;  // the dialog-library bitmap shown, 0 for none
    UINT iconId = 0;
    DWORD style = 0;
    RECT rect{0, 0, 0, 0};  // in the dialog's client coordinates

    bool exists() const { return handle != nullptr; }
    bool checked() const { return check == BST_CHECKED; }
    std::string selectedText() const;
};

struct ButtonState {
    bool visible = false;
    bool enabled = false;
    bool focused = false;
};

struct WizardView {
    ButtonState back;
    ButtonState next;
    ButtonState finish;
    ButtonState cancel;
    ButtonState help;
    int pageIndex = -1;
    int pageCount = 0;
    UINT pageTemplate = 0;
};

struct MenuItemView {
    UINT id = 0;
    std::string text;
    bool separator = false;
};

struct WindowView {
    enum class Kind { None, Dialog, Sheet, MessageBox };

    HWND handle = nullptr;
    Kind kind = Kind::None;
    std::string title;
    UINT templateId = 0;              // a dialog's template, a sheet's active page's template
    std::vector<ControlView> controls;  // a dialog's, the active page's, a box's buttons
    bool wizard = false;
    WizardView buttons;               // a sheet's own buttons
    std::vector<ControlView> sheetButtons;
    std::string boxText;              // message boxes
    UINT boxStyle = 0;
    std::vector<int> boxButtons;
    HWND owner = nullptr;
    std::vector<MenuItemView> systemMenu;
    UINT iconId = 0;
    std::vector<UINT_PTR> timers;     // running timer ids of the window and its children

    bool exists() const { return handle != nullptr; }
    // The control of that id (a sheet's own buttons included); an empty view when missing.
    const ControlView& Control(UINT id) const;

    // The view of a window (the active one when handle is null).
    static WindowView Of(HWND handle);
};

}  // namespace fw::headless
