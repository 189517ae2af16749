#include "automation/NorvakFontObject.h"
#include "automation/ObjectDispatchMaps.h"

namespace {

// Colours travel as VT_I4 bit patterns.
const DispatchMember kMembers[] = {
    {1, L"DoSetFontHeight", DispatchKind::Method, VT_BOOL, DispParams(VT_I4), DispatchTo<&CNorvakFontObject::DoSetFontHeight>},
    {2, L"DoGetFontHeight", DispatchKind::Method, VT_I4, DispParams(), DispatchTo<&CNorvakFontObject::DoGetFontHeight>},
    {3, L"DoSetFontWidth", DispatchKind::Method, VT_BOOL, DispParams(VT_I4), DispatchTo<&CNorvakFontObject::DoSetFontWidth>},
    {4, L"DoGetFontWidth", DispatchKind::Method, VT_I4, DispParams(), DispatchTo<&CNorvakFontObject::DoGetFontWidth>},
    {5, L"DoSetFontEscapement", DispatchKind::Method, VT_BOOL, DispParams(VT_I4), DispatchTo<&CNorvakFontObject::DoSetFontEscapement>},
    {6, L"DoGetFontEscapement", DispatchKind::Method, VT_I4, DispParams(), DispatchTo<&CNorvakFontObject::DoGetFontEscapement>},
    {7, L"DoSetFontOrientation", DispatchKind::Method, VT_BOOL, DispParams(VT_I4), DispatchTo<&CNorvakFontObject::DoSetFontOrientation>},
    {8, L"DoGetFontOrientation", DispatchKind::Method, VT_I4, DispParams(), DispatchTo<&CNorvakFontObject::DoGetFontOrientation>},
    {9, L"DoSetFontWeight", DispatchKind::Method, VT_BOOL, DispParams(VT_I4), DispatchTo<&CNorvakFontObject::DoSetFontWeight>},
    {10, L"DoGetFontWeight", DispatchKind::Method, VT_I4, DispParams(), DispatchTo<&CNorvakFontObject::DoGetFontWeight>},
    {11, L"DoSetFontItalic", DispatchKind::Method, VT_BOOL, DispParams(VT_BOOL), DispatchTo<&CNorvakFontObject::DoSetFontItalic>},
    {12, L"DoGetFontIsItalic", DispatchKind::Method, VT_BOOL, DispParams(), DispatchTo<&CNorvakFontObject::DoGetFontIsItalic>},
    {13, L"DoSetFontUnderline", DispatchKind::Method, VT_BOOL, DispParams(VT_BOOL), DispatchTo<&CNorvakFontObject::DoSetFontUnderline>},
    {14, L"DoGetFontIsUnderline", DispatchKind::Method, VT_BOOL, DispParams(), DispatchTo<&CNorvakFontObject::DoGetFontIsUnderline>},
    {15, L"DoSetFontStrikeOut", DispatchKind::Method, VT_BOOL, DispParams(VT_BOOL), DispatchTo<&CNorvakFontObject::DoSetFontStrikeOut>},
    {16, L"DoGetFontIsStrikeOut", DispatchKind::Method, VT_BOOL, DispParams(), DispatchTo<&CNorvakFontObject::DoGetFontIsStrikeOut>},
    {17, L"DoSetFontCharSet", DispatchKind::Method, VT_BOOL, DispParams(VT_I2), DispatchTo<&CNorvakFontObject::DoSetFontCharSet>},
    {18, L"DoGetFontCharSet", DispatchKind::Method, VT_I2, DispParams(), DispatchTo<&CNorvakFontObject::DoGetFontCharSet>},
    {19, L"DoSetFontOutPrecision", DispatchKind::Method, VT_BOOL, DispParams(VT_I2), DispatchTo<&CNorvakFontObject::DoSetFontOutPrecision>},
    {20, L"DoGetFontOutPrecision", DispatchKind::Method, VT_I2, DispParams(), DispatchTo<&CNorvakFontObject::DoGetFontOutPrecision>},
    {21, L"DoSetFontClipPrecision", DispatchKind::Method, VT_BOOL, DispParams(VT_I4), DispatchTo<&CNorvakFontObject::DoSetFontClipPrecision>},
    {22, L"DoGetFontClipPrecision", DispatchKind::Method, VT_I4, DispParams(), DispatchTo<&CNorvakFontObject::DoGetFontClipPrecision>},
    {23, L"DoSetFontQuality", DispatchKind::Method, VT_BOOL, DispParams(VT_I2), DispatchTo<&CNorvakFontObject::DoSetFontQuality>},
    {24, L"DoGetFontQuality", DispatchKind::Method, VT_I2, DispParams(), DispatchTo<&CNorvakFontObject::DoGetFontQuality>},
    {25, L"DoSetFontPitchAndFamily", DispatchKind::Method, VT_BOOL, DispParams(VT_I4), DispatchTo<&CNorvakFontObject::DoSetFontPitchAndFamily>},
    {26, L"DoGetFontPitchAndFamily", DispatchKind::Method, VT_I4, DispParams(), DispatchTo<&CNorvakFontObject::DoGetFontPitchAndFamily>},
    {27, L"DoSetFontFaceName", DispatchKind::Method, VT_BOOL, DispParams(VT_BSTR), DispatchTo<&CNorvakFontObject::DoSetFontFaceName>},
    {28, L"DoGetFontFaceName", DispatchKind::Method, VT_BSTR, DispParams(), DispatchTo<&CNorvakFontObject::DoGetFontFaceName>},
    {29, L"DoSetFontColor", DispatchKind::Method, VT_BOOL, DispParams(VT_I4), DispatchTo<&CNorvakFontObject::DoSetFontColor>},
    {30, L"DoGetFontColor", DispatchKind::Method, VT_I4, DispParams(), DispatchTo<&CNorvakFontObject::DoGetFontColor>},
    {31, L"DoSetFontFromFontDialog", DispatchKind::Method, VT_BOOL, DispParams(), DispatchTo<&CNorvakFontObject::DoSetFontFromFontDialog>},
    {32, L"DoSetFontSize", DispatchKind::Method, VT_BOOL, DispParams(VT_I4), DispatchTo<&CNorvakFontObject::DoSetFontSize>},
    {33, L"DoSetSystemFont", DispatchKind::Method, VT_BOOL, DispParams(), DispatchTo<&CNorvakFontObject::DoSetSystemFont>},
    {34, L"DoSetFont", DispatchKind::Method, VT_BOOL,
     DispParams(VT_I4, VT_I4, VT_I4, VT_I4, VT_I4, VT_BOOL, VT_BOOL, VT_BOOL, VT_I2, VT_I2, VT_I4, VT_I2,
                VT_I4, VT_BSTR),
     DispatchTo<&CNorvakFontObject::DoSetFont>},
    {35, L"DoSetFontHeighAndName", DispatchKind::Method, VT_BOOL, DispParams(VT_I4, VT_BSTR), DispatchTo<&CNorvakFontObject::DoSetFontHeighAndName>},
    {36, L"DoSetFontWeightAndItalicOrline", DispatchKind::Method, VT_BOOL,
     DispParams(VT_I4, VT_BOOL, VT_BOOL), DispatchTo<&CNorvakFontObject::DoSetFontWeightAndItalicOrline>},
};

} // namespace

DispatchTable FontObjectDispatchMap()
{
    return kMembers;
}
