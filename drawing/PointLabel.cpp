// The value labels of chart data points.

#include "drawing/CTextPainter.h"
#include "drawing/LineClip.h"

#include <algorithm>
#include <array>
#include <cmath>

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

// The box of a text W by H centred on the anchor at angle theta, moved by shift. Corners 0 and 1
// lie at the end of the text, 2 and 3 at its start; 1 and 2 along its top, 3 and 0 along its foot.
// Corner 3 is where the text starts on its foot, the point it is drawn from; the box holds the
// text's cell exactly, whatever a widened path would have given.
std::array<POINT, 4> LabelBox(CPoint anchor, CSize text, double theta, CSize shift)
{
    const double cosine = std::cos(theta), sine = std::sin(theta);
    const int half = text.cx / 2;
    // The start of the line as long as the text through the anchor, then down half its height.
    const CPoint start(anchor.x + t(half * std::cos(theta + kPi)),
                       anchor.y - t(half * std::sin(theta + kPi)));
    const CPoint foot(start.x + t(text.cy / 2 * sine) + shift.cx,
                      start.y + t(text.cy / 2 * cosine) + shift.cy);
    const CSize along(int(std::lround(text.cx * cosine)), int(-std::lround(text.cx * sine)));
    const CSize up(int(-std::lround(text.cy * sine)), int(-std::lround(text.cy * cosine)));
    return {POINT{foot.x + along.cx, foot.y + along.cy},
            POINT{foot.x + along.cx + up.cx, foot.y + along.cy + up.cy},
            POINT{foot.x + up.cx, foot.y + up.cy}, POINT{foot.x, foot.y}};
}

// How far the text moves from its place on the anchor, by chart type; false: no text at all.
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
    if (size.cx <= 0 || size.cy <= 0)
        return; // nothing to frame
    // The box is recorded where the text goes, moved by its chart type, so that hit tests and the
    // grips of a selected label find the text itself.
    CSize shift;
    const bool drawsText = TextShift(item, size, shift);
    const std::array<POINT, 4> box = LabelBox(anchor, size, theta, shift);
    std::copy(box.begin(), box.end(), item.labelCorners);
    if (item.labelSelected) {
        const int oldRop = dc->SetROP2(R2_NOT);
        for (const POINT& corner : item.labelCorners)
            dc->Rectangle(corner.x - 2, corner.y - 2, corner.x + 2, corner.y + 2);
        dc->SetROP2(oldRop);
    }
    if (!drawsText)
        return;
    dc->SetTextAlign(TA_LEFT | TA_BOTTOM);
    dc->TextOut(item.labelCorners[3].x, item.labelCorners[3].y, text);
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
