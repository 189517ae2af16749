// Every method of _DNorvak that the type library declares, called through IDispatch with good
// arguments and with bad ones: none is missing from the dispatch table, and each answers its
// documented result. The calls run in DISPID order on one control, so a case may rely on an earlier
// one (the colours set by 21 to 23 are read back by 54 to 56).

#include "tests/automation/ObjectCalls.h"
#include "tests/support/ControlTest.h"
#include "tests/support/ModalDriver.h"

#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace {

// A result: a number (BOOL 0 or 1, a dispatch 1 when there is an object), or a text.
struct Result
{
    Result(LONG number = 0, const wchar_t* expectedText = nullptr) : value(number), text(expectedText) {}
    LONG value;
    const wchar_t* text;
};

struct MemberCase
{
    // A member that takes no argument that can be bad.
    MemberCase(std::vector<Variant> goodArgs, Result goodValue) : good(std::move(goodArgs)), goodResult(goodValue) {}
    MemberCase(std::vector<Variant> goodArgs, Result goodValue, std::vector<Variant> badArgs, Result badValue)
        : good(std::move(goodArgs)), goodResult(goodValue), bad(std::move(badArgs)), badResult(badValue)
    {
    }

    std::vector<Variant> good;
    Result goodResult;
    std::optional<std::vector<Variant>> bad;
    Result badResult{};
};

Result Read(const Variant& v)
{
    switch ((*v).vt) {
    case VT_DISPATCH:
        return {(*v).pdispVal ? 1 : 0};
    case VT_BSTR:
        return {0, L""};
    case VT_EMPTY:
        return {0};
    default:
        return {AsLong(v)};
    }
}

std::wstring TempFile(const wchar_t* name)
{
    wchar_t folder[MAX_PATH] = {};
    ::GetTempPathW(MAX_PATH, folder);
    return std::wstring(folder) + name;
}

class ControlDispatch : public ControlTest
{
protected:
    void SetUp() override
    {
        Create();
        Start();
    }

    // The methods of _DNorvak as the control's type information declares them, by DISPID.
    std::map<DISPID, std::wstring> TypeLibraryMethods()
    {
        std::map<DISPID, std::wstring> methods;
        ITypeInfo* info = nullptr;
        EXPECT_EQ(container.Dispatch()->GetTypeInfo(0, LOCALE_USER_DEFAULT, &info), S_OK);
        if (!info)
            return methods;
        TYPEATTR* attr = nullptr;
        info->GetTypeAttr(&attr);
        for (UINT i = 0; attr && i < attr->cFuncs; ++i) {
            FUNCDESC* func = nullptr;
            if (FAILED(info->GetFuncDesc(i, &func)))
                continue;
            BSTR name = nullptr;
            info->GetDocumentation(func->memid, &name, nullptr, nullptr, nullptr);
            methods[func->memid] = name ? name : L"";
            ::SysFreeString(name);
            info->ReleaseFuncDesc(func);
        }
        if (attr)
            info->ReleaseTypeAttr(attr);
        info->Release();
        return methods;
    }

    void Expect(const Variant& got, const Result& expected, const std::wstring& what)
    {
        if (expected.text)
            EXPECT_EQ(AsText(got), expected.text) << std::string(what.begin(), what.end());
        else
            EXPECT_EQ(Read(got).value, expected.value) << std::string(what.begin(), what.end());
    }
};

} // namespace

TEST_F(ControlDispatch, EveryMethodOfTheTypeLibraryAnswersItsDocumentedResult)
{
    const std::wstring saved = TempFile(L"norvak_dispatch_table.nvk");
    ::DeleteFileW(saved.c_str());
    const Variant F = B(false), T = B(true);
    std::map<DISPID, MemberCase> cases = {
        {kDoInsertPage, {{S(L"新页")}, {3}}},
        {kDoDeletePage, {{L(3)}, {1}, {{L(9)}}, {0}}},
        {kDoSetActivePageIndex, {{L(0)}, {1}, {{L(9)}}, {0}}},
        {kDoGetActivePageIndex, {{}, {0}}},
        {kDoGetPageCounts, {{}, {3}}},
        {kDoSetPageRowCounts, {{L(1), L(50), L(1)}, {1}, {{L(0), L(1), L(2)}}, {0}}},
        {kDoSetPageColumnCounts, {{L(1), L(40), L(1)}, {1}, {{L(9), L(5), L(1)}}, {0}}},
        {kDoInsertPageRow, {{L(1), L(5)}, {5}, {{L(9), L(5)}}, {-1}}},
        {kDoInsertPageColumn, {{L(1), L(5), Variant::Short(5), S(L"列")}, {5}, {{L(9), L(5), Variant::Short(5), S(L"列")}}, {-1}}},
        {kDoRemovePageRow, {{L(1), L(5)}, {1}, {{L(9), L(5)}}, {0}}},
        {kDoRemovePageColumn, {{L(1), L(5)}, {1}, {{L(9), L(5)}}, {0}}},
        {kDoSetPageRowHeight, {{L(0), L(3), L(30)}, {1}, {{L(9), L(3), L(30)}}, {0}}},
        {kDoGetPageRowHeight, {{L(0), L(3)}, {30}, {{L(0), L(100)}}, {-1}}},
        {kDoSetPageColumnWidth, {{L(0), L(3), L(80)}, {1}, {{L(9), L(3), L(80)}}, {0}}},
        {kDoGetPageColumnWidth, {{L(0), L(3)}, {80}, {{L(0), L(50)}}, {-1}}},
        {kDoSetPageContextMenuVisible, {{L(0), T}, {1}, {{L(9), T}}, {0}}},
        {kDoSetPageContextMenuItemVisible, {{L(0), L(3), T}, {1}, {{L(0), L(24), T}}, {0}}},
        {kDoSetPageSortStyle, {{L(0), L(1)}, {1}, {{L(9), L(1)}}, {0}}},
        {kDoSetPageModify, {{L(0), T}, {1}, {{L(9), T}}, {0}}},
        {kDoSetPageTextColor, {{L(0), L(0x123456)}, {1}, {{L(9), L(1)}}, {0}}},
        {kDoSetPageTextBkColor, {{L(0), L(0x123456)}, {1}, {{L(9), L(1)}}, {0}}},
        {kDoSetPageBkColor, {{L(0), L(0x123456)}, {1}, {{L(9), L(1)}}, {0}}},
        {kDoGetPageSortStyle, {{L(0)}, {1}, {{L(9)}}, {-1}}},
        {kDoGetPageColumns, {{L(0), L(0)}, {1}, {{L(9), L(0)}}, {-1}}},
        {kDoGetPageRows, {{L(0), L(2)}, {100}, {{L(9), L(2)}}, {-1}}},
        {kDoSetPageMouseCursor, {{L(0), L(0)}, {1}, {{L(9), L(0)}}, {0}}},
        {kDoGetTabArrowObject, {{}, {1}}},
        {kDoGetTabTitleObject, {{}, {1}}},
        {kDoGetTabScrollObject, {{}, {0}}},
        {kDoGetTabDragObject, {{}, {0}}},
        {kDoSetPageCellText, {{L(0), L(2), L(2), S(L"文")}, {1}, {{L(0), L(100), L(2), S(L"x")}}, {0}}},
        {kDoGetPageCellText, {{L(0), L(2), L(2)}, {0, L"文"}, {{L(9), L(2), L(2)}}, {0, L""}}},
        {kDoSetPageCellTextFormat, {{L(0), L(2), L(2), Variant::Short(6)}, {1}, {{L(0), L(2), L(50), Variant::Short(6)}}, {0}}},
        {kDoGetPageCellTextFormat, {{L(0), L(2), L(2)}, {6}, {{L(9), L(2), L(2)}}, {-1}}},
        {kDoSetWindowBorderStyle, {{Variant::Short(1)}, {1}}},
        {kDoPrint, {{}, {0}}},
        {kDoPreview, {{}, {0}}},
        {kDoPrintSetup, {{F, F, T, F, F, F, F, F}, {0}, {{F, F, F, F, F, F, F, F}}, {0}}},
        {kDoSetPageCellCombine, {{L(0), L(4), L(5), L(4), L(5)}, {1}, {{L(0), L(4), L(4), L(4), L(4)}}, {0}}},
        {kDoSetPageCellUnCombine, {{L(0), L(4), L(4)}, {1}, {{L(0), L(10), L(10)}}, {0}}},
        {kDoGetPageMinSelectedRow, {{L(0)}, {100}, {{L(9)}}, {-1}}},
        {kDoGetPageMaxSelectedRow, {{L(0)}, {-1}, {{L(9)}}, {-1}}},
        {kDoGetPageMinSelectedCol, {{L(0)}, {50}, {{L(9)}}, {-1}}},
        {kDoGetPageMaxSelectedCol, {{L(0)}, {-1}, {{L(9)}}, {-1}}},
        // -1 for a bad page: true for the client.
        {kDoGetPageRowIsSelected, {{L(0), L(2)}, {0}, {{L(9), L(2)}}, {1}}},
        {kDoGetPageColIsSelected, {{L(0), L(2)}, {0}, {{L(9), L(2)}}, {1}}},
        {kDoGetGridObject, {{L(0), L(2), L(2)}, {1}, {{L(0), L(100), L(0)}}, {0}}},
        {kDoGetGridRangeObject, {{L(0), L(2), L(2), L(3), L(3)}, {1}, {{L(0), L(3), L(3), L(2), L(3)}}, {0}}},
        {kDoSetGridHeadSelectedStyle, {{L(0), Variant::Short(1)}, {1}, {{L(0), Variant::Short(4)}}, {0}}},
        {kDoGetGridHeadSelectedStyle, {{L(0)}, {1}, {{L(99)}}, {-1}}},
        {kDoSetPageDragAndDrop, {{L(0), T}, {1}, {{L(9), T}}, {1}}},
        {kDoGetPageDragAndDrop, {{L(0)}, {1}, {{L(9)}}, {1}}},
        {kDoGetPageBkColor, {{L(0)}, {0x123456}, {{L(9)}}, {0}}},
        {kDoGetPageTextColor, {{L(0)}, {0x123456}, {{L(9)}}, {0}}},
        {kDoGetPageTextBkColor, {{L(0)}, {0x123456}, {{L(9)}}, {0}}},
        {kDoShowChartWindow, {{}, {0}}},
        {kDoSetPageFocusGrid, {{L(0), L(3), L(3)}, {1}, {{L(0), L(0), L(3)}}, {0}}},
        {kDoGetPageFocusGrid, {{L(0)}, {1}, {{L(9)}}, {0}}},
        {kDoGetPageGridIsSelected, {{L(0), L(3), L(3)}, {0}, {{L(9), L(3), L(3)}}, {1}}},
        {kDoSetPageGridRangeSelected, {{L(0), L(2), L(2), L(3), L(3), T}, {1}, {{L(0), L(3), L(3), L(2), L(2), T}}, {0}}},
        {kDoGetPageGridIsValid, {{L(0), L(3), L(3)}, {1}, {{L(0), L(100), L(0)}}, {0}}},
        {kDoInvalidateGridRange, {{L(1), L(1), L(2), L(2)}, {0}, {{L(-5), L(1), L(2), L(2)}}, {0}}},
        {kDoSetPageFormatBrush, {{L(0), L(2), L(2), L(2), L(2)}, {1}, {{L(0), L(3), L(1), L(2), L(1)}}, {0}}},
        {kDoGetPageFormatBrush, {{L(0), L(6), L(6), L(6), L(6)}, {1}, {{L(9), L(6), L(6), L(6), L(6)}}, {0}}},
        {kDoSetPageColumnABCD, {{L(0), L(1), L(5)}, {1}, {{L(0), L(5), L(3)}}, {0}}},
        {kDoSetPageRow1234, {{L(0), L(1), L(5)}, {1}, {{L(0), L(5), L(3)}}, {0}}},
        {kDoSave, {{S(saved.c_str()), T, L(0), F, F}, {1}, {{S(L"Z:\\no such folder\\x.nvk"), T, L(0), F, F}}, {0}}},
        {kDoOpen, {{S(saved.c_str())}, {1}, {{S(L"Z:\\no such folder\\x.nvk")}}, {0}}},
        {kDoSetInitializePageCounts, {{T, L(3), S(L""), S(L""), S(L"")}, {0}}},
        {kDoSetPageLockRowAndColumn, {{L(0), L(3), L(2)}, {1}, {{L(0), L(100), L(0)}}, {0}}},
        {kDoGetPageLockRow, {{L(0)}, {3}, {{L(9)}}, {-1}}},
        {kDoGetPageLockColumn, {{L(0)}, {2}, {{L(9)}}, {-1}}},
        {DISPID_ABOUTBOX, {{}, {0}}},
    };
    // No modal window stays up: message boxes get OK, every dialog and sheet is cancelled.
    ModalDriver driver;
    driver.answer = [](const ModalRequest& request) -> INT_PTR {
        return request.kind == ModalRequest::MessageBox ? IDOK : IDCANCEL;
    };
    const std::map<DISPID, std::wstring> methods = TypeLibraryMethods();
    EXPECT_EQ(methods.size(), 73u) << "1 is a property and 58 is not there";
    EXPECT_EQ(methods.count(58), 0u);
    for (const auto& [id, name] : methods) {
        const auto found = cases.find(id);
        if (found == cases.end()) {
            ADD_FAILURE() << "no case for " << std::string(name.begin(), name.end()) << " (" << id << ")";
            continue;
        }
        if (id == kDoPreview)
            continue; // last: the preview takes over the program's main window
        const MemberCase& c = found->second;
        Variant result;
        EXPECT_EQ(container.Call(id, c.good, &result), S_OK) << std::string(name.begin(), name.end());
        Expect(result, c.goodResult, name + L" with good arguments");
        if (c.bad) {
            Variant bad;
            EXPECT_EQ(container.Call(id, *c.bad, &bad), S_OK) << std::string(name.begin(), name.end());
            Expect(bad, c.badResult, name + L" with bad arguments");
        }
    }
    EXPECT_EQ(Long(kDoGetPageCounts), 6) << "the saved three pages were opened after the three there were";
    Variant preview;
    EXPECT_EQ(container.Call(kDoPreview, {}, &preview), S_OK);
    ::DeleteFileW(saved.c_str());
}
