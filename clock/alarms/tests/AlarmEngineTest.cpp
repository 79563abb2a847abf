// Alarm engine: which alarms fire and when, the order of the actions, lateness, repeats, the
// sweeps, the changed mark and saving, and alarms deleted while their notification is open.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "AlarmEngine.h"
#include "Alarms.h"

namespace
{
COleDateTime At(int h, int m, int s = 0)
{
    return COleDateTime(2026, 12, 9, h, m, s);
}

class CRecorder : public IAlarmActions
{
public:
    std::vector<std::string> log;
    // Runs while the notification is "open", as the modal loop's nested ticks would.
    std::function<void(COleDateTime&)> onNotify;
    BOOL bSaveFails = FALSE;
    BOOL bMayOpen = TRUE;
    int nSaves = 0;
    // When set, each entry is stamped with this clock's time ("@08:30").
    const COleDateTime* pClock = nullptr;

    void Log(const std::string& s)
    {
        log.push_back(pClock == nullptr ? s : s + " @" + std::string((LPCSTR)pClock->Format("%H:%M")));
    }
    void PlayAlarmSound(const CString& s) override { Log("sound " + std::string((LPCSTR)s)); }
    void PlayCdTrack(int n) override { log.push_back("cd " + std::to_string(n)); }
    void RunProgram(const CString& s, BOOL bMin) override
    {
        Log("run " + std::string((LPCSTR)s) + (bMin ? " min" : ""));
    }
    void ScheduleShutdown(UINT k, BOOL f) override
    {
        log.push_back("shutdown " + std::to_string(k) + (f ? " force" : ""));
    }
    void SpeakAlarm(const CString& s, const COleDateTime&) override
    {
        log.push_back("speak " + std::string((LPCSTR)s));
    }
    void ShowNotification(const CString& t, const CString&, COleDateTime& dt, BOOL bLater) override
    {
        Log("notify " + std::string((LPCSTR)t) + (bLater ? "" : " no-later"));
        if (onNotify)
            onNotify(dt);
    }
    BOOL SaveAlarms() override
    {
        nSaves++;
        return !bSaveFails;
    }
    void ReportOutOfMemory() override { log.push_back("oom"); }
    void ReportUnusableAlarms(const CString& s) override
    {
        log.push_back("unusable " + std::string((LPCSTR)s));
    }
    BOOL MayOpenNotification() override { return bMayOpen; }
};

struct CFixture
{
    CRecorder rec;
    CAlarmEngine engine;
    CFixture() { engine.SetActions(&rec); }
    CAlarms* Armed(const char* pszName, const COleDateTime& dt)
    {
        CAlarms* p = engine.NewAlarm();
        p->m_strName = pszName;
        p->m_dtActivation = dt;
        p->m_nState = ALARMSTATE_ARMED;
        p->m_bDisplayMessage = FALSE;
        return p;
    }
};

std::string Joined(const std::vector<std::string>& v)
{
    std::string s;
    for (const std::string& x : v)
        s += (s.empty() ? "" : "; ") + x;
    return s;
}
} // namespace

TEST(AlarmEngine, ActionsRunInTheirOrder)
{
    CFixture f;
    CAlarms* p = f.Armed("All", At(8, 0));
    p->m_bPlaySound = TRUE;
    p->m_strSoundFile = "bell.wav";
    p->m_bPlayCdAudio = TRUE;
    p->m_nCdTrack = 3;
    p->m_bRunApplication = TRUE;
    p->m_strCommandLine = "marker.exe";
    p->m_bRunMinimised = TRUE;
    p->m_bShutDown = TRUE;
    p->m_nShutDownKind = EWX_REBOOT;
    p->m_bCloseAll = TRUE;
    p->m_bSpeakMessage = TRUE;
    p->m_strMessage = "Up";
    p->m_bDisplayMessage = TRUE;
    f.engine.CheckAlarms(At(8, 0));
    EXPECT_EQ("sound bell.wav; cd 3; run marker.exe min; shutdown 2 force; speak Up; notify All",
              Joined(f.rec.log));
    EXPECT_EQ(ALARMSTATE_IDLE, p->m_nState);
    // Saved as firing before its notification opens, and again once it is done.
    EXPECT_EQ(2, f.rec.nSaves);
    EXPECT_FALSE(f.engine.m_bChanged);
}

TEST(AlarmEngine, WhenAnAlarmIsDue)
{
    struct Case
    {
        const char* pszName;
        BOOL bRunOverdue, bUseLimit;
        COleDateTime dtDue;
        BOOL bEnabled;
        LONG nState;
        const char* pszLog;
        LONG nStateAfter;
    } cases[] = {
        {"exactly due", FALSE, TRUE, At(9, 0), TRUE, 3, "sound x", 0},
        {"missed second, no overdue", FALSE, TRUE, At(8, 59, 59), TRUE, 3, "", 3},
        {"not yet", TRUE, TRUE, At(9, 0, 1), TRUE, 3, "", 3},
        {"59 minutes late", TRUE, TRUE, At(8, 1), TRUE, 3, "sound x", 0},
        {"61 minutes late: no action, retired", TRUE, TRUE, At(7, 59), TRUE, 3, "", 0},
        {"61 minutes late without the limit", TRUE, FALSE, At(7, 59), TRUE, 3, "sound x", 0},
        {"disabled", TRUE, TRUE, At(9, 0), FALSE, 3, "", 3},
        {"new", TRUE, TRUE, At(9, 0), TRUE, 1, "", 2},
        {"idle", TRUE, TRUE, At(9, 0), TRUE, 0, "", 0},
    };
    for (const Case& c : cases)
    {
        CFixture f;
        CAlarmCheckOptions o;
        o.bRunOverdue = c.bRunOverdue;
        o.bUseLimit = c.bUseLimit;
        f.engine.SetOptions(o);
        CAlarms* p = f.Armed("a", c.dtDue);
        p->m_bEnabled = c.bEnabled;
        p->m_nState = c.nState;
        p->m_bPlaySound = TRUE;
        p->m_strSoundFile = "x";
        f.engine.CheckAlarms(At(9, 0));
        EXPECT_EQ(c.pszLog, Joined(f.rec.log)) << c.pszName;
        EXPECT_EQ(c.nStateAfter, p->m_nState) << c.pszName;
    }
}

TEST(AlarmEngine, RepeatsStepArithmeticallyAndBadIntervalsDoNotRepeat)
{
    struct Case
    {
        const char* pszName;
        int nStatus; // of the interval
        double dSpan;
        BOOL bRemove;
        COleDateTime dtDue;
        COleDateTime dtAfter;
        LONG nState;
    } cases[] = {
        {"hourly, 5:30 overdue", 0, 1.0 / 24, FALSE, At(3, 30), At(9, 30), ALARMSTATE_ARMED},
        {"hourly, on time", 0, 1.0 / 24, FALSE, At(9, 0), At(10, 0), ALARMSTATE_ARMED},
        // Two hours late: the third ring falls on now and is kept, not stepped over.
        {"hourly, two rings overdue", 0, 1.0 / 24, FALSE, At(7, 0), At(9, 0), ALARMSTATE_ARMED},
        {"daily, due now", 0, 1.0, FALSE, At(9, 0), COleDateTime(2026, 12, 10, 9, 0, 0), ALARMSTATE_ARMED},
        {"every second, years overdue", 0, 1.0 / 86400, FALSE, COleDateTime(2001, 1, 1, 0, 0, 0), At(9, 0, 0),
         ALARMSTATE_ARMED},
        {"zero interval", 0, 0, FALSE, At(9, 0), At(9, 0), ALARMSTATE_IDLE},
        {"zero interval, remove", 0, 0, TRUE, At(9, 0), At(9, 0), ALARMSTATE_DELETE},
        {"negative interval", 0, -1.0 / 24, FALSE, At(9, 0), At(9, 0), ALARMSTATE_IDLE},
        {"invalid interval", 1, 1.0 / 24, FALSE, At(9, 0), At(9, 0), ALARMSTATE_IDLE},
        {"null interval", 2, 1.0 / 24, TRUE, At(9, 0), At(9, 0), ALARMSTATE_DELETE},
    };
    for (const Case& c : cases)
    {
        CFixture f;
        CAlarmCheckOptions o;
        o.bUseLimit = FALSE;
        f.engine.SetOptions(o);
        CAlarms* p = f.Armed("r", c.dtDue);
        p->m_bRepeat = TRUE;
        p->m_bRemoveOnCompletion = c.bRemove;
        p->m_tsRepeatInterval.m_span = c.dSpan;
        p->m_tsRepeatInterval.SetStatus((COleDateTimeSpan::DateTimeSpanStatus)c.nStatus);
        f.engine.FireAlarm(p, At(9, 0), FALSE, FALSE);
        EXPECT_EQ(c.nState, p->m_nState) << c.pszName;
        EXPECT_EQ(CAlarmEngine::ToSeconds(c.dtAfter), CAlarmEngine::ToSeconds(p->m_dtActivation))
            << c.pszName;
    }
}

TEST(AlarmEngine, RunNowAndRemindLater)
{
    CFixture f;
    CAlarms* p = f.Armed("n", At(12, 0));
    p->m_bDisplayMessage = TRUE;
    f.engine.FireAlarm(p, At(9, 0), TRUE, FALSE);
    EXPECT_EQ("notify n no-later", Joined(f.rec.log));
    EXPECT_EQ(ALARMSTATE_ARMED, p->m_nState);
    EXPECT_EQ(CAlarmEngine::ToSeconds(At(12, 0)), CAlarmEngine::ToSeconds(p->m_dtActivation));

    // Fired 20 minutes late and put off by 5 minutes from its own activation: due again at once.
    CAlarms* q = f.Armed("later", At(8, 40));
    q->m_bDisplayMessage = TRUE;
    f.rec.onNotify = [](COleDateTime& dt) { dt += COleDateTimeSpan(0, 0, 5, 0); };
    f.engine.CheckAlarms(At(9, 0));
    EXPECT_EQ(ALARMSTATE_ARMED, q->m_nState);
    EXPECT_EQ(CAlarmEngine::ToSeconds(At(8, 45)), CAlarmEngine::ToSeconds(q->m_dtActivation));
}

TEST(AlarmEngine, SweepsArmNewAlarmsOnTheSecondAndDeleteFinishedOnes)
{
    CFixture f;
    CAlarms* p = f.Armed("new", At(9, 0));
    p->m_nState = ALARMSTATE_NEW;
    CAlarms* gone = f.Armed("gone", At(9, 0));
    gone->m_nState = ALARMSTATE_DELETE;
    // A copy with the same id pair as the finished one stays.
    CAlarms* twin = f.Armed("twin", At(20, 0));
    twin->m_nId = gone->m_nId;
    twin->m_tCreated = gone->m_tCreated;
    p->m_bPlaySound = TRUE;
    f.engine.CheckAlarms(At(9, 0));
    EXPECT_EQ(ALARMSTATE_ARMING, p->m_nState);
    ASSERT_EQ(2, f.engine.GetAlarmCount());
    EXPECT_EQ(twin, f.engine.GetAlarm(1));
    f.engine.CheckAlarms(At(9, 0, 1));
    EXPECT_EQ(ALARMSTATE_ARMED, p->m_nState);
    EXPECT_TRUE(f.rec.log.empty());
    f.engine.CheckAlarms(At(9, 0, 2));
    EXPECT_EQ("sound Default Beep", Joined(f.rec.log));
    EXPECT_EQ(nullptr, f.engine.GetAlarm(-1));
}

TEST(AlarmEngine, AFailingSaveIsTriedOncePerChange)
{
    CFixture f;
    f.rec.bSaveFails = TRUE;
    f.engine.MarkAlarmsChanged();
    for (int i = 0; i < 5; i++)
        f.engine.CheckAlarms(At(9, 0, i));
    EXPECT_EQ(1, f.rec.nSaves);
    EXPECT_TRUE(f.engine.m_bChanged);
    f.engine.MarkAlarmsChanged();
    f.engine.CheckAlarms(At(9, 1));
    EXPECT_EQ(2, f.rec.nSaves);
}

TEST(AlarmEngine, AFiringAlarmIsNeverFreedUnderItsNotification)
{
    struct Case
    {
        const char* pszName;
        std::function<void(CAlarmEngine&, CAlarms*)> del;
    } cases[] = {{"deleted by its id pair",
                  [](CAlarmEngine& e, CAlarms* p) { e.DeleteAlarm(p->m_nId, p->m_tCreated); }},
                 {"replaced",
                  [](CAlarmEngine& e, CAlarms* p) {
                      CAlarms* r = new CAlarms;
                      r->m_nId = p->m_nId;
                      r->m_tCreated = p->m_tCreated;
                      e.ReplaceAlarm(r);
                  }},
                 {"its slot overwritten", [](CAlarmEngine& e, CAlarms*) { e.SetAlarm(0, new CAlarms); }},
                 {"everything removed, then a nested tick", [](CAlarmEngine& e, CAlarms*) {
                      e.RemoveAll();
                      e.CheckAlarms(At(9, 0, 1));
                  }}};
    for (const Case& c : cases)
    {
        CFixture f;
        CAlarms* p = f.Armed("open", At(9, 0));
        p->m_bDisplayMessage = TRUE;
        f.Armed("after", At(9, 0))->m_bPlaySound = TRUE;
        f.rec.onNotify = [&](COleDateTime& dt) {
            // The alarm is still whole while its dialog is open, and its state says so.
            EXPECT_EQ(ALARMSTATE_PROCESSING, p->m_nState) << c.pszName;
            c.del(f.engine, p);
            EXPECT_EQ(CString("open"), p->m_strName) << c.pszName;
            dt += COleDateTimeSpan(0, 0, 5, 0);
        };
        f.engine.CheckAlarms(At(9, 0));
        EXPECT_EQ(nullptr, f.engine.FindAlarm(7777, 0)) << c.pszName;
        for (int i = 0; i < f.engine.GetAlarmCount(); i++)
            EXPECT_NE(CString("open"), f.engine.GetAlarm(i)->m_strName) << c.pszName;
    }
}

TEST(AlarmEngine, LoadingTakesNewSlotsAndRetiresAnInterruptedAlarm)
{
    CFixture f;
    f.engine.m_nNextAlarmId = 40;
    CObArray loaded;
    CAlarms* a = new CAlarms;
    a->m_nId = 3;
    a->m_nState = ALARMSTATE_ARMED;
    CAlarms* b = new CAlarms;
    b->m_nId = 4;
    b->m_nState = ALARMSTATE_PROCESSING;
    b->m_bPlaySound = TRUE;
    b->m_bRemoveOnCompletion = TRUE;
    b->m_dtActivation = At(8, 0);
    loaded.Add(a);
    loaded.Add(b);
    f.engine.AdoptLoaded(loaded, At(9, 0));
    EXPECT_EQ(42, f.engine.m_nNextAlarmId);
    ASSERT_EQ(2, f.engine.GetAlarmCount());
    EXPECT_EQ(3, f.engine.GetAlarm(0)->m_nId);
    EXPECT_EQ(ALARMSTATE_DELETE, b->m_nState);
    EXPECT_TRUE(f.rec.log.empty());
    EXPECT_TRUE(f.engine.m_bChanged);
}

TEST(AlarmEngine, ATimersEndBecomesAnArmedReminder)
{
    CFixture f;
    EXPECT_EQ(nullptr, f.engine.AddTimerAlarm("t", At(9, 0), FALSE, "m", FALSE, "s", FALSE));
    EXPECT_EQ(0, f.engine.GetAlarmCount());
    CAlarms* p = f.engine.AddTimerAlarm("Tea", At(9, 0), TRUE, "Ready", TRUE, "ding.wav", FALSE);
    ASSERT_NE(nullptr, p);
    EXPECT_EQ(ALARMSTATE_ARMED, p->m_nState);
    EXPECT_TRUE(p->m_bRemoveOnCompletion);
    f.rec.onNotify = nullptr;
    f.engine.CheckAlarms(At(9, 0, 1));
    EXPECT_EQ("sound ding.wav; notify Tea", Joined(f.rec.log));
    EXPECT_EQ(0, f.engine.GetAlarmCount());
}

TEST(AlarmEngine, NotificationsOpenOnTopUpToABoundAndTheRestWaitTheirTurn)
{
    // Six hundred alarms due at once, their notifications kept open while the modal loop's ticks
    // go on: every sound plays in the first tick, at most three notifications are open at a time,
    // and each of them opens once, in the list's order.
    CFixture f;
    const int kAlarms = 600;
    for (int i = 0; i < kAlarms; i++)
    {
        CAlarms* p = f.Armed("due", At(9, 0));
        p->m_bDisplayMessage = TRUE;
        p->m_bRemoveOnCompletion = TRUE;
        p->m_bPlaySound = TRUE;
        p->m_strSoundFile.Format("%d", i);
        p->m_strName.Format("%d", i);
    }
    int nDepth = 0, nDeepest = 0;
    f.rec.onNotify = [&](COleDateTime&) {
        nDeepest = std::max(nDeepest, ++nDepth);
        for (int i = 1; i <= 3; i++)
            f.engine.CheckAlarms(At(9, 0, i));
        nDepth--;
    };
    f.engine.CheckAlarms(At(9, 0));
    ASSERT_EQ((size_t)(2 * kAlarms), f.rec.log.size());
    for (int i = 0; i < kAlarms; i++)
    {
        EXPECT_EQ("sound " + std::to_string(i), f.rec.log[i]);
        EXPECT_EQ("notify " + std::to_string(i), f.rec.log[kAlarms + i]);
    }
    EXPECT_EQ((int)CAlarmEngine::MAX_OPEN_NOTIFICATIONS, nDeepest);
    EXPECT_EQ(0, f.engine.GetAlarmCount());

    // Once the host closes, the waiting ones open no more. Saved as they stand: one whose sound
    // played as firing (the next start runs nothing again), one that only shows a message as
    // armed (the next start shows it).
    CFixture g;
    for (int i = 0; i < 4; i++)
        g.Armed("due", At(9, 0))->m_bDisplayMessage = TRUE;
    g.engine.GetAlarm(3)->m_bPlaySound = TRUE;
    g.rec.onNotify = [&](COleDateTime&) {
        g.rec.bMayOpen = FALSE;
        g.engine.CheckAlarms(At(9, 0, 1));
    };
    g.engine.CheckAlarms(At(9, 0));
    g.engine.CheckAlarms(At(9, 0, 2));
    EXPECT_EQ("sound Default Beep; notify due", Joined(g.rec.log));
    EXPECT_EQ(ALARMSTATE_IDLE, g.engine.GetAlarm(0)->m_nState);
    for (int i = 1; i < 3; i++)
    {
        EXPECT_EQ(ALARMSTATE_ARMED, g.engine.GetAlarm(i)->m_nState);
        EXPECT_TRUE(g.engine.IsFiring(g.engine.GetAlarm(i)));
    }
    EXPECT_EQ(ALARMSTATE_PROCESSING, g.engine.GetAlarm(3)->m_nState);
    EXPECT_FALSE(g.engine.m_bChanged);
}

TEST(AlarmEngine, AnAlarmDueUnderAnOpenNotificationRunsOnTimeAndIsJudgedByItsTurn)
{
    // A rings at 08:00 and stays open until 11:00 (the limit is an hour). B, without a dialog,
    // plays and runs at 08:30; C and D open on top at 08:40 and 08:50; E, due at 08:55 with three
    // open, plays at once and shows once D is closed at 10:30, not as late.
    CFixture f;
    COleDateTime dtClock = At(8, 0);
    f.rec.pClock = &dtClock;
    struct Item
    {
        const char* pszName;
        int nMinute; // past 08:00
        BOOL bDisplay, bSound;
        int nCloseMinute;
    } items[] = {{"A", 0, TRUE, FALSE, 180},
                 {"B", 30, FALSE, TRUE, 0},
                 {"C", 40, TRUE, FALSE, 150},
                 {"D", 50, TRUE, FALSE, 150},
                 {"E", 55, TRUE, TRUE, 0}};
    std::vector<int> closeAt;
    for (const Item& it : items)
    {
        CAlarms* p = f.Armed(it.pszName, At(8, 0) + COleDateTimeSpan(0, 0, it.nMinute, 0));
        p->m_bDisplayMessage = it.bDisplay;
        p->m_bPlaySound = it.bSound;
        p->m_strSoundFile = it.pszName;
        p->m_bRunApplication = !it.bDisplay;
        p->m_strCommandLine = it.pszName;
        closeAt.push_back(it.nCloseMinute);
    }
    // The modal loop's ticks, a minute apart here, until the notification's time to close.
    f.rec.onNotify = [&](COleDateTime&) {
        std::string strTitle = f.rec.log.back().substr(7, 1);
        COleDateTime dtClose = At(8, 0) + COleDateTimeSpan(0, 0, closeAt[strTitle[0] - 'A'], 0);
        while (dtClock < dtClose)
        {
            dtClock += COleDateTimeSpan(0, 0, 1, 0);
            f.engine.CheckAlarms(dtClock);
        }
    };
    f.engine.CheckAlarms(dtClock);
    EXPECT_EQ("notify A @08:00; sound B @08:30; run B @08:30; notify C @08:40; notify D @08:50; "
              "sound E @08:55; notify E @10:30",
              Joined(f.rec.log));
    for (int i = 0; i < f.engine.GetAlarmCount(); i++)
        EXPECT_EQ(ALARMSTATE_IDLE, f.engine.GetAlarm(i)->m_nState) << i;
}

TEST(AlarmEngine, WithoutOverdueAlarmsThoseThatWaitedStillHaveTheirTurn)
{
    // Two alarms of the same second, each with a notification, and one due while the first is
    // open: with overdue alarms off each still shows, one after another; one whose second passed
    // with nothing open stays missed.
    CFixture f;
    CAlarmCheckOptions options;
    options.bRunOverdue = FALSE;
    f.engine.SetOptions(options);
    for (const char* pszName : {"first", "second"})
        f.Armed(pszName, At(9, 0))->m_bDisplayMessage = TRUE;
    f.Armed("meanwhile", At(9, 0, 2))->m_bDisplayMessage = TRUE;
    f.Armed("missed", At(8, 0))->m_bDisplayMessage = TRUE;
    int nTick = 0;
    f.rec.onNotify = [&](COleDateTime&) {
        for (int i = 1; i <= 3; i++)
            f.engine.CheckAlarms(At(9, 0, nTick + i));
    };
    for (nTick = 0; nTick < 20; nTick += 4)
        f.engine.CheckAlarms(At(9, 0, nTick));
    EXPECT_EQ("notify first; notify second; notify meanwhile", Joined(f.rec.log));
}

TEST(AlarmEngine, AnUnknownShutDownKindEndsNoSession)
{
    for (LONG nKind : {0L, 1L, 2L, 8L, 3L, 0x7FFFFFFFL, -1L})
    {
        CFixture f;
        CAlarms* p = f.Armed("night", At(9, 0));
        p->m_bShutDown = TRUE;
        p->m_nShutDownKind = nKind;
        p->m_bPlaySound = TRUE;
        f.engine.CheckAlarms(At(9, 0));
        BOOL bKnown = nKind == 0 || nKind == 1 || nKind == 2 || nKind == 8;
        std::string expected = "sound Default Beep";
        if (bKnown)
            expected += "; shutdown " + std::to_string(nKind);
        EXPECT_EQ(expected, Joined(f.rec.log)) << nKind;
    }
}

TEST(AlarmEngine, UnusableAlarmsAreToldOnceAndNeverFire)
{
    CFixture f;
    CObArray loaded;
    CAlarms* good = new CAlarms;
    good->m_strName = "good";
    good->m_nState = ALARMSTATE_ARMED;
    good->m_bDisplayMessage = FALSE;
    good->m_bPlaySound = TRUE;
    good->m_dtActivation = At(9, 0);
    CAlarms* noDate = new CAlarms;
    noDate->CopyFrom(*good);
    noDate->m_strName = "no date";
    noDate->m_dtActivation.SetStatus(COleDateTime::invalid); // as the reader leaves it
    CAlarms* kind = new CAlarms;
    kind->CopyFrom(*good);
    kind->m_strName = "odd kind";
    kind->m_bShutDown = TRUE;
    kind->m_nShutDownKind = 0x7FFFFFFF;
    loaded.Add(good);
    loaded.Add(noDate);
    loaded.Add(kind);
    f.engine.AdoptLoaded(loaded, At(8, 59));
    EXPECT_EQ("unusable no date\nodd kind\n", Joined(f.rec.log));
    f.rec.log.clear();
    for (int i = 0; i < 5; i++)
        f.engine.CheckAlarms(At(9, 0, i));
    // The good one and the one whose session end is refused sound once; the other never.
    EXPECT_EQ("sound Default Beep; sound Default Beep", Joined(f.rec.log));
}

TEST(AlarmEngine, DueAlarmsFireInListOrderWhateverTheirTimesAndEditsInPlaceAreSeen)
{
    CFixture f;
    // Created in one order, due in another: those due at a tick fire in the list's order.
    const int kMinutes[] = {50, 10, 59, 30, 5};
    for (int i = 0; i < 5; i++)
    {
        CString strName;
        strName.Format("a%d", i);
        f.Armed(strName, At(8, kMinutes[i]))->m_bPlaySound = TRUE;
        f.engine.GetAlarm(i)->m_strSoundFile = strName;
    }
    CAlarms* pLater = f.Armed("later", At(10, 0));
    pLater->m_bPlaySound = TRUE;
    pLater->m_strSoundFile = "later";
    f.engine.CheckAlarms(At(8, 40));
    EXPECT_EQ("sound a1; sound a3; sound a4", Joined(f.rec.log));
    f.rec.log.clear();
    f.engine.CheckAlarms(At(9, 0));
    EXPECT_EQ("sound a0; sound a2", Joined(f.rec.log));

    // Brought forward in place, as an editor does, then told: the next tick fires it.
    f.rec.log.clear();
    pLater->m_dtActivation = At(9, 0, 5);
    f.engine.AlarmEdited();
    f.engine.CheckAlarms(At(9, 0, 4));
    EXPECT_TRUE(f.rec.log.empty());
    f.engine.CheckAlarms(At(9, 0, 5));
    EXPECT_EQ("sound later", Joined(f.rec.log));
}

TEST(AlarmEngine, WillRingWeighsTheLatenessLimitAndTheSweepsBeforeArming)
{
    struct Case
    {
        const char* pszName;
        BOOL bRunOverdue, bUseLimit;
        LONG nState;
        COleDateTime dtDue;
        BOOL bRepeat;
        BOOL bWillRing;
    } cases[] = {
        {"later today", TRUE, TRUE, ALARMSTATE_ARMED, At(10, 0), FALSE, TRUE},
        {"30 minutes past", TRUE, TRUE, ALARMSTATE_ARMED, At(8, 30), FALSE, TRUE},
        {"61 minutes past: fires with no action", TRUE, TRUE, ALARMSTATE_ARMED, At(7, 59), FALSE, FALSE},
        {"new, past the limit once armed", TRUE, TRUE, ALARMSTATE_NEW, At(8, 0, 1), FALSE, FALSE},
        {"new, at the limit once armed", TRUE, TRUE, ALARMSTATE_NEW, At(8, 0, 2), FALSE, TRUE},
        {"arming, at the limit once armed", TRUE, TRUE, ALARMSTATE_ARMING, At(8, 0, 1), FALSE, TRUE},
        {"far past but repeating", TRUE, TRUE, ALARMSTATE_ARMED, At(3, 0), TRUE, TRUE},
        {"far past without the limit", TRUE, FALSE, ALARMSTATE_ARMED, At(3, 0), FALSE, TRUE},
        {"no overdue: its second passed", FALSE, TRUE, ALARMSTATE_ARMED, At(8, 59, 59), FALSE, FALSE},
        {"no overdue: its second is now", FALSE, TRUE, ALARMSTATE_ARMED, At(9, 0), FALSE, TRUE},
        {"no overdue: passed before it is armed", FALSE, TRUE, ALARMSTATE_NEW, At(9, 0, 1), FALSE, FALSE},
        {"idle", TRUE, TRUE, ALARMSTATE_IDLE, At(10, 0), FALSE, FALSE},
        {"firing, its notification open", TRUE, TRUE, ALARMSTATE_PROCESSING, At(3, 0), FALSE, TRUE},
    };
    for (const Case& c : cases)
    {
        CFixture f;
        CAlarmCheckOptions o;
        o.bRunOverdue = c.bRunOverdue;
        o.bUseLimit = c.bUseLimit;
        f.engine.SetOptions(o);
        CAlarms* p = f.Armed("a", c.dtDue);
        p->m_nState = c.nState;
        p->m_bRepeat = c.bRepeat;
        p->m_tsRepeatInterval = COleDateTimeSpan(0, 1, 0, 0);
        EXPECT_EQ(c.bWillRing, f.engine.WillRing(p, At(9, 0))) << c.pszName;
        p->m_bEnabled = FALSE;
        EXPECT_FALSE(f.engine.WillRing(p, At(9, 0))) << c.pszName;
    }
}
