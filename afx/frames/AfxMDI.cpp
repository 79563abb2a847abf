// CMDIFrameWnd and CMDIChildWnd: the MDI client and its children, their menus and titles, and the
// routing of commands and keys through the active child.
#include "afxext.h"
#include "afxpriv.h"
#include "AfxWinImpl.h"

IMPLEMENT_DYNCREATE(CMDIFrameWnd, CFrameWnd)
IMPLEMENT_DYNCREATE(CMDIChildWnd, CFrameWnd)

namespace
{
// The Window commands; a pop-up that holds one is the window menu.
const UINT kWindowCmdFirst = 0xE130;
const UINT kWindowCmdLast = 0xE13F;

CWnd* WndOrNull(HWND hWnd)
{
    return hWnd != NULL ? CWnd::FromHandle(hWnd) : NULL;
}
} // namespace

/////////////////////////////////////////////////////////////////////////////
// CMDIFrameWnd

BEGIN_MESSAGE_MAP(CMDIFrameWnd, CFrameWnd)
ON_WM_SIZE()
ON_COMMAND_EX(ID_WINDOW_ARRANGE, OnMDIWindowCmd)
ON_COMMAND_EX(ID_WINDOW_CASCADE, OnMDIWindowCmd)
ON_COMMAND_EX(ID_WINDOW_TILE_HORZ, OnMDIWindowCmd)
ON_COMMAND_EX(ID_WINDOW_TILE_VERT, OnMDIWindowCmd)
ON_UPDATE_COMMAND_UI(ID_WINDOW_ARRANGE, OnUpdateMDIWindowCmd)
ON_UPDATE_COMMAND_UI(ID_WINDOW_CASCADE, OnUpdateMDIWindowCmd)
ON_UPDATE_COMMAND_UI(ID_WINDOW_TILE_HORZ, OnUpdateMDIWindowCmd)
ON_UPDATE_COMMAND_UI(ID_WINDOW_TILE_VERT, OnUpdateMDIWindowCmd)
END_MESSAGE_MAP()

CMDIFrameWnd::CMDIFrameWnd() : m_hWndMDIClient(NULL) {}

BOOL CMDIFrameWnd::PreCreateWindow(CREATESTRUCT& cs)
{
    // The client covers the frame's client area: the frame itself paints nothing there.
    if (cs.lpszClass == NULL)
    {
        AfxEndDeferRegisterClass(AFX_WNDMDIFRAME);
        cs.lpszClass = AFX_WNDMDIFRAME;
    }
    return CFrameWnd::PreCreateWindow(cs);
}

BOOL CMDIFrameWnd::OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext*)
{
    // The frame's default menu is set only once the window exists: take the one it is made with.
    HMENU hMenu = m_hMenuDefault;
    if (hMenu == NULL && lpcs != NULL && lpcs->hMenu != NULL && ::IsMenu(lpcs->hMenu))
        hMenu = lpcs->hMenu;
    if (hMenu == NULL)
        hMenu = ::GetMenu(m_hWnd);
    HMENU hWindowMenu = GetWindowMenuPopup(hMenu);
    return CreateClient(lpcs, hWindowMenu != NULL ? AfxMenuFromHandle(hWindowMenu) : NULL);
}

BOOL CMDIFrameWnd::CreateClient(LPCREATESTRUCT, CMenu* pWindowMenu)
{
    CLIENTCREATESTRUCT ccs;
    ccs.hWindowMenu = pWindowMenu != NULL ? AfxMenuHandle(pWindowMenu) : NULL;
    ccs.idFirstChild = AFX_IDM_FIRST_MDICHILD;
    const DWORD dwStyle = WS_VISIBLE | WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS | WS_HSCROLL |
                          WS_VSCROLL | MDIS_ALLCHILDSTYLES;
    m_hWndMDIClient = ::CreateWindowEx(WS_EX_CLIENTEDGE, _T("MDICLIENT"), NULL, dwStyle, 0, 0, 0, 0, m_hWnd,
                                       (HMENU)(UINT_PTR)AFX_IDW_PANE_FIRST, AfxGetInstanceHandle(), &ccs);
    if (m_hWndMDIClient == NULL)
        return FALSE;
    // Below the bars, which are laid out around it.
    ::SetWindowPos(m_hWndMDIClient, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOACTIVATE | SWP_NOMOVE | SWP_NOSIZE);
    return TRUE;
}

HMENU CMDIFrameWnd::GetWindowMenuPopup(HMENU hMenuBar)
{
    if (hMenuBar == NULL || !::IsMenu(hMenuBar))
        return NULL;
    // The window menu usually stands near the end: look from the right.
    for (int iItem = ::GetMenuItemCount(hMenuBar) - 1; iItem >= 0; iItem--)
    {
        HMENU hPopup = ::GetSubMenu(hMenuBar, iItem);
        if (hPopup == NULL)
            continue;
        const int nCount = ::GetMenuItemCount(hPopup);
        for (int i = 0; i < nCount; i++)
        {
            UINT nID = ::GetMenuItemID(hPopup, i);
            if (nID >= kWindowCmdFirst && nID <= kWindowCmdLast)
                return hPopup;
        }
    }
    return NULL;
}

LRESULT CMDIFrameWnd::DefWindowProc(UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    return ::DefFrameProc(m_hWnd, m_hWndMDIClient, nMsg, wParam, lParam);
}

void CMDIFrameWnd::OnSize(UINT nType, int, int)
{
    // Not the default: it would give the client the whole area, bars and all.
    if (nType != SIZE_MINIMIZED)
        RecalcLayout();
}

CMDIChildWnd* CMDIFrameWnd::MDIGetActive(BOOL* pbMaximized) const
{
    BOOL bMaximized = FALSE;
    HWND hWnd = m_hWndMDIClient != NULL
                    ? (HWND)::SendMessage(m_hWndMDIClient, WM_MDIGETACTIVE, 0, (LPARAM)&bMaximized)
                    : NULL;
    CMDIChildWnd* pChild = DYNAMIC_DOWNCAST(CMDIChildWnd, CWnd::FromHandlePermanent(hWnd));
    if (pbMaximized != NULL)
        *pbMaximized = pChild != NULL && bMaximized;
    return pChild;
}

void CMDIFrameWnd::MDIActivate(CWnd* pWndActivate)
{
    if (pWndActivate != NULL && pWndActivate->GetSafeHwnd() != NULL)
        ::SendMessage(m_hWndMDIClient, WM_MDIACTIVATE, (WPARAM)pWndActivate->GetSafeHwnd(), 0);
}

void CMDIFrameWnd::MDIIconArrange()
{
    ::SendMessage(m_hWndMDIClient, WM_MDIICONARRANGE, 0, 0);
}

void CMDIFrameWnd::MDIMaximize(CWnd* pWnd)
{
    if (pWnd != NULL && pWnd->GetSafeHwnd() != NULL)
        ::SendMessage(m_hWndMDIClient, WM_MDIMAXIMIZE, (WPARAM)pWnd->GetSafeHwnd(), 0);
}

void CMDIFrameWnd::MDINext()
{
    ::SendMessage(m_hWndMDIClient, WM_MDINEXT, 0, 0);
}

void CMDIFrameWnd::MDIPrev()
{
    ::SendMessage(m_hWndMDIClient, WM_MDINEXT, 0, 1);
}

void CMDIFrameWnd::MDIRestore(CWnd* pWnd)
{
    if (pWnd != NULL && pWnd->GetSafeHwnd() != NULL)
        ::SendMessage(m_hWndMDIClient, WM_MDIRESTORE, (WPARAM)pWnd->GetSafeHwnd(), 0);
}

HMENU CMDIFrameWnd::MDISetMenu(HMENU hFrameMenu, HMENU hWindowMenu)
{
    HMENU hOld =
        (HMENU)::SendMessage(m_hWndMDIClient, WM_MDISETMENU, (WPARAM)hFrameMenu, (LPARAM)hWindowMenu);
    ::DrawMenuBar(m_hWnd);
    return hOld;
}

CMenu* CMDIFrameWnd::MDISetMenu(CMenu* pFrameMenu, CMenu* pWindowMenu)
{
    HMENU hOld = MDISetMenu(pFrameMenu != NULL ? AfxMenuHandle(pFrameMenu) : NULL,
                            pWindowMenu != NULL ? AfxMenuHandle(pWindowMenu) : NULL);
    return hOld != NULL ? AfxMenuFromHandle(hOld) : NULL;
}

void CMDIFrameWnd::MDITile()
{
    ::SendMessage(m_hWndMDIClient, WM_MDITILE, 0, 0);
}

void CMDIFrameWnd::MDITile(int nType)
{
    ::SendMessage(m_hWndMDIClient, WM_MDITILE, (WPARAM)nType, 0);
}

void CMDIFrameWnd::MDICascade()
{
    ::SendMessage(m_hWndMDIClient, WM_MDICASCADE, 0, 0);
}

void CMDIFrameWnd::MDICascade(int nType)
{
    ::SendMessage(m_hWndMDIClient, WM_MDICASCADE, (WPARAM)nType, 0);
}

BOOL CMDIFrameWnd::OnMDIWindowCmd(UINT nID)
{
    switch (nID)
    {
    case ID_WINDOW_ARRANGE:
        MDIIconArrange();
        return TRUE;
    case ID_WINDOW_CASCADE:
        MDICascade();
        return TRUE;
    case ID_WINDOW_TILE_HORZ:
        MDITile(MDITILE_HORIZONTAL);
        return TRUE;
    case ID_WINDOW_TILE_VERT:
        MDITile(MDITILE_VERTICAL);
        return TRUE;
    }
    return FALSE;
}

void CMDIFrameWnd::OnUpdateMDIWindowCmd(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(MDIGetActive() != NULL);
}

CFrameWnd* CMDIFrameWnd::GetActiveFrame()
{
    CMDIChildWnd* pChild = MDIGetActive();
    return pChild != NULL ? (CFrameWnd*)pChild : (CFrameWnd*)this;
}

CDocument* CMDIFrameWnd::GetActiveDocument()
{
    CMDIChildWnd* pChild = MDIGetActive();
    return pChild != NULL ? pChild->GetActiveDocument() : CFrameWnd::GetActiveDocument();
}

BOOL CMDIFrameWnd::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    CMDIChildWnd* pChild = MDIGetActive();
    if (pChild != NULL && pChild->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    return CFrameWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

BOOL CMDIFrameWnd::OnCommand(WPARAM wParam, LPARAM lParam)
{
    // What nobody handles (the children's entries of the window menu, the MDI system commands)
    // goes on to the MDI default processing.
    return CFrameWnd::OnCommand(wParam, lParam);
}

BOOL CMDIFrameWnd::PreTranslateMessage(MSG* pMsg)
{
    if (CWnd::PreTranslateMessage(pMsg))
        return TRUE;
    CMDIChildWnd* pChild = MDIGetActive();
    if (pChild != NULL && pChild->PreTranslateMessage(pMsg))
        return TRUE;
    if (pMsg->message < WM_KEYFIRST || pMsg->message > WM_KEYLAST)
        return FALSE;
    HACCEL hAccel = GetDefaultAccelerator();
    if (hAccel != NULL && ::TranslateAccelerator(m_hWnd, hAccel, pMsg))
        return TRUE;
    // Ctrl+F4, Ctrl+F6 and the children's system menus.
    if ((pMsg->message == WM_KEYDOWN || pMsg->message == WM_SYSKEYDOWN) && m_hWndMDIClient != NULL &&
        ::TranslateMDISysAccel(m_hWndMDIClient, pMsg))
        return TRUE;
    return FALSE;
}

void CMDIFrameWnd::OnUpdateFrameMenu(HMENU hMenuAlt)
{
    CMDIChildWnd* pChild = MDIGetActive();
    if (pChild != NULL)
    {
        pChild->OnUpdateFrameMenu(TRUE, pChild, hMenuAlt);
        return;
    }
    if (hMenuAlt == NULL)
        hMenuAlt = m_hMenuDefault;
    if (m_hWndMDIClient != NULL)
        MDISetMenu(hMenuAlt, GetWindowMenuPopup(hMenuAlt));
}

void CMDIFrameWnd::OnUpdateFrameTitle(BOOL bAddToTitle)
{
    if ((GetStyle() & FWS_ADDTOTITLE) == 0)
        return;
    CMDIChildWnd* pChild = MDIGetActive();
    CDocument* pDoc = pChild != NULL ? pChild->GetActiveDocument() : NULL;
    UpdateFrameTitleForDocument(bAddToTitle && pDoc != NULL ? (LPCTSTR)pDoc->GetTitle() : NULL);
}

/////////////////////////////////////////////////////////////////////////////
// CMDIChildWnd

BEGIN_MESSAGE_MAP(CMDIChildWnd, CFrameWnd)
ON_MESSAGE(WM_MDIACTIVATE, OnMDIActivateMsg)
ON_WM_CLOSE()
END_MESSAGE_MAP()

CMDIChildWnd::CMDIChildWnd() : m_hMenuShared(NULL) {}

BOOL CMDIChildWnd::PreCreateWindow(CREATESTRUCT& cs)
{
    cs.style |= WS_CHILD;
    return CFrameWnd::PreCreateWindow(cs);
}

BOOL CMDIChildWnd::Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                          CMDIFrameWnd* pParentWnd, CCreateContext* pContext)
{
    if (pParentWnd == NULL)
        pParentWnd = DYNAMIC_DOWNCAST(CMDIFrameWnd, AfxGetMainWnd());
    if (pParentWnd == NULL || pParentWnd->m_hWndMDIClient == NULL)
    {
        PostNcDestroy();
        return FALSE;
    }
    m_strTitle = lpszWindowName != NULL ? lpszWindowName : _T("");

    CREATESTRUCT cs = {};
    cs.style = dwStyle;
    cs.lpszClass = lpszClassName;
    cs.lpszName = lpszWindowName;
    cs.hwndParent = pParentWnd->m_hWndMDIClient;
    cs.hInstance = AfxGetInstanceHandle();
    cs.lpCreateParams = pContext;
    if (rect.left == CW_USEDEFAULT)
        cs.x = cs.y = cs.cx = cs.cy = CW_USEDEFAULT;
    else
    {
        cs.x = rect.left;
        cs.y = rect.top;
        cs.cx = rect.right - rect.left;
        cs.cy = rect.bottom - rect.top;
    }
    if (!PreCreateWindow(cs))
    {
        PostNcDestroy();
        return FALSE;
    }

    // The client makes the window; the creation hook attaches this object to it all the same.
    MDICREATESTRUCT mcs;
    mcs.szClass = cs.lpszClass;
    mcs.szTitle = cs.lpszName;
    mcs.hOwner = cs.hInstance;
    mcs.x = cs.x;
    mcs.y = cs.y;
    mcs.cx = cs.cx;
    mcs.cy = cs.cy;
    mcs.style = cs.style & ~WS_CHILD;
    mcs.lParam = (LPARAM)cs.lpCreateParams;
    AfxHookWindowCreate(this);
    HWND hWnd = (HWND)::SendMessage(pParentWnd->m_hWndMDIClient, WM_MDICREATE, 0, (LPARAM)&mcs);
    if (!AfxUnhookWindowCreate())
        PostNcDestroy(); // never attached
    return hWnd != NULL;
}

BOOL CMDIChildWnd::LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd,
                             CCreateContext* pContext)
{
    m_nIDHelp = nIDResource;
    CString strFullString;
    if (strFullString.LoadString(nIDResource))
        AfxExtractSubString(m_strTitle, strFullString, 0, '\n');
    HINSTANCE hInst = AfxFindResourceHandle(MAKEINTRESOURCE(nIDResource), RT_GROUP_ICON);
    HICON hIcon = ::LoadIcon(hInst, MAKEINTRESOURCE(nIDResource));
    LPCTSTR lpszClass = NULL;
    if (hIcon != NULL)
        lpszClass =
            AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursor(NULL, IDC_ARROW), (HBRUSH)(COLOR_WINDOW + 1), hIcon);
    // A child shares its template's menu and accelerators; it owns neither.
    if (pContext != NULL && pContext->m_pNewDocTemplate != NULL)
    {
        m_hMenuShared = pContext->m_pNewDocTemplate->m_hMenuShared;
        m_hAccelTable = pContext->m_pNewDocTemplate->m_hAccelTable;
    }
    CString strTitle = m_strTitle;
    return Create(lpszClass, strTitle, dwDefaultStyle, rectDefault,
                  DYNAMIC_DOWNCAST(CMDIFrameWnd, pParentWnd), pContext);
}

CMDIFrameWnd* CMDIChildWnd::GetMDIFrame()
{
    // The child's parent is the MDI client, whose parent is the frame.
    HWND hClient = m_hWnd != NULL ? ::GetParent(m_hWnd) : NULL;
    HWND hFrame = hClient != NULL ? ::GetParent(hClient) : NULL;
    return DYNAMIC_DOWNCAST(CMDIFrameWnd, CWnd::FromHandlePermanent(hFrame));
}

LRESULT CMDIChildWnd::DefWindowProc(UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    return ::DefMDIChildProc(m_hWnd, nMsg, wParam, lParam);
}

BOOL CMDIChildWnd::DestroyWindow()
{
    // The client must hear of it, or it keeps the child in its window menu and as active.
    if (m_hWnd == NULL)
        return FALSE;
    MDIDestroy();
    return TRUE;
}

void CMDIChildWnd::MDIDestroy()
{
    HWND hClient = m_hWnd != NULL ? ::GetParent(m_hWnd) : NULL;
    if (hClient != NULL)
        ::SendMessage(hClient, WM_MDIDESTROY, (WPARAM)m_hWnd, 0);
}

void CMDIChildWnd::MDIActivate()
{
    HWND hClient = m_hWnd != NULL ? ::GetParent(m_hWnd) : NULL;
    if (hClient != NULL)
        ::SendMessage(hClient, WM_MDIACTIVATE, (WPARAM)m_hWnd, 0);
}

void CMDIChildWnd::MDIMaximize()
{
    HWND hClient = m_hWnd != NULL ? ::GetParent(m_hWnd) : NULL;
    if (hClient != NULL)
        ::SendMessage(hClient, WM_MDIMAXIMIZE, (WPARAM)m_hWnd, 0);
}

void CMDIChildWnd::MDIRestore()
{
    HWND hClient = m_hWnd != NULL ? ::GetParent(m_hWnd) : NULL;
    if (hClient != NULL)
        ::SendMessage(hClient, WM_MDIRESTORE, (WPARAM)m_hWnd, 0);
}

BOOL CMDIChildWnd::PreTranslateMessage(MSG* pMsg)
{
    if (CWnd::PreTranslateMessage(pMsg))
        return TRUE;
    // A child's accelerators run in its frame's name: a child has no menu of its own.
    if (pMsg->message >= WM_KEYFIRST && pMsg->message <= WM_KEYLAST)
    {
        HACCEL hAccel = GetDefaultAccelerator();
        CMDIFrameWnd* pFrame = GetMDIFrame();
        return hAccel != NULL && pFrame != NULL && ::TranslateAccelerator(pFrame->m_hWnd, hAccel, pMsg);
    }
    return FALSE;
}

LRESULT CMDIChildWnd::OnMDIActivateMsg(WPARAM wParam, LPARAM lParam)
{
    LRESULT lResult = Default();
    HWND hActivate = (HWND)lParam;
    OnMDIActivate(hActivate == m_hWnd, WndOrNull(hActivate), WndOrNull((HWND)wParam));
    return lResult;
}

void CMDIChildWnd::OnMDIActivate(BOOL bActivate, CWnd* pActivateWnd, CWnd*)
{
    CView* pView = GetActiveView();
    if (!bActivate && pView != NULL)
        pView->OnActivateView(FALSE, pView, pView);
    OnUpdateFrameTitle(bActivate || pActivateWnd != NULL);
    CMDIFrameWnd* pFrame = GetMDIFrame();
    if (bActivate && pView != NULL && pFrame != NULL && ::GetActiveWindow() == pFrame->m_hWnd)
        pView->OnActivateView(TRUE, pView, pView);
    OnUpdateFrameMenu(bActivate, pActivateWnd, NULL);
    if (pFrame != NULL)
        ::DrawMenuBar(pFrame->m_hWnd);
}

void CMDIChildWnd::OnUpdateFrameMenu(BOOL bActivate, CWnd* pActivateWnd, HMENU hMenuAlt)
{
    CMDIFrameWnd* pFrame = GetMDIFrame();
    if (pFrame == NULL)
        return;
    if (hMenuAlt == NULL)
        hMenuAlt = m_hMenuShared;
    if (hMenuAlt != NULL && bActivate)
        pFrame->MDISetMenu(hMenuAlt, pFrame->GetWindowMenuPopup(hMenuAlt));
    else if (hMenuAlt != NULL && !bActivate && pActivateWnd == NULL)
        pFrame->MDISetMenu(pFrame->m_hMenuDefault, pFrame->GetWindowMenuPopup(pFrame->m_hMenuDefault));
    else if (pFrame->m_hWndMDIClient != NULL)
        ::SendMessage(pFrame->m_hWndMDIClient, WM_MDIREFRESHMENU, 0, 0); // the window list only
}

void CMDIChildWnd::OnUpdateFrameTitle(BOOL bAddToTitle)
{
    CMDIFrameWnd* pFrame = GetMDIFrame();
    if (pFrame != NULL)
        pFrame->OnUpdateFrameTitle(bAddToTitle);
    if ((GetStyle() & FWS_ADDTOTITLE) == 0)
        return;
    CDocument* pDoc = GetActiveDocument();
    if (pDoc == NULL)
        return;
    CString strOld;
    GetWindowText(strOld);
    if (strOld != pDoc->GetTitle())
        SetWindowText(pDoc->GetTitle());
}

void CMDIChildWnd::OnClose()
{
    // The last frame of a modified document asks first.
    CDocument* pDoc = GetActiveDocument();
    if (pDoc != NULL && !pDoc->CanCloseFrame(this))
        return;
    MDIDestroy();
}
