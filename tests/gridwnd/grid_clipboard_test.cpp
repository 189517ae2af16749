// The grid and the real clipboard: the bytes a copy leaves there in both text formats, text from
// another program pasted into cells with its notifications, a cut, the copied range forgotten
// when another program writes the clipboard, and the edit commands' states.

#include "tests/support/GridWindowFixture.h"

#include <cstring>
#include <cwchar>
#include <string>

namespace {

const auto* const g_ole = ::testing::AddGlobalTestEnvironment(new OleEnvironment);

struct ClipboardHost : GridHost
{
    ClipboardHost()
    {
        Shape(6, 5, 1, 1);
        Pump();
        notices.clear();
    }
};

// The block of a format now on the clipboard, as bytes, its NUL included.
std::string ClipboardBytes(UINT format)
{
    std::string bytes;
    if (!::OpenClipboard(nullptr))
        return bytes;
    if (HANDLE data = ::GetClipboardData(format)) {
        const char* from = static_cast<const char*>(::GlobalLock(data));
        const SIZE_T size = ::GlobalSize(data);
        size_t used = 0;
        const size_t unit = format == CF_UNICODETEXT ? 2 : 1;
        while (used + unit <= size && std::string(from + used, unit) != std::string(unit, '\0'))
            used += unit;
        bytes.assign(from, std::min<size_t>(used + unit, size));
        ::GlobalUnlock(data);
    }
    ::CloseClipboard();
    return bytes;
}

SIZE_T ClipboardSize(UINT format)
{
    SIZE_T size = 0;
    if (::OpenClipboard(nullptr)) {
        if (HANDLE data = ::GetClipboardData(format))
            size = ::GlobalSize(data);
        ::CloseClipboard();
    }
    return size;
}

// Another program's text: the formats given, and nothing else.
void PutOnClipboard(const char* ansi, const wchar_t* wide = nullptr)
{
    ASSERT_TRUE(::OpenClipboard(nullptr));
    ::EmptyClipboard();
    auto put = [](UINT format, const void* data, size_t size) {
        HGLOBAL block = ::GlobalAlloc(GMEM_MOVEABLE, size);
        std::memcpy(::GlobalLock(block), data, size);
        ::GlobalUnlock(block);
        ::SetClipboardData(format, block);
    };
    if (ansi)
        put(CF_TEXT, ansi, std::strlen(ansi) + 1);
    if (wide)
        put(CF_UNICODETEXT, wide, (std::wcslen(wide) + 1) * sizeof(wchar_t));
    ::CloseClipboard();
    GridHost::Pump();
}

} // namespace

TEST(GridClipboard, CopyLeavesTabsNewlinesASpaceAndANulInBothFormats)
{
    ClipboardHost host;
    host.grid.SetItemText(1, 1, "a");
    host.grid.SetItemText(1, 2, "b");
    host.grid.SetItemText(2, 2, "d");
    host.grid.MoveGridFocus(1, 1);
    host.notices.clear();
    host.grid.ApplyGridSelection(1, 1, 2, 2);
    host.CtrlKey('C');
    EXPECT_EQ(ClipboardBytes(CF_TEXT), std::string("a\tb\n \td\0", 8));
    EXPECT_EQ(ClipboardSize(CF_TEXT), 8u) << "no byte past the NUL";
    EXPECT_EQ(ClipboardBytes(CF_UNICODETEXT), std::string("a\0\t\0b\0\n\0 \0\t\0d\0\0\0", 16));
    EXPECT_EQ(CGridCtrl::GetCopiedRange(), CCellRect(1, 1, 2, 2));
    EXPECT_TRUE(host.notices.empty()) << "a copy changes no cell";
}

TEST(GridClipboard, ChineseTextGoesOutInCodePage936AndAsUnicode)
{
    ClipboardHost host;
    host.grid.SetItemText(3, 3, "汉字");
    host.grid.ApplyGridSelection(3, 3, 3, 3);
    host.grid.OnEditCopy();
    EXPECT_EQ(ClipboardBytes(CF_TEXT), std::string("\xBA\xBA\xD7\xD6\0", 5));
    EXPECT_EQ(ClipboardBytes(CF_UNICODETEXT), std::string("\x49\x6C\x57\x5B\0\0", 6));
}

TEST(GridClipboard, PastedTextFillsCellsWithTheirNotifications)
{
    struct Case
    {
        const char* ansi;
        const wchar_t* wide;
        std::vector<const char*> cells; // (2,2), (2,3), (2,4), (3,2)
    };
    const Case cases[] = {
        {"x,y", nullptr, {"x", "y", "", ""}},
        {"a\t\tb", nullptr, {"a", "b", "", ""}},
        {" p \r\n q\t", nullptr, {"p", "", "", "q"}},
        {"\xBA\xBA,1,2,3", nullptr, {"汉", "1", "2", ""}}, // the fourth is past the last column
        {"not this", L"这个", {"这个", "", "", ""}},       // Unicode text comes first
    };
    for (const Case& c : cases) {
        ClipboardHost host;
        host.grid.MoveGridFocus(2, 2);
        host.grid.ApplyGridSelection(2, 2, 3, 4);
        host.notices.clear();
        PutOnClipboard(c.ansi, c.wide);
        host.CtrlKey('V');
        SCOPED_TRACE(c.ansi);
        const CCellCoord at[] = {{2, 2}, {2, 3}, {2, 4}, {3, 2}};
        int filled = 0;
        for (int i = 0; i < 4; ++i) {
            EXPECT_EQ(host.grid.GetItemText(at[i].row, at[i].col), CString(c.cells[size_t(i)]));
            if (*c.cells[size_t(i)]) {
                ++filled;
                EXPECT_TRUE(host.grid.GetItemState(at[i].row, at[i].col) & CGridCell::kModified);
                EXPECT_FALSE(host.grid.GetItemState(at[i].row, at[i].col) & CIS_SELECTED);
            }
        }
        EXPECT_EQ(host.NoticesOf(-105).size(), size_t(filled));
        EXPECT_EQ(host.NoticesOf(-106).size(), size_t(filled));
        EXPECT_EQ(host.notices.size(), size_t(2 * filled)) << "-105 and -106 alone";
    }
}

TEST(GridClipboard, PasteSkipsProtectedCellsAndNeedsAnEditableTarget)
{
    ClipboardHost host;
    host.grid.GetCell(1, 2)->bPasteProtect = 1;
    host.grid.SetItemState(1, 3, CIS_READONLY);
    PutOnClipboard("1,2,3");
    host.grid.MoveGridFocus(1, 1);
    host.grid.OnEditPaste();
    EXPECT_EQ(host.grid.GetItemText(1, 1), CString("1"));
    EXPECT_EQ(host.grid.GetItemText(1, 2), CString());
    EXPECT_EQ(host.grid.GetItemText(1, 3), CString());

    COleDataObject data;
    ASSERT_TRUE(data.AttachClipboard());
    EXPECT_FALSE(host.grid.PasteTextToCells(0, 1, &data)) << "a fixed cell";
    EXPECT_FALSE(host.grid.PasteTextToCells(9, 1, &data));
    host.grid.SetEditable(FALSE);
    EXPECT_FALSE(host.grid.PasteTextToCells(2, 2, &data));
    EXPECT_FALSE(host.grid.OnUpdateEditPaste());
    host.grid.SetEditable(TRUE);
    EXPECT_TRUE(host.grid.OnUpdateEditPaste());
    PutOnClipboard(nullptr);
    EXPECT_FALSE(host.grid.OnUpdateEditPaste()) << "no text on the clipboard";
}

TEST(GridClipboard, CutClearsTheSelectedCellsOnceAfterCopyingThem)
{
    ClipboardHost host;
    host.grid.SetItemText(1, 1, "m");
    host.grid.SetItemText(1, 2, "n");
    host.grid.MoveGridFocus(1, 1); // the keys act only with a focus cell
    host.notices.clear();
    host.grid.ApplyGridSelection(1, 1, 1, 2);
    host.CtrlKey('X');
    EXPECT_EQ(ClipboardBytes(CF_TEXT), std::string("m\tn\0", 4));
    EXPECT_EQ(host.grid.GetItemText(1, 1), CString());
    EXPECT_EQ(host.grid.GetItemText(1, 2), CString());
    EXPECT_EQ(host.notices,
              (std::vector<GridNotice>{{1, 1, -105}, {1, 1, -106}, {1, 2, -105}, {1, 2, -106}}));
    EXPECT_EQ(CGridCtrl::GetCopiedRange(), CCellRect(1, 1, 1, 2));

    host.grid.SetEditable(FALSE);
    host.grid.SetItemText(2, 2, "kept");
    host.grid.ApplyGridSelection(2, 2, 2, 2);
    EXPECT_FALSE(host.grid.OnUpdateEditCut());
    EXPECT_TRUE(host.grid.OnUpdateEditCopy());
    host.grid.OnEditCut();
    EXPECT_EQ(host.grid.GetItemText(2, 2), CString("kept"));
}

TEST(GridClipboard, AnotherProgramsWriteEndsTheCopiedRangeAndOurOwnDoesNot)
{
    ClipboardHost host;
    host.grid.ApplyGridSelection(1, 1, 2, 2);
    host.grid.OnEditCopy();
    GridHost::Pump();
    EXPECT_EQ(CGridCtrl::GetCopiedRange(), CCellRect(1, 1, 2, 2));
    host.grid.ApplyGridSelection(3, 3, 3, 3);
    host.grid.OnEditCopy();
    GridHost::Pump();
    EXPECT_EQ(CGridCtrl::GetCopiedRange(), CCellRect(3, 3, 3, 3));

    PutOnClipboard("other");
    EXPECT_EQ(CGridCtrl::GetCopiedRange(), CCellRect());
    host.grid.ClearGridSelection();
    EXPECT_FALSE(host.grid.OnUpdateEditCopy());
}

TEST(GridClipboard, MarqueeBlinksRoundTheCopiedRange)
{
    ClipboardHost host;
    for (int row = 0; row < 6; ++row)
        host.grid.SetRowHeight(row, 20);
    for (int col = 0; col < 5; ++col)
        host.grid.SetColumnWidth(col, 40);
    host.grid.SetTextBkColor(RGB(255, 255, 255));
    host.grid.ApplyGridSelection(2, 2, 3, 3);
    host.grid.OnEditCopy();
    ::RedrawWindow(host.grid, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    host.Post(WM_TIMER, CGridCtrl::kMarqueeTimer);
    CRect first;
    ASSERT_TRUE(host.grid.GetGridCellRect(2, 2, first));
    HDC dc = ::GetDC(host.grid);
    int dotted = 0;
    for (int x = first.left; x < first.left + 30; ++x)
        dotted += ::GetPixel(dc, x, first.top) == CGridCtrl::kMarqueeColour;
    EXPECT_GT(dotted, 5) << "the dotted frame along the range's top";
    ::ReleaseDC(host.grid, dc);
    PutOnClipboard("other");
    host.Post(WM_TIMER, CGridCtrl::kMarqueeTimer);
    EXPECT_EQ(CGridCtrl::GetCopiedRange(), CCellRect());
}
