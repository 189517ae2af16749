#pragma once

// A top-level frame window with a status bar along its bottom and one pane above it: the child
// window with the id kPaneFirst fills what the status bar and any tool bar (kPreviewBar, along the
// top) leave. The frame knows its active view, the child that commands go to first.
//
// Ownership: as CWnd; the status bar is the frame's child and goes with it; views belong to whoever
// made them.

#include "framework/StatusBar.h"
#include "framework/Wnd.h"

class CFrameWnd : public CWnd
{
public:
    static constexpr UINT kPaneFirst = 0xE900;
    static constexpr UINT kStatusBar = CStatusBar::kStandardId;
    static constexpr UINT kPreviewBar = 0xE802;

    // A hidden overlapped frame with the title (code page 936).
    bool CreateFrame(const CString& title);

    CWnd* GetActiveView() const { return m_pActiveView; }
    void SetActiveView(CWnd* view) { m_pActiveView = view; }
    HWND GetStatusBar() const { return m_statusBar.m_hWnd; }
    // Lays out the tool bar, the pane and the status bar in the client area.
    void RecalcLayout() const;

protected:
    // Makes the status bar with its four parts; -1 fails the creation.
    virtual int OnCreate(CREATESTRUCTW* cs);
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    CStatusBar m_statusBar;
    CWnd* m_pActiveView = nullptr;
};
