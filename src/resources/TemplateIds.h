// Dialog template ids of the dialog library: the wizard pages and the dialogs.
#ifndef TAVREL_RESOURCES_TEMPLATEIDS_H
#define TAVREL_RESOURCES_TEMPLATEIDS_H

// Wizard pages.
#define IDD_SELECT_EDIT_PAGE 108            // first page: choose the task
#define IDD_SELECT_DRIVER_PAGE 109          // choose the printer
#define IDD_COLOR_SETTING_SELECT_PAGE 110   // colour starting setting
#define IDD_COLOR_PALETTE_PAGE 111          // colour palette
#define IDD_GAMMA_SETTING_SELECT_PAGE 112   // gamma starting setting
#define IDD_SAVE_SETTING_PAGE 1002          // save the setting
#define IDD_GAMMA_PAGE 1004                 // gamma adjustment
#define IDD_SETTING_EXCHANGE_PAGE 1008      // stored settings: delete, export, import

// Dialogs.
#define IDD_TESTJOB_DIALOG 175              // open while a test job is queued
#define IDD_COLOR_INPUT_DIALOG 1000         // new hue and strength of a patch
#define IDD_ADD_SETTING_DIALOG 1010         // settings to export or import
#define IDD_PRINT_MESSAGE_DIALOG 1110       // printing notice and progress
#define IDD_SAVE_NAME_DIALOG 1112           // another name for the setting
#define IDD_SAVE_CHECK_DIALOG 1155          // overwrite a stored setting?
#define IDD_ABOUT_DIALOG 1165               // about the utility

#endif
