// CORXFrameWnd: a frame window that routes through its frame helper.
#include "ORXFrameWnd.h"

#include "ORXPopupMenu.h"
#include "ORXToolBar.h"

IMPLEMENT_DYNCREATE(CORXFrameWnd, CFrameWnd)

BEGIN_MESSAGE_MAP(CORXFrameWnd, CFrameWnd)
ON_WM_CLOSE()
ON_WM_DESTROY()
ON_WM_MENUCHAR()
ON_WM_ACTIVATE()
ON_REGISTERED_MESSAGE(ORX_WM_TOOLBAR_CREATE, OnToolbarCreateNew)
ON_REGISTERED_MESSAGE(ORX_WM_TOOLBAR_DELETE, OnToolbarDelete)
END_MESSAGE_MAP()

CORXFrameWnd::CORXFrameWnd() : CORXFrameHooks(this), m_Impl(this), m_uiIDResource(0), m_bContextHelp(FALSE) {}

CORXFrameWnd::~CORXFrameWnd() {}

void* CORXFrameWnd::OfferFrameInterface(const std::type_info& iface)
{
    void* pOwn = ORXOfferOwn<CORXFrameHooks>(this, iface);
    return pOwn != NULL ? pOwn : CORXFrameImplHolder::OfferFrameInterface(iface);
}

BOOL CORXFrameWnd::AskFrame(CFrameWnd* pFrame, CORXPopupMenu* pMenu)
{
    CORXFrameWnd* pThis = DYNAMIC_DOWNCAST(CORXFrameWnd, pFrame);
    return pThis == NULL || pThis->OnShowPopupMenu(pMenu);
}

BOOL CORXFrameWnd::ShowPopupMenu(CFrameWnd* pFrame, CORXPopupMenu* pMenu)
{
    CORXFrameWnd* pThis = DYNAMIC_DOWNCAST(CORXFrameWnd, pFrame);
    return CORXFrameRouting::ShowPopupMenu(pThis != NULL ? &pThis->m_Impl : NULL, pMenu, AskFrame, pFrame);
}

void CORXFrameWnd::OnClosePopupMenu(CORXPopupMenu* pMenu)
{
    if (pMenu != NULL && CORXPopupMenu::GetActiveMenu() == pMenu)
        CORXPopupMenu::SetActiveMenu(NULL);
}

BOOL CORXFrameWnd::PreTranslateMessage(MSG* pMsg)
{
    int nRoute = CORXFrameRouting::PreTranslate(this, m_Impl, pMsg, FALSE);
    if (nRoute != CORXFrameRouting::routeContinue)
        return nRoute == CORXFrameRouting::routeTaken;
    return CFrameWnd::PreTranslateMessage(pMsg);
}

BOOL CORXFrameWnd::PreCreateWindow(CREATESTRUCT& cs)
{
    m_Impl.RestorePosition(cs);
    return CFrameWnd::PreCreateWindow(cs);
}

BOOL CORXFrameWnd::LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd,
                             CCreateContext* pContext)
{
    m_uiIDResource = nIDResource;
    if (!CFrameWnd::LoadFrame(nIDResource, dwDefaultStyle, pParentWnd, pContext))
        return FALSE;
    m_Impl.OnLoadFrame();
    return TRUE;
}

BOOL CORXFrameWnd::WinHelp(DWORD_PTR dwData, UINT nCmd)
{
    if (dwData == 0 && m_bContextHelp)
    {
        OnContextHelp();
        return TRUE;
    }
    return CFrameWnd::WinHelp(dwData, nCmd);
}

void CORXFrameWnd::OnContextHelp()
{
    CORXFrameRouting::OnContextHelp(this, m_bContextHelp);
}

BOOL CORXFrameWnd::OnCommand(WPARAM wParam, LPARAM lParam)
{
    int nRoute = CORXFrameRouting::OnCommand(m_Impl, wParam);
    if (nRoute != CORXFrameRouting::routeContinue)
        return nRoute == CORXFrameRouting::routeTaken;
    return CFrameWnd::OnCommand(wParam, lParam);
}

void CORXFrameWnd::OnUpdateFrameMenu(HMENU hMenuAlt)
{
    CFrameWnd::OnUpdateFrameMenu(hMenuAlt);
    CORXFrameRouting::RemoveFrameMenu(this, m_Impl);
}

LRESULT CORXFrameWnd::OnMenuChar(UINT nChar, UINT nFlags, CMenu* pMenu)
{
    LRESULT lResult = 0;
    if (CORXFrameRouting::OnMenuChar(m_Impl, nChar, lResult))
        return lResult;
    return CFrameWnd::OnMenuChar(nChar, nFlags, pMenu);
}

void CORXFrameWnd::OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized)
{
    CFrameWnd::OnActivate(nState, pWndOther, bMinimized);
    CORXFrameRouting::OnActivate(this, m_Impl, nState);
}

void CORXFrameWnd::OnDestroy()
{
    if (m_hAccelTable != NULL)
    {
        if (m_bAccelTableBuilt)
            ::DestroyAcceleratorTable(m_hAccelTable);
        m_hAccelTable = NULL;
        m_bAccelTableBuilt = FALSE;
    }
    CFrameWnd::OnDestroy();
}

void CORXFrameWnd::OnClose()
{
    m_Impl.OnCloseFrame();
    CFrameWnd::OnClose();
}

LRESULT CORXFrameWnd::OnToolbarCreateNew(WPARAM, LPARAM lParam)
{
    return (LRESULT)m_Impl.CreateNewToolBar((LPCTSTR)lParam);
}

LRESULT CORXFrameWnd::OnToolbarDelete(WPARAM, LPARAM lParam)
{
    return m_Impl.DeleteToolBar((CORXToolBar*)lParam);
}
