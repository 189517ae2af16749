#include "sheet/SheetDropTarget.h"

#include "sheet/NorvakCtrl.h"

BOOL CSheetDropTarget::Register(HWND window)
{
    if (m_bRegistered || !window || !dynamic_cast<CNorvakCtrl*>(CWnd::FromHandlePermanent(window)))
        return FALSE;
    if (!COleDropTarget::Register(window))
        return FALSE;
    m_hRegistered = window;
    m_bRegistered = TRUE;
    return TRUE;
}

void CSheetDropTarget::Revoke()
{
    m_bRegistered = FALSE;
    COleDropTarget::Revoke();
}

DROPEFFECT CSheetDropTarget::OnDragEnter(COleDataObject*, DWORD, CPoint)
{
    return DROPEFFECT_NONE;
}

DROPEFFECT CSheetDropTarget::OnDragOver(COleDataObject*, DWORD, CPoint)
{
    return DROPEFFECT_NONE;
}

bool CSheetDropTarget::OnDrop(COleDataObject*, DROPEFFECT, CPoint)
{
    return m_bRegistered && GetWindow() == m_hRegistered;
}

DROPEFFECT CSheetDropTarget::OnDragScroll(HWND window, DWORD keyState, CPoint) const
{
    if (!m_bRegistered || window != m_hRegistered)
        return DROPEFFECT_NONE;
    return (keyState & MK_CONTROL) ? DROPEFFECT_COPY : DROPEFFECT_MOVE;
}
