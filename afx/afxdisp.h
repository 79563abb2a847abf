// COleDateTime and COleDateTimeSpan: date-times as OLE DATE values (days since 1899-12-30, the
// fraction the time of day) and spans between them.
#ifndef VELMORA_AFXDISP_H
#define VELMORA_AFXDISP_H

#include "afx.h"

#include <oleauto.h>

#include "AfxArchive.h"

#define AFX_OLE_DATETIME_ERROR (-1)

class COleDateTimeSpan;

class COleDateTime
{
public:
    static COleDateTime PASCAL GetCurrentTime();

    // Constructors
    COleDateTime();
    COleDateTime(const VARIANT& varSrc);
    COleDateTime(DATE dtSrc);
    COleDateTime(time_t timeSrc); // taken as local time
    COleDateTime(const SYSTEMTIME& systimeSrc);
    COleDateTime(const FILETIME& filetimeSrc); // UTC, converted to local time
    COleDateTime(int nYear, int nMonth, int nDay, int nHour, int nMin, int nSec);
    COleDateTime(WORD wDosDate, WORD wDosTime);

    // Attributes
    enum DateTimeStatus
    {
        valid = 0,
        invalid = 1, // invalid date (out of range, etc.)
        null = 2,    // literally has no value
    };

    // The order of these two members is the 12-byte memory form that settings store.
    DATE m_dt;
    DateTimeStatus m_status;

    void SetStatus(DateTimeStatus status) { m_status = status; }
    DateTimeStatus GetStatus() const { return m_status; }

    BOOL GetAsSystemTime(SYSTEMTIME& sysTime) const;

    // Parts of the date-time, rounded to the nearest second; AFX_OLE_DATETIME_ERROR when the
    // value is not valid.
    int GetYear() const;
    int GetMonth() const;     // 1 to 12
    int GetDay() const;       // 1 to 31
    int GetHour() const;      // 0 to 23
    int GetMinute() const;    // 0 to 59
    int GetSecond() const;    // 0 to 59
    int GetDayOfWeek() const; // 1 = Sunday to 7 = Saturday
    int GetDayOfYear() const; // 1 = January 1

    // Operations
    const COleDateTime& operator=(const VARIANT& varSrc);
    const COleDateTime& operator=(DATE dtSrc);
    const COleDateTime& operator=(const time_t& timeSrc);
    const COleDateTime& operator=(const SYSTEMTIME& systimeSrc);
    const COleDateTime& operator=(const FILETIME& filetimeSrc);

    // Comparisons order by time, so a value before 1899-12-30 (a negative DATE whose fraction
    // still counts forward from midnight) sorts where it belongs.
    BOOL operator==(const COleDateTime& date) const;
    BOOL operator!=(const COleDateTime& date) const;
    BOOL operator<(const COleDateTime& date) const;
    BOOL operator>(const COleDateTime& date) const;
    BOOL operator<=(const COleDateTime& date) const;
    BOOL operator>=(const COleDateTime& date) const;

    COleDateTime operator+(const COleDateTimeSpan& dateSpan) const;
    COleDateTime operator-(const COleDateTimeSpan& dateSpan) const;
    const COleDateTime& operator+=(const COleDateTimeSpan dateSpan);
    const COleDateTime& operator-=(const COleDateTimeSpan dateSpan);
    COleDateTimeSpan operator-(const COleDateTime& date) const;

    operator DATE() const { return m_dt; }

    // Setters return 0 on success and 1 when a part is out of range (the value becomes invalid).
    int SetDateTime(int nYear, int nMonth, int nDay, int nHour, int nMin, int nSec);
    int SetDate(int nYear, int nMonth, int nDay);
    int SetTime(int nHour, int nMin, int nSec);
    BOOL ParseDateTime(LPCTSTR lpszDate, DWORD dwFlags = 0, LCID lcid = LANG_USER_DEFAULT);

    // Formatting: through the system's variant conversion, or with strftime-style codes.
    CString Format(DWORD dwFlags = 0, LCID lcid = LANG_USER_DEFAULT) const;
    CString Format(LPCTSTR lpszFormat) const;
    CString Format(UINT nFormatID) const;

    // Implementation
protected:
    void CheckRange();
    friend class COleDateTimeSpan;
};

class COleDateTimeSpan
{
public:
    // Constructors
    COleDateTimeSpan();
    COleDateTimeSpan(double dblSpanSrc);
    COleDateTimeSpan(long lDays, int nHours, int nMins, int nSecs);

    // Attributes
    enum DateTimeSpanStatus
    {
        valid = 0,
        invalid = 1,
        null = 2,
    };

    double m_span; // days
    DateTimeSpanStatus m_status;

    void SetStatus(DateTimeSpanStatus status) { m_status = status; }
    DateTimeSpanStatus GetStatus() const { return m_status; }

    // Totals in whole units, truncated toward zero after rounding the span to the nearest
    // second, so a span computed from two times five seconds apart is 5 seconds, not 4.999.
    double GetTotalDays() const;
    double GetTotalHours() const;
    double GetTotalMinutes() const;
    double GetTotalSeconds() const;

    // Components of the span rounded to the nearest second; they carry the span's sign.
    long GetDays() const;
    long GetHours() const;   // -23 to 23
    long GetMinutes() const; // -59 to 59
    long GetSeconds() const; // -59 to 59

    // Operations
    const COleDateTimeSpan& operator=(double dblSpanSrc);

    BOOL operator==(const COleDateTimeSpan& dateSpan) const;
    BOOL operator!=(const COleDateTimeSpan& dateSpan) const;
    BOOL operator<(const COleDateTimeSpan& dateSpan) const;
    BOOL operator>(const COleDateTimeSpan& dateSpan) const;
    BOOL operator<=(const COleDateTimeSpan& dateSpan) const;
    BOOL operator>=(const COleDateTimeSpan& dateSpan) const;

    COleDateTimeSpan operator+(const COleDateTimeSpan& dateSpan) const;
    COleDateTimeSpan operator-(const COleDateTimeSpan& dateSpan) const;
    const COleDateTimeSpan& operator+=(const COleDateTimeSpan dateSpan);
    const COleDateTimeSpan& operator-=(const COleDateTimeSpan dateSpan);
    COleDateTimeSpan operator-() const;

    operator double() const { return m_span; }

    void SetDateTimeSpan(long lDays, int nHours, int nMins, int nSecs);

    // %D is the whole days; %H, %M and %S the hours, minutes and seconds of the day part; the
    // other strftime codes see the span as a time on 1899-12-30.
    CString Format(LPCTSTR pFormat) const;
    CString Format(UINT nID) const;

    // Implementation
    void CheckRange();
    friend class COleDateTime;
};

// Archive forms: the status as a LONG, then the value as an 8-byte double.
CArchive& AFXAPI operator<<(CArchive& ar, COleDateTime dateSrc);
CArchive& AFXAPI operator>>(CArchive& ar, COleDateTime& dateSrc);
CArchive& AFXAPI operator<<(CArchive& ar, COleDateTimeSpan dateSpanSrc);
CArchive& AFXAPI operator>>(CArchive& ar, COleDateTimeSpan& dateSpanSrc);

#endif // VELMORA_AFXDISP_H
