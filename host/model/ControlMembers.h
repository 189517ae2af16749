#pragma once

// The dispatch ids of the control's members and of its objects' members that the host calls.

#include <windows.h>

namespace norvak_id {
enum : DISPID
{
    WindowBorderStyle = 1, DoInsertPage = 2, DoGetActivePageIndex = 5, DoGetPageCounts = 6,
    DoSetPageRowCounts = 7, DoSetPageColumnCounts = 8, DoInsertPageRow = 9, DoInsertPageColumn = 10,
    DoRemovePageRow = 11, DoRemovePageColumn = 12, DoSetPageRowHeight = 13, DoGetPageRowHeight = 14,
    DoSetPageColumnWidth = 15, DoGetPageColumns = 25, DoGetPageRows = 26, DoGetTabArrowObject = 28,
    DoGetTabTitleObject = 29, DoSetPageCellText = 32, DoSetPageCellTextFormat = 34,
    DoGetPageCellTextFormat = 35, DoPrint = 37, DoPreview = 38, DoPrintSetup = 39, DoSetPageCellCombine = 40,
    DoSetPageCellUnCombine = 41, DoGetPageMinSelectedRow = 42, DoGetPageMaxSelectedRow = 43,
    DoGetPageMinSelectedCol = 44, DoGetPageMaxSelectedCol = 45, DoGetPageRowIsSelected = 46,
    DoGetPageColIsSelected = 47, DoGetGridObject = 48, DoGetGridRangeObject = 49,
    DoSetGridHeadSelectedStyle = 50, DoGetGridHeadSelectedStyle = 51, DoSetPageDragAndDrop = 52,
    DoGetPageDragAndDrop = 53, DoGetPageGridIsSelected = 61, DoSetPageFormatBrush = 65,
    DoSetPageColumnABCD = 67, DoSetPageRow1234 = 68, DoSave = 69, DoOpen = 70, DoSetInitializePageCounts = 71,
    DoSetPageLockRowAndColumn = 72, DoGetPageLockRow = 73, DoGetPageLockColumn = 74,
};
} // namespace norvak_id

// Events of the control the host handles.
namespace norvak_event {
enum : DISPID
{
    ShellOnCreate = 1, ShellOnRowsChanged = 4, ShellOnColumnsChanged = 5,
};
} // namespace norvak_event

namespace tab_title_id {
enum : DISPID
{
    DoSetTabType = 1, DoGetTabType = 2, DoGetActivePage = 4, DoSetPageTabWidth = 5, DoGetPageTabWidth = 6,
    DoSetPageTabHeight = 7, DoGetPageTabHeight = 8, DoSetWindowBkColor = 9, DoSet3DFace = 11, DoGet3DFace = 12,
    DoSetShowIcon = 13, DoGetIconIsShow = 14, DoInsertCoolIcon = 18, DoInsertHotIcon = 19,
    DoInsertActiveIcon = 20, DoInsertCoolIconFromFile = 21, DoInsertHotIconFromFile = 22,
    DoInsertActiveIconFromFile = 23, DoUpdateCoolIcon = 24, DoUpdateHotIcon = 25, DoUpdateActiveIcon = 26,
    DoUpdateCoolIconFromFile = 27, DoUpdateHotIconFromFile = 28, DoUpdateActiveIconFromFile = 29,
    DoDeleteIcon = 30, DoOpenPage = 33, DoClosePage = 34, DoDeletePage = 35, DoSetPagePassWord = 36,
    DoSetPageUser = 38, DoSetPageOpPrivilege = 40, DoSetPageContentVisible = 42, DoGetPageContentIsVisible = 43,
    DoGetFontObject = 44, DoSetWindowVisible = 45, DoGetWindowIsVisible = 46,
};
} // namespace tab_title_id

namespace tab_arrow_id {
enum : DISPID
{
    DoSetStatusInfoShow = 3, DoGetStatusInfoIsShow = 4, DoSetStatusInfoShowTrans = 7,
    DoGetStatusInfoShowIsTrans = 8, DoSetStatusInfoFgColor = 9, DoGetStatusInfoFgColor = 10,
    DoSetStatusInfoBkColor = 11, DoGetStatusInfoBkColor = 12, DoGetFontObject = 13, DoSetStatusInfoFormat = 14,
    DoGetStatusInfoFormat = 15, DoSetLeftTopLineColor = 16, DoGetLeftTopLineColor = 17,
    DoSetRightBottomLineColor = 18, DoGetRightBottomLineColor = 19, DoSetIconLineType = 20,
    DoGetIconLineType = 21, DoSetButtonLineType = 22, DoGetButtonLineType = 23, DoAddIcon = 26,
    DoAddIconFromFile = 27, DoUpdateIcon = 28, DoUpdateIconFromFile = 29, DoInsertIcon = 30,
    DoInsertIconFromFile = 31, DoDeleteIcon = 32, DoGetIconCounts = 33, DoSetIconText = 34, DoGetIconText = 35,
    DoSetButtonTrack = 36, DoGetButtonIsTrack = 37, DoSetHotTrackColor = 38, DoSetStatusInfoType = 40,
    DoGetStatusInfoType = 41, DoSetShowCommandButton = 42, DoGetCommandButtonIsEnable = 43,
    DoSetShowOnlyIcon = 44, DoGetShowIconIsEnable = 45, DoSetButtonEnable = 46, DoGetButtonIsEnable = 47,
    DoSetWindowVisible = 48, DoGetWindowIsVisible = 49,
};
} // namespace tab_arrow_id

namespace font_id {
enum : DISPID
{
    DoSetFontHeight = 1, DoSetFontWidth = 3, DoSetFontEscapement = 5, DoSetFontWeight = 9, DoGetFontWeight = 10,
    DoSetFontItalic = 11, DoGetFontIsItalic = 12, DoSetFontUnderline = 13, DoGetFontIsUnderline = 14,
    DoSetFontStrikeOut = 15, DoSetFontFaceName = 27, DoSetFontColor = 29, DoSetFontFromFontDialog = 31,
    DoSetFontSize = 32, DoSetSystemFont = 33,
};
} // namespace font_id

namespace grid_id {
enum : DISPID
{
    DoSetBkColor = 5, DoGetBkColor = 6, DoSetTextColor = 7, DoGetTextColor = 8, DoSetVerLineColor = 21,
    DoSetHorLineColor = 22, DoGetHorLineColor = 24, DoSetVerLineStyle = 25, DoSetHorLineStyle = 26,
    DoSetVerLineSize = 29, DoSetHorLineSize = 30, DoGetFontObject = 33, DoSetIconFromHandle = 41,
    DoSetBitmapFromHandle = 42, DoSetImageFromFile = 46,
};
} // namespace grid_id

namespace range_id {
enum : DISPID
{
    DoCopy = 22, DoCut = 23, DoPaste = 24, DoIsPaste = 29,
};
} // namespace range_id
