#include "DateForms.h"

BOOL CDateForms::Split(const CDate& date, CDateFields& fields)
{
    memset(&fields, 0, sizeof(fields));
    if (!date.IsValid())
        return FALSE;
    fields.year = date.GetYear();
    fields.month = date.GetMonth();
    fields.day = date.GetDay();
    fields.dayOfYear = date.GetDayOfYear();
    fields.week = (WORD)((fields.day - 1) / 7 + 1);
    fields.dayOfWeek = date.GetDayOfWeek();
    fields.weekOfYear = date.GetWeekOfYear();
    fields.julianDay = date.GetJulianDayNumber();
    return TRUE;
}

CDate CDateForms::FirstWeekStart(LONG year, int calendar)
{
    return CDate(year, 1, 1, CDate::GetFirstDayOfWeek(), calendar);
}

BOOL CDateForms::Join(int form, const CDateFields& fields, int calendar, CDate& date)
{
    date.SetInvalid();
    switch (form)
    {
    case DATEFORM_DAY_OF_MONTH:
        if (fields.month < 1 || fields.month > 12 || fields.day < 1)
            return FALSE;
        date.SetDate(fields.year, fields.month, fields.day, calendar);
        // The library may carry an overlong day into the next month; a page must not.
        if (date.IsValid() && (date.GetMonth() != fields.month || date.GetDay() != fields.day))
            date.SetInvalid();
        break;
    case DATEFORM_DAY_OF_YEAR:
        if (fields.dayOfYear < 1 || fields.dayOfYear > CDate::DaysInYear(fields.year, calendar))
            return FALSE;
        date.SetDate(fields.year, 1, 1, calendar);
        if (date.IsValid())
            date += fields.dayOfYear - 1;
        break;
    case DATEFORM_WEEK_OF_MONTH:
        if (fields.month < 1 || fields.month > 12 || fields.week < 1 || fields.week > 5 ||
            fields.dayOfWeek < 1 || fields.dayOfWeek > 7)
            return FALSE;
        date.SetWeekOfMonthDate(fields.year, fields.month, fields.week, fields.dayOfWeek, calendar);
        break;
    case DATEFORM_WEEK_OF_YEAR: {
        if (fields.weekOfYear > 53 || fields.dayOfWeek < 1 || fields.dayOfWeek > 7)
            return FALSE;
        CDate start = FirstWeekStart(fields.year, calendar);
        if (!start.IsValid())
            return FALSE;
        LONG offset = (fields.dayOfWeek - CDate::GetFirstDayOfWeek() + 7) % 7;
        date = start + ((LONG)fields.weekOfYear - 1) * 7 + offset;
        // Week 0 holds only the days of January before week 1; a weekday that falls before
        // 1 January does not belong to this year.
        if (date.IsValid() && date.GetYear() != fields.year)
            date.SetInvalid();
        break;
    }
    case DATEFORM_JULIAN_DAY:
        date.SetDayCount(fields.julianDay, EPOCH_JULIAN_DAY, calendar);
        break;
    default:
        return FALSE;
    }
    return date.IsValid();
}
