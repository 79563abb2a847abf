// The timer dialog's values to and from a timer record, and a timer made through them counting.
#include <gtest/gtest.h>

#include "Clock.h"
#include "EventTimerDlg.h"
#include "TimerText.h"

namespace
{
COleDateTime TimeOfDay(int h, int m, int s)
{
    return COleDateTime(2024, 5, 6, h, m, s);
}
} // namespace

TEST(EventTimerDlg, CountdownIsStoredStoppedAndNeverShorterThanOneSecond)
{
    const COleDateTime now(2024, 2, 29, 10, 0, 0);
    struct
    {
        int h, m, s;
        int nStartup;
        double dSeconds;
        int nBehaviour;
    } const cases[] = {{0, 0, 0, 0, 1, ACTIVETIMER_RESET},
                       {0, 0, 5, 1, 5, ACTIVETIMER_PAUSE},
                       {1, 30, 0, 2, 5400, ACTIVETIMER_CONTINUE}};
    for (const auto& c : cases)
    {
        CEventTimerDlg dlg(NULL, NULL);
        CClock timer;
        timer.m_nClockType = CLOCKTYPE_COUNTDOWN;
        dlg.LoadFrom(timer);
        EXPECT_EQ(0, dlg.m_nKind);
        dlg.m_strTimerName = _T("Tea %s%n");
        dlg.m_dtCountdown = TimeOfDay(c.h, c.m, c.s);
        dlg.m_nStartup = c.nStartup;
        dlg.m_bDisplayMessage = TRUE;
        dlg.m_strMessage = _T("Done");
        dlg.StoreTo(timer, now);
        EXPECT_EQ(CLOCKTYPE_COUNTDOWN, timer.m_nClockType);
        EXPECT_EQ(TIMERSTATE_STOPPED, timer.m_nTimerState);
        EXPECT_DOUBLE_EQ(c.dSeconds, timer.m_tsInterval.GetTotalSeconds());
        EXPECT_DOUBLE_EQ(c.dSeconds, timer.m_tsRemaining.GetTotalSeconds());
        EXPECT_EQ(now + timer.m_tsInterval, timer.m_dtTargetTime);
        EXPECT_EQ(c.nBehaviour, timer.m_nActiveTimer);
        EXPECT_EQ(CString(_T("Tea %s%n")), timer.m_strTimerName);

        // And back into a new dialog as the amend command shows it.
        CEventTimerDlg again(NULL, NULL);
        again.LoadFrom(timer);
        EXPECT_EQ(c.nStartup, again.m_nStartup);
        EXPECT_EQ(c.dSeconds == 1 ? 1 : c.s, again.m_dtCountdown.GetSecond());
        EXPECT_EQ(c.h, again.m_dtCountdown.GetHour());
        EXPECT_TRUE(again.m_bDisplayMessage);
    }
}

TEST(EventTimerDlg, EventTimerRunsAndEndsOnceOnly)
{
    const COleDateTime now(2024, 12, 31, 23, 59, 0);
    CEventTimerDlg dlg(NULL, NULL);
    CClock timer;
    timer.m_nClockType = CLOCKTYPE_COUNTDOWN;
    dlg.LoadFrom(timer);
    dlg.m_nKind = 1;
    dlg.m_dtEventDate = COleDateTime(2024, 12, 31, 3, 4, 5);
    dlg.m_dtEventTime = COleDateTime(2020, 1, 1, 23, 59, 2);
    dlg.StoreTo(timer, now);
    EXPECT_EQ(CLOCKTYPE_EVENT, timer.m_nClockType);
    EXPECT_EQ(TIMERSTATE_RUNNING, timer.m_nTimerState);
    EXPECT_EQ(COleDateTime(2024, 12, 31, 23, 59, 2), timer.m_dtTargetTime);

    CEventTimerDlg again(NULL, NULL);
    again.LoadFrom(timer);
    EXPECT_EQ(1, again.m_nKind);
    EXPECT_EQ(timer.m_dtTargetTime, again.m_dtEventDate);

    int nEnds = 0;
    for (int s = 0; s < 10; s++)
        nEnds += AdvanceTimer(timer, now + COleDateTimeSpan(0, 0, 0, s)) ? 1 : 0;
    EXPECT_EQ(1, nEnds) << "the event fires once, not at every tick after it";
    EXPECT_EQ(TIMERSTATE_COMPLETED, timer.m_nTimerState);
}
