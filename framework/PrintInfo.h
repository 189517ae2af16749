#pragma once

// What one print or preview run carries between its steps: the printer DC, the page range, the
// page being drawn, whether this is a preview, and where the page is drawn. Plain data.

#include "framework/Geometry.h"

#include <windows.h>

struct CPrintInfo
{
    HDC m_hPrinterDC = nullptr; // the printer the run draws for; owned by whoever made it
    int m_nMinPage = 1;
    int m_nMaxPage = 0;
    int m_nCurPage = 1;
    bool m_bPreview = false;
    CRect m_rectDraw; // the page, in device units

    int GetMaxPage() const { return m_nMaxPage; }
    void SetMaxPage(int page) { m_nMaxPage = page; }
};
