// Time spans, times of day and date-times: parts, formatting, time frames and delta T.
#include <gtest/gtest.h>

#include "DateTime.h"
#include "LocalZone.h"

namespace
{
// A zone with fixed rules whose conversions are the system's own for that zone.
class CFixedZone : public CLocalZone
{
public:
    explicit CFixedZone(const TIME_ZONE_INFORMATION& tzi) : m_tzi(tzi)
    {
        m_pPrevious = CLocalZone::SetCurrent(this);
    }
    ~CFixedZone() override { CLocalZone::SetCurrent(m_pPrevious); }

    DWORD GetTimeZoneInformation(TIME_ZONE_INFORMATION* ptzi) override
    {
        *ptzi = m_tzi;
        return m_tzi.DaylightDate.wMonth != 0 ? TIME_ZONE_ID_STANDARD : TIME_ZONE_ID_UNKNOWN;
    }
    BOOL SystemTimeToTzSpecificLocalTime(const SYSTEMTIME* pUniversal, SYSTEMTIME* pLocal) override
    {
        return ::SystemTimeToTzSpecificLocalTime(&m_tzi, const_cast<SYSTEMTIME*>(pUniversal), pLocal);
    }
    BOOL LocalFileTimeToFileTime(const FILETIME* pLocal, FILETIME* pUniversal) override
    {
        SYSTEMTIME local, universal;
        return ::FileTimeToSystemTime(pLocal, &local) &&
               ::TzSpecificLocalTimeToSystemTime(&m_tzi, &local, &universal) &&
               ::SystemTimeToFileTime(&universal, pUniversal);
    }

private:
    TIME_ZONE_INFORMATION m_tzi;
    CLocalZone* m_pPrevious;
};

// US Eastern in the system's own sign convention: UTC-5, one hour forward from the second
// Sunday of March at 02:00 to the first Sunday of November at 02:00.
TIME_ZONE_INFORMATION Eastern(LONG daylightBias = -60)
{
    TIME_ZONE_INFORMATION tzi = {};
    tzi.Bias = 300;
    tzi.DaylightBias = daylightBias;
    tzi.StandardDate = {0, 11, 0, 1, 2, 0, 0, 0};
    tzi.DaylightDate = {0, 3, 0, 2, 2, 0, 0, 0};
    return tzi;
}

TEST(LTimeSpan, PartsAndFormat)
{
    struct Case
    {
        CLTimeSpan span;
        LONGLONG seconds;
        LONG days;
        WORD hours, minutes, secs;
        const char* text;
    } cases[] = {
        {CLTimeSpan(-1, 2, 0, 0), -93600, -1, 2, 0, 0, "-1 02:00:00"},
        {CLTimeSpan(0, 1, 0, 0), 3600, 0, 1, 0, 0, "+0 01:00:00"},
        {CLTimeSpan((LONGLONG)-1), -1, 0, 0, 0, 1, "-0 00:00:01"},
        {CLTimeSpan(2, 3, 4, 5), 183845, 2, 3, 4, 5, "+2 03:04:05"},
        {CLTimeSpan((LONGLONG)-90000), -90000, -1, 1, 0, 0, "-1 01:00:00"},
        {CLTimeSpan(0, 25, 61, 61), 93721, 1, 2, 2, 1, "+1 02:02:01"},
    };
    for (const Case& c : cases)
    {
        EXPECT_EQ(c.span.GetTotalSeconds(), c.seconds) << c.text;
        EXPECT_EQ(c.span.GetTotalDays(), c.days) << c.text;
        EXPECT_EQ(c.span.GetHours(), c.hours) << c.text;
        EXPECT_EQ(c.span.GetMinutes(), c.minutes) << c.text;
        EXPECT_EQ(c.span.GetSeconds(), c.secs) << c.text;
        EXPECT_STREQ(c.span.Format(), c.text);
    }
    CLTimeSpan span(0, 1, 2, 3);
    EXPECT_STREQ(span.Format(1), "01:02");
    EXPECT_STREQ(span.Format(CString("%#H h %#M m %S%")), "1 h 2 m 03");
    span.Negate();
    EXPECT_EQ(span.GetTotalSeconds(), -3723);
    EXPECT_FALSE(span.IsPositive());
    EXPECT_TRUE(CLTimeSpan((LONGLONG)0).IsPositive());

    CLTimeSpan invalid;
    EXPECT_FALSE(invalid.IsValid());
    invalid.Negate();
    EXPECT_FALSE(invalid.IsValid());
    EXPECT_STREQ(invalid.Format(), "");
}

TEST(LTimeOfDay, PartsTwelveHourClockAndFormat)
{
    EXPECT_FALSE(CLTimeOfDay(24, 0, 0).IsValid());
    EXPECT_FALSE(CLTimeOfDay(23, 59, 60).IsValid());
    EXPECT_FALSE(CLTimeOfDay((DWORD)86400).IsValid());
    EXPECT_EQ(CLTimeOfDay(23, 59, 59).GetTotalSeconds(), 86399u);
    EXPECT_EQ(CLTimeOfDay::Midday().GetHour(), 12);
    EXPECT_EQ(CLTimeOfDay::Midnight().GetTotalSeconds(), 0u);

    struct Case
    {
        WORD h, m, s;
        WORD hour12;
        const char* amPm;
        const char* text;
    } cases[] = {
        {12, 30, 0, 12, "AM", "12:30 AM"}, // noon takes the morning designator
        {0, 30, 0, 0, "AM", "00:30 AM"},
        {13, 5, 9, 1, "PM", "01:05 PM"},
        {23, 59, 59, 11, "PM", "11:59 PM"},
    };
    for (const Case& c : cases)
    {
        CLTimeOfDay t(c.h, c.m, c.s);
        EXPECT_EQ(t.Get12Hour(), c.hour12) << c.text;
        EXPECT_STREQ(t.GetAmPm(), c.amPm) << c.text;
        EXPECT_STREQ(t.Format(CString("%h:%M %P")), c.text);
    }
    CLTimeOfDay t(7, 8, 9);
    EXPECT_STREQ(t.Format(), "07:08:09");
    EXPECT_STREQ(t.Format(1), "07:08");
    EXPECT_STREQ(t.Format(CString("%#H:%#M:%#S %#h %#P %%")), "7:8:9 7 P %");
    EXPECT_STREQ(t.Format(CString("%x")), "7:08:09 AM");
    EXPECT_STREQ(CLTimeOfDay().Format(), "");

    SYSTEMTIME st;
    ASSERT_TRUE(t.ToSystemTime(st));
    EXPECT_EQ(st.wHour * 10000 + st.wMinute * 100 + st.wSecond, 70809);
    EXPECT_EQ(st.wYear + st.wMonth + st.wDay + st.wMilliseconds, 0);
    EXPECT_FALSE(CLTimeOfDay().ToSystemTime(st));
}

TEST(LDate, BuildingFromParts)
{
    CLDate d(2004, 3, 7, 13, 5, 9, TIMEFRAME_UNIVERSAL, CAL_GREGORIAN);
    EXPECT_EQ(d.GetValue(), (LONGLONG)CDate(2004, 3, 7, 1).GetDayNumber() * 86400 + 13 * 3600 + 5 * 60 + 9);
    EXPECT_EQ(d.GetDate().GetDay(), 7);
    EXPECT_EQ(d.GetTimeOfDay().GetMinute(), 5);
    EXPECT_FALSE(CLDate(2004, 2, 30, 0, 0, 0, 0, 1).IsValid());
    EXPECT_FALSE(CLDate(2004, 2, 1, 24, 0, 0, 0, 1).IsValid());
    EXPECT_FALSE(CLDate(CDate(), CLTimeOfDay(1, 0, 0), 0).IsValid());
    EXPECT_FALSE(CLDate(CDate(2004, 1, 1, 1), CLTimeOfDay(), 0).IsValid());
    EXPECT_FALSE(CLDate(2004, 1, 1, 0, 0, 0, 3, 1).IsValid());
    EXPECT_FALSE(CLDate(CDate(2004, 1, 1, 0), CLTimeOfDay(1, 0, 0), 0).IsGregorian());

    // The rule form: week of the month and weekday from Sunday = 0.
    SYSTEMTIME rule = {2024, 3, 0, 2, 2, 0, 0, 0};
    CLDate second(rule, TIMEFRAME_UNIVERSAL, TRUE, CAL_GREGORIAN);
    EXPECT_EQ(second.GetValue(), CLDate(2024, 3, 10, 2, 0, 0, 0, 1).GetValue());
    SYSTEMTIME plain = {2024, 3, 0, 2, 2, 0, 0, 0};
    EXPECT_EQ(CLDate(plain, 0, FALSE, 1).GetValue(), CLDate(2024, 3, 2, 2, 0, 0, 0, 1).GetValue());
    rule.wYear = 0; // this year
    EXPECT_EQ(CLDate(rule, 0, TRUE, 1).GetDate().GetYear(), CDate::GetCurrentYear(1));
    CLDate last(2024, 10, 5, 1, 3, 0, 0, TIMEFRAME_UNIVERSAL, CAL_GREGORIAN);
    EXPECT_EQ(last.GetValue(), CLDate(2024, 10, 27, 3, 0, 0, 0, 1).GetValue());

    // A file time is an instant: shown in the Julian calendar it is the same day.
    FILETIME epoch = {0, 0};
    CLDate g(epoch, 0, CAL_GREGORIAN), j(epoch, 0, CAL_JULIAN);
    EXPECT_EQ(g.GetValue(), CLDate(1601, 1, 1, 0, 0, 0, 0, 1).GetValue());
    EXPECT_EQ(j.GetValue(), g.GetValue());
    EXPECT_FALSE(j.IsGregorian());
    EXPECT_EQ(j.GetDate().GetDay(), 22);
    FILETIME ft;
    ASSERT_TRUE(CLDate(2004, 3, 7, 13, 5, 9, 0, 1).ToFileTime(ft));
    EXPECT_EQ(CLDate(ft, 0, 1).GetValue(), CLDate(2004, 3, 7, 13, 5, 9, 0, 1).GetValue());
    EXPECT_FALSE(CLDate(1500, 1, 1, 0, 0, 0, 0, 1).ToFileTime(ft));
    SYSTEMTIME st;
    EXPECT_FALSE(CLDate(-1, 1, 1, 0, 0, 0, 0, 1).ToSystemTime(st));
    ASSERT_TRUE(CLDate(2004, 3, 7, 13, 5, 9, 0, 1).ToSystemTime(st));
    EXPECT_EQ(st.wDayOfWeek, 0);
    EXPECT_EQ(st.wHour, 13);
}

TEST(LDate, SkippedLocalTimesAreInvalid)
{
    struct Case
    {
        LONG daylightBias;
        WORD h, m;
        bool valid;
    } cases[] = {
        {-60, 1, 59, true},
        {-60, 2, 0, true},
        {-60, 2, 30, false},
        {-60, 2, 59, false},
        {-60, 3, 0, true},
        // Clocks that go back at the start: the hour before it is the one that is refused.
        {60, 0, 59, true},
        {60, 1, 0, false},
        {60, 1, 59, false},
        {60, 2, 0, true},
    };
    for (const Case& c : cases)
    {
        CFixedZone zone(Eastern(c.daylightBias));
        CLDate d(2024, 3, 10, c.h, c.m, 0, TIMEFRAME_LOCAL, CAL_GREGORIAN);
        EXPECT_EQ(d.IsValid() != FALSE, c.valid) << c.daylightBias << " " << c.h << ":" << c.m;
        EXPECT_EQ(d.GetTimeFrame(), TIMEFRAME_LOCAL);
    }
    CFixedZone zone(Eastern());
    EXPECT_TRUE(CLDate(2024, 11, 3, 1, 30, 0, TIMEFRAME_LOCAL, 1).IsValid()); // the repeated hour
    EXPECT_TRUE(CLDate(2024, 3, 10, 2, 30, 0, TIMEFRAME_UNIVERSAL, 1).IsValid());
}

TEST(LDate, SystemZoneWithoutDaylightSavingKeepsEveryTime)
{
    // The tests run with the machine's zone pinned to UTC.
    EXPECT_TRUE(CLDate(2024, 3, 10, 2, 30, 0, TIMEFRAME_LOCAL, 1).IsValid());
    CLDate u(2024, 7, 1, 12, 0, 0, TIMEFRAME_UNIVERSAL, 1);
    CLDate l = u;
    ASSERT_TRUE(l.SetTimeFrame(TIMEFRAME_LOCAL));
    EXPECT_EQ(l.GetValue(), u.GetValue());
}

TEST(LDate, FrameConversions)
{
    CFixedZone zone(Eastern());
    struct Case
    {
        WORD month, day, uh, lh;
    } cases[] = {{7, 1, 12, 8}, {1, 15, 12, 7}, {3, 10, 7, 3}, {3, 10, 6, 1}, {11, 3, 6, 1}};
    for (const Case& c : cases)
    {
        CLDate u(2024, c.month, c.day, c.uh, 0, 0, TIMEFRAME_UNIVERSAL, CAL_GREGORIAN);
        CLDate l = u;
        ASSERT_TRUE(l.SetTimeFrame(TIMEFRAME_LOCAL));
        EXPECT_EQ(l.GetTimeFrame(), TIMEFRAME_LOCAL);
        EXPECT_EQ(l.GetValue(), CLDate(2024, c.month, c.day, c.lh, 0, 0, 0, 1).GetValue())
            << c.month << "/" << c.day;
        if (c.month == 11)
            continue; // 01:00 on that day is ambiguous
        EXPECT_TRUE(l == u) << c.month << "/" << c.day;
        ASSERT_TRUE(l.SetTimeFrame(TIMEFRAME_UNIVERSAL));
        EXPECT_EQ(l.GetValue(), u.GetValue()) << c.month << "/" << c.day;
    }

    // Dynamical time is universal time plus delta T, both ways and through local time.
    CLDate u(2004, 1, 1, 0, 0, 0, TIMEFRAME_UNIVERSAL, 1);
    CLDate d = u;
    ASSERT_TRUE(d.SetTimeFrame(TIMEFRAME_DYNAMICAL));
    EXPECT_EQ(d.GetValue() - u.GetValue(), 107);
    ASSERT_TRUE(d.SetTimeFrame(TIMEFRAME_LOCAL));
    EXPECT_EQ(d.GetValue(), CLDate(2003, 12, 31, 19, 0, 0, 0, 1).GetValue());
    ASSERT_TRUE(d.SetTimeFrame(TIMEFRAME_DYNAMICAL));
    EXPECT_EQ(d.GetValue() - u.GetValue(), 107);

    // The Julian flag shows the same instant; the conversion must not move it by the calendar gap.
    CLDate julian(CDate(CDate(2024, 7, 1, 1).GetDaysSinceReform(), EPOCH_REFORM, CAL_JULIAN),
                  CLTimeOfDay(12, 0, 0), TIMEFRAME_UNIVERSAL);
    ASSERT_FALSE(julian.IsGregorian());
    ASSERT_TRUE(julian.SetTimeFrame(TIMEFRAME_LOCAL));
    EXPECT_FALSE(julian.IsGregorian());
    EXPECT_EQ(julian.GetValue(), CLDate(2024, 7, 1, 8, 0, 0, 0, 1).GetValue());
}

TEST(LDate, FailedConversionKeepsValueAndFrame)
{
    CFixedZone zone(Eastern());
    struct Case
    {
        int from, to;
    } cases[] = {{0, 2}, {1, 2}, {2, 0}, {2, 1}};
    for (const Case& c : cases)
    {
        // Before 1601 the system converts nothing.
        CLDate d(1500, 6, 1, 12, 0, 0, c.from, CAL_GREGORIAN);
        ASSERT_TRUE(d.IsValid());
        LONGLONG before = d.GetValue();
        EXPECT_FALSE(d.SetTimeFrame(c.to)) << c.from << "->" << c.to;
        EXPECT_EQ(d.GetTimeFrame(), c.from) << c.from << "->" << c.to;
        EXPECT_EQ(d.GetValue(), before);
    }
    CLDate invalid;
    EXPECT_FALSE(invalid.SetTimeFrame(TIMEFRAME_LOCAL));
    EXPECT_TRUE(invalid.SetTimeFrame(TIMEFRAME_UNIVERSAL));
    CLDate ok(2024, 1, 1, 0, 0, 0, 0, 1);
    EXPECT_FALSE(ok.SetTimeFrame(3));
    EXPECT_EQ(ok.GetTimeFrame(), 0);
}

TEST(LDate, ArithmeticAcrossDaylightSaving)
{
    CFixedZone zone(Eastern());
    CLDate local(2024, 3, 9, 12, 0, 0, TIMEFRAME_LOCAL, CAL_GREGORIAN);
    CLDate later = local + CLTimeSpan(1, 0, 0, 0);
    EXPECT_EQ(later.GetTimeFrame(), TIMEFRAME_UNIVERSAL);
    EXPECT_EQ(later.GetValue(), CLDate(2024, 3, 10, 17, 0, 0, 0, 1).GetValue());
    EXPECT_EQ(local.GetTimeFrame(), TIMEFRAME_LOCAL); // the operand is untouched
    EXPECT_EQ((later - local).GetTotalSeconds(), 86400);

    CLDate back = later;
    back -= CLTimeSpan(1, 0, 0, 0);
    EXPECT_TRUE(back == local);
    EXPECT_EQ((local - CLTimeSpan((LONGLONG)3600)).GetValue(), CLDate(2024, 3, 9, 16, 0, 0, 0, 1).GetValue());

    CLDate u(2024, 6, 1, 0, 0, 0, 0, 1);
    u += CLTimeSpan((LONGLONG)90);
    EXPECT_EQ(u.GetTimeOfDay().GetTotalSeconds(), 90u);
    EXPECT_FALSE((u + CLTimeSpan()).IsValid());
    EXPECT_FALSE((CLDate() + CLTimeSpan((LONGLONG)1)).IsValid());
    EXPECT_FALSE((u - CLDate()).IsValid());

    // Both local: the wall-clock difference.
    CLDate a(2024, 3, 10, 1, 0, 0, TIMEFRAME_LOCAL, 1), b(2024, 3, 10, 4, 0, 0, TIMEFRAME_LOCAL, 1);
    EXPECT_EQ((b - a).GetTotalSeconds(), 3 * 3600);
    // Universal and dynamical: on one scale.
    CLDate dyn(2004, 1, 1, 0, 0, 0, TIMEFRAME_DYNAMICAL, 1), ut(2004, 1, 1, 0, 0, 0, TIMEFRAME_UNIVERSAL, 1);
    EXPECT_EQ((dyn - ut).GetTotalSeconds(), -107);
}

TEST(LDate, ComparisonsAcrossFrames)
{
    CFixedZone zone(Eastern());
    CLDate u(2024, 7, 1, 12, 0, 0, TIMEFRAME_UNIVERSAL, 1);
    CLDate l(2024, 7, 1, 8, 0, 0, TIMEFRAME_LOCAL, 1);
    CLDate l2(2024, 7, 1, 9, 0, 0, TIMEFRAME_LOCAL, 1);
    EXPECT_TRUE(u == l);
    EXPECT_TRUE(u <= l && u >= l);
    EXPECT_TRUE(l2 > u && u < l2 && !(l2 < u));
    EXPECT_TRUE(l2 > l); // same frame: plain values
    CLDate dyn(2024, 7, 1, 12, 0, 0, TIMEFRAME_DYNAMICAL, 1);
    EXPECT_TRUE(dyn < u); // 12:00 dynamical came before 12:00 universal
}

TEST(LDate, DeltaT)
{
    struct Case
    {
        LONG year;
        WORD month, day;
        int calendar;
        LONGLONG seconds;
    } cases[] = {
        {2000, 1, 1, 1, 62},   {2004, 1, 1, 1, 107}, {2100, 1, 1, 1, 258},   {1900, 1, 1, 1, -2},
        {1800, 6, 15, 1, 13},  {1700, 1, 1, 1, 9},   {1650, 1, 1, 1, 47},    {1620, 1, 1, 1, 123},
        {1000, 1, 1, 0, 1625}, {500, 1, 1, 0, 4577}, {-500, 1, 1, 0, 17443},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CLDate(c.year, c.month, c.day, 0, 0, 0, 0, c.calendar).GetDeltaT().GetTotalSeconds(),
                  c.seconds)
            << c.year;
    EXPECT_FALSE(CLDate().GetDeltaT().IsValid());

    // In local time the reference instant is a plain wall-clock value; a zone whose clocks go
    // back into 2000-01-01 00:00 must not spoil it.
    TIME_ZONE_INFORMATION odd = Eastern(60);
    odd.DaylightDate = {2000, 1, 0, 1, 1, 0, 0, 0};
    CFixedZone zone(odd);
    ASSERT_FALSE(CLDate(2000, 1, 1, 0, 0, 0, TIMEFRAME_LOCAL, 1).IsValid());
    EXPECT_EQ(CLDate(2004, 1, 1, 0, 0, 0, TIMEFRAME_LOCAL, 1).GetDeltaT().GetTotalSeconds(), 107);
}

TEST(LDate, ArithmeticOffTheScaleIsInvalid)
{
    const LONGLONG top = 0x7FFFFFFFFFFFFFFFLL;
    CLDate d(2004, 1, 1, 0, 0, 0, TIMEFRAME_UNIVERSAL, 1);
    struct Case
    {
        const char* what;
        CLDate result;
    } cases[] = {
        {"plus the largest span", d + CLTimeSpan(top)},
        {"minus the largest span twice", (d - CLTimeSpan(top)) - CLTimeSpan(top)},
        {"plus the most negative span twice", (d + CLTimeSpan(-top)) + CLTimeSpan(-top)},
        {"onto the invalid marker", CLDate(d - CLTimeSpan(top)) - CLTimeSpan(d.GetValue() + 1)},
    };
    for (const Case& c : cases)
        EXPECT_FALSE(c.result.IsValid()) << c.what;
    CLDate late = d + CLTimeSpan(top - d.GetValue());
    ASSERT_TRUE(late.IsValid());
    EXPECT_EQ(late.GetValue(), top);
    CLDate early = d - CLTimeSpan(top);
    ASSERT_TRUE(early.IsValid());
    EXPECT_EQ(early.GetValue(), d.GetValue() - top);
    EXPECT_FALSE((late - early).IsValid()); // the difference does not fit a span
    EXPECT_FALSE((early - late).IsValid());
    EXPECT_EQ((late - d).GetTotalSeconds(), top - d.GetValue());
}

TEST(LDate, Format)
{
    CLDate d(2004, 3, 7, 13, 5, 9, TIMEFRAME_UNIVERSAL, CAL_GREGORIAN);
    struct Case
    {
        const char* format;
        const char* expected;
    } cases[] = {
        {"%d/%m/%Y %H:%M:%S", "07/03/2004 13:05:09"},
        {"%#d.%#m.%y %#H:%M %h %P", "7.3.04 13:05 01 PM"},
        {"%A %B %j %U %w", "Sunday March 067 10 1"},
        {"%t|%f|%c", "Universal Time|Gregorian|2004 AD"},
        {"%x", "3/7/2004 1:05:09 PM"},
        {"%D %q %%%", "D q %"},
    };
    for (const Case& c : cases)
        EXPECT_STREQ(d.Format(CString(c.format)), c.expected) << c.format;
    EXPECT_STREQ(d.Format(), "07/03/2004 13:05:09 Universal Time");
    EXPECT_STREQ(d.Format(1), "07/03/2004 13:05 Universal Time");
    EXPECT_STREQ(d.Format(3), "07/03/2004 13:05");
    EXPECT_STREQ(CLDate(2004, 3, 7, 0, 0, 0, TIMEFRAME_DYNAMICAL, 1).Format(CString("%t")), "Dynamical Time");
    EXPECT_STREQ(CLDate(2004, 3, 7, 0, 0, 0, TIMEFRAME_LOCAL, 1).Format(CString("%t")), "Local Time");
    CString longForm = d.Format(CString("%#x"));
    EXPECT_NE(longForm.Find("March"), -1) << (LPCTSTR)longForm;
    EXPECT_NE(longForm.Find("1:05:09 PM"), -1) << (LPCTSTR)longForm;
    EXPECT_STREQ(CLDate().Format(), "");
    EXPECT_STREQ(CLDate().Format(CString("%Y")), "");
}

} // namespace
