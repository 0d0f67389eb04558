// Ids of the test resource library (TestResources.rc), shared by the script and the tests.
#pragma once

#define IDD_TEST_PAGE 100
#define IDD_TEST_MISSING 199
#define IDC_TEST_TEXT 1001
#define IDC_TEST_PICTURE 1002

#define IDB_TEST_24BIT 300
#define IDB_TEST_8BIT 301
#define IDB_TEST_4BIT 302
#define IDB_TEST_1BIT 303
#define IDB_TEST_MISSING 399

#define IDI_TEST_SIZES 400
#define IDI_TEST_MISSING 499
#define IDR_TEST_DATA 500

// Strings: block 1 holds ids 0-15, block 2 ids 16-31, block 3 ids 32-47.
#define IDS_TEST_FIRST 1
#define IDS_TEST_SECOND 2
#define IDS_TEST_ABSENT 3        // in block 1, not written
#define IDS_TEST_BLOCK_END 15
#define IDS_TEST_BLOCK_START 16
#define IDS_TEST_ACCENTS 17
#define IDS_TEST_EMPTY_BLOCK 40  // block 3 exists only for this id, which is written empty
#define IDS_TEST_FAR 100         // alone in block 7
#define IDS_TEST_NO_BLOCK 60     // block 4: not written at all
