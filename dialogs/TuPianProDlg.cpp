#include "dialogs/TuPianProDlg.h"

#include "dialogs/FillPageLayout.h"
#include "dialogs/NorvakSheet.h"
#include "framework/CommonDialogs.h"
#include "framework/DataExchange.h"
#include "sheet/NorvakCtrl.h"
#include "resources/NorvakResource.h"

CTuPianProDlg::CTuPianProDlg() : CSheetPage(IDD_PICTURE_PAGE, true) {}

void CTuPianProDlg::DoDataExchange(CDataExchange* dx)
{
    DDX_Control(dx, IDC_PICTURE_FRAME, m_pictureFrame);
    DDX_Radio(dx, IDC_PICTURE_STRETCH, m_nFormat);
}

CRect CTuPianProDlg::PictureRect() const
{
    CNorvakCtrl* control = GetSheetControl();
    if (!control || control->m_strFillPictureFile.IsEmpty() || !control->m_fillPicture.HasPicture())
        return CRect();
    CRect fitted = FitPicture(control->m_fillPicture.GetSize(nullptr), GetChildRect(m_pictureFrame));
    fitted.DeflateRect(3, 3);
    return fitted;
}

void CTuPianProDlg::PaintPage(CDC& dc)
{
    const CRect frame = GetChildRect(m_pictureFrame);
    const CRect button = GetChildRect(GetDlgItem(IDC_PICTURE_OPEN));
    dc.Draw3dRect(frame, RGB(0, 0, 0), RGB(255, 255, 255));
    CRect nameBox(frame.left, button.top, frame.right, button.bottom);
    {
        CSelectObject hollow(dc, ::GetStockObject(NULL_BRUSH));
        dc.Rectangle(nameBox);
    }
    CNorvakCtrl* control = GetSheetControl();
    if (control && !control->m_strFillPictureFile.IsEmpty()) {
        const CRect at = PictureRect();
        if (!at.IsRectEmpty())
            control->m_fillPicture.Render(&dc, at.left, at.top, at.right, at.bottom);
        dc.SetBkMode(TRANSPARENT);
        CSelectObject font(dc, GetFont());
        dc.DrawText(FileNameOf(control->m_strFillPictureFile), &nameBox, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    }
    if (CNorvakSheet* sheet = GetNorvakSheet())
        sheet->SetFillPreview(CNorvakSheet::Picture, 0, 0, -1, -1, nullptr, -1);
}

void CTuPianProDlg::OpenPicture()
{
    CFileDialog dialog(true, nullptr, nullptr, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, kFileFilter, m_hWnd);
    CNorvakCtrl* control = GetSheetControl();
    if (!control || dialog.DoModal() != IDOK)
        return;
    const CString path = dialog.GetPathName();
    // A file that does not load leaves the picture and its name as they were.
    CPictureObject picture;
    if (!picture.LoadFromFile(path))
        return;
    control->m_fillPicture = picture;
    control->m_strFillPictureFile = path;
    const CRect frame = GetChildRect(m_pictureFrame);
    const CRect button = GetChildRect(GetDlgItem(IDC_PICTURE_OPEN));
    const CRect area(frame.left, frame.top, frame.right, button.bottom + 2);
    InvalidateRect(&area, true);
}

LRESULT CTuPianProDlg::WindowProc(UINT msg, WPARAM wp, LPARAM lp)
{
    if (msg == WM_COMMAND && LOWORD(wp) == IDC_PICTURE_OPEN && HIWORD(wp) == BN_CLICKED) {
        OpenPicture();
        return 0;
    }
    return CSheetPage::WindowProc(msg, wp, lp);
}
