// Drag and drop of the grid: selected cells dragged out (the system's drag loop answered by the
// test), a move clearing them once, text dropped on a cell through the registered drop target, and
// the picture of the dragged cells.

#include "tests/support/GridWindowFixture.h"

#include <cstring>
#include <functional>

namespace {

const auto* const g_ole = ::testing::AddGlobalTestEnvironment(new OleEnvironment);

struct DragHost : GridHost
{
    DragHost()
    {
        Shape(6, 5, 1, 1, 20, 40);
        grid.SetItemText(1, 1, "s");
        grid.SetItemText(1, 2, "t");
        grid.EnableDragAndDrop(TRUE);
        grid.ApplyGridSelection(1, 1, 1, 2);
        Pump();
        notices.clear();
    }
    // Presses on a selected cell and moves past the drag threshold.
    void DragFrom(int row, int col)
    {
        const CPoint from = CentreOf(row, col);
        Post(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(from.x, from.y));
        Post(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(from.x + 15, from.y + 15));
        Post(WM_LBUTTONUP, 0, MAKELPARAM(from.x + 15, from.y + 15));
    }
    POINTL Screen(int row, int col) const
    {
        POINT point = CentreOf(row, col);
        ::ClientToScreen(grid, &point);
        return POINTL{point.x, point.y};
    }
};

// What the drag loop does, for the test in hand.
std::function<DROPEFFECT(IDataObject*, DROPEFFECT)> g_dragLoop;

DROPEFFECT AnswerDrag(IDataObject* data, DROPEFFECT allowed)
{
    return g_dragLoop ? g_dragLoop(data, allowed) : DROPEFFECT_NONE;
}

std::string TextOf(IDataObject* data)
{
    COleDataObject object;
    object.Attach(data);
    HGLOBAL block = object.GetGlobalData(CF_TEXT);
    std::string text = block ? static_cast<const char*>(::GlobalLock(block)) : "";
    if (block) {
        ::GlobalUnlock(block);
        ::GlobalFree(block);
    }
    return text;
}

COleDataSource* TextSource(const char* text)
{
    auto* source = new COleDataSource;
    HGLOBAL block = ::GlobalAlloc(GMEM_MOVEABLE, std::strlen(text) + 1);
    std::memcpy(::GlobalLock(block), text, std::strlen(text) + 1);
    ::GlobalUnlock(block);
    source->CacheGlobalData(CF_TEXT, block);
    return source;
}

struct DragHook
{
    DragHook() { COleDataSource::SetDragDropHook(&AnswerDrag); }
    ~DragHook()
    {
        COleDataSource::SetDragDropHook(nullptr);
        g_dragLoop = nullptr;
    }
};

} // namespace

TEST(GridDragOut, MoveClearsTheDraggedCellsOnceAndCopyKeepsThem)
{
    DragHook hook;
    for (DROPEFFECT effect : {DROPEFFECT_MOVE, DROPEFFECT_COPY, DROPEFFECT_NONE}) {
        DragHost host;
        std::string dragged;
        DROPEFFECT offered = 0;
        int modeDuringDrag = -1;
        g_dragLoop = [&](IDataObject* data, DROPEFFECT allowed) {
            dragged = TextOf(data);
            offered = allowed;
            modeDuringDrag = host.grid.GetMouseMode();
            return effect;
        };
        host.DragFrom(1, 2);
        SCOPED_TRACE(effect);
        EXPECT_EQ(dragged, "s\tt");
        EXPECT_EQ(offered, DROPEFFECT_COPY | DROPEFFECT_MOVE);
        EXPECT_EQ(modeDuringDrag, kGridMouseDragging);
        EXPECT_EQ(host.grid.GetMouseMode(), kGridMouseIdle);
        std::vector<GridNotice> expected{{1, 1, -109}};
        if (effect == DROPEFFECT_MOVE)
            expected.insert(expected.end(), {{1, 1, -105}, {1, 1, -106}, {1, 2, -105}, {1, 2, -106}});
        EXPECT_EQ(host.notices, expected);
        EXPECT_EQ(host.grid.GetItemText(1, 1), CString(effect == DROPEFFECT_MOVE ? "" : "s"));
    }
}

TEST(GridDragOut, WithoutDragAndDropAPressSelectsInstead)
{
    DragHook hook;
    DragHost host;
    bool dragged = false;
    g_dragLoop = [&](IDataObject*, DROPEFFECT) {
        dragged = true;
        return DROPEFFECT_NONE;
    };
    host.grid.EnableDragAndDrop(FALSE);
    host.DragFrom(1, 2);
    EXPECT_FALSE(dragged);
    EXPECT_EQ(host.grid.GetFocusCell(), CCellCoord(1, 2));

    host.grid.EnableDragAndDrop(TRUE);
    host.grid.ApplyGridSelection(1, 1, 1, 2);
    host.Click(host.CentreOf(1, 1));
    EXPECT_FALSE(dragged) << "a press without a move is a click";
    EXPECT_EQ(host.grid.GetSelectedGridRange(), CCellRect(1, 1, 1, 1));
}

TEST(GridDropTarget, TextDropsOnTheEditableCellUnderThePoint)
{
    DragHost host;
    EXPECT_EQ(::RegisterDragDrop(host.grid, host.grid.DropTarget()), DRAGDROP_E_ALREADYREGISTERED);
    COleDataSource* source = TextSource("p\tq");
    IDropTarget* target = host.grid.DropTarget();
    struct Case
    {
        int row, col;
        DWORD keys;
        DROPEFFECT allowed;
        DROPEFFECT expected;
    };
    const Case cases[] = {
        {3, 2, 0, DROPEFFECT_COPY | DROPEFFECT_MOVE, DROPEFFECT_MOVE},
        {3, 2, MK_CONTROL, DROPEFFECT_COPY | DROPEFFECT_MOVE, DROPEFFECT_COPY},
        {3, 2, 0, DROPEFFECT_COPY, DROPEFFECT_COPY},
        {0, 2, 0, DROPEFFECT_COPY | DROPEFFECT_MOVE, DROPEFFECT_NONE}, // a heading
        {3, 0, 0, DROPEFFECT_COPY | DROPEFFECT_MOVE, DROPEFFECT_NONE},
    };
    for (const Case& c : cases) {
        DWORD effect = c.allowed;
        ASSERT_EQ(target->DragEnter(source, c.keys, host.Screen(c.row, c.col), &effect), S_OK);
        EXPECT_EQ(effect, c.expected) << c.row << ", " << c.col;
        effect = c.allowed;
        target->DragOver(c.keys, host.Screen(c.row, c.col), &effect);
        EXPECT_EQ(effect, c.expected) << c.row << ", " << c.col;
        target->DragLeave();
    }
    DWORD effect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
    target->DragEnter(source, 0, host.Screen(4, 3), &effect);
    ASSERT_EQ(target->Drop(source, 0, host.Screen(4, 3), &effect), S_OK);
    EXPECT_EQ(effect, DROPEFFECT_MOVE);
    EXPECT_EQ(host.grid.GetItemText(4, 3), CString("p"));
    EXPECT_EQ(host.grid.GetItemText(4, 4), CString("q"));

    host.grid.SetEditable(FALSE);
    effect = DROPEFFECT_COPY;
    target->DragEnter(source, 0, host.Screen(5, 1), &effect);
    EXPECT_EQ(effect, DROPEFFECT_NONE);
    target->DragLeave();
    source->Release();
}

TEST(GridDropTarget, CellsDraggedFromHereDoNotLandOnThemselves)
{
    DragHook hook;
    DragHost host;
    DROPEFFECT onSelf = 99, beside = 99;
    g_dragLoop = [&](IDataObject* data, DROPEFFECT allowed) {
        IDropTarget* target = host.grid.DropTarget();
        onSelf = beside = allowed;
        target->DragEnter(data, 0, host.Screen(1, 1), &onSelf);
        target->DragOver(0, host.Screen(3, 3), &beside);
        target->DragLeave();
        return DROPEFFECT_NONE;
    };
    host.DragFrom(1, 1);
    EXPECT_EQ(onSelf, DROPEFFECT_NONE);
    EXPECT_EQ(beside, DROPEFFECT_MOVE);
}

TEST(GridDragImage, PictureOfTheSelectedCells)
{
    DragHost host;
    CPoint hotSpot;
    std::unique_ptr<CImageList> image(host.grid.CreateDragImage(&hotSpot));
    ASSERT_TRUE(image);
    EXPECT_EQ(image->GetImageCount(), 1);
    int cx = 0, cy = 0;
    ImageList_GetIconSize(*image, &cx, &cy);
    EXPECT_EQ(CSize(cx, cy), CSize(80, 20));
    EXPECT_EQ(hotSpot, CPoint(40, 20));
    host.grid.ClearGridSelection();
    EXPECT_EQ(host.grid.CreateDragImage(&hotSpot), nullptr);
}
