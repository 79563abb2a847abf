// The pop-up menu's tear-off strip: its place, its tip, the drag that leaves it, and the floating
// tool bar the menu becomes.
#include "ORXPopupMenu.h"

#include <afxpriv.h>

#include "ORXExtrasHooks.h"
#include "ORXGlobalData.h"
#include "ORXTearOffManager.h"
#include "ORXToolBar.h"
#include "ORXToolbarMenuButton.h"

namespace
{
const int kTearOffHeight = 10;
const UINT kIdsTearOff = 16028; // the strip's tip

// The frame a menu is torn off into: the framework's main frame, else the top-level frame of the
// window that opened the menu. Only a frame that keeps torn-off bars gets new ones; any frame
// floats a bar of its own again.
CFrameWnd* TearOffFrame(CWnd* pOpener)
{
    CFrameWnd* pMain = DYNAMIC_DOWNCAST(CFrameWnd, AfxGetMainWnd());
    if (pMain != NULL && pMain->GetSafeHwnd() != NULL && ORXFrameOffer<CORXFrameHooks>(pMain) != NULL)
        return pMain;
    CFrameWnd* pTop = pOpener != NULL && pOpener->GetSafeHwnd() != NULL ? pOpener->GetTopLevelFrame() : NULL;
    return pTop != NULL && !pTop->IsKindOf(RUNTIME_CLASS(CORXPopupMenu)) ? pTop : NULL;
}
} // namespace

BOOL CORXPopupMenu::IsTearOffOn() const
{
    return m_pParentBtn != NULL && m_pParentBtn->IsTearOffMenu() && !CORXToolBar::IsCustomizeMode();
}

// Called by the placement with the menu's size: the strip takes the top of the inside and the menu
// grows by its height.
void CORXPopupMenu::PlaceTearOffStrip(CSize& size)
{
    m_rectTearOffCaption.SetRectEmpty();
    if (!IsTearOffOn())
        return;
    m_rectTearOffCaption = CRect(2, 2, size.cx - 2, 2 + kTearOffHeight);
    size.cy += kTearOffHeight;
    if (m_wndTearOffToolTip.GetSafeHwnd() == NULL && m_wndTearOffToolTip.Create(this))
    {
        m_wndTearOffToolTip.Activate(TRUE);
        if (globalData.m_nMaxToolTipWidth != -1)
            m_wndTearOffToolTip.SetMaxTipWidth(globalData.m_nMaxToolTipWidth);
        m_wndTearOffToolTip.AddTool(this, kIdsTearOff, m_rectTearOffCaption, 1);
    }
}

BOOL CORXPopupMenu::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    NMHDR* pNMH = (NMHDR*)lParam;
    if (pNMH != NULL && m_wndTearOffToolTip.GetSafeHwnd() != NULL &&
        pNMH->hwndFrom == m_wndTearOffToolTip.GetSafeHwnd() &&
        (pNMH->code == TTN_SHOW || pNMH->code == TTN_POP))
    {
        m_bTearOffPressed = pNMH->code == TTN_SHOW;
        InvalidateRect(m_rectTearOffCaption);
        UpdateWindow();
    }
    return CMiniFrameWnd::OnNotify(wParam, lParam, pResult);
}

BOOL CORXPopupMenu::PreTranslateMessage(MSG* pMsg)
{
    if (m_wndTearOffToolTip.GetSafeHwnd() != NULL && pMsg->message >= WM_MOUSEFIRST &&
        pMsg->message <= WM_MOUSELAST)
        m_wndTearOffToolTip.RelayEvent(pMsg);
    return CMiniFrameWnd::PreTranslateMessage(pMsg);
}

// The strip's part of the mouse messages; TRUE when the strip took the message.
BOOL CORXPopupMenu::OnTearOffMouse(UINT message, CPoint point)
{
    switch (message)
    {
    case WM_LBUTTONDOWN:
        if (CORXToolBar::IsCustomizeMode() || !m_rectTearOffCaption.PtInRect(point))
            return FALSE;
        m_bTearOffPressed = TRUE;
        m_bTearOffTracking = TRUE;
        SetCapture();
        InvalidateRect(m_rectTearOffCaption);
        return TRUE;
    case WM_MOUSEMOVE:
        if (!m_bTearOffTracking)
            return FALSE;
        if (!m_rectTearOffCaption.PtInRect(point))
        {
            m_bTearOffTracking = FALSE;
            m_bTearOffPressed = FALSE;
            ReleaseCapture();
            CPoint ptScreen = point;
            ClientToScreen(&ptScreen);
            TearOff(ptScreen);
        }
        return TRUE;
    case WM_LBUTTONUP:
        if (!m_bTearOffTracking)
            return FALSE;
        m_bTearOffTracking = FALSE;
        m_bTearOffPressed = FALSE;
        ReleaseCapture();
        InvalidateRect(m_rectTearOffCaption);
        return TRUE;
    }
    return FALSE;
}

BOOL CORXPopupMenu::TearOff(CPoint ptScreen)
{
    if (m_pParentBtn == NULL)
        return FALSE;
    UINT uiID = m_pParentBtn->GetTearOffBarID();
    CFrameWnd* pWndMain = TearOffFrame(GetParent());
    if (uiID == 0 || pWndMain == NULL)
        return FALSE;
    CString strName = m_pParentBtn->m_strText;
    strName.Remove(_T('&'));

    CControlBar* pBar = pWndMain->GetControlBar(uiID);
    if (pBar == NULL)
    {
        CORXTearOffFrame* pKeeper = ORXFrameOffer<CORXTearOffFrame>(pWndMain);
        if (pKeeper == NULL)
            return FALSE;
        CORXToolBar* pNewBar = CreateTearOffBar(pWndMain, uiID, strName);
        if (pNewBar == NULL)
            return FALSE;
        CORXFrameHooks* pHooks = ORXFrameOffer<CORXFrameHooks>(pWndMain);
        if (pHooks != NULL && !pHooks->OnTearOffMenu(this, pNewBar))
        {
            pNewBar->DestroyWindow();
            delete pNewBar;
            return FALSE;
        }
        pKeeper->KeepTearOffBar(pNewBar);
        pBar = pNewBar;
    }
    pWndMain->FloatControlBar(pBar, ptScreen, CBRS_ALIGN_TOP);
    pWndMain->ShowControlBar(pBar, TRUE, FALSE);
    pWndMain->RecalcLayout();

    // The menus close first; then the new floating frame goes on moving with the mouse, whose
    // button is still down.
    PostMessage(WM_CLOSE);
    CFrameWnd* pMiniFrame = pBar->GetParentFrame();
    if (pMiniFrame != NULL && pMiniFrame != pWndMain && pMiniFrame->IsKindOf(RUNTIME_CLASS(CMiniFrameWnd)) &&
        ::GetKeyState(VK_LBUTTON) < 0)
        pMiniFrame->PostMessage(WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(ptScreen.x, ptScreen.y));
    return TRUE;
}

CORXToolBar* CORXPopupMenu::CreateTearOffBar(CFrameWnd* pWndMain, UINT uiID, LPCTSTR lpszName)
{
    if (pWndMain == NULL || m_hMenu == NULL || !::IsMenu(m_hMenu))
        return NULL;
    CORXToolBar* pBar = new CORXToolBar;
    if (!pBar->Create(pWndMain, WS_CHILD | CBRS_TOP | CBRS_TOOLTIPS | CBRS_FLYBY | CBRS_SIZE_DYNAMIC, uiID))
    {
        delete pBar;
        return NULL;
    }
    pBar->SetWindowText(lpszName);

    int nCount = ::GetMenuItemCount(m_hMenu);
    BOOL bPrevSeparator = TRUE; // never a separator first
    for (int i = 0; i < nCount; i++)
    {
        MENUITEMINFOA info = {sizeof(info)};
        info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_SUBMENU;
        if (!::GetMenuItemInfoA(m_hMenu, i, TRUE, &info))
            continue;
        if (info.fType & MFT_SEPARATOR)
        {
            if (!bPrevSeparator && i < nCount - 1)
            {
                pBar->InsertSeparator();
                bPrevSeparator = TRUE;
            }
            continue;
        }
        CString strText = ORXMenuItemText(m_hMenu, i);
        CORXToolbarButton* pButton = NULL;
        if (info.hSubMenu != NULL)
        {
            CORXTearOffManager* pTearOffs = ORXTearOffManager();
            UINT uiTearOff = pTearOffs != NULL ? pTearOffs->Parse(strText) : 0;
            CORXToolbarMenuButton* pMenuButton =
                new CORXToolbarMenuButton((UINT)-1, info.hSubMenu, -1, strText);
            pMenuButton->SetTearOff(uiTearOff);
            pButton = pMenuButton;
        }
        else
        {
            int iTab = strText.Find(_T('\t'));
            if (iTab >= 0)
                strText = strText.Left(iTab);
            pButton = new CORXToolbarButton(info.wID, CORXToolBar::GetDefaultImage(info.wID), strText);
        }
        pButton->m_bText = pButton->GetImage() < 0;
        if (pBar->InsertButton(pButton) < 0)
        {
            delete pButton;
            continue;
        }
        bPrevSeparator = FALSE;
    }
    // A separator left last by the items after it goes too.
    int nButtons = pBar->GetCount();
    if (nButtons > 0 && (pBar->GetButton(nButtons - 1)->m_nStyle & TBBS_SEPARATOR))
        pBar->RemoveButton(nButtons - 1);
    pBar->EnableDocking(CBRS_ALIGN_ANY);
    return pBar;
}
