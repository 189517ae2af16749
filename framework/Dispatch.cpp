#include "framework/Dispatch.h"

#include "framework/ComBoundary.h"

#include <array>
#include <cstdint>
#include <mutex>
#include <vector>

namespace {

bool SameName(const wchar_t* a, const wchar_t* b)
{
    return a && b && CompareStringOrdinal(a, -1, b, -1, TRUE) == CSTR_EQUAL;
}

bool IsPut(WORD flags)
{
    return (flags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF)) != 0;
}

// A method answers DISPATCH_METHOD and DISPATCH_PROPERTYGET alike (clients call parameterless
// methods as properties); a property get answers both too; puts only DISPATCH_PROPERTYPUT[REF].
const DispatchMember* FindMember(DispatchTable table, DISPID id, WORD flags)
{
    const bool put = IsPut(flags);
    if (!put && !(flags & (DISPATCH_METHOD | DISPATCH_PROPERTYGET)))
        return nullptr;
    for (const DispatchMember& member : table) {
        if (member.id != id)
            continue;
        if ((member.kind == DispatchKind::PropertyPut) == put)
            return &member;
    }
    return nullptr;
}

HRESULT CheckNamedArguments(const DISPPARAMS& params, bool put)
{
    if (params.cNamedArgs == 0)
        return S_OK;
    if (!params.rgdispidNamedArgs)
        return E_INVALIDARG;
    if (put && params.cNamedArgs == 1 && params.rgdispidNamedArgs[0] == DISPID_PROPERTYPUT)
        return S_OK;
    return DISP_E_NONAMEDARGS;
}

HRESULT ToInt32Pattern(VARIANT& value)
{
    LONGLONG number = 0;
    switch (V_VT(&value)) {
    case VT_I4:
        return S_OK;
    case VT_UI4:
    case VT_UINT:
        number = V_UI4(&value);
        break;
    case VT_INT:
        number = V_INT(&value);
        break;
    case VT_I8:
        number = V_I8(&value);
        break;
    case VT_UI8:
        if (V_UI8(&value) > UINT32_MAX)
            return DISP_E_OVERFLOW;
        number = LONGLONG(V_UI8(&value));
        break;
    default: {
        VARIANT wide;
        VariantInit(&wide);
        HRESULT hr = VariantChangeType(&wide, &value, 0, VT_I8);
        if (FAILED(hr))
            return hr;
        number = V_I8(&wide);
        break;
    }
    }
    if (number < INT32_MIN || number > LONGLONG(UINT32_MAX))
        return DISP_E_OVERFLOW;
    VariantClear(&value);
    V_VT(&value) = VT_I4;
    V_I4(&value) = LONG(uint32_t(number));
    return S_OK;
}

// Takes the argument out of its VT_BYREF wrapping(s) into dest.
HRESULT CopyArgument(VARIANT& dest, const VARIANT& source)
{
    const VARIANT* current = &source;
    while (V_VT(current) == (VT_VARIANT | VT_BYREF)) {
        if (!V_VARIANTREF(current))
            return DISP_E_TYPEMISMATCH;
        current = V_VARIANTREF(current);
    }
    if ((V_VT(current) & VT_BYREF) && !V_BYREF(current))
        return DISP_E_TYPEMISMATCH;
    if (V_VT(current) == VT_ERROR && V_ERROR(current) == DISP_E_PARAMNOTFOUND)
        return DISP_E_PARAMNOTOPTIONAL;
    return VariantCopyInd(&dest, const_cast<VARIANT*>(current));
}

struct ArgumentList
{
    std::array<VARIANT, kMaxDispatchParams> values;
    ArgumentList()
    {
        for (VARIANT& value : values)
            VariantInit(&value);
    }
    ~ArgumentList()
    {
        for (VARIANT& value : values)
            VariantClear(&value);
    }
    ArgumentList(const ArgumentList&) = delete;
    ArgumentList& operator=(const ArgumentList&) = delete;
};

// DISPPARAMS holds the arguments last first; the handler gets them in declared order.
HRESULT ConvertArguments(const DispatchMember& member, const DISPPARAMS& params, ArgumentList& args,
                         UINT* argErr)
{
    const UINT count = params.cArgs;
    for (UINT i = 0; i < count; ++i) {
        const UINT position = count - 1 - i;
        HRESULT hr = CopyArgument(args.values[i], params.rgvarg[position]);
        if (SUCCEEDED(hr))
            hr = DispatchCoerce(args.values[i], member.params.types[i]);
        if (FAILED(hr)) {
            if (argErr)
                *argErr = position;
            return hr == E_OUTOFMEMORY || hr == DISP_E_OVERFLOW || hr == DISP_E_PARAMNOTOPTIONAL
                       ? hr
                       : DISP_E_TYPEMISMATCH;
        }
    }
    return S_OK;
}

// The handler's result until it is handed to the caller; freed when it is not.
class HandlerResult
{
public:
    HandlerResult() { VariantInit(&m_value); }
    ~HandlerResult() { VariantClear(&m_value); }
    HandlerResult(const HandlerResult&) = delete;
    HandlerResult& operator=(const HandlerResult&) = delete;

    VARIANT* get() { return &m_value; }
    HRESULT DeliverTo(const DispatchMember& member, VARIANT* result)
    {
        if (member.result == VT_EMPTY || member.result == VT_VOID || !result)
            return S_OK;
        HRESULT hr = DispatchCoerce(m_value, member.result);
        if (FAILED(hr))
            return hr;
        *result = m_value;
        V_VT(&m_value) = VT_EMPTY; // the caller's now
        return S_OK;
    }

private:
    VARIANT m_value;
};

// Converts the arguments, calls the handler and delivers its result. Each step may throw (a BSTR
// argument becomes a CString, a CString result a BSTR, and the member itself may run out of
// memory); the caller catches.
HRESULT CallHandler(const DispatchMember& member, void* self, const DISPPARAMS& given, VARIANT* result,
                    UINT* argErr)
{
    ArgumentList args;
    if (HRESULT hr = ConvertArguments(member, given, args, argErr); FAILED(hr))
        return hr;
    if (!member.handler)
        return E_NOTIMPL;
    if (!self)
        return E_POINTER;
    HandlerResult value;
    if (HRESULT hr = member.handler(self, args.values.data(), value.get()); FAILED(hr))
        return hr;
    return value.DeliverTo(member, result);
}

} // namespace

HRESULT DispatchCoerce(VARIANT& value, VARTYPE type)
{
    if (type == VT_VARIANT || V_VT(&value) == type)
        return S_OK;
    if (type == VT_I4)
        return ToInt32Pattern(value);
    if (V_VT(&value) == VT_EMPTY && type == VT_DISPATCH) {
        V_VT(&value) = VT_DISPATCH;
        V_DISPATCH(&value) = nullptr;
        return S_OK;
    }
    return VariantChangeType(&value, &value, 0, type);
}

HRESULT DispatchGetIDsOfNames(DispatchTable table, LPOLESTR* names, UINT count, DISPID* ids)
{
    if (count == 0)
        return S_OK;
    if (!names || !ids)
        return E_INVALIDARG;
    for (UINT i = 0; i < count; ++i)
        ids[i] = DISPID_UNKNOWN;
    for (const DispatchMember& member : table) {
        if (SameName(member.name, names[0])) {
            ids[0] = member.id;
            break;
        }
    }
    // Named arguments are not supported, so no parameter name resolves.
    return ids[0] != DISPID_UNKNOWN && count == 1 ? S_OK : DISP_E_UNKNOWNNAME;
}

HRESULT DispatchInvoke(DispatchTable table, void* self, DISPID id, WORD flags, DISPPARAMS* params,
                       VARIANT* result, EXCEPINFO* /*excepInfo*/, UINT* argErr)
{
    const DispatchMember* member = FindMember(table, id, flags);
    if (!member)
        return DISP_E_MEMBERNOTFOUND;
    DISPPARAMS none{nullptr, nullptr, 0, 0};
    const DISPPARAMS& given = params ? *params : none;
    if (HRESULT hr = CheckNamedArguments(given, IsPut(flags)); FAILED(hr))
        return hr;
    if (given.cArgs != member->params.count)
        return DISP_E_BADPARAMCOUNT;
    if (given.cArgs > 0 && !given.rgvarg)
        return E_INVALIDARG;

    // Whatever the member began is its own to undo; here only its exception is answered.
    return ComBoundary([&] { return CallHandler(*member, self, given, result, argErr); });
}

// ---- Type information from the module's embedded type library ----

namespace {

struct CachedTypeInfo
{
    HMODULE module;
    GUID iid;
    ITypeInfo* info;
};

struct CachedTypeLib
{
    HMODULE module;
    ITypeLib* lib;
};

std::mutex g_typeInfoLock;
std::vector<CachedTypeLib>* g_typeLibs = nullptr; // deliberately not destroyed at unload: see Release
std::vector<CachedTypeInfo>* g_typeInfos = nullptr;

HMODULE ThisModule()
{
    HMODULE module = nullptr;
    GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       reinterpret_cast<LPCWSTR>(&ThisModule), &module);
    return module;
}

std::wstring ModulePath(HMODULE module)
{
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        DWORD length = GetModuleFileNameW(module, path.data(), DWORD(path.size()));
        if (length == 0)
            return std::wstring();
        if (length < path.size()) {
            path.resize(length);
            return path;
        }
        path.resize(path.size() * 2);
    }
}

HRESULT TypeLibOf(HMODULE module, ITypeLib** lib)
{
    if (!g_typeLibs)
        g_typeLibs = new std::vector<CachedTypeLib>;
    for (const CachedTypeLib& cached : *g_typeLibs) {
        if (cached.module == module) {
            *lib = cached.lib;
            return S_OK;
        }
    }
    std::wstring path = ModulePath(module);
    if (path.empty())
        return HRESULT_FROM_WIN32(GetLastError());
    HRESULT hr = LoadTypeLibEx(path.c_str(), REGKIND_NONE, lib);
    if (FAILED(hr))
        return hr;
    g_typeLibs->push_back({module, *lib});
    return S_OK;
}

} // namespace

HRESULT LoadModuleTypeInfo(HMODULE module, REFGUID iid, ITypeInfo** info)
{
    if (!info)
        return E_POINTER;
    *info = nullptr;
    if (!module)
        module = ThisModule();
    std::lock_guard<std::mutex> guard(g_typeInfoLock);
    if (!g_typeInfos)
        g_typeInfos = new std::vector<CachedTypeInfo>;
    for (const CachedTypeInfo& cached : *g_typeInfos) {
        if (cached.module == module && IsEqualGUID(cached.iid, iid)) {
            *info = cached.info;
            (*info)->AddRef();
            return S_OK;
        }
    }
    ITypeLib* lib = nullptr;
    HRESULT hr = TypeLibOf(module, &lib);
    if (FAILED(hr))
        return hr;
    ITypeInfo* found = nullptr;
    hr = lib->GetTypeInfoOfGuid(iid, &found);
    if (FAILED(hr))
        return hr;
    g_typeInfos->push_back({module, iid, found});
    *info = found;
    found->AddRef();
    return S_OK;
}

// Called by the module before it unloads (COM objects must not be released from static
// destructors, which may run after oleaut32 is gone).
void ReleaseModuleTypeInfoCache()
{
    std::lock_guard<std::mutex> guard(g_typeInfoLock);
    if (g_typeInfos) {
        for (CachedTypeInfo& cached : *g_typeInfos)
            cached.info->Release();
        delete g_typeInfos;
        g_typeInfos = nullptr;
    }
    if (g_typeLibs) {
        for (CachedTypeLib& cached : *g_typeLibs)
            cached.lib->Release();
        delete g_typeLibs;
        g_typeLibs = nullptr;
    }
}
