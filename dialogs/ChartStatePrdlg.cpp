#include "dialogs/ChartStatePrdlg.h"

#include "chart/model/ChartPageSettings.h"
#include "chart/model/SeriesBuilder.h"
#include "dialogs/ChartPageAccess.h"
#include "dialogs/NorvakSheet.h"
#include "framework/DataExchange.h"
#include "framework/OleModule.h"
#include "sheet/NorvakCtrl.h"
#include "resources/NorvakResource.h"

#include <iterator>

namespace {

enum Option
{
    kInsertAsObject,
    kShowChart,
    kShowLegend,
    kShowData,
    kShowValues,
};

int OptionOfBox(int id)
{
    for (int i = 0; i < 8; ++i)
        if (CChartStatePrdlg::kBoxIds[i] == id)
            return i;
    return -1;
}

} // namespace

CChartStatePrdlg::CChartStatePrdlg() : CSheetPage(IDD_CHART_DISPLAY_PAGE) {}

void CChartStatePrdlg::DoDataExchange(CDataExchange* dx)
{
    for (int i = 0; i < 8; ++i)
        DDX_Check(dx, kBoxIds[i], m_options[i]);
}

bool CChartStatePrdlg::OnInitDialog()
{
    // As boxes: a file may hold any value in them.
    if (const CChartPageSettings* settings = ActiveChartSettings(GetSheetControl()))
        for (int i = 0; i < 8; ++i)
            m_options[i] = settings->displayOptions[i] != 0;
    const HINSTANCE module = OleModule::Instance();
    m_asObject.LoadBitmap(IDB_CHART_AS_OBJECT, module);
    m_inWindow.LoadBitmap(IDB_CHART_IN_WINDOW, module);
    CSheetPage::OnInitDialog();
    ShowInsertPicture();
    return true;
}

HBITMAP CChartStatePrdlg::GetInsertPicture() const
{
    return reinterpret_cast<HBITMAP>(::SendDlgItemMessageW(m_hWnd, IDC_CHART_INSERT_PICTURE, STM_GETIMAGE, IMAGE_BITMAP, 0));
}

void CChartStatePrdlg::ShowInsertPicture() const
{
    const HBITMAP picture = m_options[kInsertAsObject] ? HBITMAP(m_asObject) : HBITMAP(m_inWindow);
    ::SendDlgItemMessageW(m_hWnd, IDC_CHART_INSERT_PICTURE, STM_SETIMAGE, IMAGE_BITMAP,
                          reinterpret_cast<LPARAM>(picture));
}

void CChartStatePrdlg::OnBoxClicked(int id)
{
    const int option = OptionOfBox(id);
    if (option < 0)
        return;
    UpdateData(true);
    m_options[option] = m_options[option] ? 1 : 0;
    if (CChartPageSettings* settings = ActiveChartSettings(GetSheetControl()))
        SetChartDisplayOption(*settings, option, m_options[option]);
    CNorvakSheet* sheet = GetNorvakSheet();
    switch (option) {
    case kInsertAsObject:
        ShowInsertPicture();
        break;
    case kShowValues:
        if (sheet)
            sheet->InvalidateRect(&sheet->m_rcChart, true);
        break;
    case kShowChart:
    case kShowLegend:
    case kShowData:
        if (sheet) {
            sheet->LayoutChartPreview(m_options[kShowChart], m_options[kShowLegend], m_options[kShowData]);
            sheet->InvalidateChartPreview();
        }
        break;
    default:
        if (sheet)
            sheet->InvalidateChartPreview();
        break;
    }
}

void CChartStatePrdlg::OnOK()
{
    UpdateData(true);
    if (CNorvakCtrl* control = GetSheetControl())
        control->SetChartDisplayOptions(-1, m_options);
    CSheetPage::OnOK();
}

LRESULT CChartStatePrdlg::WindowProc(UINT msg, WPARAM wp, LPARAM lp)
{
    if (msg == WM_COMMAND && HIWORD(wp) == BN_CLICKED)
        OnBoxClicked(LOWORD(wp));
    return CSheetPage::WindowProc(msg, wp, lp);
}
