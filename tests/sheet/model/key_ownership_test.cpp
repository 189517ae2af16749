// Which keys the control keeps and which go to its container first: the cases where the sheet and
// an edit box differ, AltGr typing, and the system keys.

#include "sheet/model/KeyOwnership.h"

#include <gtest/gtest.h>

namespace {

struct Case
{
    const char* name;
    UINT message;
    UINT key;
    bool ctrl;
    bool alt;
    bool onSheet;   // kept when the grid has the focus
    bool inEditBox; // kept when an edit box of the control has it
};

TEST(KeyOwnership, TheControlKeepsWhatItActsOnAndLeavesTheRestToItsContainer)
{
    const Case cases[] = {
        {"a letter typed", WM_KEYDOWN, 'M', false, false, true, true},
        {"its character", WM_CHAR, 'm', false, false, true, true},
        {"Ctrl+C copies", WM_KEYDOWN, 'C', true, false, true, true},
        {"Ctrl+A selects all", WM_KEYDOWN, 'A', true, false, true, true},
        {"Ctrl+Right moves", WM_KEYDOWN, VK_RIGHT, true, false, true, true},
        {"Ctrl+Delete clears", WM_KEYDOWN, VK_DELETE, true, false, true, true},
        {"Ctrl itself (the drag cursor)", WM_KEYDOWN, VK_CONTROL, true, false, true, true},
        {"Ctrl+M is the host's merge", WM_KEYDOWN, 'M', true, false, false, false},
        {"Ctrl+S is the host's save", WM_KEYDOWN, 'S', true, false, false, false},
        {"Ctrl+F6 is the frame's next window", WM_KEYDOWN, VK_F6, true, false, false, false},
        {"Ctrl+Z undoes in an edit box only", WM_KEYDOWN, 'Z', true, false, false, true},
        {"Ctrl+Insert copies text in an edit box, cells by the host", WM_KEYDOWN, VK_INSERT, true, false, false, true},
        {"Shift+Insert pastes text in an edit box, cells by the host", WM_KEYDOWN, VK_INSERT, false, false, false, true},
        {"AltGr types a character", WM_KEYDOWN, 'Q', true, true, true, true},
        {"Alt+F opens the menu", WM_SYSKEYDOWN, 'F', false, true, false, false},
        {"the menu's character", WM_SYSCHAR, 'f', false, true, false, false},
        {"a key released", WM_KEYUP, 'M', true, false, true, true},
    };
    for (const Case& c : cases) {
        const SheetModel::HeldKeys held{c.ctrl, c.alt};
        EXPECT_EQ(SheetModel::ControlKeepsKey(c.message, c.key, held, false), c.onSheet) << c.name << " on the sheet";
        EXPECT_EQ(SheetModel::ControlKeepsKey(c.message, c.key, held, true), c.inEditBox) << c.name << " in an edit box";
    }
}

} // namespace
