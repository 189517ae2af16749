#include "host/model/PickerLayout.h"

#include "host/model/BorderPlan.h"

#include <algorithm>

namespace {
bool Inside(const CRect& rect, POINT point)
{
    return ::PtInRect(&rect, point) != FALSE;
}
} // namespace

CRect PickerItemRect(PickerMode mode, int item, const CRect& client)
{
    if (mode == PickerMode::Borders) {
        if (item < 0 || item >= kBorderSlots)
            return CRect();
        const int left = client.left + 10 + (item % 4) * 24;
        const int top = client.top + 10 + (item / 4) * 24;
        return CRect(left, top, left + 16, top + 16);
    }
    if (item == kPickerTopButton)
        return CRect(client.left + 10, client.top + 10, client.right - 10, client.top + 30);
    if (item == kPickerBottomButton)
        return CRect(client.left + 10, client.bottom - 30, client.right - 10, client.bottom - 10);
    if (item < 0 || item > 15)
        return CRect();
    const int left = client.left + 10 + (item % 4) * 20;
    const int top = client.top + 34 + (item / 4) * 20;
    return CRect(left, top, left + 16, top + 16);
}

int PickerItemAt(PickerMode mode, POINT point, const CRect& client)
{
    if (mode == PickerMode::Borders) {
        for (int item = 0; item < kBorderPictureCount; ++item)
            if (Inside(PickerItemRect(mode, item, client), point))
                return item;
        return kPickerNoItem;
    }
    // The buttons first.
    for (int item : {kPickerTopButton, kPickerBottomButton})
        if (Inside(PickerItemRect(mode, item, client), point))
            return item;
    for (int item = 0; item < 16; ++item)
        if (Inside(PickerItemRect(mode, item, client), point))
            return item;
    return kPickerNoItem;
}

int BorderLineWidth(int widthSelection)
{
    // The first width is one unit, as the box shows it; the others twice their index.
    return widthSelection <= 0 ? 1 : 2 * widthSelection;
}

int BorderLineStyle(int styleSelection)
{
    return styleSelection < 0 ? 1 : styleSelection;
}

LineItemParts LineItemLayout(const CRect& item, int textWidth)
{
    constexpr int kMargin = 4; // before the line, and between it and the name
    constexpr int kTextMargin = 2;
    const int middle = item.left + item.Width() / 2;
    const int textLeft = std::max<int>(item.left + kTextMargin,
                                       std::min<int>(middle + kMargin, item.right - kTextMargin - textWidth));
    const int lineLeft = item.left + kMargin;
    const int lineRight = std::max(lineLeft, std::min(middle, textLeft - kMargin));
    return {lineLeft, lineRight, CRect(textLeft, item.top, item.right, item.bottom)};
}
