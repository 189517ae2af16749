// Where the tabs lie: natural widths, the overlap of neighbours, custom widths, the shape a click
// must hit, scrolling a tab into view, widening, and the icon each state shows.

#include "tabs/model/TabGeometry.h"

#include "framework/Geometry.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <climits>

using namespace TabGeometry;

namespace {

// Pages whose titles measure ten pixels a byte, with no icons.
struct ThreePages
{
    CPageStore pages;
    ThreePages()
    {
        for (const char* title : {"A", "BBB", "CC"})
            pages.Append(title);
    }
    void Layout()
    {
        LayoutTabs(pages, [](const CNorvakPage& page) { return 10 * page.m_strTitle.GetLength(); });
    }
    CNorvakPage& operator[](int i) { return *pages.GetPage(i); }
};

} // namespace

TEST(TabGeometry, NaturalWidthsAndOverlap)
{
    ThreePages tabs;
    tabs.Layout();
    const int expected[][2] = {{0, 40}, {32, 92}, {84, 134}};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(tabs[i].m_nTabLeft, expected[i][0]) << i;
        EXPECT_EQ(tabs[i].m_nTabRight, expected[i][1]) << i;
        EXPECT_EQ(tabs[i].m_nTabWidth, expected[i][1] - expected[i][0]) << i;
    }
}

TEST(TabGeometry, CustomWidthOnlyOnceLaidOut)
{
    ThreePages tabs;
    tabs[1].m_bDefaultTabWidth = 0;
    tabs[1].m_nTabWidth = 100;
    tabs.Layout();
    EXPECT_EQ(tabs[1].m_nTabRight, 92) << "never laid out: its text width, stored as its width";
    EXPECT_EQ(tabs[1].m_nTabWidth, 60);
    tabs[1].m_nTabWidth = 100;
    tabs.Layout();
    EXPECT_EQ(tabs[1].m_nTabRight, 132);
    EXPECT_EQ(tabs[2].m_nTabLeft, 124);
}

TEST(TabGeometry, TabsAsWideAsAnIntStopAtItsEndInsteadOfWrapping)
{
    ThreePages tabs;
    tabs.Layout();
    for (int i : {0, 1}) {
        tabs[i].m_bDefaultTabWidth = 0;
        tabs[i].m_nTabWidth = INT_MAX;
    }
    tabs.Layout();
    EXPECT_EQ(tabs[0].m_nTabRight, INT_MAX);
    EXPECT_EQ(tabs[1].m_nTabLeft, INT_MAX - 8);
    EXPECT_EQ(tabs[2].m_nTabLeft, INT_MAX - 8);
    EXPECT_EQ(tabs[2].m_nTabRight, INT_MAX);
    ShiftTabs(tabs.pages, INT_MIN);
    EXPECT_EQ(tabs[0].m_nTabLeft, INT_MIN);
    EXPECT_EQ(tabs[0].m_nTabRight, -1);
    const auto body = Body(tabs[0]);
    EXPECT_EQ(body[2].x, -9) << "the bottom edge keeps its slope";
    EXPECT_EQ(ScrollIntoViewLeft(0, 400, INT_MIN, INT_MAX), 0) << "wider than the strip: at its left";
    EXPECT_EQ(ScrollIntoViewLeft(0, 400, INT_MAX - 10, INT_MAX), 390);
}

TEST(TabGeometry, IconRoomCountsOnlyForShownIcons)
{
    ThreePages tabs;
    HIMAGELIST icons = ::ImageList_Create(16, 16, ILC_COLOR32, 1, 0);
    HICON icon = ::LoadIconW(nullptr, MAKEINTRESOURCEW(32512));
    ::ImageList_ReplaceIcon(icons, -1, icon);
    tabs[0].m_tabIcons = CTabIcons(icons);
    EXPECT_EQ(IconAllowance(tabs[0]), 20);
    tabs[0].m_nTabIconState = -1;
    EXPECT_EQ(IconAllowance(tabs[0]), 0);
    EXPECT_EQ(IconAllowance(tabs[1]), 0) << "no icons";
}

TEST(TabGeometry, HitsAndHover)
{
    ThreePages tabs;
    tabs.Layout();
    for (int i = 0; i < 3; ++i) {
        tabs[i].m_nTabTop = 0;
        tabs[i].m_nTabBottom = 17;
    }
    struct
    {
        POINT point;
        bool body0, body1, bounds0;
    } const rows[] = {
        {{20, 8}, true, false, true},
        {{36, 1}, true, true, true},    // the overlap triangle: both hit, the higher index wins a click
        {{1, 16}, false, false, true},  // inside the rectangle, outside the trapezoid: hover only
        {{41, 16}, false, true, false},
        {{41, 18}, false, false, false},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(BodyContains(tabs[0], row.point), row.body0) << row.point.x << "," << row.point.y;
        EXPECT_EQ(BodyContains(tabs[1], row.point), row.body1) << row.point.x << "," << row.point.y;
        EXPECT_EQ(BoundsContain(tabs[0], row.point), row.bounds0) << row.point.x << "," << row.point.y;
    }
    // The hover bounds include their edges.
    EXPECT_TRUE(BoundsContain(tabs[0], POINT{40, 17}));
    EXPECT_TRUE(BoundsContain(tabs[0], POINT{0, 0}));
}

TEST(TabGeometry, ScrollIntoView)
{
    struct
    {
        int left, right;
        std::optional<int> newLeft;
    } const rows[] = {
        {10, 90, std::nullopt}, // in view
        {0, 100, std::nullopt}, // exactly the strip
        {-20, 50, 0},           // cut off at the left
        {-80, -10, 0},          // wholly left
        {-80, 0, 0},
        {60, 130, 30},          // cut off at the right
        {150, 200, 50},         // wholly right
        {100, 140, 60},
        {-10, 120, 0},          // wider than the strip
    };
    for (const auto& row : rows)
        EXPECT_EQ(ScrollIntoViewLeft(0, 100, row.left, row.right), row.newLeft) << row.left << ".." << row.right;
}

TEST(TabGeometry, MovingATabMovesTheOthers)
{
    ThreePages tabs;
    tabs.Layout();
    EXPECT_TRUE(MoveTabs(tabs.pages, 1, CRect(10, 2, 90, 15)));
    EXPECT_EQ(tabs[0].m_nTabLeft, -22);
    EXPECT_EQ(tabs[1].m_nTabLeft, 10);
    EXPECT_EQ(tabs[1].m_nTabRight, 90);
    EXPECT_EQ(tabs[1].m_nTabTop, 2);
    EXPECT_EQ(tabs[2].m_nTabLeft, 62 + 20) << "also by the change of the moved tab's width";
    EXPECT_FALSE(MoveTabs(tabs.pages, 3, CRect()));
    EXPECT_FALSE(MoveTabs(tabs.pages, -1, CRect()));
}

TEST(TabGeometry, WideningBringsScrolledTabsBack)
{
    struct
    {
        int width, lastWidth, firstLeft, lastRight, shift;
    } const rows[] = {
        {300, 200, -50, 250, 50},  // never past a first left edge of 0
        {300, 200, -150, 250, 100},
        {300, 200, -50, 301, 0},   // the last tab still reaches past the strip
        {300, 200, 0, 250, 0},     // nothing scrolled
        {200, 300, -50, 150, 0},   // narrowing
    };
    for (const auto& row : rows)
        EXPECT_EQ(WideningShift(row.width, row.lastWidth, row.firstLeft, row.lastRight), row.shift);
}

TEST(TabGeometry, IconByStateAndCount)
{
    struct
    {
        int count, state;
        std::optional<CTabIcon> icon;
    } const rows[] = {
        {0, 1, std::nullopt},
        {3, -1, std::nullopt},
        {1, 0, CTabIcon{0, ILD_TRANSPARENT, false}}, {3, 0, CTabIcon{0, ILD_TRANSPARENT, false}},
        {1, 1, CTabIcon{0, ILD_BLEND50, true}},      {2, 1, CTabIcon{1, ILD_TRANSPARENT, true}},
        {3, 1, CTabIcon{1, ILD_TRANSPARENT, true}},  {1, 2, CTabIcon{0, ILD_BLEND50, false}},
        {2, 2, CTabIcon{0, ILD_BLEND50, false}},     {3, 2, CTabIcon{2, ILD_TRANSPARENT, false}},
    };
    for (const auto& row : rows) {
        const auto icon = IconOf(row.count, row.state);
        ASSERT_EQ(icon.has_value(), row.icon.has_value()) << row.count << "/" << row.state;
        if (!icon)
            continue;
        EXPECT_EQ(icon->index, row.icon->index) << row.count << "/" << row.state;
        EXPECT_EQ(icon->style, row.icon->style) << row.count << "/" << row.state;
        EXPECT_EQ(icon->blueText, row.icon->blueText) << row.count << "/" << row.state;
    }
}
