#include "chartdraw/geometry/CylinderGeometry.h"

#include "chart/model/ChartMath.h"

#include <algorithm>
#include <cmath>

int CylinderEndDepth(double depthLength, double depthAngle, int thickness)
{
    const double depth = thickness >= 0 ? std::min(double(thickness), depthLength) : depthLength;
    return SaturateToInt(std::sin(depthAngle) * depth);
}

CCylinderEnds ColumnCylinderEnds(int left, int right, int baseY, int depth, int signedHeight)
{
    const int half = depth / 2;
    CCylinderEnds ends;
    ends.base = CRect(left, AddSaturated(baseY, -half), right, AddSaturated(baseY, half));
    ends.valueEnd = CRect(left, AddSaturated(ends.base.top, -signedHeight), right,
                          AddSaturated(ends.base.bottom, -signedHeight));
    return ends;
}

CCylinderEnds BarCylinderEnds(int top, int bottom, int baseX, int depth, int signedLength)
{
    const int half = depth / 2;
    CCylinderEnds ends;
    ends.base = CRect(AddSaturated(baseX, -half), top, AddSaturated(baseX, half), bottom);
    ends.valueEnd = CRect(AddSaturated(ends.base.left, signedLength), top,
                          AddSaturated(ends.base.right, signedLength), bottom);
    return ends;
}
