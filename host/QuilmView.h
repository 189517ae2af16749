#pragma once

// The one view of a document window: it holds the control (child id 105) over its whole client
// area, answers the control's events, and carries the print, text-format and lock commands and the
// commands on the control's tab objects.
//
// Ownership: the view owns its control wrapper; the document window owns the view.

#include "framework/CmdTarget.h"
#include "framework/OleControlSite.h"
#include "host/NorvakWrapper.h"

struct TabCommand;

class CCQuilmView : public CWnd, public CCmdTarget, public IControlEventSink
{
public:
    static constexpr UINT kControlId = 105;

    bool Create(HWND parent, const RECT& rect);
    // Creates the control the first time; sets its border style every time.
    virtual void OnInitialUpdate();

    CNorvak& Control() { return m_norvak; }
    const CNorvak& Control() const { return m_norvak; }

    bool OnCmdMsg(UINT id, CCmdUI* ui) override;
    void OnControlEvent(UINT controlId, DISPID dispid, DISPPARAMS* params) override;

    // The event handlers.
    void OnControlCreated();
    void OnGridSizeChanged(long page, long oldCount, long newCount);

protected:
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    void OnFilePrint(UINT);
    void OnFilePrintPreview(UINT);
    void OnFilePrintSetup(UINT);
    void OnCellTextFormat(UINT);
    void OnLockWindow(UINT);
    void OnUnlockWindow(UINT);
    void OnUpdateLockWindow(CCmdUI& ui);
    void OnUpdateUnlockWindow(CCmdUI& ui);

    void RunTabCommand(const TabCommand& command);
    void UpdateTabCommand(const TabCommand& command, CCmdUI& ui);

    static const CommandEntry<CCQuilmView> kCommands[];
    CNorvak m_norvak;
};
