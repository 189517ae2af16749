#include "automation/ObjectDispatchMaps.h"

namespace {

// Colours travel as VT_I4 bit patterns.
const DispatchMember kMembers[] = {
    {1, L"DoSetFontHeight", DispatchKind::Method, VT_BOOL, DispParams(VT_I4), nullptr},
    {2, L"DoGetFontHeight", DispatchKind::Method, VT_I4, DispParams(), nullptr},
    {3, L"DoSetFontWidth", DispatchKind::Method, VT_BOOL, DispParams(VT_I4), nullptr},
    {4, L"DoGetFontWidth", DispatchKind::Method, VT_I4, DispParams(), nullptr},
    {5, L"DoSetFontEscapement", DispatchKind::Method, VT_BOOL, DispParams(VT_I4), nullptr},
    {6, L"DoGetFontEscapement", DispatchKind::Method, VT_I4, DispParams(), nullptr},
    {7, L"DoSetFontOrientation", DispatchKind::Method, VT_BOOL, DispParams(VT_I4), nullptr},
    {8, L"DoGetFontOrientation", DispatchKind::Method, VT_I4, DispParams(), nullptr},
    {9, L"DoSetFontWeight", DispatchKind::Method, VT_BOOL, DispParams(VT_I4), nullptr},
    {10, L"DoGetFontWeight", DispatchKind::Method, VT_I4, DispParams(), nullptr},
    {11, L"DoSetFontItalic", DispatchKind::Method, VT_BOOL, DispParams(VT_BOOL), nullptr},
    {12, L"DoGetFontIsItalic", DispatchKind::Method, VT_BOOL, DispParams(), nullptr},
    {13, L"DoSetFontUnderline", DispatchKind::Method, VT_BOOL, DispParams(VT_BOOL), nullptr},
    {14, L"DoGetFontIsUnderline", DispatchKind::Method, VT_BOOL, DispParams(), nullptr},
    {15, L"DoSetFontStrikeOut", DispatchKind::Method, VT_BOOL, DispParams(VT_BOOL), nullptr},
    {16, L"DoGetFontIsStrikeOut", DispatchKind::Method, VT_BOOL, DispParams(), nullptr},
    {17, L"DoSetFontCharSet", DispatchKind::Method, VT_BOOL, DispParams(VT_I2), nullptr},
    {18, L"DoGetFontCharSet", DispatchKind::Method, VT_I2, DispParams(), nullptr},
    {19, L"DoSetFontOutPrecision", DispatchKind::Method, VT_BOOL, DispParams(VT_I2), nullptr},
    {20, L"DoGetFontOutPrecision", DispatchKind::Method, VT_I2, DispParams(), nullptr},
    {21, L"DoSetFontClipPrecision", DispatchKind::Method, VT_BOOL, DispParams(VT_I4), nullptr},
    {22, L"DoGetFontClipPrecision", DispatchKind::Method, VT_I4, DispParams(), nullptr},
    {23, L"DoSetFontQuality", DispatchKind::Method, VT_BOOL, DispParams(VT_I2), nullptr},
    {24, L"DoGetFontQuality", DispatchKind::Method, VT_I2, DispParams(), nullptr},
    {25, L"DoSetFontPitchAndFamily", DispatchKind::Method, VT_BOOL, DispParams(VT_I4), nullptr},
    {26, L"DoGetFontPitchAndFamily", DispatchKind::Method, VT_I4, DispParams(), nullptr},
    {27, L"DoSetFontFaceName", DispatchKind::Method, VT_BOOL, DispParams(VT_BSTR), nullptr},
    {28, L"DoGetFontFaceName", DispatchKind::Method, VT_BSTR, DispParams(), nullptr},
    {29, L"DoSetFontColor", DispatchKind::Method, VT_BOOL, DispParams(VT_I4), nullptr},
    {30, L"DoGetFontColor", DispatchKind::Method, VT_I4, DispParams(), nullptr},
    {31, L"DoSetFontFromFontDialog", DispatchKind::Method, VT_BOOL, DispParams(), nullptr},
    {32, L"DoSetFontSize", DispatchKind::Method, VT_BOOL, DispParams(VT_I4), nullptr},
    {33, L"DoSetSystemFont", DispatchKind::Method, VT_BOOL, DispParams(), nullptr},
    {34, L"DoSetFont", DispatchKind::Method, VT_BOOL,
     DispParams(VT_I4, VT_I4, VT_I4, VT_I4, VT_I4, VT_BOOL, VT_BOOL, VT_BOOL, VT_I2, VT_I2, VT_I4, VT_I2,
                VT_I4, VT_BSTR),
     nullptr},
    {35, L"DoSetFontHeighAndName", DispatchKind::Method, VT_BOOL, DispParams(VT_I4, VT_BSTR), nullptr},
    {36, L"DoSetFontWeightAndItalicOrline", DispatchKind::Method, VT_BOOL,
     DispParams(VT_I4, VT_BOOL, VT_BOOL), nullptr},
};

} // namespace

DispatchTable FontObjectDispatchMap()
{
    return kMembers;
}
