// The sizing bar's non-client area and mouse: edges, gripper, caption buttons, resize tracking.
#include "ORXSizingControlBar.h"

#include <afxpriv.h>

#include <algorithm>

#include "ORXGlobalData.h"
#include "ORXToolBar.h"
#include "ORXToolbarImageList.h"
#include "ORXVisualManager.h"

namespace
{
const DWORD kSideLeft = 1;
const DWORD kSideRight = 2;
const DWORD kSideTop = 4;
const DWORD kSideBottom = 8;
const DWORD kEdgeRoomStyle = 0x10;
const UINT kSides[] = {HTLEFT, HTTOP, HTRIGHT, HTBOTTOM};

DWORD SideBit(UINT nHit)
{
    switch (nHit)
    {
    case HTLEFT:
        return kSideLeft;
    case HTRIGHT:
        return kSideRight;
    case HTTOP:
        return kSideTop;
    case HTBOTTOM:
        return kSideBottom;
    }
    return 0;
}

BOOL IsRTL(HWND hWnd)
{
    return (::GetWindowLongA(hWnd, GWL_EXSTYLE) & WS_EX_LAYOUTRTL) != 0;
}
} // namespace

// Non-client layout

CRect CORXSizingControlBar::LayoutNonClient(CRect rectWindow)
{
    UINT nDockID = GetDockBarID();
    CPtrArray arrRow;
    int nThis = 0;
    GetRowBars(arrRow, nThis);
    BOOL bFirst = nThis == 0;
    BOOL bLast = nThis == (int)arrRow.GetSize() - 1;
    // The expand button and the edges follow the row as it is now, whichever bar laid it out last.
    RefreshRowState();
    m_dwNcRowState = GetNcRowState();

    // Which sides carry a border depends on the side the bar is docked to and its neighbours.
    BOOL bGripperTop = FALSE;
    m_dwSCBStyle = 0;
    switch (nDockID)
    {
    case AFX_IDW_DOCKBAR_TOP:
        m_dwSCBStyle = kSideBottom;
        break;
    case AFX_IDW_DOCKBAR_BOTTOM:
        m_dwSCBStyle = kSideTop;
        break;
    case AFX_IDW_DOCKBAR_LEFT:
        m_dwSCBStyle = kSideRight;
        bGripperTop = TRUE;
        break;
    case AFX_IDW_DOCKBAR_RIGHT:
        m_dwSCBStyle = kSideLeft;
        bGripperTop = TRUE;
        break;
    }
    BOOL bHorz = nDockID == AFX_IDW_DOCKBAR_TOP || nDockID == AFX_IDW_DOCKBAR_BOTTOM;
    if (nDockID != 0)
    {
        if (!bFirst)
            m_dwSCBStyle |= bHorz ? kSideLeft : kSideTop;
        if (!bLast)
            m_dwSCBStyle |= bHorz ? kSideRight : kSideBottom;
    }

    CRect rect(rectWindow);
    rect.DeflateRect(m_cxBorder, m_cxBorder);
    if (m_dwStyle & kEdgeRoomStyle)
    {
        for (int i = 0; i < 4; i++)
        {
            if (!IsSizingEdge(kSides[i]))
                continue;
            switch (kSides[i])
            {
            case HTLEFT:
                rect.left += m_cxEdge;
                break;
            case HTTOP:
                rect.top += m_cxEdge;
                break;
            case HTRIGHT:
                rect.right -= m_cxEdge;
                break;
            case HTBOTTOM:
                rect.bottom -= m_cxEdge;
                break;
            }
        }
    }

    m_rectGripper.SetRectEmpty();
    m_btnHide.m_bVisible = m_btnExpand.m_bVisible = FALSE;
    if (nDockID == 0 || m_cyGripper == 0)
        return rect;

    BOOL bRTL = IsRTL(m_hWnd);
    if (bGripperTop)
    {
        m_rectGripper = CRect(rect.left, rect.top, rect.right, rect.top + m_cyGripper);
        rect.top += m_cyGripper;
    }
    else if (!bRTL)
    {
        m_rectGripper = CRect(rect.left, rect.top, rect.left + m_cyGripper, rect.bottom);
        rect.left += m_cyGripper;
    }
    else
    {
        m_rectGripper = CRect(rect.right - m_cyGripper, rect.top, rect.right, rect.bottom);
        rect.right -= m_cyGripper;
    }

    CSize sizeButton = CORXMenuImages::Size() + CSize(5, 5);
    m_btnHide.m_bVisible = TRUE;
    m_btnExpand.m_bVisible = !m_bIsSingleInRow;
    if (bGripperTop)
    {
        int y = m_rectGripper.top + (m_rectGripper.Height() - sizeButton.cy) / 2;
        int x = m_rectGripper.right - 3 - sizeButton.cx;
        m_btnHide.m_rect = CRect(CPoint(x, y), sizeButton);
        m_btnExpand.m_rect = CRect(CPoint(x - sizeButton.cx, y), sizeButton);
    }
    else
    {
        int x = m_rectGripper.left + (m_rectGripper.Width() - sizeButton.cx) / 2;
        int y = m_rectGripper.top + 3;
        m_btnHide.m_rect = CRect(CPoint(x, y), sizeButton);
        m_btnExpand.m_rect = CRect(CPoint(x, y + sizeButton.cy), sizeButton);
    }
    if (!m_btnExpand.m_bVisible)
        m_btnExpand.m_rect.SetRectEmpty();
    return rect;
}

BOOL CORXSizingControlBar::IsSizingEdge(UINT nHit) const
{
    UINT nDockID = GetDockBarID();
    if (nDockID == 0 || (m_dwSCBStyle & SideBit(nHit)) == 0)
        return FALSE;
    BOOL bHorz = nDockID == AFX_IDW_DOCKBAR_TOP || nDockID == AFX_IDW_DOCKBAR_BOTTOM;
    CPtrArray arrRow;
    int nThis = 0;
    GetRowBars(arrRow, nThis);
    BOOL bLast = nThis == (int)arrRow.GetSize() - 1;
    switch (nHit)
    {
    case HTLEFT:
        return nDockID == AFX_IDW_DOCKBAR_RIGHT;
    case HTTOP:
        return nDockID == AFX_IDW_DOCKBAR_BOTTOM;
    case HTRIGHT:
        return nDockID == AFX_IDW_DOCKBAR_LEFT || (bHorz && !bLast);
    case HTBOTTOM:
        return nDockID == AFX_IDW_DOCKBAR_TOP || (!bHorz && !bLast);
    }
    return FALSE;
}

CRect CORXSizingControlBar::GetEdgeRect(UINT nHit, const CRect& rectWindow) const
{
    CRect rect(rectWindow);
    switch (nHit)
    {
    case HTLEFT:
        rect.right = rect.left + m_cxEdge;
        break;
    case HTRIGHT:
        rect.left = rect.right - m_cxEdge;
        break;
    case HTTOP:
        rect.bottom = rect.top + m_cxEdge;
        break;
    case HTBOTTOM:
        rect.top = rect.bottom - m_cxEdge;
        break;
    }
    // Along a horizontal dock the strips stop short of the corners, where the next side's begins.
    if (IsHorzDocked())
    {
        if (nHit == HTLEFT || nHit == HTRIGHT)
            rect.DeflateRect(0, m_cxEdge);
        else
            rect.DeflateRect(m_cxEdge, 0);
    }
    return rect;
}

void CORXSizingControlBar::OnNcCalcSize(BOOL, NCCALCSIZE_PARAMS* lpncsp)
{
    CRect rectWindow(lpncsp->rgrc[0]);
    CRect rectLocal(0, 0, rectWindow.Width(), rectWindow.Height());
    CRect rectClient = LayoutNonClient(rectLocal);
    if (rectClient.right < rectClient.left)
        rectClient.right = rectClient.left;
    if (rectClient.bottom < rectClient.top)
        rectClient.bottom = rectClient.top;
    rectClient.OffsetRect(rectWindow.TopLeft());
    lpncsp->rgrc[0] = rectClient;

    if (m_wndToolTip.GetSafeHwnd() != NULL)
    {
        // The tip control measures in client coordinates: the buttons lie above or left of them.
        CPoint ptOrigin = rectWindow.TopLeft() - rectClient.TopLeft();
        CRect rectHide = m_btnHide.m_bVisible ? m_btnHide.m_rect + ptOrigin : CRect(0, 0, 0, 0);
        CRect rectExpand = m_btnExpand.m_bVisible ? m_btnExpand.m_rect + ptOrigin : CRect(0, 0, 0, 0);
        m_wndToolTip.SetToolRect(this, 1, rectHide);
        m_wndToolTip.SetToolRect(this, 2, rectExpand);
    }
}

UINT CORXSizingControlBar::OnNcHitTest(CPoint point)
{
    CRect rectWindow;
    GetWindowRect(rectWindow);
    CPoint pt = point - rectWindow.TopLeft();
    if (IsRTL(m_hWnd))
        pt.x = rectWindow.Width() - 1 - pt.x;
    CRect rectLocal(0, 0, rectWindow.Width(), rectWindow.Height());

    for (int i = 0; i < 4; i++)
        if (IsSizingEdge(kSides[i]) && GetEdgeRect(kSides[i], rectLocal).PtInRect(pt))
            return kSides[i];
    if (IsFloating() || GetDockBarID() == 0)
        return (UINT)CControlBar::OnNcHitTest(point);

    if (m_cyGripper > 0)
    {
        if (m_btnHide.m_bVisible && m_btnHide.m_rect.PtInRect(pt))
            return m_btnHide.m_nHit;
        if (m_btnExpand.m_bVisible && m_btnExpand.m_rect.PtInRect(pt))
            return m_btnExpand.m_nHit;
    }
    CRect rectClient;
    GetClientRect(rectClient);
    ClientToScreen(rectClient);
    return rectClient.PtInRect(point) ? HTCLIENT : HTCAPTION;
}

// Painting

void CORXSizingControlBar::DrawCaption(CDC* pDC, const CRect&)
{
    if (m_rectGripper.IsRectEmpty())
        return;
    BOOL bActive = IsFocusInside();
    COLORREF clrCaption = ::GetSysColor(bActive ? COLOR_ACTIVECAPTION : COLOR_INACTIVECAPTION);
    BOOL bGradientSetting = FALSE;
    ::SystemParametersInfoA(SPI_GETGRADIENTCAPTIONS, 0, &bGradientSetting, 0);
    CRect rect(m_rectGripper);
    if (globalData.m_nBitsPerPixel > 8)
    {
        COLORREF clrEnd = bGradientSetting ? ::GetSysColor(bActive ? COLOR_GRADIENTACTIVECAPTION
                                                                   : COLOR_GRADIENTINACTIVECAPTION)
                                           : globalData.clrBarFace;
        BOOL bHorzGradient = rect.Width() >= rect.Height();
        int nSteps = bHorzGradient ? rect.Width() : rect.Height();
        for (int i = 0; i < nSteps; i++)
        {
            int r =
                GetRValue(clrCaption) + (GetRValue(clrEnd) - GetRValue(clrCaption)) * i / std::max(nSteps, 1);
            int g =
                GetGValue(clrCaption) + (GetGValue(clrEnd) - GetGValue(clrCaption)) * i / std::max(nSteps, 1);
            int b =
                GetBValue(clrCaption) + (GetBValue(clrEnd) - GetBValue(clrCaption)) * i / std::max(nSteps, 1);
            CRect rectStep = bHorzGradient
                                 ? CRect(rect.left + i, rect.top, rect.left + i + 1, rect.bottom)
                                 : CRect(rect.left, rect.bottom - i - 1, rect.right, rect.bottom - i);
            pDC->FillSolidRect(rectStep, RGB(r, g, b));
        }
    }
    else
    {
        CBrush brush(clrCaption);
        pDC->FillRect(rect, &brush);
    }

    CString strText;
    GetWindowText(strText);
    if (!strText.IsEmpty())
    {
        int nOldMode = pDC->SetBkMode(TRANSPARENT);
        COLORREF clrOld =
            pDC->SetTextColor(::GetSysColor(bActive ? COLOR_CAPTIONTEXT : COLOR_INACTIVECAPTIONTEXT));
        CRect rectText(rect);
        BOOL bStanding = IsHorzDocked();
        // Docked top or bottom the gripper stands on the left: the text runs upwards from its
        // bottom-left corner, below the buttons at its head; otherwise it runs along the gripper
        // up to them.
        if (bStanding)
        {
            const CButton& btnLow = m_btnExpand.m_bVisible ? m_btnExpand : m_btnHide;
            if (btnLow.m_bVisible)
                rectText.top = btnLow.m_rect.bottom;
        }
        else
            rectText.right = m_btnExpand.m_bVisible ? m_btnExpand.m_rect.left : m_btnHide.m_rect.left;
        CFont* pOld =
            pDC->SelectObject(bStanding ? &globalData.fontVertCaption : &globalData.fontHorzCaption);
        TEXTMETRIC tm;
        pDC->GetTextMetrics(&tm);
        if (bStanding)
            pDC->ExtTextOut(rectText.left, rectText.bottom - 3, ETO_CLIPPED, rectText, strText, NULL);
        else
            pDC->ExtTextOut(rectText.left + 3, rectText.top + (rectText.Height() - tm.tmHeight) / 2,
                            ETO_CLIPPED, rectText, strText, NULL);
        pDC->SelectObject(pOld);
        pDC->SetTextColor(clrOld);
        pDC->SetBkMode(nOldMode);
    }

    CORXVisualManager* pLook = CORXVisualManager::GetInstance();
    if (m_btnHide.m_bVisible)
        pLook->OnDrawCaptionButton(pDC, m_btnHide.m_rect, CORXMenuImages::IdClose, bActive, m_btnHide.m_bHot,
                                   m_btnHide.m_bPushed, FALSE);
    if (m_btnExpand.m_bVisible)
        pLook->OnDrawCaptionButton(pDC, m_btnExpand.m_rect,
                                   m_bExpanded ? CORXMenuImages::IdRestore : CORXMenuImages::IdMaximize,
                                   bActive, m_btnExpand.m_bHot, m_btnExpand.m_bPushed, FALSE);
}

void CORXSizingControlBar::OnNcPaint()
{
    CWindowDC dc(this);
    CRect rectWindow;
    GetWindowRect(rectWindow);
    CRect rectLocal(0, 0, rectWindow.Width(), rectWindow.Height());
    CRect rectClient;
    GetClientRect(rectClient);
    ClientToScreen(rectClient);
    rectClient.OffsetRect(-rectWindow.TopLeft());
    dc.ExcludeClipRect(rectClient);

    dc.FillSolidRect(rectLocal, globalData.clrBarFace);
    // The sizing edges show as raised strips, so that the user sees where to take hold.
    for (int i = 0; i < 4; i++)
    {
        if (!IsSizingEdge(kSides[i]))
            continue;
        CRect rectEdge = GetEdgeRect(kSides[i], rectLocal);
        dc.Draw3dRect(rectEdge, globalData.clrBarHilite, globalData.clrBarShadow);
    }
    DrawCaption(&dc, rectLocal);
}

void CORXSizingControlBar::OnPaint()
{
    CPaintDC dc(this);
}

void CORXSizingControlBar::RedrawButton(CButton&)
{
    if (m_hWnd != NULL)
        SendMessage(WM_NCPAINT);
}

CORXSizingControlBar::CButton* CORXSizingControlBar::ButtonFromHit(UINT nHit)
{
    if (nHit == m_btnHide.m_nHit && m_btnHide.m_bVisible)
        return &m_btnHide;
    if (nHit == m_btnExpand.m_nHit && m_btnExpand.m_bVisible)
        return &m_btnExpand;
    return NULL;
}

void CORXSizingControlBar::ReleasePushedButtons()
{
    BOOL bRedraw = FALSE;
    CButton* buttons[] = {&m_btnHide, &m_btnExpand};
    for (CButton* pBtn : buttons)
        if (pBtn->m_bPushed)
        {
            pBtn->m_bPushed = FALSE;
            bRedraw = TRUE;
        }
    if (bRedraw)
    {
        if (::GetCapture() == m_hWnd)
            ::ReleaseCapture();
        RedrawButton(m_btnHide);
    }
}

// Mouse

void CORXSizingControlBar::OnNcLButtonDown(UINT nHitTest, CPoint point)
{
    if (IsFloating() || m_nTrackHit != 0)
        return;
    CButton* pBtn = ButtonFromHit(nHitTest);
    if (pBtn != NULL)
    {
        if (pBtn == &m_btnExpand && m_bIsSingleInRow)
            return;
        pBtn->m_bPushed = TRUE;
        RedrawButton(*pBtn);
        SetCapture();
        return;
    }
    if (nHitTest >= HTLEFT && nHitTest <= HTBOTTOMRIGHT)
    {
        OnTrackStart(nHitTest, point);
        return;
    }
    // The gripper and borders drag the bar; the window manager must never move it itself.
    if (nHitTest == HTCAPTION && m_pDockContext != NULL)
        m_pDockContext->StartDrag(point);
}

void CORXSizingControlBar::OnNcLButtonDblClk(UINT nHitTest, CPoint)
{
    if (nHitTest >= HTLEFT && nHitTest <= HTBOTTOMRIGHT)
        return;
    if (ButtonFromHit(nHitTest) != NULL)
        return;
    if (m_pDockContext != NULL)
        m_pDockContext->ToggleDocking();
}

void CORXSizingControlBar::OnNcMouseMove(UINT nHitTest, CPoint point)
{
    BOOL bChanged = FALSE;
    CButton* buttons[] = {&m_btnHide, &m_btnExpand};
    for (CButton* pBtn : buttons)
    {
        BOOL bHot = pBtn->m_bVisible && nHitTest == pBtn->m_nHit;
        if (bHot != pBtn->m_bHot)
        {
            pBtn->m_bHot = bHot;
            bChanged = TRUE;
        }
    }
    if (bChanged)
        RedrawButton(m_btnHide);
    CControlBar::OnNcMouseMove(nHitTest, point);
}

void CORXSizingControlBar::OnNcRButtonDown(UINT nHitTest, CPoint point)
{
    if (CORXToolBar::IsCustomizeMode())
        return;
    CFrameWnd* pFrame = GetDockingFrame();
    if (pFrame != NULL)
        pFrame->SendMessage(ORX_WM_TOOLBAR_POPUPMENU, (WPARAM)m_hWnd, MAKELPARAM(point.x, point.y));
    (void)nHitTest;
}

void CORXSizingControlBar::OnLButtonDown(UINT nFlags, CPoint point)
{
    if (m_btnHide.m_bPushed || m_btnExpand.m_bPushed)
    {
        ReleasePushedButtons();
        return;
    }
    CPoint ptScreen(point);
    ClientToScreen(&ptScreen);
    CRect rectClient;
    GetClientRect(rectClient);
    CRect rectWindow;
    GetWindowRect(rectWindow);
    if (!rectClient.PtInRect(point) && rectWindow.PtInRect(ptScreen))
    {
        OnNcLButtonDown(OnNcHitTest(ptScreen), ptScreen);
        return;
    }
    CControlBar::OnLButtonDown(nFlags, point);
}

BOOL CORXSizingControlBar::ReleaseCaptionButton(UINT nHitTest)
{
    if (!m_btnHide.m_bPushed && !m_btnExpand.m_bPushed)
        return FALSE;
    CButton* pPushed = m_btnHide.m_bPushed ? &m_btnHide : &m_btnExpand;
    BOOL bOver = nHitTest == pPushed->m_nHit;
    ReleasePushedButtons();
    if (::GetCapture() == m_hWnd)
        ::ReleaseCapture();
    if (!bOver)
        return TRUE;
    if (pPushed == &m_btnExpand)
        Expand(TRUE);
    else if (CanBeHidden())
    {
        CFrameWnd* pFrame = GetDockingFrame();
        if (pFrame != NULL)
            pFrame->ShowControlBar(this, FALSE, FALSE);
    }
    return TRUE;
}

void CORXSizingControlBar::OnNcLButtonUp(UINT nHitTest, CPoint point)
{
    // A press that held the capture ends in WM_LBUTTONUP; this is the release of one that did not.
    if (ReleaseCaptionButton(nHitTest))
        return;
    CControlBar::OnNcLButtonUp(nHitTest, point);
}

void CORXSizingControlBar::OnLButtonUp(UINT nFlags, CPoint point)
{
    CPoint ptScreen(point);
    ClientToScreen(&ptScreen);
    if (ReleaseCaptionButton(OnNcHitTest(ptScreen)))
        return;
    if (m_nTrackHit != 0)
    {
        OnTrackStop();
        return;
    }
    CControlBar::OnLButtonUp(nFlags, point);
}

void CORXSizingControlBar::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    CControlBar::OnLButtonDblClk(nFlags, point);
}

void CORXSizingControlBar::OnRButtonDown(UINT nFlags, CPoint point)
{
    // The right button ends a resize as the left one does: the bar keeps the size it was dragged to.
    if (m_nTrackHit != 0)
    {
        OnTrackStop();
        return;
    }
    if (CORXToolBar::IsCustomizeMode())
        return;
    CPoint ptScreen(point);
    ClientToScreen(&ptScreen);
    CFrameWnd* pFrame = GetDockingFrame();
    if (pFrame != NULL)
        pFrame->SendMessage(ORX_WM_TOOLBAR_POPUPMENU, (WPARAM)m_hWnd, MAKELPARAM(ptScreen.x, ptScreen.y));
    (void)nFlags;
}

void CORXSizingControlBar::OnMouseMove(UINT nFlags, CPoint point)
{
    if (m_nTrackHit != 0)
    {
        CPoint ptScreen(point);
        ClientToScreen(&ptScreen);
        OnTrackMove(ptScreen);
        return;
    }
    if (m_btnHide.m_bPushed || m_btnExpand.m_bPushed)
    {
        CPoint ptScreen(point);
        ClientToScreen(&ptScreen);
        OnNcMouseMove(OnNcHitTest(ptScreen), ptScreen);
        return;
    }
    CControlBar::OnMouseMove(nFlags, point);
}

void CORXSizingControlBar::OnCaptureChanged(CWnd* pWnd)
{
    if (pWnd != this)
    {
        if (m_nTrackHit != 0)
            OnTrackStop();
        BOOL bPushed = m_btnHide.m_bPushed || m_btnExpand.m_bPushed;
        m_btnHide.m_bPushed = m_btnExpand.m_bPushed = FALSE;
        if (bPushed)
            RedrawButton(m_btnHide);
    }
    CControlBar::OnCaptureChanged(pWnd);
}

BOOL CORXSizingControlBar::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
{
    if (!IsFloating())
    {
        if ((nHitTest == HTLEFT || nHitTest == HTRIGHT) && s_hcurHorz != NULL)
        {
            ::SetCursor(s_hcurHorz);
            return TRUE;
        }
        if ((nHitTest == HTTOP || nHitTest == HTBOTTOM) && s_hcurVert != NULL)
        {
            ::SetCursor(s_hcurVert);
            return TRUE;
        }
    }
    return CControlBar::OnSetCursor(pWnd, nHitTest, message);
}

void CORXSizingControlBar::OnWindowPosChanging(WINDOWPOS* lpwndpos)
{
    // The frame lays the bar out anew whenever it moves: its borders and buttons follow the side.
    lpwndpos->flags |= SWP_FRAMECHANGED;
    CControlBar::OnWindowPosChanging(lpwndpos);
}

LRESULT CORXSizingControlBar::OnSetText(WPARAM, LPARAM lParam)
{
    LRESULT lResult = Default();
    CMiniDockFrameWnd* pMiniFrame = DYNAMIC_DOWNCAST(CMiniDockFrameWnd, GetParentFrame());
    if (IsFloating() && pMiniFrame != NULL)
        pMiniFrame->SetWindowText((LPCTSTR)lParam);
    SendMessage(WM_NCPAINT);
    return lResult;
}

// Resize tracking

void CORXSizingControlBar::OnTrackStart(UINT nHitTest, CPoint ptScreen)
{
    SetCapture();
    CFrameWnd* pFrame = GetDockingFrame();
    if (pFrame != NULL)
        pFrame->UpdateWindow();
    m_nTrackHit = nHitTest;
    m_ptTrackStart = ptScreen;
    m_sizeTrackStart = m_sizeTrack = DockedSize();
    m_bTrackerShown = FALSE;
    OnTrackInvertTracker();
}

void CORXSizingControlBar::OnTrackMove(CPoint ptScreen)
{
    if (m_nTrackHit == 0)
        return;
    CSize sizeDelta = ptScreen - m_ptTrackStart;
    CSize size = m_sizeTrackStart;
    switch (m_nTrackHit)
    {
    case HTLEFT:
        size.cx -= sizeDelta.cx;
        break;
    case HTTOP:
        size.cy -= sizeDelta.cy;
        break;
    case HTRIGHT:
        size.cx += sizeDelta.cx;
        break;
    case HTBOTTOM:
        size.cy += sizeDelta.cy;
        break;
    }
    size = ClipStoredSize(size, m_szMin, m_szMax, CSize(0, 0));
    if (size == m_sizeTrack)
        return;
    OnTrackInvertTracker();
    m_sizeTrack = size;
    OnTrackInvertTracker();
}

void CORXSizingControlBar::OnTrackStop()
{
    if (m_nTrackHit == 0)
        return;
    if (m_bTrackerShown)
        OnTrackInvertTracker();
    UINT nHit = m_nTrackHit;
    m_nTrackHit = 0;
    if (::GetCapture() == m_hWnd)
        ::ReleaseCapture();

    const BOOL bHorz = IsHorzDocked();
    CArray<CORXSizingControlBar*, CORXSizingControlBar*> arrRow;
    GetRowSizingBars(arrRow);
    INT_PTR nThis = 0;
    while (nThis < arrRow.GetSize() && arrRow[nThis] != this)
        nThis++;
    CSize& size = DockedSize();
    BOOL bLengthEdge = bHorz ? (nHit == HTLEFT || nHit == HTRIGHT) : (nHit == HTTOP || nHit == HTBOTTOM);
    if (!bLengthEdge)
    {
        // A row has one thickness: the bars beside this one take the thickness it was given.
        size = m_sizeTrack;
        for (INT_PTR i = 0; i < arrRow.GetSize(); i++)
        {
            if (bHorz)
                arrRow[i]->m_szHorz.cy = m_sizeTrack.cy;
            else
                arrRow[i]->m_szVert.cx = m_sizeTrack.cx;
        }
    }
    else
    {
        // The edge between this bar and the next moves: the bars after it give or take the
        // difference between them, one pixel each in turn, so that bars that shared their part
        // of the row equally go on sharing it equally; they never go below their minimums.
        CArray<int, int> arrLengths, arrMins;
        int nTotal = 0;
        int nMinTotal = 0;
        for (INT_PTR i = nThis + 1; i < arrRow.GetSize(); i++)
        {
            CORXSizingControlBar* pBar = arrRow[i];
            CSize sizeBar = ClipStoredSize(bHorz ? pBar->m_szHorz : pBar->m_szVert, pBar->m_szMin,
                                           pBar->m_szMax, CSize(0, 0));
            arrLengths.Add(bHorz ? sizeBar.cx : sizeBar.cy);
            arrMins.Add(bHorz ? pBar->m_szMin.cx : pBar->m_szMin.cy);
            nTotal += arrLengths[arrLengths.GetSize() - 1];
            nMinTotal += arrMins[arrMins.GetSize() - 1];
        }
        LONG& nLength = bHorz ? size.cx : size.cy;
        const int nStart = bHorz ? m_sizeTrackStart.cx : m_sizeTrackStart.cy;
        int nNew = bHorz ? m_sizeTrack.cx : m_sizeTrack.cy;
        if (arrLengths.GetSize() > 0)
        {
            // What the bars after the edge can give at their minimums is as far as it goes.
            int nGive = std::min(nNew - nStart, nTotal - nMinTotal);
            nNew = nStart + nGive;
            while (nGive != 0)
                for (INT_PTR i = 0; i < arrLengths.GetSize() && nGive != 0; i++)
                {
                    if (nGive < 0)
                    {
                        arrLengths[i]++;
                        nGive++;
                    }
                    else if (arrLengths[i] > arrMins[i])
                    {
                        arrLengths[i]--;
                        nGive--;
                    }
                }
            for (INT_PTR i = 0; i < arrLengths.GetSize(); i++)
            {
                CSize& sizeBar = bHorz ? arrRow[nThis + 1 + i]->m_szHorz : arrRow[nThis + 1 + i]->m_szVert;
                (bHorz ? sizeBar.cx : sizeBar.cy) = arrLengths[i];
            }
        }
        nLength = nNew;
    }
    CFrameWnd* pFrame = GetDockingFrame();
    if (pFrame != NULL)
        pFrame->RecalcLayout();
}

void CORXSizingControlBar::OnTrackInvertTracker()
{
    CFrameWnd* pFrame = GetDockingFrame();
    if (pFrame == NULL || m_nTrackHit == 0)
        return;
    CRect rectBar;
    GetWindowRect(rectBar);
    CSize sizeDelta = m_sizeTrack - m_sizeTrackStart;
    CRect rect(rectBar);
    switch (m_nTrackHit)
    {
    case HTLEFT:
        rect.left -= sizeDelta.cx;
        rect.right = rect.left + m_cxEdge;
        break;
    case HTTOP:
        rect.top -= sizeDelta.cy;
        rect.bottom = rect.top + m_cxEdge;
        break;
    case HTRIGHT:
        rect.right += sizeDelta.cx;
        rect.left = rect.right - m_cxEdge;
        break;
    case HTBOTTOM:
        rect.bottom += sizeDelta.cy;
        rect.top = rect.bottom - m_cxEdge;
        break;
    }
    m_rectTracker = rect;
    CRect rectFrame;
    pFrame->GetWindowRect(rectFrame);
    rect.OffsetRect(-rectFrame.TopLeft());
    CDC* pDC = pFrame->GetWindowDC();
    if (pDC == NULL)
        return;
    pDC->PatBlt(rect.left, rect.top, rect.Width(), rect.Height(), DSTINVERT);
    pFrame->ReleaseDC(pDC);
    m_bTrackerShown = !m_bTrackerShown;
}
