// CMainClockDlg: the window timers, the once-a-second clock tick and a pending session end.
#include "MainClockDlg.h"

#include "AppMessages.h"
#include "ClockApp.h"
#include "Clock.h"
#include "PlatformServices.h"

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
        CPoint pt;
        ::GetCursorPos(&pt);
        m_autoHide.TestCursor(IsWindowVisible(), m_rcWindow.PtInRect(pt));
    }
    else if (m_nFadeTimer != 0 && nIDEvent == m_nFadeTimer)
        m_autoHide.FadeStep();
    else if (m_nTickTimer != 0 && nIDEvent == m_nTickTimer)
        ClockTick();
    CDialog::OnTimer(nIDEvent);
}

void CMainClockDlg::ClockTick()
{
    m_autoHide.Tick();
    m_nDateOrder = GetDateOrder();

    // Timers move before anything is drawn; drawing only shows them. Also while hidden: hiding the
    // clock does not stop its countdowns.
    AdvanceTimers();
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

// ---- Hooks of the parts that plug into the tick ----------------------------------------------

void CMainClockDlg::CheckAlarms(const COleDateTime&)
{
    // The alarm engine checks its armed alarms against local time here and may schedule a session
    // end through m_shutdown. No alarm records exist without it.
}

void CMainClockDlg::RunSpeakingClock(const COleDateTime&)
{
    // The speaking clock announces the time here when a character is loaded.
}

void CMainClockDlg::Synchronize()
{
    // One SNTP synchronisation with the current server runs here.
}

void CMainClockDlg::OnTimerEnded(CClock*)
{
    // A timer's end becomes a reminder (message, sound, speech) here.
}

void CMainClockDlg::StopCdAudio()
{
    // The CD audio device is stopped and closed here when it is open.
}
