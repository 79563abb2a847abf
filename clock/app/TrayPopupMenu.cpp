// The tray icon's menu on the framework's pop-up menu.
#include "TrayPopupMenu.h"

IMPLEMENT_DYNAMIC(CTrayPopupMenu, CORXPopupMenu)

BEGIN_MESSAGE_MAP(CTrayPopupMenu, CORXPopupMenu)
ON_WM_CREATE()
END_MESSAGE_MAP()

int CTrayPopupMenu::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CORXPopupMenu::OnCreate(lpCreateStruct) == -1)
        return -1;
    SetWindowPos(&CWnd::wndTopMost, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    return 0;
}

BOOL CTrayPopupMenu::Create(CWnd* pWndParent, int x, int y, HMENU hMenu, BOOL bLocked, BOOL bOwnMessage)
{
    if (!CORXPopupMenu::Create(pWndParent, x, y, hMenu, bLocked, bOwnMessage))
        return FALSE;
    if (GetSafeHwnd() != NULL)
    {
        SetWindowPos(&CWnd::wndTopMost, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
        ::SetForegroundWindow(GetSafeHwnd());
    }
    return TRUE;
}

CTrayPopupMenu* ShowTrayPopupMenu(CWnd* pTarget, UINT nMenuId, CPoint pt, const CTrayMenuState* pState,
                                  UINT nDefaultItem)
{
    if (pTarget == NULL || pTarget->GetSafeHwnd() == NULL)
        return NULL;
    // A fresh copy each time, so that the adjustments never accumulate.
    HMENU hMenu = ::LoadMenu(AfxGetResourceHandle(), MAKEINTRESOURCE(nMenuId));
    if (hMenu == NULL)
        return NULL;
    HMENU hPopup = ::GetSubMenu(hMenu, 0);
    if (hPopup == NULL)
    {
        ::DestroyMenu(hMenu);
        return NULL;
    }
    if (pState != NULL)
        AdjustTrayMenu(hPopup, *pState);
    ::SetMenuDefaultItem(hPopup, nDefaultItem, TRUE);
    pTarget->SetForegroundWindow();

    CTrayPopupMenu* pMenu = new CTrayPopupMenu;
    // The pop-up menu takes its default command from the menu's default item by command.
    ::SetMenuDefaultItem(hPopup, 0, FALSE);
    CORXPopupMenu::SetForceShadow(TRUE);
    // The menu handle is destroyed below, with the menu that holds it: the pop-up menu, which has
    // taken over the items, never destroys it.
    pMenu->SetAutoDestroy(FALSE);
    if (!pMenu->Create(pTarget, pt.x, pt.y, hPopup, FALSE, TRUE))
    {
        delete pMenu;
        pMenu = NULL;
    }
    // Lets the menu close when the user clicks elsewhere.
    pTarget->PostMessage(WM_NULL, 0, 0);
    ::DestroyMenu(hMenu);
    return pMenu;
}
