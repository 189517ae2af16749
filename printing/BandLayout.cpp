#include "printing/BandLayout.h"

#include "framework/CGdiObject.h"

namespace {

CSize MeasureText(CDC& dc, const CString& text, int width)
{
    if (text.IsEmpty() || width <= 0)
        return CSize();
    CRect rect(0, 0, width, 0);
    dc.DrawText(text, &rect, CBandLayout::kTextFormat | DT_CALCRECT);
    return rect.Size();
}

UINT AlignFlag(int align)
{
    return align == CBandLayout::Centre ? DT_CENTER : align == CBandLayout::Right ? DT_RIGHT : DT_LEFT;
}

} // namespace

CBandText CBandText::Split(const CString& text)
{
    const int cr = text.Find('\r');
    if (cr < 0)
        return {text, CString()};
    const int next = cr + 1 < text.GetLength() && text[cr + 1] == '\n' ? cr + 2 : cr + 1;
    return {text.Left(cr), text.Mid(next)};
}

int CBandLayout::FirstLineWidth(const CRect& area, bool picture)
{
    return std::max(0, int(area.Width()) - (picture ? kPictureSide + kPictureGap : 0));
}

CBandLayout CBandLayout::Measure(CDC& dc, const CRect& area, const CBandText& text, bool picture, int align,
                                 int rule)
{
    const CSize first = MeasureText(dc, text.first, FirstLineWidth(area, picture));
    const CSize rest = MeasureText(dc, text.rest, area.Width());
    return Lay(area, first, rest, picture, align, rule);
}

CBandLayout CBandLayout::Lay(const CRect& area, CSize firstLine, CSize rest, bool picture, int align, int rule)
{
    CBandLayout layout;
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

void CBandLayout::Offset(int dy)
{
    picture.OffsetRect(0, dy);
    firstLine.OffsetRect(0, dy);
    rest.OffsetRect(0, dy);
    ruleY += dy;
}

void CBandLayout::DrawText(CDC& dc, const CBandText& text, int align) const
{
    CRect first = firstLine;
    CRect after = rest;
    if (!text.first.IsEmpty())
        dc.DrawText(text.first, &first, kTextFormat | AlignFlag(align));
    if (!text.rest.IsEmpty())
        dc.DrawText(text.rest, &after, kTextFormat | AlignFlag(align));
}

void DrawBandPicture(CDC& dc, HBITMAP bitmap, HICON icon, const CRect& at)
{
    if (bitmap) {
        BITMAP info{};
        CDC source;
        if (!::GetObjectW(bitmap, sizeof(info), &info) || !source.CreateCompatibleDC(&dc))
            return;
        CSelectObject select(source, bitmap);
        const int oldMode = dc.SetStretchBltMode(COLORONCOLOR);
        dc.StretchBlt(at.left, at.top, at.Width(), at.Height(), source, 0, 0, info.bmWidth, info.bmHeight, SRCCOPY);
        dc.SetStretchBltMode(oldMode);
    } else if (icon) {
        ::DrawIconEx(dc, at.left, at.top, icon, at.Width(), at.Height(), 0, nullptr, DI_NORMAL);
    }
}
