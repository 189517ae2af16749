#pragma once

// What one print or print preview run carries between its steps and tells the window that draws
// its pages: the printer DC, the page range, the page being drawn, whether this is a preview, and
// the rectangle to draw the page in. Plain data.

#include "framework/Geometry.h"

#include <windows.h>

class CPrintInfo
{
public:
    void SetMinPage(UINT page) { m_nMinPage = page; }
    void SetMaxPage(UINT page) { m_nMaxPage = page; }
    UINT GetMinPage() const { return m_nMinPage; }
    UINT GetMaxPage() const { return m_nMaxPage; }

    HDC m_hPrinterDC = nullptr; // the printer the run draws for; owned by whoever made it
    UINT m_nCurPage = 1;
    CRect m_rectDraw; // the page, in the logical units of the printer DC
    bool m_bContinuePrinting = true;
    bool m_bPreview = false;

private:
    UINT m_nMinPage = 1;
    UINT m_nMaxPage = 0xFFFF;
};
