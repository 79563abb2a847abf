// CORXToolBar: hot tracking, pressing and releasing, status text, tool tips, keyboard mode and the
// messages of the platform's tool-bar control that the bar answers.
#include "ORXToolBar.h"

#include "ORXCmdUsage.h"
#include "ORXExtrasHooks.h"
#include "ORXGlobalData.h"
#include "ORXVisualManager.h"
#include "uicore/uicore_res.h"

#include <afxcmn.h>
#include <afxpriv.h>

namespace
{
// Moves an open menu to another button of the bar (wParam its index, lParam TRUE to highlight its
// first item).
const UINT WM_ORX_MOVEMENU = WM_USER + 0x3A2;
} // namespace

BEGIN_MESSAGE_MAP(CORXToolBar, CControlBar)
ON_WM_CREATE()
ON_WM_DESTROY()
ON_WM_CONTEXTMENU()
ON_WM_MOUSEMOVE()
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONUP()
ON_WM_LBUTTONDBLCLK()
ON_WM_CANCELMODE()
ON_WM_CAPTURECHANGED()
ON_WM_SETCURSOR()
ON_MESSAGE(WM_MOUSELEAVE, OnMouseLeave)
ON_MESSAGE(WM_HELPHITTEST, OnHelpHitTest)
ON_WM_SETFOCUS()
ON_WM_KILLFOCUS()
ON_WM_SYSCOLORCHANGE()
ON_WM_SETTINGCHANGE()
ON_WM_SIZE()
ON_WM_WINDOWPOSCHANGING()
ON_WM_WINDOWPOSCHANGED()
ON_WM_NCCALCSIZE()
ON_WM_NCPAINT()
ON_WM_NCHITTEST()
ON_WM_ERASEBKGND()
ON_WM_CTLCOLOR()
ON_WM_TIMER()
ON_MESSAGE(TB_BUTTONCOUNT, OnButtonCount)
ON_MESSAGE(TB_GETITEMRECT, OnGetItemRect)
ON_MESSAGE(TB_GETBUTTON, OnGetButton)
ON_MESSAGE(TB_GETBUTTONTEXTA, OnGetButtonText)
ON_COMMAND(ID_ORX_TOOLBAR_RESET, OnToolbarReset)
ON_COMMAND(ID_ORX_TOOLBAR_COPY_IMAGE, OnToolbarCopyImage)
ON_COMMAND(ID_ORX_TOOLBAR_DELETE, OnToolbarDelete)
ON_COMMAND(ID_ORX_TOOLBAR_APPEARANCE, OnToolbarAppearance)
ON_COMMAND(ID_ORX_TOOLBAR_IMAGE, OnToolbarImage)
ON_COMMAND(ID_ORX_TOOLBAR_TEXT, OnToolbarText)
ON_COMMAND(ID_ORX_TOOLBAR_IMAGE_AND_TEXT, OnToolbarImageAndText)
ON_COMMAND(ID_ORX_TOOLBAR_START_GROUP, OnToolbarStartGroup)
ON_COMMAND(ID_ORX_TOOLBAR_NEW_MENU, OnToolbarNewMenu)
ON_MESSAGE(WM_ORX_MOVEMENU, OnMoveMenu)
END_MESSAGE_MAP()

namespace
{
void CALLBACK TrackMouseTimerProc(HWND hWnd, UINT, UINT_PTR idEvent, DWORD)
{
    POINT pt;
    ::GetCursorPos(&pt);
    RECT rect;
    ::GetClientRect(hWnd, &rect);
    ::MapWindowPoints(hWnd, NULL, (LPPOINT)&rect, 2);
    if (::PtInRect(&rect, pt) && ::WindowFromPoint(pt) == hWnd)
        return;
    ::KillTimer(hWnd, idEvent);
    ::PostMessage(hWnd, WM_MOUSELEAVE, 0, 0);
}
} // namespace

BOOL ORXTrackMouse(LPTRACKMOUSEEVENT lpEventTrack)
{
    if (lpEventTrack == NULL || lpEventTrack->cbSize < sizeof(TRACKMOUSEEVENT) ||
        !::IsWindow(lpEventTrack->hwndTrack) || !(lpEventTrack->dwFlags & TME_LEAVE))
        return FALSE;
    return ::SetTimer(lpEventTrack->hwndTrack, ORX_TRACKMOUSE_TIMER, 100, TrackMouseTimerProc) != 0;
}

void CORXToolBar::OnTimer(UINT_PTR nIDEvent)
{
    CControlBar::OnTimer(nIDEvent);
}

/////////////////////////////////////////////////////////////////////////////
// Status text

void CORXToolBar::SendIdleMessage()
{
    if (m_hookMouseHelp != NULL)
        return;
    CWnd* pOwner = GetOwner() != NULL ? GetOwner() : GetParent();
    if (pOwner != NULL)
        pOwner->SendMessage(WM_SETMESSAGESTRING, AFX_IDS_IDLEMESSAGE);
}

void CORXToolBar::ShowCommandMessageString(UINT uiCmdId)
{
    if (m_hookMouseHelp != NULL)
        return;
    UINT uiString = uiCmdId;
    if (uiCmdId >= 0xF000 && uiCmdId <= 0xF1EF)
        uiString = 0xEF00 + (uiCmdId - 0xF000) / 16;
    else if (uiCmdId >= 0xFF00)
        uiString = 0xEF1F;
    if (uiCmdId == (UINT)-1)
        uiString = AFX_IDS_IDLEMESSAGE;
    CWnd* pOwner = GetOwner() != NULL ? GetOwner() : GetParent();
    if (pOwner != NULL)
        pOwner->SendMessage(WM_SETMESSAGESTRING, uiString);
}

BOOL CORXToolBar::ProcessCommand(CORXToolbarButton* pButton)
{
    if (pButton == NULL || pButton->m_nID == 0 || pButton->m_nID == (UINT)-1)
        return FALSE;
    ORXGetCommandUsage().AddCmd(pButton->m_nID);
    if (CORXMenuSoundLink* pSound = CORXServices::Find<CORXMenuSoundLink>())
        pSound->PlayMenuSound(CORXMenuSoundLink::soundCommand);
    CWnd* pOwner = GetOwner() != NULL ? GetOwner() : GetParent();
    if (pOwner != NULL)
        pOwner->PostMessage(WM_COMMAND, pButton->m_nID, 0);
    return TRUE;
}

/////////////////////////////////////////////////////////////////////////////
// Mouse

void CORXToolBar::OnMouseMove(UINT nFlags, CPoint point)
{
    if (m_bCustomizeMode && !m_bLocked)
    {
        if (m_bStretchButton)
        {
            CORXToolbarButton* pButton = GetButton(m_iSelected);
            if (pButton != NULL && point.x - pButton->Rect().left > 4)
            {
                CClientDC dc(this);
                CRect rectOld = m_rectTrack;
                m_rectTrack.right = point.x;
                dc.DrawDragRect(m_rectTrack, CSize(2, 2), rectOld, CSize(2, 2));
                if (m_hcurStretch != NULL)
                    ::SetCursor(m_hcurStretch);
            }
        }
        return;
    }
    if (m_ptLastMouse != CPoint(-1, -1) && abs(point.x - m_ptLastMouse.x) < 1 &&
        abs(point.y - m_ptLastMouse.y) < 1)
    {
        m_ptLastMouse = point;
        return;
    }
    m_ptLastMouse = point;

    int iPrevHighlighted = m_iHighlighted;
    int iHit = HitTest(point);
    if (iHit < 0 && GetCapture() == this)
        iHit = m_iHighlighted;
    CORXToolbarButton* pHit = GetButton(iHit);
    if (pHit != NULL && ((pHit->m_nStyle & TBBS_SEPARATOR) ||
                         ((pHit->m_nStyle & TBBS_DISABLED) && !AllowHighlightDisabled())))
        iHit = -1;

    if (!m_bTracked)
    {
        m_bTracked = TRUE;
        TRACKMOUSEEVENT tme = {sizeof(TRACKMOUSEEVENT), TME_LEAVE, m_hWnd, (DWORD)-1};
        ORXTrackMouse(&tme);
    }
    if (iHit == iPrevHighlighted)
        return;

    BOOL bInvalidated = FALSE;
    if (m_iButtonCapture >= 0)
    {
        CORXToolbarButton* pPressed = GetButton(m_iButtonCapture);
        if (pPressed != NULL)
        {
            UINT nStyle = pPressed->m_nStyle & ~TBBS_PRESSED;
            if (iHit == m_iButtonCapture)
                nStyle |= TBBS_PRESSED;
            SetButtonStyle(m_iButtonCapture, nStyle);
        }
    }
    auto Repaint = [&](int nIndex) {
        if (nIndex >= 0 && (m_bMenuMode || m_iButtonCapture == -1 || nIndex == m_iButtonCapture))
        {
            InvalidateButton(nIndex);
            bInvalidated = TRUE;
        }
    };
    Repaint(iPrevHighlighted);
    m_iHighlighted = iHit;
    Repaint(iHit);

    if (m_hookMouseHelp == NULL)
    {
        if (iHit >= 0)
            ShowCommandMessageString(GetButton(iHit)->m_nID);
        else if (m_iButtonCapture == -1 || m_bMenuMode)
            SendIdleMessage();
    }
    m_iHighlighted = iPrevHighlighted;
    SetHighlightedButton(iHit);
    m_iHighlighted = iHit;
    if (bInvalidated)
        UpdateWindow();
}

void CORXToolBar::OnLButtonDown(UINT nFlags, CPoint point)
{
    int iHit = HitTest(point);
    if (m_bCustomizeMode && m_pSelToolbar != this)
    {
        if (m_pSelToolbar != NULL && m_pSelToolbar->GetSafeHwnd() != NULL)
        {
            int iOld = m_pSelToolbar->m_iSelected;
            m_pSelToolbar->m_iSelected = -1;
            m_pSelToolbar->InvalidateButton(iOld);
        }
        m_pSelToolbar = this;
    }
    if (iHit < 0)
    {
        m_iButtonCapture = -1;
        if (m_bCustomizeMode && !m_bLocked)
        {
            int iOld = m_iSelected;
            m_iSelected = -1;
            InvalidateButton(iOld);
            SetHighlightedButton(-1);
        }
        CControlBar::OnLButtonDown(nFlags, point);
        return;
    }
    CORXToolbarButton* pButton = GetButton(iHit);
    if (m_bAltCustomization && AllowAltCustomization() && !m_bCustomizeMode && !m_bLocked &&
        (::GetKeyState(VK_MENU) & 0x8000))
    {
        // An Alt drag customises for the time of the drag only.
        m_bAltCustomizeMode = TRUE;
        m_bCustomizeMode = TRUE;
        m_pSelToolbar = this;
        m_iSelected = pButton->CanBeStored() ? iHit : -1;
        if (pButton->CanBeDragged() && pButton->OnBeforeDrag())
            DragButton(iHit, point, nFlags);
        m_bAltCustomizeMode = FALSE;
        SetCustomizeMode(FALSE);
        if (GetSafeHwnd() != NULL)
            RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_FRAME);
        return;
    }
    if (!m_bCustomizeMode || m_bLocked)
    {
        m_iButtonCapture = iHit;
        UpdateButton(iHit);
        if ((pButton->m_nStyle & TBBS_DISABLED) && !pButton->CanBePressedDisabled())
        {
            m_iButtonCapture = -1;
            return;
        }
        pButton->m_nStyle |= TBBS_PRESSED;
        InvalidateButton(iHit);
        UpdateWindow();
        ShowCommandMessageString(pButton->m_nID);
        HWND hWndSelf = m_hWnd;
        if (!pButton->OnClick(this, FALSE))
        {
            m_pWndLastCapture = SetCapture();
        }
        else
        {
            // What the click did may have destroyed the bar or rebuilt its buttons (a menu's
            // show-all item imports every item again): the pressed button is looked up afresh.
            if (!::IsWindow(hWndSelf) || CWnd::FromHandlePermanent(hWndSelf) != this)
                return;
            pButton = GetButton(iHit);
            if (pButton != NULL)
                pButton->m_nStyle &= ~TBBS_PRESSED;
            m_iButtonCapture = -1;
            m_iHighlighted = -1;
            SetHighlightedButton(-1);
            InvalidateButton(iHit);
            UpdateWindow();
        }
        return;
    }
    // Customise mode on an unlocked bar: selection and stretching.
    int iOld = m_iSelected;
    m_iSelected = pButton->CanBeStored() ? iHit : -1;
    InvalidateButton(iOld);
    InvalidateButton(iHit);
    if (pButton->CanBeStretched() && abs(point.x - pButton->Rect().right) <= 6)
    {
        m_bStretchButton = TRUE;
        m_rectTrack = pButton->Rect();
        if (pButton->GetHwnd() != NULL)
            m_rectTrack.InflateRect(2, 2);
        m_pWndLastCapture = SetCapture();
        if (m_hcurStretch != NULL)
            ::SetCursor(m_hcurStretch);
        return;
    }
    // A menu button whose menu is closed opens it for editing; pressed again it is dragged.
    const CORXMenuDropper* pDropper = dynamic_cast<const CORXMenuDropper*>(pButton);
    if (pDropper != NULL && pDropper->HasMenu() && !pButton->IsDroppedDown() && !m_bAltCustomizeMode)
    {
        m_iHot = -1;
        SetHighlightedButton(iHit);
        return;
    }
    // The items of a pop-up menu are dragged out of it as well; the menu bar's titles are not.
    BOOL bDraggable = !m_bMenuMode || AllowDragInMenuMode();
    if (bDraggable && pButton->CanBeDragged() && pButton->OnBeforeDrag())
        DragButton(iHit, point, nFlags);
}

void CORXToolBar::OnLButtonUp(UINT nFlags, CPoint point)
{
    if (m_bCustomizeMode && !m_bLocked)
    {
        if (m_bStretchButton)
        {
            CORXToolbarButton* pButton = GetButton(m_iSelected);
            if (pButton != NULL && point.x - pButton->Rect().left > 4 &&
                abs(point.x - pButton->Rect().right) > 6)
            {
                pButton->OnSize(point.x - pButton->Rect().left);
                AdjustLayout();
            }
            m_rectTrack.SetRectEmpty();
            m_bStretchButton = FALSE;
            ReleaseCapture();
            if (m_pWndLastCapture != NULL)
                m_pWndLastCapture->SetCapture();
            m_pWndLastCapture = NULL;
            RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
        }
        return;
    }
    if (m_iButtonCapture < 0)
    {
        CControlBar::OnLButtonUp(nFlags, point);
        m_ptLastMouse = CPoint(-1, -1);
        OnMouseMove(0, point);
        return;
    }
    ReleaseCapture();
    if (m_pWndLastCapture != NULL && m_pWndLastCapture->GetSafeHwnd() != NULL)
        m_pWndLastCapture->SetCapture();
    m_pWndLastCapture = NULL;

    int iPressed = m_iButtonCapture;
    CORXToolbarButton* pButton = GetButton(iPressed);
    m_iHighlighted = HitTest(point);
    BOOL bOnButton = m_iHighlighted == iPressed;
    UINT nNewStyle = pButton != NULL ? (pButton->m_nStyle & ~TBBS_PRESSED) : 0;
    UINT nID = pButton != NULL ? pButton->m_nID : 0;
    BOOL bSend = FALSE;
    if (bOnButton && pButton != NULL)
    {
        UpdateButton(iPressed);
        nNewStyle = pButton->m_nStyle & ~TBBS_PRESSED;
        if (!(nNewStyle & TBBS_DISABLED))
        {
            bSend = TRUE;
            if (nNewStyle & TBBS_CHECKBOX)
            {
                // Toggles; an indeterminate one becomes checked.
                if (nNewStyle & TBBS_INDETERMINATE)
                    nNewStyle = (nNewStyle & ~TBBS_INDETERMINATE) | TBBS_CHECKED;
                else
                    nNewStyle ^= TBBS_CHECKED;
            }
        }
    }
    else if (pButton != NULL)
    {
        pButton->m_nStyle &= ~TBBS_PRESSED;
        InvalidateButton(iPressed);
    }
    SendIdleMessage();
    m_iButtonCapture = -1;
    m_iHighlighted = -1;
    RestoreFocus();

    HWND hWndSelf = m_hWnd;
    if (bSend && !OnSendCommand(pButton) && nID != 0 && nID != (UINT)-1)
    {
        pButton->m_nStyle = nNewStyle;
        InvalidateButton(iPressed);
        UpdateWindow();
        ORXGetCommandUsage().AddCmd(nID);
        if (!pButton->OnClickUp() && !(CORXServices::Find<CORXUserToolsLink>() != NULL &&
                                       CORXServices::Find<CORXUserToolsLink>()->InvokeTool(nID)))
        {
            CWnd* pOwner = GetOwner() != NULL ? GetOwner() : GetParent();
            if (pOwner != NULL)
                pOwner->SendMessage(WM_COMMAND, nID, 0);
        }
    }
    // The command may have destroyed the bar or changed its buttons.
    if (!::IsWindow(hWndSelf) || CWnd::FromHandlePermanent(hWndSelf) != this)
        return;
    if (bSend && GetButton(iPressed) == pButton)
    {
        SetButtonStyle(iPressed, nNewStyle);
        UpdateButton(iPressed);
        InvalidateButton(iPressed);
    }
    m_ptLastMouse = CPoint(-1, -1);
    OnMouseMove(0, point);
}

void CORXToolBar::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    int iHit = HitTest(point);
    CORXToolbarButton* pButton = GetButton(iHit);
    if (pButton == NULL)
    {
        CControlBar::OnLButtonDblClk(nFlags, point);
        return;
    }
    // The system-menu button's double click closes the window: it is not pressed after it.
    const CORXMenuDropper* pDropper = dynamic_cast<const CORXMenuDropper*>(pButton);
    BOOL bPress = pDropper == NULL || !pDropper->IsSystemMenuDropper();
    pButton->OnDblClick(this);
    if (bPress)
        OnLButtonDown(nFlags, point);
}

void CORXToolBar::OnCancelMode()
{
    CControlBar::OnCancelMode();
    if (m_bStretchButton)
    {
        m_bStretchButton = FALSE;
        m_rectTrack.SetRectEmpty();
        ReleaseCapture();
    }
    if (GetCapture() == this)
        ReleaseCapture();
    CORXToolbarButton* pPressed = GetButton(m_iButtonCapture);
    if (pPressed != NULL)
        pPressed->m_nStyle &= ~TBBS_PRESSED;
    m_iButtonCapture = -1;
    m_iHighlighted = -1;
    SetHighlightedButton(-1);
    m_iHighlighted = -1;
    for (POSITION pos = m_Buttons.GetHeadPosition(); pos != NULL;)
        ((CORXToolbarButton*)m_Buttons.GetNext(pos))->OnCancelMode();
    RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_FRAME);
}

void CORXToolBar::OnCaptureChanged(CWnd* pWnd)
{
    // Another window took the mouse during a stretch: the stretch ends without a new width.
    if (m_bStretchButton && pWnd != this)
    {
        m_bStretchButton = FALSE;
        m_rectTrack.SetRectEmpty();
        m_pWndLastCapture = NULL;
        if (GetSafeHwnd() != NULL)
            RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    }
    CControlBar::OnCaptureChanged(pWnd);
}

LRESULT CORXToolBar::OnMouseLeave(WPARAM, LPARAM)
{
    if (m_hookMouseHelp != NULL)
        return 0;
    if (m_bMenuMode && !m_bCustomizeMode && GetDroppedDownMenu() != NULL)
        return 0;
    m_bTracked = FALSE;
    m_ptLastMouse = CPoint(-1, -1);
    if (m_iHighlighted >= 0 && GetFocus() != this)
    {
        int iOld = m_iHighlighted;
        m_iHighlighted = -1;
        m_iHot = -1;
        InvalidateButton(iOld);
        UpdateWindow();
        CORXToolbarButton* pButton = GetButton(iOld);
        if (pButton == NULL || !pButton->IsDroppedDown())
            SendIdleMessage();
    }
    return 0;
}

BOOL CORXToolBar::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
{
    if (m_bStretchButton && m_hcurStretch != NULL)
    {
        ::SetCursor(m_hcurStretch);
        return TRUE;
    }
    if (m_bCustomizeMode && !m_bLocked)
    {
        CORXToolbarButton* pButton = GetButton(m_iSelected);
        CPoint pt;
        ::GetCursorPos(&pt);
        ScreenToClient(&pt);
        if (pButton != NULL && pButton->CanBeStretched() && abs(pt.x - pButton->Rect().right) < 7 &&
            m_hcurStretch != NULL)
        {
            ::SetCursor(m_hcurStretch);
            return TRUE;
        }
    }
    return CControlBar::OnSetCursor(pWnd, nHitTest, message);
}

LRESULT CORXToolBar::OnHelpHitTest(WPARAM wParam, LPARAM lParam)
{
    OnCancelMode();
    CPoint point((DWORD)lParam);
    int iHit = HitTest(point);
    CORXToolbarButton* pButton = GetButton(iHit);
    if (pButton == NULL)
    {
        ::MessageBeep((UINT)-1);
        return -1;
    }
    if (pButton->OnContextHelp(this))
        return -1;
    LRESULT lResult = CControlBar::OnHelpHitTest(wParam, lParam);
    SetMouseHook(FALSE);
    return lResult;
}

void CORXToolBar::OnContextMenu(CWnd* pWnd, CPoint point)
{
    if (m_bLocked && m_bCustomizeMode)
    {
        ::MessageBeep((UINT)-1);
        return;
    }
    SetHighlightedButton(-1);
    if (!m_bCustomizeMode)
    {
        CWnd* pTarget = m_pDockSite != NULL ? (CWnd*)m_pDockSite : (CWnd*)GetParentFrame();
        if (pTarget != NULL)
            pTarget->SendMessage(ORX_WM_TOOLBAR_POPUPMENU, (WPARAM)m_hWnd, MAKELPARAM(point.x, point.y));
        return;
    }

    SetFocus();
    CPoint ptClient = point;
    if (point.x == -1 && point.y == -1)
    {
        ptClient = CPoint(5, 5);
        point = ptClient;
        ClientToScreen(&point);
    }
    else
        ScreenToClient(&ptClient);
    int iHit = HitTest(ptClient);
    int iOld = m_iSelected;
    m_iSelected = iHit;
    m_pSelToolbar = this;
    InvalidateButton(iOld);
    InvalidateButton(iHit);
    UpdateWindow();
    CORXToolbarButton* pButton = GetButton(iHit);
    if (pButton == NULL || !pButton->CanBeStored())
    {
        m_iSelected = -1;
        InvalidateButton(iHit);
        return;
    }

    CMenu menu;
    if (!menu.LoadMenu(IDR_ORX_POPUP_TOOLBAR))
        return;
    CMenu* pPopup = menu.GetSubMenu(0);
    if (pPopup == NULL)
        return;
    if (pButton->IsLocked())
        pPopup->EnableMenuItem(ID_ORX_TOOLBAR_RESET, MF_BYCOMMAND | MF_GRAYED);
    // The appearance dialog belongs to the extras; without them its command stays greyed.
    if (CORXServices::Find<CORXButtonAppearance>() == NULL)
        pPopup->EnableMenuItem(ID_ORX_TOOLBAR_APPEARANCE, MF_BYCOMMAND | MF_GRAYED);
    EnableContextMenuItems(pButton, pPopup);
    pPopup->TrackPopupMenu(TPM_LEFTALIGN | TPM_RIGHTBUTTON, point.x, point.y, this);
}

HBRUSH CORXToolBar::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor)
{
    if (m_bCustomizeMode && !m_bLocked && pWnd != NULL)
    {
        for (POSITION pos = m_Buttons.GetHeadPosition(); pos != NULL;)
        {
            CORXToolbarButton* pButton = (CORXToolbarButton*)m_Buttons.GetNext(pos);
            if (pButton->IsOwnerOf(pWnd->GetSafeHwnd()))
            {
                HBRUSH hbr = pButton->OnCtlColor(pDC, nCtlColor);
                if (hbr != NULL)
                    return hbr;
            }
        }
    }
    return CControlBar::OnCtlColor(pDC, pWnd, nCtlColor);
}

/////////////////////////////////////////////////////////////////////////////
// Highlight and keyboard mode

void CORXToolBar::SetHighlightedButton(int iButton)
{
    if (iButton == m_iHot)
        iButton = -1;
    m_iHot = iButton;
    int iDropped = -1;
    CORXToolbarButton* pDropped = GetDroppedDownMenu(&iDropped);
    if (pDropped == NULL && !m_bCustomizeMode)
        return;
    CORXToolbarButton* pButton = GetButton(iButton);
    if (pButton == NULL)
    {
        m_iHot = -1;
        if (m_bCustomizeMode && !m_bAltCustomizeMode && pDropped != NULL)
            pDropped->OnCancelMode();
        return;
    }
    if (pButton == pDropped)
    {
        if (m_bCustomizeMode)
            pDropped->OnCancelMode();
    }
    else if (!m_bCustomizeMode)
    {
        // The open menu moves to the new button once the message that asked for it is done: the
        // request may come from within the menu that closes.
        PostMessage(WM_ORX_MOVEMENU, (WPARAM)iButton, FALSE);
    }
    else
    {
        if (pDropped != NULL)
            pDropped->OnCancelMode();
        const CORXMenuDropper* pDropper = dynamic_cast<const CORXMenuDropper*>(pButton);
        if (pDropper != NULL && !pDropper->IsSystemMenuDropper())
            pButton->OnClick(this, FALSE);
    }
    if (m_bCustomizeMode && m_iDragIndex < 0 && m_iSelected != iButton &&
        !(pButton->m_nStyle & TBBS_SEPARATOR))
    {
        int iOld = m_iSelected;
        m_iSelected = iButton;
        InvalidateButton(m_iHighlighted);
        InvalidateButton(iOld);
        InvalidateButton(iButton);
        UpdateWindow();
    }
    if (iButton != m_iHighlighted)
    {
        int iOld = m_iHighlighted;
        m_iHighlighted = iButton;
        InvalidateButton(iOld);
        InvalidateButton(iButton);
        UpdateWindow();
    }
}

void CORXToolBar::MoveDroppedMenu(int iButton, BOOL bFirstItem)
{
    int iDropped = -1;
    CORXToolbarButton* pDropped = GetDroppedDownMenu(&iDropped);
    CORXToolbarButton* pButton = GetButton(iButton);
    if (pButton == NULL || iButton == iDropped || m_bCustomizeMode)
        return;
    if (pDropped != NULL)
    {
        int iOldHighlighted = m_iHighlighted;
        m_iHighlighted = -1;
        pDropped->OnCancelMode();
        InvalidateButton(iOldHighlighted);
    }
    const CORXMenuDropper* pDropper = dynamic_cast<const CORXMenuDropper*>(pButton);
    if (pDropper == NULL || (pButton->m_nStyle & TBBS_DISABLED))
        return;
    // Menus that the keys move along open at once.
    int nAnimation = bFirstItem ? pDropper->SwitchMenuAnimation(0) : 0;
    pButton->OnClick(this, TRUE);
    if (bFirstItem)
        pDropper->SwitchMenuAnimation(nAnimation);
    if (!pButton->IsDroppedDown())
        return;
    m_iHot = iButton;
    int iOld = m_iHighlighted;
    m_iHighlighted = iButton;
    InvalidateButton(iOld);
    InvalidateButton(iButton);
    UpdateWindow();
    CWnd* pMenu = pDropper->GetDroppedMenuWnd();
    if (bFirstItem && pMenu != NULL)
        pMenu->SendMessage(WM_KEYDOWN, VK_HOME);
}

LRESULT CORXToolBar::OnMoveMenu(WPARAM wParam, LPARAM lParam)
{
    MoveDroppedMenu((int)wParam, (BOOL)lParam);
    return 0;
}

int CORXToolBar::FindMenuButton(int iFrom, int nStep) const
{
    int nCount = GetCount();
    if (nCount == 0)
        return -1;
    int i = iFrom;
    for (int nTried = 0; nTried < nCount; nTried++)
    {
        i = ((i + nStep) % nCount + nCount) % nCount;
        CORXToolbarButton* pButton = GetButton(i);
        if (IsMenuButton(pButton) && !(pButton->m_nStyle & TBBS_DISABLED) && !pButton->IsHidden())
            return i;
    }
    return -1;
}

BOOL CORXToolBar::DropDownMenu(CORXToolbarButton* pButton)
{
    const CORXMenuDropper* pDropper = dynamic_cast<const CORXMenuDropper*>(pButton);
    if (pDropper == NULL || !pButton->OnClick(this, TRUE))
        return FALSE;
    CWnd* pMenu = pDropper->GetDroppedMenuWnd();
    if (pMenu != NULL)
        pMenu->SendMessage(WM_KEYDOWN, VK_HOME);
    SetDroppedDownButton(pButton);
    return TRUE;
}

void CORXToolBar::SetDroppedDownButton(CORXToolbarButton* pButton)
{
    if (pButton == NULL)
    {
        m_iHot = -1;
        return;
    }
    int iIndex = ButtonToIndex(pButton);
    // The highlight follows without moving the menu that just opened.
    if (iIndex != m_iHot)
        SetHighlightedButton(iIndex);
}

void CORXToolBar::OnSetFocus(CWnd* pOldWnd)
{
    CControlBar::OnSetFocus(pOldWnd);
    if (pOldWnd != NULL && pOldWnd->GetSafeHwnd() != NULL)
    {
        CWnd* pParentBar = pOldWnd;
        BOOL bFromBar = FALSE;
        for (; pParentBar != NULL; pParentBar = pParentBar->GetParent())
            if (DYNAMIC_DOWNCAST(CORXToolBar, pParentBar) != NULL)
            {
                bFromBar = TRUE;
                break;
            }
        if (!bFromBar)
            m_hwndLastFocus = pOldWnd->GetSafeHwnd();
    }
}

void CORXToolBar::OnKillFocus(CWnd* pNewWnd)
{
    CControlBar::OnKillFocus(pNewWnd);
    if (!m_bCustomizeMode)
        Deactivate();
}

void CORXToolBar::Deactivate()
{
    if (m_iHighlighted >= 0)
    {
        int iOld = m_iHighlighted;
        m_iHighlighted = -1;
        m_iHot = -1;
        InvalidateButton(iOld);
        UpdateWindow();
    }
    SendIdleMessage();
    RestoreFocus();
}

BOOL CORXToolBar::RestoreFocus()
{
    HWND hwnd = m_hwndLastFocus;
    m_hwndLastFocus = NULL;
    if (hwnd != NULL && ::IsWindow(hwnd))
    {
        ::SetFocus(hwnd);
        return TRUE;
    }
    return FALSE;
}

BOOL CORXToolBar::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_ESCAPE)
    {
        if (m_bStretchButton)
        {
            OnCancelMode();
            return TRUE;
        }
        if (GetFocus() == this)
        {
            Deactivate();
            RestoreFocus();
            return TRUE;
        }
    }
    return CControlBar::PreTranslateMessage(pMsg);
}

BOOL CORXToolBar::TranslateChar(UINT nChar)
{
    BYTE keyState[256];
    if (!::GetKeyboardState(keyState))
        return FALSE;
    WORD wChar = 0;
    if (::ToAsciiEx(nChar, ::MapVirtualKey(nChar, 0), keyState, &wChar, 1,
                    ::GetKeyboardLayout(::GetCurrentThreadId())) <= 0)
        return FALSE;
    UINT uiUpper = (UINT)(UINT_PTR)::CharUpperA((LPSTR)(UINT_PTR)(BYTE)wChar);
    CORXToolbarButton* pButton = NULL;
    if (!m_AcellKeys.Lookup(uiUpper & 0xFF, pButton) || pButton == NULL)
        return FALSE;
    const CORXMenuDropper* pDropper = dynamic_cast<const CORXMenuDropper*>(pButton);
    if (pDropper == NULL)
        return ProcessCommand(pButton);
    int nAnimation = pDropper->SwitchMenuAnimation(0);
    BOOL bDropped = DropDownMenu(pButton);
    pDropper->SwitchMenuAnimation(nAnimation);
    return bDropped;
}

BOOL CORXToolBar::PrevMenu()
{
    int iDropped = -1;
    if (GetDroppedDownMenu(&iDropped) == NULL)
        return FALSE;
    int iNew = FindMenuButton(iDropped, -1);
    if (iNew >= 0 && iNew != iDropped)
        PostMessage(WM_ORX_MOVEMENU, (WPARAM)iNew, TRUE);
    return TRUE;
}

BOOL CORXToolBar::NextMenu()
{
    int iDropped = -1;
    if (GetDroppedDownMenu(&iDropped) == NULL)
        return FALSE;
    int iNew = FindMenuButton(iDropped, 1);
    if (iNew >= 0 && iNew != iDropped)
        PostMessage(WM_ORX_MOVEMENU, (WPARAM)iNew, TRUE);
    return TRUE;
}

BOOL CORXToolBar::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (m_bCustomizeMode && !m_bLocked)
        return CControlBar::OnCommand(wParam, lParam);
    HWND hwndControl = (HWND)lParam;
    int iNotify = HIWORD(wParam);
    UINT nID = LOWORD(wParam);
    if (hwndControl == NULL)
    {
        if (nID == IDCANCEL)
        {
            RestoreFocus();
            return TRUE;
        }
        if (nID != IDOK)
            return FALSE;
        hwndControl = ::GetFocus();
        if (hwndControl == NULL)
            return FALSE;
        iNotify = 0;
    }
    CORXToolbarButton* pButton = NULL;
    for (POSITION pos = m_Buttons.GetHeadPosition(); pos != NULL;)
    {
        CORXToolbarButton* p = (CORXToolbarButton*)m_Buttons.GetNext(pos);
        if (p->IsOwnerOf(hwndControl))
        {
            pButton = p;
            break;
        }
    }
    if (pButton == NULL)
        return TRUE;
    if (nID != IDOK && !pButton->NotifyCommand(iNotify))
        return TRUE;
    CWnd* pOwner = GetOwner() != NULL ? GetOwner() : GetParent();
    if (pOwner != NULL)
        pOwner->PostMessage(WM_COMMAND, MAKEWPARAM(pButton->m_nID, iNotify), (LPARAM)hwndControl);
    return TRUE;
}

/////////////////////////////////////////////////////////////////////////////
// Tool tips

BOOL CORXToolBar::GetButtonToolTipText(const CORXToolbarButton* pButton, CString& strTTText) const
{
    CWnd* pInPlace = ORXInPlaceFrame();
    CORXFrameHooks* pHooks =
        ORXFrameOffer<CORXFrameHooks>(ORXFindHooksFrame(pInPlace != NULL ? pInPlace : GetParentFrame()));
    return pHooks != NULL ? pHooks->OnGetButtonToolTip(pButton, strTTText) : FALSE;
}

int CORXToolBar::OnToolHitTest(CPoint point, TOOLINFO* pTI) const
{
    if (!m_bShowTooltips)
        return -1;
    int nChild = CControlBar::OnToolHitTest(point, pTI);
    if (nChild != -1)
        return nChild;
    int iHit = ((CORXToolBar*)this)->HitTest(point);
    CORXToolbarButton* pButton = GetButton(iHit);
    if (pButton == NULL)
        return -1;
    if (pButton->GetHwnd() != NULL && ::IsWindowVisible(pButton->GetHwnd()))
        return -1;
    if (pTI == NULL)
        return pButton->m_nID == (UINT)-1 ? 0 : (int)pButton->m_nID;

    CString strTipText;
    if (!GetButtonToolTipText(pButton, strTipText))
    {
        if (pButton->m_nID == 0 || pButton->m_nID == (UINT)-1 || pButton->m_bUserButton)
            strTipText = CORXToolbarButton::StripMnemonics(pButton->m_strText);
        else if (CORXServices::Find<CORXUserToolsLink>() != NULL &&
                 CORXServices::Find<CORXUserToolsLink>()->IsUserToolCmd(pButton->m_nID))
            strTipText = pButton->m_strText;
        else
        {
            TCHAR szFullText[256];
            AfxLoadString(pButton->m_nID, szFullText, 256);
            LPCSTR pszNewLine = strchr(szFullText, '\n');
            if (pszNewLine != NULL)
                strTipText = pszNewLine + 1;
        }
    }
    if (strTipText.IsEmpty())
        return -1;
    if (m_bShowShortcutKeys && pButton->m_nID != 0 && pButton->m_nID != (UINT)-1)
    {
        CString strKey;
        BOOL bFound = ORXFindShownCommandKey(pButton->m_nID, strKey);
        if (bFound && !strKey.IsEmpty())
            strTipText += _T(" (") + strKey + _T(")");
    }
    // The framework frees the text with the tool.
    LPTSTR pszText = (LPTSTR)malloc((strTipText.GetLength() + 1) * sizeof(TCHAR));
    if (pszText == NULL)
        return -1;
    lstrcpy(pszText, strTipText);
    pTI->lpszText = pszText;
    pTI->rect = pButton->Rect();
    pTI->uId = pButton->m_nID == (UINT)-1 ? 0 : pButton->m_nID;
    pTI->hwnd = m_hWnd;
    CToolTipCtrl* pToolTip = AfxGetThreadToolTip();
    if (pToolTip != NULL && pToolTip->GetSafeHwnd() != NULL)
        pToolTip->SendMessage(WM_SETFONT, (WPARAM)globalData.fontRegular.GetSafeHandle());
    return (int)pTI->uId;
}

/////////////////////////////////////////////////////////////////////////////
// The messages of the platform's tool-bar control

LRESULT CORXToolBar::OnButtonCount(WPARAM, LPARAM)
{
    return GetCount();
}

LRESULT CORXToolBar::OnGetItemRect(WPARAM wParam, LPARAM lParam)
{
    if (lParam == 0 || GetButton((int)wParam) == NULL)
        return FALSE;
    GetItemRect((int)wParam, (LPRECT)lParam);
    return TRUE;
}

LRESULT CORXToolBar::OnGetButton(WPARAM wParam, LPARAM lParam)
{
    CORXToolbarButton* pButton = GetButton((int)wParam);
    if (pButton == NULL || lParam == 0)
        return FALSE;
    TBBUTTON* pTB = (TBBUTTON*)lParam;
    memset(pTB, 0, sizeof(TBBUTTON));
    pTB->iBitmap = 0;
    pTB->idCommand = (int)pButton->m_nID;
    pTB->fsState = (BYTE)((pButton->m_nStyle >> 16) & 0xFF);
    pTB->fsStyle = (BYTE)(pButton->m_nStyle & 0xFF);
    pTB->dwData = 0;
    pTB->iString = 0;
    return TRUE;
}

LRESULT CORXToolBar::OnGetButtonText(WPARAM wParam, LPARAM lParam)
{
    int iIndex = CommandToIndex((UINT)wParam);
    CORXToolbarButton* pButton = GetButton(iIndex);
    if (pButton == NULL)
        return -1;
    // Without a buffer the caller asks for the length.
    if (lParam != 0)
        lstrcpyA((LPSTR)lParam, pButton->m_strText);
    return pButton->m_strText.GetLength();
}

/////////////////////////////////////////////////////////////////////////////
// The mouse hook of context-help mode

void CORXToolBar::SetMouseHook(BOOL bSet)
{
    if (bSet)
    {
        // One hook for the thread, however often the frames ask.
        if (m_hookMouseHelp == NULL)
            m_hookMouseHelp = ::SetWindowsHookEx(WH_MOUSE, ToolBarMouseProc, NULL, ::GetCurrentThreadId());
        return;
    }
    if (m_hookMouseHelp != NULL)
    {
        ::UnhookWindowsHookEx(m_hookMouseHelp);
        m_hookMouseHelp = NULL;
    }
    m_pLastHookedToolbar = NULL;
    for (POSITION pos = gAllToolbars.GetHeadPosition(); pos != NULL;)
    {
        CORXToolBar* pBar = (CORXToolBar*)gAllToolbars.GetNext(pos);
        if (pBar->GetSafeHwnd() != NULL)
            pBar->OnCancelMode();
    }
}

LRESULT CALLBACK CORXToolBar::ToolBarMouseProc(int nCode, WPARAM wParam, LPARAM lParam)
{
    if (nCode >= 0 && wParam == WM_MOUSEMOVE)
    {
        MOUSEHOOKSTRUCT* pMH = (MOUSEHOOKSTRUCT*)lParam;
        CWnd* pWnd = CWnd::FromHandlePermanent(::WindowFromPoint(pMH->pt));
        CORXToolBar* pBar = DYNAMIC_DOWNCAST(CORXToolBar, pWnd);
        if (pBar != m_pLastHookedToolbar && m_pLastHookedToolbar != NULL &&
            gAllToolbars.Find(m_pLastHookedToolbar) != NULL)
        {
            CORXToolBar* pOld = m_pLastHookedToolbar;
            pOld->m_bTracked = FALSE;
            pOld->m_ptLastMouse = CPoint(-1, -1);
            int iOld = pOld->m_iHighlighted;
            pOld->m_iHighlighted = -1;
            pOld->InvalidateButton(iOld);
        }
        if (pBar != NULL)
        {
            CPoint pt = pMH->pt;
            pBar->ScreenToClient(&pt);
            pBar->OnMouseMove(0, pt);
        }
        m_pLastHookedToolbar = pBar;
    }
    return ::CallNextHookEx(m_hookMouseHelp, nCode, wParam, lParam);
}
