// Texts and captions of message boxes (ids 500-599).
#include "strings_enu/StringTable.h"

namespace strings_enu {
namespace {

constexpr StringEntry kTable[] = {
    // 501: launch refused, no supported printer installed
    {501, "No printer whose colours this utility can adjust is installed. Install a supported "
          "printer, then start the utility again."},
    // 503: import offers nothing, every setting of the file is already stored
    {503, "The setting file holds no settings other than those already stored for this "
          "printer."},
    // 504: import could not copy a data file (file name, setting name)
    {504, "The data file %s of the setting \"%s\" could not be copied. The setting was imported "
          "without it."},
    // 505: import could not copy a profile file (file name, setting name)
    {505, "The profile file %s of the setting \"%s\" could not be copied."},
    // 506: export could not copy a data file (file name, setting name)
    {506, "The data file %s of the setting \"%s\" could not be written to the setting folder."},
    // 507: export could not copy a profile file (file name, setting name)
    {507, "The profile file %s of the setting \"%s\" could not be written to the setting "
          "folder."},
    // 513: the name dialog was confirmed without a name
    {513, "Type a name for the setting."},
    // 517: cancel question when there are unsaved changes
    {517, "Your changes have not been saved. Quit and discard them?"},
    // 518: name of the default entry of the setting lists
    {518, "Printer Default"},
    // 520: question before deleting a stored setting
    {520, "Delete the selected setting? It cannot be restored."},
    // 521: cancel question when nothing is unsaved
    {521, "Quit the utility?"},
    // 523: the name dialog was given the name of a stored setting
    {523, "A setting with this name is already stored. Type another name."},
    // 524: the page to print is not named or not found
    {524, "The page to print could not be found."},
    // 525: the printer's settings file is full
    {525, "No more settings can be stored for this printer. Delete a setting you no longer "
          "need, then try again."},
    // 527: overwrite dialog question (setting name)
    {527, "A setting named \"%s\" is already stored. Overwrite it or save under another name?"},
    // 530: the printer could not be opened
    {530, "The printer could not be opened."},
    // 531: the print job could not be started or written
    {531, "The page could not be sent to the printer."},
    // 532: a file could not be opened
    {532, "A file needed for this step could not be opened."},
    // 535: no default settings for the printer model (file holding them)
    {535, "No default settings are defined for this printer in %s."},
    // 537: stored data of a setting is missing (setting name)
    {537, "The stored data of the setting \"%s\" could not be found."},
    // 538: caption of error messages
    {538, "Error"},
    // 539: caption of warnings and questions
    {539, "Warning"},
    // 542: question before undoing all changes
    {542, "Undo all changes and return to the values loaded last?"},
    // 546: the setting could not be stored in the printer's settings file (file name)
    {546, "The setting could not be stored in the printer settings file %s."},
    // 547: caption of the save notice
    {547, "Setting Saved"},
    // 548: save notice (setting name)
    {548, "The setting \"%s\" has been saved."},
    // 549: export notice (setting folder)
    {549, "The settings have been exported to %s."},
    // 550: the name dialog was given a name beginning with a space
    {550, "A setting name must not begin with a space."},
    // 553: title of the short printing notice
    {553, "Printing"},
    // 554: text of the short printing notice
    {554, "The page has been sent to the printer."},
    // 555: title of the progress dialog
    {555, "Please Wait"},
    // 556: text of the progress dialog
    {556, "Preparing the colour profiles. This may take a moment."},
    // 557: a printer model library is missing or failed
    {557, "A printer component needed for this step is missing or did not work."},
    // 558: a gamma setting cannot take a colour balance setting's name (setting name)
    {558, "\"%s\" is the name of a colour balance setting. Choose another name."},
    // 559: a colour balance setting cannot take a gamma setting's name (setting name)
    {559, "\"%s\" is the name of a gamma setting. Choose another name."},
    // 560: a default entry's name cannot be used (setting name)
    {560, "\"%s\" is the name of a default setting and cannot be used. Choose another name."},
    // 561: export refused, the setting folder exists (folder)
    {561, "The folder %s already exists. Choose another file name."},
    // 562: launch refused, the user is not an administrator
    {562, "Only an administrator can adjust printer colours. Log on as an administrator and try "
          "again."},
    // 564: test job dialog text
    {564, "The test page is printing. This window closes when the printer has finished it."},
    // 565: question before cancelling the test job
    {565, "Cancel the test page?"},
};

}  // namespace

std::span<const StringEntry> MessageStrings() { return kTable; }

}  // namespace strings_enu
