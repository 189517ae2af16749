#pragma once

// What a scenario needs to know of the windows on the desktop, whichever process owns them: the
// top-level window with a given title, the screen rectangle of one of its controls, the screen
// point of a cell in the active document window of CQuilm, and a listing of everything shown
// for a failure's report.

#include <windows.h>

#include <string>

namespace window_probe {

// The visible top-level window whose title is title or begins with it, or none.
HWND FindTopLevel(const std::wstring& title);
// Waits up to seconds for FindTopLevel to find one (present) or to find none (!present).
HWND WaitForTopLevel(const std::wstring& title, bool present, double seconds);
// The first descendant of parent with the control id, at any depth, or none.
HWND FindDescendant(HWND parent, int id);
// The control window (child 105 of the view) of CQuilm's active document window, or none.
HWND ActiveDocumentControl(HWND mainFrame);
// The screen point at the centre of a cell of that control, for the column widths and row
// heights a new page of the host has (header column 40, columns 70, rows 20).
POINT CellCentre(HWND control, int row, int col);
// The screen point at the centre of an item of the drop-down list that is open, or none.
bool OpenListItemCentre(int index, POINT& point);
// One line per visible top-level window (and per document window of an MDI frame), with class,
// title and screen rectangle, and the window that has the keyboard focus.
std::wstring Describe();

std::wstring RectText(HWND window);

} // namespace window_probe
