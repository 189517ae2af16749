#include "automation/NorvakGridObject.h"
#include "automation/ObjectDispatchMaps.h"

namespace {

// Colours and icon or bitmap handles travel as VT_I4 bit patterns. bEdit is the cell's edit lock
// (TRUE: not editable).
const DispatchMember kMembers[] = {
    {1, L"bHide", DispatchKind::PropertyGet, VT_BOOL, DispParams(), DispatchTo<&CNorvakGridObject::GetHide>},
    {1, L"bHide", DispatchKind::PropertyPut, VT_EMPTY, DispParams(VT_BOOL), DispatchTo<&CNorvakGridObject::SetHide>},
    {2, L"bEdit", DispatchKind::PropertyGet, VT_BOOL, DispParams(), DispatchTo<&CNorvakGridObject::GetEdit>},
    {2, L"bEdit", DispatchKind::PropertyPut, VT_EMPTY, DispParams(VT_BOOL), DispatchTo<&CNorvakGridObject::SetEdit>},
    {3, L"DoGetRowIndex", DispatchKind::Method, VT_I4, DispParams(), DispatchTo<&CNorvakGridObject::DoGetRowIndex>},
    {4, L"DoGetColumnIndex", DispatchKind::Method, VT_I4, DispParams(), DispatchTo<&CNorvakGridObject::DoGetColumnIndex>},
    {5, L"DoSetBkColor", DispatchKind::Method, VT_BOOL, DispParams(VT_I4), DispatchTo<&CNorvakGridObject::DoSetBkColor>},
    {6, L"DoGetBkColor", DispatchKind::Method, VT_I4, DispParams(), DispatchTo<&CNorvakGridObject::DoGetBkColor>},
    {7, L"DoSetTextColor", DispatchKind::Method, VT_BOOL, DispParams(VT_I4), DispatchTo<&CNorvakGridObject::DoSetTextColor>},
    {8, L"DoGetTextColor", DispatchKind::Method, VT_I4, DispParams(), DispatchTo<&CNorvakGridObject::DoGetTextColor>},
    {9, L"DoSetText", DispatchKind::Method, VT_BOOL, DispParams(VT_BSTR), DispatchTo<&CNorvakGridObject::DoSetText>},
    {10, L"DoGetText", DispatchKind::Method, VT_BSTR, DispParams(), DispatchTo<&CNorvakGridObject::DoGetText>},
    {11, L"DoSetType", DispatchKind::Method, VT_BOOL, DispParams(VT_I2), DispatchTo<&CNorvakGridObject::DoSetType>},
    {12, L"DoGetType", DispatchKind::Method, VT_I2, DispParams(), DispatchTo<&CNorvakGridObject::DoGetType>},
    {13, L"DoSetIndent", DispatchKind::Method, VT_BOOL, DispParams(VT_I2), DispatchTo<&CNorvakGridObject::DoSetIndent>},
    {14, L"DoGetIndent", DispatchKind::Method, VT_I2, DispParams(), DispatchTo<&CNorvakGridObject::DoGetIndent>},
    {15, L"DoSetAutoAdjust", DispatchKind::Method, VT_BOOL, DispParams(VT_BOOL), DispatchTo<&CNorvakGridObject::DoSetAutoAdjust>},
    {16, L"DoIsAutoAdjust", DispatchKind::Method, VT_BOOL, DispParams(), DispatchTo<&CNorvakGridObject::DoIsAutoAdjust>},
    {17, L"DoIsSkipVerLine", DispatchKind::Method, VT_BOOL, DispParams(), DispatchTo<&CNorvakGridObject::DoIsSkipVerLine>},
    {18, L"DoIsSkipHorLine", DispatchKind::Method, VT_BOOL, DispParams(), DispatchTo<&CNorvakGridObject::DoIsSkipHorLine>},
    {19, L"DoSetSkipVerLine", DispatchKind::Method, VT_BOOL, DispParams(VT_BOOL), DispatchTo<&CNorvakGridObject::DoSetSkipVerLine>},
    {20, L"DoSetSkipHorLine", DispatchKind::Method, VT_BOOL, DispParams(VT_BOOL), DispatchTo<&CNorvakGridObject::DoSetSkipHorLine>},
    {21, L"DoSetVerLineColor", DispatchKind::Method, VT_BOOL, DispParams(VT_I4, VT_I4), DispatchTo<&CNorvakGridObject::DoSetVerLineColor>},
    {22, L"DoSetHorLineColor", DispatchKind::Method, VT_BOOL, DispParams(VT_I4, VT_I4), DispatchTo<&CNorvakGridObject::DoSetHorLineColor>},
    {23, L"DoGetVerLineColor", DispatchKind::Method, VT_I4, DispParams(VT_I4), DispatchTo<&CNorvakGridObject::DoGetVerLineColor>},
    {24, L"DoGetHorLineColor", DispatchKind::Method, VT_I4, DispParams(VT_I4), DispatchTo<&CNorvakGridObject::DoGetHorLineColor>},
    {25, L"DoSetVerLineStyle", DispatchKind::Method, VT_BOOL, DispParams(VT_I2, VT_I4), DispatchTo<&CNorvakGridObject::DoSetVerLineStyle>},
    {26, L"DoSetHorLineStyle", DispatchKind::Method, VT_BOOL, DispParams(VT_I2, VT_I4), DispatchTo<&CNorvakGridObject::DoSetHorLineStyle>},
    {27, L"DoGetVerLineStyle", DispatchKind::Method, VT_I2, DispParams(VT_I4), DispatchTo<&CNorvakGridObject::DoGetVerLineStyle>},
    {28, L"DoGetHorLineStyle", DispatchKind::Method, VT_I2, DispParams(VT_I4), DispatchTo<&CNorvakGridObject::DoGetHorLineStyle>},
    {29, L"DoSetVerLineSize", DispatchKind::Method, VT_BOOL, DispParams(VT_I2, VT_I4), DispatchTo<&CNorvakGridObject::DoSetVerLineSize>},
    {30, L"DoSetHorLineSize", DispatchKind::Method, VT_BOOL, DispParams(VT_I2, VT_I4), DispatchTo<&CNorvakGridObject::DoSetHorLineSize>},
    {31, L"DoGetVerLineSize", DispatchKind::Method, VT_I2, DispParams(VT_I4), DispatchTo<&CNorvakGridObject::DoGetVerLineSize>},
    {32, L"DoGetHorLineSize", DispatchKind::Method, VT_I2, DispParams(VT_I4), DispatchTo<&CNorvakGridObject::DoGetHorLineSize>},
    {33, L"DoGetFontObject", DispatchKind::Method, VT_DISPATCH, DispParams(), DispatchTo<&CNorvakGridObject::DoGetFontObject>},
    {34, L"DoGetGridState", DispatchKind::Method, VT_BOOL, DispParams(VT_I2), DispatchTo<&CNorvakGridObject::DoGetGridState>},
    {35, L"DoGetGridFormat", DispatchKind::Method, VT_I2, DispParams(), DispatchTo<&CNorvakGridObject::DoGetGridFormat>},
    {36, L"DoSetGridState", DispatchKind::Method, VT_BOOL, DispParams(VT_I2), DispatchTo<&CNorvakGridObject::DoSetGridState>},
    {37, L"DoSetGridFormat", DispatchKind::Method, VT_BOOL, DispParams(VT_I2), DispatchTo<&CNorvakGridObject::DoSetGridFormat>},
    {38, L"DoCopy", DispatchKind::Method, VT_BOOL, DispParams(), DispatchTo<&CNorvakGridObject::DoCopy>},
    {39, L"DoCut", DispatchKind::Method, VT_BOOL, DispParams(), DispatchTo<&CNorvakGridObject::DoCut>},
    {40, L"DoPaste", DispatchKind::Method, VT_BOOL, DispParams(), DispatchTo<&CNorvakGridObject::DoPaste>},
    {41, L"DoSetIconFromHandle", DispatchKind::Method, VT_BOOL, DispParams(VT_I4), DispatchTo<&CNorvakGridObject::DoSetIconFromHandle>},
    {42, L"DoSetBitmapFromHandle", DispatchKind::Method, VT_BOOL, DispParams(VT_I4), DispatchTo<&CNorvakGridObject::DoSetBitmapFromHandle>},
    {43, L"DoIsPaste", DispatchKind::Method, VT_BOOL, DispParams(), DispatchTo<&CNorvakGridObject::DoIsPaste>},
    {44, L"DoGetImageWidth", DispatchKind::Method, VT_I4, DispParams(), DispatchTo<&CNorvakGridObject::DoGetImageWidth>},
    {45, L"DoGetImageHeight", DispatchKind::Method, VT_I2, DispParams(), DispatchTo<&CNorvakGridObject::DoGetImageHeight>},
    {46, L"DoSetImageFromFile", DispatchKind::Method, VT_BOOL, DispParams(VT_BSTR), DispatchTo<&CNorvakGridObject::DoSetImageFromFile>},
    {47, L"DoIsSelected", DispatchKind::Method, VT_BOOL, DispParams(), DispatchTo<&CNorvakGridObject::DoIsSelected>},
    {48, L"DoSetSelected", DispatchKind::Method, VT_BOOL, DispParams(VT_BOOL), DispatchTo<&CNorvakGridObject::DoSetSelected>},
};

} // namespace

DispatchTable GridObjectDispatchMap()
{
    return kMembers;
}
