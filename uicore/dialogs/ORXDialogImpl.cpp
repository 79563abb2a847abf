// CORXDialogImpl: key and click routing for the pop-up menus opened from a dialog.
#include "ORXDialogImpl.h"

#include "ORXCmdUsage.h"
#include "ORXExtrasHooks.h"
#include "ORXPopupMenu.h"
#include "ORXToolBar.h"
#include "ORXToolbarMenuButton.h"

#include <afxpriv.h>
#include <windowsx.h>

HHOOK CORXDialogImpl::m_hookMouse = NULL;
CORXDialogImpl* CORXDialogImpl::m_pMenuDlgImpl = NULL;

namespace
{
BOOL IsLiveMenu(CORXPopupMenu* pMenu)
{
    return pMenu != NULL && ::IsWindow(pMenu->GetSafeHwnd());
}

// The dialog that opened a menu: through the bar of the chain's first item, the window that hears
// the menu's commands, or the menu's owner.
CORXDialogImpl* FindMenuDialog(CORXPopupMenu* pMenu)
{
    CORXPopupMenu* pTop = pMenu;
    for (int nDepth = 0; pTop->GetParentPopupMenu() != NULL && nDepth < 64; nDepth++)
        pTop = pTop->GetParentPopupMenu();
    CORXToolBar* pBar = pTop->GetParentToolBar();
    CORXDialogImpl* pImpl = pBar != NULL ? CORXDialogImpl::FromWindow(pBar->GetSafeHwnd()) : NULL;
    if (pImpl == NULL && pTop->GetMessageWnd() != NULL)
        pImpl = CORXDialogImpl::FromWindow(pTop->GetMessageWnd()->GetSafeHwnd());
    if (pImpl == NULL && pTop->GetSafeHwnd() != NULL)
        pImpl = CORXDialogImpl::FromWindow(::GetWindow(pTop->GetSafeHwnd(), GW_OWNER));
    return pImpl;
}

struct OtherMenus
{
    HWND hWndClosing;
    BOOL bFound;
};

BOOL CALLBACK FindOtherMenu(HWND hWnd, LPARAM lParam)
{
    OtherMenus* pInfo = (OtherMenus*)lParam;
    char szClass[64] = {};
    ::GetClassNameA(hWnd, szClass, sizeof(szClass));
    if (hWnd != pInfo->hWndClosing && lstrcmpiA(szClass, ORX_POPUPMENU_CLASS) == 0)
    {
        pInfo->bFound = TRUE;
        return FALSE;
    }
    return TRUE;
}
} // namespace

CORXDialogImpl::CORXDialogImpl(CWnd& dlg) : m_Dlg(dlg)
{
    CORXServices::Register<CORXMenuHost>(this, CORXMenuHost::rankDialog);
}

CORXDialogImpl::~CORXDialogImpl()
{
    CORXServices::Unregister<CORXMenuHost>(this);
    if (m_pMenuDlgImpl == this)
        SetActiveMenu(NULL);
}

BOOL CORXDialogImpl::OnShowMenu(CORXPopupMenu* pMenu, BOOL& bApprove)
{
    if (pMenu == NULL || FindMenuDialog(pMenu) != this)
        return FALSE;
    SetActiveMenu(pMenu);
    bApprove = TRUE;
    return TRUE;
}

void CORXDialogImpl::OnMenuClosed(CORXPopupMenu* pMenu)
{
    if (GetMenuDlgImpl() != this)
        return;
    // The dialog lets the menus go once the last one of the thread closes.
    OtherMenus info = {pMenu != NULL ? pMenu->GetSafeHwnd() : NULL, FALSE};
    ::EnumThreadWindows(::GetCurrentThreadId(), FindOtherMenu, (LPARAM)&info);
    if (!info.bFound)
        SetActiveMenu(NULL);
}

CORXDialogImpl* CORXDialogImpl::FromWindow(HWND hWnd)
{
    for (int nDepth = 0; hWnd != NULL && nDepth < 64; nDepth++, hWnd = ::GetParent(hWnd))
    {
        CORXDialogImplHolder* pHolder = dynamic_cast<CORXDialogImplHolder*>(CWnd::FromHandlePermanent(hWnd));
        if (pHolder != NULL)
            return &pHolder->GetDialogImpl();
    }
    return NULL;
}

void CORXDialogImpl::SetActiveMenu(CORXPopupMenu* pMenu)
{
    CORXPopupMenu::SetActiveMenu(pMenu);
    if (pMenu != NULL)
    {
        if (m_hookMouse == NULL)
            m_hookMouse = ::SetWindowsHookEx(WH_MOUSE, DialogMouseHookProc, NULL, ::GetCurrentThreadId());
        m_pMenuDlgImpl = this;
    }
    else
    {
        if (m_hookMouse != NULL)
            ::UnhookWindowsHookEx(m_hookMouse);
        m_hookMouse = NULL;
        m_pMenuDlgImpl = NULL;
    }
}

void CORXDialogImpl::OnDestroy()
{
    // The hook must not outlive the dialog whose menu it serves.
    if (m_pMenuDlgImpl == this)
    {
        CORXPopupMenu* pMenu = CORXPopupMenu::GetActiveMenu();
        if (m_hookMouse != NULL)
            ::UnhookWindowsHookEx(m_hookMouse);
        m_hookMouse = NULL;
        m_pMenuDlgImpl = NULL;
        if (IsLiveMenu(pMenu))
        {
            while (pMenu->GetParentPopupMenu() != NULL)
                pMenu = pMenu->GetParentPopupMenu();
            pMenu->SendMessage(WM_CLOSE);
        }
    }
}

void CORXDialogImpl::CloseActiveMenu(BOOL bFocusToDialog)
{
    CORXPopupMenu* pMenu = CORXPopupMenu::GetActiveMenu();
    if (IsLiveMenu(pMenu))
        pMenu->SendMessage(WM_CLOSE);
    if (bFocusToDialog && m_Dlg.GetSafeHwnd() != NULL)
        m_Dlg.SetFocus();
}

BOOL CORXDialogImpl::PreTranslateMessage(MSG* pMsg)
{
    CORXPopupMenu* pMenu = CORXPopupMenu::GetActiveMenu();
    if (!IsLiveMenu(pMenu))
    {
        if (m_pMenuDlgImpl == this)
            SetActiveMenu(NULL);
        return FALSE;
    }
    switch (pMsg->message)
    {
    case WM_SYSKEYDOWN:
        if (pMsg->wParam != VK_MENU)
            return FALSE;
        pMenu->SendMessage(WM_CLOSE);
        return TRUE;
    case WM_KEYDOWN:
        pMenu->SendMessage(WM_KEYDOWN, pMsg->wParam, pMsg->lParam);
        return TRUE;
    case WM_SYSKEYUP:
        return TRUE;
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONUP:
    case WM_NCRBUTTONDOWN:
    case WM_NCRBUTTONUP:
    case WM_NCMBUTTONDOWN:
    case WM_NCMBUTTONUP:
        return ProcessMouseClick(CPoint(GET_X_LPARAM(pMsg->lParam), GET_Y_LPARAM(pMsg->lParam)));
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP: {
        CPoint pt(GET_X_LPARAM(pMsg->lParam), GET_Y_LPARAM(pMsg->lParam));
        ::ClientToScreen(pMsg->hwnd, &pt);
        HWND hWnd = pMsg->hwnd;
        if (ProcessMouseClick(pt) || !::IsWindow(hWnd))
            return TRUE;
        if (pMsg->message == WM_RBUTTONUP && !CORXToolBar::IsCustomizeMode() &&
            CORXServices::Any<CORXDialogNeighbours>(
                [hWnd](CORXDialogNeighbours* p) { return p->IsDockBar(hWnd); }) &&
            m_Dlg.GetSafeHwnd() != NULL)
            m_Dlg.SendMessage(ORX_WM_TOOLBAR_POPUPMENU, (WPARAM)m_Dlg.GetSafeHwnd(), MAKELPARAM(pt.x, pt.y));
        return FALSE;
    }
    case WM_MOUSEMOVE: {
        CPoint pt(GET_X_LPARAM(pMsg->lParam), GET_Y_LPARAM(pMsg->lParam));
        ::ClientToScreen(pMsg->hwnd, &pt);
        return ProcessMouseMove(pt);
    }
    }
    return FALSE;
}

BOOL CORXDialogImpl::ProcessMouseMove(POINT ptScreen)
{
    CPoint pt(ptScreen);
    return CORXServices::Any<CORXDialogNeighbours>(
        [pt](CORXDialogNeighbours* p) { return p->IsPointOutsidePopupMenu(pt); });
}

BOOL CORXDialogImpl::ProcessMouseClick(POINT ptScreen)
{
    CORXPopupMenu* pMenu = CORXPopupMenu::GetActiveMenu();
    if (CORXToolBar::IsCustomizeMode() || !IsLiveMenu(pMenu))
        return FALSE;
    CPoint pt(ptScreen);
    switch (pMenu->HitTest(pt))
    {
    case CORXPopupMenu::HT_RIGHT_SHADOW:
    case CORXPopupMenu::HT_BOTTOM_SHADOW:
        CloseActiveMenu(TRUE);
        return TRUE;
    case CORXPopupMenu::HT_ITEMS:
    case CORXPopupMenu::HT_SIDE_BAND:
    case CORXPopupMenu::HT_TEAROFF:
        return FALSE;
    }

    CORXToolbarMenuButton* pParentBtn = pMenu->GetParentButton();
    CWnd* pParentWnd = pParentBtn != NULL ? pParentBtn->GetParentWnd() : NULL;
    if (pParentBtn != NULL && pParentWnd != NULL && pParentWnd->GetSafeHwnd() != NULL)
    {
        CRect rectItem = pParentBtn->Rect();
        pParentWnd->ClientToScreen(rectItem);
        CORXPopupMenuBar* pParentMenuBar = DYNAMIC_DOWNCAST(CORXPopupMenuBar, pParentWnd);
        if (rectItem.PtInRect(pt))
        {
            if (pParentMenuBar == NULL && DYNAMIC_DOWNCAST(CORXToolBar, pParentWnd) != NULL)
                CloseActiveMenu(FALSE);
            return TRUE;
        }
        if (pParentMenuBar != NULL)
        {
            pParentMenuBar->CloseDelayedSubMenu();
            CORXPopupMenu* pParentMenu = DYNAMIC_DOWNCAST(CORXPopupMenu, pParentMenuBar->GetParent());
            if (IsLiveMenu(pParentMenu))
            {
                switch (pParentMenu->HitTest(pt))
                {
                case CORXPopupMenu::HT_RIGHT_SHADOW:
                case CORXPopupMenu::HT_BOTTOM_SHADOW:
                    pParentMenu->SendMessage(WM_CLOSE);
                    if (m_Dlg.GetSafeHwnd() != NULL)
                        m_Dlg.SetFocus();
                    return TRUE;
                case CORXPopupMenu::HT_OUTSIDE:
                    break;
                default:
                    return FALSE;
                }
            }
        }
    }

    // Elsewhere: the whole chain closes and the click goes on.
    pMenu = CORXPopupMenu::GetActiveMenu();
    if (IsLiveMenu(pMenu))
    {
        while (pMenu->GetParentPopupMenu() != NULL)
            pMenu = pMenu->GetParentPopupMenu();
        pMenu->SendMessage(WM_CLOSE);
    }
    CWnd* pFocus = CWnd::GetFocus();
    if (pFocus != NULL && DYNAMIC_DOWNCAST(CORXToolBar, pFocus) != NULL && m_Dlg.GetSafeHwnd() != NULL)
        m_Dlg.SetFocus();
    return FALSE;
}

BOOL CORXDialogImpl::ProcessCommand(WPARAM wParam, LPARAM /*lParam*/)
{
    if (HIWORD(wParam) != 1)
        return FALSE;
    UINT uiCmd = LOWORD(wParam);
    ORXGetCommandUsage().AddCmd(uiCmd);
    CORXPopupMenu* pMenu = CORXPopupMenu::GetActiveMenu();
    if (IsLiveMenu(pMenu))
    {
        pMenu->SendMessage(WM_KEYDOWN, VK_ESCAPE, 0);
        return TRUE;
    }
    return CORXServices::Find<CORXUserToolsLink>() != NULL &&
           CORXServices::Find<CORXUserToolsLink>()->InvokeTool(uiCmd);
}

void CORXDialogImpl::OnActivate(UINT nState, CWnd* pWndOther)
{
    m_Dlg.m_nFlags &= ~WF_STAYACTIVE;
    CWnd* pWnd = nState == WA_INACTIVE ? pWndOther : &m_Dlg;
    if (pWnd != NULL && pWnd->GetSafeHwnd() != NULL)
    {
        if (pWnd->GetSafeHwnd() == m_Dlg.GetSafeHwnd() ||
            pWnd->SendMessage(WM_FLOATSTATUS, FS_SYNCACTIVE) != 0)
            m_Dlg.m_nFlags |= WF_STAYACTIVE;
    }
    else if (m_Dlg.GetSafeHwnd() != NULL)
        m_Dlg.SendMessage(WM_NCACTIVATE, TRUE);
}

void CORXDialogImpl::OnNcActivate(BOOL& bActive)
{
    if (m_Dlg.m_nFlags & WF_STAYACTIVE)
        bActive = TRUE;
    if (m_Dlg.GetSafeHwnd() != NULL && !m_Dlg.IsWindowEnabled())
        bActive = FALSE;
}

LRESULT CALLBACK CORXDialogImpl::DialogMouseHookProc(int nCode, WPARAM wParam, LPARAM lParam)
{
    HHOOK hHook = m_hookMouse;
    if (nCode == HC_ACTION && m_pMenuDlgImpl != NULL)
    {
        switch (wParam)
        {
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN:
        case WM_NCLBUTTONDOWN:
        case WM_NCRBUTTONDOWN:
        case WM_NCMBUTTONDOWN: {
            MOUSEHOOKSTRUCT* pHook = (MOUSEHOOKSTRUCT*)lParam;
            CWnd& dlg = m_pMenuDlgImpl->GetDialog();
            CRect rectDlg;
            if (pHook != NULL && dlg.GetSafeHwnd() != NULL)
            {
                dlg.GetWindowRect(rectDlg);
                if (!rectDlg.PtInRect(pHook->pt) && m_pMenuDlgImpl->ProcessMouseClick(pHook->pt))
                    return 1;
            }
            break;
        }
        }
    }
    return ::CallNextHookEx(hHook, nCode, wParam, lParam);
}
