#include "dialogs/TextPlacement.h"

#include <cmath>

std::optional<int> TextPlacement::Code() const
{
    using namespace TextPositionCode;
    if (mode == Stacked)
        return stacked >= 1 && stacked <= 9 ? std::optional<int>(StackedAt(stacked)) : std::nullopt;
    if (shrink)
        return kShrink;
    return wrap ? Wrapped(horizontal, vertical) : SingleLine(horizontal, vertical);
}

long TextPlacement::Escapement() const
{
    return mode == Common && !wrap && !shrink ? long(angle) * 10 : 0;
}

int TextPlacement::Indent() const
{
    return mode == Common ? indent : 0;
}

TextPlacement TextPlacement::OfCell(int code, int indent, long escapement)
{
    TextPlacement placement;
    placement.indent = indent;
    long degrees = (escapement / 10) % 360;
    placement.angle = int(degrees < 0 ? degrees + 360 : degrees);
    if (code >= 1 && code <= 9) {
        placement.horizontal = (code - 1) % 3;
        placement.vertical = (code - 1) / 3;
    } else if (code >= 10 && code <= 27) {
        placement.horizontal = (code - 10) / 2 % 3;
        placement.vertical = (code - 10) / 2 / 3;
        placement.wrap = code % 2 == 1;
    } else if (code >= 40 && code <= 48) {
        placement.mode = Stacked;
        placement.stacked = code - 39;
    } else if (code == TextPositionCode::kShrink) {
        placement.shrink = true;
    }
    return placement;
}

int TextPlacement::CodeForCell(int cellCode) const
{
    const std::optional<int> code = Code();
    if (!code || OfCell(cellCode, 0, 0).Code() == code)
        return cellCode;
    return *code;
}

int DialAngleAt(POINT point, POINT centre, int current)
{
    const int dx = point.x - centre.x;
    const int dy = point.y - centre.y;
    if (dx == 0 && dy == 0)
        return current;
    if (dy == 0)
        return dx > 0 ? 0 : 180;
    if (dx == 0)
        return dy < 0 ? 90 : 270;
    constexpr double kPi = 3.1415926535;
    int angle = int(std::trunc(std::atan(double(dy) / double(-dx)) * 180.0 / kPi));
    if (dx < 0)
        angle += 180;
    else if (dy > 0)
        angle += 360;
    return angle;
}

CRect StackedPositionRect(const RECT& box, int position)
{
    const CRect r(box);
    const int column = (position - 1) % 3;
    const int row = (position - 1) / 3;
    const int left = r.left + r.Width() * column / 3;
    const int top = r.top + r.Height() * row / 3;
    return CRect(left, top, r.left + r.Width() * (column + 1) / 3, r.top + r.Height() * (row + 1) / 3);
}

int StackedPositionAt(const RECT& box, POINT point)
{
    for (int position = 1; position <= 9; ++position)
        if (StackedPositionRect(box, position).PtInRect(point))
            return position;
    return -1;
}
