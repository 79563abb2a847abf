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

    // The other pages' settings are copied in here, page by page, as each page joins the sheet.

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
        // Here the synchronisation page's values, then the diary page's reminder sound.
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
        // Here the diary page's "delete reminder".
        m_settings.m_bAnimateIcon = clock.m_bAnimateIcon;
        UpdateTrayIcon();
        m_settings.m_nAlarmTimeDisplay = clock.m_nAlarmTimeDisplay;
        m_settings.m_bVersCheckBeta = clock.m_bVersCheckBeta;
        m_settings.m_nVersCheckInt = clock.m_nVersCheckInt < 0 ? 7 : clock.m_nVersCheckInt;
        // Here the speech pages' values and the character's reload.
        SizeToClocks();
    }

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
    if (pClock == NULL || pClock->m_nClockType != CLOCKTYPE_CLOCK)
        return;
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
    pCmdUI->Enable(pClock != NULL && pClock->m_nClockType == CLOCKTYPE_CLOCK);
}

void CMainClockDlg::OnUpdateOptions(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(TRUE);
}
