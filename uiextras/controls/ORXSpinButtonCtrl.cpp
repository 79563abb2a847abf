// CORXSpinButtonCtrl and CORXHeaderCtrl: their states, hot tracking and painting.
#include "ORXSpinButtonCtrl.h"

#include "ORXGlobalData.h"
#include "ORXToolBar.h"
#include "ORXVisualManager.h"

namespace
{
void RequestMouseLeave(CWnd* pWnd)
{
    TRACKMOUSEEVENT tme = {sizeof(TRACKMOUSEEVENT)};
    tme.dwFlags = TME_LEAVE;
    tme.hwndTrack = pWnd->GetSafeHwnd();
    tme.dwHoverTime = HOVER_DEFAULT;
    ORXTrackMouse(&tme);
}
} // namespace

IMPLEMENT_DYNAMIC(CORXSpinButtonCtrl, CSpinButtonCtrl)

BEGIN_MESSAGE_MAP(CORXSpinButtonCtrl, CSpinButtonCtrl)
ON_WM_PAINT()
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONUP()
ON_WM_CANCELMODE()
ON_WM_MOUSEMOVE()
ON_MESSAGE(WM_MOUSELEAVE, OnMouseLeave)
END_MESSAGE_MAP()

CORXSpinButtonCtrl::CORXSpinButtonCtrl()
    : m_bIsButtonPressedUp(FALSE), m_bIsButtonPressedDown(FALSE), m_bIsButtonHighligtedUp(FALSE),
      m_bIsButtonHighligtedDown(FALSE), m_bTracked(FALSE)
{
}

CORXSpinButtonCtrl::~CORXSpinButtonCtrl() {}

int CORXSpinButtonCtrl::GetDrawState() const
{
    int nState = 0;
    if (m_bIsButtonPressedUp)
        nState |= 1;
    if (m_bIsButtonPressedDown)
        nState |= 2;
    if (m_bIsButtonHighligtedUp)
        nState |= 4;
    if (m_bIsButtonHighligtedDown)
        nState |= 8;
    if (!IsWindowEnabled())
        nState |= 16;
    return nState;
}

void CORXSpinButtonCtrl::Redraw()
{
    RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

BOOL CORXSpinButtonCtrl::IsInUpperHalf(CPoint point) const
{
    CRect rect;
    GetClientRect(rect);
    return point.y < (rect.top + rect.bottom) / 2;
}

void CORXSpinButtonCtrl::OnPaint()
{
    CPaintDC dc(this);
    CRect rect;
    GetClientRect(rect);
    CORXVisualManager::GetInstance()->OnDrawSpinButtons(&dc, rect, GetDrawState(),
                                                        (GetStyle() & UDS_HORZ) != 0, this);
}

void CORXSpinButtonCtrl::OnLButtonDown(UINT nFlags, CPoint point)
{
    CRect rect;
    GetClientRect(rect);
    m_bIsButtonPressedUp = rect.PtInRect(point) && IsInUpperHalf(point);
    m_bIsButtonPressedDown = rect.PtInRect(point) && !IsInUpperHalf(point);
    CSpinButtonCtrl::OnLButtonDown(nFlags, point);
}

void CORXSpinButtonCtrl::OnLButtonUp(UINT nFlags, CPoint point)
{
    m_bIsButtonPressedUp = m_bIsButtonPressedDown = FALSE;
    m_bIsButtonHighligtedUp = m_bIsButtonHighligtedDown = FALSE;
    CSpinButtonCtrl::OnLButtonUp(nFlags, point);
}

void CORXSpinButtonCtrl::OnCancelMode()
{
    CSpinButtonCtrl::OnCancelMode();
    m_bIsButtonPressedUp = m_bIsButtonPressedDown = FALSE;
    m_bIsButtonHighligtedUp = m_bIsButtonHighligtedDown = FALSE;
}

void CORXSpinButtonCtrl::OnMouseMove(UINT nFlags, CPoint point)
{
    CRect rect;
    GetClientRect(rect);
    const BOOL bInside = rect.PtInRect(point);
    const BOOL bOldUp = m_bIsButtonHighligtedUp;
    const BOOL bOldDown = m_bIsButtonHighligtedDown;
    m_bIsButtonHighligtedUp = bInside && IsInUpperHalf(point);
    m_bIsButtonHighligtedDown = bInside && !IsInUpperHalf(point);
    if (nFlags & MK_LBUTTON)
    {
        m_bIsButtonPressedUp = m_bIsButtonHighligtedUp;
        m_bIsButtonPressedDown = m_bIsButtonHighligtedDown;
    }
    CSpinButtonCtrl::OnMouseMove(nFlags, point);
    if (bOldUp != m_bIsButtonHighligtedUp || bOldDown != m_bIsButtonHighligtedDown)
        Redraw();
    if (!m_bTracked)
    {
        m_bTracked = TRUE;
        RequestMouseLeave(this);
    }
}

LRESULT CORXSpinButtonCtrl::OnMouseLeave(WPARAM, LPARAM)
{
    m_bTracked = FALSE;
    if (m_bIsButtonPressedUp || m_bIsButtonPressedDown || m_bIsButtonHighligtedUp ||
        m_bIsButtonHighligtedDown)
    {
        m_bIsButtonHighligtedUp = m_bIsButtonHighligtedDown = FALSE;
        Redraw();
    }
    return 0;
}

IMPLEMENT_DYNAMIC(CORXHeaderCtrl, CHeaderCtrl)

BEGIN_MESSAGE_MAP(CORXHeaderCtrl, CHeaderCtrl)
ON_WM_PAINT()
ON_WM_ERASEBKGND()
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONUP()
ON_WM_MOUSEMOVE()
ON_MESSAGE(WM_MOUSELEAVE, OnMouseLeave)
ON_WM_CANCELMODE()
ON_WM_CREATE()
END_MESSAGE_MAP()

CORXHeaderCtrl::CORXHeaderCtrl()
    : m_bIsMousePressed(FALSE), m_nHighlightedItem(-1), m_bTracked(FALSE), m_bIsDlgControl(FALSE)
{
}

CORXHeaderCtrl::~CORXHeaderCtrl() {}

void CORXHeaderCtrl::Redraw()
{
    RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

int CORXHeaderCtrl::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CHeaderCtrl::OnCreate(lpCreateStruct) == -1)
        return -1;
    for (CWnd* pParent = GetParent(); pParent != NULL; pParent = pParent->GetParent())
    {
        if (pParent->IsKindOf(RUNTIME_CLASS(CDialog)))
        {
            m_bIsDlgControl = TRUE;
            break;
        }
    }
    return 0;
}

void CORXHeaderCtrl::OnFillBackground(CDC* pDC)
{
    CRect rectClient;
    GetClientRect(rectClient);
    pDC->FillSolidRect(rectClient, m_bIsDlgControl ? ::GetSysColor(COLOR_BTNFACE) : globalData.clrBarFace);
}

void CORXHeaderCtrl::OnDrawItem(CDC* pDC, int nItem, CRect rect, BOOL bIsPressed, BOOL bIsHighlighted)
{
    COLORREF clrFace = m_bIsDlgControl ? ::GetSysColor(COLOR_BTNFACE) : globalData.clrBarFace;
    pDC->FillSolidRect(rect, clrFace);
    if (bIsPressed)
        pDC->Draw3dRect(rect, globalData.clrBtnShadow, globalData.clrBtnShadow);
    else
        pDC->Draw3dRect(rect, globalData.clrBtnHilite, globalData.clrBtnShadow);
    if (bIsHighlighted && !bIsPressed)
    {
        CRect rectHot = rect;
        rectHot.top = rectHot.bottom - 3;
        rectHot.DeflateRect(1, 0, 1, 1);
        pDC->FillSolidRect(rectHot, globalData.clrHilite);
    }
    if (nItem < 0)
        return;
    TCHAR szText[256] = {0};
    HDITEM item = {0};
    item.mask = HDI_TEXT | HDI_FORMAT;
    item.pszText = szText;
    item.cchTextMax = 255;
    if (!GetItem(nItem, &item))
        return;
    CRect rectText = rect;
    rectText.DeflateRect(6, 0);
    if (bIsPressed)
        rectText.OffsetRect(1, 1);
    UINT uiFormat = DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS;
    if ((item.fmt & HDF_JUSTIFYMASK) == HDF_CENTER)
        uiFormat |= DT_CENTER;
    else if ((item.fmt & HDF_JUSTIFYMASK) == HDF_RIGHT)
        uiFormat |= DT_RIGHT;
    pDC->DrawText(szText, -1, rectText, uiFormat);
}

void CORXHeaderCtrl::OnPaint()
{
    CPaintDC dcPaint(this);
    CRect rectClient;
    GetClientRect(rectClient);

    CDC dcMem;
    CBitmap bmpMem;
    CBitmap* pOldBitmap = NULL;
    CDC* pDC = &dcPaint;
    if (dcMem.CreateCompatibleDC(&dcPaint) &&
        bmpMem.CreateCompatibleBitmap(&dcPaint, rectClient.Width(), rectClient.Height()))
    {
        pOldBitmap = dcMem.SelectObject(&bmpMem);
        pDC = &dcMem;
    }

    OnFillBackground(pDC);
    CFont* pOldFont = pDC->SelectObject(&globalData.fontRegular);
    pDC->SetTextColor(globalData.clrBtnText);
    pDC->SetBkMode(TRANSPARENT);

    CPoint ptCursor;
    ::GetCursorPos(&ptCursor);
    ScreenToClient(&ptCursor);
    HDHITTESTINFO hit = {0};
    hit.pt = ptCursor;
    const int nHit = (int)SendMessage(HDM_HITTEST, 0, (LPARAM)&hit);

    const int nCount = GetItemCount();
    CRect rectItem;
    rectItem.SetRectEmpty();
    for (int i = 0; i < nCount; i++)
    {
        const BOOL bPressed = m_bIsMousePressed && nHit == i && (hit.flags & HHT_ONHEADER) != 0;
        GetItemRect(i, rectItem);
        CRgn rgnClip;
        rgnClip.CreateRectRgnIndirect(rectItem);
        pDC->SelectClipRgn(&rgnClip);
        OnDrawItem(pDC, i, rectItem, bPressed, m_nHighlightedItem == i);
        pDC->SelectClipRgn(NULL);
    }
    CRect rectRest = rectClient;
    if (nCount > 0)
    {
        rectRest.left = rectItem.right;
        rectRest.right = rectClient.right + 1;
        rectRest.top = rectItem.top;
        rectRest.bottom = rectItem.bottom;
    }
    OnDrawItem(pDC, -1, rectRest, FALSE, FALSE);

    pDC->SelectObject(pOldFont);
    if (pDC == &dcMem)
    {
        dcPaint.BitBlt(rectClient.left, rectClient.top, rectClient.Width(), rectClient.Height(), &dcMem, 0, 0,
                       SRCCOPY);
        dcMem.SelectObject(pOldBitmap);
    }
}

BOOL CORXHeaderCtrl::OnEraseBkgnd(CDC*)
{
    return TRUE;
}

void CORXHeaderCtrl::OnLButtonDown(UINT nFlags, CPoint point)
{
    m_bIsMousePressed = TRUE;
    CHeaderCtrl::OnLButtonDown(nFlags, point);
}

void CORXHeaderCtrl::OnLButtonUp(UINT nFlags, CPoint point)
{
    m_bIsMousePressed = FALSE;
    CHeaderCtrl::OnLButtonUp(nFlags, point);
}

void CORXHeaderCtrl::OnMouseMove(UINT nFlags, CPoint point)
{
    if ((nFlags & (MK_LBUTTON | MK_RBUTTON | MK_MBUTTON)) == 0)
    {
        HDHITTESTINFO hit = {0};
        hit.pt = point;
        const int nHit = (int)SendMessage(HDM_HITTEST, 0, (LPARAM)&hit);
        const int nOld = m_nHighlightedItem;
        m_nHighlightedItem = (hit.flags & HHT_ONHEADER) != 0 ? nHit : -1;
        if (!m_bTracked)
        {
            m_bTracked = TRUE;
            RequestMouseLeave(this);
        }
        if (nOld != m_nHighlightedItem)
            Redraw();
    }
    CHeaderCtrl::OnMouseMove(nFlags, point);
}

LRESULT CORXHeaderCtrl::OnMouseLeave(WPARAM, LPARAM)
{
    m_bTracked = FALSE;
    if (m_nHighlightedItem >= 0)
    {
        m_nHighlightedItem = -1;
        Redraw();
    }
    return 0;
}

void CORXHeaderCtrl::OnCancelMode()
{
    CHeaderCtrl::OnCancelMode();
    if (m_nHighlightedItem >= 0)
    {
        m_nHighlightedItem = -1;
        Redraw();
    }
}
