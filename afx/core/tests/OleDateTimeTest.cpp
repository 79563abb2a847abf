// COleDateTime and COleDateTimeSpan against values computed with Python's datetime (days since
// 1899-12-30; weekday 1 = Sunday).
#include "afx.h"
#include "afxdisp.h"

#include <gtest/gtest.h>

#include "TestSupport.h"

namespace
{
struct DateCase
{
    int y, mo, d, h, mi, s;
    double dt;
    int dayOfWeek, dayOfYear;
};

const DateCase kDates[] = {
    {2026, 12, 9, 5, 3, 9, 46365.21052083333, 4, 343},
    {1800, 1, 1, 12, 0, 0, -36522.5, 4, 1},
    {100, 1, 1, 0, 0, 0, -657434.0, 6, 1},
    {9999, 12, 31, 0, 0, 0, 2958465.0, 6, 365},
    {1582, 10, 15, 23, 59, 59, -115858.99998842593, 6, 288},
    {2000, 2, 29, 13, 14, 15, 36585.5515625, 3, 60},
    {1899, 12, 30, 0, 0, 0, 0.0, 7, 364},
};
} // namespace

TEST(OleDateTime, PartsToDateAndBack)
{
    for (const DateCase& c : kDates)
    {
        COleDateTime made(c.y, c.mo, c.d, c.h, c.mi, c.s);
        ASSERT_EQ(COleDateTime::valid, made.GetStatus()) << c.y;
        EXPECT_NEAR(c.dt, made.m_dt, 1e-9) << c.y;
        COleDateTime read(c.dt);
        EXPECT_EQ(c.y, read.GetYear());
        EXPECT_EQ(c.mo, read.GetMonth());
        EXPECT_EQ(c.d, read.GetDay());
        EXPECT_EQ(c.h, read.GetHour());
        EXPECT_EQ(c.mi, read.GetMinute());
        EXPECT_EQ(c.s, read.GetSecond()) << c.y;
        EXPECT_EQ(c.dayOfWeek, read.GetDayOfWeek()) << c.y;
        EXPECT_EQ(c.dayOfYear, read.GetDayOfYear()) << c.y;
    }
}

TEST(OleDateTime, FractionsBeforeTheOriginCountForward)
{
    struct Case
    {
        double dt;
        int y, mo, d, h, mi, s;
    } cases[] = {
        {-1.25, 1899, 12, 29, 6, 0, 0},     {-1.75, 1899, 12, 29, 18, 0, 0},
        {-0.25, 1899, 12, 30, 6, 0, 0},     {0.999999, 1899, 12, 31, 0, 0, 0}, // rounds to the nearest second
        {-2.999999, 1899, 12, 29, 0, 0, 0},
    };
    for (const Case& c : cases)
    {
        COleDateTime t(c.dt);
        EXPECT_EQ(c.y, t.GetYear()) << c.dt;
        EXPECT_EQ(c.mo, t.GetMonth()) << c.dt;
        EXPECT_EQ(c.d, t.GetDay()) << c.dt;
        EXPECT_EQ(c.h, t.GetHour()) << c.dt;
        EXPECT_EQ(c.mi, t.GetMinute()) << c.dt;
        EXPECT_EQ(c.s, t.GetSecond()) << c.dt;
    }
}

TEST(OleDateTime, InvalidPartsAndValues)
{
    const int bad[][6] = {
        {1900, 2, 29, 0, 0, 0}, {2001, 13, 1, 0, 0, 0}, {99, 12, 31, 0, 0, 0},  {10000, 1, 1, 0, 0, 0},
        {2000, 1, 1, 24, 0, 0}, {2000, 1, 1, 0, 60, 0}, {2000, 1, 1, 0, 0, 60}, {2000, 4, 31, 0, 0, 0},
    };
    for (const auto& p : bad)
    {
        COleDateTime t;
        EXPECT_EQ(1, t.SetDateTime(p[0], p[1], p[2], p[3], p[4], p[5])) << p[0] << "-" << p[1] << "-" << p[2];
        EXPECT_EQ(COleDateTime::invalid, t.GetStatus());
        EXPECT_EQ(AFX_OLE_DATETIME_ERROR, t.GetYear());
        EXPECT_STREQ("Invalid DateTime", t.Format("%Y"));
    }
    COleDateTime t;
    EXPECT_EQ(0, t.SetDate(2000, 2, 29));
    EXPECT_EQ(0, t.SetTime(23, 59, 59));
    EXPECT_EQ(1899, t.GetYear());
    EXPECT_EQ(AFX_OLE_DATETIME_ERROR, COleDateTime(3e6).GetDay());
    COleDateTime none;
    none.SetStatus(COleDateTime::null);
    EXPECT_STREQ("", none.Format("%Y"));
}

TEST(OleDateTime, ArithmeticAndComparison)
{
    COleDateTime evening(-1.75); // 1899-12-29 18:00
    COleDateTime morning(-1.25); // 1899-12-29 06:00
    EXPECT_TRUE(morning < evening);
    EXPECT_TRUE(evening > morning);
    EXPECT_TRUE(morning <= evening);
    EXPECT_TRUE(COleDateTime(-0.25) == COleDateTime(0.25));

    COleDateTime later = evening + COleDateTimeSpan(0.5);
    EXPECT_DOUBLE_EQ(0.25, later.m_dt);
    EXPECT_EQ(6, later.GetHour());
    EXPECT_DOUBLE_EQ(-1.25, (later - COleDateTimeSpan(1.0)).m_dt);
    EXPECT_DOUBLE_EQ(12.0, (later - evening).GetTotalHours());
    EXPECT_DOUBLE_EQ(-0.5, (morning - evening).m_span);

    COleDateTime a(2026, 12, 9, 5, 3, 9), b(2026, 12, 9, 5, 3, 4);
    EXPECT_DOUBLE_EQ(5.0, (a - b).GetTotalSeconds());
    EXPECT_DOUBLE_EQ(-5.0, (b - a).GetTotalSeconds());
    EXPECT_DOUBLE_EQ(1.0,
                     (COleDateTime(2001, 3, 1, 0, 0, 0) - COleDateTime(2001, 2, 28, 0, 0, 0)).GetTotalDays());

    COleDateTime t(2000, 1, 31, 23, 0, 0);
    t += COleDateTimeSpan(0, 2, 0, 0);
    EXPECT_EQ(2, t.GetMonth());
    EXPECT_EQ(1, t.GetDay());
    EXPECT_EQ(1, t.GetHour());

    COleDateTime nothing;
    nothing.SetStatus(COleDateTime::null);
    EXPECT_EQ(COleDateTime::null, (nothing + COleDateTimeSpan(1.0)).GetStatus());
    EXPECT_EQ(COleDateTime::invalid, (COleDateTime(2958465.0) + COleDateTimeSpan(2.0)).GetStatus());
}

TEST(OleDateTime, Format)
{
    struct Case
    {
        COleDateTime t;
        const char* format;
        const char* text;
    } cases[] = {
        {COleDateTime(1800, 1, 1, 12, 0, 0), "%A, %B %d, %Y %H:%M:%S",
         "Wednesday, January 01, 1800 12:00:00"},
        {COleDateTime(1800, 1, 1, 12, 0, 0), "%a %b %j %p %I %y %U %W %w", "Wed Jan 001 PM 12 00 00 00 3"},
        {COleDateTime(2026, 12, 9, 5, 3, 9), "%a %b %j %p %I %y %U %W %w", "Wed Dec 343 AM 05 26 49 49 3"},
        {COleDateTime(2026, 12, 9, 5, 3, 9), "%#d/%#m %% %Q", "9/12 % %Q"},
        {COleDateTime(2026, 12, 9, 5, 3, 9), "%x %X", "12/09/26 05:03:09"},
        {COleDateTime(2026, 12, 9, 5, 3, 9), "%#x", "Wednesday, December 9, 2026"},
        {COleDateTime(2026, 12, 9, 5, 3, 9), "%H:%M:%S %p", "05:03:09 AM"},
        {COleDateTime(2000, 2, 29, 13, 14, 15), "%A. %d %b %Y", "Tuesday. 29 Feb 2000"},
    };
    for (const Case& c : cases)
        EXPECT_STREQ(c.text, c.t.Format(c.format)) << c.format;
}

TEST(OleDateTime, Spans)
{
    COleDateTimeSpan span(1, 2, 3, 4);
    EXPECT_EQ(1, span.GetDays());
    EXPECT_EQ(2, span.GetHours());
    EXPECT_EQ(3, span.GetMinutes());
    EXPECT_EQ(4, span.GetSeconds());
    EXPECT_DOUBLE_EQ(93784.0, span.GetTotalSeconds());
    EXPECT_DOUBLE_EQ(1563.0, span.GetTotalMinutes());
    EXPECT_DOUBLE_EQ(26.0, span.GetTotalHours());
    EXPECT_DOUBLE_EQ(1.0, span.GetTotalDays());
    EXPECT_STREQ("1 days 02:03:04", span.Format("%D days %H:%M:%S"));

    COleDateTimeSpan negative = -span;
    EXPECT_EQ(-1, negative.GetDays());
    EXPECT_EQ(-2, negative.GetHours());
    EXPECT_EQ(-4, negative.GetSeconds());
    EXPECT_TRUE(negative < span);
    EXPECT_TRUE((span + negative) == COleDateTimeSpan());
    EXPECT_STREQ("00:00:00", COleDateTimeSpan().Format("%H:%M:%S"));

    COleDateTimeSpan set;
    set.SetDateTimeSpan(0, 0, 90, 0);
    EXPECT_EQ(1, set.GetHours());
    EXPECT_EQ(30, set.GetMinutes());
}

TEST(OleDateTime, SystemTimeFileTimeDosAndTimeT)
{
    SYSTEMTIME st = {};
    ASSERT_TRUE(COleDateTime(2000, 2, 29, 13, 14, 15).GetAsSystemTime(st));
    EXPECT_EQ(2000, st.wYear);
    EXPECT_EQ(2, st.wDayOfWeek); // Tuesday
    EXPECT_EQ(15, st.wSecond);
    EXPECT_EQ(0, st.wMilliseconds);
    st.wMilliseconds = 999;
    EXPECT_NEAR(36585.5515625, COleDateTime(st).m_dt, 1e-9);

    // Local time is UTC in the test environment.
    ULARGE_INTEGER li;
    li.QuadPart = 125911584000000000ULL; // 2000-01-01 00:00 UTC
    FILETIME ft = {li.LowPart, li.HighPart};
    EXPECT_DOUBLE_EQ(36526.0, COleDateTime(ft).m_dt);

    COleDateTime dos((WORD)((20 << 9) | (1 << 5) | 2), (WORD)((3 << 11) | (4 << 5) | 3));
    EXPECT_EQ(2000, dos.GetYear());
    EXPECT_EQ(2, dos.GetDay());
    EXPECT_EQ(6, dos.GetSecond());

    EXPECT_DOUBLE_EQ(25569.0 + 365.0, COleDateTime((time_t)(86400 * 365)).m_dt);
    EXPECT_EQ(COleDateTime::valid, COleDateTime::GetCurrentTime().GetStatus());
}

TEST(OleDateTime, ParseAndSystemFormat)
{
    COleDateTime t;
    EXPECT_TRUE(t.ParseDateTime("2/3/2001 4:05:06 AM", 0,
                                MAKELCID(MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US), SORT_DEFAULT)));
    EXPECT_EQ(2001, t.GetYear());
    EXPECT_EQ(2, t.GetMonth());
    EXPECT_EQ(5, t.GetMinute());
    EXPECT_FALSE(t.ParseDateTime("not a date"));
    EXPECT_EQ(COleDateTime::invalid, t.GetStatus());
    CString text = COleDateTime(2001, 2, 3, 4, 5, 6)
                       .Format(0, MAKELCID(MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US), SORT_DEFAULT));
    EXPECT_NE(-1, text.Find("2001")) << (LPCTSTR)text;
}

TEST(OleDateTime, ArchiveForms)
{
    COleDateTime none;
    none.SetStatus(COleDateTime::null);
    Bytes image =
        StoreToBytes([&](CArchive& ar) { ar << none << COleDateTime(-1.25) << COleDateTimeSpan(0.5); });
    EXPECT_EQ(Hex(Image("02 00 00 00 00 00 00 00 00 00 00 00 "
                        "00 00 00 00 00 00 00 00 00 00 F4 BF "
                        "00 00 00 00 00 00 00 00 00 00 E0 3F")),
              Hex(image));
    COleDateTime a, b;
    COleDateTimeSpan s;
    EXPECT_EQ(-1, LoadCause(image, [&](CArchive& ar) { ar >> a >> b >> s; }));
    EXPECT_EQ(COleDateTime::null, a.GetStatus());
    EXPECT_DOUBLE_EQ(-1.25, b.m_dt);
    EXPECT_DOUBLE_EQ(0.5, s.m_span);

    // A status no writer produces reads as invalid.
    EXPECT_EQ(-1, LoadCause(Image("07 00 00 00 00 00 00 00 00 00 D0 3F"), [&](CArchive& ar) { ar >> a; }));
    EXPECT_EQ(COleDateTime::invalid, a.GetStatus());
}
