// CFrameWnd: creation from a class, title and menu, command-UI updates of its menus.
#include "afxwin.h"
#include "AfxWinImpl.h"

IMPLEMENT_DYNCREATE(CFrameWnd, CWnd)

BEGIN_MESSAGE_MAP(CFrameWnd, CWnd)
ON_WM_CLOSE()
ON_WM_INITMENUPOPUP()
ON_NOTIFY_EX_RANGE(TTN_NEEDTEXTA, 0, 0xFFFF, OnToolTipText)
ON_NOTIFY_EX_RANGE(TTN_NEEDTEXTW, 0, 0xFFFF, OnToolTipText)
END_MESSAGE_MAP()

const CRect CFrameWnd::rectDefault(CW_USEDEFAULT, CW_USEDEFAULT, 0, 0);

CFrameWnd::CFrameWnd()
{
    m_bAutoMenuEnable = TRUE;
    m_bHelpMode = FALSE;
    m_nIDHelp = 0;
}

CFrameWnd::~CFrameWnd() {}

BOOL CFrameWnd::IsFrameWnd() const
{
    return TRUE;
}

BOOL CFrameWnd::PreCreateWindow(CREATESTRUCT& cs)
{
    if (cs.lpszClass == NULL)
    {
        AfxEndDeferRegisterClass(AFX_WNDFRAMEORVIEW);
        cs.lpszClass = AFX_WNDFRAMEORVIEW;
    }
    return TRUE;
}

BOOL CFrameWnd::Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                       CWnd* pParentWnd, LPCTSTR lpszMenuName, DWORD dwExStyle, CCreateContext* pContext)
{
    HMENU hMenu = NULL;
    if (lpszMenuName != NULL)
    {
        HINSTANCE hInst = AfxFindResourceHandle(lpszMenuName, RT_MENU);
        hMenu = ::LoadMenu(hInst, lpszMenuName);
        if (hMenu == NULL)
        {
            PostNcDestroy();
            return FALSE;
        }
    }
    m_strTitle = lpszWindowName;

    // The default rectangle lets the system place and size the window.
    int x = rect.left, y = rect.top, cx, cy;
    if (rect.left == CW_USEDEFAULT)
    {
        cx = CW_USEDEFAULT;
        cy = CW_USEDEFAULT;
    }
    else
    {
        cx = rect.right - rect.left;
        cy = rect.bottom - rect.top;
    }
    if (!CreateEx(dwExStyle, lpszClassName, lpszWindowName,
                  dwStyle & ~(FWS_ADDTOTITLE | FWS_PREFIXTITLE | FWS_SNAPTOBARS), x, y, cx, cy,
                  pParentWnd->GetSafeHwnd(), hMenu, (LPVOID)pContext))
    {
        if (hMenu != NULL)
            ::DestroyMenu(hMenu);
        return FALSE;
    }
    return TRUE;
}

BOOL CFrameWnd::LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd, CCreateContext* pContext)
{
    m_nIDHelp = nIDResource;
    CString strFullString;
    if (strFullString.LoadString(nIDResource))
    {
        int nNewLine = strFullString.Find('\n');
        m_strTitle = nNewLine >= 0 ? strFullString.Left(nNewLine) : strFullString;
    }
    HINSTANCE hInst = AfxFindResourceHandle(MAKEINTRESOURCE(nIDResource), RT_GROUP_ICON);
    HICON hIcon = ::LoadIcon(hInst, MAKEINTRESOURCE(nIDResource));
    LPCTSTR lpszClass = NULL;
    if (hIcon != NULL)
        lpszClass = AfxRegisterWndClass(CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW, ::LoadCursor(NULL, IDC_ARROW),
                                        (HBRUSH)(COLOR_WINDOW + 1), hIcon);
    LPCTSTR lpszMenu = ::FindResource(AfxFindResourceHandle(MAKEINTRESOURCE(nIDResource), RT_MENU),
                                      MAKEINTRESOURCE(nIDResource), RT_MENU) != NULL
                           ? MAKEINTRESOURCE(nIDResource)
                           : NULL;
    CString strTitle = m_strTitle;
    return Create(lpszClass, strTitle, dwDefaultStyle, rectDefault, pParentWnd, lpszMenu, 0, pContext);
}

void CFrameWnd::RecalcLayout(BOOL) {}

void CFrameWnd::ActivateFrame(int nCmdShow)
{
    if (nCmdShow == -1)
        nCmdShow = IsIconic() ? SW_RESTORE : SW_SHOW;
    ShowWindow(nCmdShow);
    BringWindowToTop();
}

void CFrameWnd::SetMessageText(LPCTSTR) {}
void CFrameWnd::SetMessageText(UINT) {}

void CFrameWnd::PostNcDestroy()
{
    // Frames are made with new and live as long as their window.
    delete this;
}

void CFrameWnd::OnClose()
{
    DestroyWindow();
}

void CFrameWnd::OnInitMenuPopup(CMenu* pPopupMenu, UINT, BOOL bSysMenu)
{
    if (bSysMenu || pPopupMenu == NULL)
        return;
    HMENU hMenu = AfxMenuHandle(pPopupMenu);
    CCmdUI state;
    state.m_pMenu = pPopupMenu;
    state.m_nIndexMax = (UINT)::GetMenuItemCount(hMenu);
    for (state.m_nIndex = 0; state.m_nIndex < state.m_nIndexMax; state.m_nIndex++)
    {
        state.m_nID = ::GetMenuItemID(hMenu, (int)state.m_nIndex);
        if (state.m_nID == 0)
            continue; // separator
        if (state.m_nID == (UINT)-1)
        {
            // A pop-up is enabled by the state of its first command.
            HMENU hSub = ::GetSubMenu(hMenu, (int)state.m_nIndex);
            if (hSub == NULL || (state.m_nID = ::GetMenuItemID(hSub, 0)) == 0 || state.m_nID == (UINT)-1)
                continue;
            state.m_pSubMenu = AfxMenuFromHandle(hSub);
            state.DoUpdate(this, FALSE);
            state.m_pSubMenu = NULL;
        }
        else
        {
            state.m_pSubMenu = NULL;
            state.DoUpdate(this, m_bAutoMenuEnable && state.m_nID < 0xF000);
        }
        UINT nCount = (UINT)::GetMenuItemCount(hMenu);
        if (nCount < state.m_nIndexMax)
        {
            // A handler removed items: stay on the same position.
            state.m_nIndex -= (state.m_nIndexMax - nCount);
            while (state.m_nIndex < nCount && ::GetMenuItemID(hMenu, (int)state.m_nIndex) == state.m_nID)
                state.m_nIndex++;
        }
        state.m_nIndexMax = nCount;
    }
}

BOOL CFrameWnd::OnToolTipText(UINT, NMHDR* pNMHDR, LRESULT* pResult)
{
    UINT_PTR nID = pNMHDR->idFrom;
    UINT uFlags =
        pNMHDR->code == TTN_NEEDTEXTA ? ((TOOLTIPTEXTA*)pNMHDR)->uFlags : ((TOOLTIPTEXTW*)pNMHDR)->uFlags;
    if (uFlags & TTF_IDISHWND)
        nID = (UINT_PTR)::GetDlgCtrlID((HWND)nID);

    // The string holds the status-bar prompt, then after a newline the tip.
    CString strTip;
    if (nID != 0)
    {
        CString strFull;
        if (strFull.LoadString((UINT)nID))
            AfxExtractSubString(strTip, strFull, 1, '\n');
    }
    if (pNMHDR->code == TTN_NEEDTEXTA)
    {
        TOOLTIPTEXTA* pTTT = (TOOLTIPTEXTA*)pNMHDR;
        lstrcpynA(pTTT->szText, strTip, (int)(sizeof(pTTT->szText) / sizeof(pTTT->szText[0])));
        pTTT->lpszText = pTTT->szText;
    }
    else
    {
        TOOLTIPTEXTW* pTTT = (TOOLTIPTEXTW*)pNMHDR;
        int nMax = (int)(sizeof(pTTT->szText) / sizeof(pTTT->szText[0]));
        if (::MultiByteToWideChar(CP_ACP, 0, strTip, -1, pTTT->szText, nMax) == 0)
            pTTT->szText[nMax - 1] = 0; // a tip longer than the buffer is cut, never left open
        pTTT->lpszText = pTTT->szText;
    }
    *pResult = 0;
    // The tip shows above every other window of the program.
    ::SetWindowPos(pNMHDR->hwndFrom, HWND_TOP, 0, 0, 0, 0,
                   SWP_NOACTIVATE | SWP_NOSIZE | SWP_NOMOVE | SWP_NOOWNERZORDER);
    return TRUE;
}
