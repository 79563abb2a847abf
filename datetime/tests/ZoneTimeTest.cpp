// Zone time: standard offsets and both daylight-saving transitions in either hemisphere.
#include <gtest/gtest.h>

#include "ZoneTime.h"

namespace
{
// Biases are minutes added to UTC (east positive).
TIME_ZONE_INFORMATION Zone(LONG bias, LONG standardBias, LONG daylightBias, SYSTEMTIME daylight,
                           SYSTEMTIME standard)
{
    TIME_ZONE_INFORMATION tzi = {};
    tzi.Bias = bias;
    tzi.StandardBias = standardBias;
    tzi.DaylightBias = daylightBias;
    tzi.DaylightDate = daylight;
    tzi.StandardDate = standard;
    return tzi;
}

const SYSTEMTIME kNone = {0, 0, 0, 1, 0, 0, 0, 0};
// Last Sunday of March 02:00 to last Sunday of October 03:00.
const TIME_ZONE_INFORMATION kNorth = Zone(60, 0, 60, {0, 3, 0, 5, 2, 0, 0, 0}, {0, 10, 0, 5, 3, 0, 0, 0});
const TIME_ZONE_INFORMATION kNorthWinterBias =
    Zone(60, 10, 60, {0, 3, 0, 5, 2, 0, 0, 0}, {0, 10, 0, 5, 3, 0, 0, 0});
// First Sunday of October 02:00 to first Sunday of April 03:00.
const TIME_ZONE_INFORMATION kSouth = Zone(600, 0, 60, {0, 10, 0, 1, 2, 0, 0, 0}, {0, 4, 0, 1, 3, 0, 0, 0});
// Second Sunday of March 02:00 to first Sunday of November 02:00, west of Greenwich.
const TIME_ZONE_INFORMATION kWest = Zone(-300, 0, 60, {0, 3, 0, 2, 2, 0, 0, 0}, {0, 11, 0, 1, 2, 0, 0, 0});
const TIME_ZONE_INFORMATION kFixed = Zone(60, -30, 60, kNone, kNone);
const TIME_ZONE_INFORMATION kBadRule = Zone(60, 0, 60, {0, 3, 0, 0, 2, 0, 0, 0}, {0, 10, 0, 5, 3, 0, 0, 0});
const TIME_ZONE_INFORMATION kSecondsRule =
    Zone(60, 0, 60, {0, 3, 0, 5, 2, 0, 30, 0}, {0, 10, 0, 5, 3, 0, 0, 0});

struct Moment
{
    int y, mo, d, h, mi, s;
};

TEST(ZoneTime, AgainstHandComputedTimes)
{
    struct Case
    {
        const char* what;
        const TIME_ZONE_INFORMATION* zone;
        Moment utc, local;
    } cases[] = {
        {"fixed, winter", &kFixed, {2024, 1, 15, 12, 0, 0}, {2024, 1, 15, 13, 0, 0}},
        {"fixed, next day", &kFixed, {2024, 7, 15, 23, 30, 0}, {2024, 7, 16, 0, 30, 0}},
        {"north, before start", &kNorth, {2024, 3, 31, 0, 59, 59}, {2024, 3, 31, 1, 59, 59}},
        {"north, at start", &kNorth, {2024, 3, 31, 1, 0, 0}, {2024, 3, 31, 3, 0, 0}},
        {"north, summer", &kNorth, {2024, 7, 1, 12, 0, 0}, {2024, 7, 1, 14, 0, 0}},
        {"north, before end", &kNorth, {2024, 10, 27, 1, 59, 59}, {2024, 10, 27, 3, 59, 59}},
        {"north, at end", &kNorth, {2024, 10, 27, 2, 0, 0}, {2024, 10, 27, 3, 0, 0}},
        {"north, new year", &kNorth, {2024, 12, 31, 23, 30, 0}, {2025, 1, 1, 0, 30, 0}},
        {"north, winter bias", &kNorthWinterBias, {2024, 1, 15, 12, 0, 0}, {2024, 1, 15, 13, 10, 0}},
        {"north, last Sunday in week four", &kNorth, {2018, 3, 25, 1, 0, 0}, {2018, 3, 25, 3, 0, 0}},
        {"north, the Sunday before it", &kNorth, {2018, 3, 18, 1, 0, 0}, {2018, 3, 18, 2, 0, 0}},
        {"south, January", &kSouth, {2024, 1, 15, 0, 0, 0}, {2024, 1, 15, 11, 0, 0}},
        {"south, June", &kSouth, {2024, 6, 15, 0, 0, 0}, {2024, 6, 15, 10, 0, 0}},
        {"south, before start", &kSouth, {2024, 10, 5, 15, 59, 59}, {2024, 10, 6, 1, 59, 59}},
        {"south, at start", &kSouth, {2024, 10, 5, 16, 0, 0}, {2024, 10, 6, 3, 0, 0}},
        {"south, before end", &kSouth, {2024, 4, 6, 16, 59, 59}, {2024, 4, 7, 3, 59, 59}},
        {"south, at end", &kSouth, {2024, 4, 6, 17, 0, 0}, {2024, 4, 7, 3, 0, 0}},
        {"south, year of the local time", &kSouth, {2023, 12, 31, 20, 0, 0}, {2024, 1, 1, 7, 0, 0}},
        {"west, before start", &kWest, {2024, 3, 10, 6, 59, 59}, {2024, 3, 10, 1, 59, 59}},
        {"west, at start", &kWest, {2024, 3, 10, 7, 0, 0}, {2024, 3, 10, 3, 0, 0}},
        {"west, before end", &kWest, {2024, 11, 3, 6, 59, 59}, {2024, 11, 3, 2, 59, 59}},
        {"west, at end", &kWest, {2024, 11, 3, 7, 0, 0}, {2024, 11, 3, 2, 0, 0}},
        {"west, previous year", &kWest, {2024, 1, 1, 3, 0, 0}, {2023, 12, 31, 22, 0, 0}},
        {"rule naming no day", &kBadRule, {2024, 7, 1, 12, 0, 0}, {2024, 7, 1, 13, 0, 0}},
        {"rule with seconds, before", &kSecondsRule, {2024, 3, 31, 1, 0, 29}, {2024, 3, 31, 2, 0, 29}},
        {"rule with seconds, at", &kSecondsRule, {2024, 3, 31, 1, 0, 30}, {2024, 3, 31, 3, 0, 30}},
    };
    for (const Case& c : cases)
    {
        SYSTEMTIME utc = {(WORD)c.utc.y,  (WORD)c.utc.mo, 0,  (WORD)c.utc.d, (WORD)c.utc.h,
                          (WORD)c.utc.mi, (WORD)c.utc.s,  999};
        COleDateTime t = GetZoneTime(*c.zone, utc);
        ASSERT_EQ(t.GetStatus(), COleDateTime::valid) << c.what;
        Moment got = {t.GetYear(), t.GetMonth(), t.GetDay(), t.GetHour(), t.GetMinute(), t.GetSecond()};
        EXPECT_EQ(std::vector<int>({got.y, got.mo, got.d, got.h, got.mi, got.s}),
                  std::vector<int>({c.local.y, c.local.mo, c.local.d, c.local.h, c.local.mi, c.local.s}))
            << c.what;
    }
}

TEST(ZoneTime, InvalidUniversalTimeGivesInvalidResult)
{
    SYSTEMTIME bad[] = {
        {2024, 13, 0, 1, 0, 0, 0, 0}, {2024, 2, 0, 30, 0, 0, 0, 0}, {2024, 1, 0, 1, 24, 0, 0, 0}};
    for (const SYSTEMTIME& st : bad)
        EXPECT_NE(GetZoneTime(kNorth, st).GetStatus(), COleDateTime::valid);
}
} // namespace
