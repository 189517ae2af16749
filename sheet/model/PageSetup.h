#pragma once

// What the page-setup pages edit and printing reads: header and footer, the page title and the
// page numbers, margins and centring, paper, orientation and printer. A plain record: the control
// inherits it (as it inherits its default tables), so printing and the page-setup pages take this
// record and not the control. Every default is written here; the paper, the orientation and the
// printer name are then taken from the default printer, when there is one. The icons and bitmaps
// belong to whoever sets them.

#include "framework/CString.h"

#include <windows.h>

#include <cstring>
#include <vector>

struct CPageSetup
{
    static LOGFONTA MakeFont(LONG height, LONG weight, const char* face)
    {
        LOGFONTA font{};
        font.lfHeight = height;
        font.lfWeight = weight;
        std::strncpy(font.lfFaceName, face, LF_FACESIZE - 1);
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
    HICON m_hHeaderIcon = nullptr;
    HICON m_hFooterIcon = nullptr;
    HBITMAP m_hHeaderBitmap = nullptr;
    HBITMAP m_hFooterBitmap = nullptr;
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
