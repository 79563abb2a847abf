// CMainClockDlg: the window timers, the once-a-second clock tick and a pending session end.
#include "MainClockDlg.h"

#include "AppMessages.h"
#include "ClockApp.h"
#include "Clock.h"
#include "PlatformServices.h"
#include "RasMonitor.h"
#include "SpeechHook.h"
#include "SyncStatusDlg.h"

void CMainClockDlg::OnTimer(UINT_PTR nIDEvent)
{
    if (m_nStartupTimer != 0 && nIDEvent == m_nStartupTimer)
    {
        KillTimer(m_nStartupTimer);
        m_nStartupTimer = 0;
        PostMessage(WM_VMRINIT, 0, 0);
    }
    else if (m_nAutoHideTimer != 0 && nIDEvent == m_nAutoHideTimer)
    {
        // Reading the cursor is the costly part of the poll: only when auto-hide will look at it.
        if (m_autoHide.IsWatchingCursor())
        {
            CPoint pt;
            ::GetCursorPos(&pt);
            m_autoHide.TestCursor(IsWindowVisible(), m_rcWindow.PtInRect(pt));
        }
    }
    else if (m_nFadeTimer != 0 && nIDEvent == m_nFadeTimer)
        m_autoHide.FadeStep();
    else if (m_nTickTimer != 0 && nIDEvent == m_nTickTimer)
    {
        ClockTick();
        if (m_bAlignTimers)
            AlignTimers();
    }
    CDialog::OnTimer(nIDEvent);
}

// Each timer that fires on its own wakes the program, and under some systems that wake-up costs
// more than the work the timer does. The tray animation, the dial-up poll and the status window's
// refresh are started again here, each with its own period, from the same moment as the tick and
// the cursor test, the tick last but for the test: from then on the timers of the same period fall
// due together, the others first, and the program serves them all at one wake-up.
void CMainClockDlg::AlignTimers()
{
    m_bAlignTimers = FALSE;
    if (m_pSyncStatus != NULL && m_pSyncStatus->GetSafeHwnd() != NULL)
        m_pSyncStatus->RestartTimer();
    m_tray.RestartAnimationTimer();
    if (m_pRasMonitor != NULL)
        m_pRasMonitor->RestartTimer();
    if (m_nTickTimer != 0)
        m_nTickTimer = SetTimer(TIMER_TICK, 1000, NULL);
    if (m_nAutoHideTimer != 0)
        m_nAutoHideTimer = SetTimer(TIMER_AUTOHIDE, 10, NULL);
}

void CMainClockDlg::ClockTick()
{
    m_autoHide.Tick();
    m_nDateOrder = GetDateOrder();

    // Timers move before anything is drawn; drawing only shows them. Also while hidden: hiding the
    // clock does not stop its countdowns. A hidden window is not drawn: nothing of it would be seen,
    // and showing it paints it whole.
    AdvanceTimers();
    if (IsWindowVisible())
    {
        CClientDC dc(this);
        DrawClocks(&dc);
    }

    SYSTEMTIME st;
    GetTimeSource().GetLocalTime(st);
    COleDateTime dtLocalNow(st);

    if (!m_shutdown.IsPending())
    {
        if (m_settings.m_bEnableAlarmSys)
            CheckAlarms(dtLocalNow);
        RunSpeakingClock(dtLocalNow);
    }
    else
        AdvanceShutdown();

    if (m_settings.m_bPeriodicSync && --m_nSyncCountdown <= 0)
    {
        m_nSyncCountdown = m_settings.m_nSyncInterval * 60;
        Synchronize();
    }
}

void CMainClockDlg::AdvanceShutdown()
{
    switch (m_shutdown.Advance())
    {
    case CShutdownSequence::stepSave:
        SaveData();
        SaveDiaryYear();
        SaveSettings();
        StopCdAudio();
        break;
    case CShutdownSequence::stepExit:
        if (m_nOSKind == 5 || m_nOSKind == 6)
            EnableProcessPrivilege("SeShutdownPrivilege");
        if (GetShutdownExecutor().EndSession(m_shutdown.GetExitFlags()))
            ::ExitProcess(0);
        m_shutdown.Clear();
        AfxMessageBox(_T("Shutdown request failed.\nVelmora resuming normal operation"),
                      MB_OK | MB_ICONEXCLAMATION);
        break;
    default:
        break;
    }
}

// ---- The alarm check, and the hooks of the parts that plug into the tick ------------------------

void CMainClockDlg::CheckAlarms(const COleDateTime& dtLocalNow)
{
    CAlarmCheckOptions options;
    options.bRunOverdue = m_settings.m_bRunOverdue;
    options.bUseLimit = m_settings.m_bUseLimit;
    const COleDateTime& dtLimit = m_settings.m_dtLimit;
    options.nLimitSeconds = dtLimit.GetHour() * 3600L + dtLimit.GetMinute() * 60L + dtLimit.GetSecond();
    m_alarmEngine.SetOptions(options);
    m_alarmEngine.CheckAlarms(dtLocalNow);
}

void CMainClockDlg::Synchronize()
{
    SyncNow(m_settings.m_strSNTPTimeServer, m_settings.m_strSNTPLoc);
}

void CMainClockDlg::OnTimerEnded(CClock* pTimer)
{
    // The timer ended at this tick: its end in local time is now, whatever zone it counts in.
    m_alarmEngine.AddTimerAlarm(pTimer->m_strTimerName, GetLocalNow(), pTimer->m_bDisplayMessage,
                                pTimer->m_strMessage, pTimer->m_bPlaySound, pTimer->m_strSoundName,
                                pTimer->m_bMessageToSpeak);
}

void CMainClockDlg::StopCdAudio()
{
    m_sound.CloseCd();
}

// ---- What a firing alarm does ------------------------------------------------------------------

void CMainClockDlg::PlayAlarmSound(const CString& strFile)
{
    m_sound.PlayAlarmSound(strFile);
}

void CMainClockDlg::PlayCdTrack(int nTrack)
{
    m_sound.PlayCdTrack(nTrack);
}

void CMainClockDlg::RunProgram(const CString& strCommandLine, BOOL bMinimised)
{
    ::WinExec(strCommandLine, bMinimised ? SW_SHOWMINIMIZED : SW_SHOWDEFAULT);
}

void CMainClockDlg::ScheduleShutdown(UINT uKind, BOOL bForce)
{
    m_shutdown.Schedule(uKind, bForce);
}

void CMainClockDlg::SpeakAlarm(const CString& strMessage, const COleDateTime& dtNow)
{
    GetAlarmSpeech().AnnounceAlarm(strMessage, dtNow);
}

void CMainClockDlg::ShowNotification(const CString& strTitle, const CString& strMessage,
                                     COleDateTime& dtActivation, BOOL bAllowRemindLater)
{
    CAlarmNotifyDlg dlg(this);
    dlg.m_strTitle = strTitle;
    dlg.m_strMessage = strMessage;
    dlg.m_dtActivation = dtActivation;
    dlg.m_bAllowRemindLater = bAllowRemindLater;
    dlg.DoModal();
    dtActivation = dlg.m_dtActivation;
}

BOOL CMainClockDlg::MayOpenNotification()
{
    // Exit ended this window's modal loop while notifications were open: it ends once they close.
    return !((m_nFlags & WF_MODALLOOP) && !ContinueModal());
}

BOOL CMainClockDlg::SaveAlarms()
{
    return SaveData();
}

void CMainClockDlg::ReportOutOfMemory()
{
    AfxMessageBox(_T("Out of memory"), MB_OK | MB_ICONSTOP);
}

void CMainClockDlg::ReportUnusableAlarms(const CString& strNames)
{
    AfxMessageBox(
        CString(_T("These alarms hold a time or repeat interval that is not a date, or an unknown ")
                _T("kind of shut-down; they will not fire (nor shut down) until they are edited:\n\n")) +
            strNames,
        MB_OK | MB_ICONEXCLAMATION);
}

void CMainClockDlg::StopAlarmSound()
{
    m_sound.StopAlarmSound();
}
