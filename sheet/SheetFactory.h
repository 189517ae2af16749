#pragma once

// Opens the property sheets of the context menu's commands. The real factory lives in the dialogs
// library, which the control module installs; a test puts its own in so that no sheet is made.
// Each returns the sheet's result, 0 when none was shown.

#include <windows.h>

class CNorvakCtrl;
struct CChartElementSheet;

class ISheetFactory
{
public:
    virtual INT_PTR CellFormat(CNorvakCtrl& control) = 0;
    virtual INT_PTR FillEffects(CNorvakCtrl& control) = 0;
    virtual INT_PTR Legend(CNorvakCtrl& control) = 0;
    virtual INT_PTR ChartSettings(CNorvakCtrl& control) = 0;
    // The property sheet of a chart element, its caption and pages as the sheet says, the pages
    // editing sheet.record. By default nothing shows.
    virtual INT_PTR ChartElement(CNorvakCtrl& control, const CChartElementSheet& sheet)
    {
        (void)control;
        (void)sheet;
        return 0;
    }

protected:
    ~ISheetFactory() = default;
};

// Defined in the dialogs library.
ISheetFactory& RealSheetFactory();
