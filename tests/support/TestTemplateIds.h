// Ids of the test programs' own resources (TestTemplates.rc): the templates, controls and
// pictures the framework tests run on. Included by the script and by the tests.
#pragma once

// Controls dialog: every control class the framework implements.
#define IDD_FW_CONTROLS 9201
#define IDC_FW_SORTED_LIST 3001
#define IDC_FW_PLAIN_LIST 3002
#define IDC_FW_COMBO 3003
#define IDC_FW_DROP_LIST 3004
#define IDC_FW_NAME 3005
#define IDC_FW_COUNT 3006
#define IDC_FW_SLIDER 3007
#define IDC_FW_RADIO_A 3008
#define IDC_FW_RADIO_B 3009
#define IDC_FW_RADIO_C 3010
#define IDC_FW_CHECK 3011
#define IDC_FW_PUSH 3012
#define IDC_FW_CLICKABLE 3013
#define IDC_FW_PICTURE 3014
#define IDC_FW_DIGITS 3015
#define IDC_FW_ICON 3016

// Timers dialog: two mouse targets.
#define IDD_FW_TIMERS 9301
#define IDC_FW_TRACKER 3101
#define IDC_FW_OTHER 3102

// Drawing dialog: one owner-drawn canvas.
#define IDD_FW_CANVAS 9501
#define IDC_FW_CANVAS 3201

// Wizard pages alike but for their id, each with one text.
#define IDD_FW_PAGE_FIRST 9101
#define IDD_FW_PAGE_SECOND 9102
#define IDD_FW_PAGE_THIRD 9103
#define IDD_FW_PAGE_OTHER 9104
#define IDC_FW_PAGE_TEXT 2000

// Terminal wizard: a page of choices and a page with a list and a name (the terminal tests
// type these control ids in their commands).
#define IDD_FW_TERMINAL_CHOICES 9601
#define IDD_FW_TERMINAL_LIST 9602
#define IDC_FW_COLOUR 1012
#define IDC_FW_GAMMA 1013
#define IDC_FW_PRINTERS 1018
#define IDC_FW_PRINTER_NAME 1107

// Pictures: 6 x 4 pixels, the left half of the top row red, its right half green, the rest of
// the picture blue, the bottom right pixel white; and a 32 x 32 icon, a black 16 x 16 square
// from (8, 8) on a see-through ground (alpha), the square's top left pixel half-transparent red.
#define IDB_FW_PICTURE 7001
#define IDI_FW_ICON 7101
// A bitmap and a dialog id that the test programs do not have.
#define IDB_FW_MISSING 7999
#define IDD_FW_MISSING 9999
