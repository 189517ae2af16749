#pragma once

// Calls on the automation objects the control hands out, through IDispatch as a client makes them,
// with their results read as the tests want them.

#include "tests/support/TestContainer.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

// Calls a member of an object by DISPID; the result as it came.
inline Variant Invoke(IDispatch* object, DISPID id, std::vector<Variant> args = {})
{
    Variant result;
    EXPECT_EQ(InvokeDispatch(object, id, DISPATCH_METHOD, std::move(args), &result), S_OK) << id;
    return result;
}

// A BOOL as 0 or 1, a short or a long as it is.
inline LONG AsLong(const Variant& v)
{
    const VARIANT& value = *v;
    return value.vt == VT_BOOL ? (value.boolVal ? 1 : 0) : value.vt == VT_I2 ? value.iVal : value.lVal;
}

inline std::wstring AsText(const Variant& v)
{
    return (*v).vt == VT_BSTR && (*v).bstrVal ? (*v).bstrVal : L"";
}

// The object a result holds, with a reference of the caller's own; null for none.
inline IDispatch* HeldObject(const Variant& v)
{
    IDispatch* object = (*v).vt == VT_DISPATCH ? (*v).pdispVal : nullptr;
    if (object)
        object->AddRef();
    return object;
}
