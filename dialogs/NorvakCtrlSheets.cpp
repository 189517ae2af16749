// The property sheets the control opens from its context menu. They are members of the control,
// built here beside the pages they show, and the factory through which the menu's commands reach
// them.

#include "chart/model/ChartElementSheets.h"
#include "chart/model/PageCharts.h"
#include "dialogs/ChartDataPrdlg.h"
#include "dialogs/ChartStatePrdlg.h"
#include "dialogs/ChartStylePrdlg.h"
#include "dialogs/ColorPropertyDlg.h"
#include "dialogs/FontProDlg.h"
#include "dialogs/GridLineStyleProDlg.h"
#include "dialogs/LegendChildProDlg.h"
#include "dialogs/LineTypeProDlg.h"
#include "dialogs/NorvakSheet.h"
#include "dialogs/SolidRotatePDlg.h"
#include "dialogs/TextFormatProDlg.h"
#include "dialogs/TuAnProDlg.h"
#include "dialogs/TuPianProDlg.h"
#include "dialogs/WenLiProDlg.h"
#include "sheet/NorvakCtrl.h"

#include <memory>
#include <vector>

INT_PTR CNorvakCtrl::OnCellFormat()
{
    if (!GetPage(-1))
        return 0;
    CTextFormatProDlg alignment(this);
    CGridLineStyleProDlg borders(this);
    borders.SetCellRange(2, 2, 6, 6);
    CNorvakSheet sheet("单元格格式", 1, FALSE, this, 0, this);
    sheet.AddPage(&alignment);
    sheet.AddPage(&borders);
    return sheet.DoModal();
}

INT_PTR CNorvakCtrl::OnFillEffects()
{
    CColorPropertyDlg gradient;
    CWenLiProDlg texture;
    CTuAnProDlg pattern;
    CTuPianProDlg picture;
    CNorvakSheet sheet("填充效果", 1, TRUE, this, 0, this);
    for (CPropertyPage* page : std::initializer_list<CPropertyPage*>{&gradient, &texture, &pattern, &picture})
        sheet.AddPage(page);
    return sheet.DoModal();
}

INT_PTR CNorvakCtrl::OnChartSettings()
{
    CNorvakPage* page = GetPage(-1);
    if (!page)
        return 0;
    // The pages write every choice into the pending settings at once, for the preview; Cancel
    // gives back the settings the sheet opened on.
    const CChartPageSettings opened = PendingChartSettings(*page);
    CChartStylePrdlg type;
    CChartDataPrdlg data;
    CChartStatePrdlg display;
    CNorvakSheet sheet("图表设置", 1, TRUE, this, 0, this);
    for (CPropertyPage* chartPage : std::initializer_list<CPropertyPage*>{&type, &data, &display})
        sheet.AddPage(chartPage);
    const INT_PTR result = sheet.DoModal();
    if (result != IDOK && GetPage(-1) == page)
        PendingChartSettings(*page) = opened;
    return result;
}

INT_PTR CNorvakCtrl::OnLegendSheet()
{
    // Neither page edits anything.
    CLegendChildProDlg marker;
    CFontProDlg font;
    CNorvakSheet sheet("图例", 1, FALSE, this, 0, this);
    for (CPropertyPage* page : std::initializer_list<CPropertyPage*>{&marker, &font})
        sheet.AddPage(page);
    return sheet.DoModal();
}

namespace {

// The page of one entry of an element's sheet, editing the sheet's record; none for a kind whose
// page is not built.
std::unique_ptr<CPropertyPage> MakeElementPage(CNorvakCtrl& control, const CChartElementSheet& sheet,
                                               const CChartElementPage& page)
{
    switch (page.kind) {
    case CChartElementPageKind::Font:
        return std::make_unique<CFontProDlg>(&control, 0, sheet.record, page.title, sheet.code);
    case CChartElementPageKind::SolidRotate:
        return std::make_unique<CSolidRotatePDlg>(&control, sheet.record.chart);
    case CChartElementPageKind::LineType:
        return std::make_unique<CLineTypeProDlg>(&control, sheet.code, sheet.record);
    case CChartElementPageKind::LegendMarker:
        return std::make_unique<CLegendChildProDlg>(&control, sheet.record.legendEntry, sheet.code);
    default:
        return nullptr;
    }
}

} // namespace

INT_PTR CNorvakCtrl::OnChartElementSheet(const CChartElementSheet& element)
{
    std::vector<std::unique_ptr<CPropertyPage>> pages;
    for (const CChartElementPage& page : element.pages)
        if (std::unique_ptr<CPropertyPage> made = MakeElementPage(*this, element, page))
            pages.push_back(std::move(made));
    if (pages.empty())
        return 0;
    CNorvakSheet sheet(element.caption, 1, FALSE, this, 0, this);
    for (const std::unique_ptr<CPropertyPage>& page : pages)
        sheet.AddPage(page.get());
    return sheet.DoModal();
}

namespace {


class CRealSheetFactory final : public ISheetFactory
{
public:
    INT_PTR CellFormat(CNorvakCtrl& control) override { return control.OnCellFormat(); }
    INT_PTR FillEffects(CNorvakCtrl& control) override { return control.OnFillEffects(); }
    INT_PTR Legend(CNorvakCtrl& control) override { return control.OnLegendSheet(); }
    INT_PTR ChartSettings(CNorvakCtrl& control) override { return control.OnChartSettings(); }
    INT_PTR ChartElement(CNorvakCtrl& control, const CChartElementSheet& sheet) override
    {
        return control.OnChartElementSheet(sheet);
    }
};

} // namespace

ISheetFactory& RealSheetFactory()
{
    static CRealSheetFactory factory;
    return factory;
}
