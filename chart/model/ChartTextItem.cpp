#include "chart/model/ChartTextItem.h"

#include <cstring>

CChartTextItem::CChartTextItem(int chartType, int chartSubType, const CString& caption, COLORREF colour)
    : crBack(0xFFFFFF), bTransparent(1), strCaption(caption), nMarkerSetting(1), nChartType(chartType),
      chSelPart(' ')
{
    std::strcpy(font.lfFaceName, "system");
    if (chartType < 0 || chartType > 4)
        return;
    nMarkerLineStyle = 1;
    nMarkerLineWidth = 1;
    markerFill.nFillKind = 1;
    markerFill.crColour = colour;
    markerFill.crGradient[0] = colour;
    markerFill.crGradient[1] = 0xFFFFFF;
    if (chartType == 2 && chartSubType == 6) {
        nMarkerStyle = 5;
        bStrikeLine = 1;
    }
}
