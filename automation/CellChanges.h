#pragma once

// Changes to one cell that the cell object and the range object make alike.

#include "framework/CString.h"
#include "sheet/model/NorvakCell.h"
#include "sheet/model/PageStore.h"

#include <memory>

class CNorvakCtrl;

namespace CellChanges {

// The page an object is bound to: a negative index becomes the active page (stored back); a page
// that is not there is told through the message box "页索引无效!" and gives a false PageRef.
PageRef BoundPage(CNorvakCtrl& control, int& page);

// The cell lies in the page's body: the objects never read or change a fixed (header) cell.
bool IsBodyCell(const CNorvakPage& page, int row, int col);

// A cell shows at most one of bitmap, icon and picture file: a non-null icon or bitmap drops the
// other two. The handles stay the caller's.
void SetIcon(CNorvakCell& cell, HICON icon);
void SetBitmap(CNorvakCell& cell, HBITMAP bitmap);
// Drops icon and bitmap; an empty name drops the picture too. False when the file does not load.
bool SetImageFromFile(CNorvakCell& cell, const CString& file);
// A picture of its own for one cell, loaded from the file; none when it does not load.
std::unique_ptr<CPictureObject> LoadPicture(const CString& file);
// The cell shows the picture instead of its icon, bitmap or earlier picture. Cannot fail once the
// cell's rare fields are reserved.
void ShowPicture(CNorvakCell& cell, std::unique_ptr<CPictureObject> picture);
// The state bit chosen by 1..6 (1, 2, 4, 8, 16, 32); 0 for any other value.
WORD StateBit(short nState);

} // namespace CellChanges
