#pragma once

// The view's commands on the control's tab objects, as data: which object each menu item calls,
// with which arguments, what it asks the user first, and what sets its check mark. The view runs
// an entry by fetching the objects, resolving the arguments and releasing the objects at the end.

#include <windows.h>

#include <array>
#include <span>

enum class TabObject : unsigned char
{
    Arrow,     // the arrow bar
    Title,     // the page tabs
    ArrowFont, // the arrow bar's status text font
    PageFont,  // the active page's tab font
};

enum class TabArgKind : unsigned char
{
    None,
    Short,       // value as VT_I2
    Long,        // value as VT_I4
    Bool,        // value as VT_BOOL
    Icon,        // the host's icon resource `value`, or a null handle for 0
    Text,        // the literal text
    Path,        // the icon file the user chose
    ActivePage,  // the tab object's active page
    Toggle,      // the negation of getter `value` called with the arguments before this one
    Colour,      // the colour the user chose
    User,        // from the login or account dialog
    Password,
    NewPassword,
    NewUser,
    Privilege,   // as VT_I2
};

struct TabArg
{
    TabArgKind kind = TabArgKind::None;
    long value = 0;
    const char* text = nullptr;
};

struct TabCall
{
    TabObject object = TabObject::Arrow;
    DISPID method = 0; // 0: no call
    std::array<TabArg, 6> args{};
};

enum class TabPrompt : unsigned char
{
    None,
    IconFile,     // a file dialog for "(图标*.ico)|*.ico||"; Cancel ends the command
    Colour,       // a colour dialog starting at 0
    Login,        // the page login dialog with the caption
    Account,      // the page account dialog in accountMode with the caption
    ShowText,     // a message box with the call's text result
    ShowCount,    // a message box with the call's count in "当前只有%d个图标"
};

enum class TabCheck : unsigned char
{
    None,
    IsTrue,  // checked when the getter answers TRUE
    IsFalse, // when it answers FALSE
    Equals,  // when it answers value
};

struct TabCheckRule
{
    TabCheck kind = TabCheck::None;
    TabObject object = TabObject::Arrow;
    DISPID getter = 0;
    TabArg arg{}; // its one argument, if any
    long value = 0;
};

struct TabCommand
{
    UINT id;
    TabPrompt prompt;
    const char* caption; // of the login or account dialog
    int accountMode;
    std::array<TabCall, 2> calls;
    TabCheckRule check;
    bool hasUpdate; // an update handler, even one that does nothing
};

std::span<const TabCommand> TabCommandTable();
// The entry for id, or none.
const TabCommand* FindTabCommand(UINT id);
// The number of arguments a call passes.
int TabCallArgCount(const TabCall& call);
