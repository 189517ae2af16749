// Pies and rings before they are painted: slots side by side, the ellipses of each sub-type, the
// slices' angles and edge points, pushed-out slices, and the faces each slice shows in the order
// they are painted.

#include "chartdraw/geometry/PieSliceFaces.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

std::string Str(const RECT& r)
{
    return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) + "," +
           std::to_string(r.bottom);
}

std::vector<CPieSliceInput> Values(std::initializer_list<double> values, int explode = 0)
{
    std::vector<CPieSliceInput> out;
    for (double v : values)
        out.push_back(CPieSliceInput{v, explode});
    return out;
}

// Arcs as their two ends; pie outlines end at the ellipse's centre.
std::vector<POINT> TwoPointOutline(const RECT& e, POINT from, POINT to, bool pie)
{
    std::vector<POINT> points{from, to};
    if (pie)
        points.push_back(CRect(e).CenterPoint());
    return points;
}

std::string Letters(CPieSliceRecord slice, bool rightSide)
{
    PushOutSlice(slice);
    std::string letters;
    for (const CPieFace& face : SliceFaces(slice, rightSide, TwoPointOutline))
        letters += face.letter;
    return letters;
}

const CPieEllipses kCircle{CRect(0, 0, 200, 200), CRect(), CRect(0, 20, 200, 220), CRect(), 20};
const CPieEllipses kRing{CRect(0, 0, 200, 200), CRect(50, 50, 150, 150), CRect(0, 20, 200, 220),
                         CRect(50, 70, 150, 170), 20};

} // namespace

TEST(PieSliceLayout, SlotsShareThePlotWidth)
{
    const struct
    {
        CRect plot;
        int count;
        bool fits;
        int gap, width;
    } cases[] = {{{0, 0, 600, 200}, 3, true, 20, 180},
                 // 100 px for three: the gap shrinks to 13, the first slot takes the leftover pixel.
                 {{0, 0, 100, 200}, 3, true, 13, 21},
                 {{0, 0, 10, 200}, 3, true, 0, 4},
                 {{0, 0, 2, 200}, 3, true, 0, 1},
                 {{10, 0, 5, 200}, 1, false, 0, 0},
                 {{0, 0, 600, 200}, 0, false, 0, 0}};
    for (const auto& c : cases) {
        const CPieSlots slots = PieSlots(c.plot, c.count);
        EXPECT_EQ(slots.fits, c.fits) << Str(c.plot) << " / " << c.count;
        if (c.fits) {
            EXPECT_EQ(slots.gap, c.gap) << Str(c.plot) << " / " << c.count;
            EXPECT_EQ(slots.width, c.width) << Str(c.plot) << " / " << c.count;
        }
    }
    EXPECT_EQ(Str(PieRectInSlot(10, 100, CRect(0, 0, 500, 60))), "30,0,90,60");
    EXPECT_EQ(Str(PieRectInSlot(10, 100, CRect(0, 0, 500, 300))), "10,50,110,250");
}

TEST(PieSliceLayout, EllipsesOfEachSubType)
{
    const CRect tall(0, 50, 100, 250), low(30, 0, 90, 60);
    const struct
    {
        int kind;
        CRect pie;
        const char *outerTop, *innerTop, *outerLower, *innerLower;
        int depth, explode;
    } cases[] = {
        {0, tall, "0,100,100,200", "0,0,0,0", "0,100,100,200", "0,0,0,0", 0, 0},
        {2, tall, "0,100,100,200", "0,0,0,0", "0,100,100,200", "0,0,0,0", 0, 8},
        // Depth Round(7.5) = 8, raised over a lower ellipse trunc(18.75) = 18 px above the bottom.
        {1, low, "30,18,90,34", "0,0,0,0", "30,26,90,42", "0,0,0,0", 8, 0},
        {3, low, "30,18,90,34", "0,0,0,0", "30,26,90,42", "0,0,0,0", 8, 8},
        {4, tall, "0,100,100,200", "25,125,75,175", "0,100,100,200", "25,125,75,175", 0, 0},
        {5, tall, "0,100,100,200", "25,125,75,175", "0,100,100,200", "25,125,75,175", 0, 8},
        {6, low, "30,18,90,34", "45,22,75,30", "30,26,90,42", "45,30,75,38", 8, 0},
        {7, low, "30,18,90,34", "45,22,75,30", "30,26,90,42", "45,30,75,38", 8, 8},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "kind " << c.kind);
        const CPieEllipses e = PreviewPieEllipses(c.pie, c.kind);
        EXPECT_EQ(Str(e.outerTop), c.outerTop);
        EXPECT_EQ(Str(e.innerTop), c.innerTop);
        EXPECT_EQ(Str(e.outerLower), c.outerLower);
        EXPECT_EQ(Str(e.innerLower), c.innerLower);
        EXPECT_EQ(e.depth, c.depth);
        EXPECT_EQ(e.IsRing(), c.kind >= 4);
        EXPECT_EQ(PreviewExplodeOffset(c.kind), c.explode);
    }

    // On the sheet: the stored pie and hole lifted by the stored depth; a negative depth draws flat.
    const CPieEllipses stored = StoredPieEllipses(CRect(0, 0, 100, 50), CRect(25, 12, 75, 38), 10);
    EXPECT_EQ(Str(stored.outerTop), "0,-10,100,40");
    EXPECT_EQ(Str(stored.innerTop), "25,2,75,28");
    EXPECT_EQ(Str(stored.innerLower), "25,12,75,38");
    const CPieEllipses flat = StoredPieEllipses(CRect(0, 0, 100, 50), CRect(), -5);
    EXPECT_EQ(flat.depth, 0);
    EXPECT_EQ(Str(flat.outerTop), "0,0,100,50");
    EXPECT_FALSE(flat.IsRing());
}

TEST(PieSliceLayout, SlicesFromTheTopCounterClockwise)
{
    const struct
    {
        std::initializer_list<double> values;
        double sum;
        const char* sides;                 // per slice: L ends on the left side, R beyond the bottom
        std::initializer_list<float> ends; // in multiples of pi
        std::initializer_list<int> angles; // middle directions, tenths of a degree
    } cases[] = {
        {{1, 1, 2}, 4, "LLR", {1.0f, 1.5f, 2.5f}, {1350, 2250, 3600}},
        // Negative values count by their absolute value.
        {{3, -1}, 4, "RR", {2.0f, 2.5f}, {2250, 450}},
        // One slice all round; a slice of 0 has no width.
        {{5}, 5, "R", {2.5f}, {2700}},
        {{0, 2}, 2, "LR", {0.5f, 2.5f}, {900, 2700}},
        // A value that is not finite has no share; no slice runs past the end of the circle, whatever
        // sum it was given.
        {{NAN, 1, INFINITY, 1}, 2, "LLLR", {0.5f, 1.5f, 1.5f, 2.5f}, {900, 1800, 2700, 3600}},
        {{5, 1}, 2, "RR", {2.5f, 2.5f}, {2700, 900}},
    };
    for (const auto& c : cases) {
        const CPieSeriesSlices pie = LayoutPieSlices(kCircle, Values(c.values), c.sum);
        std::vector<const CPieSliceRecord*> slices(c.values.size());
        for (const auto* list : {&pie.left, &pie.right})
            for (const CPieSliceRecord& slice : *list)
                slices[size_t(slice.point)] = &slice;
        float start = 0.5f;
        for (size_t j = 0; j < slices.size(); ++j) {
            SCOPED_TRACE(testing::Message() << "sum " << c.sum << " slice " << j);
            ASSERT_TRUE(slices[j]);
            const CPieSliceRecord& slice = *slices[j];
            EXPECT_EQ(c.sides[j] == 'L',
                      &slice >= pie.left.data() && &slice < pie.left.data() + pie.left.size());
            EXPECT_FLOAT_EQ(slice.startAngle, start * kPiePi);
            EXPECT_FLOAT_EQ(slice.endAngle, c.ends.begin()[j] * kPiePi);
            EXPECT_NEAR(SliceLabelAngle(slice), c.angles.begin()[j], 1);
            start = c.ends.begin()[j];
        }
    }

    // Edge points on the top ellipse, the lower ones by the depth below; a pie's inner points are its
    // outer ones.
    const CPieSeriesSlices quarters = LayoutPieSlices(kCircle, Values({1, 3}), 4);
    const CPieSliceRecord& first = quarters.left.at(0);
    EXPECT_EQ(first.OuterStart(), CPoint(100, 0));
    EXPECT_EQ(first.OuterEnd(), CPoint(0, 100));
    EXPECT_EQ(first.InnerEnd(), CPoint(0, 100));
    EXPECT_EQ(first.edges[6], CPoint(0, 120));
    EXPECT_EQ(first.Centre(), CPoint(100, 100));
    EXPECT_EQ(first.centres[2], CPoint(100, 120));
    const CPieSeriesSlices ring = LayoutPieSlices(kRing, Values({1, 3}), 4);
    EXPECT_EQ(ring.left.at(0).InnerStart(), CPoint(100, 50));
    EXPECT_EQ(ring.left.at(0).InnerEnd(), CPoint(50, 100));
    EXPECT_EQ(ring.left.at(0).edges[7], CPoint(50, 120));
}

TEST(PieSliceLayout, PushedOutSlices)
{
    // The left half pushed 10 px left: the edges become the vertical line x = 90, cut at
    // Round(sqrt(100^2 - 10^2)) = 99 above and below the centre.
    CPieSeriesSlices halves = LayoutPieSlices(kCircle, Values({1, 1}, 10), 2);
    CPieSliceRecord& left = halves.left.at(0);
    PushOutSlice(left);
    EXPECT_EQ(left.Centre(), CPoint(90, 100));
    EXPECT_EQ(left.OuterStart(), CPoint(90, 1));
    EXPECT_EQ(left.OuterEnd(), CPoint(90, 199));
    EXPECT_EQ(left.InnerStart(), left.OuterStart());
    EXPECT_EQ(left.centres[2], CPoint(90, 120));
    EXPECT_EQ(left.edges[6], CPoint(90, 219));

    // A single slice is the whole pie and stays; an offset of 0 moves nothing.
    CPieSeriesSlices whole = LayoutPieSlices(kCircle, Values({4}, 10), 4);
    PushOutSlice(whole.right.at(0));
    EXPECT_EQ(whole.right.at(0).Centre(), CPoint(100, 100));
    EXPECT_EQ(whole.right.at(0).OuterStart(), CPoint(100, 0));
    CPieSeriesSlices still = LayoutPieSlices(kCircle, Values({1, 1}, 0), 2);
    PushOutSlice(still.left.at(0));
    EXPECT_EQ(still.left.at(0).Centre(), CPoint(100, 100));
}

TEST(PieSliceLayout, FacesOfASliceInPaintingOrder)
{
    // Slices of 1, 1, 2 (top-left quarter, bottom-left quarter, right half) and of 3, 1 (the second
    // from the right back to the top: its inner start lies right of the hole's centre).
    const CPieSeriesSlices ring = LayoutPieSlices(kRing, Values({1, 1, 2}), 4);
    const CPieSeriesSlices ringThreeOne = LayoutPieSlices(kRing, Values({3, 1}), 4);
    const CPieSeriesSlices pushedRing = LayoutPieSlices(kRing, Values({1, 1, 2}, 8), 4);
    const CPieSeriesSlices pie = LayoutPieSlices(kCircle, Values({1, 1, 2}), 4);
    const CPieSeriesSlices pushedPie = LayoutPieSlices(kCircle, Values({1, 1, 2}, 8), 4);
    // A hole of radius 5: pushed out by 40 (5 for the hole), the thin slice's inner edges meet.
    const CPieEllipses smallHole{CRect(0, 0, 200, 200), CRect(95, 95, 105, 105), CRect(0, 20, 200, 220),
                                 CRect(95, 115, 105, 125), 20};
    const CPieSeriesSlices crossed = LayoutPieSlices(smallHole, Values({1, 19}, 40), 20);
    const struct
    {
        const char* what;
        const CPieSliceRecord& slice;
        bool rightSide;
        const char* letters;
    } cases[] = {
        {"ring, top left", ring.left.at(0), false, "lbrs"},
        {"ring, bottom left, front rim", ring.left.at(1), false, "lbrsz"},
        {"ring, right half, front rim", ring.right.at(0), true, "rlbsz"},
        {"ring, inner start right of the hole", ringThreeOne.right.at(1), true, "rlbls"},
        {"pushed ring, left: top before end wall", pushedRing.left.at(0), false, "lbsr"},
        {"pushed ring, right: inner start right of the hole", pushedRing.right.at(0), true, "rlblsz"},
        {"pie, top left: end wall and top", pie.left.at(0), false, "rs"},
        {"pie, right half", pie.right.at(0), true, "lsz"},
        {"pushed pie, bottom left", pushedPie.left.at(1), false, "rsz"},
        {"pushed ring, inner edges met", crossed.left.at(0), false, "lrs"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Letters(c.slice, c.rightSide), c.letters) << c.what;
}

TEST(PieSliceLayout, FaceOutlinesAndGrips)
{
    CPieSeriesSlices ring = LayoutPieSlices(kRing, Values({1, 1, 2}), 4);
    const std::vector<CPieFace> faces = SliceFaces(ring.left.at(1), false, TwoPointOutline);
    ASSERT_EQ(faces.size(), 5u);
    auto str = [](const std::vector<POINT>& points) {
        std::string out;
        for (const POINT& p : points)
            out += std::to_string(p.x) + "," + std::to_string(p.y) + " ";
        return out;
    };
    // Start wall at the left, the hole's wall under the inner arc, end wall at the bottom, the top
    // between the arcs, the rim band from the leftmost point to the end.
    EXPECT_EQ(str(faces[0].points), "0,100 50,100 50,120 0,120 ");
    EXPECT_EQ(faces[0].faceNumber, kPieFaceStartWall);
    EXPECT_EQ(str(faces[1].points), "50,100 100,150 100,170 50,120 ");
    EXPECT_EQ(str(faces[1].grips), "50,100 100,150 ");
    EXPECT_EQ(str(faces[2].points), "100,200 100,150 100,170 100,220 ");
    EXPECT_EQ(str(faces[3].points), "0,100 100,200 100,150 50,100 ");
    EXPECT_EQ(str(faces[3].grips), "0,100 100,200 100,150 50,100 ");
    EXPECT_EQ(faces[3].faceNumber, kPieFaceTop);
    EXPECT_EQ(str(faces[4].points), "0,100 100,200 100,220 0,120 ");
    EXPECT_EQ(str(faces[4].grips), "0,100 100,200 100,220 0,120 ");
    EXPECT_EQ(faces[4].faceNumber, kPieFaceFrontRim);

    // A pie's radial wall runs from the edge point to the centre and down by the depth.
    CPieSeriesSlices pie = LayoutPieSlices(kCircle, Values({1, 1, 2}), 4);
    const std::vector<CPieFace> pieFaces = SliceFaces(pie.left.at(0), false, TwoPointOutline);
    ASSERT_EQ(pieFaces.size(), 2u);
    EXPECT_EQ(str(pieFaces[0].points), "0,100 100,100 100,120 0,120 ");
    EXPECT_EQ(str(pieFaces[0].grips), "0,100 100,100 ");
    EXPECT_EQ(str(pieFaces[1].points), "100,0 0,100 100,100 ");
    EXPECT_EQ(str(pieFaces[1].grips), "100,0 0,100 100,100 ");
}
