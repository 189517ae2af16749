// The clip of a line to the paint: the arithmetic of the cut, the dash period read from a pen, and
// pixel probes that a line, a polyline and a rectangle reaching far outside the paint show what the
// whole of them shows, dash for dash, with every styled pen of the pen maker.

#include "drawing/CPenMaker.h"
#include "drawing/LineClip.h"
#include "tests/support/DrawingCanvas.h"

#include <gtest/gtest.h>

#include <climits>
#include <functional>
#include <string>

namespace {

constexpr int kWidth = 300;
constexpr int kHeight = 200;

std::string Describe(POINT a, POINT b)
{
    return "(" + std::to_string(a.x) + "," + std::to_string(a.y) + ")-(" + std::to_string(b.x) + "," +
           std::to_string(b.y) + ")";
}

// The pens that long lines are drawn with: the pen maker's styles, a wide one, and the freeze line's.
struct PenCase
{
    std::string name;
    std::function<void(CPen&)> make;
};

std::vector<PenCase> StyledPens()
{
    std::vector<PenCase> pens;
    for (int style = 1; style <= 10; ++style)
        for (int width : {1, 3})
            pens.push_back({"style " + std::to_string(style) + " width " + std::to_string(width),
                            [style, width](CPen& pen) { CPenMaker().CreateLinePen(pen, style, width, 0); }});
    pens.push_back({"freeze line", [](CPen& pen) {
                        LOGBRUSH brush{BS_SOLID, RGB(0, 0, 255), 0};
                        pen.CreateExtPen(PS_GEOMETRIC | PS_DASHDOTDOT | PS_ENDCAP_FLAT, 1, &brush);
                    }});
    pens.push_back({"cosmetic dot", [](CPen& pen) { pen.CreatePen(PS_DOT, 1, 0); }});
    return pens;
}

// The pixels that differ between a drawing made whole and the same drawing made through the clip.
int Differences(const PenCase& pen, const std::function<void(CDC&)>& whole,
                const std::function<void(CDC&)>& clipped)
{
    DrawingCanvas a(kWidth, kHeight), b(kWidth, kHeight);
    CPen penA, penB;
    pen.make(penA);
    pen.make(penB);
    {
        CSelectObject select(*a.dc(), penA);
        whole(*a.dc());
    }
    {
        CSelectObject select(*b.dc(), penB);
        clipped(*b.dc());
    }
    int differing = 0;
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x)
            differing += a.At(x, y) != b.At(x, y);
    EXPECT_GT(a.InkIn(CRect(0, 0, kWidth, kHeight)), 0) << pen.name << ": the probe draws nothing";
    return differing;
}

} // namespace

TEST(LineClip, CutKeepsThePartInTheBoxAndTheDashPhase)
{
    const RECT box{0, 0, 100, 50};
    struct Case
    {
        const char* name;
        POINT from, to;
        int period;
        bool shown;
        POINT cutFrom, cutTo;
    } cases[] = {
        {"inside", {10, 10}, {90, 10}, 8, true, {10, 10}, {90, 10}},
        {"from far left, by whole periods", {-1003, 20}, {50, 20}, 8, true, {-3, 20}, {50, 20}},
        {"to far right", {50, 20}, {1000000, 20}, 8, true, {50, 20}, {100, 20}},
        {"right to left", {1000005, 20}, {50, 20}, 8, true, {101, 20}, {50, 20}},
        {"across, no dashes", {INT_MIN, 5}, {INT_MAX, 5}, 1, true, {0, 5}, {100, 5}},
        {"across, style 5", {INT_MIN, 5}, {INT_MAX, 5}, 27, true, {-11, 5}, {100, 5}},
        {"vertical from below", {30, 4194304}, {30, 0}, 24, true, {30, 64}, {30, 0}},
        {"above the box", {-100, -1}, {200, -1}, 8, false, {}, {}},
        {"left of the box", {-5, -100}, {-5, 4000}, 8, false, {}, {}},
        {"a point inside", {7, 7}, {7, 7}, 8, true, {7, 7}, {7, 7}},
        {"a point outside", {-7, 7}, {-7, 7}, 8, false, {}, {}},
        {"slanted within the slack", {-500, -300}, {400, 300}, 8, true, {-500, -300}, {400, 300}},
    };
    for (const Case& c : cases) {
        POINT from = c.from, to = c.to;
        const bool shown = CLineClip(box, c.period).Cut(from, to);
        EXPECT_EQ(shown, c.shown) << c.name;
        if (shown && c.shown) {
            EXPECT_EQ(Describe(from, to), Describe(c.cutFrom, c.cutTo)) << c.name;
        }
    }
    // A slanted line far beyond the slack is cut to the box and its slack, and keeps its course.
    POINT from{-3000000, -3000000}, to{3000000, 3000000};
    ASSERT_TRUE(CLineClip(box, 8).Cut(from, to));
    EXPECT_LE(from.x, -CLineClip::kSlack + 8);
    EXPECT_GT(from.x, -CLineClip::kSlack - 8);
    EXPECT_EQ(from.x, from.y);
    EXPECT_NEAR(to.x, 50 + CLineClip::kSlack, 1);
    EXPECT_EQ(to.y, to.x);
}

TEST(LineClip, RectangleEdgesMoveByWholePeriods)
{
    const RECT box{0, 0, 100, 50};
    struct Case
    {
        const char* name;
        RECT rect;
        bool shown;
        RECT cut;
    } cases[] = {
        {"inside", {10, 10, 90, 40}, true, {10, 10, 90, 40}},
        {"huge", {INT_MIN, INT_MIN, INT_MAX, INT_MAX}, true, {0, 0, 103, 55}},
        {"reversed", {1000, 40, -1000, 10}, true, {0, 10, 104, 40}},
        {"beside", {200, 0, 300, 50}, false, {}},
    };
    for (const Case& c : cases) {
        RECT rect = c.rect;
        const bool shown = CLineClip(box, 8).CutRectangle(rect);
        EXPECT_EQ(shown, c.shown) << c.name;
        if (shown && c.shown) {
            EXPECT_EQ(Describe({rect.left, rect.top}, {rect.right, rect.bottom}),
                      Describe({c.cut.left, c.cut.top}, {c.cut.right, c.cut.bottom}))
                << c.name;
            EXPECT_EQ((int64_t(rect.left) - std::min(c.rect.left, c.rect.right)) % 8, 0) << c.name;
        }
    }
}

TEST(LineClip, PolylinePiecesKeepTheirPhaseAcrossCorners)
{
    const RECT box{0, 0, 100, 50};
    const CLineClip clip(box, 8);
    const POINT inside[] = {{10, 10}, {90, 10}, {90, 40}};
    EXPECT_TRUE(clip.Holds(inside, 3));
    // Out of the box and its slack to the left, down through it, out to the right, back in.
    const POINT outward[] = {{-5003, 20}, {20, 20}, {20, 30}, {9000, 30}, {9000, 40}, {50, 40}};
    EXPECT_FALSE(clip.Holds(outward, 6));
    const auto pieces = clip.CutPolyline(outward, 6, false);
    ASSERT_EQ(pieces.size(), 2u);
    ASSERT_EQ(pieces[0].size(), 4u);
    // 5023 walked to (20, 20) and 10 more to (20, 30): the first piece starts a whole number of
    // periods from the polyline's start, so every later corner keeps its phase.
    EXPECT_EQ((int64_t(pieces[0][0].x) + 5003) % 8, 0);
    EXPECT_LE(pieces[0][0].x, -CLineClip::kSlack);
    EXPECT_EQ(Describe(pieces[0][1], pieces[0][2]), Describe({20, 20}, {20, 30}));
    EXPECT_EQ(pieces[0][3].x, 100 + CLineClip::kSlack);
    // The piece back in starts where 5023 + 10 + 8980 + 10 + its own cut is a whole number of periods.
    const int64_t walked = 5023 + 10 + 8980 + 10;
    EXPECT_EQ((walked + 9000 - pieces[1][0].x) % 8, 0);
    EXPECT_EQ(Describe(pieces[1].back(), pieces[1].back()), Describe({50, 40}, {50, 40}));
    EXPECT_TRUE(CLineClip(box, 8).CutPolyline(outward, 1, false).empty());
}

TEST(LineClip, PatternPeriodOfEveryPen)
{
    struct Case
    {
        int style, width, period;
    } cases[] = {{1, 1, 1}, {2, 1, 22}, {3, 1, 8}, {3, 5, 8}, {4, 1, 20}, {5, 1, 27},
                 {6, 1, 2}, {7, 1, 4},  {8, 1, 12}, {9, 1, 11}, {10, 1, 14}};
    for (const Case& c : cases) {
        CPen pen;
        CPenMaker().CreateLinePen(pen, c.style, c.width, 0);
        EXPECT_EQ(CLineClip::PatternPeriod(pen), c.period) << "style " << c.style << " width " << c.width;
    }
    LOGBRUSH brush{BS_SOLID, 0, 0};
    CPen dashDotDot, wide, cosmetic;
    dashDotDot.CreateExtPen(PS_GEOMETRIC | PS_DASHDOTDOT | PS_ENDCAP_FLAT, 1, &brush);
    wide.CreateExtPen(PS_GEOMETRIC | PS_DASH | PS_ENDCAP_FLAT, 3, &brush);
    cosmetic.CreatePen(PS_DOT, 1, 0);
    EXPECT_EQ(CLineClip::PatternPeriod(dashDotDot), 24);
    EXPECT_EQ(CLineClip::PatternPeriod(wide), 72);
    EXPECT_EQ(CLineClip::PatternPeriod(cosmetic), 24);
    EXPECT_EQ(CLineClip::PatternPeriod(::GetStockObject(NULL_PEN)), 1);
}

// Each probe's whole drawing starts a few thousand pixels out, far enough to be cut and near enough
// to be drawn whole in a moment; odd offsets catch a period that is not the pen's.
TEST(LineClip, ClippedDrawingShowsWhatTheWholeDrawingShows)
{
    struct Probe
    {
        const char* name;
        std::function<void(CDC&)> whole, clipped;
    };
    const POINT path[] = {{-2997, 40}, {60, 40}, {60, 120}, {4001, 120}, {4001, 150}, {-1999, 150}};
    const Probe probes[] = {
        {"line from the left", [](CDC& dc) { dc.MoveTo(-3001, 30); dc.LineTo(250, 30); },
         [](CDC& dc) { DrawClippedLine(dc, -3001, 30, 250, 30); }},
        {"line from below", [](CDC& dc) { dc.MoveTo(70, 3997); dc.LineTo(70, 20); },
         [](CDC& dc) { DrawClippedLine(dc, 70, 3997, 70, 20); }},
        {"line across", [](CDC& dc) { dc.MoveTo(-2003, 60); dc.LineTo(3011, 60); },
         [](CDC& dc) { DrawClippedLine(dc, -2003, 60, 3011, 60); }},
        {"polyline", [&path](CDC& dc) { dc.Polyline(path, 6); },
         [&path](CDC& dc) { DrawClippedPolyline(dc, path, 6); }},
        {"rectangle", [](CDC& dc) { dc.Rectangle(-2995, -1003, 3005, 170); },
         [](CDC& dc) { DrawClippedRectangle(dc, CRect(-2995, -1003, 3005, 170)); }},
    };
    for (const PenCase& pen : StyledPens())
        for (const Probe& probe : probes)
            EXPECT_EQ(Differences(pen, probe.whole, probe.clipped), 0) << pen.name << ", " << probe.name;
}

TEST(LineClip, TheBoxIsTheClipWidenedByThePenAndThePositionEndsAtTheLineEnd)
{
    DrawingCanvas canvas(kWidth, kHeight);
    CDC& dc = *canvas.dc();
    CPen pen;
    CPenMaker().CreateLinePen(pen, 3, 4, 0);
    CSelectObject select(dc, pen);
    CClipGuard clip(dc);
    dc.IntersectClipRect(CRect(100, 0, 200, kHeight));
    const CLineClip box(dc);
    EXPECT_FALSE(box.IsEmpty());
    // Four pixels wide: its caps and joins reach 6 widths, a cosmetic pixel 2 more.
    EXPECT_EQ(Describe({box.Box().left, box.Box().top}, {box.Box().right, box.Box().bottom}),
              Describe({74, -26}, {226, kHeight + 26}));
    DrawClippedLine(dc, INT_MIN, 10, INT_MAX, 10);
    EXPECT_GT(canvas.InkIn(CRect(100, 8, 200, 13)), 100);
    POINT at{};
    ::GetCurrentPositionEx(dc, &at);
    EXPECT_EQ(Describe(at, at), Describe({INT_MAX, 10}, {INT_MAX, 10}));
    dc.IntersectClipRect(CRect(0, 0, 0, 0));
    EXPECT_TRUE(CLineClip(dc).IsEmpty());
}
