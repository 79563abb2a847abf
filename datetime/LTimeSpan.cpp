// CLTimeSpan: construction from parts, the parts of the magnitude, and formatting.
#include "LTimeSpan.h"
#include "FormatCodes.h"

IMPLEMENT_SERIAL(CLTimeSpan, CObject, VERSIONABLE_SCHEMA | 1)

CLTimeSpan::CLTimeSpan() : m_span(INVALID_SPAN) {}

CLTimeSpan::CLTimeSpan(LONG days, WORD hours, WORD minutes, WORD seconds)
{
    Set(days, hours, minutes, seconds);
}

CLTimeSpan::CLTimeSpan(LONGLONG seconds) : m_span(seconds) {}

CLTimeSpan::CLTimeSpan(const CLTimeSpan& other) : CObject(), m_span(other.m_span) {}

CLTimeSpan& CLTimeSpan::operator=(const CLTimeSpan& other)
{
    m_span = other.m_span;
    return *this;
}

void CLTimeSpan::Set(LONG days, WORD hours, WORD minutes, WORD seconds)
{
    // A negative span counts every part away from zero, so -1 day 2 hours is -26 hours.
    if (days >= 0)
        m_span = (((LONGLONG)days * 24 + hours) * 60 + minutes) * 60 + seconds;
    else
        m_span = (((LONGLONG)days * 24 - hours) * 60 - minutes) * 60 - seconds;
}

ULONGLONG CLTimeSpan::Magnitude() const
{
    return m_span < 0 ? 0 - (ULONGLONG)m_span : (ULONGLONG)m_span;
}

LONG CLTimeSpan::GetTotalDays() const
{
    return (LONG)(m_span / 86400);
}

WORD CLTimeSpan::GetHours() const
{
    return (WORD)(Magnitude() / 3600 % 24);
}

WORD CLTimeSpan::GetMinutes() const
{
    return (WORD)(Magnitude() / 60 % 60);
}

WORD CLTimeSpan::GetSeconds() const
{
    return (WORD)(Magnitude() % 60);
}

void CLTimeSpan::Negate()
{
    if (IsValid())
        m_span = -m_span;
}

CString CLTimeSpan::Format(DWORD flags) const
{
    return Format(CString((flags & 1) ? _T("%H:%M") : _T("%D %H:%M:%S")));
}

CString CLTimeSpan::Format(const CString& fmt) const
{
    if (!IsValid())
        return CString();
    return ExpandFormat(fmt, [this](TCHAR code, BOOL alternate) {
        CString part;
        LPCTSTR number = alternate ? _T("%d") : _T("%.02d");
        switch (code)
        {
        case 'D':
            part.Format(_T("%ld"), GetTotalDays());
            // The sign must show even when the whole days are 0.
            if (m_span >= 0)
                part = _T("+") + part;
            else if (GetTotalDays() == 0)
                part = _T("-") + part;
            break;
        case 'H':
            part.Format(number, GetHours());
            break;
        case 'M':
            part.Format(number, GetMinutes());
            break;
        case 'S':
            part.Format(number, GetSeconds());
            break;
        default:
            part = code;
            break;
        }
        return part;
    });
}
