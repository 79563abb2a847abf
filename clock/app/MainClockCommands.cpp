// CMainClockDlg: the message map, the command table, the context menu and the tray menu.
#include "MainClockDlg.h"

#include <afxpriv.h>

#include "AppMessages.h"
#include "ClockApp.h"
#include "Clock.h"
#include "ClockMenus.h"
#include "SyncStatusDlg.h"
#include "TimerText.h"
#include "TrayPopupMenu.h"
#include "resource.h"

BEGIN_MESSAGE_MAP(CMainClockDlg, CDialog)
ON_WM_SYSCOMMAND()
ON_WM_PAINT()
ON_WM_ERASEBKGND()
ON_WM_QUERYDRAGICON()
ON_WM_TIMER()
ON_WM_DESTROY()
ON_WM_ENDSESSION()
ON_WM_TIMECHANGE()
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONDBLCLK()
ON_WM_NCHITTEST()
ON_WM_MOUSEMOVE()
ON_WM_NCMOUSEMOVE()
ON_WM_MOVE()
ON_WM_SIZE()
ON_WM_CONTEXTMENU()
ON_WM_INITMENUPOPUP()
ON_REGISTERED_MESSAGE(WM_VMRINIT, OnVmrInit)
ON_REGISTERED_MESSAGE(WM_VMFADE, OnVmFade)
ON_MESSAGE(WM_DIALUP_NOTIFY, OnDialUpNotify)
ON_MESSAGE(WM_QUERYCENTERWND, OnQueryCenterWnd)
ON_COMMAND(ID_EXIT, OnCmdExit)
ON_COMMAND(ID_SHOW_CLOCK, OnCmdShowClock)
ON_COMMAND(ID_HIDE_CLOCK, OnCmdHideClock)
ON_COMMAND(ID_AUTO_HIDE, OnAutoHide)
ON_COMMAND(ID_OPTIONS, OnCmdOptions)
ON_UPDATE_COMMAND_UI(ID_CTX_OPTIONS, OnUpdateOptions)
ON_COMMAND(ID_CTX_CONFIGURE, OnCmdConfigureClock)
ON_UPDATE_COMMAND_UI(ID_CTX_CONFIGURE, OnUpdateConfigureClock)
ON_COMMAND(ID_HELP_CONTENTS, OnCmdHelpContents)
ON_COMMAND(ID_ALARMS_LIST, OnCmdAlarmsList)
ON_COMMAND(ID_CTX_ALARMS_LIST, OnCmdAlarmsList)
ON_COMMAND(ID_SYNCHRONIZE, OnSynchronize)
ON_COMMAND(ID_CALENDAR, OnCmdCalendar)
ON_COMMAND(ID_CTX_CALENDAR, OnCmdCalendar)
ON_COMMAND(ID_ADD_TIMER, OnCmdAddTimer)
ON_COMMAND(ID_AMEND_TIMER, OnCmdAmendTimer)
ON_UPDATE_COMMAND_UI(ID_AMEND_TIMER, OnUpdateAmendTimer)
ON_COMMAND(ID_SILENCE_ALARM, OnCmdSilenceAlarm)
ON_MESSAGE(MM_MCINOTIFY, OnMciNotify)
ON_COMMAND_RANGE(ID_REMIND_1MIN, ID_REMIND_CUSTOM, OnCmdReminder)
ON_COMMAND(ID_SYNC_STATUS, OnTimeSyncStatus)
ON_COMMAND(ID_SAY_TIME, OnCmdSayTime)
ON_COMMAND(ID_MUTE_AGENT, OnCmdMuteAgent)
ON_COMMAND(ID_SHOW_AGENT, OnCmdShowAgent)
ON_COMMAND(ID_HIDE_AGENT, OnCmdHideAgent)
ON_COMMAND_RANGE(ID_REMIND_2DAYS, ID_REMIND_1WEEK, OnCmdReminder)
ON_COMMAND_RANGE(ID_REMIND_3HOURS, ID_REMIND_45MIN, OnCmdReminder)
ON_COMMAND(ID_CHECK_VERSION, OnCheckVersion)
ON_COMMAND(ID_ABOUT_VELMORA, OnCmdAbout)
ON_COMMAND(ID_CTX_ABOUT, OnCmdAbout)
ON_COMMAND(ID_ADD_CLOCK, OnCmdAddClock)
ON_COMMAND(ID_DELETE_CLOCK, OnCmdDeleteClock)
ON_COMMAND(ID_STOP_COUNTDOWN, OnCmdStopCountdown)
ON_COMMAND(ID_START_COUNTDOWN, OnCmdStartCountdown)
ON_COMMAND(ID_PAUSE_COUNTDOWN, OnCmdPauseCountdown)
ON_COMMAND(ID_RESUME_COUNTDOWN, OnCmdResumeCountdown)
ON_UPDATE_COMMAND_UI(ID_DELETE_CLOCK, OnUpdateDeleteClock)
ON_UPDATE_COMMAND_UI(ID_STOP_COUNTDOWN, OnUpdateStopCountdown)
ON_UPDATE_COMMAND_UI(ID_START_COUNTDOWN, OnUpdateStartCountdown)
ON_UPDATE_COMMAND_UI(ID_PAUSE_COUNTDOWN, OnUpdatePauseCountdown)
ON_UPDATE_COMMAND_UI(ID_RESUME_COUNTDOWN, OnUpdateResumeCountdown)
ON_UPDATE_COMMAND_UI(ID_AUTO_HIDE, OnUpdateAutoHide)
ON_UPDATE_COMMAND_UI(ID_CHECK_VERSION, OnUpdateCheckVersion)
ON_UPDATE_COMMAND_UI_RANGE(ID_SAY_TIME, ID_HIDE_AGENT, OnUpdateAgentCommand)
END_MESSAGE_MAP()

void CMainClockDlg::OnOK()
{
    CDialog::OnOK();
}

void CMainClockDlg::OnCancel()
{
    // Escape must not close the clock: the window has no other way of being asked to stay.
}

void CMainClockDlg::OnSysCommand(UINT nID, LPARAM lParam)
{
    if ((nID & 0xFFF0) == IDM_ABOUTBOX)
        OnCmdAbout();
    else if (nID == 2)
        RunOptions();
    CDialog::OnSysCommand(nID, lParam);
}

void CMainClockDlg::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    CDialog::OnLButtonDblClk(nFlags, point);
    OnCalendar();
}

LRESULT CMainClockDlg::OnDialUpNotify(WPARAM wParam, LPARAM)
{
    if (wParam == 2)
        m_bConnected = TRUE;
    else if (wParam == 3)
        m_bConnected = FALSE;
    return 0;
}

LRESULT CMainClockDlg::OnQueryCenterWnd(WPARAM, LPARAM)
{
    // The dialogs the clock opens centre on the screen's work area, not on the small clock, which
    // may sit at an edge or be hidden.
    return (LRESULT)::GetDesktopWindow();
}

void CMainClockDlg::OnCmdExit()
{
    OnOK();
}

void CMainClockDlg::OnCmdShowClock()
{
    OnShowClock();
}

void CMainClockDlg::OnCmdHideClock()
{
    OnHideClock();
}

void CMainClockDlg::OnAutoHide()
{
    m_autoHide.ToggleAutoHide();
    m_settings.m_bAutoHide = m_autoHide.m_bAutoHide;
    if (m_autoHide.m_bAutoHide && m_nAutoHideTimer == 0)
    {
        m_nAutoHideTimer = SetTimer(TIMER_AUTOHIDE, 10, NULL);
        m_bAlignTimers = TRUE;
    }
    else if (!m_autoHide.m_bAutoHide && m_nAutoHideTimer != 0)
    {
        KillTimer(m_nAutoHideTimer);
        m_nAutoHideTimer = 0;
    }
}

void CMainClockDlg::OnUpdateAutoHide(CCmdUI* pCmdUI)
{
    pCmdUI->SetCheck(m_autoHide.m_bAutoHide ? 1 : 0);
}

void CMainClockDlg::OnCmdOptions()
{
    RunOptions();
}

void CMainClockDlg::OnCmdHelpContents()
{
    CWinApp* pApp = AfxGetApp();
    if (pApp != NULL)
        pApp->WinHelp(0, HELP_FINDER);
}

void CMainClockDlg::OnCmdSilenceAlarm()
{
    StopAlarmSound();
}

LRESULT CMainClockDlg::OnMciNotify(WPARAM, LPARAM)
{
    m_sound.OnMciNotify();
    return 0;
}

void CMainClockDlg::UpdateTrayIcon()
{
    UINT nFirst = 0;
    // A failure the status window already shows needs no warning colour in the tray.
    BOOL bStatusShown =
        m_pSyncStatus != NULL && m_pSyncStatus->GetSafeHwnd() != NULL && m_pSyncStatus->IsWindowVisible();
    if (!m_sync.m_bError || bStatusShown)
        nFirst = IDI_TRAY_NORMAL1;
    else if (m_settings.m_nConnectErrorMode == 1)
        nFirst = IDI_TRAY_ERROR1;
    else
        return;
    m_tray.ChangeIcon(nFirst);
    m_tray.LoadIconSequence(nFirst, nFirst + 1);
    if (m_settings.m_bAnimateIcon)
    {
        m_tray.StartIconAnimation(1000, -1);
        m_bAlignTimers = TRUE;
    }
    else
        m_tray.EndIconAnimation();
}

CString CMainClockDlg::GetAlarmTimeFormat() const
{
    switch (m_settings.m_nAlarmTimeDisplay)
    {
    case 1:
        return CString(_T("HH:mm:ss"));
    case 2:
        return CString(_T("hh:mm:ss tt"));
    }
    return CString();
}

// ---- Clocks ------------------------------------------------------------------------------------------

CClock* CMainClockDlg::GetClock(INT_PTR nClock) const
{
    return (CClock*)m_clocks.GetAt(nClock);
}

void CMainClockDlg::InsertClock(CClock* pClock)
{
    INT_PTR nCount = m_clocks.GetSize();
    switch (m_settings.m_nNewClockPos)
    {
    case 0:
        m_clocks.InsertAt(0, pClock);
        break;
    case 1:
        m_clocks.InsertAt(nCount / 2, pClock);
        break;
    default:
        m_clocks.Add(pClock);
        break;
    }
}

CClock* CMainClockDlg::AddClock()
{
    CClock* pClock = new CClock;
    const CClock& def = *m_pDefClock;
    pClock->m_crBackground = def.m_crBackground;
    pClock->m_crText = def.m_crText;
    pClock->m_lfFont = def.m_lfFont;
    pClock->m_strDisplayName = def.m_strDisplayName;
    pClock->m_strTemplate = def.m_strTemplate;
    pClock->m_nClockType = def.m_nClockType;
    pClock->m_tzi = def.m_tzi;
    pClock->m_bDisplayMessage = def.m_bDisplayMessage;
    pClock->m_strMessage = def.m_strMessage;
    pClock->m_strSoundName = def.m_strSoundName;
    pClock->m_nFormatType = def.m_nFormatType;
    pClock->m_bFullZoneName = def.m_bFullZoneName;
    pClock->m_bMessageToSpeak = def.m_bMessageToSpeak;
    pClock->m_bPlaySound = def.m_bPlaySound;
    pClock->m_bShowBias = def.m_bShowBias;
    pClock->m_bShowDate = def.m_bShowDate;
    pClock->m_bShowDayOfWeek = def.m_bShowDayOfWeek;
    pClock->m_bShowSeconds = def.m_bShowSeconds;
    pClock->m_b24Hour = def.m_b24Hour;
    pClock->m_dtTargetTime = def.m_dtTargetTime;
    pClock->m_nTextLayout = def.m_nTextLayout;
    pClock->m_tsInterval = def.m_tsInterval;
    pClock->m_tsRemaining = def.m_tsRemaining;
    pClock->m_strTimerName = def.m_strTimerName;
    pClock->m_nTimerState = def.m_nTimerState;
    InsertClock(pClock);
    MarkClocksChanged();
    return pClock;
}

// ---- Context menu --------------------------------------------------------------------------------

void CMainClockDlg::OnContextMenu(CWnd*, CPoint point)
{
    ShowContextMenu(point);
}

void CMainClockDlg::ShowContextMenu(CPoint ptScreen)
{
    SuspendAutoHide(TRUE);
    CPoint ptClient = ptScreen;
    ScreenToClient(&ptClient);
    // Kept after the menu closes: its command arrives afterwards, and acts on this clock.
    m_nMenuClock = ClockFromPoint(ptClient);

    CMenu menu;
    if (!menu.LoadMenu(IDR_CLOCK_POPUP))
    {
        SuspendAutoHide(FALSE);
        return;
    }
    CMenu* pPopup = menu.GetSubMenu(0);

    // Which items the menu holds depends on the clock under the cursor; whether they can be chosen
    // is asked of the update handlers when the menu opens, and again when its command arrives.
    CClockMenuState state;
    CClock* pClock = GetMenuClock();
    state.bOverClock = (pClock != NULL);
    state.nClockType = pClock != NULL ? pClock->m_nClockType : 0;
    state.nTimerState = pClock != NULL ? pClock->m_nTimerState : 0;
    state.nClockCount = (int)m_clocks.GetSize();
    RefreshAgentFlags();
    state.bCharLoaded = m_bCharLoaded;
    state.bCharMuted = m_bCharMuted;
    state.bCharVisible = m_bCharVisible;
    AdjustClockMenu(pPopup->GetSafeHmenu(), state);

    // The menu's options command is 2, which is also IDCANCEL, the command Escape sends: it runs
    // here and is never routed. Every other command is posted as the menu itself would.
    UINT nCmd = (UINT)pPopup->TrackPopupMenu(TPM_RIGHTBUTTON | TPM_RETURNCMD, ptScreen.x, ptScreen.y, this);
    SuspendAutoHide(FALSE);
    menu.DestroyMenu();
    if (nCmd == ID_CTX_OPTIONS)
        RunOptions();
    else if (nCmd != 0)
        PostMessage(WM_COMMAND, nCmd, 0);
}

void CMainClockDlg::OnInitMenuPopup(CMenu* pPopupMenu, UINT nIndex, BOOL bSysMenu)
{
    CDialog::OnInitMenuPopup(pPopupMenu, nIndex, bSysMenu);
    if (bSysMenu || pPopupMenu == NULL)
        return;
    // A dialog has no frame to run its menus' update handlers: the window runs them itself, item by
    // item. Sub-menus get their own pass when they open. Items without a handler keep their state.
    HMENU hMenu = pPopupMenu->GetSafeHmenu();
    CCmdUI state;
    state.m_pMenu = pPopupMenu;
    state.m_nIndexMax = (UINT)::GetMenuItemCount(hMenu);
    for (state.m_nIndex = 0; state.m_nIndex < state.m_nIndexMax; state.m_nIndex++)
    {
        state.m_nID = ::GetMenuItemID(hMenu, (int)state.m_nIndex);
        if (state.m_nID == 0 || state.m_nID == (UINT)-1)
            continue; // separator or sub-menu
        state.m_pSubMenu = NULL;
        state.DoUpdate(this, FALSE);
    }
}

CClock* CMainClockDlg::GetMenuClock() const
{
    if (m_nMenuClock < 0 || m_nMenuClock >= m_clocks.GetSize())
        return NULL;
    return (CClock*)m_clocks.GetAt(m_nMenuClock);
}

CClock* CMainClockDlg::GetMenuCountdown() const
{
    CClock* pClock = GetMenuClock();
    return (pClock != NULL && pClock->m_nClockType == CLOCKTYPE_COUNTDOWN) ? pClock : NULL;
}

void CMainClockDlg::OnCmdAddClock()
{
    AddClock();
    SizeToClocks();
    Invalidate(TRUE);
    MarkClocksChanged();
}

void CMainClockDlg::OnUpdateDeleteClock(CCmdUI* pCmdUI)
{
    // Never the last clock: the window would be left without one to right-click.
    pCmdUI->Enable(GetMenuClock() != NULL && m_clocks.GetSize() > 1);
}

void CMainClockDlg::OnCmdDeleteClock()
{
    DeleteClock(m_nMenuClock);
}

void CMainClockDlg::DeleteClock(int nClock)
{
    if (nClock < 0 || nClock >= m_clocks.GetSize() || m_clocks.GetSize() <= 1)
        return;
    CClock* pClock = (CClock*)m_clocks.GetAt(nClock);
    m_clocks.RemoveAt(nClock);
    m_drawnRects.erase(pClock);
    delete pClock;
    m_nMenuClock = -1;
    SizeToClocks();
    Invalidate(TRUE);
    MarkClocksChanged();
}

void CMainClockDlg::OnUpdateStopCountdown(CCmdUI* pCmdUI)
{
    CClock* pTimer = GetMenuCountdown();
    pCmdUI->Enable(pTimer != NULL && (pTimer->m_nTimerState == TIMERSTATE_RUNNING ||
                                      pTimer->m_nTimerState == TIMERSTATE_PAUSED));
}

void CMainClockDlg::OnCmdStopCountdown()
{
    CClock* pTimer = GetMenuCountdown();
    if (pTimer == NULL)
        return;
    pTimer->m_nTimerState = TIMERSTATE_STOPPED;
    pTimer->m_tsRemaining = pTimer->m_tsInterval;
    MarkClocksChanged();
}

void CMainClockDlg::OnUpdateStartCountdown(CCmdUI* pCmdUI)
{
    CClock* pTimer = GetMenuCountdown();
    pCmdUI->Enable(pTimer != NULL && pTimer->m_nTimerState != TIMERSTATE_RUNNING &&
                   pTimer->m_nTimerState != TIMERSTATE_PAUSED);
}

void CMainClockDlg::OnCmdStartCountdown()
{
    CClock* pTimer = GetMenuCountdown();
    if (pTimer == NULL)
        return;
    StartCountdown(*pTimer);
    MarkClocksChanged();
}

void CMainClockDlg::OnUpdatePauseCountdown(CCmdUI* pCmdUI)
{
    CClock* pTimer = GetMenuCountdown();
    pCmdUI->Enable(pTimer != NULL && pTimer->m_nTimerState == TIMERSTATE_RUNNING);
}

void CMainClockDlg::OnCmdPauseCountdown()
{
    CClock* pTimer = GetMenuCountdown();
    if (pTimer == NULL)
        return;
    pTimer->m_nTimerState = TIMERSTATE_PAUSED;
    MarkClocksChanged();
}

void CMainClockDlg::OnUpdateResumeCountdown(CCmdUI* pCmdUI)
{
    CClock* pTimer = GetMenuCountdown();
    pCmdUI->Enable(pTimer != NULL && pTimer->m_nTimerState == TIMERSTATE_PAUSED);
}

void CMainClockDlg::OnCmdResumeCountdown()
{
    CClock* pTimer = GetMenuCountdown();
    if (pTimer == NULL)
        return;
    pTimer->m_nTimerState = TIMERSTATE_RUNNING;
    MarkClocksChanged();
}

// ---- Tray menu ---------------------------------------------------------------------------------------

void CMainClockDlg::ShowTrayMenu(CSystemTray* pTray, CWnd* pTarget, LPVOID pParam)
{
    CMainClockDlg* pThis = (CMainClockDlg*)pParam;
    CTrayMenuState state;
    state.bClockHidden = pTray->m_bClockHidden;
    state.bAutoHide = pThis->m_settings.m_bAutoHide;
    pThis->RefreshAgentFlags();
    state.bCharLoaded = pThis->m_bCharLoaded;
    state.bCharMuted = pTray->m_bAgentMuted;
    state.bCharVisible = pThis->m_bCharVisible;
    state.bAgentMissing = GetClockApp() != NULL ? GetClockApp()->m_bAgentMissing : TRUE;

    CPoint pt;
    ::GetCursorPos(&pt);
    ShowTrayPopupMenu(pTarget, IDR_TRAY_POPUP, pt, &state);
}

BOOL CMainClockDlg::PreTranslateMessage(MSG* pMsg)
{
    // The framework's menus are never activated: their keys arrive here first.
    if (CORXPopupMenu::PreTranslateForMenu(pMsg))
        return TRUE;
    return CDialog::PreTranslateMessage(pMsg);
}
