// The rectangle tracker: handles and hit codes, the minimum size, and the modal loop driven by
// mouse and key messages posted to a window before the loop starts.

#include "framework/RectTracker.h"
#include "framework/Wnd.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

const wchar_t kTrackerClass[] = L"NorvakTrackerTestWindow";

class TrackWindow : public CWnd
{
public:
    bool Create()
    {
        RegisterWindowClass(kTrackerClass, 0);
        return CreateEx(0, kTrackerClass, L"", WS_POPUP | WS_VISIBLE, CRect(0, 0, 400, 300), nullptr, 0);
    }
};

// Records every change the loop reports.
class RecordingTracker : public CRectTracker
{
public:
    using CRectTracker::CRectTracker;
    std::vector<CRect> olds;
    void OnChangedRect(const CRect& oldRect) override { olds.push_back(oldRect); }
};

void Post(HWND window, UINT msg, int x, int y, WPARAM flags = 0)
{
    ::PostMessageW(window, msg, flags, MAKELPARAM(x, y));
}

class Tracking : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(window.Create());
        MSG msg;
        while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
            ::DispatchMessageW(&msg);
    }
    void TearDown() override { window.DestroyWindow(); }

    TrackWindow window;
};

} // namespace

TEST(RectTracker, HitCodesOfTheHandlesInside)
{
    CRectTracker tracker(CRect(10, 10, 110, 60), CRectTracker::resizeInside);
    tracker.m_nHandleSize = 6;
    const struct
    {
        int x, y, hit;
    } cases[] = {
        {10, 10, 0}, {15, 15, 0}, {109, 10, 1}, {109, 59, 2}, {10, 59, 3}, {60, 10, 4}, {109, 35, 5},
        {60, 59, 6}, {10, 35, 7}, {60, 35, 8}, {16, 16, 8},   {110, 35, -1}, {9, 10, -1}, {60, 60, -1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(tracker.HitTest(CPoint(c.x, c.y)), c.hit) << c.x << "," << c.y;
    // A rectangle turned inside out is hit by its sides as they now lie.
    tracker.m_rect = CRect(110, 10, 10, 60);
    EXPECT_EQ(tracker.HitTest(CPoint(10, 10)), 1);
    EXPECT_EQ(tracker.HitTest(CPoint(10, 35)), 5);
    tracker.m_rect.SetRectEmpty();
    EXPECT_EQ(tracker.HitTest(CPoint(0, 0)), -1);
}

TEST(RectTracker, SideHandlesNeedRoomAndHandlesNeverOverlap)
{
    CRectTracker tracker(CRect(0, 0, 100, 12), CRectTracker::resizeInside);
    tracker.m_nHandleSize = 8;
    EXPECT_EQ(tracker.GetHandleSize(), 6);
    EXPECT_EQ(tracker.GetHandleMask(), 0x0Fu | (1u << 4) | (1u << 6));
    EXPECT_EQ(tracker.HitTest(CPoint(0, 6)), 3); // the left side handle is not there
    tracker.m_rect = CRect(0, 0, 100, 100);
    EXPECT_EQ(tracker.GetHandleMask(), 0xFFu);
    EXPECT_EQ(tracker.GetHandleRect(2), CRect(92, 92, 100, 100));
    EXPECT_EQ(tracker.GetHandleRect(8), CRect());
}

TEST(RectTracker, MinimumSizeMovesTheDraggedSides)
{
    CRectTracker tracker;
    tracker.m_sizeMin = CSize(20, 30);
    const struct
    {
        int handle;
        CRect in, out;
    } cases[] = {
        {2, CRect(0, 0, 5, 5), CRect(0, 0, 20, 30)},      {0, CRect(0, 0, 5, 5), CRect(-15, -25, 5, 5)},
        {5, CRect(0, 0, -40, 5), CRect(0, 0, 20, 5)},     {4, CRect(0, 0, 5, 50), CRect(0, 0, 5, 50)},
        {7, CRect(10, 0, 50, 5), CRect(10, 0, 50, 5)},    {8, CRect(0, 0, 5, 5), CRect(0, 0, 5, 5)},
    };
    for (const auto& c : cases) {
        CRect rect = c.in;
        tracker.AdjustRect(c.handle, &rect);
        EXPECT_EQ(rect, c.out) << c.handle;
    }
}

TEST_F(Tracking, AMoveFollowsTheMouseUntilTheRelease)
{
    RecordingTracker tracker(CRect(50, 50, 150, 100), CRectTracker::resizeInside);
    Post(window, WM_MOUSEMOVE, 110, 80, MK_LBUTTON);
    Post(window, WM_MOUSEMOVE, 130, 95, MK_LBUTTON);
    Post(window, WM_LBUTTONUP, 130, 95);
    EXPECT_TRUE(tracker.Track(&window, CPoint(100, 75)));
    EXPECT_EQ(tracker.m_rect, CRect(80, 70, 180, 120));
    EXPECT_EQ(tracker.olds, (std::vector<CRect>{CRect(50, 50, 150, 100), CRect(60, 55, 160, 105)}));
    EXPECT_NE(::GetCapture(), window.GetSafeHwnd());
}

TEST_F(Tracking, AHandleKeepsTheMinimumSize)
{
    CRectTracker tracker(CRect(50, 50, 150, 100), CRectTracker::resizeInside);
    tracker.m_sizeMin = CSize(30, 20);
    Post(window, WM_MOUSEMOVE, 20, 20, MK_LBUTTON);
    Post(window, WM_LBUTTONUP, 20, 20);
    EXPECT_TRUE(tracker.Track(&window, CPoint(149, 99)));
    EXPECT_EQ(tracker.m_rect, CRect(50, 50, 80, 70));
}

TEST_F(Tracking, EscapeAndTheRightButtonCancel)
{
    for (UINT cancel : {UINT(WM_KEYDOWN), UINT(WM_RBUTTONDOWN)}) {
        RecordingTracker tracker(CRect(50, 50, 150, 100), CRectTracker::resizeInside);
        Post(window, WM_MOUSEMOVE, 120, 90, MK_LBUTTON);
        if (cancel == WM_KEYDOWN)
            ::PostMessageW(window, WM_KEYDOWN, VK_ESCAPE, 1);
        else
            Post(window, WM_RBUTTONDOWN, 120, 90, MK_LBUTTON | MK_RBUTTON);
        Post(window, WM_MOUSEMOVE, 140, 90, MK_LBUTTON);
        Post(window, WM_LBUTTONUP, 140, 90);
        EXPECT_FALSE(tracker.Track(&window, CPoint(100, 75))) << cancel;
        EXPECT_EQ(tracker.m_rect, CRect(50, 50, 150, 100)) << cancel;
        EXPECT_EQ(tracker.olds.size(), 1u) << cancel;
        MSG msg;
        while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
            ::DispatchMessageW(&msg);
    }
}

TEST_F(Tracking, NoLoopWaitsForAReleaseThatNeverComes)
{
    // The button is not held: once the queue is empty the loop ends with the last rectangle.
    CRectTracker tracker(CRect(50, 50, 150, 100), CRectTracker::resizeInside);
    Post(window, WM_MOUSEMOVE, 105, 75, MK_LBUTTON);
    EXPECT_TRUE(tracker.Track(&window, CPoint(100, 75)));
    EXPECT_EQ(tracker.m_rect, CRect(55, 50, 155, 100));
    // Off the tracker nothing is tracked.
    EXPECT_FALSE(tracker.Track(&window, CPoint(300, 250)));
}
