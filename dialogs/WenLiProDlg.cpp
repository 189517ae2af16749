#include "dialogs/WenLiProDlg.h"

#include "dialogs/FillTarget.h"
#include "dialogs/NorvakSheet.h"
#include "drawing/CFillPainter.h"
#include "framework/CommonDialogs.h"
#include "framework/DataExchange.h"
#include "sheet/NorvakCtrl.h"
#include "resources/NorvakResource.h"

CWenLiProDlg::CWenLiProDlg() : CSwatchGridPage(IDD_TEXTURE_PAGE, kTextureGrid, IDC_TEXTURE_SCROLL, IDC_TEXTURE_FROM_FILE, 4)
{
}

void CWenLiProDlg::DoDataExchange(CDataExchange* dx)
{
    DDX_Control(dx, IDC_TEXTURE_SCROLL, m_scrollBar);
    DDX_Control(dx, IDC_SWATCH_FRAME, m_gridFrame);
}

int CWenLiProDlg::SwatchCount() const
{
    const CNorvakCtrl* control = GetSheetControl();
    return control ? int(control->m_Textures.size()) : 0;
}

void CWenLiProDlg::PaintSwatch(CDC& dc, int index, const CRect& cell)
{
    CNorvakCtrl* control = GetSheetControl();
    if (!control || index >= int(control->m_Textures.size()))
        return;
    TextureEntry& entry = control->m_Textures[size_t(index)];
    if (entry.bitmap) {
        CFillPainter().FillTextureRectFromHandle(&dc, cell.left + 2, cell.top + 2, cell.right - 2, cell.bottom - 2,
                                                 static_cast<HBITMAP>(*entry.bitmap));
    } else if (entry.picture.HasPicture()) {
        entry.picture.Render(&dc, cell.left + 3, cell.top + 3, cell.right - 3, cell.bottom - 3);
    }
}

void CWenLiProDlg::PreviewSelected(int index)
{
    CNorvakSheet* sheet = GetNorvakSheet();
    const CNorvakCtrl* control = GetSheetControl();
    if (!sheet || !control || index >= int(control->m_Textures.size()))
        return;
    const TextureEntry& entry = control->m_Textures[size_t(index)];
    if (entry.bitmap)
        sheet->SetFillPreview(CNorvakSheet::TextureBitmap, 0, 0, -1, -1, entry.bitmap.get(), -1);
    else
        sheet->SetFillPreview(CNorvakSheet::Picture, 0, 0, -1, -1, nullptr, -1);
}

void CWenLiProDlg::PaintName(CDC& dc)
{
    const CNorvakCtrl* control = GetSheetControl();
    const CRect frame = FrameRect();
    CRect box(frame.left, frame.bottom + 5, frame.right + 5, GetChildRect(GetDlgItem(IDC_TEXTURE_FROM_FILE)).top - 5);
    CFillPainter().DrawGradient(&dc, box.left, box.top, box.right, box.bottom, 0xC0C0C0, ::GetSysColor(COLOR_BTNFACE),
                                1, 3);
    if (!control || m_nSelected < 0 || m_nSelected >= int(control->m_Textures.size()))
        return;
    const TextureEntry& entry = control->m_Textures[size_t(m_nSelected)];
    dc.SetBkMode(TRANSPARENT);
    CSelectObject font(dc, GetFont());
    dc.DrawText(entry.bitmap ? entry.name : FileNameOf(entry.name), &box, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

void CWenLiProDlg::OnSwatchHit(int index)
{
    CNorvakCtrl* control = GetSheetControl();
    if (!control || index >= int(control->m_Textures.size()))
        return;
    const TextureEntry& entry = control->m_Textures[size_t(index)];
    if (entry.bitmap)
        return;
    // The entry holds the file's picture already; the control's texture-file picture shares it.
    control->m_strTexturePictureFile = entry.name;
    control->m_texturePicture = entry.picture;
}

void CWenLiProDlg::AddTextureFromFile()
{
    CFileDialog dialog(true, nullptr, nullptr, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, kFileFilter, m_hWnd);
    CNorvakCtrl* control = GetSheetControl();
    if (!control || dialog.DoModal() != IDOK)
        return;
    control->AddTexturePicture(dialog.GetPathName());
    InvalidateGrid();
}

void CWenLiProDlg::OnOK()
{
    CNorvakSheet* sheet = GetNorvakSheet();
    if (!sheet || !IsActiveSheetPage() || sheet->GetOwnerKind() != 0)
        return;
    if (auto* target = dynamic_cast<IFillTarget*>(sheet->GetOwner()))
        target->SetFill(4, 0, 0, 0, 0, 0, m_nSelected, 0);
}

LRESULT CWenLiProDlg::WindowProc(UINT msg, WPARAM wp, LPARAM lp)
{
    if (msg == WM_COMMAND && LOWORD(wp) == IDC_TEXTURE_FROM_FILE && HIWORD(wp) == BN_CLICKED) {
        AddTextureFromFile();
        return 0;
    }
    return CSwatchGridPage::WindowProc(msg, wp, lp);
}
