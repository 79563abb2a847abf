// CControlBar: bar styles and borders, its place in the frame's layout, idle command-UI updates,
// fly-by status text and what its children tell their parent.
#include "afxext.h"
#include "afxpriv.h"
#include "AfxWinImpl.h"
#include <algorithm>

IMPLEMENT_DYNAMIC(CControlBar, CWnd)

BEGIN_MESSAGE_MAP(CControlBar, CWnd)
ON_WM_CREATE()
ON_WM_DESTROY()
ON_WM_PAINT()
ON_WM_TIMER()
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONDBLCLK()
ON_MESSAGE(WM_SIZEPARENT, OnSizeParent)
ON_MESSAGE(WM_HELPHITTEST, OnHelpHitTest)
ON_MESSAGE(WM_IDLEUPDATECMDUI, OnIdleUpdateCmdUI)
END_MESSAGE_MAP()

namespace
{
// While fly-by text shows, this timer looks for the mouse leaving the bar.
const UINT_PTR kFlybyCheckTimer = 0xE001;
const UINT kFlybyCheckPeriod = 200;

BOOL IsBarOrChild(HWND hWndBar, HWND hWnd)
{
    return hWnd != NULL && (hWnd == hWndBar || ::IsChild(hWndBar, hWnd));
}
} // namespace

CControlBar::CControlBar()
{
    m_bAutoDelete = FALSE;
    m_cxLeftBorder = m_cxRightBorder = 6;
    m_cyTopBorder = m_cyBottomBorder = 1;
    m_cxDefaultGap = 2;
    m_nMRUWidth = 32767;
    m_dwStyle = 0;
    m_nStateFlags = 0;
    m_nLastStatus = -1;
    m_pDockSite = NULL;
    m_pDockBar = NULL;
    m_pDockContext = NULL;
    m_dwDockStyle = 0;
}

CControlBar::~CControlBar()
{
    // Destroyed here while the bar's own handlers still answer, and never deleted twice.
    m_bAutoDelete = FALSE;
    if (m_hWnd != NULL && FromHandlePermanent(m_hWnd) == this)
        DestroyWindow();
    if (m_pDockSite != NULL)
        m_pDockSite->RemoveControlBar(this);
    delete m_pDockContext;
    m_pDockContext = NULL;
}

void CControlBar::PostNcDestroy()
{
    if (m_bAutoDelete)
        delete this;
}

BOOL CControlBar::PreCreateWindow(CREATESTRUCT& cs)
{
    if (cs.lpszClass == NULL)
    {
        AfxEndDeferRegisterClass(AFX_WNDCONTROLBAR);
        cs.lpszClass = AFX_WNDCONTROLBAR;
    }
    if (!CWnd::PreCreateWindow(cs))
        return FALSE;
    // Bars overlap their neighbours while the layout moves them.
    cs.style |= WS_CLIPSIBLINGS;

    // The flat look: a bar's one line sits toward the frame's edge it is docked to, and a bar
    // down a side has lines at both ends. CBRS_BORDER_3D keeps the borders as asked.
    if ((m_dwStyle & CBRS_BORDER_3D) == 0)
    {
        DWORD dwBorders = 0;
        switch (m_dwStyle & (CBRS_BORDER_ANY | CBRS_ALIGN_ANY))
        {
        case CBRS_LEFT:
        case CBRS_RIGHT:
            dwBorders = CBRS_BORDER_TOP | CBRS_BORDER_BOTTOM;
            break;
        case CBRS_TOP:
            dwBorders = CBRS_BORDER_TOP;
            break;
        case CBRS_BOTTOM:
            dwBorders = CBRS_BORDER_BOTTOM;
            break;
        }
        if (dwBorders != 0)
            m_dwStyle = (m_dwStyle & ~CBRS_BORDER_ANY) | dwBorders;
    }
    return TRUE;
}

// Attributes

void CControlBar::SetBarStyle(DWORD dwStyle)
{
    if (m_dwStyle == dwStyle)
        return;
    DWORD dwOldStyle = m_dwStyle;
    m_dwStyle = dwStyle;
    OnBarStyleChange(dwOldStyle, dwStyle);
}

void CControlBar::OnBarStyleChange(DWORD dwOldStyle, DWORD dwNewStyle)
{
    if (m_hWnd != NULL && ((dwOldStyle ^ dwNewStyle) & CBRS_TOOLTIPS) != 0)
        EnableToolTips((dwNewStyle & CBRS_TOOLTIPS) != 0);
}

void CControlBar::SetBorders(int cxLeft, int cyTop, int cxRight, int cyBottom)
{
    m_cxLeftBorder = cxLeft;
    m_cyTopBorder = cyTop;
    m_cxRightBorder = cxRight;
    m_cyBottomBorder = cyBottom;
}

CFrameWnd* CControlBar::GetDockingFrame() const
{
    CFrameWnd* pFrame = GetParentFrame();
    return pFrame != NULL ? pFrame : m_pDockSite;
}

BOOL CControlBar::IsFloating() const
{
    // Bars that float on their own (not through a dock bar) carry the style bit only.
    if (m_pDockBar != NULL)
        return m_pDockBar->m_bFloating;
    return (m_dwStyle & CBRS_FLOATING) != 0;
}

void CControlBar::EnableDocking(DWORD dwDockStyle)
{
    m_dwDockStyle = dwDockStyle;
    if (m_pDockContext == NULL)
        m_pDockContext = new CDockContext(this);
    // Commands keep going to the frame the bar was made in when it moves into a dock bar.
    if (m_hWndOwner == NULL && m_hWnd != NULL)
        m_hWndOwner = ::GetParent(m_hWnd);
}

void CControlBar::GetBarInfo(CControlBarInfo* pInfo)
{
    pInfo->m_pBar = this;
    pInfo->m_nBarID = (UINT)(WORD)GetDlgCtrlID();
    pInfo->m_bVisible = IsVisible();
    pInfo->m_bFloating = IsFloating();
    pInfo->m_bHorz = (m_dwStyle & CBRS_ORIENT_HORZ) != 0;
    pInfo->m_bDockBar = FALSE;
    pInfo->m_nMRUWidth = m_nMRUWidth;
    pInfo->m_bDocking = m_pDockContext != NULL;
    if (m_pDockContext != NULL)
    {
        pInfo->m_uMRUDockID = m_pDockContext->m_uMRUDockID;
        pInfo->m_rectMRUDockPos = m_pDockContext->m_rectMRUDockPos;
        pInfo->m_dwMRUFloatStyle = m_pDockContext->m_dwMRUFloatStyle;
        pInfo->m_ptMRUFloatPos = m_pDockContext->m_ptMRUFloatPos;
    }
    // Floating: the floating frame's place on the screen; else the place in the parent.
    CRect rect;
    if (pInfo->m_bFloating && GetParentFrame() != NULL)
        GetParentFrame()->GetWindowRect(&rect);
    else
    {
        GetWindowRect(&rect);
        GetParent()->ScreenToClient(&rect);
    }
    pInfo->m_pointPos = rect.TopLeft();
}

void CControlBar::SetBarInfo(CControlBarInfo* pInfo, CFrameWnd*)
{
    m_nMRUWidth = pInfo->m_nMRUWidth;
    if (pInfo->m_bDocking && m_pDockContext != NULL)
    {
        m_pDockContext->m_uMRUDockID = pInfo->m_uMRUDockID;
        m_pDockContext->m_rectMRUDockPos = pInfo->m_rectMRUDockPos;
        m_pDockContext->m_dwMRUFloatStyle = pInfo->m_dwMRUFloatStyle;
        m_pDockContext->m_ptMRUFloatPos = pInfo->m_ptMRUFloatPos;
    }
    if (!pInfo->m_bFloating && m_pDockBar != NULL && !m_pDockBar->m_bFloating)
        SetWindowPos(NULL, pInfo->m_pointPos.x, pInfo->m_pointPos.y, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    DelayShow(pInfo->m_bVisible);
}

BOOL CControlBar::IsVisible() const
{
    if (m_nStateFlags & delayHide)
        return FALSE;
    return (m_nStateFlags & delayShow) != 0 || (GetStyle() & WS_VISIBLE) != 0;
}

void CControlBar::DelayShow(BOOL bShow)
{
    m_nStateFlags &= ~(delayHide | delayShow);
    BOOL bVisible = (GetStyle() & WS_VISIBLE) != 0;
    if (bShow && !bVisible)
        m_nStateFlags |= delayShow;
    else if (!bShow && bVisible)
        m_nStateFlags |= delayHide;
}

DWORD CControlBar::RecalcDelayShow(AFX_SIZEPARENTPARAMS* lpLayout)
{
    BOOL bVisible = (GetStyle() & WS_VISIBLE) != 0;
    BOOL bShow = bVisible;
    if (m_nStateFlags & delayHide)
        bShow = FALSE;
    else if (m_nStateFlags & delayShow)
        bShow = TRUE;

    // A query only measures; a real layout shows or hides the bar with the other moves.
    if (lpLayout->hDWP != NULL)
    {
        m_nStateFlags &= ~(delayHide | delayShow);
        if (bShow != bVisible)
            lpLayout->hDWP = ::DeferWindowPos(lpLayout->hDWP, m_hWnd, NULL, 0, 0, 0, 0,
                                              SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE |
                                                  (bShow ? SWP_SHOWWINDOW : SWP_HIDEWINDOW));
    }
    return m_dwStyle | (bShow ? WS_VISIBLE : 0);
}

// Layout

CSize CControlBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz)
{
    // The bar itself asks for nothing but the length it is stretched along.
    return CSize(bStretch && bHorz ? 32767 : 0, bStretch && !bHorz ? 32767 : 0);
}

CSize CControlBar::CalcDynamicLayout(int, DWORD nMode)
{
    return CalcFixedLayout((nMode & LM_STRETCH) != 0, (nMode & LM_HORZ) != 0);
}

void CControlBar::CalcInsideRect(CRect& rect, BOOL bHorz) const
{
    const int cxBorder2 = 2 * ::GetSystemMetrics(SM_CXBORDER);
    const int cyBorder2 = 2 * ::GetSystemMetrics(SM_CYBORDER);
    if (m_dwStyle & CBRS_BORDER_LEFT)
        rect.left += cxBorder2;
    if (m_dwStyle & CBRS_BORDER_TOP)
        rect.top += cyBorder2;
    if (m_dwStyle & CBRS_BORDER_RIGHT)
        rect.right -= cxBorder2;
    if (m_dwStyle & CBRS_BORDER_BOTTOM)
        rect.bottom -= cyBorder2;

    // The borders are given for a horizontal bar; a vertical one turns them by a quarter.
    BOOL bGripper = (m_dwStyle & (CBRS_GRIPPER | CBRS_FLOATING)) == CBRS_GRIPPER;
    if (bHorz)
    {
        rect.left += m_cxLeftBorder + (bGripper ? AFX_CX_GRIPPER : 0);
        rect.top += m_cyTopBorder;
        rect.right -= m_cxRightBorder;
        rect.bottom -= m_cyBottomBorder;
    }
    else
    {
        rect.left += m_cyTopBorder;
        rect.top += m_cxLeftBorder + (bGripper ? AFX_CY_GRIPPER : 0);
        rect.right -= m_cyBottomBorder;
        rect.bottom -= m_cxRightBorder;
    }
}

LRESULT CControlBar::OnSizeParent(WPARAM, LPARAM lParam)
{
    AFX_SIZEPARENTPARAMS* lpLayout = (AFX_SIZEPARENTPARAMS*)lParam;
    DWORD dwStyle = RecalcDelayShow(lpLayout);
    if ((dwStyle & WS_VISIBLE) == 0 || (dwStyle & CBRS_ALIGN_ANY) == 0)
        return 0;

    DWORD dwMode = lpLayout->bStretch ? LM_STRETCH : 0;
    if ((m_dwStyle & CBRS_SIZE_DYNAMIC) && (m_dwStyle & CBRS_FLOATING))
        dwMode |= LM_HORZ | LM_MRUWIDTH;
    else if (dwStyle & CBRS_ORIENT_HORZ)
        dwMode |= LM_HORZ | LM_HORZDOCK;
    else
        dwMode |= LM_VERTDOCK;

    CRect rectFree(lpLayout->rect);
    CSize size = CalcDynamicLayout(-1, dwMode);
    size.cx = std::max(std::min(size.cx, (LONG)rectFree.Width()), 0L);
    size.cy = std::max(std::min(size.cy, (LONG)rectFree.Height()), 0L);

    // The bar takes a strip along its edge of the free space; the rest stays free.
    CRect rect(rectFree.left, rectFree.top, rectFree.left + size.cx, rectFree.top + size.cy);
    if (dwStyle & CBRS_ORIENT_HORZ)
    {
        lpLayout->sizeTotal.cy += size.cy;
        lpLayout->sizeTotal.cx = std::max(lpLayout->sizeTotal.cx, size.cx);
        if (dwStyle & CBRS_ALIGN_TOP)
            lpLayout->rect.top += size.cy;
        else
        {
            rect.OffsetRect(0, rectFree.Height() - size.cy);
            lpLayout->rect.bottom -= size.cy;
        }
    }
    else
    {
        lpLayout->sizeTotal.cx += size.cx;
        lpLayout->sizeTotal.cy = std::max(lpLayout->sizeTotal.cy, size.cy);
        if (dwStyle & CBRS_ALIGN_LEFT)
            lpLayout->rect.left += size.cx;
        else
        {
            rect.OffsetRect(rectFree.Width() - size.cx, 0);
            lpLayout->rect.right -= size.cx;
        }
    }
    if (lpLayout->hDWP != NULL)
        AfxRepositionWindow(lpLayout, m_hWnd, &rect);
    return 0;
}

// Painting

void CControlBar::DrawBorders(CDC* pDC, CRect& rect)
{
    // Each border is an etched line two pixels wide: shadow outside, highlight inside.
    COLORREF clrShadow = ::GetSysColor(COLOR_BTNSHADOW);
    COLORREF clrHilite = ::GetSysColor(COLOR_BTNHIGHLIGHT);
    const int cx = ::GetSystemMetrics(SM_CXBORDER);
    const int cy = ::GetSystemMetrics(SM_CYBORDER);
    if (m_dwStyle & CBRS_BORDER_TOP)
    {
        pDC->FillSolidRect(rect.left, rect.top, rect.Width(), cy, clrShadow);
        pDC->FillSolidRect(rect.left, rect.top + cy, rect.Width(), cy, clrHilite);
    }
    if (m_dwStyle & CBRS_BORDER_BOTTOM)
    {
        pDC->FillSolidRect(rect.left, rect.bottom - 2 * cy, rect.Width(), cy, clrShadow);
        pDC->FillSolidRect(rect.left, rect.bottom - cy, rect.Width(), cy, clrHilite);
    }
    if (m_dwStyle & CBRS_BORDER_LEFT)
    {
        pDC->FillSolidRect(rect.left, rect.top, cx, rect.Height(), clrShadow);
        pDC->FillSolidRect(rect.left + cx, rect.top, cx, rect.Height(), clrHilite);
    }
    if (m_dwStyle & CBRS_BORDER_RIGHT)
    {
        pDC->FillSolidRect(rect.right - 2 * cx, rect.top, cx, rect.Height(), clrShadow);
        pDC->FillSolidRect(rect.right - cx, rect.top, cx, rect.Height(), clrHilite);
    }
    if (m_dwStyle & CBRS_BORDER_LEFT)
        rect.left += 2 * cx;
    if (m_dwStyle & CBRS_BORDER_TOP)
        rect.top += 2 * cy;
    if (m_dwStyle & CBRS_BORDER_RIGHT)
        rect.right -= 2 * cx;
    if (m_dwStyle & CBRS_BORDER_BOTTOM)
        rect.bottom -= 2 * cy;
}

void CControlBar::DrawGripper(CDC* pDC, const CRect& rect)
{
    if ((m_dwStyle & (CBRS_GRIPPER | CBRS_FLOATING)) != CBRS_GRIPPER)
        return;
    COLORREF clrShadow = ::GetSysColor(COLOR_BTNSHADOW);
    COLORREF clrHilite = ::GetSysColor(COLOR_BTNHIGHLIGHT);
    // A raised line three pixels thick across the bar, two pixels in from its leading edge.
    if (m_dwStyle & CBRS_ORIENT_HORZ)
        pDC->Draw3dRect(rect.left + 2, rect.top + m_cyTopBorder, 3,
                        rect.Height() - m_cyTopBorder - m_cyBottomBorder, clrHilite, clrShadow);
    else
        pDC->Draw3dRect(rect.left + m_cyTopBorder, rect.top + 2,
                        rect.Width() - m_cyTopBorder - m_cyBottomBorder, 3, clrHilite, clrShadow);
}

void CControlBar::DoPaint(CDC* pDC)
{
    CRect rect;
    GetClientRect(&rect);
    DrawBorders(pDC, rect);
    DrawGripper(pDC, rect);
}

void CControlBar::EraseNonClient()
{
    CWindowDC dc(this);
    CRect rectWindow;
    GetWindowRect(&rectWindow);
    CRect rectClient;
    GetClientRect(&rectClient);
    ClientToScreen(&rectClient);
    rectClient.OffsetRect(-rectWindow.left, -rectWindow.top);
    rectWindow.OffsetRect(-rectWindow.left, -rectWindow.top);
    dc.ExcludeClipRect(&rectClient);

    CRect rectBorders(rectWindow);
    DrawBorders(&dc, rectBorders);
    // The background under the borders' inside, then the gripper over it.
    dc.IntersectClipRect(&rectBorders);
    SendMessage(WM_ERASEBKGND, (WPARAM)dc.m_hDC);
    DrawGripper(&dc, rectBorders);
}

void CControlBar::OnPaint()
{
    CPaintDC dc(this);
    DoPaint(&dc);
}

// Messages

int CControlBar::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    if (m_dwStyle & CBRS_TOOLTIPS)
        EnableToolTips(TRUE);
    // The frame the bar is made in keeps it in its list of bars.
    CWnd* pParent = GetParent();
    if (pParent != NULL && pParent->IsFrameWnd())
    {
        m_pDockSite = (CFrameWnd*)pParent;
        m_pDockSite->AddControlBar(this);
    }
    return 0;
}

void CControlBar::OnDestroy()
{
    KillTimer(kFlybyCheckTimer);
    if (m_pDockBar != NULL)
    {
        m_pDockBar->RemoveControlBar(this);
        m_pDockBar = NULL;
    }
    if (m_pDockSite != NULL)
    {
        m_pDockSite->RemoveControlBar(this);
        m_pDockSite = NULL;
    }
    CWnd::OnDestroy();
}

LRESULT CControlBar::OnIdleUpdateCmdUI(WPARAM wParam, LPARAM)
{
    // A show or hide asked with a delay happens now, unless a layout did it already.
    if (m_nStateFlags & (delayHide | delayShow))
    {
        BOOL bShow = (m_nStateFlags & delayShow) != 0;
        m_nStateFlags &= ~(delayHide | delayShow);
        if (bShow != ((GetStyle() & WS_VISIBLE) != 0))
        {
            SetWindowPos(NULL, 0, 0, 0, 0,
                         SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE |
                             (bShow ? SWP_SHOWWINDOW : SWP_HIDEWINDOW));
            CFrameWnd* pFrame = GetDockingFrame();
            if (pFrame != NULL)
                pFrame->RecalcLayout();
        }
    }

    // Hidden bars are not updated (nor, once bars dock, those in a hidden dock bar).
    if ((GetStyle() & WS_VISIBLE) == 0)
        return 0;
    CWnd* pOwner = GetOwner();
    CFrameWnd* pTarget = pOwner != NULL && pOwner->IsFrameWnd() ? (CFrameWnd*)pOwner : GetParentFrame();
    if (pTarget != NULL)
        OnUpdateCmdUI(pTarget, (BOOL)wParam);
    return 0;
}

void CControlBar::OnLButtonDown(UINT nFlags, CPoint point)
{
    // Off its tools a dockable bar is a handle to drag it by.
    if (m_pDockBar != NULL && m_pDockContext != NULL && OnToolHitTest(point, NULL) == -1)
    {
        ClientToScreen(&point);
        m_pDockContext->StartDrag(point);
        return;
    }
    CWnd::OnLButtonDown(nFlags, point);
}

void CControlBar::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    if (m_pDockBar != NULL && m_pDockContext != NULL && OnToolHitTest(point, NULL) == -1)
    {
        m_pDockContext->ToggleDocking();
        return;
    }
    CWnd::OnLButtonDblClk(nFlags, point);
}

LRESULT CControlBar::OnHelpHitTest(WPARAM, LPARAM lParam)
{
    CPoint point((short)LOWORD(lParam), (short)HIWORD(lParam));
    int nID = OnToolHitTest(point, NULL);
    if (nID != -1)
        return (LRESULT)(HID_BASE_COMMAND + (UINT)nID);
    nID = GetDlgCtrlID();
    return nID != 0 ? (LRESULT)(HID_BASE_CONTROL + (UINT)nID) : 0;
}

// Fly-by status text

BOOL CControlBar::SetStatusText(int nHit)
{
    CWnd* pOwner = GetOwner();
    if (nHit == -1)
    {
        KillTimer(kFlybyCheckTimer);
        if ((m_nStateFlags & statusSet) == 0)
            return FALSE;
        m_nStateFlags &= ~statusSet;
        m_nLastStatus = -1;
        if (pOwner != NULL)
            pOwner->SendMessage(WM_POPMESSAGESTRING, AFX_IDS_IDLEMESSAGE);
        return TRUE;
    }
    if ((m_nStateFlags & statusSet) && m_nLastStatus == nHit)
        return FALSE;
    m_nStateFlags |= statusSet;
    m_nLastStatus = nHit;
    if (pOwner != NULL)
        pOwner->SendMessage(WM_SETMESSAGESTRING, (WPARAM)nHit);
    SetTimer(kFlybyCheckTimer, kFlybyCheckPeriod);
    return TRUE;
}

void CControlBar::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent != kFlybyCheckTimer)
    {
        CWnd::OnTimer(nIDEvent);
        return;
    }
    POINT pt;
    ::GetCursorPos(&pt);
    if (!IsBarOrChild(m_hWnd, ::WindowFromPoint(pt)))
        SetStatusText(-1);
}

BOOL CControlBar::PreTranslateMessage(MSG* pMsg)
{
    // Tool tips first; they never take the message.
    if (CWnd::PreTranslateMessage(pMsg))
        return TRUE;

    if ((m_dwStyle & CBRS_FLYBY) && pMsg->message == WM_MOUSEMOVE && IsBarOrChild(m_hWnd, pMsg->hwnd))
    {
        HWND hWndCapture = ::GetCapture();
        if (hWndCapture == NULL || IsBarOrChild(m_hWnd, hWndCapture))
        {
            POINT pt = {(short)LOWORD(pMsg->lParam), (short)HIWORD(pMsg->lParam)};
            ::MapWindowPoints(pMsg->hwnd, m_hWnd, &pt, 1);
            SetStatusText(OnToolHitTest(CPoint(pt), NULL));
        }
    }
    return FALSE;
}

LRESULT CControlBar::WindowProc(UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    switch (nMsg)
    {
    case WM_NOTIFY:
    case WM_COMMAND:
    case WM_DRAWITEM:
    case WM_MEASUREITEM:
    case WM_DELETEITEM:
    case WM_COMPAREITEM:
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM: {
        // What the bar's children tell their parent is for the bar's owner, unless the bar
        // handles it itself: a button on a bar sends its command to the frame.
        LRESULT lResult = 0;
        if (OnWndMsg(nMsg, wParam, lParam, &lResult))
            return lResult;
        CWnd* pOwner = GetOwner();
        if (pOwner != NULL && pOwner->m_hWnd != NULL && pOwner->m_hWnd != m_hWnd)
            return pOwner->SendMessage(nMsg, wParam, lParam);
        return DefWindowProc(nMsg, wParam, lParam);
    }
    default:
        return CWnd::WindowProc(nMsg, wParam, lParam);
    }
}
