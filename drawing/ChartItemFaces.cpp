// The faces of 3-D columns, bars and cylinders, drawn back to front and recorded for hit testing.

#include "drawing/CChartShapePainter.h"

#include <algorithm>
#include <vector>

namespace {

// Face number, part letter of each face buffer: front, back, left, right, top, bottom.
constexpr int kBufferFace[6] = {0, 1, 4, 5, 2, 3};
constexpr char kBufferLetter[6] = {'z', 'b', 'l', 'r', 's', 'x'};

struct FaceOrder
{
    std::vector<int> drawn;  // buffers drawn before the front
    std::vector<int> record; // buffers recorded after the front
    bool fourPoints;
};

} // namespace

void CChartShapePainter::Draw3DItemFaces(CDC* dc, const CChart3DView& chart, CChartPointStyle item,
                                         double value, CHitFace hitFaces[6]) const
{
    const POINT w0 = chart.wall0, w3 = chart.wall3, w5 = chart.wall5;
    const bool positive = value >= 0;
    int first = -1, second = -1;
    FaceOrder order{{}, {}, true};
    if (chart.type == 0) {
        first = w0.x >= w3.x ? 3 : 2;
        second = w3.y < w0.y ? (positive ? 5 : 4) : (positive ? 4 : 5);
        order = {{first, second}, {first, second, 9 - second, 5 - first, 1}, true};
    } else if (chart.type == 1) {
        first = w5.y >= w0.y ? 4 : 5;
        second = w0.x < w5.x ? (positive ? 2 : 3) : (positive ? 3 : 2);
        order = {{first, second}, {first, second, 5 - second, 9 - first, 1}, true};
    } else if (chart.type == 4 && chart.subType >= 0 && chart.subType <= 2) {
        first = (w3.y < w0.y && positive) || (w3.y >= w0.y && !positive) ? 5 : 4;
        order = {{first}, {first, 9 - first, 2, 3, 1}, false};
    } else if (chart.type == 4 && chart.subType >= 3 && chart.subType <= 5) {
        first = (w0.x < w5.x && positive) || (w0.x >= w5.x && !positive) ? 2 : 3;
        order = {{first}, {first, 5 - first, 4, 5, 1}, false};
    } else {
        return;
    }
    // Boxes draw four corners of each face, never more than its buffer holds.
    auto count = [&](int buffer) {
        return order.fourPoints ? std::min(4, item.outlineCount[buffer]) : item.outlineCount[buffer];
    };
    for (int buffer : order.drawn) {
        item.highlight = 0;
        DrawStyledFace(dc, item.outline[buffer], count(buffer), nullptr, item, kBufferFace[buffer]);
    }
    item.highlight = chart.floorHighlight;
    DrawStyledFace(dc, item.outline[0], count(0), nullptr, item, 0);
    if (!hitFaces)
        return;
    int slot = 0;
    hitFaces[slot++] = CHitFace{item.outline[0], count(0), kBufferLetter[0]};
    for (int buffer : order.record)
        hitFaces[slot++] = CHitFace{item.outline[buffer], count(buffer), kBufferLetter[buffer]};
}
