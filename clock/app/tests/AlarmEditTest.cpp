// The alarm sheet's pages against the record (shut-down kinds, the activation, the state, a zero
// interval), the alarm list's buttons on the engine (New and Cancel, Modify, Delete, Replicate,
// the refusals for a firing alarm) and the quick reminders.
#include <gtest/gtest.h>

#include <afxwin.h>

#include <functional>

#include "AlarmConfig.h"
#include "AlarmEngine.h"
#include "AlarmListDlg.h"
#include "Alarms.h"
#include "MainClockDlg.h"
#include "MainClockDlgProbe.h"
#include "velmora/resource.h"

namespace
{
// The list dialog without its window: the sheet's outcome and the refusals are the test's.
class CTestAlarmList : public CAlarmListDlg
{
public:
    explicit CTestAlarmList(CAlarmEngine* pEngine)
        : CAlarmListDlg(pEngine, NULL), m_dtNow(2026, 12, 9, 12, 0, 0)
    {
        FillList();
    }
    std::function<INT_PTR(CAlarmConfig&)> m_sheet = [](CAlarmConfig&) { return (INT_PTR)IDCANCEL; };
    int m_nSheets = 0;
    CStringArray m_refusals;
    COleDateTime m_dtNow;

protected:
    INT_PTR RunSheet(CAlarmConfig& sheet) override
    {
        m_nSheets++;
        return m_sheet(sheet);
    }
    void ReportRefusal(LPCTSTR pszText) override { m_refusals.Add(pszText); }
    COleDateTime Now() const override { return m_dtNow; }
};

CAlarms* AddAlarm(CAlarmEngine& engine, LPCTSTR pszName, LONG nState)
{
    CAlarms* p = engine.NewAlarm();
    p->m_strName = pszName;
    p->m_nState = nState;
    return p;
}
} // namespace

TEST(AlarmEdit, ShutDownKindsMapToTheRadioButtonsAndBack)
{
    struct Case
    {
        LONG nKind;
        int nRadio;
        LONG nBack;
    } cases[] = {{EWX_LOGOFF, 0, EWX_LOGOFF},  {EWX_POWEROFF, 1, EWX_POWEROFF},
                 {EWX_REBOOT, 2, EWX_REBOOT},  {EWX_SHUTDOWN, 3, EWX_SHUTDOWN},
                 {EWX_FORCE, 3, EWX_SHUTDOWN}, {7, 3, EWX_SHUTDOWN}};
    for (const Case& c : cases)
    {
        CAlarms alarm;
        alarm.m_nShutDownKind = c.nKind;
        CAlarmConfig sheet(_T("Alarm Properties"), NULL);
        sheet.FillFromAlarm(alarm);
        EXPECT_EQ(c.nRadio, sheet.m_action.m_nShutDownRadio) << c.nKind;
        sheet.CopyToAlarm(alarm, COleDateTime(2000, 1, 1, 0, 0, 0));
        EXPECT_EQ(c.nBack, alarm.m_nShutDownKind) << c.nKind;
    }
}

TEST(AlarmEdit, PagesCarryEveryFieldAndTheActivationDecidesTheState)
{
    CAlarms from;
    from.m_strName = _T("100% %s %n");
    from.m_dtActivation = COleDateTime(2026, 12, 24, 18, 30, 15);
    from.m_bEnabled = FALSE;
    from.m_bRemoveOnCompletion = TRUE;
    from.m_bRepeat = TRUE;
    from.SetRepeatInterval(1, 2, 3, 4);
    from.m_bDisplayMessage = FALSE;
    from.m_strMessage = _T("msg");
    from.m_bSpeakMessage = TRUE;
    from.m_bPlaySound = TRUE;
    from.m_strSoundFile = _T("c:\\a.wav");
    from.m_bPlayCdAudio = TRUE;
    from.m_nCdTrack = 7;
    from.m_bRunApplication = TRUE;
    from.m_strCommandLine = _T("notepad");
    from.m_bRunMinimised = TRUE;
    from.m_bShutDown = TRUE;
    from.m_bCloseAll = TRUE;
    from.m_nShutDownKind = EWX_REBOOT;

    CAlarmConfig sheet(_T("Alarm Properties"), NULL);
    sheet.FillFromAlarm(from);
    EXPECT_EQ(1, sheet.m_setup.m_nIntervalDays);
    EXPECT_EQ(COleDateTime(1899, 12, 30, 2, 3, 4), sheet.m_setup.m_dtIntervalTime);
    EXPECT_EQ(COleDateTime(1899, 12, 30, 18, 30, 15), sheet.m_setup.m_dtTime);

    struct Case
    {
        COleDateTime dtNow;
        LONG nState;
    } cases[] = {{COleDateTime(2026, 12, 24, 18, 30, 15), ALARMSTATE_NEW},
                 {COleDateTime(2026, 12, 24, 18, 30, 16), ALARMSTATE_IDLE}};
    for (const Case& c : cases)
    {
        CAlarms to;
        to.m_nState = ALARMSTATE_ARMED;
        sheet.CopyToAlarm(to, c.dtNow);
        EXPECT_EQ(c.nState, to.m_nState);
        EXPECT_EQ(from.m_dtActivation, to.m_dtActivation);
        EXPECT_STREQ(_T("100% %s %n"), to.m_strName);
        EXPECT_EQ(from.m_tsRepeatInterval, to.m_tsRepeatInterval);
        EXPECT_TRUE(to.m_bRepeat);
        EXPECT_FALSE(to.m_bEnabled);
        EXPECT_TRUE(to.m_bRemoveOnCompletion);
        EXPECT_FALSE(to.m_bDisplayMessage);
        EXPECT_STREQ(_T("msg"), to.m_strMessage);
        EXPECT_TRUE(to.m_bSpeakMessage);
        EXPECT_TRUE(to.m_bPlaySound);
        EXPECT_STREQ(_T("c:\\a.wav"), to.m_strSoundFile);
        EXPECT_TRUE(to.m_bPlayCdAudio);
        EXPECT_EQ(7, to.m_nCdTrack);
        EXPECT_TRUE(to.m_bRunApplication);
        EXPECT_STREQ(_T("notepad"), to.m_strCommandLine);
        EXPECT_TRUE(to.m_bRunMinimised);
        EXPECT_TRUE(to.m_bShutDown);
        EXPECT_TRUE(to.m_bCloseAll);
        EXPECT_EQ(EWX_REBOOT, to.m_nShutDownKind);
    }
}

TEST(AlarmEdit, AZeroIntervalClearsRepeatAndKeepsTheStoredInterval)
{
    CAlarmConfig sheet(_T("Alarm Properties"), NULL);
    CAlarms alarm;
    sheet.FillFromAlarm(alarm);
    sheet.m_setup.m_bRepeat = TRUE;
    alarm.SetRepeatInterval(0, 5, 0, 0);
    sheet.CopyToAlarm(alarm, COleDateTime(2000, 1, 1, 0, 0, 0));
    EXPECT_FALSE(alarm.m_bRepeat);
    EXPECT_EQ(COleDateTimeSpan(0, 5, 0, 0), alarm.m_tsRepeatInterval);

    sheet.m_setup.m_nIntervalDays = 3;
    sheet.CopyToAlarm(alarm, COleDateTime(2000, 1, 1, 0, 0, 0));
    EXPECT_TRUE(alarm.m_bRepeat);
    EXPECT_EQ(COleDateTimeSpan(3, 0, 0, 0), alarm.m_tsRepeatInterval);
}

TEST(AlarmEdit, NewThenCancelAddsNothingAndOkStoresThePages)
{
    CAlarmEngine engine;
    AddAlarm(engine, _T("kept"), ALARMSTATE_ARMED);
    engine.ClearAlarmsChanged();
    LONG nNextId = engine.m_nNextAlarmId;
    CTestAlarmList list(&engine);
    CString strShownName;
    list.m_sheet = [&](CAlarmConfig& sheet) {
        strShownName = sheet.m_setup.m_strName;
        return (INT_PTR)IDCANCEL;
    };
    list.NewAlarm();
    EXPECT_EQ(1, list.m_nSheets);
    EXPECT_STREQ(_T("Unnamed Alarm"), strShownName) << "the sheet shows a new alarm's defaults";
    ASSERT_EQ(1, engine.GetAlarmCount());
    EXPECT_STREQ(_T("kept"), engine.GetAlarm(0)->m_strName);
    EXPECT_EQ(nNextId, engine.m_nNextAlarmId);
    EXPECT_FALSE(engine.m_bChanged) << "nothing to write";

    list.m_sheet = [](CAlarmConfig& sheet) {
        sheet.m_setup.m_strName = _T("Dentist");
        sheet.m_setup.m_dtDate = COleDateTime(2026, 12, 10, 0, 0, 0);
        sheet.m_setup.m_dtTime = COleDateTime(1899, 12, 30, 9, 15, 0);
        return (INT_PTR)IDOK;
    };
    list.NewAlarm();
    ASSERT_EQ(2, engine.GetAlarmCount());
    CAlarms* p = engine.GetAlarm(1);
    EXPECT_STREQ(_T("Dentist"), p->m_strName);
    EXPECT_EQ(COleDateTime(2026, 12, 10, 9, 15, 0), p->m_dtActivation);
    EXPECT_EQ(ALARMSTATE_NEW, p->m_nState);
    EXPECT_NE(engine.GetAlarm(0)->m_nId, p->m_nId);
}

TEST(AlarmEdit, ModifyCancelRestoresTheStateAndAFiringAlarmIsRefused)
{
    CAlarmEngine engine;
    AddAlarm(engine, _T("armed"), ALARMSTATE_ARMED);
    AddAlarm(engine, _T("firing"), ALARMSTATE_PROCESSING);
    CTestAlarmList list(&engine);
    LONG nSeenState = -1;
    list.m_sheet = [&](CAlarmConfig&) {
        nSeenState = engine.GetAlarm(0)->m_nState;
        return (INT_PTR)IDCANCEL;
    };
    list.ModifyAlarm(0);
    EXPECT_EQ(ALARMSTATE_IDLE, nSeenState) << "it cannot fire while the sheet is open";
    EXPECT_EQ(ALARMSTATE_ARMED, engine.GetAlarm(0)->m_nState);

    list.ModifyAlarm(1);
    list.DeleteAlarm(1);
    EXPECT_EQ(1, list.m_nSheets);
    ASSERT_EQ(2, list.m_refusals.GetSize());
    EXPECT_STREQ(_T("Cannot amend this alarm until it stops processing"), list.m_refusals[0]);
    EXPECT_STREQ(_T("Cannot delete this alarm until it stops processing"), list.m_refusals[1]);
    ASSERT_EQ(2, engine.GetAlarmCount());
    EXPECT_EQ(ALARMSTATE_PROCESSING, engine.GetAlarm(1)->m_nState);

    list.DeleteAlarm(0);
    ASSERT_EQ(1, engine.GetAlarmCount());
    EXPECT_STREQ(_T("firing"), engine.GetAlarm(0)->m_strName);
}

TEST(AlarmEdit, ALineFollowsItsAlarmWhenTheArrayChangedUnderTheList)
{
    CAlarmEngine engine;
    AddAlarm(engine, _T("first"), ALARMSTATE_IDLE);
    CAlarms* pSecond = AddAlarm(engine, _T("second"), ALARMSTATE_IDLE);
    CTestAlarmList list(&engine);
    engine.DeleteAlarm(engine.GetAlarm(0)->m_nId, engine.GetAlarm(0)->m_tCreated);
    EXPECT_EQ(NULL, list.AlarmOfLine(0));
    EXPECT_EQ(pSecond, list.AlarmOfLine(1));
    list.DeleteAlarm(0); // the line of an alarm already gone deletes nothing else
    EXPECT_EQ(1, engine.GetAlarmCount());
}

TEST(AlarmEdit, ReplicateCopiesAllButTheCdAndShutDownFields)
{
    CAlarmEngine engine;
    CAlarms* pFrom = AddAlarm(engine, _T("night"), ALARMSTATE_IDLE);
    pFrom->m_dtActivation = COleDateTime(2026, 12, 31, 23, 0, 0);
    pFrom->m_bShutDown = TRUE;
    pFrom->m_nShutDownKind = EWX_POWEROFF;
    pFrom->m_bCloseAll = TRUE;
    pFrom->m_bPlayCdAudio = TRUE;
    pFrom->m_nCdTrack = 5;
    pFrom->m_bRunApplication = TRUE;
    pFrom->m_strCommandLine = _T("backup.exe");
    pFrom->m_bRepeat = TRUE;
    pFrom->SetRepeatInterval(1, 0, 0, 0);
    CTestAlarmList list(&engine);
    list.ReplicateAlarm(0);
    ASSERT_EQ(2, engine.GetAlarmCount());
    CAlarms* pCopy = engine.GetAlarm(1);
    EXPECT_NE(pFrom->m_nId, pCopy->m_nId);
    EXPECT_EQ(ALARMSTATE_NEW, pCopy->m_nState);
    EXPECT_STREQ(_T("night"), pCopy->m_strName);
    EXPECT_EQ(pFrom->m_dtActivation, pCopy->m_dtActivation);
    EXPECT_TRUE(pCopy->m_bRunApplication);
    EXPECT_STREQ(_T("backup.exe"), pCopy->m_strCommandLine);
    EXPECT_TRUE(pCopy->m_bRepeat);
    EXPECT_EQ(COleDateTimeSpan(1, 0, 0, 0), pCopy->m_tsRepeatInterval);
    EXPECT_FALSE(pCopy->m_bShutDown);
    EXPECT_EQ(EWX_SHUTDOWN, pCopy->m_nShutDownKind);
    EXPECT_FALSE(pCopy->m_bCloseAll);
    EXPECT_FALSE(pCopy->m_bPlayCdAudio);
    EXPECT_EQ(1, pCopy->m_nCdTrack);
}

TEST(AlarmEdit, ListLinesJoinTheNameWithoutFormattingIt)
{
    CAlarms alarm;
    alarm.m_strName = _T("%s%n%d");
    alarm.m_dtActivation = COleDateTime(2026, 12, 9, 8, 5, 0);
    CString strLine = CAlarmListDlg::FormatLine(alarm);
    EXPECT_EQ(0, strLine.Find(_T("%s%n%d ")));
    EXPECT_EQ(strLine.GetLength() - 1, strLine.ReverseFind(_T(' ')));
    EXPECT_NE(-1, strLine.Find(_T("2026")));
}

TEST(AlarmEdit, QuickRemindersProposeTheirMinutesAndAddOnlyOnOk)
{
    struct Case
    {
        UINT nID;
        int nMinutes;
    } cases[] = {{ID_REMIND_1MIN, 1},      {ID_REMIND_3MIN, 3},       {ID_REMIND_5MIN, 5},
                 {ID_REMIND_10MIN, 10},    {ID_REMIND_15MIN, 15},     {ID_REMIND_20MIN, 20},
                 {ID_REMIND_30MIN, 30},    {ID_REMIND_45MIN, 45},     {ID_REMIND_1HOUR, 60},
                 {ID_REMIND_3HOURS, 180},  {ID_REMIND_4HOURS, 240},   {ID_REMIND_5HOURS, 300},
                 {ID_REMIND_12HOURS, 720}, {ID_REMIND_24HOURS, 1440}, {ID_REMIND_2DAYS, 2880},
                 {ID_REMIND_1WEEK, 10080}, {ID_REMIND_CUSTOM, 0}};
    for (const Case& c : cases)
        EXPECT_EQ(c.nMinutes, CMainClockDlg::ReminderMinutes(c.nID)) << c.nID;
    EXPECT_EQ(-1, CMainClockDlg::ReminderMinutes(ID_SILENCE_ALARM));

    CMainClockDlg dlg;
    CMainClockDlgProbe probe(dlg);
    probe.m_alarmEngine.m_nNextAlarmId = 7;
    COleDateTime dtNow(2026, 12, 9, 23, 59, 30);
    CAlarms scratch;
    CAlarmConfig sheet(_T("Reminder Properties"), NULL);
    dlg.PrepareReminder(sheet, scratch, 10080, dtNow);
    EXPECT_EQ(0, probe.m_alarmEngine.GetAlarmCount()) << "nothing is added before OK";
    EXPECT_STREQ(_T("Unnamed Reminder"), sheet.m_setup.m_strName);
    EXPECT_STREQ(_T("Reminder..."), sheet.m_setup.m_strMessage);
    EXPECT_TRUE(sheet.m_setup.m_bRemoveOnCompletion);
    EXPECT_TRUE(sheet.m_sound.m_bPlaySound);
    EXPECT_STREQ(_T("Default Beep"), sheet.m_sound.m_strSoundFile);

    probe.m_alarmEngine.m_bChanged = FALSE;
    CAlarms* p = dlg.AddReminder(sheet, dtNow);
    ASSERT_NE((CAlarms*)NULL, p);
    ASSERT_EQ(1, probe.m_alarmEngine.GetAlarmCount());
    EXPECT_EQ(7, p->m_nId);
    EXPECT_EQ(COleDateTime(2026, 12, 16, 23, 59, 30), p->m_dtActivation);
    EXPECT_EQ(ALARMSTATE_NEW, p->m_nState);
    EXPECT_FALSE(p->m_bRepeat);
    EXPECT_TRUE(p->m_bRemoveOnCompletion);
    EXPECT_TRUE(p->m_bDisplayMessage);
    EXPECT_TRUE(probe.m_alarmEngine.m_bChanged);
}
