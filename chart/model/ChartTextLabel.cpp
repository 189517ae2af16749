#include "chart/model/ChartTextLabel.h"

#include <cstring>

CChartTextLabel::CChartTextLabel(int escapement)
    : bTransparent(1), crText(0xFF0000), crBack(0xFF), chState('n'), chTickStyle(4), chDepthStyle(1),
      chTickWidth(1), chDepthWidth(1), crOutline(0xFF00FF), crDepth(0xFF0000), bFullGrid(1),
      bGridWhenNegative(1), ptWallBack{-1, -1, -1, -1}, ptTickEnd{-1, -1}
{
    font.lfHeight = -12;
    font.lfEscapement = escapement;
    std::strcpy(font.lfFaceName, "宋体");
}
