// Value labels of chart data points: the label outline written back for hit testing, the text
// placed at its fourth corner by chart type, pie labels turned to their slice, and no leaks.

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

TEST(PointLabel, HorizontalLabelOutlineFramesTheTextAroundTheAnchor)
{
    const CSize size = Measure("12");
    CChartLabelPoint item;
    item.chartType = 0;
    item.value = 5;
    RecordedPicture picture = Label(item, 0);
    std::vector<LONG> xs, ys;
    for (const POINT& corner : item.labelCorners) {
        xs.push_back(corner.x);
        ys.push_back(corner.y);
    }
    EXPECT_NEAR(*std::min_element(xs.begin(), xs.end()), 100 - size.cx / 2, 1);
    EXPECT_NEAR(*std::max_element(xs.begin(), xs.end()), 100 + size.cx / 2, 1);
    EXPECT_NEAR(*std::min_element(ys.begin(), ys.end()), 100 - size.cy / 2, 1);
    EXPECT_NEAR(*std::max_element(ys.begin(), ys.end()), 100 + size.cy / 2, 1);
    ASSERT_EQ(picture.texts.size(), 1u);
    EXPECT_EQ(picture.texts[0].align, UINT(TA_LEFT | TA_BOTTOM));
    EXPECT_EQ(picture.texts[0].colour, RGB(0, 0, 255));
    EXPECT_EQ(picture.texts[0].reference.x, item.labelCorners[3].x);
    EXPECT_EQ(picture.texts[0].reference.y, item.labelCorners[3].y - size.cy)
        << "a positive column label goes up";
}

TEST(PointLabel, TextShiftsByChartTypeAndSign)
{
    const CSize size = Measure("12");
    struct Case
    {
        int type, subType;
        double value;
        CSize shift;
    };
    const Case cases[] = {
        {0, 0, -1, {0, size.cy}},
        {2, 0, 3, {0, -size.cy}},
        {1, 0, 3, {size.cx / 2 + 8, 0}},
        {1, 0, -3, {-(size.cx / 2 + 8), 0}},
        {4, 1, 3, {0, -size.cy}},
        {4, 4, -3, {-(size.cx / 2 + 8), 0}},
        {7, 0, 3, {0, 0}},
    };
    for (const Case& c : cases) {
        CChartLabelPoint item;
        item.chartType = c.type;
        item.chartSubType = c.subType;
        item.value = c.value;
        RecordedPicture picture = Label(item, 0);
        ASSERT_EQ(picture.texts.size(), 1u);
        EXPECT_EQ(picture.texts[0].reference.x - item.labelCorners[3].x, c.shift.cx)
            << c.type << "/" << c.subType;
        EXPECT_EQ(picture.texts[0].reference.y - item.labelCorners[3].y, c.shift.cy)
            << c.type << "/" << c.subType;
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
