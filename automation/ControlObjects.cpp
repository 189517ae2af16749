// The control's automation objects, one of each kind, kept for the control's life and detached
// when it goes.

#include "automation/ControlObjects.h"

#include "automation/NorvakGridObject.h"
#include "automation/NorvakGridRangeObject.h"
#include "automation/NorvakTabArrowObject.h"
#include "automation/NorvakTabTitleObject.h"
#include "sheet/ControlObjects.h"
#include "tabs/NorvakTabBand.h"

namespace {

class CNorvakControlObjects : public CControlObjects
{
public:
    explicit CNorvakControlObjects(CNorvakCtrl& control) : m_control(control) {}
    CNorvakControlObjects(const CNorvakControlObjects&) = delete;
    CNorvakControlObjects& operator=(const CNorvakControlObjects&) = delete;
    ~CNorvakControlObjects() override
    {
        m_cell->Detach();
        m_cell->Release();
        m_range->Detach();
        m_range->Release();
        m_title->Detach();
        m_title->Release();
        m_arrow->Detach();
        m_arrow->Release();
    }

    IDispatch* BindCell(int page, int row, int col, BOOL followFocus) override
    {
        m_cell->BindCell(page, &m_control, row, col, followFocus);
        return m_cell->GetDispatch();
    }

    IDispatch* BindRange(int page, int minRow, int minCol, int maxRow, int maxCol) override
    {
        m_range->BindRange(page, &m_control, minRow, minCol, maxRow, maxCol);
        return m_range->GetDispatch();
    }

    IDispatch* BindTabTitle() override
    {
        m_title->BindStrip(TabBandOf(m_control)->Strip());
        return m_title->GetDispatch();
    }

    IDispatch* BindTabArrow() override
    {
        m_arrow->BindBar(TabBandOf(m_control)->Arrows());
        return m_arrow->GetDispatch();
    }

private:
    CNorvakCtrl& m_control;
    CNorvakGridObject* m_cell = new CNorvakGridObject;
    CNorvakGridRangeObject* m_range = new CNorvakGridRangeObject;
    CNorvakTabTitleObject* m_title = new CNorvakTabTitleObject;
    CNorvakTabArrowObject* m_arrow = new CNorvakTabArrowObject;
};

std::unique_ptr<CControlObjects> MakeObjects(CNorvakCtrl& control)
{
    return std::make_unique<CNorvakControlObjects>(control);
}

} // namespace

void InstallControlObjects()
{
    SetControlObjectsFactory(&MakeObjects);
}
