#include "framework/PropExchange.h"

namespace {

const char kVersionName[] = "_Version";

} // namespace

bool CPropExchange::ExchangeVersion(DWORD& version, DWORD defaultVersion, bool allowConversion)
{
    VARIANT value;
    ::VariantInit(&value);
    value.vt = VT_I4;
    value.lVal = LONG(IsLoading() ? defaultVersion : version);
    if (!ExchangeVariant(kVersionName, value, VT_I4))
        return Fail();
    if (IsLoading()) {
        DWORD stored = DWORD(value.lVal);
        if (stored > defaultVersion || (stored != defaultVersion && !allowConversion))
            return Fail();
        version = stored;
    }
    m_version = version;
    return true;
}

bool CPropExchange::ExchangeLong(const char* name, LONG& value, LONG defaultValue)
{
    VARIANT v;
    ::VariantInit(&v);
    v.vt = VT_I4;
    v.lVal = IsLoading() ? defaultValue : value;
    if (!ExchangeVariant(name, v, VT_I4))
        return Fail();
    value = v.lVal;
    return true;
}

bool CPropExchange::ExchangeShort(const char* name, SHORT& value, SHORT defaultValue)
{
    VARIANT v;
    ::VariantInit(&v);
    v.vt = VT_I2;
    v.iVal = IsLoading() ? defaultValue : value;
    if (!ExchangeVariant(name, v, VT_I2))
        return Fail();
    value = v.iVal;
    return true;
}

bool CPropExchange::ExchangeString(const char* name, CString& value, const CString& defaultValue)
{
    VARIANT v;
    ::VariantInit(&v);
    v.vt = VT_BSTR;
    v.bstrVal = (IsLoading() ? defaultValue : value).AllocSysString();
    bool ok = ExchangeVariant(name, v, VT_BSTR);
    if (ok)
        value = CString::FromBSTR(v.bstrVal);
    ::VariantClear(&v);
    return ok || Fail();
}

bool CStreamPropExchange::Read(void* data, ULONG size)
{
    ULONG done = 0;
    return m_stream && SUCCEEDED(m_stream->Read(data, size, &done)) && done == size;
}

bool CStreamPropExchange::Write(const void* data, ULONG size)
{
    ULONG done = 0;
    return m_stream && SUCCEEDED(m_stream->Write(data, size, &done)) && done == size;
}

// Layout per value: 4-byte integers for VT_I4, 2-byte for VT_I2, a 4-byte byte count and the CP936
// bytes for strings.
bool CStreamPropExchange::ExchangeVariant(const char*, VARIANT& value, VARTYPE type)
{
    if (!IsLoading()) {
        switch (type) {
        case VT_I4:
            return Write(&value.lVal, sizeof(value.lVal));
        case VT_I2:
            return Write(&value.iVal, sizeof(value.iVal));
        case VT_BSTR: {
            CString text = CString::FromBSTR(value.bstrVal);
            DWORD length = DWORD(text.GetLength());
            return Write(&length, sizeof(length)) && Write(text.GetString(), length);
        }
        default:
            return false;
        }
    }
    switch (type) {
    case VT_I4:
        return Read(&value.lVal, sizeof(value.lVal));
    case VT_I2:
        return Read(&value.iVal, sizeof(value.iVal));
    case VT_BSTR: {
        DWORD length = 0;
        const DWORD kLongest = 1u << 20;
        if (!Read(&length, sizeof(length)) || length > kLongest)
            return false;
        std::string bytes(length, '\0');
        if (length && !Read(bytes.data(), length))
            return false;
        ::SysFreeString(value.bstrVal);
        value.bstrVal = CString(bytes).AllocSysString();
        return true;
    }
    default:
        return false;
    }
}

bool CBagPropExchange::ExchangeVariant(const char* name, VARIANT& value, VARTYPE type)
{
    if (!m_bag)
        return false;
    std::wstring wideName = CString(name).ToWide();
    if (!IsLoading())
        return SUCCEEDED(m_bag->Write(wideName.c_str(), &value));
    VARIANT read;
    ::VariantInit(&read);
    read.vt = type;
    HRESULT hr = m_bag->Read(wideName.c_str(), &read, m_log);
    if (FAILED(hr))
        return true; // a missing value keeps its default
    VARIANT converted;
    ::VariantInit(&converted);
    bool ok = SUCCEEDED(::VariantChangeType(&converted, &read, 0, type));
    ::VariantClear(&read);
    if (ok) {
        ::VariantClear(&value);
        value = converted;
    }
    return ok;
}
