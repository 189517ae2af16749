#include "automation/ObjectDispatchMaps.h"

namespace {

// Colours and icon or bitmap handles travel as VT_I4 bit patterns. bEdit is the cell's edit lock
// (TRUE: not editable).
const DispatchMember kMembers[] = {
    {1, L"bHide", DispatchKind::PropertyGet, VT_BOOL, DispParams(), nullptr},
    {1, L"bHide", DispatchKind::PropertyPut, VT_EMPTY, DispParams(VT_BOOL), nullptr},
    {2, L"bEdit", DispatchKind::PropertyGet, VT_BOOL, DispParams(), nullptr},
    {2, L"bEdit", DispatchKind::PropertyPut, VT_EMPTY, DispParams(VT_BOOL), nullptr},
    {3, L"DoGetRowIndex", DispatchKind::Method, VT_I4, DispParams(), nullptr},
    {4, L"DoGetColumnIndex", DispatchKind::Method, VT_I4, DispParams(), nullptr},
    {5, L"DoSetBkColor", DispatchKind::Method, VT_BOOL, DispParams(VT_I4), nullptr},
    {6, L"DoGetBkColor", DispatchKind::Method, VT_I4, DispParams(), nullptr},
    {7, L"DoSetTextColor", DispatchKind::Method, VT_BOOL, DispParams(VT_I4), nullptr},
    {8, L"DoGetTextColor", DispatchKind::Method, VT_I4, DispParams(), nullptr},
    {9, L"DoSetText", DispatchKind::Method, VT_BOOL, DispParams(VT_BSTR), nullptr},
    {10, L"DoGetText", DispatchKind::Method, VT_BSTR, DispParams(), nullptr},
    {11, L"DoSetType", DispatchKind::Method, VT_BOOL, DispParams(VT_I2), nullptr},
    {12, L"DoGetType", DispatchKind::Method, VT_I2, DispParams(), nullptr},
    {13, L"DoSetIndent", DispatchKind::Method, VT_BOOL, DispParams(VT_I2), nullptr},
    {14, L"DoGetIndent", DispatchKind::Method, VT_I2, DispParams(), nullptr},
    {15, L"DoSetAutoAdjust", DispatchKind::Method, VT_BOOL, DispParams(VT_BOOL), nullptr},
    {16, L"DoIsAutoAdjust", DispatchKind::Method, VT_BOOL, DispParams(), nullptr},
    {17, L"DoIsSkipVerLine", DispatchKind::Method, VT_BOOL, DispParams(), nullptr},
    {18, L"DoIsSkipHorLine", DispatchKind::Method, VT_BOOL, DispParams(), nullptr},
    {19, L"DoSetSkipVerLine", DispatchKind::Method, VT_BOOL, DispParams(VT_BOOL), nullptr},
    {20, L"DoSetSkipHorLine", DispatchKind::Method, VT_BOOL, DispParams(VT_BOOL), nullptr},
    {21, L"DoSetVerLineColor", DispatchKind::Method, VT_BOOL, DispParams(VT_I4, VT_I4), nullptr},
    {22, L"DoSetHorLineColor", DispatchKind::Method, VT_BOOL, DispParams(VT_I4, VT_I4), nullptr},
    {23, L"DoGetVerLineColor", DispatchKind::Method, VT_I4, DispParams(VT_I4), nullptr},
    {24, L"DoGetHorLineColor", DispatchKind::Method, VT_I4, DispParams(VT_I4), nullptr},
    {25, L"DoSetVerLineStyle", DispatchKind::Method, VT_BOOL, DispParams(VT_I2, VT_I4), nullptr},
    {26, L"DoSetHorLineStyle", DispatchKind::Method, VT_BOOL, DispParams(VT_I2, VT_I4), nullptr},
    {27, L"DoGetVerLineStyle", DispatchKind::Method, VT_I2, DispParams(VT_I4), nullptr},
    {28, L"DoGetHorLineStyle", DispatchKind::Method, VT_I2, DispParams(VT_I4), nullptr},
    {29, L"DoSetVerLineSize", DispatchKind::Method, VT_BOOL, DispParams(VT_I2, VT_I4), nullptr},
    {30, L"DoSetHorLineSize", DispatchKind::Method, VT_BOOL, DispParams(VT_I2, VT_I4), nullptr},
    {31, L"DoGetVerLineSize", DispatchKind::Method, VT_I2, DispParams(VT_I4), nullptr},
    {32, L"DoGetHorLineSize", DispatchKind::Method, VT_I2, DispParams(VT_I4), nullptr},
    {33, L"DoGetFontObject", DispatchKind::Method, VT_DISPATCH, DispParams(), nullptr},
    {34, L"DoGetGridState", DispatchKind::Method, VT_BOOL, DispParams(VT_I2), nullptr},
    {35, L"DoGetGridFormat", DispatchKind::Method, VT_I2, DispParams(), nullptr},
    {36, L"DoSetGridState", DispatchKind::Method, VT_BOOL, DispParams(VT_I2), nullptr},
    {37, L"DoSetGridFormat", DispatchKind::Method, VT_BOOL, DispParams(VT_I2), nullptr},
    {38, L"DoCopy", DispatchKind::Method, VT_BOOL, DispParams(), nullptr},
    {39, L"DoCut", DispatchKind::Method, VT_BOOL, DispParams(), nullptr},
    {40, L"DoPaste", DispatchKind::Method, VT_BOOL, DispParams(), nullptr},
    {41, L"DoSetIconFromHandle", DispatchKind::Method, VT_BOOL, DispParams(VT_I4), nullptr},
    {42, L"DoSetBitmapFromHandle", DispatchKind::Method, VT_BOOL, DispParams(VT_I4), nullptr},
    {43, L"DoIsPaste", DispatchKind::Method, VT_BOOL, DispParams(), nullptr},
    {44, L"DoGetImageWidth", DispatchKind::Method, VT_I4, DispParams(), nullptr},
    {45, L"DoGetImageHeight", DispatchKind::Method, VT_I2, DispParams(), nullptr},
    {46, L"DoSetImageFromFile", DispatchKind::Method, VT_BOOL, DispParams(VT_BSTR), nullptr},
    {47, L"DoIsSelected", DispatchKind::Method, VT_BOOL, DispParams(), nullptr},
    {48, L"DoSetSelected", DispatchKind::Method, VT_BOOL, DispParams(VT_BOOL), nullptr},
};

} // namespace

DispatchTable GridObjectDispatchMap()
{
    return kMembers;
}
