// The table-driven IDispatch: name lookup, argument checking and conversion, results.

#include "framework/Dispatch.h"
#include "tests/support/AllocationProbe.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <new>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

struct Sample
{
    short style = 0;
    long page = 0;
    unsigned long colour = 0;
    BOOL flag = 99;
    int calls = 0;

    short GetStyle() const { return style; }
    void SetStyle(short value) { style = value; }
    long Echo(long value) { return value; }
    BOOL SetColour(long pageIndex, unsigned long value)
    {
        page = pageIndex;
        colour = value;
        return TRUE;
    }
    CString Join(long number, CString text)
    {
        CString out;
        out.Format("%s%ld", text.GetString(), number);
        return out;
    }
    BOOL Flag(BOOL value)
    {
        flag = value;
        return value;
    }
    void Nothing() { ++calls; }
    IDispatch* NoObject() { return nullptr; }
    HICON icon = nullptr;
    HICON SwapIcon(HICON value)
    {
        HICON old = icon;
        icon = value;
        return old;
    }
};

const DispatchMember kSampleTable[] = {
    {1, L"Style", DispatchKind::PropertyGet, VT_I2, DispParams(), DispatchTo<&Sample::GetStyle>},
    {1, L"Style", DispatchKind::PropertyPut, VT_EMPTY, DispParams(VT_I2), DispatchTo<&Sample::SetStyle>},
    {2, L"DoEcho", DispatchKind::Method, VT_I4, DispParams(VT_I4), DispatchTo<&Sample::Echo>},
    {3, L"DoSetColour", DispatchKind::Method, VT_BOOL, DispParams(VT_I4, VT_I4),
     DispatchTo<&Sample::SetColour>},
    {4, L"DoJoin", DispatchKind::Method, VT_BSTR, DispParams(VT_I4, VT_BSTR), DispatchTo<&Sample::Join>},
    {5, L"DoFlag", DispatchKind::Method, VT_BOOL, DispParams(VT_BOOL), DispatchTo<&Sample::Flag>},
    {6, L"DoLater", DispatchKind::Method, VT_I4, DispParams(VT_I4), nullptr},
    {7, L"DoNothing", DispatchKind::Method, VT_EMPTY, DispParams(), DispatchTo<&Sample::Nothing>},
    {8, L"DoGetObject", DispatchKind::Method, VT_DISPATCH, DispParams(), DispatchTo<&Sample::NoObject>},
    {9, L"DoSwapIcon", DispatchKind::Method, VT_I4, DispParams(VT_I4), DispatchTo<&Sample::SwapIcon>},
};

VARIANT Long(LONG value)
{
    VARIANT v;
    VariantInit(&v);
    V_VT(&v) = VT_I4;
    V_I4(&v) = value;
    return v;
}

// Owns arguments given in natural order and hands them out last first, as DISPPARAMS wants.
class Call
{
public:
    explicit Call(std::vector<VARIANT> natural) : m_args(natural.rbegin(), natural.rend()) {}
    ~Call()
    {
        for (VARIANT& v : m_args)
            VariantClear(&v);
        VariantClear(&result);
    }
    HRESULT Invoke(void* self, DISPID id, WORD flags = DISPATCH_METHOD, bool namedPut = false,
                   DispatchTable table = kSampleTable)
    {
        DISPID put = DISPID_PROPERTYPUT;
        DISPPARAMS params{m_args.empty() ? nullptr : m_args.data(), namedPut ? &put : nullptr,
                          UINT(m_args.size()), namedPut ? 1u : 0u};
        VariantClear(&result);
        return DispatchInvoke(table, self, id, flags, &params, &result, nullptr, &argErr);
    }
    VARIANT result{};
    UINT argErr = 12345;

private:
    std::vector<VARIANT> m_args;
};

VARIANT Text(const wchar_t* text)
{
    VARIANT v;
    V_VT(&v) = VT_BSTR;
    V_BSTR(&v) = SysAllocString(text);
    return v;
}

TEST(DispatchNames, MatchWithoutCaseAndRejectUnknownNames)
{
    LPOLESTR names[] = {const_cast<LPOLESTR>(L"doECHO"), const_cast<LPOLESTR>(L"nValue")};
    DISPID ids[2] = {0, 0};
    EXPECT_EQ(S_OK, DispatchGetIDsOfNames(kSampleTable, names, 1, ids));
    EXPECT_EQ(2, ids[0]);

    // Parameter names are unknown: the member resolves, the parameter does not.
    EXPECT_EQ(DISP_E_UNKNOWNNAME, DispatchGetIDsOfNames(kSampleTable, names, 2, ids));
    EXPECT_EQ(2, ids[0]);
    EXPECT_EQ(DISPID_UNKNOWN, ids[1]);

    LPOLESTR unknown[] = {const_cast<LPOLESTR>(L"DoEchoo")};
    EXPECT_EQ(DISP_E_UNKNOWNNAME, DispatchGetIDsOfNames(kSampleTable, unknown, 1, ids));
    EXPECT_EQ(DISPID_UNKNOWN, ids[0]);

    LPOLESTR nullName[] = {nullptr};
    EXPECT_EQ(DISP_E_UNKNOWNNAME, DispatchGetIDsOfNames(kSampleTable, nullName, 1, ids));
    EXPECT_EQ(E_INVALIDARG, DispatchGetIDsOfNames(kSampleTable, nullptr, 1, ids));
    EXPECT_EQ(E_INVALIDARG, DispatchGetIDsOfNames(kSampleTable, names, 1, nullptr));
}

struct RejectedCall
{
    const char* what;
    DISPID id;
    WORD flags;
    std::vector<VARIANT> args;
    bool namedPut;
    HRESULT expected;
    UINT argErr; // 12345: untouched
};

TEST(DispatchInvoke, RejectsBadCallsWithTheirOwnResults)
{
    VARIANT missing;
    V_VT(&missing) = VT_ERROR;
    V_ERROR(&missing) = DISP_E_PARAMNOTFOUND;
    VARIANT null;
    V_VT(&null) = VT_NULL;
    const RejectedCall cases[] = {
        {"unknown DISPID", 99, DISPATCH_METHOD, {}, false, DISP_E_MEMBERNOTFOUND, 12345},
        {"the absent DISPID 58", 58, DISPATCH_METHOD, {}, false, DISP_E_MEMBERNOTFOUND, 12345},
        {"put on a method", 2, DISPATCH_PROPERTYPUT, {Long(1)}, true, DISP_E_MEMBERNOTFOUND, 12345},
        {"no invoke kind", 2, 0, {Long(1)}, false, DISP_E_MEMBERNOTFOUND, 12345},
        {"too few arguments", 3, DISPATCH_METHOD, {Long(1)}, false, DISP_E_BADPARAMCOUNT, 12345},
        {"too many arguments", 2, DISPATCH_METHOD, {Long(1), Long(2)}, false, DISP_E_BADPARAMCOUNT, 12345},
        {"named argument on a method", 2, DISPATCH_METHOD, {Long(1)}, true, DISP_E_NONAMEDARGS, 12345},
        {"text for a long", 3, DISPATCH_METHOD, {Text(L"abc"), Long(5)}, false, DISP_E_TYPEMISMATCH, 1},
        {"null for a long", 3, DISPATCH_METHOD, {Long(5), null}, false, DISP_E_TYPEMISMATCH, 0},
        {"short overflow", 1, DISPATCH_PROPERTYPUT, {Long(70000)}, true, DISP_E_OVERFLOW, 0},
        {"missing argument", 2, DISPATCH_METHOD, {missing}, false, DISP_E_PARAMNOTOPTIONAL, 0},
        {"member without handler", 6, DISPATCH_METHOD, {Long(1)}, false, E_NOTIMPL, 12345},
        {"arguments checked before the handler",
         6,
         DISPATCH_METHOD,
         {Text(L"x")},
         false,
         DISP_E_TYPEMISMATCH,
         0},
    };
    Sample sample;
    for (const RejectedCall& c : cases) {
        Call call(c.args);
        EXPECT_EQ(c.expected, call.Invoke(&sample, c.id, c.flags, c.namedPut)) << c.what;
        EXPECT_EQ(c.argErr, call.argErr) << c.what;
        EXPECT_EQ(VT_EMPTY, V_VT(&call.result)) << c.what;
    }
    EXPECT_EQ(0, sample.calls);
    EXPECT_EQ(0, sample.style);
}

TEST(DispatchInvoke, SurvivesNullPointers)
{
    Sample sample;
    VARIANT result;
    VariantInit(&result);
    DISPPARAMS noArray{nullptr, nullptr, 1, 0};
    EXPECT_EQ(E_INVALIDARG,
              DispatchInvoke(kSampleTable, &sample, 2, DISPATCH_METHOD, &noArray, &result, nullptr, nullptr));
    DISPPARAMS noNames{nullptr, nullptr, 0, 1};
    EXPECT_EQ(E_INVALIDARG,
              DispatchInvoke(kSampleTable, &sample, 7, DISPATCH_METHOD, &noNames, &result, nullptr, nullptr));
    // No DISPPARAMS at all is a call without arguments; no result slot is fine too.
    EXPECT_EQ(S_OK,
              DispatchInvoke(kSampleTable, &sample, 7, DISPATCH_METHOD, nullptr, nullptr, nullptr, nullptr));
    EXPECT_EQ(1, sample.calls);
    EXPECT_EQ(DISP_E_BADPARAMCOUNT,
              DispatchInvoke(kSampleTable, &sample, 2, DISPATCH_METHOD, nullptr, &result, nullptr, nullptr));
    EXPECT_EQ(E_POINTER,
              DispatchInvoke(kSampleTable, nullptr, 7, DISPATCH_METHOD, nullptr, nullptr, nullptr, nullptr));
    EXPECT_EQ(DISP_E_MEMBERNOTFOUND,
              DispatchInvoke({}, &sample, 7, DISPATCH_METHOD, nullptr, nullptr, nullptr, nullptr));

    Call byNullReference({[] {
        VARIANT v;
        V_VT(&v) = VT_I4 | VT_BYREF;
        V_I4REF(&v) = nullptr;
        return v;
    }()});
    EXPECT_EQ(DISP_E_TYPEMISMATCH, byNullReference.Invoke(&sample, 2));
}

struct ColourCase
{
    const char* what;
    VARIANT value;
    HRESULT expected;
    uint32_t pattern;
};

VARIANT Typed(VARTYPE type, LONGLONG number)
{
    VARIANT v;
    VariantInit(&v);
    V_VT(&v) = type;
    switch (type) {
    case VT_UI4:
        V_UI4(&v) = ULONG(number);
        break;
    case VT_I8:
        V_I8(&v) = number;
        break;
    case VT_UI8:
        V_UI8(&v) = ULONGLONG(number);
        break;
    case VT_R8:
        V_R8(&v) = double(number);
        break;
    case VT_I2:
        V_I2(&v) = SHORT(number);
        break;
    default:
        V_I4(&v) = LONG(number);
    }
    return v;
}

TEST(DispatchInvoke, LongParametersTakeColourAndHandleBitPatterns)
{
    const ColourCase cases[] = {
        {"no colour as VT_UI4", Typed(VT_UI4, 0xFF000000), S_OK, 0xFF000000u},
        {"no colour as VT_I8", Typed(VT_I8, 0xFF000000), S_OK, 0xFF000000u},
        {"no colour as VT_UI8", Typed(VT_UI8, 0xFF000000), S_OK, 0xFF000000u},
        {"no colour as a double", Typed(VT_R8, 0xFF000000), S_OK, 0xFF000000u},
        {"system colour as VT_UI4", Typed(VT_UI4, 0x80000005), S_OK, 0x80000005u},
        {"system colour as VT_I4", Typed(VT_I4, LONG(0x80000008u)), S_OK, 0x80000008u},
        {"no background", Typed(VT_I4, -1), S_OK, 0xFFFFFFFFu},
        {"all ones as VT_UI4", Typed(VT_UI4, 0xFFFFFFFF), S_OK, 0xFFFFFFFFu},
        {"small short", Typed(VT_I2, 255), S_OK, 255u},
        {"text of a number", Text(L"4278190080"), S_OK, 0xFF000000u},
        {"beyond 32 bits", Typed(VT_I8, 0x100000000LL), DISP_E_OVERFLOW, 0},
        {"below INT32_MIN", Typed(VT_I8, -0x80000001LL), DISP_E_OVERFLOW, 0},
        {"beyond 32 bits unsigned", Typed(VT_UI8, 0x1FFFFFFFFLL), DISP_E_OVERFLOW, 0},
    };
    for (const ColourCase& c : cases) {
        Sample sample;
        Call call({Long(3), c.value});
        EXPECT_EQ(c.expected, call.Invoke(&sample, 3)) << c.what;
        if (c.expected == S_OK) {
            EXPECT_EQ(3, sample.page) << c.what;
            EXPECT_EQ(c.pattern, sample.colour) << c.what;
            EXPECT_EQ(VT_BOOL, V_VT(&call.result)) << c.what;
            EXPECT_EQ(VARIANT_TRUE, V_BOOL(&call.result)) << c.what;
        } else {
            EXPECT_EQ(0u, call.argErr) << c.what; // the colour is the last argument
            EXPECT_EQ(0u, sample.colour) << c.what;
        }
    }
}

TEST(DispatchInvoke, HandlesTravelAsSignExtendedLongs)
{
    // A 32-bit handle value with the top bit set widens as the system widens handles.
    Sample sample;
    Call set({Typed(VT_UI4, 0x80001234)});
    ASSERT_EQ(S_OK, set.Invoke(&sample, 9));
    EXPECT_EQ(reinterpret_cast<HICON>(static_cast<INT_PTR>(LONG(0x80001234u))), sample.icon);
    Call get({Long(0)});
    ASSERT_EQ(S_OK, get.Invoke(&sample, 9));
    ASSERT_EQ(VT_I4, V_VT(&get.result));
    EXPECT_EQ(LONG(0x80001234u), V_I4(&get.result));
    EXPECT_EQ(nullptr, sample.icon);
}

TEST(DispatchInvoke, DereferencesByRefArguments)
{
    Sample sample;
    LONG number = 42;
    VARIANT inner = Text(L"页");
    Call call({[&] {
                   VARIANT v;
                   V_VT(&v) = VT_I4 | VT_BYREF;
                   V_I4REF(&v) = &number;
                   return v;
               }(),
               [&] {
                   VARIANT v;
                   V_VT(&v) = VT_VARIANT | VT_BYREF;
                   V_VARIANTREF(&v) = &inner;
                   return v;
               }()});
    ASSERT_EQ(S_OK, call.Invoke(&sample, 4));
    ASSERT_EQ(VT_BSTR, V_VT(&call.result));
    EXPECT_STREQ(L"页42", V_BSTR(&call.result));
    EXPECT_EQ(42, number); // the caller's storage is read, not consumed
    EXPECT_STREQ(L"页", V_BSTR(&inner));
    VariantClear(&inner);
}

TEST(DispatchInvoke, ConvertsResultsToTheDeclaredTypes)
{
    Sample sample;
    {
        Call call({Text(L"7")}); // text converts to the declared long
        ASSERT_EQ(S_OK, call.Invoke(&sample, 2));
        EXPECT_EQ(VT_I4, V_VT(&call.result));
        EXPECT_EQ(7, V_I4(&call.result));
    }
    {
        VARIANT yes;
        V_VT(&yes) = VT_BOOL;
        V_BOOL(&yes) = VARIANT_TRUE;
        Call call({yes});
        ASSERT_EQ(S_OK, call.Invoke(&sample, 5, DISPATCH_METHOD | DISPATCH_PROPERTYGET));
        EXPECT_EQ(TRUE, sample.flag); // the C++ side sees TRUE, the client VARIANT_TRUE
        EXPECT_EQ(VT_BOOL, V_VT(&call.result));
        EXPECT_EQ(VARIANT_TRUE, V_BOOL(&call.result));
    }
    {
        Call call({});
        ASSERT_EQ(S_OK, call.Invoke(&sample, 8));
        EXPECT_EQ(VT_DISPATCH, V_VT(&call.result));
        EXPECT_EQ(nullptr, V_DISPATCH(&call.result));
        ASSERT_EQ(S_OK, call.Invoke(&sample, 7));
        EXPECT_EQ(VT_EMPTY, V_VT(&call.result));
    }
}

TEST(DispatchInvoke, PropertyPutTakesTheNamedValueAndGetReadsItBack)
{
    Sample sample;
    Call put({Long(3)});
    EXPECT_EQ(S_OK, put.Invoke(&sample, 1, DISPATCH_PROPERTYPUT, true));
    EXPECT_EQ(3, sample.style);
    Call get({});
    ASSERT_EQ(S_OK, get.Invoke(&sample, 1, DISPATCH_PROPERTYGET));
    EXPECT_EQ(VT_I2, V_VT(&get.result));
    EXPECT_EQ(3, V_I2(&get.result));
    ASSERT_EQ(S_OK, get.Invoke(&sample, 1, DISPATCH_METHOD | DISPATCH_PROPERTYGET));
    EXPECT_EQ(3, V_I2(&get.result));
}

// ---- the boundary: no exception leaves Invoke ----

// Members that fail the ways a member can: by throwing, or by running out of memory for the text
// of an argument or of the result (the probe makes the next allocation fail).
struct Failing
{
    int calls = 0;
    std::wstring lastText;

    BOOL OutOfMemory()
    {
        ++calls;
        throw std::bad_alloc();
    }
    BOOL TooLong()
    {
        ++calls;
        std::string().reserve(std::string().max_size() + 1); // std::length_error
        return TRUE;
    }
    BOOL Broken()
    {
        ++calls;
        throw std::runtime_error("a fault of ours");
    }
    BOOL TakeText(CString text)
    {
        ++calls;
        lastText = text.ToWide();
        return TRUE;
    }
    CString GiveText()
    {
        ++calls;
        CString text("一段比短字符串的缓冲更长的文本");
        AllocationProbe::FailAllocation(0); // the result's conversion to a BSTR
        return text;
    }
    long Echo(long value) { return value; }
};

const DispatchMember kFailingTable[] = {
    {1, L"OutOfMemory", DispatchKind::Method, VT_BOOL, DispParams(), DispatchTo<&Failing::OutOfMemory>},
    {2, L"TooLong", DispatchKind::Method, VT_BOOL, DispParams(), DispatchTo<&Failing::TooLong>},
    {3, L"Broken", DispatchKind::Method, VT_BOOL, DispParams(), DispatchTo<&Failing::Broken>},
    {4, L"TakeText", DispatchKind::Method, VT_BOOL, DispParams(VT_BSTR), DispatchTo<&Failing::TakeText>},
    {5, L"GiveText", DispatchKind::Method, VT_BSTR, DispParams(), DispatchTo<&Failing::GiveText>},
    {6, L"Echo", DispatchKind::Method, VT_I4, DispParams(VT_I4), DispatchTo<&Failing::Echo>},
};

TEST(DispatchBoundary, AnExceptionAnswersAFailureAndTheTableKeepsAnswering)
{
    struct Case
    {
        const char* what;
        DISPID id;
        std::vector<VARIANT> args;
        bool failNextAllocation; // before the call: the argument's conversion fails
        HRESULT expected;
        int calls; // of the member
    } cases[] = {
        {"a member out of memory", 1, {}, false, E_OUTOFMEMORY, 1},
        {"a member asking for more than can be had", 2, {}, false, E_OUTOFMEMORY, 1},
        {"a member with another fault", 3, {}, false, E_UNEXPECTED, 1},
        {"a BSTR argument without memory for its text", 4, {Text(L"一段比短字符串的缓冲更长的参数文本")}, true,
         E_OUTOFMEMORY, 0},
        {"a CString result without memory for its BSTR", 5, {}, false, E_OUTOFMEMORY, 1},
    };
    for (Case& c : cases) {
        Failing failing;
        Call call(c.args);
        AllocationProbe::FailAllocation(c.failNextAllocation ? 0 : -1);
        EXPECT_EQ(c.expected, call.Invoke(&failing, c.id, DISPATCH_METHOD, false, kFailingTable)) << c.what;
        AllocationProbe::FailAllocation(-1);
        EXPECT_EQ(VT_EMPTY, V_VT(&call.result)) << c.what << ": no result on failure";
        EXPECT_EQ(c.calls, failing.calls) << c.what;

        Call echo({Long(41)});
        ASSERT_EQ(S_OK, echo.Invoke(&failing, 6, DISPATCH_METHOD, false, kFailingTable)) << c.what;
        EXPECT_EQ(41, V_I4(&echo.result)) << c.what;
    }

    // The same calls go through once memory is there.
    Failing failing;
    Call take({Text(L"一段比短字符串的缓冲更长的参数文本")});
    EXPECT_EQ(S_OK, take.Invoke(&failing, 4, DISPATCH_METHOD, false, kFailingTable));
    EXPECT_EQ(L"一段比短字符串的缓冲更长的参数文本", failing.lastText);
}

} // namespace
