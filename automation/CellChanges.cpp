#include "automation/CellChanges.h"

#include "drawing/CPictureObject.h"
#include "framework/ModalUI.h"
#include "sheet/NorvakCtrl.h"

namespace CellChanges {

PageRef BoundPage(CNorvakCtrl& control, int& page)
{
    if (page < 0)
        page = control.DoGetActivePageIndex();
    const PageRef ref = control.GetPageRef(page);
    if (page < 0 || !ref) {
        ModalUI::ShowMessage(control.m_hWnd, "页索引无效!", CString(), MB_OK);
        return PageRef{};
    }
    return ref;
}

bool IsBodyCell(const CNorvakPage& page, int row, int col)
{
    return row >= page.m_nFixedRows && row < page.m_nRows && col >= page.m_nFixedCols && col < page.m_nCols;
}

void SetIcon(CNorvakCell& cell, HICON icon)
{
    cell.SetIcon(icon);
    if (icon) {
        cell.SetBitmap(nullptr);
        cell.TakePicture();
    }
}

void SetBitmap(CNorvakCell& cell, HBITMAP bitmap)
{
    cell.SetBitmap(bitmap);
    if (bitmap) {
        cell.SetIcon(nullptr);
        cell.TakePicture();
    }
}

bool SetImageFromFile(CNorvakCell& cell, const CString& file)
{
    cell.SetIcon(nullptr);
    cell.SetBitmap(nullptr);
    if (file.IsEmpty()) {
        cell.TakePicture();
        return true;
    }
    if (!cell.GetPicture())
        cell.SetPicture(CNorvakCell::PicturePtr(new CPictureObject, [](CPictureObject* p) { delete p; }));
    return cell.GetPicture()->LoadFromFile(file.GetString());
}

WORD StateBit(short nState)
{
    return nState >= 1 && nState <= 6 ? WORD(1u << (nState - 1)) : 0;
}

} // namespace CellChanges
