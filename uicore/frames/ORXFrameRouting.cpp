// What the framework's frame windows share in their pre-translation, commands, activation and
// menus; each frame calls it with its own helper.
#include "ORXFrameImpl.h"

#include "ORXCmdUsage.h"
#include "ORXExtrasHooks.h"
#include "ORXMenuBar.h"
#include "ORXPopupMenu.h"
#include "ORXToolBar.h"
#include "ORXUserToolsManager.h"

#include <windowsx.h>

namespace
{
BOOL IsLivePopup(CORXPopupMenu* pMenu)
{
    return pMenu != NULL && ::IsWindow(pMenu->GetSafeHwnd());
}

BOOL IsMouseButton(UINT nMsg, BOOL bInPlace)
{
    switch (nMsg)
    {
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
        return TRUE;
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDBLCLK:
        return bInPlace;
    }
    return FALSE;
}
} // namespace

int CORXFrameRouting::PreTranslate(CFrameWnd* pFrame, CORXFrameImpl& impl, MSG* pMsg, BOOL bInPlace)
{
    CORXPopupMenu* pActive = CORXPopupMenu::GetActiveMenu();
    switch (pMsg->message)
    {
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONUP:
    case WM_NCRBUTTONDOWN:
    case WM_NCRBUTTONUP:
    case WM_NCMBUTTONDOWN:
    case WM_NCMBUTTONUP: {
        CPoint pt(GET_X_LPARAM(pMsg->lParam), GET_Y_LPARAM(pMsg->lParam));
        return impl.ProcessMouseClick(pMsg->message, pt, pMsg->hwnd) ? routeTaken : routeContinue;
    }
    case WM_KEYDOWN: {
        if (CORXFrameImpl::IsHelpKey(pMsg))
            return routeContinue;
        BOOL bProcessAccel = TRUE;
        if (impl.ProcessKeyboard((int)pMsg->wParam, bInPlace ? NULL : &bProcessAccel))
            return routeTaken;
        return bProcessAccel ? routeContinue : routeRefused;
    }
    case WM_SYSKEYDOWN:
    case WM_CONTEXTMENU:
        if (bInPlace)
            return routeContinue;
        if (IsLivePopup(pActive) && pMsg->wParam == VK_MENU)
        {
            pActive->SendMessage(WM_CLOSE);
            return routeTaken;
        }
        return impl.ProcessKeyboard((int)pMsg->wParam) ? routeTaken : routeContinue;
    case WM_SYSKEYUP: {
        if (bInPlace)
            return routeContinue;
        CORXMenuBar* pMenuBar = impl.GetMenuBar();
        if (pMsg->wParam == VK_MENU && pMenuBar != NULL && ::IsWindow(pMenuBar->GetSafeHwnd()))
        {
            if (::GetFocus() == pMenuBar->GetSafeHwnd())
                pFrame->SetFocus();
            else
                pMenuBar->SetFocus();
            return routeTaken;
        }
        return IsLivePopup(pActive) ? routeTaken : routeContinue;
    }
    case WM_MOUSEMOVE: {
        CPoint pt(GET_X_LPARAM(pMsg->lParam), GET_Y_LPARAM(pMsg->lParam));
        ::ClientToScreen(pMsg->hwnd, &pt);
        return impl.IsPointOutsidePopupMenu(pt) ? routeTaken : routeContinue;
    }
    }
    if (!IsMouseButton(pMsg->message, bInPlace))
        return routeContinue;

    HWND hWnd = pMsg->hwnd;
    if (!::IsWindow(hWnd))
        return routeTaken;
    CPoint pt(GET_X_LPARAM(pMsg->lParam), GET_Y_LPARAM(pMsg->lParam));
    ::ClientToScreen(hWnd, &pt);
    if (impl.ProcessMouseClick(pMsg->message, pt, hWnd) || !::IsWindow(hWnd))
        return routeTaken;
    if (pMsg->message == WM_RBUTTONUP && !CORXToolBar::IsCustomizeMode() &&
        DYNAMIC_DOWNCAST(CDockBar, CWnd::FromHandlePermanent(hWnd)) != NULL)
        pFrame->SendMessage(ORX_WM_TOOLBAR_POPUPMENU, (WPARAM)pFrame->GetSafeHwnd(), MAKELPARAM(pt.x, pt.y));
    return routeContinue;
}

int CORXFrameRouting::OnCommand(CORXFrameImpl& impl, WPARAM wParam)
{
    if (HIWORD(wParam) == 1)
    {
        UINT uiCmd = LOWORD(wParam);
        ORXGetCommandUsage().AddCmd(uiCmd);
        if (IsLivePopup(CORXPopupMenu::GetActiveMenu()) && impl.ProcessKeyboard(VK_ESCAPE))
            return routeTaken;
        CORXUserToolsManager* pTools = ORXUserToolsManager();
        if (pTools != NULL && pTools->InvokeTool(uiCmd))
            return routeTaken;
    }
    return CORXToolBar::IsCustomizeMode() ? routeRefused : routeContinue;
}

BOOL CORXFrameRouting::OnMenuChar(CORXFrameImpl& impl, UINT nChar, LRESULT& lResult)
{
    if (!impl.OnMenuChar(nChar))
        return FALSE;
    lResult = MAKELPARAM(MNC_EXECUTE, -1);
    return TRUE;
}

void CORXFrameRouting::OnActivate(CFrameWnd* pFrame, CORXFrameImpl& impl, UINT nState)
{
    if (nState == WA_INACTIVE)
        impl.DeactivateMenu();
    else if (nState == WA_CLICKACTIVE)
        pFrame->UpdateWindow();
}

void CORXFrameRouting::OnActivateInPlace(CFrameWnd* pFrame, UINT nState, HWND& hWndPrev)
{
    if (nState == WA_ACTIVE || nState == WA_CLICKACTIVE)
    {
        // A frame activated again while it is the current one keeps the one it replaced.
        CFrameWnd* pCurrent = ORXInPlaceFrame();
        if (pCurrent != pFrame)
        {
            hWndPrev = pCurrent != NULL ? pCurrent->GetSafeHwnd() : NULL;
            ORXSetInPlaceFrame(pFrame);
        }
        return;
    }
    if (nState != WA_INACTIVE)
        return;
    CORXPopupMenu* pMenu = CORXPopupMenu::GetActiveMenu();
    if (IsLivePopup(pMenu))
        pMenu->SendMessage(WM_CLOSE);
    if (ORXInPlaceFrame() != pFrame)
        return;
    // The remembered window may have gone (and its handle been given to another window): only a
    // live frame object of that handle is put back.
    CFrameWnd* pPrev = NULL;
    if (hWndPrev != NULL && ::IsWindow(hWndPrev))
        pPrev = DYNAMIC_DOWNCAST(CFrameWnd, CWnd::FromHandlePermanent(hWndPrev));
    ORXSetInPlaceFrame(pPrev);
    hWndPrev = NULL;
}

BOOL CORXFrameRouting::ShowPopupMenu(CORXFrameImpl* pImpl, CORXPopupMenu* pMenu,
                                     BOOL (*pfnFrameAnswer)(CFrameWnd*, CORXPopupMenu*), CFrameWnd* pFrame)
{
    // Asked without a menu: nothing to record and nothing to refuse.
    if (pMenu == NULL)
        return TRUE;
    if (pImpl != NULL && !pImpl->OnShowPopupMenu(pMenu))
        return FALSE;
    if (pMenu->IsShown())
        return TRUE;
    return pFrame != NULL && pfnFrameAnswer != NULL ? pfnFrameAnswer(pFrame, pMenu) : TRUE;
}

void CORXFrameRouting::RemoveFrameMenu(CFrameWnd* pFrame, CORXFrameImpl& impl)
{
    CORXMenuBar* pMenuBar = impl.GetMenuBar();
    if (pMenuBar != NULL && ::IsWindow(pMenuBar->GetSafeHwnd()) && (pMenuBar->GetStyle() & WS_VISIBLE) &&
        ::GetMenu(pFrame->GetSafeHwnd()) != NULL)
        ::SetMenu(pFrame->GetSafeHwnd(), NULL);
}

void CORXFrameRouting::OnContextHelp(CFrameWnd* pFrame, BOOL& bInProgress)
{
    // WinHelp(0) from inside help mode asks for help mode again: it is already running.
    if (bInProgress)
        return;
    bInProgress = TRUE;
    BOOL bBars = !pFrame->m_bHelpMode && pFrame->CanEnterHelpMode();
    if (bBars)
        CORXToolBar::SetHelpMode(TRUE);
    pFrame->CFrameWnd::OnContextHelp();
    if (!pFrame->m_bHelpMode)
        CORXToolBar::SetHelpMode(FALSE);
    bInProgress = FALSE;
}
