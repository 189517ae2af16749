#include "automation/ObjectDispatchMaps.h"

namespace {

// Colours and handles travel as VT_I4 bit patterns. DoSetModify sets the cells' edit lock
// (TRUE: not editable).
const DispatchMember kMembers[] = {
    {1, L"DoGetMinRowIndex", DispatchKind::Method, VT_I4, DispParams(), nullptr},
    {2, L"DoGetMinColumnIndex", DispatchKind::Method, VT_I4, DispParams(), nullptr},
    {3, L"DoGetMaxRowIndex", DispatchKind::Method, VT_I4, DispParams(), nullptr},
    {4, L"DoGetMaxColumnIndex", DispatchKind::Method, VT_I4, DispParams(), nullptr},
    {5, L"DoSetBkColor", DispatchKind::Method, VT_BOOL, DispParams(VT_I4), nullptr},
    {6, L"DoSetTextColor", DispatchKind::Method, VT_BOOL, DispParams(VT_I4), nullptr},
    {7, L"DoSetText", DispatchKind::Method, VT_BOOL, DispParams(VT_BSTR), nullptr},
    {8, L"DoSetType", DispatchKind::Method, VT_BOOL, DispParams(VT_I2), nullptr},
    {9, L"DoSetIndent", DispatchKind::Method, VT_BOOL, DispParams(VT_I2), nullptr},
    {10, L"DoSetAutoAdjust", DispatchKind::Method, VT_BOOL, DispParams(VT_BOOL), nullptr},
    {11, L"DoSetSkipVerLine", DispatchKind::Method, VT_BOOL, DispParams(VT_BOOL), nullptr},
    {12, L"DoSetSkipHorLine", DispatchKind::Method, VT_BOOL, DispParams(VT_BOOL), nullptr},
    {13, L"DoSetVerLineColor", DispatchKind::Method, VT_BOOL, DispParams(VT_I4, VT_I4), nullptr},
    {14, L"DoSetHorLineColor", DispatchKind::Method, VT_BOOL, DispParams(VT_I4, VT_I4), nullptr},
    {15, L"DoSetVerLineStyle", DispatchKind::Method, VT_BOOL, DispParams(VT_I2, VT_I4), nullptr},
    {16, L"DoSetHorLineStyle", DispatchKind::Method, VT_BOOL, DispParams(VT_I2, VT_I4), nullptr},
    {17, L"DoSetVerLineSize", DispatchKind::Method, VT_BOOL, DispParams(VT_I2, VT_I4), nullptr},
    {18, L"DoSetHorLineSize", DispatchKind::Method, VT_BOOL, DispParams(VT_I2, VT_I4), nullptr},
    {19, L"DoSetGridState", DispatchKind::Method, VT_BOOL, DispParams(VT_I2), nullptr},
    {20, L"DoSetGridFormat", DispatchKind::Method, VT_BOOL, DispParams(VT_I2), nullptr},
    {21, L"DoSetModify", DispatchKind::Method, VT_BOOL, DispParams(VT_BOOL), nullptr},
    {22, L"DoCopy", DispatchKind::Method, VT_BOOL, DispParams(), nullptr},
    {23, L"DoCut", DispatchKind::Method, VT_BOOL, DispParams(), nullptr},
    {24, L"DoPaste", DispatchKind::Method, VT_BOOL, DispParams(), nullptr},
    {25, L"DoSetIconFromHandle", DispatchKind::Method, VT_BOOL, DispParams(VT_I4), nullptr},
    {26, L"DoSetBitmapFromHandle", DispatchKind::Method, VT_BOOL, DispParams(VT_I4), nullptr},
    {27, L"DoSetImageFromFile", DispatchKind::Method, VT_BOOL, DispParams(VT_BSTR), nullptr},
    {28, L"DoGetGridObject", DispatchKind::Method, VT_DISPATCH, DispParams(VT_I4, VT_I4, VT_I4), nullptr},
    {29, L"DoIsPaste", DispatchKind::Method, VT_BOOL, DispParams(), nullptr},
    {30, L"DoSetSelected", DispatchKind::Method, VT_BOOL, DispParams(VT_BOOL), nullptr},
};

} // namespace

DispatchTable GridRangeObjectDispatchMap()
{
    return kMembers;
}
