// Lines of the zone table into zone records, and the records as the time-zone file holds them.
#include <gtest/gtest.h>

#include "TestSupport.h"
#include "TimeZoneInfo.h"
#include "ZoneRules.h"
#include "ZoneTable.h"

TEST(ZoneTable, LinesBecomeZones)
{
    CTimeZoneInfo zone;
    ASSERT_TRUE(
        ParseZoneTableLine("(GMT+01:00) Berlin\tCET\tCEST\t60\t60\t10\t5\t0\t3\t0\t3\t5\t0\t2\t0\n", zone));
    EXPECT_EQ(CString("(GMT+01:00) Berlin"), zone.GetName());
    EXPECT_EQ(60, zone.m_tzi.Bias);
    EXPECT_EQ(60, zone.m_tzi.DaylightBias);
    EXPECT_EQ(0, zone.m_tzi.StandardBias);
    EXPECT_EQ(CString("CET"), ZoneNameFromWide(zone.m_tzi.StandardName));
    EXPECT_EQ(CString("CEST"), ZoneNameFromWide(zone.m_tzi.DaylightName));
    const SYSTEMTIME& std = zone.m_tzi.StandardDate;
    EXPECT_EQ((WORD)10, std.wMonth);
    EXPECT_EQ((WORD)5, std.wDay);
    EXPECT_EQ((WORD)0, std.wDayOfWeek);
    EXPECT_EQ((WORD)3, std.wHour);
    const SYSTEMTIME& dst = zone.m_tzi.DaylightDate;
    EXPECT_EQ((WORD)3, dst.wMonth);
    EXPECT_EQ((WORD)5, dst.wDay);
    EXPECT_EQ((WORD)2, dst.wHour);
    EXPECT_EQ((WORD)0, dst.wYear);

    // West of Greenwich with a half hour, and a zone without daylight saving.
    ASSERT_TRUE(
        ParseZoneTableLine("(GMT-03:30) St Johns\tNST\tNDT\t-210\t60\t11\t1\t0\t2\t0\t3\t2\t0\t2\t0", zone));
    EXPECT_EQ(-210, zone.m_tzi.Bias);
    ASSERT_TRUE(
        ParseZoneTableLine("(GMT+05:30) Kolkata\tIST\tIST\t330\t0\t0\t1\t0\t0\t0\t0\t1\t0\t0\t0\r\n", zone));
    EXPECT_EQ(CString("(GMT+05:30) Kolkata"), zone.GetName());
    EXPECT_EQ(0, zone.m_tzi.DaylightDate.wMonth);
    EXPECT_EQ(CString("Not specified for this Timezone"), DescribeTransition(zone.m_tzi.DaylightDate));
}

TEST(ZoneTable, BadLinesLeaveTheZoneAlone)
{
    const char* bad[] = {
        "",
        "(GMT+01:00) Berlin\tCET\tCEST\t60\t60\t10\t5\t0\t3\t0\t3\t5\t0\t2",       // a field short
        "(GMT+01:00) Berlin\tCET\tCEST\t60\t60\t10\t5\t0\t3\t0\t3\t5\t0\t2\t0\t9", // one too many
        "(GMT+01:00) Berlin\tCET\tCEST\tsixty\t60\t10\t5\t0\t3\t0\t3\t5\t0\t2\t0", // not a number
        "(GMT+01:00) Berlin\tCET\tCEST\t60x\t60\t10\t5\t0\t3\t0\t3\t5\t0\t2\t0",   // trailing letters
        "(GMT+01:00) Berlin\tCET\tCEST\t60\t60\t13\t5\t0\t3\t0\t3\t5\t0\t2\t0",    // month 13
        "(GMT+01:00) Berlin\tCET\tCEST\t60\t60\t10\t6\t0\t3\t0\t3\t5\t0\t2\t0",    // week 6
        "(GMT+01:00) Berlin\tCET\tCEST\t60\t60\t10\t5\t7\t3\t0\t3\t5\t0\t2\t0",    // weekday 7
        "(GMT+01:00) Berlin\tCET\tCEST\t60\t60\t10\t5\t0\t24\t0\t3\t5\t0\t2\t0",   // hour 24
        "(GMT+01:00) Berlin\tCET\tCEST\t60\t60\t10\t5\t0\t3\t0\t0\t5\t0\t2\t0",    // one rule only
        "(GMT+01:00) Berlin\tCET\tCEST\t1500\t60\t10\t5\t0\t3\t0\t3\t5\t0\t2\t0",  // beyond a day
        "   \tCET\tCEST\t60\t60\t10\t5\t0\t3\t0\t3\t5\t0\t2\t0",                   // blank name
    };
    for (size_t i = 0; i < sizeof(bad) / sizeof(bad[0]); i++)
    {
        CTimeZoneInfo zone;
        EXPECT_FALSE(ParseZoneTableLine(bad[i], zone)) << bad[i];
        EXPECT_EQ(CString("(Local Time)"), zone.GetName()) << bad[i];
        EXPECT_EQ(0, zone.m_tzi.Bias) << bad[i];
    }
}

TEST(ZoneTable, ZonesFromTheTableAreTheFilesRecords)
{
    // The Berlin line gives the file record that a zone typed into Torvane gives.
    CTimeZoneInfo zone;
    ASSERT_TRUE(
        ParseZoneTableLine("(GMT+01:00) Berlin\tCET\tCEST\t60\t60\t10\t5\t0\t3\t0\t3\t5\t0\t2\t0", zone));
    TimeZoneFileRecord record;
    CTimeZoneInfo::EncodeRecord(zone.m_tzi, record);
    std::string expected = "c4ffffff" + HexOfUtf16("CET", 32) + "0000 0000 0200 0500 0300 0000 0a00 0000" +
                           "00000000" + HexOfUtf16("CEST", 32) + "0000 0000 0000 0500 0200 0000 0500 0300" +
                           "c4ffffff";
    const BYTE* p = (const BYTE*)&record;
    EXPECT_EQ(Hex(Image(expected)), Hex(Bytes(p, p + sizeof(record))));
}
