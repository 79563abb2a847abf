// The in-place frames: the same routing as the main frames with the in-place differences, and the
// framework's current in-place frame kept across activation.
#include "ORXOleIPFrameWnd.h"

#include "ORXPopupMenu.h"
#include "ORXToolBar.h"

IMPLEMENT_DYNCREATE(CORXOleIPFrameWnd, COleIPFrameWnd)

BEGIN_MESSAGE_MAP(CORXOleIPFrameWnd, COleIPFrameWnd)
ON_WM_MENUCHAR()
ON_WM_ACTIVATE()
ON_WM_CLOSE()
ON_WM_DESTROY()
ON_REGISTERED_MESSAGE(ORX_WM_TOOLBAR_CREATE, OnToolbarCreateNew)
ON_REGISTERED_MESSAGE(ORX_WM_TOOLBAR_DELETE, OnToolbarDelete)
END_MESSAGE_MAP()

CORXOleIPFrameWnd::CORXOleIPFrameWnd()
    : m_Impl(this), m_uiIDResource(0), m_bContextHelp(FALSE), m_hwndLastTopLevelFrame(NULL)
{
}

CORXOleIPFrameWnd::~CORXOleIPFrameWnd()
{
    // A frame that goes while it is the current in-place frame leaves none behind.
    if (g_pORXInPlaceFrame == this)
        g_pORXInPlaceFrame = NULL;
}

BOOL CORXOleIPFrameWnd::AskFrame(CFrameWnd* pFrame, CORXPopupMenu* pMenu)
{
    CORXOleIPFrameWnd* pThis = DYNAMIC_DOWNCAST(CORXOleIPFrameWnd, pFrame);
    return pThis == NULL || pThis->OnShowPopupMenu(pMenu);
}

BOOL CORXOleIPFrameWnd::ShowPopupMenu(CFrameWnd* pFrame, CORXPopupMenu* pMenu)
{
    CORXOleIPFrameWnd* pThis = DYNAMIC_DOWNCAST(CORXOleIPFrameWnd, pFrame);
    return CORXFrameRouting::ShowPopupMenu(pThis != NULL ? &pThis->m_Impl : NULL, pMenu, AskFrame, pFrame);
}

void CORXOleIPFrameWnd::OnClosePopupMenu(CORXPopupMenu* pMenu)
{
    if (pMenu != NULL && CORXPopupMenu::GetActiveMenu() == pMenu)
        CORXPopupMenu::SetActiveMenu(NULL);
}

BOOL CORXOleIPFrameWnd::PreTranslateMessage(MSG* pMsg)
{
    int nRoute = CORXFrameRouting::PreTranslate(this, m_Impl, pMsg, TRUE);
    if (nRoute != CORXFrameRouting::routeContinue)
        return nRoute == CORXFrameRouting::routeTaken;
    return COleIPFrameWnd::PreTranslateMessage(pMsg);
}

BOOL CORXOleIPFrameWnd::PreCreateWindow(CREATESTRUCT& cs)
{
    m_Impl.RestorePosition(cs);
    return COleIPFrameWnd::PreCreateWindow(cs);
}

BOOL CORXOleIPFrameWnd::LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd,
                                  CCreateContext* pContext)
{
    m_uiIDResource = nIDResource;
    return COleIPFrameWnd::LoadFrame(nIDResource, dwDefaultStyle, pParentWnd, pContext);
}

BOOL CORXOleIPFrameWnd::WinHelp(DWORD_PTR dwData, UINT nCmd)
{
    if (dwData == 0 && m_bContextHelp)
    {
        OnContextHelp();
        return TRUE;
    }
    return COleIPFrameWnd::WinHelp(dwData, nCmd);
}

void CORXOleIPFrameWnd::OnContextHelp()
{
    CORXFrameRouting::OnContextHelp(this, m_bContextHelp);
}

BOOL CORXOleIPFrameWnd::OnCommand(WPARAM wParam, LPARAM lParam)
{
    int nRoute = CORXFrameRouting::OnCommand(m_Impl, wParam);
    if (nRoute != CORXFrameRouting::routeContinue)
        return nRoute == CORXFrameRouting::routeTaken;
    return COleIPFrameWnd::OnCommand(wParam, lParam);
}

LRESULT CORXOleIPFrameWnd::OnMenuChar(UINT nChar, UINT nFlags, CMenu* pMenu)
{
    LRESULT lResult = 0;
    if (CORXFrameRouting::OnMenuChar(m_Impl, nChar, lResult))
        return lResult;
    return COleIPFrameWnd::OnMenuChar(nChar, nFlags, pMenu);
}

void CORXOleIPFrameWnd::OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized)
{
    COleIPFrameWnd::OnActivate(nState, pWndOther, bMinimized);
    CORXFrameRouting::OnActivate(this, m_Impl, nState);
    CORXFrameRouting::OnActivateInPlace(this, nState, m_hwndLastTopLevelFrame);
}

void CORXOleIPFrameWnd::OnClose()
{
    m_Impl.OnCloseFrame();
    COleIPFrameWnd::OnClose();
}

void CORXOleIPFrameWnd::OnDestroy()
{
    if (m_hAccelTable != NULL)
    {
        if (m_bAccelTableBuilt)
            ::DestroyAcceleratorTable(m_hAccelTable);
        m_hAccelTable = NULL;
        m_bAccelTableBuilt = FALSE;
    }
    if (g_pORXInPlaceFrame == this)
        CORXFrameRouting::OnActivateInPlace(this, WA_INACTIVE, m_hwndLastTopLevelFrame);
    COleIPFrameWnd::OnDestroy();
}

LRESULT CORXOleIPFrameWnd::OnToolbarCreateNew(WPARAM, LPARAM lParam)
{
    return (LRESULT)m_Impl.CreateNewToolBar((LPCTSTR)lParam);
}

LRESULT CORXOleIPFrameWnd::OnToolbarDelete(WPARAM, LPARAM lParam)
{
    return m_Impl.DeleteToolBar((CORXToolBar*)lParam);
}

IMPLEMENT_DYNCREATE(CORXOleDocIPFrameWnd, COleDocIPFrameWnd)

BEGIN_MESSAGE_MAP(CORXOleDocIPFrameWnd, COleDocIPFrameWnd)
ON_WM_MENUCHAR()
ON_WM_ACTIVATE()
ON_WM_CLOSE()
ON_WM_DESTROY()
ON_REGISTERED_MESSAGE(ORX_WM_TOOLBAR_CREATE, OnToolbarCreateNew)
ON_REGISTERED_MESSAGE(ORX_WM_TOOLBAR_DELETE, OnToolbarDelete)
END_MESSAGE_MAP()

CORXOleDocIPFrameWnd::CORXOleDocIPFrameWnd()
    : m_Impl(this), m_uiIDResource(0), m_bContextHelp(FALSE), m_hwndLastTopLevelFrame(NULL)
{
}

CORXOleDocIPFrameWnd::~CORXOleDocIPFrameWnd()
{
    // A frame that goes while it is the current in-place frame leaves none behind.
    if (g_pORXInPlaceFrame == this)
        g_pORXInPlaceFrame = NULL;
}

BOOL CORXOleDocIPFrameWnd::AskFrame(CFrameWnd* pFrame, CORXPopupMenu* pMenu)
{
    CORXOleDocIPFrameWnd* pThis = DYNAMIC_DOWNCAST(CORXOleDocIPFrameWnd, pFrame);
    return pThis == NULL || pThis->OnShowPopupMenu(pMenu);
}

BOOL CORXOleDocIPFrameWnd::ShowPopupMenu(CFrameWnd* pFrame, CORXPopupMenu* pMenu)
{
    CORXOleDocIPFrameWnd* pThis = DYNAMIC_DOWNCAST(CORXOleDocIPFrameWnd, pFrame);
    return CORXFrameRouting::ShowPopupMenu(pThis != NULL ? &pThis->m_Impl : NULL, pMenu, AskFrame, pFrame);
}

void CORXOleDocIPFrameWnd::OnClosePopupMenu(CORXPopupMenu* pMenu)
{
    if (pMenu != NULL && CORXPopupMenu::GetActiveMenu() == pMenu)
        CORXPopupMenu::SetActiveMenu(NULL);
}

BOOL CORXOleDocIPFrameWnd::PreTranslateMessage(MSG* pMsg)
{
    int nRoute = CORXFrameRouting::PreTranslate(this, m_Impl, pMsg, TRUE);
    if (nRoute != CORXFrameRouting::routeContinue)
        return nRoute == CORXFrameRouting::routeTaken;
    return COleDocIPFrameWnd::PreTranslateMessage(pMsg);
}

BOOL CORXOleDocIPFrameWnd::PreCreateWindow(CREATESTRUCT& cs)
{
    m_Impl.RestorePosition(cs);
    return COleDocIPFrameWnd::PreCreateWindow(cs);
}

BOOL CORXOleDocIPFrameWnd::LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd,
                                     CCreateContext* pContext)
{
    m_uiIDResource = nIDResource;
    return COleDocIPFrameWnd::LoadFrame(nIDResource, dwDefaultStyle, pParentWnd, pContext);
}

BOOL CORXOleDocIPFrameWnd::WinHelp(DWORD_PTR dwData, UINT nCmd)
{
    if (dwData == 0 && m_bContextHelp)
    {
        OnContextHelp();
        return TRUE;
    }
    return COleDocIPFrameWnd::WinHelp(dwData, nCmd);
}

void CORXOleDocIPFrameWnd::OnContextHelp()
{
    CORXFrameRouting::OnContextHelp(this, m_bContextHelp);
}

BOOL CORXOleDocIPFrameWnd::OnCommand(WPARAM wParam, LPARAM lParam)
{
    int nRoute = CORXFrameRouting::OnCommand(m_Impl, wParam);
    if (nRoute != CORXFrameRouting::routeContinue)
        return nRoute == CORXFrameRouting::routeTaken;
    return COleDocIPFrameWnd::OnCommand(wParam, lParam);
}

LRESULT CORXOleDocIPFrameWnd::OnMenuChar(UINT nChar, UINT nFlags, CMenu* pMenu)
{
    LRESULT lResult = 0;
    if (CORXFrameRouting::OnMenuChar(m_Impl, nChar, lResult))
        return lResult;
    return COleDocIPFrameWnd::OnMenuChar(nChar, nFlags, pMenu);
}

void CORXOleDocIPFrameWnd::OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized)
{
    COleDocIPFrameWnd::OnActivate(nState, pWndOther, bMinimized);
    CORXFrameRouting::OnActivate(this, m_Impl, nState);
    CORXFrameRouting::OnActivateInPlace(this, nState, m_hwndLastTopLevelFrame);
}

void CORXOleDocIPFrameWnd::OnClose()
{
    m_Impl.OnCloseFrame();
    COleDocIPFrameWnd::OnClose();
}

void CORXOleDocIPFrameWnd::OnDestroy()
{
    if (m_hAccelTable != NULL)
    {
        if (m_bAccelTableBuilt)
            ::DestroyAcceleratorTable(m_hAccelTable);
        m_hAccelTable = NULL;
        m_bAccelTableBuilt = FALSE;
    }
    if (g_pORXInPlaceFrame == this)
        CORXFrameRouting::OnActivateInPlace(this, WA_INACTIVE, m_hwndLastTopLevelFrame);
    COleDocIPFrameWnd::OnDestroy();
}

LRESULT CORXOleDocIPFrameWnd::OnToolbarCreateNew(WPARAM, LPARAM lParam)
{
    return (LRESULT)m_Impl.CreateNewToolBar((LPCTSTR)lParam);
}

LRESULT CORXOleDocIPFrameWnd::OnToolbarDelete(WPARAM, LPARAM lParam)
{
    return m_Impl.DeleteToolBar((CORXToolBar*)lParam);
}
