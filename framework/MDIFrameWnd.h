#pragma once

// The multiple-document frame and its document windows. The frame holds the system's MDI client
// window, the tool bars along its top (children with ids kToolBarFirst .. kToolBarLast) and the
// status bar along its bottom; it routes commands to the active document window first (which
// offers them to its view, then to itself), then to itself, then to a last target (the
// application). Menu items are enabled and checked from the same walk when their popup opens, tool
// bar buttons when the program is idle (UpdateToolBars).
//
// Ownership: as CWnd. The document windows belong to whoever made them; the frame only finds
// them through the MDI client.

#include "framework/CmdTarget.h"
#include "framework/Wnd.h"

class CMDIChildWnd;

class CMDIFrameWnd : public CWnd, public CCmdTarget
{
public:
    static constexpr UINT kStatusBar = 0xE801;
    static constexpr UINT kToolBarFirst = 0xE800; // 59392, the id every tool bar of ours has
    static constexpr UINT kMDIClient = 0xE900;
    static constexpr UINT kFirstMDIChild = 0xFF00;

    // Creates the frame with the menu, accelerators and icon of resource id from the program's
    // resources and the title of its string; hidden until shown.
    bool LoadFrame(UINT resourceId, DWORD style);

    HWND MDIClient() const { return m_hWndMDIClient; }
    // The active document window, or none.
    CMDIChildWnd* MDIGetActive() const;
    HMENU DefaultMenu() const { return m_hMenuDefault; }
    // Shows menu (the frame's own when none) with its window list under the popup windowPopup.
    void SetFrameMenu(HMENU menu, HMENU windowPopup);
    // A document window became the active one (none: the last one went); shows its menu, or the
    // frame's own.
    virtual void OnChildActivated(CMDIChildWnd* active);
    void SetLastCommandTarget(CCmdTarget* target) { m_lastTarget = target; }

    // Runs command id along the chain; true when a target ran it.
    bool RouteCommand(UINT id);
    // Asks the chain about id; false when no target has it (the item is then disabled).
    bool RouteUpdate(CCmdUI& ui);
    // Sets every button of the frame's tool bars from the chain.
    void UpdateToolBars();
    void RecalcLayout();

    bool OnCmdMsg(UINT, CCmdUI*) override { return false; }
    // The frame's accelerators and the MDI keys (Ctrl+F4, Ctrl+F6).
    bool PreTranslateMessage(MSG* msg) override;

protected:
    virtual int OnCreate(CREATESTRUCTW* cs);
    bool PreCreateWindow(CREATESTRUCTW& cs) override;
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;
    LRESULT DefWindowProc(UINT msg, WPARAM wp, LPARAM lp) override;
    // The status bar with its four parts (see CFrameWnd::PlaceStatusBar).
    HWND CreateStatusBar();

private:
    void UpdateMenuPopup(HMENU popup);

    HWND m_hWndMDIClient = nullptr;
    HWND m_hStatusBar = nullptr;
    HMENU m_hMenuDefault = nullptr;
    HACCEL m_hAccel = nullptr;
    CCmdTarget* m_lastTarget = nullptr;
};

class CMDIChildWnd : public CWnd, public CCmdTarget
{
public:
    // Creates the document window in frame's MDI client, maximised or not as the active one is.
    bool Create(CMDIFrameWnd* frame, const CString& title, HMENU sharedMenu, HMENU windowPopup);
    CMDIFrameWnd* GetMDIFrame() const { return m_frame; }
    CWnd* GetActiveView() const { return m_pActiveView; }
    void SetActiveView(CWnd* view) { m_pActiveView = view; }
    HMENU SharedMenu() const { return m_hMenuShared; }
    HMENU WindowPopup() const { return m_hWindowPopup; }
    void MDIActivate() const;

    // Shows the window and makes it the active one.
    virtual void ActivateFrame(int show = -1);
    // The view's commands first, then the frame's.
    bool RouteCommand(UINT id, CCmdUI* ui);

protected:
    virtual void OnClose();
    bool PreCreateWindow(CREATESTRUCTW& cs) override;
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;
    LRESULT DefWindowProc(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    CMDIFrameWnd* m_frame = nullptr;
    CWnd* m_pActiveView = nullptr;
    HMENU m_hMenuShared = nullptr;
    HMENU m_hWindowPopup = nullptr;
};
