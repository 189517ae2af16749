#pragma once

// Resource ids of the control module Norvak.ocx and of the host program. The resource compiler
// reads this file too: plain #defines only.
//
// Ids that registration, containers or the control's published behaviour fix keep their values,
// wherever they fall (string, bitmap and dialog 1, the texture bitmaps 296 on, the tab icons 360
// to 362...). Every other id comes from the range of its subsystem, so that parts built apart
// never take the same one:
//     2 sheet        2000 - 2999        8 workbook     8000 - 8999
//     3 tabs         3000 - 3999        9 printing     9000 - 9999
//     4 autofill     4000 - 4999       10 automation  10000 - 10999
//     5 chart        5000 - 5999       11 host        11000 - 11999
//     6 chartdraw    6000 - 6999       12 gridwnd     12000 - 12999
//     7 dialogs      7000 - 7999

// ---- 2 sheet: the module and its registration ----
#define IDS_NORVAK 1          // the control's user type name
#define IDS_NORVAK_PPG 2      // the caption of its property page
#define IDB_NORVAK 1          // the toolbox bitmap
#define IDD_ABOUTBOX_NORVAK 1 // the about box

// ---- 2 sheet: the cursors of the mouse (ids the control's cursor handling fixes) ----
#define IDC_FRAME_MOVE 104      // over an edge of the selection frame
#define IDC_DRAG_COPY 105       // dragging a copy of the selected block
#define IDC_SELECT_COLUMN 229   // over a column header
#define IDC_SELECT_ROW 230      // over a row header
#define IDC_DRAG_MOVE 231       // dragging the selected block
#define IDC_SIZE_COLUMN 30980   // over a column border in the header row
#define IDC_SIZE_ROW 30981      // over a row border in the header column

// ---- 2 sheet: the page record and the default tables ----
#define IDB_PAGE_CHART 217    // the bitmap a new page's chart options name
#define IDB_TEXTURE_FIRST 296 // the 24 built-in textures, 296 to 319

// ---- 3 tabs: the page tab icons ----
#define IDI_TAB_ACTIVE 360
#define IDI_TAB_HOT 361
#define IDI_TAB_COOL 362
