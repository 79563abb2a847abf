// CMiniFrameWnd: tool-window styles, the MFS_ hit-test rules and the caption kept in step with
// the owner frame.
#include "afxwin.h"
#include "afxpriv.h"

IMPLEMENT_DYNCREATE(CMiniFrameWnd, CFrameWnd)

BEGIN_MESSAGE_MAP(CMiniFrameWnd, CFrameWnd)
ON_WM_NCHITTEST()
ON_WM_NCACTIVATE()
ON_MESSAGE(WM_FLOATSTATUS, OnFloatStatus)
END_MESSAGE_MAP()

CMiniFrameWnd::CMiniFrameWnd()
{
    m_bActive = FALSE;
}

CMiniFrameWnd::~CMiniFrameWnd() {}

BOOL CMiniFrameWnd::Create(LPCTSTR lpClassName, LPCTSTR lpWindowName, DWORD dwStyle, const RECT& rect,
                           CWnd* pParentWnd, UINT nID)
{
    return CreateEx(0, lpClassName, lpWindowName, dwStyle, rect, pParentWnd, nID);
}

BOOL CMiniFrameWnd::CreateEx(DWORD dwExStyle, LPCTSTR lpClassName, LPCTSTR lpWindowName, DWORD dwStyle,
                             const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    m_strCaption = lpWindowName;
    m_strTitle = lpWindowName;
    if (lpClassName == NULL)
        lpClassName =
            AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursor(NULL, IDC_ARROW), (HBRUSH)(COLOR_BTNFACE + 1));
    return CWnd::CreateEx(dwExStyle, lpClassName, lpWindowName, dwStyle, rect.left, rect.top,
                          rect.right - rect.left, rect.bottom - rect.top, pParentWnd->GetSafeHwnd(),
                          (HMENU)(UINT_PTR)nID);
}

BOOL CMiniFrameWnd::PreCreateWindow(CREATESTRUCT& cs)
{
    if (cs.style & (MFS_THICKFRAME | MFS_4THICKFRAME))
        cs.style |= WS_THICKFRAME;
    // The small caption is the system's tool-window caption.
    if ((cs.style & WS_CAPTION) == WS_CAPTION)
        cs.dwExStyle |= WS_EX_TOOLWINDOW;
    if (!CFrameWnd::PreCreateWindow(cs))
        return FALSE;
    cs.dwExStyle &= ~WS_EX_CLIENTEDGE;
    return TRUE;
}

UINT CMiniFrameWnd::OnNcHitTest(CPoint point)
{
    UINT nHit = CFrameWnd::OnNcHitTest(point);
    DWORD dwStyle = GetStyle();
    if ((dwStyle & MFS_BLOCKSYSMENU) && nHit == HTSYSMENU)
        return HTCAPTION;
    if ((dwStyle & MFS_MOVEFRAME) && nHit >= HTSIZEFIRST && nHit <= HTSIZELAST)
        return HTCAPTION;
    if (dwStyle & MFS_4THICKFRAME)
    {
        switch (nHit)
        {
        case HTTOPLEFT:
        case HTTOPRIGHT:
            return HTTOP;
        case HTBOTTOMLEFT:
        case HTBOTTOMRIGHT:
            return HTBOTTOM;
        }
    }
    return nHit;
}

BOOL CMiniFrameWnd::OnNcActivate(BOOL bActive)
{
    // A synchronised caption shows its owner frame's state, not its own.
    if (GetStyle() & MFS_SYNCACTIVE)
        bActive = m_bActive;
    return (BOOL)DefWindowProc(WM_NCACTIVATE, (WPARAM)bActive, 0);
}

LRESULT CMiniFrameWnd::OnFloatStatus(WPARAM wParam, LPARAM)
{
    // The owner frame first asks who follows it, then tells those.
    if (wParam & FS_SYNCACTIVE)
        return (GetStyle() & MFS_SYNCACTIVE) != 0;
    if (wParam & (FS_ACTIVATE | FS_DEACTIVATE))
    {
        m_bActive = (wParam & FS_ACTIVATE) != 0;
        SendMessage(WM_NCACTIVATE, (WPARAM)m_bActive);
    }
    if ((wParam & FS_HIDE) && IsWindowVisible())
    {
        ShowWindow(SW_HIDE);
        m_nFlags |= WF_TEMPHIDE;
    }
    else if ((wParam & FS_SHOW) && (m_nFlags & WF_TEMPHIDE))
    {
        ShowWindow(SW_SHOWNOACTIVATE);
        m_nFlags &= ~WF_TEMPHIDE;
    }
    if (wParam & (FS_ENABLE | FS_DISABLE))
        EnableWindow((wParam & FS_ENABLE) != 0);
    return 0;
}
