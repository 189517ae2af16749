#pragma once

// Exchange of a control's persistent properties with a stream or a property bag: the same
// DoPropExchange code loads and saves. A stream holds the version and then each property in
// exchange order; a property bag holds named values.

#include "framework/CString.h"

#include <ocidl.h>

class CPropExchange
{
public:
    virtual ~CPropExchange() = default;
    bool IsLoading() const { return m_loading; }
    DWORD GetVersion() const { return m_version; }
    // False once any exchange failed (a short stream, a value of the wrong type).
    bool Succeeded() const { return m_ok; }

    // Exchanges the persistence version. On load an older version is accepted when conversion is
    // allowed; a newer one never is, as its layout is unknown.
    bool ExchangeVersion(DWORD& version, DWORD defaultVersion, bool allowConversion);
    bool ExchangeLong(const char* name, LONG& value, LONG defaultValue);
    bool ExchangeShort(const char* name, SHORT& value, SHORT defaultValue);
    bool ExchangeString(const char* name, CString& value, const CString& defaultValue);

protected:
    explicit CPropExchange(bool loading) : m_loading(loading) {}
    // Moves one value between the property and its store; on load the VARIANT receives it.
    virtual bool ExchangeVariant(const char* name, VARIANT& value, VARTYPE type) = 0;
    bool Fail() { return m_ok = false; }

private:
    bool m_loading;
    DWORD m_version = 0;
    bool m_ok = true;
};

class CStreamPropExchange : public CPropExchange
{
public:
    CStreamPropExchange(IStream* stream, bool loading) : CPropExchange(loading), m_stream(stream) {}

protected:
    bool ExchangeVariant(const char* name, VARIANT& value, VARTYPE type) override;

private:
    bool Read(void* data, ULONG size);
    bool Write(const void* data, ULONG size);
    IStream* m_stream;
};

class CBagPropExchange : public CPropExchange
{
public:
    CBagPropExchange(IPropertyBag* bag, IErrorLog* log, bool loading)
        : CPropExchange(loading), m_bag(bag), m_log(log)
    {
    }

protected:
    bool ExchangeVariant(const char* name, VARIANT& value, VARTYPE type) override;

private:
    IPropertyBag* m_bag;
    IErrorLog* m_log;
};
