// The time-zone file the build ships, read as both programs read it and run through the zone
// clock the desktop clock draws with: north and south of the equator, daylight saving starts and
// ends at the minute the time-zone database gives (the database's own reading of these moments is
// checked by the zone table's test).
#include <gtest/gtest.h>

#include "TimeZoneInfo.h"
#include "ZoneFile.h"
#include "ZoneRules.h"
#include "ZoneTime.h"

#ifdef VELMORA_TZ_FILE
namespace
{
SYSTEMTIME Utc(WORD year, WORD month, WORD day, WORD hour, WORD minute)
{
    SYSTEMTIME st = {year, month, 0, day, hour, minute, 0, 0};
    return st;
}

// Minutes east of UTC that the zone's clock shows at a moment.
LONG ShownOffset(const TIME_ZONE_INFORMATION& zone, const SYSTEMTIME& utc)
{
    COleDateTime shown = GetZoneTime(zone, utc);
    COleDateTime at(utc.wYear, utc.wMonth, utc.wDay, utc.wHour, utc.wMinute, 0);
    return (LONG)((shown - at).GetTotalMinutes() + (shown >= at ? 0.5 : -0.5));
}
} // namespace

TEST(ShippedZones, ChangesComeWhenTheDatabaseSays)
{
    CObArray zones;
    CException* pError = NULL;
    ASSERT_EQ(zoneFileLoaded, LoadZoneFile(VELMORA_TZ_FILE, zones, &pError)) << VELMORA_TZ_FILE;
    struct Case
    {
        const char* zone;
        SYSTEMTIME utc; // the first minute of the new offset
        LONG before, after;
    } cases[] = {
        {"(GMT-09:00) Anchorage", Utc(2026, 11, 1, 10, 0), -480, -540},
        {"(GMT-09:00) Anchorage", Utc(2027, 3, 14, 11, 0), -540, -480},
        {"(GMT+01:00) Berlin", Utc(2027, 10, 31, 1, 0), 120, 60},
        {"(GMT+01:00) Berlin", Utc(2027, 3, 28, 1, 0), 60, 120},
        {"(GMT+10:00) Sydney", Utc(2027, 4, 3, 16, 0), 660, 600},
        {"(GMT+10:00) Sydney", Utc(2027, 10, 2, 16, 0), 600, 660},
        {"(GMT+12:00) Auckland", Utc(2027, 4, 3, 14, 0), 780, 720},
        {"(GMT+10:30) Lord Howe", Utc(2027, 4, 3, 15, 0), 660, 630},
    };
    for (const Case& c : cases)
    {
        int index = FindZoneByName(zones, c.zone);
        ASSERT_GE(index, 0) << c.zone;
        const TIME_ZONE_INFORMATION& zone = ((CTimeZoneInfo*)zones.GetAt(index))->m_tzi;
        SYSTEMTIME minuteBefore = c.utc;
        minuteBefore.wMinute = (WORD)(c.utc.wMinute == 0 ? 59 : c.utc.wMinute - 1);
        if (c.utc.wMinute == 0)
            minuteBefore.wHour--;
        EXPECT_EQ(c.before, ShownOffset(zone, minuteBefore)) << c.zone << " before " << c.utc.wMonth;
        EXPECT_EQ(c.after, ShownOffset(zone, c.utc)) << c.zone << " at " << c.utc.wMonth;
    }
    DeleteZones(zones);
}
#endif
