#include "chart/model/ChartItem.h"

#include "chart/model/ChartMath.h"

#include <cstdlib>
#include <cstring>

namespace {

void SetLabelFont(LOGFONTA& font, int height, int escapement)
{
    font = LOGFONTA{};
    font.lfHeight = height;
    font.lfEscapement = escapement;
    std::strcpy(font.lfFaceName, "宋体");
}

// The face that takes the series colour: the front of columns, bars and cylinders, face 4 of lines
// and pies; -1 for a type outside 0..4.
int FrontFace(int chartType)
{
    switch (chartType) {
    case 0:
    case 1:
    case 4:
        return 0;
    case 2:
    case 3:
        return 4;
    default:
        return -1;
    }
}

} // namespace

CChartItem::CChartItem()
{
    SetLabelFont(labelFont, -12, 450);
}

CChartItem::CChartItem(const CString& text, COLORREF colour, int chartType, int chartSubType)
    : dValue(FiniteOrZero(std::atof(text))), strCellText(text), nChartType(chartType), nChartSubType(chartSubType)
{
    for (int& kind : faceFillKind)
        kind = 1;
    if (const int front = FrontFace(chartType); front >= 0)
        for (int face = 0; face < kFaces; ++face)
            faceColour[face] = face == front ? colour : Shade(colour);
    if (chartType == 3 && chartSubType >= 4 && chartSubType <= 7)
        fHoleHeightRatio = fHoleWidthRatio = 0.5f;
    SetLabelFont(labelFont, -14, 0);
    bLabelFixedAngle = 0;
}

COLORREF CChartItem::Shade(COLORREF colour)
{
    auto shade = [](BYTE b) { return BYTE(b - 2 * (b / 10)); };
    return RGB(shade(GetRValue(colour)), shade(GetGValue(colour)), shade(GetBValue(colour)));
}

int CChartItem::FaceOutlineCount(int face) const
{
    return face >= 0 && face < kFaces ? int(faceOutline[face].size()) : 0;
}

void CChartItem::ReleaseGeometry()
{
    for (int face = 0; face < kFaces; ++face) {
        std::vector<POINT>().swap(faceOutline[face]);
        std::vector<POINT>().swap(hitFaces[face].points);
    }
}
