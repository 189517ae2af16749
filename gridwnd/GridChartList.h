#pragma once

// The charts of the standalone grid: the square slots that place several charts side by side, the
// hit test that picks a chart part under the mouse, the selection with the tracker rectangle, the
// Delete key, the order of drawing and the chart style values. No window: the callers repaint.
//
// Ownership: the list owns its charts. The last chart is drawn last and tested first.

#include "gridwnd/GridChart.h"

#include <memory>
#include <optional>
#include <vector>

// The largest square centred in the slot of chart index among count charts side by side in the
// area (one slot without the multiple flag); runningX carries the left edge of the next slot from
// one call to the next (0 starts again). Empty without charts.
CRect LayoutChartSlot(int left, int top, int right, int bottom, int count, BOOL multiple, int index,
                      int& runningX);

// What the tracker's rectangle offers under a point: -1 nothing, 0..3 the corner handles (top-left,
// top-right, bottom-right, bottom-left), 4..7 the side handles (top, right, bottom, left), 8 inside.
int TrackerHitTest(const CRect& rect, CPoint point);

class CGridChartList
{
public:
    static constexpr int kStyleCount = 12;
    static constexpr int kTrackerHandle = 6;

    CGridChartList();

    int Add(std::unique_ptr<CGridChart> chart);
    int GetCount() const { return int(m_charts.size()); }
    // Null for a bad index.
    CGridChart* GetAt(int index) const;
    void RemoveAll();

    // The part under the point, -1 when no chart is hit; trackerHit (-1 for no hit) and chart
    // receive the tracker's hit code there and the chart's index.
    int HitTestCharts(int x, int y, int currentPart, int* trackerHit, int* chart = nullptr);
    int HitTestChart(int index, int x, int y, int currentPart);
    void SelectChartPart(int index, int part);
    void DeselectCharts();
    int GetSelectedChart() const;
    // Hides the selected chart (part 0) or its selected part; the rectangle to repaint, none when
    // no chart is selected.
    std::optional<CRect> DeleteSelectedChartPart();
    const CRect& GetTrackerRect() const { return m_tracker; }

    // List order, the hot chart last.
    std::vector<int> DrawingOrder() const;

    void SetChartStyle(const int (&values)[kStyleCount]);
    const int* GetChartStyle() const { return m_style; }
    // Label texts the chart drawing keeps; emptied by every style change.
    std::vector<CString>& Labels() { return m_labels; }

private:
    std::vector<std::unique_ptr<CGridChart>> m_charts;
    CRect m_tracker;
    int m_style[kStyleCount];
    std::vector<CString> m_labels;
};
