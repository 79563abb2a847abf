// CORXTasksPane: the places of the navigation row, the groups, the tasks and the scroll bar, hit
// tests and painting.
#include "ORXTasksPane.h"

#include <algorithm>

#include "ORXGlobalData.h"
#include "ORXVisualManager.h"

namespace
{
// The look's default metrics of the pane, which the look keeps to itself.
struct CLookMetrics : public CORXVisualManager
{
    static int Get(const CORXVisualManager* pLook, int CORXVisualManager::*pMetric)
    {
        return pLook->*pMetric;
    }
    static int VertMargin(const CORXVisualManager* p) { return Get(p, &CLookMetrics::m_nVertMargin); }
    static int HorzMargin(const CORXVisualManager* p) { return Get(p, &CLookMetrics::m_nHorzMargin); }
    static int GroupSpacing(const CORXVisualManager* p) { return Get(p, &CLookMetrics::m_nGroupVertOffset); }
    static int CaptionHeight(const CORXVisualManager* p)
    {
        return Get(p, &CLookMetrics::m_nGroupCaptionHeight);
    }
    static int CaptionExtra(const CORXVisualManager* p)
    {
        return Get(p, &CLookMetrics::m_nGroupCaptionVertOffset);
    }
    static int TaskIndent(const CORXVisualManager* p) { return Get(p, &CLookMetrics::m_nTasksHorzOffset); }
    static int IconGap(const CORXVisualManager* p) { return Get(p, &CLookMetrics::m_nTasksIconHorzOffset); }
    static int TaskSpacing(const CORXVisualManager* p)
    {
        return Get(p, &CLookMetrics::m_nTasksIconVertOffset);
    }
};

BOOL IsPageGroup(const CORXTasksGroup* pGroup, int nPage)
{
    return pGroup->m_nPageID == nPage;
}
} // namespace

int CORXTasksPane::TextHeight(const CFont& font) const
{
    if (font.GetSafeHandle() == NULL)
        return globalData.GetTextHeight();
    HDC hDC = ::GetDC(NULL);
    HGDIOBJ hOld = ::SelectObject(hDC, font.GetSafeHandle());
    TEXTMETRIC tm;
    ::GetTextMetrics(hDC, &tm);
    ::SelectObject(hDC, hOld);
    ::ReleaseDC(NULL, hDC);
    return tm.tmHeight;
}

int CORXTasksPane::TaskContentHeight(HDC hDC, const CORXTask* pTask, int nWidth, int nIconGap) const
{
    int cxIcon = 0, cyIcon = 0;
    if (pTask->m_nIcon >= 0 && m_pIcons != NULL && m_pIcons->GetSafeHandle() != NULL &&
        (!::ImageList_GetIconSize(m_pIcons->GetSafeHandle(), &cxIcon, &cyIcon) || cxIcon <= 0))
        cxIcon = cyIcon = 0;
    // Measured as the looks draw it: on one line, beside the icon and its gap.
    CRect rectText(0, 0, std::max(nWidth - (cxIcon > 0 ? cxIcon + nIconGap : 0), 1), 0);
    int nText;
    if (pTask->m_strName.IsEmpty())
        nText = TextHeight(m_fontUnderline); // a separator keeps a line to sit in
    else
    {
        HGDIOBJ hOld = ::SelectObject(hDC, m_fontUnderline.GetSafeHandle() != NULL
                                               ? m_fontUnderline.GetSafeHandle()
                                               : globalData.fontUnderline.GetSafeHandle());
        nText = ::DrawText(hDC, pTask->m_strName, -1, &rectText, DT_SINGLELINE | DT_CALCRECT);
        ::SelectObject(hDC, hOld);
    }
    return std::max(nText, cyIcon);
}

CRect CORXTasksPane::GetPaneRect() const
{
    CRect rect;
    GetClientRect(rect);
    const CRect rectSizing = CalcSizingRect();
    if (rectSizing.IsRectEmpty())
        return rect;
    if (rectSizing.left > rect.left)
        rect.right = rectSizing.left;
    else if (rectSizing.right < rect.right)
        rect.left = rectSizing.right;
    else if (rectSizing.top > rect.top)
        rect.bottom = rectSizing.top;
    else
        rect.top = rectSizing.bottom;
    if (rect.right < rect.left)
        rect.right = rect.left;
    if (rect.bottom < rect.top)
        rect.bottom = rect.top;
    return rect;
}

void CORXTasksPane::PlaceButtons()
{
    m_rectShortcutArea.SetRectEmpty();
    m_rectSplitter.SetRectEmpty();
    m_btnUp = m_btnDown = ScrollButton();
}

void CORXTasksPane::AdjustLocations()
{
    if (GetSafeHwnd() == NULL)
        return;
    const CRect rectClient = GetPaneRect();
    CRect rectTasks = rectClient;
    if (m_wndToolBar.GetSafeHwnd() != NULL)
    {
        if (IsNavigationToolbarShown())
        {
            const int cyRow = m_wndToolBar.CalcFixedLayout(FALSE, TRUE).cy;
            m_wndToolBar.SetWindowPos(NULL, rectClient.left, rectClient.top, rectClient.Width(), cyRow,
                                      SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
            m_wndToolBar.AdjustLayout();
            rectTasks.top += cyRow;
        }
        else if (m_wndToolBar.GetStyle() & WS_VISIBLE)
            m_wndToolBar.ShowWindow(SW_HIDE);
    }
    if (rectTasks.bottom < rectTasks.top)
        rectTasks.bottom = rectTasks.top;
    m_rectTasks = rectTasks;
    LayOutPage();
}

int CORXTasksPane::LayOutGroups(const CRect& rectWork, int y)
{
    const CORXVisualManager* pLook = CORXVisualManager::GetInstance();
    const int nGroupSpacing = Metric(m_nGroupVertOffset, CLookMetrics::GroupSpacing(pLook));
    const int nMinCaption = Metric(m_nGroupCaptionHeight, CLookMetrics::CaptionHeight(pLook));
    const int nCaptionExtra = Metric(m_nGroupCaptionVertOffset, CLookMetrics::CaptionExtra(pLook));
    const int nIndent = Metric(m_nTasksHorzOffset, CLookMetrics::TaskIndent(pLook));
    const int nSpacing = Metric(m_nTasksIconVertOffset, CLookMetrics::TaskSpacing(pLook));
    const int nIconGap = Metric(m_nTasksIconHorzOffset, CLookMetrics::IconGap(pLook));
    const int nCaptionText = TextHeight(m_fontBold);
    const int nPage = GetActivePage();
    HDC hDC = ::GetDC(NULL);

    for (POSITION pos = m_lstTaskGroups.GetHeadPosition(); pos != NULL;)
    {
        CORXTasksGroup* pGroup = (CORXTasksGroup*)m_lstTaskGroups.GetNext(pos);
        if (!IsPageGroup(pGroup, nPage))
            continue;
        int nCaption = 0;
        if (!pGroup->m_strName.IsEmpty())
            nCaption = std::max(nCaptionText + nCaptionExtra, nMinCaption);
        if (pGroup->m_hIcon != NULL && pGroup->m_sizeIcon.cy > nCaption &&
            pGroup->m_sizeIcon.cx < rectWork.Width() - nCaption)
            y += pGroup->m_sizeIcon.cy - nCaption;
        pGroup->m_rect = CRect(rectWork.left, y, rectWork.right, y + nCaption);
        y += nCaption;

        const BOOL bAnimating = m_bAnimationInProgress && pGroup == m_pAnimatedGroup;
        const BOOL bCollapsed = m_bCanCollapse && !pGroup->m_strName.IsEmpty() && pGroup->m_bIsCollapsed;
        if (bCollapsed && !bAnimating)
        {
            pGroup->m_rectGroup = CRect(rectWork.left, y - 1, rectWork.right, y - 1);
            for (POSITION posTask = pGroup->m_lstTasks.GetHeadPosition(); posTask != NULL;)
                ((CORXTask*)pGroup->m_lstTasks.GetNext(posTask))->m_rect.SetRectEmpty();
        }
        else
        {
            const int yTop = y;
            y += nSpacing;
            for (POSITION posTask = pGroup->m_lstTasks.GetHeadPosition(); posTask != NULL;)
            {
                CORXTask* pTask = (CORXTask*)pGroup->m_lstTasks.GetNext(posTask);
                // A hidden window keeps its place: only a hidden line of text gives its room up.
                if (!pTask->m_bVisible && pTask->m_hwndTask == NULL)
                {
                    pTask->m_rect.SetRectEmpty();
                    continue;
                }
                if (pTask->m_hwndTask == NULL)
                {
                    const int xLeft = (int)rectWork.left + nIndent;
                    const int xRight = std::max(xLeft, (int)rectWork.right - nIndent);
                    const int nHeight =
                        std::max(TaskContentHeight(hDC, pTask, xRight - xLeft, nIconGap), m_nRowHeight);
                    pTask->m_rect = CRect(xLeft, y, xRight, y + nHeight);
                    y += nHeight + nSpacing;
                }
                else
                {
                    pTask->m_rect = CRect(rectWork.left + nIndent, std::max(y, (int)m_rectTasks.top + 1),
                                          rectWork.right - nIndent,
                                          std::min(y + pTask->m_nWindowHeight, (int)m_rectTasks.bottom - 1));
                    y += pTask->m_nWindowHeight + nSpacing;
                }
            }
            if (bAnimating)
            {
                // The moving group shows only its top part; what lies below follows it up.
                m_nAnimGroupFullHeight = y - yTop;
                if (m_nAnimGroupExtraHeight > m_nAnimGroupFullHeight)
                    m_nAnimGroupExtraHeight = m_nAnimGroupFullHeight;
                if (m_nAnimGroupExtraHeight < 0)
                    m_nAnimGroupExtraHeight = 0;
                const int yCut = yTop + m_nAnimGroupExtraHeight;
                for (POSITION posTask = pGroup->m_lstTasks.GetHeadPosition(); posTask != NULL;)
                {
                    CORXTask* pTask = (CORXTask*)pGroup->m_lstTasks.GetNext(posTask);
                    if (pTask->m_rect.bottom > yCut)
                        pTask->m_rect.bottom = yCut;
                    if (pTask->m_rect.top >= pTask->m_rect.bottom)
                        pTask->m_rect.SetRectEmpty();
                }
                y = yCut;
            }
            pGroup->m_rectGroup = CRect(rectWork.left, yTop, rectWork.right, y);
        }
        y += nGroupSpacing;
    }
    ::ReleaseDC(NULL, hDC);
    return y;
}

void CORXTasksPane::LayOutPage()
{
    if (GetSafeHwnd() == NULL)
        return;
    const int nPage = GetActivePage();
    BOOL bAny = FALSE;
    for (POSITION pos = m_lstTaskGroups.GetHeadPosition(); pos != NULL && !bAny;)
        bAny = IsPageGroup((CORXTasksGroup*)m_lstTaskGroups.GetNext(pos), nPage);
    if (!bAny || m_rectTasks.IsRectEmpty())
    {
        m_nVertScrollTotal = 0;
        m_nVertScrollOffset = 0;
        if (m_wndScrollVert.GetSafeHwnd() != NULL && m_wndScrollVert.IsWindowVisible())
            m_wndScrollVert.ShowWindow(SW_HIDE);
        PlaceTaskWindows();
        return;
    }

    const CORXVisualManager* pLook = CORXVisualManager::GetInstance();
    const int nVertMargin = Metric(m_nVertMargin, CLookMetrics::VertMargin(pLook));
    const int nHorzMargin = Metric(m_nHorzMargin, CLookMetrics::HorzMargin(pLook));
    m_nRowHeightInForce = std::max(m_nRowHeight, TextHeight(m_fontUnderline));
    if (m_nRowHeightInForce < 1)
        m_nRowHeightInForce = 1;

    CRect rectWork = m_rectTasks;
    rectWork.DeflateRect(nHorzMargin, nVertMargin);
    // Measured from the top: the content's height decides whether the scroll bar takes its strip.
    int yEnd = LayOutGroups(rectWork, rectWork.top);
    int nContent = yEnd - m_rectTasks.top + nVertMargin;
    const int cxScroll = ::GetSystemMetrics(SM_CXVSCROLL);
    const BOOL bScroll = nContent > m_rectTasks.Height() && m_rectTasks.Width() > cxScroll;
    if (bScroll && !m_bScrollButtons)
    {
        rectWork.right = std::max((int)rectWork.left, (int)rectWork.right - cxScroll);
        yEnd = LayOutGroups(rectWork, rectWork.top);
        nContent = yEnd - m_rectTasks.top + nVertMargin;
    }
    CORXTasksScroll::CountRows(bScroll ? nContent : 0, m_rectTasks.Height(), m_nRowHeightInForce,
                               m_nVertScrollTotal, m_nVertScrollPage);
    m_nVertScrollOffset = CORXTasksScroll::Clamp(m_nVertScrollOffset, m_nVertScrollTotal, m_nVertScrollPage);
    if (m_nVertScrollOffset != 0)
        LayOutGroups(rectWork, rectWork.top - m_nVertScrollOffset * m_nRowHeightInForce);

    // A last group that belongs at the bottom goes down into the free space.
    CORXTasksGroup* pLast = NULL;
    for (POSITION pos = m_lstTaskGroups.GetHeadPosition(); pos != NULL;)
    {
        CORXTasksGroup* pGroup = (CORXTasksGroup*)m_lstTaskGroups.GetNext(pos);
        if (IsPageGroup(pGroup, nPage))
            pLast = pGroup;
    }
    if (pLast != NULL && pLast->m_bIsBottom && m_nVertScrollOffset == 0)
    {
        BOOL bVisibleTask = FALSE;
        for (POSITION pos = pLast->m_lstTasks.GetHeadPosition(); pos != NULL && !bVisibleTask;)
            bVisibleTask = ((CORXTask*)pLast->m_lstTasks.GetNext(pos))->m_bVisible;
        const int nFree = (m_rectTasks.bottom - nVertMargin) - pLast->m_rectGroup.bottom;
        if (bVisibleTask && nFree > 0)
        {
            pLast->m_rect.OffsetRect(0, nFree);
            pLast->m_rectGroup.OffsetRect(0, nFree);
            for (POSITION pos = pLast->m_lstTasks.GetHeadPosition(); pos != NULL;)
            {
                CORXTask* pTask = (CORXTask*)pLast->m_lstTasks.GetNext(pos);
                if (!pTask->m_rect.IsRectEmpty())
                    pTask->m_rect.OffsetRect(0, nFree);
            }
        }
    }
    PlaceTaskWindows();

    // Scroll buttons sit in the task area's right corners, over the margin.
    m_rectScrollUp.SetRectEmpty();
    m_rectScrollDn.SetRectEmpty();
    if (m_bScrollButtons && m_nVertScrollTotal > 0)
    {
        const int nSize = std::max(nVertMargin, 12);
        m_rectScrollUp = CRect(m_rectTasks.right - nSize - 2, m_rectTasks.top + 1, m_rectTasks.right - 2,
                               m_rectTasks.top + 1 + nSize);
        m_rectScrollDn = CRect(m_rectScrollUp.left, m_rectTasks.bottom - 1 - nSize, m_rectScrollUp.right,
                               m_rectTasks.bottom - 1);
    }
    if (m_wndScrollVert.GetSafeHwnd() != NULL)
    {
        if (m_nVertScrollTotal > 0 && !m_bScrollButtons)
        {
            SCROLLINFO si = {sizeof(si),         SIF_RANGE | SIF_PAGE | SIF_POS, 0,
                             m_nVertScrollTotal, (UINT)m_nVertScrollPage,        m_nVertScrollOffset};
            m_wndScrollVert.SetScrollInfo(&si, TRUE);
            m_wndScrollVert.SetWindowPos(NULL, m_rectTasks.right - cxScroll, m_rectTasks.top, cxScroll,
                                         m_rectTasks.Height(),
                                         SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
        }
        else if (m_wndScrollVert.IsWindowVisible())
            m_wndScrollVert.ShowWindow(SW_HIDE);
    }
}

void CORXTasksPane::PlaceTaskWindows()
{
    const int nPage = GetActivePage();
    for (POSITION pos = m_lstTaskGroups.GetHeadPosition(); pos != NULL;)
    {
        CORXTasksGroup* pGroup = (CORXTasksGroup*)m_lstTaskGroups.GetNext(pos);
        const BOOL bShownGroup =
            IsPageGroup(pGroup, nPage) &&
            !(m_bAnimationInProgress && pGroup == m_pAnimatedGroup && m_nAnimGroupExtraHeight <= 0);
        for (POSITION posTask = pGroup->m_lstTasks.GetHeadPosition(); posTask != NULL;)
        {
            CORXTask* pTask = (CORXTask*)pGroup->m_lstTasks.GetNext(posTask);
            if (pTask->m_hwndTask == NULL || !::IsWindow(pTask->m_hwndTask))
                continue;
            if (bShownGroup && pTask->m_bVisible && !pTask->m_rect.IsRectEmpty())
            {
                ::SetWindowPos(pTask->m_hwndTask, NULL, pTask->m_rect.left, pTask->m_rect.top,
                               pTask->m_rect.Width(), pTask->m_rect.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
                ::ShowWindow(pTask->m_hwndTask, SW_SHOWNOACTIVATE);
            }
            else
                ::ShowWindow(pTask->m_hwndTask, SW_HIDE);
        }
    }
}

CORXTask* CORXTasksPane::TaskFromPoint(CPoint point) const
{
    if (!m_rectTasks.PtInRect(point))
        return NULL;
    const int nPage = GetActivePage();
    for (POSITION pos = m_lstTaskGroups.GetHeadPosition(); pos != NULL;)
    {
        CORXTasksGroup* pGroup = (CORXTasksGroup*)m_lstTaskGroups.GetNext(pos);
        if (!IsPageGroup(pGroup, nPage))
            continue;
        for (POSITION posTask = pGroup->m_lstTasks.GetHeadPosition(); posTask != NULL;)
        {
            CORXTask* pTask = (CORXTask*)pGroup->m_lstTasks.GetNext(posTask);
            if (pTask->m_bVisible && pTask->m_hwndTask == NULL && pTask->m_rect.PtInRect(point))
                return pTask;
        }
    }
    return NULL;
}

CORXTasksGroup* CORXTasksPane::GroupCaptionFromPoint(CPoint point) const
{
    if (!m_bCanCollapse || !m_rectTasks.PtInRect(point))
        return NULL;
    const int nPage = GetActivePage();
    for (POSITION pos = m_lstTaskGroups.GetHeadPosition(); pos != NULL;)
    {
        CORXTasksGroup* pGroup = (CORXTasksGroup*)m_lstTaskGroups.GetNext(pos);
        if (IsPageGroup(pGroup, nPage) && !pGroup->m_strName.IsEmpty() && pGroup->m_rect.PtInRect(point))
            return pGroup;
    }
    return NULL;
}

/////////////////////////////////////////////////////////////////////////////
// Painting

BOOL CORXTasksPane::OnEraseBkgnd(CDC*)
{
    return TRUE;
}

void CORXTasksPane::OnPaint()
{
    CPaintDC dcPaint(this);
    CRect rectClient;
    GetClientRect(rectClient);
    if (rectClient.IsRectEmpty())
        return;
    // Drawn off screen first: hot tracking repaints often and must not flicker.
    CDC dcMem;
    CBitmap bmp;
    if (dcMem.CreateCompatibleDC(&dcPaint) &&
        bmp.CreateCompatibleBitmap(&dcPaint, rectClient.Width(), rectClient.Height()))
    {
        CBitmap* pOldBmp = dcMem.SelectObject(&bmp);
        DrawPane(&dcMem);
        dcPaint.BitBlt(0, 0, rectClient.Width(), rectClient.Height(), &dcMem, 0, 0, SRCCOPY);
        dcMem.SelectObject(pOldBmp);
    }
    else
        DrawPane(&dcPaint);
}

void CORXTasksPane::DrawPane(CDC* pDC)
{
    CORXVisualManager* pLook = CORXVisualManager::GetInstance();
    CRect rectClient;
    GetClientRect(rectClient);
    ::FillRect(pDC->GetSafeHdc(), &rectClient, (HBRUSH)globalData.brBarFace.GetSafeHandle());
    pLook->OnFillTasksPaneBackground(pDC, m_rectTasks);

    const int nSaved = pDC->SaveDC();
    pDC->IntersectClipRect(m_rectTasks);
    HGDIOBJ hOldFont = ::SelectObject(pDC->GetSafeHdc(), m_fontUnderline.GetSafeHandle());
    pDC->SetTextColor(globalData.clrWindowText);
    const int nPage = GetActivePage();
    for (POSITION pos = m_lstTaskGroups.GetHeadPosition(); pos != NULL;)
    {
        CORXTasksGroup* pGroup = (CORXTasksGroup*)m_lstTaskGroups.GetNext(pos);
        if (!IsPageGroup(pGroup, nPage))
            continue;
        if (!pGroup->m_strName.IsEmpty())
            pLook->OnDrawTasksGroupCaption(pDC, pGroup, pGroup == m_pHotGroupCaption, FALSE, m_bCanCollapse);
        if (pGroup->m_rectGroup.Height() <= 0)
            continue;
        pLook->OnFillTasksGroupInterior(pDC, pGroup->m_rectGroup, pGroup->m_bIsSpecial);
        pLook->OnDrawTasksGroupAreaBorder(pDC, pGroup->m_rectGroup, pGroup->m_bIsSpecial,
                                          pGroup->m_strName.IsEmpty());
        const int nGroupSaved = pDC->SaveDC();
        pDC->IntersectClipRect(pGroup->m_rectGroup);
        for (POSITION posTask = pGroup->m_lstTasks.GetHeadPosition(); posTask != NULL;)
        {
            CORXTask* pTask = (CORXTask*)pGroup->m_lstTasks.GetNext(posTask);
            if (!pTask->m_bVisible || pTask->m_hwndTask != NULL || pTask->m_rect.IsRectEmpty())
                continue;
            const BOOL bHot = pTask->IsEnabledLink() && (pTask == m_pHotTask || pTask == m_pClickedTask);
            pLook->OnDrawTask(pDC, pTask, m_pIcons, bHot, pTask == m_pClickedTask);
        }
        pDC->RestoreDC(nGroupSaved);
    }
    ::SelectObject(pDC->GetSafeHdc(), hOldFont);
    pDC->RestoreDC(nSaved);

    if (m_bScrollButtons && m_nVertScrollTotal > 0)
    {
        if (!m_rectScrollUp.IsRectEmpty())
            pLook->OnDrawTasksPaneScrollButton(pDC, m_rectScrollUp, TRUE, m_iScrollMode < 0, FALSE,
                                               m_nVertScrollOffset <= 0);
        if (!m_rectScrollDn.IsRectEmpty())
            pLook->OnDrawTasksPaneScrollButton(pDC, m_rectScrollDn, FALSE, m_iScrollMode > 0, FALSE,
                                               m_nVertScrollOffset > m_nVertScrollTotal - m_nVertScrollPage);
    }
}
