// CORXBarNcPainter: insets of the client area and the painting of border, background and gripper.
#include "ORXBarNcPainter.h"

#include "ORXGlobalData.h"
#include "ORXVisualManager.h"

void CORXBarNcPainter::OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp)
{
    DWORD dwStyle = m_pBar->GetBarStyle();
    BOOL bHorz = (dwStyle & CBRS_ORIENT_HORZ) != 0;
    CRect rect(0, 0, 0, 0);
    m_pBar->CalcInsideRect(rect, bHorz);
    if (bHorz && (m_pBar->GetExStyle() & WS_EX_LAYOUTRTL) && (dwStyle & CBRS_GRIPPER) &&
        !(dwStyle & CBRS_FLOATING))
        rect.OffsetRect(-AFX_CX_GRIPPER, 0);
    lpncsp->rgrc[0].left += rect.left;
    lpncsp->rgrc[0].top += rect.top;
    lpncsp->rgrc[0].right += rect.right;
    lpncsp->rgrc[0].bottom += rect.bottom;
}

void CORXBarNcPainter::OnNcPaint()
{
    CWindowDC dc(m_pBar);
    CRect rectClient;
    m_pBar->GetClientRect(rectClient);
    CRect rectWindow;
    m_pBar->GetWindowRect(rectWindow);
    m_pBar->ScreenToClient(rectWindow);
    rectClient.OffsetRect(-rectWindow.left, -rectWindow.top);
    dc.ExcludeClipRect(rectClient);
    rectWindow.OffsetRect(-rectWindow.left, -rectWindow.top);

    CORXVisualManager* pLook = CORXVisualManager::GetInstance();
    CRect rectFill = rectWindow;
    pLook->OnDrawBarBorder(&dc, m_pBar, rectFill);
    pLook->OnFillBarBackground(&dc, m_pBar, rectWindow, CRect(0, 0, 0, 0));

    DWORD dwStyle = m_pBar->GetBarStyle();
    if ((dwStyle & CBRS_GRIPPER) && !(dwStyle & CBRS_FLOATING))
    {
        BOOL bHorz = (dwStyle & CBRS_ORIENT_HORZ) != 0;
        CRect rectGripper = rectFill;
        if (bHorz)
        {
            if (m_pBar->GetExStyle() & WS_EX_LAYOUTRTL)
                rectGripper.left = rectClient.right;
            else
                rectGripper.right = rectClient.left - 1;
        }
        else
            rectGripper.bottom = rectClient.top - 1;
        pLook->OnDrawBarGripper(&dc, rectGripper, bHorz, m_pBar);
    }
}

void CORXBarNcPainter::OnEraseBackground(CDC* pDC)
{
    globalData.DrawParentBackground(m_pBar, pDC);
}
