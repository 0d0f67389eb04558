// A check of what the active window shows, written in a command script:
//   expect title "Select the printer"      expect box "Save the setting?"
//   expect 4001 text "Edit colours"       expect 4002 selected "Office Printer"
//   expect 4003 checked                    expect 12325 disabled
//   expect 4004 position 4                 expect 4002 count 3      expect 4005 bitmap 4100
//   expect 1025 focused
#pragma once

#include <string>

#include "framework/UiTypes.h"
#include "framework/headless/UiView.h"

namespace fw::headless {

struct Expectation {
    std::string what;  // title, box, text, selected, checked, unchecked, enabled, disabled,
                       // visible, hidden, focused, position, count, bitmap
    UINT id = 0;
    std::string text;
    int number = 0;

    // Empty when the view shows what is expected; else what it shows instead.
    std::string Check(const WindowView& view) const;
    std::string Describe() const;
};

}  // namespace fw::headless
