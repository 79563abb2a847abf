#include "ZoneRules.h"

#include "TimeZoneInfo.h"
#include "ZoneTime.h"

namespace
{
LPCTSTR WeekWord(WORD week)
{
    switch (week)
    {
    case 1:
        return _T("First ");
    case 2:
        return _T("Second ");
    case 3:
        return _T("Third ");
    case 4:
        return _T("Fourth ");
    default:
        return _T("Last ");
    }
}

LPCTSTR WeekdayWord(WORD dayOfWeek)
{
    static const LPCTSTR s_days[] = {_T("Sunday "),    _T("Monday "),   _T("Tuesday "),
                                     _T("Wednesday "), _T("Thursday "), _T("Friday ")};
    return dayOfWeek < 6 ? s_days[dayOfWeek] : _T("Saturday ");
}

LPCTSTR MonthWord(WORD month)
{
    static const LPCTSTR s_months[] = {_T("January"),   _T("February"), _T("March"),   _T("April"),
                                       _T("May"),       _T("June"),     _T("July"),    _T("August"),
                                       _T("September"), _T("October"),  _T("November")};
    return (month >= 1 && month <= 11) ? s_months[month - 1] : _T("December");
}
} // namespace

CString DescribeTransition(const SYSTEMTIME& date)
{
    if (date.wMonth == 0)
        return CString(_T("Not specified for this Timezone"));
    CString text = WeekWord(date.wDay);
    text += WeekdayWord(date.wDayOfWeek);
    text += _T("of ");
    text += MonthWord(date.wMonth);
    text += _T(" at ");
    COleDateTime at(1899, 12, 30, date.wHour, date.wMinute, date.wSecond);
    text += at.Format(_T("%H:%M:%S %p"));
    return text;
}

COleDateTime ZoneTimeNow(const TIME_ZONE_INFORMATION& zone, const SYSTEMTIME& utc)
{
    return GetZoneTime(zone, utc);
}

void ToEditorConvention(TIME_ZONE_INFORMATION& zone)
{
    zone.Bias = -zone.Bias;
    zone.DaylightBias = -zone.DaylightBias;
}

void SplitMinutes(LONG total, int& hours, int& minutes)
{
    // C++ division truncates toward zero, which is the split the editing fields show.
    hours = (int)(total / 60);
    minutes = (int)(total % 60);
}

LONG JoinMinutes(int hours, int minutes)
{
    // The minutes are the rest of the offset past its whole hours, so they go the hours' way: a
    // minus before the hours alone ("-3 : 30") is three and a half hours west, not two and a half.
    if ((hours < 0 && minutes > 0) || (hours > 0 && minutes < 0))
        minutes = -minutes;
    return (LONG)hours * 60 + minutes;
}

CString ZoneNameFromWide(const WCHAR* field)
{
    int length = 0;
    while (length < 32 && field[length] != 0)
        length++;
    if (length == 0)
        return CString();
    char buffer[32 * 2 + 1];
    int n = ::WideCharToMultiByte(CP_ACP, 0, field, length, buffer, (int)sizeof(buffer) - 1, NULL, NULL);
    buffer[n > 0 ? n : 0] = 0;
    return CString(buffer);
}

void ZoneNameToWide(LPCTSTR name, WCHAR* field)
{
    memset(field, 0, 32 * sizeof(WCHAR));
    if (name == NULL || *name == 0)
        return;
    // Convert in full first: a name cut inside a double-byte character must not leave half of it.
    int needed = ::MultiByteToWideChar(CP_ACP, 0, name, -1, NULL, 0);
    if (needed <= 0)
        return;
    WCHAR* wide = new WCHAR[needed];
    ::MultiByteToWideChar(CP_ACP, 0, name, -1, wide, needed);
    int length = needed - 1;
    if (length > TORVANE_ZONE_NAME_CHARS)
        length = TORVANE_ZONE_NAME_CHARS;
    // Never end on the first half of a surrogate pair.
    if (length > 0 && wide[length - 1] >= 0xD800 && wide[length - 1] <= 0xDBFF)
        length--;
    memcpy(field, wide, length * sizeof(WCHAR));
    delete[] wide;
}

int FindZoneByName(const CObArray& zones, LPCTSTR name)
{
    for (INT_PTR i = 0; i < zones.GetSize(); i++)
    {
        CTimeZoneInfo* pZone = (CTimeZoneInfo*)zones.GetAt(i);
        if (pZone != NULL &&
            _mbscmp((const unsigned char*)(LPCTSTR)pZone->m_strName, (const unsigned char*)name) == 0)
            return (int)i;
    }
    return -1;
}

void DeleteZones(CObArray& zones)
{
    for (INT_PTR i = 0; i < zones.GetSize(); i++)
        delete zones.GetAt(i);
    zones.RemoveAll();
}

BOOL IsBlankZoneName(LPCTSTR name)
{
    CString text(name);
    text.TrimLeft();
    text.TrimRight();
    return text.IsEmpty();
}
