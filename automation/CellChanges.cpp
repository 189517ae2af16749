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
    // The holder comes first: when there is no memory for it, the cell stays as it was.
    if (!file.IsEmpty() && !cell.GetPicture())
        cell.SetPicture(CNorvakCell::PicturePtr(new CPictureObject, [](CPictureObject* p) { delete p; }));
    cell.SetIcon(nullptr);
    cell.SetBitmap(nullptr);
    if (file.IsEmpty()) {
        cell.TakePicture();
        return true;
    }
    return cell.GetPicture()->LoadFromFile(file);
}

std::unique_ptr<CPictureObject> LoadPicture(const CString& file)
{
    auto picture = std::make_unique<CPictureObject>();
    if (!picture->LoadFromFile(file))
        return nullptr;
    return picture;
}

void ShowPicture(CNorvakCell& cell, std::unique_ptr<CPictureObject> picture)
{
    cell.SetIcon(nullptr);
    cell.SetBitmap(nullptr);
    cell.SetPicture(CNorvakCell::PicturePtr(picture.release(), [](CPictureObject* p) { delete p; }));
}

WORD StateBit(short nState)
{
    return nState >= 1 && nState <= 6 ? WORD(1u << (nState - 1)) : 0;
}

} // namespace CellChanges
