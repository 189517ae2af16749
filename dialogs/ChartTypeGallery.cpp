#include "dialogs/ChartTypeGallery.h"

#include "resources/NorvakResource.h"

#include <windows.h>

namespace ChartTypeGallery {

const ChartTypeInfo& TypeInfo(int type)
{
    static const ChartTypeInfo types[kTypeCount] = {
        {"柱状图", IDB_CHART_GALLERY_COLUMN,
         {"簇状柱形图", "堆积柱形图", "百分比堆积柱形图", "三维簇状柱形图", "三维堆积柱形图",
          "三维百分比堆积柱形图", "三维柱形图"}},
        {"条形图", IDB_CHART_GALLERY_BAR,
         {"簇状条形图", "堆积条形图", "百分比堆积条形图", "三维簇状条形图", "三维堆积条形图",
          "三维百分比堆积条形图"}},
        {"折线图", IDB_CHART_GALLERY_LINE,
         {"折线图", "堆积折线图", "百分比堆积折线图", "数据点折线图", "堆积数据点折线图",
          "百分比堆积数据点折线图", "三维折线图"}},
        {"饼图", IDB_CHART_GALLERY_PIE,
         {"饼图", "三维饼图", "分离型饼图", "分离型三维饼图", "圆环图", "分离型圆环图", "三维圆环图",
          "分离型三维圆环图"}},
        {"圆柱图", IDB_CHART_GALLERY_CYLINDER,
         {"三维柱形圆柱图", "三维堆积柱形圆柱图", "三维百分比堆积柱形圆柱图", "三维条形圆柱图",
          "三维堆积条形圆柱图", "三维百分比堆积条形圆柱图"}},
    };
    return types[type >= 0 && type < kTypeCount ? type : 0];
}

CRect GalleryRect(const CRect& frame)
{
    return CRect(frame.left + 6, frame.top + 15, frame.right - 10, frame.bottom - 10);
}

CRect CellRect(const CRect& gallery, int index)
{
    const int a = gallery.Width() / 3;
    const int c = index % 3;
    const int r = index / 3;
    return CRect(gallery.left + c * a + 5, gallery.top + r * a + 5, gallery.left + (c + 1) * a,
                 gallery.top + (r + 1) * a);
}

std::optional<int> CellAt(const CRect& gallery, int cellCount, POINT point)
{
    for (int i = 0; i < cellCount; ++i)
        if (CellRect(gallery, i).PtInRect(point))
            return i;
    return std::nullopt;
}

std::optional<int> StepByKey(int current, int cellCount, unsigned key)
{
    switch (key) {
    case VK_LEFT:
    case VK_UP:
        if (current > 0)
            return current - 1;
        return std::nullopt;
    case VK_RIGHT:
    case VK_DOWN:
        if (current < cellCount - 1)
            return current + 1;
        return std::nullopt;
    default:
        return std::nullopt;
    }
}

} // namespace ChartTypeGallery
