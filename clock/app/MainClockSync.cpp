// CMainClockDlg: time synchronisation: the commands, the outcome in the tray icon and the status
// window, and the dial-up monitor that tells whether a modem connection is up.
#include "MainClockDlg.h"

#include "AppMessages.h"
#include "ClockApp.h"
#include "RasMonitor.h"
#include "SyncStatusDlg.h"
#include "resource.h"

void CMainClockDlg::SyncNow(LPCTSTR pszServer, LPCTSTR pszLocation)
{
    // The arguments may be the settings' own strings, which the synchronisation does not change.
    CString strServer(pszServer), strLocation(pszLocation);
    CTimeSyncController::Outcome outcome = m_sync.SyncNow(strServer, strLocation, m_settings, m_bConnected);
    UpdateTrayIcon();
    if (outcome == CTimeSyncController::outcomeFailed && m_settings.m_nConnectErrorMode == 2)
        OnTimeSyncStatus();
    if (m_pSyncStatus != NULL && m_pSyncStatus->GetSafeHwnd() != NULL)
        m_pSyncStatus->Refresh();
    if (outcome == CTimeSyncController::outcomeSynchronized)
        AnnounceSync();
}

void CMainClockDlg::ResetSyncCountdown()
{
    m_nSyncCountdown = m_settings.m_nSyncInterval * 60;
}

void CMainClockDlg::SetSyncStatus(LPCTSTR pszMessage)
{
    m_sync.SetStatus(pszMessage);
}

void CMainClockDlg::ReportSyncError(LPCTSTR pszServer, double dOffset)
{
    m_sync.ReportError(pszServer, dOffset);
    UpdateTrayIcon();
    if (m_settings.m_nConnectErrorMode == 2)
        OnTimeSyncStatus();
}

void CMainClockDlg::OnSynchronize()
{
    SyncNow(m_settings.m_strSNTPTimeServer, m_settings.m_strSNTPLoc);
}

void CMainClockDlg::OnTimeSyncStatus()
{
    if (m_pSyncStatus != NULL && m_pSyncStatus->GetSafeHwnd() != NULL)
    {
        m_pSyncStatus->Refresh();
        m_pSyncStatus->ShowWindow(SW_SHOW);
    }
    m_sync.m_bError = FALSE;
    UpdateTrayIcon();
}

BOOL CMainClockDlg::CreateTimeSyncWindows()
{
    CClockApp* pApp = GetClockApp();
    if (pApp != NULL && !pApp->m_bDialUpMissing)
    {
        m_pRasMonitor = new CRasMonitor;
        if (m_settings.m_nConnectType == 1)
            m_pRasMonitor->Start(this, WM_DIALUP_NOTIFY);
    }
    m_pSyncStatus = new CSyncStatusDlg(this, this);
    if (!m_pSyncStatus->CreateHidden())
    {
        delete m_pSyncStatus;
        m_pSyncStatus = NULL;
        return FALSE;
    }
    return TRUE;
}

void CMainClockDlg::RestartDialUpMonitor()
{
    if (m_pRasMonitor == NULL)
        return;
    m_pRasMonitor->Stop();
    if (m_settings.m_nConnectType == 1)
    {
        m_pRasMonitor->Start(this, WM_DIALUP_NOTIFY);
        m_bAlignTimers = TRUE;
    }
}

void CMainClockDlg::DestroyTimeSyncWindows()
{
    if (m_pRasMonitor != NULL)
    {
        if (m_settings.m_nConnectType == 1)
            m_pRasMonitor->Stop();
        delete m_pRasMonitor;
        m_pRasMonitor = NULL;
    }
    if (m_pSyncStatus != NULL)
    {
        if (m_pSyncStatus->GetSafeHwnd() != NULL)
            m_pSyncStatus->DestroyWindow();
        delete m_pSyncStatus;
        m_pSyncStatus = NULL;
    }
}
