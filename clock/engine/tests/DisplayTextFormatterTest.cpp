// Display-text formatter: templates expanded for fixed instants, against texts worked out by hand
// for the en-US locale (day and month names checked against Python's calendar).
#include <gtest/gtest.h>

#include <afx.h>
#include <afxdisp.h>

#include "DisplayTextFormatter.h"

namespace
{
struct Case
{
    const char* pszTemplate;
    int y, mo, d, h, mi, s;
    const char* pszName;
    const char* pszText;
    int nLines;
    const char* pszLongest;
};

const Case cases[] = {
    {"", 2004, 2, 1, 13, 5, 9, "(Local Time)", "", 1, ""},
    {"HH:mm:ss|ddd, d MMM yyyy|z", 2004, 2, 1, 13, 5, 9, "(Local Time)",
     "13:05:09\nSun, 1 Feb 2004\n(Local Time)", 3, "Sun, 1 Feb 2004\n"},
    {"HH:mm|", 2004, 2, 1, 13, 5, 9, "", "13:05\n", 2, "13:05\n"},
    {"ab|ab", 2004, 2, 1, 13, 5, 9, "", "ab\nab", 2, "ab\n"},
    {"a|abc", 2004, 2, 1, 13, 5, 9, "", "a\nabc", 2, "abc"},
    {"'HH'", 2004, 2, 1, 13, 5, 9, "", "HH", 1, "HH"},
    {"''", 2004, 2, 1, 13, 5, 9, "", "", 1, ""},
    {"'a|b'|c", 2004, 2, 1, 13, 5, 9, "", "a|b\nc", 2, "a|b\n"},
    {"d~d", 2004, 2, 5, 13, 5, 9, "", "55", 1, "55"},
    {"dd", 2004, 2, 5, 13, 5, 9, "", "05", 1, "05"},
    {"dddd, MMMM", 2004, 2, 1, 13, 5, 9, "", "Sunday, February", 1, "Sunday, February"},
    {"M/MM", 2004, 2, 1, 13, 5, 9, "", "2/02", 1, "2/02"},
    {"yy yyyy", 2004, 2, 1, 13, 5, 9, "", "04 2004", 1, "04 2004"},
    {"yyy", 2004, 2, 1, 13, 5, 9, "", "04y", 1, "04y"},
    {"DD D", 2004, 2, 1, 13, 5, 9, "", "032 32", 1, "032 32"},
    {"DD ww", 2004, 12, 31, 23, 59, 59, "", "366 53", 1, "366 53"},
    {"ww w", 2004, 1, 8, 0, 0, 0, "", "02 2", 1, "02 2"},
    {"w", 2004, 1, 7, 23, 59, 59, "", "1", 1, "1"},
    {"hh:mm tt", 2004, 2, 1, 13, 5, 9, "", "01:05 PM", 1, "01:05 PM"},
    {"h t H s ss m", 2004, 2, 1, 9, 7, 3, "", "9 A 9 3 03 7", 1, "9 A 9 3 03 7"},
    {"z", 2004, 2, 1, 13, 5, 9, "(Local Time)", "(Local Time)", 1, "(Local Time)"},
    {"z", 2004, 2, 1, 13, 5, 9, "(GMT+01:00) Paris", "(GMT+01:00)", 1, "(GMT+01:00)"},
    {"z", 2004, 2, 1, 13, 5, 9, "Paris", "", 1, ""},
    {"zz", 2004, 2, 1, 13, 5, 9, "(GMT+01:00) Paris", "(GMT+01:00) Paris", 1, "(GMT+01:00) Paris"},
    {"ZZ Z", 2004, 2, 1, 13, 5, 9, "", "Central Europe Standard Time Z", 1, "Central Europe Standard Time Z"},
    {"x-dd", 1999, 12, 31, 0, 0, 0, "", "x-31", 1, "x-31"},
    {"ddd MMM", 2026, 3, 29, 1, 0, 0, "", "Sun Mar", 1, "Sun Mar"},
    // A line feed in the template itself ends the line it is on, which keeps it, without counting
    // as a line break.
    {"ab'\n'c|e", 2004, 2, 1, 13, 5, 9, "", "ab\nc\ne", 2, "ab\n"},
    {"x\nyy", 2004, 2, 1, 13, 5, 9, "", "x\n04", 1, "x\n"},
};
} // namespace

TEST(DisplayTextFormatter, TemplatesAgainstHandWorkedTexts)
{
    CDisplayTextFormatter fmt;
    for (const Case& c : cases)
    {
        DISPLAYTEXTREQUEST req;
        req.nLineCount = -1;
        req.strClockName = c.pszName;
        req.dtInstant = COleDateTime(c.y, c.mo, c.d, c.h, c.mi, c.s);
        req.strTemplate = c.pszTemplate;
        memset(&req.tzi, 0, sizeof(req.tzi));
        wcscpy(req.tzi.StandardName, L"Central Europe Standard Time");
        fmt.Format(req);
        EXPECT_EQ(CString(c.pszText), req.strText) << c.pszTemplate;
        EXPECT_EQ(c.nLines, req.nLineCount) << c.pszTemplate;
        EXPECT_EQ(CString(c.pszLongest), req.strLongestLine) << c.pszTemplate;
    }
}

TEST(DisplayTextFormatter, UnterminatedZoneNameStaysInsideItsField)
{
    CDisplayTextFormatter fmt;
    DISPLAYTEXTREQUEST req;
    req.dtInstant = COleDateTime(2004, 2, 1, 0, 0, 0);
    req.strTemplate = "ZZ";
    memset(&req.tzi, 0, sizeof(req.tzi));
    for (int i = 0; i < 32; i++)
        req.tzi.StandardName[i] = L'N';
    req.tzi.StandardDate.wYear = 0x4141; // the bytes after the name
    fmt.Format(req);
    EXPECT_EQ(CString('N', 32), req.strText);
}

TEST(DisplayTextFormatter, ZoneNameAndWeekOfYear)
{
    EXPECT_EQ(CString("(a)"), CDisplayTextFormatter::ZoneName("(a)(b)", FALSE));
    EXPECT_EQ(CString(")"), CDisplayTextFormatter::ZoneName(")x", FALSE));
    EXPECT_EQ(CString(""), CDisplayTextFormatter::ZoneName("", FALSE));
    EXPECT_EQ(1, CDisplayTextFormatter::WeekOfYear(COleDateTime(2004, 1, 1, 0, 0, 0)));
    EXPECT_EQ(1, CDisplayTextFormatter::WeekOfYear(COleDateTime(2004, 1, 7, 23, 59, 59)));
    EXPECT_EQ(2, CDisplayTextFormatter::WeekOfYear(COleDateTime(2004, 1, 8, 0, 0, 0)));
    EXPECT_EQ(53, CDisplayTextFormatter::WeekOfYear(COleDateTime(2003, 12, 31, 12, 0, 0)));
}

// The hours of the 24-hour clock, the minutes and the seconds, in one and two digits, read as the
// system's time pictures print them, at every value each can take.
TEST(DisplayTextFormatter, NumbersOfTheTimeAsTheSystemPrintsThem)
{
    CDisplayTextFormatter formatter;
    for (int n = 0; n < 60; n++)
    {
        SYSTEMTIME st = {2004, 2, 0, 1, (WORD)(n % 24), (WORD)n, (WORD)(59 - n), 0};
        char szWant[64];
        ASSERT_NE(
            0, ::GetTimeFormatA(LOCALE_USER_DEFAULT, 0, &st, "H HH'|'m mm'|'s ss", szWant, sizeof(szWant)));
        CString strWant(szWant);
        strWant.Replace(_T('|'), _T('\n'));
        DISPLAYTEXTREQUEST req;
        req.dtInstant = COleDateTime(st);
        req.strTemplate = _T("H HH|m mm|s ss");
        memset(&req.tzi, 0, sizeof(req.tzi));
        formatter.Format(req);
        EXPECT_EQ(strWant, req.strText) << n;
    }
}

// One formatter serves every clock of the window, each with its own template and name, in turn:
// each text is its own template's, whatever was expanded before it, and the text kept in the
// formatter is the request's answer.
TEST(DisplayTextFormatter, ClocksTakingTurnsKeepTheirOwnTemplates)
{
    CDisplayTextFormatter fmt;
    TIME_ZONE_INFORMATION tzi;
    memset(&tzi, 0, sizeof(tzi));
    const COleDateTime dt(2004, 2, 1, 13, 5, 9);
    struct Turn
    {
        const char* pszTemplate;
        const char* pszName;
        const char* pszText;
        int nLines;
        const char* pszLongest;
    } turns[] = {
        {"HH:mm:ss|z", "(GMT+01:00) Paris", "13:05:09\n(GMT+01:00)", 2, "(GMT+01:00)"},
        {"d MMM|zz", "(GMT+01:00) Paris", "1 Feb\n(GMT+01:00) Paris", 2, "(GMT+01:00) Paris"},
        {"HH:mm:ss|z", "(Local Time)", "13:05:09\n(Local Time)", 2, "(Local Time)"},
        {"'HH'|", "", "HH\n", 2, "HH\n"},
        {"d MMM|zz", "", "1 Feb\n", 2, "1 Feb\n"},
    };
    for (int nRound = 0; nRound < 2; nRound++)
        for (const Turn& t : turns)
        {
            fmt.Expand(t.pszTemplate, t.pszName, tzi, dt);
            EXPECT_EQ(CString(t.pszText), CString(fmt.GetText(), fmt.GetTextLength())) << t.pszTemplate;
            EXPECT_EQ(t.nLines, fmt.GetLineCount()) << t.pszTemplate;
            EXPECT_EQ(CString(t.pszLongest), CString(fmt.GetLongestLine(), fmt.GetLongestLineLength()))
                << t.pszTemplate;

            DISPLAYTEXTREQUEST req;
            req.strTemplate = t.pszTemplate;
            req.strClockName = t.pszName;
            req.dtInstant = dt;
            req.tzi = tzi;
            fmt.Format(req);
            EXPECT_EQ(CString(t.pszText), req.strText) << t.pszTemplate;
        }
}

// An instant that is no date gives each field the error value, as each of its parts would.
TEST(DisplayTextFormatter, InvalidInstantPrintsTheErrorValues)
{
    CDisplayTextFormatter fmt;
    DISPLAYTEXTREQUEST req;
    req.dtInstant.SetStatus(COleDateTime::invalid);
    req.strTemplate = "dd|M|yyyy|DDD";
    memset(&req.tzi, 0, sizeof(req.tzi));
    fmt.Format(req);
    EXPECT_EQ(CString("65535\n65535\n65535\n-001-1"), req.strText);
}
