// Rule texts, the zone clock, offset splitting, bounded zone names and finding zones by name.
#include <gtest/gtest.h>

#include "TimeZoneInfo.h"
#include "ZoneRules.h"

namespace
{
SYSTEMTIME Rule(WORD month, WORD week, WORD dayOfWeek, WORD hour, WORD minute, WORD second)
{
    SYSTEMTIME st = {};
    st.wMonth = month;
    st.wDay = week;
    st.wDayOfWeek = dayOfWeek;
    st.wHour = hour;
    st.wMinute = minute;
    st.wSecond = second;
    return st;
}

SYSTEMTIME Utc(WORD year, WORD month, WORD day, WORD hour, WORD minute, WORD second)
{
    SYSTEMTIME st = {};
    st.wYear = year;
    st.wMonth = month;
    st.wDay = day;
    st.wHour = hour;
    st.wMinute = minute;
    st.wSecond = second;
    return st;
}
} // namespace

TEST(RuleTexts, DescribeEveryWordAndTheOutOfRangeFallbacks)
{
    struct Case
    {
        SYSTEMTIME rule;
        const char* text;
    } cases[] = {
        {Rule(0, 5, 0, 2, 0, 0), "Not specified for this Timezone"},
        {Rule(3, 5, 0, 2, 0, 0), "Last Sunday of March at 02:00:00 AM"},
        {Rule(10, 5, 0, 1, 0, 0), "Last Sunday of October at 01:00:00 AM"},
        {Rule(1, 1, 1, 0, 0, 0), "First Monday of January at 00:00:00 AM"},
        {Rule(2, 2, 2, 11, 59, 59), "Second Tuesday of February at 11:59:59 AM"},
        {Rule(4, 3, 3, 12, 0, 0), "Third Wednesday of April at 12:00:00 PM"},
        {Rule(5, 4, 4, 23, 30, 15), "Fourth Thursday of May at 23:30:15 PM"},
        {Rule(6, 5, 5, 13, 5, 9), "Last Friday of June at 13:05:09 PM"},
        {Rule(7, 1, 6, 3, 0, 0), "First Saturday of July at 03:00:00 AM"},
        {Rule(8, 1, 0, 3, 0, 0), "First Sunday of August at 03:00:00 AM"},
        {Rule(9, 1, 0, 3, 0, 0), "First Sunday of September at 03:00:00 AM"},
        {Rule(11, 1, 0, 3, 0, 0), "First Sunday of November at 03:00:00 AM"},
        {Rule(12, 1, 0, 3, 0, 0), "First Sunday of December at 03:00:00 AM"},
        // Values a file may hold outside the ranges fall back to the last word of each list.
        {Rule(13, 0, 7, 3, 0, 0), "Last Saturday of December at 03:00:00 AM"},
        {Rule(0xFFFF, 9, 0xFFFF, 3, 0, 0), "Last Saturday of December at 03:00:00 AM"},
    };
    for (const Case& c : cases)
        EXPECT_STREQ(c.text, (LPCTSTR)DescribeTransition(c.rule)) << c.text;
}

TEST(ZoneClock, AppliesTheRulesAroundTheTransitions)
{
    // Central Europe: +60, daylight +60 from the last Sunday of March 02:00 (31 March 2024) to
    // the last Sunday of October 03:00 (27 October 2024), both in standard local time.
    TIME_ZONE_INFORMATION europe = {};
    europe.Bias = 60;
    europe.DaylightBias = 60;
    europe.DaylightDate = Rule(3, 5, 0, 2, 0, 0);
    europe.StandardDate = Rule(10, 5, 0, 3, 0, 0);
    // A southern zone: +600, daylight +60 from the first Sunday of October (6 October 2024) to
    // the first Sunday of April (7 April 2024) at 03:00.
    TIME_ZONE_INFORMATION south = {};
    south.Bias = 600;
    south.DaylightBias = 60;
    south.DaylightDate = Rule(10, 1, 0, 2, 0, 0);
    south.StandardDate = Rule(4, 1, 0, 3, 0, 0);
    // No daylight saving: UTC + Bias, the standard bias ignored.
    TIME_ZONE_INFORMATION plain = {};
    plain.Bias = -270;
    plain.StandardBias = 30;

    struct Case
    {
        const TIME_ZONE_INFORMATION* zone;
        SYSTEMTIME utc;
        int year, month, day, hour, minute, second;
    } cases[] = {
        {&europe, Utc(2024, 3, 31, 0, 59, 59), 2024, 3, 31, 1, 59, 59},
        {&europe, Utc(2024, 3, 31, 1, 0, 0), 2024, 3, 31, 3, 0, 0},
        {&europe, Utc(2024, 10, 27, 1, 59, 59), 2024, 10, 27, 3, 59, 59},
        {&europe, Utc(2024, 10, 27, 2, 0, 0), 2024, 10, 27, 3, 0, 0},
        {&europe, Utc(2024, 1, 15, 12, 0, 0), 2024, 1, 15, 13, 0, 0},
        {&south, Utc(2024, 1, 15, 12, 0, 0), 2024, 1, 15, 23, 0, 0},
        {&south, Utc(2024, 7, 15, 12, 0, 0), 2024, 7, 15, 22, 0, 0},
        {&plain, Utc(2024, 1, 1, 2, 0, 0), 2023, 12, 31, 21, 30, 0},
    };
    for (const Case& c : cases)
    {
        COleDateTime t = ZoneTimeNow(*c.zone, c.utc);
        ASSERT_EQ(COleDateTime::valid, t.GetStatus());
        EXPECT_EQ(c.year, t.GetYear());
        EXPECT_EQ(c.month, t.GetMonth());
        EXPECT_EQ(c.day, t.GetDay());
        EXPECT_EQ(c.hour, t.GetHour()) << c.utc.wMonth << "/" << c.utc.wDay << " " << c.utc.wHour;
        EXPECT_EQ(c.minute, t.GetMinute());
        EXPECT_EQ(c.second, t.GetSecond());
    }
}

TEST(ZoneOffsets, SplitTowardZeroAndJoinBack)
{
    struct Case
    {
        LONG total;
        int hours, minutes;
    } cases[] = {{-270, -4, -30}, {330, 5, 30}, {-60, -1, 0}, {0, 0, 0}, {-59, 0, -59}, {765, 12, 45}};
    for (const Case& c : cases)
    {
        int hours = 99, minutes = 99;
        SplitMinutes(c.total, hours, minutes);
        EXPECT_EQ(c.hours, hours) << c.total;
        EXPECT_EQ(c.minutes, minutes) << c.total;
        EXPECT_EQ(c.total, JoinMinutes(hours, minutes));
    }
    // Minutes typed without the hours' sign still go the hours' way: St John's is -3:30.
    EXPECT_EQ(-210, JoinMinutes(-3, 30));
    EXPECT_EQ(210, JoinMinutes(3, -30));
    // Without whole hours the minutes carry the sign themselves.
    EXPECT_EQ(30, JoinMinutes(0, 30));
    EXPECT_EQ(-30, JoinMinutes(0, -30));
}

TEST(ZoneOffsets, LocalZoneIsNegatedIntoEastPositive)
{
    TIME_ZONE_INFORMATION zone = {};
    zone.Bias = -330; // as the system gives it: minutes to add to local time for UTC
    zone.StandardBias = 15;
    zone.DaylightBias = -60;
    ToEditorConvention(zone);
    EXPECT_EQ(330, zone.Bias);
    EXPECT_EQ(15, zone.StandardBias);
    EXPECT_EQ(60, zone.DaylightBias);
}

TEST(ZoneNames, FieldsAlwaysKeepATerminator)
{
    struct Case
    {
        const char* name;
        size_t units;
    } cases[] = {
        {"", 0},
        {"Central European Standard Time", 30},
        {"1234567890123456789012345678901", 31},
        {"12345678901234567890123456789012", 31},
        {"A name far longer than any zone name field could ever hold", 31},
    };
    for (const Case& c : cases)
    {
        WCHAR field[32];
        memset(field, 0xAB, sizeof(field));
        ZoneNameToWide(c.name, field);
        size_t units = 0;
        while (units < 32 && field[units] != 0)
            units++;
        EXPECT_EQ(c.units, units) << c.name;
        for (size_t i = 0; i < units; i++)
            EXPECT_EQ((WCHAR)(unsigned char)c.name[i], field[i]);
        for (size_t i = units; i < 32; i++)
            EXPECT_EQ(0, field[i]) << "unit " << i << " of " << c.name;
        EXPECT_STREQ(CString(c.name).Left((int)c.units), (LPCTSTR)ZoneNameFromWide(field));
    }
}

TEST(ZoneNames, ReadingStopsAtTheFieldEnd)
{
    // A file may hold a full field without a terminator, followed by other data.
    struct
    {
        WCHAR field[32];
        WCHAR after[4];
    } record;
    for (int i = 0; i < 32; i++)
        record.field[i] = (WCHAR)('a' + i % 26);
    record.after[0] = 'X';
    record.after[1] = 'Y';
    record.after[2] = 'Z';
    record.after[3] = 0;
    CString name = ZoneNameFromWide(record.field);
    EXPECT_EQ(32, name.GetLength());
    EXPECT_STREQ("abcdefghijklmnopqrstuvwxyzabcdef", (LPCTSTR)name);
}

TEST(ZoneNames, AnsiCharactersConvertBothWays)
{
    // "Zürich" in the ANSI page of the test prefix (1252): ü is 0xFC there and U+00FC in UTF-16.
    ASSERT_EQ(1252u, ::GetACP());
    WCHAR field[32];
    ZoneNameToWide("Z\xFCrich", field);
    EXPECT_EQ(0x00FC, field[1]);
    EXPECT_EQ(0, field[6]);
    EXPECT_STREQ("Z\xFCrich", (LPCTSTR)ZoneNameFromWide(field));
}

TEST(ZoneList, FindsTheFirstZoneOfAName)
{
    CObArray zones;
    const char* names[] = {"Alpha", "Beta", "alpha", "Beta", "(Local Time)"};
    for (const char* name : names)
    {
        CTimeZoneInfo* zone = new CTimeZoneInfo;
        zone->SetName(name);
        zones.Add(zone);
    }
    struct Case
    {
        const char* name;
        int index;
    } cases[] = {{"Alpha", 0},  {"Beta", 1}, {"alpha", 2}, {"(Local Time)", 4},
                 {"ALPHA", -1}, {"Bet", -1}, {"", -1}};
    for (const Case& c : cases)
        EXPECT_EQ(c.index, FindZoneByName(zones, c.name)) << c.name;
    DeleteZones(zones);
    EXPECT_EQ(0, zones.GetSize());
}

TEST(ZoneNames, BlankDisplayNamesAreTold)
{
    struct
    {
        LPCTSTR name;
        BOOL blank;
    } cases[] = {
        {"", TRUE}, {" ", TRUE}, {"  \t ", TRUE}, {"x", FALSE}, {" Berlin ", FALSE}, {"(Local Time)", FALSE},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.blank, IsBlankZoneName(c.name)) << "'" << c.name << "'";
}
