#pragma once

// The multiple-document frame and its document windows. The frame holds the system's MDI client
// window, the tool bars docked along its sides (see DockLayout.h; a bar dragged by its gripper
// docks where it is dropped) and the status bar (child kStatusBar) along its bottom, whose message
// pane shows the prompt of the menu item under the mouse. It routes commands to the active
// document window first (which offers them to its view, then to itself), then to itself, then to
// a last target (the application). Menu items are enabled and checked from the same walk when
// their popup opens, tool bar buttons and the status bar's indicators when the program is idle
// (UpdateControlBars). The window popup of the active document's menu lists the open documents.
//
// Ownership: as CWnd. The tool bars and the status bar belong to the derived frame, the document
// windows to whoever made them; the frame only finds them.

#include "framework/CmdTarget.h"
#include "framework/DockLayout.h"
#include "framework/ToolBar.h"
#include "framework/Wnd.h"

#include <vector>

class CMDIChildWnd;

class CMDIFrameWnd : public CWnd, public CCmdTarget, public CDockSite
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
    // The tool bars' buttons and the status bar's indicators, as the program goes idle.
    void UpdateControlBars();
    void RecalcLayout();

    // The sides (CBRS_ALIGN_) bars may be docked on.
    void EnableDocking(DWORD sides) { m_dockSides = sides & CBRS_ALIGN_ANY; }
    // Docks bar on side as the index-th band from its edge (-1: the innermost); a bar docked
    // elsewhere moves. Refused for a side the frame or the bar does not dock on.
    bool DockControlBar(CToolBar* bar, DockSide side = DockSide::Top, int index = -1);
    // The side bar is docked on, or none.
    std::optional<DockSide> DockSideOf(const CToolBar& bar) const;
    CRect DockFeedback(const CToolBar& bar, POINT point) const override;
    void DockAt(CToolBar& bar, POINT point) override;

    bool OnCmdMsg(UINT, CCmdUI*) override { return false; }
    // The frame's accelerators and the MDI keys (Ctrl+F4, Ctrl+F6).
    bool PreTranslateMessage(MSG* msg) override;

protected:
    virtual int OnCreate(CREATESTRUCTW* cs);
    bool PreCreateWindow(CREATESTRUCTW& cs) override;
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;
    LRESULT DefWindowProc(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    struct DockedBar
    {
        CToolBar* bar;
        HWND window; // the bar's, to know it when it goes
        DockSide side;
    };

    void UpdateMenuPopup(HMENU popup);
    void ShowMenuPrompt(UINT item, UINT flags);
    // The client area less the status bar: where bars dock and the MDI client goes.
    CRect DockArea() const;
    std::vector<DockBand> DockBands() const;
    std::vector<DockBand> BandsWithout(const CToolBar& bar) const;
    struct DropPlace
    {
        DockSide side;
        int index;
    };
    // Where bar dropped at point (client coordinates) docks, or nowhere.
    std::optional<DropPlace> DropPlaceAt(const CToolBar& bar, POINT point) const;

    HWND m_hWndMDIClient = nullptr;
    std::vector<DockedBar> m_docked; // in the order their bands are laid out
    DWORD m_dockSides = 0;
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
