// Weekdays, months and hours, with their wrap-around, and the weekday that follows a date.

#include "tests/support/SeriesFill.h"

namespace {

// Every example the weekday, month and hour series are documented with, byte for byte.
TEST(CalendarSeries, Examples)
{
    ExpectSeriesTable({
        {"星期五", Drag::Down, {"星期六", "星期日", "星期一", "星期二"}},
        {"星期五", Drag::Up, {"星期四", "星期三", "星期二", "星期一", "星期日"}},
        {"星期7", Drag::Down, {"星期1", "星期2"}},
        {"星期天", Drag::Down, {"星期一", "星期二", "星期三", "星期四", "星期五", "星期六", "星期天"}},
        {"下星期一上课", Drag::Down, {"下星期二上课", "下星期三上课"}},
        {"星期三或星期一", Drag::Down, {"星期三或星期二"}},
        {"星期一或星期三", Drag::Down, {"星期二或星期三"}},
        {"12月", Drag::Down, {"01月", "02月"}},
        {"01月", Drag::Up, {"12月", "11月"}},
        {"09月", Drag::Down, {"10月", "11月"}},
        {"9月", Drag::Down, {"10月", "11月", "12月", "1月"}},
        {"15月", Drag::Down, {"01月"}},
        {"15月", Drag::Up, {"14月", "13月", "12月", "11月"}},
        {"23点", Drag::Down, {"00点", "01点"}},
        {"0点", Drag::Up, {"23点", "22点"}},
        {"9点", Drag::Down, {"10点", "11点"}},
        {"2003年1月1日星期三", Drag::Down, {"2003年1月2日星期四", "2003年1月3日星期五"}},
        {"2003年1月1日星期3", Drag::Down, {"2003年1月2日星期4"}},
    });
}

TEST(CalendarSeries, BeyondTheExamples)
{
    ExpectSeriesTable({
        {"星期1", Drag::Left, {"星期7", "星期6"}},
        {"星期日", Drag::Right, {"星期一"}},
        {"上午8点到9点", Drag::Down, {"上午8点到10点"}},
        // After a hit the search for a later month moves on by the mask's length, for a later hour
        // by two bytes more.
        {"10月11月", Drag::Down, {"10月12月"}},
        {"10点11点", Drag::Down, {"11点11点"}},
        {"2003-01-06 星期一", Drag::Up, {"2003-01-05 星期日", "2003-01-04 星期六"}},
    });
}

// The weekday after a date is found as the weekday word itself, not at the first "星期" of the
// cell: taken there it would splice the new word into "星期安排" and cut the text apart.
TEST(CalendarSeries, WeekdayAfterADateIsFoundAsAWord)
{
    ExpectSeriesTable({
        {"星期安排 2003-01-01 星期三",
         Drag::Down,
         {"星期安排 2003-01-02 星期四", "星期安排 2003-01-03 星期五"}},
        {"星期 2003/12/31 星期三", Drag::Down, {"星期 2004/01/01 星期四"}},
    });
}

} // namespace
