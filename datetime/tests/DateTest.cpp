// Calendar dates: sweeps against independently computed calendars, and the edge cases.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "Date.h"

namespace
{
const LONG kJdnOffset = 1997700839;

struct YearRow
{
    char calendar;
    long year;
    long jdnJan1;
    int weekdayJan1;
    int lengths[12];
};

std::vector<YearRow> LoadVectors()
{
    std::vector<YearRow> rows;
    std::ifstream in(VELMORA_CALENDAR_VECTORS);
    std::string line;
    while (std::getline(in, line))
    {
        std::istringstream fields(line);
        YearRow r;
        fields >> r.calendar >> r.year >> r.jdnJan1 >> r.weekdayJan1;
        for (int& len : r.lengths)
            fields >> len;
        if (fields)
            rows.push_back(r);
    }
    return rows;
}

// Every day of years -4800..9999 in both calendars: from parts to day number, back through the
// split, through the Julian-day epoch, and the weekday and day of year on the way.
TEST(DateSweep, EveryDayAgreesWithIndependentCalendars)
{
    std::vector<YearRow> rows = LoadVectors();
    ASSERT_EQ(rows.size(), 2u * 14800u) << "vectors missing: " << VELMORA_CALENDAR_VECTORS;
    long days = 0, failures = 0;
    for (const YearRow& r : rows)
    {
        int calendar = r.calendar == 'G' ? CAL_GREGORIAN : CAL_JULIAN;
        ASSERT_EQ(CDate::IsLeapYear(r.year, calendar), r.lengths[1] == 29) << r.calendar << r.year;
        long jdn = r.jdnJan1;
        int weekday = r.weekdayJan1;
        int dayOfYear = 1;
        for (int m = 1; m <= 12; m++)
        {
            for (int d = 1; d <= r.lengths[m - 1]; d++, jdn++, dayOfYear++, weekday = weekday % 7 + 1, days++)
            {
                CDate date(r.year, (WORD)m, (WORD)d, calendar);
                if (r.year == 1582 && m == 10 && d > 4 && d < 15)
                {
                    // The ten days the reform removed are refused in every calendar.
                    EXPECT_FALSE(date.IsValid()) << r.calendar << " 1582-10-" << d;
                    continue;
                }
                CDate counted(jdn, EPOCH_JULIAN_DAY, calendar);
                bool ok = date.IsValid() && date.GetJulianDayNumber() == jdn &&
                          date.GetDayNumber() == (LONG)(jdn + kJdnOffset) && date.GetCalendar() == calendar &&
                          counted.GetYear() == r.year && counted.GetMonth() == m && counted.GetDay() == d &&
                          counted.GetDayOfWeek() == weekday && counted.GetDayOfYear() == dayOfYear;
                // The split's own day of year must agree with the difference to 1 January.
                CDate::Parts parts;
                counted.Split(parts);
                ok = ok && parts.dayOfYear == dayOfYear;
                if (!ok && ++failures <= 10)
                    ADD_FAILURE() << r.calendar << " " << r.year << "-" << m << "-" << d << " jdn " << jdn
                                  << " got day number " << date.GetDayNumber() << " split "
                                  << counted.GetYear() << "-" << counted.GetMonth() << "-"
                                  << counted.GetDay();
            }
        }
        // The day after the last of a month is refused.
        EXPECT_FALSE(CDate(r.year, 2, (WORD)(r.lengths[1] + 1), calendar).IsValid());
    }
    EXPECT_EQ(failures, 0);
    EXPECT_GT(days, 10000000);
}

// Calendar 2 follows the Julian rows before the reform and the Gregorian rows from it on.
TEST(DateSweep, ReformCalendarSwitchesAtTheReform)
{
    std::vector<YearRow> rows = LoadVectors();
    for (long year = 1500; year <= 1700; year++)
    {
        const YearRow* g = nullptr;
        const YearRow* j = nullptr;
        for (const YearRow& r : rows)
            if (r.year == year)
                (r.calendar == 'G' ? g : j) = &r;
        ASSERT_TRUE(g && j);
        for (int m = 1; m <= 12; m++)
        {
            const YearRow* row = (year > 1582 || (year == 1582 && m > 10)) ? g : j;
            long jdn = row->jdnJan1;
            for (int k = 1; k < m; k++)
                jdn += row->lengths[k - 1];
            if (year == 1582 && m == 10)
                continue;
            CDate date(year, (WORD)m, 1, CAL_REFORM);
            EXPECT_EQ(date.GetJulianDayNumber(), jdn) << year << "-" << m;
            EXPECT_EQ(date.IsGregorian(), row == g);
        }
    }
}

TEST(Date, ReformEdges)
{
    struct Case
    {
        LONG year;
        WORD month, day;
        int calendar;
        LONG dayNumber; // 0x80000000 for refused
        int flag;
    } cases[] = {
        {1582, 10, 15, 1, 2000000000, 1},
        {1582, 10, 15, 2, 2000000000, 1},
        {1582, 10, 4, 0, 1999999999, 0},
        {1582, 10, 4, 2, 1999999999, 0},
        {1582, 10, 5, 0, (LONG)0x80000000, 0},
        {1582, 10, 10, 0, (LONG)0x80000000, 0},
        {1582, 10, 10, 1, (LONG)0x80000000, 0},
        {1582, 10, 10, 2, (LONG)0x80000000, 0},
        {1582, 10, 14, 2, (LONG)0x80000000, 0},
        {2000, 2, 29, 1, 2000152384 + 59, 1},
        {2000, 2, 30, 1, (LONG)0x80000000, 0},
        {2000, 13, 1, 1, (LONG)0x80000000, 0},
        {2000, 0, 1, 1, (LONG)0x80000000, 0},
        {2000, 3, 0, 1, (LONG)0x80000000, 0}, // day 0 is refused, not the last of February
        {2000, 1, 1, 3, (LONG)0x80000000, 0},
        {2000, 1, 1, -1, (LONG)0x80000000, 0},
        {6000000, 1, 1, 1, (LONG)0x80000000, 0}, // beyond the 32-bit day scale
        // Far back the scale has a hole below day number 0 (a day count refuses it as well).
        {-5474119, 3, 9, 0, 0, 0},
        {-5474119, 3, 8, 0, (LONG)0x80000000, 0},
        {-5879489, 3, 18, 0, (LONG)0x80000000, 0},
        {-5879489, 3, 17, 0, (LONG)0xF72CC337, 0},
        {-11353609, 5, 24, 0, -2147483647, 0},
        {-11353609, 5, 23, 0, (LONG)0x80000000, 0},
    };
    for (const Case& c : cases)
    {
        CDate d(c.year, c.month, c.day, c.calendar);
        EXPECT_EQ(d.GetDayNumber(), c.dayNumber)
            << c.year << "-" << c.month << "-" << c.day << " cal " << c.calendar;
        EXPECT_EQ(d.GetCalendar(), c.flag) << c.year << "-" << c.month << "-" << c.day;
    }
    EXPECT_EQ(CDate(1582, 10, 15, 1).GetDayOfWeek(), 6); // Friday
    EXPECT_EQ(CDate(1582, 10, 15, 1).GetDaysSinceReform(), 0);
    EXPECT_EQ(CDate().GetJulianDayNumber(), 0);
}

TEST(Date, LeapYears)
{
    struct Case
    {
        LONG year;
        int calendar;
        BOOL leap;
    } cases[] = {
        // Both plain calendars are swept against the vectors; the reform rule and bad values here.
        {1500, 2, TRUE}, {1700, 2, FALSE}, {1582, 2, FALSE},
        {1600, 2, TRUE}, {2000, 2, TRUE},  {2004, 5, FALSE},
    };
    for (const Case& c : cases)
    {
        EXPECT_EQ(CDate::IsLeapYear(c.year, c.calendar), c.leap) << c.year << " cal " << c.calendar;
        EXPECT_EQ(CDate::DaysInYear(c.year, c.calendar), c.leap ? 366 : 365);
    }
    EXPECT_EQ(CDate::DaysInMonth(0, FALSE), 0);
    EXPECT_EQ(CDate::DaysInMonth(13, FALSE), 0);
    EXPECT_EQ(CDate::DaysInMonth(2, TRUE), 29);
}

TEST(Date, EpochsAndDayCounts)
{
    struct Case
    {
        LONG count;
        int epoch, calendar;
        LONG year;
        WORD month, day;
        int flag;
    } cases[] = {
        {0, 6, 2, 1582, 10, 15, 1},      {-1, 6, 2, 1582, 10, 4, 0}, {2299161, 0, 2, 1582, 10, 15, 1},
        {2299160, 0, 2, 1582, 10, 4, 0}, {0, 4, 1, 1970, 1, 1, 1},   {0, 2, 1, 1900, 1, 1, 1},
        {0, 3, 1, 1950, 1, 1, 1},        {0, 5, 1, 2000, 1, 1, 1},   {51545, 1, 1, 2000, 1, 1, 1},
        {2451545, 0, 1, 2000, 1, 1, 1},  {0, 0, 0, -4712, 1, 1, 0}, // Julian day zero
    };
    for (const Case& c : cases)
    {
        CDate d(c.count, c.epoch, c.calendar);
        ASSERT_TRUE(d.IsValid()) << c.count << " epoch " << c.epoch;
        EXPECT_EQ(d.GetYear(), c.year) << c.count << " epoch " << c.epoch;
        EXPECT_EQ(d.GetMonth(), c.month) << c.count << " epoch " << c.epoch;
        EXPECT_EQ(d.GetDay(), c.day) << c.count << " epoch " << c.epoch;
        EXPECT_EQ(d.GetCalendar(), c.flag) << c.count << " epoch " << c.epoch;
    }
    EXPECT_EQ(CDate(0, 4, 1).GetDayOfWeek(), 5); // Thursday
    EXPECT_FALSE(CDate(0, 7, 1).IsValid());
    EXPECT_FALSE(CDate(0, -1, 1).IsValid());
    EXPECT_FALSE(CDate(0, 6, 3).IsValid());
    // The top of the day scale: 0xF72CC337 is the last day number accepted.
    EXPECT_TRUE(CDate((LONG)(0xF72CC337u - 2000000000u), 6, 1).IsValid());
    EXPECT_FALSE(CDate((LONG)(0xF72CC338u - 2000000000u), 6, 1).IsValid());
    EXPECT_EQ(CDate::JulianDayZero(0).GetJulianDayNumber(), 0);

    // A count that lands exactly on the invalid marker is refused as a whole: no Gregorian flag
    // left on it, and the setter says so.
    const LONG ontoMarker = (LONG)(0x80000000u - 2000000000u);
    for (int calendar : {0, 1, 2})
    {
        CDate d;
        EXPECT_FALSE(d.SetDayCount(ontoMarker, EPOCH_REFORM, calendar)) << calendar;
        EXPECT_FALSE(d.IsValid());
        EXPECT_EQ(d.GetCalendar(), 0) << calendar;
        EXPECT_TRUE(d.SetDayCount(ontoMarker + 1, EPOCH_REFORM, calendar)) << calendar;
    }
    CDate beforeMarker((LONG)(0x7FFFFFFFu - 2000000000u), EPOCH_REFORM, CAL_GREGORIAN);
    ASSERT_TRUE(beforeMarker.IsValid());
    CDate stepped = beforeMarker + 1;
    EXPECT_FALSE(stepped.IsValid());
    EXPECT_EQ(stepped.GetCalendar(), 0);
}

TEST(Date, NthWeekdayOfMonth)
{
    struct Case
    {
        LONG year;
        WORD month, week, dayOfWeek;
        int calendar;
        LONG expYear;
        WORD expMonth, expDay; // 0 for refused
    } cases[] = {
        {2004, 3, 5, 1, 1, 2004, 3, 28},   // last Sunday of March
        {2004, 12, 5, 1, 1, 2004, 12, 26}, // crosses into January and back
        {2018, 3, 5, 1, 1, 2018, 3, 25},   // the last one in the fourth week
        {2024, 3, 2, 1, 1, 2024, 3, 10},   // second Sunday
        {2024, 11, 1, 1, 1, 2024, 11, 3},  // first Sunday
        {2024, 2, 5, 5, 1, 2024, 2, 29},   // last Thursday of a leap February
        {2024, 9, 4, 2, 1, 2024, 9, 23},   // fourth Monday
        {2024, 6, 1, 7, 1, 2024, 6, 1},    // first Saturday is the 1st
        {2024, 3, 0, 1, 1, 0, 0, 0},
        {2024, 3, 6, 1, 1, 0, 0, 0},
        {2024, 3, 1, 0, 1, 0, 0, 0},
        {2024, 3, 1, 8, 1, 0, 0, 0},
        {2024, 13, 1, 1, 1, 0, 0, 0},
        {2024, 13, 5, 1, 1, 0, 0, 0},
        // The month of the reform: 1..4 October are Monday..Thursday, then 15 October a Friday.
        {1582, 10, 1, 6, 2, 1582, 10, 15}, // first Friday
        {1582, 10, 1, 1, 2, 1582, 10, 17}, // first Sunday
        {1582, 10, 2, 2, 2, 1582, 10, 18}, // second Monday
        {1582, 10, 3, 2, 2, 1582, 10, 25}, // third Monday, not the Friday that 15 October is
        {1582, 10, 3, 6, 2, 1582, 10, 29},
        {1582, 10, 4, 6, 2, 0, 0, 0},      // there is no fourth Friday
        {1582, 10, 5, 6, 2, 1582, 10, 29}, // the last Friday
        {1582, 10, 1, 2, 2, 1582, 10, 1},
        {1582, 9, 5, 6, 2, 1582, 9, 28}, // last Friday of September, a week before 15 October
        {1582, 9, 5, 1, 2, 1582, 9, 30},
        // Either plain calendar keeps refusing the ten missing days.
        {1582, 10, 2, 2, 0, 0, 0, 0},
        {1582, 10, 3, 2, 0, 1582, 10, 15},
        {1582, 10, 2, 6, 1, 0, 0, 0},
        {1582, 10, 3, 6, 1, 1582, 10, 15},
    };
    for (const Case& c : cases)
    {
        CDate d(c.year, c.month, c.week, c.dayOfWeek, c.calendar);
        if (c.expMonth == 0)
        {
            EXPECT_FALSE(d.IsValid()) << c.year << "/" << c.month << " w" << c.week << " d" << c.dayOfWeek;
            continue;
        }
        ASSERT_TRUE(d.IsValid()) << c.year << "/" << c.month << " w" << c.week << " d" << c.dayOfWeek;
        EXPECT_EQ(d.GetYear(), c.expYear);
        EXPECT_EQ(d.GetMonth(), c.expMonth) << c.year << "/" << c.month << " w" << c.week;
        EXPECT_EQ(d.GetDay(), c.expDay) << c.year << "/" << c.month << " w" << c.week;
        EXPECT_EQ(d.GetDayOfWeek(), c.dayOfWeek);
        if (c.calendar == CAL_REFORM)
        {
            EXPECT_EQ(d.IsGregorian(), CDate::IsGregorianDate(c.expYear, c.expMonth, c.expDay))
                << c.year << "/" << c.month << " w" << c.week;
        }
    }
}

TEST(Date, ArithmeticAndInvalidOperands)
{
    CDate d(2004, 2, 28, 1);
    EXPECT_EQ((d + 2).GetMonth(), 3);
    EXPECT_EQ((d + 2).GetDay(), 1);
    EXPECT_EQ((d - 59).GetYear(), 2003);
    EXPECT_EQ(CDate(2004, 3, 1, 1) - d, 2);
    CDate w = d;
    w.AddWeeks(-1);
    EXPECT_EQ(w.GetDay(), 21);
    CDate invalid;
    EXPECT_FALSE((invalid + 1).IsValid());
    EXPECT_EQ(invalid - d, 0);
    EXPECT_EQ(d - invalid, 0);
    // Stepping back over the reform with the Julian flag keeps the Julian reading.
    CDate j(1582, 10, 4, 0);
    EXPECT_EQ((j + 1).GetDay(), 5);
    EXPECT_EQ((CDate(1582, 10, 15, 2) - 1).GetDay(), 14); // the Gregorian flag stays
}

TEST(Date, EraSystemTimeAndTwoDigitYear)
{
    BOOL isAD = TRUE;
    EXPECT_EQ(CDate(0, 6, 15, 0).GetEraYear(isAD), 1);
    EXPECT_FALSE(isAD);
    EXPECT_EQ(CDate(-1, 6, 15, 0).GetEraYear(isAD), 2);
    EXPECT_FALSE(isAD);
    EXPECT_EQ(CDate(1, 1, 1, 0).GetEraYear(isAD), 1);
    EXPECT_TRUE(isAD);
    EXPECT_EQ(CDate(-1, 6, 15, 0).GetTwoDigitYear(), 1);
    EXPECT_EQ(CDate(-1234, 6, 15, 0).GetTwoDigitYear(), 34);

    SYSTEMTIME st;
    EXPECT_FALSE(CDate(-1, 1, 1, 1).ToSystemTime(st));
    EXPECT_FALSE(CDate(65536, 1, 1, 1).ToSystemTime(st));
    ASSERT_TRUE(CDate(65535, 12, 31, 1).ToSystemTime(st));
    ASSERT_TRUE(CDate(2004, 3, 7, 1).ToSystemTime(st));
    EXPECT_EQ(st.wYear, 2004);
    EXPECT_EQ(st.wMonth, 3);
    EXPECT_EQ(st.wDay, 7);
    EXPECT_EQ(st.wDayOfWeek, 0); // Sunday
    EXPECT_EQ(st.wHour + st.wMinute + st.wSecond + st.wMilliseconds, 0);

    SYSTEMTIME in = {2004, 3, 0, 7, 23, 59, 59, 999};
    EXPECT_EQ(CDate(in, 1).GetDayNumber(), CDate(2004, 3, 7, 1).GetDayNumber());
}

// en-US under the test runner: Sunday starts the week.
TEST(Date, WeekOfYearAndLocaleNames)
{
    EXPECT_EQ(CDate::GetFirstDayOfWeek(), 1);
    struct Case
    {
        LONG year;
        WORD month, day, week;
    } cases[] = {
        {2005, 1, 1, 0}, // a Saturday, before the first Sunday
        {2005, 1, 2, 1},    {2005, 1, 8, 1}, {2005, 1, 9, 2}, {2006, 1, 1, 1}, // a Sunday
        {2006, 12, 31, 53},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CDate(c.year, c.month, c.day, 1).GetWeekOfYear(), c.week)
            << c.year << "-" << c.month << "-" << c.day;

    CDate sunday(2004, 3, 7, 1);
    EXPECT_STREQ(sunday.GetDayName(), "Sunday");
    EXPECT_STREQ(sunday.GetAbbrevDayName(), "Sun");
    EXPECT_STREQ(CDate(2004, 3, 13, 1).GetDayName(), "Saturday");
    EXPECT_STREQ(CDate(2004, 3, 8, 1).GetAbbrevDayName(), "Mon");
    EXPECT_STREQ(sunday.GetMonthName(), "March");
    EXPECT_STREQ(CDate(2004, 12, 1, 1).GetAbbrevMonthName(), "Dec");
    EXPECT_STREQ(CDate::GetDayName(0, FALSE), "");
    EXPECT_STREQ(CDate::GetMonthName(13, TRUE), "");
}

TEST(Date, Format)
{
    struct Case
    {
        LONG year;
        WORD month, day;
        int calendar;
        const char* format;
        const char* expected;
    } cases[] = {
        {2004, 3, 7, 1, "%d/%m/%Y", "07/03/2004"},
        {2004, 3, 7, 1, "%#d.%#m.%y", "7.3.04"},
        {2004, 2, 1, 1, "%j %#j", "032 32"},
        {2004, 3, 7, 1, "%A %a %B %b %w", "Sunday Sun March Mar 1"},
        {2005, 1, 1, 1, "%U|%#U", "00|0"},
        {2004, 3, 7, 1, "100%% %q %#q %#Y", "100% q q Y"},
        {2004, 3, 7, 1, "end%", "end"},
        {2004, 3, 7, 1, "end%#", "end"},
        {2004, 3, 7, 1, "%x", "3/7/2004"},
        {-43, 3, 15, 0, "%Y %c", "-43 44 BC"},
        {2004, 3, 7, 1, "%c %f", "2004 AD Gregorian"},
        {2004, 3, 7, 0, "%f", "Julian"},
        {-1, 1, 1, 1, "[%x]", "[]"},
    };
    for (const Case& c : cases)
        EXPECT_STREQ(CDate(c.year, c.month, c.day, c.calendar).Format(CString(c.format)), c.expected)
            << c.format;
    EXPECT_STREQ(CDate(2004, 3, 7, 1).Format(), "07/03/2004");
    EXPECT_STREQ(CDate().Format(CString("%Y")), "");
    // The long date comes from the locale; it must at least name the day and month.
    CString longDate = CDate(2004, 3, 7, 1).Format(CString("%#x"));
    EXPECT_NE(longDate.Find("Sunday"), -1) << (LPCTSTR)longDate;
    EXPECT_NE(longDate.Find("March"), -1) << (LPCTSTR)longDate;
}

} // namespace
