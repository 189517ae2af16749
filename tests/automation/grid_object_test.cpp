// The cell and font automation objects handed out by the control, called through IDispatch as a
// client calls them: one object re-bound by every request, the check that keeps header cells and
// dead pages out, the border side rule, the font record edited in place, and an object that
// outlives its control.

#include "framework/Application.h"
#include "tests/automation/ObjectCalls.h"
#include "tests/support/ControlTest.h"
#include "tests/support/ModalDriver.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace {

// DISPIDs of the cell object and the font object.
enum : DISPID
{
    kEdit = 2,
    kRowIndex = 3,
    kSetBkColor = 5,
    kGetBkColor = 6,
    kSetText = 9,
    kGetText = 10,
    kSetAutoAdjust = 15,
    kIsAutoAdjust = 16,
    kGetVerLineColor = 23,
    kGetFontObject = 33,
    kGetGridState = 34,
    kIsSelected = 47,
    kSetSelected = 48,
    kSetFontCharSet = 17,
    kGetFontCharSet = 18,
    kSetFontFaceName = 27,
    kGetFontFaceName = 28,
    kSetFontSize = 32,
    kGetFontHeight = 2,
    kSetFontHeight = 1,
    kSetFontColor = 29,
};

// DISPIDs of the range object.
enum : DISPID
{
    kRangeMinRow = 1,
    kRangeMaxColumn = 4,
    kRangeSetBkColor = 5,
    kRangeSetText = 7,
    kRangeSetHorLineStyle = 16,
    kRangeSetModify = 21,
    kRangeGetGridObject = 28,
    kRangeSetSelected = 30,
};

class Objects : public ControlTest
{
protected:
    void SetUp() override
    {
        Create();
        Start();
    }
    // The cell object bound to (page, row, column); the caller releases it.
    IDispatch* CellObject(LONG page, LONG row, LONG col)
    {
        Variant result = Call(kDoGetGridObject, {L(page), L(row), L(col)});
        IDispatch* object = (*result).vt == VT_DISPATCH ? (*result).pdispVal : nullptr;
        if (object)
            object->AddRef();
        return object;
    }
};

} // namespace

TEST_F(Objects, OneCellObjectIsReboundAndEveryHolderSeesTheNewBinding)
{
    IDispatch* first = CellObject(0, 2, 3);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(AsLong(Invoke(first, kSetText, {S(L"甲乙")})), 1);
    EXPECT_EQ(Text(kDoGetPageCellText, {L(0), L(2), L(3)}), L"甲乙");
    IDispatch* second = CellObject(0, 4, 5);
    EXPECT_EQ(second, first);
    EXPECT_EQ(AsLong(Invoke(first, kRowIndex)), 4);
    EXPECT_EQ(AsText(Invoke(first, kGetText)), L"");

    control->SetFocusCell(0, 7, 8);
    Variant focus = Call(kDoGetPageFocusGrid, {L(0)});
    ASSERT_EQ((*focus).vt, VT_DISPATCH);
    EXPECT_EQ(AsLong(Invoke(first, kRowIndex)), 7) << "bound to the focus cell";
    EXPECT_EQ(AsLong(Invoke(first, kSetBkColor, {L(0x123456)})), 1);
    EXPECT_EQ(control->GetPageCell(0, 7, 8)->GetFont().crBackground, COLORREF(0x123456));

    // Automatic fit whatever the argument; selection kept with the page's map.
    EXPECT_EQ(AsLong(Invoke(first, kSetAutoAdjust, {B(false)})), 1);
    EXPECT_EQ(AsLong(Invoke(first, kIsAutoAdjust)), 1);
    EXPECT_EQ(AsLong(Invoke(first, kSetSelected, {B(true)})), 1);
    EXPECT_EQ(AsLong(Invoke(first, kIsSelected)), 1);
    EXPECT_EQ(AsLong(Invoke(first, kGetGridState, {Variant::Short(2)})), 1);
    EXPECT_TRUE(control->GetPage(0)->m_selectedCells.Contains(7, 8));

    EXPECT_EQ(Call(kDoGetGridObject, {L(0), L(100), L(0)}).type(), VT_DISPATCH);
    EXPECT_EQ((*Call(kDoGetGridObject, {L(0), L(100), L(0)})).pdispVal, nullptr) << "outside the page";
    first->Release();
    second->Release();
}

TEST_F(Objects, HeaderCellsAndDeadPagesAnswerTheFailureValues)
{
    IDispatch* header = CellObject(0, 0, 0);
    ASSERT_NE(header, nullptr);
    EXPECT_EQ(AsLong(Invoke(header, kSetText, {S(L"x")})), 0);
    EXPECT_EQ(AsText(Invoke(header, kGetText)), L"");
    EXPECT_EQ(AsLong(Invoke(header, kRowIndex)), 0) << "the binding itself is kept";
    EXPECT_EQ(Text(kDoGetPageCellText, {L(0), L(0), L(0)}), L"");

    IDispatch* last = CellObject(2, 3, 3);
    ASSERT_TRUE(Bool(kDoDeletePage, {L(2)}));
    ModalDriver driver;
    EXPECT_EQ(AsLong(Invoke(last, kSetText, {S(L"x")})), 0);
    ASSERT_EQ(driver.seen.size(), 1u);
    EXPECT_EQ(driver.seen[0].text, L"页索引无效!");
    EXPECT_EQ(driver.seen[0].caption, Application::Title().ToWide());
    header->Release();
    last->Release();
}

TEST_F(Objects, BorderGettersReadTheNeighboursLineTheOwnOrBothWhenEqual)
{
    control->EditPageCell(0, 3, 2)->SetVerLineColor(RGB(1, 2, 3)); // the left neighbour's line
    control->EditPageCell(0, 3, 3)->SetVerLineColor(RGB(4, 5, 6));
    IDispatch* cell = CellObject(0, 3, 3);
    EXPECT_EQ(AsLong(Invoke(cell, kGetVerLineColor, {L(0)})), LONG(RGB(1, 2, 3)));
    EXPECT_EQ(AsLong(Invoke(cell, kGetVerLineColor, {L(2)})), LONG(RGB(4, 5, 6)));
    EXPECT_EQ(AsLong(Invoke(cell, kGetVerLineColor, {L(1)})), 0);
    control->EditPageCell(0, 3, 2)->SetVerLineColor(RGB(4, 5, 6));
    EXPECT_EQ(AsLong(Invoke(cell, kGetVerLineColor, {L(1)})), LONG(RGB(4, 5, 6)));
    cell->Release();
}

TEST_F(Objects, TheFontObjectEditsTheCellsFontRecordInPlace)
{
    IDispatch* cell = CellObject(0, 5, 5);
    Variant fontResult = Invoke(cell, kGetFontObject);
    ASSERT_EQ((*fontResult).vt, VT_DISPATCH);
    IDispatch* font = (*fontResult).pdispVal;
    ASSERT_NE(font, nullptr);
    EXPECT_EQ(AsLong(Invoke(font, kSetFontCharSet, {Variant::Short(0x186)})), 1);
    EXPECT_EQ(AsLong(Invoke(font, kGetFontCharSet)), 0x86) << "the low byte";
    EXPECT_EQ(AsLong(Invoke(font, kSetFontSize, {L(0)})), 0);
    EXPECT_EQ(AsLong(Invoke(font, kSetFontSize, {L(12)})), 1);
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    EXPECT_EQ(AsLong(Invoke(font, kGetFontHeight)), 12 * dpi / -72);
    EXPECT_EQ(AsLong(Invoke(font, kSetFontFaceName, {S(L"ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789")})), 1);
    EXPECT_EQ(AsText(Invoke(font, kGetFontFaceName)), L"ABCDEFGHIJKLMNOPQRSTUVWXYZ01234") << "cut to 31 bytes";
    EXPECT_EQ(AsLong(Invoke(font, kSetFontFaceName, {S(L"宋体宋体宋体宋体宋体宋体宋体宋体")})), 1);
    EXPECT_EQ(AsText(Invoke(font, kGetFontFaceName)), L"宋体宋体宋体宋体宋体宋体宋体宋") << "not half of the sixteenth";
    const LOGFONTA& stored = control->GetPageCell(0, 5, 5)->GetFont().font;
    EXPECT_EQ(stored.lfCharSet, 0x86);
    EXPECT_EQ(control->GetPageCell(0, 5, 6)->GetFont().font.lfCharSet, CNorvakCell::DefaultFont().font.lfCharSet)
        << "the neighbour keeps the shared record";
    cell->Release();
}

namespace {

// The rows of the painted cell (2, 2) that show red text: the first and one past the last, or (0, 0).
std::pair<int, int> RedRows(TestContainer& container)
{
    constexpr int kWidth = 400, kHeight = 200;
    const std::vector<DWORD> pixels = container.DrawToMemory(kWidth, kHeight, 0xFFFFFF);
    int first = 0, end = 0;
    for (int y = 40; y < 60 + 20; ++y)
        for (int x = 140; x < 210 + 70; ++x)
            if (pixels[size_t(y * kWidth + x)] == 0xFF0000) {
                first = first ? first : y;
                end = y + 1;
            }
    return {first, end};
}

} // namespace

TEST_F(Objects, TheFontObjectsChangeShowInTheCellAsPainted)
{
    ASSERT_TRUE(Bool(kDoSetActivePageIndex, {L(0)}));
    ASSERT_TRUE(Bool(kDoSetPageCellText, {L(0), L(2), L(2), S(L"WWW")}));
    EXPECT_EQ(RedRows(container), std::make_pair(0, 0)) << "no red before";
    IDispatch* cell = CellObject(0, 2, 2);
    Variant fontResult = Invoke(cell, kGetFontObject);
    IDispatch* font = (*fontResult).pdispVal;
    ASSERT_NE(font, nullptr);
    ASSERT_EQ(AsLong(Invoke(font, kSetFontColor, {L(0x0000FF)})), 1); // COLORREF red
    const auto small = RedRows(container);
    EXPECT_GT(small.second, small.first) << "the text is painted red";
    ASSERT_EQ(AsLong(Invoke(font, kSetFontHeight, {L(-19)})), 1);
    const auto large = RedRows(container);
    EXPECT_GT(large.second - large.first, small.second - small.first) << "and taller";
    cell->Release();
}

TEST_F(Objects, AnObjectOutlivingItsControlFailsSafelyAndReleasesLater)
{
    IDispatch* cell = CellObject(0, 2, 2);
    Variant fontResult = Invoke(cell, kGetFontObject);
    IDispatch* font = (*fontResult).pdispVal;
    font->AddRef();
    container.Destroy();
    control = nullptr;
    EXPECT_EQ(AsLong(Invoke(cell, kSetText, {S(L"x")})), 0);
    EXPECT_EQ(AsText(Invoke(cell, kGetText)), L"");
    EXPECT_EQ(AsLong(Invoke(font, kGetFontHeight)), -1);
    EXPECT_EQ(AsLong(Invoke(font, kSetFontSize, {L(10)})), 0);
    font->Release();
    EXPECT_EQ(cell->Release(), 0u);
}

TEST_F(Objects, TheRangeObjectChangesEveryCellOfItsRectangleInTheBody)
{
    Variant result = Call(kDoGetGridRangeObject, {L(0), L(2), L(3), L(4), L(5)});
    ASSERT_EQ((*result).vt, VT_DISPATCH);
    IDispatch* range = (*result).pdispVal;
    ASSERT_NE(range, nullptr);
    range->AddRef();
    EXPECT_EQ(AsLong(Invoke(range, kRangeMinRow)), 2);
    EXPECT_EQ(AsLong(Invoke(range, kRangeMaxColumn)), 5);
    EXPECT_EQ(AsLong(Invoke(range, kRangeSetText, {S(L"区")})), 1);
    EXPECT_EQ(AsLong(Invoke(range, kRangeSetBkColor, {L(0x00FF00)})), 1);
    EXPECT_EQ(AsLong(Invoke(range, kRangeSetHorLineStyle, {Variant::Short(3), L(2)})), 1);
    EXPECT_EQ(AsLong(Invoke(range, kRangeSetModify, {B(true)})), 1);
    for (int row = 1; row <= 5; ++row)
        for (int col = 2; col <= 6; ++col) {
            const bool inside = row >= 2 && row <= 4 && col >= 3 && col <= 5;
            const CNorvakCell* cell = control->GetPageCell(0, row, col);
            EXPECT_EQ(Text(kDoGetPageCellText, {L(0), L(row), L(col)}), inside ? L"区" : L"") << row << "," << col;
            EXPECT_EQ(cell->GetFont().crBackground == 0x00FF00, inside) << row << "," << col;
            EXPECT_EQ(cell->GetHorLineStyle() == 3, inside) << row << "," << col;
            EXPECT_EQ(cell->GetEditLock() != 0, inside) << row << "," << col;
        }
    EXPECT_EQ(AsLong(Invoke(range, kRangeSetSelected, {B(true)})), 1);
    EXPECT_EQ(Long(kDoGetPageMinSelectedRow, {L(0)}), 2);
    EXPECT_EQ(Long(kDoGetPageMaxSelectedCol, {L(0)}), 5);
    EXPECT_EQ(control->GetPage(0)->m_selectedCells.GetCount(), 9);

    // A range reaching into the headers is refused whole; so is one on a page that is gone.
    Variant header = Call(kDoGetGridRangeObject, {L(0), L(0), L(2), L(1), L(3)});
    ASSERT_EQ((*header).pdispVal, range) << "the same object, re-bound";
    EXPECT_EQ(AsLong(Invoke(range, kRangeSetText, {S(L"x")})), 0);
    EXPECT_EQ(Text(kDoGetPageCellText, {L(0), L(1), L(2)}), L"");
    EXPECT_EQ(Call(kDoGetGridRangeObject, {L(0), L(3), L(3), L(2), L(3)}).type(), VT_DISPATCH);
    EXPECT_EQ((*Call(kDoGetGridRangeObject, {L(0), L(3), L(3), L(2), L(3)})).pdispVal, nullptr) << "max below min";

    // The range's cell door hands out the one cell object.
    Variant cell = Invoke(range, kRangeGetGridObject, {L(0), L(3), L(4)});
    ASSERT_EQ((*cell).vt, VT_DISPATCH);
    EXPECT_EQ(AsText(Invoke((*cell).pdispVal, kGetText)), L"区");
    container.Destroy();
    control = nullptr;
    EXPECT_EQ(AsLong(Invoke(range, kRangeSetText, {S(L"x")})), 0);
    range->Release(); // the results held above release the rest after the control is gone
}

// Every getter of the cell object reads the defaults of a fresh cell without giving it a record,
// and reads back what its setter wrote.
TEST_F(Objects, EveryCellMemberReadsDefaultsWithoutARecordAndReadsBackWrites)
{
    const int col = 6;
    int row = 6;
    IDispatch* cell = CellObject(0, row, col);
    ASSERT_NE(cell, nullptr);
    HBITMAP bitmap = CreateBitmap(7, 5, 1, 32, nullptr);
    auto get = [&](DISPID id, std::vector<Variant> args = {}) { return AsLong(Invoke(cell, id, std::move(args))); };
    auto set = [&](DISPID id, std::vector<Variant> args) { return get(id, std::move(args)) == 1; };
    auto getEdit = [&] {
        Variant result;
        EXPECT_EQ(InvokeDispatch(cell, kEdit, DISPATCH_PROPERTYGET, {}, &result), S_OK);
        return AsLong(result);
    };
    const Variant own = L(kLineOwn);
    struct Case
    {
        const char* name;
        std::function<LONG()> read;
        LONG fresh;
        std::function<bool()> write;
        LONG written;
    } cases[] = {
        {"edit lock", getEdit, 0,
         [&] { return InvokeDispatch(cell, kEdit, DISPATCH_PROPERTYPUT, {B(true)}, nullptr) == S_OK; }, 1},
        {"background", [&] { return get(kGetBkColor); }, LONG(0xFFFFFFFF), [&] { return set(kSetBkColor, {L(0x123456)}); },
         0x123456},
        {"text colour", [&] { return get(8); }, LONG(0xFF000000), [&] { return set(7, {L(0x00FF00)}); }, 0x00FF00},
        {"text", [&] { return LONG(AsText(Invoke(cell, kGetText)).size()); }, 0,
         [&] { return set(kSetText, {S(L"报表")}); }, 2},
        {"type", [&] { return get(12); }, 1, [&] { return set(11, {Variant::Short(3)}); }, 3},
        {"indent", [&] { return get(14); }, 0, [&] { return set(13, {Variant::Short(4)}); }, 4},
        {"automatic fit", [&] { return get(kIsAutoAdjust); }, 0, [&] { return set(kSetAutoAdjust, {B(true)}); }, 1},
        {"no right line", [&] { return get(17); }, 0, [&] { return set(19, {B(true)}); }, 1},
        {"no bottom line", [&] { return get(18); }, 0, [&] { return set(20, {B(true)}); }, 1},
        {"right line colour", [&] { return get(kGetVerLineColor, {own}); }, LONG(kDefaultLineColor),
         [&] { return set(21, {L(0x0000FF), own}); }, 0x0000FF},
        {"bottom line colour", [&] { return get(24, {own}); }, LONG(kDefaultLineColor),
         [&] { return set(22, {L(0x00FFFF), own}); }, 0x00FFFF},
        {"right line style", [&] { return get(27, {own}); }, 1, [&] { return set(25, {Variant::Short(3), own}); }, 3},
        {"bottom line style", [&] { return get(28, {own}); }, 1, [&] { return set(26, {Variant::Short(4), own}); }, 4},
        {"right line width", [&] { return get(31, {own}); }, 1, [&] { return set(29, {Variant::Short(2), own}); }, 2},
        {"bottom line width", [&] { return get(32, {own}); }, 1, [&] { return set(30, {Variant::Short(3), own}); }, 3},
        {"read-only state", [&] { return get(kGetGridState, {Variant::Short(4)}); }, 0,
         [&] { return set(36, {Variant::Short(4)}); }, 1},
        {"text format", [&] { return get(35); }, 5, [&] { return set(37, {Variant::Short(21)}); }, 21},
        {"image width", [&] { return get(44); }, 0,
         [&] { return set(42, {L(LONG(UINT_PTR(bitmap)))}); }, 7},
        {"selected", [&] { return get(kIsSelected); }, 0, [&] { return set(kSetSelected, {B(true)}); }, 1},
    };
    const CNorvakPageCells& cells = *control->GetPageCells(0);
    for (const Case& c : cases) {
        // Each case on a fresh cell of its own, a row further down; the object is re-bound to it.
        ++row;
        CellObject(0, row, col)->Release();
        ASSERT_EQ(cells.FindOwnCell(row, col), nullptr) << c.name;
        EXPECT_EQ(c.read(), c.fresh) << c.name;
        EXPECT_EQ(cells.FindOwnCell(row, col), nullptr) << c.name << ": a read made a record";
        EXPECT_TRUE(c.write()) << c.name;
        EXPECT_EQ(c.read(), c.written) << c.name;
    }
    EXPECT_TRUE(set(42, {L(0)})) << "the cell lets go of the bitmap";
    cell->Release();
    DeleteObject(bitmap);
    ExpectEveryPageConsistent("after the cell members");
}
