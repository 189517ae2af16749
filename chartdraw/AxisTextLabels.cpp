// The value-axis tick labels: tick marks or grid lines, the texts in their orientations with the
// corners of their boxes, the grips of selected labels and the selection frame.

#include "chartdraw/ChartAxisPainter.h"

#include "chartdraw/geometry/AxisLabelPlacement.h"
#include "drawing/CPenMaker.h"
#include "drawing/LineClip.h"

#include <algorithm>
#include <cstdlib>
#include <optional>

namespace {

// With label 0's fit flag set, the fitted labels take their size from the spacing of the first
// two: half the vertical spacing as height, or the horizontal spacing shared by the characters.
void FitLabelFonts(CChartTextLabelArray& labels, int direction)
{
    if (labels.size() < 2 || !labels[0].bFitFont)
        return;
    const int spacingX = std::abs(labels[0].ptAnchor[0] - labels[1].ptAnchor[0]);
    const int spacingY = std::abs(labels[0].ptAnchor[1] - labels[1].ptAnchor[1]);
    for (CChartTextLabel& label : labels) {
        if (!label.bFitFont)
            continue;
        if (direction == 0)
            label.font.lfHeight = spacingY / 2;
        else if (const int length = label.strText.GetLength(); length > 0)
            label.font.lfWidth = spacingX / length;
    }
}

void DrawTickMark(CDC* dc, CChartTextLabel& label, int direction, const RECT& gridRect, const RECT& depthRect,
                  int depthX)
{
    const int x = label.ptAnchor[0], y = label.ptAnchor[1];
    CPen tick;
    CPenMaker().CreateLinePen(tick, label.chTickStyle, label.chTickWidth, label.crOutline);
    CSelectObject selectTick(*dc, tick.GetSafeHandle());
    POINT end;
    if (direction == 0) {
        end = POINT{label.bFullGrid ? int(gridRect.right) : x + 7, y};
        DrawClippedLine(*dc, x + 2, y, end.x, end.y);
    } else if (label.bFullGrid) {
        end = POINT{x, gridRect.top};
        DrawClippedLine(*dc, x, y, end.x, end.y);
        CPen depth;
        CPenMaker().CreateLinePen(depth, label.chDepthStyle, label.chDepthWidth, label.crDepth);
        CSelectObject selectDepth(*dc, depth.GetSafeHandle());
        DrawClippedLine(*dc, end.x, end.y, x + depthX, depthRect.top);
    } else {
        end = POINT{x, y - 5};
        DrawClippedLine(*dc, x, y, end.x, end.y);
    }
    label.ptTickEnd[0] = end.x;
    label.ptTickEnd[1] = end.y;
}

// Inverted 4 x 4 squares round the corners of a selected label.
void MarkCorners(CDC* dc, const POINT (&corners)[4])
{
    const int oldRop = dc->SetROP2(R2_NOT);
    for (const POINT& c : corners)
        dc->Rectangle(c.x - 2, c.y - 2, c.x + 2, c.y + 2);
    dc->SetROP2(oldRop);
}

void DrawLabelText(CDC* dc, CChartTextLabel& label, int direction)
{
    dc->SetTextColor(label.crText);
    if (label.bTransparent) {
        dc->SetBkMode(TRANSPARENT);
    } else {
        dc->SetBkMode(OPAQUE);
        dc->SetBkColor(label.crBack);
    }
    CFont font;
    font.CreateFontIndirect(&label.font);
    CSelectObject selectFont(*dc, font.GetSafeHandle());
    const CSize size = dc->GetTextExtent(label.strText);
    const POINT anchor{label.ptAnchor[0], label.ptAnchor[1]};
    const int orientation = label.font.lfEscapement;
    const CAxisLabelPlacement placed = direction == 0
                                           ? PlaceLabelLeftOfAxis(anchor, orientation, size)
                                           : PlaceLabelBelowAxis(anchor, orientation, size, label.chShift);
    if (!placed.hasText)
        return;
    // Text that would read upside down is drawn in a font turned half round.
    CFont turned;
    std::optional<CSelectObject> selectTurned;
    if (placed.fontOrientation != orientation) {
        LOGFONTA turnedFont = label.font;
        turnedFont.lfEscapement = placed.fontOrientation;
        turned.CreateFontIndirect(&turnedFont);
        selectTurned.emplace(*dc, turned.GetSafeHandle());
    }
    dc->SetTextAlign(placed.align);
    dc->TextOut(placed.textPoint.x, placed.textPoint.y, label.strText);
    // A label under a horizontal axis always records its box; one beside a vertical axis only
    // while it is selected.
    if (direction == 1 || label.bSelected)
        std::copy(placed.corners.begin(), placed.corners.end(), label.textCorners);
    if (label.bSelected)
        MarkCorners(dc, label.textCorners);
}

void Grip(CDC* dc, int x, int y)
{
    dc->Rectangle(x - 3, y - 3, x + 3, y + 3);
}

} // namespace

void CChartAxisPainter::DrawChartTextLabels(CDC* dc, CNorvakChart* chart, int direction, RECT gridRect,
                                            RECT depthRect, int depthX, int depthY) const
{
    if (!dc || !chart || !chart->bShowTextLabels)
        return;
    FitLabelFonts(chart->textLabels, direction);
    const bool hasRange = chart->dMinValue < 0 || chart->dMaxValue > 0;
    {
        CSaveDC saved(*dc); // alignment, colours and background mode
        for (CChartTextLabel& label : chart->textLabels) {
            if (hasRange)
                DrawTickMark(dc, label, direction, gridRect, depthRect, depthX);
            DrawLabelText(dc, label, direction);
        }
    }
    DrawTextLabelSelection(dc, chart, direction, depthX, depthY);
}

void CChartAxisPainter::DrawTextLabelSelection(CDC* dc, const CNorvakChart* chart, int, int depthX,
                                               int depthY) const
{
    if (!dc || !chart || !chart->bShowTextLabels)
        return;
    // On a 3-D chart the frame inverts what lies under it, so it shows on the walls.
    const int oldRop = depthX != 0 && depthY != 0 ? dc->SetROP2(R2_NOT) : 0;
    CPen black(PS_SOLID, 1, RGB(0, 0, 0));
    {
        CSelectObject selectPen(*dc, black);
        for (const CChartTextLabel& label : chart->textLabels) {
            const int x = label.ptAnchor[0], y = label.ptAnchor[1];
            const char state = label.chState;
            if (state == 'b' || state == 'a') {
                dc->Rectangle(x - 2, y - 3, x + 4, y + 3);
                Grip(dc, label.ptWallBack[0], label.ptWallBack[1]);
                Grip(dc, label.ptWallBack[2], label.ptWallBack[3]);
                Grip(dc, label.ptTickEnd[0], label.ptTickEnd[1]);
            }
            if (state == 'f' || state == 'a') {
                Grip(dc, x, y);
                Grip(dc, label.ptTickEnd[0], label.ptTickEnd[1]);
            }
        }
    }
    if (oldRop)
        dc->SetROP2(oldRop);
}
