#include "ZoneTable.h"

#include <stdlib.h>

#include "ZoneRules.h"

namespace
{
const int s_fieldCount = 15;

BOOL ToNumber(const CString& text, long lMin, long lMax, long& value)
{
    if (text.IsEmpty())
        return FALSE;
    char* end = NULL;
    value = strtol(text, &end, 10);
    return *end == 0 && value >= lMin && value <= lMax;
}

BOOL ToTransition(const CString* fields, SYSTEMTIME& date)
{
    long month, week, weekday, hour, minute;
    if (!ToNumber(fields[0], 0, 12, month) || !ToNumber(fields[1], 1, 5, week) ||
        !ToNumber(fields[2], 0, 6, weekday) || !ToNumber(fields[3], 0, 23, hour) ||
        !ToNumber(fields[4], 0, 59, minute))
        return FALSE;
    memset(&date, 0, sizeof(date));
    date.wMonth = (WORD)month;
    date.wDay = (WORD)week;
    date.wDayOfWeek = (WORD)weekday;
    date.wHour = (WORD)hour;
    date.wMinute = (WORD)minute;
    return TRUE;
}
} // namespace

BOOL ParseZoneTableLine(LPCSTR lpszLine, CTimeZoneInfo& zone)
{
    CString line(lpszLine);
    line.TrimRight(_T("\r\n"));
    CString fields[s_fieldCount];
    int nField = 0;
    int start = 0;
    for (;;)
    {
        int tab = line.Find(_T('\t'), start);
        if (nField == s_fieldCount)
            return FALSE;
        fields[nField++] = tab < 0 ? line.Mid(start) : line.Mid(start, tab - start);
        if (tab < 0)
            break;
        start = tab + 1;
    }
    if (nField != s_fieldCount || IsBlankZoneName(fields[0]) || fields[0].GetLength() > 62)
        return FALSE;

    TIME_ZONE_INFORMATION tzi;
    memset(&tzi, 0, sizeof(tzi));
    long bias, daylightBias;
    // Offsets beyond a day are no zone's; the editor's fields stop at 13 hours and 59 minutes.
    if (!ToNumber(fields[3], -14 * 60, 14 * 60, bias) ||
        !ToNumber(fields[4], -14 * 60, 14 * 60, daylightBias))
        return FALSE;
    if (!ToTransition(fields + 5, tzi.StandardDate) || !ToTransition(fields + 10, tzi.DaylightDate))
        return FALSE;
    // Either both transitions are given or neither: one month alone is no rule.
    if ((tzi.StandardDate.wMonth == 0) != (tzi.DaylightDate.wMonth == 0))
        return FALSE;
    tzi.Bias = bias;
    tzi.DaylightBias = daylightBias;
    ZoneNameToWide(fields[1], tzi.StandardName);
    ZoneNameToWide(fields[2], tzi.DaylightName);
    zone.SetName(fields[0]);
    zone.m_tzi = tzi;
    return TRUE;
}
