#pragma once

// A flat tool bar of the system's kind, docked along a side of its frame: its buttons are given as
// command ids (0 a separator) with one bitmap of 16 x 15 images, one per button in order. A
// separator can be widened to hold a control (a combo box) made as the tool bar's child.
//
// Bar styles (CBRS_*) are given with the window style to CreateEx and kept apart from it: the side
// the bar starts on, a gripper to drag it by to another side, tooltips with the short tip of each
// button's command and fly-by prompts in the frame's status bar (see CommandText.h). Docked on the
// left or the right its buttons stand in a column and its controls are hidden.
//
// Ownership: as CWnd; the frame that docks it holds a pointer only.

#include "framework/DockLayout.h"
#include "framework/Geometry.h"
#include "framework/ImageList.h"
#include "framework/Wnd.h"

#include <commctrl.h>

#include <span>
#include <vector>

inline constexpr DWORD CBRS_ALIGN_LEFT = 0x0001;
inline constexpr DWORD CBRS_ALIGN_TOP = 0x0002;
inline constexpr DWORD CBRS_ALIGN_RIGHT = 0x0004;
inline constexpr DWORD CBRS_ALIGN_BOTTOM = 0x0008;
inline constexpr DWORD CBRS_ALIGN_ANY = 0x000F;
inline constexpr DWORD CBRS_TOP = CBRS_ALIGN_TOP;
inline constexpr DWORD CBRS_BOTTOM = CBRS_ALIGN_BOTTOM;
inline constexpr DWORD CBRS_LEFT = CBRS_ALIGN_LEFT;
inline constexpr DWORD CBRS_RIGHT = CBRS_ALIGN_RIGHT;
inline constexpr DWORD CBRS_TOOLTIPS = 0x0010;
inline constexpr DWORD CBRS_FLYBY = 0x0020;
inline constexpr DWORD CBRS_GRIPPER = 0x0040;
inline constexpr DWORD CBRS_SIZE_DYNAMIC = 0x0080;

// The CBRS_ALIGN_ flag of a side.
DWORD AlignOfDockSide(DockSide side);

class CToolBar;

// A frame that docks tool bars: asked by a bar dragged by its gripper.
class CDockSite
{
public:
    // The screen rectangle the bar would take dropped at point (screen coordinates).
    virtual CRect DockFeedback(const CToolBar& bar, POINT point) const = 0;
    // Docks the bar where it was dropped; a point that docks nowhere leaves it where it is.
    virtual void DockAt(CToolBar& bar, POINT point) = 0;

protected:
    ~CDockSite() = default;
};

class CToolBar : public CWnd
{
public:
    static constexpr int kGripperSize = 8;

    // ctrlStyle: the system tool bar's styles (TBSTYLE_FLAT); style: the window and bar styles.
    bool CreateEx(HWND parent, DWORD ctrlStyle, DWORD style, UINT id);
    DWORD GetBarStyle() const { return m_barStyle; }
    // The sides (CBRS_ALIGN_) the bar may be docked on.
    void EnableDocking(DWORD sides) { m_dockSides = sides & CBRS_ALIGN_ANY; }
    bool CanDockOn(DockSide side) const { return (m_dockSides & AlignOfDockSide(side)) != 0; }

    // Sets the buttons; images come from bitmap resource bitmapId of the program, 16 pixels wide,
    // light grey where transparent.
    bool SetButtons(std::span<const UINT> ids, UINT bitmapId);
    // Turns button index into a separator of width pixels (for a control) and answers its rectangle.
    CRect MakePlaceholder(int index, int width);
    // Changes the id, style and image of button index.
    void SetButtonInfo(int index, UINT id, BYTE style, int image);
    CRect GetItemRect(int index) const;
    int CommandToIndex(UINT id) const;

    // Lays the buttons in a column (docked on the left or right) or in a row.
    void SetVertical(bool vertical);
    bool IsVertical() const { return m_vertical; }
    // The thickness of the band the bar needs, upright or across.
    int DockedThickness(bool vertical) const;

protected:
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    struct Placeholder
    {
        int index;
        int width;
    };

    int ButtonCount() const;
    // Sets or clears state bits of the item at index.
    void ChangeItemState(int index, BYTE set, BYTE clear) const;
    void SetSeparatorWidth(int index, int width) const;
    // The gripper's strip, in window coordinates.
    CRect GripperRect() const;
    void DrawGripper() const;
    void AnswerTip(NMTTDISPINFOW& info);
    void ShowFlyBy(UINT command);
    // Follows the mouse from a press on the gripper until the button is released, then asks the
    // frame to dock the bar there; Esc, the right button or a lost capture cancel it.
    void TrackDrag(POINT start);

    CImageList m_images;
    DWORD m_barStyle = 0;
    DWORD m_dockSides = 0;
    bool m_vertical = false;
    std::vector<Placeholder> m_placeholders;
    std::vector<int> m_hiddenInColumn; // items hidden while the buttons stand in a column
    UINT m_flyByCommand = 0;
    std::wstring m_tip; // the text of the tooltip shown
};
