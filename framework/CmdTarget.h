#pragma once

// Command routing: a menu item, accelerator or tool bar button sends its command id along a chain
// of targets (the active view, its frame, the main frame, the application). The first target that
// knows the id runs it; the same walk with a CCmdUI asks whether an item is enabled or checked. An
// item that no target knows is shown disabled.
//
// A target keeps its commands in a table of CommandEntry: the id, the handler and an optional
// update rule. A range entry covers the ids first .. last and passes the id to its handler.

#include <windows.h>

#include <span>

struct CCmdUI
{
    explicit CCmdUI(UINT id) : m_nID(id) {}
    void Enable(bool on = true) { m_enabled = on; }
    void SetCheck(bool on = true) { m_checked = on; }

    UINT m_nID;
    bool m_enabled = true;
    bool m_checked = false;
};

class CCmdTarget
{
public:
    virtual ~CCmdTarget() = default;
    // ui null: runs the command; true when this target ran it. ui given: true when this target
    // has the command, after its update rule (if any) set ui.
    virtual bool OnCmdMsg(UINT id, CCmdUI* ui) = 0;
};

template <class T> struct CommandEntry
{
    UINT first;
    UINT last; // 0: the entry is for first alone
    void (T::*run)(UINT id);
    void (T::*update)(CCmdUI& ui); // none: always enabled, never checked
};

// The command walk over one target's table.
template <class T> bool RouteThroughTable(T* target, std::span<const CommandEntry<T>> table, UINT id, CCmdUI* ui)
{
    for (const CommandEntry<T>& entry : table) {
        const UINT last = entry.last ? entry.last : entry.first;
        if (id < entry.first || id > last)
            continue;
        if (!ui)
            (target->*entry.run)(id);
        else if (entry.update)
            (target->*entry.update)(*ui);
        return true;
    }
    return false;
}
