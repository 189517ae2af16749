// Every test of this program fails when it leaves a dialog, a sheet or a colour picker's popup
// open behind it.

#include "dialogs/ColourPickerPopup.h"
#include "tests/support/ModalDriver.h"

namespace {

const bool g_checked = (FailTestsThatLeaveDialogsOpen({CColourPickerPopup::kClassName}), true);

} // namespace
