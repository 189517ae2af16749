#pragma once

// The geometry of the page tabs, with no window: where each tab lies along the strip, the shape a
// click must hit, scrolling a tab into view and the icon a tab shows. The tab extents live in the
// page records (left, right, width, top, bottom, height); the strip lays them out with these
// functions before it paints, scrolls or hit-tests them.

#include "sheet/model/PageStore.h"

#include <windows.h>

#include <array>
#include <functional>
#include <optional>

namespace TabGeometry {

constexpr int kOverlap = 8;      // each tab starts this far left of the previous tab's right edge
constexpr int kIconRoom = 20;    // the room of a tab's icon
constexpr int kTextPadding = 30; // beside the title's width

// 20 when the tab shows an icon (its state is not -1 and its list holds one), else 0.
int IconAllowance(const CNorvakPage& page);
// The title's width in the page's tab font, measured as the strip draws it.
int MeasureTitle(HDC dc, const CNorvakPage& page);

// MeasureTitle for many tabs in one DC: a title measured before in the same font gives the width
// kept in its page, and a font is made only when a tab's font differs from the last one made.
class CTitleMeasure
{
public:
    explicit CTitleMeasure(HDC dc) : m_dc(dc) {}
    ~CTitleMeasure();
    CTitleMeasure(const CTitleMeasure&) = delete;
    CTitleMeasure& operator=(const CTitleMeasure&) = delete;

    int operator()(const CNorvakPage& page);

private:
    HDC m_dc;
    HFONT m_font = nullptr;
    HGDIOBJ m_previousFont = nullptr;
    LOGFONTA m_logFont{};
};

// Lays every tab out from the first tab's left edge: each next one starts kOverlap left of the
// previous right edge; a tab takes its natural width (title, icon, padding) unless it has a custom
// width and has been laid out before. titleWidth gives a page's title width.
void LayoutTabs(const CPageStore& pages, const std::function<int(const CNorvakPage&)>& titleWidth);

// The tab's body as drawn and hit: (L, T), (L+8, B), (R-8, B), (R, T) with the stored top and
// bottom. Rectangle tabs are hit by the same shape.
std::array<POINT, 4> Body(const CNorvakPage& page);
bool BodyContains(const CNorvakPage& page, POINT point);
// The tab's bounding rectangle, edges included: the hover test.
bool BoundsContain(const CNorvakPage& page, POINT point);

// The new left edge that brings a tab [left, right) into the strip [clientLeft, clientRight), or
// none when it is in view already.
std::optional<int> ScrollIntoViewLeft(int clientLeft, int clientRight, int left, int right);
// Moves one tab to rect and every other tab by as much; the tabs after it also by the change of its
// width. FALSE for a page that does not exist.
BOOL MoveTabs(const CPageStore& pages, int page, const RECT& rect);
// How far the tabs move right when the strip widens from lastWidth to width: they come back from
// the left, never past a first-tab left edge of 0.
int WideningShift(int width, int lastWidth, int firstLeft, int lastRight);
// Every tab moves by dx.
void ShiftTabs(const CPageStore& pages, int dx);

// The icon of a tab with count icons in icon state state; none without one.
struct CTabIcon
{
    int index;
    UINT style;    // ILD_TRANSPARENT or ILD_BLEND50
    bool blueText; // the title is drawn blue (the hot tab)
};
std::optional<CTabIcon> IconOf(int count, int state);

} // namespace TabGeometry
