// The five forms in which the date pages show a CDate (day of month, day of year, n-th weekday
// of a month, week of year, Julian day number): splitting a date into a form's fields and
// building it back. Knows no window.
#ifndef VELMORA_DATETIME_DATEFORMS_H
#define VELMORA_DATETIME_DATEFORMS_H

#include "Date.h"

// Form numbers, in the order of the pages' form combo; bit (1 << form) of a hide-mask leaves
// that form out.
#define DATEFORM_DAY_OF_MONTH  0
#define DATEFORM_DAY_OF_YEAR   1
#define DATEFORM_WEEK_OF_MONTH 2
#define DATEFORM_WEEK_OF_YEAR  3
#define DATEFORM_JULIAN_DAY    4
#define DATEFORM_COUNT         5

struct CDateFields
{
    LONG year;
    WORD month;      // 1..12
    WORD day;        // day of the month
    WORD dayOfYear;  // 1..366
    WORD week;       // week of the month, 1..5 (5 = the last)
    WORD dayOfWeek;  // 1 = Sunday .. 7
    WORD weekOfYear; // 0 for the days before the year's first week starts
    LONG julianDay;
};

class CDateForms
{
public:
    // Fields of a valid date (all of them, whatever the form); FALSE for an invalid date.
    static BOOL Split(const CDate& date, CDateFields& fields);

    // Builds the date of one form from the fields that form uses, in the given calendar.
    // FALSE (and the date left invalid) when the fields name no day, for instance day 30 of
    // February or day 366 of a common year.
    static BOOL Join(int form, const CDateFields& fields, int calendar, CDate& date);

    // The first day of week 1 of a year: the locale's first weekday on or after 1 January.
    static CDate FirstWeekStart(LONG year, int calendar);
};

#endif // VELMORA_DATETIME_DATEFORMS_H
