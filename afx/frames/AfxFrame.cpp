// CFrameWnd: creation from a class, title, menu and accelerators; command routing; command-UI
// updates of its menus; the status-bar prompt of the menu item being tracked.
#include "afxext.h"
#include "afxpriv.h"
#include "AfxWinImpl.h"

IMPLEMENT_DYNCREATE(CFrameWnd, CWnd)

BEGIN_MESSAGE_MAP(CFrameWnd, CWnd)
ON_WM_CREATE()
ON_WM_CLOSE()
ON_WM_SIZE()
ON_WM_SETFOCUS()
ON_WM_ACTIVATE()
ON_WM_ENABLE()
ON_WM_INITMENUPOPUP()
ON_WM_MENUSELECT()
ON_WM_ENTERIDLE()
ON_MESSAGE(WM_SETMESSAGESTRING, OnSetMessageString)
ON_MESSAGE(WM_POPMESSAGESTRING, OnPopMessageString)
ON_MESSAGE(WM_IDLEUPDATECMDUI, OnIdleUpdateCmdUI)
ON_NOTIFY_EX_RANGE(TTN_NEEDTEXTA, 0, 0xFFFF, OnToolTipText)
ON_NOTIFY_EX_RANGE(TTN_NEEDTEXTW, 0, 0xFFFF, OnToolTipText)
END_MESSAGE_MAP()

const CRect CFrameWnd::rectDefault(CW_USEDEFAULT, CW_USEDEFAULT, 0, 0);

CFrameWnd::CFrameWnd() : m_rectBorder(0, 0, 0, 0)
{
    m_bAutoMenuEnable = TRUE;
    m_bHelpMode = FALSE;
    m_nIDHelp = 0;
    m_hAccelTable = NULL;
    m_nIDAccelResource = 0;
    m_bAccelTableBuilt = FALSE;
    m_hMenuDefault = NULL;
    m_hMenuAlt = NULL;
    m_pViewActive = NULL;
    m_bInRecalcLayout = FALSE;
    m_pFloatingFrameClass = NULL;
    m_dwDockStyle = 0;
    m_nIDTracking = 0;
    m_nIDLastMessage = 0;
    m_nIdleFlags = 0;
}

CFrameWnd::~CFrameWnd()
{
    // Bars that outlive the frame object must not report to it when their windows go.
    for (POSITION pos = m_listControlBars.GetHeadPosition(); pos != NULL;)
    {
        CControlBar* pBar = (CControlBar*)m_listControlBars.GetNext(pos);
        if (pBar->m_pDockSite == this)
            pBar->m_pDockSite = NULL;
    }
    m_listControlBars.RemoveAll();
    if (m_bAccelTableBuilt && m_hAccelTable != NULL)
        ::DestroyAcceleratorTable(m_hAccelTable);
}

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
    // The FWS_ bits stay in the style: the frame's class gives them no other meaning.
    if (!CreateEx(dwExStyle, lpszClassName, lpszWindowName, dwStyle, x, y, cx, cy, pParentWnd->GetSafeHwnd(),
                  hMenu, (LPVOID)pContext))
    {
        if (hMenu != NULL)
            ::DestroyMenu(hMenu);
        return FALSE;
    }
    m_hMenuDefault = hMenu;
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
    // A frame's accelerators share its resource id; a frame without them has none.
    LoadAccelTable(MAKEINTRESOURCE(nIDResource));
    CString strTitle = m_strTitle;
    return Create(lpszClass, strTitle, dwDefaultStyle, rectDefault, pParentWnd, lpszMenu, 0, pContext);
}

int CFrameWnd::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    // An MDI child's creation data come inside the MDI creation record.
    CCreateContext* pContext = (CCreateContext*)lpCreateStruct->lpCreateParams;
    if ((lpCreateStruct->dwExStyle & WS_EX_MDICHILD) && pContext != NULL)
        pContext = (CCreateContext*)((MDICREATESTRUCT*)lpCreateStruct->lpCreateParams)->lParam;
    if (!OnCreateClient(lpCreateStruct, pContext))
        return -1;
    // The status bar, made after the frame, shows the idle prompt once the queue reaches it.
    PostMessage(WM_SETMESSAGESTRING, AFX_IDS_IDLEMESSAGE);
    RecalcLayout();
    return 0;
}

// Layout

void CFrameWnd::RecalcLayout(BOOL bNotify)
{
    if (m_bInRecalcLayout)
        return;
    m_bInRecalcLayout = TRUE;
    (void)bNotify; // no layout hooks listen yet
    m_nIdleFlags &= ~(idleLayout | idleNotify);

    if (GetStyle() & FWS_SNAPTOBARS)
    {
        // The frame takes the size its bars want (a floating bar's frame): measure, lay out
        // in that size, then size the window around it.
        CRect rect(0, 0, 32767, 32767);
        RepositionBars(0, 0xFFFF, AFX_IDW_PANE_FIRST, reposQuery, &rect, &rect, FALSE);
        RepositionBars(0, 0xFFFF, AFX_IDW_PANE_FIRST, reposExtra, &m_rectBorder, &rect, TRUE);
        CalcWindowRect(&rect);
        SetWindowPos(NULL, 0, 0, rect.Width(), rect.Height(), SWP_NOACTIVATE | SWP_NOMOVE | SWP_NOZORDER);
    }
    else
    {
        RepositionBars(0, 0xFFFF, AFX_IDW_PANE_FIRST, reposExtra, &m_rectBorder);
    }
    m_bInRecalcLayout = FALSE;
}

void CFrameWnd::DelayRecalcLayout(BOOL bNotify)
{
    m_nIdleFlags |= idleLayout | (bNotify ? idleNotify : 0);
}

void CFrameWnd::OnSize(UINT nType, int cx, int cy)
{
    CWnd::OnSize(nType, cx, cy);
    if (nType != SIZE_MINIMIZED)
        RecalcLayout();
}

// Control bars

void CFrameWnd::AddControlBar(CControlBar* pBar)
{
    if (m_listControlBars.Find(pBar) == NULL)
        m_listControlBars.AddTail(pBar);
}

void CFrameWnd::RemoveControlBar(CControlBar* pBar)
{
    POSITION pos = m_listControlBars.Find(pBar);
    if (pos != NULL)
        m_listControlBars.RemoveAt(pos);
}

CControlBar* CFrameWnd::GetControlBar(UINT nID)
{
    if (nID == 0)
        return NULL;
    for (POSITION pos = m_listControlBars.GetHeadPosition(); pos != NULL;)
    {
        CControlBar* pBar = (CControlBar*)m_listControlBars.GetNext(pos);
        if (pBar->m_hWnd != NULL && (UINT)pBar->GetDlgCtrlID() == nID)
            return pBar;
    }
    return NULL;
}

void CFrameWnd::ShowControlBar(CControlBar* pBar, BOOL bShow, BOOL bDelay)
{
    CFrameWnd* pFrame = pBar->GetDockingFrame();
    pBar->DelayShow(bShow);
    if (bDelay)
    {
        if (pFrame != NULL)
            pFrame->DelayRecalcLayout();
        return;
    }
    // The layout shows or hides the bar along with the moves that give or take its space.
    if (pFrame != NULL)
        pFrame->RecalcLayout();
    // A bar the layout did not reach (outside a frame, or a layout already running) changes now.
    if (pBar->m_nStateFlags & (CControlBar::delayHide | CControlBar::delayShow))
    {
        BOOL bNowShow = (pBar->m_nStateFlags & CControlBar::delayShow) != 0;
        pBar->m_nStateFlags &= ~(CControlBar::delayHide | CControlBar::delayShow);
        pBar->SetWindowPos(NULL, 0, 0, 0, 0,
                           SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE |
                               (bNowShow ? SWP_SHOWWINDOW : SWP_HIDEWINDOW));
    }
}

LRESULT CFrameWnd::OnIdleUpdateCmdUI(WPARAM, LPARAM)
{
    if (m_nIdleFlags & idleMenu)
        OnUpdateFrameMenu(m_hMenuAlt);
    if (m_nIdleFlags & idleTitle)
        OnUpdateFrameTitle(TRUE);
    if (m_nIdleFlags & idleLayout)
        RecalcLayout((m_nIdleFlags & idleNotify) != 0);
    // The message bar catches up with a prompt asked while the queue was busy.
    if (m_nIDTracking != m_nIDLastMessage)
        SetMessageText(m_nIDTracking);
    m_nIdleFlags = 0;
    // Floating frames are windows of their own that the application's idle pass does not reach.
    for (POSITION pos = m_listControlBars.GetHeadPosition(); pos != NULL;)
    {
        CControlBar* pBar = (CControlBar*)m_listControlBars.GetNext(pos);
        if (pBar->m_hWnd != NULL && pBar->m_pDockBar != NULL && pBar->m_pDockBar->m_bFloating &&
            (pBar->GetStyle() & WS_VISIBLE))
            pBar->SendMessage(WM_IDLEUPDATECMDUI, (WPARAM)TRUE);
    }
    return 0;
}

// Views and command routing

void CFrameWnd::SetActiveView(CView* pViewNew, BOOL bNotify)
{
    CView* pViewOld = m_pViewActive;
    if (pViewNew == pViewOld)
        return;
    // No view is active while the old one hears it is left.
    m_pViewActive = NULL;
    if (bNotify && pViewOld != NULL)
        pViewOld->OnActivateView(FALSE, pViewNew, pViewOld);
    m_pViewActive = pViewNew;
    if (bNotify && pViewNew != NULL)
        pViewNew->OnActivateView(TRUE, pViewNew, pViewOld);
}

void CFrameWnd::OnSetFocus(CWnd* pOldWnd)
{
    if (m_pViewActive != NULL && m_pViewActive->m_hWnd != NULL)
        m_pViewActive->SetFocus();
    else
        CWnd::OnSetFocus(pOldWnd);
}

BOOL CFrameWnd::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    CView* pView = GetActiveView();
    if (pView != NULL && pView->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    if (CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    CWinApp* pApp = AfxGetApp();
    return pApp != NULL && pApp->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

// Accelerators

BOOL CFrameWnd::LoadAccelTable(LPCTSTR lpszResourceName)
{
    if (m_hAccelTable != NULL)
        return FALSE; // the frame keeps the table it has
    HINSTANCE hInst = AfxFindResourceHandle(lpszResourceName, RT_ACCELERATOR);
    m_hAccelTable = ::LoadAccelerators(hInst, lpszResourceName);
    m_bAccelTableBuilt = FALSE;
    if (m_hAccelTable != NULL && IS_INTRESOURCE(lpszResourceName))
        m_nIDAccelResource = (UINT)(UINT_PTR)lpszResourceName;
    return m_hAccelTable != NULL;
}

namespace
{
// The flag bits an accelerator entry may carry.
const BYTE kAccelFlags = FVIRTKEY | FNOINVERT | FSHIFT | FCONTROL | FALT;
const int kMaxAccelEntries = 32767;
} // namespace

BOOL CFrameWnd::SetAccelEntries(const ACCEL* pEntries, int nEntries)
{
    BOOL bSound = pEntries != NULL && nEntries > 0 && nEntries <= kMaxAccelEntries;
    for (int i = 0; bSound && i < nEntries; i++)
        if ((pEntries[i].fVirt & ~kAccelFlags) != 0 || pEntries[i].cmd == 0 ||
            (!(pEntries[i].fVirt & FVIRTKEY) && pEntries[i].key > 0xFF))
            bSound = FALSE;
    HACCEL hNew = bSound ? ::CreateAcceleratorTable(const_cast<ACCEL*>(pEntries), nEntries) : NULL;
    if (hNew == NULL)
    {
        RestoreResourceAccelTable();
        return FALSE;
    }
    if (m_bAccelTableBuilt && m_hAccelTable != NULL)
        ::DestroyAcceleratorTable(m_hAccelTable);
    m_hAccelTable = hNew;
    m_bAccelTableBuilt = TRUE;
    return TRUE;
}

BOOL CFrameWnd::RestoreResourceAccelTable()
{
    if (m_nIDAccelResource == 0)
        return FALSE;
    HACCEL hOld = m_bAccelTableBuilt ? m_hAccelTable : NULL;
    m_hAccelTable = NULL;
    BOOL bLoaded = LoadAccelTable(MAKEINTRESOURCE(m_nIDAccelResource));
    if (hOld != NULL)
        ::DestroyAcceleratorTable(hOld);
    return bLoaded;
}

HACCEL CFrameWnd::GetDefaultAccelerator()
{
    return m_hAccelTable;
}

BOOL CFrameWnd::PreTranslateMessage(MSG* pMsg)
{
    if (CWnd::PreTranslateMessage(pMsg))
        return TRUE;
    if (pMsg->message >= WM_KEYFIRST && pMsg->message <= WM_KEYLAST)
    {
        HACCEL hAccel = GetDefaultAccelerator();
        return hAccel != NULL && ::TranslateAccelerator(m_hWnd, hAccel, pMsg);
    }
    return FALSE;
}

// Floating windows

void CFrameWnd::NotifyFloatingWindows(DWORD dwFlags)
{
    // Top-level windows that this frame owns and that follow it (mini frames) hear of it.
    for (HWND hWnd = ::GetWindow(::GetDesktopWindow(), GW_CHILD); hWnd != NULL;
         hWnd = ::GetWindow(hWnd, GW_HWNDNEXT))
    {
        if (::GetWindow(hWnd, GW_OWNER) != m_hWnd || FromHandlePermanent(hWnd) == NULL)
            continue;
        if ((dwFlags & (FS_ACTIVATE | FS_DEACTIVATE)) &&
            !::SendMessage(hWnd, WM_FLOATSTATUS, FS_SYNCACTIVE, 0))
            continue;
        ::SendMessage(hWnd, WM_FLOATSTATUS, dwFlags, 0);
    }
}

void CFrameWnd::OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized)
{
    CWnd::OnActivate(nState, pWndOther, bMinimized);
    NotifyFloatingWindows(nState != WA_INACTIVE ? FS_ACTIVATE : FS_DEACTIVATE);
}

void CFrameWnd::OnEnable(BOOL bEnable)
{
    CWnd::OnEnable(bEnable);
    NotifyFloatingWindows(bEnable ? FS_ENABLE : FS_DISABLE);
}

void CFrameWnd::ActivateFrame(int nCmdShow)
{
    if (nCmdShow == -1)
        nCmdShow = IsIconic() ? SW_RESTORE : SW_SHOW;
    ShowWindow(nCmdShow);
    BringWindowToTop();
}

// Message strings

void CFrameWnd::SetMessageText(LPCTSTR lpszText)
{
    SendMessage(WM_SETMESSAGESTRING, 0, (LPARAM)lpszText);
}

void CFrameWnd::SetMessageText(UINT nID)
{
    SendMessage(WM_SETMESSAGESTRING, (WPARAM)nID);
}

void CFrameWnd::GetMessageString(UINT nID, CString& rMessage) const
{
    rMessage.Empty();
    CString strFull;
    if (nID != 0 && strFull.LoadString(nID))
        AfxExtractSubString(rMessage, strFull, 0, '\n');
}

CWnd* CFrameWnd::GetMessageBar()
{
    return GetDescendantWindow(AFX_IDW_STATUS_BAR, TRUE);
}

LRESULT CFrameWnd::OnSetMessageString(WPARAM wParam, LPARAM lParam)
{
    UINT nIDLast = m_nIDLastMessage;
    CWnd* pMessageBar = GetMessageBar();
    if (pMessageBar != NULL)
    {
        CString strMessage;
        if (lParam != 0)
            strMessage = (LPCTSTR)lParam;
        else
            GetMessageString((UINT)wParam, strMessage);
        pMessageBar->SetWindowText(strMessage);
    }
    m_nIDLastMessage = (UINT)wParam;
    m_nIDTracking = (UINT)wParam;
    return (LRESULT)nIDLast;
}

LRESULT CFrameWnd::OnPopMessageString(WPARAM wParam, LPARAM lParam)
{
    // While a menu is open its item's prompt stays: a bar's fly-by timer may still run.
    if (m_nFlags & WF_NOPOPMSG)
        return 0;
    return SendMessage(WM_SETMESSAGESTRING, wParam, lParam);
}

void CFrameWnd::OnMenuSelect(UINT nItemID, UINT nFlags, HMENU)
{
    if (nFlags == 0xFFFF)
    {
        // The menu closed: back to the idle prompt at once.
        m_nFlags &= ~WF_NOPOPMSG;
        m_nIDTracking = m_bHelpMode ? AFX_IDS_HELPMODEMESSAGE : AFX_IDS_IDLEMESSAGE;
        SendMessage(WM_SETMESSAGESTRING, (WPARAM)m_nIDTracking);
        CWnd* pMessageBar = GetMessageBar();
        if (pMessageBar != NULL)
            pMessageBar->UpdateWindow();
        return;
    }
    // The prompt shows when the menu loop is next idle (OnEnterIdle).
    if (nItemID == 0 || (nFlags & (MF_SEPARATOR | MF_POPUP)))
        m_nIDTracking = 0;
    else if (nItemID >= 0xF000 && nItemID < 0xF1F0)
        m_nIDTracking = AFX_IDS_SCFIRST + (nItemID - 0xF000) / 16; // one string per system command
    else if (nItemID >= AFX_IDM_FIRST_MDICHILD)
        m_nIDTracking = AFX_IDS_MDICHILD;
    else
        m_nIDTracking = nItemID;
    m_nFlags |= WF_NOPOPMSG;
}

void CFrameWnd::OnEnterIdle(UINT nWhy, CWnd* pWho)
{
    CWnd::OnEnterIdle(nWhy, pWho);
    if (nWhy == MSGF_MENU && m_nIDTracking != m_nIDLastMessage)
        SetMessageText(m_nIDTracking);
}

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
    // A menu object whose handle has gone (detached, destroyed) counts -1 items: nothing to update.
    const int nItems = ::GetMenuItemCount(hMenu);
    if (nItems <= 0)
        return;
    CCmdUI state;
    state.m_pMenu = pPopupMenu;
    state.m_nIndexMax = (UINT)nItems;
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

// Client area, documents, menus and titles

BOOL CFrameWnd::OnCreateClient(LPCREATESTRUCT, CCreateContext* pContext)
{
    if (pContext == NULL || pContext->m_pNewViewClass == NULL)
        return TRUE;
    CWnd* pView = CreateView(pContext, AFX_IDW_PANE_FIRST);
    if (pView == NULL)
        return FALSE;
    // The first view is the one commands reach until another is clicked.
    if (m_pViewActive == NULL)
        SetActiveView(DYNAMIC_DOWNCAST(CView, pView), FALSE);
    return TRUE;
}

CWnd* CFrameWnd::CreateView(CCreateContext* pContext, UINT nID)
{
    if (pContext == NULL || pContext->m_pNewViewClass == NULL)
        return NULL;
    CObject* pObject = pContext->m_pNewViewClass->CreateObject();
    CWnd* pView = DYNAMIC_DOWNCAST(CWnd, pObject);
    if (pView == NULL)
    {
        delete pObject;
        return NULL;
    }
    // A view that fails to be made is deleted by its own clean-up.
    if (!pView->Create(NULL, NULL, AFX_WS_DEFAULT_VIEW, CRect(0, 0, 0, 0), this, nID, pContext))
        return NULL;
    return pView;
}

CDocument* CFrameWnd::GetActiveDocument()
{
    CView* pView = GetActiveView();
    return pView != NULL ? pView->GetDocument() : NULL;
}

void CFrameWnd::OnUpdateFrameMenu(HMENU hMenuAlt)
{
    if (hMenuAlt == NULL)
        hMenuAlt = m_hMenuDefault;
    if (hMenuAlt != NULL && ::IsMenu(hMenuAlt) && ::GetMenu(m_hWnd) != hMenuAlt)
        ::SetMenu(m_hWnd, hMenuAlt);
}

void CFrameWnd::DelayUpdateFrameMenu(HMENU hMenuAlt)
{
    m_hMenuAlt = hMenuAlt;
    m_nIdleFlags |= idleMenu;
}

void CFrameWnd::OnUpdateFrameTitle(BOOL bAddToTitle)
{
    if ((GetStyle() & FWS_ADDTOTITLE) == 0)
        return;
    CDocument* pDoc = GetActiveDocument();
    if (pDoc == NULL)
        return;
    UpdateFrameTitleForDocument(bAddToTitle ? (LPCTSTR)pDoc->GetTitle() : NULL);
}

void CFrameWnd::UpdateFrameTitleForDocument(LPCTSTR lpszDocName)
{
    CString strText = m_strTitle;
    if (lpszDocName != NULL && *lpszDocName != '\0')
    {
        if (m_strTitle.IsEmpty())
            strText = lpszDocName;
        else if (GetStyle() & FWS_PREFIXTITLE)
            strText = CString(lpszDocName) + _T(" - ") + m_strTitle;
        else
            strText = m_strTitle + _T(" - ") + lpszDocName;
    }
    // The same text again would only flicker the caption.
    CString strOld;
    GetWindowText(strOld);
    if (strOld != strText)
        SetWindowText(strText);
}

void CFrameWnd::OnSetPreviewMode(BOOL bPreview, CPrintPreviewState* pState)
{
    if (pState == NULL)
        return;
    int nBar = 0;
    if (bPreview)
    {
        pState->hMenu = ::GetMenu(m_hWnd);
        if (pState->hMenu != NULL)
            ::SetMenu(m_hWnd, NULL);
        pState->hAccelTable = m_hAccelTable;
        pState->hWndFocus = ::GetFocus();
        pState->dwStates = 0;
        for (POSITION pos = m_listControlBars.GetHeadPosition(); pos != NULL && nBar < 32; nBar++)
        {
            CControlBar* pBar = (CControlBar*)m_listControlBars.GetNext(pos);
            if (pBar->GetSafeHwnd() != NULL && (pBar->GetStyle() & WS_VISIBLE))
            {
                pState->dwStates |= 1UL << nBar;
                ShowControlBar(pBar, FALSE, TRUE);
            }
        }
    }
    else
    {
        if (pState->hMenu != NULL && ::IsMenu(pState->hMenu))
            ::SetMenu(m_hWnd, pState->hMenu);
        for (POSITION pos = m_listControlBars.GetHeadPosition(); pos != NULL && nBar < 32; nBar++)
        {
            CControlBar* pBar = (CControlBar*)m_listControlBars.GetNext(pos);
            if ((pState->dwStates & (1UL << nBar)) && pBar->GetSafeHwnd() != NULL)
                ShowControlBar(pBar, TRUE, TRUE);
        }
        if (pState->hWndFocus != NULL && ::IsWindow(pState->hWndFocus))
            ::SetFocus(pState->hWndFocus);
    }
    RecalcLayout();
}

// Help mode

BOOL CFrameWnd::CanEnterHelpMode()
{
    return ::LoadCursor(NULL, IDC_HELP) != NULL;
}

void CFrameWnd::ExitHelpMode()
{
    if (m_bHelpMode)
        PostMessage(WM_EXITHELPMODE);
}

DWORD CFrameWnd::MapHelpPoint(CPoint ptScreen)
{
    HWND hWnd = ::WindowFromPoint(ptScreen);
    if (hWnd == NULL || (hWnd != m_hWnd && !::IsChild(m_hWnd, hWnd)))
        return 0; // outside the frame: no help
    for (; hWnd != NULL && hWnd != m_hWnd; hWnd = ::GetParent(hWnd))
    {
        if (FromHandlePermanent(hWnd) == NULL)
            continue;
        CPoint pt = ptScreen;
        ::ScreenToClient(hWnd, &pt);
        LRESULT lContext = ::SendMessage(hWnd, WM_HELPHITTEST, 0, MAKELPARAM(pt.x, pt.y));
        if (lContext == -1)
            return 0; // the window refused: no help for that place
        if (lContext != 0)
            return (DWORD)lContext;
    }
    LRESULT lHit = ::SendMessage(m_hWnd, WM_NCHITTEST, 0, MAKELPARAM(ptScreen.x, ptScreen.y));
    if (hWnd == m_hWnd && lHit != HTCLIENT && lHit > 0)
        return HID_BASE_NCAREAS + (DWORD)lHit;
    return m_nIDHelp != 0 ? HID_BASE_RESOURCE + m_nIDHelp : 0;
}

void CFrameWnd::OnContextHelp()
{
    // One help mode at a time: a request from inside it (a second Shift+F1, a nested WinHelp)
    // changes nothing.
    if (m_bHelpMode || !CanEnterHelpMode())
        return;
    CWinApp* pApp = AfxGetApp();
    m_bHelpMode = TRUE;
    if (pApp != NULL)
        pApp->m_bHelpMode = TRUE;
    SetMessageText(AFX_IDS_HELPMODEMESSAGE);
    HCURSOR hcurHelp = ::LoadCursor(NULL, IDC_HELP);
    ::SetCursor(hcurHelp);
    SetCapture();

    DWORD dwContext = 0;
    for (BOOL bDone = FALSE; !bDone;)
    {
        MSG msg;
        if (!::GetMessage(&msg, NULL, 0, 0))
        {
            ::PostQuitMessage((int)msg.wParam);
            break;
        }
        if (::GetCapture() != m_hWnd && msg.message != WM_EXITHELPMODE)
        {
            // Another window took the mouse (a dialog, another program): help mode ends.
            ::TranslateMessage(&msg);
            ::DispatchMessage(&msg);
            break;
        }
        switch (msg.message)
        {
        case WM_LBUTTONDOWN:
        case WM_NCLBUTTONDOWN:
            dwContext = MapHelpPoint(CPoint(msg.pt));
            bDone = TRUE;
            break;
        case WM_RBUTTONDOWN:
        case WM_NCRBUTTONDOWN:
        case WM_EXITHELPMODE:
            bDone = TRUE;
            break;
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN:
            if (msg.wParam == VK_ESCAPE)
                bDone = TRUE;
            break; // no key reaches a window while the help cursor shows
        case WM_KEYUP:
        case WM_SYSKEYUP:
        case WM_CHAR:
        case WM_SYSCHAR:
        case WM_LBUTTONUP:
        case WM_RBUTTONUP:
        case WM_LBUTTONDBLCLK:
        case WM_RBUTTONDBLCLK:
        case WM_NCLBUTTONUP:
        case WM_NCRBUTTONUP:
            break;
        case WM_MOUSEMOVE:
        case WM_NCMOUSEMOVE:
            ::SetCursor(hcurHelp);
            break;
        default:
            ::TranslateMessage(&msg);
            ::DispatchMessage(&msg);
            break;
        }
    }

    if (::GetCapture() == m_hWnd)
        ::ReleaseCapture();
    m_bHelpMode = FALSE;
    if (pApp != NULL)
        pApp->m_bHelpMode = FALSE;
    SetMessageText(AFX_IDS_IDLEMESSAGE);
    if (dwContext == 0)
        return;
    if (pApp != NULL)
        pApp->WinHelp(dwContext, HELP_CONTEXT);
    else
        WinHelp(dwContext, HELP_CONTEXT);
}
