#include "chartdraw/ChartFramePainter.h"

#include "drawing/LineClip.h"

bool CChartFramePainter::DrawFrame(CDC* dc, RECT frame) const
{
    if (!dc)
        return false;
    CClipGuard clip(*dc);
    dc->IntersectClipRect(frame);
    DrawClippedRectangle(*dc, frame);
    return true;
}
