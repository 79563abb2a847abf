// The context-menu manager: known menus, their display as framework pop-up menus, the
// return-command mode and the saved customised items.
#include "ORXContextMenuManager.h"

#include "ORXExtrasHooks.h"
#include "ORXGlobalData.h"
#include "ORXMenuStore.h"
#include "ORXPopupMenu.h"
#include "ORXPopupMenuBar.h"
#include "ORXTearOffManager.h"
#include "ORXWorkspaceBase.h"

static const TCHAR kSection[] = _T("ORXContextMenuManager");

namespace
{
// A temporary item bar: importing a menu and reading or writing a bar's state need the bar's
// window, which lives on a hidden window of its own.
class CTempItemBar
{
public:
    CWnd m_wndHost;
    CORXPopupMenuBar m_bar;

    BOOL Create()
    {
        if (!m_wndHost.CreateEx(0, AfxRegisterWndClass(0), _T(""), WS_POPUP, 0, 0, 0, 0, NULL, 0))
            return FALSE;
        return m_bar.CreateEx(&m_wndHost, TBSTYLE_FLAT, WS_CHILD | CBRS_ALIGN_TOP, CRect(0, 0, 0, 0), 1);
    }
    ~CTempItemBar()
    {
        if (m_bar.GetSafeHwnd() != NULL)
            m_bar.DestroyWindow();
        if (m_wndHost.GetSafeHwnd() != NULL)
            m_wndHost.DestroyWindow();
    }
};
} // namespace

CORXContextMenuManager::CORXContextMenuManager()
{
    m_nLastCommandID = 0;
    m_bTrackMode = FALSE;
    if (ORXContextMenuManager() == NULL)
        CORXServices::Register<CORXContextMenuManager>(this);
}

CORXContextMenuManager::~CORXContextMenuManager()
{
    POSITION pos = m_Menus.GetStartPosition();
    while (pos != NULL)
    {
        UINT uiResId;
        HMENU hMenu;
        m_Menus.GetNextAssoc(pos, uiResId, hMenu);
        HMENU hPopup = ::GetSubMenu(hMenu, 0);
        if (hPopup != NULL)
            CORXMenuStore::Remove(hPopup);
        ::DestroyMenu(hMenu);
    }
    m_Menus.RemoveAll();
    m_MenuNames.RemoveAll();
    CORXServices::Unregister<CORXContextMenuManager>(this);
}

void CORXContextMenuManager::OnChosenCommand(UINT uiCmd)
{
    CORXContextMenuManager* pManager = ORXContextMenuManager();
    if (pManager != NULL)
        pManager->m_nLastCommandID = uiCmd;
}

/////////////////////////////////////////////////////////////////////////////
// Known menus

BOOL CORXContextMenuManager::AddMenu(LPCTSTR lpszName, UINT uiMenuResId)
{
    if (lpszName == NULL || *lpszName == 0)
        return FALSE;
    HMENU hKnown = NULL;
    void* pKnown = NULL;
    if (m_Menus.Lookup(uiMenuResId, hKnown) || m_MenuNames.Lookup(lpszName, pKnown))
        return FALSE;
    HINSTANCE hInst = AfxFindResourceHandle(MAKEINTRESOURCE(uiMenuResId), RT_MENU);
    HMENU hMenu = ::LoadMenu(hInst, MAKEINTRESOURCE(uiMenuResId));
    if (hMenu == NULL)
        return FALSE;
    m_Menus.SetAt(uiMenuResId, hMenu);
    m_MenuNames.SetAt(lpszName, hMenu);
    return TRUE;
}

void CORXContextMenuManager::GetMenuNames(CStringList& listOfNames) const
{
    listOfNames.RemoveAll();
    for (POSITION pos = m_MenuNames.GetStartPosition(); pos != NULL;)
    {
        CString strName;
        void* pMenu = NULL;
        m_MenuNames.GetNextAssoc(pos, strName, pMenu);
        listOfNames.AddTail(strName);
    }
}

HMENU CORXContextMenuManager::GetMenuByName(LPCTSTR lpszName, UINT* puiOrigResID) const
{
    void* pMenu = NULL;
    if (lpszName == NULL || !m_MenuNames.Lookup(lpszName, pMenu))
        return NULL;
    HMENU hMenu = (HMENU)pMenu;
    if (puiOrigResID != NULL)
    {
        *puiOrigResID = 0;
        for (POSITION pos = m_Menus.GetStartPosition(); pos != NULL;)
        {
            UINT uiResId;
            HMENU hKnown;
            m_Menus.GetNextAssoc(pos, uiResId, hKnown);
            if (hKnown == hMenu)
            {
                *puiOrigResID = uiResId;
                break;
            }
        }
    }
    return hMenu;
}

HMENU CORXContextMenuManager::GetMenuById(UINT uiMenuResId) const
{
    HMENU hMenu = NULL;
    return m_Menus.Lookup(uiMenuResId, hMenu) ? hMenu : NULL;
}

/////////////////////////////////////////////////////////////////////////////
// Display

BOOL CORXContextMenuManager::ShowPopupMenu(UINT uiMenuResId, int x, int y, CWnd* pWndOwner, BOOL ownMessages,
                                           BOOL rightAlign)
{
    HMENU hMenu = GetMenuById(uiMenuResId);
    if (hMenu == NULL || !::IsMenu(hMenu))
        return FALSE;
    if (x == -1 && y == -1 && pWndOwner != NULL && pWndOwner->GetSafeHwnd() != NULL)
    {
        CPoint pt(5, 5);
        pWndOwner->ClientToScreen(&pt);
        x = pt.x;
        y = pt.y;
    }
    HMENU hPopup = ::GetSubMenu(hMenu, 0);
    if (hPopup == NULL)
        return FALSE;
    // The known menu is the manager's for as long as it lives, and its customised items are kept
    // under its handle: the pop-up menu shows it without taking it over.
    return ShowPopupMenu(hPopup, x, y, pWndOwner, ownMessages, TRUE, rightAlign) != NULL;
}

CORXPopupMenu* CORXContextMenuManager::ShowPopupMenu(HMENU hmenuPopup, int x, int y, CWnd* pWndOwner,
                                                     BOOL ownMessages, BOOL autoDestroy, BOOL rightAlign)
{
    if (hmenuPopup == NULL || !::IsMenu(hmenuPopup))
        return NULL;
    // The framework's dialogs and property pages route their menus' commands themselves.
    const CORXMenuRoutingWnd* pRouting = dynamic_cast<const CORXMenuRoutingWnd*>(pWndOwner);
    if (!ownMessages && pRouting != NULL && pRouting->RoutesOwnMenus())
        return NULL;

    CORXTearOffManager* pTearOffs = ORXTearOffManager();
    if (pTearOffs != NULL && pWndOwner != NULL && pWndOwner->GetTopLevelFrame() != NULL)
        pTearOffs->SetupTearOffMenus(hmenuPopup);

    BOOL bOwnerGetsCommands = m_bTrackMode || ownMessages;
    CWnd* pWnd = pWndOwner;
    if (!bOwnerGetsCommands && pWnd != NULL)
    {
        while (pWnd != NULL && pWnd->GetSafeHwnd() != NULL && (pWnd->GetStyle() & WS_CHILD))
            pWnd = pWnd->GetParent();
    }

    CORXPopupMenu* pPopupMenu = new CORXPopupMenu;
    // The handle stays the caller's, who may show it again: only on NT before 5, and only when the
    // caller asked for it not to be destroyed, does the pop-up menu take it and destroy it.
    pPopupMenu->SetAutoDestroy(!autoDestroy && globalData.bIsWindowsNT4);
    pPopupMenu->SetReturnCommand(m_bTrackMode);
    pPopupMenu->SetRightAlign(rightAlign);

    CORXPopupMenu* pActive = CORXPopupMenu::GetActiveMenu();
    if (pActive != NULL && pActive->GetSafeHwnd() != NULL)
        pActive->SendMessage(WM_CLOSE);

    if (!pPopupMenu->Create(pWnd, x, y, hmenuPopup, FALSE, bOwnerGetsCommands))
    {
        // Not shown: the object is still ours, and so is the menu handle unless it was handed over.
        delete pPopupMenu;
        return NULL;
    }
    return pPopupMenu;
}

UINT CORXContextMenuManager::TrackPopupMenu(HMENU hmenuPopup, int x, int y, CWnd* pWndOwner, BOOL bRightAlign)
{
    BOOL bWasTracking = m_bTrackMode;
    m_bTrackMode = TRUE;
    m_nLastCommandID = 0;
    CORXPopupMenu* pMenu = ShowPopupMenu(hmenuPopup, x, y, pWndOwner, FALSE, TRUE, bRightAlign);
    if (pMenu != NULL)
    {
        HWND hMenuWnd = pMenu->GetSafeHwnd();
        MSG msg;
        while (::IsWindow(hMenuWnd))
        {
            BOOL bGot = ::GetMessage(&msg, NULL, 0, 0);
            if (bGot == 0)
            {
                // The quit message belongs to the loop that runs the program.
                ::PostQuitMessage((int)msg.wParam);
                break;
            }
            if (bGot == -1)
                break;
            if (!CORXPopupMenu::PreTranslateForMenu(&msg))
            {
                ::TranslateMessage(&msg);
                ::DispatchMessage(&msg);
            }
        }
    }
    m_bTrackMode = bWasTracking;
    return m_nLastCommandID;
}

/////////////////////////////////////////////////////////////////////////////
// Saved state

CString CORXContextMenuManager::GetSectionPath(LPCTSTR lpszProfileName) const
{
    CString strPath;
    if (lpszProfileName != NULL && *lpszProfileName != 0)
    {
        strPath = lpszProfileName;
        if (strPath.Right(1) != _T("\\"))
            strPath += _T("\\");
        strPath += kSection;
    }
    else
        strPath = CORXWorkspaceBase::BuildRegistryPath(kSection, NULL);
    if (strPath.Right(1) != _T("\\"))
        strPath += _T("\\");
    return strPath;
}

BOOL CORXContextMenuManager::LoadState(LPCTSTR lpszProfileName)
{
    CString strSection = GetSectionPath(lpszProfileName);
    for (POSITION pos = m_Menus.GetStartPosition(); pos != NULL;)
    {
        UINT uiResId;
        HMENU hMenu;
        m_Menus.GetNextAssoc(pos, uiResId, hMenu);
        HMENU hPopup = ::GetSubMenu(hMenu, 0);
        if (hPopup == NULL)
            continue;
        CTempItemBar temp;
        if (!temp.Create() || !temp.m_bar.ImportFromMenu(hPopup, TRUE))
            return FALSE;
        if (temp.m_bar.LoadState(strSection, 0, uiResId))
            CORXMenuStore::Store(hPopup, &temp.m_bar);
    }
    return TRUE;
}

BOOL CORXContextMenuManager::SaveState(LPCTSTR lpszProfileName)
{
    CString strSection = GetSectionPath(lpszProfileName);
    for (POSITION pos = m_Menus.GetStartPosition(); pos != NULL;)
    {
        UINT uiResId;
        HMENU hMenu;
        m_Menus.GetNextAssoc(pos, uiResId, hMenu);
        HMENU hPopup = ::GetSubMenu(hMenu, 0);
        if (hPopup == NULL)
            continue;
        // Only a menu whose items were customised has anything to save.
        CTempItemBar temp;
        if (!temp.Create())
            return FALSE;
        if (!CORXMenuStore::Restore(hPopup, &temp.m_bar))
            continue;
        if (!temp.m_bar.SaveState(strSection, 0, uiResId))
            return FALSE;
    }
    return TRUE;
}
