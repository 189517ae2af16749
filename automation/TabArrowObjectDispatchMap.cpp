#include "automation/NorvakTabArrowObject.h"
#include "automation/ObjectDispatchMaps.h"

namespace {

// Colours and icon handles travel as VT_I4 bit patterns.
const DispatchMember kMembers[] = {
    {1, L"DoGetArrows", DispatchKind::Method, VT_I2, DispParams(), DispatchTo<&CNorvakTabArrowObject::DoGetArrows>},
    {2, L"DoSetArrows", DispatchKind::Method, VT_BOOL, DispParams(VT_BOOL, VT_BOOL), DispatchTo<&CNorvakTabArrowObject::DoSetArrows>},
    {3, L"DoSetStatusInfoShow", DispatchKind::Method, VT_BOOL, DispParams(VT_BOOL), DispatchTo<&CNorvakTabArrowObject::DoSetStatusInfoShow>},
    {4, L"DoGetStatusInfoIsShow", DispatchKind::Method, VT_BOOL, DispParams(), DispatchTo<&CNorvakTabArrowObject::DoGetStatusInfoIsShow>},
    {5, L"DoSetArrows3DFace", DispatchKind::Method, VT_BOOL, DispParams(VT_BOOL), DispatchTo<&CNorvakTabArrowObject::DoSetArrows3DFace>},
    {6, L"DoGetArrowsIs3DFace", DispatchKind::Method, VT_BOOL, DispParams(), DispatchTo<&CNorvakTabArrowObject::DoGetArrowsIs3DFace>},
    {7, L"DoSetStatusInfoShowTrans", DispatchKind::Method, VT_BOOL, DispParams(VT_BOOL), DispatchTo<&CNorvakTabArrowObject::DoSetStatusInfoShowTrans>},
    {8, L"DoGetStatusInfoShowIsTrans", DispatchKind::Method, VT_BOOL, DispParams(), DispatchTo<&CNorvakTabArrowObject::DoGetStatusInfoShowIsTrans>},
    {9, L"DoSetStatusInfoFgColor", DispatchKind::Method, VT_BOOL, DispParams(VT_I4), DispatchTo<&CNorvakTabArrowObject::DoSetStatusInfoFgColor>},
    {10, L"DoGetStatusInfoFgColor", DispatchKind::Method, VT_I4, DispParams(), DispatchTo<&CNorvakTabArrowObject::DoGetStatusInfoFgColor>},
    {11, L"DoSetStatusInfoBkColor", DispatchKind::Method, VT_BOOL, DispParams(VT_I4), DispatchTo<&CNorvakTabArrowObject::DoSetStatusInfoBkColor>},
    {12, L"DoGetStatusInfoBkColor", DispatchKind::Method, VT_I4, DispParams(), DispatchTo<&CNorvakTabArrowObject::DoGetStatusInfoBkColor>},
    {13, L"DoGetFontObject", DispatchKind::Method, VT_DISPATCH, DispParams(), DispatchTo<&CNorvakTabArrowObject::DoGetFontObject>},
    {14, L"DoSetStatusInfoFormat", DispatchKind::Method, VT_BOOL, DispParams(VT_I2), DispatchTo<&CNorvakTabArrowObject::DoSetStatusInfoFormat>},
    {15, L"DoGetStatusInfoFormat", DispatchKind::Method, VT_I2, DispParams(), DispatchTo<&CNorvakTabArrowObject::DoGetStatusInfoFormat>},
    {16, L"DoSetLeftTopLineColor", DispatchKind::Method, VT_BOOL, DispParams(VT_I4), DispatchTo<&CNorvakTabArrowObject::DoSetLeftTopLineColor>},
    {17, L"DoGetLeftTopLineColor", DispatchKind::Method, VT_I4, DispParams(), DispatchTo<&CNorvakTabArrowObject::DoGetLeftTopLineColor>},
    {18, L"DoSetRightBottomLineColor", DispatchKind::Method, VT_BOOL, DispParams(VT_I4), DispatchTo<&CNorvakTabArrowObject::DoSetRightBottomLineColor>},
    {19, L"DoGetRightBottomLineColor", DispatchKind::Method, VT_I4, DispParams(), DispatchTo<&CNorvakTabArrowObject::DoGetRightBottomLineColor>},
    {20, L"DoSetIconLineType", DispatchKind::Method, VT_BOOL, DispParams(VT_I2), DispatchTo<&CNorvakTabArrowObject::DoSetIconLineType>},
    {21, L"DoGetIconLineType", DispatchKind::Method, VT_I2, DispParams(), DispatchTo<&CNorvakTabArrowObject::DoGetIconLineType>},
    {22, L"DoSetButtonLineType", DispatchKind::Method, VT_BOOL, DispParams(VT_I2), DispatchTo<&CNorvakTabArrowObject::DoSetButtonLineType>},
    {23, L"DoGetButtonLineType", DispatchKind::Method, VT_I2, DispParams(), DispatchTo<&CNorvakTabArrowObject::DoGetButtonLineType>},
    {24, L"DoSetBkColor", DispatchKind::Method, VT_BOOL, DispParams(VT_I4), DispatchTo<&CNorvakTabArrowObject::DoSetBkColor>},
    {25, L"DoGetBkColor", DispatchKind::Method, VT_I4, DispParams(), DispatchTo<&CNorvakTabArrowObject::DoGetBkColor>},
    {26, L"DoAddIcon", DispatchKind::Method, VT_BOOL, DispParams(VT_BOOL, VT_I4, VT_I4), DispatchTo<&CNorvakTabArrowObject::DoAddIcon>},
    {27, L"DoAddIconFromFile", DispatchKind::Method, VT_BOOL, DispParams(VT_BOOL, VT_BSTR, VT_BSTR), DispatchTo<&CNorvakTabArrowObject::DoAddIconFromFile>},
    {28, L"DoUpdateIcon", DispatchKind::Method, VT_BOOL,
     DispParams(VT_I2, VT_BOOL, VT_BOOL, VT_I4, VT_BOOL, VT_I4), DispatchTo<&CNorvakTabArrowObject::DoUpdateIcon>},
    {29, L"DoUpdateIconFromFile", DispatchKind::Method, VT_BOOL,
     DispParams(VT_I2, VT_BOOL, VT_BOOL, VT_BSTR, VT_BOOL, VT_BSTR), DispatchTo<&CNorvakTabArrowObject::DoUpdateIconFromFile>},
    {30, L"DoInsertIcon", DispatchKind::Method, VT_BOOL, DispParams(VT_I2, VT_BOOL, VT_I4, VT_I4), DispatchTo<&CNorvakTabArrowObject::DoInsertIcon>},
    {31, L"DoInsertIconFromFile", DispatchKind::Method, VT_BOOL, DispParams(VT_I2, VT_BOOL, VT_BSTR, VT_BSTR),
     DispatchTo<&CNorvakTabArrowObject::DoInsertIconFromFile>},
    {32, L"DoDeleteIcon", DispatchKind::Method, VT_BOOL, DispParams(VT_I2), DispatchTo<&CNorvakTabArrowObject::DoDeleteIcon>},
    {33, L"DoGetIconCounts", DispatchKind::Method, VT_I2, DispParams(), DispatchTo<&CNorvakTabArrowObject::DoGetIconCounts>},
    {34, L"DoSetIconText", DispatchKind::Method, VT_BOOL, DispParams(VT_I2, VT_BSTR), DispatchTo<&CNorvakTabArrowObject::DoSetIconText>},
    {35, L"DoGetIconText", DispatchKind::Method, VT_BSTR, DispParams(VT_I2), DispatchTo<&CNorvakTabArrowObject::DoGetIconText>},
    {36, L"DoSetButtonTrack", DispatchKind::Method, VT_BOOL, DispParams(VT_I2, VT_BOOL), DispatchTo<&CNorvakTabArrowObject::DoSetButtonTrack>},
    {37, L"DoGetButtonIsTrack", DispatchKind::Method, VT_BOOL, DispParams(VT_I2), DispatchTo<&CNorvakTabArrowObject::DoGetButtonIsTrack>},
    {38, L"DoSetHotTrackColor", DispatchKind::Method, VT_BOOL, DispParams(VT_I4), DispatchTo<&CNorvakTabArrowObject::DoSetHotTrackColor>},
    {39, L"DoGetHotTrackColor", DispatchKind::Method, VT_I4, DispParams(), DispatchTo<&CNorvakTabArrowObject::DoGetHotTrackColor>},
    {40, L"DoSetStatusInfoType", DispatchKind::Method, VT_BOOL, DispParams(VT_I2), DispatchTo<&CNorvakTabArrowObject::DoSetStatusInfoType>},
    {41, L"DoGetStatusInfoType", DispatchKind::Method, VT_I2, DispParams(), DispatchTo<&CNorvakTabArrowObject::DoGetStatusInfoType>},
    {42, L"DoSetShowCommandButton", DispatchKind::Method, VT_BOOL, DispParams(VT_BOOL), DispatchTo<&CNorvakTabArrowObject::DoSetShowCommandButton>},
    {43, L"DoGetCommandButtonIsEnable", DispatchKind::Method, VT_BOOL, DispParams(), DispatchTo<&CNorvakTabArrowObject::DoGetCommandButtonIsEnable>},
    {44, L"DoSetShowOnlyIcon", DispatchKind::Method, VT_BOOL, DispParams(VT_BOOL), DispatchTo<&CNorvakTabArrowObject::DoSetShowOnlyIcon>},
    {45, L"DoGetShowIconIsEnable", DispatchKind::Method, VT_BOOL, DispParams(), DispatchTo<&CNorvakTabArrowObject::DoGetShowIconIsEnable>},
    {46, L"DoSetButtonEnable", DispatchKind::Method, VT_BOOL, DispParams(VT_I2, VT_BOOL), DispatchTo<&CNorvakTabArrowObject::DoSetButtonEnable>},
    {47, L"DoGetButtonIsEnable", DispatchKind::Method, VT_BOOL, DispParams(VT_I2), DispatchTo<&CNorvakTabArrowObject::DoGetButtonIsEnable>},
    {48, L"DoSetWindowVisible", DispatchKind::Method, VT_BOOL, DispParams(VT_BOOL), DispatchTo<&CNorvakTabArrowObject::DoSetWindowVisible>},
    {49, L"DoGetWindowIsVisible", DispatchKind::Method, VT_BOOL, DispParams(), DispatchTo<&CNorvakTabArrowObject::DoGetWindowIsVisible>},
};

} // namespace

DispatchTable TabArrowObjectDispatchMap()
{
    return kMembers;
}
