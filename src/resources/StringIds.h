// String ids of the string library: one name per text.
#ifndef TAVREL_RESOURCES_STRINGIDS_H
#define TAVREL_RESOURCES_STRINGIDS_H

// Window titles, message captions and the about menu item (1-99). Titles with %s take the
// driver name, then the setting name; IDS_TITLE_COLOR_INPUT takes the patch number.
#define IDS_TITLE_UTILITY 1                 // caption of launch refusal, cancel question, name dialog, job question
#define IDS_TITLE_COLOR_PALETTE 3           // colour palette page (driver, setting)
#define IDS_TITLE_COLOR_INPUT 4             // colour input dialog (patch number)
#define IDS_TITLE_GAMMA 8                   // gamma page (driver, setting)
#define IDS_TITLE_SETTING_EXCHANGE 11       // stored settings page (driver)
#define IDS_TITLE_IMPORT 12                 // settings dialog when importing
#define IDS_TITLE_EXPORT 13                 // settings dialog when exporting; export notice caption
#define IDS_TITLE_SELECT_EDIT 14            // first page
#define IDS_TITLE_SELECT_DRIVER 15          // printer page
#define IDS_TITLE_COLOR_SETTING_SELECT 16   // colour starting-setting page (driver)
#define IDS_TITLE_GAMMA_SETTING_SELECT 17   // gamma starting-setting page (driver)
#define IDS_TITLE_SAVE_SETTING 18           // save page (driver, setting)
#define IDS_TITLE_PRODUCT 19                // about dialog; test job dialog
#define IDS_MENU_ABOUT 20                   // system menu item that opens the about dialog

// Texts shown on the pages and in the dialogs (100-199).
#define IDS_SELECTEDIT_INTRO 103                 // first page, introduction
#define IDS_SELECTEDIT_ADJUST_GROUP 104          // first page, frame of the two adjustment tasks
#define IDS_SELECTEDIT_MANAGE_GROUP 105          // first page, frame of the exchange task
#define IDS_DRIVER_INSTRUCTION_COLOR 106         // printer page, adjusting colour balance
#define IDS_DRIVER_INSTRUCTION_GAMMA 107         // printer page, adjusting gamma
#define IDS_DRIVER_NOTE_COLOR 108                // printer page note, colour balance
#define IDS_DRIVER_NOTE_GAMMA 109                // printer page note, gamma
#define IDS_COLORSELECT_INSTRUCTION 110          // colour starting-setting page
#define IDS_GAMMASELECT_INSTRUCTION 111          // gamma starting-setting page
#define IDS_COLORSELECT_SAMPLE_NOTE 112          // colour starting-setting page, sample print note
#define IDS_PALETTE_INSTRUCTION 113              // colour palette page
#define IDS_PALETTE_LEGEND 114                   // colour palette page, legend of the patch marks
#define IDS_GAMMA_INSTRUCTION 115                // gamma page
#define IDS_COLORINPUT_HUE_LABEL 116             // colour input dialog, "Hue:"
#define IDS_COLORINPUT_STRENGTH_LABEL 117        // colour input dialog, "Strength:"
#define IDS_COLORINPUT_NEW_HEADING 118           // colour input dialog, heading of the new value
#define IDS_COLORINPUT_DEFAULT_HEADING 119       // colour input dialog, heading of the printer default
#define IDS_COLORINPUT_STEPS_NOTE 120            // colour input dialog, explanation of the lists
#define IDS_SAVE_INSTRUCTION_COLOR 121           // save page, colour balance setting
#define IDS_SAVE_INSTRUCTION_GAMMA 122           // save page, gamma setting
#define IDS_SAVE_NAME_LABEL 123                  // save page, label of the name field
#define IDS_EXCHANGE_LIST_LABEL 126              // stored settings page, label of the list
#define IDS_GAMMA_GAMMA_LABEL 128                // gamma page, label of the gamma slider
#define IDS_GAMMA_GAMMA_NOTE 129                 // gamma page, explanation of the gamma slider
#define IDS_GAMMA_HUE_LABEL 132                  // gamma page, label of the hue slider
#define IDS_GAMMA_LEVEL_LABEL 133                // gamma page, label of the level slider
#define IDS_GAMMA_ZONE_LABEL 134                 // gamma page, label of the zone choice
#define IDS_GAMMA_ZONE_GROUP 137                 // gamma page, frame of the zone controls
#define IDS_EXCHANGE_SETTINGS_GROUP 142          // stored settings page, frame of the settings
#define IDS_EXCHANGE_LIST_NOTE 143               // stored settings page, instruction for the list
#define IDS_EXCHANGE_FILES_GROUP 144             // stored settings page, frame of export and import
#define IDS_EXCHANGE_EXPORT_NOTE 145             // stored settings page, explanation of export
#define IDS_EXCHANGE_IMPORT_NOTE 146             // stored settings page, explanation of import
#define IDS_ADDSETTING_IMPORT_INSTRUCTION 147    // settings dialog when importing
#define IDS_DRIVER_NOTE_EXCHANGE 148             // printer page note, managing stored settings
#define IDS_DRIVER_INSTRUCTION_EXCHANGE 149      // printer page, managing stored settings
#define IDS_SAVE_GROUP 150                       // save page, frame of the name
#define IDS_SAVENAME_INSTRUCTION 151             // name dialog
#define IDS_COLORINPUT_INSTRUCTION 152           // colour input dialog
#define IDS_SELECTEDIT_COLOR_DESCRIPTION 153     // first page, colour balance task
#define IDS_SELECTEDIT_GAMMA_DESCRIPTION 154     // first page, gamma task
#define IDS_SELECTEDIT_EXCHANGE_DESCRIPTION 155  // first page, stored settings task
#define IDS_FILTER_OPEN_SETTING_FILE 156         // open dialog filter for setting files
#define IDS_ADDSETTING_EXPORT_INSTRUCTION 157    // settings dialog when exporting
#define IDS_QUESTION_REPLACE_SETTING 158         // import over a stored name (setting name)
#define IDS_QUESTION_REPLACE_FILE 159            // before replacing a file (file path)
#define IDS_PALETTE_TESTPRINT_NOTE 160           // colour palette page, note on test prints
#define IDS_COLORINPUT_PICTURE_NOTE 161          // colour input dialog, note on the picture
#define IDS_FILTER_SAVE_SETTING_FILE 162         // save dialog filter for setting files
#define IDS_SAVE_CLOSING_NOTE 163                // save page, closing note
#define IDS_ABOUT_DESCRIPTION 164                // about dialog, description of the utility
#define IDS_PALETTE_PATCH_NAME 165               // palette patch read aloud ("%d": its number)
#define IDS_PALETTE_PATCH_LOCKED 166             // ... added for a crossed-out patch
#define IDS_PALETTE_PATCH_NOT_DEFAULT 167        // ... added for a patch in a red frame
#define IDS_PALETTE_PATCH_EDITED 168             // ... added for a patch with a bold number

// Texts of buttons, check boxes and option buttons, and the zone names (200-299).
#define IDS_SELECTEDIT_COLOR_OPTION 201      // first page, colour balance option
#define IDS_SELECTEDIT_GAMMA_OPTION 202      // first page, gamma option
#define IDS_SELECTEDIT_EXCHANGE_OPTION 203   // first page, stored settings option
#define IDS_BUTTON_UNDO_CHANGES 204          // palette and gamma pages
#define IDS_BUTTON_PRINT_SAMPLE 206          // colour starting-setting page
#define IDS_BUTTON_GAMMA_TEST_PRINT 207      // gamma page
#define IDS_BUTTON_OK 208
#define IDS_BUTTON_CANCEL 209
#define IDS_BUTTON_SAVE 210                  // save page
#define IDS_BUTTON_DELETE 211                // stored settings page
#define IDS_GAMMA_HUE_FROM_PRINTER 213       // gamma page, check box
#define IDS_ZONE_RED 214                     // gamma page, the six zone names in this order
#define IDS_ZONE_YELLOW 215
#define IDS_ZONE_GREEN 216
#define IDS_ZONE_CYAN 217
#define IDS_ZONE_BLUE 218
#define IDS_ZONE_MAGENTA 219
#define IDS_BUTTON_EXPORT 222
#define IDS_BUTTON_IMPORT 223
#define IDS_BUTTON_SELECT_ALL 224            // settings dialog
#define IDS_BUTTON_OVERWRITE 225             // overwrite dialog
#define IDS_BUTTON_ANOTHER_NAME 226          // overwrite dialog
#define IDS_BUTTON_PALETTE_TEST_PRINT 227    // colour palette page

// Message box texts and captions, notices (500-599). %s arguments as noted.
#define IDS_ERR_NO_SUPPORTED_PRINTER 501     // launch refused, no supported printer
#define IDS_MSG_NOTHING_TO_IMPORT 503        // every setting of the file is already stored
#define IDS_ERR_IMPORT_DATA_FILE 504         // import: data file not copied (file, setting)
#define IDS_ERR_IMPORT_PROFILE 505           // import: profile not copied (file, setting)
#define IDS_ERR_EXPORT_DATA_FILE 506         // export: data file not copied (file, setting)
#define IDS_ERR_EXPORT_PROFILE 507           // export: profile not copied (file, setting)
#define IDS_ERR_NAME_EMPTY 513               // name dialog confirmed without a name
#define IDS_QUESTION_CANCEL_UNSAVED 517      // cancel with unsaved changes
#define IDS_DEFAULT_ENTRY 518                // the default entry of the setting lists
#define IDS_QUESTION_DELETE_SETTING 520      // before deleting a stored setting
#define IDS_QUESTION_CANCEL 521              // cancel with nothing unsaved
#define IDS_ERR_NAME_IN_USE 523              // name dialog given a stored name
#define IDS_ERR_PAGE_NOT_FOUND 524           // the page to print is not named or not found
#define IDS_ERR_CATALOG_FULL 525             // the printer's settings file is full
#define IDS_QUESTION_OVERWRITE_SETTING 527   // overwrite dialog question (setting)
#define IDS_ERR_PRINTER_NOT_OPENED 530       // the printer could not be opened
#define IDS_ERR_PRINT_FAILED 531             // the print job could not be started or written
#define IDS_ERR_FILE_ACCESS 532              // a file could not be opened
#define IDS_ERR_NO_DEFAULT_SETTINGS 535      // no defaults for the model (file holding them)
#define IDS_ERR_SETTING_DATA_MISSING 537     // stored data of a setting missing (setting)
#define IDS_CAPTION_ERROR 538                // caption of error messages
#define IDS_CAPTION_WARNING 539              // caption of warnings and questions
#define IDS_QUESTION_UNDO_CHANGES 542        // before undoing all changes
#define IDS_ERR_SETTING_NOT_STORED 546       // setting not stored in the settings file (file)
#define IDS_CAPTION_DONE 547                 // caption of the save notice
#define IDS_MSG_SETTING_SAVED 548            // save notice (setting)
#define IDS_MSG_EXPORTED 549                 // export notice (folder)
#define IDS_ERR_NAME_LEADING_SPACE 550       // a name beginning with a space
#define IDS_PRINTMSG_TITLE 553               // short printing notice, title
#define IDS_PRINTMSG_TEXT 554                // short printing notice, text
#define IDS_PROGRESS_TITLE 555               // progress dialog, title
#define IDS_PROGRESS_TEXT 556                // progress dialog, text
#define IDS_ERR_MODULE_FAILED 557            // a printer model library is missing or failed
#define IDS_ERR_NAME_OF_COLOR_SETTING 558    // gamma setting given a colour setting's name
#define IDS_ERR_NAME_OF_GAMMA_SETTING 559    // colour setting given a gamma setting's name
#define IDS_ERR_NAME_OF_DEFAULT_SETTING 560  // a default entry's name (setting)
#define IDS_ERR_EXPORT_FOLDER_EXISTS 561     // export refused, the folder exists (folder)
#define IDS_ERR_NOT_ADMINISTRATOR 562        // launch refused, not an administrator
#define IDS_TESTJOB_TEXT 564                 // test job dialog text
#define IDS_QUESTION_CANCEL_TESTJOB 565      // before cancelling the test job
#define IDS_ERR_CATALOG_NOT_RESTORED 571     // the local copy could not be copied back (file)
#define IDS_MSG_MORE_OMISSIONS 589           // import: files not copied beyond those listed (number)

// The settings tool (600-619): usage lines, refusals and notices on standard error.
#define IDS_TOOL_USAGE_TITLE 600             // first usage line
#define IDS_TOOL_USAGE_PRINTERS 601          // usage: printers
#define IDS_TOOL_USAGE_LIST 602              // usage: list
#define IDS_TOOL_USAGE_EXPORT 603            // usage: export
#define IDS_TOOL_USAGE_IMPORT 604            // usage: import
#define IDS_TOOL_USAGE_DELETE 605            // usage: delete
#define IDS_TOOL_USAGE_JSON 606              // usage: the --json option
#define IDS_TOOL_ERR_PRINTER 607             // printer missing or not supported (printer)
#define IDS_TOOL_ERR_NO_SETTING 608          // no setting of that name (setting)
#define IDS_TOOL_ERR_SETTING_STORED 609      // import would replace a stored setting (setting)
#define IDS_TOOL_MSG_ALREADY_STORED 610      // import skips a setting whose tables are stored (setting)
#define IDS_TOOL_MSG_IMPORTED 611            // import notice (number of settings)
#define IDS_TOOL_MSG_DELETED 612             // delete notice (setting)
#define IDS_TOOL_ERR_USAGE 613               // wrong usage (the argument in question)
#define IDS_TOOL_ERR_NOT_ELEVATED 614        // refused: no full administrator token

#endif
