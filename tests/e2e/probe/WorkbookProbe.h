#pragma once

// Reads a saved workbook back with the control itself: the control is made in a hidden window of
// this process, asked for no default pages, and opens the file; its automation members answer the
// questions. A message box the control raises is answered with OK and reported.
//
// Ownership: the probe owns the window and the control; both go with it.

#include "framework/DispatchDriver.h"
#include "framework/OleControlSite.h"

#include <string>

class CWorkbookProbe
{
public:
    CWorkbookProbe();
    ~CWorkbookProbe();
    CWorkbookProbe(const CWorkbookProbe&) = delete;
    CWorkbookProbe& operator=(const CWorkbookProbe&) = delete;

    // False when the control cannot be made; error says why.
    bool Create(std::wstring& error);
    bool Open(const std::wstring& path);

    long PageCount() const;
    std::wstring CellText(long page, long row, long col) const;
    // Whether a merged range starts at the cell (found by taking it apart in this copy).
    bool MergeStartsAt(long page, long row, long col) const;
    bool IsSelected(long page, long row, long col) const;
    // The style, width and colour of the cell's own bottom line.
    std::wstring BottomLine(long page, long row, long col) const;

    // The message boxes the control raised so far, one a line.
    static std::wstring Messages();

private:
    class Control : public COleControlWnd
    {
    protected:
        void OnControlEvent(DISPID dispid, DISPPARAMS* params) override;
    };

    HWND m_window = nullptr;
    Control m_control;
    HMODULE m_module = nullptr;
};
