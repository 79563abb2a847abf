// CDate: one day on an absolute day scale, read in the Julian or the Gregorian calendar.
#ifndef VELMORA_DATETIME_DATE_H
#define VELMORA_DATETIME_DATE_H

#include <afx.h>

// Calendar arguments of the constructors and setters.
#define CAL_JULIAN    0
#define CAL_GREGORIAN 1
#define CAL_REFORM    2 // Gregorian from 1582-10-15 on, Julian before

// Epochs of SetDayCount.
#define EPOCH_JULIAN_DAY          0
#define EPOCH_MODIFIED_JULIAN_DAY 1 // Julian Day Number - 2,400,000
#define EPOCH_1900                2
#define EPOCH_1950                3
#define EPOCH_1970                4
#define EPOCH_2000                5
#define EPOCH_REFORM              6 // days since 1582-10-15

// String resources the program may carry; built-in English texts stand in when it does not.
#define IDS_DATE_ERA_AD        16050
#define IDS_DATE_ERA_BC        16051
#define IDS_DATE_CAL_JULIAN    16099
#define IDS_DATE_CAL_GREGORIAN 16100

class CDate : public CObject
{
    DECLARE_SERIAL(CDate)

public:
    enum
    {
        INVALID_DAY = (LONG)0x80000000,
        JDN_OFFSET = 1997700839, // day number - Julian Day Number
        REFORM_DAY = 2000000000  // day number of 1582-10-15
    };

    // Construction
    CDate();
    CDate(LONG year, WORD month, WORD day, int calendar);
    CDate(const SYSTEMTIME& st, int calendar);
    CDate(LONG year, WORD month, WORD week, WORD dayOfWeek, int calendar);
    CDate(LONG count, int epoch, int calendar);
    CDate(const CDate& other);
    CDate& operator=(const CDate& other);

    // Setters
    BOOL SetDate(LONG year, WORD month, WORD day, int calendar);
    BOOL SetWeekOfMonthDate(LONG year, WORD month, WORD week, WORD dayOfWeek, int calendar);
    BOOL SetDayCount(LONG count, int epoch, int calendar);
    void SetInvalid();

    // Attributes
    BOOL IsValid() const { return m_dayNumber != INVALID_DAY; }
    LONG GetDayNumber() const { return m_dayNumber; }
    int GetCalendar() const { return m_calendar; }
    BOOL IsGregorian() const { return m_calendar != 0; }
    LONG GetJulianDayNumber() const;
    LONG GetDaysSinceReform() const;
    LONG GetYear() const;
    WORD GetMonth() const;
    WORD GetDay() const;
    WORD GetDayOfWeek() const;
    WORD GetDayOfYear() const;
    WORD GetWeekOfYear() const;
    LONG GetEraYear(BOOL& isAD) const;
    WORD GetTwoDigitYear() const;
    CString GetDayName() const;
    CString GetAbbrevDayName() const;
    CString GetMonthName() const;
    CString GetAbbrevMonthName() const;
    CString GetCalendarName() const;
    CString GetEraText() const;
    BOOL ToSystemTime(SYSTEMTIME& st) const;

    // Operations
    CDate operator+(LONG days) const;
    CDate operator-(LONG days) const;
    CDate& operator+=(LONG days);
    CDate& operator-=(LONG days);
    CDate& AddWeeks(LONG weeks);
    LONG operator-(const CDate& other) const;
    BOOL operator==(const CDate& other) const { return m_dayNumber == other.m_dayNumber; }
    BOOL operator!=(const CDate& other) const { return m_dayNumber != other.m_dayNumber; }
    CString Format(const CString& fmt) const;
    CString Format() const;

    // Static helpers
    static CDate Today(int calendar);
    static LONG GetCurrentYear(int calendar);
    static CDate FirstDayOfCurrentYear(int calendar);
    static CDate JulianDayZero(int calendar);
    static BOOL IsLeapYear(LONG year, int calendar);
    static WORD DaysInYear(LONG year, int calendar);
    static WORD DaysInMonth(WORD month, BOOL leap);
    static WORD GetFirstDayOfWeek();
    static void GetReformDate(LONG& year, WORD& month, WORD& day);
    static BOOL IsGregorianDate(LONG year, WORD month, WORD day);
    static CString GetDayName(WORD dayOfWeek, BOOL abbreviated);
    static CString GetMonthName(WORD month, BOOL abbreviated);

    // Division that rounds towards minus infinity, remainder 0..divisor-1 (divisor > 0).
    static LONGLONG FloorDiv(LONGLONG a, LONGLONG b) { return a >= 0 ? a / b : -((-a + b - 1) / b); }
    static LONGLONG FloorMod(LONGLONG a, LONGLONG b) { return a - FloorDiv(a, b) * b; }

    // Implementation
public:
    struct Parts
    {
        LONG year;
        WORD month;
        WORD day;
        WORD dayOfWeek;
        WORD dayOfYear;
    };
    void Split(Parts& parts) const;
    CString FormatCode(TCHAR code, BOOL alternate) const;
    static CString LoadResourceText(UINT nID, LPCTSTR lpszDefault);

protected:
    LONG m_dayNumber;
    int m_calendar;
};

#endif // VELMORA_DATETIME_DATE_H
