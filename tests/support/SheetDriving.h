#pragma once

// Steps for driving a property sheet and its pages with posted messages, as a user's clicks and
// choices end: the page on show, a click in the middle of a page's control (for controls that
// the page paints and hit-tests itself), a choice in a combo box, and the texts of the tabs.

#include "framework/Geometry.h"

#include <windows.h>

#include <string>
#include <vector>

HWND CurrentPage(HWND sheet);
// The rectangle of a page's control in the page's client coordinates.
CRect ControlRect(HWND page, int id);
// Posts a left-button press and release to the page at the middle of its control.
void ClickPageAt(HWND page, POINT point);
void ClickPageControl(HWND page, int id);
// Selects a combo box item and posts the CBN_SELCHANGE the dialog would get.
void ChooseComboItem(HWND dialog, int id, int index);
std::vector<std::wstring> TabTexts(HWND sheet);
std::wstring WindowText(HWND window);
