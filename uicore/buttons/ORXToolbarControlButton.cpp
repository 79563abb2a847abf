// CORXToolbarControlButton: the hot and focused face of a button that hosts a control.
#include "ORXToolbarControlButton.h"

#include "ORXGlobalData.h"
#include "ORXToolBar.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CORXToolbarControlButton, CORXToolbarButton)

CORXToolbarControlButton::CORXToolbarControlButton(DWORD dwStyle, int iWidth)
    : m_dwStyle(dwStyle), m_iWidth(iWidth), m_bIsHotEdit(FALSE), m_hwndLastFocus(NULL)
{
}

CORXToolbarControlButton::CORXToolbarControlButton(UINT uiID, int iImage, DWORD dwStyle, int iWidth)
    : CORXToolbarButton(uiID, iImage), m_dwStyle(dwStyle), m_iWidth(iWidth), m_bIsHotEdit(FALSE),
      m_hwndLastFocus(NULL)
{
}

CWnd* CORXToolbarControlButton::GetBar() const
{
    CWnd* pControl = GetControl();
    return pControl->GetSafeHwnd() != NULL ? pControl->GetParent() : NULL;
}

void CORXToolbarControlButton::RedrawFace()
{
    CORXToolBar* pBar = DYNAMIC_DOWNCAST(CORXToolBar, GetBar());
    if (pBar == NULL)
        return;
    int iIndex = pBar->ButtonToIndex(this);
    if (iIndex >= 0)
        pBar->InvalidateButton(iIndex);
}

void CORXToolbarControlButton::DrawTextBelow(CDC* pDC, const CRect& rect, int yControlBottom, BOOL bDisabled)
{
    CRect rectText = rect;
    rectText.top = yControlBottom + globalData.m_nTextBelowSpacing;
    COLORREF clrOld = pDC->SetTextColor(::GetSysColor(bDisabled ? COLOR_GRAYTEXT : COLOR_BTNTEXT));
    int nOldMode = pDC->SetBkMode(TRANSPARENT);
    ::DrawTextA(pDC->GetSafeHdc(), m_strText, -1, &rectText, DT_WORDBREAK | DT_CENTER);
    pDC->SetBkMode(nOldMode);
    pDC->SetTextColor(clrOld);
}

CRect CORXToolbarControlButton::DrawCustomizeField(CDC* pDC, const CRect& rect)
{
    CRect rectField = rect;
    rectField.DeflateRect(2, 2);
    rectField.left = std::max(rectField.left, rectField.right - std::min(60, rect.Width() / 3));
    pDC->FillRect(&rectField, &globalData.brWindow);
    pDC->DrawEdge(&rectField, EDGE_SUNKEN, BF_RECT);
    return rectField;
}

void CORXToolbarControlButton::OnFieldFocus(BOOL bSet, HWND hwndOld)
{
    // Only a window outside the bar counts: Tab between the bar's controls keeps the first one.
    CWnd* pBar = GetBar();
    if (bSet && hwndOld != NULL && ::IsWindow(hwndOld) && pBar != NULL && hwndOld != pBar->GetSafeHwnd() &&
        !::IsChild(pBar->GetSafeHwnd(), hwndOld))
        m_hwndLastFocus = hwndOld;
    if (!bSet)
        m_bIsHotEdit = FALSE;
    if (IsFlat())
        RedrawFace();
}

void CORXToolbarControlButton::OnFieldMouseMove(CWnd* pField)
{
    if (m_bIsHotEdit)
        return;
    m_bIsHotEdit = TRUE;
    TRACKMOUSEEVENT tme = {sizeof(tme), TME_LEAVE, pField->GetSafeHwnd(), 0};
    ::TrackMouseEvent(&tme);
    if (IsFlat())
        RedrawFace();
}

void CORXToolbarControlButton::OnFieldMouseLeave()
{
    if (HasFocus())
        return;
    m_bIsHotEdit = FALSE;
    if (IsFlat())
        RedrawFace();
}

void CORXToolbarControlButton::GiveFocusBack()
{
    HWND hwnd = m_hwndLastFocus;
    m_hwndLastFocus = NULL;
    if (hwnd != NULL && ::IsWindow(hwnd) && ::IsWindowVisible(hwnd) && ::IsWindowEnabled(hwnd))
    {
        ::SetFocus(hwnd);
        return;
    }
    CWnd* pBar = GetBar();
    CWnd* pFrame = pBar != NULL ? pBar->GetParentFrame() : NULL;
    if (pFrame == NULL)
        pFrame = AfxGetMainWnd();
    if (pFrame != NULL && pFrame->GetSafeHwnd() != NULL)
        pFrame->SetFocus();
}
