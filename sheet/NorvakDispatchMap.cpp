#include "sheet/NorvakDispatchMap.h"

#include <olectl.h>

namespace {

// Colours and handles are VT_I4 bit patterns; results the type library calls BOOL are VT_BOOL.
// DISPID 58 has no member.
const DispatchMember kNorvakMembers[] = {
    {1, L"WindowBorderStyle", DispatchKind::PropertyGet, VT_I2, DispParams(), nullptr},
    {1, L"WindowBorderStyle", DispatchKind::PropertyPut, VT_EMPTY, DispParams(VT_I2), nullptr},
    {2, L"DoInsertPage", DispatchKind::Method, VT_I4, DispParams(VT_BSTR), nullptr},
    {3, L"DoDeletePage", DispatchKind::Method, VT_BOOL, DispParams(VT_I4), nullptr},
    {4, L"DoSetActivePageIndex", DispatchKind::Method, VT_BOOL, DispParams(VT_I4), nullptr},
    {5, L"DoGetActivePageIndex", DispatchKind::Method, VT_I4, DispParams(), nullptr},
    {6, L"DoGetPageCounts", DispatchKind::Method, VT_I4, DispParams(), nullptr},
    {7, L"DoSetPageRowCounts", DispatchKind::Method, VT_BOOL, DispParams(VT_I4, VT_I4, VT_I4), nullptr},
    {8, L"DoSetPageColumnCounts", DispatchKind::Method, VT_BOOL, DispParams(VT_I4, VT_I4, VT_I4), nullptr},
    {9, L"DoInsertPageRow", DispatchKind::Method, VT_I4, DispParams(VT_I4, VT_I4), nullptr},
    {10, L"DoInsertPageColumn", DispatchKind::Method, VT_I4, DispParams(VT_I4, VT_I4, VT_I2, VT_BSTR),
     nullptr},
    {11, L"DoRemovePageRow", DispatchKind::Method, VT_BOOL, DispParams(VT_I4, VT_I4), nullptr},
    {12, L"DoRemovePageColumn", DispatchKind::Method, VT_BOOL, DispParams(VT_I4, VT_I4), nullptr},
    {13, L"DoSetPageRowHeight", DispatchKind::Method, VT_BOOL, DispParams(VT_I4, VT_I4, VT_I4), nullptr},
    {14, L"DoGetPageRowHeight", DispatchKind::Method, VT_I4, DispParams(VT_I4, VT_I4), nullptr},
    {15, L"DoSetPageColumnWidth", DispatchKind::Method, VT_BOOL, DispParams(VT_I4, VT_I4, VT_I4), nullptr},
    {16, L"DoGetPageColumnWidth", DispatchKind::Method, VT_I4, DispParams(VT_I4, VT_I4), nullptr},
    {17, L"DoSetPageContextMenuVisible", DispatchKind::Method, VT_BOOL, DispParams(VT_I4, VT_BOOL), nullptr},
    {18, L"DoSetPageContextMenuItemVisible", DispatchKind::Method, VT_BOOL, DispParams(VT_I4, VT_I4, VT_BOOL),
     nullptr},
    {19, L"DoSetPageSortStyle", DispatchKind::Method, VT_BOOL, DispParams(VT_I4, VT_I4), nullptr},
    {20, L"DoSetPageModify", DispatchKind::Method, VT_BOOL, DispParams(VT_I4, VT_BOOL), nullptr},
    {21, L"DoSetPageTextColor", DispatchKind::Method, VT_BOOL, DispParams(VT_I4, VT_I4), nullptr},
    {22, L"DoSetPageTextBkColor", DispatchKind::Method, VT_BOOL, DispParams(VT_I4, VT_I4), nullptr},
    {23, L"DoSetPageBkColor", DispatchKind::Method, VT_BOOL, DispParams(VT_I4, VT_I4), nullptr},
    {24, L"DoGetPageSortStyle", DispatchKind::Method, VT_I4, DispParams(VT_I4), nullptr},
    {25, L"DoGetPageColumns", DispatchKind::Method, VT_I4, DispParams(VT_I4, VT_I4), nullptr},
    {26, L"DoGetPageRows", DispatchKind::Method, VT_I4, DispParams(VT_I4, VT_I4), nullptr},
    {27, L"DoSetPageMouseCursor", DispatchKind::Method, VT_BOOL, DispParams(VT_I4, VT_I4), nullptr},
    {28, L"DoGetTabArrowObject", DispatchKind::Method, VT_DISPATCH, DispParams(), nullptr},
    {29, L"DoGetTabTitleObject", DispatchKind::Method, VT_DISPATCH, DispParams(), nullptr},
    {30, L"DoGetTabScrollObject", DispatchKind::Method, VT_DISPATCH, DispParams(), nullptr},
    {31, L"DoGetTabDragObject", DispatchKind::Method, VT_DISPATCH, DispParams(), nullptr},
    {32, L"DoSetPageCellText", DispatchKind::Method, VT_BOOL, DispParams(VT_I4, VT_I4, VT_I4, VT_BSTR),
     nullptr},
    {33, L"DoGetPageCellText", DispatchKind::Method, VT_BSTR, DispParams(VT_I4, VT_I4, VT_I4), nullptr},
    {34, L"DoSetPageCellTextFormat", DispatchKind::Method, VT_BOOL, DispParams(VT_I4, VT_I4, VT_I4, VT_I2),
     nullptr},
    {35, L"DoGetPageCellTextFormat", DispatchKind::Method, VT_I2, DispParams(VT_I4, VT_I4, VT_I4), nullptr},
    {36, L"DoSetWindowBorderStyle", DispatchKind::Method, VT_I2, DispParams(VT_I2), nullptr},
    {37, L"DoPrint", DispatchKind::Method, VT_EMPTY, DispParams(), nullptr},
    {38, L"DoPreview", DispatchKind::Method, VT_EMPTY, DispParams(), nullptr},
    {39, L"DoPrintSetup", DispatchKind::Method, VT_EMPTY,
     DispParams(VT_BOOL, VT_BOOL, VT_BOOL, VT_BOOL, VT_BOOL, VT_BOOL, VT_BOOL, VT_BOOL), nullptr},
    {40, L"DoSetPageCellCombine", DispatchKind::Method, VT_BOOL,
     DispParams(VT_I4, VT_I4, VT_I4, VT_I4, VT_I4), nullptr},
    {41, L"DoSetPageCellUnCombine", DispatchKind::Method, VT_BOOL, DispParams(VT_I4, VT_I4, VT_I4), nullptr},
    {42, L"DoGetPageMinSelectedRow", DispatchKind::Method, VT_I4, DispParams(VT_I4), nullptr},
    {43, L"DoGetPageMaxSelectedRow", DispatchKind::Method, VT_I4, DispParams(VT_I4), nullptr},
    {44, L"DoGetPageMinSelectedCol", DispatchKind::Method, VT_I4, DispParams(VT_I4), nullptr},
    {45, L"DoGetPageMaxSelectedCol", DispatchKind::Method, VT_I4, DispParams(VT_I4), nullptr},
    {46, L"DoGetPageRowIsSelected", DispatchKind::Method, VT_BOOL, DispParams(VT_I4, VT_I4), nullptr},
    {47, L"DoGetPageColIsSelected", DispatchKind::Method, VT_BOOL, DispParams(VT_I4, VT_I4), nullptr},
    {48, L"DoGetGridObject", DispatchKind::Method, VT_DISPATCH, DispParams(VT_I4, VT_I4, VT_I4), nullptr},
    {49, L"DoGetGridRangeObject", DispatchKind::Method, VT_DISPATCH,
     DispParams(VT_I4, VT_I4, VT_I4, VT_I4, VT_I4), nullptr},
    {50, L"DoSetGridHeadSelectedStyle", DispatchKind::Method, VT_BOOL, DispParams(VT_I4, VT_I2), nullptr},
    {51, L"DoGetGridHeadSelectedStyle", DispatchKind::Method, VT_I2, DispParams(VT_I4), nullptr},
    {52, L"DoSetPageDragAndDrop", DispatchKind::Method, VT_BOOL, DispParams(VT_I4, VT_BOOL), nullptr},
    {53, L"DoGetPageDragAndDrop", DispatchKind::Method, VT_BOOL, DispParams(VT_I4), nullptr},
    {54, L"DoGetPageBkColor", DispatchKind::Method, VT_I4, DispParams(VT_I4), nullptr},
    {55, L"DoGetPageTextColor", DispatchKind::Method, VT_I4, DispParams(VT_I4), nullptr},
    {56, L"DoGetPageTextBkColor", DispatchKind::Method, VT_I4, DispParams(VT_I4), nullptr},
    {57, L"DoShowChartWindow", DispatchKind::Method, VT_EMPTY, DispParams(), nullptr},
    {59, L"DoSetPageFocusGrid", DispatchKind::Method, VT_BOOL, DispParams(VT_I4, VT_I4, VT_I4), nullptr},
    {60, L"DoGetPageFocusGrid", DispatchKind::Method, VT_DISPATCH, DispParams(VT_I4), nullptr},
    {61, L"DoGetPageGridIsSelected", DispatchKind::Method, VT_BOOL, DispParams(VT_I4, VT_I4, VT_I4), nullptr},
    {62, L"DoSetPageGridRangeSelected", DispatchKind::Method, VT_BOOL,
     DispParams(VT_I4, VT_I4, VT_I4, VT_I4, VT_I4, VT_BOOL), nullptr},
    {63, L"DoGetPageGridIsValid", DispatchKind::Method, VT_BOOL, DispParams(VT_I4, VT_I4, VT_I4), nullptr},
    {64, L"DoInvalidateGridRange", DispatchKind::Method, VT_EMPTY, DispParams(VT_I4, VT_I4, VT_I4, VT_I4),
     nullptr},
    {65, L"DoSetPageFormatBrush", DispatchKind::Method, VT_BOOL,
     DispParams(VT_I4, VT_I4, VT_I4, VT_I4, VT_I4), nullptr},
    {66, L"DoGetPageFormatBrush", DispatchKind::Method, VT_BOOL,
     DispParams(VT_I4, VT_I4, VT_I4, VT_I4, VT_I4), nullptr},
    {67, L"DoSetPageColumnABCD", DispatchKind::Method, VT_BOOL, DispParams(VT_I4, VT_I4, VT_I4), nullptr},
    {68, L"DoSetPageRow1234", DispatchKind::Method, VT_BOOL, DispParams(VT_I4, VT_I4, VT_I4), nullptr},
    {69, L"DoSave", DispatchKind::Method, VT_BOOL, DispParams(VT_BSTR, VT_BOOL, VT_I4, VT_BOOL, VT_BOOL),
     nullptr},
    {70, L"DoOpen", DispatchKind::Method, VT_BOOL, DispParams(VT_BSTR), nullptr},
    {71, L"DoSetInitializePageCounts", DispatchKind::Method, VT_EMPTY,
     DispParams(VT_BOOL, VT_I4, VT_BSTR, VT_BSTR, VT_BSTR), nullptr},
    {72, L"DoSetPageLockRowAndColumn", DispatchKind::Method, VT_BOOL, DispParams(VT_I4, VT_I4, VT_I4),
     nullptr},
    {73, L"DoGetPageLockRow", DispatchKind::Method, VT_I4, DispParams(VT_I4), nullptr},
    {74, L"DoGetPageLockColumn", DispatchKind::Method, VT_I4, DispParams(VT_I4), nullptr},
    {DISPID_ABOUTBOX, L"AboutBox", DispatchKind::Method, VT_EMPTY, DispParams(), nullptr},
};

const DispatchMember kNorvakEvents[] = {
    {1, L"ShellOnCreate", DispatchKind::Method, VT_EMPTY, DispParams(), nullptr},
    {2, L"ShellDoInsertingPage", DispatchKind::Method, VT_EMPTY, DispParams(VT_I4, VT_BSTR), nullptr},
    {3, L"ShellDoInsertedPage", DispatchKind::Method, VT_EMPTY, DispParams(VT_I4, VT_BSTR), nullptr},
    {4, L"ShellOnRowsChanged", DispatchKind::Method, VT_EMPTY, DispParams(VT_I4, VT_I4, VT_I4), nullptr},
    {5, L"ShellOnColumnsChanged", DispatchKind::Method, VT_EMPTY, DispParams(VT_I4, VT_I4, VT_I4), nullptr},
};

} // namespace

DispatchTable NorvakDispatchMap()
{
    return kNorvakMembers;
}

DispatchTable NorvakEventMap()
{
    return kNorvakEvents;
}
