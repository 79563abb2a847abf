// CLDate: building from parts, time-frame conversions, delta T, arithmetic and formatting.
#include "LDate.h"

#include <climits>
#include "FormatCodes.h"
#include "LocalZone.h"

IMPLEMENT_SERIAL(CLDate, CObject, VERSIONABLE_SCHEMA | 1)

namespace
{
// Delta T in tenths of a second for the years 1620, 1622, ... 1992.
const short s_deltaT[187] = {
    1240, 1150, 1060, 980, 910, 850, 790, 740, 700, 650, 620, 580, 550, 530, 500, 480, 460, 440, 420,
    400,  370,  350,  330, 310, 280, 260, 240, 220, 200, 180, 160, 140, 130, 120, 110, 100, 90,  90,
    90,   90,   90,   90,  90,  90,  100, 100, 100, 100, 100, 110, 110, 110, 110, 110, 110, 110, 110,
    120,  120,  120,  120, 120, 130, 130, 130, 130, 140, 140, 140, 150, 150, 150, 150, 160, 160, 160,
    160,  160,  170,  170, 170, 170, 170, 170, 170, 170, 160, 160, 150, 140, 137, 131, 127, 125, 125,
    125,  125,  125,  125, 123, 120, 114, 106, 96,  86,  75,  66,  60,  57,  56,  57,  59,  62,  65,
    68,   71,   73,   75,  77,  78,  79,  75,  64,  54,  29,  16,  -10, -27, -36, -47, -54, -52, -55,
    -56,  -58,  -59,  -62, -64, -61, -47, -27, 0,   26,  54,  77,  105, 134, 160, 182, 202, 212, 224,
    235,  239,  243,  240, 239, 239, 237, 240, 243, 253, 262, 273, 282, 291, 300, 307, 314, 322, 331,
    340,  350,  365,  383, 402, 422, 445, 465, 485, 505, 522, 538, 549, 558, 569, 580};

// Day number and time of a transition rule in the given year, as a wall-clock value.
BOOL TransitionValue(const SYSTEMTIME& rule, LONG year, LONGLONG& value)
{
    CDate date;
    if (rule.wYear != 0)
        date.SetDate(rule.wYear, rule.wMonth, rule.wDay, CAL_GREGORIAN);
    else
        date.SetWeekOfMonthDate(year, rule.wMonth, rule.wDay, (WORD)(rule.wDayOfWeek + 1), CAL_GREGORIAN);
    if (!date.IsValid())
        return FALSE;
    value = (LONGLONG)date.GetDayNumber() * 86400 + rule.wHour * 3600L + rule.wMinute * 60L + rule.wSecond;
    return TRUE;
}
} // namespace

CLDate::CLDate() : m_value(INVALID_VALUE), m_frame(TIMEFRAME_UNIVERSAL), m_calendar(0) {}

CLDate::CLDate(LONG year, WORD month, WORD day, WORD hour, WORD minute, WORD second, int frame, int calendar)
{
    Build(CDate(year, month, day, calendar), CLTimeOfDay(hour, minute, second), frame);
}

CLDate::CLDate(const CDate& date, const CLTimeOfDay& time, int frame)
{
    Build(date, time, frame);
}

CLDate::CLDate(const SYSTEMTIME& st, int frame, BOOL bRuleForm, int calendar)
{
    LONG year = st.wYear != 0 ? (LONG)st.wYear : Now(frame, calendar).GetDate().GetYear();
    CDate date;
    if (bRuleForm)
        date.SetWeekOfMonthDate(year, st.wMonth, st.wDay, (WORD)(st.wDayOfWeek + 1), calendar);
    else
        date.SetDate(year, st.wMonth, st.wDay, calendar);
    Build(date, CLTimeOfDay(st), frame);
}

CLDate::CLDate(const FILETIME& ft, int frame, int calendar)
{
    // A file time names an instant; its fields are Gregorian whatever calendar it is shown in.
    SYSTEMTIME st = {};
    CDate date;
    if (::FileTimeToSystemTime(&ft, &st))
    {
        date.SetDate(st.wYear, st.wMonth, st.wDay, CAL_GREGORIAN);
        if (date.IsValid() && calendar != CAL_GREGORIAN)
            date.SetDayCount(date.GetDaysSinceReform(), EPOCH_REFORM, calendar);
    }
    Build(date, CLTimeOfDay(st), frame);
}

CLDate::CLDate(LONG year, WORD month, WORD week, WORD dayOfWeek, WORD hour, WORD minute, WORD second,
               int frame, int calendar)
{
    Build(CDate(year, month, week, dayOfWeek, calendar), CLTimeOfDay(hour, minute, second), frame);
}

CLDate::CLDate(const CLDate& other)
    : CObject(), m_value(other.m_value), m_frame(other.m_frame), m_calendar(other.m_calendar)
{
}

CLDate& CLDate::operator=(const CLDate& other)
{
    m_value = other.m_value;
    m_frame = other.m_frame;
    m_calendar = other.m_calendar;
    return *this;
}

void CLDate::Build(const CDate& date, const CLTimeOfDay& time, int frame)
{
    m_calendar = date.GetCalendar();
    m_frame = frame;
    m_value = INVALID_VALUE;
    if (frame < TIMEFRAME_UNIVERSAL || frame > TIMEFRAME_LOCAL)
    {
        m_frame = TIMEFRAME_UNIVERSAL;
        return;
    }
    if (!date.IsValid() || !time.IsValid())
        return;
    m_value = (LONGLONG)date.GetDayNumber() * 86400 + time.GetTotalSeconds();
    if (frame == TIMEFRAME_LOCAL)
        CheckLocalTime();
}

void CLDate::CheckLocalTime()
{
    if (!IsValid())
        return;
    TIME_ZONE_INFORMATION tzi;
    DWORD id = CLocalZone::GetCurrent()->GetTimeZoneInformation(&tzi);
    if (id == TIME_ZONE_ID_UNKNOWN || id == TIME_ZONE_ID_INVALID || tzi.DaylightDate.wMonth == 0)
        return;
    CLDate gregorian(*this);
    gregorian.m_calendar = 1;
    LONGLONG start;
    if (!TransitionValue(tzi.DaylightDate, gregorian.GetDate().GetYear(), start))
        return;
    // Wall-clock times skipped when the clocks jump; the repeated hour at the end is kept.
    LONGLONG bias = (LONGLONG)tzi.DaylightBias * 60;
    if (bias < 0)
    {
        if (m_value > start && m_value < start - bias)
            SetInvalid();
    }
    else if (bias > 0)
    {
        if (m_value >= start - bias && m_value < start)
            SetInvalid();
    }
}

CLDate CLDate::Now(int frame, int calendar)
{
    SYSTEMTIME st;
    CLDate now;
    if (frame == TIMEFRAME_LOCAL)
    {
        ::GetLocalTime(&st);
        now = CLDate(st, TIMEFRAME_LOCAL, FALSE, CAL_GREGORIAN);
    }
    else
    {
        ::GetSystemTime(&st);
        now = CLDate(st, TIMEFRAME_UNIVERSAL, FALSE, CAL_GREGORIAN);
        if (frame == TIMEFRAME_DYNAMICAL)
            now.SetTimeFrame(TIMEFRAME_DYNAMICAL);
    }
    if (calendar == CAL_JULIAN)
        now.m_calendar = 0;
    return now;
}

CDate CLDate::GetDate() const
{
    CDate date;
    if (IsValid())
    {
        LONGLONG day = CDate::FloorDiv(m_value, 86400);
        if (day > (LONGLONG)CDate::INVALID_DAY && day <= 0x7FFFFFFF)
            date.SetDayCount((LONG)((DWORD)day - (DWORD)CDate::REFORM_DAY), EPOCH_REFORM, m_calendar);
    }
    return date;
}

CLTimeOfDay CLDate::GetTimeOfDay() const
{
    if (!IsValid())
        return CLTimeOfDay();
    return CLTimeOfDay((DWORD)CDate::FloorMod(m_value, 86400));
}

BOOL CLDate::ToSystemTime(SYSTEMTIME& st) const
{
    CDate date = GetDate();
    CLTimeOfDay time = GetTimeOfDay();
    SYSTEMTIME t;
    if (!date.IsValid() || !date.ToSystemTime(st) || !time.ToSystemTime(t))
        return FALSE;
    st.wHour = t.wHour;
    st.wMinute = t.wMinute;
    st.wSecond = t.wSecond;
    return TRUE;
}

BOOL CLDate::ToGregorianSystemTime(SYSTEMTIME& st) const
{
    CLDate gregorian(*this);
    gregorian.m_calendar = 1;
    return gregorian.ToSystemTime(st);
}

BOOL CLDate::ToFileTime(FILETIME& ft) const
{
    SYSTEMTIME st;
    return ToGregorianSystemTime(st) && ::SystemTimeToFileTime(&st, &ft);
}

CLTimeSpan CLDate::GetDeltaT() const
{
    if (!IsValid())
        return CLTimeSpan();
    // 2000-01-01 00:00 taken as a plain wall-clock value: the local-time check has no say in it.
    const LONGLONG j2000 = (LONGLONG)CDate(2000, 1, 1, CAL_GREGORIAN).GetDayNumber() * 86400;
    LONGLONG days = (m_value - j2000) / 86400;
    double t = (double)days / 36525.0;
    double y = 2000.0 + 100.0 * t;
    double seconds;
    if (y > 2000.0)
        seconds = 102.3 + 123.5 * t + 32.5 * t * t;
    else if (y >= 1620.0)
    {
        int i = (int)((y - 1620.0) / 2.0);
        if (i > 185)
            i = 185;
        seconds = ((y / 2.0 - i - 810.0) * (s_deltaT[i + 1] - s_deltaT[i]) + s_deltaT[i]) * 0.1;
    }
    else if (y >= 948.0)
        seconds = 50.6 + 67.5 * t + 22.5 * t * t;
    else
        seconds = 2715.6 + 573.36 * t + 46.5 * t * t;
    return CLTimeSpan((LONGLONG)seconds);
}

BOOL CLDate::ConvertFrame(int frame)
{
    if (m_frame == frame)
        return TRUE;
    if (m_frame != TIMEFRAME_UNIVERSAL && frame != TIMEFRAME_UNIVERSAL)
        return ConvertFrame(TIMEFRAME_UNIVERSAL) && ConvertFrame(frame);

    if (frame == TIMEFRAME_DYNAMICAL || m_frame == TIMEFRAME_DYNAMICAL)
    {
        CLTimeSpan deltaT = GetDeltaT();
        if (!deltaT.IsValid())
            return FALSE;
        m_value += frame == TIMEFRAME_DYNAMICAL ? deltaT.GetTotalSeconds() : -deltaT.GetTotalSeconds();
        m_frame = frame;
        return TRUE;
    }

    // Local time goes through the system in Gregorian fields, whatever calendar shows the value.
    CLDate result;
    if (frame == TIMEFRAME_LOCAL)
    {
        SYSTEMTIME universal, local;
        if (!ToGregorianSystemTime(universal) ||
            !CLocalZone::GetCurrent()->SystemTimeToTzSpecificLocalTime(&universal, &local))
            return FALSE;
        result = CLDate(local, TIMEFRAME_LOCAL, FALSE, CAL_GREGORIAN);
    }
    else
    {
        SYSTEMTIME st;
        FILETIME local, universal;
        if (!ToGregorianSystemTime(st) || !::SystemTimeToFileTime(&st, &local) ||
            !CLocalZone::GetCurrent()->LocalFileTimeToFileTime(&local, &universal))
            return FALSE;
        result = CLDate(universal, TIMEFRAME_UNIVERSAL, CAL_GREGORIAN);
    }
    if (!result.IsValid())
        return FALSE;
    result.m_calendar = m_calendar;
    *this = result;
    return TRUE;
}

BOOL CLDate::SetTimeFrame(int frame)
{
    if (frame == m_frame)
        return TRUE;
    if (!IsValid() || frame < TIMEFRAME_UNIVERSAL || frame > TIMEFRAME_LOCAL)
        return FALSE;
    // Work on a copy: a conversion that fails half-way must not leave the value relabelled.
    CLDate converted(*this);
    if (!converted.ConvertFrame(frame))
        return FALSE;
    *this = converted;
    return TRUE;
}

CLDate CLDate::Shifted(LONGLONG seconds) const
{
    CLDate result(*this);
    if (!result.IsValid())
        return result;
    // Local wall-clock time is not uniform across a daylight-saving change; real time is.
    if (result.m_frame == TIMEFRAME_LOCAL && !result.SetTimeFrame(TIMEFRAME_UNIVERSAL))
    {
        result.SetInvalid();
        return result;
    }
    // A span that would carry the value off the 64-bit scale (or onto its invalid marker)
    // leaves no date-time rather than one wrapped round to the other end.
    if ((seconds > 0 && result.m_value > LLONG_MAX - seconds) ||
        (seconds < 0 && result.m_value <= LLONG_MIN - seconds))
    {
        result.SetInvalid();
        return result;
    }
    result.m_value += seconds;
    return result;
}

CLDate CLDate::operator+(const CLTimeSpan& span) const
{
    if (!span.IsValid())
    {
        CLDate result(*this);
        result.SetInvalid();
        return result;
    }
    return Shifted(span.GetTotalSeconds());
}

CLDate CLDate::operator-(const CLTimeSpan& span) const
{
    if (!span.IsValid())
    {
        CLDate result(*this);
        result.SetInvalid();
        return result;
    }
    return Shifted(-span.GetTotalSeconds());
}

CLDate& CLDate::operator+=(const CLTimeSpan& span)
{
    *this = *this + span;
    return *this;
}

CLDate& CLDate::operator-=(const CLTimeSpan& span)
{
    *this = *this - span;
    return *this;
}

CLTimeSpan CLDate::operator-(const CLDate& other) const
{
    if (!IsValid() || !other.IsValid())
        return CLTimeSpan();
    CLDate a(*this), b(other);
    // Values of different frames are on different scales; compare them in universal time.
    if (a.m_frame != b.m_frame &&
        (!a.SetTimeFrame(TIMEFRAME_UNIVERSAL) || !b.SetTimeFrame(TIMEFRAME_UNIVERSAL)))
        return CLTimeSpan();
    if ((b.m_value < 0 && a.m_value > LLONG_MAX + b.m_value) ||
        (b.m_value > 0 && a.m_value <= LLONG_MIN + b.m_value))
        return CLTimeSpan();
    return CLTimeSpan(a.m_value - b.m_value);
}

int CLDate::Compare(const CLDate& other) const
{
    LONGLONG a = m_value, b = other.m_value;
    if (m_frame != other.m_frame)
    {
        CLDate x(*this), y(other);
        x.SetTimeFrame(TIMEFRAME_UNIVERSAL);
        y.SetTimeFrame(TIMEFRAME_UNIVERSAL);
        a = x.m_value;
        b = y.m_value;
    }
    return a < b ? -1 : (a > b ? 1 : 0);
}

CString CLDate::GetTimeFrameName() const
{
    switch (m_frame)
    {
    case TIMEFRAME_UNIVERSAL:
        return CDate::LoadResourceText(IDS_TIMEFRAME_UNIVERSAL, _T("Universal Time"));
    case TIMEFRAME_DYNAMICAL:
        return CDate::LoadResourceText(IDS_TIMEFRAME_DYNAMICAL, _T("Dynamical Time"));
    }
    return CDate::LoadResourceText(IDS_TIMEFRAME_LOCAL, _T("Local Time"));
}

CString CLDate::Format(DWORD flags) const
{
    if (!IsValid())
        return CString();
    CString text = GetDate().Format() + _T(" ") + GetTimeOfDay().Format(flags & 1);
    if (!(flags & 2))
        text += _T(" ") + GetTimeFrameName();
    return text;
}

CString CLDate::Format(const CString& fmt) const
{
    if (!IsValid())
        return CString();
    CDate date = GetDate();
    CLTimeOfDay time = GetTimeOfDay();
    return ExpandFormat(fmt, [&](TCHAR code, BOOL alternate) -> CString {
        switch (code)
        {
        case 'H':
        case 'M':
        case 'S':
        case 'h':
        case 'P':
            return time.FormatCode(code, alternate);
        case 'x':
            return date.FormatCode('x', alternate) + _T(" ") + time.FormatCode('x', FALSE);
        case 't':
            return alternate ? CString(code) : GetTimeFrameName();
        case 'f':
            return alternate ? CString(code) : date.GetCalendarName();
        case 'A':
        case 'a':
        case 'B':
        case 'b':
        case 'c':
        case 'd':
        case 'j':
        case 'm':
        case 'U':
        case 'w':
        case 'Y':
        case 'y':
            return date.FormatCode(code, alternate);
        }
        return CString(code);
    });
}
