// CDockContext: the modal drag and resize loops of a control bar, the half-tone rectangles they
// draw on the screen, and toggling a bar between its last docked and floating places.
#include "afxext.h"
#include "afxpriv.h"
#include <algorithm>

namespace
{
BOOL IsHorz(DWORD dwStyle)
{
    return (dwStyle & CBRS_ORIENT_HORZ) != 0;
}

// The offset of the mouse in a rectangle of the given size, kept inside it.
CPoint ClampOffset(CPoint ptOffset, CSize size)
{
    return CPoint(std::max(0L, std::min(ptOffset.x, size.cx - 1)),
                  std::max(0L, std::min(ptOffset.y, size.cy - 1)));
}

// What a floating frame adds around its bar: the tool-window caption and a sizing border.
CRect FloatingFrameBorders()
{
    CRect rect(0, 0, 0, 0);
    ::AdjustWindowRectEx(&rect, WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME, FALSE, WS_EX_TOOLWINDOW);
    return CRect(-rect.left, -rect.top, rect.right, rect.bottom);
}

// A rectangle of the size with the mouse at the (clamped) offset in it.
CRect RectAround(CPoint pt, CPoint ptOffset, CSize size)
{
    CPoint ptIn = ClampOffset(ptOffset, size);
    return CRect(CPoint(pt.x - ptIn.x, pt.y - ptIn.y), size);
}

const int kFloatFrameThickness = 3; // the drag rectangle of a floating frame; a docked one is 1
} // namespace

CDockContext::CDockContext(CControlBar* pBar)
{
    m_pBar = pBar;
    m_pDockSite = pBar->m_pDockSite;
    m_ptLast = CPoint(0, 0);
    m_rectLast.SetRectEmpty();
    m_sizeLast = CSize(0, 0);
    m_bDitherLast = FALSE;
    m_rectDragHorz.SetRectEmpty();
    m_rectDragVert.SetRectEmpty();
    m_rectFrameDragHorz.SetRectEmpty();
    m_rectFrameDragVert.SetRectEmpty();
    m_dwDockStyle = 0;
    m_dwOverDockStyle = 0;
    m_dwStyle = 0;
    m_bFlip = FALSE;
    m_bForceFrame = FALSE;
    m_pDC = NULL;
    m_bLockedUpdate = FALSE;
    m_bDragging = FALSE;
    m_nHitTest = HTCAPTION;
    m_uMRUDockID = 0;
    m_rectMRUDockPos.SetRectEmpty();
    m_dwMRUFloatStyle = 0;
    m_ptMRUFloatPos = CPoint(0, 0);
    m_ptStart = CPoint(0, 0);
    m_rectRequestedSize.SetRectEmpty();
    m_rectActualSize.SetRectEmpty();
    m_rectActualFrameSize.SetRectEmpty();
    m_rectFrameBorders.SetRectEmpty();
}

CDockContext::~CDockContext()
{
    if (m_pDC != NULL)
    {
        HDC hDC = m_pDC->Detach();
        ::ReleaseDC(::GetDesktopWindow(), hDC);
        delete m_pDC;
    }
    if (m_bLockedUpdate)
        ::LockWindowUpdate(NULL);
}

// The loop

void CDockContext::InitLoop()
{
    m_rectLast.SetRectEmpty();
    m_sizeLast = CSize(0, 0);
    m_bDitherLast = FALSE;
    m_bForceFrame = ::GetKeyState(VK_CONTROL) < 0;
    m_bFlip = ::GetKeyState(VK_SHIFT) < 0;
    if (m_pDC == NULL)
    {
        // Drawn over every window: the rectangle may leave the frame. Windows must not paint
        // under it meanwhile, or taking it off would leave a copy behind.
        HWND hWndDesktop = ::GetDesktopWindow();
        m_bLockedUpdate = ::LockWindowUpdate(hWndDesktop);
        HDC hDC = ::GetDCEx(hWndDesktop, NULL,
                            DCX_WINDOW | DCX_CACHE | (m_bLockedUpdate ? DCX_LOCKWINDOWUPDATE : 0));
        m_pDC = new CDC;
        m_pDC->Attach(hDC);
    }
}

void CDockContext::CancelLoop()
{
    DrawFocusRect(TRUE);
    if (::GetCapture() == m_pBar->GetSafeHwnd())
        ::ReleaseCapture();
    if (m_pDC != NULL)
    {
        HDC hDC = m_pDC->Detach();
        ::ReleaseDC(::GetDesktopWindow(), hDC);
        delete m_pDC;
        m_pDC = NULL;
    }
    if (m_bLockedUpdate)
    {
        ::LockWindowUpdate(NULL);
        m_bLockedUpdate = FALSE;
    }
}

BOOL CDockContext::Track()
{
    // Someone else's capture (a pressed button, a menu) wins over the drag; the bar's own and
    // its floating frame's (the system's for a click on the frame) give way.
    HWND hWndCapture = ::GetCapture();
    CFrameWnd* pParentFrame = m_pBar->GetParentFrame();
    if (hWndCapture != NULL && hWndCapture != m_pBar->m_hWnd &&
        (pParentFrame == NULL || hWndCapture != pParentFrame->m_hWnd || !m_pBar->IsFloating()))
    {
        CancelLoop();
        return FALSE;
    }
    m_pBar->SetCapture();
    HWND hWndBar = m_pBar->m_hWnd;
    BOOL bCancelled = FALSE;
    while (::GetCapture() == hWndBar)
    {
        MSG msg;
        if (!::GetMessage(&msg, NULL, 0, 0))
        {
            ::PostQuitMessage((int)msg.wParam);
            break;
        }
        switch (msg.message)
        {
        case WM_LBUTTONUP: {
            if (bCancelled)
                break; // the left button comes up before the right one: still cancelled
            CPoint pt((short)LOWORD(msg.lParam), (short)HIWORD(msg.lParam));
            ::ClientToScreen(msg.hwnd, &pt);
            if (m_bDragging)
            {
                Move(pt);
                EndDrag();
            }
            else
            {
                Stretch(pt);
                EndResize();
            }
            return TRUE;
        }
        case WM_MOUSEMOVE: {
            if (bCancelled)
                break;
            CPoint pt((short)LOWORD(msg.lParam), (short)HIWORD(msg.lParam));
            ::ClientToScreen(msg.hwnd, &pt);
            if (m_bDragging)
                Move(pt);
            else
                Stretch(pt);
            break;
        }
        case WM_KEYUP:
            if (m_bDragging && !bCancelled)
                OnKey((int)msg.wParam, FALSE);
            break;
        case WM_KEYDOWN:
            if (m_bDragging && !bCancelled)
                OnKey((int)msg.wParam, TRUE);
            if (msg.wParam == VK_ESCAPE)
            {
                CancelLoop();
                return FALSE;
            }
            break;
        case WM_RBUTTONDOWN:
            // The right button cancels; its release is the loop's too, so that no context
            // menu follows the cancelled drag.
            DrawFocusRect(TRUE);
            bCancelled = TRUE;
            break;
        case WM_RBUTTONUP:
            if (bCancelled)
            {
                CancelLoop();
                return FALSE;
            }
            break;
        default:
            ::DispatchMessage(&msg);
            break;
        }
    }
    CancelLoop();
    return FALSE;
}

void CDockContext::DrawFocusRect(BOOL bRemoveRect)
{
    if (m_pDC == NULL)
        return;
    CRect rect;
    CSize size;
    BOOL bDither;
    if (!m_bDragging)
    {
        rect = m_rectActualFrameSize;
        size = CSize(kFloatFrameThickness, kFloatFrameThickness);
        bDither = TRUE;
    }
    else if (m_dwOverDockStyle & CBRS_ALIGN_ANY)
    {
        rect = (m_dwOverDockStyle & CBRS_ORIENT_HORZ) ? m_rectDragHorz : m_rectDragVert;
        size = CSize(1, 1);
        bDither = FALSE;
    }
    else
    {
        rect = (IsHorz(m_dwStyle) != (m_bFlip != FALSE)) ? m_rectFrameDragHorz : m_rectFrameDragVert;
        size = CSize(kFloatFrameThickness, kFloatFrameThickness);
        bDither = TRUE;
    }
    if (bRemoveRect)
    {
        rect.SetRectEmpty();
        size = CSize(0, 0);
    }
    if (rect == m_rectLast && size == m_sizeLast)
        return;
    m_pDC->DrawDragRect(&rect, size, m_rectLast.IsRectEmpty() ? NULL : (LPCRECT)&m_rectLast, m_sizeLast);
    m_rectLast = rect;
    m_sizeLast = size;
    m_bDitherLast = bDither;
}

void CDockContext::UpdateState(BOOL* pFlag, BOOL bNewValue)
{
    if ((*pFlag != FALSE) == (bNewValue != FALSE))
        return;
    *pFlag = bNewValue;
    m_dwOverDockStyle = m_bForceFrame ? 0 : CanDock();
    DrawFocusRect();
}

void CDockContext::OnKey(int nChar, BOOL bDown)
{
    if (nChar == VK_CONTROL)
        UpdateState(&m_bForceFrame, bDown);
    else if (nChar == VK_SHIFT)
        UpdateState(&m_bFlip, bDown);
}

// Moving

void CDockContext::StartDrag(CPoint pt)
{
    m_pDockSite = m_pBar->m_pDockSite;
    if (m_pDockSite == NULL)
        return;
    m_dwStyle = m_pBar->m_dwStyle;
    m_dwDockStyle = m_pBar->m_dwDockStyle;
    m_bDragging = TRUE;
    m_nHitTest = HTCAPTION;

    CRect rect;
    m_pBar->GetWindowRect(&rect);
    m_ptLast = pt;
    const BOOL bFloating = m_pBar->IsFloating();
    const BOOL bHorz = IsHorz(m_dwStyle);

    // Each form's size, measured with the bar styled as it would be in that form (a bar sizes
    // itself by its side and by whether it floats); its own form last, so that it keeps its
    // present layout.
    const DWORD dwSaved = m_pBar->m_dwStyle;
    const DWORD dwBase = dwSaved & ~(CBRS_ALIGN_ANY | CBRS_FLOATING);
    CSize sizeHorz, sizeVert, sizeFloat;
    auto measure = [&](int nForm) -> CSize {
        const DWORD dwAlign[] = {CBRS_ALIGN_TOP, CBRS_ALIGN_LEFT, CBRS_ALIGN_TOP | CBRS_FLOATING};
        m_pBar->m_dwStyle = dwBase | dwAlign[nForm];
        if (!(dwSaved & CBRS_SIZE_DYNAMIC))
            return m_pBar->CalcFixedLayout(FALSE, nForm != 1);
        const DWORD dwMode[] = {LM_HORZ | LM_HORZDOCK, LM_VERTDOCK, LM_HORZ | LM_MRUWIDTH};
        return m_pBar->CalcDynamicLayout(-1, dwMode[nForm]);
    };
    const int nOwn = bFloating ? 2 : (bHorz ? 0 : 1);
    for (int nForm = 0; nForm < 3; nForm++)
        if (nForm != nOwn)
            (nForm == 0 ? sizeHorz : nForm == 1 ? sizeVert : sizeFloat) = measure(nForm);
    (nOwn == 0 ? sizeHorz : nOwn == 1 ? sizeVert : sizeFloat) = measure(nOwn);
    m_pBar->m_dwStyle = dwSaved;
    if (!(dwSaved & CBRS_SIZE_DYNAMIC) && !bHorz)
        sizeFloat = sizeVert; // a fixed bar floats the way it lies

    // The mouse keeps its place in the bar; in the turned form its offset turns too.
    CPoint ptOffset(pt.x - rect.left, pt.y - rect.top);
    CPoint ptTurned(ptOffset.y, ptOffset.x);
    m_rectDragHorz = RectAround(pt, bHorz ? ptOffset : ptTurned, sizeHorz);
    m_rectDragVert = RectAround(pt, bHorz ? ptTurned : ptOffset, sizeVert);

    m_rectFrameBorders = FloatingFrameBorders();
    if (bFloating)
    {
        // A floating bar is held by its frame: the frame's rectangle is the one to move.
        CRect rectFrame;
        m_pBar->GetParentFrame()->GetWindowRect(&rectFrame);
        m_rectFrameBorders = CRect(rect.left - rectFrame.left, rect.top - rectFrame.top,
                                   rectFrame.right - rect.right, rectFrame.bottom - rect.bottom);
    }
    CSize sizeFloatVert = sizeVert;
    CRect rectFloat = RectAround(pt, bHorz || bFloating ? ptOffset : ptTurned, sizeFloat);
    CRect rectFloatVert = RectAround(pt, bHorz && !bFloating ? ptTurned : ptOffset, sizeFloatVert);
    const CRect& b = m_rectFrameBorders;
    m_rectFrameDragHorz.SetRect(rectFloat.left - b.left, rectFloat.top - b.top, rectFloat.right + b.right,
                                rectFloat.bottom + b.bottom);
    m_rectFrameDragVert.SetRect(rectFloatVert.left - b.left, rectFloatVert.top - b.top,
                                rectFloatVert.right + b.right, rectFloatVert.bottom + b.bottom);
    if (bFloating)
    {
        CRect rectFrame;
        m_pBar->GetParentFrame()->GetWindowRect(&rectFrame);
        (bHorz ? m_rectFrameDragHorz : m_rectFrameDragVert) = rectFrame;
    }

    InitLoop();
    m_dwOverDockStyle = m_bForceFrame ? 0 : CanDock();
    DrawFocusRect();
    m_ptStart = pt;
    Track();
}

void CDockContext::Move(CPoint pt)
{
    CPoint ptOffset = pt - m_ptLast;
    m_rectDragHorz.OffsetRect(ptOffset);
    m_rectDragVert.OffsetRect(ptOffset);
    m_rectFrameDragHorz.OffsetRect(ptOffset);
    m_rectFrameDragVert.OffsetRect(ptOffset);
    m_ptLast = pt;
    m_dwOverDockStyle = m_bForceFrame ? 0 : CanDock();
    DrawFocusRect();
}

DWORD CDockContext::CanDock()
{
    if (m_pDockSite == NULL)
        return 0;
    // The horizontal form docks along the top and bottom, the vertical one down the sides.
    DWORD dwDock = m_pDockSite->CanDock(m_rectDragHorz, m_dwDockStyle & CBRS_ORIENT_HORZ);
    if (dwDock == 0)
        dwDock = m_pDockSite->CanDock(m_rectDragVert, m_dwDockStyle & CBRS_ORIENT_VERT);
    return dwDock;
}

CDockBar* CDockContext::GetDockBar(DWORD dwOverDockStyle)
{
    return m_pDockSite != NULL ? m_pDockSite->GetDockBarOfSide(dwOverDockStyle & CBRS_ALIGN_ANY) : NULL;
}

void CDockContext::RecordDockedPosition()
{
    CDockBar* pDockBar = m_pBar->m_pDockBar;
    if (pDockBar == NULL || pDockBar->m_bFloating)
        return;
    m_uMRUDockID = (UINT)pDockBar->GetDlgCtrlID();
    m_pBar->GetWindowRect(&m_rectMRUDockPos);
    pDockBar->ScreenToClient(&m_rectMRUDockPos);
}

void CDockContext::RecordFloatingPosition()
{
    CDockBar* pDockBar = m_pBar->m_pDockBar;
    if (pDockBar == NULL || !pDockBar->m_bFloating)
        return;
    CRect rect;
    pDockBar->GetParent()->GetWindowRect(&rect);
    m_ptMRUFloatPos = rect.TopLeft();
    m_dwMRUFloatStyle = (pDockBar->m_dwStyle & (CBRS_ALIGN_ANY | CBRS_FLOAT_MULTI));
}

void CDockContext::EndDrag()
{
    CancelLoop();
    m_bDragging = FALSE;
    // A click that did not move leaves the bar where it is.
    if (m_ptLast == m_ptStart)
        return;

    if (m_dwOverDockStyle & CBRS_ALIGN_ANY)
    {
        CDockBar* pDockBar = GetDockBar(m_dwOverDockStyle);
        if (pDockBar == NULL)
            return;
        CRect rect = (m_dwOverDockStyle & CBRS_ORIENT_VERT) ? m_rectDragVert : m_rectDragHorz;
        RecordFloatingPosition();
        m_pDockSite->DockControlBar(m_pBar, pDockBar, &rect);
        m_pDockSite->RecalcLayout();
        RecordDockedPosition();
        return;
    }

    RecordDockedPosition();
    BOOL bHorzFloat = IsHorz(m_dwStyle) != (m_bFlip != FALSE);
    if (m_dwStyle & CBRS_SIZE_DYNAMIC)
        bHorzFloat = TRUE; // a dynamic bar floats as wide as its MRU width, however it was docked
    m_dwMRUFloatStyle = (bHorzFloat ? CBRS_ALIGN_TOP : CBRS_ALIGN_LEFT) | (m_dwDockStyle & CBRS_FLOAT_MULTI);
    m_ptMRUFloatPos = (bHorzFloat ? m_rectFrameDragHorz : m_rectFrameDragVert).TopLeft();
    m_pDockSite->FloatControlBar(m_pBar, m_ptMRUFloatPos, m_dwMRUFloatStyle);
}

// Resizing a floating bar

void CDockContext::StartResize(int nHitTest, CPoint pt)
{
    m_pDockSite = m_pBar->m_pDockSite;
    if (m_pDockSite == NULL || !m_pBar->IsFloating() || !(m_pBar->m_dwStyle & CBRS_SIZE_DYNAMIC))
        return;
    m_dwStyle = m_pBar->m_dwStyle;
    m_bDragging = FALSE;
    m_nHitTest = nHitTest;
    m_ptStart = m_ptLast = pt;

    CRect rectBar, rectFrame;
    m_pBar->GetWindowRect(&rectBar);
    m_pBar->GetParentFrame()->GetWindowRect(&rectFrame);
    m_rectFrameBorders = CRect(rectBar.left - rectFrame.left, rectBar.top - rectFrame.top,
                               rectFrame.right - rectBar.right, rectFrame.bottom - rectBar.bottom);
    m_rectRequestedSize = rectBar;
    m_rectActualSize = rectBar;
    m_rectActualFrameSize = rectFrame;

    InitLoop();
    DrawFocusRect();
    Track();
}

void CDockContext::Stretch(CPoint pt)
{
    CPoint ptOffset = pt - m_ptStart;
    CRect rect;
    m_pBar->GetWindowRect(&rect);
    BOOL bLeft = FALSE, bTop = FALSE, bWidth = TRUE;
    switch (m_nHitTest)
    {
    case HTLEFT:
        rect.left += ptOffset.x;
        bLeft = TRUE;
        break;
    case HTRIGHT:
        rect.right += ptOffset.x;
        break;
    case HTTOP:
    case HTTOPLEFT:
    case HTTOPRIGHT:
        rect.top += ptOffset.y;
        bTop = TRUE;
        bWidth = FALSE;
        break;
    case HTBOTTOM:
    case HTBOTTOMLEFT:
    case HTBOTTOMRIGHT:
        rect.bottom += ptOffset.y;
        bWidth = FALSE;
        break;
    default:
        return;
    }
    m_ptLast = pt;
    m_rectRequestedSize = rect;
    int nLength = std::max(0, bWidth ? (int)rect.Width() : (int)rect.Height());
    CSize size = m_pBar->CalcDynamicLayout(nLength, LM_HORZ | (bWidth ? 0 : LM_LENGTHY));

    // The edge across from the one dragged stays.
    CRect rectBar;
    m_pBar->GetWindowRect(&rectBar);
    m_rectActualSize = CRect(bLeft ? rectBar.right - size.cx : rectBar.left,
                             bTop ? rectBar.bottom - size.cy : rectBar.top, 0, 0);
    m_rectActualSize.right = m_rectActualSize.left + size.cx;
    m_rectActualSize.bottom = m_rectActualSize.top + size.cy;
    const CRect& b = m_rectFrameBorders;
    m_rectActualFrameSize.SetRect(m_rectActualSize.left - b.left, m_rectActualSize.top - b.top,
                                  m_rectActualSize.right + b.right, m_rectActualSize.bottom + b.bottom);
    DrawFocusRect();
}

void CDockContext::EndResize()
{
    CancelLoop();
    if (m_ptLast == m_ptStart)
        return;
    BOOL bWidth = m_nHitTest == HTLEFT || m_nHitTest == HTRIGHT;
    int nLength = bWidth ? m_rectActualSize.Width() : m_rectActualSize.Height();
    m_pBar->CalcDynamicLayout(nLength, LM_HORZ | LM_COMMIT | (bWidth ? 0 : LM_LENGTHY));
    CFrameWnd* pFrame = m_pBar->GetParentFrame();
    pFrame->SetWindowPos(NULL, m_rectActualFrameSize.left, m_rectActualFrameSize.top, 0, 0,
                         SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    pFrame->RecalcLayout();
    m_pDockSite->DelayRecalcLayout();
}

// Toggling

void CDockContext::ToggleDocking()
{
    m_pDockSite = m_pBar->m_pDockSite;
    if (m_pDockSite == NULL)
        return;
    if (m_pBar->IsFloating())
    {
        RecordFloatingPosition();
        CDockBar* pDockBar = m_uMRUDockID != 0 ? (CDockBar*)m_pDockSite->GetControlBar(m_uMRUDockID) : NULL;
        if (pDockBar != NULL && pDockBar->IsDockBar() &&
            (pDockBar->m_dwStyle & m_pBar->m_dwDockStyle & CBRS_ALIGN_ANY) != 0)
        {
            CRect rect(m_rectMRUDockPos);
            pDockBar->ClientToScreen(&rect);
            m_pDockSite->ReDockControlBar(m_pBar, pDockBar, &rect);
        }
        else if (m_pBar->m_dwDockStyle & m_pDockSite->m_dwDockStyle & CBRS_ALIGN_ANY)
            m_pDockSite->DockControlBar(m_pBar);
        else
            return;
        m_pDockSite->RecalcLayout();
        RecordDockedPosition();
    }
    else if (m_pBar->m_pDockBar != NULL)
    {
        RecordDockedPosition();
        if (m_dwMRUFloatStyle == 0)
        {
            // Never floated: where the bar is now.
            CRect rect;
            m_pBar->GetWindowRect(&rect);
            m_ptMRUFloatPos = rect.TopLeft();
            m_dwMRUFloatStyle = CBRS_ALIGN_TOP | (m_pBar->m_dwDockStyle & CBRS_FLOAT_MULTI);
        }
        m_pDockSite->FloatControlBar(m_pBar, m_ptMRUFloatPos, m_dwMRUFloatStyle);
    }
}
