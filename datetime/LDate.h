// CLDate: a point in time (day number and second of day) in universal, dynamical or local time.
#ifndef VELMORA_DATETIME_LDATE_H
#define VELMORA_DATETIME_LDATE_H

#include <afx.h>
#include "Date.h"
#include "LTimeOfDay.h"
#include "LTimeSpan.h"

// Names of the time frames; built-in English texts stand in when the program does not carry them.
#define IDS_TIMEFRAME_LOCAL     16052
#define IDS_TIMEFRAME_UNIVERSAL 16053
#define IDS_TIMEFRAME_DYNAMICAL 16054

class CLDate : public CObject
{
    DECLARE_SERIAL(CLDate)

public:
    static const LONGLONG INVALID_VALUE = (LONGLONG)0x8000000000000000ULL;

    // Construction
    CLDate();
    CLDate(LONG year, WORD month, WORD day, WORD hour, WORD minute, WORD second, int frame, int calendar);
    CLDate(const CDate& date, const CLTimeOfDay& time, int frame);
    // With bRuleForm the SYSTEMTIME is a TIME_ZONE_INFORMATION transition rule: wDay is the week
    // of the month (5 = last) and wDayOfWeek the weekday from Sunday = 0. wYear 0 means this year.
    CLDate(const SYSTEMTIME& st, int frame, BOOL bRuleForm, int calendar);
    CLDate(const FILETIME& ft, int frame, int calendar);
    CLDate(LONG year, WORD month, WORD week, WORD dayOfWeek, WORD hour, WORD minute, WORD second, int frame,
           int calendar);
    CLDate(const CLDate& other);
    CLDate& operator=(const CLDate& other);
    static CLDate Now(int frame, int calendar);

    // Attributes
    BOOL IsValid() const { return m_value != INVALID_VALUE; }
    LONGLONG GetValue() const { return m_value; }
    CDate GetDate() const;
    CLTimeOfDay GetTimeOfDay() const;
    int GetTimeFrame() const { return m_frame; }
    BOOL IsGregorian() const { return m_calendar != 0; }
    CLTimeSpan GetDeltaT() const;
    BOOL ToSystemTime(SYSTEMTIME& st) const;
    BOOL ToFileTime(FILETIME& ft) const;

    // Operations
    void SetInvalid() { m_value = INVALID_VALUE; }
    BOOL SetTimeFrame(int frame);
    CLDate operator+(const CLTimeSpan& span) const;
    CLDate operator-(const CLTimeSpan& span) const;
    CLDate& operator+=(const CLTimeSpan& span);
    CLDate& operator-=(const CLTimeSpan& span);
    CLTimeSpan operator-(const CLDate& other) const;
    BOOL operator==(const CLDate& other) const { return Compare(other) == 0; }
    BOOL operator!=(const CLDate& other) const { return Compare(other) != 0; }
    BOOL operator>(const CLDate& other) const { return Compare(other) > 0; }
    BOOL operator>=(const CLDate& other) const { return Compare(other) >= 0; }
    BOOL operator<(const CLDate& other) const { return Compare(other) < 0; }
    BOOL operator<=(const CLDate& other) const { return Compare(other) <= 0; }
    // Flags: bit 0 leaves out the seconds, bit 1 the name of the time frame.
    CString Format(const CString& fmt) const;
    CString Format(DWORD flags = 0) const;
    CString GetTimeFrameName() const;

    // Implementation
protected:
    void Build(const CDate& date, const CLTimeOfDay& time, int frame);
    void CheckLocalTime();
    BOOL ConvertFrame(int frame);
    BOOL ToGregorianSystemTime(SYSTEMTIME& st) const;
    int Compare(const CLDate& other) const;
    CLDate Shifted(LONGLONG seconds) const;

    LONGLONG m_value;
    int m_frame;
    int m_calendar;
};

#endif // VELMORA_DATETIME_LDATE_H
