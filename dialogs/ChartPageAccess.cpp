#include "dialogs/ChartPageAccess.h"

#include "chart/model/PageCharts.h"
#include "sheet/NorvakCtrl.h"

CChartPageSettings* ActiveChartSettings(CNorvakCtrl* control)
{
    CNorvakPage* page = control ? control->GetPage(-1) : nullptr;
    return page ? &PendingChartSettings(*page) : nullptr;
}

void RebuildActiveChartSeries(CNorvakCtrl* control)
{
    const CChartPageSettings* settings = ActiveChartSettings(control);
    if (!settings)
        return;
    const int mode = settings->chDataSourceMode;
    if (mode == kChartSourceLists) {
        // Copies: the control empties and refills the stored lists from these.
        const std::vector<int> rows = settings->customRows;
        const std::vector<int> columns = settings->customColumns;
        control->BuildChartSeries(-1, mode, &rows, &columns);
    } else {
        control->BuildChartSeries(-1, mode, nullptr, nullptr);
    }
}
