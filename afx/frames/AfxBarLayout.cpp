// The layout of bars in a window: each bar in an id range takes a strip of the client area
// through WM_SIZEPARENT, and one window (the view) fills what is left.
#include "afxext.h"
#include "afxpriv.h"

void AFXAPI AfxRepositionWindow(AFX_SIZEPARENTPARAMS* lpLayout, HWND hWnd, LPCRECT lpRect)
{
    HWND hWndParent = ::GetParent(hWnd);
    RECT rectOld;
    ::GetWindowRect(hWnd, &rectOld);
    ::MapWindowPoints(NULL, hWndParent, (LPPOINT)&rectOld, 2);
    if (::EqualRect(&rectOld, lpRect))
        return; // moving a window to where it is only repaints it

    int cx = lpRect->right - lpRect->left;
    int cy = lpRect->bottom - lpRect->top;
    const UINT nFlags = SWP_NOACTIVATE | SWP_NOZORDER;
    if (lpLayout != NULL && lpLayout->hDWP != NULL)
        lpLayout->hDWP =
            ::DeferWindowPos(lpLayout->hDWP, hWnd, NULL, lpRect->left, lpRect->top, cx, cy, nFlags);
    else
        ::SetWindowPos(hWnd, NULL, lpRect->left, lpRect->top, cx, cy, nFlags);
}

void CWnd::RepositionBars(UINT nIDFirst, UINT nIDLast, UINT nIDLeftOver, UINT nFlags, LPRECT lpRectParam,
                          LPCRECT lpRectClient, BOOL bStretch)
{
    const UINT nMode = nFlags & ~(UINT)reposNoPosLeftOver;
    AFX_SIZEPARENTPARAMS layout;
    layout.bStretch = bStretch;
    layout.sizeTotal.cx = layout.sizeTotal.cy = 0;
    if (lpRectClient != NULL)
        layout.rect = *lpRectClient;
    else
        ::GetClientRect(m_hWnd, &layout.rect);
    // A query measures only: the bars see no deferred-move handle and move nothing.
    layout.hDWP = nMode != reposQuery ? ::BeginDeferWindowPos(8) : NULL;

    // Bars are asked in z-order; each takes its strip from what the ones before it left.
    HWND hWndLeftOver = NULL;
    for (HWND hWndChild = ::GetTopWindow(m_hWnd); hWndChild != NULL;
         hWndChild = ::GetWindow(hWndChild, GW_HWNDNEXT))
    {
        UINT nIDChild = (UINT)(WORD)::GetDlgCtrlID(hWndChild);
        if (nIDChild == nIDLeftOver)
            hWndLeftOver = hWndChild;
        else if (nIDChild >= nIDFirst && nIDChild <= nIDLast && FromHandlePermanent(hWndChild) != NULL)
            ::SendMessage(hWndChild, WM_SIZEPARENT, 0, (LPARAM)&layout);
    }

    if (nMode == reposQuery)
    {
        if (lpRectParam != NULL)
        {
            if (bStretch)
                ::CopyRect(lpRectParam, &layout.rect);
            else
                ::SetRect(lpRectParam, 0, 0, layout.sizeTotal.cx, layout.sizeTotal.cy);
        }
        return;
    }

    if (nIDLeftOver != 0 && hWndLeftOver != NULL)
    {
        // reposExtra keeps a border of lpRectParam's sizes free around the left-over window.
        if (nMode == reposExtra && lpRectParam != NULL)
        {
            layout.rect.left += lpRectParam->left;
            layout.rect.top += lpRectParam->top;
            layout.rect.right -= lpRectParam->right;
            layout.rect.bottom -= lpRectParam->bottom;
        }
        if ((nFlags & reposNoPosLeftOver) == 0)
        {
            CWnd* pLeftOver = CWnd::FromHandle(hWndLeftOver);
            pLeftOver->CalcWindowRect(&layout.rect);
            AfxRepositionWindow(&layout, hWndLeftOver, &layout.rect);
        }
    }

    // A failed deferred move leaves the windows where they were; nothing else can be done.
    if (layout.hDWP != NULL)
        ::EndDeferWindowPos(layout.hDWP);
}
