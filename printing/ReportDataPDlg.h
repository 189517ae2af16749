#pragma once

// The page "数据选项" of the page-setup sheet: which cells of the active page print (the whole
// page, the current selection, any range, or checked body rows and columns) and whether the header
// rows and columns print. It writes into the active page's record on OK, and nothing without an
// active page.

#include "dialogs/SheetPage.h"
#include "framework/Controls.h"
#include "printing/CheckListView.h"

#include <vector>

class CNorvakCtrl;

class CNorvakReportDataPDlg : public CSheetPage
{
public:
    enum OutputMode { WholePage, Selection, Arbitrary, Custom }; // the radio buttons' order
    explicit CNorvakReportDataPDlg(CNorvakCtrl* control = nullptr);

    int m_nOutputMode = 0;
    int m_bPrintColHeader = 0;
    int m_bPrintRowHeader = 0;
    int m_bAllColumns = 0;
    int m_bAllRows = 0;

protected:
    void DoDataExchange(CDataExchange* dx) override;
    bool OnInitDialog() override;
    void OnOK() override;
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    void EnableCustomControls(bool enable) const;
    // A list's "全选" box follows its check marks as the user changes them.
    void FollowChecks(const CCheckListView& list, int& all, int box) const;
    void FillList(CCheckListView& list, const char* title, int count, const std::vector<WORD>& checked, int& all,
                  CCheckListView::TextOf text);
    void PaintSeparator();

    CButton m_rowHeader;
    CButton m_colHeader;
    CCheckListView m_columns;
    CButton m_allColumnsBox;
    CStatic m_columnsLabel;
    CCheckListView m_rows;
    CButton m_allRowsBox;
    CStatic m_rowsLabel;
    CStatic m_separator;
    CNorvakCtrl* m_pControl;
};
