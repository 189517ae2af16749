#include "printing/BandPreviewLayout.h"

int CBandPreviewLayout::FirstLineWidth(const CRect& area, bool picture)
{
    return std::max(0, int(area.Width()) - (picture ? kPictureSide + kPictureGap : 0));
}

CBandPreviewLayout CBandPreviewLayout::Lay(const CRect& area, CSize firstLine, CSize rest, bool picture, int align,
                                           int rule)
{
    CBandPreviewLayout layout;
    const int pictureWidth = picture ? kPictureSide + kPictureGap : 0;
    const int lineWidth = std::min(int(firstLine.cx), FirstLineWidth(area, picture));
    const int blockWidth = pictureWidth + lineWidth;
    const int blockHeight = std::max(int(firstLine.cy), picture ? kPictureSide : 0);
    int blockLeft = area.left;
    if (align == Centre)
        blockLeft = area.left + (area.Width() - blockWidth) / 2;
    else if (align == Right)
        blockLeft = area.right - blockWidth;

    // The picture stands on the outer side of a right-aligned line, before the line otherwise.
    const int pictureLeft = align == Right ? blockLeft + lineWidth + kPictureGap : blockLeft;
    const int lineLeft = align == Right ? blockLeft : blockLeft + pictureWidth;
    if (picture)
        layout.picture = CRect(pictureLeft, area.top, pictureLeft + kPictureSide, area.top + kPictureSide);
    layout.firstLine = CRect(lineLeft, area.top, lineLeft + lineWidth, area.top + firstLine.cy);

    const int restWidth = std::min(int(rest.cx), int(area.Width()));
    int restLeft = area.left;
    if (align == Centre)
        restLeft = area.left + (area.Width() - restWidth) / 2;
    else if (align == Right)
        restLeft = area.right - restWidth;
    const int restTop = area.top + blockHeight;
    layout.rest = CRect(restLeft, restTop, restLeft + restWidth, restTop + rest.cy);

    if (rule == ShortRule || rule == LongRule) {
        layout.hasRule = true;
        layout.ruleY = restTop + rest.cy + kRuleGap;
        layout.ruleLeft = rule == LongRule ? int(area.left) : std::min(blockLeft, restLeft);
        layout.ruleRight = rule == LongRule ? int(area.right) : std::max(blockLeft + blockWidth, restLeft + restWidth);
    }
    return layout;
}
