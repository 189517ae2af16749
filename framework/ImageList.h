#pragma once

// An image list of the common controls, owned: the list is destroyed with the object (or by
// DeleteImageList). Movable, not copyable.

#include <windows.h>

#include <commctrl.h>

class CImageList
{
public:
    CImageList() = default;
    CImageList(const CImageList&) = delete;
    CImageList& operator=(const CImageList&) = delete;
    CImageList(CImageList&& other) noexcept : m_hImageList(other.Detach()) {}
    CImageList& operator=(CImageList&& other) noexcept;
    ~CImageList() { DeleteImageList(); }

    HIMAGELIST GetSafeHandle() const { return m_hImageList; }
    operator HIMAGELIST() const { return m_hImageList; }
    HIMAGELIST Detach();

    // flags: ILC_* (colour depth, ILC_MASK).
    bool Create(int cx, int cy, UINT flags, int initial, int grow);
    // From a bitmap resource of this module cut into images cx wide; mask: the transparent colour.
    bool Create(UINT bitmapId, int cx, int grow, COLORREF mask);
    bool DeleteImageList();

    int GetImageCount() const { return m_hImageList ? ImageList_GetImageCount(m_hImageList) : 0; }
    // The list copies the pictures; the caller keeps its handles.
    int Add(HBITMAP bitmap, HBITMAP mask) const;
    int Add(HBITMAP bitmap, COLORREF mask) const;
    int Add(HICON icon) const;
    int Replace(int index, HICON icon) const;
    bool Draw(HDC dc, int index, POINT at, UINT style) const;

private:
    HIMAGELIST m_hImageList = nullptr;
};
