// Bitmap ids of the dialog library and the icon of the utility's own library.
#ifndef TAVREL_RESOURCES_PICTUREIDS_H
#define TAVREL_RESOURCES_PICTUREIDS_H

// The utility's icon (sheet, about dialog).
#define IDI_APPICON 107

// Pictures of the pages and dialogs.
#define IDB_SIDE_PICTURE 1500      // side picture of every setting page
#define IDB_COLOR_INPUT 1501       // colour input dialog: how hue and strength move a colour
#define IDB_TASK_COLOR 1502        // first page: colour balance task
#define IDB_TASK_EXCHANGE 1503     // first page: stored settings task
#define IDB_GAMMA_SCALE 1504       // gamma page: gamma scale
#define IDB_TASK_GAMMA 1523        // first page: gamma task

// Gamma page zone pictures, first of the pair.
#define IDB_ZONE1_BLUE 1505
#define IDB_ZONE1_CYAN 1506
#define IDB_ZONE1_GREEN 1507
#define IDB_ZONE1_MAGENTA 1508
#define IDB_ZONE1_RED 1509
#define IDB_ZONE1_YELLOW 1510

// Gamma page zone pictures, second of the pair.
#define IDB_ZONE2_BLUE 1511
#define IDB_ZONE2_CYAN 1512
#define IDB_ZONE2_GREEN 1513
#define IDB_ZONE2_MAGENTA 1514
#define IDB_ZONE2_RED 1515
#define IDB_ZONE2_YELLOW 1516

// Gamma page curves, from the lightest to the darkest.
#define IDB_GAMMA_CURVE1 1517
#define IDB_GAMMA_CURVE2 1518
#define IDB_GAMMA_CURVE3 1519
#define IDB_GAMMA_CURVE4 1520
#define IDB_GAMMA_CURVE5 1521
#define IDB_GAMMA_CURVE6 1522

#endif
