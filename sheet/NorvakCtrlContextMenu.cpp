// The context menu of the cells and the commands it carries: copy, cut and paste, and the
// property sheets, which the sheet factory opens.

#include "sheet/NorvakCtrl.h"

#include "framework/ModalUI.h"
#include "sheet/NorvakModule.h"
#include "framework/OleModule.h"
#include "resources/NorvakResource.h"

namespace {

// The command each hide flag removes; 0 is the first separator left.
constexpr UINT kHiddenCommands[24] = {
    32768, 32775, 0, ID_EDIT_COPY_CELLS, ID_EDIT_CUT_CELLS, ID_EDIT_PASTE_CELLS, 0, 32882,
    32883, 0, ID_SORT_BY_STRING, ID_SORT_BY_VALUE, 0, ID_SWAP_AXES, ID_SAME_ROW_HEIGHT, ID_SAME_COLUMN_WIDTH,
    0, ID_CELL_FORMAT, ID_LEGEND_SETTINGS, 0, ID_FILL_EFFECTS, 32795, 0, 32802,
};

// The commands of the edit menu a container may send.
enum : UINT
{
    kEditCopy = 57634,
    kEditCut = 57635,
    kEditPaste = 57637,
    kEditSelectAll = 57642,
};

// Popup `index` of the control's menu, detached from its menu bar.
HMENU LoadPopup(int index)
{
    HMENU bar = ::LoadMenuW(OleModule::Instance(), MAKEINTRESOURCEW(IDR_NORVAK_MENU));
    if (!bar)
        return nullptr;
    HMENU popup = ::GetSubMenu(bar, index);
    if (popup)
        ::RemoveMenu(bar, UINT(index), MF_BYPOSITION);
    ::DestroyMenu(bar);
    return popup;
}

void RemoveFirstSeparator(HMENU menu)
{
    const int count = ::GetMenuItemCount(menu);
    for (int pos = 0; pos < count; ++pos) {
        MENUITEMINFOW info{};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_FTYPE;
        if (::GetMenuItemInfoW(menu, UINT(pos), TRUE, &info) && (info.fType & MFT_SEPARATOR)) {
            ::DeleteMenu(menu, UINT(pos), MF_BYPOSITION);
            return;
        }
    }
}

void RemoveCommand(HMENU menu, UINT command)
{
    if (command == 0)
        RemoveFirstSeparator(menu);
    else
        ::DeleteMenu(menu, command, MF_BYCOMMAND);
}

} // namespace

HMENU BuildCellContextMenu(const int hidden[24], int chartMenu)
{
    HMENU popup = LoadPopup(0);
    if (!popup)
        return nullptr;
    // Every flag counts, however many items the earlier ones took away.
    for (int k = 0; k < 24; ++k)
        if (hidden[k])
            RemoveCommand(popup, kHiddenCommands[k]);
    if (chartMenu == 0)
        for (UINT command : {UINT(ID_PAGE_INSERT), UINT(ID_PAGE_DELETE), UINT(ID_CELL_FORMAT)})
            RemoveCommand(popup, command);
    return popup;
}

HMENU BuildNoPageContextMenu()
{
    return LoadPopup(1);
}

void CNorvakCtrl::OnContextMenu(HWND window, CPoint screenPoint)
{
    HMENU popup = nullptr;
    if (!GetPage(-1)) {
        popup = BuildNoPageContextMenu();
    } else {
        if (window && (window == GetChildWindow(kIdHorzBar) || window == GetChildWindow(kIdVertBar)))
            return;
        if (m_bCellAreaActive != 1)
            InvalidateControl();
        m_bCellAreaActive = 1;
        if (!GetPage(-1)->m_bContextMenuVisible)
            return;
        popup = BuildCellContextMenu(m_contextMenuItemHidden, m_nChartMenuSwitch);
    }
    if (!popup)
        return;
    ModalUI::TrackPopupMenu(popup, 0, screenPoint.x, screenPoint.y, m_hWnd);
    ::DestroyMenu(popup);
}

INT_PTR CNorvakCtrl::OpenSheet(INT_PTR (ISheetFactory::*open)(CNorvakCtrl&))
{
    if (ISheetFactory* factory = m_pSheetFactory ? m_pSheetFactory : NorvakApp().m_pSheetFactory)
        return (factory->*open)(*this);
    return 0;
}

BOOL CNorvakCtrl::OnCommand(UINT id)
{
    switch (id) {
    case ID_EDIT_COPY_CELLS:
    case kEditCopy:
        OnEditCopy();
        return TRUE;
    case ID_EDIT_CUT_CELLS:
    case kEditCut:
        OnEditCut();
        return TRUE;
    case ID_EDIT_PASTE_CELLS:
    case kEditPaste:
        OnEditPaste();
        return TRUE;
    case kEditSelectAll:
        if (CanSelectAll())
            OnEditSelectAll();
        return TRUE;
    case ID_CELL_FORMAT:
        OpenSheet(&ISheetFactory::CellFormat);
        return TRUE;
    case ID_LEGEND_SETTINGS:
        OpenSheet(&ISheetFactory::Legend);
        return TRUE;
    case ID_CHART_SETTINGS:
        DoShowChartWindow();
        return TRUE;
    case ID_FILL_EFFECTS:
        OpenSheet(&ISheetFactory::FillEffects);
        return TRUE;
    default:
        return FALSE;
    }
}
