// CMainClockDlg: the options sheet and the clock configuration dialog, for a clock of the window
// and for the default clock.
#include "MainClockDlg.h"

#include "ClockApp.h"
#include "Clock.h"
#include "ClockConfigDlg.h"
#include "VelmoraPropertySheet.h"

namespace
{
COleDateTime TimeOfDay(const COleDateTime& dt)
{
    return COleDateTime(1899, 12, 30, dt.GetHour(), dt.GetMinute(), dt.GetSecond());
}
} // namespace

void CMainClockDlg::RunOptions()
{
    SuspendAutoHide(TRUE);
    BOOL bAgentMissing = GetClockApp() != NULL ? GetClockApp()->m_bAgentMissing : TRUE;
    CVelmoraPropertySheet sheet(_T("Velmora Options"), this, m_settings.m_nPropIndex, bAgentMissing);

    COptionsPage& clock = sheet.m_clockPage;
    clock.m_pClockWnd = this;
    clock.m_nNewClockPos = m_settings.m_nNewClockPos;
    clock.m_crBackground = m_settings.m_crBackgroundCol;
    clock.m_bClockOnTop = m_settings.m_bClockOnTop;
    clock.m_bLoadOnStartup = m_settings.m_bLoadOnStartup;
    clock.m_strLayout = m_nLayout == 1 ? _T("Horizontal") : _T("Vertical");
    clock.m_bRunOverdue = m_settings.m_bRunOverdue;
    clock.m_bAnimateIcon = m_settings.m_bAnimateIcon;
    clock.m_bUseLimit = m_settings.m_bUseLimit;
    clock.m_dtLimit = TimeOfDay(m_settings.m_dtLimit);
    clock.m_nAlarmTimeDisplay = m_settings.m_nAlarmTimeDisplay;
    clock.m_bEnableAlarmSys = m_settings.m_bEnableAlarmSys;
    clock.m_bVersCheckBeta = m_settings.m_bVersCheckBeta;
    clock.m_nVersCheckInt = m_settings.m_nVersCheckInt;

    CSyncOptions& sync = sheet.m_syncPage;
    sync.m_pMainDlg = this;
    sync.m_pServers = &m_servers;
    sync.LoadFrom(m_settings);

    CDiaryOptions& diary = sheet.m_diaryPage;
    diary.m_bPlaySound = m_settings.m_bDefPlayRemSound;
    diary.m_strSoundFile = m_settings.m_strDefRemSound;
    diary.m_bDeleteReminder = m_settings.m_bDeleteReminder;

    CAgentOptions& agent = sheet.m_agentPage;
    agent.m_bAgentMissing = bAgentMissing;
    agent.m_bEnableAgent = m_settings.m_bEnableAgent;
    agent.m_strAgentPath = m_settings.m_strAgentPath;
    agent.m_strAgentFile = m_settings.m_strAgentFile;
    agent.m_strPreviewText = m_settings.m_strAgentPreview;
    agent.m_nPitch = m_settings.m_nAgentPitch;
    agent.m_nSpeed = m_settings.m_nAgentSpeed;
    agent.m_nVolume = m_settings.m_nAgentVol;
    agent.m_bHidePostSpeech = m_settings.m_bHidePostSpeech;
    agent.m_bEnableEffects = m_settings.m_bEnableEffects;
    agent.m_bBalloonText = m_settings.m_bBalloonText;
    agent.SetCharacter(m_speaker.GetCharacter(), m_speaker.GetCurrentId());

    CSpeakingClockOptions& speech = sheet.m_speechPage;
    speech.m_bSpeakTime = m_settings.m_bSpeakTime;
    speech.m_nTimeFreq = m_settings.m_nTimeFreq;
    speech.m_dtQuietStart = TimeOfDay(m_settings.m_dtQuietStart);
    speech.m_dtQuietEnd = TimeOfDay(m_settings.m_dtQuietEnd);
    speech.m_nQuietType = m_settings.m_nQuietType;
    speech.m_bSpeakDate = m_settings.m_bSpeakDate;
    speech.m_strPreDate = m_settings.m_strPreDate;
    speech.m_strPreTime = m_settings.m_strPreTime;
    speech.m_strPreAlarm = m_settings.m_strPreAlarm;
    speech.m_strStartupMsg = m_settings.m_strStartupMsg;
    speech.m_strPostTime = m_settings.m_strPostTime;
    speech.m_bAmPm = m_settings.m_bAmPm;
    speech.m_bStartupTime = m_settings.m_bStartupTime;

    // The character goes back where it stood before the sheet, whatever the sheet did with it.
    const CString strOldAgentFile = m_settings.m_strAgentFile;
    const short nOldAgentX = m_settings.m_nAgentX, nOldAgentY = m_settings.m_nAgentY;

    INT_PTR nResult = sheet.DoModal();
    SuspendAutoHide(FALSE);
    m_settings.m_nPropIndex = sheet.m_nLastActive;

    if (nResult == IDOK)
    {
        m_settings.m_nNewClockPos = clock.m_nNewClockPos;
        m_settings.m_bClockOnTop = clock.m_bClockOnTop;
        ApplyTopmost();
        m_settings.m_bLoadOnStartup = clock.m_bLoadOnStartup;
        if (m_settings.m_bLoadOnStartup)
            AddToRunKey();
        else
            RemoveFromRunKey();
        m_settings.m_bEnableAlarmSys = clock.m_bEnableAlarmSys;
        sync.SaveTo(m_settings);
        RestartDialUpMonitor();
        if (m_settings.m_bPeriodicSync)
            ResetSyncCountdown();
        m_settings.m_bDefPlayRemSound = diary.m_bPlaySound;
        m_settings.m_strDefRemSound = diary.m_strSoundFile;
        if (clock.m_strLayout == _T("Vertical"))
            m_nLayout = 0;
        else if (clock.m_strLayout == _T("Horizontal"))
            m_nLayout = 1;
        m_settings.m_nClockLayout2 = m_nLayout;
        m_settings.m_strClockLayout1 = m_nLayout == 1 ? _T("Horizontal") : _T("Vertical");
        m_settings.m_crBackgroundCol = clock.m_crBackground;
        m_settings.m_bRunOverdue = clock.m_bRunOverdue;
        m_settings.m_bUseLimit = clock.m_bUseLimit;
        m_settings.m_dtLimit = TimeOfDay(clock.m_dtLimit);
        m_settings.m_bDeleteReminder = diary.m_bDeleteReminder;
        m_settings.m_bAnimateIcon = clock.m_bAnimateIcon;
        UpdateTrayIcon();
        m_settings.m_nAlarmTimeDisplay = clock.m_nAlarmTimeDisplay;
        m_settings.m_bVersCheckBeta = clock.m_bVersCheckBeta;
        m_settings.m_nVersCheckInt = clock.m_nVersCheckInt < 0 ? 7 : clock.m_nVersCheckInt;
        m_settings.m_strAgentPreview = agent.m_strPreviewText;
        m_settings.m_nAgentPitch = agent.m_nPitch;
        m_settings.m_nAgentSpeed = agent.m_nSpeed;
        m_settings.m_nAgentVol = agent.m_nVolume;
        m_settings.m_bEnableAgent = agent.m_bEnableAgent;
        m_settings.m_strAgentFile = agent.m_strAgentFile;
        if (!bAgentMissing)
        {
            m_settings.m_bSpeakDate = speech.m_bSpeakDate;
            m_settings.m_bSpeakTime = speech.m_bSpeakTime;
            m_settings.m_nQuietType = speech.m_nQuietType;
            m_settings.m_nTimeFreq = speech.m_nTimeFreq;
            m_settings.m_dtQuietStart = TimeOfDay(speech.m_dtQuietStart);
            m_settings.m_dtQuietEnd = TimeOfDay(speech.m_dtQuietEnd);
            m_settings.m_strPreAlarm = speech.m_strPreAlarm;
            m_settings.m_strPreDate = speech.m_strPreDate;
            m_settings.m_strPreTime = speech.m_strPreTime;
            m_settings.m_strStartupMsg = speech.m_strStartupMsg;
            m_settings.m_strPostTime = speech.m_strPostTime;
            m_settings.m_bAmPm = speech.m_bAmPm;
            m_settings.m_bStartupTime = speech.m_bStartupTime;
        }
        m_settings.m_bHidePostSpeech = agent.m_bHidePostSpeech;
        m_settings.m_bEnableEffects = agent.m_bEnableEffects;
        m_settings.m_bBalloonText = agent.m_bBalloonText;
        SizeToClocks();
    }

    ApplyAgentOptions(nResult == IDOK, strOldAgentFile, nOldAgentX, nOldAgentY);
    Invalidate(TRUE);
    SaveSettings();
    SaveServers();
}

void CMainClockDlg::ConfigureDefaultClock(CWnd* pParent)
{
    SuspendAutoHide(TRUE);
    CClockConfigDlg dlg(pParent != NULL ? pParent : this);
    dlg.m_bPreview = TRUE;
    dlg.m_pClockWnd = this;
    dlg.Prepare(m_pDefClock, m_pSpareClock, &m_clocks, this, m_nDateOrder, m_strTzFile, TRUE);
    // Every value the dialog changes is put back on Cancel; on OK the default clock keeps them and
    // the settings' save writes them.
    dlg.DoModal();
    SuspendAutoHide(FALSE);
    Invalidate(TRUE);
}

void CMainClockDlg::OnCmdConfigureClock()
{
    CClock* pClock = GetMenuClock();
    if (pClock == NULL)
        return;
    // Over a timer the same item is "Configure Timer": its colours and font.
    if (pClock->m_nClockType != CLOCKTYPE_CLOCK)
    {
        FormatTimer(pClock);
        return;
    }
    SuspendAutoHide(TRUE);
    CClockConfigDlg dlg(this);
    dlg.m_pClockWnd = this;
    dlg.Prepare(pClock, m_pDefClock, &m_clocks, this, m_nDateOrder, m_strTzFile, FALSE);
    INT_PTR nResult = dlg.DoModal();
    SuspendAutoHide(FALSE);
    // A cancelled dialog put every clock back as it was: nothing is written for it.
    if (nResult == IDOK)
        MarkClocksChanged();
    SizeToClocks();
    Invalidate(TRUE);
}

void CMainClockDlg::OnUpdateConfigureClock(CCmdUI* pCmdUI)
{
    CClock* pClock = GetMenuClock();
    pCmdUI->Enable(pClock != NULL);
}

void CMainClockDlg::OnUpdateOptions(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(TRUE);
}
