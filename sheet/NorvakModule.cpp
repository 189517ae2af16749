#include "sheet/NorvakModule.h"
#include "sheet/NorvakCtrl.h"

#include "framework/ClassFactory.h"
#include "framework/ComBoundary.h"
#include "framework/OleRegistry.h"
#include "resources/NorvakResource.h"

#include <olectl.h>

namespace NorvakRegistration {

const GUID kTypeLibID = {0xF586FA87, 0x05C9, 0x4CD2, {0xA4, 0x45, 0x88, 0x51, 0x37, 0xF2, 0x4A, 0x18}};
const CLSID kControlClassID = {0x08B9F660, 0x1240, 0x41D7, {0x98, 0xA9, 0x42, 0x81, 0xDC, 0xA7, 0xC2, 0x09}};
const CLSID kPropPageID = {0x212DBDC1, 0xC90B, 0x4886, {0xA7, 0x9C, 0xC0, 0x9F, 0x2E, 0x84, 0x45, 0xC5}};
const CLSID kPageSetupPageID = {0x0CC7FA99, 0xF090, 0x447F, {0xAF, 0x79, 0xF8, 0xB8, 0xBC, 0xC2, 0xF2, 0xFA}};

} // namespace NorvakRegistration

namespace {

class CNorvakCtrlFactory : public COleObjectFactory
{
public:
    CNorvakCtrlFactory()
        : COleObjectFactory(NorvakRegistration::kControlClassID, &CNorvakCtrl::CreateObject,
                            NorvakRegistration::kProgID)
    {
    }

    bool UpdateRegistry(bool registering) override
    {
        using namespace NorvakRegistration;
        if (!registering)
            return OleRegistry::UnregisterControlClass(GetClassID(), GetProgID());
        OleRegistry::ControlClass control{kControlClassID,
                                          kProgID,
                                          IDS_NORVAK,
                                          IDB_NORVAK,
                                          OleRegistry::Insertable | OleRegistry::ApartmentThreading,
                                          kMiscStatus,
                                          kTypeLibID,
                                          kVersionMajor,
                                          kVersionMinor};
        return OleRegistry::RegisterControlClass(OleModule::Instance(), control);
    }
};

CNorvakApp theApp;
CNorvakCtrlFactory theFactory;

} // namespace

CNorvakApp& NorvakApp()
{
    return theApp;
}

bool CNorvakApp::InitInstance()
{
    bool ok = COleControlModule::InitInstance();
    m_pCurrentControl = nullptr;
    return ok;
}

int CNorvakApp::ExitInstance()
{
    return COleControlModule::ExitInstance();
}

namespace NorvakRegistration {

HRESULT RegisterServer()
{
    if (!OleRegistry::RunRegisterTypeLib(OleModule::Instance(), kTypeLibID))
        return SELFREG_E_TYPELIB;
    if (!COleObjectFactory::UpdateRegistryAll(true))
        return SELFREG_E_CLASS;
    return S_OK;
}

HRESULT UnregisterServer()
{
    if (!OleRegistry::RunUnregisterTypeLib(kTypeLibID, kVersionMajor, kVersionMinor, 0))
        return SELFREG_E_TYPELIB;
    if (!COleObjectFactory::UpdateRegistryAll(false))
        return SELFREG_E_CLASS;
    return S_OK;
}

} // namespace NorvakRegistration

STDAPI DllRegisterServer()
{
    return ComBoundary([] { return NorvakRegistration::RegisterServer(); });
}

STDAPI DllUnregisterServer()
{
    return ComBoundary([] { return NorvakRegistration::UnregisterServer(); });
}

STDAPI DllGetClassObject(REFCLSID clsid, REFIID iid, void** object)
{
    return COleObjectFactory::GetClassObject(clsid, iid, object);
}

STDAPI DllCanUnloadNow()
{
    return OleModule::CanUnloadNow();
}

// Lets a program that drives the control unattended answer its modal dialogs and message boxes.
extern "C" void NorvakSetModalHook(ModalHook hook)
{
    ModalUI::SetHook(hook);
}
