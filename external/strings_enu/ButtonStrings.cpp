// Texts of buttons, check boxes and option buttons, and the zone names (ids 200-299).
#include "strings_enu/StringTable.h"

namespace strings_enu {
namespace {

constexpr StringEntry kTable[] = {
    // 201: first page, option for colour balance adjustment
    {201, "&Colour balance"},
    // 202: first page, option for gamma adjustment
    {202, "&Gamma"},
    // 203: first page, option for managing stored settings
    {203, "&Stored settings"},
    // 204: colour palette and gamma pages, back to the loaded values
    {204, "&Undo Changes"},
    // 206: colour starting-setting page, print a sample page
    {206, "Print &Sample"},
    // 207: gamma page, print a test page
    {207, "Print &Test Page"},
    // 208: OK button
    {208, "OK"},
    // 209: Cancel button
    {209, "Cancel"},
    // 210: save page, save button
    {210, "&Save"},
    // 211: stored settings page, delete button
    {211, "&Delete"},
    // 213: gamma page, take the zone's hue from the printer
    {213, "Use the &printer's hue"},
    // 214-219: gamma page, names of the six colour zones
    {214, "Red"},
    {215, "Yellow"},
    {216, "Green"},
    {217, "Cyan"},
    {218, "Blue"},
    {219, "Magenta"},
    // 222: export button
    {222, "&Export..."},
    // 223: import button
    {223, "&Import..."},
    // 224: settings dialog, select every entry
    {224, "Select &All"},
    // 225: overwrite dialog, overwrite the stored setting
    {225, "&Overwrite"},
    // 226: overwrite dialog, choose another name
    {226, "&Another Name..."},
    // 227: colour palette page, print a test page
    {227, "Print &Test Page"},
};

}  // namespace

std::span<const StringEntry> ButtonStrings() { return kTable; }

}  // namespace strings_enu
