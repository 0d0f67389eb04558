// Texts shown on the pages and in the dialogs (ids 100-199).
#include "strings_enu/StringTable.h"

namespace strings_enu {
namespace {

constexpr StringEntry kTable[] = {
    // 103: first page, introduction
    {103, "Choose what you want to do with the colour settings of your printer, then click Next."},
    // 104: first page, frame around the two adjustment tasks
    {104, "Adjust a setting"},
    // 105: first page, frame around the exchange task
    {105, "Manage stored settings"},
    // 106: printer page instruction when adjusting colour balance
    {106, "Choose the printer whose colour balance you want to adjust."},
    // 107: printer page instruction when adjusting gamma
    {107, "Choose the printer whose gamma you want to adjust."},
    // 108: printer page note when adjusting colour balance
    {108, "Only printers whose colour balance can be adjusted are listed."},
    // 109: printer page note when adjusting gamma
    {109, "Only printers whose gamma can be adjusted are listed."},
    // 110: colour starting-setting page instruction
    {110, "Choose the colour balance setting to start from. Choose the printer default to start "
          "from the printer's own values."},
    // 111: gamma starting-setting page instruction
    {111, "Choose the gamma setting to start from."},
    // 112: colour starting-setting page, sample print note
    {112, "To see how the chosen setting prints, print a sample page."},
    // 113: colour palette page instruction
    {113, "Click a colour patch to change its hue and strength."},
    // 114: colour palette page legend of the patch marks
    {114, "A red frame marks a patch that differs from the printer default. A bold number marks "
          "a patch changed since the setting was loaded. Crossed-out patches cannot be changed."},
    // 115: gamma page instruction
    {115, "Set the gamma, then the hue and level of each colour zone."},
    // 116: colour input dialog, label of the hue values
    {116, "Hue:"},
    // 117: colour input dialog, label of the strength values
    {117, "Strength:"},
    // 118: colour input dialog, heading of the new value
    {118, "New value"},
    // 119: colour input dialog, heading of the printer default
    {119, "Printer default"},
    // 120: colour input dialog, explanation of the lists
    {120, "Only the steps this printer allows are offered."},
    // 121: save page instruction for a colour balance setting
    {121, "Type a name for the colour balance setting and click Save."},
    // 122: save page instruction for a gamma setting
    {122, "Type a name for the gamma setting and click Save."},
    // 123: save page, label of the name field
    {123, "Setting name:"},
    // 126: stored settings page, label of the setting list
    {126, "Settings stored for this printer:"},
    // 128: gamma page, label of the gamma slider
    {128, "Gamma"},
    // 129: gamma page, explanation of the gamma slider
    {129, "Lower values print mid-tones lighter, higher values darker."},
    // 132: gamma page, label of the hue slider
    {132, "Hue"},
    // 133: gamma page, label of the level slider
    {133, "Level"},
    // 134: gamma page, label of the zone choice
    {134, "Colour zone"},
    // 137: gamma page, frame around the zone controls
    {137, "Zone adjustment"},
    // 142: stored settings page, frame around the stored settings
    {142, "Stored settings"},
    // 143: stored settings page, instruction for the list
    {143, "Select a setting to delete it."},
    // 144: stored settings page, frame around export and import
    {144, "Setting files"},
    // 145: stored settings page, explanation of export
    {145, "Export writes chosen settings into a setting file that can be imported elsewhere."},
    // 146: stored settings page, explanation of import
    {146, "Import adds settings from a setting file to this printer."},
    // 147: settings dialog instruction when importing
    {147, "Select the settings to import:"},
    // 148: printer page note when managing stored settings
    {148, "Only printers that can store colour settings are listed."},
    // 149: printer page instruction when managing stored settings
    {149, "Choose the printer whose stored settings you want to export, import or delete."},
    // 150: save page, frame around the name
    {150, "Save the setting"},
    // 151: name dialog instruction
    {151, "Type another name for the setting:"},
    // 152: colour input dialog instruction
    {152, "Choose the new hue and strength of this colour."},
    // 153: first page, description of colour balance adjustment
    {153, "Colour balance: move single colours of the palette to another hue or strength, print "
          "test pages and save the result as a setting."},
    // 154: first page, description of gamma adjustment
    {154, "Gamma: change the lightness of mid-tones and the hue and level of six colour zones, "
          "print test pages and save the result as a setting."},
    // 155: first page, description of managing stored settings
    {155, "Stored settings: export settings to a setting file, import them from one, or delete "
          "them."},
    // 156: filter of the open dialog for setting files
    {156, "Setting files (*.ccm)|*.ccm|All files (*.*)|*.*||"},
    // 157: settings dialog instruction when exporting
    {157, "Select the settings to export:"},
    // 158: import question for a name already stored (setting name)
    {158, "A setting named \"%s\" is already stored. Replace it with the imported one?"},
    // 159: question before replacing a file (file path)
    {159, "The file %s already exists. Replace it?"},
    // 160: colour palette page note on test prints
    {160, "Print a test page to check your changes before you save them."},
    // 161: colour input dialog, note on the picture
    {161, "The picture shows how hue and strength move a colour."},
    // 162: filter of the save dialog for setting files
    {162, "Setting files (*.ccm)|*.ccm||"},
    // 163: save page, closing note
    {163, "When you have saved the setting, click Finish."},
    // 164: about dialog, description of the utility
    {164, "Colour balance and gamma adjustment for colour page printers."},
};

}  // namespace

std::span<const StringEntry> LabelStrings() { return kTable; }

}  // namespace strings_enu
