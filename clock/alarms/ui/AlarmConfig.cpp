// CAlarmConfig: the sheet, and how its pages map to an alarm record.
#include "AlarmConfig.h"

#include "Alarms.h"

CAlarmConfig::CAlarmConfig(LPCTSTR pszCaption, CWnd* pParent) : CPropertySheet(pszCaption, pParent)
{
    m_psh.dwFlags |= PSH_NOAPPLYNOW;
    AddPage(&m_setup);
    AddPage(&m_sound);
    AddPage(&m_action);
}

void CAlarmConfig::FillFromAlarm(const CAlarms& alarm)
{
    m_setup.m_strName = alarm.m_strName;
    m_setup.m_bEnabled = alarm.m_bEnabled;
    m_setup.m_bRemoveOnCompletion = alarm.m_bRemoveOnCompletion;
    m_setup.m_bRepeat = alarm.m_bRepeat;
    const COleDateTime& dt = alarm.m_dtActivation;
    if (dt.GetStatus() == COleDateTime::valid)
    {
        m_setup.m_dtDate = COleDateTime(dt.GetYear(), dt.GetMonth(), dt.GetDay(), 0, 0, 0);
        m_setup.m_dtTime = COleDateTime(1899, 12, 30, dt.GetHour(), dt.GetMinute(), dt.GetSecond());
    }
    m_setup.m_tsInterval = alarm.m_tsRepeatInterval;
    m_setup.SplitInterval();
    m_setup.m_bDisplayMessage = alarm.m_bDisplayMessage;
    m_setup.m_strMessage = alarm.m_strMessage;
    m_setup.m_bSpeakMessage = alarm.m_bSpeakMessage;

    m_sound.m_bPlaySound = alarm.m_bPlaySound;
    m_sound.m_strSoundFile = alarm.m_strSoundFile;
    m_sound.m_bPlayCdAudio = alarm.m_bPlayCdAudio;
    m_sound.m_nCdTrack = alarm.m_nCdTrack;

    m_action.m_bRunApplication = alarm.m_bRunApplication;
    m_action.m_strCommandLine = alarm.m_strCommandLine;
    m_action.m_bRunMinimised = alarm.m_bRunMinimised;
    m_action.m_bShutDown = alarm.m_bShutDown;
    m_action.m_bCloseAll = alarm.m_bCloseAll;
    m_action.m_nShutDownRadio = CActionSetup::RadioFromKind(alarm.m_nShutDownKind);
}

void CAlarmConfig::CopyToAlarm(CAlarms& alarm, const COleDateTime& dtOpened) const
{
    alarm.m_strName = m_setup.m_strName;
    alarm.m_bEnabled = m_setup.m_bEnabled;
    alarm.m_bRemoveOnCompletion = m_setup.m_bRemoveOnCompletion;
    alarm.m_bDisplayMessage = m_setup.m_bDisplayMessage;
    alarm.m_strMessage = m_setup.m_strMessage;
    alarm.m_bPlaySound = m_sound.m_bPlaySound;
    alarm.m_strSoundFile = m_sound.m_strSoundFile;
    alarm.m_bRunApplication = m_action.m_bRunApplication;
    alarm.m_strCommandLine = m_action.m_strCommandLine;
    alarm.m_bRunMinimised = m_action.m_bRunMinimised;
    alarm.m_bRepeat = m_setup.m_bRepeat;
    alarm.m_bPlayCdAudio = m_sound.m_bPlayCdAudio;
    alarm.m_nCdTrack = m_sound.m_nCdTrack;
    alarm.m_bSpeakMessage = m_setup.m_bSpeakMessage;
    alarm.m_bShutDown = m_action.m_bShutDown;
    alarm.m_bCloseAll = m_action.m_bCloseAll;
    alarm.m_nShutDownKind = CActionSetup::KindFromRadio(m_action.m_nShutDownRadio);

    const COleDateTime& d = m_setup.m_dtDate;
    const COleDateTime& t = m_setup.m_dtTime;
    alarm.m_dtActivation =
        COleDateTime(d.GetYear(), d.GetMonth(), d.GetDay(), t.GetHour(), t.GetMinute(), t.GetSecond());

    alarm.m_nState = alarm.m_dtActivation < dtOpened ? ALARMSTATE_IDLE : ALARMSTATE_NEW;

    const COleDateTime& it = m_setup.m_dtIntervalTime;
    COleDateTimeSpan ts(m_setup.m_nIntervalDays, it.GetHour(), it.GetMinute(), it.GetSecond());
    if (ts.GetStatus() == COleDateTimeSpan::valid && ts.GetTotalSeconds() == 0)
        alarm.m_bRepeat = FALSE;
    else
        alarm.m_tsRepeatInterval = ts;
}
