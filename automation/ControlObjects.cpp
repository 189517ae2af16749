// The control's automation objects, one of each kind, kept for the control's life and detached
// when it goes.

#include "automation/ControlObjects.h"

#include "automation/NorvakGridObject.h"
#include "sheet/ControlObjects.h"

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
    }

    IDispatch* BindCell(int page, int row, int col, BOOL followFocus) override
    {
        m_cell->BindCell(page, &m_control, row, col, followFocus);
        return m_cell->GetDispatch();
    }

private:
    CNorvakCtrl& m_control;
    CNorvakGridObject* m_cell = new CNorvakGridObject;
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
