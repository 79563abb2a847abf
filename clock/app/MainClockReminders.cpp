// CMainClockDlg: the alarm list command and the quick reminders.
#include "MainClockDlg.h"

#include "AlarmConfig.h"
#include "AlarmListDlg.h"
#include "Alarms.h"
#include "ClockApp.h"
#include "PlatformServices.h"
#include "resource.h"

namespace
{
struct ReminderCommand
{
    UINT nID;
    int nMinutes;
};

const ReminderCommand kReminders[] = {
    {ID_REMIND_1MIN, 1},      {ID_REMIND_3MIN, 3},       {ID_REMIND_5MIN, 5},     {ID_REMIND_10MIN, 10},
    {ID_REMIND_15MIN, 15},    {ID_REMIND_20MIN, 20},     {ID_REMIND_30MIN, 30},   {ID_REMIND_45MIN, 45},
    {ID_REMIND_1HOUR, 60},    {ID_REMIND_3HOURS, 180},   {ID_REMIND_4HOURS, 240}, {ID_REMIND_5HOURS, 300},
    {ID_REMIND_12HOURS, 720}, {ID_REMIND_24HOURS, 1440}, {ID_REMIND_2DAYS, 2880}, {ID_REMIND_1WEEK, 10080},
    {ID_REMIND_CUSTOM, 0},
};

// The Sound page's buttons sound through the clock window.
class CClockSoundTester : public IAlarmSoundTester
{
public:
    CClockSoundTester(CMainClockDlg* pDlg, CAlarmSound& sound) : m_pDlg(pDlg), m_sound(sound) {}
    virtual void PlayAlarmSound(const CString& strFile) { m_pDlg->PlayAlarmSound(strFile); }
    virtual void StopAlarmSound() { m_pDlg->StopAlarmSound(); }
    virtual void PlayCdTrack(int nTrack) { m_pDlg->PlayCdTrack(nTrack); }
    virtual void StopMciPlayback() { m_sound.StopMciPlayback(); }

private:
    CMainClockDlg* m_pDlg;
    CAlarmSound& m_sound;
};

BOOL AgentInstalled()
{
    CClockApp* pApp = GetClockApp();
    return pApp != NULL && !pApp->m_bAgentMissing;
}
} // namespace

int CMainClockDlg::ReminderMinutes(UINT nID)
{
    for (const ReminderCommand& r : kReminders)
        if (r.nID == nID)
            return r.nMinutes;
    return -1;
}

void CMainClockDlg::OnCmdAlarmsList()
{
    if (m_openDialogs.Activate(COpenDialogs::kindAlarmList))
        return;
    SuspendAutoHide(TRUE);
    CClockSoundTester tester(this, m_sound);
    CAlarmListDlg dlg(&m_alarmEngine, this);
    COpenDialogs::CScope open(m_openDialogs, COpenDialogs::kindAlarmList, &dlg);
    dlg.m_pSoundOwner = &tester;
    dlg.m_bAgentInstalled = AgentInstalled();
    dlg.DoModal();
    SuspendAutoHide(FALSE);
}

void CMainClockDlg::OnCmdReminder(UINT nID)
{
    int nMinutes = ReminderMinutes(nID);
    if (nMinutes >= 0)
        CreateReminder(nMinutes);
}

void CMainClockDlg::PrepareReminder(CAlarmConfig& sheet, const CAlarms& scratch, int nMinutes,
                                    const COleDateTime& dtNow) const
{
    sheet.FillFromAlarm(scratch);
    sheet.m_setup.m_strName = _T("Unnamed Reminder");
    sheet.m_setup.m_bRemoveOnCompletion = TRUE;
    COleDateTime dtDue = dtNow + COleDateTimeSpan(0, 0, nMinutes, 0);
    sheet.m_setup.m_dtDate = COleDateTime(dtDue.GetYear(), dtDue.GetMonth(), dtDue.GetDay(), 0, 0, 0);
    sheet.m_setup.m_dtTime =
        COleDateTime(1899, 12, 30, dtDue.GetHour(), dtDue.GetMinute(), dtDue.GetSecond());
    sheet.m_setup.m_bDisplayMessage = TRUE;
    sheet.m_setup.m_strMessage = _T("Reminder...");
    sheet.m_setup.m_strTimeFormat = GetAlarmTimeFormat();
    sheet.m_sound.m_bPlaySound = TRUE;
    sheet.m_action.m_bRunApplication = FALSE;
    sheet.m_action.m_bShutDown = FALSE;
}

CAlarms* CMainClockDlg::AddReminder(const CAlarmConfig& sheet, const COleDateTime& dtOpened)
{
    // The pages go into a scratch record first: nothing is added unless a slot can be had.
    CAlarms scratch;
    sheet.CopyToAlarm(scratch, dtOpened);
    CAlarms* pAlarm = m_alarmEngine.NewAlarm();
    if (pAlarm == NULL)
        return NULL;
    LONG nId = pAlarm->m_nId, tCreated = pAlarm->m_tCreated;
    pAlarm->CopyFrom(scratch);
    pAlarm->m_nId = nId;
    pAlarm->m_tCreated = tCreated;
    MarkAlarmsChanged();
    return pAlarm;
}

void CMainClockDlg::CreateReminder(int nMinutes)
{
    // One reminder sheet at a time: another reminder command brings the open one forward.
    if (m_openDialogs.Activate(COpenDialogs::kindReminder))
        return;
    SuspendAutoHide(TRUE);
    CAlarms scratch;
    CClockSoundTester tester(this, m_sound);
    CAlarmConfig sheet(_T("Reminder Properties"), this);
    COpenDialogs::CScope open(m_openDialogs, COpenDialogs::kindReminder, &sheet);
    sheet.m_setup.m_bAgentInstalled = AgentInstalled();
    sheet.m_sound.m_pOwner = &tester;
    // A "Custom" reminder starts at the moment the sheet opens: accepted a little later, it rings
    // at once rather than being stored as past.
    COleDateTime dtOpened = GetLocalNow();
    PrepareReminder(sheet, scratch, nMinutes, dtOpened);
    if (sheet.DoModal() == IDOK)
        AddReminder(sheet, dtOpened);
    SuspendAutoHide(FALSE);
}
