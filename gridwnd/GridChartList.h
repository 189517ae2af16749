#pragma once

// The charts of the standalone grid: the square slots that place several charts side by side, the
// hit test that picks a chart part under the mouse (marking the legend entry or data-point face
// there), the selection with the tracker rectangle, moving and resizing the selected part by a
// tracker handle, the Delete key, the order of drawing and the chart style values. No window: the
// callers repaint.
//
// The grid reads a chart record's flags so: bVisible shown, bSelected selected, bNewest hot (drawn
// last), nSelPart the selected part. Parts: 0 the whole chart, 1 plot area, 2 legend, 3 data area,
// 4 chart title, 5 X-axis title, 6 Y/Z-axis title; rectangles in client pixels.
//
// Ownership: the list owns its charts. The last chart is drawn last and tested first.

#include "chart/model/NorvakChart.h"

#include <array>
#include <memory>
#include <optional>
#include <vector>

// The largest square centred in the slot of chart index among count charts side by side in the
// area (one slot without the multiple flag); runningX carries the left edge of the next slot from
// one call to the next (0 starts again). Empty without charts.
CRect LayoutChartSlot(int left, int top, int right, int bottom, int count, BOOL multiple, int index,
                      int& runningX);

// The tracker's eight handles inside its rectangle, in the order of the hit codes 0..7.
std::array<CRect, 8> TrackerHandles(const CRect& rect);

// What the tracker's rectangle offers under a point: -1 nothing, 0..3 the corner handles (top-left,
// top-right, bottom-right, bottom-left), 4..7 the side handles (top, right, bottom, left), 8 inside.
int TrackerHitTest(const CRect& rect, CPoint point);

// The rectangle a drag of the mouse by (dx, dy) on the tracker handle makes of rect; rect itself
// for no handle.
CRect TrackedRect(const CRect& rect, int handle, int dx, int dy);

class CGridChartList
{
public:
    static constexpr int kStyleCount = 12;
    static constexpr int kTrackerHandle = 6;

    CGridChartList();

    int Add(CNorvakChart chart);
    int GetCount() const { return int(m_charts.size()); }
    // Null for a bad index.
    CNorvakChart* GetAt(int index) const;
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

    // Moves or resizes the selected part by a mouse drag of (dx, dy) on the tracker handle: the
    // whole chart takes its parts along, a part moves within the chart. The rectangle to repaint
    // (before and after), none without a selected part or handle.
    std::optional<CRect> TrackSelectedPart(int handle, int dx, int dy);
    // Every chart moves by (dx, dy), as the cells under them scroll.
    void OffsetCharts(int dx, int dy);

    // List order, the hot chart last.
    std::vector<int> DrawingOrder() const;

    void SetChartStyle(const int (&values)[kStyleCount]);
    const int* GetChartStyle() const { return m_style; }
    // Label records the chart drawing keeps; emptied by every style change.
    CChartTextLabelArray& Labels() { return m_labels; }

private:
    void MarkLegendEntry(CNorvakChart& chart, int x, int y);
    void MarkDataFace(CNorvakChart& chart, int x, int y);

    std::vector<std::unique_ptr<CNorvakChart>> m_charts;
    CRect m_tracker;
    int m_style[kStyleCount];
    CChartTextLabelArray m_labels;
};
