// The walls of the 3-D box of a chart: its corners, the faces behind the data (filled while the
// plot is laid out), the faces in front of it (filled after the data) and the grid lines of the
// ticks across the walls.

#include "chartdraw/ChartAxisPainter.h"

#include "chart/model/ChartKinds.h"
#include "chartdraw/ChartStyleFills.h"
#include "drawing/CPenMaker.h"
#include "drawing/LineClip.h"

#include <algorithm>

namespace {

enum CWall
{
    kLeftWall,
    kRightWall,
    kTopWall,
    kBottomWall,
    kZeroPlane
};

// The fill style (index into wallStyles) and faceShown flag of each wall.
struct CWallFill
{
    int style;
    int flag;
};
constexpr CWallFill kWallFills[] = {{0, 3}, {2, 4}, {3, 1}, {4, 2}, {1, 7}};

// The four corners of a wall of the box. The walls filled before the data keep a pixel off the
// edges the data is drawn against; the ones filled after it do not, on a vertical value axis.
std::array<POINT, 4> WallCorners(const POINT (&p)[12], int direction, CWall wall, bool behindData)
{
    auto at = [&p](int i, int dx = 0, int dy = 0) { return POINT{p[i].x + dx, p[i].y + dy}; };
    const int shift = behindData ? 1 : 0;
    if (direction == 1) {
        switch (wall) {
        case kLeftWall:
            return {at(0, 1), at(6, 1), at(11), at(5)};
        case kRightWall:
            return {at(2), at(8), at(9), at(3)};
        case kTopWall:
            return {at(0), at(2), at(3, 0, 1), at(5, 0, 1)};
        default:
            return {at(6), at(8), at(9), at(11)};
        }
    }
    switch (wall) {
    case kLeftWall:
        return {at(0, 1), at(8, 1), at(11), at(3)};
    case kRightWall:
        return {at(1), at(9), at(10), at(2)};
    case kTopWall:
        return {at(0), at(1), at(2, 0, shift), at(3, 0, shift)};
    case kBottomWall:
        return {at(8), at(9), at(10, 0, shift), at(11, 0, shift)};
    default:
        return {at(4), at(5), at(6), at(7)};
    }
}

void FillWall(CDC* dc, const CChartShapePainter& painter, const CNorvakChart& chart, int direction, CWall wall,
              bool behindData)
{
    const CWallFill fill = kWallFills[wall];
    if (!chart.faceShown[fill.flag - 1])
        return;
    const std::array<POINT, 4> corners = WallCorners(chart.wallPoints, direction, wall, behindData);
    const CChartFillStyle& style = chart.wallStyles[fill.style];
    FillPolygonWithStyle(painter, dc, corners.data(), 4, style, wall == kZeroPlane ? 0 : style.nLineStyle, 0);
}

// The front left and front top corner the back of the box is compared with.
POINT FrontTopLeft(const CNorvakChart& chart, int direction)
{
    return chart.wallPoints[direction == 1 ? 5 : 3];
}

} // namespace

void CChartAxisPainter::CalcWallGeometry(CDC* dc, CNorvakChart* chart, const std::array<CPoint, 12>& wallPoints,
                                         int direction) const
{
    if (!dc || !chart)
        return;
    std::copy(wallPoints.begin(), wallPoints.end(), chart->wallPoints);
    const CChartShapePainter painter(m_tables);
    const POINT back = chart->wallPoints[0], front = FrontTopLeft(*chart, direction);
    FillWall(dc, painter, *chart, direction, back.x >= front.x ? kLeftWall : kRightWall, true);
    const bool line3D = chart->nType == kChartLine && chart->nSubType == 6;
    if (direction == 0 && line3D && chart->dMinValue < 0 && chart->dMaxValue > 0)
        FillWall(dc, painter, *chart, direction, kZeroPlane, true);
    FillWall(dc, painter, *chart, direction, back.y > front.y ? kTopWall : kBottomWall, true);
}

void CChartAxisPainter::DrawWalls(CDC* dc, const CNorvakChart* chart, int direction) const
{
    if (!dc || !chart)
        return;
    const CChartShapePainter painter(m_tables);
    const POINT back = chart->wallPoints[0], front = FrontTopLeft(*chart, direction);
    FillWall(dc, painter, *chart, direction, back.x < front.x ? kLeftWall : kRightWall, false);
    FillWall(dc, painter, *chart, direction, back.y > front.y ? kBottomWall : kTopWall, false);
}

void CChartAxisPainter::DrawWallGridLines(CDC* dc, CNorvakChart* chart, int direction, const RECT& front,
                                          const RECT& back, int depthX, int depthY) const
{
    if (!dc || !chart || !chart->bShowTextLabels)
        return;
    const bool positiveOnly = chart->dMinValue >= 0 && chart->dMaxValue > 0;
    if (chart->dMinValue >= 0 && chart->dMaxValue <= 0)
        return;
    for (CChartTextLabel& label : chart->textLabels) {
        const int x = label.ptAnchor[0], y = label.ptAnchor[1];
        POINT line[4];
        int count = 0;
        if (direction == 1) {
            line[count++] = POINT{x, y};
            line[count++] = POINT{x + depthX, back.bottom};
            line[count++] = POINT{x + depthX, back.top};
        } else if (positiveOnly || label.bGridWhenNegative) {
            line[count++] = POINT{x + 2, y};
            line[count++] = POINT{back.left, y - depthY};
            line[count++] = POINT{back.right, y - depthY};
            line[count++] = POINT{front.right, y};
        } else {
            continue;
        }
        CPen pen;
        CPenMaker().CreateLinePen(pen, label.chDepthStyle, label.chDepthWidth, label.crDepth);
        {
            CSelectObject select(*dc, pen.GetSafeHandle());
            DrawClippedPolyline(*dc, line, count);
        }
        const POINT& b0 = line[1];
        const POINT& b1 = line[2];
        label.ptWallBack[0] = b0.x;
        label.ptWallBack[1] = b0.y;
        label.ptWallBack[2] = b1.x;
        label.ptWallBack[3] = b1.y;
    }
}
