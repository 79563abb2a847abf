// The date pages' five forms: every date of the calendar vectors splits into Python's fields
// and builds back from each form; fields that name no day are refused.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "DateForms.h"

TEST(DateForms, SplitAndJoinEveryFormAgainstPython)
{
    // The vectors count weeks of the year from Sunday, as the test prefix's locale does.
    ASSERT_EQ(1, CDate::GetFirstDayOfWeek());
    std::ifstream in(VELMORA_FORM_VECTORS);
    ASSERT_TRUE(in.good()) << VELMORA_FORM_VECTORS;
    std::string text;
    int lines = 0;
    while (std::getline(in, text))
    {
        std::istringstream row(text);
        long year, julianDay;
        int month, day, dayOfYear, week, dayOfWeek, weekOfYear;
        row >> year >> month >> day >> dayOfYear >> week >> dayOfWeek >> weekOfYear >> julianDay;
        lines++;
        CDate date(year, (WORD)month, (WORD)day, CAL_REFORM);
        CDateFields fields;
        ASSERT_TRUE(CDateForms::Split(date, fields)) << text;
        EXPECT_EQ(year, fields.year) << text;
        EXPECT_EQ(month, fields.month) << text;
        EXPECT_EQ(day, fields.day) << text;
        EXPECT_EQ(dayOfYear, fields.dayOfYear) << text;
        EXPECT_EQ(week, fields.week) << text;
        EXPECT_EQ(dayOfWeek, fields.dayOfWeek) << text;
        EXPECT_EQ(weekOfYear, fields.weekOfYear) << text;
        EXPECT_EQ(julianDay, fields.julianDay) << text;
        for (int form = 0; form < DATEFORM_COUNT; form++)
        {
            CDate back;
            EXPECT_TRUE(CDateForms::Join(form, fields, CAL_REFORM, back)) << text << " form " << form;
            EXPECT_EQ(date.GetDayNumber(), back.GetDayNumber()) << text << " form " << form;
        }
    }
    EXPECT_GT(lines, 500);
}

TEST(DateForms, FieldsThatNameNoDayAreRefused)
{
    struct Case
    {
        const char* what;
        int form;
        long year;
        int month, day, dayOfYear, week, dayOfWeek, weekOfYear;
    } cases[] = {
        {"30 February", DATEFORM_DAY_OF_MONTH, 2024, 2, 30, 0, 0, 0, 0},
        {"day 0", DATEFORM_DAY_OF_MONTH, 2024, 5, 0, 0, 0, 0, 0},
        {"month 13", DATEFORM_DAY_OF_MONTH, 2024, 13, 1, 0, 0, 0, 0},
        {"day 366 of a common year", DATEFORM_DAY_OF_YEAR, 2023, 0, 0, 366, 0, 0, 0},
        {"day 0 of the year", DATEFORM_DAY_OF_YEAR, 2023, 0, 0, 0, 0, 0, 0},
        {"sixth week", DATEFORM_WEEK_OF_MONTH, 2024, 3, 0, 0, 6, 1, 0},
        {"weekday 8", DATEFORM_WEEK_OF_MONTH, 2024, 3, 0, 0, 1, 8, 0},
        {"no month", DATEFORM_WEEK_OF_MONTH, 2024, 0, 0, 0, 1, 1, 0},
        {"week 54", DATEFORM_WEEK_OF_YEAR, 2024, 0, 0, 0, 0, 1, 54},
        // 2026 starts on a Thursday: the Sunday of week 0 would be 28 December 2025.
        {"week 0 before 1 January", DATEFORM_WEEK_OF_YEAR, 2026, 0, 0, 0, 0, 1, 0},
        {"week 53 past the year", DATEFORM_WEEK_OF_YEAR, 2026, 0, 0, 0, 0, 7, 53},
    };
    for (const Case& c : cases)
    {
        CDateFields fields = {};
        fields.year = c.year;
        fields.month = (WORD)c.month;
        fields.day = (WORD)c.day;
        fields.dayOfYear = (WORD)c.dayOfYear;
        fields.week = (WORD)c.week;
        fields.dayOfWeek = (WORD)c.dayOfWeek;
        fields.weekOfYear = (WORD)c.weekOfYear;
        CDate date;
        EXPECT_FALSE(CDateForms::Join(c.form, fields, CAL_REFORM, date)) << c.what;
        EXPECT_FALSE(date.IsValid()) << c.what;
    }
    CDateFields fields;
    CDate none;
    none.SetInvalid();
    EXPECT_FALSE(CDateForms::Split(none, fields));
}

TEST(DateForms, LastWeekOfTheMonthIsFiveWhateverItsNumber)
{
    // The last Sunday of March 2024 is the 31st (fifth Sunday), of March 2026 the 29th, and of
    // February 2026 the 22nd (fourth Sunday), which week 5 also names.
    struct Case
    {
        long year;
        int month, day;
    } cases[] = {{2024, 3, 31}, {2026, 3, 29}, {2026, 2, 22}};
    for (const Case& c : cases)
    {
        CDateFields fields = {};
        fields.year = c.year;
        fields.month = (WORD)c.month;
        fields.week = 5;
        fields.dayOfWeek = 1;
        CDate date;
        ASSERT_TRUE(CDateForms::Join(DATEFORM_WEEK_OF_MONTH, fields, CAL_REFORM, date));
        EXPECT_EQ(c.day, date.GetDay()) << c.year << "-" << c.month;
    }
}
