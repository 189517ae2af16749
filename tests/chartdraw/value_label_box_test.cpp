// The value labels of every kind of chart, made from a page of figures as a user makes it, each
// drawn on its own: the glyphs it adds lie in the box it recorded for hit tests and grips, where
// the chart puts it (on the body or slice, or at the value end beside it), upright or turned.

#include "chart/model/ChartKinds.h"
#include "chartdraw/ChartPainter.h"
#include "sheet/tables/DefaultTables.h"
#include "tests/support/DrawingCanvas.h"
#include "tests/support/FigureCharts.h"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

namespace {

constexpr int kWidth = 440;
constexpr int kHeight = 340;

const CFigurePage& Figures()
{
    static const CFigurePage page(
        {"一月", "二月", "三月", "四月"}, {"华东", "华北", "华南"},
        {{"120", "80", "45"}, {"95", "-30", "60"}, {"140", "110", "-20"}, {"70", "55", "9"}});
    return page;
}

CChartPartRects Rects()
{
    CChartPartRects r;
    r.rects[kChartWhole] = CRect(0, 0, kWidth, kHeight);
    r.rects[kChartPlot] = CRect(20, 30, 420, 320);
    return r;
}

// Whether the centre of pixel (x, y) lies in the parallelogram from corner 3 along to corner 0 and
// up to corner 2, widened by slack pixels on every side.
bool InBox(const POINT (&c)[4], int x, int y, double slack)
{
    const double ax = c[0].x - c[3].x, ay = c[0].y - c[3].y, ux = c[2].x - c[3].x, uy = c[2].y - c[3].y;
    const double det = ax * uy - ay * ux;
    if (det == 0)
        return false;
    const double px = x + 0.5 - c[3].x, py = y + 0.5 - c[3].y;
    const double along = (px * uy - py * ux) / det, up = (ax * py - ay * px) / det;
    const double alongLength = std::hypot(ax, ay), upLength = std::hypot(ux, uy);
    return along * alongLength >= -slack && (along - 1) * alongLength <= slack && up * upLength >= -slack &&
           (up - 1) * upLength <= slack;
}

bool Upright(const POINT (&c)[4])
{
    return c[3].y == c[0].y && c[3].x == c[2].x;
}

bool Recorded(const POINT (&c)[4])
{
    for (const POINT& p : c)
        if (p.x != 0 || p.y != 0)
            return true;
    return false;
}

std::string Corners(const POINT (&c)[4])
{
    std::ostringstream out;
    for (const POINT& p : c)
        out << "(" << p.x << ", " << p.y << ") ";
    return out.str();
}

class LabelProbe
{
public:
    LabelProbe() { m_tables.BuildDefaultTables(); }

    // The chart of the kind with its labels placed as asked, every label's text taken out.
    CNorvakChart Chart(int type, int subType, BYTE placement)
    {
        CNorvakChart chart = MakeFigureChart(Figures(), type, subType, m_tables.m_DefaultColors, Rects());
        m_texts.clear();
        for (CChartItemArray& row : chart.items) {
            m_texts.emplace_back();
            for (CChartItem& point : row) {
                m_texts.back().push_back(point.strCellText);
                point.strCellText.Empty();
                point.bLabelFixedAngle = placement;
                point.bLeaderLine = 0; // no leader lines: only text is probed
            }
        }
        m_bare = Draw(chart);
        return chart;
    }

    // Draws the chart with the text of point (r, k) alone and checks the glyphs it adds against
    // its box. False when the chart draws no label for the point.
    bool ExpectGlyphsInBox(CNorvakChart& chart, size_t r, size_t k)
    {
        CChartItem& point = chart.items[r][k];
        point.strCellText = m_texts[r][k];
        const std::vector<COLORREF> drawn = Draw(chart);
        point.strCellText.Empty();
        // A turned label's glyphs may reach half a pixel past its box.
        const double slack = Upright(point.labelCorners) ? 0 : 1;
        int ink = 0, stray = 0;
        for (int y = 0; y < kHeight; ++y)
            for (int x = 0; x < kWidth; ++x)
                if (drawn[size_t(y) * kWidth + x] != m_bare[size_t(y) * kWidth + x]) {
                    ++ink;
                    stray += !InBox(point.labelCorners, x, y, slack);
                }
        SCOPED_TRACE(testing::Message() << "label " << r << "/" << k << " " << m_texts[r][k].GetString()
                                        << ", box " << Corners(point.labelCorners));
        if (!Recorded(point.labelCorners)) {
            EXPECT_EQ(ink, 0) << "a label not drawn records no box";
            return false;
        }
        EXPECT_GT(ink, 0);
        EXPECT_EQ(stray, 0) << "of " << ink << " pixels";
        return true;
    }

private:
    std::vector<COLORREF> Draw(CNorvakChart& chart)
    {
        m_canvas.Clear();
        const CRect& p = chart.rcPlot;
        CChartPainter(m_tables.FillTables())
            .DrawChart(m_canvas.dc(), &chart, p.left, p.top, p.right, p.bottom, chart.nType, chart.nSubType,
                       chart.dMinValue, chart.dMaxValue, &chart.rowTotals, &chart.items, 0, chart.nDepthX,
                       chart.nDepthY);
        return m_canvas.Pixels();
    }

    CDefaultTables m_tables;
    DrawingCanvas m_canvas{kWidth, kHeight};
    std::vector<std::vector<CString>> m_texts;
    std::vector<COLORREF> m_bare;
};

TEST(ValueLabelBoxes, EveryKindInksEachLabelInsideItsBox)
{
    LabelProbe probe;
    for (int type = kChartColumn; type <= kChartCylinder; ++type)
        for (int subType = 0; subType <= LastChartSubType(type); ++subType)
            // As made from cells the labels sit on the body (inside the slice, turned with it);
            // placed at the value end they move beside it (pie labels go outside, level).
            for (const BYTE placement : {0, 1}) {
                SCOPED_TRACE(testing::Message() << "type " << type << " sub-type " << subType << " placement "
                                                << int(placement));
                CNorvakChart chart = probe.Chart(type, subType, placement);
                int drawn = 0;
                for (size_t r = 0; r < chart.items.size(); ++r)
                    for (size_t k = 0; k < chart.items[r].size(); ++k)
                        drawn += probe.ExpectGlyphsInBox(chart, r, k);
                // A pie labels the slices of its first row only.
                EXPECT_EQ(drawn, type == kChartPie ? 3 : 12);
            }
}

} // namespace
