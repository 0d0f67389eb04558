// Window titles, message captions and the about menu item (ids 1-99).
#include "strings_enu/StringTable.h"

namespace strings_enu {
namespace {

// Page titles 3, 8 and 18 take the driver name, then the setting name; 11, 16 and 17 the driver
// name only. Title 4 takes the patch number.
constexpr StringEntry kTable[] = {
    // 1: caption of the launch refusal, the cancel question, the name dialog and the job question
    {1, "Colour Utility"},
    // 3: colour palette page title (driver, setting)
    {3, "Colour Balance - %s - %s"},
    // 4: colour input dialog title (patch number)
    {4, "Colour Patch %d"},
    // 8: gamma page title (driver, setting)
    {8, "Gamma - %s - %s"},
    // 11: setting exchange page title (driver)
    {11, "Stored Settings - %s"},
    // 12: settings dialog title when importing
    {12, "Import Settings"},
    // 13: settings dialog title when exporting; caption of the export notice
    {13, "Export Settings"},
    // 14: first page title (choose what to do)
    {14, "Printer Colour Utility - Choose a Task"},
    // 15: printer page title
    {15, "Choose a Printer"},
    // 16: colour starting-setting page title (driver)
    {16, "Colour Balance - %s - Starting Setting"},
    // 17: gamma starting-setting page title (driver)
    {17, "Gamma - %s - Starting Setting"},
    // 18: save page title (driver, setting)
    {18, "Save Setting - %s - %s"},
    // 19: about dialog title; test job dialog title
    {19, "Printer Colour Utility"},
    // 20: system menu item that opens the about dialog
    {20, "&About Printer Colour Utility..."},
};

}  // namespace

std::span<const StringEntry> TitleStrings() { return kTable; }

}  // namespace strings_enu
