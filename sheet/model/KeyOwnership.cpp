#include "sheet/model/KeyOwnership.h"

#include "sheet/model/KeyMoves.h"

namespace SheetModel {

namespace {

bool IsModifier(UINT key)
{
    return key == VK_CONTROL || key == VK_SHIFT || key == VK_LCONTROL || key == VK_RCONTROL ||
           key == VK_LSHIFT || key == VK_RSHIFT;
}

bool KeepsCtrlCombination(UINT key, bool inEditBox)
{
    if (IsModifier(key) || IsMoveKey(key) || key == VK_DELETE || key == VK_PROCESSKEY)
        return true;
    switch (key) {
    case 'A':
    case 'C':
    case 'V':
    case 'X':
        return true;
    case 'Z':
    case VK_INSERT:
    case VK_BACK:
        return inEditBox;
    default:
        return false;
    }
}

} // namespace

bool ControlKeepsKey(UINT message, UINT key, HeldKeys held, bool inEditBox)
{
    switch (message) {
    case WM_SYSKEYDOWN:
    case WM_SYSKEYUP:
    case WM_SYSCHAR:
    case WM_SYSDEADCHAR:
        return false;
    case WM_KEYDOWN:
        if (held.alt)
            return held.ctrl; // Ctrl and Alt together are AltGr, which types a character
        if (held.ctrl)
            return KeepsCtrlCombination(key, inEditBox);
        return key != VK_INSERT || inEditBox;
    default:
        // Key releases and characters: the control's own, from a key it was given.
        return true;
    }
}

} // namespace SheetModel
