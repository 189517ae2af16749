#include "chartdraw/ChartFramePainter.h"

bool CChartFramePainter::DrawFrame(CDC* dc, RECT frame) const
{
    if (!dc)
        return false;
    CClipGuard clip(*dc);
    dc->IntersectClipRect(frame);
    return dc->Rectangle(frame);
}
