// GetZoneTime: the local time of a zone, daylight saving included, for a moment in UTC.
#ifndef VELMORA_DATETIME_ZONETIME_H
#define VELMORA_DATETIME_ZONETIME_H

#include <afx.h>
#include <afxdisp.h>

// The zone's Bias, StandardBias and DaylightBias are minutes to add to UTC (east positive);
// its transition dates are day-in-month rules (wDay 1..5, 5 = last; wDayOfWeek 0 = Sunday),
// their wYear ignored; a DaylightDate month of 0 means no daylight saving. Both transitions
// are compared with the zone's standard local time. Keeps no state.
COleDateTime GetZoneTime(TIME_ZONE_INFORMATION zone, SYSTEMTIME utc);

#endif // VELMORA_DATETIME_ZONETIME_H
