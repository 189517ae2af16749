#include "framework/ImageList.h"

#include "framework/CommonControls.h"
#include "framework/OleModule.h"

CImageList& CImageList::operator=(CImageList&& other) noexcept
{
    if (this != &other) {
        DeleteImageList();
        m_hImageList = other.Detach();
    }
    return *this;
}

HIMAGELIST CImageList::Detach()
{
    HIMAGELIST list = m_hImageList;
    m_hImageList = nullptr;
    return list;
}

bool CImageList::Create(int cx, int cy, UINT flags, int initial, int grow)
{
    DeleteImageList();
    EnsureCommonControls();
    m_hImageList = ImageList_Create(cx, cy, flags, initial, grow);
    return m_hImageList != nullptr;
}

bool CImageList::Create(UINT bitmapId, int cx, int grow, COLORREF mask)
{
    DeleteImageList();
    EnsureCommonControls();
    m_hImageList = ImageList_LoadImageW(OleModule::Instance(), MAKEINTRESOURCEW(bitmapId), cx, grow, mask,
                                        IMAGE_BITMAP, LR_CREATEDIBSECTION);
    return m_hImageList != nullptr;
}

bool CImageList::DeleteImageList()
{
    if (!m_hImageList)
        return false;
    ImageList_Destroy(Detach());
    return true;
}

int CImageList::Add(HBITMAP bitmap, HBITMAP mask) const
{
    return m_hImageList ? ImageList_Add(m_hImageList, bitmap, mask) : -1;
}

int CImageList::Add(HBITMAP bitmap, COLORREF mask) const
{
    return m_hImageList ? ImageList_AddMasked(m_hImageList, bitmap, mask) : -1;
}

int CImageList::Add(HICON icon) const
{
    return m_hImageList ? ImageList_AddIcon(m_hImageList, icon) : -1;
}

int CImageList::Replace(int index, HICON icon) const
{
    return m_hImageList ? ImageList_ReplaceIcon(m_hImageList, index, icon) : -1;
}

bool CImageList::Draw(HDC dc, int index, POINT at, UINT style) const
{
    return m_hImageList && ImageList_Draw(m_hImageList, index, dc, at.x, at.y, style);
}
