#include "workbook/ChartRecord.h"

#include "workbook/ChartItemRecords.h"
#include "workbook/RecordFields.h"

namespace {

constexpr size_t kPartOptionBytes = 2 + 4;
constexpr size_t kMaxPartOptions = size_t(1) << 16;
constexpr size_t kMaxTextLabels = size_t(1) << 16;

template <class Fields, class Style> void StyleFields(Fields& f, Style& s)
{
    f.Int(s.nFillKind);
    f.Int(s.nGradientStyle);
    f.Int(s.nGradientVariant);
    f.Int(s.nStyleReserved);
    f.Int(s.nTexture);
    f.Int(s.nPattern);
    f.Int(s.crColour1);
    f.Int(s.crColour2);
    f.Int(s.crColour3);
    f.Int(s.nLineStyle);
    f.Int(s.nLineWidth);
    f.Int(s.crLineColour);
}

template <class Fields, class Title> void TitleFields(Fields& f, Title& title)
{
    f.String(title.strText);
    f.Int(title.crText);
    f.Int(title.crBack);
    f.Int(title.bTransparent);
    f.Font(title.font);
    f.String(title.strExtra);
}

template <class Fields, class Entry> void RangeEntryFields(Fields& f, Entry& entry)
{
    f.Double(entry.dValue1);
    f.Double(entry.dValue2);
    f.Byte(entry.chFlag1);
    f.Byte(entry.chFlag2);
    f.Int(entry.nValue);
}

// The fields up to the data table.
template <class Fields, class Chart> void ChartFields(Fields& f, Chart& c)
{
    f.Int(c.bCreated);
    f.Int(c.bVisible);
    f.Int(c.bSelected);
    f.Int(c.nSelPart);
    f.Int(c.bNewest);
    f.Int(c.nType);
    f.Int(c.nSubType);
    f.Double(c.dMinValue);
    f.Double(c.dMaxValue);
    f.Int(c.nDepthX);
    f.Int(c.nDepthY);
    f.Rect(c.rcChart);
    f.Int(c.bChartHighlight);
    StyleFields(f, c.chartStyle);
    f.Rect(c.rcPlot);
    f.Int(c.bPlotHighlight);
    StyleFields(f, c.plotStyle);
    f.Rect(c.rcFloor);
    f.Int(c.bFloorHighlight);
    StyleFields(f, c.floorStyle);
    for (auto& wall : c.wallStyles)
        StyleFields(f, wall);
    f.Rect(c.rcLegend);
    f.Int(c.bLegendHighlight);
    StyleFields(f, c.legendStyle);
    f.Rect(c.rcDataArea);
    for (auto* title : {&c.chartTitle, &c.xAxisTitle, &c.yAxisTitle}) {
        f.Rect(title->rc);
        TitleFields(f, *title);
    }
    f.Int(c.bClearOfLockedCols);
    f.Int(c.bClearOfLockedRows);
    f.Rect(c.rcVisible);
    f.Points(c.wallPoints);
    f.Ints(c.faceShown);
    f.Int(c.nPieSeries);
    f.Int(c.bShowTextLabels);
}

} // namespace

void WriteChartObject(CArchiveWriter& out, const CNorvakChart& chart)
{
    CFieldsOut fields(out);
    ChartFields(fields, chart);
    WriteChartItemTable(out, chart.items);
    WriteRowTotals(out, chart.rowTotals);
    WriteLegendItems(out, chart.legendItems);
    out.WriteInt(int32_t(chart.partOrder.size()));
    for (const CChartPartOption& option : chart.partOrder) {
        out.WriteByte(option.chPart);
        out.WriteByte(option.chLevel);
        out.WriteInt(option.nShown);
    }
    out.WriteInt(int32_t(chart.textLabels.size()));
    for (const CChartTextLabel& label : chart.textLabels)
        WriteTextLabel(out, label);
    for (const CChartRangeEntry& entry : chart.rangeEntries)
        RangeEntryFields(fields, entry);
}

void ReadChartObject(CArchiveReader& in, CNorvakChart& chart)
{
    CFieldsIn fields(in);
    ChartFields(fields, chart);
    ReadChartItemTable(in, chart.items);
    ReadRowTotals(in, chart.rowTotals);
    ReadLegendItems(in, chart.legendItems);
    for (size_t n = in.ReadCount(kPartOptionBytes, kMaxPartOptions); n > 0; --n) {
        CChartPartOption option;
        option.chPart = in.ReadByte();
        option.chLevel = in.ReadByte();
        option.nShown = in.ReadInt();
        chart.partOrder.push_back(option);
    }
    for (size_t n = in.ReadCount(kMinimumTextLabelBytes, kMaxTextLabels); n > 0; --n) {
        CChartTextLabel label;
        ReadTextLabel(in, label);
        chart.textLabels.push_back(std::move(label));
    }
    for (CChartRangeEntry& entry : chart.rangeEntries)
        RangeEntryFields(fields, entry);
}
