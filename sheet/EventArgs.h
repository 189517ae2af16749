#pragma once

// The arguments of one event of _DNorvakEvents in declaration order, built where the event is
// fired:
//     Fire(kEventShellOnRowsChanged, CEventArgs().Long(page).Long(oldRows).Long(newRows));
// The builder owns the strings it made and frees them when it goes. It never throws: arguments
// there is no memory for leave it incomplete, and an incomplete event is not fired, so the change
// that fires it stands whole.

#include "framework/CString.h"

#include <oleauto.h>

#include <new>
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
        if (VARIANT* arg = Add()) {
            V_VT(arg) = VT_I4;
            V_I4(arg) = value;
        }
        return *this;
    }
    CEventArgs& Text(const CString& text)
    {
        if (VARIANT* arg = Add()) {
            try {
                V_BSTR(arg) = text.AllocSysString();
                V_VT(arg) = VT_BSTR;
            } catch (const std::bad_alloc&) {
                m_complete = false;
            }
        }
        return *this;
    }

    bool IsComplete() const { return m_complete; }
    VARIANT* Data() { return m_args.data(); }
    UINT Count() const { return UINT(m_args.size()); }

private:
    VARIANT* Add()
    {
        try {
            VARIANT& arg = m_args.emplace_back();
            ::VariantInit(&arg);
            return &arg;
        } catch (const std::bad_alloc&) {
            m_complete = false;
            return nullptr;
        }
    }

    std::vector<VARIANT> m_args;
    bool m_complete = true;
};
