#pragma once

// What the chart settings pages share: the pending chart settings of the active page of the
// control that opened their sheet, and the rebuilding of its series from the stored source.

struct CChartPageSettings;
class CNorvakCtrl;

// None without a control or an active page.
CChartPageSettings* ActiveChartSettings(CNorvakCtrl* control);
// Rebuilds the active page's series with its stored mode, and its stored lists in the list mode.
void RebuildActiveChartSeries(CNorvakCtrl* control);
