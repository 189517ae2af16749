// The class objects of the control's two property pages, beside the control's own in the module:
// built when the module loads, found by DllGetClassObject, registered and unregistered with the
// control by DllRegisterServer and DllUnregisterServer.

#include "sheet/NorvakModule.h"

#include "dialogs/NorvakPageSetPDlg.h"
#include "dialogs/NorvakPropPage.h"
#include "resources/NorvakResource.h"

namespace {

COlePropertyPageFactory thePropPageFactory(NorvakRegistration::kPropPageID, &CNorvakPropPage::CreateObject,
                                           "NORVAK.NorvakPropPage.1", IDS_NORVAK_PPG);
COlePropertyPageFactory thePageSetupFactory(NorvakRegistration::kPageSetupPageID, &CNorvakPageSetPDlg::CreateObject,
                                            "Norvak.CNorvakPageSetPDlg", 0);

} // namespace
