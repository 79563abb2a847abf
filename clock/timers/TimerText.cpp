// Timer texts: spans are counted in whole seconds so that a countdown steps exactly one second.
#include "TimerText.h"

#include <math.h>

#include "Clock.h"

namespace
{
// Seconds of a span, rounded: a span built by adding and subtracting whole seconds in days carries
// floating error that must not make 00:00:00 read as -00:00:01.
LONGLONG SpanSeconds(const COleDateTimeSpan& span)
{
    return (LONGLONG)floor(span.GetTotalSeconds() + 0.5);
}
} // namespace

CString FormatTimerSpan(const COleDateTimeSpan& span)
{
    LONGLONG nSeconds = SpanSeconds(span);
    if (nSeconds < 0)
        nSeconds = -nSeconds;
    long nDays = (long)(nSeconds / 86400);
    long nRest = (long)(nSeconds % 86400);
    CString strDays;
    if (nDays != 0)
        strDays.Format(_T("%d Days,"), (int)nDays);
    CString strTime;
    strTime.Format(_T("%02d:%02d:%02d"), (int)(nRest / 3600), (int)(nRest / 60 % 60), (int)(nRest % 60));
    return strDays + strTime;
}

void StartCountdown(CClock& timer)
{
    timer.m_tsRemaining = timer.m_tsInterval;
    timer.m_nTimerState = TIMERSTATE_RUNNING;
    timer.m_bStartPending = TRUE;
}

BOOL AdvanceTimer(CClock& timer, const COleDateTime& localNow)
{
    BOOL bEnded = FALSE;
    if (timer.m_nClockType == CLOCKTYPE_COUNTDOWN)
    {
        BOOL bStartPending = timer.m_bStartPending;
        timer.m_bStartPending = FALSE;
        if (timer.m_nTimerState == TIMERSTATE_COMPLETED)
        {
            // 00:00:00 has shown for one tick: ready to start again.
            timer.m_nTimerState = TIMERSTATE_STOPPED;
            timer.m_tsRemaining = timer.m_tsInterval;
        }
        else
        {
            LONGLONG nLeft = SpanSeconds(timer.m_tsRemaining);
            if (timer.m_nTimerState == TIMERSTATE_RUNNING && !bStartPending && nLeft > 0)
                timer.m_tsRemaining = COleDateTimeSpan(0, 0, 0, (int)--nLeft);
            // Only a running countdown reaches its end: a stopped one with nothing to count (an
            // interval of zero) would otherwise end again at every tick.
            if (nLeft <= 0 && timer.m_nTimerState == TIMERSTATE_RUNNING)
            {
                timer.m_tsRemaining = COleDateTimeSpan(0, 0, 0, 0);
                timer.m_nTimerState = TIMERSTATE_COMPLETED;
                bEnded = TRUE;
            }
        }
    }
    else if (timer.m_nClockType == CLOCKTYPE_EVENT)
    {
        if (SpanSeconds(timer.m_dtTargetTime - localNow) <= 0 && timer.m_nTimerState != TIMERSTATE_COMPLETED)
        {
            timer.m_nTimerState = TIMERSTATE_COMPLETED;
            bEnded = TRUE;
        }
    }
    return bEnded;
}

CTimerText FormatTimerText(const CClock& timer, const COleDateTime& localNow)
{
    CTimerText result;
    result.nLines = 2;

    CString strLine;
    if (timer.m_nClockType == CLOCKTYPE_COUNTDOWN)
        strLine = FormatTimerSpan(timer.m_tsRemaining);
    else
    {
        COleDateTimeSpan span = timer.m_dtTargetTime - localNow;
        strLine = (SpanSeconds(span) <= 0 ? _T("+") : _T("-")) + FormatTimerSpan(span);
    }

    result.strText = timer.m_strTimerName + _T("\n") + strLine;
    result.strWidest =
        (strLine.GetLength() > timer.m_strTimerName.GetLength()) ? strLine : timer.m_strTimerName;
    return result;
}
