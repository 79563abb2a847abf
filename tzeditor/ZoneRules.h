// The editor's view of a zone's rules: rule texts, the zone clock, offsets split for editing,
// bounded zone names and finding a zone by name. Free of windows, so it can be tested alone.
#ifndef VELMORA_TZEDITOR_ZONERULES_H
#define VELMORA_TZEDITOR_ZONERULES_H

#include <afx.h>
#include <afxcoll.h>
#include <afxdisp.h>

// A zone name field holds 32 wide units; one is kept for the terminator so that every reader
// of the file finds the end of the name inside the field.
const int TORVANE_ZONE_NAME_CHARS = 31;

// "Last Sunday of March at 02:00:00 AM", or "Not specified for this Timezone" when the rule's
// month is 0.
CString DescribeTransition(const SYSTEMTIME& date);

// The zone's time for a moment in UTC, daylight saving included (rules in the editor's
// convention: Bias and DaylightBias east positive).
COleDateTime ZoneTimeNow(const TIME_ZONE_INFORMATION& zone, const SYSTEMTIME& utc);

// The computer's zone as GetTimeZoneInformation gives it, brought into the editor's
// convention (Bias and DaylightBias negated; everything else as it is).
void ToEditorConvention(TIME_ZONE_INFORMATION& zone);

// Offsets split into hours and minutes with truncation toward zero, so both share the sign.
void SplitMinutes(LONG total, int& hours, int& minutes);
// Joined again, the minutes take the sign of the hours when the hours are not zero.
LONG JoinMinutes(int hours, int minutes);

// Zone names between the wide 32-unit fields and the program's multibyte text; reading stops
// at the field's end even when the field holds no terminator.
CString ZoneNameFromWide(const WCHAR* field);
void ZoneNameToWide(LPCTSTR name, WCHAR* field);

// A display name that is empty or holds only blanks names nothing in the list.
BOOL IsBlankZoneName(LPCTSTR name);

// The first zone, in array order, whose display name equals the name byte for byte; -1 if none.
int FindZoneByName(const CObArray& zones, LPCTSTR name);

// Deletes every zone of the array and empties it.
void DeleteZones(CObArray& zones);

#endif // VELMORA_TZEDITOR_ZONERULES_H
