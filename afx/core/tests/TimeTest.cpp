// CTime and CTimeSpan; the tests run with the zone pinned to UTC.
#include "afx.h"

#include <gtest/gtest.h>

TEST(CTimeTest, PartsAndFormats)
{
    CTime t(2024, 2, 29, 13, 5, 9);
    EXPECT_EQ(1709211909, (long long)t.GetTime());
    EXPECT_EQ(2024, t.GetYear());
    EXPECT_EQ(2, t.GetMonth());
    EXPECT_EQ(29, t.GetDay());
    EXPECT_EQ(13, t.GetHour());
    EXPECT_EQ(5, t.GetMinute());
    EXPECT_EQ(9, t.GetSecond());
    EXPECT_EQ(5, t.GetDayOfWeek()); // Thursday
    EXPECT_STREQ("2024-02-29 13:05:09 Thursday February 060",
                 (LPCTSTR)t.Format("%Y-%m-%d %H:%M:%S %A %B %j"));
    EXPECT_STREQ("13:05", (LPCTSTR)t.FormatGmt("%H:%M"));
    EXPECT_STREQ("", (LPCTSTR)t.Format(""));

    SYSTEMTIME st;
    ASSERT_TRUE(t.GetAsSystemTime(st));
    EXPECT_EQ(2024, st.wYear);
    EXPECT_EQ(4, st.wDayOfWeek);
    EXPECT_EQ(t, CTime(st));

    FILETIME ft;
    ULARGE_INTEGER u;
    u.QuadPart = 133536855090000000ULL;
    ft.dwLowDateTime = u.LowPart;
    ft.dwHighDateTime = u.HighPart;
    EXPECT_EQ(t, CTime(ft));

    // DOS date 2024-02-29 = ((44 << 9) | (2 << 5) | 29), time 13:05:08 = (13 << 11) | (5 << 5) | 4.
    EXPECT_EQ(t - CTimeSpan(1), CTime((WORD)((44 << 9) | (2 << 5) | 29), (WORD)((13 << 11) | (5 << 5) | 4)));

    SYSTEMTIME early = {};
    early.wYear = 1601;
    early.wMonth = 1;
    early.wDay = 1;
    EXPECT_EQ(0, (long long)CTime(early).GetTime());
}

TEST(CTimeTest, Arithmetic)
{
    CTime a(1999, 12, 31, 23, 59, 58);
    EXPECT_EQ(946684798, (long long)a.GetTime());
    CTime b = a + CTimeSpan(0, 0, 0, 2);
    EXPECT_EQ(2000, b.GetYear());
    EXPECT_EQ(1, b.GetMonth());
    EXPECT_EQ(2, (b - a).GetTotalSeconds());
    EXPECT_TRUE(a < b);
    b -= CTimeSpan(1, 0, 0, 0);
    EXPECT_EQ(31, b.GetDay());
    EXPECT_EQ(12, b.GetMonth());
}

TEST(CTimeSpanTest, PartsAndFormat)
{
    struct
    {
        CTimeSpan span;
        LONG days, totalHours;
        int hours, minutes, seconds;
        LPCTSTR text;
    } cases[] = {
        {CTimeSpan(1, 2, 3, 4), 1, 26, 2, 3, 4, "1 02:03:04"},
        {CTimeSpan(0, 0, 0, 59), 0, 0, 0, 0, 59, "0 00:00:59"},
        {CTimeSpan(0, 25, 61, 61), 1, 26, 2, 2, 1, "1 02:02:01"},
        {CTimeSpan(3 * 86400 + 5), 3, 72, 0, 0, 5, "3 00:00:05"},
    };
    for (const auto& c : cases)
    {
        EXPECT_EQ(c.days, c.span.GetDays());
        EXPECT_EQ(c.totalHours, c.span.GetTotalHours());
        EXPECT_EQ(c.hours, c.span.GetHours());
        EXPECT_EQ(c.minutes, c.span.GetMinutes());
        EXPECT_EQ(c.seconds, c.span.GetSeconds());
        EXPECT_STREQ(c.text, (LPCTSTR)c.span.Format("%D %H:%M:%S"));
    }
    CTimeSpan s(0, 1, 2, 3);
    EXPECT_STREQ("100% 01h", (LPCTSTR)s.Format("100%% %Hh"));
    EXPECT_STREQ("end 01", (LPCTSTR)s.Format("end %H%")); // a lone '%' at the end is dropped
}
