// CLTimeOfDay: construction, the 12-hour clock and formatting.
#include "LTimeOfDay.h"
#include "FormatCodes.h"
#include "LDate.h"

IMPLEMENT_SERIAL(CLTimeOfDay, CObject, VERSIONABLE_SCHEMA | 1)

CLTimeOfDay::CLTimeOfDay() : m_seconds(INVALID_TIME) {}

CLTimeOfDay::CLTimeOfDay(WORD hours, WORD minutes, WORD seconds)
{
    Set(hours, minutes, seconds);
}

CLTimeOfDay::CLTimeOfDay(const SYSTEMTIME& st)
{
    Set(st.wHour, st.wMinute, st.wSecond);
}

CLTimeOfDay::CLTimeOfDay(DWORD seconds)
{
    Set(seconds);
}

CLTimeOfDay::CLTimeOfDay(const CLTimeOfDay& other) : CObject(), m_seconds(other.m_seconds) {}

CLTimeOfDay& CLTimeOfDay::operator=(const CLTimeOfDay& other)
{
    m_seconds = other.m_seconds;
    return *this;
}

BOOL CLTimeOfDay::Set(WORD hours, WORD minutes, WORD seconds)
{
    return Set((DWORD)hours * 3600 + (DWORD)minutes * 60 + seconds);
}

BOOL CLTimeOfDay::Set(DWORD seconds)
{
    m_seconds = seconds > 86399 ? (DWORD)INVALID_TIME : seconds;
    return IsValid();
}

CLTimeOfDay CLTimeOfDay::Now(int frame)
{
    SYSTEMTIME st;
    switch (frame)
    {
    case TIMEFRAME_UNIVERSAL:
        ::GetSystemTime(&st);
        return CLTimeOfDay(st);
    case TIMEFRAME_LOCAL:
        ::GetLocalTime(&st);
        return CLTimeOfDay(st);
    case TIMEFRAME_DYNAMICAL:
        return CLDate::Now(TIMEFRAME_DYNAMICAL, 1).GetTimeOfDay();
    }
    return CLTimeOfDay();
}

WORD CLTimeOfDay::Get12Hour() const
{
    WORD hour = GetHour();
    return hour > 12 ? (WORD)(hour - 12) : hour;
}

CString CLTimeOfDay::GetAmPm() const
{
    CString text;
    LPTSTR buf = text.GetBuffer(20);
    int n = ::GetLocaleInfoA(LOCALE_USER_DEFAULT, GetHour() <= 12 ? LOCALE_S1159 : LOCALE_S2359, buf, 20);
    buf[n > 0 ? n - 1 : 0] = '\0';
    text.ReleaseBuffer();
    return text;
}

BOOL CLTimeOfDay::ToSystemTime(SYSTEMTIME& st) const
{
    if (!IsValid())
        return FALSE;
    memset(&st, 0, sizeof(st));
    st.wHour = GetHour();
    st.wMinute = GetMinute();
    st.wSecond = GetSecond();
    return TRUE;
}

CString CLTimeOfDay::Format(DWORD flags) const
{
    return Format(CString((flags & 1) ? _T("%H:%M") : _T("%H:%M:%S")));
}

CString CLTimeOfDay::FormatCode(TCHAR code, BOOL alternate) const
{
    CString out;
    LPCTSTR number = alternate ? _T("%d") : _T("%.02d");
    switch (code)
    {
    case 'H':
        out.Format(number, GetHour());
        break;
    case 'M':
        out.Format(number, GetMinute());
        break;
    case 'S':
        out.Format(number, GetSecond());
        break;
    case 'h':
        out.Format(number, Get12Hour());
        break;
    case 'P':
        if (alternate)
            out = code;
        else
            out = GetAmPm();
        break;
    case 'x': {
        SYSTEMTIME st;
        TCHAR buf[100];
        if (!alternate && ToSystemTime(st) &&
            ::GetTimeFormatA(LOCALE_USER_DEFAULT, LOCALE_NOUSEROVERRIDE, &st, NULL, buf, 100) > 0)
            out = buf;
        else if (alternate)
            out = code;
        break;
    }
    default:
        out = code;
        break;
    }
    return out;
}

CString CLTimeOfDay::Format(const CString& fmt) const
{
    if (!IsValid())
        return CString();
    return ExpandFormat(fmt, [this](TCHAR code, BOOL alternate) { return FormatCode(code, alternate); });
}
