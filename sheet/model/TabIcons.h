#pragma once

// The icons of a page's tab: an image list of 16 x 16 icons, slot 0 cool, 1 hot, 2 active. Pages
// that show the same icons share one list, and a page's list becomes its own on its first change:
// a workbook of thousands of pages holds one list of the built-in icons, not two GDI bitmaps a
// page. The last holder of a list destroys it.

#include <windows.h>

#include <commctrl.h>

#include <memory>
#include <type_traits>

class CTabIcons
{
public:
    CTabIcons() = default;
    // Takes over the list (none for a null one).
    explicit CTabIcons(HIMAGELIST list);

    // For drawing; null when the tab has no list.
    HIMAGELIST Get() const { return m_list.get(); }
    int GetCount() const;
    // The list to change: the page's own, copied first when another page shares it, made empty when
    // there is none. Null when the system makes no list.
    HIMAGELIST Edit();
    // No icons any more.
    void Clear() { m_list.reset(); }

private:
    std::shared_ptr<std::remove_pointer_t<HIMAGELIST>> m_list;
};
