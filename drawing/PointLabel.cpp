// The value labels of chart data points.

#include "drawing/CTextPainter.h"
#include "drawing/LineClip.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

constexpr double kPi = 3.1415926535;

double TenthsToRadians(int tenths)
{
    return tenths * kPi * 0.0005555555555555556;
}

int t(double v)
{
    return int(std::trunc(v));
}

struct PieAnchor
{
    CPoint anchor, edge;
    int dx = 0, dy = 0, segment = 8;
};

// Where a pie slice's label goes, and the leader line's bend.
PieAnchor PlacePieLabel(const CChartLabelPoint& item, CSize text)
{
    const CRect slice(item.sliceRect);
    const double a = TenthsToRadians(item.labelAngle);
    const int cx = (slice.left + slice.right) / 2, cy = (slice.top + slice.bottom) / 2;
    PieAnchor p;
    p.edge = CPoint(cx + t(std::cos(a) * slice.Width() * 0.5), cy - t(std::sin(a) * slice.Height() * 0.5));
    p.dx = t(item.leaderLength * std::cos(a));
    p.dy = t(item.leaderLength * std::sin(a));
    const bool rightHalf = item.labelAngle < 900 || item.labelAngle > 2700;
    p.segment = rightHalf ? 8 : -8;
    if (item.placement == 1) {
        const int x = rightHalf ? p.edge.x + text.cx / 2 + p.dx + 10 : p.edge.x + p.dx - text.cx / 2 - 10;
        p.anchor = CPoint(x, p.edge.y - p.dy);
        return p;
    }
    const CRect second(item.secondRect);
    if (!second.IsRectEmpty() || item.selector < 0) {
        const CPoint centre = second.CenterPoint();
        p.anchor = CPoint((p.edge.x + t(std::cos(a) * second.Width() * 0.5) + centre.x) / 2,
                          (centre.y + p.edge.y - t(std::sin(a) * second.Height() * 0.5)) / 2);
    } else {
        CPoint towards(cx, cy);
        if (item.selector > 0) {
            // The end of the slice's recorded top face; the centre when none was recorded.
            for (const CHitFace& face : item.hitFaces)
                if (face.letter == 's' && face.points && face.count > 0) {
                    towards = face.points[face.count - 1];
                    break;
                }
        }
        p.anchor = CPoint((p.edge.x + towards.x) / 2, (p.edge.y + towards.y) / 2);
    }
    p.anchor.Offset(p.dx, -p.dy);
    return p;
}

// The widened outline of a line as long as the text, centred on the anchor at angle theta.
std::vector<POINT> LabelOutline(CDC* dc, CPoint anchor, CSize text, double theta)
{
    LOGBRUSH black{BS_SOLID, RGB(0, 0, 0), 0};
    CPen thick;
    thick.CreateExtPen(PS_GEOMETRIC | PS_ENDCAP_FLAT | PS_SOLID, DWORD(std::max<LONG>(text.cy, 1)), &black);
    std::vector<POINT> points;
    {
        CSelectObject select(*dc, thick.GetSafeHandle());
        const double half = text.cx / 2;
        dc->BeginPath();
        dc->MoveTo(anchor.x + t(half * std::cos(theta)), anchor.y - t(half * std::sin(theta)));
        dc->LineTo(anchor.x + t(half * std::cos(theta + kPi)), anchor.y - t(half * std::sin(theta + kPi)));
        dc->EndPath();
        dc->FlattenPath();
        dc->WidenPath();
    }
    const int count = ::GetPath(*dc, nullptr, nullptr, 0);
    if (count > 0) {
        points.resize(size_t(count));
        std::vector<BYTE> types(static_cast<size_t>(count));
        ::GetPath(*dc, points.data(), types.data(), count);
    }
    dc->AbortPath();
    return points;
}

// Where the text goes relative to the fourth corner, by chart type; false: no text at all.
bool TextShift(const CChartLabelPoint& item, CSize text, CSize& shift)
{
    const bool fixed = item.placement == 1, positive = item.value >= 0;
    const bool barLike = item.chartType == 1 || (item.chartType == 4 && item.chartSubType >= 3);
    const bool columnLike =
        item.chartType == 0 || item.chartType == 2 || (item.chartType == 4 && item.chartSubType <= 2);
    shift = CSize();
    if (item.chartType == 3)
        return item.placement == 0 || item.placement == 1;
    if (fixed && barLike)
        shift.cx = positive ? text.cx / 2 + 8 : -(text.cx / 2 + 8);
    else if (fixed && columnLike)
        shift.cy = positive ? -text.cy : text.cy;
    return true;
}

} // namespace

void CTextPainter::DrawPointLabel(CDC* dc, CChartLabelPoint& item, int x, int y, CString text, LOGFONTA font,
                                  COLORREF textColour, COLORREF backColour, int transparent) const
{
    if (!dc)
        return;
    CFont created;      // outlives the restoring of the DC, which lets go of it
    CSaveDC saved(*dc); // colours, background, alignment, pen and font all come back
    dc->SetTextColor(textColour);
    const bool pie = item.chartType == 3;
    if (pie && item.placement == 0) {
        const CRect slice(item.sliceRect);
        const double a = TenthsToRadians(item.labelAngle);
        const CPoint centre((slice.left + slice.right) / 2, (slice.top + slice.bottom) / 2);
        font.lfEscapement =
            DirectionAngle(centre.x + t(std::cos(a) * slice.Width() * 0.5),
                           centre.y - t(std::sin(a) * slice.Height() * 0.5), centre.x, centre.y);
    }
    if (font.lfEscapement >= 900 && font.lfEscapement <= 2700)
        font.lfEscapement += 1800;
    double theta = TenthsToRadians(font.lfEscapement);
    if (transparent)
        dc->SetBkMode(TRANSPARENT);
    else
        dc->SetBkColor(backColour);
    created.CreateFontIndirect(&font);
    dc->SelectObject(created);
    const CSize size = dc->GetTextExtent(text);
    CPoint anchor(x, y);
    if (pie) {
        const PieAnchor placed = PlacePieLabel(item, size);
        anchor = placed.anchor;
        if (item.placement == 1)
            theta = 0;
        const int drop = item.offsetFlag ? item.offset : 0;
        anchor.y += drop;
        if (item.leaderFlag) {
            const CPoint bend(placed.edge.x + placed.dx, placed.edge.y - placed.dy + drop);
            DrawClippedLine(*dc, POINT{placed.edge.x, placed.edge.y + drop}, bend);
            DrawClippedLine(*dc, bend, POINT{bend.x + placed.segment, bend.y});
        }
    }
    const std::vector<POINT> outline = LabelOutline(dc, anchor, size, theta);
    if (outline.size() < 4)
        return;
    std::copy_n(outline.begin(), 4, item.labelCorners);
    if (item.labelSelected) {
        const int oldRop = dc->SetROP2(R2_NOT);
        for (const POINT& corner : item.labelCorners)
            dc->Rectangle(corner.x - 2, corner.y - 2, corner.x + 2, corner.y + 2);
        dc->SetROP2(oldRop);
    }
    CSize shift;
    if (!TextShift(item, size, shift))
        return;
    dc->SetTextAlign(TA_LEFT | TA_BOTTOM);
    dc->TextOut(item.labelCorners[3].x + shift.cx, item.labelCorners[3].y + shift.cy, text);
}

void CTextPainter::DrawPolygonLabel(CDC* dc, CChartLabelPoint& item, const POINT* points, int count,
                                    CString text, LOGFONTA font, COLORREF textColour, COLORREF backColour,
                                    int transparent) const
{
    if (!item.hasText)
        return;
    int minX = 100000000, minY = 100000000, maxX = -100000000, maxY = -100000000;
    for (int i = 0; points && i < count; ++i) {
        minX = std::min(minX, int(points[i].x));
        minY = std::min(minY, int(points[i].y));
        maxX = std::max(maxX, int(points[i].x));
        maxY = std::max(maxY, int(points[i].y));
    }
    DrawPointLabel(dc, item, (minX + maxX) / 2, (minY + maxY) / 2, text, font, textColour, backColour,
                   transparent);
}
