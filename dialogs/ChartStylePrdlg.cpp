#include "dialogs/ChartStylePrdlg.h"

#include "dialogs/ChartPageAccess.h"
#include "dialogs/ChartTypeGallery.h"
#include "dialogs/NorvakSheet.h"
#include "framework/CDC.h"
#include "framework/DataExchange.h"
#include "framework/OleModule.h"
#include "sheet/NorvakCtrl.h"
#include "resources/NorvakResource.h"

#include <commctrl.h>

namespace {

constexpr COLORREF kMaskWhite = 0xFFFFFF;
constexpr COLORREF kSelectedGrey = 0x7F7F7F;

} // namespace

CChartStylePrdlg::CChartStylePrdlg() : CSheetPage(IDD_CHART_TYPE_PAGE, true) {}

void CChartStylePrdlg::DoDataExchange(CDataExchange* dx)
{
    DDX_Radio(dx, IDC_CHART_GROUP_BY_COLUMNS, m_nGrouping);
}

CRect CChartStylePrdlg::GalleryRect() const
{
    return ChartTypeGallery::GalleryRect(GetChildRect(GetDlgItem(IDC_CHART_GALLERY_FRAME)));
}

void CChartStylePrdlg::CreateTypeCombo()
{
    HWND placeholder = GetDlgItem(IDC_CHART_TYPE_TEMPLATE);
    const CRect at = GetChildRect(placeholder);
    m_hTypeCombo = ::CreateWindowExW(0, WC_COMBOBOXEXW, L"",
                                     WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_TABSTOP | CBS_NOINTEGRALHEIGHT | CBS_SIMPLE,
                                     at.left, at.top, at.Width(), at.Height() + 100, m_hWnd,
                                     reinterpret_cast<HMENU>(INT_PTR(-1)), OleModule::Instance(), nullptr);
    if (!m_hTypeCombo)
        return;
    ::SendMessageW(m_hTypeCombo, WM_SETFONT, ::SendMessageW(m_hWnd, WM_GETFONT, 0, 0), FALSE);
    const LRESULT itemHeight = ::SendMessageW(placeholder, CB_GETITEMHEIGHT, WPARAM(-1), 0);
    ::SendMessageW(m_hTypeCombo, CB_SETITEMHEIGHT, WPARAM(-1), itemHeight);
    m_comboImages.Create(IDB_CHART_TYPE_ICONS, 16, 0, kMaskWhite);
    ::SendMessageW(m_hTypeCombo, CBEM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(m_comboImages.GetSafeHandle()));
    for (int type = 0; type < ChartTypeGallery::kTypeCount; ++type) {
        const std::wstring text = CString(ChartTypeGallery::TypeInfo(type).text).ToWide();
        COMBOBOXEXITEMW item{};
        item.mask = CBEIF_TEXT | CBEIF_IMAGE | CBEIF_SELECTEDIMAGE;
        item.iItem = type;
        item.pszText = const_cast<LPWSTR>(text.c_str());
        item.iImage = item.iSelectedImage = type;
        ::SendMessageW(m_hTypeCombo, CBEM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
    }
    ::SendMessageW(m_hTypeCombo, CB_SETCURSEL, WPARAM(m_nType), 0);
    // The combo's own edit and list take no typing: the type is chosen from the list only.
    for (HWND child = ::GetWindow(m_hTypeCombo, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT))
        ::SendMessageW(child, EM_SETREADONLY, TRUE, 0);
}

bool CChartStylePrdlg::OnInitDialog()
{
    CSheetPage::OnInitDialog();
    CreateTypeCombo();
    m_nSubType = 0;
    LoadGallery();
    WriteType();
    ::ShowWindow(GetDlgItem(IDC_CHART_TYPE_TEMPLATE), SW_HIDE);
    RebuildSeries();
    WriteGrouping(m_nGrouping == 0);
    InvalidatePreview();
    return true;
}

void CChartStylePrdlg::LoadGallery()
{
    m_galleryImages.DeleteImageList();
    m_galleryImages.Create(ChartTypeGallery::TypeInfo(m_nType).bitmapId, 32, 0, kMaskWhite);
}

void CChartStylePrdlg::WriteType() const
{
    if (CNorvakCtrl* control = GetSheetControl())
        control->SetChartType(-1, BYTE(m_nType), BYTE(m_nSubType));
}

void CChartStylePrdlg::RebuildSeries() const
{
    RebuildActiveChartSeries(GetSheetControl());
}

void CChartStylePrdlg::WriteGrouping(bool byColumns) const
{
    if (CNorvakCtrl* control = GetSheetControl())
        control->SetChartGroupByColumns(-1, byColumns);
}

void CChartStylePrdlg::InvalidatePreview() const
{
    if (CNorvakSheet* sheet = GetNorvakSheet())
        sheet->InvalidateChartPreview();
}

void CChartStylePrdlg::ShowSubTypeName() const
{
    const auto& names = ChartTypeGallery::TypeInfo(m_nType).subTypeNames;
    CString text = "图表类型:";
    if (m_nSubType >= 0 && m_nSubType < int(names.size()))
        text += names[size_t(m_nSubType)];
    ::SetWindowTextW(GetDlgItem(IDC_CHART_TYPE_NAME), text.ToWide().c_str());
}

void CChartStylePrdlg::OnTypeChosen()
{
    const int chosen = int(::SendMessageW(m_hTypeCombo, CB_GETCURSEL, 0, 0));
    if (chosen < 0 || chosen >= ChartTypeGallery::kTypeCount)
        return;
    m_nType = chosen;
    m_bComboHasFocus = 1;
    m_nSubType = 0;
    WriteType();
    RebuildSeries();
    if (CNorvakCtrl* control = GetSheetControl())
        control->CalcChartValueRange(-1);
    LoadGallery();
    const CRect gallery = GalleryRect();
    InvalidateRect(&gallery, false);
    ShowSubTypeName();
}

void CChartStylePrdlg::SelectSubType(int subType)
{
    m_nSubType = subType;
    const CRect gallery = GalleryRect();
    InvalidateRect(&gallery, false);
}

void CChartStylePrdlg::OnLButtonDown(POINT point)
{
    if (const std::optional<int> cell = ChartTypeGallery::CellAt(GalleryRect(), GetCellCount(), point)) {
        m_bComboHasFocus = 0;
        if (*cell != m_nSubType) {
            SelectSubType(*cell);
            ::SetFocus(m_hWnd);
        }
    }
    WriteType();
    RebuildSeries();
}

bool CChartStylePrdlg::PreTranslateMessage(MSG* msg)
{
    if (msg->message == WM_KEYDOWN && !m_bComboHasFocus) {
        if (const std::optional<int> next =
                ChartTypeGallery::StepByKey(m_nSubType, GetCellCount(), unsigned(msg->wParam))) {
            SelectSubType(*next);
            WriteType();
            return true;
        }
    }
    return CSheetPage::PreTranslateMessage(msg);
}

void CChartStylePrdlg::PaintPage(CDC& dc)
{
    const CRect gallery = GalleryRect();
    for (int i = 0; i < GetCellCount(); ++i) {
        const CRect cell = ChartTypeGallery::CellRect(gallery, i);
        dc.Draw3dRect(cell, 0x000000, 0xFFFFFF);
        CRect inner = cell;
        inner.DeflateRect(2, 2);
        const bool selected = i == m_nSubType;
        if (selected)
            dc.FillSolidRect(inner, kSelectedGrey);
        const POINT at{(cell.left + cell.right) / 2 - 16, (cell.top + cell.bottom) / 2 - 16};
        m_galleryImages.Draw(dc.GetSafeHdc(), i, at, ILD_TRANSPARENT);
        if (selected) {
            const int oldRop = dc.SetROP2(R2_NOT);
            CSelectObject hollow(dc, ::GetStockObject(NULL_BRUSH));
            dc.Rectangle(inner);
            dc.SetROP2(oldRop);
            InvalidatePreview();
            ShowSubTypeName();
        }
    }
}

bool CChartStylePrdlg::OnSetActive()
{
    InvalidatePreview();
    RebuildSeries();
    if (CNorvakCtrl* control = GetSheetControl())
        control->CalcChartValueRange(-1);
    return CSheetPage::OnSetActive();
}

void CChartStylePrdlg::OnOK()
{
    WriteType();
    CSheetPage::OnOK();
}

LRESULT CChartStylePrdlg::WindowProc(UINT msg, WPARAM wp, LPARAM lp)
{
    switch (msg) {
    case WM_COMMAND:
        if (reinterpret_cast<HWND>(lp) == m_hTypeCombo && m_hTypeCombo && HIWORD(wp) == CBN_SELCHANGE)
            OnTypeChosen();
        else if (LOWORD(wp) == IDC_CHART_GROUP_BY_COLUMNS || LOWORD(wp) == IDC_CHART_GROUP_BY_ROWS) {
            if (HIWORD(wp) == BN_CLICKED) {
                WriteGrouping(LOWORD(wp) == IDC_CHART_GROUP_BY_COLUMNS);
                InvalidatePreview();
            }
        }
        break;
    case WM_LBUTTONDOWN:
        OnLButtonDown(CPoint::FromLParam(lp));
        break;
    default:
        break;
    }
    return CSheetPage::WindowProc(msg, wp, lp);
}
