// Countdown and event timer texts and their counting, tick by tick.
#include <gtest/gtest.h>

#include <vector>

#include "Clock.h"
#include "TimerText.h"

namespace
{
COleDateTimeSpan Seconds(int n)
{
    return COleDateTimeSpan(0, 0, 0, n);
}

void MakeCountdown(CClock& timer, int nIntervalSeconds, int nState)
{
    timer.m_nClockType = CLOCKTYPE_COUNTDOWN;
    timer.m_strTimerName = _T("Tea");
    timer.m_tsInterval = Seconds(nIntervalSeconds);
    timer.m_tsRemaining = Seconds(nIntervalSeconds);
    timer.m_nTimerState = nState;
}

// What a timer shows, then, on a tick, the tick's step.
struct CPass : CTimerText
{
    BOOL bEnded;
};
CPass RunPass(CClock& timer, const COleDateTime& now, BOOL bTick)
{
    CPass pass;
    static_cast<CTimerText&>(pass) = FormatTimerText(timer, now);
    pass.bEnded = bTick ? AdvanceTimer(timer, now) : FALSE;
    return pass;
}
} // namespace

TEST(TimerText, SpanFormatting)
{
    struct Case
    {
        COleDateTimeSpan span;
        const char* pszExpected;
    } cases[] = {
        {Seconds(0), "00:00:00"},
        {Seconds(90), "00:01:30"},
        {COleDateTimeSpan(1, 2, 0, 0), "1 Days,02:00:00"},
        {COleDateTimeSpan(0, 25, 0, 0), "1 Days,01:00:00"},
        {COleDateTimeSpan(3, 23, 59, 59), "3 Days,23:59:59"},
        {-Seconds(61), "00:01:01"},
        {-COleDateTimeSpan(2, 0, 0, 5), "2 Days,00:00:05"},
    };
    for (const Case& c : cases)
        EXPECT_STREQ(c.pszExpected, (LPCTSTR)FormatTimerSpan(c.span));
}

TEST(TimerText, AStartedCountdownShowsEachValueOnce)
{
    // As the clock window runs it: each tick steps the timer, then the window shows it.
    CClock timer;
    MakeCountdown(timer, 90, TIMERSTATE_STOPPED);
    StartCountdown(timer);
    EXPECT_EQ(TIMERSTATE_RUNNING, timer.m_nTimerState);
    COleDateTime now(2024, 5, 1, 12, 0, 0);
    std::vector<CString> shown;
    int nEnds = 0, nEndTick = -1;
    for (int tick = 0; tick < 93; tick++)
    {
        if (AdvanceTimer(timer, now))
        {
            nEnds++;
            nEndTick = tick;
        }
        shown.push_back(FormatTimerText(timer, now).strText);
    }
    // 00:01:30 first, one second less at each tick, 00:00:00 at the tick that hands the end on.
    for (int tick = 0; tick <= 90; tick++)
        EXPECT_EQ(CString(_T("Tea\n")) + FormatTimerSpan(Seconds(90 - tick)), shown[tick]) << tick;
    EXPECT_EQ(1, nEnds);
    EXPECT_EQ(90, nEndTick);
    // Then it is ready to start again: its full interval, stopped.
    EXPECT_EQ(CString(_T("Tea\n00:01:30")), shown[91]);
    EXPECT_EQ(CString(_T("Tea\n00:01:30")), shown[92]);
    EXPECT_EQ(TIMERSTATE_STOPPED, timer.m_nTimerState);

    // A countdown of one second: its second, then 00:00:00 with the end, then stopped.
    MakeCountdown(timer, 1, TIMERSTATE_STOPPED);
    StartCountdown(timer);
    const char* one[] = {"00:00:01", "00:00:00", "00:00:01"};
    const BOOL ends[] = {FALSE, TRUE, FALSE};
    for (int tick = 0; tick < 3; tick++)
    {
        EXPECT_EQ(ends[tick], AdvanceTimer(timer, now)) << tick;
        EXPECT_EQ(CString(_T("Tea\n")) + one[tick], FormatTimerText(timer, now).strText) << tick;
    }
}

TEST(TimerText, ResumedAndRestartedCountdowns)
{
    COleDateTime now(2024, 5, 1, 12, 0, 0);
    // Resumed after a pause, the next tick goes on from the value shown during the pause.
    CClock timer;
    MakeCountdown(timer, 90, TIMERSTATE_RUNNING);
    timer.m_tsRemaining = Seconds(42);
    timer.m_nTimerState = TIMERSTATE_PAUSED;
    AdvanceTimer(timer, now);
    EXPECT_EQ(42, (int)timer.m_tsRemaining.GetTotalSeconds());
    timer.m_nTimerState = TIMERSTATE_RUNNING;
    AdvanceTimer(timer, now);
    EXPECT_EQ(41, (int)timer.m_tsRemaining.GetTotalSeconds());

    // Started again while running down: the full interval shows first.
    StartCountdown(timer);
    AdvanceTimer(timer, now);
    EXPECT_EQ(90, (int)timer.m_tsRemaining.GetTotalSeconds());
    AdvanceTimer(timer, now);
    EXPECT_EQ(89, (int)timer.m_tsRemaining.GetTotalSeconds());

    // A running countdown found at zero (the time since the program last ran used it up) ends at
    // the first tick, showing 00:00:00.
    timer.m_tsRemaining = Seconds(-5);
    EXPECT_TRUE(AdvanceTimer(timer, now));
    EXPECT_EQ(CString(_T("Tea\n00:00:00")), FormatTimerText(timer, now).strText);
    EXPECT_FALSE(AdvanceTimer(timer, now));
    EXPECT_EQ(TIMERSTATE_STOPPED, timer.m_nTimerState);
}

TEST(TimerText, PausedAndStoppedCountdownsKeepTheirTime)
{
    for (int nState : {TIMERSTATE_PAUSED, TIMERSTATE_STOPPED})
    {
        CClock timer;
        MakeCountdown(timer, 100, nState);
        timer.m_tsRemaining = Seconds(42);
        RunPass(timer, COleDateTime(2024, 5, 1, 12, 0, 0), TRUE);
        CPass text = RunPass(timer, COleDateTime(2024, 5, 1, 12, 0, 0), TRUE);
        EXPECT_EQ(CString(_T("Tea\n00:00:42")), text.strText);
        EXPECT_EQ(nState, timer.m_nTimerState);
    }
}

TEST(TimerText, CountdownWithNothingToCountNeverEndsUntilStarted)
{
    // An interval of zero (a template or a damaged record) would otherwise end at every tick.
    CClock timer;
    MakeCountdown(timer, 0, TIMERSTATE_STOPPED);
    for (int i = 0; i < 3; i++)
        EXPECT_FALSE(RunPass(timer, COleDateTime(2024, 5, 1, 12, 0, i), TRUE).bEnded) << i;
    timer.m_nTimerState = TIMERSTATE_RUNNING;
    EXPECT_TRUE(RunPass(timer, COleDateTime(2024, 5, 1, 12, 0, 3), TRUE).bEnded);
    EXPECT_FALSE(RunPass(timer, COleDateTime(2024, 5, 1, 12, 0, 4), TRUE).bEnded);
    EXPECT_EQ(TIMERSTATE_STOPPED, timer.m_nTimerState);
}

TEST(TimerText, CountdownWithDaysAndWidestLine)
{
    CClock timer;
    MakeCountdown(timer, 26 * 3600, TIMERSTATE_STOPPED);
    CPass text = RunPass(timer, COleDateTime(2024, 5, 1, 12, 0, 0), TRUE);
    EXPECT_EQ(CString(_T("Tea\n1 Days,02:00:00")), text.strText);
    EXPECT_EQ(CString(_T("1 Days,02:00:00")), text.strWidest);

    // Equally long lines: the name is the widest.
    timer.m_strTimerName = _T("12345678");
    timer.m_tsRemaining = Seconds(1);
    text = RunPass(timer, COleDateTime(2024, 5, 1, 12, 0, 0), TRUE);
    EXPECT_EQ(CString(_T("12345678")), text.strWidest);
}

TEST(TimerText, EventTimerCountsDownThenUpAndEndsOnce)
{
    CClock timer;
    timer.m_nClockType = CLOCKTYPE_EVENT;
    timer.m_strTimerName = _T("Launch");
    timer.m_nTimerState = TIMERSTATE_RUNNING;
    timer.m_dtTargetTime = COleDateTime(2024, 5, 1, 12, 1, 0);
    struct Pass
    {
        COleDateTime now;
        const char* pszLine;
        BOOL bEnded;
    } passes[] = {
        {COleDateTime(2024, 5, 1, 12, 0, 0), "-00:01:00", FALSE},
        {COleDateTime(2024, 5, 1, 12, 0, 59), "-00:00:01", FALSE},
        {COleDateTime(2024, 5, 1, 12, 1, 0), "+00:00:00", TRUE},
        {COleDateTime(2024, 5, 1, 12, 1, 5), "+00:00:05", FALSE},
        {COleDateTime(2024, 5, 3, 13, 1, 5), "+2 Days,01:00:05", FALSE},
    };
    for (const Pass& p : passes)
    {
        CPass text = RunPass(timer, p.now, TRUE);
        EXPECT_EQ(CString(_T("Launch\n")) + p.pszLine, text.strText);
        EXPECT_EQ(p.bEnded, text.bEnded) << p.pszLine;
    }
    EXPECT_EQ(TIMERSTATE_COMPLETED, timer.m_nTimerState);
}

TEST(TimerText, OnlyCountingPassesMoveACountdown)
{
    // Passes other than the tick (paints, previews) show the time left and change nothing, however
    // many of them come between two ticks.
    struct Case
    {
        int nState;
        int nRemaining;
        const char* pszLine;
    } cases[] = {
        {TIMERSTATE_RUNNING, 42, "00:00:42"},
        {TIMERSTATE_RUNNING, 0, "00:00:00"},
        {TIMERSTATE_PAUSED, 7, "00:00:07"},
        {TIMERSTATE_COMPLETED, 0, "00:00:00"},
    };
    for (const Case& c : cases)
    {
        CClock timer;
        MakeCountdown(timer, 100, c.nState);
        timer.m_tsRemaining = Seconds(c.nRemaining);
        for (int i = 0; i < 3; i++)
        {
            CPass text = RunPass(timer, COleDateTime(2024, 5, 1, 12, 0, 0), FALSE);
            EXPECT_EQ(CString(_T("Tea\n")) + c.pszLine, text.strText);
            EXPECT_FALSE(text.bEnded) << c.pszLine;
        }
        EXPECT_EQ(c.nState, timer.m_nTimerState) << c.pszLine;
        EXPECT_EQ(c.nRemaining, (int)timer.m_tsRemaining.GetTotalSeconds()) << c.pszLine;
    }

    // The tick after the paints counts exactly one second.
    CClock timer;
    MakeCountdown(timer, 10, TIMERSTATE_RUNNING);
    RunPass(timer, COleDateTime(2024, 5, 1, 12, 0, 0), FALSE);
    RunPass(timer, COleDateTime(2024, 5, 1, 12, 0, 0), TRUE);
    RunPass(timer, COleDateTime(2024, 5, 1, 12, 0, 0), FALSE);
    EXPECT_EQ(9, (int)timer.m_tsRemaining.GetTotalSeconds());
}

TEST(TimerText, ShowingAnEventTimerNeverCompletesIt)
{
    // Paints and previews after the event show "+" and leave the end to the tick, which hands it
    // on exactly once.
    CClock timer;
    timer.m_nClockType = CLOCKTYPE_EVENT;
    timer.m_strTimerName = _T("Launch");
    timer.m_nTimerState = TIMERSTATE_RUNNING;
    timer.m_dtTargetTime = COleDateTime(2024, 5, 1, 12, 1, 0);
    COleDateTime after(2024, 5, 1, 12, 1, 3);
    for (int i = 0; i < 3; i++)
    {
        EXPECT_EQ(CString(_T("Launch\n+00:00:03")), FormatTimerText(timer, after).strText);
        EXPECT_EQ(TIMERSTATE_RUNNING, timer.m_nTimerState);
    }
    EXPECT_TRUE(AdvanceTimer(timer, after));
    EXPECT_EQ(TIMERSTATE_COMPLETED, timer.m_nTimerState);
    EXPECT_FALSE(AdvanceTimer(timer, after));

    // Before the event the tick changes nothing.
    timer.m_nTimerState = TIMERSTATE_RUNNING;
    EXPECT_FALSE(AdvanceTimer(timer, COleDateTime(2024, 5, 1, 12, 0, 59)));
    EXPECT_EQ(TIMERSTATE_RUNNING, timer.m_nTimerState);

    // A desktop clock is no timer: the tick leaves it alone.
    CClock clock;
    clock.m_nTimerState = TIMERSTATE_RUNNING;
    clock.m_tsRemaining = COleDateTimeSpan(0, 0, 0, 5);
    EXPECT_FALSE(AdvanceTimer(clock, after));
    EXPECT_EQ(5, (int)clock.m_tsRemaining.GetTotalSeconds());
}
