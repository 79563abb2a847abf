// CDate: day numbers, the two calendars and the 1582 reform, epochs, names and formatting.
#include "Date.h"
#include "FormatCodes.h"

IMPLEMENT_SERIAL(CDate, CObject, VERSIONABLE_SCHEMA | 1)

namespace
{
// Day-number offsets added by SetDayCount, indexed by epoch.
const LONG s_epochOffset[7] = {
    1997700839, // Julian Day Number
    2000100839, // JDN - 2,400,000
    2000115860, // 1900-01-01
    2000134122, // 1950-01-01
    2000141427, // 1970-01-01
    2000152384, // 2000-01-01
    2000000000, // 1582-10-15
};

// Day numbers above this, read unsigned, lie outside the range the split and the epochs serve.
const DWORD s_maxDayNumber = 0xF72CC337u;

const WORD s_monthLength[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

int FlagOf(int calendar, BOOL gregorianDate)
{
    switch (calendar)
    {
    case CAL_JULIAN:
        return 0;
    case CAL_GREGORIAN:
        return 1;
    case CAL_REFORM:
        return gregorianDate ? 1 : 0;
    }
    return -1;
}

CString LocaleText(LCTYPE type, int cchBuffer)
{
    CString text;
    LPTSTR buf = text.GetBuffer(cchBuffer);
    int n = ::GetLocaleInfoA(LOCALE_USER_DEFAULT, type, buf, cchBuffer);
    buf[n > 0 ? n - 1 : 0] = '\0';
    text.ReleaseBuffer();
    return text;
}
} // namespace

CString CDate::LoadResourceText(UINT nID, LPCTSTR lpszDefault)
{
    CString text;
    if (!text.LoadString(nID) || text.IsEmpty())
        text = lpszDefault;
    return text;
}

CDate::CDate() : m_dayNumber(INVALID_DAY), m_calendar(0) {}

CDate::CDate(LONG year, WORD month, WORD day, int calendar)
{
    SetDate(year, month, day, calendar);
}

CDate::CDate(const SYSTEMTIME& st, int calendar)
{
    SetDate(st.wYear, st.wMonth, st.wDay, calendar);
}

CDate::CDate(LONG year, WORD month, WORD week, WORD dayOfWeek, int calendar)
{
    SetWeekOfMonthDate(year, month, week, dayOfWeek, calendar);
}

CDate::CDate(LONG count, int epoch, int calendar)
{
    SetDayCount(count, epoch, calendar);
}

CDate::CDate(const CDate& other) : CObject(), m_dayNumber(other.m_dayNumber), m_calendar(other.m_calendar) {}

CDate& CDate::operator=(const CDate& other)
{
    m_dayNumber = other.m_dayNumber;
    m_calendar = other.m_calendar;
    return *this;
}

void CDate::SetInvalid()
{
    m_dayNumber = INVALID_DAY;
    m_calendar = 0;
}

BOOL CDate::IsLeapYear(LONG year, int calendar)
{
    switch (calendar)
    {
    case CAL_GREGORIAN:
        if (year % 100 == 0)
            return year % 400 == 0;
        break;
    case CAL_REFORM:
        if (IsGregorianDate(year, 1, 1) && year % 100 == 0)
            return year % 400 == 0;
        break;
    case CAL_JULIAN:
        break;
    default:
        return FALSE;
    }
    return year % 4 == 0;
}

WORD CDate::DaysInYear(LONG year, int calendar)
{
    return (WORD)(365 + (IsLeapYear(year, calendar) ? 1 : 0));
}

WORD CDate::DaysInMonth(WORD month, BOOL leap)
{
    if (month < 1 || month > 12)
        return 0;
    return (WORD)(s_monthLength[month - 1] + (month == 2 && leap ? 1 : 0));
}

void CDate::GetReformDate(LONG& year, WORD& month, WORD& day)
{
    year = 1582;
    month = 10;
    day = 15;
}

BOOL CDate::IsGregorianDate(LONG year, WORD month, WORD day)
{
    if (year != 1582)
        return year > 1582;
    if (month != 10)
        return month > 10;
    return day >= 15;
}

BOOL CDate::SetDate(LONG year, WORD month, WORD day, int calendar)
{
    SetInvalid();
    // Day 0 would silently name the last day of the previous month.
    if (month < 1 || month > 12 || day < 1)
        return FALSE;
    BOOL leap = IsLeapYear(year, calendar);
    if (day > DaysInMonth(month, leap))
        return FALSE;
    if (year == 1582 && month == 10 && day > 4 && day < 15)
        return FALSE;
    int flag = FlagOf(calendar, IsGregorianDate(year, month, day));
    if (flag < 0)
        return FALSE;

    // 64-bit so that a far year is refused instead of wrapping onto some other day.
    LONGLONG y1 = (LONGLONG)year - 1;
    LONGLONG n = 365 * y1 + FloorDiv(y1, 4);
    if (flag)
        n += FloorDiv(y1, 400) - FloorDiv(y1, 100);
    for (WORD m = 1; m < month; m++)
        n += DaysInMonth(m, leap);
    n += day;
    n += flag ? 1999422264 : 1999422262;
    // The same bounds as a day count, so that every date made here can be stepped and split.
    if (n <= (LONGLONG)INVALID_DAY || n > 0x7FFFFFFF || (DWORD)(LONG)n > s_maxDayNumber)
        return FALSE;
    m_dayNumber = (LONG)n;
    m_calendar = flag;
    return TRUE;
}

BOOL CDate::SetWeekOfMonthDate(LONG year, WORD month, WORD week, WORD dayOfWeek, int calendar)
{
    SetInvalid();
    if (week < 1 || week > 5 || dayOfWeek < 1 || dayOfWeek > 7)
        return FALSE;
    if (week == 5)
    {
        // The last one: first of the next month, one week back.
        LONG nextYear = year;
        WORD nextMonth = (WORD)(month + 1);
        if (month == 12)
        {
            if (year == 0x7FFFFFFF)
                return FALSE;
            nextMonth = 1;
            nextYear = year + 1;
        }
        if (month < 1 || month > 12 || !SetWeekOfMonthDate(nextYear, nextMonth, 1, dayOfWeek, calendar))
            return FALSE;
        // Stepped back through the calendar argument, not the next month's flag: by the reform
        // the last week of September 1582 is Julian although the first of October's week is not.
        return SetDayCount((LONG)((DWORD)GetDaysSinceReform() - 7u), EPOCH_REFORM, calendar);
    }
    CDate first(year, month, 1, calendar);
    if (!first.IsValid())
        return FALSE;
    int w1 = first.GetDayOfWeek();
    LONG offset = ((dayOfWeek - w1 + 7) % 7) + 7 * (week - 1);
    // Counted in days from the first of the month rather than as a day of the month: in the
    // month of the reform ten days are missing, and a day of the month taken past them would
    // fall on another weekday.
    CDate result;
    if (!result.SetDayCount((LONG)((DWORD)first.GetDaysSinceReform() + (DWORD)offset), EPOCH_REFORM,
                            calendar))
        return FALSE;
    Parts p;
    result.Split(p);
    if (p.year != year || p.month != month || (year == 1582 && month == 10 && p.day > 4 && p.day < 15))
        return FALSE;
    *this = result;
    return TRUE;
}

BOOL CDate::SetDayCount(LONG count, int epoch, int calendar)
{
    SetInvalid();
    if (epoch < 0 || epoch > 6)
        return FALSE;
    DWORD n = (DWORD)count + (DWORD)s_epochOffset[epoch];
    // A sum that wraps onto the invalid marker is no day at all, whatever the calendar says.
    if (n > s_maxDayNumber || n == (DWORD)INVALID_DAY)
        return FALSE;
    int flag = FlagOf(calendar, (LONG)n >= REFORM_DAY);
    if (flag < 0)
        return FALSE;
    m_dayNumber = (LONG)n;
    m_calendar = flag;
    return TRUE;
}

LONG CDate::GetJulianDayNumber() const
{
    if (!IsValid())
        return 0;
    return (LONG)((DWORD)m_dayNumber - (DWORD)JDN_OFFSET);
}

LONG CDate::GetDaysSinceReform() const
{
    return (LONG)((DWORD)m_dayNumber - (DWORD)REFORM_DAY);
}

void CDate::Split(Parts& parts) const
{
    const BOOL g = m_calendar != 0;
    LONGLONG n = (LONGLONG)m_dayNumber - (g ? 1999422265 : 1999422263);
    const LONGLONG cycle = g ? 146097 : 146100;
    LONGLONG year = 400 * FloorDiv(n, cycle);
    n = FloorMod(n, cycle);
    LONGLONG dayOfYear;
    if (n == 0)
    {
        dayOfYear = 1;
        year += 1;
    }
    else
    {
        const LONGLONG century = g ? 36524 : 36525;
        LONGLONG c = n / century;
        LONGLONG r = n - c * century;
        year += 100 * c;
        if (r == 0)
        {
            if (g)
                dayOfYear = 366;
            else
            {
                dayOfYear = 1;
                year += 1;
            }
        }
        else
        {
            year += 4 * (r / 1461);
            r %= 1461;
            for (int i = 0; i < 3 && r > 365; i++)
            {
                r -= 365;
                year += 1;
            }
            dayOfYear = r + 1;
            year += 1;
        }
    }

    const BOOL leap = IsLeapYear((LONG)year, g ? CAL_GREGORIAN : CAL_JULIAN);
    LONGLONG rest = dayOfYear;
    WORD month = 1;
    while (rest > DaysInMonth(month, leap))
    {
        rest -= DaysInMonth(month, leap);
        if (++month > 12)
        {
            month = 1;
            year += 1;
        }
    }
    parts.year = (LONG)year;
    parts.month = month;
    parts.day = (WORD)rest;
    parts.dayOfWeek = (WORD)(FloorMod(m_dayNumber, 7) + 1);
    parts.dayOfYear = (WORD)(FloorDiv(275 * month, 9) - FloorDiv(month + 9, 12) * (leap ? 1 : 2) + rest - 30);
}

LONG CDate::GetYear() const
{
    Parts p;
    Split(p);
    return p.year;
}

WORD CDate::GetMonth() const
{
    Parts p;
    Split(p);
    return p.month;
}

WORD CDate::GetDay() const
{
    Parts p;
    Split(p);
    return p.day;
}

WORD CDate::GetDayOfWeek() const
{
    return (WORD)(FloorMod(m_dayNumber, 7) + 1);
}

WORD CDate::GetDayOfYear() const
{
    CDate jan1(GetYear(), 1, 1, m_calendar);
    return (WORD)(*this - jan1 + 1);
}

WORD CDate::GetFirstDayOfWeek()
{
    CString text = LocaleText(LOCALE_IFIRSTDAYOFWEEK, 10);
    // The locale counts from Monday = 0; this library from Sunday = 1.
    if (text.GetLength() == 1 && text[0] >= '0' && text[0] <= '6')
        return (WORD)((text[0] - '0' + 1) % 7 + 1);
    return 2;
}

WORD CDate::GetWeekOfYear() const
{
    CDate first(GetYear(), 1, 1, GetFirstDayOfWeek(), m_calendar);
    LONG d = *this - first;
    if (d < 0)
        return 0;
    return (WORD)(d / 7 + 1);
}

LONG CDate::GetEraYear(BOOL& isAD) const
{
    LONG year = GetYear();
    isAD = year > 0;
    return isAD ? year : 1 - year;
}

WORD CDate::GetTwoDigitYear() const
{
    LONG year = GetYear();
    return (WORD)((year < 0 ? -(LONGLONG)year : year) % 100);
}

CString CDate::GetDayName(WORD dayOfWeek, BOOL abbreviated)
{
    if (dayOfWeek < 1 || dayOfWeek > 7)
        return CString();
    // The locale's day names start with Monday; Sunday is its seventh.
    int index = dayOfWeek == 1 ? 6 : dayOfWeek - 2;
    return LocaleText((abbreviated ? LOCALE_SABBREVDAYNAME1 : LOCALE_SDAYNAME1) + index, 100);
}

CString CDate::GetMonthName(WORD month, BOOL abbreviated)
{
    if (month < 1 || month > 12)
        return CString();
    return LocaleText((abbreviated ? LOCALE_SABBREVMONTHNAME1 : LOCALE_SMONTHNAME1) + month - 1, 100);
}

CString CDate::GetDayName() const
{
    return GetDayName(GetDayOfWeek(), FALSE);
}

CString CDate::GetAbbrevDayName() const
{
    return GetDayName(GetDayOfWeek(), TRUE);
}

CString CDate::GetMonthName() const
{
    return GetMonthName(GetMonth(), FALSE);
}

CString CDate::GetAbbrevMonthName() const
{
    return GetMonthName(GetMonth(), TRUE);
}

CString CDate::GetCalendarName() const
{
    if (m_calendar)
        return LoadResourceText(IDS_DATE_CAL_GREGORIAN, _T("Gregorian"));
    return LoadResourceText(IDS_DATE_CAL_JULIAN, _T("Julian"));
}

CString CDate::GetEraText() const
{
    BOOL isAD;
    LONG year = GetEraYear(isAD);
    CString number;
    number.Format(_T("%ld"), year);
    CString text = isAD ? LoadResourceText(IDS_DATE_ERA_AD, _T("%1 AD"))
                        : LoadResourceText(IDS_DATE_ERA_BC, _T("%1 BC"));
    text.Replace(_T("%1"), number);
    return text;
}

BOOL CDate::ToSystemTime(SYSTEMTIME& st) const
{
    Parts p;
    Split(p);
    if (p.year < 0 || p.year > 65535)
        return FALSE;
    memset(&st, 0, sizeof(st));
    st.wYear = (WORD)p.year;
    st.wMonth = p.month;
    st.wDay = p.day;
    st.wDayOfWeek = (WORD)(p.dayOfWeek - 1);
    return TRUE;
}

CDate CDate::operator+(LONG days) const
{
    CDate result;
    if (IsValid())
        result.SetDayCount((LONG)((DWORD)GetDaysSinceReform() + (DWORD)days), EPOCH_REFORM, m_calendar);
    return result;
}

CDate CDate::operator-(LONG days) const
{
    return *this + (LONG)(0u - (DWORD)days);
}

CDate& CDate::operator+=(LONG days)
{
    *this = *this + days;
    return *this;
}

CDate& CDate::operator-=(LONG days)
{
    *this = *this - days;
    return *this;
}

CDate& CDate::AddWeeks(LONG weeks)
{
    return *this += (LONG)((DWORD)weeks * 7u);
}

LONG CDate::operator-(const CDate& other) const
{
    if (!IsValid() || !other.IsValid())
        return 0;
    return (LONG)((DWORD)m_dayNumber - (DWORD)other.m_dayNumber);
}

CString CDate::Format() const
{
    return Format(CString(_T("%d/%m/%Y")));
}

CString CDate::FormatCode(TCHAR code, BOOL alternate) const
{
    CString out;
    SYSTEMTIME st;
    TCHAR buf[100];
    switch (code)
    {
    case 'd':
        out.Format(alternate ? _T("%d") : _T("%.02d"), GetDay());
        break;
    case 'm':
        out.Format(alternate ? _T("%d") : _T("%.02d"), GetMonth());
        break;
    case 'j':
        out.Format(alternate ? _T("%d") : _T("%.03d"), GetDayOfYear());
        break;
    case 'U':
        out.Format(alternate ? _T("%d") : _T("%.02d"), GetWeekOfYear());
        break;
    case 'y':
        out.Format(alternate ? _T("%d") : _T("%.02d"), GetTwoDigitYear());
        break;
    case 'x':
        if (ToSystemTime(st))
        {
            int n = ::GetDateFormatA(LOCALE_USER_DEFAULT, alternate ? DATE_LONGDATE : DATE_SHORTDATE, &st,
                                     NULL, buf, 100);
            if (n > 0)
                out = buf;
        }
        break;
    default:
        if (alternate)
            out = code;
        else
        {
            switch (code)
            {
            case 'Y':
                out.Format(_T("%ld"), GetYear());
                break;
            case 'w':
                out.Format(_T("%d"), GetDayOfWeek());
                break;
            case 'A':
                out = GetDayName();
                break;
            case 'a':
                out = GetAbbrevDayName();
                break;
            case 'B':
                out = GetMonthName();
                break;
            case 'b':
                out = GetAbbrevMonthName();
                break;
            case 'c':
                out = GetEraText();
                break;
            case 'f':
                out = GetCalendarName();
                break;
            default:
                out = code;
                break;
            }
        }
        break;
    }
    return out;
}

CString CDate::Format(const CString& fmt) const
{
    if (!IsValid())
        return CString();
    return ExpandFormat(fmt, [this](TCHAR code, BOOL alternate) { return FormatCode(code, alternate); });
}

CDate CDate::Today(int calendar)
{
    SYSTEMTIME st;
    ::GetLocalTime(&st);
    CDate today(st.wYear, st.wMonth, st.wDay, CAL_GREGORIAN);
    if (calendar == CAL_JULIAN && today.IsValid())
        today.m_calendar = 0;
    return today;
}

LONG CDate::GetCurrentYear(int calendar)
{
    return Today(calendar).GetYear();
}

CDate CDate::FirstDayOfCurrentYear(int calendar)
{
    return CDate(GetCurrentYear(calendar), 1, 1, calendar);
}

CDate CDate::JulianDayZero(int calendar)
{
    return CDate(0, EPOCH_JULIAN_DAY, calendar);
}
