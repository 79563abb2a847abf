// CFrameWnd's docking: its dock bars, docking and floating its bars, and their arrangement
// taken into and set from a dock state.
#include "afxext.h"
#include "afxpriv.h"

const DWORD CFrameWnd::dwDockBarMap[4][2] = {
    {AFX_IDW_DOCKBAR_TOP, CBRS_TOP},
    {AFX_IDW_DOCKBAR_BOTTOM, CBRS_BOTTOM},
    {AFX_IDW_DOCKBAR_LEFT, CBRS_LEFT},
    {AFX_IDW_DOCKBAR_RIGHT, CBRS_RIGHT},
};

void CFrameWnd::EnableDocking(DWORD dwDockStyle)
{
    m_pFloatingFrameClass = RUNTIME_CLASS(CMiniDockFrameWnd);
    // Made in this order, the top and bottom dock bars come first in the layout and take the
    // frame's whole width; the side ones take what is left of its height.
    for (int i = 0; i < 4; i++)
    {
        if ((dwDockBarMap[i][1] & dwDockStyle & CBRS_ALIGN_ANY) == 0)
            continue;
        if (GetControlBar(dwDockBarMap[i][0]) != NULL)
            continue;
        CDockBar* pDockBar = new CDockBar;
        pDockBar->m_bAutoDelete = TRUE;
        if (!pDockBar->Create(this,
                              WS_CLIPSIBLINGS | WS_CLIPCHILDREN | WS_CHILD | WS_VISIBLE |
                                  (dwDockBarMap[i][1] & CBRS_ALIGN_ANY),
                              dwDockBarMap[i][0]))
        {
            delete pDockBar;
            continue;
        }
        m_dwDockStyle |= dwDockBarMap[i][1] & CBRS_ALIGN_ANY;
    }
}

CDockBar* CFrameWnd::GetDockBarOfSide(DWORD dwSide) const
{
    for (int i = 0; i < 4; i++)
        if (dwDockBarMap[i][1] & dwSide & CBRS_ALIGN_ANY)
        {
            CControlBar* pBar = const_cast<CFrameWnd*>(this)->GetControlBar(dwDockBarMap[i][0]);
            return pBar != NULL && pBar->IsDockBar() ? (CDockBar*)pBar : NULL;
        }
    return NULL;
}

void CFrameWnd::DestroyDockBars()
{
    for (int i = 0; i < 4; i++)
    {
        CDockBar* pDockBar = GetDockBarOfSide(dwDockBarMap[i][1]);
        if (pDockBar != NULL && pDockBar->GetDockedCount() == 0)
            pDockBar->DestroyWindow();
    }
}

void CFrameWnd::DockControlBar(CControlBar* pBar, UINT nDockBarID, LPCRECT lpRect)
{
    CDockBar* pDockBar = NULL;
    if (nDockBarID != 0)
    {
        CControlBar* pFound = GetControlBar(nDockBarID);
        pDockBar = pFound != NULL && pFound->IsDockBar() ? (CDockBar*)pFound : NULL;
        if (pDockBar == NULL)
            return;
    }
    DockControlBar(pBar, pDockBar, lpRect);
}

void CFrameWnd::DockControlBar(CControlBar* pBar, CDockBar* pDockBar, LPCRECT lpRect)
{
    if (pBar == NULL || pBar->m_hWnd == NULL)
        return;
    if (pDockBar == NULL)
    {
        // The first side, top, bottom, left, right, that both the bar and the frame allow.
        for (int i = 0; i < 4 && pDockBar == NULL; i++)
            if (dwDockBarMap[i][1] & pBar->m_dwDockStyle & CBRS_ALIGN_ANY)
                pDockBar = GetDockBarOfSide(dwDockBarMap[i][1]);
        if (pDockBar == NULL)
            return;
    }
    // The floating place is remembered for the way back out.
    if (pBar->m_pDockContext != NULL)
        pBar->m_pDockContext->RecordFloatingPosition();
    pDockBar->DockControlBar(pBar, lpRect);
    DelayRecalcLayout();
}

void CFrameWnd::ReDockControlBar(CControlBar* pBar, CDockBar* pDockBar, LPCRECT lpRect)
{
    if (pBar == NULL || pBar->m_hWnd == NULL)
        return;
    if (pDockBar == NULL)
    {
        DockControlBar(pBar, (CDockBar*)NULL, lpRect);
        return;
    }
    if (pBar->m_pDockContext != NULL)
        pBar->m_pDockContext->RecordFloatingPosition();
    pDockBar->ReDockControlBar(pBar, lpRect);
    DelayRecalcLayout();
}

CMiniDockFrameWnd* CFrameWnd::CreateFloatingFrame(DWORD dwStyle)
{
    CRuntimeClass* pClass =
        m_pFloatingFrameClass != NULL ? m_pFloatingFrameClass : RUNTIME_CLASS(CMiniDockFrameWnd);
    CObject* pObject = pClass->CreateObject();
    CMiniDockFrameWnd* pFrame = DYNAMIC_DOWNCAST(CMiniDockFrameWnd, pObject);
    if (pFrame == NULL)
    {
        delete pObject;
        return NULL;
    }
    if (!pFrame->Create(this, dwStyle))
    {
        if (pFrame->m_hWnd != NULL)
            pFrame->DestroyWindow(); // deletes the object
        else
            delete pFrame;
        return NULL;
    }
    return pFrame;
}

void CFrameWnd::FloatControlBar(CControlBar* pBar, CPoint point, DWORD dwStyle)
{
    if (pBar == NULL || pBar->m_hWnd == NULL)
        return;
    // The docked place is remembered for the way back in.
    if (pBar->m_pDockContext != NULL)
        pBar->m_pDockContext->RecordDockedPosition();
    CMiniDockFrameWnd* pFrame = NULL;
    const DWORD dwAlign =
        (dwStyle & CBRS_ORIENT_HORZ) || !(dwStyle & CBRS_ORIENT_VERT) ? CBRS_ALIGN_TOP : CBRS_ALIGN_LEFT;
    if (pBar->m_pDockBar != NULL && pBar->m_pDockBar->m_bFloating && pBar->m_pDockBar->GetDockedCount() == 1)
    {
        // Alone in its floating frame already: the frame moves, and turns when asked to.
        pFrame = (CMiniDockFrameWnd*)pBar->m_pDockBar->GetParent();
        CDockBar* pDockBar = pBar->m_pDockBar;
        pDockBar->m_dwStyle = (pDockBar->m_dwStyle & ~CBRS_ALIGN_ANY) | dwAlign;
        pBar->SetBarStyle((pBar->m_dwStyle & ~CBRS_ALIGN_ANY) | dwAlign | CBRS_FLOATING);
    }
    else
    {
        pFrame =
            CreateFloatingFrame((pBar->m_dwStyle & ~CBRS_ALIGN_ANY) | dwAlign | (dwStyle & CBRS_FLOAT_MULTI));
        if (pFrame == NULL)
            return;
        pFrame->m_wndDockBar.DockControlBar(pBar);
    }
    pFrame->SetWindowPos(NULL, point.x, point.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    pFrame->RecalcLayout();
    RecalcLayout();
}

DWORD CFrameWnd::CanDock(CRect rect, DWORD dwDockStyle, CDockBar** ppDockBar)
{
    for (int i = 0; i < 4; i++)
    {
        if ((dwDockBarMap[i][1] & dwDockStyle & CBRS_ALIGN_ANY) == 0)
            continue;
        CDockBar* pDockBar = GetDockBarOfSide(dwDockBarMap[i][1]);
        if (pDockBar == NULL || pDockBar->m_hWnd == NULL)
            continue;
        CRect rectBar;
        pDockBar->GetWindowRect(&rectBar);
        // An empty dock bar still catches a rectangle along its edge.
        if (rectBar.Width() == 0)
            rectBar.right++;
        if (rectBar.Height() == 0)
            rectBar.bottom++;
        CRect rectHit;
        if (rectHit.IntersectRect(&rectBar, &rect))
        {
            if (ppDockBar != NULL)
                *ppDockBar = pDockBar;
            return dwDockBarMap[i][1] & CBRS_ALIGN_ANY;
        }
    }
    if (ppDockBar != NULL)
        *ppDockBar = NULL;
    return 0;
}

// Dock state

void CFrameWnd::GetDockState(CDockState& state) const
{
    state.Clear();
    for (POSITION pos = m_listControlBars.GetHeadPosition(); pos != NULL;)
    {
        CControlBar* pBar = (CControlBar*)m_listControlBars.GetNext(pos);
        if (pBar->m_hWnd == NULL || pBar->GetDlgCtrlID() == 0)
            continue;
        if (pBar->IsDockBar() && ((CDockBar*)pBar)->m_bFloating)
            continue;
        CControlBarInfo* pInfo = new CControlBarInfo;
        pBar->GetBarInfo(pInfo);
        state.m_arrBarInfo.Add(pInfo);
    }
}

void CFrameWnd::SetDockState(const CDockState& state)
{
    // The bars first, so that the dock bars find them.
    for (int i = 0; i < state.m_arrBarInfo.GetSize(); i++)
    {
        CControlBarInfo* pInfo = (CControlBarInfo*)state.m_arrBarInfo[i];
        CControlBar* pBar = GetControlBar(pInfo->m_nBarID);
        pInfo->m_pBar = pBar != NULL && !pBar->IsDockBar() ? pBar : NULL;
    }
    // The rows of each dock bar.
    for (int i = 0; i < state.m_arrBarInfo.GetSize(); i++)
    {
        CControlBarInfo* pInfo = (CControlBarInfo*)state.m_arrBarInfo[i];
        if (!pInfo->m_bDockBar)
            continue;
        CControlBar* pDockBar = GetControlBar(pInfo->m_nBarID);
        if (pDockBar != NULL && pDockBar->IsDockBar())
            pDockBar->SetBarInfo(pInfo, this);
    }
    // Then each bar's own place, and the floating ones float.
    for (int i = 0; i < state.m_arrBarInfo.GetSize(); i++)
    {
        CControlBarInfo* pInfo = (CControlBarInfo*)state.m_arrBarInfo[i];
        CControlBar* pBar = pInfo->m_pBar;
        if (pBar == NULL || pInfo->m_bDockBar)
            continue;
        // Only bars that take part in docking are moved; others keep their own windows.
        if (pInfo->m_bFloating && pBar->m_pDockContext != NULL)
        {
            pBar->m_nMRUWidth = pInfo->m_nMRUWidth;
            FloatControlBar(pBar, pInfo->m_pointPos, pInfo->m_bHorz ? CBRS_ALIGN_TOP : CBRS_ALIGN_LEFT);
        }
        pBar->SetBarInfo(pInfo, this);
        pInfo->m_pBar = NULL;
    }
    RecalcLayout();
    // Floating frames show or hide with their bars.
    for (POSITION pos = m_listControlBars.GetHeadPosition(); pos != NULL;)
    {
        CControlBar* pBar = (CControlBar*)m_listControlBars.GetNext(pos);
        if (pBar->m_hWnd != NULL && pBar->IsFloating() && pBar->m_pDockBar != NULL)
            ((CFrameWnd*)pBar->m_pDockBar->GetParent())->RecalcLayout();
    }
}

void CFrameWnd::LoadBarState(LPCTSTR lpszProfileName)
{
    CDockState state;
    state.LoadState(lpszProfileName);
    SetDockState(state);
}

void CFrameWnd::SaveBarState(LPCTSTR lpszProfileName) const
{
    CDockState state;
    GetDockState(state);
    state.SaveState(lpszProfileName);
}
