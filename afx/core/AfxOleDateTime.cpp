// COleDateTime and COleDateTimeSpan.
//
// A DATE counts days from 1899-12-30 00:00; its fraction is the time of day, and for dates
// before that origin the fraction still counts forward from midnight (-1.25 is 1899-12-29
// 06:00). Arithmetic is therefore done on a "linear" day count in which -1.25 becomes -0.75.
#include "afxdisp.h"

#include <math.h>
#include <string>

namespace
{
// 0100-01-01 and 9999-12-31, the range of dates that OLE can express.
const long kMinDate = -657434L;
const long kMaxDate = 2958465L;
const long long kSecondsPerDay = 86400;

// Days from 1899-12-30 to 1970-01-01.
const long long kUnixEpochDay = 25569;

double LinearFromDate(DATE dt)
{
    if (dt >= 0)
        return dt;
    double dblDays = ceil(dt); // the day part, toward zero
    return dblDays - (dt - dblDays);
}

DATE DateFromLinear(double dbl)
{
    if (dbl >= 0)
        return dbl;
    double dblDays = floor(dbl);
    return dblDays - (dbl - dblDays);
}

BOOL DateInRange(DATE dt)
{
    return dt > (double)(kMinDate - 1) && dt < (double)(kMaxDate + 1);
}

long long RoundToSeconds(double dblDays)
{
    double dblSeconds = dblDays * (double)kSecondsPerDay;
    return (long long)(dblSeconds < 0 ? ceil(dblSeconds - 0.5) : floor(dblSeconds + 0.5));
}

long long FloorDiv(long long a, long long b)
{
    long long q = a / b;
    if ((a % b != 0) && ((a < 0) != (b < 0)))
        --q;
    return q;
}

// Proleptic Gregorian calendar, days counted from 1970-01-01.
long long DaysFromCivil(long long y, unsigned m, unsigned d)
{
    y -= m <= 2;
    long long era = FloorDiv(y, 400);
    unsigned yoe = (unsigned)(y - era * 400);
    unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + (long long)doe - 719468;
}

void CivilFromDays(long long z, int& y, int& m, int& d)
{
    z += 719468;
    long long era = FloorDiv(z, 146097);
    unsigned doe = (unsigned)(z - era * 146097);
    unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    long long yy = (long long)yoe + era * 400;
    unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    unsigned mp = (5 * doy + 2) / 153;
    d = (int)(doy - (153 * mp + 2) / 5 + 1);
    m = (int)(mp < 10 ? mp + 3 : mp - 9);
    y = (int)(yy + (m <= 2));
}

BOOL IsLeapYear(int y)
{
    return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
}

int DaysInMonth(int y, int m)
{
    static const int days[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return (m == 2 && IsLeapYear(y)) ? 29 : days[m - 1];
}

struct DateParts
{
    int nYear, nMonth, nDay, nHour, nMinute, nSecond;
    int nDayOfWeek; // 1 = Sunday
    int nDayOfYear; // 1 = January 1
};

BOOL PartsFromDate(DATE dt, DateParts& parts)
{
    if (!DateInRange(dt))
        return FALSE;
    long long nSeconds = RoundToSeconds(LinearFromDate(dt));
    long long nDay = FloorDiv(nSeconds, kSecondsPerDay);
    int nSecondOfDay = (int)(nSeconds - nDay * kSecondsPerDay);
    CivilFromDays(nDay - kUnixEpochDay, parts.nYear, parts.nMonth, parts.nDay);
    parts.nHour = nSecondOfDay / 3600;
    parts.nMinute = nSecondOfDay / 60 % 60;
    parts.nSecond = nSecondOfDay % 60;
    // 1899-12-30 was a Saturday.
    parts.nDayOfWeek = (int)((nDay % 7 + 7 + 6) % 7) + 1;
    parts.nDayOfYear = (int)(nDay - (DaysFromCivil(parts.nYear, 1, 1) + kUnixEpochDay)) + 1;
    return TRUE;
}

BOOL DateFromParts(int nYear, int nMonth, int nDay, int nHour, int nMin, int nSec, DATE& dtDest)
{
    if (nYear < 100 || nYear > 9999 || nMonth < 1 || nMonth > 12 || nDay < 1 ||
        nDay > DaysInMonth(nYear, nMonth) || nHour < 0 || nHour > 23 || nMin < 0 || nMin > 59 || nSec < 0 ||
        nSec > 59)
        return FALSE;
    double dblDays = (double)(DaysFromCivil(nYear, (unsigned)nMonth, (unsigned)nDay) + kUnixEpochDay);
    double dblTime = (nHour * 3600 + nMin * 60 + nSec) / (double)kSecondsPerDay;
    dtDest = dblDays >= 0 ? dblDays + dblTime : dblDays - dblTime;
    return TRUE;
}

const char* const kDayNames[7] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                  "Thursday", "Friday", "Saturday"};
const char* const kMonthNames[12] = {"January", "February", "March",     "April",   "May",      "June",
                                     "July",    "August",   "September", "October", "November", "December"};

void AppendNumber(std::string& out, long long nValue, int nWidth, BOOL bNoPad)
{
    char sz[32];
    if (bNoPad)
        snprintf(sz, sizeof(sz), "%lld", nValue);
    else
        snprintf(sz, sizeof(sz), "%0*lld", nWidth, nValue);
    out += sz;
}

// Week of the year with weeks starting on nFirstDay (0 Sunday, 1 Monday); days before the first
// such day are week 0.
int WeekOfYear(const DateParts& parts, int nFirstDay)
{
    int nWeekDay = parts.nDayOfWeek - 1; // 0 = Sunday
    int nYearDay = parts.nDayOfYear - 1;
    return (nYearDay + 7 - ((nWeekDay - nFirstDay + 7) % 7)) / 7;
}

// The strftime codes in the "C" locale, expanded here rather than by the C library because
// years before 1900 and codes the runtime rejects must still produce text. "#" drops leading
// zeros and selects the long forms of %c and %x.
std::string FormatParts(LPCTSTR lpszFormat, const DateParts& parts)
{
    std::string out;
    for (const char* p = lpszFormat; *p != '\0'; ++p)
    {
        if (*p != '%')
        {
            out += *p;
            continue;
        }
        BOOL bAlt = FALSE;
        if (p[1] == '#')
        {
            bAlt = TRUE;
            ++p;
        }
        char code = p[1];
        if (code == '\0')
            break;
        ++p;
        switch (code)
        {
        case 'a':
            out.append(kDayNames[parts.nDayOfWeek - 1], 3);
            break;
        case 'A':
            out += kDayNames[parts.nDayOfWeek - 1];
            break;
        case 'b':
            out.append(kMonthNames[parts.nMonth - 1], 3);
            break;
        case 'B':
            out += kMonthNames[parts.nMonth - 1];
            break;
        case 'c':
            if (bAlt)
            {
                out += FormatParts("%A, %B %#d, %Y, ", parts);
                out += FormatParts("%H:%M:%S", parts);
            }
            else
                out += FormatParts("%m/%d/%y %H:%M:%S", parts);
            break;
        case 'd':
            AppendNumber(out, parts.nDay, 2, bAlt);
            break;
        case 'H':
            AppendNumber(out, parts.nHour, 2, bAlt);
            break;
        case 'I':
            AppendNumber(out, (parts.nHour + 11) % 12 + 1, 2, bAlt);
            break;
        case 'j':
            AppendNumber(out, parts.nDayOfYear, 3, bAlt);
            break;
        case 'm':
            AppendNumber(out, parts.nMonth, 2, bAlt);
            break;
        case 'M':
            AppendNumber(out, parts.nMinute, 2, bAlt);
            break;
        case 'p':
            out += parts.nHour < 12 ? "AM" : "PM";
            break;
        case 'S':
            AppendNumber(out, parts.nSecond, 2, bAlt);
            break;
        case 'U':
            AppendNumber(out, WeekOfYear(parts, 0), 2, bAlt);
            break;
        case 'w':
            AppendNumber(out, parts.nDayOfWeek - 1, 1, bAlt);
            break;
        case 'W':
            AppendNumber(out, WeekOfYear(parts, 1), 2, bAlt);
            break;
        case 'x':
            out += FormatParts(bAlt ? "%A, %B %#d, %Y" : "%m/%d/%y", parts);
            break;
        case 'X':
            out += FormatParts("%H:%M:%S", parts);
            break;
        case 'y':
            AppendNumber(out, parts.nYear % 100, 2, bAlt);
            break;
        case 'Y':
            AppendNumber(out, parts.nYear, 4, bAlt);
            break;
        case 'z':
        case 'Z': {
            TIME_ZONE_INFORMATION tzi;
            DWORD dwZone = GetTimeZoneInformation(&tzi);
            const WCHAR* pszName = (dwZone == TIME_ZONE_ID_DAYLIGHT) ? tzi.DaylightName : tzi.StandardName;
            char szName[64];
            int n = WideCharToMultiByte(CP_ACP, 0, pszName, -1, szName, sizeof(szName), NULL, NULL);
            if (n > 0)
                out += szName;
            break;
        }
        case '%':
            out += '%';
            break;
        default:
            // Unknown codes are kept as written.
            out += '%';
            out += code;
            break;
        }
    }
    return out;
}

CString StringFromBstr(BSTR bstr)
{
    CString str;
    if (bstr == NULL)
        return str;
    int nWide = (int)SysStringLen(bstr);
    int nAnsi = WideCharToMultiByte(CP_ACP, 0, bstr, nWide, NULL, 0, NULL, NULL);
    if (nAnsi > 0)
    {
        LPTSTR p = str.GetBufferSetLength(nAnsi);
        WideCharToMultiByte(CP_ACP, 0, bstr, nWide, p, nAnsi, NULL, NULL);
        str.ReleaseBuffer(nAnsi);
    }
    return str;
}

const char kInvalidDateTime[] = "Invalid DateTime";
const char kInvalidDateTimeSpan[] = "Invalid DateTimeSpan";
} // namespace

/////////////////////////////////////////////////////////////////////////////
// COleDateTime

COleDateTime PASCAL COleDateTime::GetCurrentTime()
{
    SYSTEMTIME st;
    ::GetLocalTime(&st);
    st.wMilliseconds = 0;
    return COleDateTime(st);
}

COleDateTime::COleDateTime() : m_dt(0), m_status(valid) {}

COleDateTime::COleDateTime(const VARIANT& varSrc) : m_dt(0), m_status(valid)
{
    *this = varSrc;
}

COleDateTime::COleDateTime(DATE dtSrc) : m_dt(dtSrc), m_status(valid) {}

COleDateTime::COleDateTime(time_t timeSrc) : m_dt(0), m_status(valid)
{
    *this = timeSrc;
}

COleDateTime::COleDateTime(const SYSTEMTIME& systimeSrc) : m_dt(0), m_status(valid)
{
    *this = systimeSrc;
}

COleDateTime::COleDateTime(const FILETIME& filetimeSrc) : m_dt(0), m_status(valid)
{
    *this = filetimeSrc;
}

COleDateTime::COleDateTime(int nYear, int nMonth, int nDay, int nHour, int nMin, int nSec)
    : m_dt(0), m_status(valid)
{
    SetDateTime(nYear, nMonth, nDay, nHour, nMin, nSec);
}

COleDateTime::COleDateTime(WORD wDosDate, WORD wDosTime) : m_dt(0), m_status(valid)
{
    m_status = DosDateTimeToVariantTime(wDosDate, wDosTime, &m_dt) ? valid : invalid;
}

const COleDateTime& COleDateTime::operator=(const VARIANT& varSrc)
{
    if (varSrc.vt == VT_DATE)
    {
        m_dt = varSrc.date;
        m_status = valid;
        return *this;
    }
    if (varSrc.vt == VT_NULL || varSrc.vt == VT_EMPTY)
    {
        m_dt = 0;
        m_status = null;
        return *this;
    }
    VARIANT varTemp;
    VariantInit(&varTemp);
    if (SUCCEEDED(VariantChangeType(&varTemp, const_cast<VARIANT*>(&varSrc), 0, VT_DATE)))
    {
        m_dt = varTemp.date;
        m_status = valid;
    }
    else
    {
        m_dt = 0;
        m_status = invalid;
    }
    VariantClear(&varTemp);
    return *this;
}

const COleDateTime& COleDateTime::operator=(DATE dtSrc)
{
    m_dt = dtSrc;
    m_status = valid;
    return *this;
}

const COleDateTime& COleDateTime::operator=(const time_t& timeSrc)
{
    struct tm* ptm = localtime(&timeSrc);
    if (ptm == NULL)
    {
        m_dt = 0;
        m_status = invalid;
        return *this;
    }
    SetDateTime(ptm->tm_year + 1900, ptm->tm_mon + 1, ptm->tm_mday, ptm->tm_hour, ptm->tm_min, ptm->tm_sec);
    return *this;
}

const COleDateTime& COleDateTime::operator=(const SYSTEMTIME& systimeSrc)
{
    SetDateTime(systimeSrc.wYear, systimeSrc.wMonth, systimeSrc.wDay, systimeSrc.wHour, systimeSrc.wMinute,
                systimeSrc.wSecond);
    return *this;
}

const COleDateTime& COleDateTime::operator=(const FILETIME& filetimeSrc)
{
    FILETIME ftLocal;
    SYSTEMTIME st;
    if (!FileTimeToLocalFileTime(&filetimeSrc, &ftLocal) || !FileTimeToSystemTime(&ftLocal, &st))
    {
        m_dt = 0;
        m_status = invalid;
        return *this;
    }
    return *this = st;
}

void COleDateTime::CheckRange()
{
    if (!DateInRange(m_dt))
        m_status = invalid;
}

BOOL COleDateTime::GetAsSystemTime(SYSTEMTIME& sysTime) const
{
    DateParts parts;
    if (m_status != valid || !PartsFromDate(m_dt, parts))
        return FALSE;
    sysTime.wYear = (WORD)parts.nYear;
    sysTime.wMonth = (WORD)parts.nMonth;
    sysTime.wDayOfWeek = (WORD)(parts.nDayOfWeek - 1);
    sysTime.wDay = (WORD)parts.nDay;
    sysTime.wHour = (WORD)parts.nHour;
    sysTime.wMinute = (WORD)parts.nMinute;
    sysTime.wSecond = (WORD)parts.nSecond;
    sysTime.wMilliseconds = 0;
    return TRUE;
}

#define OLE_DATE_PART(name, field)                                                                           \
    int COleDateTime::name() const                                                                           \
    {                                                                                                        \
        DateParts parts;                                                                                     \
        if (m_status != valid || !PartsFromDate(m_dt, parts))                                                \
            return AFX_OLE_DATETIME_ERROR;                                                                   \
        return parts.field;                                                                                  \
    }
OLE_DATE_PART(GetYear, nYear)
OLE_DATE_PART(GetMonth, nMonth)
OLE_DATE_PART(GetDay, nDay)
OLE_DATE_PART(GetHour, nHour)
OLE_DATE_PART(GetMinute, nMinute)
OLE_DATE_PART(GetSecond, nSecond)
OLE_DATE_PART(GetDayOfWeek, nDayOfWeek)
OLE_DATE_PART(GetDayOfYear, nDayOfYear)
#undef OLE_DATE_PART

BOOL COleDateTime::operator==(const COleDateTime& date) const
{
    if (m_status != date.m_status)
        return FALSE;
    if (m_status != valid)
        return m_dt == date.m_dt;
    return LinearFromDate(m_dt) == LinearFromDate(date.m_dt);
}

BOOL COleDateTime::operator!=(const COleDateTime& date) const
{
    return !(*this == date);
}

BOOL COleDateTime::operator<(const COleDateTime& date) const
{
    ASSERT(m_status == valid && date.m_status == valid);
    return LinearFromDate(m_dt) < LinearFromDate(date.m_dt);
}

BOOL COleDateTime::operator>(const COleDateTime& date) const
{
    return date < *this;
}

BOOL COleDateTime::operator<=(const COleDateTime& date) const
{
    return !(date < *this);
}

BOOL COleDateTime::operator>=(const COleDateTime& date) const
{
    return !(*this < date);
}

COleDateTime COleDateTime::operator+(const COleDateTimeSpan& dateSpan) const
{
    COleDateTime dateResult;
    if (m_status == null || dateSpan.m_status == COleDateTimeSpan::null)
    {
        dateResult.m_status = null;
        return dateResult;
    }
    if (m_status == invalid || dateSpan.m_status == COleDateTimeSpan::invalid)
    {
        dateResult.m_status = invalid;
        return dateResult;
    }
    dateResult.m_dt = DateFromLinear(LinearFromDate(m_dt) + dateSpan.m_span);
    dateResult.CheckRange();
    return dateResult;
}

COleDateTime COleDateTime::operator-(const COleDateTimeSpan& dateSpan) const
{
    return *this + (-dateSpan);
}

const COleDateTime& COleDateTime::operator+=(const COleDateTimeSpan dateSpan)
{
    *this = *this + dateSpan;
    return *this;
}

const COleDateTime& COleDateTime::operator-=(const COleDateTimeSpan dateSpan)
{
    *this = *this - dateSpan;
    return *this;
}

COleDateTimeSpan COleDateTime::operator-(const COleDateTime& date) const
{
    COleDateTimeSpan spanResult;
    if (m_status == null || date.m_status == null)
    {
        spanResult.m_status = COleDateTimeSpan::null;
        return spanResult;
    }
    if (m_status == invalid || date.m_status == invalid)
    {
        spanResult.m_status = COleDateTimeSpan::invalid;
        return spanResult;
    }
    spanResult.m_span = LinearFromDate(m_dt) - LinearFromDate(date.m_dt);
    spanResult.CheckRange();
    return spanResult;
}

int COleDateTime::SetDateTime(int nYear, int nMonth, int nDay, int nHour, int nMin, int nSec)
{
    DATE dt;
    if (DateFromParts(nYear, nMonth, nDay, nHour, nMin, nSec, dt))
    {
        m_dt = dt;
        m_status = valid;
        return 0;
    }
    m_dt = 0;
    m_status = invalid;
    return 1;
}

int COleDateTime::SetDate(int nYear, int nMonth, int nDay)
{
    return SetDateTime(nYear, nMonth, nDay, 0, 0, 0);
}

int COleDateTime::SetTime(int nHour, int nMin, int nSec)
{
    return SetDateTime(1899, 12, 30, nHour, nMin, nSec);
}

BOOL COleDateTime::ParseDateTime(LPCTSTR lpszDate, DWORD dwFlags, LCID lcid)
{
    if (lpszDate == NULL)
    {
        m_dt = 0;
        m_status = invalid;
        return FALSE;
    }
    int nWide = MultiByteToWideChar(CP_ACP, 0, lpszDate, -1, NULL, 0);
    BSTR bstr = SysAllocStringLen(NULL, (UINT)(nWide > 0 ? nWide : 1));
    if (bstr == NULL)
        AfxThrowMemoryException();
    bstr[0] = 0;
    if (nWide > 0)
        MultiByteToWideChar(CP_ACP, 0, lpszDate, -1, bstr, nWide);
    DATE dt = 0;
    HRESULT hr = VarDateFromStr(bstr, lcid, dwFlags, &dt);
    SysFreeString(bstr);
    if (FAILED(hr))
    {
        m_dt = 0;
        m_status = invalid;
        return FALSE;
    }
    m_dt = dt;
    m_status = valid;
    return TRUE;
}

CString COleDateTime::Format(DWORD dwFlags, LCID lcid) const
{
    if (m_status == null)
        return CString();
    if (m_status != valid || !DateInRange(m_dt))
        return CString(kInvalidDateTime);
    BSTR bstr = NULL;
    if (FAILED(VarBstrFromDate(m_dt, lcid, dwFlags, &bstr)))
        return CString(kInvalidDateTime);
    CString str = StringFromBstr(bstr);
    SysFreeString(bstr);
    return str;
}

CString COleDateTime::Format(LPCTSTR lpszFormat) const
{
    if (m_status == null)
        return CString();
    DateParts parts;
    if (m_status != valid || !PartsFromDate(m_dt, parts))
        return CString(kInvalidDateTime);
    std::string out = FormatParts(lpszFormat != NULL ? lpszFormat : "", parts);
    return CString(out.c_str(), (int)out.size());
}

CString COleDateTime::Format(UINT nFormatID) const
{
    CString strFormat;
    strFormat.LoadString(nFormatID);
    return Format((LPCTSTR)strFormat);
}

/////////////////////////////////////////////////////////////////////////////
// COleDateTimeSpan

COleDateTimeSpan::COleDateTimeSpan() : m_span(0), m_status(valid) {}

COleDateTimeSpan::COleDateTimeSpan(double dblSpanSrc) : m_span(dblSpanSrc), m_status(valid)
{
    CheckRange();
}

COleDateTimeSpan::COleDateTimeSpan(long lDays, int nHours, int nMins, int nSecs) : m_span(0), m_status(valid)
{
    SetDateTimeSpan(lDays, nHours, nMins, nSecs);
}

void COleDateTimeSpan::CheckRange()
{
    // The widest span between two valid dates, with a day to spare.
    const double dblMax = (double)(kMaxDate - kMinDate + 1);
    if (!(m_span >= -dblMax && m_span <= dblMax))
        m_status = invalid;
}

double COleDateTimeSpan::GetTotalDays() const
{
    return (double)(RoundToSeconds(m_span) / kSecondsPerDay);
}

double COleDateTimeSpan::GetTotalHours() const
{
    return (double)(RoundToSeconds(m_span) / 3600);
}

double COleDateTimeSpan::GetTotalMinutes() const
{
    return (double)(RoundToSeconds(m_span) / 60);
}

double COleDateTimeSpan::GetTotalSeconds() const
{
    return (double)RoundToSeconds(m_span);
}

long COleDateTimeSpan::GetDays() const
{
    return (long)(RoundToSeconds(m_span) / kSecondsPerDay);
}

long COleDateTimeSpan::GetHours() const
{
    return (long)(RoundToSeconds(m_span) / 3600 % 24);
}

long COleDateTimeSpan::GetMinutes() const
{
    return (long)(RoundToSeconds(m_span) / 60 % 60);
}

long COleDateTimeSpan::GetSeconds() const
{
    return (long)(RoundToSeconds(m_span) % 60);
}

const COleDateTimeSpan& COleDateTimeSpan::operator=(double dblSpanSrc)
{
    m_span = dblSpanSrc;
    m_status = valid;
    CheckRange();
    return *this;
}

BOOL COleDateTimeSpan::operator==(const COleDateTimeSpan& dateSpan) const
{
    return m_status == dateSpan.m_status && m_span == dateSpan.m_span;
}

BOOL COleDateTimeSpan::operator!=(const COleDateTimeSpan& dateSpan) const
{
    return !(*this == dateSpan);
}

BOOL COleDateTimeSpan::operator<(const COleDateTimeSpan& dateSpan) const
{
    return m_span < dateSpan.m_span;
}

BOOL COleDateTimeSpan::operator>(const COleDateTimeSpan& dateSpan) const
{
    return m_span > dateSpan.m_span;
}

BOOL COleDateTimeSpan::operator<=(const COleDateTimeSpan& dateSpan) const
{
    return m_span <= dateSpan.m_span;
}

BOOL COleDateTimeSpan::operator>=(const COleDateTimeSpan& dateSpan) const
{
    return m_span >= dateSpan.m_span;
}

COleDateTimeSpan COleDateTimeSpan::operator+(const COleDateTimeSpan& dateSpan) const
{
    COleDateTimeSpan spanResult;
    if (m_status == null || dateSpan.m_status == null)
        spanResult.m_status = null;
    else if (m_status == invalid || dateSpan.m_status == invalid)
        spanResult.m_status = invalid;
    else
    {
        spanResult.m_span = m_span + dateSpan.m_span;
        spanResult.CheckRange();
    }
    return spanResult;
}

COleDateTimeSpan COleDateTimeSpan::operator-(const COleDateTimeSpan& dateSpan) const
{
    return *this + (-dateSpan);
}

const COleDateTimeSpan& COleDateTimeSpan::operator+=(const COleDateTimeSpan dateSpan)
{
    *this = *this + dateSpan;
    return *this;
}

const COleDateTimeSpan& COleDateTimeSpan::operator-=(const COleDateTimeSpan dateSpan)
{
    *this = *this - dateSpan;
    return *this;
}

COleDateTimeSpan COleDateTimeSpan::operator-() const
{
    COleDateTimeSpan spanResult(*this);
    spanResult.m_span = -m_span;
    return spanResult;
}

void COleDateTimeSpan::SetDateTimeSpan(long lDays, int nHours, int nMins, int nSecs)
{
    m_span = lDays + ((double)nHours) / 24 + ((double)nMins) / (24 * 60) + ((double)nSecs) / (24 * 60 * 60);
    m_status = valid;
    CheckRange();
}

CString COleDateTimeSpan::Format(LPCTSTR pFormat) const
{
    if (m_status == null)
        return CString();
    if (m_status != valid)
        return CString(kInvalidDateTimeSpan);
    long long nSeconds = RoundToSeconds(m_span);
    long long nAbs = nSeconds < 0 ? -nSeconds : nSeconds;
    long long nDays = nSeconds / kSecondsPerDay;
    DateParts parts;
    // The time of day is that of the span's length; the date is the origin.
    PartsFromDate((double)(nAbs % kSecondsPerDay) / kSecondsPerDay, parts);

    std::string strPre;
    for (const char* p = pFormat != NULL ? pFormat : ""; *p != '\0'; ++p)
    {
        if (p[0] == '%' && p[1] == 'D')
        {
            char sz[32];
            snprintf(sz, sizeof(sz), "%lld", nDays);
            strPre += sz;
            ++p;
        }
        else if (p[0] == '%' && p[1] == '%')
        {
            strPre += "%%";
            ++p;
        }
        else
            strPre += *p;
    }
    std::string out = FormatParts(strPre.c_str(), parts);
    return CString(out.c_str(), (int)out.size());
}

CString COleDateTimeSpan::Format(UINT nFormatID) const
{
    CString strFormat;
    strFormat.LoadString(nFormatID);
    return Format((LPCTSTR)strFormat);
}

/////////////////////////////////////////////////////////////////////////////
// Archive forms

CArchive& AFXAPI operator<<(CArchive& ar, COleDateTime dateSrc)
{
    ar << (LONG)dateSrc.m_status;
    return ar << dateSrc.m_dt;
}

CArchive& AFXAPI operator>>(CArchive& ar, COleDateTime& dateSrc)
{
    LONG lStatus;
    ar >> lStatus;
    ar >> dateSrc.m_dt;
    // An unknown status from a damaged file is treated as invalid rather than kept.
    dateSrc.m_status = (lStatus >= COleDateTime::valid && lStatus <= COleDateTime::null)
                           ? (COleDateTime::DateTimeStatus)lStatus
                           : COleDateTime::invalid;
    return ar;
}

CArchive& AFXAPI operator<<(CArchive& ar, COleDateTimeSpan dateSpanSrc)
{
    ar << (LONG)dateSpanSrc.m_status;
    return ar << dateSpanSrc.m_span;
}

CArchive& AFXAPI operator>>(CArchive& ar, COleDateTimeSpan& dateSpanSrc)
{
    LONG lStatus;
    ar >> lStatus;
    ar >> dateSpanSrc.m_span;
    dateSpanSrc.m_status = (lStatus >= COleDateTimeSpan::valid && lStatus <= COleDateTimeSpan::null)
                               ? (COleDateTimeSpan::DateTimeSpanStatus)lStatus
                               : COleDateTimeSpan::invalid;
    return ar;
}
