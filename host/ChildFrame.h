#pragma once

// A document window: the view with its control, and the editing, header-labelling, row-height and
// file commands of the document menu. Each command works on the view's control and its active page.
//
// Ownership: the window owns its document and view and deletes itself when its window is gone.

#include "framework/MDIFrameWnd.h"
#include "host/QuilmDoc.h"
#include "host/QuilmView.h"
#include "host/model/HiddenRows.h"

#include <memory>

class CChildFrame : public CMDIChildWnd
{
public:
    explicit CChildFrame(std::unique_ptr<CCQuilmDoc> document);

    bool Create(CMDIFrameWnd* frame, HMENU menu, HMENU windowPopup);
    CCQuilmView& View() { return m_view; }
    CCQuilmDoc& Document() { return *m_document; }
    const CString& Path() const { return m_path; }

    void ActivateFrame(int show = -1) override;
    bool OnCmdMsg(UINT id, CCmdUI* ui) override;

    // Gives the window the file's name and reads the file into the control; false when the
    // control refused the file.
    bool ShowWorkbook(const CString& path);
    // Column letters and row numbers in the headers of page (-1: every page).
    void LabelColumnHeaders(long page);
    void LabelRowHeaders(long page);

protected:
    void OnClose() override;
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;
    void PostNcDestroy() override { delete this; }

private:
    const CNorvak& Control() const { return m_view.Control(); }
    void OnDeleteRows(UINT);
    void OnDeleteColumns(UINT);
    void OnMergeCells(UINT);
    void OnUnmergeCells(UINT);
    void OnAllowDrag(UINT);
    void OnHeadStyle(UINT id);
    void OnCopy(UINT);
    void OnCut(UINT);
    void OnPaste(UINT);
    void OnFormatBrush(UINT);
    void OnNewSheet(UINT);
    void OnInsertRows(UINT);
    void OnInsertColumns(UINT);
    void OnRowHeight(UINT);
    void OnBestRowHeight(UINT) {}
    void OnDefaultRowHeight(UINT);
    void OnHideRows(UINT);
    void OnUnhideRows(UINT);
    void OnCellPictureFile(UINT);
    void OnCellPictureSamples(UINT);
    void OnFileOpen(UINT);
    void OnSave(UINT);
    void OnSaveAs(UINT);
    void OnUpdateSelection(CCmdUI& ui);
    void OnUpdatePaste(CCmdUI& ui);
    void OnUpdateAllowDrag(CCmdUI& ui);
    void OnUpdateHeadStyle(CCmdUI& ui);

    // Runs action with the range object of the selection, released afterwards.
    template <class Action> void WithSelectionRange(Action action);

    static const CommandEntry<CChildFrame> kCommands[];
    std::unique_ptr<CCQuilmDoc> m_document;
    CCQuilmView m_view;
    HiddenRows m_hiddenRows;
    CString m_path;
};
