#include "chartdraw/geometry/PieSliceFaces.h"

#include "chartdraw/geometry/PieSectorGeometry.h"

#include <algorithm>
#include <climits>

namespace {

CPoint Lowered(POINT p, int depth)
{
    return CPoint(p.x, LONG(std::clamp<long long>((long long)p.y + depth, INT_MIN, INT_MAX)));
}

CPoint CentreOf(const RECT& r)
{
    return CPoint(LONG(((long long)r.left + r.right) / 2), LONG(((long long)r.top + r.bottom) / 2));
}

// The faces of one slice, built from its points once the arcs are known.
class CSliceFaceBuilder
{
public:
    CSliceFaceBuilder(const CPieSliceRecord& slice, bool rightSide, const CEllipseOutline& outline)
        : m_slice(slice), m_right(rightSide), m_outline(outline), m_depth(slice.ellipses.depth),
          m_outerCentre(CentreOf(slice.ellipses.outerTop)), m_innerCentre(CentreOf(slice.ellipses.innerTop)),
          m_ring(slice.ellipses.IsRing())
    {
    }

    std::vector<CPieFace> Build()
    {
        const CSliceWalls walls =
            SliceWallVisibility(m_slice.ellipses.outerTop, m_outerCentre, m_slice.OuterStart(),
                                m_slice.OuterEnd(), m_slice.share);
        if (walls.radialWall && !m_ring)
            AddRadialWall(m_right ? walls.first : walls.second);
        if (walls.faces) {
            const bool pushedRule =
                m_slice.explode > 0 && (m_right || Precedes(m_slice.Centre(), Start(), End()));
            if (pushedRule)
                AddPushedOutFaces();
            else
                AddFaces();
        }
        if (walls.frontRim && Precedes(m_outerCentre, walls.first, walls.second))
            AddFrontRim(walls.first, walls.second);
        return std::move(m_faces);
    }

private:
    CPoint Start() const { return m_slice.OuterStart(); }
    CPoint End() const { return m_slice.OuterEnd(); }
    CPoint InnerStart() const { return m_slice.InnerStart(); }
    CPoint InnerEnd() const { return m_slice.InnerEnd(); }
    bool Precedes(POINT centre, POINT p, POINT q) const
    {
        return PrecedesInSweep(centre, p, q, m_slice.share);
    }

    std::vector<POINT> Arc(const RECT& ellipse, POINT from, POINT to, bool pie) const
    {
        return m_outline ? m_outline(ellipse, from, to, pie) : std::vector<POINT>();
    }

    void Add(int faceNumber, char letter, std::vector<POINT> points, std::vector<POINT> grips)
    {
        if (!points.empty())
            m_faces.push_back(CPieFace{faceNumber, letter, std::move(points), std::move(grips)});
    }

    // The band under a run of points: the points, then the same points lowered, backwards.
    std::vector<POINT> Band(const std::vector<POINT>& top) const
    {
        std::vector<POINT> band(top);
        for (auto p = top.rbegin(); p != top.rend(); ++p)
            band.push_back(Lowered(*p, m_depth));
        return band;
    }

    // A wall standing between an outer and an inner point.
    void AddWall(int faceNumber, char letter, POINT outer, POINT inner)
    {
        Add(faceNumber, letter, {outer, inner, Lowered(inner, m_depth), Lowered(outer, m_depth)},
            {outer, inner});
    }

    void AddRadialWall(POINT edge)
    {
        const int face = m_right ? kPieFaceStartWall : kPieFaceEndWall;
        AddWall(face, m_right ? 'l' : 'r', edge, m_slice.Centre());
    }

    void AddStartWall(const std::vector<POINT>& outer, POINT inner)
    {
        AddWall(kPieFaceStartWall, 'l', outer.front(), inner);
    }
    void AddEndWall(const std::vector<POINT>& outer, POINT inner)
    {
        AddWall(kPieFaceEndWall, 'r', outer.back(), inner);
    }

    void AddHoleWall(const std::vector<POINT>& inner)
    {
        Add(kPieFaceHoleWall, 'b', Band(inner), {inner.front(), inner.back()});
    }

    void AddRingTop(const std::vector<POINT>& outer, const std::vector<POINT>& inner)
    {
        std::vector<POINT> top(outer);
        top.insert(top.end(), inner.rbegin(), inner.rend());
        Add(kPieFaceTop, 's', std::move(top), {outer.front(), outer.back(), inner.back(), inner.front()});
    }

    // A ring slice with both arcs. On the left side the hole's wall comes before the end wall; on the
    // right side both walls come first, and the start wall again when it faces the viewer.
    void AddRingFaces(const std::vector<POINT>& outer, const std::vector<POINT>& inner, bool topBeforeEndWall)
    {
        if (!m_right) {
            AddStartWall(outer, inner.front());
            AddHoleWall(inner);
            if (topBeforeEndWall)
                AddRingTop(outer, inner);
            AddEndWall(outer, inner.back());
            if (!topBeforeEndWall)
                AddRingTop(outer, inner);
            return;
        }
        AddEndWall(outer, inner.back());
        AddStartWall(outer, inner.front());
        AddHoleWall(inner);
        if (InnerStart().x > m_innerCentre.x)
            AddStartWall(outer, inner.front());
        AddRingTop(outer, inner);
    }

    void AddPushedOutFaces()
    {
        if (!Precedes(m_outerCentre, Start(), End()))
            return;
        std::vector<POINT> outer = Arc(m_slice.ellipses.outerTop, Start(), End(), false);
        if (outer.size() < 2)
            return;
        if (!m_ring) {
            std::vector<POINT> top(outer);
            top.push_back(m_slice.Centre());
            Add(kPieFaceTop, 's', std::move(top), {Start(), End(), m_slice.Centre()});
            return;
        }
        if (Precedes(m_innerCentre, InnerStart(), InnerEnd())) {
            const std::vector<POINT> inner = Arc(m_slice.ellipses.innerTop, InnerStart(), InnerEnd(), false);
            if (inner.size() >= 2)
                AddRingFaces(outer, inner, true);
            return;
        }
        // The pushed-out inner edges have met or crossed: walls and top close at the inner start.
        const CPoint closing = InnerStart();
        if (m_right)
            AddEndWall(outer, closing);
        AddStartWall(outer, closing);
        if (!m_right)
            AddEndWall(outer, closing);
        std::vector<POINT> top(outer);
        top.push_back(closing);
        Add(kPieFaceTop, 's', std::move(top), {outer.front(), outer.back(), closing});
    }

    void AddFaces()
    {
        if (!Precedes(m_outerCentre, Start(), End()))
            return;
        std::vector<POINT> outer = Arc(m_slice.ellipses.outerTop, Start(), End(), true);
        if (!m_ring) {
            if (outer.size() >= 2)
                Add(kPieFaceTop, 's', std::move(outer), {Start(), End(), m_outerCentre});
            return;
        }
        if (outer.size() < 3 || !Precedes(m_innerCentre, InnerStart(), InnerEnd()))
            return;
        std::vector<POINT> inner = Arc(m_slice.ellipses.innerTop, InnerStart(), InnerEnd(), true);
        if (inner.size() < 3)
            return;
        outer.pop_back(); // the pie outlines end at their centres
        inner.pop_back();
        AddRingFaces(outer, inner, false);
    }

    void AddFrontRim(POINT first, POINT second)
    {
        const std::vector<POINT> arc = Arc(m_slice.ellipses.outerTop, first, second, false);
        if (arc.empty())
            return;
        Add(kPieFaceFrontRim, 'z', Band(arc),
            {arc.front(), arc.back(), Lowered(arc.back(), m_depth), Lowered(arc.front(), m_depth)});
    }

    const CPieSliceRecord& m_slice;
    const bool m_right;
    const CEllipseOutline& m_outline;
    const int m_depth;
    const CPoint m_outerCentre, m_innerCentre;
    const bool m_ring;
    std::vector<CPieFace> m_faces;
};

} // namespace

std::vector<CPieFace> SliceFaces(const CPieSliceRecord& slice, bool rightSide, const CEllipseOutline& outline)
{
    return CSliceFaceBuilder(slice, rightSide, outline).Build();
}
