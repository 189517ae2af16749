// The control and its automation objects when memory runs out in the middle of a call: every C++
// allocation of a call is made to fail in turn, and the call answers a failure, leaves the workbook
// as it was or changed whole, and the control goes on answering. The same for its window when a
// message's handler runs out of memory.

#include "tests/automation/ObjectCalls.h"
#include "tests/support/AllocationProbe.h"
#include "tests/support/ControlTest.h"
#include "tests/support/GuiResources.h"
#include "tests/support/ModalDriver.h"
#include "tests/support/PictureFiles.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

// DISPIDs of the cell, range, tab title and tab arrow objects.
constexpr DISPID kCellGetText = 10;
constexpr DISPID kCellSetImageFromFile = 46;
constexpr DISPID kRangeSetBkColor = 5;
constexpr DISPID kRangeSetText = 7;
constexpr DISPID kRangeSetImageFromFile = 27;
constexpr DISPID kTitleInsertCoolIconFromFile = 21;
constexpr DISPID kArrowAddIconFromFile = 27;

// One call prepared beforehand, so that making it allocates nothing of the test's own.
class PreparedCall
{
public:
    PreparedCall(IDispatch* object, DISPID id, std::vector<Variant> args) : m_object(object), m_id(id)
    {
        for (auto it = args.rbegin(); it != args.rend(); ++it)
            m_args.push_back(*it);
        for (Variant& arg : m_args)
            m_raw.push_back(*arg);
    }
    HRESULT operator()()
    {
        ::VariantClear(result.get());
        DISPPARAMS params{m_raw.empty() ? nullptr : m_raw.data(), nullptr, UINT(m_raw.size()), 0};
        return m_object->Invoke(m_id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &params, result.get(),
                                nullptr, nullptr);
    }
    Variant result;

private:
    IDispatch* m_object;
    DISPID m_id;
    std::vector<Variant> m_args;
    std::vector<VARIANT> m_raw; // borrowed from m_args
};

// Runs attempt with the k-th allocation from its start failing, k = 0, 1, ... up to the first run
// in which none failed; after each run with a failure, check(hr) and restore(). The number of runs
// that had one.
int WithEachAllocationFailing(const std::function<HRESULT()>& attempt, const std::function<void(HRESULT)>& check,
                              const std::function<void()>& restore = [] {})
{
    for (int k = 0; k < 20000; ++k) {
        AllocationProbe::FailAllocation(k);
        const HRESULT hr = attempt();
        const bool failed = AllocationProbe::Failed();
        AllocationProbe::FailAllocation(-1);
        if (!failed)
            return k;
        check(hr);
        restore();
    }
    ADD_FAILURE() << "the call never ran without a failed allocation";
    return 0;
}

const wchar_t kLongText[] = L"一段在每个单元格里都放不下的较长文本";
const wchar_t kOtherText[] = L"另一段同样放不下的较长文本内容";

class DispatchBoundary : public ControlTest
{
protected:
    void SetUp() override
    {
        Create();
        Start();
    }
    std::wstring CellText(int row, int col) const
    {
        return control->DoGetPageCellText(0, row, col).ToWide();
    }
    IDispatch* Object(DISPID member, std::vector<Variant> args)
    {
        held.push_back(Call(member, std::move(args)));
        return (*held.back()).vt == VT_DISPATCH ? (*held.back()).pdispVal : nullptr;
    }

    ModalDriver modal;
    std::vector<Variant> held;
};

} // namespace

TEST_F(DispatchBoundary, GettersAnswerOutOfMemoryAndThenTheirText)
{
    control->DoSetPageCellText(0, 5, 5, CString::FromWide(kLongText));
    IDispatch* cell = Object(kDoGetGridObject, {L(0), L(5), L(5)});
    ASSERT_NE(cell, nullptr);
    struct Getter
    {
        const char* what;
        IDispatch* object;
        DISPID id;
        std::vector<Variant> args;
    } getters[] = {
        {"the control's DoGetPageCellText", container.Dispatch(), kDoGetPageCellText, {L(0), L(5), L(5)}},
        {"the cell object's DoGetText", cell, kCellGetText, {}},
    };
    for (Getter& g : getters) {
        PreparedCall call(g.object, g.id, g.args);
        const int failures = WithEachAllocationFailing(std::ref(call), [&](HRESULT hr) {
            // A failure inside is answered; a text that arrives is the whole text.
            if (SUCCEEDED(hr)) {
                EXPECT_EQ(AsText(call.result), kLongText) << g.what;
            } else {
                EXPECT_EQ(hr, E_OUTOFMEMORY) << g.what;
            }
        });
        EXPECT_GT(failures, 0) << g.what << ": the call allocates";
        ASSERT_EQ(call(), S_OK) << g.what;
        EXPECT_EQ(AsText(call.result), kLongText) << g.what;
    }
    ExpectEveryPageConsistent("getters without memory");
}

TEST_F(DispatchBoundary, ASetterChangesItsCellWholeOrNotAtAll)
{
    const CString old = CString::FromWide(kLongText);
    control->DoSetPageCellText(0, 5, 5, old);
    PreparedCall set(container.Dispatch(), kDoSetPageCellText, {L(0), L(5), L(5), S(kOtherText)});
    WithEachAllocationFailing(
        std::ref(set),
        [&](HRESULT hr) {
            const std::wstring now = CellText(5, 5);
            EXPECT_TRUE(now == kLongText || now == kOtherText) << "no half text";
            if (SUCCEEDED(hr) && AsLong(set.result)) {
                EXPECT_EQ(now, kOtherText) << "TRUE means the text is in";
            }
        },
        [&] { control->DoSetPageCellText(0, 5, 5, old); });
    ASSERT_EQ(set(), S_OK);
    EXPECT_EQ(CellText(5, 5), kOtherText);
    ExpectEveryPageConsistent("a setter without memory");
}

TEST_F(DispatchBoundary, ARangeSetterChangesEveryCellOrNone)
{
    // Cells of no record yet, so that the walk itself needs memory for each.
    const CCellRect range(10, 10, 12, 13);
    IDispatch* object = Object(kDoGetGridRangeObject, {L(0), L(range.minRow), L(range.minCol), L(range.maxRow),
                                                       L(range.maxCol)});
    ASSERT_NE(object, nullptr);
    auto changedCells = [&](const std::function<bool(int, int)>& changed) {
        int count = 0;
        for (int row = range.minRow; row <= range.maxRow; ++row)
            for (int col = range.minCol; col <= range.maxCol; ++col)
                count += changed(row, col) ? 1 : 0;
        return count;
    };
    const int all = (range.maxRow - range.minRow + 1) * (range.maxCol - range.minCol + 1);
    struct Setter
    {
        const char* what;
        DISPID id;
        Variant value;
        std::function<bool(int, int)> changed;
    } setters[] = {
        {"text", kRangeSetText, S(kLongText), [&](int row, int col) { return CellText(row, col) == kLongText; }},
        {"background", kRangeSetBkColor, L(0x123456),
         [&](int row, int col) { return control->GetPageCell(0, row, col)->GetFont().crBackground == 0x123456; }},
    };
    for (Setter& s : setters) {
        PreparedCall set(object, s.id, {s.value});
        const int failures = WithEachAllocationFailing(
            std::ref(set),
            [&](HRESULT hr) {
                const int changed = changedCells(s.changed);
                EXPECT_TRUE(changed == 0 || changed == all) << s.what << ": " << changed << " of " << all;
                if (changed == all) {
                    EXPECT_TRUE(SUCCEEDED(hr) && AsLong(set.result)) << s.what;
                } else {
                    EXPECT_TRUE(hr == E_OUTOFMEMORY || (SUCCEEDED(hr) && !AsLong(set.result))) << s.what;
                }
            },
            [&] {
                for (int row = range.minRow; row <= range.maxRow; ++row)
                    for (int col = range.minCol; col <= range.maxCol; ++col)
                        control->GetPageCells(0)->DeleteCell(row, col, *control);
            });
        EXPECT_GE(failures, all) << s.what << ": every cell needed memory";
        ASSERT_EQ(set(), S_OK) << s.what;
        EXPECT_EQ(changedCells(s.changed), all) << s.what;
        ExpectEveryPageConsistent(s.what);
    }
}

TEST_F(DispatchBoundary, TheWindowKeepsWorkingWhenItsHandlersRunOutOfMemory)
{
    HWND window = container.ControlWindow();
    ASSERT_NE(window, nullptr);
    ::ShowWindow(container.ParentWindow(), SW_SHOWNOACTIVATE); // a hidden window is never painted
    control->DoSetPageCellText(0, 2, 2, CString::FromWide(kLongText));
    auto paint = [&] {
        ::RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        return S_OK;
    };
    auto keys = [&] {
        ::SendMessageW(window, WM_KEYDOWN, VK_RIGHT, 0);
        ::SendMessageW(window, WM_KEYUP, VK_RIGHT, 0);
        return S_OK;
    };
    paint(); // what the first paint makes lives on: fonts, brushes
    keys();
    const DWORD gdi = GdiObjectCount();
    EXPECT_GT(WithEachAllocationFailing(paint, [](HRESULT) {}), 0) << "a paint allocates";
    WithEachAllocationFailing(keys, [](HRESULT) {});
    EXPECT_TRUE(::IsWindow(window));
    EXPECT_EQ(GdiObjectCount(), gdi) << "a failed paint gives back what it made";
    EXPECT_EQ(::GetUpdateRect(window, nullptr, FALSE), FALSE) << "no paint is left waiting";
    EXPECT_EQ(Text(kDoGetPageCellText, {L(0), L(2), L(2)}), kLongText);
    ExpectEveryPageConsistent("the window without memory");
}

TEST_F(DispatchBoundary, ANulInsideAPictureOrIconNameLoadsNothing)
{
    const std::wstring bitmap = CString(WriteFile("nul_cell.bmp", BitmapFile(4, 4, RGB(0, 0, 255))).c_str()).ToWide();
    const std::wstring icon = CString(WriteFile("nul_tab.ico", IconFile(RGB(255, 0, 0))).c_str()).ToWide();
    auto withNul = [](const std::wstring& name) { return Variant::String(std::wstring_view(name + L'\0' + L".x")); };
    IDispatch* cell = Object(kDoGetGridObject, {L(0), L(3), L(3)});
    IDispatch* range = Object(kDoGetGridRangeObject, {L(0), L(4), L(4), L(5), L(5)});
    IDispatch* title = Object(kDoGetTabTitleObject, {});
    IDispatch* arrow = Object(kDoGetTabArrowObject, {});
    ASSERT_TRUE(cell && range && title && arrow);
    struct Case
    {
        const char* what;
        IDispatch* object;
        DISPID id;
        std::vector<Variant> plain, nul; // the name alone, and with a NUL and more after it
    } cases[] = {
        {"a cell's picture", cell, kCellSetImageFromFile, {S(bitmap.c_str())}, {withNul(bitmap)}},
        {"a range's pictures", range, kRangeSetImageFromFile, {S(bitmap.c_str())}, {withNul(bitmap)}},
        {"a tab's icon", title, kTitleInsertCoolIconFromFile, {L(1), B(false), S(icon.c_str())},
         {L(1), B(false), withNul(icon)}},
        {"an arrow bar's icon", arrow, kArrowAddIconFromFile, {B(false), S(icon.c_str()), S(L"")},
         {B(false), withNul(icon), S(L"")}},
    };
    for (Case& c : cases) {
        EXPECT_EQ(AsLong(Invoke(c.object, c.id, c.nul)), 0) << c.what;
        EXPECT_EQ(AsLong(Invoke(c.object, c.id, c.plain)), 1) << c.what << ": the name alone loads";
    }
    EXPECT_TRUE(modal.seen.empty());
}
