// CMainClockDlg: the options sheet and the clock configuration dialog, for a clock of the window
// and for the default clock.
#include "MainClockDlg.h"

#include "ClockApp.h"
#include "Clock.h"
#include "ClockConfigDlg.h"
#include "SyncOptions.h"
#include "SyncStatusDlg.h"
#include "VelmoraPropertySheet.h"

void CMainClockDlg::RunOptions()
{
    if (m_openDialogs.Activate(COpenDialogs::kindOptions))
        return;
    SuspendAutoHide(TRUE);
    BOOL bAgentMissing = GetClockApp() != NULL ? GetClockApp()->m_bAgentMissing : TRUE;
    CVelmoraPropertySheet sheet(_T("Velmora Options"), this, m_settings.m_nPropIndex, bAgentMissing);
    COpenDialogs::CScope open(m_openDialogs, COpenDialogs::kindOptions, &sheet);

    sheet.m_clockPage.m_pHost = this;
    sheet.m_syncPage.m_pHost = this;
    sheet.m_syncPage.m_bDialUpMissing = GetClockApp() != NULL && GetClockApp()->m_bDialUpMissing;
    sheet.LoadFrom(m_settings);
    sheet.m_agentPage.SetCharacter(m_speaker.GetCharacter(), m_speaker.GetCurrentId());

    // The character goes back where it stood before the sheet, whatever the sheet did with it.
    const CString strOldAgentFile = m_settings.m_strAgentFile;
    const short nOldAgentX = m_settings.m_nAgentX, nOldAgentY = m_settings.m_nAgentY;

    INT_PTR nResult = sheet.DoModal();
    SuspendAutoHide(FALSE);
    m_settings.m_nPropIndex = sheet.m_nLastActive;

    if (nResult == IDOK)
    {
        const CString strOldServer = m_settings.m_strSNTPTimeServer;
        const CString strOldLocation = m_settings.m_strSNTPLoc;
        sheet.SaveTo(m_settings);
        if (m_settings.m_strSNTPTimeServer != strOldServer || m_settings.m_strSNTPLoc != strOldLocation)
            m_sync.ServerSelected(m_settings.m_strSNTPTimeServer, m_settings.m_strSNTPLoc);
        m_nLayout = m_settings.m_nClockLayout2;
        ApplyTopmost();
        if (m_settings.m_bLoadOnStartup)
            AddToRunKey();
        else
            RemoveFromRunKey();
        RestartDialUpMonitor();
        if (m_settings.m_bPeriodicSync)
            ResetSyncCountdown();
        UpdateTrayIcon();
        SizeToClocks();
    }

    ApplyAgentOptions(nResult == IDOK, strOldAgentFile, nOldAgentX, nOldAgentY);
    Invalidate(TRUE);
    SaveSettings();
    SaveServers();
}

void CMainClockDlg::SyncWithOptions(const CSyncOptions& options)
{
    // The settings stay as they are until the sheet's OK: the page's values go into a copy.
    CSettings settings(m_settings);
    options.SaveTo(settings);
    CString strServer(options.m_strServer), strLocation(options.m_strLocation);
    if (m_sync.SyncNow(strServer, strLocation, settings, m_bConnected) ==
        CTimeSyncController::outcomeSynchronized)
        AnnounceSync();
    // The user pressed the button and waits for its answer, which the status window gives whatever
    // it is; shown, it also takes the place of a warning colour in the tray.
    OnTimeSyncStatus();
    if (m_pSyncStatus != NULL && m_pSyncStatus->GetSafeHwnd() != NULL)
        m_pSyncStatus->SetWindowPos(&CWnd::wndTop, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

void CMainClockDlg::ConfigureDefaultClock(CWnd* pParent)
{
    SuspendAutoHide(TRUE);
    CClockConfigDlg dlg(pParent != NULL ? pParent : this);
    dlg.m_bPreview = TRUE;
    dlg.m_pRenderer = this;
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
    dlg.m_pRenderer = this;
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
