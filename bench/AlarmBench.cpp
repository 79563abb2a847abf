// AlarmBench: the processor time of one tick's alarm check (the walk over the armed alarms and the
// sweep) with 0, 100 and 10,000 alarms none of which is due, each as a ratio to a reference measured
// in the same run: formatting the tick's local time as text, which every tick does to draw a clock.
#include <afx.h>
#include <afxdisp.h>

#include <stdio.h>

#include "AlarmEngine.h"
#include "Alarms.h"
#include "BenchClock.h"
#include "BenchRow.h"

namespace
{
// Nothing fires and nothing changes, so no action or save is ever asked for.
class CNoActions : public IAlarmActions
{
public:
    void PlayAlarmSound(const CString&) override {}
    void PlayCdTrack(int) override {}
    void RunProgram(const CString&, BOOL) override {}
    void ScheduleShutdown(UINT, BOOL) override {}
    void SpeakAlarm(const CString&, const COleDateTime&) override {}
    void ShowNotification(const CString&, const CString&, COleDateTime&, BOOL) override {}
    BOOL SaveAlarms() override { return TRUE; }
    void ReportOutOfMemory() override {}
};

// Seconds of processor time per call of fn, over enough calls to take a measurable time.
template <class F> double PerCall(F fn)
{
    int nCalls = 1;
    for (;;)
    {
        double t0 = CpuSeconds();
        for (int i = 0; i < nCalls; i++)
            fn(i);
        double t = CpuSeconds() - t0;
        if (t >= 0.5 || nCalls >= (1 << 24))
            return t / nCalls;
        nCalls *= 4;
    }
}

double TickWith(int nAlarms)
{
    CNoActions actions;
    CAlarmEngine engine;
    engine.SetActions(&actions);
    COleDateTime dtNow(2026, 12, 9, 9, 0, 0);
    for (int i = 0; i < nAlarms; i++)
    {
        CAlarms* p = engine.NewAlarm();
        p->m_dtActivation = dtNow + COleDateTimeSpan(1 + i % 30, 0, 0, 0);
        // Most alarms are armed; some wait idle or disabled, as in a real list.
        p->m_nState = (i % 10 == 0) ? ALARMSTATE_IDLE : ALARMSTATE_ARMED;
        p->m_bEnabled = (i % 7 != 0);
    }
    engine.SweepAlarms();
    return PerCall([&](int i) { engine.CheckAlarms(dtNow + COleDateTimeSpan(0, 0, 0, i % 60)); });
}
} // namespace

int main()
{
    COleDateTime dtNow(2026, 12, 9, 9, 0, 0);
    double ref = PerCall([&](int i) {
        CString s = (dtNow + COleDateTimeSpan(0, 0, 0, i % 60)).Format(_T("%H:%M:%S"));
        (void)s;
    });
    printf("reference: formatting the time of a tick, %.6f ms (processor time)\n", ref * 1e3);
    for (int n : {0, 100, 10000})
    {
        double t = TickWith(n);
        printf("alarm check of one tick, %5d alarms: %.6f ms, %.2f x reference\n", n, t * 1e3,
               ref > 0 ? t / ref : 0.0);
        CString strName;
        strName.Format("alarm check of one tick, %d alarms (CPU)", n);
        PrintBenchRow(strName, t * 1e3, "ms", "formatting one tick's time", ref * 1e3,
                      n == 10000 ? "<= 10" : "-");
    }
    return 0;
}
