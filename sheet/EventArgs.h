#pragma once

// The arguments of one event of _DNorvakEvents in declaration order, built where the event is
// fired:
//     Fire(kEventShellOnRowsChanged, CEventArgs().Long(page).Long(oldRows).Long(newRows));
// The builder owns the strings it made and frees them when it goes.

#include "framework/CString.h"

#include <oleauto.h>

#include <vector>

class CEventArgs
{
public:
    CEventArgs() = default;
    CEventArgs(const CEventArgs&) = delete;
    CEventArgs& operator=(const CEventArgs&) = delete;
    ~CEventArgs()
    {
        for (VARIANT& arg : m_args)
            ::VariantClear(&arg);
    }

    CEventArgs& Long(long value)
    {
        VARIANT& arg = Add();
        V_VT(&arg) = VT_I4;
        V_I4(&arg) = value;
        return *this;
    }
    CEventArgs& Text(const CString& text)
    {
        VARIANT& arg = Add();
        V_VT(&arg) = VT_BSTR;
        V_BSTR(&arg) = text.AllocSysString();
        return *this;
    }

    VARIANT* Data() { return m_args.data(); }
    UINT Count() const { return UINT(m_args.size()); }

private:
    VARIANT& Add()
    {
        VARIANT& arg = m_args.emplace_back();
        ::VariantInit(&arg);
        return arg;
    }

    std::vector<VARIANT> m_args;
};
