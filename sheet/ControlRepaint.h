#pragma once

// The repaints a page-model operation asks for, turned into invalidated rectangles of the control
// window. Only the active page is on screen: requests for another page are dropped.
//
// Ownership: refers to the control and the page reference it is given, which outlive it.

#include "sheet/NorvakCtrl.h"
#include "sheet/model/CellRepaint.h"

class CControlRepaint final : public ICellRepaint
{
public:
    CControlRepaint(CNorvakCtrl& ctrl, const PageRef& ref) : m_ctrl(ctrl), m_ref(ref) {}

    void RepaintCell(CCellCoord cell) override
    {
        if (IsShown())
            m_ctrl.RedrawCell(cell);
    }
    void RepaintRange(const CCellRect& range) override
    {
        if (IsShown())
            m_ctrl.RedrawRange(range);
    }
    void RepaintHeaders() override
    {
        if (!IsShown() || !m_ctrl.m_hWnd)
            return;
        RECT client{};
        ::GetClientRect(m_ctrl.m_hWnd, &client);
        RECT rows{0, 0, client.right, m_ref.page->GetFixedRowHeight()};
        RECT cols{0, 0, m_ref.page->GetFixedColumnWidth(), client.bottom};
        m_ctrl.InvalidateControl(&rows);
        m_ctrl.InvalidateControl(&cols);
    }
    void RepaintAll() override { m_ctrl.InvalidateControl(); }

private:
    bool IsShown() const { return m_ref.index == m_ctrl.DoGetActivePageIndex(); }

    CNorvakCtrl& m_ctrl;
    const PageRef& m_ref;
};
