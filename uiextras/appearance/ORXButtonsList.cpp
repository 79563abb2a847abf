// CORXButtonsList: a scrolling grid of tool-bar buttons.
#include "ORXButtonsList.h"

#include <algorithm>

#include <afxole.h>

#include "ORXGlobalData.h"
#include "ORXToolBar.h"
#include "ORXToolbarButton.h"
#include "ORXToolbarImageList.h"

BEGIN_MESSAGE_MAP(CORXButtonsList, CButton)
ON_WM_ERASEBKGND()
ON_WM_LBUTTONDOWN()
ON_WM_GETDLGCODE()
ON_WM_KEYDOWN()
ON_WM_SETFOCUS()
ON_WM_KILLFOCUS()
ON_WM_VSCROLL()
ON_WM_SIZE()
ON_WM_SYSCOLORCHANGE()
ON_WM_ENABLE()
ON_WM_CTLCOLOR()
END_MESSAGE_MAP()

CORXButtonsList::CORXButtonsList()
    : m_pImages(NULL), m_sizeButton(0, 0), m_bInited(FALSE), m_bFocused(FALSE), m_pSelButton(NULL),
      m_iScrollOffset(0), m_iScrollTotal(0), m_iScrollPage(0), m_bEnableDragFromList(FALSE)
{
}

CORXButtonsList::~CORXButtonsList() {}

void CORXButtonsList::PreSubclassWindow()
{
    CButton::PreSubclassWindow();
    ModifyStyle(0, BS_OWNERDRAW);
}

int CORXButtonsList::ImageOf(const CORXToolbarButton* pButton)
{
    return pButton->GetImage();
}

void CORXButtonsList::SetImages(CORXToolbarImageList* pImages)
{
    m_pImages = pImages;
    if (pImages != NULL)
    {
        CSize sizeImage = pImages->GetImageSize();
        m_sizeButton = CSize(sizeImage.cx + 6, sizeImage.cy + 7);
    }
    else
        m_sizeButton = CSize(0, 0);
    RemoveButtons();
}

void CORXButtonsList::AddButton(CORXToolbarButton* pButton)
{
    ASSERT(pButton != NULL);
    m_Buttons.AddTail(pButton);
    pButton->OnChangeParentWnd(this);
    // A hosted control stays out of the user's reach: the list only shows it.
    if (pButton->GetHwnd() != NULL)
        ::EnableWindow(pButton->GetHwnd(), FALSE);
    RebuildLocations();
}

void CORXButtonsList::RemoveButtons()
{
    // Quietly: the owner rebuilds the list and selects again.
    m_pSelButton = NULL;
    for (POSITION pos = m_Buttons.GetHeadPosition(); pos != NULL;)
    {
        CORXToolbarButton* pButton = (CORXToolbarButton*)m_Buttons.GetNext(pos);
        pButton->OnChangeParentWnd(NULL);
    }
    m_Buttons.RemoveAll();
    m_iScrollOffset = 0;
    m_iScrollTotal = 0;
    m_iScrollPage = 0;
    if (m_wndScrollBar.GetSafeHwnd() != NULL)
    {
        m_wndScrollBar.SetScrollRange(0, 0);
        m_wndScrollBar.EnableWindow(FALSE);
    }
    if (GetSafeHwnd() != NULL)
        Invalidate();
}

CRect CORXButtonsList::GetViewRect() const
{
    CRect rect;
    GetClientRect(rect);
    rect.right -= ::GetSystemMetrics(SM_CXVSCROLL) + 1;
    rect.DeflateRect(4, 5);
    return rect;
}

void CORXButtonsList::RebuildLocations()
{
    if (GetSafeHwnd() == NULL || m_pImages == NULL)
        return;
    CRect rectView = GetViewRect();
    const int nRow = RowHeight();
    int x = rectView.left;
    int y = rectView.top - m_iScrollOffset;
    BOOL bRowEmpty = TRUE;
    int nLastBottom = 0;
    CClientDC dc(this);
    for (POSITION pos = m_Buttons.GetHeadPosition(); pos != NULL;)
    {
        CORXToolbarButton* pButton = (CORXToolbarButton*)m_Buttons.GetNext(pos);
        int cx = pButton->OnCalculateSize(&dc, m_sizeButton, TRUE).cx;
        if (x + cx > rectView.right && !bRowEmpty)
        {
            x = rectView.left;
            y += nRow;
            bRowEmpty = TRUE;
        }
        if (bRowEmpty && x + cx > rectView.right)
            cx = rectView.Width();
        CRect rect(x, y, x + cx, y + m_sizeButton.cy);
        if (rect != pButton->Rect())
            pButton->SetRect(rect);
        x = rect.right + 4;
        bRowEmpty = FALSE;
        nLastBottom = rect.bottom + m_iScrollOffset;
    }

    // Rows count in whole rows; an empty or tiny list has no rows to hide.
    const int nVisibleRows = nRow > 0 ? rectView.Height() / nRow : 0;
    const int nHiddenRows = nRow > 0 ? nLastBottom / nRow - nVisibleRows : 0;
    if (nHiddenRows > 0)
    {
        if (m_wndScrollBar.GetSafeHwnd() == NULL)
        {
            CRect rectClient;
            GetClientRect(rectClient);
            CRect rectBar(rectClient.right - ::GetSystemMetrics(SM_CXVSCROLL), rectClient.top,
                          rectClient.right, rectClient.bottom);
            rectBar.DeflateRect(1, 1);
            m_wndScrollBar.Create(WS_CHILD | WS_VISIBLE | SBS_VERT, rectBar, this, 1);
        }
        m_iScrollTotal = nRow * nHiddenRows;
        m_iScrollPage = nVisibleRows;
        m_wndScrollBar.EnableWindow(TRUE);
        m_wndScrollBar.SetScrollRange(0, m_iScrollTotal);
        m_wndScrollBar.SetScrollPos(m_iScrollOffset);
    }
    else
    {
        m_iScrollTotal = 0;
        m_iScrollPage = nVisibleRows;
        if (m_wndScrollBar.GetSafeHwnd() != NULL)
        {
            m_wndScrollBar.SetScrollRange(0, 0);
            m_wndScrollBar.EnableWindow(FALSE);
        }
    }
    if (m_iScrollOffset > m_iScrollTotal)
    {
        m_iScrollOffset = m_iScrollTotal;
        RebuildLocations();
        return;
    }
    m_bInited = TRUE;
}

void CORXButtonsList::DrawItem(LPDRAWITEMSTRUCT lpDIS)
{
    CDC* pDC = CDC::FromHandle(lpDIS->hDC);
    if (!m_bInited)
        RebuildLocations();
    CRect rectClient;
    GetClientRect(rectClient);
    pDC->FillSolidRect(rectClient, globalData.clrBtnFace);

    CRect rectView = GetViewRect();
    rectView.InflateRect(4, 5);
    const BOOL bEnabled = IsWindowEnabled();
    CORXDrawState ds;
    if (m_pImages != NULL && m_pImages->PrepareDrawImage(ds))
    {
        for (POSITION pos = m_Buttons.GetHeadPosition(); pos != NULL;)
        {
            CORXToolbarButton* pButton = (CORXToolbarButton*)m_Buttons.GetNext(pos);
            CRect rect = pButton->Rect();
            if (rect.bottom < rectView.top || rect.top > rectView.bottom)
                continue;
            // A disabled list shows every button disabled, for this drawing only.
            const UINT nOldStyle = pButton->m_nStyle;
            if (!bEnabled)
                pButton->m_nStyle |= TBBS_DISABLED;
            pButton->OnDraw(pDC, rect, m_pImages, TRUE, FALSE, FALSE, TRUE, TRUE);
            pButton->m_nStyle = nOldStyle;
        }
        m_pImages->EndDrawImage(ds);
    }

    if (m_pSelButton != NULL && bEnabled)
    {
        CRect rect = m_pSelButton->Rect();
        if (m_pSelButton->GetHwnd() != NULL)
            rect.InflateRect(0, 2);
        if (m_bFocused)
            pDC->Draw3dRect(rect, globalData.clrBtnShadow, globalData.clrBtnHilite);
        else
        {
            pDC->DrawFocusRect(rect);
            rect.DeflateRect(1, 1);
            pDC->DrawFocusRect(rect);
        }
    }
    pDC->Draw3dRect(rectClient, globalData.clrBtnShadow, globalData.clrBtnHilite);
}

BOOL CORXButtonsList::OnEraseBkgnd(CDC* pDC)
{
    CRect rectClient;
    GetClientRect(rectClient);
    pDC->FillSolidRect(rectClient, globalData.clrBtnFace);
    return TRUE;
}

CORXToolbarButton* CORXButtonsList::HitTest(CPoint point) const
{
    for (POSITION pos = m_Buttons.GetHeadPosition(); pos != NULL;)
    {
        CORXToolbarButton* pButton = (CORXToolbarButton*)m_Buttons.GetNext(pos);
        if (pButton->Rect().PtInRect(point))
            return pButton;
    }
    return NULL;
}

void CORXButtonsList::OnLButtonDown(UINT nFlags, CPoint point)
{
    SetFocus();
    CORXToolbarButton* pButton = HitTest(point);
    SelectButton(pButton);
    if (pButton == NULL || !m_bEnableDragFromList)
        return;
    COleDataSource srcItem;
    pButton->m_bDragFromCollection = TRUE;
    BOOL bPrepared = pButton->PrepareDrag(srcItem);
    pButton->m_bDragFromCollection = FALSE;
    if (bPrepared)
        srcItem.DoDragDrop(DROPEFFECT_COPY | DROPEFFECT_MOVE | DROPEFFECT_LINK);
}

UINT CORXButtonsList::OnGetDlgCode()
{
    return DLGC_WANTARROWS;
}

void CORXButtonsList::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    POSITION posSel = m_pSelButton != NULL ? m_Buttons.Find(m_pSelButton) : NULL;
    switch (nChar)
    {
    case VK_HOME:
        if (!m_Buttons.IsEmpty())
            SelectButton((CORXToolbarButton*)m_Buttons.GetHead());
        return;
    case VK_END:
        if (!m_Buttons.IsEmpty())
            SelectButton((CORXToolbarButton*)m_Buttons.GetTail());
        return;
    case VK_LEFT:
    case VK_UP:
        if (posSel != NULL)
        {
            m_Buttons.GetPrev(posSel);
            if (posSel != NULL)
                SelectButton((CORXToolbarButton*)m_Buttons.GetAt(posSel));
        }
        return;
    case VK_RIGHT:
    case VK_DOWN:
        if (posSel != NULL)
        {
            m_Buttons.GetNext(posSel);
            if (posSel != NULL)
                SelectButton((CORXToolbarButton*)m_Buttons.GetAt(posSel));
        }
        return;
    }
    CButton::OnKeyDown(nChar, nRepCnt, nFlags);
}

void CORXButtonsList::OnSetFocus(CWnd* pOldWnd)
{
    CButton::OnSetFocus(pOldWnd);
    m_bFocused = TRUE;
    if (m_pSelButton == NULL && !m_Buttons.IsEmpty())
        SelectButton((CORXToolbarButton*)m_Buttons.GetHead());
    if (m_pSelButton != NULL)
    {
        CRect rect = m_pSelButton->Rect();
        rect.InflateRect(2, 2);
        InvalidateRect(rect);
    }
}

void CORXButtonsList::OnKillFocus(CWnd* pNewWnd)
{
    CButton::OnKillFocus(pNewWnd);
    m_bFocused = FALSE;
    if (m_pSelButton != NULL)
    {
        CRect rect = m_pSelButton->Rect();
        rect.InflateRect(2, 2);
        InvalidateRect(rect);
    }
}

void CORXButtonsList::ScrollTo(int iOffset)
{
    iOffset = std::max(0, std::min(iOffset, m_iScrollTotal));
    if (iOffset == m_iScrollOffset)
        return;
    m_iScrollOffset = iOffset;
    if (m_wndScrollBar.GetSafeHwnd() != NULL)
        m_wndScrollBar.SetScrollPos(m_iScrollOffset);
    RebuildLocations();
    CRect rectClient;
    GetClientRect(rectClient);
    rectClient.right -= ::GetSystemMetrics(SM_CXVSCROLL) + 1;
    InvalidateRect(rectClient);
}

void CORXButtonsList::OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar)
{
    const int nRow = RowHeight();
    int iOffset = m_iScrollOffset;
    switch (nSBCode)
    {
    case SB_LINEUP:
        iOffset -= nRow;
        break;
    case SB_LINEDOWN:
        iOffset += nRow;
        break;
    case SB_PAGEUP:
        iOffset -= nRow * m_iScrollPage;
        break;
    case SB_PAGEDOWN:
        iOffset += nRow * m_iScrollPage;
        break;
    case SB_THUMBPOSITION:
        iOffset = nRow > 0 ? ((int)nPos + nRow / 2) / nRow * nRow : 0;
        break;
    case SB_TOP:
        iOffset = 0;
        break;
    case SB_BOTTOM:
        iOffset = m_iScrollTotal;
        break;
    default:
        return;
    }
    ScrollTo(iOffset);
}

void CORXButtonsList::SelectButton(CORXToolbarButton* pButton)
{
    CORXToolbarButton* pOld = m_pSelButton;
    m_pSelButton = pButton;
    if (GetSafeHwnd() == NULL)
        return;
    if (pOld != NULL)
    {
        CRect rect = pOld->Rect();
        rect.InflateRect(2, 2);
        InvalidateRect(rect);
    }
    if (pButton != NULL)
    {
        CRect rect = pButton->Rect();
        rect.InflateRect(2, 2);
        InvalidateRect(rect);
        CRect rectView = GetViewRect();
        if (pButton->Rect().bottom <= rectView.top || pButton->Rect().top >= rectView.bottom)
        {
            // Bring its bottom edge to the bottom of the view.
            const int nContentBottom = pButton->Rect().bottom + m_iScrollOffset;
            m_iScrollOffset = std::max(0, std::min((int)(nContentBottom - rectView.bottom), m_iScrollTotal));
            if (m_wndScrollBar.GetSafeHwnd() != NULL)
                m_wndScrollBar.SetScrollPos(m_iScrollOffset);
            RebuildLocations();
            Invalidate();
        }
    }
    UpdateWindow();
    if (pOld != pButton || pButton != NULL)
    {
        CWnd* pParent = GetParent();
        if (pParent != NULL)
            pParent->SendMessage(WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(), BN_CLICKED), (LPARAM)m_hWnd);
    }
}

BOOL CORXButtonsList::SelectButton(int iImage)
{
    if (iImage < 0)
    {
        SelectButton((CORXToolbarButton*)NULL);
        return TRUE;
    }
    for (POSITION pos = m_Buttons.GetHeadPosition(); pos != NULL;)
    {
        CORXToolbarButton* pButton = (CORXToolbarButton*)m_Buttons.GetNext(pos);
        if (ImageOf(pButton) == iImage)
        {
            SelectButton(pButton);
            return TRUE;
        }
    }
    return FALSE;
}

void CORXButtonsList::OnSize(UINT nType, int cx, int cy)
{
    CButton::OnSize(nType, cx, cy);
    RebuildLocations();
}

void CORXButtonsList::OnSysColorChange()
{
    if (m_pImages != NULL)
        m_pImages->OnSysColorChange();
    RedrawWindow();
}

void CORXButtonsList::OnEnable(BOOL bEnable)
{
    CButton::OnEnable(bEnable);
    RedrawWindow();
}

HBRUSH CORXButtonsList::OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor)
{
    for (POSITION pos = m_Buttons.GetHeadPosition(); pos != NULL && pWnd != NULL;)
    {
        CORXToolbarButton* pButton = (CORXToolbarButton*)m_Buttons.GetNext(pos);
        if (pButton->IsOwnerOf(pWnd->GetSafeHwnd()))
        {
            HBRUSH hbr = pButton->OnCtlColor(pDC, nCtlColor);
            if (hbr != NULL)
                return hbr;
        }
    }
    return CButton::OnCtlColor(pDC, pWnd, nCtlColor);
}
