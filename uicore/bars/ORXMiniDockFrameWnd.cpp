// The sizing bars' floating frame: its caption button and the roll-up while the mouse is away.
#include "ORXMiniDockFrameWnd.h"

#include <algorithm>

#include "ORXSizingControlBar.h"
#include "ORXToolBar.h"
#include "ORXToolbarImageList.h"

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
        if (nNew == m_nRollState)
            m_bRolled = !m_bRolled;
        SetRollState(nNew);
        SetWindowPos(NULL, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
        return;
    }
    if (nHitTest == HTCAPTION)
    {
        ActivateFrame();
        BringWindowToTop();
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

void CORXMiniDockFrameWnd::DrawCaptionButton()
{
    if (m_nRollState == 0 || m_rectButton.IsRectEmpty())
        return;
    CWindowDC dc(this);
    CRect rect(m_rectButton);
    ::DrawFrameControl(dc.GetSafeHdc(), rect, DFC_BUTTON, DFCS_BUTTONPUSH);
    // A horizontal pin: the frame rolls up when the mouse leaves; a vertical one: pinned open.
    CORXMenuImages::IMAGES_IDS id =
        CanRollUp(m_nRollState) ? CORXMenuImages::IdPinHorz : CORXMenuImages::IdPinVert;
    CSize sizeImage = CORXMenuImages::Size();
    CORXMenuImages::Draw(
        &dc, id,
        CPoint(rect.left + (rect.Width() - sizeImage.cx) / 2, rect.top + (rect.Height() - sizeImage.cy) / 2));
}

void CORXMiniDockFrameWnd::OnNcPaint()
{
    CMiniDockFrameWnd::OnNcPaint();
    DrawCaptionButton();
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
