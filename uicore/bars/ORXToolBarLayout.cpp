// CORXToolBar: size requests, wrapping into rows, button placement and painting through one bitmap.
#include "ORXToolBar.h"

#include "ORXGlobalData.h"
#include "ORXExtrasHooks.h"
#include "ORXVisualManager.h"

#include <afxpriv.h>
#include <afxext.h>

#include <algorithm>

namespace
{
const int kRowGap = 5; // pixels between rows; a wrapped separator draws its line in the gap
}

CFont* CORXToolBar::GetBarFont() const
{
    return (m_dwStyle & CBRS_ORIENT_HORZ) ? &globalData.fontRegular : &globalData.fontVert;
}

CSize CORXToolBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz)
{
    return CalcLayout((bStretch ? LM_STRETCH : 0) | (bHorz ? LM_HORZ : 0), -1);
}

CSize CORXToolBar::CalcDynamicLayout(int nLength, DWORD dwMode)
{
    if (nLength == -1 && !(dwMode & (LM_MRUWIDTH | LM_COMMIT)) && (dwMode & (LM_HORZDOCK | LM_VERTDOCK)))
        return CalcFixedLayout(dwMode & LM_STRETCH, dwMode & LM_HORZDOCK);
    return CalcLayout(dwMode, nLength);
}

CSize CORXToolBar::CalcLayout(DWORD dwMode, int nLength)
{
    return WrapButtons(nLength, dwMode);
}

CSize CORXToolBar::CalcInsideSize(BOOL bHorz) const
{
    CRect rect(0, 0, 0, 0);
    CalcInsideRect(rect, bHorz);
    return CSize(-rect.Width(), -rect.Height());
}

CSize CORXToolBar::WrapButtons(int nLength, DWORD dwMode)
{
    CORXChevron* pChevron = GetChevron();
    if (pChevron != NULL)
        pChevron->SetNoRoom(FALSE);
    CalcMaxButtonHeight();
    if (!(m_dwStyle & CBRS_SIZE_FIXED))
    {
        if (!(m_dwStyle & CBRS_SIZE_DYNAMIC))
            SizeToolBar((dwMode & LM_HORZ) ? 32767 : 0);
        else if (dwMode & LM_MRUWIDTH)
            SizeToolBar(m_nMRUWidth);
        else if (dwMode & LM_HORZDOCK)
            SizeToolBar(32767);
        else if (dwMode & LM_VERTDOCK)
            SizeToolBar(0);
        else if (nLength == -1)
            SizeToolBar((m_dwStyle & CBRS_FLOATING) ? (int)m_nMRUWidth : ((dwMode & LM_HORZ) ? 32767 : 0));
        else
        {
            CSize sizeInside = CalcInsideSize((dwMode & LM_HORZ) != 0);
            if (dwMode & LM_LENGTHY)
                SizeToolBar(nLength - sizeInside.cy, TRUE);
            else
                SizeToolBar(nLength - sizeInside.cx);
        }
    }
    CSize size = CalcSize(!(dwMode & LM_HORZ));
    // A chevron with nothing to offer takes no room.
    if (pChevron != NULL && !pChevron->HasCustomizeCommand() && !pChevron->HasInvisibleButtons())
    {
        pChevron->SetNoRoom(TRUE);
        size = CalcSize(!(dwMode & LM_HORZ));
    }
    if ((dwMode & LM_COMMIT) && (m_dwStyle & CBRS_FLOATING) && (m_dwStyle & CBRS_SIZE_DYNAMIC) &&
        (dwMode & LM_HORZ))
        m_nMRUWidth = size.cx;
    CSize sizeInside = CalcInsideSize((dwMode & LM_HORZ) != 0);
    size += sizeInside;
    if (dwMode & LM_STRETCH)
    {
        // A stretched bar takes the frame's length along its edge: the frame asks for 32767.
        if (dwMode & LM_HORZ)
            size.cx = std::max(size.cx, (LONG)32767);
        else
            size.cy = std::max(size.cy, (LONG)32767);
    }
    RebuildAccelerationKeys();
    return size;
}

int CORXToolBar::WrapToolBar(int nWidth, int nHeight)
{
    CClientDC dc(this);
    CFont* pOldFont = dc.SelectObject(GetBarFont());
    if (m_dwStyle & CBRS_FLOATING)
        nHeight = 32767;
    BOOL bHorz = (m_dwStyle & CBRS_ORIENT_HORZ) != 0;
    CSize sizeCell = GetCellSize();
    if (m_pCustomizeBtn != NULL && bHorz && !(m_dwStyle & CBRS_FLOATING))
        nWidth -= m_pCustomizeBtn->OnCalculateSize(&dc, sizeCell, bHorz).cx;
    int nRows = 1;
    int x = 0, y = 0;
    CORXToolbarButton* pPrev = NULL;
    for (POSITION pos = m_Buttons.GetHeadPosition(); pos != NULL;)
    {
        CORXToolbarButton* pButton = (CORXToolbarButton*)m_Buttons.GetNext(pos);
        if (pButton == m_pCustomizeBtn)
            continue;
        pButton->m_bWrap = FALSE;
        BOOL bSeparator = (pButton->m_nStyle & TBBS_SEPARATOR) != 0;
        CSize size =
            bSeparator && x == 0 ? CSize(0, 0) : CSize(pButton->OnCalculateSize(&dc, sizeCell, bHorz));
        if (!bSeparator && x > 0 && x + size.cx > nWidth && pPrev != NULL &&
            y + 2 * sizeCell.cy + kRowGap <= nHeight)
        {
            pPrev->m_bWrap = TRUE;
            nRows++;
            x = 0;
            y += sizeCell.cy + kRowGap;
        }
        x += size.cx;
        pPrev = pButton;
    }
    dc.SelectObject(pOldFont);
    return nRows;
}

void CORXToolBar::SizeToolBar(int nLength, BOOL bVert)
{
    if (GetSafeHwnd() == NULL)
        return;
    if (!bVert)
    {
        int nMin = 0, nMax = nLength;
        int nTarget = WrapToolBar(nLength);
        if (WrapToolBar(0) != nTarget && nLength > 0)
        {
            for (;;)
            {
                int nMid = (nMin + nMax) / 2;
                int nRows = WrapToolBar(nMid);
                if (nRows == nTarget)
                    nMax = nMid;
                else
                {
                    if (nMin == nMid)
                    {
                        WrapToolBar(nMax);
                        break;
                    }
                    nMin = nMid;
                }
                if (nMax - nMin <= 1)
                {
                    WrapToolBar(nRows == nTarget ? nMid : nMax);
                    break;
                }
            }
        }
    }
    else
    {
        // Narrowest wrap first, then one cell wider at a time until the height fits; the walk ends
        // at the one-row width at the latest.
        int nStep = GetColumnWidth();
        if (nStep <= 0)
            nStep = 1;
        WrapToolBar(32767);
        int nOneRowWidth = CalcSize(FALSE).cx;
        for (int nWidth = 0;; nWidth += nStep)
        {
            WrapToolBar(nWidth);
            if (CalcSize(FALSE).cy <= nLength || nWidth >= nOneRowWidth)
                break;
        }
    }
    WrapToolBar(CalcSize(FALSE).cx);
}

CSize CORXToolBar::CalcSize(BOOL bVertDock)
{
    CSize sizeCell = GetCellSize();
    if (GetCount() == 0 || GetSafeHwnd() == NULL)
        return sizeCell;
    CClientDC dc(this);
    CFont* pOldFont = dc.SelectObject(GetBarFont());
    CSize sizeResult(0, 0);
    CPoint cur(0, 0);
    int nRowHeight = sizeCell.cy;
    for (POSITION pos = m_Buttons.GetHeadPosition(); pos != NULL;)
    {
        CORXToolbarButton* pButton = (CORXToolbarButton*)m_Buttons.GetNext(pos);
        if (pButton == m_pCustomizeBtn && (m_dwStyle & CBRS_FLOATING))
            break;
        CSize size = pButton->OnCalculateSize(&dc, sizeCell, !bVertDock);
        if (m_bFixedRowHeight)
            size.cy = m_nFixedRowHeight;
        if (!bVertDock)
        {
            if ((pButton->m_nStyle & TBBS_SEPARATOR) && cur.x == 0)
                size = CSize(0, 0);
            cur.x += size.cx;
            sizeResult.cx = std::max(sizeResult.cx, cur.x);
            sizeResult.cy = std::max(sizeResult.cy, cur.y + std::max(size.cy, (LONG)nRowHeight));
            if (pButton->m_bWrap)
            {
                cur.x = 0;
                cur.y += nRowHeight + kRowGap;
            }
        }
        else
        {
            cur.y += size.cy;
            sizeResult.cx = std::max(sizeResult.cx, size.cx);
            sizeResult.cy = cur.y;
        }
    }
    dc.SelectObject(pOldFont);
    return sizeResult;
}

int CORXToolBar::CalcMaxButtonHeight()
{
    m_bFixedRowHeight = FALSE;
    m_nFixedRowHeight = 0;
    if (!(m_dwStyle & CBRS_ORIENT_HORZ) || !m_bTextLabels || GetSafeHwnd() == NULL)
        return 0;
    CClientDC dc(this);
    CFont* pOldFont = dc.SelectObject(GetBarFont());
    CSize sizeCell = GetCellSize();
    int nMax = 0;
    for (POSITION pos = m_Buttons.GetHeadPosition(); pos != NULL;)
    {
        CORXToolbarButton* pButton = (CORXToolbarButton*)m_Buttons.GetNext(pos);
        if (!pButton->m_bTextBelow)
            continue;
        if (pButton->m_strText.IsEmpty())
            OnSetDefaultButtonText(pButton);
        nMax = std::max(nMax, (int)pButton->OnCalculateSize(&dc, sizeCell, TRUE).cy);
    }
    dc.SelectObject(pOldFont);
    if (nMax > sizeCell.cy)
    {
        m_bFixedRowHeight = TRUE;
        m_nFixedRowHeight = nMax;
        return nMax;
    }
    return 0;
}

void CORXToolBar::AdjustLayout()
{
    if (GetSafeHwnd() == NULL)
        return;
    BOOL bHorz = (m_dwStyle & CBRS_ORIENT_HORZ) != 0;
    for (POSITION pos = m_Buttons.GetHeadPosition(); pos != NULL;)
    {
        CORXToolbarButton* pButton = (CORXToolbarButton*)m_Buttons.GetNext(pos);
        if (!(pButton->m_nStyle & TBBS_SEPARATOR))
            pButton->m_bTextBelow = m_bTextLabels && bHorz;
    }
    if (DYNAMIC_DOWNCAST(CReBar, GetParent()) != NULL)
        UpdateReBarBand();
    else
    {
        CFrameWnd* pFrame = GetParentFrame();
        if (pFrame != NULL && pFrame->GetSafeHwnd() != NULL)
            pFrame->RecalcLayout();
    }
    PlaceButtons();
    RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_FRAME);
}

void CORXToolBar::UpdateReBarBand()
{
    CReBar* pReBar = DYNAMIC_DOWNCAST(CReBar, GetParent());
    if (pReBar == NULL || pReBar->GetSafeHwnd() == NULL)
        return;
    CReBarCtrl& ctrl = pReBar->GetReBarCtrl();
    UINT nBands = ctrl.GetBandCount();
    for (UINT i = 0; i < nBands; i++)
    {
        REBARBANDINFO rbbi;
        memset(&rbbi, 0, sizeof(rbbi));
        rbbi.cbSize = REBARBANDINFOA_V6_SIZE;
        rbbi.fMask = RBBIM_CHILD;
        if (!ctrl.GetBandInfo(i, &rbbi) || rbbi.hwndChild != m_hWnd)
            continue;
        CSize sizeBar = CalcFixedLayout(FALSE, TRUE);
        rbbi.fMask = RBBIM_CHILDSIZE | RBBIM_IDEALSIZE;
        rbbi.cxMinChild = m_sizeButton.cx;
        rbbi.cyMinChild = sizeBar.cy;
        rbbi.cxIdeal = sizeBar.cx;
        ctrl.SetBandInfo(i, &rbbi);
        return;
    }
}

DWORD CORXToolBar::RecalcDelayShow(AFX_SIZEPARENTPARAMS* lpLayout)
{
    DWORD dwResult = CControlBar::RecalcDelayShow(lpLayout);
    if (!(m_dwStyle & CBRS_FLOATING))
        PlaceButtons();
    return dwResult;
}

void CORXToolBar::PlaceButtons()
{
    if (GetSafeHwnd() == NULL || GetCount() == 0)
        return;
    CClientDC dc(this);
    CFont* pOldFont = dc.SelectObject(GetBarFont());
    CRect rectClient;
    GetClientRect(rectClient);
    BOOL bHorz = (m_dwStyle & CBRS_ORIENT_HORZ) != 0;
    BOOL bFloating = (m_dwStyle & CBRS_FLOATING) != 0;
    CSize sizeCell = GetCellSize();
    int nRowHeight = m_bFixedRowHeight ? m_nFixedRowHeight : sizeCell.cy;

    // A docked bar keeps its chevron at the far end and hides there what does not fit before it.
    CORXChevron* pChevron = GetChevron();
    BOOL bChevronLayout = pChevron != NULL && !bFloating && !m_bCustomizeMode;
    CSize sizeChevron(0, 0);
    CORXToolbarButton* pLastButton = NULL;
    if (bChevronLayout)
    {
        pChevron->ClearInvisibleButtons();
        BOOL bNoRoom = pChevron->IsNoRoom();
        pChevron->SetNoRoom(FALSE);
        CSize sizeFull =
            bHorz ? CSize(sizeCell.cx, rectClient.Height()) : CSize(rectClient.Width(), sizeCell.cy);
        sizeChevron = m_pCustomizeBtn->OnCalculateSize(&dc, sizeFull, bHorz);
        pChevron->SetNoRoom(bNoRoom);
        POSITION posChevron = m_Buttons.Find(m_pCustomizeBtn);
        m_Buttons.GetPrev(posChevron);
        if (posChevron != NULL)
            pLastButton = (CORXToolbarButton*)m_Buttons.GetAt(posChevron);
    }

    CPoint cur =
        bHorz ? CPoint(rectClient.left + 1, rectClient.top) : CPoint(rectClient.left, rectClient.top + 1);
    BOOL bPrevSeparator = TRUE; // a separator that starts a row is hidden
    POSITION posRowStart = m_Buttons.GetHeadPosition();
    for (POSITION pos = m_Buttons.GetHeadPosition(); pos != NULL;)
    {
        CORXToolbarButton* pButton = (CORXToolbarButton*)m_Buttons.GetNext(pos);
        if (pButton == m_pCustomizeBtn)
            continue;
        BOOL bSeparator = (pButton->m_nStyle & TBBS_SEPARATOR) != 0;
        CSize size = pButton->OnCalculateSize(&dc, sizeCell, bHorz);
        if (pButton->m_bTextBelow && bHorz)
            size.cy = nRowHeight;
        BOOL bHide = bSeparator && bPrevSeparator;
        if (bHide)
            size = CSize(0, 0);
        BOOL bOverflow = FALSE;
        if (bChevronLayout && !bHide)
        {
            // The last button may take the chevron's place while the chevron has nothing to offer.
            int nReserve = bHorz ? sizeChevron.cx : sizeChevron.cy;
            if (pButton == pLastButton && !pChevron->HasCustomizeCommand() &&
                !pChevron->HasInvisibleButtons())
                nReserve = 0;
            int nEnd = bHorz ? cur.x + size.cx : cur.y + size.cy;
            int nEdge = bHorz ? rectClient.right : rectClient.bottom;
            if (nEnd > nEdge - nReserve)
            {
                bOverflow = TRUE;
                bHide = TRUE;
                pChevron->AddInvisibleButton(pButton);
            }
        }
        CRect rect = bHorz ? CRect(cur, CSize(size.cx, std::max(size.cy, (LONG)nRowHeight)))
                           : CRect(cur, CSize(std::max(size.cx, (LONG)sizeCell.cx), size.cy));
        if (!bHorz)
            rect.right = std::max(rect.right, rectClient.right);
        if (pButton->IsHidden() != bHide)
            pButton->Show(!bHide);
        if (pButton->Rect() != rect)
            pButton->SetRect(rect);
        if (bOverflow)
            continue;
        if (bHorz)
            cur.x += size.cx;
        else
            cur.y += size.cy;
        bPrevSeparator = bSeparator;

        if (pButton->m_bWrap && bHorz)
        {
            if (bFloating && m_bTextLabels)
            {
                // A floating bar with labels centres each finished row.
                int nFree = rectClient.right - cur.x;
                if (nFree / 2 >= 1)
                    for (POSITION posMove = posRowStart; posMove != pos;)
                    {
                        CORXToolbarButton* pMove = (CORXToolbarButton*)m_Buttons.GetNext(posMove);
                        CRect rectMove = pMove->Rect();
                        rectMove.OffsetRect(nFree / 2, 0);
                        pMove->SetRect(rectMove);
                    }
            }
            cur.x = rectClient.left + 1;
            cur.y += nRowHeight + kRowGap;
            bPrevSeparator = TRUE;
            posRowStart = pos;
        }
    }

    if (m_pCustomizeBtn != NULL)
    {
        BOOL bShow = bChevronLayout && (pChevron->HasCustomizeCommand() || pChevron->HasInvisibleButtons());
        CRect rect(0, 0, 0, 0);
        if (bShow)
            rect = bHorz ? CRect(rectClient.right - sizeChevron.cx, rectClient.top, rectClient.right,
                                 rectClient.bottom)
                         : CRect(rectClient.left, rectClient.bottom - sizeChevron.cy, rectClient.right,
                                 rectClient.bottom);
        if (m_pCustomizeBtn->IsHidden() == bShow)
            m_pCustomizeBtn->Show(bShow);
        if (m_pCustomizeBtn->Rect() != rect)
            m_pCustomizeBtn->SetRect(rect);
    }
    dc.SelectObject(pOldFont);
}

int CORXToolBar::HitTest(CPoint point)
{
    int i = 0;
    for (POSITION pos = m_Buttons.GetHeadPosition(); pos != NULL; i++)
    {
        CORXToolbarButton* pButton = (CORXToolbarButton*)m_Buttons.GetNext(pos);
        if (!pButton->IsHidden() && pButton->Rect().PtInRect(point))
            return (pButton->m_nStyle & TBBS_SEPARATOR) ? -1 : i;
    }
    return -1;
}

void CORXToolBar::GetItemRect(int nIndex, LPRECT lpRect) const
{
    CORXToolbarButton* pButton = GetButton(nIndex);
    if (pButton == NULL)
        ::SetRectEmpty(lpRect);
    else
        *lpRect = pButton->Rect();
}

void CORXToolBar::GetInvalidateItemRect(int nIndex, LPRECT lpRect) const
{
    GetItemRect(nIndex, lpRect);
}

/////////////////////////////////////////////////////////////////////////////
// Painting

void CORXToolBar::ChooseImageLists(CORXToolbarImageList*& pImages, CORXToolbarImageList*& pCold,
                                   CORXToolbarImageList*& pDisabled, CORXToolbarImageList*& pMenu,
                                   CORXToolbarImageList*& pMenuDisabled)
{
    BOOL bLarge = !m_bMenuMode && m_bLargeIcons && m_bLargeIconsAreEnbaled;
    if (m_bLocked)
    {
        pImages = bLarge && m_LargeImagesLocked.GetCount() > 0 ? &m_LargeImagesLocked : &m_ImagesLocked;
        pCold =
            bLarge && m_LargeColdImagesLocked.GetCount() > 0 ? &m_LargeColdImagesLocked : &m_ColdImagesLocked;
        pDisabled = bLarge && m_LargeDisabledImagesLocked.GetCount() > 0 ? &m_LargeDisabledImagesLocked
                                                                         : &m_DisabledImagesLocked;
        pMenu = &m_MenuImagesLocked;
        pMenuDisabled = &m_DisabledMenuImagesLocked;
    }
    else
    {
        pImages = bLarge && GetLargeImages().GetCount() > 0 ? &GetLargeImages() : &GetImages();
        pCold = bLarge && GetLargeColdImages().GetCount() > 0 ? &GetLargeColdImages() : &GetColdImages();
        pDisabled = bLarge && GetLargeDisabledImages().GetCount() > 0 ? &GetLargeDisabledImages()
                                                                      : &GetDisabledImages();
        pMenu = &GetMenuImages();
        pMenuDisabled = &GetDisabledMenuImages();
    }
}

void CORXToolBar::DoPaint(CDC* pDCPaint)
{
    CRect rectClient;
    GetClientRect(rectClient);
    BOOL bHorz = (m_dwStyle & CBRS_ORIENT_HORZ) != 0;
    CRect rectClip;
    pDCPaint->GetClipBox(rectClip);

    // Everything goes into one memory bitmap, copied once: no flicker.
    CDC dcMem;
    CBitmap bmpMem;
    CDC* pDC = pDCPaint;
    CBitmap* pOldBitmap = NULL;
    if (dcMem.CreateCompatibleDC(pDCPaint) &&
        bmpMem.CreateCompatibleBitmap(pDCPaint, rectClient.Width(), rectClient.Height()))
    {
        pDC = &dcMem;
        pOldBitmap = dcMem.SelectObject(&bmpMem);
    }

    CORXVisualManager* pLook = CORXVisualManager::GetInstance();
    if (GetStyle() & TBSTYLE_TRANSPARENT)
        m_pNcPainter->OnEraseBackground(pDC);
    else
        pLook->OnFillBarBackground(pDC, this, rectClient, rectClip);
    OnFillBackground(pDC);

    pDC->SetTextColor(::GetSysColor(COLOR_BTNTEXT));
    pDC->SetBkMode(TRANSPARENT);
    CFont* pOldFont = pDC->SelectObject(GetBarFont());

    CORXToolbarImageList *pImages, *pCold, *pDisabled, *pMenu, *pMenuDisabled;
    ChooseImageLists(pImages, pCold, pDisabled, pMenu, pMenuDisabled);

    CSize sizeImageDraw = m_bMenuMode && m_sizeMenuImage.cx > 0 ? m_sizeMenuImage : GetImageSize();
    CORXDrawState ds;
    CORXToolbarImageList* pPrepared = NULL;
    if (pImages->GetImageWell() != NULL)
    {
        if (pImages->PrepareDrawImage(ds, sizeImageDraw))
            pPrepared = pImages;
    }
    BOOL bFadeSaved = pLook->IsFadeInactiveImage();
    if (pCold->GetCount() > 0)
        pLook->SetFadeInactiveImage(FALSE);

    BOOL bCustomizeDraw = m_bCustomizeMode && !m_bLocked;
    int i = 0;
    for (POSITION pos = m_Buttons.GetHeadPosition(); pos != NULL; i++)
    {
        CORXToolbarButton* pButton = (CORXToolbarButton*)m_Buttons.GetNext(pos);
        CRect rect = pButton->Rect();
        if (pButton->m_nStyle & TBBS_SEPARATOR)
        {
            BOOL bSepHorz = bHorz;
            if (pButton->m_bWrap && bHorz)
            {
                rect = CRect(rectClient.left, rect.bottom, rectClient.right, rect.bottom + kRowGap);
                bSepHorz = FALSE;
            }
            CRect rectInter;
            if (!pButton->IsHidden() && rectInter.IntersectRect(rect, rectClip))
                DrawSeparator(pDC, rect, bSepHorz);
            continue;
        }
        CRect rectInter;
        if (!rectInter.IntersectRect(rect, rectClip))
            continue;
        BOOL bDisabled = (pButton->m_nStyle & TBBS_DISABLED) && !m_bCustomizeMode;
        BOOL bHighlighted;
        if (bCustomizeDraw)
            bHighlighted = FALSE;
        else if (m_bMenuMode)
            bHighlighted = i == m_iHighlighted;
        else
            bHighlighted = (i == m_iHighlighted || i == m_iButtonCapture) &&
                           (m_iButtonCapture == -1 || m_iButtonCapture == i);

        CORXToolbarImageList* pList = pImages;
        BOOL bDrawDisabledImages = FALSE;
        if (pButton->m_bUserButton)
            pList = (m_pUserImages != NULL && pButton->GetImage() >= 0) ? m_pUserImages : NULL;
        else if (m_bMenuMode)
        {
            if (bDisabled && pMenuDisabled->GetCount() > 0)
            {
                pList = pMenuDisabled;
                bDrawDisabledImages = TRUE;
            }
            else if (pMenu->GetCount() > 0)
                pList = pMenu;
            else if (bDisabled && pDisabled->GetCount() > 0)
            {
                pList = pDisabled;
                bDrawDisabledImages = TRUE;
            }
        }
        else
        {
            if (bDisabled && pDisabled->GetCount() > 0)
            {
                pList = pDisabled;
                bDrawDisabledImages = TRUE;
            }
            if (!bHighlighted && !bDrawDisabledImages && !(pButton->m_nStyle & TBBS_PRESSED) &&
                pCold->GetCount() > 0 && !pButton->IsDroppedDown())
                pList = pCold;
        }
        if (pList != pPrepared)
        {
            if (pPrepared != NULL)
                pPrepared->EndDrawImage(ds);
            pPrepared = NULL;
            if (pList != NULL && pList->PrepareDrawImage(ds, sizeImageDraw))
                pPrepared = pList;
        }
        DrawButton(pDC, pButton, pPrepared, bHighlighted, bDrawDisabledImages);
    }

    if (m_iSelected >= GetCount())
        m_iSelected = -1;
    if (m_bCustomizeMode && !m_bLocked && m_pSelToolbar == this && m_iSelected >= 0)
    {
        CORXToolbarButton* pSelected = GetButton(m_iSelected);
        if (pSelected != NULL && pSelected->CanBeDragged())
        {
            CRect rect = pSelected->Rect();
            if (pSelected->GetHwnd() != NULL)
                rect.InflateRect(0, 1);
            HBRUSH hbr = ::CreateSolidBrush(globalData.clrBtnText);
            ::FrameRect(pDC->GetSafeHdc(), &rect, hbr);
            rect.DeflateRect(1, 1);
            ::FrameRect(pDC->GetSafeHdc(), &rect, hbr);
            ::DeleteObject(hbr);
        }
    }
    if (m_iDragIndex >= 0 && m_bCustomizeMode && !m_bLocked)
        DrawDragMarker(pDC);

    pDC->SelectObject(pOldFont);
    if (pPrepared != NULL)
        pPrepared->EndDrawImage(ds);
    if (pDC != pDCPaint)
    {
        pDCPaint->BitBlt(rectClip.left, rectClip.top, rectClip.Width(), rectClip.Height(), pDC, rectClip.left,
                         rectClip.top, SRCCOPY);
        dcMem.SelectObject(pOldBitmap);
    }
    pLook->SetFadeInactiveImage(bFadeSaved);
}

BOOL CORXToolBar::DrawButton(CDC* pDC, CORXToolbarButton* pButton, CORXToolbarImageList* pImages,
                             BOOL bHighlighted, BOOL bDrawDisabledImages)
{
    if (pButton->IsHidden() || !pDC->RectVisible(pButton->Rect()))
        return TRUE;
    BOOL bCustomize = m_bCustomizeMode && !m_bAltCustomizeMode && !m_bLocked;
    pButton->OnDraw(pDC, pButton->Rect(), pImages, (m_dwStyle & CBRS_ORIENT_HORZ) != 0, bCustomize,
                    bHighlighted, m_bDrawBorders, bDrawDisabledImages ? FALSE : m_bGrayDisabledButtons);
    return TRUE;
}

void CORXToolBar::DrawSeparator(CDC* pDC, const CRect& rect, BOOL bHorz)
{
    CORXVisualManager::GetInstance()->OnDrawSeparator(pDC, this, rect, bHorz);
}

void CORXToolBar::DrawDragMarker(CDC* pDC)
{
    BOOL bHorz = (m_dwStyle & CBRS_ORIENT_HORZ) != 0;
    CPen* pOldPen = pDC->SelectObject(&m_penDrag);
    for (int i = 0; i < 2; i++)
    {
        if (bHorz)
        {
            int x = m_rectDrag.left + m_rectDrag.Width() / 2 + i - 1;
            pDC->MoveTo(x, m_rectDrag.top);
            pDC->LineTo(x, m_rectDrag.bottom - 1);
            pDC->MoveTo(m_rectDrag.left, m_rectDrag.top + i);
            pDC->LineTo(m_rectDrag.right, m_rectDrag.top + i);
            pDC->MoveTo(m_rectDrag.left, m_rectDrag.bottom - i - 1);
            pDC->LineTo(m_rectDrag.right, m_rectDrag.bottom - i - 1);
        }
        else
        {
            int y = m_rectDrag.top + m_rectDrag.Height() / 2 + i - 1;
            pDC->MoveTo(m_rectDrag.left, y);
            pDC->LineTo(m_rectDrag.right - 1, y);
            pDC->MoveTo(m_rectDrag.left + i, m_rectDrag.top);
            pDC->LineTo(m_rectDrag.left + i, m_rectDrag.bottom);
            pDC->MoveTo(m_rectDrag.right - i - 1, m_rectDrag.top);
            pDC->LineTo(m_rectDrag.right - i - 1, m_rectDrag.bottom);
        }
    }
    pDC->SelectObject(pOldPen);
}

/////////////////////////////////////////////////////////////////////////////
// Window messages of layout and painting

BOOL CORXToolBar::OnEraseBkgnd(CDC*)
{
    return TRUE;
}

LRESULT CORXToolBar::OnNcHitTest(CPoint)
{
    return HTCLIENT;
}

void CORXToolBar::OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp)
{
    m_pNcPainter->OnNcCalcSize(bCalcValidRects, lpncsp);
}

void CORXToolBar::OnNcPaint()
{
    m_pNcPainter->OnNcPaint();
}

void CORXToolBar::OnSize(UINT nType, int cx, int cy)
{
    CControlBar::OnSize(nType, cx, cy);
    if (m_bCustomizeMode && !m_bLocked && m_bStretchButton)
    {
        m_bStretchButton = FALSE;
        ReleaseCapture();
    }
    PlaceButtons();
    if ((m_dwStyle & CBRS_FLOATING) && GetParent() != NULL &&
        GetParent()->IsKindOf(RUNTIME_CLASS(CMiniFrameWnd)))
    {
        CMenu* pSysMenu = GetParent()->GetSystemMenu(FALSE);
        if (pSysMenu != NULL)
        {
            pSysMenu->DeleteMenu(SC_RESTORE, MF_BYCOMMAND);
            pSysMenu->DeleteMenu(SC_MINIMIZE, MF_BYCOMMAND);
            pSysMenu->DeleteMenu(SC_MAXIMIZE, MF_BYCOMMAND);
            if (!CanBeClosed())
                pSysMenu->EnableMenuItem(SC_CLOSE, MF_BYCOMMAND | MF_GRAYED);
        }
    }
}

void CORXToolBar::OnWindowPosChanging(WINDOWPOS* lpwndpos)
{
    CControlBar::OnWindowPosChanging(lpwndpos);
    if (DYNAMIC_DOWNCAST(CReBar, GetParent()) != NULL)
        PlaceButtons();
}

void CORXToolBar::OnWindowPosChanged(WINDOWPOS* lpwndpos)
{
    CControlBar::OnWindowPosChanged(lpwndpos);
    RedrawWindow(NULL, NULL, RDW_FRAME | RDW_INVALIDATE);
    if (m_bCustomizeMode && !m_bLocked)
    {
        BOOL bShow = (lpwndpos->flags & SWP_SHOWWINDOW) != 0;
        BOOL bHide = (lpwndpos->flags & SWP_HIDEWINDOW) != 0;
        if ((bShow || bHide) && CORXServices::Find<CORXCustomizeSheet>() != NULL)
            CORXServices::Find<CORXCustomizeSheet>()->ShowToolBar(this, bShow);
        if (bHide && m_pSelToolbar == this)
            m_pSelToolbar = NULL;
    }
}

void CORXToolBar::OnSysColorChange()
{
    globalData.UpdateSysColors();
    CORXVisualManager::GetInstance()->OnUpdateSystemColors();
    CORXToolbarImageList* lists[] = {&GetImages(),
                                     &GetColdImages(),
                                     &GetMenuImages(),
                                     &GetDisabledImages(),
                                     &GetDisabledMenuImages(),
                                     &GetLargeImages(),
                                     &GetLargeColdImages(),
                                     &GetLargeDisabledImages(),
                                     &m_ImagesLocked,
                                     &m_ColdImagesLocked,
                                     &m_DisabledImagesLocked,
                                     &m_LargeImagesLocked,
                                     &m_LargeColdImagesLocked,
                                     &m_LargeDisabledImagesLocked,
                                     &m_MenuImagesLocked,
                                     &m_DisabledMenuImagesLocked,
                                     m_pUserImages};
    for (CORXToolbarImageList* pList : lists)
        if (pList != NULL)
            pList->OnSysColorChange();
    RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_FRAME);
}

void CORXToolBar::OnSettingChange(UINT uFlags, LPCTSTR lpszSection)
{
    CControlBar::OnSettingChange(uFlags, lpszSection);
    if (uFlags == SPI_SETNONCLIENTMETRICS)
    {
        globalData.UpdateFonts();
        AdjustLayout();
    }
}
