// The speaking clock's texts and schedule: voice tags on every alternative, the spoken date and
// time, quiet hours on either side of midnight, and the minutes each frequency speaks at.
#include <gtest/gtest.h>

#include "SpeechText.h"

namespace
{
COleDateTime At(int nHour, int nMinute, int nSecond = 0)
{
    return COleDateTime(2026, 12, 9, nHour, nMinute, nSecond);
}

COleDateTime TimeOfDay(int nHour, int nMinute)
{
    return COleDateTime(1899, 12, 30, nHour, nMinute, 0);
}
} // namespace

TEST(SpeechText, EveryAlternativeCarriesTheVoiceTags)
{
    CString strPrefix = VoicePrefix(quietNone, 65535, 50, 150);
    EXPECT_STREQ("\\Vol=65535\\\\Pit=50\\\\Spd=150\\", strPrefix);
    EXPECT_STREQ(
        "\\Vol=65535\\\\Pit=50\\\\Spd=150\\The time is |\\Vol=65535\\\\Pit=50\\\\Spd=150\\It is now ",
        WithAlternatives(_T("The time is |It is now "), strPrefix));
    EXPECT_STREQ("\\Chr=\"Whisper\"\\", VoicePrefix(quietWhisper, 65535, 50, 150));
    EXPECT_STREQ("\\Chr=\"Whisper\"\\", VoicePrefix(quietSilent, 1, 2, 3));
    // A user's text is copied, never formatted.
    EXPECT_STREQ("xx%s%d%n|xx100%", WithAlternatives(_T("%s%d%n|100%"), _T("xx")));
    EXPECT_STREQ("p", WithAlternatives(_T(""), _T("p")));
}

TEST(SpeechText, SpokenTimeInBothForms)
{
    EXPECT_STREQ("12  AM.", SpokenTime(At(0, 0), TRUE));
    EXPECT_STREQ("12 O'clock.", SpokenTime(At(0, 0), FALSE));
    EXPECT_STREQ("1:05.", SpokenTime(At(13, 5), FALSE));
    EXPECT_STREQ("1:05 PM.", SpokenTime(At(13, 5), TRUE));
    EXPECT_STREQ("12  PM.", SpokenTime(At(12, 0), TRUE));
    EXPECT_STREQ("11:59 AM.", SpokenTime(At(11, 59), TRUE));
    EXPECT_STREQ("12:30 AM.", SpokenTime(At(0, 30), TRUE));
    EXPECT_STREQ("11 O'clock.", SpokenTime(At(23, 0), FALSE));
}

TEST(SpeechText, SpokenDateWithOrdinals)
{
    const int nDays[] = {1, 2, 3, 4, 11, 12, 13, 21, 22, 23, 24, 30, 31};
    const char* pszOrdinals[] = {"1st",  "2nd",  "3rd",  "4th",  "11th", "12th", "13th",
                                 "21st", "22nd", "23rd", "24th", "30th", "31st"};
    for (size_t i = 0; i < sizeof(nDays) / sizeof(nDays[0]); i++)
        EXPECT_STREQ(pszOrdinals[i], DayOrdinal(nDays[i])) << nDays[i];
    EXPECT_STREQ("Wednesday, December 9th, 2026.\\Pau=500\\", SpokenDate(At(10, 0)));
}

TEST(SpeechText, QuietHoursWithinADayAndAcrossMidnight)
{
    struct
    {
        int nStartH, nStartM, nEndH, nEndM, nH, nM, nS;
        BOOL bQuiet;
    } cases[] = {
        {22, 0, 7, 0, 23, 30, 0, TRUE},
        {22, 0, 7, 0, 6, 59, 0, TRUE},
        {22, 0, 7, 0, 12, 0, 0, FALSE},
        {22, 0, 7, 0, 22, 0, 0, TRUE},
        {22, 0, 7, 0, 21, 59, 59, FALSE},
        {22, 0, 7, 0, 0, 0, 0, TRUE},
        {22, 0, 7, 0, 7, 0, 1, FALSE},
        {9, 0, 17, 30, 12, 0, 0, TRUE},
        {9, 0, 17, 30, 8, 59, 0, FALSE},
        {9, 0, 17, 30, 17, 30, 0, TRUE},
        {9, 0, 17, 30, 17, 31, 0, FALSE},
        {9, 0, 17, 30, 23, 0, 0, FALSE},
        // The defaults, both 00:00, make only midnight itself quiet.
        {0, 0, 0, 0, 0, 0, 0, TRUE},
        {0, 0, 0, 0, 0, 1, 0, FALSE},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.bQuiet, IsQuietTime(At(c.nH, c.nM, c.nS), TimeOfDay(c.nStartH, c.nStartM),
                                        TimeOfDay(c.nEndH, c.nEndM)))
            << c.nStartH << ":" << c.nStartM << "-" << c.nEndH << ":" << c.nEndM << " at " << c.nH << ":"
            << c.nM << ":" << c.nS;
}

TEST(SpeechText, MinutesEachFrequencySpeaksAt)
{
    const int nExpected[] = {1, 2, 4, 6, 12, 60};
    for (int nFreq = 0; nFreq <= 5; nFreq++)
    {
        int nCount = 0;
        for (int nMinute = 0; nMinute < 60; nMinute++)
            nCount += MinuteFitsFrequency(nMinute, nFreq) ? 1 : 0;
        EXPECT_EQ(nExpected[nFreq], nCount) << nFreq;
    }
    for (int nMinute = 0; nMinute < 60; nMinute++)
        EXPECT_EQ(nMinute % 10 == 0, !!MinuteFitsFrequency(nMinute, 3)) << nMinute;
    EXPECT_TRUE(MinuteFitsFrequency(7, 9));
}
