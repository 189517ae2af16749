#include "automation/ObjectDispatchMaps.h"

namespace {

// Colours and icon handles travel as VT_I4 bit patterns.
const DispatchMember kMembers[] = {
    {1, L"DoGetArrows", DispatchKind::Method, VT_I2, DispParams(), nullptr},
    {2, L"DoSetArrows", DispatchKind::Method, VT_BOOL, DispParams(VT_BOOL, VT_BOOL), nullptr},
    {3, L"DoSetStatusInfoShow", DispatchKind::Method, VT_BOOL, DispParams(VT_BOOL), nullptr},
    {4, L"DoGetStatusInfoIsShow", DispatchKind::Method, VT_BOOL, DispParams(), nullptr},
    {5, L"DoSetArrows3DFace", DispatchKind::Method, VT_BOOL, DispParams(VT_BOOL), nullptr},
    {6, L"DoGetArrowsIs3DFace", DispatchKind::Method, VT_BOOL, DispParams(), nullptr},
    {7, L"DoSetStatusInfoShowTrans", DispatchKind::Method, VT_BOOL, DispParams(VT_BOOL), nullptr},
    {8, L"DoGetStatusInfoShowIsTrans", DispatchKind::Method, VT_BOOL, DispParams(), nullptr},
    {9, L"DoSetStatusInfoFgColor", DispatchKind::Method, VT_BOOL, DispParams(VT_I4), nullptr},
    {10, L"DoGetStatusInfoFgColor", DispatchKind::Method, VT_I4, DispParams(), nullptr},
    {11, L"DoSetStatusInfoBkColor", DispatchKind::Method, VT_BOOL, DispParams(VT_I4), nullptr},
    {12, L"DoGetStatusInfoBkColor", DispatchKind::Method, VT_I4, DispParams(), nullptr},
    {13, L"DoGetFontObject", DispatchKind::Method, VT_DISPATCH, DispParams(), nullptr},
    {14, L"DoSetStatusInfoFormat", DispatchKind::Method, VT_BOOL, DispParams(VT_I2), nullptr},
    {15, L"DoGetStatusInfoFormat", DispatchKind::Method, VT_I2, DispParams(), nullptr},
    {16, L"DoSetLeftTopLineColor", DispatchKind::Method, VT_BOOL, DispParams(VT_I4), nullptr},
    {17, L"DoGetLeftTopLineColor", DispatchKind::Method, VT_I4, DispParams(), nullptr},
    {18, L"DoSetRightBottomLineColor", DispatchKind::Method, VT_BOOL, DispParams(VT_I4), nullptr},
    {19, L"DoGetRightBottomLineColor", DispatchKind::Method, VT_I4, DispParams(), nullptr},
    {20, L"DoSetIconLineType", DispatchKind::Method, VT_BOOL, DispParams(VT_I2), nullptr},
    {21, L"DoGetIconLineType", DispatchKind::Method, VT_I2, DispParams(), nullptr},
    {22, L"DoSetButtonLineType", DispatchKind::Method, VT_BOOL, DispParams(VT_I2), nullptr},
    {23, L"DoGetButtonLineType", DispatchKind::Method, VT_I2, DispParams(), nullptr},
    {24, L"DoSetBkColor", DispatchKind::Method, VT_BOOL, DispParams(VT_I4), nullptr},
    {25, L"DoGetBkColor", DispatchKind::Method, VT_I4, DispParams(), nullptr},
    {26, L"DoAddIcon", DispatchKind::Method, VT_BOOL, DispParams(VT_BOOL, VT_I4, VT_I4), nullptr},
    {27, L"DoAddIconFromFile", DispatchKind::Method, VT_BOOL, DispParams(VT_BOOL, VT_BSTR, VT_BSTR), nullptr},
    {28, L"DoUpdateIcon", DispatchKind::Method, VT_BOOL,
     DispParams(VT_I2, VT_BOOL, VT_BOOL, VT_I4, VT_BOOL, VT_I4), nullptr},
    {29, L"DoUpdateIconFromFile", DispatchKind::Method, VT_BOOL,
     DispParams(VT_I2, VT_BOOL, VT_BOOL, VT_BSTR, VT_BOOL, VT_BSTR), nullptr},
    {30, L"DoInsertIcon", DispatchKind::Method, VT_BOOL, DispParams(VT_I2, VT_BOOL, VT_I4, VT_I4), nullptr},
    {31, L"DoInsertIconFromFile", DispatchKind::Method, VT_BOOL, DispParams(VT_I2, VT_BOOL, VT_BSTR, VT_BSTR),
     nullptr},
    {32, L"DoDeleteIcon", DispatchKind::Method, VT_BOOL, DispParams(VT_I2), nullptr},
    {33, L"DoGetIconCounts", DispatchKind::Method, VT_I2, DispParams(), nullptr},
    {34, L"DoSetIconText", DispatchKind::Method, VT_BOOL, DispParams(VT_I2, VT_BSTR), nullptr},
    {35, L"DoGetIconText", DispatchKind::Method, VT_BSTR, DispParams(VT_I2), nullptr},
    {36, L"DoSetButtonTrack", DispatchKind::Method, VT_BOOL, DispParams(VT_I2, VT_BOOL), nullptr},
    {37, L"DoGetButtonIsTrack", DispatchKind::Method, VT_BOOL, DispParams(VT_I2), nullptr},
    {38, L"DoSetHotTrackColor", DispatchKind::Method, VT_BOOL, DispParams(VT_I4), nullptr},
    {39, L"DoGetHotTrackColor", DispatchKind::Method, VT_I4, DispParams(), nullptr},
    {40, L"DoSetStatusInfoType", DispatchKind::Method, VT_BOOL, DispParams(VT_I2), nullptr},
    {41, L"DoGetStatusInfoType", DispatchKind::Method, VT_I2, DispParams(), nullptr},
    {42, L"DoSetShowCommandButton", DispatchKind::Method, VT_BOOL, DispParams(VT_BOOL), nullptr},
    {43, L"DoGetCommandButtonIsEnable", DispatchKind::Method, VT_BOOL, DispParams(), nullptr},
    {44, L"DoSetShowOnlyIcon", DispatchKind::Method, VT_BOOL, DispParams(VT_BOOL), nullptr},
    {45, L"DoGetShowIconIsEnable", DispatchKind::Method, VT_BOOL, DispParams(), nullptr},
    {46, L"DoSetButtonEnable", DispatchKind::Method, VT_BOOL, DispParams(VT_I2, VT_BOOL), nullptr},
    {47, L"DoGetButtonIsEnable", DispatchKind::Method, VT_BOOL, DispParams(VT_I2), nullptr},
    {48, L"DoSetWindowVisible", DispatchKind::Method, VT_BOOL, DispParams(VT_BOOL), nullptr},
    {49, L"DoGetWindowIsVisible", DispatchKind::Method, VT_BOOL, DispParams(), nullptr},
};

} // namespace

DispatchTable TabArrowObjectDispatchMap()
{
    return kMembers;
}
