// The zone table from which the build makes the time-zone file: one zone per line, its fields
// separated by tabs (see zonedata/zone_table.py, which writes it from the system's database).
#ifndef VELMORA_TZEDITOR_ZONETABLE_H
#define VELMORA_TZEDITOR_ZONETABLE_H

#include <afx.h>

#include "TimeZoneInfo.h"

// Fills the zone from one line of the table: display name, standard name, daylight name, bias,
// daylight bias, then the standard and the daylight transition as month, week, weekday, hour
// and minute. FALSE, with the zone untouched, when a field is missing, not a number or out of
// the record's range.
BOOL ParseZoneTableLine(LPCSTR lpszLine, CTimeZoneInfo& zone);

#endif // VELMORA_TZEDITOR_ZONETABLE_H
