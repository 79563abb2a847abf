// Tool tips for windows that enable them: the thread's one tool-tip control follows the mouse,
// each enabled window saying through OnToolHitTest which tool lies under it. The tool-tip control
// only ever holds the tool under the mouse, so windows need not register their tools up front.
#include "AfxCmnCtrl.h"
#include "AfxWinImpl.h"
#include <stdlib.h>

namespace
{

BOOL IsClientMouseMessage(UINT nMsg)
{
    return nMsg >= WM_MOUSEMOVE && nMsg <= WM_MBUTTONDBLCLK;
}

BOOL IsNonClientMouseMessage(UINT nMsg)
{
    return nMsg >= WM_NCMOUSEMOVE && nMsg <= WM_NCMBUTTONDBLCLK;
}

// The nearest window at or above hWnd that has tool tips enabled. The search stops at the first
// window that is not a child: a pop-up's owner (what GetParent gives for it) lies elsewhere on the
// screen, and its tools are not under the pop-up.
HWND ToolTipWindowFor(HWND hWnd)
{
    for (; hWnd != NULL; hWnd = ::GetParent(hWnd))
    {
        CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
        if (pWnd != NULL && (pWnd->m_nFlags & WF_TOOLTIPS))
            return hWnd;
        if (!(::GetWindowLong(hWnd, GWL_STYLE) & WS_CHILD))
            break;
    }
    return NULL;
}

BOOL ToolTipAlive(AFX_THREAD_STATE* pState)
{
    return pState->pToolTip != NULL && pState->pToolTip->m_hWnd != NULL &&
           ::IsWindow(pState->pToolTip->m_hWnd);
}

void ForgetLastTool(AFX_THREAD_STATE* pState)
{
    if (pState->nLastHit != -1 && ToolTipAlive(pState))
    {
        TOOLINFO ti;
        memset(&ti, 0, sizeof(ti));
        ti.cbSize = sizeof(ti);
        ti.hwnd = pState->lastInfo.hwnd;
        ti.uId = pState->lastInfo.uId;
        ::SendMessage(pState->pToolTip->m_hWnd, TTM_DELTOOL, 0, (LPARAM)&ti);
    }
    pState->nLastHit = -1;
    memset(&pState->lastInfo, 0, sizeof(TOOLINFO));
}

// The thread's tool-tip control, made again when the window that owned it has gone.
CToolTipCtrl* ThreadToolTip(AFX_THREAD_STATE* pState, CWnd* pWnd)
{
    if (ToolTipAlive(pState))
        return pState->pToolTip;
    if (pState->pToolTip == NULL)
        pState->pToolTip = new CToolTipCtrl;
    else if (pState->pToolTip->m_hWnd != NULL)
        pState->pToolTip->Detach();
    pState->nLastHit = -1;
    memset(&pState->lastInfo, 0, sizeof(TOOLINFO));
    CWnd* pOwner = pWnd->GetTopLevelParent();
    if (!pState->pToolTip->Create(pOwner != NULL ? pOwner : pWnd, TTS_ALWAYSTIP))
        return NULL;
    pState->pToolTip->Activate(TRUE);
    return pState->pToolTip;
}

void FilterThunk(MSG* pMsg, CWnd* pWnd)
{
    pWnd->FilterToolTipMessage(pMsg);
}

void ForgetWindow(HWND hWnd)
{
    AFX_THREAD_STATE* pState = AfxGetThreadState();
    if (pState->nLastHit == -1)
        return;
    if (pState->lastInfo.hwnd == hWnd ||
        ((pState->lastInfo.uFlags & TTF_IDISHWND) && (HWND)pState->lastInfo.uId == hWnd))
        ForgetLastTool(pState);
}

void TermToolTips()
{
    AFX_THREAD_STATE* pState = AfxGetThreadState();
    CToolTipCtrl* pToolTip = pState->pToolTip;
    pState->pToolTip = NULL;
    pState->nLastHit = -1;
    memset(&pState->lastInfo, 0, sizeof(TOOLINFO));
    delete pToolTip; // destroys its window when it still has one
}

BOOL SameTool(const TOOLINFO& a, const TOOLINFO& b)
{
    if (a.hwnd != b.hwnd || a.uId != b.uId || (a.uFlags & TTF_IDISHWND) != (b.uFlags & TTF_IDISHWND))
        return FALSE;
    return (a.uFlags & TTF_IDISHWND) || ::EqualRect(&a.rect, &b.rect);
}

} // namespace

BOOL CWnd::EnableToolTips(BOOL bEnable)
{
    AFX_THREAD_STATE* pState = AfxGetThreadState();
    if (bEnable)
    {
        m_nFlags |= WF_TOOLTIPS;
        pState->pfnFilterToolTipMessage = FilterThunk;
        pState->pfnForgetToolTipWindow = ForgetWindow;
        pState->pfnTermToolTips = TermToolTips;
    }
    else
    {
        m_nFlags &= ~WF_TOOLTIPS;
        if (pState->nLastHit != -1 && pState->lastInfo.hwnd == m_hWnd)
            ForgetLastTool(pState);
    }
    return TRUE;
}

void PASCAL CWnd::CancelToolTips(BOOL)
{
    AFX_THREAD_STATE* pState = AfxGetThreadState();
    if (ToolTipAlive(pState))
        pState->pToolTip->Pop();
}

void CWnd::FilterToolTipMessage(MSG* pMsg)
{
    UINT nMsg = pMsg->message;
    if (nMsg == WM_KEYDOWN || nMsg == WM_SYSKEYDOWN)
    {
        CancelToolTips(TRUE);
        return;
    }
    BOOL bNonClient = IsNonClientMouseMessage(nMsg);
    if (!bNonClient && !IsClientMouseMessage(nMsg))
        return;
    // Every window up the parent chain pre-translates the message; only the nearest one with
    // tool tips answers for it.
    if (m_hWnd == NULL || !(m_nFlags & WF_TOOLTIPS) || ToolTipWindowFor(pMsg->hwnd) != m_hWnd)
        return;

    POINT pt = {(short)LOWORD(pMsg->lParam), (short)HIWORD(pMsg->lParam)};
    if (!bNonClient)
        ::ClientToScreen(pMsg->hwnd, &pt);
    POINT ptScreen = pt;
    ::ScreenToClient(m_hWnd, &pt);

    TOOLINFO ti;
    memset(&ti, 0, sizeof(ti));
    ti.cbSize = sizeof(ti);
    int nHit = OnToolHitTest(CPoint(pt), &ti);
    // A tool's own text, when it gives one, is allocated for the control to copy.
    LPTSTR lpszOwnText =
        (ti.lpszText != LPSTR_TEXTCALLBACK && !IS_INTRESOURCE(ti.lpszText)) ? ti.lpszText : NULL;

    AFX_THREAD_STATE* pState = AfxGetThreadState();
    if (nHit == -1)
    {
        ForgetLastTool(pState);
    }
    else if (nHit != pState->nLastHit || !SameTool(ti, pState->lastInfo) || !ToolTipAlive(pState))
    {
        ForgetLastTool(pState);
        CToolTipCtrl* pToolTip = ThreadToolTip(pState, this);
        if (pToolTip != NULL)
        {
            // The control learns of the mouse from here, never by subclassing the tool.
            ti.uFlags &= ~TTF_SUBCLASS;
            if (ti.hwnd == NULL)
                ti.hwnd = m_hWnd;
            if (::SendMessage(pToolTip->m_hWnd, TTM_ADDTOOL, 0, (LPARAM)&ti))
            {
                pState->nLastHit = nHit;
                pState->lastInfo = ti;
                pState->lastInfo.lpszText = NULL;
            }
        }
    }
    if (lpszOwnText != NULL)
        free(lpszOwnText);

    if (!ToolTipAlive(pState))
        return;
    // Relay the mouse as the tool's own window sees it, so that the control matches it to the tool
    // even when the message went to another window (a child, or the frame's border).
    MSG msg = *pMsg;
    if (bNonClient)
        msg.message = nMsg - WM_NCMOUSEMOVE + WM_MOUSEMOVE;
    HWND hWndTool = m_hWnd;
    if (pState->nLastHit != -1)
        hWndTool =
            (pState->lastInfo.uFlags & TTF_IDISHWND) ? (HWND)pState->lastInfo.uId : pState->lastInfo.hwnd;
    POINT ptTool = ptScreen;
    ::ScreenToClient(hWndTool, &ptTool);
    msg.hwnd = hWndTool;
    msg.lParam = MAKELPARAM((WORD)(short)ptTool.x, (WORD)(short)ptTool.y);
    pState->pToolTip->RelayEvent(&msg);
}
