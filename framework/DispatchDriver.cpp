#include "framework/DispatchDriver.h"

#include <algorithm>

namespace {
thread_local HRESULT t_lastError = S_OK;
}

CDispatchArgs::~CDispatchArgs()
{
    for (VARIANT& value : m_values)
        ::VariantClear(&value);
}

void CDispatchArgs::Add(bool value)
{
    VARIANT v;
    V_VT(&v) = VT_BOOL;
    V_BOOL(&v) = value ? VARIANT_TRUE : VARIANT_FALSE;
    m_values.push_back(v);
}

void CDispatchArgs::Add(short value)
{
    VARIANT v;
    V_VT(&v) = VT_I2;
    V_I2(&v) = value;
    m_values.push_back(v);
}

void CDispatchArgs::Add(long value)
{
    VARIANT v;
    V_VT(&v) = VT_I4;
    V_I4(&v) = value;
    m_values.push_back(v);
}

void CDispatchArgs::Add(const CString& value)
{
    VARIANT v;
    V_VT(&v) = VT_BSTR;
    V_BSTR(&v) = value.AllocSysString();
    m_values.push_back(v);
}

namespace dispatch_client {

HRESULT LastError()
{
    return t_lastError;
}

void SetLastError(HRESULT hr)
{
    t_lastError = hr;
}

namespace {
bool ChangeTo(VARIANT& value, VARTYPE type)
{
    return V_VT(&value) == type || SUCCEEDED(::VariantChangeType(&value, &value, 0, type));
}
} // namespace

long ToLong(VARIANT& result)
{
    return ChangeTo(result, VT_I4) ? V_I4(&result) : 0;
}

short ToShort(VARIANT& result)
{
    return ChangeTo(result, VT_I2) ? V_I2(&result) : short(0);
}

bool ToBool(VARIANT& result)
{
    return ChangeTo(result, VT_BOOL) && V_BOOL(&result) != VARIANT_FALSE;
}

CString ToString(VARIANT& result)
{
    return ChangeTo(result, VT_BSTR) ? CString::FromBSTR(V_BSTR(&result)) : CString();
}

IDispatch* ToDispatch(VARIANT& result)
{
    if (V_VT(&result) != VT_DISPATCH)
        return nullptr;
    IDispatch* dispatch = V_DISPATCH(&result);
    V_VT(&result) = VT_EMPTY; // the reference is the caller's now
    return dispatch;
}

} // namespace dispatch_client

HRESULT InvokeDispatch(IDispatch* dispatch, DISPID id, WORD flags, VARIANT* args, UINT count, VARIANT* result)
{
    if (!dispatch)
        return E_POINTER;
    return ComBoundary([&] {
        std::vector<VARIANT> reversed(args, args + count);
        std::reverse(reversed.begin(), reversed.end());
        DISPID putId = DISPID_PROPERTYPUT;
        DISPPARAMS params{reversed.empty() ? nullptr : reversed.data(), nullptr, count, 0};
        if (flags & DISPATCH_PROPERTYPUT) {
            params.rgdispidNamedArgs = &putId;
            params.cNamedArgs = 1;
        }
        VARIANT ignored;
        ::VariantInit(&ignored);
        const HRESULT hr = dispatch->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, flags, &params,
                                            result ? result : &ignored, nullptr, nullptr);
        ::VariantClear(&ignored);
        return hr;
    });
}

void COleDispatchDriver::AttachDispatch(IDispatch* dispatch, bool autoRelease)
{
    ReleaseDispatch();
    m_lpDispatch = dispatch;
    m_autoRelease = autoRelease;
}

void COleDispatchDriver::ReleaseDispatch()
{
    IDispatch* held = m_lpDispatch;
    m_lpDispatch = nullptr;
    if (held && m_autoRelease)
        held->Release();
}

HRESULT COleDispatchDriver::InvokeHelper(DISPID id, WORD flags, VARIANT* args, UINT count, VARIANT* result) const
{
    return InvokeDispatch(m_lpDispatch, id, flags, args, count, result);
}
