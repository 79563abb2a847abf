// CORXFrameWnd: a frame window that routes through its frame helper.
#include "ORXFrameWnd.h"

#include "ORXPopupMenu.h"
#include "ORXToolBar.h"

#include <windowsx.h>

IMPLEMENT_DYNCREATE(CORXFrameWnd, CFrameWnd)

BEGIN_MESSAGE_MAP(CORXFrameWnd, CFrameWnd)
ON_WM_CLOSE()
ON_REGISTERED_MESSAGE(ORX_WM_TOOLBAR_CREATE, OnToolbarCreateNew)
ON_REGISTERED_MESSAGE(ORX_WM_TOOLBAR_DELETE, OnToolbarDelete)
END_MESSAGE_MAP()

CORXFrameWnd::CORXFrameWnd() : m_Impl(this) {}

CORXFrameWnd::~CORXFrameWnd() {}

BOOL CORXFrameWnd::PreTranslateMessage(MSG* pMsg)
{
    switch (pMsg->message)
    {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN: {
        if (CORXFrameImpl::IsHelpKey(pMsg))
            break;
        BOOL bProcessAccel = TRUE;
        if (m_Impl.ProcessKeyboard((int)pMsg->wParam, &bProcessAccel))
            return TRUE;
        if (!bProcessAccel)
            return FALSE;
        break;
    }
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN: {
        CPoint pt(GET_X_LPARAM(pMsg->lParam), GET_Y_LPARAM(pMsg->lParam));
        ::ClientToScreen(pMsg->hwnd, &pt);
        HWND hWnd = pMsg->hwnd;
        if (m_Impl.ProcessMouseClick(pMsg->message, pt, hWnd) || !::IsWindow(hWnd))
            return TRUE;
        break;
    }
    case WM_NCLBUTTONDOWN:
    case WM_NCRBUTTONDOWN:
    case WM_NCMBUTTONDOWN: {
        CPoint pt(GET_X_LPARAM(pMsg->lParam), GET_Y_LPARAM(pMsg->lParam));
        if (m_Impl.ProcessMouseClick(pMsg->message, pt, pMsg->hwnd))
            return TRUE;
        break;
    }
    }
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
    if (!CFrameWnd::LoadFrame(nIDResource, dwDefaultStyle, pParentWnd, pContext))
        return FALSE;
    m_Impl.OnLoadFrame();
    return TRUE;
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
