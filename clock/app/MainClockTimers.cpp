// CMainClockDlg: the timer commands that make, change and format countdown and event timers.
#include "MainClockDlg.h"

#include <memory>

#include "ClockApp.h"
#include "Clock.h"
#include "EventTimerDlg.h"
#include "PlatformServices.h"

CClock* CMainClockDlg::AddTimer()
{
    // Owned here until it is in the clock array: Cancel, or an exception, leaves nothing behind.
    std::unique_ptr<CClock> pTimer(new CClock);
    pTimer->m_nClockType = CLOCKTYPE_COUNTDOWN;
    CEventTimerDlg dlg(this, this, this);
    dlg.m_bAgentInstalled = GetClockApp() != NULL && !GetClockApp()->m_bAgentMissing;
    dlg.m_strEventPicture = GetAlarmTimeFormat();
    dlg.LoadFrom(*pTimer);
    SuspendAutoHide(TRUE);
    INT_PTR nResult = dlg.DoModal();
    SuspendAutoHide(FALSE);
    if (nResult != IDOK)
        return NULL;
    dlg.StoreTo(*pTimer, GetLocalNow());
    InsertClock(pTimer.get());
    MarkClocksChanged();
    return pTimer.release();
}

BOOL CMainClockDlg::ConfigureTimer(CClock* pTimer)
{
    if (pTimer == NULL)
        return FALSE;
    CEventTimerDlg dlg(this, this, this);
    dlg.m_bAgentInstalled = GetClockApp() != NULL && !GetClockApp()->m_bAgentMissing;
    dlg.LoadFrom(*pTimer);
    SuspendAutoHide(TRUE);
    INT_PTR nResult = dlg.DoModal();
    SuspendAutoHide(FALSE);
    if (nResult != IDOK)
        return FALSE;
    dlg.StoreTo(*pTimer, GetLocalNow());
    MarkClocksChanged();
    return TRUE;
}

BOOL CMainClockDlg::FormatTimer(CClock* pTimer)
{
    if (pTimer == NULL)
        return FALSE;
    CTimerFormatDlg dlg(pTimer->m_crBackground, pTimer->m_crText, pTimer->m_lfFont, this);
    SuspendAutoHide(TRUE);
    INT_PTR nResult = dlg.DoModal();
    SuspendAutoHide(FALSE);
    if (nResult != IDOK)
        return FALSE;
    pTimer->m_crBackground = dlg.m_crBackground;
    pTimer->m_crText = dlg.m_crText;
    pTimer->m_lfFont = dlg.m_lfFont;
    MarkClocksChanged();
    SizeToClocks();
    Invalidate(TRUE);
    return TRUE;
}

void CMainClockDlg::OnCmdAddTimer()
{
    AddTimer();
    SizeToClocks();
    Invalidate(TRUE);
    MarkClocksChanged();
}

void CMainClockDlg::OnCmdAmendTimer()
{
    CClock* pTimer = GetMenuClock();
    if (pTimer == NULL || pTimer->m_nClockType == CLOCKTYPE_CLOCK)
        return;
    ConfigureTimer(pTimer);
    SizeToClocks();
    Invalidate(TRUE);
}

void CMainClockDlg::OnUpdateAmendTimer(CCmdUI* pCmdUI)
{
    CClock* pTimer = GetMenuClock();
    pCmdUI->Enable(pTimer != NULL && pTimer->m_nClockType != CLOCKTYPE_CLOCK);
}
