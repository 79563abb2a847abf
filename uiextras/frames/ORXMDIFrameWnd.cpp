// CORXMDIFrameWnd, CORXMDIClientWnd and CORXMDIChildWnd.
#include "ORXMDIFrameWnd.h"

#include "ORXMenuBar.h"
#include "ORXPopupMenu.h"
#include "ORXPopupMenuBar.h"
#include "ORXToolBar.h"
#include "ORXToolbarButton.h"
#include "ORXWindowsDlg.h"

IMPLEMENT_DYNCREATE(CORXMDITabWnd, CORXTabWnd)
IMPLEMENT_DYNAMIC(CORXMDIClientWnd, CWnd)
IMPLEMENT_DYNCREATE(CORXMDIFrameWnd, CMDIFrameWnd)
IMPLEMENT_DYNCREATE(CORXMDIChildWnd, CMDIChildWnd)

namespace
{
// Posted to the client to bring the tabs up to date once the queue is idle.
const UINT kMsgUpdateTabs = WM_USER + 101;
// The Window commands, and the window menu's entry for more than nine children.
const UINT kWindowCmdFirst = 0xE130;
const UINT kWindowCmdLast = 0xE13F;
const UINT kMoreWindowsId = 0xFF09;

HICON ClassSmallIcon(HWND hWnd)
{
    return (HICON)::GetClassLongPtr(hWnd, GCLP_HICONSM);
}
} // namespace

/////////////////////////////////////////////////////////////////////////////
// CORXMDITabWnd

CORXMDITabWnd::CORXMDITabWnd() {}

void CORXMDITabWnd::SetMDIOptions()
{
    m_bHideInactiveWnd = FALSE;
    m_bAutoSizeWindow = FALSE;
    m_bAutoDestroyWindow = FALSE;
    m_bDrawFrame = TRUE;
    // The client covers the window area: the strip paints all there is to see of the tab window,
    // and a line along its top parts it from what lies above.
    m_bTransparent = TRUE;
    m_bTopEdge = TRUE;
    if (GetSafeHwnd() != NULL)
        RedrawWindow();
}

/////////////////////////////////////////////////////////////////////////////
// CORXMDIClientWnd

BEGIN_MESSAGE_MAP(CORXMDIClientWnd, CWnd)
ON_WM_ERASEBKGND()
ON_WM_DESTROY()
ON_MESSAGE(WM_MDISETMENU, OnSetMenu)
ON_MESSAGE(WM_MDIREFRESHMENU, OnRefreshMenu)
ON_MESSAGE(WM_MDIDESTROY, OnMDIDestroy)
ON_MESSAGE(kMsgUpdateTabs, OnUpdateTabsMsg)
ON_REGISTERED_MESSAGE(ORXM_ON_TAB_CHOSEN, OnTabChosen)
END_MESSAGE_MAP()

CORXMDIClientWnd::CORXMDIClientWnd()
    : m_tabLocation(CORXTabWnd::LOCATION_BOTTOM), m_bTabsEnabled(FALSE), m_bShowIcons(TRUE),
      m_bCloseButton(FALSE)
{
    m_mapChildImages.InitHashTable(17);
    m_mapChildWindows.InitHashTable(17);
}

CORXMDIClientWnd::~CORXMDIClientWnd()
{
    ReleaseGoneChildren(TRUE);
}

CWnd* CORXMDIClientWnd::WindowOfChild(HWND hWndChild)
{
    CWnd* pWnd = NULL;
    if (m_mapChildWindows.Lookup(hWndChild, pWnd))
        return pWnd;
    pWnd = new CWnd;
    pWnd->Attach(hWndChild);
    m_mapChildWindows.SetAt(hWndChild, pWnd);
    return pWnd;
}

void CORXMDIClientWnd::ReleaseWindowOfChild(HWND hWndChild)
{
    CWnd* pWnd = NULL;
    if (!m_mapChildWindows.Lookup(hWndChild, pWnd))
        return;
    m_mapChildWindows.RemoveKey(hWndChild);
    // The window is the child's owner's to destroy, not this object's.
    pWnd->Detach();
    delete pWnd;
}

void CORXMDIClientWnd::ReleaseGoneChildren(BOOL bAll)
{
    // Children destroyed without WM_MDIDESTROY, or all of them when the client itself goes: their
    // tabs go with the objects they point to.
    CArray<HWND, HWND> arGone;
    POSITION pos = m_mapChildWindows.GetStartPosition();
    while (pos != NULL)
    {
        HWND hChild;
        CWnd* pWnd;
        m_mapChildWindows.GetNextAssoc(pos, hChild, pWnd);
        if (bAll || m_hWnd == NULL || !::IsWindow(hChild) || ::GetParent(hChild) != m_hWnd)
            arGone.Add(hChild);
    }
    // With the client going, every child goes: the tabs empty at once, with no tab made active on
    // the way.
    if (bAll && m_wndTab.GetSafeHwnd() != NULL)
        m_wndTab.RemoveAllTabs();
    for (int i = 0; i < arGone.GetSize(); i++)
    {
        if (!bAll && m_wndTab.GetSafeHwnd() != NULL)
        {
            const int iTab = m_wndTab.GetTabByWindow(arGone[i]);
            if (iTab >= 0)
                m_wndTab.RemoveTab(iTab);
        }
        ReleaseWindowOfChild(arGone[i]);
    }
}

void CORXMDIClientWnd::OnDestroy()
{
    ReleaseGoneChildren(TRUE);
    CWnd::OnDestroy();
}

CORXMDIFrameWnd* CORXMDIClientWnd::GetMDIFrame() const
{
    return m_hWnd != NULL ? DYNAMIC_DOWNCAST(CORXMDIFrameWnd, CWnd::FromHandlePermanent(::GetParent(m_hWnd)))
                          : NULL;
}

void CORXMDIClientWnd::PreSubclassWindow()
{
    CWnd::PreSubclassWindow();
    CWnd* pFrame = GetParent();
    if (m_wndTab.Create(CORXTabWnd::STYLE_3D_SCROLLED, CRect(0, 0, 0, 0), pFrame, (UINT)-1, m_tabLocation,
                        m_bCloseButton))
    {
        m_wndTab.SetMDIOptions();
        m_wndTab.SetNoPrefixLabels(TRUE);
        // The tabs tell the client which one the user chose; the client decides the activation.
        m_wndTab.SetOwner(this);
        // Behind the client, which keeps the tabs' window area for itself.
        m_wndTab.ModifyStyle(0, WS_CLIPSIBLINGS);
        m_wndTab.SetWindowPos(&CWnd::wndBottom, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        if (!m_bTabsEnabled)
            m_wndTab.ShowWindow(SW_HIDE);
    }
    m_ImageList.Create(::GetSystemMetrics(SM_CXSMICON), ::GetSystemMetrics(SM_CYSMICON),
                       ILC_COLOR8 | ILC_MASK, 0, 1);
}

void CORXMDIClientWnd::EnableMDITabs(BOOL bEnable, BOOL bIcons, CORXTabWnd::Location tabLocation,
                                     BOOL bCloseButton)
{
    m_bTabsEnabled = bEnable;
    m_bShowIcons = bIcons;
    m_tabLocation = tabLocation;
    m_bCloseButton = bCloseButton;
    if (m_wndTab.GetSafeHwnd() == NULL)
        return;
    m_wndTab.SetLocation(tabLocation);
    if (bEnable)
        UpdateTabs(TRUE);
    else
        m_wndTab.ShowWindow(SW_HIDE);
    CFrameWnd* pFrame = DYNAMIC_DOWNCAST(CFrameWnd, GetParent());
    if (pFrame != NULL)
        pFrame->RecalcLayout();
}

void CORXMDIClientWnd::CalcWindowRect(LPRECT lpClientRect, UINT nAdjustType)
{
    if (m_wndTab.GetSafeHwnd() != NULL)
    {
        CRect rectTabsBefore;
        m_wndTab.GetWindowRect(rectTabsBefore);
        if (m_bTabsEnabled)
        {
            CRect rect(lpClientRect);
            m_wndTab.SetWindowPos(NULL, rect.left, rect.top, rect.Width(), rect.Height(),
                                  SWP_NOZORDER | SWP_NOACTIVATE);
            CRect rectWnd = m_wndTab.GetWndArea();
            CRect rectClient;
            m_wndTab.GetClientRect(rectClient);
            lpClientRect->left += rectWnd.left;
            lpClientRect->top += rectWnd.top;
            lpClientRect->right -= rectClient.right - rectWnd.right;
            lpClientRect->bottom -= rectClient.bottom - rectWnd.bottom;
            m_wndTab.ShowWindow(SW_SHOWNA);
        }
        else
            m_wndTab.ShowWindow(SW_HIDE);
        // The client goes to its new place now, ahead of the caller's deferred move, so that the
        // redraw below paints it where it stays; the caller then finds it there and leaves it.
        CRect rectWindow(lpClientRect);
        CWnd::CalcWindowRect(rectWindow, nAdjustType);
        SetWindowPos(NULL, rectWindow.left, rectWindow.top, rectWindow.Width(), rectWindow.Height(),
                     SWP_NOZORDER | SWP_NOACTIVATE);
        CRect rectTabsAfter;
        m_wndTab.GetWindowRect(rectTabsAfter);
        if (rectTabsAfter != rectTabsBefore)
            RedrawWindow(NULL, NULL,
                         RDW_INVALIDATE | RDW_INTERNALPAINT | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW |
                             RDW_FRAME);
    }
    CWnd::CalcWindowRect(lpClientRect, nAdjustType);
}

void CORXMDIClientWnd::ActivateTabOf(HWND hWndChild)
{
    if (!m_bTabsEnabled || m_wndTab.GetSafeHwnd() == NULL)
        return;
    int iTab = m_wndTab.GetTabByWindow(hWndChild);
    if (iTab < 0)
        return;
    m_wndTab.SetActiveTab(iTab);
}

LRESULT CORXMDIClientWnd::OnTabChosen(WPARAM wParam, LPARAM lParam)
{
    if ((HWND)lParam != m_wndTab.GetSafeHwnd())
        return 0;
    // The chosen tab's child becomes the active one; the tabs then show whichever child is active
    // (the chosen one, or the one that stayed when the child refused), whatever kind of child frame
    // it is.
    CWnd* pChild = m_wndTab.GetTabWindow((int)wParam);
    HWND hChild = pChild != NULL ? pChild->GetSafeHwnd() : NULL;
    if (hChild == NULL || ::GetParent(hChild) != m_hWnd)
        return 0;
    if ((HWND)SendMessage(WM_MDIGETACTIVE) != hChild)
        SendMessage(WM_MDIACTIVATE, (WPARAM)hChild);
    ActivateTabOf((HWND)SendMessage(WM_MDIGETACTIVE));
    return TRUE;
}

int CORXMDIClientWnd::ImageOfChild(HWND hWndChild, HICON hIcon)
{
    ChildImage entry;
    if (m_mapChildImages.Lookup(hWndChild, entry))
    {
        if (entry.hIcon == hIcon)
            return entry.iImage;
        // The child's icon changed: its own image takes the new one.
        if (ImageList_ReplaceIcon(m_ImageList.GetSafeHandle(), entry.iImage, hIcon) < 0)
            return -1;
        entry.hIcon = hIcon;
        m_mapChildImages.SetAt(hWndChild, entry);
        return entry.iImage;
    }
    int iSlot = -1;
    if (m_arFreeImages.GetSize() > 0)
    {
        iSlot = m_arFreeImages[m_arFreeImages.GetSize() - 1];
        m_arFreeImages.RemoveAt(m_arFreeImages.GetSize() - 1);
    }
    const BOOL bFirst = ImageList_GetImageCount(m_ImageList.GetSafeHandle()) == 0;
    int iImage = ImageList_ReplaceIcon(m_ImageList.GetSafeHandle(), iSlot, hIcon);
    if (iImage < 0)
    {
        if (iSlot >= 0)
            m_arFreeImages.Add(iSlot);
        return -1;
    }
    entry.hIcon = hIcon;
    entry.iImage = iImage;
    m_mapChildImages.SetAt(hWndChild, entry);
    if (bFirst)
        m_wndTab.SetTabImages(m_ImageList.GetSafeHandle());
    return iImage;
}

void CORXMDIClientWnd::ForgetChild(HWND hWndChild)
{
    ChildImage entry;
    if (m_mapChildImages.Lookup(hWndChild, entry))
    {
        m_arFreeImages.Add(entry.iImage);
        m_mapChildImages.RemoveKey(hWndChild);
    }
}

void CORXMDIClientWnd::UpdateTabs(BOOL bSetActiveTabVisible)
{
    if (m_wndTab.GetSafeHwnd() == NULL || !m_bTabsEnabled)
        return;
    const int nTabsBefore = m_wndTab.GetTabsNum();
    ReleaseGoneChildren();
    BOOL bChanged = m_wndTab.GetTabsNum() != nTabsBefore;
    for (HWND hChild = ::GetWindow(m_hWnd, GW_CHILD); hChild != NULL;
         hChild = ::GetWindow(hChild, GW_HWNDNEXT))
    {
        CWnd* pPermanent = CWnd::FromHandlePermanent(hChild);
        CORXMDIChildWnd* pChild = DYNAMIC_DOWNCAST(CORXMDIChildWnd, pPermanent);
        CWnd* pWnd = pPermanent != NULL ? pPermanent : WindowOfChild(hChild);

        int iImage = -1;
        if (m_bShowIcons)
        {
            HICON hIcon = NULL;
            if (pChild != NULL)
                hIcon = pChild->GetFrameIcon();
            else
            {
                hIcon = (HICON)::SendMessage(hChild, WM_GETICON, ICON_SMALL, 0);
                if (hIcon == NULL)
                    hIcon = ClassSmallIcon(hChild);
            }
            if (hIcon != NULL)
                iImage = ImageOfChild(hChild, hIcon);
        }
        CString strLabel;
        if (pChild != NULL)
            strLabel = pChild->GetFrameText();
        else
            pWnd->GetWindowText(strLabel);

        const BOOL bVisible = (::GetWindowLong(hChild, GWL_STYLE) & WS_VISIBLE) != 0;
        int iTab = m_wndTab.GetTabByWindow(hChild);
        if (iTab < 0)
        {
            if (bVisible && (pChild == NULL || !pChild->m_bToBeDestroyed))
            {
                m_wndTab.AddTab(pWnd, strLabel, iImage);
                m_wndTab.SetActiveTab(m_wndTab.GetTabsNum() - 1);
                bChanged = TRUE;
            }
        }
        else if (bVisible)
        {
            CString strOld;
            m_wndTab.GetTabLabel(iTab, strOld);
            if (strOld != strLabel)
            {
                m_wndTab.SetTabLabel(iTab, strLabel);
                bChanged = TRUE;
            }
            if (m_wndTab.GetTabIcon(iTab) != iImage)
            {
                m_wndTab.SetTabIcon(iTab, iImage);
                bChanged = TRUE;
            }
        }
        else
        {
            m_wndTab.RemoveTab(iTab);
            bChanged = TRUE;
        }
    }
    if (bChanged)
    {
        CFrameWnd* pFrame = DYNAMIC_DOWNCAST(CFrameWnd, GetParent());
        if (pFrame != NULL)
            pFrame->RecalcLayout();
    }
    if (bSetActiveTabVisible && m_wndTab.GetActiveTab() >= 0)
        m_wndTab.EnsureTabVisible(m_wndTab.GetActiveTab());
}

BOOL CORXMDIClientWnd::OnEraseBkgnd(CDC* pDC)
{
    CORXMDIFrameWnd* pFrame = GetMDIFrame();
    if (pFrame != NULL && pFrame->OnEraseMDIClientBackground(pDC))
        return TRUE;
    return (BOOL)Default();
}

LRESULT CORXMDIClientWnd::OnSetMenu(WPARAM wParam, LPARAM lParam)
{
    CORXMDIFrameWnd* pFrame = GetMDIFrame();
    if (pFrame != NULL && pFrame->GetSafeHwnd() != NULL && !pFrame->OnSetMenu((HMENU)wParam))
        return Default();
    return DefWindowProc(WM_MDISETMENU, 0, lParam);
}

LRESULT CORXMDIClientWnd::OnRefreshMenu(WPARAM, LPARAM)
{
    LRESULT lResult = Default();
    CORXMDIFrameWnd* pFrame = GetMDIFrame();
    if (pFrame != NULL && pFrame->m_Impl.GetMenuBar() != NULL)
        pFrame->m_hmenuWindow = pFrame->GetWindowMenuPopup(pFrame->m_Impl.GetMenuBar()->GetMenu());
    return lResult;
}

LRESULT CORXMDIClientWnd::OnMDIDestroy(WPARAM wParam, LPARAM)
{
    HWND hChild = (HWND)wParam;
    const int nHeightBefore = m_wndTab.GetSafeHwnd() != NULL ? m_wndTab.GetTabsHeightInUse() : 0;
    if (m_wndTab.GetSafeHwnd() != NULL)
    {
        CORXMDIChildWnd* pChild = DYNAMIC_DOWNCAST(CORXMDIChildWnd, CWnd::FromHandlePermanent(hChild));
        if (pChild != NULL)
            pChild->m_bToBeDestroyed = TRUE;
        int iTab = m_wndTab.GetTabByWindow(hChild);
        if (iTab >= 0)
            m_wndTab.RemoveTab(iTab);
    }
    ForgetChild(hChild);
    ReleaseWindowOfChild(hChild);
    LRESULT lResult = Default();
    const int nHeightAfter = m_wndTab.GetSafeHwnd() != NULL ? m_wndTab.GetTabsHeightInUse() : 0;
    // A strip hidden with a single tab or none gives its height back to the frame.
    if (m_bTabsEnabled && nHeightBefore != nHeightAfter)
    {
        CFrameWnd* pFrame = DYNAMIC_DOWNCAST(CFrameWnd, GetParent());
        if (pFrame != NULL)
            pFrame->RecalcLayout();
    }
    return lResult;
}

LRESULT CORXMDIClientWnd::OnUpdateTabsMsg(WPARAM, LPARAM)
{
    UpdateTabs(FALSE);
    return 0;
}

/////////////////////////////////////////////////////////////////////////////
// CORXMDIFrameWnd

BEGIN_MESSAGE_MAP(CORXMDIFrameWnd, CMDIFrameWnd)
ON_WM_MENUCHAR()
ON_WM_ACTIVATE()
ON_WM_CLOSE()
ON_WM_DESTROY()
ON_WM_WINDOWPOSCHANGED()
ON_REGISTERED_MESSAGE(ORX_WM_TOOLBAR_CREATE, OnToolbarCreateNew)
ON_REGISTERED_MESSAGE(ORX_WM_TOOLBAR_DELETE, OnToolbarDelete)
ON_COMMAND(ID_CONTEXT_HELP, OnContextHelp)
END_MESSAGE_MAP()

CORXMDIFrameWnd::CORXMDIFrameWnd()
    : CORXFrameHooks(this), m_hmenuWindow(NULL), m_Impl(this), m_uiIDResource(0), m_bContextHelp(FALSE),
      m_bDoSubclass(TRUE), m_uiWindowsDlgMenuId(0), m_bShowWindowsDlgAlways(FALSE), m_dwReserved(0)
{
}

CORXMDIFrameWnd::~CORXMDIFrameWnd() {}

void* CORXMDIFrameWnd::OfferFrameInterface(const std::type_info& iface)
{
    void* pOwn = ORXOfferOwn<CORXFrameHooks>(this, iface);
    return pOwn != NULL ? pOwn : CORXFrameImplHolder::OfferFrameInterface(iface);
}

void CORXMDIFrameWnd::EnableWindowsDialog(UINT uiCmd, LPCTSTR lpszText, BOOL bAlways)
{
    m_uiWindowsDlgMenuId = uiCmd;
    m_strWindowsDlgMenuText = lpszText != NULL ? lpszText : _T("");
    m_bShowWindowsDlgAlways = bAlways;
}

void CORXMDIFrameWnd::ShowWindowsDialog()
{
    CORXWindowsDlg dlg(this);
    dlg.DoModal();
}

BOOL CORXMDIFrameWnd::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    if (m_uiWindowsDlgMenuId != 0 && nID == m_uiWindowsDlgMenuId)
    {
        if (nCode == (int)CN_COMMAND)
        {
            if (pHandlerInfo == NULL)
                ShowWindowsDialog();
            return TRUE;
        }
        if (nCode == (int)CN_UPDATE_COMMAND_UI && pExtra != NULL)
        {
            ((CCmdUI*)pExtra)->Enable(TRUE);
            return TRUE;
        }
    }
    return CMDIFrameWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

HMENU CORXMDIFrameWnd::GetWindowMenuPopup(HMENU hMenuBar)
{
    m_hmenuWindow = CMDIFrameWnd::GetWindowMenuPopup(hMenuBar);
    return m_hmenuWindow;
}

BOOL CORXMDIFrameWnd::HasUIActiveItem()
{
    COleClientItem* pItem = GetInPlaceActiveItem();
    return pItem != NULL && pItem->GetInPlaceWindow() != NULL;
}

BOOL CORXMDIFrameWnd::OnSetMenu(HMENU hMenu)
{
    if (HasUIActiveItem())
        return FALSE;
    CORXMenuBar* pMenuBar = m_Impl.GetMenuBar();
    if (pMenuBar == NULL || pMenuBar->GetSafeHwnd() == NULL)
        return FALSE;
    ::SetMenu(m_hWnd, NULL);
    HMENU hNew = hMenu != NULL ? hMenu : pMenuBar->GetDefaultMenu();
    if (hNew != NULL)
        pMenuBar->CreateFromMenu(hNew, hNew == pMenuBar->GetDefaultMenu());
    return TRUE;
}

COleClientItem* CORXMDIFrameWnd::GetInPlaceActiveItem()
{
    // Each step may be missing: no active child, a child without a view, a view without a
    // document or with one that holds no items.
    CFrameWnd* pActiveFrame = GetActiveFrame();
    if (pActiveFrame == NULL || pActiveFrame->GetSafeHwnd() == NULL)
        return NULL;
    CView* pView = pActiveFrame->GetActiveView();
    if (pView == NULL || pView->GetSafeHwnd() == NULL)
        return NULL;
    COleDocument* pDoc = DYNAMIC_DOWNCAST(COleDocument, pView->GetDocument());
    if (pDoc == NULL)
        return NULL;
    return pDoc->GetInPlaceActiveItem(pView);
}

void CORXMDIFrameWnd::OnClosePopupMenu(CORXPopupMenu* pMenu)
{
    if (pMenu != NULL && CORXPopupMenu::GetActiveMenu() == pMenu)
        CORXPopupMenu::SetActiveMenu(NULL);
}

BOOL CORXMDIFrameWnd::AskFrame(CFrameWnd* pFrame, CORXPopupMenu* pMenu)
{
    CORXMDIFrameWnd* pThis = DYNAMIC_DOWNCAST(CORXMDIFrameWnd, pFrame);
    return pThis == NULL || pThis->OnShowPopupMenu(pMenu);
}

void CORXMDIFrameWnd::AddWindowList(CORXPopupMenu* pMenu)
{
    HMENU hPopup = pMenu->GetHMenu();
    if (CORXToolBar::IsCustomizeMode() || m_hmenuWindow == NULL || !::IsMenu(m_hmenuWindow) || hPopup == NULL)
        return;
    BOOL bWindowMenu = FALSE;
    for (int i = 0; i < ::GetMenuItemCount(hPopup) && !bWindowMenu; i++)
    {
        UINT nID = ::GetMenuItemID(hPopup, i);
        bWindowMenu = nID >= kWindowCmdFirst && nID <= kWindowCmdLast;
    }
    if (!bWindowMenu)
        return;
    CORXPopupMenuBar* pBar = pMenu->GetMenuBar();
    BOOL bFirst = TRUE;
    BOOL bMoreWindows = FALSE;
    for (int i = 0; i < ::GetMenuItemCount(m_hmenuWindow); i++)
    {
        UINT nID = ::GetMenuItemID(m_hmenuWindow, i);
        if (nID < AFX_IDM_FIRST_MDICHILD || nID == (UINT)-1)
            continue;
        if (m_uiWindowsDlgMenuId != 0 && nID == kMoreWindowsId)
        {
            bMoreWindows = TRUE;
            continue;
        }
        if (bFirst)
        {
            ::SendMessage(m_hWndMDIClient, WM_MDIREFRESHMENU, 0, 0);
            pBar->InsertSeparator();
            bFirst = FALSE;
        }
        TCHAR szText[256] = {0};
        ::GetMenuString(m_hmenuWindow, i, szText, 255, MF_BYPOSITION);
        CORXToolbarButton* pButton = new CORXToolbarButton(nID, -1, szText);
        if (::GetMenuState(m_hmenuWindow, i, MF_BYPOSITION) & MF_CHECKED)
            pButton->SetStyle(pButton->m_nStyle | TBBS_CHECKED);
        if (pBar->InsertButton(pButton) < 0)
            delete pButton;
    }
    if (m_uiWindowsDlgMenuId != 0 && (bMoreWindows || m_bShowWindowsDlgAlways))
    {
        CORXToolbarButton* pButton = new CORXToolbarButton(m_uiWindowsDlgMenuId, -1, m_strWindowsDlgMenuText);
        if (pBar->InsertButton(pButton) < 0)
            delete pButton;
    }
}

BOOL CORXMDIFrameWnd::ShowPopupMenu(CFrameWnd* pFrame, CORXPopupMenu* pMenu)
{
    CORXMDIFrameWnd* pThis = DYNAMIC_DOWNCAST(CORXMDIFrameWnd, pFrame);
    if (pMenu == NULL)
        return TRUE; // nothing to extend, record or refuse
    if (pThis != NULL && !pThis->m_Impl.OnShowPopupMenu(pMenu))
        return FALSE;
    if (pThis != NULL && !pMenu->IsShown())
        pThis->AddWindowList(pMenu);
    // The helper has agreed already; the usual answer follows.
    return CORXFrameRouting::ShowPopupMenu(NULL, pMenu, AskFrame, pFrame);
}

BOOL CORXMDIFrameWnd::PreTranslateMessage(MSG* pMsg)
{
    int nRoute = CORXFrameRouting::PreTranslate(this, m_Impl, pMsg, FALSE);
    if (nRoute != CORXFrameRouting::routeContinue)
        return nRoute == CORXFrameRouting::routeTaken;
    return CMDIFrameWnd::PreTranslateMessage(pMsg);
}

BOOL CORXMDIFrameWnd::PreCreateWindow(CREATESTRUCT& cs)
{
    m_Impl.RestorePosition(cs);
    return CMDIFrameWnd::PreCreateWindow(cs);
}

BOOL CORXMDIFrameWnd::LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd,
                                CCreateContext* pContext)
{
    m_uiIDResource = nIDResource;
    if (!CMDIFrameWnd::LoadFrame(nIDResource, dwDefaultStyle, pParentWnd, pContext))
        return FALSE;
    m_Impl.OnLoadFrame();
    return TRUE;
}

BOOL CORXMDIFrameWnd::WinHelp(DWORD_PTR dwData, UINT nCmd)
{
    if (dwData == 0 && m_bContextHelp)
    {
        OnContextHelp();
        return TRUE;
    }
    return CMDIFrameWnd::WinHelp(dwData, nCmd);
}

void CORXMDIFrameWnd::OnContextHelp()
{
    CORXFrameRouting::OnContextHelp(this, m_bContextHelp);
}

BOOL CORXMDIFrameWnd::OnCommand(WPARAM wParam, LPARAM lParam)
{
    int nRoute = CORXFrameRouting::OnCommand(m_Impl, wParam);
    if (nRoute != CORXFrameRouting::routeContinue)
        return nRoute == CORXFrameRouting::routeTaken;
    return CMDIFrameWnd::OnCommand(wParam, lParam);
}

void CORXMDIFrameWnd::OnUpdateFrameMenu(HMENU hMenuAlt)
{
    CMDIFrameWnd::OnUpdateFrameMenu(hMenuAlt);
    if (!HasUIActiveItem())
        CORXFrameRouting::RemoveFrameMenu(this, m_Impl);
}

BOOL CORXMDIFrameWnd::OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext* pContext)
{
    if (!CMDIFrameWnd::OnCreateClient(lpcs, pContext))
        return FALSE;
    if (m_bDoSubclass && m_hWndMDIClient != NULL)
        m_wndClientArea.SubclassWindow(m_hWndMDIClient);
    return TRUE;
}

void CORXMDIFrameWnd::OnSetPreviewMode(BOOL bPreview, CPrintPreviewState* pState)
{
    if (m_wndClientArea.AreMDITabs() && m_wndClientArea.m_wndTab.GetSafeHwnd() != NULL)
        m_wndClientArea.m_wndTab.ShowWindow(bPreview ? SW_HIDE : SW_SHOWNOACTIVATE);
    CMDIFrameWnd::OnSetPreviewMode(bPreview, pState);
}

LRESULT CORXMDIFrameWnd::OnMenuChar(UINT nChar, UINT nFlags, CMenu* pMenu)
{
    LRESULT lResult = 0;
    if (CORXFrameRouting::OnMenuChar(m_Impl, nChar, lResult))
        return lResult;
    return CMDIFrameWnd::OnMenuChar(nChar, nFlags, pMenu);
}

void CORXMDIFrameWnd::OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized)
{
    CMDIFrameWnd::OnActivate(nState, pWndOther, bMinimized);
    CORXFrameRouting::OnActivate(this, m_Impl, nState);
}

void CORXMDIFrameWnd::OnClose()
{
    m_Impl.OnCloseFrame();
    CMDIFrameWnd::OnClose();
}

void CORXMDIFrameWnd::OnDestroy()
{
    if (m_hAccelTable != NULL)
    {
        if (m_bAccelTableBuilt)
            ::DestroyAcceleratorTable(m_hAccelTable);
        m_hAccelTable = NULL;
        m_bAccelTableBuilt = FALSE;
    }
    CMDIFrameWnd::OnDestroy();
}

void CORXMDIFrameWnd::OnWindowPosChanged(WINDOWPOS* lpwndpos)
{
    CMDIFrameWnd::OnWindowPosChanged(lpwndpos);
    CORXMenuBar* pMenuBar = m_Impl.GetMenuBar();
    if (pMenuBar == NULL || pMenuBar->GetSafeHwnd() == NULL)
        return;
    BOOL bMaximized = FALSE;
    CMDIChildWnd* pChild = MDIGetActive(&bMaximized);
    if (pChild != NULL && bMaximized)
        pMenuBar->SetMaximizeMode(TRUE, pChild);
    else
        pMenuBar->SetMaximizeMode(FALSE);
}

LRESULT CORXMDIFrameWnd::OnToolbarCreateNew(WPARAM, LPARAM lParam)
{
    return (LRESULT)m_Impl.CreateNewToolBar((LPCTSTR)lParam);
}

LRESULT CORXMDIFrameWnd::OnToolbarDelete(WPARAM, LPARAM lParam)
{
    return m_Impl.DeleteToolBar((CORXToolBar*)lParam);
}

/////////////////////////////////////////////////////////////////////////////
// CORXMDIChildWnd

BEGIN_MESSAGE_MAP(CORXMDIChildWnd, CMDIChildWnd)
ON_WM_CREATE()
ON_MESSAGE(WM_SETTEXT, OnSetText)
ON_MESSAGE(WM_SETICON, OnSetIcon)
END_MESSAGE_MAP()

CORXMDIChildWnd::CORXMDIChildWnd() : m_pMDIFrame(NULL), m_bToBeDestroyed(FALSE) {}

CORXMDIChildWnd::~CORXMDIChildWnd() {}

int CORXMDIChildWnd::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CMDIChildWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    m_pMDIFrame = DYNAMIC_DOWNCAST(CORXMDIFrameWnd, GetMDIFrame());
    return 0;
}

BOOL CORXMDIChildWnd::PreTranslateMessage(MSG* pMsg)
{
    // Keys go to an open framework menu, not to this child's accelerators.
    if (pMsg->message >= WM_KEYFIRST && pMsg->message <= WM_KEYLAST && m_pMDIFrame != NULL)
    {
        CORXPopupMenu* pMenu = CORXPopupMenu::GetActiveMenu();
        if (pMenu != NULL && ::IsWindow(pMenu->GetSafeHwnd()))
            return FALSE;
    }
    return CMDIChildWnd::PreTranslateMessage(pMsg);
}

void CORXMDIChildWnd::OnUpdateFrameTitle(BOOL bAddToTitle)
{
    CMDIChildWnd::OnUpdateFrameTitle(bAddToTitle);
    if (m_pMDIFrame != NULL)
        m_pMDIFrame->m_wndClientArea.UpdateTabs(FALSE);
}

CString CORXMDIChildWnd::GetFrameText() const
{
    CString strText;
    if (m_hWnd != NULL)
        GetWindowText(strText);
    return strText;
}

HICON CORXMDIChildWnd::GetFrameIcon() const
{
    if (m_hWnd == NULL)
        return NULL;
    HICON hIcon = (HICON)::SendMessage(m_hWnd, WM_GETICON, ICON_SMALL, 0);
    return hIcon != NULL ? hIcon : ClassSmallIcon(m_hWnd);
}

void CORXMDIChildWnd::OnMDIActivate(BOOL bActivate, CWnd* pActivateWnd, CWnd* pDeactivateWnd)
{
    CMDIChildWnd::OnMDIActivate(bActivate, pActivateWnd, pDeactivateWnd);
    if (bActivate && m_pMDIFrame != NULL)
        m_pMDIFrame->m_wndClientArea.ActivateTabOf(pActivateWnd != NULL ? pActivateWnd->GetSafeHwnd() : NULL);
}

LRESULT CORXMDIChildWnd::OnSetText(WPARAM, LPARAM)
{
    LRESULT lResult = Default();
    if (m_pMDIFrame != NULL)
        m_pMDIFrame->m_wndClientArea.UpdateTabs(TRUE);
    return lResult;
}

LRESULT CORXMDIChildWnd::OnSetIcon(WPARAM, LPARAM)
{
    LRESULT lResult = Default();
    if (m_pMDIFrame != NULL)
        m_pMDIFrame->m_wndClientArea.UpdateTabs(FALSE);
    return lResult;
}
