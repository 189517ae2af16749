#pragma once

// The members of the control's dispatch interface _DNorvak, as the type library declares them
// (a test holds both tables to it) and each with the control's handler, and of its event
// interface _DNorvakEvents.

#include "framework/Dispatch.h"

// The members of _DNorvak by DISPID, as the dispatch table and the tests name them. 58 has no
// member.
enum NorvakMemberId : DISPID
{
    kWindowBorderStyle = 1,
    kDoInsertPage = 2,
    kDoDeletePage = 3,
    kDoSetActivePageIndex = 4,
    kDoGetActivePageIndex = 5,
    kDoGetPageCounts = 6,
    kDoSetPageRowCounts = 7,
    kDoSetPageColumnCounts = 8,
    kDoInsertPageRow = 9,
    kDoInsertPageColumn = 10,
    kDoRemovePageRow = 11,
    kDoRemovePageColumn = 12,
    kDoSetPageRowHeight = 13,
    kDoGetPageRowHeight = 14,
    kDoSetPageColumnWidth = 15,
    kDoGetPageColumnWidth = 16,
    kDoSetPageContextMenuVisible = 17,
    kDoSetPageContextMenuItemVisible = 18,
    kDoSetPageSortStyle = 19,
    kDoSetPageModify = 20,
    kDoSetPageTextColor = 21,
    kDoSetPageTextBkColor = 22,
    kDoSetPageBkColor = 23,
    kDoGetPageSortStyle = 24,
    kDoGetPageColumns = 25,
    kDoGetPageRows = 26,
    kDoSetPageMouseCursor = 27,
    kDoGetTabArrowObject = 28,
    kDoGetTabTitleObject = 29,
    kDoGetTabScrollObject = 30,
    kDoGetTabDragObject = 31,
    kDoSetPageCellText = 32,
    kDoGetPageCellText = 33,
    kDoSetPageCellTextFormat = 34,
    kDoGetPageCellTextFormat = 35,
    kDoSetWindowBorderStyle = 36,
    kDoPrint = 37,
    kDoPreview = 38,
    kDoPrintSetup = 39,
    kDoSetPageCellCombine = 40,
    kDoSetPageCellUnCombine = 41,
    kDoGetPageMinSelectedRow = 42,
    kDoGetPageMaxSelectedRow = 43,
    kDoGetPageMinSelectedCol = 44,
    kDoGetPageMaxSelectedCol = 45,
    kDoGetPageRowIsSelected = 46,
    kDoGetPageColIsSelected = 47,
    kDoGetGridObject = 48,
    kDoGetGridRangeObject = 49,
    kDoSetGridHeadSelectedStyle = 50,
    kDoGetGridHeadSelectedStyle = 51,
    kDoSetPageDragAndDrop = 52,
    kDoGetPageDragAndDrop = 53,
    kDoGetPageBkColor = 54,
    kDoGetPageTextColor = 55,
    kDoGetPageTextBkColor = 56,
    kDoShowChartWindow = 57,
    kDoSetPageFocusGrid = 59,
    kDoGetPageFocusGrid = 60,
    kDoGetPageGridIsSelected = 61,
    kDoSetPageGridRangeSelected = 62,
    kDoGetPageGridIsValid = 63,
    kDoInvalidateGridRange = 64,
    kDoSetPageFormatBrush = 65,
    kDoGetPageFormatBrush = 66,
    kDoSetPageColumnABCD = 67,
    kDoSetPageRow1234 = 68,
    kDoSave = 69,
    kDoOpen = 70,
    kDoSetInitializePageCounts = 71,
    kDoSetPageLockRowAndColumn = 72,
    kDoGetPageLockRow = 73,
    kDoGetPageLockColumn = 74,
};

DispatchTable NorvakDispatchMap();

// _DNorvakEvents, for firing: the DISPIDs and the parameter types of each event.
enum NorvakEventId : DISPID
{
    kEventShellOnCreate = 1,
    kEventShellDoInsertingPage = 2, // (long active page, BSTR its title)
    kEventShellDoInsertedPage = 3,  // (long new page, BSTR its title)
    kEventShellOnRowsChanged = 4,   // (long page, long old rows, long new rows)
    kEventShellOnColumnsChanged = 5 // (long page, long old columns, long new columns)
};

DispatchTable NorvakEventMap();
