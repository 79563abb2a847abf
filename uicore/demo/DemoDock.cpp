// CDemoDock: the docking set-up of the demonstration frame and the log of where its bars are.
#include "DemoDock.h"

BOOL CDemoDock::Wanted(CString& strCommandLine)
{
    if (strCommandLine.Left(6) != _T("/dock "))
        return FALSE;
    strCommandLine = strCommandLine.Mid(6);
    strCommandLine.TrimLeft();
    return TRUE;
}

void CDemoDock::Dock(CFrameWnd* pFrame, CControlBar* const* ppBars, int nBars)
{
    pFrame->EnableDocking(CBRS_ALIGN_ANY);
    for (int i = 0; i < nBars; i++)
    {
        CControlBar* pBar = ppBars[i];
        if (pBar == NULL || pBar->GetSafeHwnd() == NULL)
            continue;
        // A floating frame's caption is its bar's name.
        CString strName;
        pBar->GetWindowText(strName);
        if (strName.IsEmpty())
            pBar->SetWindowText(_T("Second"));
        pBar->SetBarStyle(pBar->GetBarStyle() | CBRS_GRIPPER | CBRS_SIZE_DYNAMIC);
        pBar->EnableDocking(CBRS_ALIGN_ANY);
        pFrame->DockControlBar(pBar);
    }
    pFrame->RecalcLayout();
}

void CDemoDock::LogBars(CFrameWnd* pFrame, PFN_LOG pfnLog)
{
    for (POSITION pos = pFrame->m_listControlBars.GetHeadPosition(); pos != NULL;)
    {
        CControlBar* pBar = (CControlBar*)pFrame->m_listControlBars.GetNext(pos);
        if (pBar->GetSafeHwnd() == NULL || pBar->IsDockBar() || pBar->m_pDockContext == NULL)
            continue;
        CRect rect;
        pBar->GetWindowRect(&rect);
        UINT nDockBar = pBar->m_pDockBar != NULL ? (UINT)pBar->m_pDockBar->GetDlgCtrlID() : 0;
        pfnLog("dockbar %u %u %d %ld %ld %ld %ld", (UINT)pBar->GetDlgCtrlID(), nDockBar, pBar->IsFloating(),
               rect.left, rect.top, rect.right, rect.bottom);
    }
}
