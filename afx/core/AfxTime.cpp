// CTime and CTimeSpan.
#include "afx.h"

// CTimeSpan

CTimeSpan::CTimeSpan(LONG lDays, int nHours, int nMins, int nSecs)
{
    m_timeSpan = (time_t)nSecs + 60 * ((time_t)nMins + 60 * ((time_t)nHours + 24 * (time_t)lDays));
}

LONG CTimeSpan::GetDays() const
{
    return (LONG)(m_timeSpan / (24 * 3600L));
}

LONG CTimeSpan::GetTotalHours() const
{
    return (LONG)(m_timeSpan / 3600);
}

int CTimeSpan::GetHours() const
{
    return (int)(GetTotalHours() - GetDays() * 24);
}

LONG CTimeSpan::GetTotalMinutes() const
{
    return (LONG)(m_timeSpan / 60);
}

int CTimeSpan::GetMinutes() const
{
    return (int)(GetTotalMinutes() - GetTotalHours() * 60);
}

LONG CTimeSpan::GetTotalSeconds() const
{
    return (LONG)m_timeSpan;
}

int CTimeSpan::GetSeconds() const
{
    return (int)(GetTotalSeconds() - GetTotalMinutes() * 60);
}

CString CTimeSpan::Format(LPCTSTR pFormat) const
{
    CString strResult;
    if (pFormat == NULL)
        return strResult;
    CString strPart;
    for (LPCTSTR p = pFormat; *p != '\0'; ++p)
    {
        if (*p != '%')
        {
            strResult += *p;
            continue;
        }
        TCHAR ch = p[1];
        if (ch == '\0')
            break; // a lone '%' at the end stands for nothing
        ++p;
        switch (ch)
        {
        case 'D':
            strPart.Format("%ld", GetDays());
            strResult += strPart;
            break;
        case 'H':
            strPart.Format("%02d", GetHours());
            strResult += strPart;
            break;
        case 'M':
            strPart.Format("%02d", GetMinutes());
            strResult += strPart;
            break;
        case 'S':
            strPart.Format("%02d", GetSeconds());
            strResult += strPart;
            break;
        default: // "%%" and unknown codes give the character itself
            strResult += ch;
            break;
        }
    }
    return strResult;
}

CString CTimeSpan::Format(UINT nID) const
{
    CString strFormat;
    strFormat.LoadString(nID);
    return Format(strFormat);
}

// CTime

CTime PASCAL CTime::GetCurrentTime()
{
    return CTime(::time(NULL));
}

CTime::CTime(int nYear, int nMonth, int nDay, int nHour, int nMin, int nSec, int nDST)
{
    struct tm atm = {};
    atm.tm_sec = nSec;
    atm.tm_min = nMin;
    atm.tm_hour = nHour;
    atm.tm_mday = nDay;
    atm.tm_mon = nMonth - 1;
    atm.tm_year = nYear - 1900;
    atm.tm_isdst = nDST;
    m_time = mktime(&atm);
    if (m_time == (time_t)-1)
        m_time = 0;
}

CTime::CTime(WORD wDosDate, WORD wDosTime, int nDST)
{
    *this = CTime((wDosDate >> 9) + 1980, (wDosDate >> 5) & 0x0F, wDosDate & 0x1F, wDosTime >> 11,
                  (wDosTime >> 5) & 0x3F, (wDosTime & 0x1F) * 2, nDST);
}

CTime::CTime(const SYSTEMTIME& sysTime, int nDST)
{
    if (sysTime.wYear < 1900)
        m_time = 0;
    else
        *this = CTime((int)sysTime.wYear, (int)sysTime.wMonth, (int)sysTime.wDay, (int)sysTime.wHour,
                      (int)sysTime.wMinute, (int)sysTime.wSecond, nDST);
}

CTime::CTime(const FILETIME& fileTime, int nDST)
{
    FILETIME localTime;
    SYSTEMTIME sysTime;
    if (!FileTimeToLocalFileTime(&fileTime, &localTime) || !FileTimeToSystemTime(&localTime, &sysTime))
    {
        m_time = 0;
        return;
    }
    *this = CTime(sysTime, nDST);
}

// A time the C library cannot convert (before 1970) reads as all zeros rather than crashing.
struct tm* CTime::GetGmtTm(struct tm* ptm) const
{
    static thread_local struct tm s_tm;
    if (ptm == NULL)
        ptm = &s_tm;
    struct tm* p = gmtime(&m_time);
    if (p != NULL)
        *ptm = *p;
    else
        *ptm = tm();
    return ptm;
}

struct tm* CTime::GetLocalTm(struct tm* ptm) const
{
    static thread_local struct tm s_tm;
    if (ptm == NULL)
        ptm = &s_tm;
    struct tm* p = localtime(&m_time);
    if (p != NULL)
        *ptm = *p;
    else
        *ptm = tm();
    return ptm;
}

BOOL CTime::GetAsSystemTime(SYSTEMTIME& timeDest) const
{
    struct tm* p = localtime(&m_time);
    if (p == NULL)
        return FALSE;
    timeDest.wYear = (WORD)(1900 + p->tm_year);
    timeDest.wMonth = (WORD)(p->tm_mon + 1);
    timeDest.wDayOfWeek = (WORD)p->tm_wday;
    timeDest.wDay = (WORD)p->tm_mday;
    timeDest.wHour = (WORD)p->tm_hour;
    timeDest.wMinute = (WORD)p->tm_min;
    timeDest.wSecond = (WORD)p->tm_sec;
    timeDest.wMilliseconds = 0;
    return TRUE;
}

int CTime::GetYear() const
{
    struct tm atm;
    return GetLocalTm(&atm)->tm_year + 1900;
}

int CTime::GetMonth() const
{
    struct tm atm;
    return GetLocalTm(&atm)->tm_mon + 1;
}

int CTime::GetDay() const
{
    struct tm atm;
    return GetLocalTm(&atm)->tm_mday;
}

int CTime::GetHour() const
{
    struct tm atm;
    return GetLocalTm(&atm)->tm_hour;
}

int CTime::GetMinute() const
{
    struct tm atm;
    return GetLocalTm(&atm)->tm_min;
}

int CTime::GetSecond() const
{
    struct tm atm;
    return GetLocalTm(&atm)->tm_sec;
}

int CTime::GetDayOfWeek() const
{
    struct tm atm;
    return GetLocalTm(&atm)->tm_wday + 1;
}

static CString FormatTm(LPCTSTR pFormat, const struct tm* ptm)
{
    CString strResult;
    if (pFormat == NULL || *pFormat == '\0')
        return strResult;
    // strftime reports 0 both for "too small" and for an empty result; stop growing at a size
    // no sensible format needs.
    for (int nSize = 128; nSize <= 8192; nSize *= 2)
    {
        LPTSTR pBuf = strResult.GetBuffer(nSize);
        size_t n = strftime(pBuf, nSize, pFormat, ptm);
        if (n > 0)
        {
            strResult.ReleaseBuffer((int)n);
            return strResult;
        }
    }
    strResult.ReleaseBuffer(0);
    return strResult;
}

CString CTime::Format(LPCTSTR pFormat) const
{
    struct tm atm;
    return FormatTm(pFormat, GetLocalTm(&atm));
}

CString CTime::FormatGmt(LPCTSTR pFormat) const
{
    struct tm atm;
    return FormatTm(pFormat, GetGmtTm(&atm));
}

CString CTime::Format(UINT nFormatID) const
{
    CString strFormat;
    strFormat.LoadString(nFormatID);
    return Format(strFormat);
}

CString CTime::FormatGmt(UINT nFormatID) const
{
    CString strFormat;
    strFormat.LoadString(nFormatID);
    return FormatGmt(strFormat);
}
