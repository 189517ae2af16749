// Tick label boxes by orientation: left of a vertical axis the outline of a square-capped line as
// long as the text, under a horizontal axis the text box centred on its reference point; which
// corner the text is aligned to, and which orientations draw no text.

#include "chartdraw/geometry/AxisLabelPlacement.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>

namespace {

struct Case
{
    int orientation;
    bool hasText;
    int font;
    UINT align;
    CPoint textPoint;
    std::array<CPoint, 4> corners;
};

void Expect(const CAxisLabelPlacement& got, const Case& c)
{
    EXPECT_EQ(got.hasText, c.hasText) << c.orientation;
    if (!c.hasText)
        return;
    EXPECT_EQ(got.fontOrientation, c.font) << c.orientation;
    EXPECT_EQ(got.align, c.align) << c.orientation;
    EXPECT_EQ(got.textPoint, c.textPoint) << c.orientation;
    for (size_t i = 0; i < 4; ++i)
        EXPECT_EQ(got.corners[i], c.corners[i]) << c.orientation << " corner " << i;
}

constexpr SIZE kText{30, 12};

TEST(AxisLabelPlacement, LeftOfVerticalAxis)
{
    // Anchor (100, 50); a 30 x 12 text widens a line 30 long by 6 on every side.
    const Case cases[] = {
        // Upright text ending 10 px left of the anchor, right aligned and centred on the tick.
        {1800, true, 0, TA_RIGHT | TA_TOP, {96, 44}, {{{96, 56}, {96, 44}, {54, 44}, {54, 56}}}},
        {0, true, 0, TA_LEFT | TA_TOP, {106, 44}, {{{106, 44}, {106, 56}, {148, 56}, {148, 44}}}},
        {900, true, 900, TA_LEFT | TA_TOP, {94, 56}, {{{94, 56}, {106, 56}, {106, 14}, {94, 14}}}},
        {2700, true, 2700, TA_LEFT | TA_TOP, {106, 44}, {{{106, 44}, {94, 44}, {94, 86}, {106, 86}}}},
        // Rising text starts 12 px right of the anchor and 8 px up: the line runs (112, 42)-(133, 21).
        {450, true, 450, TA_LEFT | TA_TOP, {104, 42}, {{{104, 42}, {112, 50}, {141, 21}, {133, 13}}}},
        // 30 degrees, a hair less: the line's end (25.98, -14.99999) truncates to (137, 28).
        {300, true, 300, TA_LEFT | TA_TOP, {104, 40}, {{{104, 40}, {110, 50}, {145, 30}, {139, 20}}}},
        // Text rising to the left is turned round: the line runs (90, 42)-(69, 21).
        {1350, true, -450, TA_RIGHT | TA_TOP, {98, 42}, {{{90, 50}, {98, 42}, {69, 13}, {61, 21}}}},
        {3601, false, 0, 0, {}, {}},
        {-1, false, 0, 0, {}, {}}};
    for (const Case& c : cases)
        Expect(PlaceLabelLeftOfAxis(CPoint(100, 50), c.orientation, kText), c);
}

TEST(AxisLabelPlacement, BelowHorizontalAxis)
{
    // Anchor (100, 200). The corners run round the text as it reads from its bottom left.
    const Case cases[] = {
        {3600, true, 3600, TA_CENTER | TA_TOP, {100, 208}, {{{85, 220}, {115, 220}, {115, 208}, {85, 208}}}},
        {0, true, 0, TA_CENTER | TA_BOTTOM, {100, 192}, {{{85, 192}, {115, 192}, {115, 180}, {85, 180}}}},
        {900, true, 900, TA_CENTER | TA_BOTTOM, {106, 177}, {{{106, 192}, {106, 162}, {94, 162}, {94, 192}}}},
        {1800, true, 0, TA_CENTER | TA_TOP, {100, 194}, {{{85, 206}, {115, 206}, {115, 194}, {85, 194}}}},
        {2700, true, 2700, TA_CENTER | TA_TOP, {106, 223}, {{{94, 208}, {94, 238}, {106, 238}, {106, 208}}}},
        // 45 degrees: half the height and width projected are 4 and 10 px.
        {450, true, 450, TA_CENTER | TA_BOTTOM, {104, 182}, {{{94, 192}, {114, 172}, {106, 164}, {86, 184}}}},
        {3150,
         true,
         3150,
         TA_CENTER | TA_BOTTOM,
         {96, 226},
         {{{86, 216}, {106, 236}, {114, 228}, {94, 208}}}},
        // Turned round, drawn on the side of their own orientation.
        {1350,
         true,
         3150,
         TA_CENTER | TA_BOTTOM,
         {96, 202},
         {{{86, 192}, {106, 212}, {114, 204}, {94, 184}}}},
        {2250,
         true,
         450,
         TA_CENTER | TA_BOTTOM,
         {104, 206},
         {{{94, 216}, {114, 196}, {106, 188}, {86, 208}}}},
        {4000, false, 0, 0, {}, {}}};
    for (const Case& c : cases)
        Expect(PlaceLabelBelowAxis(CPoint(100, 200), c.orientation, kText, 0), c);

    // Shifted right by half the width, or left by half the height and 4 for upright text.
    EXPECT_EQ(PlaceLabelBelowAxis(CPoint(100, 200), 3600, kText, 1).textPoint, CPoint(115, 208));
    EXPECT_EQ(PlaceLabelBelowAxis(CPoint(100, 200), 900, kText, 2).textPoint, CPoint(96, 177));
}

TEST(AxisLabelPlacement, CentredTextOfOddOrEvenSizeStaysInItsBox)
{
    // A text w long centred on c starts at c - w / 2 or, with the half pixel rounded the other way,
    // one pixel earlier: its box holds both starts and no more. Across, it is h thick from the
    // edge its alignment puts on the text point. Boxes run as RECTs: their far edges are exclusive.
    for (const int w : {30, 31})
        for (const int h : {12, 13})
            for (const int n : {0, 900, 1800, 2700, 3600}) {
                SCOPED_TRACE(testing::Message() << n << ": " << w << " x " << h);
                const CAxisLabelPlacement got = PlaceLabelBelowAxis(CPoint(100, 200), n, SIZE{w, h}, 0);
                CRect box(got.corners[0].x, got.corners[0].y, got.corners[0].x, got.corners[0].y);
                for (const CPoint& corner : got.corners)
                    box = CRect(std::min(box.left, corner.x), std::min(box.top, corner.y),
                                std::max(box.right, corner.x), std::max(box.bottom, corner.y));
                const bool upright = n != 900 && n != 2700;
                const int centre = upright ? got.textPoint.x : got.textPoint.y;
                const int first = upright ? box.left : box.top, end = upright ? box.right : box.bottom;
                for (const int start : {centre - w / 2, centre - (w + 1) / 2}) {
                    EXPECT_LE(first, start);
                    EXPECT_GE(end, start + w);
                }
                EXPECT_EQ(end - first, w + w % 2);
                EXPECT_EQ(upright ? box.Height() : box.Width(), h);
                const int alignedEdge = n == 0 ? box.bottom : upright ? box.top : box.right;
                EXPECT_EQ(alignedEdge, upright ? got.textPoint.y : got.textPoint.x);
            }
}

TEST(AxisLabelPlacement, OutlineOfAPointLineFollowsItsAngle)
{
    const std::array<CPoint, 4> square = SquareCapOutline(CPoint(50, 50), CPoint(50, 50), 0, 10);
    const std::array<CPoint, 4> expected = {CPoint(45, 45), CPoint(45, 55), CPoint(55, 55), CPoint(55, 45)};
    for (size_t i = 0; i < 4; ++i)
        EXPECT_EQ(square[i], expected[i]) << i;
}

} // namespace
