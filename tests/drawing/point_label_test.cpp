// Value labels of chart data points: the box of the drawn text written back for hit testing, with
// the text drawn from its fourth corner and moved with it by chart type, pie labels turned to their
// slice, and no leaks.

#include "drawing/CTextPainter.h"
#include "tests/support/DrawingCanvas.h"
#include "tests/support/GuiResources.h"
#include "tests/support/EmfRecorder.h"

#include <algorithm>
#include <cmath>

namespace {

LOGFONTA Font(int escapement)
{
    LOGFONTA font{};
    font.lfHeight = -12;
    font.lfEscapement = escapement;
    font.lfCharSet = GB2312_CHARSET;
    strcpy(font.lfFaceName, "宋体");
    return font;
}

CSize Measure(const char* text)
{
    CDC dc;
    HDC screen = ::GetDC(nullptr);
    dc.CreateCompatibleDC(screen);
    ::ReleaseDC(nullptr, screen);
    CFont font;
    LOGFONTA lf = Font(0);
    font.CreateFontIndirect(&lf);
    CSelectObject select(dc, font);
    return dc.GetTextExtent(text);
}

RecordedPicture Label(CChartLabelPoint& item, int escapement, const char* text = "12")
{
    return RecordTexts([&](CDC* dc) {
        CTextPainter().DrawPointLabel(dc, item, 100, 100, text, Font(escapement), RGB(0, 0, 255), 0, 1);
    });
}

} // namespace

TEST(PointLabel, BoxRunsRoundTheTextFromTheEndOfItsFoot)
{
    // Corner 3 is the foot of the text's start, where it is drawn from; 0 the foot of its end, 2
    // its top at the start: the box is the text's cell, W along the text and H up it, whatever
    // order a widened path would give.
    for (const char* text : {"12", "123"})
        for (const int escapement : {0, 450, 2701, 3300}) {
            SCOPED_TRACE(testing::Message() << text << " at " << escapement);
            const CSize size = Measure(text);
            CChartLabelPoint item;
            item.placement = 0; // no move by chart type
            RecordedPicture picture = Label(item, escapement, text);
            const double a = escapement * 3.1415926535 / 1800;
            const POINT* c = item.labelCorners;
            EXPECT_EQ(
                CPoint(c[0].x - c[3].x, c[0].y - c[3].y),
                CPoint(LONG(std::lround(size.cx * std::cos(a))), LONG(-std::lround(size.cx * std::sin(a)))));
            EXPECT_EQ(
                CPoint(c[2].x - c[3].x, c[2].y - c[3].y),
                CPoint(LONG(-std::lround(size.cy * std::sin(a))), LONG(-std::lround(size.cy * std::cos(a)))));
            EXPECT_EQ(CPoint(c[1].x - c[0].x, c[1].y - c[0].y), CPoint(c[2].x - c[3].x, c[2].y - c[3].y));
            // Centred on the anchor, but for the halves of W and H each truncated on both axes.
            EXPECT_NEAR((c[0].x + c[1].x + c[2].x + c[3].x) / 4.0, 100, 2);
            EXPECT_NEAR((c[0].y + c[1].y + c[2].y + c[3].y) / 4.0, 100, 2);
            ASSERT_EQ(picture.texts.size(), 1u);
            EXPECT_EQ(picture.texts[0].align, UINT(TA_LEFT | TA_BOTTOM));
            EXPECT_EQ(CPoint(picture.texts[0].reference), CPoint(c[3]));
        }
}

TEST(PointLabel, BoxMovesWithTheTextByChartTypeAndSign)
{
    const CSize size = Measure("12");
    CChartLabelPoint still;
    still.placement = 0;
    Label(still, 0);
    struct Case
    {
        int type, subType;
        double value;
        CSize shift;
    };
    const Case cases[] = {
        {0, 0, 5, {0, -size.cy}},
        {0, 0, -1, {0, size.cy}},
        {2, 0, 3, {0, -size.cy}},
        {1, 0, 3, {size.cx / 2 + 8, 0}},
        {1, 0, -3, {-(size.cx / 2 + 8), 0}},
        {4, 1, 3, {0, -size.cy}},
        {4, 4, -3, {-(size.cx / 2 + 8), 0}},
        {7, 0, 3, {0, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.type << "/" << c.subType << " value " << c.value);
        CChartLabelPoint item;
        item.chartType = c.type;
        item.chartSubType = c.subType;
        item.value = c.value;
        RecordedPicture picture = Label(item, 0);
        for (int k = 0; k < 4; ++k)
            EXPECT_EQ(CPoint(item.labelCorners[k]),
                      CPoint(still.labelCorners[k].x + c.shift.cx, still.labelCorners[k].y + c.shift.cy))
                << "corner " << k;
        ASSERT_EQ(picture.texts.size(), 1u);
        EXPECT_EQ(CPoint(picture.texts[0].reference), CPoint(item.labelCorners[3]));
    }
}

TEST(PointLabel, InkFillsTheRecordedBoxExactly)
{
    // An opaque label paints its whole cell: every pixel of the box, and none beside it, for odd and
    // even widths, moved or not.
    for (const char* text : {"7", "12", "-4.5"})
        for (const int type : {0, 1, 3}) {
            SCOPED_TRACE(testing::Message() << text << " type " << type);
            DrawingCanvas canvas(200, 200);
            CChartLabelPoint item;
            item.chartType = type;
            item.value = 2;
            item.sliceRect = {60, 60, 140, 140};
            item.labelAngle = 0;
            item.leaderFlag = 0;
            CTextPainter().DrawPointLabel(canvas.dc(), item, 100, 100, text, Font(0), RGB(0, 0, 0),
                                          RGB(255, 255, 0), 0);
            const POINT* c = item.labelCorners;
            const CRect box(c[2].x, c[2].y, c[0].x, c[0].y);
            const CSize size = Measure(text);
            EXPECT_EQ(box.Size(), size);
            EXPECT_EQ(canvas.InkIn(box), size.cx * size.cy);
            EXPECT_EQ(canvas.InkIn(CRect(0, 0, 200, 200)), size.cx * size.cy);
        }
}

TEST(PointLabel, UpsideDownEscapementsAreTurnedHalfACircle)
{
    for (auto [asked, drawn] : {std::pair{900, 2700}, {2700, 4500}, {2701, 2701}, {450, 450}}) {
        CChartLabelPoint item;
        RecordedPicture picture = Label(item, asked);
        ASSERT_EQ(picture.texts.size(), 1u);
        EXPECT_EQ(picture.texts[0].escapement, drawn) << asked;
    }
}

TEST(PointLabel, PieLabelsFollowTheirSlice)
{
    CChartLabelPoint item;
    item.chartType = 3;
    item.sliceRect = {0, 0, 200, 200};
    item.labelAngle = 450;
    item.placement = 0;
    RecordedPicture inside = Label(item, 0);
    ASSERT_EQ(inside.texts.size(), 1u);
    EXPECT_EQ(inside.texts[0].escapement, 450) << "the label takes the slice's direction";

    item.placement = 1;
    RecordedPicture outside = Label(item, 0);
    ASSERT_EQ(outside.texts.size(), 1u);
    EXPECT_EQ(outside.texts[0].escapement, 0);
    // Outside on the right half: anchor x = edge x + W / 2 + leader dx + 10.
    const CSize size = Measure("12");
    const int edgeX = 100 + int(std::cos(450 * 3.1415926535 / 1800) * 100);
    const int dx = int(20 * std::cos(450 * 3.1415926535 / 1800));
    const LONG left = std::min(
        {item.labelCorners[0].x, item.labelCorners[1].x, item.labelCorners[2].x, item.labelCorners[3].x});
    EXPECT_NEAR(left, edgeX + size.cx / 2 + dx + 10 - size.cx / 2, 1);

    item.placement = 2;
    EXPECT_TRUE(Label(item, 0).texts.empty()) << "other placements draw no pie text";
}

TEST(PointLabel, PolygonLabelNeedsTheCellTextAndCentresOnTheBox)
{
    CChartLabelPoint item;
    const POINT points[] = {{10, 20}, {50, 20}, {50, 80}};
    RecordedPicture none = RecordTexts(
        [&](CDC* dc) { CTextPainter().DrawPolygonLabel(dc, item, points, 3, "7", Font(0), 0, 0, 1); });
    EXPECT_TRUE(none.texts.empty());
    item.hasText = true;
    item.chartType = 7; // no shift
    RecordTexts(
        [&](CDC* dc) { CTextPainter().DrawPolygonLabel(dc, item, points, 3, "7", Font(0), 0, 0, 1); });
    const LONG sumX =
        item.labelCorners[0].x + item.labelCorners[1].x + item.labelCorners[2].x + item.labelCorners[3].x;
    const LONG sumY =
        item.labelCorners[0].y + item.labelCorners[1].y + item.labelCorners[2].y + item.labelCorners[3].y;
    EXPECT_NEAR(sumX / 4, 30, 1);
    EXPECT_NEAR(sumY / 4, 50, 1);
}

TEST(PointLabel, ThousandLabelsLeakNothingAndRestoreTheDc)
{
    DrawingCanvas canvas(200, 200);
    CDC* dc = canvas.dc();
    HGDIOBJ font = dc->GetCurrentObject(OBJ_FONT), pen = dc->GetCurrentObject(OBJ_PEN);
    const DWORD before = GdiObjectCount();
    for (int i = 0; i < 1000; ++i) {
        CChartLabelPoint item;
        item.chartType = i % 5;
        item.sliceRect = {20, 20, 180, 180};
        item.labelAngle = (i * 37) % 3600;
        item.placement = BYTE(i % 2);
        item.labelSelected = i % 3 == 0;
        CTextPainter().DrawPointLabel(dc, item, 100, 100, "12.5", Font((i % 8) * 450), 0, RGB(255, 255, 0),
                                      i % 2);
    }
    EXPECT_EQ(GdiObjectCount(), before);
    EXPECT_EQ(dc->GetCurrentObject(OBJ_FONT), font);
    EXPECT_EQ(dc->GetCurrentObject(OBJ_PEN), pen);
    EXPECT_EQ(dc->GetTextAlign(), UINT(TA_LEFT | TA_TOP));
}
