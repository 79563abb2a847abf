// CTime and CTimeSpan: seconds-based absolute time and elapsed time.
#ifndef VELMORA_AFXTIME_H
#define VELMORA_AFXTIME_H

#include <windows.h>
#include <time.h>
#include "AfxDefs.h"
#include "AfxString.h"

class CArchive;

class CTimeSpan
{
public:
    // Constructors
    CTimeSpan() : m_timeSpan(0) {}
    CTimeSpan(time_t time) : m_timeSpan(time) {}
    CTimeSpan(LONG lDays, int nHours, int nMins, int nSecs);

    // Attributes
    LONG GetDays() const;
    LONG GetTotalHours() const;
    int GetHours() const;
    LONG GetTotalMinutes() const;
    int GetMinutes() const;
    LONG GetTotalSeconds() const;
    int GetSeconds() const;

    // Operations
    CTimeSpan operator-(CTimeSpan timeSpan) const { return CTimeSpan(m_timeSpan - timeSpan.m_timeSpan); }
    CTimeSpan operator+(CTimeSpan timeSpan) const { return CTimeSpan(m_timeSpan + timeSpan.m_timeSpan); }
    const CTimeSpan& operator+=(CTimeSpan timeSpan)
    {
        m_timeSpan += timeSpan.m_timeSpan;
        return *this;
    }
    const CTimeSpan& operator-=(CTimeSpan timeSpan)
    {
        m_timeSpan -= timeSpan.m_timeSpan;
        return *this;
    }
    BOOL operator==(CTimeSpan timeSpan) const { return m_timeSpan == timeSpan.m_timeSpan; }
    BOOL operator!=(CTimeSpan timeSpan) const { return m_timeSpan != timeSpan.m_timeSpan; }
    BOOL operator<(CTimeSpan timeSpan) const { return m_timeSpan < timeSpan.m_timeSpan; }
    BOOL operator>(CTimeSpan timeSpan) const { return m_timeSpan > timeSpan.m_timeSpan; }
    BOOL operator<=(CTimeSpan timeSpan) const { return m_timeSpan <= timeSpan.m_timeSpan; }
    BOOL operator>=(CTimeSpan timeSpan) const { return m_timeSpan >= timeSpan.m_timeSpan; }

    // %D days, %H hours, %M minutes, %S seconds, %% a percent sign.
    CString Format(LPCTSTR pFormat) const;
    CString Format(UINT nID) const;

    // Stored as a 4-byte LONG of seconds.
    friend CArchive& AFXAPI operator<<(CArchive& ar, CTimeSpan timeSpan);
    friend CArchive& AFXAPI operator>>(CArchive& ar, CTimeSpan& rtimeSpan);

private:
    time_t m_timeSpan;
    friend class CTime;
};

class CTime
{
public:
    // Constructors
    static CTime PASCAL GetCurrentTime();

    CTime() : m_time(0) {}
    CTime(time_t time) : m_time(time) {}
    CTime(int nYear, int nMonth, int nDay, int nHour, int nMin, int nSec, int nDST = -1);
    CTime(WORD wDosDate, WORD wDosTime, int nDST = -1);
    CTime(const SYSTEMTIME& sysTime, int nDST = -1);
    CTime(const FILETIME& fileTime, int nDST = -1);

    // Attributes
    struct tm* GetGmtTm(struct tm* ptm = NULL) const;
    struct tm* GetLocalTm(struct tm* ptm = NULL) const;
    BOOL GetAsSystemTime(SYSTEMTIME& timeDest) const;

    time_t GetTime() const { return m_time; }
    int GetYear() const;
    int GetMonth() const;     // 1..12
    int GetDay() const;       // 1..31
    int GetHour() const;      // 0..23
    int GetMinute() const;    // 0..59
    int GetSecond() const;    // 0..59
    int GetDayOfWeek() const; // 1 = Sunday

    // Operations
    CTimeSpan operator-(CTime time) const { return CTimeSpan(m_time - time.m_time); }
    CTime operator-(CTimeSpan timeSpan) const { return CTime(m_time - timeSpan.m_timeSpan); }
    CTime operator+(CTimeSpan timeSpan) const { return CTime(m_time + timeSpan.m_timeSpan); }
    const CTime& operator+=(CTimeSpan timeSpan)
    {
        m_time += timeSpan.m_timeSpan;
        return *this;
    }
    const CTime& operator-=(CTimeSpan timeSpan)
    {
        m_time -= timeSpan.m_timeSpan;
        return *this;
    }
    BOOL operator==(CTime time) const { return m_time == time.m_time; }
    BOOL operator!=(CTime time) const { return m_time != time.m_time; }
    BOOL operator<(CTime time) const { return m_time < time.m_time; }
    BOOL operator>(CTime time) const { return m_time > time.m_time; }
    BOOL operator<=(CTime time) const { return m_time <= time.m_time; }
    BOOL operator>=(CTime time) const { return m_time >= time.m_time; }

    // strftime formats, in local time (Format) or UTC (FormatGmt).
    CString Format(LPCTSTR pFormat) const;
    CString FormatGmt(LPCTSTR pFormat) const;
    CString Format(UINT nFormatID) const;
    CString FormatGmt(UINT nFormatID) const;

    // Stored as a 4-byte DWORD of seconds since 1970.
    friend CArchive& AFXAPI operator<<(CArchive& ar, CTime time);
    friend CArchive& AFXAPI operator>>(CArchive& ar, CTime& rtime);

private:
    time_t m_time;
};

#endif // VELMORA_AFXTIME_H
