// Dates in their 32 forms, continued a day per cell, and years with months in 16 forms.

#include "tests/support/SeriesFill.h"

namespace {

// Every example the date and year-month series are documented with, byte for byte.
TEST(DateSeries, Examples)
{
    ExpectSeriesTable({
        {"2003-12-30", Drag::Down, {"2003-12-31", "2004-01-01", "2004-01-02"}},
        {"2004-03-01", Drag::Up, {"2004-02-29", "2004-02-28"}},
        {"2003年2月28日", Drag::Down, {"2003年3月01日"}},
        {"2003年2月1日", Drag::Down, {"2003年2月2日"}},
        {"03年2月28日", Drag::Down, {"03年3月01日"}},
        {"00/02/28", Drag::Down, {"00/02/29"}},
        {"1999/12/31", Drag::Down, {"2000/01/01"}},
        {"99/12/31", Drag::Down, {"100/01/01"}},
        {"2003.1.9", Drag::Down, {"2003.1.10", "2003.1.11"}},
        {"2003/01/09", Drag::Down, {"2003/01/10"}},
        {"2003/02/30", Drag::Down, {"2003/03/01"}},
        {"2003/02/30", Drag::Up, {"2003/02/29", "2003/02/28"}},
        {"出生日期 2003-05-31 上午", Drag::Down, {"出生日期 2003-06-01 上午"}},
        {"2003/13/05", Drag::Down, {"2004/01/05", "2004/02/05"}},
        {"2003年12月", Drag::Down, {"2004年01月", "2004年02月"}},
        {"03.9", Drag::Down, {"03.10", "03.11", "03.12", "04.1"}},
        {"12.5", Drag::Down, {"12.6", "12.7", "12.8", "12.9", "12.10", "12.11", "12.12", "13.1"}},
    });
}

TEST(DateSeries, BeyondTheExamples)
{
    ExpectSeriesTable({
        {"2003-12-31", Drag::Right, {"2004-01-01"}},
        {"2004-01-01", Drag::Left, {"2003-12-31", "2003-12-30"}},
        {"2003年1月", Drag::Up, {"2002年12月"}},
        {"03年12月09日", Drag::Down, {"03年12月10日"}},
        // Past year 0 the year keeps its sign before its digits.
        {"00/01/01", Drag::Up, {"-01/12/31", "-01/12/30"}},
        {"00年1月", Drag::Up, {"-01年12月"}},
    });
}

TEST(DateSeries, MonthLengths)
{
    struct Case
    {
        long year;
        int month;
        int days;
    } cases[] = {
        {2004, 2, 29}, {2003, 2, 28}, {1900, 2, 28}, {2000, 2, 29},  {0, 2, 29},    {3, 2, 28},
        {4, 2, 29},    {-4, 2, 28},   {2003, 4, 30}, {2003, 12, 31}, {2003, 0, -1}, {2003, 13, -1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CFillSeries::DaysInMonth(c.year, c.month), c.days) << c.year << "/" << c.month;
}

} // namespace
