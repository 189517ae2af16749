#pragma once

// IDispatch for pure dispinterfaces, driven by a table of members. The type library describes the
// same members; the control answers GetIDsOfNames and Invoke from its table and GetTypeInfo from
// the type library embedded in its module.

#include "framework/CString.h"

#include <windows.h>
#include <oleauto.h>

#include <cstddef>
#include <span>
#include <type_traits>
#include <utility>

enum class DispatchKind : unsigned char
{
    Method,
    PropertyGet,
    PropertyPut
};

// args: the parameters in declared order, already converted to the declared types (VT_BSTR and
// VT_DISPATCH borrowed: copy what you keep). result: VT_EMPTY on entry; whatever the handler puts
// there is converted to the declared result type afterwards.
using DispatchHandler = HRESULT (*)(void* self, const VARIANT* args, VARIANT* result);

constexpr int kMaxDispatchParams = 16;

struct DispatchParams
{
    VARTYPE types[kMaxDispatchParams]{};
    unsigned char count = 0;
};

template <class... T> constexpr DispatchParams DispParams(T... types)
{
    static_assert(sizeof...(T) <= kMaxDispatchParams, "too many dispatch parameters");
    return DispatchParams{{VARTYPE(types)...}, static_cast<unsigned char>(sizeof...(T))};
}

struct DispatchMember
{
    DISPID id;
    const wchar_t* name;
    DispatchKind kind;
    VARTYPE result; // VT_EMPTY: no result
    DispatchParams params;
    DispatchHandler handler; // null until the member is implemented: E_NOTIMPL
};

using DispatchTable = std::span<const DispatchMember>;

// Names are matched without regard to case; parameter names are not known (DISPID_UNKNOWN).
HRESULT DispatchGetIDsOfNames(DispatchTable table, LPOLESTR* names, UINT count, DISPID* ids);

HRESULT DispatchInvoke(DispatchTable table, void* self, DISPID id, WORD flags, DISPPARAMS* params,
                       VARIANT* result, EXCEPINFO* excepInfo, UINT* argErr);

// Converts value in place. VT_I4 carries colours and handles as bit patterns, so it accepts every
// integer from INT32_MIN to UINT32_MAX of any integral or numeric type (0xFF000000 as VT_UI4, VT_I8
// or VT_R8 arrives as the same 32 bits). VT_EMPTY becomes a null VT_DISPATCH or an empty VT_BSTR.
HRESULT DispatchCoerce(VARIANT& value, VARTYPE type);

// The type information of iid from resource TYPELIB 1 of module (null: the module of this code),
// loaded once per module and kept until ReleaseModuleTypeInfoCache. *info is AddRef'd.
HRESULT LoadModuleTypeInfo(HMODULE module, REFGUID iid, ITypeInfo** info);
void ReleaseModuleTypeInfoCache();

// ---- Adapters from VARIANT arguments to C++ parameters and from C++ results to VARIANTs ----

namespace dispatch_detail {

template <class T>
constexpr bool kIsHandle = std::is_pointer_v<T> && !std::is_same_v<T, IDispatch*> &&
                           !std::is_same_v<T, BSTR> && !std::is_same_v<T, const wchar_t*>;

inline LONG IntegerOf(const VARIANT& value)
{
    switch (V_VT(&value)) {
    case VT_I2:
        return V_I2(&value);
    case VT_BOOL:
        return V_BOOL(&value) ? 1 : 0; // a C++ BOOL parameter gets TRUE, not VARIANT_TRUE
    case VT_UI1:
        return V_UI1(&value);
    case VT_I4:
        return V_I4(&value);
    default:
        return 0;
    }
}

template <class T> T ArgumentOf(const VARIANT& value)
{
    if constexpr (std::is_same_v<T, bool>)
        return IntegerOf(value) != 0;
    else if constexpr (std::is_integral_v<T> || std::is_enum_v<T>)
        return static_cast<T>(IntegerOf(value));
    else if constexpr (std::is_same_v<T, CString>)
        return V_VT(&value) == VT_BSTR ? CString::FromBSTR(V_BSTR(&value)) : CString();
    else if constexpr (std::is_same_v<T, BSTR> || std::is_same_v<T, const wchar_t*>)
        return V_VT(&value) == VT_BSTR ? V_BSTR(&value) : nullptr;
    else if constexpr (std::is_same_v<T, IDispatch*>)
        return V_VT(&value) == VT_DISPATCH ? V_DISPATCH(&value) : nullptr;
    else if constexpr (kIsHandle<T>)
        return reinterpret_cast<T>(static_cast<INT_PTR>(IntegerOf(value)));
    else
        static_assert(sizeof(T) == 0, "parameter type has no dispatch conversion");
}

// IDispatch* and BSTR results pass their ownership to the caller.
template <class T> void SetResult(T value, VARIANT* result)
{
    if constexpr (std::is_same_v<T, bool>) {
        V_VT(result) = VT_BOOL;
        V_BOOL(result) = value ? VARIANT_TRUE : VARIANT_FALSE;
    } else if constexpr ((std::is_integral_v<T> || std::is_enum_v<T>)&&sizeof(T) <= 2 &&
                         std::is_signed_v<T>) {
        V_VT(result) = VT_I2;
        V_I2(result) = static_cast<SHORT>(value);
    } else if constexpr (std::is_integral_v<T> || std::is_enum_v<T>) {
        V_VT(result) = VT_I4;
        V_I4(result) = static_cast<LONG>(value);
    } else if constexpr (std::is_same_v<T, CString>) {
        V_VT(result) = VT_BSTR;
        V_BSTR(result) = value.AllocSysString();
    } else if constexpr (std::is_same_v<T, BSTR>) {
        V_VT(result) = VT_BSTR;
        V_BSTR(result) = value;
    } else if constexpr (std::is_same_v<T, IDispatch*>) {
        V_VT(result) = VT_DISPATCH;
        V_DISPATCH(result) = value;
    } else if constexpr (kIsHandle<T>) {
        V_VT(result) = VT_I4;
        V_I4(result) = static_cast<LONG>(reinterpret_cast<INT_PTR>(value));
    } else {
        static_assert(sizeof(T) == 0, "result type has no dispatch conversion");
    }
}

} // namespace dispatch_detail

// DispatchTo<&CClass::Method> is a DispatchHandler that calls the member function with the
// arguments converted to its parameter types: integers (BOOL, long, short, OLE_COLOR), bool, CString,
// BSTR, IDispatch* and handles; and returns its result the same way.
template <auto Method> struct DispatchThunk;

namespace dispatch_detail {

// Calls the member with each argument converted to its parameter type and stores its result.
template <auto Method, class R, class Object, class... A, std::size_t... I>
HRESULT CallMember(Object* object, [[maybe_unused]] const VARIANT* args, VARIANT* result,
                   std::index_sequence<I...>)
{
    if constexpr (std::is_void_v<R>) {
        (object->*Method)(ArgumentOf<std::decay_t<A>>(args[I])...);
    } else {
        SetResult<std::decay_t<R>>((object->*Method)(ArgumentOf<std::decay_t<A>>(args[I])...), result);
    }
    return S_OK;
}

} // namespace dispatch_detail

template <class C, class R, class... A, R (C::*Method)(A...)> struct DispatchThunk<Method>
{
    static HRESULT Invoke(void* self, const VARIANT* args, VARIANT* result)
    {
        return dispatch_detail::CallMember<Method, R, C, A...>(static_cast<C*>(self), args, result,
                                                               std::index_sequence_for<A...>{});
    }
};

template <class C, class R, class... A, R (C::*Method)(A...) const> struct DispatchThunk<Method>
{
    static HRESULT Invoke(void* self, const VARIANT* args, VARIANT* result)
    {
        return dispatch_detail::CallMember<Method, R, const C, A...>(static_cast<const C*>(self), args,
                                                                     result, std::index_sequence_for<A...>{});
    }
};

template <auto Method> constexpr DispatchHandler DispatchTo = &DispatchThunk<Method>::Invoke;
