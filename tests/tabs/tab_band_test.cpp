// The tab strip, the arrow bar and the split box on a live control: tab geometry from the strip's
// own measurements, every road to a new active page and what it sets up, the band's layout, arrow
// clicks and the split drag through mouse messages, and the band drawn into a container's DC.

#include "tests/tabs/TabBandFixture.h"

#include "tests/support/GuiResources.h"
#include "tests/support/ModalDriver.h"

#include <functional>
#include <string>
#include <vector>

namespace {

bool Dark(DWORD pixel)
{
    return (pixel & 0xFF) + (pixel >> 8 & 0xFF) + (pixel >> 16 & 0xFF) < 200;
}

// Whether each of the four arrows shows itself able to act, read off the bar's window as it was
// last painted: the glyph of an arrow that can act has black in it, one that cannot is grey.
std::vector<bool> ArrowsShownActing(HWND bar)
{
    std::vector<bool> acting;
    HDC dc = ::GetDC(bar);
    for (int k = 0; k < 4; ++k) {
        int black = 0;
        for (int x = 17 * k + 3; x < 17 * k + 14; ++x)
            for (int y = 4; y < 16; ++y) {
                const COLORREF pixel = ::GetPixel(dc, x, y);
                black += GetRValue(pixel) + GetGValue(pixel) + GetBValue(pixel) < 100;
            }
        acting.push_back(black > 0);
    }
    ::ReleaseDC(bar, dc);
    return acting;
}

} // namespace

TEST_F(TabBandTest, TabGeometryFromTheStripsOwnMeasurement)
{
    strip->LayoutTabs();
    HDC dc = ::GetDC(strip->m_hWnd);
    int previousRight = 0;
    for (int i = 0; i < control->DoGetPageCounts(); ++i) {
        const CNorvakPage& page = *control->GetPage(i);
        const int natural = TabGeometry::MeasureTitle(dc, page) + TabGeometry::IconAllowance(page) + 30;
        EXPECT_GT(TabGeometry::MeasureTitle(dc, page), 20) << "the title has ink: " << i;
        EXPECT_EQ(page.m_nTabRight - page.m_nTabLeft, natural) << i;
        EXPECT_EQ(page.m_nTabLeft, i == 0 ? 0 : previousRight - 8) << i;
        previousRight = page.m_nTabRight;
    }
    ::ReleaseDC(strip->m_hWnd, dc);
    // The active tab is hit where it overlaps its neighbour: in the overlap the higher index wins.
    const CNorvakPage& first = *control->GetPage(0);
    EXPECT_EQ(strip->TabAt(POINT{first.m_nTabRight - 4, first.m_nTabTop + 1}), 1);
    EXPECT_EQ(strip->TabAt(POINT{first.m_nTabLeft + 1, first.m_nTabBottom - 1}), -1) << "outside the trapezoid";
}

TEST_F(TabBandTest, HoverLightsATabAndAClickNeedsItsTrapezoid)
{
    auto move = [&](POINT at) { ::SendMessageW(strip->m_hWnd, WM_MOUSEMOVE, 0, MAKELPARAM(at.x, at.y)); };
    const POINT overSecond = TabCentre(1);
    move(overSecond);
    EXPECT_EQ(control->GetPage(1)->m_nTabIconState, 1) << "hot under the pointer";
    EXPECT_EQ(control->GetPage(0)->m_nTabIconState, 2) << "the active tab stays active";
    move(POINT{strip->GetClientRect().right - 2, 5});
    EXPECT_EQ(control->GetPage(1)->m_nTabIconState, 0);

    // Inside the third tab's rectangle but outside its trapezoid: hover, but a click does nothing.
    const CNorvakPage& third = *control->GetPage(2);
    const POINT corner{third.m_nTabRight - 1, third.m_nTabBottom - 1};
    move(corner);
    EXPECT_EQ(third.m_nTabIconState, 1);
    Click(strip->m_hWnd, corner);
    EXPECT_EQ(control->DoGetActivePageIndex(), 0);

    // While a rename edit is open the tabs do not light up; a click takes the focus from the edit,
    // which ends the rename first, and then acts.
    ::SendMessageW(strip->m_hWnd, WM_COMMAND, ID_PAGE_RENAME, 0);
    ASSERT_FALSE(strip->IsInteractive());
    move(overSecond);
    EXPECT_EQ(control->GetPage(1)->m_nTabIconState, 0);
    strip->UpdateHotTab(overSecond.x, overSecond.y, TRUE);
    EXPECT_EQ(control->DoGetActivePageIndex(), 0);
    Click(strip->m_hWnd, overSecond);
    EXPECT_TRUE(strip->IsInteractive());
    EXPECT_EQ(control->DoGetActivePageIndex(), 1);
    Pump();
    EXPECT_EQ(::FindWindowExW(strip->m_hWnd, nullptr, L"EDIT", nullptr), nullptr);
}

TEST_F(TabBandTest, EveryRoadToAnActivePageSetsItUp)
{
    struct Road
    {
        const char* name;
        std::function<void()> go;
        int expected;
    };
    ModalDriver driver; // the tab menu opens and closes with no command
    const Road roads[] = {
        {"automation", [&] { EXPECT_TRUE(Bool(kDoSetActivePageIndex, {L(2)})); }, 2},
        {"tab click", [&] { Click(strip->m_hWnd, TabCentre(2)); }, 2},
        {"right click on a tab",
         [&] {
             POINT screen = TabCentre(1);
             ::ClientToScreen(strip->m_hWnd, &screen);
             ::SendMessageW(strip->m_hWnd, WM_CONTEXTMENU, WPARAM(strip->m_hWnd), MAKELPARAM(screen.x, screen.y));
         },
         1},
        {"last arrow", [&] { Click(arrows->m_hWnd, POINT{60, 5}); }, 2},
        {"next arrow", [&] { Click(arrows->m_hWnd, POINT{40, 5}); }, 1},
        {"page list of the arrow bar", [&] { ::SendMessageW(arrows->m_hWnd, WM_COMMAND, ID_PAGE_LIST_FIRST + 2, 0); }, 2},
        {"opening a closed page",
         [&] {
             ASSERT_TRUE(strip->ClosePage(1));
             EXPECT_TRUE(strip->OpenPage(1, "", ""));
         },
         1},
        {"insertion", [&] { EXPECT_EQ(Long(kDoInsertPage, {S(L"新页")}), 3); }, 3},
        {"deletion of the active page", [&] { EXPECT_TRUE(Bool(kDoDeletePage, {L(0)})); }, 0},
    };
    for (const Road& road : roads) {
        SCOPED_TRACE(road.name);
        ASSERT_TRUE(control->ActivatePage(0, FALSE));
        control->SetPendingCut(CCellRect(1, 1, 2, 2));
        road.go();
        Pump();
        const int active = control->DoGetActivePageIndex();
        EXPECT_EQ(active, road.expected);
        EXPECT_EQ(control->GetPendingCut().minRow, -1) << "the pending cut ends";
        control->GetPageStore().ForEachPage([&](int index, const CNorvakPage& page) {
            EXPECT_EQ(page.m_nTabIconState, index == active ? 2 : 0) << index;
        });
        const CNorvakPage& page = *control->GetPage(active);
        EXPECT_GE(page.m_nTabLeft, 0);
        EXPECT_LE(page.m_nTabRight, strip->GetClientRect().right) << "its tab in view";
        SCROLLINFO info{};
        info.cbSize = sizeof(info);
        info.fMask = SIF_RANGE | SIF_PAGE;
        ::GetScrollInfo(control->GetChildWindow(kIdVertBar), SB_CTL, &info);
        // The last position a bar takes is its maximum less its page, plus one.
        EXPECT_EQ(info.nMax - int(info.nPage) + 1, std::max(page.m_nVertRange, 0)) << "the scroll bars show the new page";
        ExpectEveryPageConsistent(road.name);
    }
}

TEST_F(TabBandTest, EveryChangeOfTheActivePageRepaintsTheArrows)
{
    ModalDriver driver; // the tab menu opens and closes with no command
    struct Road
    {
        const char* name;
        int from;
        std::function<void()> go;
    };
    const Road roads[] = {
        {"automation", 0, [&] { EXPECT_TRUE(Bool(kDoSetActivePageIndex, {L(2)})); }},
        {"tab click", 0, [&] { Click(strip->m_hWnd, TabCentre(2)); }},
        {"tab menu",
         0,
         [&] {
             POINT screen = TabCentre(2);
             ::ClientToScreen(strip->m_hWnd, &screen);
             ::SendMessageW(strip->m_hWnd, WM_CONTEXTMENU, WPARAM(strip->m_hWnd), MAKELPARAM(screen.x, screen.y));
         }},
        {"page list of the arrow bar", 0, [&] { ::SendMessageW(arrows->m_hWnd, WM_COMMAND, ID_PAGE_LIST_FIRST + 2, 0); }},
        {"last arrow", 0, [&] { Click(arrows->m_hWnd, POINT{60, 5}); }},
        {"opening a closed page",
         0,
         [&] {
             ASSERT_TRUE(strip->ClosePage(2));
             EXPECT_TRUE(strip->OpenPage(2, "", ""));
         }},
        {"insertion", 0, [&] { control->DoInsertPage(CString("新页") + CString(std::to_string(control->DoGetPageCounts()).c_str())); }},
        {"deletion of the page before the active one", 1, [&] { EXPECT_TRUE(Bool(kDoDeletePage, {L(0)})); }},
    };
    for (BOOL flat : {FALSE, TRUE}) {
        arrows->SetFlat(flat);
        for (const Road& road : roads) {
            SCOPED_TRACE(std::string(road.name) + (flat ? ", flat" : ", 3-D"));
            ASSERT_TRUE(control->ActivatePage(road.from, FALSE));
            ::RedrawWindow(arrows->m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
            const std::vector<bool> before = ArrowsShownActing(arrows->m_hWnd);
            road.go();
            Pump();
            const int active = control->DoGetActivePageIndex();
            const int count = control->DoGetPageCounts();
            const std::vector<bool> expected = {active > 0, active > 0, active + 1 < count, active + 1 < count};
            EXPECT_NE(before, expected) << "the change is one the arrows show";
            EXPECT_EQ(ArrowsShownActing(arrows->m_hWnd), expected) << "page " << active << " of " << count;
        }
    }
}

TEST_F(TabBandTest, TheTabOfAnActivatedPageScrollsIntoView)
{
    for (int i = 0; i < 12; ++i)
        control->DoInsertPage(CString("页") + CString(std::to_string(i).c_str()));
    const CRect room = strip->GetClientRect();
    for (int page : {14, 0, 7, 14}) {
        ASSERT_TRUE(control->ActivatePage(page, FALSE));
        RECT tab{};
        ASSERT_TRUE(strip->GetTabRect(page, &tab));
        EXPECT_GE(tab.left, room.left) << page;
        EXPECT_LE(tab.right, room.right) << page;
    }
    EXPECT_LT(control->GetPage(0)->m_nTabLeft, 0) << "the first tabs went out at the left";
    // A wider strip brings them back, never past a first left edge of 0.
    Resize(4000, kHeight);
    EXPECT_EQ(control->GetPage(0)->m_nTabLeft, 0);
}

TEST_F(TabBandTest, PagesInsertedInARowLeaveTheTabsAsInsertingThemOneByOne)
{
    constexpr int kInserted = 40;
    auto title = [](int i) { return CString(("第" + std::to_string(i + 1) + "页").c_str()); };
    auto tabs = [&] {
        std::vector<CRect> rects;
        for (int page = 0; page < control->DoGetPageCounts(); ++page) {
            RECT rect{};
            EXPECT_TRUE(strip->GetTabRect(page, &rect)) << page;
            rects.push_back(rect);
        }
        return rects;
    };
    // As a container that lets the strip paint after every insertion sees them.
    for (int i = 0; i < kInserted; ++i) {
        control->DoInsertPage(title(i));
        ::UpdateWindow(strip->m_hWnd);
    }
    const std::vector<CRect> oneByOne = tabs();
    const CRect room = strip->GetClientRect();
    ASSERT_LT(oneByOne[0].left, room.left) << "the tabs overflow the strip";
    EXPECT_EQ(oneByOne.back().right, room.right) << "the last one brought into view at the right";

    // Deleted from the last, with no paint between: the last page left is the active one, in view.
    for (int i = 0; i < kInserted; ++i)
        ASSERT_TRUE(control->DoDeletePage(control->DoGetPageCounts() - 1));
    const std::vector<CRect> left = tabs();
    ASSERT_EQ(left.size(), 3u);
    EXPECT_EQ(control->DoGetActivePageIndex(), 2);
    EXPECT_GE(left[2].left, room.left);
    EXPECT_LE(left[2].right, room.right);

    // Inserted again with no paint between, as a file of many pages or a client's loop does: one
    // layout at the end puts every tab where the painted insertions did.
    for (int i = 0; i < kInserted; ++i)
        control->DoInsertPage(title(i));
    EXPECT_EQ(tabs(), oneByOne);
    control->GetPageStore().ForEachPage([&](int index, const CNorvakPage& page) {
        EXPECT_EQ(page.m_nTabIconState, index == kInserted + 2 ? 2 : 0) << index;
    });

    // Deleted from the first: every later page moves down, the active one stays last and in view.
    for (int i = 0; i < kInserted; ++i)
        ASSERT_TRUE(control->DoDeletePage(0));
    ASSERT_EQ(control->DoGetPageCounts(), 3);
    EXPECT_EQ(control->GetPage(0)->m_strTitle, title(kInserted - 3));
    const std::vector<CRect> last = tabs();
    EXPECT_GE(last[2].left, room.left);
    EXPECT_LE(last[2].right, room.right);
    for (size_t page = 1; page < last.size(); ++page)
        EXPECT_EQ(last[page].left, last[page - 1].right - 8) << page;
    // The arrow bar walks the pages that are left.
    Click(arrows->m_hWnd, POINT{40, 5});
    EXPECT_EQ(control->DoGetActivePageIndex(), 2) << "no page after the last";
    Click(arrows->m_hWnd, POINT{5, 5});
    EXPECT_EQ(control->DoGetActivePageIndex(), 0);
    EXPECT_EQ(tabs()[0].left, room.left) << "the first tab at the strip's left edge";
    ExpectEveryPageConsistent("the deletions");
}

TEST_F(TabBandTest, TheHorizontalBarKeepsItsWidthAsPagesAreInserted)
{
    // Each new page is activated before its rows exist, then given rows that need a vertical bar.
    auto insertWithRows = [&](const CString& title) {
        const long page = control->DoInsertPage(title);
        ASSERT_TRUE(control->DoSetPageRowCounts(page, 100, 1));
        ASSERT_TRUE(control->DoSetPageColumnCounts(page, 50, 1));
    };
    insertWithRows("一");
    const CRect once = ChildRect(strip->m_hWnd);
    for (int i = 0; i < 10; ++i)
        insertWithRows(CString("页") + CString(std::to_string(i).c_str()));
    EXPECT_EQ(ChildRect(strip->m_hWnd), once);
    ASSERT_TRUE(control->ActivatePage(1, FALSE));
    EXPECT_EQ(ChildRect(strip->m_hWnd), once);
}

TEST_F(TabBandTest, AnInsertedPagesTabIsInsideTheStripPastTheOverflow)
{
    // As the host inserts a page: activated before it has rows or columns, then given both, which
    // bring the scroll bars back and narrow the strip.
    for (int i = 0; i < 15; ++i) {
        const long page = control->DoInsertPage(CString("页") + CString(std::to_string(i).c_str()));
        ASSERT_TRUE(control->DoSetPageRowCounts(page, 100, 1));
        ASSERT_TRUE(control->DoSetPageColumnCounts(page, 50, 1));
        RECT tab{};
        ASSERT_TRUE(strip->GetTabRect(page, &tab));
        const CRect room = strip->GetClientRect();
        EXPECT_GE(tab.left, room.left) << page;
        EXPECT_LE(tab.right, room.right) << page;
    }
    EXPECT_LT(control->GetPage(0)->m_nTabLeft, 0) << "the tabs overflowed the strip";
}

TEST_F(TabBandTest, TwoOrFourArrowsLayTheBandOutAgain)
{
    EXPECT_EQ(control->GetChildWindow(kIdPageTitle), strip->m_hWnd) << "found by its negative id";
    EXPECT_EQ(control->GetChildWindow(kIdArrowBar), arrows->m_hWnd);
    EXPECT_EQ(control->GetChildWindow(kIdSplitBox), split->m_hWnd);
    EXPECT_EQ(ChildRect(strip->m_hWnd).left, 68);
    ::SendMessageW(arrows->m_hWnd, WM_COMMAND, ID_ARROWS_TWO, 0);
    EXPECT_EQ(arrows->GetArrows(), 2);
    EXPECT_EQ(ChildRect(arrows->m_hWnd).right, 34);
    EXPECT_EQ(ChildRect(strip->m_hWnd).left, 34);
    ::SendMessageW(arrows->m_hWnd, WM_COMMAND, ID_ARROWS_FOUR, 0);
    EXPECT_EQ(ChildRect(strip->m_hWnd).left, 68);
    // A status text widens the bar, which the strip gives way to.
    arrows->SetShowStatusInfo(TRUE);
    EXPECT_GT(ChildRect(strip->m_hWnd).left, 68 + 28);
    EXPECT_EQ(ChildRect(strip->m_hWnd).left, ChildRect(arrows->m_hWnd).right);
    arrows->SetShowStatusInfo(FALSE);
    strip->SetWindowVisible(FALSE);
    EXPECT_FALSE(::IsWindowVisible(strip->m_hWnd));
    EXPECT_EQ(ChildRect(arrows->m_hWnd).right, ChildRect(split->m_hWnd).left) << "the arrow bar takes the strip's room";
}

TEST_F(TabBandTest, ArrowClicksThroughMouseMessages)
{
    struct
    {
        bool two;
        int x, from, to, current;
    } const rows[] = {
        {false, 5, 2, 0, 0},    // first
        {false, 0, 2, 0, 0},    // left of the first cell still counts as it
        {false, 20, 2, 1, 1},   // previous
        {false, 40, 1, 2, 2},   // next
        {false, 60, 0, 2, 3},   // last
        {false, 20, 0, 0, 1},   // previous on the first page: only the pressed look
        {false, 40, 2, 2, 2},   // next on the last page
        {false, 70, 1, 1, -1},  // right of the arrows: nothing
        {true, 5, 1, 0, 0},     // previous
        {true, 20, 1, 2, 1},    // next
        {true, 40, 1, 1, -1},
    };
    for (const auto& row : rows) {
        arrows->SetTwoArrows(row.two);
        ASSERT_TRUE(control->ActivatePage(row.from, FALSE));
        // Below the cells counts too: only the column is tested.
        ::SendMessageW(arrows->m_hWnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(row.x, 18));
        EXPECT_EQ(arrows->GetCurrentArrow(), row.current) << row.two << " at " << row.x;
        ::SendMessageW(arrows->m_hWnd, WM_LBUTTONUP, 0, MAKELPARAM(row.x, 18));
        EXPECT_EQ(arrows->GetCurrentArrow(), -1);
        EXPECT_EQ(control->DoGetActivePageIndex(), row.to) << row.two << " at " << row.x;
    }
}

TEST_F(TabBandTest, SplitDragIsClampedToTheBand)
{
    const CRect client = control->GetClientRect();
    auto dragTo = [&](int controlX, UINT flags) {
        POINT at{controlX, client.bottom - 5};
        ::MapWindowPoints(control->m_hWnd, split->m_hWnd, &at, 1);
        ::SendMessageW(split->m_hWnd, WM_MOUSEMOVE, flags, MAKELPARAM(at.x, at.y));
    };
    ::SendMessageW(split->m_hWnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    struct
    {
        int x, left;
    } const rows[] = {{300, 300}, {-900, 69}, {68, 69}, {5000, client.right - 56}, {500, 500}};
    for (const auto& row : rows) {
        dragTo(row.x, MK_LBUTTON);
        EXPECT_EQ(ChildRect(split->m_hWnd).left, row.left) << row.x;
        EXPECT_EQ(ChildRect(strip->m_hWnd).right, row.left) << row.x;
        EXPECT_EQ(ChildRect(control->GetChildWindow(kIdHorzBar)).left, row.left + 5) << row.x;
    }
    ::SendMessageW(split->m_hWnd, WM_LBUTTONUP, 0, 0);
    dragTo(200, 0);
    EXPECT_EQ(ChildRect(split->m_hWnd).left, 500) << "no button held: nothing moves";
    // The control keeps the position for its later layouts.
    Resize(kWidth, kHeight + 20);
    EXPECT_EQ(ChildRect(split->m_hWnd).left, 500);
}

TEST_F(TabBandTest, ASplitDragThatCannotMoveTheBoxChangesNothing)
{
    // Page 1 has a horizontal bar; page 0, with three columns, has none and its box sits at the
    // right end of the band.
    ASSERT_TRUE(control->ActivatePage(1, FALSE));
    const CRect withBar = ChildRect(split->m_hWnd);
    ASSERT_TRUE(control->DoSetPageColumnCounts(0, 3, 1));
    ASSERT_TRUE(control->ActivatePage(0, FALSE));
    ASSERT_TRUE(ChildRect(control->GetChildWindow(kIdHorzBar)).IsRectEmpty());
    const CRect withoutBar = ChildRect(split->m_hWnd);
    ::SendMessageW(split->m_hWnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    POINT at{300, withoutBar.top + 2};
    ::MapWindowPoints(control->m_hWnd, split->m_hWnd, &at, 1);
    ::SendMessageW(split->m_hWnd, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(at.x, at.y));
    ::SendMessageW(split->m_hWnd, WM_LBUTTONUP, 0, MAKELPARAM(at.x, at.y));
    EXPECT_EQ(ChildRect(split->m_hWnd), withoutBar) << "the box stays";
    ASSERT_TRUE(control->ActivatePage(1, FALSE));
    EXPECT_EQ(ChildRect(split->m_hWnd), withBar) << "and the next page finds it where it was";
}

TEST_F(TabBandTest, DrawnIntoAContainersDcTheBandShowsTheTabs)
{
    HRESULT hr = E_FAIL;
    const std::vector<DWORD> pixels = container.DrawToMemory(kWidth, kHeight, 0x123456, &hr);
    ASSERT_EQ(hr, S_OK);
    const CRect stripRect = ChildRect(strip->m_hWnd);
    auto at = [&](int x, int y) { return pixels[size_t(y * kWidth + x)]; };
    for (int page = 0; page < 3; ++page) {
        const CNorvakPage& tab = *control->GetPage(page);
        int ink = 0;
        for (int x = tab.m_nTabLeft + 12; x < tab.m_nTabRight - 12; ++x)
            for (int y = stripRect.top + 2; y < stripRect.bottom - 3; ++y)
                ink += Dark(at(stripRect.left + x, y));
        EXPECT_GT(ink, 10) << "the title of tab " << page;
    }
    const POINT middle = TabCentre(0);
    EXPECT_EQ(at(stripRect.left + control->GetPage(0)->m_nTabLeft + 10, stripRect.top + middle.y), 0xFFFFFFu)
        << "the active tab is white";
    // A click on the second tab makes page 1 active.
    Click(strip->m_hWnd, TabCentre(1));
    EXPECT_EQ(Long(kDoGetActivePageIndex), 1);
}

TEST_F(TabBandTest, PaintingAndSwitchingLeakNoHandles)
{
    auto work = [&] {
        for (int page : {1, 2, 0}) {
            Click(strip->m_hWnd, TabCentre(page));
            ::RedrawWindow(control->m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
            container.DrawToMemory(kWidth, kHeight, 0);
        }
    };
    work();
    const DWORD before = GdiObjectCount();
    for (int i = 0; i < 20; ++i)
        work();
    EXPECT_LE(GdiObjectCount(), before + 2);
}
