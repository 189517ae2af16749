#include "automation/NorvakGridRangeObject.h"
#include "automation/ObjectDispatchMaps.h"

namespace {

// Colours and handles travel as VT_I4 bit patterns. DoSetModify sets the cells' edit lock
// (TRUE: not editable).
const DispatchMember kMembers[] = {
    {1, L"DoGetMinRowIndex", DispatchKind::Method, VT_I4, DispParams(), DispatchTo<&CNorvakGridRangeObject::DoGetMinRowIndex>},
    {2, L"DoGetMinColumnIndex", DispatchKind::Method, VT_I4, DispParams(), DispatchTo<&CNorvakGridRangeObject::DoGetMinColumnIndex>},
    {3, L"DoGetMaxRowIndex", DispatchKind::Method, VT_I4, DispParams(), DispatchTo<&CNorvakGridRangeObject::DoGetMaxRowIndex>},
    {4, L"DoGetMaxColumnIndex", DispatchKind::Method, VT_I4, DispParams(), DispatchTo<&CNorvakGridRangeObject::DoGetMaxColumnIndex>},
    {5, L"DoSetBkColor", DispatchKind::Method, VT_BOOL, DispParams(VT_I4), DispatchTo<&CNorvakGridRangeObject::DoSetBkColor>},
    {6, L"DoSetTextColor", DispatchKind::Method, VT_BOOL, DispParams(VT_I4), DispatchTo<&CNorvakGridRangeObject::DoSetTextColor>},
    {7, L"DoSetText", DispatchKind::Method, VT_BOOL, DispParams(VT_BSTR), DispatchTo<&CNorvakGridRangeObject::DoSetText>},
    {8, L"DoSetType", DispatchKind::Method, VT_BOOL, DispParams(VT_I2), DispatchTo<&CNorvakGridRangeObject::DoSetType>},
    {9, L"DoSetIndent", DispatchKind::Method, VT_BOOL, DispParams(VT_I2), DispatchTo<&CNorvakGridRangeObject::DoSetIndent>},
    {10, L"DoSetAutoAdjust", DispatchKind::Method, VT_BOOL, DispParams(VT_BOOL), DispatchTo<&CNorvakGridRangeObject::DoSetAutoAdjust>},
    {11, L"DoSetSkipVerLine", DispatchKind::Method, VT_BOOL, DispParams(VT_BOOL), DispatchTo<&CNorvakGridRangeObject::DoSetSkipVerLine>},
    {12, L"DoSetSkipHorLine", DispatchKind::Method, VT_BOOL, DispParams(VT_BOOL), DispatchTo<&CNorvakGridRangeObject::DoSetSkipHorLine>},
    {13, L"DoSetVerLineColor", DispatchKind::Method, VT_BOOL, DispParams(VT_I4, VT_I4), DispatchTo<&CNorvakGridRangeObject::DoSetVerLineColor>},
    {14, L"DoSetHorLineColor", DispatchKind::Method, VT_BOOL, DispParams(VT_I4, VT_I4), DispatchTo<&CNorvakGridRangeObject::DoSetHorLineColor>},
    {15, L"DoSetVerLineStyle", DispatchKind::Method, VT_BOOL, DispParams(VT_I2, VT_I4), DispatchTo<&CNorvakGridRangeObject::DoSetVerLineStyle>},
    {16, L"DoSetHorLineStyle", DispatchKind::Method, VT_BOOL, DispParams(VT_I2, VT_I4), DispatchTo<&CNorvakGridRangeObject::DoSetHorLineStyle>},
    {17, L"DoSetVerLineSize", DispatchKind::Method, VT_BOOL, DispParams(VT_I2, VT_I4), DispatchTo<&CNorvakGridRangeObject::DoSetVerLineSize>},
    {18, L"DoSetHorLineSize", DispatchKind::Method, VT_BOOL, DispParams(VT_I2, VT_I4), DispatchTo<&CNorvakGridRangeObject::DoSetHorLineSize>},
    {19, L"DoSetGridState", DispatchKind::Method, VT_BOOL, DispParams(VT_I2), DispatchTo<&CNorvakGridRangeObject::DoSetGridState>},
    {20, L"DoSetGridFormat", DispatchKind::Method, VT_BOOL, DispParams(VT_I2), DispatchTo<&CNorvakGridRangeObject::DoSetGridFormat>},
    {21, L"DoSetModify", DispatchKind::Method, VT_BOOL, DispParams(VT_BOOL), DispatchTo<&CNorvakGridRangeObject::DoSetModify>},
    {22, L"DoCopy", DispatchKind::Method, VT_BOOL, DispParams(), DispatchTo<&CNorvakGridRangeObject::DoCopy>},
    {23, L"DoCut", DispatchKind::Method, VT_BOOL, DispParams(), DispatchTo<&CNorvakGridRangeObject::DoCut>},
    {24, L"DoPaste", DispatchKind::Method, VT_BOOL, DispParams(), DispatchTo<&CNorvakGridRangeObject::DoPaste>},
    {25, L"DoSetIconFromHandle", DispatchKind::Method, VT_BOOL, DispParams(VT_I4), DispatchTo<&CNorvakGridRangeObject::DoSetIconFromHandle>},
    {26, L"DoSetBitmapFromHandle", DispatchKind::Method, VT_BOOL, DispParams(VT_I4), DispatchTo<&CNorvakGridRangeObject::DoSetBitmapFromHandle>},
    {27, L"DoSetImageFromFile", DispatchKind::Method, VT_BOOL, DispParams(VT_BSTR), DispatchTo<&CNorvakGridRangeObject::DoSetImageFromFile>},
    {28, L"DoGetGridObject", DispatchKind::Method, VT_DISPATCH, DispParams(VT_I4, VT_I4, VT_I4), DispatchTo<&CNorvakGridRangeObject::DoGetGridObject>},
    {29, L"DoIsPaste", DispatchKind::Method, VT_BOOL, DispParams(), DispatchTo<&CNorvakGridRangeObject::DoIsPaste>},
    {30, L"DoSetSelected", DispatchKind::Method, VT_BOOL, DispParams(VT_BOOL), DispatchTo<&CNorvakGridRangeObject::DoSetSelected>},
};

} // namespace

DispatchTable GridRangeObjectDispatchMap()
{
    return kMembers;
}
