#pragma once

// What the page-setup pages edit and printing reads: header and footer, the page title and the
// page numbers, margins and centring, paper, orientation and printer. A plain record: the control
// inherits it (as it inherits its default tables), so printing and the page-setup pages take this
// record and not the control. Every default is written here; the paper, the orientation and the
// printer name are then taken from the default printer, when there is one. The record owns the
// pictures of its header and footer: one set in their place is destroyed when it is replaced and
// when the record goes, and a copy of the record holds copies of its own.

#include "framework/CGdiObject.h"
#include "framework/CString.h"

#include <windows.h>

#include <utility>
#include <vector>

// An icon or a bitmap owned by whoever holds it; reads as the plain handle.
template <class Handle> class CBandPicture
{
public:
    CBandPicture() = default;
    CBandPicture(const CBandPicture& other) : m_handle(Copy(other.m_handle)) {}
    CBandPicture(CBandPicture&& other) noexcept : m_handle(other.Release()) {}
    CBandPicture& operator=(const CBandPicture& other)
    {
        if (this != &other)
            Reset(Copy(other.m_handle));
        return *this;
    }
    CBandPicture& operator=(CBandPicture&& other) noexcept
    {
        if (this != &other)
            Reset(other.Release());
        return *this;
    }
    ~CBandPicture() { Reset(); }

    operator Handle() const { return m_handle; }
    // Takes the handle over, destroying the one held before (unless it is the same).
    void Reset(Handle handle = nullptr)
    {
        if (handle != m_handle)
            Destroy(std::exchange(m_handle, handle));
    }
    Handle Release() { return std::exchange(m_handle, nullptr); }

private:
    static Handle Copy(Handle handle);
    static void Destroy(Handle handle);
    Handle m_handle = nullptr;
};

template <> inline HICON CBandPicture<HICON>::Copy(HICON icon)
{
    return icon ? ::CopyIcon(icon) : nullptr;
}
template <> inline void CBandPicture<HICON>::Destroy(HICON icon)
{
    if (icon)
        ::DestroyIcon(icon);
}
template <> inline HBITMAP CBandPicture<HBITMAP>::Copy(HBITMAP bitmap)
{
    return bitmap ? static_cast<HBITMAP>(::CopyImage(bitmap, IMAGE_BITMAP, 0, 0, 0)) : nullptr;
}
template <> inline void CBandPicture<HBITMAP>::Destroy(HBITMAP bitmap)
{
    if (bitmap)
        ::DeleteObject(bitmap);
}

struct CPageSetup
{
    static LOGFONTA MakeFont(LONG height, LONG weight, const char* face)
    {
        LOGFONTA font{};
        font.lfHeight = height;
        font.lfWeight = weight;
        CFont::SetFaceName(font, face);
        return font;
    }

    // Paper size, orientation and printer name of the default printer, asked without showing
    // anything; they stay as they are without a printer.
    void UseDefaultPrinter();

    CString m_strHeaderText;
    CString m_strFooterText;
    CString m_strPageTitle;
    int m_bShowHeader = 1;
    int m_bShowFooter = 1;
    int m_bShowPageTitle = 1;
    int m_bDashedFrame = 0;
    int m_bShowPageNumber = 1;
    int m_bCenterHorz = 0;
    int m_bCenterVert = 0;
    int m_nLeftMargin = 100; // 1/100 cm
    int m_nRightMargin = 100;
    int m_nTopMargin = 150;
    int m_nBottomMargin = 100;
    int m_nPageTitleMargin = 120;
    int m_nHeaderMargin = 60;
    int m_nFooterMargin = 60;
    int m_nHeaderOptions[2] = {};
    int m_nFooterOptions[2] = {};
    int m_nHeaderAlign = 0; // 0 left, 1 centre, 2 right
    int m_nFooterAlign = 0;
    int m_nHeaderLine = 2; // 0 none, 1 short, 2 long
    int m_nFooterLine = 2;
    int m_bHeaderShowIcon = 0;
    int m_bFooterShowIcon = 0;
    LOGFONTA m_lfHeaderFont = MakeFont(-12, 400, "宋体");
    LOGFONTA m_lfFooterFont = MakeFont(-12, 400, "宋体");
    LOGFONTA m_lfTitleFont = MakeFont(30, 500, "楷体");
    int m_nHeaderIconIndex = 0;
    int m_nFooterIconIndex = 0;
    int m_nTitleOption = 0;
    CBandPicture<HICON> m_hHeaderIcon;
    CBandPicture<HICON> m_hFooterIcon;
    CBandPicture<HBITMAP> m_hHeaderBitmap;
    CBandPicture<HBITMAP> m_hFooterBitmap;
    COLORREF m_crHeaderColor = 0;
    COLORREF m_crFooterColor = 0;
    COLORREF m_crTitleColor = 0;
    int m_nPageNumberFormat = 8;
    int m_nPageNumberPos = 3;
    CString m_strPrinterName;
    int m_nPaperSize = DMPAPER_A4;
    int m_nOrientation = DMORIENT_PORTRAIT;
    std::vector<CString> m_stringLists[3];
};
