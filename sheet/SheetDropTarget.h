#pragma once

// The OLE drop target of the control window. It takes part in OLE drag and drop only to refuse
// it: whatever another program drags over the cells shows the no-drop effect and nothing is ever
// dropped. Moving and copying cells inside the sheet is the mouse code's own drag, not OLE's.
//
// A member of the control; registered when the control window is made, revoked when it goes.

#include "framework/OleDataTransfer.h"

class CNorvakCtrl;

class CSheetDropTarget : public COleDropTarget
{
public:
    // FALSE when already registered, or when the window is none or no control's; the first
    // registration stays in force.
    BOOL Register(HWND window);
    void Revoke();
    BOOL IsRegistered() const { return m_bRegistered; }

    DROPEFFECT OnDragEnter(COleDataObject* data, DWORD keyState, CPoint point) override;
    DROPEFFECT OnDragOver(COleDataObject* data, DWORD keyState, CPoint point) override;
    void OnDragLeave() override {}
    bool OnDrop(COleDataObject* data, DROPEFFECT effect, CPoint point) override;
    // What a drag near the window's edge would do: nothing for another window, else a copy with
    // Ctrl held and a move without.
    DROPEFFECT OnDragScroll(HWND window, DWORD keyState, CPoint point) const;

private:
    HWND m_hRegistered = nullptr;
    BOOL m_bRegistered = FALSE;
};
