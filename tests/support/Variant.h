#pragma once

// An owning VARIANT for tests: copies deeply, clears on destruction.

#include <windows.h>
#include <oleauto.h>

#include <string_view>

class Variant
{
public:
    Variant() { ::VariantInit(&m_value); }
    Variant(const VARIANT& other) : Variant() { ::VariantCopy(&m_value, const_cast<VARIANT*>(&other)); }
    Variant(const Variant& other) : Variant(other.m_value) {}
    Variant& operator=(const Variant& other)
    {
        if (this != &other)
            ::VariantCopy(&m_value, const_cast<VARIANT*>(&other.m_value));
        return *this;
    }
    ~Variant() { ::VariantClear(&m_value); }

    static Variant Long(LONG value)
    {
        return Typed(VT_I4, [&](VARIANT& v) { v.lVal = value; });
    }
    static Variant Short(SHORT value)
    {
        return Typed(VT_I2, [&](VARIANT& v) { v.iVal = value; });
    }
    static Variant Bool(bool value)
    {
        return Typed(VT_BOOL, [&](VARIANT& v) { v.boolVal = value ? VARIANT_TRUE : VARIANT_FALSE; });
    }
    static Variant String(const wchar_t* text)
    {
        return Typed(VT_BSTR, [&](VARIANT& v) { v.bstrVal = ::SysAllocString(text); });
    }
    // A BSTR of every character given, a NUL among them too.
    static Variant String(std::wstring_view text)
    {
        return Typed(VT_BSTR, [&](VARIANT& v) { v.bstrVal = ::SysAllocStringLen(text.data(), UINT(text.size())); });
    }

    VARIANT* get() { return &m_value; }
    const VARIANT& operator*() const { return m_value; }
    VARTYPE type() const { return m_value.vt; }

private:
    template <class F> static Variant Typed(VARTYPE type, F fill)
    {
        Variant v;
        v.m_value.vt = type;
        fill(v.m_value);
        return v;
    }
    VARIANT m_value;
};
