#pragma once

// What a print or print preview run tells the window that draws its pages: the page range, the
// page being drawn and the rectangle to draw it in (logical units of the printer DC).

#include "framework/Geometry.h"

class CPrintInfo
{
public:
    void SetMinPage(UINT page) { m_nMinPage = page; }
    void SetMaxPage(UINT page) { m_nMaxPage = page; }
    UINT GetMinPage() const { return m_nMinPage; }
    UINT GetMaxPage() const { return m_nMaxPage; }

    UINT m_nCurPage = 1;
    CRect m_rectDraw;
    bool m_bContinuePrinting = true;
    bool m_bPreview = false;

private:
    UINT m_nMinPage = 1;
    UINT m_nMaxPage = 0xFFFF;
};
