#include "workbook/ChartItemRecords.h"

#include "workbook/RecordFields.h"

#include <algorithm>

namespace {

// A table of rows with no data point takes no bytes for its rows, so their number is bounded here
// instead of by the data.
constexpr size_t kMaxEmptyTableRows = 1024;
constexpr size_t kMaxListLength = size_t(1) << 20;

// The pen's colour and the twelve ints that travel with it sit on both sides of the pen's width and
// style in the file.
template <class Fields, class Item> void PointFields(Fields&& f, Item& item)
{
    f.Double(item.dValue);
    f.String(item.strCellText);
    f.Ints(item.faceFillKind);
    f.Ints(item.faceColour);
    for (auto& pair : item.faceGradient)
        f.Ints(pair);
    f.Ints(item.faceTexture);
    f.Ints(item.facePattern);
    f.Ints(item.facePatternFore);
    f.Ints(item.facePatternBack);
    f.Int(item.placement[0]);
    f.Int(item.nLineWidth);
    f.Int(item.nLineStyle);
    for (size_t i = 1; i < std::size(item.placement); ++i)
        f.Int(item.placement[i]);
    f.Ints(item.faceGradientStyle);
    f.Ints(item.faceGradientVariant);
    f.CountsThenPoints(item.faceOutline);
    f.Byte(item.chSelPart);
    for (auto& face : item.hitFaces) {
        f.CountedPoints(face.points);
        f.Byte(face.chLetter);
    }
    f.CountedPoints(item.auxPoints);
    f.Int(item.nExplodeA);
    f.Int(item.nDepthA);
    f.Int(item.nDepthB);
    f.Int(item.nExplodeB);
    f.Rect(item.rcHole);
    f.Rect(item.rcPie);
    f.Rect(item.rcTopOuter);
    f.Rect(item.rcTopInner);
    f.Float(item.fScale);
    f.Float(item.fHoleHeightRatio);
    f.Float(item.fHoleWidthRatio);
    f.Int(item.nLabelAngle);
    f.Int(item.nChartType);
    f.Int(item.nChartSubType);
    f.Int(item.bHighlight);
    f.Int(item.bLabelSelected);
    f.Int(item.labelStyle.bLabelTransparent);
    f.Int(item.labelStyle.crLabelText);
    f.Int(item.labelStyle.crLabelBack);
    f.Int(item.nPieDepth);
    f.Byte(item.bLabelFixedAngle);
    f.Int(item.nLeaderLength);
    f.Int(item.bLeaderLine);
    f.Int(item.bLabelDropByDepth);
    f.Font(item.labelFont);
    f.Points(item.labelCorners);
}

template <class Fields, class Item> void LegendItemFields(Fields&& f, Item& item)
{
    f.Rect(item.rcFlag);
    f.Rect(item.rcCaption);
    f.Rect(item.rcFull);
    f.Font(item.font);
    f.String(item.strExtra);
    f.Int(item.bFitText);
    f.Int(item.crText);
    f.Int(item.crBack);
    f.Int(item.bTransparent);
    f.String(item.strCaption);
    f.Int(item.nMarkerStyle);
    f.Int(item.nMarkerLineStyle);
    f.Int(item.nMarkerLineWidth);
    f.Int(item.crMarkerLine);
    auto& fill = item.markerFill;
    f.Int(fill.nFillKind);
    f.Int(fill.crColour);
    f.Ints(fill.crGradient);
    f.Int(fill.nGradientStyle);
    f.Int(fill.nGradientVariant);
    f.Int(fill.nTexture);
    f.Int(fill.nPattern);
    f.Int(fill.crPatternFore);
    f.Int(fill.crPatternBack);
    f.Int(item.bStrikeLine);
    f.Int(item.bOuterCircle);
    f.Int(item.nMarkerSetting);
    f.Int(item.nChartType);
    f.Byte(item.chSelPart);
}

template <class Fields, class Label> void TextLabelFields(Fields&& f, Label& label)
{
    f.Int(label.bSelected);
    f.Int(label.bFitFont);
    f.Int(label.bTransparent);
    f.Int(label.crText);
    f.Int(label.crBack);
    f.Byte(label.chState);
    f.Byte(label.chTickStyle);
    f.Byte(label.chDepthStyle);
    f.Byte(label.chTickWidth);
    f.Byte(label.chDepthWidth);
    f.Int(label.crOutline);
    f.Int(label.crDepth);
    f.Int(label.bFullGrid);
    f.Int(label.bGridWhenNegative);
    f.Ints(label.ptWallBack);
    f.Ints(label.ptTickEnd);
    f.String(label.strText);
    f.Ints(label.ptAnchor);
    f.Byte(label.chShift);
    f.Font(label.font);
    f.Points(label.textCorners);
}

template <class Fields, class Totals> void RowTotalsFields(Fields&& f, Totals& totals)
{
    f.Double(totals.dNegativeSum);
    f.Double(totals.dPositiveSum);
    f.Double(totals.dAbsSum);
    f.Int(totals.chSign);
}

template <class T, class Write>
void WriteCountedList(CArchiveWriter& out, const std::vector<T>& list, Write write)
{
    out.WriteInt(int32_t(list.size()));
    for (const T& element : list)
        write(out, element);
}

template <class T, class Read>
void ReadCountedList(CArchiveReader& in, std::vector<T>& list, size_t elementBytes, Read read)
{
    for (size_t n = in.ReadCount(elementBytes, kMaxListLength); n > 0; --n) {
        T element;
        read(in, element);
        list.push_back(std::move(element));
    }
}

} // namespace

void WriteChartItem(CArchiveWriter& out, const CChartItem& item)
{
    PointFields(FieldsOf(out), item);
}

void ReadChartItem(CArchiveReader& in, CChartItem& item)
{
    PointFields(FieldsOf(in), item);
}

void WriteLegendItem(CArchiveWriter& out, const CChartTextItem& item)
{
    LegendItemFields(FieldsOf(out), item);
}

void ReadLegendItem(CArchiveReader& in, CChartTextItem& item)
{
    LegendItemFields(FieldsOf(in), item);
}

void WriteTextLabel(CArchiveWriter& out, const CChartTextLabel& label)
{
    TextLabelFields(FieldsOf(out), label);
}

void ReadTextLabel(CArchiveReader& in, CChartTextLabel& label)
{
    TextLabelFields(FieldsOf(in), label);
}

void WriteChartItemTable(CArchiveWriter& out, const CChartItemTable& table)
{
    const size_t cols = table.empty() ? 0 : table.front().size();
    out.WriteInt(int32_t(table.size()));
    out.WriteInt(int32_t(cols));
    const CChartItem fresh;
    for (const CChartItemArray& row : table)
        for (size_t col = 0; col < cols; ++col)
            WriteChartItem(out, col < row.size() ? row[col] : fresh);
}

void ReadChartItemTable(CArchiveReader& in, CChartItemTable& table)
{
    const int storedRows = in.ReadInt();
    const int storedCols = in.ReadInt();
    const size_t rows = size_t(std::max(storedRows, 0));
    const size_t cols = rows ? size_t(std::max(storedCols, 0)) : 0;
    if (cols == 0 ? rows > kMaxEmptyTableRows
                  : uint64_t(rows) * cols > in.Remaining() / kMinimumChartItemBytes)
        CArchiveReader::Fail("a chart data table larger than the data allow");
    CChartItemTable read(rows);
    for (CChartItemArray& row : read) {
        row.reserve(cols);
        for (size_t col = 0; col < cols; ++col) {
            CChartItem item;
            ReadChartItem(in, item);
            row.push_back(std::move(item));
        }
    }
    table = std::move(read);
}

void WriteRowTotals(CArchiveWriter& out, const CChartRowTotalsArray& totals)
{
    WriteCountedList(out, totals,
                     [](CArchiveWriter& o, const CChartRowTotals& t) { RowTotalsFields(FieldsOf(o), t); });
}

void ReadRowTotals(CArchiveReader& in, CChartRowTotalsArray& totals)
{
    ReadCountedList(in, totals, kRowTotalsBytes,
                    [](CArchiveReader& i, CChartRowTotals& t) { RowTotalsFields(FieldsOf(i), t); });
}

void WriteLegendItems(CArchiveWriter& out, const CChartTextItemArray& items)
{
    WriteCountedList(out, items, WriteLegendItem);
}

void ReadLegendItems(CArchiveReader& in, CChartTextItemArray& items)
{
    ReadCountedList(in, items, kMinimumLegendItemBytes, ReadLegendItem);
}
