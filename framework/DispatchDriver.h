#pragma once

// The client side of automation: calls a member of an IDispatch by its id with C++ arguments and
// turns the result into a C++ value. Arguments travel as their declared types: bool as VT_BOOL,
// short as VT_I2, long, int, colours and handles as VT_I4, texts (code page 936) as VT_BSTR. A call
// that fails gives the result type's empty value (0, false, "", none), so a member that a server
// does not have makes no noise; LastError says what happened.
//
// COleDispatchDriver holds one IDispatch, released with the driver when it was attached with
// auto-release.

#include "framework/CString.h"
#include "framework/ComBoundary.h"

#include <windows.h>
#include <oleauto.h>

#include <type_traits>
#include <vector>

// The arguments of one call, owned until the call is over.
class CDispatchArgs
{
public:
    template <class... T> explicit CDispatchArgs(const T&... values) { (Add(values), ...); }
    ~CDispatchArgs();
    CDispatchArgs(const CDispatchArgs&) = delete;
    CDispatchArgs& operator=(const CDispatchArgs&) = delete;

    VARIANT* data() { return m_values.empty() ? nullptr : m_values.data(); }
    UINT size() const { return UINT(m_values.size()); }

    void Add(bool value);
    void Add(short value);
    void Add(int value) { Add(long(value)); }
    void Add(long value);
    void Add(unsigned long value) { Add(long(value)); }
    void Add(const CString& value);
    void Add(const char* value) { Add(CString(value)); }
    template <class H, class = std::enable_if_t<std::is_pointer_v<H>>> void Add(H handle)
    {
        Add(long(reinterpret_cast<INT_PTR>(handle)));
    }

private:
    std::vector<VARIANT> m_values;
};

namespace dispatch_client {

// The HRESULT of the last call made through DispatchCall on this thread.
HRESULT LastError();
void SetLastError(HRESULT hr);

// Takes the value out of result (an IDispatch is handed over with its reference).
long ToLong(VARIANT& result);
short ToShort(VARIANT& result);
bool ToBool(VARIANT& result);
CString ToString(VARIANT& result);
IDispatch* ToDispatch(VARIANT& result);

template <class R> R FromResult(VARIANT& result)
{
    if constexpr (std::is_same_v<R, bool>)
        return ToBool(result);
    else if constexpr (std::is_same_v<R, short>)
        return ToShort(result);
    else if constexpr (std::is_same_v<R, long>)
        return ToLong(result);
    else if constexpr (std::is_same_v<R, CString>)
        return ToString(result);
    else if constexpr (std::is_same_v<R, IDispatch*>)
        return ToDispatch(result);
    else
        static_assert(sizeof(R) == 0, "result type has no dispatch conversion");
}

} // namespace dispatch_client

// Calls member id of target (anything with InvokeHelper(id, flags, args, count, result)). Running
// out of memory for the arguments or the result is a failed call (E_OUTOFMEMORY) like any other.
template <class R, class Target, class... A> R DispatchCall(const Target& target, DISPID id, const A&... args)
{
    VARIANT result;
    ::VariantInit(&result);
    struct Cleared
    {
        VARIANT& value;
        ~Cleared() { ::VariantClear(&value); }
    } clearResult{result};
    HRESULT hr = ComBoundary([&] {
        CDispatchArgs list(args...);
        return target.InvokeHelper(id, DISPATCH_METHOD, list.data(), list.size(), &result);
    });
    if constexpr (std::is_void_v<R>) {
        dispatch_client::SetLastError(hr);
    } else {
        R value{};
        if (SUCCEEDED(hr))
            hr = ComBoundary([&] {
                value = dispatch_client::FromResult<R>(result);
                return S_OK;
            });
        dispatch_client::SetLastError(hr);
        return SUCCEEDED(hr) ? value : R{};
    }
}

class COleDispatchDriver
{
public:
    COleDispatchDriver() = default;
    explicit COleDispatchDriver(IDispatch* dispatch, bool autoRelease = true) { AttachDispatch(dispatch, autoRelease); }
    ~COleDispatchDriver() { ReleaseDispatch(); }
    COleDispatchDriver(const COleDispatchDriver&) = delete;
    COleDispatchDriver& operator=(const COleDispatchDriver&) = delete;

    void AttachDispatch(IDispatch* dispatch, bool autoRelease = true);
    void ReleaseDispatch();
    IDispatch* m_lpDispatch = nullptr;

    HRESULT InvokeHelper(DISPID id, WORD flags, VARIANT* args, UINT count, VARIANT* result) const;

private:
    bool m_autoRelease = true;
};

// Calls member id with args (declaration order) on dispatch; result may be null.
HRESULT InvokeDispatch(IDispatch* dispatch, DISPID id, WORD flags, VARIANT* args, UINT count, VARIANT* result);
