// The chart records of a workbook file: their layout, pages with charts through a save and a load
// member by member, and refusal of hostile counts and lengths inside them without a leak or an
// allocation the data could not justify.

#include "tests/support/AllocationProbe.h"
#include "tests/workbook/ChartSamples.h"
#include "tests/workbook/FileBytes.h"
#include "tests/workbook/HostilePatches.h"
#include "tests/workbook/WorkbookSamples.h"
#include "workbook/ChartItemRecords.h"
#include "workbook/ChartRecord.h"

#include <cstring>

namespace {

template <class Record>
std::vector<uint8_t> RecordBytes(void (*write)(CArchiveWriter&, const Record&), const Record& r)
{
    CArchiveWriter out;
    write(out, r);
    return out.TakeBytes();
}

CChartItem FacelessItem()
{
    CChartItem item;
    item.labelFont.lfFaceName[0] = 0;
    return item;
}

} // namespace

TEST(ChartRecords, EmptyRecordsTakeTheFewestBytes)
{
    CNorvakChart chart;
    EXPECT_EQ(RecordBytes(WriteChartItem, FacelessItem()).size(), kMinimumChartItemBytes);
    EXPECT_EQ(RecordBytes(WriteLegendItem, CChartTextItem()).size(), kMinimumLegendItemBytes);
    EXPECT_EQ(RecordBytes(WriteTextLabel, CChartTextLabel()).size(), kMinimumTextLabelBytes);
    EXPECT_EQ(RecordBytes(WriteChartObject, chart).size(), kMinimumChartBytes);
}

TEST(ChartRecords, FieldsSitWhereTheLayoutPutsThem)
{
    // Records as they are constructed; offsets count no text, the fonts' faces as given.
    const std::vector<uint8_t> point = RecordBytes(WriteChartItem, FacelessItem());
    const std::vector<uint8_t> legend = RecordBytes(WriteLegendItem, CChartTextItem(2, 6, "", RGB(1, 2, 3)));
    CNorvakChart inserted(0, 3, -5, 40);
    inserted.chartTitle.font.lfFaceName[0] = 0;
    inserted.chartTitle.strText.Empty();
    inserted.chartTitle.rc = CRect(11, 12, 13, 14);
    inserted.partOrder.clear();
    const std::vector<uint8_t> chart = RecordBytes(WriteChartObject, inserted);
    // Where the chart's own fields end: before the empty data table, four empty lists and the
    // fourteen range entries.
    const size_t fieldsEnd = chart.size() - 308 - 4 * 4 - 8;
    float one = 1.0f;
    int32_t oneBits = 0;
    std::memcpy(&oneBits, &one, 4);
    struct Field
    {
        const char* name;
        const std::vector<uint8_t>& bytes;
        size_t at;
        int32_t value;
    } fields[] = {
        {"point: outline width", point, 205, 1},
        {"point: outline style", point, 209, 1},
        {"point: first outline count", point, 309, 0},
        {"point: mark", point, 333, ' '},
        {"point: scale", point, 448, oneBits},
        {"point: highlight flag", point, 472, 1},
        {"point: label transparent", point, 480, 1},
        {"point: label background", point, 488, 0xFFFFFF},
        {"point: leader length", point, 497, 20},
        {"point: leader flags", point, 501, 1},
        {"point: label font height", point, 509, -12},
        {"point: label font escapement", point, 517, 450},
        {"legend: background", legend, 92, 0xFFFFFF},
        {"legend: transparent", legend, 96, 1},
        {"legend: marker style", legend, 101, 5},
        {"legend: marker fill kind", legend, 117, 1},
        {"legend: marker colour", legend, 121, RGB(1, 2, 3)},
        {"legend: strike line", legend, 157, 1},
        {"legend: setting after the circle flag", legend, 165, 1},
        {"legend: kind", legend, 169, 2},
        {"chart: visible", chart, 4, 1},
        {"chart: selected part", chart, 12, -1},
        {"chart: type", chart, 20, 0},
        {"chart: sub-type", chart, 24, 3},
        {"chart: depth offsets", chart, 44, 10},
        {"chart: whole-chart fill", chart, 72, 1},
        {"chart: floor line style", chart, 204 + 40, 3},
        {"chart: title transparent", chart, 596 + 1 + 8, 1},
        {"chart: title rectangle", chart, 580, 11},
        {"chart: clear of locked columns", chart, fieldsEnd - 8 - 28 - 96 - 16 - 8, 1},
        {"chart: clear of locked rows", chart, fieldsEnd - 8 - 28 - 96 - 16 - 4, 1},
        {"chart: third face flag", chart, fieldsEnd - 8 - 28 + 8, 1},
        {"chart: text labels shown", chart, fieldsEnd - 4, 1},
    };
    for (const Field& f : fields)
        EXPECT_EQ(IntAt(f.bytes, f.at), f.value) << f.name;
    EXPECT_EQ(point[496], 1) << "label placement";
    EXPECT_EQ(legend[173], ' ') << "selected part";
    EXPECT_EQ(legend.size(), kMinimumLegendItemBytes + 6) << "face \"system\"";
    double low = 0;
    std::memcpy(&low, chart.data() + 28, 8);
    EXPECT_EQ(low, -5.0);
    EXPECT_EQ(chart[596], 0) << "the chart title's text follows its rectangle";
    EXPECT_EQ(chart[chart.size() - 6], 1);
    EXPECT_EQ(chart[chart.size() - 5], 1);
}

TEST(ChartRecords, PagesWithChartsComeBackMemberByMember)
{
    SamplePage s("图表", 12, 8);
    FillSample(s);
    AddSampleCharts(*s.page);
    CPageToSave pages[] = {s.ToSave()};
    const std::vector<uint8_t> bytes = SaveBytes(pages, CHeaderFlags{1, 1});
    std::vector<CLoadedPage> loaded;
    std::string why;
    ASSERT_EQ(LoadBytes(bytes, loaded, &why), CReadResult::Read) << why;
    SamplePage back(std::move(loaded[0]));

    EXPECT_EQ(PageDifference(s, back), "");
    const std::string want = DescribePageCharts(*s.page), got = DescribePageCharts(*back.page);
    EXPECT_EQ(got, want);
    EXPECT_NE(want.find("2 rows"), std::string::npos) << "the sample is not what the test thinks";
    ASSERT_EQ(back.page->m_charts.size(), 3u);
    EXPECT_EQ(back.page->m_charts[1]->partOrder.back().chLevel, 0xEE);

    CPageToSave again[] = {back.ToSave()};
    EXPECT_EQ(SaveBytes(again, CHeaderFlags{1, 1}), bytes);
}

TEST(ChartRecords, PagesWithoutChartDataKeepTheirBytes)
{
    SamplePage plain("P", 6, 4), emptySettings("P", 6, 4);
    PendingChartSettings(*emptySettings.page);
    CPageToSave a[] = {plain.ToSave()}, b[] = {emptySettings.ToSave()};
    EXPECT_EQ(SaveBytes(b), SaveBytes(a));

    std::vector<CLoadedPage> loaded;
    ASSERT_EQ(LoadBytes(SaveBytes(b), loaded), CReadResult::Read);
    EXPECT_EQ(loaded[0].page->m_chartSettings, nullptr) << "made for a page with chart data only";
    EXPECT_TRUE(loaded[0].page->m_charts.empty());
}

TEST(ChartRecords, TableRowsAreWrittenAtTheSizeOfTheFirst)
{
    // A reader sizes every row by the first; a row of another size must not make a file it misreads.
    CNorvakChart chart;
    chart.items = {
        {FacelessItem(), FacelessItem()}, {FacelessItem()}, {FacelessItem(), FacelessItem(), FacelessItem()}};
    chart.items[1][0].dValue = 7;
    chart.items[2][2].dValue = 9;
    const std::vector<uint8_t> bytes = RecordBytes(WriteChartObject, chart);
    EXPECT_EQ(bytes.size(), kMinimumChartBytes + 6 * kMinimumChartItemBytes + std::strlen("宋体"));

    CArchiveReader in(bytes.data(), bytes.size());
    CNorvakChart back;
    ReadChartObject(in, back);
    ASSERT_EQ(back.items.size(), 3u);
    for (const CChartItemArray& row : back.items)
        EXPECT_EQ(row.size(), 2u);
    EXPECT_EQ(back.items[1][0].dValue, 7);
    EXPECT_EQ(DescribeChartItem(back.items[1][1]), DescribeChartItem(CChartItem()));
    EXPECT_EQ(in.Remaining(), 0u);
}

TEST(ChartRecords, AReadFailingForMemoryLeavesNothingBehind)
{
    SamplePage s("M", 3, 3);
    AddSampleCharts(*s.page);
    CPageToSave pages[] = {s.ToSave()};
    const std::vector<uint8_t> bytes = SaveBytes(pages);
    const long long before = AllocationProbe::Live();
    bool everyStepFailed = true;
    for (long long step = 0;; step += 7) {
        CReadResult result;
        {
            std::vector<CLoadedPage> loaded;
            AllocationProbe::FailAllocation(step);
            result = LoadBytes(bytes, loaded);
            everyStepFailed &= !AllocationProbe::Failed() || loaded.empty();
        }
        const bool failed = AllocationProbe::Failed();
        AllocationProbe::FailAllocation(-1);
        if (!failed) {
            EXPECT_EQ(result, CReadResult::Read);
            break;
        }
        everyStepFailed &= result == CReadResult::Refused;
        ASSERT_EQ(AllocationProbe::Live(), before) << "allocation " << step;
    }
    EXPECT_TRUE(everyStepFailed);
}

TEST(ChartRecords, HostileCountsAndLengthsAreRefused)
{
    constexpr int32_t kChartMark = 0x0C4A7701, kPointMark = 0x0C4A7702, kTableMark = 0x0C4A7703;
    constexpr int32_t kAuxMark = 0x0C4A7704, kHitMark = 0x0C4A7705, kTotalsMark = 0x0C4A7706;
    constexpr int32_t kLegendMark = 0x0C4A7707, kSourceLegendMark = 0x0C4A7708, kPartMark = 0x0C4A7709;
    constexpr int32_t kLabelMark = 0x0C4A770A, kSourceTotalsMark = 0x0C4A770B;
    SamplePage s("H", 3, 3);
    {
        CChartPageSettings& source = PendingChartSettings(*s.page);
        source.items = {{FacelessItem()}};
        source.items[0][0].placement[0] = kTableMark;
        source.legendItems.resize(1);
        source.legendItems[0].crMarkerLine = kSourceLegendMark;
        source.rowTotals.resize(1);
        source.rowTotals[0].chSign = kSourceTotalsMark;

        CNorvakChart chart;
        chart.bCreated = kChartMark;
        CChartItem point = FacelessItem();
        point.placement[0] = kPointMark;
        point.faceOutline[2] = {POINT{1, 2}, POINT{3, 4}};
        point.hitFaces[1].points = {POINT{kHitMark, 0}};
        point.auxPoints = {POINT{kAuxMark, 0}};
        chart.items = {{point}};
        chart.rowTotals.resize(1);
        chart.rowTotals[0].chSign = kTotalsMark;
        chart.legendItems.resize(1);
        chart.legendItems[0].crMarkerLine = kLegendMark;
        chart.partOrder = {CChartPartOption{1, 1, kPartMark}};
        chart.textLabels.resize(1);
        chart.textLabels[0].crOutline = kLabelMark;
        chart.textLabels[0].strText = "刻度";
        s.page->m_charts.push_back(MakePageChart(std::move(chart)));
    }
    CPageToSave pages[] = {s.ToSave()};
    const std::vector<uint8_t> good = SaveBytes(pages);
    const size_t chart = FindInt(good, kChartMark);
    const size_t point = FindInt(good, kPointMark) - 201;
    const size_t table = point - 8;
    const size_t sourceTable = FindInt(good, kTableMark) - 201 - 8;
    const size_t label = FindInt(good, kLabelMark) - 25;

    const HostilePatch cases[] = {
        {"chart count", "count larger", [&](auto& b) { PutInt(b, chart - 4, 2); }},
        {"page legend items", "count larger",
         [&](auto& b) { PutInt(b, FindInt(b, kSourceLegendMark) - 107 - 4, 0x7FFFFFFF); }},
        {"page table rows", "table larger", [&](auto& b) { PutInt(b, sourceTable, 0x10000); }},
        {"page table columns", "table larger", [&](auto& b) { PutInt(b, sourceTable + 4, 0x7FFFFFFF); }},
        {"page row totals", "count larger",
         [&](auto& b) { PutInt(b, FindInt(b, kSourceTotalsMark) - 24 - 4, 1 << 20); }},
        {"chart table rows and columns", "table larger",
         [&](auto& b) {
             PutInt(b, table, 0x10000);
             PutInt(b, table + 4, 0x10000);
         }},
        {"chart table of many empty rows", "table larger",
         [&](auto& b) {
             PutInt(b, table, 1 << 24);
             PutInt(b, table + 4, 0);
         }},
        {"one outline count", "count larger", [&](auto& b) { PutInt(b, point + 309, 0x7FFFFFFF); }},
        {"outline counts that fit only one by one", "count larger",
         [&](auto& b) {
             const int32_t each = int32_t((b.size() - point - 333) / 8);
             for (int face = 0; face < 6; ++face)
                 PutInt(b, point + 309 + 4 * size_t(face), each);
         }},
        {"hit face count", "count larger", [&](auto& b) { PutInt(b, FindInt(b, kHitMark) - 4, 1 << 20); }},
        {"hit face count beyond the points limit", "count larger",
         [&](auto& b) {
             PutInt(b, FindInt(b, kHitMark) - 4, (1 << 20) + 1);
             b.resize(b.size() + 8 * ((1 << 20) + 1));
         }},
        {"further outline count", "count larger",
         [&](auto& b) { PutInt(b, FindInt(b, kAuxMark) - 4, 0xFFFF); }},
        {"chart row totals", "count larger",
         [&](auto& b) { PutInt(b, FindInt(b, kTotalsMark) - 24 - 4, 0x7FFFFFFF); }},
        {"chart legend items", "count larger",
         [&](auto& b) { PutInt(b, FindInt(b, kLegendMark) - 107 - 4, 33554432); }},
        {"part list", "count larger", [&](auto& b) { PutInt(b, FindInt(b, kPartMark) - 2 - 4, 0x7FFFFFFF); }},
        {"text labels", "count larger", [&](auto& b) { PutInt(b, label - 4, 0x10000); }},
        {"label text", "longer than its place",
         [&](auto& b) {
             const size_t text = label + 65;
             ASSERT_EQ(b[text], 4);
             b[text] = 0xFF;
             b[text + 1] = 0xFF;
             b[text + 2] = 0xFF;
             PutInt(b, text + 3, 0x7FFFFFF0);
         }},
        {"label face name", "longer than its place", [&](auto& b) { b[label + 65 + 5 + 8 + 1 + 28] = 40; }},
        {"title text", "longer than its place",
         [&](auto& b) {
             b[chart + 596] = 0xFF;
             b[chart + 597] = 0x00;
             b[chart + 598] = 0xF0;
         }},
    };
    std::vector<CLoadedPage> loaded;
    ASSERT_EQ(LoadBytes(good, loaded), CReadResult::Read);
    EXPECT_EQ(DescribePageCharts(*loaded[0].page), DescribePageCharts(*s.page));
    ExpectEveryPatchRefused(good, cases);
}

TEST(ChartRecords, NegativeCountsReadAsEmptyLists)
{
    CNorvakChart chart;
    CChartItem point = FacelessItem();
    point.faceOutline[0] = {POINT{5, 6}};
    chart.items = {{point}};
    std::vector<uint8_t> bytes = RecordBytes(WriteChartObject, chart);
    const size_t at = 913 + 8;
    PutInt(bytes, at + 309, -3);
    bytes.erase(bytes.begin() + std::ptrdiff_t(at + 333), bytes.begin() + std::ptrdiff_t(at + 341));
    CArchiveReader in(bytes.data(), bytes.size());
    CNorvakChart back;
    ReadChartObject(in, back);
    EXPECT_EQ(in.Remaining(), 0u);
    ASSERT_EQ(back.items.size(), 1u);
    EXPECT_TRUE(back.items[0][0].faceOutline[0].empty());
}
