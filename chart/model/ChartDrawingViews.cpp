#include "chart/model/ChartDrawingViews.h"

#include <algorithm>

CChartPointStyle PointStyleOf(const CChartItem& item)
{
    CChartPointStyle style;
    for (int k = 0; k < CChartItem::kFaces; ++k) {
        CFaceFill& face = style.faces[k];
        face.fillKind = item.faceFillKind[k];
        face.colour = item.faceColour[k];
        face.gradient[0] = item.faceGradient[k][0];
        face.gradient[1] = item.faceGradient[k][1];
        face.gradientStyle = item.faceGradientStyle[k];
        face.gradientVariant = item.faceGradientVariant[k];
        face.texture = item.faceTexture[k];
        face.pattern = item.facePattern[k];
        face.patternFore = item.facePatternFore[k];
        face.patternBack = item.facePatternBack[k];
        style.outline[k] = item.faceOutline[k].data();
        style.outlineCount[k] = item.FaceOutlineCount(k);
    }
    style.lineStyle = item.nLineStyle;
    style.lineWidth = item.nLineWidth;
    style.lineColour = COLORREF(item.placement[0]);
    style.highlight = item.bHighlight;
    style.chartType = item.nChartType;
    style.chartSubType = item.nChartSubType;
    style.selectedPart = item.chSelPart;
    return style;
}

CChartLabelPoint LabelPointOf(const CChartItem& item)
{
    CChartLabelPoint label;
    label.chartType = item.nChartType;
    label.chartSubType = item.nChartSubType;
    label.value = item.dValue;
    label.hasText = !item.strCellText.IsEmpty();
    label.labelSelected = item.bLabelSelected;
    label.labelAngle = item.nLabelAngle;
    label.sliceRect = item.rcTopOuter;
    label.secondRect = item.rcTopInner;
    label.selector = item.nExplodeA;
    label.leaderLength = item.nLeaderLength;
    label.placement = item.bLabelFixedAngle;
    label.leaderFlag = item.bLeaderLine;
    label.offsetFlag = item.bLabelDropByDepth;
    label.offset = item.nPieDepth;
    for (int k = 0; k < CChartItem::kFaces; ++k) {
        const CChartHitFace& face = item.hitFaces[k];
        label.hitFaces[k] = CHitFace{face.points.data(), int(face.points.size()), face.chLetter};
    }
    std::copy(std::begin(item.labelCorners), std::end(item.labelCorners), label.labelCorners);
    return label;
}

void StoreLabelCorners(CChartItem& item, const CChartLabelPoint& label)
{
    std::copy(std::begin(label.labelCorners), std::end(label.labelCorners), item.labelCorners);
}

CChart3DView Chart3DViewOf(const CNorvakChart& chart)
{
    CChart3DView view;
    view.type = chart.nType;
    view.subType = chart.nSubType;
    view.wall0 = chart.wallPoints[0];
    view.wall3 = chart.wallPoints[3];
    view.wall5 = chart.wallPoints[5];
    view.floorHighlight = chart.bFloorHighlight;
    return view;
}

CMarkerKey MarkerKeyOf(const CChartTextItem& entry)
{
    CMarkerKey key;
    key.markerIndex = entry.nMarkerStyle;
    key.lineStyle = entry.nMarkerLineStyle;
    key.lineWidth = entry.nMarkerLineWidth;
    key.lineColour = entry.crMarkerLine;
    key.glyphTextColour = entry.markerFill.crGradient[0];
    key.glyphBackColour = entry.markerFill.crGradient[1];
    key.lineFlag = entry.bStrikeLine;
    key.ringFlag = entry.bOuterCircle;
    key.entryKind = entry.nChartType;
    return key;
}

void StoreHitFaces(CChartItem& item, const CHitFace (&faces)[CChartItem::kFaces])
{
    // Copied aside first: a recorded face may point into the lists being replaced.
    CChartHitFace copies[CChartItem::kFaces];
    for (int k = 0; k < CChartItem::kFaces; ++k) {
        if (faces[k].points && faces[k].count > 0)
            copies[k].points.assign(faces[k].points, faces[k].points + faces[k].count);
        copies[k].chLetter = faces[k].letter;
    }
    std::move(std::begin(copies), std::end(copies), item.hitFaces);
}

int ResetChartItemBuffers(const CNorvakChart& chart, CChartItemTable& items)
{
    const size_t n = items.empty() ? 0 : items.front().size();
    const bool boxes = chart.nType == kChartColumn || chart.nType == kChartBar;
    for (CChartItemArray& row : items)
        for (size_t k = 0; k < n && k < row.size(); ++k)
            for (std::vector<POINT>& outline : row[k].faceOutline) {
                std::vector<POINT>().swap(outline);
                if (boxes)
                    outline.resize(4);
            }
    return int(std::min<size_t>(n, INT_MAX));
}
