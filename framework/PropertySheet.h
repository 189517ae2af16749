#pragma once

// A modal property sheet over CPropertyPage objects. DoModal passes the modal seam, then makes the
// system's sheet modeless and runs our own modal loop, so that the pages' PreTranslateMessage runs
// and a page may open a sheet of its own. OnInitDialog runs once the sheet window and its start
// page exist and before the sheet shows: a derived sheet moves or hides its buttons there. DoModal
// returns IDOK when the sheet ended with OK, IDCANCEL otherwise (Cancel, the close box, Esc, or a
// sheet that went after Apply).
//
// Ownership: the sheet holds its pages by pointer and owns none of them; the sheet window is
// destroyed before DoModal returns.

#include "framework/PropertyPage.h"

#include <string>
#include <vector>

class CPropertySheet : public CWnd
{
public:
    // caption: code page 936; parent: the window the sheet is modal for (a control, or a page).
    explicit CPropertySheet(const CString& caption, HWND parent = nullptr, UINT startPage = 0)
        : m_caption(caption), m_parent(parent), m_startPage(startPage)
    {
    }

    // Adds a page at the end of the tab order.
    void AddPage(CPropertyPage* page);
    int GetPageCount() const { return int(m_pages.size()); }
    CPropertyPage* GetPage(int index) const;
    // The shown page: its index (the start page before the sheet runs) and object.
    int GetActiveIndex() const;
    CPropertyPage* GetActivePage() const { return GetPage(GetActiveIndex()); }
    bool SetActivePage(int index) const;
    HWND GetTabControl() const;
    const CString& GetCaption() const { return m_caption; }

    virtual INT_PTR DoModal();

    // The sheet's own dialog keys (Tab, Ctrl+Tab, Enter, Esc) for itself and its pages.
    bool PreTranslateMessage(MSG* msg) override;

protected:
    virtual bool OnInitDialog() { return true; }

    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;
    bool ContinueModal() override;

private:
    static int CALLBACK SheetCallback(HWND hwnd, UINT message, LPARAM lp);
    // The system's sheet, modeless, attached to this object.
    bool CreateModeless(const std::wstring& caption);
    // OnInitDialog, once per run: when the sheet is about to show, or after it was made hidden.
    void InitialiseOnce();
    INT_PTR ResultOfRun(INT_PTR loopResult) const;

    CString m_caption;
    HWND m_parent = nullptr;
    UINT m_startPage = 0;
    std::vector<CPropertyPage*> m_pages;
    int m_lastButton = IDCANCEL; // the last of OK and Cancel pressed
    bool m_initialised = false;
};
