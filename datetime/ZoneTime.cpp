// GetZoneTime, computed in whole seconds on the library's day scale so that a transition
// falls exactly on its second, free of floating-point rounding.
#include "ZoneTime.h"
#include "Date.h"

namespace
{
const LONGLONG s_secondsPerDay = 86400;

BOOL RuleMoment(const SYSTEMTIME& rule, LONG year, LONGLONG& moment)
{
    CDate date(year, rule.wMonth, rule.wDay, (WORD)(rule.wDayOfWeek + 1), CAL_GREGORIAN);
    if (!date.IsValid() || rule.wHour > 23 || rule.wMinute > 59 || rule.wSecond > 59)
        return FALSE;
    moment = (LONGLONG)date.GetDayNumber() * s_secondsPerDay + rule.wHour * 3600L + rule.wMinute * 60L +
             rule.wSecond;
    return TRUE;
}

COleDateTime FromMoment(LONGLONG moment)
{
    CDate date;
    LONGLONG day = CDate::FloorDiv(moment, s_secondsPerDay);
    if (day > (LONGLONG)CDate::INVALID_DAY && day <= 0x7FFFFFFF)
        date.SetDayCount((LONG)((DWORD)day - (DWORD)CDate::REFORM_DAY), EPOCH_REFORM, CAL_GREGORIAN);
    COleDateTime result;
    if (!date.IsValid())
    {
        result.SetStatus(COleDateTime::invalid);
        return result;
    }
    LONG second = (LONG)CDate::FloorMod(moment, s_secondsPerDay);
    result.SetDateTime(date.GetYear(), date.GetMonth(), date.GetDay(), second / 3600, second % 3600 / 60,
                       second % 60);
    return result;
}
} // namespace

COleDateTime GetZoneTime(TIME_ZONE_INFORMATION zone, SYSTEMTIME utc)
{
    CDate day(utc.wYear, utc.wMonth, utc.wDay, CAL_GREGORIAN);
    if (!day.IsValid() || utc.wHour > 23 || utc.wMinute > 59 || utc.wSecond > 59)
    {
        COleDateTime invalid;
        invalid.SetStatus(COleDateTime::invalid);
        return invalid;
    }
    LONGLONG local = (LONGLONG)day.GetDayNumber() * s_secondsPerDay + utc.wHour * 3600L + utc.wMinute * 60L +
                     utc.wSecond + (LONGLONG)zone.Bias * 60;
    if (zone.DaylightDate.wMonth == 0)
        return FromMoment(local);

    LONG year = CDate((LONG)((DWORD)CDate::FloorDiv(local, s_secondsPerDay) - (DWORD)CDate::REFORM_DAY),
                      EPOCH_REFORM, CAL_GREGORIAN)
                    .GetYear();
    LONGLONG daylightStart, standardStart;
    // A rule that names no real day cannot be applied; the zone keeps its standard time.
    if (!RuleMoment(zone.DaylightDate, year, daylightStart) ||
        !RuleMoment(zone.StandardDate, year, standardStart))
        return FromMoment(local);

    LONG adjustment;
    if (daylightStart < standardStart)
        adjustment =
            (local >= daylightStart && local < standardStart) ? zone.DaylightBias : zone.StandardBias;
    else
        adjustment =
            (local >= standardStart && local < daylightStart) ? zone.StandardBias : zone.DaylightBias;
    return FromMoment(local + (LONGLONG)adjustment * 60);
}
