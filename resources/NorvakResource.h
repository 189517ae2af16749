#pragma once

// Resource ids of the control module Norvak.ocx and of the host program. The resource compiler
// reads this file too: plain #defines only.
//
// Ids that registration, containers or the control's published behaviour fix keep their values,
// wherever they fall (string, bitmap and dialog 1, the workbook version string 201, the texture
// bitmaps 296 on, the tab icons 360 to 362, the property pages with their
// controls and bitmaps...). Every other id comes from the range of its subsystem, so that parts
// built apart never take the same one:
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

// ---- 2 sheet: the menu of the cell area, the tab strip and the arrow bar ----
#define IDR_NORVAK_MENU 202 // popups CELLPAGE, CONTEXTMENU, PAGETITLE, PAGEARROW
#define ID_PAGE_INSERT 32768
#define ID_CHART_SETTINGS 32769
#define ID_EDIT_COPY_CELLS 32770
#define ID_EDIT_CUT_CELLS 32771
#define ID_EDIT_PASTE_CELLS 32772
#define ID_SWAP_AXES 32773
#define ID_FILL_EFFECTS 32774
#define ID_PAGE_DELETE 32775
#define ID_SAME_ROW_HEIGHT 32776
#define ID_CELL_FORMAT 32807
#define ID_PAGE_RENAME 32822
#define ID_TAB_RECTANGLE 32823
#define ID_TAB_TRAPEZOID 32824
#define ID_TAB_FLAT 32825
#define ID_TAB_3D 32826
#define ID_STRIP_BACK_COLOUR 32827
#define ID_ARROWS_TWO 32828
#define ID_ARROWS_FOUR 32829
#define ID_ARROWS_FLAT 32830
#define ID_ARROWS_3D 32831
#define ID_TAB_SHOW_ICON 32832
#define ID_TAB_BACK_COLOUR 32834
#define ID_TAB_TEXT_COLOUR 32836
#define ID_SORT_BY_STRING 32860
#define ID_SORT_BY_VALUE 32861
#define ID_SAME_COLUMN_WIDTH 32901
#define ID_CELL_FONT 32987
#define ID_LINE_STYLE 32993
#define ID_LEGEND_SETTINGS 291
#define ID_PAGE_LIST_FIRST 2024 // the arrow bar's page list: 2024 + page index

// ---- 2 sheet: the page record and the default tables ----
#define IDB_PAGE_CHART 217    // the bitmap a new page's chart options name
#define IDB_TEXTURE_FIRST 296 // the 24 built-in textures, 296 to 319

// ---- 3 tabs: the page tab icons, the arrow bar's button icons and the new-page dialog ----
#define IDI_TAB_ACTIVE 360
#define IDI_TAB_HOT 361
#define IDI_TAB_COOL 362     // also a command button's default icon
#define IDI_BUTTON_HOT 363   // a command button's default hot icon
#define IDD_NEW_PAGE 381
#define IDC_NEW_PAGE_TITLE 243
#define IDC_SPLIT_BOX IDC_SIZE_COLUMN // the split box's cursor

// ---- 7 dialogs: the property pages, their controls and the pickers' bitmaps ----
// The page templates, their controls and bitmaps keep the numbers they are known by; bitmaps and
// dialogs are resource types of their own and control ids count only inside their template.
// Page templates.
#define IDD_GRADIENT_PAGE 107
#define IDD_PICTURE_PAGE 222
#define IDD_ALIGNMENT_PAGE 256
#define IDD_BORDER_PAGE 280
#define IDD_TEXTURE_PAGE 290
#define IDD_PATTERN_PAGE 291
// Bitmaps: the line lists' background and its animation frames, the gradient page's shade bar and
// its arrows, the border page's pressed-button brush and the style combo's selection frame.
#define IDB_LINE_BACKGROUND 239
#define IDB_LINE_FRAME_1 372
#define IDB_LINE_FRAME_2 130
#define IDB_LINE_FRAME_3 131
#define IDB_LINE_FRAME_4 132
#define IDB_SHADE_BAR 221
#define IDB_SHADE_ARROWS 370
#define IDB_SHADE_ARROWS_PRESSED 371
#define IDB_BORDER_PRESSED 281
#define IDB_STYLE_SELECTION 288
// The border page (dialog 280).
#define IDC_BORDER_COLOUR 217
#define IDC_BORDER_STYLE 283
#define IDC_BORDER_WIDTH 284
#define IDC_BORDER_SWATCH 285
#define IDC_BORDER_PREVIEW 291
#define IDC_BORDER_TOP 294
#define IDC_BORDER_BOTTOM 295
#define IDC_BORDER_RIGHT 296
#define IDC_BORDER_NONE 297
#define IDC_BORDER_OUTLINE 298
#define IDC_BORDER_INSIDE 299
#define IDC_BORDER_INSIDE_HORZ 300
#define IDC_BORDER_DIAGONAL_UP 301
#define IDC_BORDER_LEFT 302
#define IDC_BORDER_INSIDE_VERT 303
#define IDC_BORDER_DIAGONAL_DOWN 304
#define IDC_BORDER_SEPARATOR 305
// The alignment page (dialog 256).
#define IDC_ALIGN_WRAP 218
#define IDC_ALIGN_SAMPLE 259
#define IDC_ALIGN_HORIZONTAL 268
#define IDC_ALIGN_VERTICAL 269
#define IDC_ALIGN_SHRINK 270
#define IDC_ALIGN_INDENT 271
#define IDC_ALIGN_ANGLE 272
#define IDC_ALIGN_DIAL 274
#define IDC_ALIGN_ANGLE_SPIN 275
#define IDC_ALIGN_INDENT_SPIN 276
#define IDC_ALIGN_STACKED 279
#define IDC_ALIGN_COMMON 281
#define IDC_ALIGN_OTHER 308
// The gradient page (dialog 107).
#define IDC_GRADIENT_DIAGONAL_UP 212
#define IDC_GRADIENT_TWO_COLOURS 226
#define IDC_GRADIENT_VERTICAL 228
#define IDC_GRADIENT_COLOUR1 229
#define IDC_GRADIENT_COLOUR2 230
#define IDC_GRADIENT_DIAGONAL_DOWN 232
#define IDC_GRADIENT_CORNER 233
#define IDC_GRADIENT_CENTRE 234
#define IDC_GRADIENT_VARIANT_GROUP 237
#define IDC_GRADIENT_COLOUR2_LABEL 238
#define IDC_GRADIENT_STYLE_GROUP 239
#define IDC_GRADIENT_PRESET 241
#define IDC_GRADIENT_COLOUR1_LABEL 242
#define IDC_GRADIENT_SHADE_BAR 243
#define IDC_GRADIENT_COLOUR_GROUP 244
#define IDC_GRADIENT_PRESET_LABEL 245
#define IDC_GRADIENT_PRESET_LIST 246
#define IDC_GRADIENT_ONE_COLOUR 281
#define IDC_GRADIENT_HORIZONTAL 308
// The texture page (dialog 290) and the pattern page (dialog 291).
#define IDC_SWATCH_FRAME 219
#define IDC_TEXTURE_SCROLL 248
#define IDC_TEXTURE_FROM_FILE 250
#define IDC_PATTERN_CUSTOM 216
#define IDC_PATTERN_BACKGROUND 217
#define IDC_PATTERN_FOREGROUND 223
#define IDC_PATTERN_SCROLL 247
#define IDC_PATTERN_LOAD 255
// The picture page (dialog 222).
#define IDC_PICTURE_SIDE 218
#define IDC_PICTURE_FRONT 219
#define IDC_PICTURE_BACK 220
#define IDC_PICTURE_CENTRE 226
#define IDC_PICTURE_TILE 241
#define IDC_PICTURE_FRAME 252
#define IDC_PICTURE_OPEN 253
#define IDC_PICTURE_STRETCH 281

// The control's property pages that containers show: the general page (dialog 200, named by
// string 200) and the page-setup page (dialog 372).
#define IDD_NORVAK_PROPPAGE 200
#define IDS_NORVAK_PROPPAGE_CAPTION 200
#define IDC_PPG_BORDER_STYLE 363
#define IDC_PPG_COL_HEAD_BACK 364
#define IDC_PPG_COL_HEAD_TEXT 365
#define IDC_PPG_COL_HEAD_CELL 366
#define IDC_PPG_ROW_HEAD_BACK 367
#define IDC_PPG_ROW_HEAD_TEXT 368
#define IDC_PPG_ROW_HEAD_CELL 369
#define IDC_PPG_CELL_COLOUR 370
#define IDC_PPG_CELL_BACK 371
#define IDC_PPG_CELL_TEXT 372
#define IDD_PAGESET_PROPPAGE 372
#define IDS_PAGESET_PROPPAGE_CAPTION 7000
#define IDC_PPG_PICTURE_BROWSE 216
#define IDC_PPG_PICTURE 365
#define IDC_PPG_LINE_WIDTH 366
#define IDC_PPG_LINE_STYLE 367
#define IDC_PPG_LINE_COLOUR 368
#define IDC_PPG_ROWS 369
#define IDC_PPG_COLUMNS 370
#define IDC_PPG_FIXED_ROWS 371
#define IDC_PPG_FIXED_COLUMNS 372
#define IDC_PPG_ROWS_SPIN 7001
#define IDC_PPG_COLUMNS_SPIN 7002
#define IDC_PPG_FIXED_ROWS_SPIN 7003
#define IDC_PPG_FIXED_COLUMNS_SPIN 7004

// The chart settings sheet: the type page (dialog 203), the data page (204), the display page (205).
#define IDD_CHART_TYPE_PAGE 203
#define IDD_CHART_DATA_PAGE 204
#define IDD_CHART_DISPLAY_PAGE 205
#define IDB_CHART_TYPE_ICONS 215     // the type combo's five 16 x 15 icons
#define IDB_CHART_GALLERY_COLUMN 227 // the sub-type galleries, 32 px pictures side by side
#define IDB_CHART_GALLERY_BAR 237
#define IDB_CHART_GALLERY_LINE 244
#define IDB_CHART_GALLERY_PIE 249
#define IDB_CHART_GALLERY_CYLINDER 264
#define IDB_CHART_AS_OBJECT IDB_PAGE_CHART // the display page's picture of a chart inserted as an object
#define IDB_CHART_IN_WINDOW 369
#define IDC_CHART_TYPE_TEMPLATE 204
#define IDC_CHART_GALLERY_FRAME 231
#define IDC_CHART_GROUP_BY_COLUMNS 236
#define IDC_CHART_GROUP_BY_ROWS 237
#define IDC_CHART_TYPE_NAME 238
#define IDC_CHART_SOURCE_PAGE 205
#define IDC_CHART_SOURCE_SELECTION 206
#define IDC_CHART_SOURCE_CUSTOM 235
#define IDC_CHART_ALL_COLUMNS 217
#define IDC_CHART_ALL_ROWS 218
#define IDC_CHART_FIRST_ROW 215
#define IDC_CHART_FIRST_ROW_SPIN 233
#define IDC_CHART_LAST_ROW 216
#define IDC_CHART_LAST_ROW_SPIN 225
#define IDC_CHART_COLUMN_INDEX 232
#define IDC_CHART_COLUMN_CUSTOM 212
#define IDC_CHART_LEGEND_ACROSS 211
#define IDC_CHART_LEGEND_DOWN 213
#define IDC_CHART_COLUMN_LIST 207
#define IDC_CHART_SHOW_CHART 218
#define IDC_CHART_SHOW_LEGEND 220
#define IDC_CHART_SHOW_DATA 219
#define IDC_CHART_AS_OBJECT 229
#define IDC_CHART_SHOW_VALUES 228
#define IDC_CHART_X_NOTES 227
#define IDC_CHART_Y_NOTES 226
#define IDC_CHART_Y_COLOUR_MAP 232
#define IDC_CHART_INSERT_PICTURE 239
#define IDC_CHART_X_TITLE 224
#define IDC_CHART_Y_TITLE 225
#define IDC_CHART_TICKS 216
#define IDC_CHART_FILL 230

// The 3-D rotation page (dialog 296) of the whole chart's sheet. Each stepping button shows the
// bitmaps named by its caption with "U" (up) and "D" (down) appended.
#define IDD_ROTATION_PAGE 296
#define IDC_ROTATE_LEFT 324
#define IDC_ROTATE_RIGHT 325
#define IDC_ROTATE_UP 326
#define IDC_ROTATE_DOWN 327
#define IDC_PIE_TALLER 328
#define IDC_PIE_LOWER 329
#define IDC_PIE_WIDER 331
#define IDC_PIE_NARROWER 332
#define IDC_PIE_SCALE_MODE 333
#define IDC_PIE_HEIGHT 334
#define IDC_PIE_HEIGHT_SPIN 335
#define IDC_PIE_HEIGHT_LABEL 336
#define IDC_PIE_EXPLODE 337
#define IDC_PIE_EXPLODE_SPIN 338
#define IDC_PIE_EXPLODE_LABEL 339
#define IDC_PIE_SERIES 340
#define IDC_PIE_SERIES_SPIN 341
#define IDC_PIE_SHOW_ONE 309
#define IDC_PIE_SHOW_ALL 310
#define IDC_ROTATION_PREVIEW 330
// The chart element pages: the legend marker page (dialog 292), the line-type page (289).
#define IDD_LEGEND_MARKER_PAGE 292
#define IDC_LEGEND_LINE_COLOUR 217
#define IDC_LEGEND_PLAIN 281
#define IDC_LEGEND_LINE_STYLE 283
#define IDC_LEGEND_LINE_WIDTH 284
#define IDC_LEGEND_MARKER 307
#define IDC_LEGEND_STRIKE_LINE 309
#define IDC_LEGEND_CIRCLE 310
#define IDC_LEGEND_PRESET 311
#define IDC_LEGEND_FONT 314
#define IDD_LINE_TYPE_PAGE 289
#define IDC_LINE_COLOUR 217
#define IDC_LINE_WIDTH 218
#define IDC_LINE_CUSTOM 227
#define IDC_LINE_STYLE 256
#define IDC_LINE_NONE 266
#define IDC_LINE_DEFAULT 281
#define IDC_FILL_CUSTOM 258
#define IDC_FILL_SAMPLE 259
#define IDC_FILL_GROUP 262
#define IDC_FILL_EFFECTS 263
#define IDC_FILL_NONE 267
#define IDC_FILL_COLOUR 306
#define IDC_FILL_DEFAULT 308
// The font page of the chart element sheets and of the legend sheet (dialog 293).
#define IDD_FONT_PAGE 293
#define IDC_FONT_SCALE 218
#define IDC_FONT_UNDERLINE 219
#define IDC_FONT_TRANSPARENT 220
#define IDC_FONT_SUBSCRIPT 221
#define IDC_FONT_SAMPLE 259
#define IDC_FONT_STRIKEOUT 309
#define IDC_FONT_FACE 311
#define IDC_FONT_STYLE 312
#define IDC_FONT_SIZE 313
#define IDC_FONT_COLOUR 317
#define IDC_FONT_CHARSET 318
#define IDC_FONT_TEXT 319
#define IDC_FONT_BACKGROUND 320
#define IDC_FONT_TEXT_LABEL 321

// ---- 9 printing: the progress dialog and the page-setup pages ----
// The templates, their controls and the orientation icons keep the numbers they are known by.
#define IDD_PRINT_PROGRESS 370
#define IDC_PRINT_PROGRESS_TEXT 362
#define IDD_PAGE_MARGINS 105
#define IDD_PAGE_PAPER 225
#define IDD_PAGE_HEADER 364
#define IDD_PAGE_FOOTER 365
#define IDD_PAGE_TITLE 367
#define IDD_PAGE_REPORT_DATA 373
#define IDI_PAPER_LANDSCAPE 250
#define IDI_PAPER_PORTRAIT 251
// The margins page (dialog 105): the edits and their spins, top to footer.
#define IDC_MARGIN_TOP 223
#define IDC_MARGIN_BOTTOM 225
#define IDC_MARGIN_LEFT 227
#define IDC_MARGIN_RIGHT 229
#define IDC_MARGIN_TITLE 231
#define IDC_MARGIN_HEADER 233
#define IDC_MARGIN_FOOTER 235
#define IDC_MARGIN_TOP_SPIN 351
#define IDC_MARGIN_BOTTOM_SPIN 352
#define IDC_MARGIN_LEFT_SPIN 228
#define IDC_MARGIN_RIGHT_SPIN 230
#define IDC_MARGIN_TITLE_SPIN 232
#define IDC_MARGIN_HEADER_SPIN 234
#define IDC_MARGIN_FOOTER_SPIN 236
#define IDC_MARGIN_CENTER_HORZ 218
#define IDC_MARGIN_CENTER_VERT 219
#define IDC_MARGIN_PREVIEW 350
#define IDC_MARGIN_LAYOUT_LABEL 349
// The header and footer pages (dialogs 364 and 365).
#define IDC_BAND_SHOW_ICON 218
#define IDC_BAND_HEADER_TEXT 233
#define IDC_BAND_FOOTER_TEXT 235
#define IDC_BAND_PREVIEW 312
#define IDC_BAND_PREVIEW_LABEL 349
#define IDC_BAND_ALIGN 353
#define IDC_BAND_FONT 354
#define IDC_BAND_ICON 355
#define IDC_BAND_RULE 356
// The paper page (dialog 225).
#define IDC_PAPER_NAMES 247
#define IDC_PAPER_WIDTH 248
#define IDC_PAPER_HEIGHT 249
#define IDC_PAPER_LANDSCAPE 250
#define IDC_PAPER_PORTRAIT 251
#define IDC_PAPER_WIDTH_SPIN 224
#define IDC_PAPER_HEIGHT_SPIN 226
#define IDC_PAPER_PRINTERS 346
#define IDC_PAPER_LANDSCAPE_ICON 347
#define IDC_PAPER_PORTRAIT_ICON 348
// The page title, page number and frame page (dialog 367).
#define IDC_TITLE_SHOW_NUMBER 218
#define IDC_TITLE_TEXT 231
#define IDC_TITLE_PREVIEW 259
#define IDC_TITLE_DASHED_FRAME 309
#define IDC_TITLE_POSITION_LABEL 330
#define IDC_TITLE_FORMAT 358
#define IDC_TITLE_POSITION 359
#define IDC_TITLE_FORMAT_LABEL 360
#define IDC_TITLE_FONT 361
// The report data page (dialog 373).
#define IDC_REPORT_WHOLE 308
#define IDC_REPORT_SELECTION 312
#define IDC_REPORT_CUSTOM 313
#define IDC_REPORT_ARBITRARY 314
#define IDC_REPORT_COL_HEADER 218
#define IDC_REPORT_ROW_HEADER 219
#define IDC_REPORT_ALL_ROWS 220
#define IDC_REPORT_ALL_COLUMNS 221
#define IDC_REPORT_ROWS 374
#define IDC_REPORT_COLUMNS 375
#define IDC_REPORT_SEPARATOR 376
#define IDC_REPORT_ROWS_LABEL 377
#define IDC_REPORT_COLUMNS_LABEL 378

// ---- 8 workbook ----
#define IDS_WORKBOOK_VERSION 201 // the version text every saved workbook carries

// ---- 11 host: the program CQuilm.exe (its own module; the ids below are fixed by its menus,
// tool bars and dialogs) ----
#define IDR_MAINFRAME 128   // the frame's menu, accelerators, icon and title
#define IDR_CQUILMTYPE 129  // the document window's menu and the document strings
#define IDS_OLE_INIT_FAILED 100
#define IDS_SOCKETS_INIT_FAILED 104
#define IDS_APP_TITLE 57344
#define IDD_QUILM_ABOUT 100
#define IDD_PAGE_LOGIN 137
#define IDD_PAGE_ACCOUNT 138
#define IDD_ROW_HEIGHT 169
#define IDD_PICKER_POPUP 176
#define IDD_FORMAT_CODE 187
#define IDI_QUILM_ICON1 133
#define IDI_QUILM_ICON2 134
#define IDI_QUILM_ICON3 135
#define IDI_QUILM_ICON4 136
#define IDI_QUILM_ICON5 137
#define IDC_QUILM_LINK_CURSOR 106
#define IDB_CELL_SAMPLE 170
#define IDB_BORDER_PICTURES 180
#define IDR_TOOLBAR_STANDARD 162
#define IDR_TOOLBAR_FORMAT 171
#define IDR_TOOLBAR_LINE 185
// Dialog controls.
#define IDC_LOGIN_USER 1001
#define IDC_LOGIN_PASSWORD 1002
#define IDC_ACCOUNT_NEW_PASSWORD 1003
#define IDC_ACCOUNT_NEW_USER 1004
#define IDC_ACCOUNT_VIEW 1005
#define IDC_ACCOUNT_READ 1006
#define IDC_ACCOUNT_READ_WRITE 1008
#define IDC_ABOUT_LINK 1007
#define IDC_ROW_HEIGHT_TEXT 1008
#define IDC_ROW_HEIGHT_SPIN 1009
#define IDC_FORMAT_CODE 1010
// The boxes on the tool bars.
#define IDC_FONT_NAME_BOX 101
#define IDC_FONT_SIZE_BOX 102
#define IDC_LINE_STYLE_BOX 103
#define IDC_LINE_WIDTH_BOX 104
// Commands of the framework's range.
#define ID_FILE_NEW 57600
#define ID_FILE_OPEN 57601
#define ID_FILE_CLOSE 57602
#define ID_FILE_SAVE 57603
#define ID_FILE_PRINT_SETUP 57606
#define ID_FILE_PRINT 57607
#define ID_FILE_PRINT_DIRECT 57608
#define ID_FILE_PRINT_PREVIEW 57609
#define ID_FILE_SEND_MAIL 57612
#define ID_FILE_MRU_FILE1 57616
#define ID_FILE_MRU_LAST 57631
#define ID_EDIT_COPY 57634
#define ID_EDIT_CUT 57635
#define ID_EDIT_PASTE 57637
#define ID_APP_EXIT 57665
#define ID_APP_ABOUT 57664
#define ID_HELP_FINDER 57667
#define ID_HELP_INDEX 57671
#define ID_HELP 57670
#define ID_CONTEXT_HELP 57669
#define ID_WINDOW_CASCADE 57650
#define ID_WINDOW_TILE_HORZ 57651
#define ID_WINDOW_ARRANGE 57649
#define ID_VIEW_TOOLBAR 59392
#define ID_VIEW_STATUS_BAR 59393
// The host's own commands.
#define ID_CELL_TEXT_FORMAT 32990
#define ID_LOCK_WINDOW 33002
#define ID_UNLOCK_WINDOW 33003
#define ID_DELETE_ROWS 32907
#define ID_DELETE_COLUMNS 32908
#define ID_MERGE_CELLS 32905
#define ID_UNMERGE_CELLS 32906
#define ID_ALLOW_DRAG 32919
#define ID_HEAD_STYLE_NONE 32920
#define ID_HEAD_STYLE_FOCUS 32921
#define ID_HEAD_STYLE_SUNKEN 32922
#define ID_HEAD_STYLE_FILL 32923
#define ID_FORMAT_BRUSH 32981
#define ID_NEW_SHEET 32925
#define ID_INSERT_ROWS 32909
#define ID_INSERT_COLUMNS 32910
#define ID_ROW_HEIGHT 32937
#define ID_ROW_BEST_HEIGHT 32938
#define ID_ROW_DEFAULT_HEIGHT 32942
#define ID_ROW_HIDE 32939
#define ID_ROW_UNHIDE 32940
#define ID_COLUMN_WIDTH 32943
#define ID_COLUMN_BEST_WIDTH 32944
#define ID_COLUMN_DEFAULT_WIDTH 32945
#define ID_COLUMN_HIDE 32946
#define ID_COLUMN_UNHIDE 32947
#define ID_SHEET_RENAME 32949
#define ID_SHEET_HIDE 32950
#define ID_SHEET_UNHIDE 32951
#define ID_SHEET_BACKGROUND 32952
#define ID_BACKGROUND_PICTURE 32930
#define ID_PICTURE_FROM_CLIPBOARD 32955
#define ID_PICTURE_FROM_FILE 32956
#define ID_CELL_PICTURE_FILE 32959
#define ID_CELL_PICTURE_SAMPLES 32958
#define ID_SAVE_WORKBOOK 33000
#define ID_SAVE_WORKBOOK_AS 33001
#define ID_FONT_NAME_PLACE 32960
#define ID_FONT_SIZE_PLACE 32961
#define ID_FONT_BOLD 32963
#define ID_FONT_ITALIC 32965
#define ID_FONT_UNDERLINE 32966
#define ID_ALIGN_LEFT 32967
#define ID_ALIGN_CENTRE 32968
#define ID_ALIGN_RIGHT 32969
#define ID_ALIGN_NONE 32982
#define ID_FILL_COLOUR 32974
#define ID_TEXT_COLOUR 32977
#define ID_BORDERS 32970
#define ID_LINE_COLOUR 32984
#define ID_LINE_STYLE_PLACE 32983
#define ID_LINE_WIDTH_PLACE 32989
#define ID_BORDER_STRIP 32985
#define ID_COLOUR_STRIP 32986
