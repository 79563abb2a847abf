// CLTimeOfDay: a second of the day, 0..86399.
#ifndef VELMORA_DATETIME_LTIMEOFDAY_H
#define VELMORA_DATETIME_LTIMEOFDAY_H

#include <afx.h>

// Time frames of CLDate, also the frame argument of CLTimeOfDay::Now.
#define TIMEFRAME_UNIVERSAL 0
#define TIMEFRAME_DYNAMICAL 1 // universal time + delta T
#define TIMEFRAME_LOCAL     2

class CLTimeOfDay : public CObject
{
    DECLARE_SERIAL(CLTimeOfDay)

public:
    enum
    {
        INVALID_TIME = 86400
    };

    // Construction
    CLTimeOfDay();
    CLTimeOfDay(WORD hours, WORD minutes, WORD seconds);
    CLTimeOfDay(const SYSTEMTIME& st);
    CLTimeOfDay(DWORD seconds);
    CLTimeOfDay(const CLTimeOfDay& other);
    CLTimeOfDay& operator=(const CLTimeOfDay& other);
    static CLTimeOfDay Now(int frame);
    static CLTimeOfDay Midnight() { return CLTimeOfDay((DWORD)0); }
    static CLTimeOfDay Midday() { return CLTimeOfDay((DWORD)43200); }

    // Attributes
    BOOL IsValid() const { return m_seconds != INVALID_TIME; }
    DWORD GetTotalSeconds() const { return m_seconds; }
    WORD GetHour() const { return (WORD)(m_seconds / 3600); }
    WORD GetMinute() const { return (WORD)(m_seconds % 3600 / 60); }
    WORD GetSecond() const { return (WORD)(m_seconds % 60); }
    WORD Get12Hour() const;
    CString GetAmPm() const;
    BOOL ToSystemTime(SYSTEMTIME& st) const;

    // Operations
    BOOL Set(WORD hours, WORD minutes, WORD seconds);
    BOOL Set(DWORD seconds);
    void SetInvalid() { m_seconds = INVALID_TIME; }
    BOOL operator==(const CLTimeOfDay& other) const { return m_seconds == other.m_seconds; }
    BOOL operator!=(const CLTimeOfDay& other) const { return m_seconds != other.m_seconds; }
    // Flags: bit 0 set leaves out the seconds.
    CString Format(const CString& fmt) const;
    CString Format(DWORD flags = 0) const;

    // Implementation
public:
    CString FormatCode(TCHAR code, BOOL alternate) const;

protected:
    DWORD m_seconds;
};

#endif // VELMORA_DATETIME_LTIMEOFDAY_H
