// The compiled type library against the dispatch tables of the control and its automation objects:
// a client that reads the type library must find exactly what the tables dispatch.

#include "automation/ObjectDispatchMaps.h"
#include "framework/Dispatch.h"
#include "sheet/NorvakDispatchMap.h"

#include "Norvak_h.h"

#include <gtest/gtest.h>

#include <olectl.h>

#include <string>
#include <utility>
#include <vector>

namespace {

struct ComInit
{
    ComInit() { CoInitialize(nullptr); }
    ~ComInit()
    {
        ReleaseModuleTypeInfoCache();
        CoUninitialize();
    }
};

struct TypeInfoHolder
{
    ITypeInfo* info = nullptr;
    ~TypeInfoHolder()
    {
        if (info)
            info->Release();
    }
};

// The automation wire type of a type library element.
VARTYPE WireType(const TYPEDESC& desc)
{
    if (desc.vt == VT_VOID)
        return VT_EMPTY;
    if (desc.vt == VT_PTR && desc.lptdesc && desc.lptdesc->vt == VT_USERDEFINED)
        return VT_DISPATCH; // IDispatch* as widl may record it
    return desc.vt;
}

std::wstring MemberName(ITypeInfo* info, MEMBERID id)
{
    BSTR name = nullptr;
    if (FAILED(info->GetDocumentation(id, &name, nullptr, nullptr, nullptr)) || !name)
        return std::wstring();
    std::wstring out(name, SysStringLen(name));
    SysFreeString(name);
    return out;
}

const DispatchMember* Find(DispatchTable table, MEMBERID id, DispatchKind kind)
{
    for (const DispatchMember& member : table)
        if (member.id == id && member.kind == kind)
            return &member;
    return nullptr;
}

std::string Narrow(const std::wstring& text)
{
    return std::string(CString::FromWide(text).GetString());
}

// Every method of the type info has a table entry of the same name, parameters and result.
void ExpectMethodsMatch(ITypeInfo* info, const TYPEATTR& attr, DispatchTable table, int& typelibMembers)
{
    for (UINT i = 0; i < attr.cFuncs; ++i) {
        FUNCDESC* func = nullptr;
        ASSERT_EQ(S_OK, info->GetFuncDesc(i, &func));
        const std::string name = Narrow(MemberName(info, func->memid));
        EXPECT_EQ(INVOKE_FUNC, func->invkind) << name;
        const DispatchMember* member = Find(table, func->memid, DispatchKind::Method);
        if (!member) {
            ADD_FAILURE() << "the table lacks " << name << " (" << func->memid << ")";
        } else {
            ++typelibMembers;
            EXPECT_EQ(MemberName(info, func->memid), member->name) << name;
            EXPECT_EQ(WireType(func->elemdescFunc.tdesc), member->result) << name;
            EXPECT_EQ(func->cParams, member->params.count) << name;
            for (SHORT p = 0; p < func->cParams && p < member->params.count; ++p)
                EXPECT_EQ(WireType(func->lprgelemdescParam[p].tdesc), member->params.types[p])
                    << name << " parameter " << p;
        }
        info->ReleaseFuncDesc(func);
    }
}

// Every property of the type info has a get and a put entry of its type.
void ExpectPropertiesMatch(ITypeInfo* info, const TYPEATTR& attr, DispatchTable table, int& typelibMembers)
{
    for (UINT i = 0; i < attr.cVars; ++i) {
        VARDESC* var = nullptr;
        ASSERT_EQ(S_OK, info->GetVarDesc(i, &var));
        const std::string name = Narrow(MemberName(info, var->memid));
        const VARTYPE type = WireType(var->elemdescVar.tdesc);
        const DispatchMember* get = Find(table, var->memid, DispatchKind::PropertyGet);
        const DispatchMember* put = Find(table, var->memid, DispatchKind::PropertyPut);
        if (!get || !put) {
            ADD_FAILURE() << "the table lacks the get or put of " << name;
        } else {
            typelibMembers += 2;
            EXPECT_EQ(MemberName(info, var->memid), get->name) << name;
            EXPECT_EQ(MemberName(info, var->memid), put->name) << name;
            EXPECT_EQ(type, get->result) << name;
            EXPECT_EQ(0, get->params.count) << name;
            EXPECT_EQ(VT_EMPTY, put->result) << name;
            ASSERT_EQ(1, put->params.count) << name;
            EXPECT_EQ(type, put->params.types[0]) << name;
        }
        info->ReleaseVarDesc(var);
    }
}

struct InterfaceCase
{
    const char* name;
    const IID* iid;
    DispatchTable table;
};

TEST(TypeLibrary, EveryDispatchTableMatchesItsInterface)
{
    ComInit com;
    const InterfaceCase cases[] = {
        {"_DNorvak", &DIID__DNorvak, NorvakDispatchMap()},
        {"_DNorvakEvents", &DIID__DNorvakEvents, NorvakEventMap()},
        {"INorvakFontObject", &DIID_INorvakFontObject, FontObjectDispatchMap()},
        {"INorvakGridObject", &DIID_INorvakGridObject, GridObjectDispatchMap()},
        {"INorvakGridRangeObject", &DIID_INorvakGridRangeObject, GridRangeObjectDispatchMap()},
        {"INorvakTabTitleObject", &DIID_INorvakTabTitleObject, TabTitleObjectDispatchMap()},
        {"INorvakTabArrowObject", &DIID_INorvakTabArrowObject, TabArrowObjectDispatchMap()},
        {"INorvakTabDragObject", &DIID_INorvakTabDragObject, TabDragObjectDispatchMap()},
        {"INorvakTabScrollObject", &DIID_INorvakTabScrollObject, TabScrollObjectDispatchMap()},
    };
    for (const InterfaceCase& c : cases) {
        SCOPED_TRACE(c.name);
        TypeInfoHolder holder;
        ASSERT_EQ(S_OK, LoadModuleTypeInfo(GetModuleHandleW(nullptr), *c.iid, &holder.info));
        TYPEATTR* attr = nullptr;
        ASSERT_EQ(S_OK, holder.info->GetTypeAttr(&attr));
        EXPECT_EQ(TKIND_DISPATCH, attr->typekind);
        int typelibMembers = 0;
        ExpectMethodsMatch(holder.info, *attr, c.table, typelibMembers);
        ExpectPropertiesMatch(holder.info, *attr, c.table, typelibMembers);
        holder.info->ReleaseTypeAttr(attr);
        // Each table entry matched one type library member: the table has nothing extra.
        EXPECT_EQ(int(c.table.size()), typelibMembers);
    }
}

TEST(TypeLibrary, ControlInterfaceHasTheFixedMembers)
{
    DispatchTable table = NorvakDispatchMap();
    EXPECT_EQ(nullptr, Find(table, 58, DispatchKind::Method));
    for (DISPID id = 2; id <= 74; ++id)
        EXPECT_TRUE(id == 58 || Find(table, id, DispatchKind::Method)) << id;
    EXPECT_TRUE(Find(table, DISPID_ABOUTBOX, DispatchKind::Method));
    EXPECT_TRUE(Find(table, 1, DispatchKind::PropertyPut));
    const DispatchMember* insert = Find(table, 2, DispatchKind::Method);
    ASSERT_TRUE(insert);
    EXPECT_EQ(VT_I4, insert->result); // returns the new page's index
}

TEST(TypeLibrary, EveryMemberOfEveryTableIsDispatchedToAHandler)
{
    const std::pair<const char*, DispatchTable> tables[] = {
        {"_DNorvak", NorvakDispatchMap()},
        {"INorvakFontObject", FontObjectDispatchMap()},
        {"INorvakGridObject", GridObjectDispatchMap()},
        {"INorvakGridRangeObject", GridRangeObjectDispatchMap()},
        {"INorvakTabTitleObject", TabTitleObjectDispatchMap()},
        {"INorvakTabArrowObject", TabArrowObjectDispatchMap()},
    };
    for (const auto& [name, table] : tables)
        for (const DispatchMember& member : table)
            EXPECT_NE(member.handler, nullptr) << name << " " << Narrow(member.name);
}

// The BOOL getters that give -1 for a bad page keep it, as clients may rely on it; their help says so.
TEST(TypeLibrary, TheMembersWhoseFailureReadsAsTrueSaySoInTheirHelp)
{
    ComInit com;
    TypeInfoHolder holder;
    ASSERT_EQ(S_OK, LoadModuleTypeInfo(GetModuleHandleW(nullptr), DIID__DNorvak, &holder.info));
    for (MEMBERID id : {46, 47, 52, 53, 61, 62}) {
        BSTR help = nullptr;
        ASSERT_EQ(S_OK, holder.info->GetDocumentation(id, nullptr, &help, nullptr, nullptr)) << id;
        const std::wstring text = help ? help : L"";
        SysFreeString(help);
        EXPECT_NE(text.find(L"-1"), std::wstring::npos) << id;
        EXPECT_NE(text.find(L"TRUE"), std::wstring::npos) << id;
    }
}

// The objects' BOOL members take no page of the control's and fail with FALSE: their help says what
// each does and never that a failure reads as TRUE.
TEST(TypeLibrary, TheObjectMembersHelpSaysWhatEachDoes)
{
    ComInit com;
    const struct
    {
        const IID& iid;
        MEMBERID id;
        const wchar_t* about;
    } members[] = {
        {DIID_INorvakGridObject, 46, L"picture"},
        {DIID_INorvakGridObject, 47, L"selected"},
        {DIID_INorvakTabTitleObject, 46, L"tab strip is shown"},
        {DIID_INorvakTabTitleObject, 47, L"default width"},
        {DIID_INorvakTabTitleObject, 53, L"user name and password"},
        {DIID_INorvakTabArrowObject, 46, L"Enables or disables"},
        {DIID_INorvakTabArrowObject, 47, L"enabled"},
    };
    for (const auto& member : members) {
        TypeInfoHolder holder;
        ASSERT_EQ(S_OK, LoadModuleTypeInfo(GetModuleHandleW(nullptr), member.iid, &holder.info));
        const std::wstring name = MemberName(holder.info, member.id);
        BSTR help = nullptr;
        ASSERT_EQ(S_OK, holder.info->GetDocumentation(member.id, nullptr, &help, nullptr, nullptr)) << Narrow(name);
        const std::wstring text = help ? help : L"";
        SysFreeString(help);
        EXPECT_NE(text.find(member.about), std::wstring::npos) << Narrow(name) << ": " << Narrow(text);
        EXPECT_NE(text.find(L"FALSE"), std::wstring::npos) << Narrow(name) << ": " << Narrow(text);
        EXPECT_EQ(text.find(L"-1"), std::wstring::npos) << Narrow(name) << ": " << Narrow(text);
    }
}

TEST(TypeLibrary, ControlClassNamesItsInterfacesAndTheLibraryItsVersion)
{
    ComInit com;
    ITypeLib* lib = nullptr;
    std::wstring path = L"Z:" + CString(NORVAK_TLB_PATH).ToWide();
    ASSERT_EQ(S_OK, LoadTypeLibEx(path.c_str(), REGKIND_NONE, &lib));
    TLIBATTR* libAttr = nullptr;
    ASSERT_EQ(S_OK, lib->GetLibAttr(&libAttr));
    EXPECT_TRUE(IsEqualGUID(LIBID_NORVAKLib, libAttr->guid));
    EXPECT_EQ(1, libAttr->wMajorVerNum);
    EXPECT_EQ(0, libAttr->wMinorVerNum);
    lib->ReleaseTLibAttr(libAttr);

    ITypeInfo* control = nullptr;
    ASSERT_EQ(S_OK, lib->GetTypeInfoOfGuid(CLSID_Norvak, &control));
    TYPEATTR* attr = nullptr;
    ASSERT_EQ(S_OK, control->GetTypeAttr(&attr));
    EXPECT_EQ(TKIND_COCLASS, attr->typekind);
    EXPECT_TRUE(attr->wTypeFlags & TYPEFLAG_FCANCREATE);
    EXPECT_TRUE(attr->wTypeFlags & TYPEFLAG_FCONTROL);
    bool sawDispatch = false, sawEvents = false;
    for (UINT i = 0; i < attr->cImplTypes; ++i) {
        INT flags = 0;
        HREFTYPE ref = 0;
        ITypeInfo* implemented = nullptr;
        ASSERT_EQ(S_OK, control->GetImplTypeFlags(i, &flags));
        ASSERT_EQ(S_OK, control->GetRefTypeOfImplType(i, &ref));
        ASSERT_EQ(S_OK, control->GetRefTypeInfo(ref, &implemented));
        TYPEATTR* implAttr = nullptr;
        ASSERT_EQ(S_OK, implemented->GetTypeAttr(&implAttr));
        if (flags == IMPLTYPEFLAG_FDEFAULT && IsEqualGUID(implAttr->guid, DIID__DNorvak))
            sawDispatch = true;
        if (flags == (IMPLTYPEFLAG_FDEFAULT | IMPLTYPEFLAG_FSOURCE) &&
            IsEqualGUID(implAttr->guid, DIID__DNorvakEvents))
            sawEvents = true;
        implemented->ReleaseTypeAttr(implAttr);
        implemented->Release();
    }
    EXPECT_TRUE(sawDispatch);
    EXPECT_TRUE(sawEvents);
    control->ReleaseTypeAttr(attr);
    control->Release();

    // The automation objects are handed out by the control only.
    ITypeInfo* font = nullptr;
    ASSERT_EQ(S_OK, lib->GetTypeInfoOfGuid(CLSID_NorvakFontObject, &font));
    ASSERT_EQ(S_OK, font->GetTypeAttr(&attr));
    EXPECT_FALSE(attr->wTypeFlags & TYPEFLAG_FCANCREATE);
    font->ReleaseTypeAttr(attr);
    font->Release();
    lib->Release();
}

TEST(TypeLibrary, ModuleTypeInfoIsCachedAndFailsCleanly)
{
    ComInit com;
    TypeInfoHolder first, second, unknown;
    ASSERT_EQ(S_OK, LoadModuleTypeInfo(GetModuleHandleW(nullptr), DIID__DNorvak, &first.info));
    ASSERT_EQ(S_OK, LoadModuleTypeInfo(GetModuleHandleW(nullptr), DIID__DNorvak, &second.info));
    EXPECT_EQ(first.info, second.info);
    EXPECT_TRUE(FAILED(LoadModuleTypeInfo(GetModuleHandleW(nullptr), IID_IUnknown, &unknown.info)));
    EXPECT_EQ(nullptr, unknown.info);
    EXPECT_EQ(E_POINTER, LoadModuleTypeInfo(GetModuleHandleW(nullptr), DIID__DNorvak, nullptr));
    // A module without a type library (kernel32) reports failure, not a crash.
    EXPECT_TRUE(FAILED(LoadModuleTypeInfo(GetModuleHandleW(L"kernel32.dll"), DIID__DNorvak, &unknown.info)));
    EXPECT_EQ(nullptr, unknown.info);
}

} // namespace
