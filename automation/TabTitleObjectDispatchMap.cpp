#include "automation/NorvakTabTitleObject.h"
#include "automation/ObjectDispatchMaps.h"

namespace {

// Colours and icon handles travel as VT_I4 bit patterns.
const DispatchMember kMembers[] = {
    {1, L"DoSetTabType", DispatchKind::Method, VT_BOOL, DispParams(VT_I2), DispatchTo<&CNorvakTabTitleObject::DoSetTabType>},
    {2, L"DoGetTabType", DispatchKind::Method, VT_I2, DispParams(), DispatchTo<&CNorvakTabTitleObject::DoGetTabType>},
    {3, L"DoSetActivePage", DispatchKind::Method, VT_BOOL, DispParams(VT_I4), DispatchTo<&CNorvakTabTitleObject::DoSetActivePage>},
    {4, L"DoGetActivePage", DispatchKind::Method, VT_I4, DispParams(), DispatchTo<&CNorvakTabTitleObject::DoGetActivePage>},
    {5, L"DoSetPageTabWidth", DispatchKind::Method, VT_BOOL, DispParams(VT_I4, VT_BOOL, VT_I4), DispatchTo<&CNorvakTabTitleObject::DoSetPageTabWidth>},
    {6, L"DoGetPageTabWidth", DispatchKind::Method, VT_I4, DispParams(VT_I4), DispatchTo<&CNorvakTabTitleObject::DoGetPageTabWidth>},
    {7, L"DoSetPageTabHeight", DispatchKind::Method, VT_BOOL, DispParams(VT_I4, VT_BOOL, VT_I4), DispatchTo<&CNorvakTabTitleObject::DoSetPageTabHeight>},
    {8, L"DoGetPageTabHeight", DispatchKind::Method, VT_I4, DispParams(VT_I4), DispatchTo<&CNorvakTabTitleObject::DoGetPageTabHeight>},
    {9, L"DoSetWindowBkColor", DispatchKind::Method, VT_BOOL, DispParams(VT_I4), DispatchTo<&CNorvakTabTitleObject::DoSetWindowBkColor>},
    {10, L"DoGetWindowBkColor", DispatchKind::Method, VT_I4, DispParams(), DispatchTo<&CNorvakTabTitleObject::DoGetWindowBkColor>},
    {11, L"DoSet3DFace", DispatchKind::Method, VT_BOOL, DispParams(VT_BOOL), DispatchTo<&CNorvakTabTitleObject::DoSet3DFace>},
    {12, L"DoGet3DFace", DispatchKind::Method, VT_BOOL, DispParams(), DispatchTo<&CNorvakTabTitleObject::DoGet3DFace>},
    {13, L"DoSetShowIcon", DispatchKind::Method, VT_BOOL, DispParams(VT_I4, VT_BOOL), DispatchTo<&CNorvakTabTitleObject::DoSetShowIcon>},
    {14, L"DoGetIconIsShow", DispatchKind::Method, VT_BOOL, DispParams(VT_I4), DispatchTo<&CNorvakTabTitleObject::DoGetIconIsShow>},
    {15, L"DoSetShowTransText", DispatchKind::Method, VT_BOOL, DispParams(VT_I4, VT_BOOL), DispatchTo<&CNorvakTabTitleObject::DoSetShowTransText>},
    {16, L"DoGetTextBkIsTrans", DispatchKind::Method, VT_BOOL, DispParams(VT_I4), DispatchTo<&CNorvakTabTitleObject::DoGetTextBkIsTrans>},
    {17, L"DoGetPageCounts", DispatchKind::Method, VT_I4, DispParams(), DispatchTo<&CNorvakTabTitleObject::DoGetPageCounts>},
    {18, L"DoInsertCoolIcon", DispatchKind::Method, VT_BOOL, DispParams(VT_I4, VT_BOOL, VT_I4), DispatchTo<&CNorvakTabTitleObject::DoInsertCoolIcon>},
    {19, L"DoInsertHotIcon", DispatchKind::Method, VT_BOOL, DispParams(VT_I4, VT_BOOL, VT_I4), DispatchTo<&CNorvakTabTitleObject::DoInsertHotIcon>},
    {20, L"DoInsertActiveIcon", DispatchKind::Method, VT_BOOL, DispParams(VT_I4, VT_BOOL, VT_I4), DispatchTo<&CNorvakTabTitleObject::DoInsertActiveIcon>},
    {21, L"DoInsertCoolIconFromFile", DispatchKind::Method, VT_BOOL, DispParams(VT_I4, VT_BOOL, VT_BSTR),
     DispatchTo<&CNorvakTabTitleObject::DoInsertCoolIconFromFile>},
    {22, L"DoInsertHotIconFromFile", DispatchKind::Method, VT_BOOL, DispParams(VT_I4, VT_BOOL, VT_BSTR),
     DispatchTo<&CNorvakTabTitleObject::DoInsertHotIconFromFile>},
    {23, L"DoInsertActiveIconFromFile", DispatchKind::Method, VT_BOOL, DispParams(VT_I4, VT_BOOL, VT_BSTR),
     DispatchTo<&CNorvakTabTitleObject::DoInsertActiveIconFromFile>},
    {24, L"DoUpdateCoolIcon", DispatchKind::Method, VT_BOOL, DispParams(VT_I4, VT_BOOL, VT_I4), DispatchTo<&CNorvakTabTitleObject::DoUpdateCoolIcon>},
    {25, L"DoUpdateHotIcon", DispatchKind::Method, VT_BOOL, DispParams(VT_I4, VT_BOOL, VT_I4), DispatchTo<&CNorvakTabTitleObject::DoUpdateHotIcon>},
    {26, L"DoUpdateActiveIcon", DispatchKind::Method, VT_BOOL, DispParams(VT_I4, VT_BOOL, VT_I4), DispatchTo<&CNorvakTabTitleObject::DoUpdateActiveIcon>},
    {27, L"DoUpdateCoolIconFromFile", DispatchKind::Method, VT_BOOL, DispParams(VT_I4, VT_BOOL, VT_BSTR),
     DispatchTo<&CNorvakTabTitleObject::DoUpdateCoolIconFromFile>},
    {28, L"DoUpdateHotIconFromFile", DispatchKind::Method, VT_BOOL, DispParams(VT_I4, VT_BOOL, VT_BSTR),
     DispatchTo<&CNorvakTabTitleObject::DoUpdateHotIconFromFile>},
    {29, L"DoUpdateActiveIconFromFile", DispatchKind::Method, VT_BOOL, DispParams(VT_I4, VT_BOOL, VT_BSTR),
     DispatchTo<&CNorvakTabTitleObject::DoUpdateActiveIconFromFile>},
    {30, L"DoDeleteIcon", DispatchKind::Method, VT_BOOL, DispParams(VT_I4), DispatchTo<&CNorvakTabTitleObject::DoDeleteIcon>},
    {31, L"DoSetPageTitle", DispatchKind::Method, VT_BOOL, DispParams(VT_I4, VT_BSTR), DispatchTo<&CNorvakTabTitleObject::DoSetPageTitle>},
    {32, L"DoGetPageTitle", DispatchKind::Method, VT_BSTR, DispParams(VT_I4), DispatchTo<&CNorvakTabTitleObject::DoGetPageTitle>},
    {33, L"DoOpenPage", DispatchKind::Method, VT_BOOL, DispParams(VT_I4, VT_BSTR, VT_BSTR), DispatchTo<&CNorvakTabTitleObject::DoOpenPage>},
    {34, L"DoClosePage", DispatchKind::Method, VT_BOOL, DispParams(VT_I4), DispatchTo<&CNorvakTabTitleObject::DoClosePage>},
    {35, L"DoDeletePage", DispatchKind::Method, VT_BOOL, DispParams(VT_I4, VT_BSTR, VT_BSTR), DispatchTo<&CNorvakTabTitleObject::DoDeletePage>},
    {36, L"DoSetPagePassWord", DispatchKind::Method, VT_BOOL, DispParams(VT_I4, VT_BSTR, VT_BSTR, VT_BSTR),
     DispatchTo<&CNorvakTabTitleObject::DoSetPagePassWord>},
    {37, L"DoGetPagePassWord", DispatchKind::Method, VT_BSTR, DispParams(VT_I4), DispatchTo<&CNorvakTabTitleObject::DoGetPagePassWord>},
    {38, L"DoSetPageUser", DispatchKind::Method, VT_BOOL, DispParams(VT_I4, VT_BSTR, VT_BSTR, VT_BSTR),
     DispatchTo<&CNorvakTabTitleObject::DoSetPageUser>},
    {39, L"DoGetPageUser", DispatchKind::Method, VT_BSTR, DispParams(VT_I4), DispatchTo<&CNorvakTabTitleObject::DoGetPageUser>},
    {40, L"DoSetPageOpPrivilege", DispatchKind::Method, VT_BOOL, DispParams(VT_I4, VT_I2, VT_BSTR, VT_BSTR),
     DispatchTo<&CNorvakTabTitleObject::DoSetPageOpPrivilege>},
    {41, L"DoGetPageOpPrivilege", DispatchKind::Method, VT_I2, DispParams(VT_I4), DispatchTo<&CNorvakTabTitleObject::DoGetPageOpPrivilege>},
    {42, L"DoSetPageContentVisible", DispatchKind::Method, VT_BOOL, DispParams(VT_I4, VT_BOOL), DispatchTo<&CNorvakTabTitleObject::DoSetPageContentVisible>},
    {43, L"DoGetPageContentIsVisible", DispatchKind::Method, VT_BOOL, DispParams(VT_I4), DispatchTo<&CNorvakTabTitleObject::DoGetPageContentIsVisible>},
    {44, L"DoGetFontObject", DispatchKind::Method, VT_DISPATCH, DispParams(VT_I4), DispatchTo<&CNorvakTabTitleObject::DoGetFontObject>},
    {45, L"DoSetWindowVisible", DispatchKind::Method, VT_BOOL, DispParams(VT_BOOL), DispatchTo<&CNorvakTabTitleObject::DoSetWindowVisible>},
    {46, L"DoGetWindowIsVisible", DispatchKind::Method, VT_BOOL, DispParams(), DispatchTo<&CNorvakTabTitleObject::DoGetWindowIsVisible>},
    {47, L"DoGetIsDefaultWidth", DispatchKind::Method, VT_BOOL, DispParams(VT_I4), DispatchTo<&CNorvakTabTitleObject::DoGetIsDefaultWidth>},
    {48, L"DoGetIsDefaultHeight", DispatchKind::Method, VT_BOOL, DispParams(VT_I4), DispatchTo<&CNorvakTabTitleObject::DoGetIsDefaultHeight>},
    {49, L"DoSetTextBkColor", DispatchKind::Method, VT_BOOL, DispParams(VT_I4, VT_I4), DispatchTo<&CNorvakTabTitleObject::DoSetTextBkColor>},
    {50, L"DoGetTextBkColor", DispatchKind::Method, VT_I4, DispParams(VT_I4), DispatchTo<&CNorvakTabTitleObject::DoGetTextBkColor>},
    {51, L"DoSetTextColor", DispatchKind::Method, VT_BOOL, DispParams(VT_I4, VT_I4), DispatchTo<&CNorvakTabTitleObject::DoSetTextColor>},
    {52, L"DoGetTextColor", DispatchKind::Method, VT_I4, DispParams(VT_I4), DispatchTo<&CNorvakTabTitleObject::DoGetTextColor>},
    {53, L"DoSetPageUserNameAndPassWord", DispatchKind::Method, VT_BOOL,
     DispParams(VT_I4, VT_BSTR, VT_BSTR, VT_BSTR, VT_BSTR), DispatchTo<&CNorvakTabTitleObject::DoSetPageUserNameAndPassWord>},
};

} // namespace

DispatchTable TabTitleObjectDispatchMap()
{
    return kMembers;
}
