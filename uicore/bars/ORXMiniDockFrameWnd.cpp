// The sizing bars' floating frame: its caption button and the roll-up while the mouse is away.
#include "ORXMiniDockFrameWnd.h"

#include <algorithm>

#include "ORXSizingControlBar.h"
#include "ORXToolBar.h"
#include "ORXToolbarImageList.h"
#include "ORXVisualManager.h"

IMPLEMENT_DYNCREATE(CORXMiniDockFrameWnd, CMiniDockFrameWnd)

BEGIN_MESSAGE_MAP(CORXMiniDockFrameWnd, CMiniDockFrameWnd)
ON_WM_CREATE()
ON_WM_NCLBUTTONDOWN()
ON_WM_NCRBUTTONDOWN()
ON_WM_NCMOUSEMOVE()
ON_WM_TIMER()
ON_WM_SIZE()
ON_WM_NCPAINT()
ON_WM_NCACTIVATE()
ON_WM_WINDOWPOSCHANGING()
ON_WM_CLOSE()
END_MESSAGE_MAP()

namespace
{
const UINT_PTR kRollTimer = 0x0E17;
const UINT kRollTimerPeriod = 100;
const int kRollCountdown = 6;
} // namespace

CORXMiniDockFrameWnd::CORXMiniDockFrameWnd()
    : m_nRollState(0), m_bRolled(FALSE), m_rectButton(0, 0, 0, 0), m_rectFull(-1, -1, -1, -1),
      m_nCountdown(kRollCountdown)
{
}

CORXMiniDockFrameWnd::~CORXMiniDockFrameWnd() {}

BOOL CORXMiniDockFrameWnd::Create(CWnd* pParent, DWORD dwBarStyle)
{
    if (!CMiniDockFrameWnd::Create(pParent, dwBarStyle))
        return FALSE;
    // A sizing bar's frame sizes on every side and corner, and keeps out of the task list.
    ModifyStyle(MFS_4THICKFRAME, 0);
    ModifyStyleEx(0, WS_EX_TOOLWINDOW);
    return TRUE;
}

int CORXMiniDockFrameWnd::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CMiniDockFrameWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    StartRollTimer();
    return 0;
}

CORXSizingControlBar* CORXMiniDockFrameWnd::GetSizingBar() const
{
    return DYNAMIC_DOWNCAST(CORXSizingControlBar, GetSingleBar());
}

int CORXMiniDockFrameWnd::ToggledRollState(int nState)
{
    switch (nState)
    {
    case 2:
        return 3;
    case 3:
        return 2;
    case 4:
        return 5;
    case 5:
        return 4;
    }
    return nState;
}

void CORXMiniDockFrameWnd::SetRollState(int nState)
{
    m_nRollState = nState;
    CORXSizingControlBar* pBar = GetSizingBar();
    if (pBar != NULL)
        pBar->SetRollState(nState, pBar->IsRolled());
    if (!CanRollUp(nState) && m_bRolled)
        Unroll();
    if (CanRollUp(nState))
        StartRollTimer();
    if (m_hWnd != NULL)
        SendMessage(WM_NCPAINT);
}

void CORXMiniDockFrameWnd::StartRollTimer()
{
    m_nCountdown = kRollCountdown;
    if (m_hWnd != NULL)
        SetTimer(kRollTimer, kRollTimerPeriod, NULL);
}

// Rolling

int CORXMiniDockFrameWnd::GetRolledHeight() const
{
    BOOL bSizable = (GetStyle() & WS_THICKFRAME) != 0;
    int cyFrame = ::GetSystemMetrics(bSizable ? SM_CYSIZEFRAME : SM_CYFIXEDFRAME);
    return ::GetSystemMetrics(SM_CYSMCAPTION) + 2 * cyFrame;
}

int CORXMiniDockFrameWnd::GetRolledWidth()
{
    CString strText;
    GetWindowText(strText);
    CClientDC dc(this);
    NONCLIENTMETRICSA ncm;
    memset(&ncm, 0, sizeof(ncm));
    ncm.cbSize = sizeof(ncm);
    ::SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof(ncm), &ncm, 0);
    HFONT hFont = ::CreateFontIndirectA(&ncm.lfSmCaptionFont);
    HGDIOBJ hOld = ::SelectObject(dc.GetSafeHdc(), hFont);
    CSize sizeText = dc.GetTextExtent(strText);
    ::SelectObject(dc.GetSafeHdc(), hOld);
    ::DeleteObject(hFont);
    BOOL bSizable = (GetStyle() & WS_THICKFRAME) != 0;
    int cxFrame = ::GetSystemMetrics(bSizable ? SM_CXSIZEFRAME : SM_CXFIXEDFRAME);
    return sizeText.cx + 3 * ::GetSystemMetrics(SM_CXSMSIZE) + 2 * cxFrame + 4;
}

void CORXMiniDockFrameWnd::RollUp()
{
    if (m_bRolled)
        return;
    GetWindowRect(m_rectFull);
    m_bRolled = TRUE;
    CORXSizingControlBar* pBar = GetSizingBar();
    if (pBar != NULL)
        pBar->SetRollState(m_nRollState, TRUE);
    KillTimer(kRollTimer);
    SetWindowPos(NULL, 0, 0, GetRolledWidth(), GetRolledHeight(), SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CORXMiniDockFrameWnd::Unroll()
{
    if (!m_bRolled)
        return;
    m_bRolled = FALSE;
    CORXSizingControlBar* pBar = GetSizingBar();
    if (pBar != NULL)
        pBar->SetRollState(m_nRollState, FALSE);
    CRect rectWindow;
    GetWindowRect(rectWindow);
    if (m_rectFull.left != -1 || m_rectFull.right != -1)
        SetWindowPos(&CWnd::wndTop, 0, 0, m_rectFull.Width(), m_rectFull.Height(),
                     SWP_NOMOVE | SWP_NOACTIVATE);
    RecalcLayout();
    StartRollTimer();
}

BOOL CORXMiniDockFrameWnd::IsCursorOverFrame() const
{
    CPoint pt;
    ::GetCursorPos(&pt);
    HWND hWnd = ::WindowFromPoint(pt);
    return hWnd != NULL && (hWnd == m_hWnd || ::IsChild(m_hWnd, hWnd));
}

BOOL CORXMiniDockFrameWnd::IsFocusOrCaptureInside() const
{
    HWND hWndFocus = ::GetFocus();
    HWND hWndCapture = ::GetCapture();
    return (hWndFocus != NULL && (hWndFocus == m_hWnd || ::IsChild(m_hWnd, hWndFocus))) ||
           (hWndCapture != NULL && (hWndCapture == m_hWnd || ::IsChild(m_hWnd, hWndCapture)));
}

void CORXMiniDockFrameWnd::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent != kRollTimer)
    {
        CMiniDockFrameWnd::OnTimer(nIDEvent);
        return;
    }
    // The bar may have been given its state before it came to this frame.
    CORXSizingControlBar* pBar = GetSizingBar();
    if (pBar != NULL && pBar->GetRollState() != m_nRollState)
        m_nRollState = pBar->GetRollState();
    if (!CanRollUp(m_nRollState) || m_bRolled)
        return;
    if (IsCursorOverFrame())
    {
        m_nCountdown = kRollCountdown;
        return;
    }
    if (IsFocusOrCaptureInside())
        return;
    if (--m_nCountdown < 1)
        RollUp();
}

// Mouse

void CORXMiniDockFrameWnd::OnNcLButtonDown(UINT nHitTest, CPoint point)
{
    CRect rectWindow;
    GetWindowRect(rectWindow);
    if (m_rectButton.PtInRect(CPoint(point.x - rectWindow.left, point.y - rectWindow.top)))
    {
        int nNew = ToggledRollState(m_nRollState);
        if (nNew != m_nRollState)
            SetRollState(nNew);
        else
        {
            // Without a pair to swap the button rolls the frame up and opens it by hand; nothing
            // rolls it up or opens it by itself in these states.
            if (m_bRolled)
                Unroll();
            else
                RollUp();
            SendMessage(WM_NCPAINT);
        }
        SetWindowPos(NULL, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
        return;
    }
    if (nHitTest == HTCAPTION)
    {
        ActivateFrame();
        BringWindowToTop();
        // A sizing bar's frame is itself carried to where the bar docks; other bars are dragged
        // as a rectangle by their dock context.
        if (GetSizingBar() != NULL)
        {
            TrackDockBack(point);
            return;
        }
        CControlBar* pBar = GetSingleBar();
        if (pBar != NULL && pBar->m_pDockContext != NULL)
        {
            pBar->m_pDockContext->StartDrag(point);
            return;
        }
    }
    if (nHitTest >= HTLEFT && nHitTest <= HTBOTTOMRIGHT)
    {
        CORXSizingControlBar* pBar = GetSizingBar();
        if (pBar != NULL && pBar->m_pDockContext != NULL)
        {
            pBar->m_pDockContext->StartResize(nHitTest, point);
            return;
        }
    }
    CMiniDockFrameWnd::OnNcLButtonDown(nHitTest, point);
}

// Docking back by dragging

CRect CORXMiniDockFrameWnd::DockRectAround(CPoint ptCursor, CPoint ptOffset, CSize size)
{
    CPoint ptIn(std::max(0L, std::min(ptOffset.x, size.cx - 1)),
                std::max(0L, std::min(ptOffset.y, size.cy - 1)));
    return CRect(CPoint(ptCursor.x - ptIn.x, ptCursor.y - ptIn.y), size);
}

BOOL CORXMiniDockFrameWnd::TrackDockBack(CPoint ptScreen)
{
    CORXSizingControlBar* pBar = GetSizingBar();
    CFrameWnd* pDockSite = pBar != NULL ? pBar->m_pDockSite : NULL;
    // Someone else's capture (a pressed button, a menu) wins over the drag.
    HWND hWndCapture = ::GetCapture();
    if (pDockSite == NULL || (hWndCapture != NULL && hWndCapture != m_hWnd))
        return FALSE;

    CRect rectStart, rectBar;
    GetWindowRect(rectStart);
    pBar->GetWindowRect(rectBar);
    const int cxOffset = ptScreen.x - rectStart.left;
    const CPoint ptBarOffset = ptScreen - rectBar.TopLeft();
    const HWND hWnd = m_hWnd;
    SetCapture();

    CPoint ptLast = ptScreen;
    BOOL bMoved = FALSE;
    BOOL bAccepted = FALSE;
    BOOL bCancelled = FALSE;
    while (::GetCapture() == hWnd)
    {
        MSG msg;
        if (!::GetMessage(&msg, NULL, 0, 0))
        {
            ::PostQuitMessage((int)msg.wParam);
            break;
        }
        BOOL bDone = FALSE;
        switch (msg.message)
        {
        case WM_MOUSEMOVE:
        case WM_LBUTTONUP: {
            if (bCancelled)
                break; // the left button comes up before the right one: still cancelled
            CPoint pt((short)LOWORD(msg.lParam), (short)HIWORD(msg.lParam));
            ::ClientToScreen(msg.hwnd, &pt);
            if (pt != ptLast)
            {
                ptLast = pt;
                bMoved = bMoved || pt != ptScreen;
                CPoint ptFrame = FramePosForCursor(pt, cxOffset);
                SetWindowPos(NULL, ptFrame.x, ptFrame.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
            }
            if (msg.message == WM_LBUTTONUP)
            {
                bAccepted = TRUE;
                bDone = TRUE;
            }
            break;
        }
        case WM_KEYDOWN:
            if (msg.wParam == VK_ESCAPE)
            {
                bCancelled = TRUE;
                bDone = TRUE;
            }
            break;
        case WM_KEYUP:
            break;
        case WM_RBUTTONDOWN:
            // The right button cancels; its release belongs to the drag too, so that no context
            // menu follows.
            bCancelled = TRUE;
            SetWindowPos(NULL, rectStart.left, rectStart.top, 0, 0,
                         SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
            break;
        case WM_RBUTTONUP:
            bDone = bCancelled;
            break;
        default:
            ::DispatchMessage(&msg);
            break;
        }
        if (bDone)
            break;
    }
    if (::GetCapture() == hWnd)
        ::ReleaseCapture();
    if (!bAccepted)
    {
        // Cancelled, or the capture went elsewhere: the frame goes back to where it was.
        if (::IsWindow(hWnd))
            SetWindowPos(NULL, rectStart.left, rectStart.top, 0, 0,
                         SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        return FALSE;
    }
    // A click that did not move leaves the frame where it is.
    if (!bMoved)
        return FALSE;

    // The bar docks where its docked form, held at the cursor, meets one of the frame's dock bars:
    // lying along the top and bottom first, then standing down the sides.
    const DWORD dwDockStyle = pBar->m_dwDockStyle;
    CDockBar* pDockBar = NULL;
    CRect rectDock = DockRectAround(ptLast, ptBarOffset, pBar->GetHorzSize());
    if (pDockSite->CanDock(rectDock, dwDockStyle & CBRS_ORIENT_HORZ, &pDockBar) == 0)
    {
        rectDock = DockRectAround(ptLast, ptBarOffset, pBar->GetVertSize());
        pDockSite->CanDock(rectDock, dwDockStyle & CBRS_ORIENT_VERT, &pDockBar);
    }
    if (pDockBar == NULL)
    {
        // Let go away from every docking place: the frame stays where it was carried.
        if (pBar->m_pDockContext != NULL)
            pBar->m_pDockContext->RecordFloatingPosition();
        return FALSE;
    }
    // Docking takes the bar out of this frame, which closes with it: nothing of this object may be
    // touched after.
    pDockSite->DockControlBar(pBar, pDockBar, &rectDock);
    if (::IsWindow(hWnd))
        ::DestroyWindow(hWnd);
    pDockSite->RecalcLayout();
    if (pBar->m_pDockContext != NULL)
        pBar->m_pDockContext->RecordDockedPosition();
    return TRUE;
}

void CORXMiniDockFrameWnd::OnNcRButtonDown(UINT, CPoint point)
{
    CWnd* pParent = GetParent();
    if (pParent != NULL && !CORXToolBar::IsCustomizeMode())
        pParent->SendMessage(ORX_WM_TOOLBAR_POPUPMENU, (WPARAM)m_hWnd, MAKELPARAM(point.x, point.y));
}

void CORXMiniDockFrameWnd::OnNcMouseMove(UINT nHitTest, CPoint point)
{
    HWND hWndActive = ::GetForegroundWindow();
    DWORD dwProcess = 0;
    if (hWndActive != NULL)
        ::GetWindowThreadProcessId(hWndActive, &dwProcess);
    if (CanRollUp(m_nRollState) && dwProcess == ::GetCurrentProcessId())
    {
        if (m_bRolled)
            Unroll();
        else
            m_nCountdown = kRollCountdown;
        SetWindowPos(&CWnd::wndTop, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
    CMiniDockFrameWnd::OnNcMouseMove(nHitTest, point);
}

// Caption

void CORXMiniDockFrameWnd::OnSize(UINT nType, int cx, int cy)
{
    CMiniDockFrameWnd::OnSize(nType, cx, cy);
    CRect rectWindow;
    GetWindowRect(rectWindow);
    BOOL bSizable = (GetStyle() & WS_THICKFRAME) != 0;
    int cxFrame = ::GetSystemMetrics(bSizable ? SM_CXSIZEFRAME : SM_CXFIXEDFRAME);
    int cyFrame = ::GetSystemMetrics(bSizable ? SM_CYSIZEFRAME : SM_CYFIXEDFRAME);
    int cyCaption = ::GetSystemMetrics(SM_CYSMCAPTION);
    int cxButton = cyCaption - 4;
    // Left of the close box, which takes one small caption button at the right end.
    int xRight = rectWindow.Width() - cxFrame - ::GetSystemMetrics(SM_CXSMSIZE) - 2;
    m_rectButton = CRect(xRight - cxButton, cyFrame + 2, xRight, cyFrame + 2 + cxButton);
}

int CORXMiniDockFrameWnd::GetCaptionButtonGlyph() const
{
    // A horizontal pin: the frame rolls up when the mouse leaves; a vertical one: pinned open;
    // otherwise an arrow to where a click takes the frame.
    if (CanRollUp(m_nRollState))
        return CORXMenuImages::IdPinHorz;
    if (ToggledRollState(m_nRollState) != m_nRollState)
        return CORXMenuImages::IdPinVert;
    return m_bRolled ? CORXMenuImages::IdArowDown : CORXMenuImages::IdArowUp;
}

void CORXMiniDockFrameWnd::DrawCaptionButton(CDC* pDC)
{
    // Drawn in every state: wherever a click acts on the button, the user sees it.
    if (m_rectButton.IsRectEmpty())
        return;
    CRect rect(m_rectButton);
    ::DrawFrameControl(pDC->GetSafeHdc(), rect, DFC_BUTTON, DFCS_BUTTONPUSH);
    rect.DeflateRect(2, 2);
    CORXVisualManager::GetInstance()->OnDrawCaptionButton(pDC, rect, GetCaptionButtonGlyph(), TRUE, FALSE,
                                                          FALSE, FALSE);
}

void CORXMiniDockFrameWnd::OnNcPaint()
{
    CMiniDockFrameWnd::OnNcPaint();
    CWindowDC dc(this);
    DrawCaptionButton(&dc);
}

BOOL CORXMiniDockFrameWnd::OnNcActivate(BOOL bActive)
{
    BOOL bResult = CMiniDockFrameWnd::OnNcActivate(bActive);
    SendMessage(WM_NCPAINT);
    CControlBar* pBar = GetSingleBar();
    if (pBar != NULL)
        pBar->RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_FRAME);
    return bResult;
}

void CORXMiniDockFrameWnd::OnWindowPosChanging(WINDOWPOS* lpwndpos)
{
    CMiniDockFrameWnd::OnWindowPosChanging(lpwndpos);
    if (m_bRolled && !(lpwndpos->flags & SWP_NOSIZE))
    {
        lpwndpos->cy = GetRolledHeight();
        lpwndpos->cx = GetRolledWidth();
    }
}

void CORXMiniDockFrameWnd::OnClose()
{
    // The bar has the last word on whether its frame may close.
    CORXSizingControlBar* pBar = GetSizingBar();
    if (pBar != NULL && !pBar->CanBeHidden())
        return;
    CMiniDockFrameWnd::OnClose();
}
