// CORXToolbarControlButton: the hot and focused face of a button that hosts a control.
#include "ORXToolbarControlButton.h"

#include "ORXToolBar.h"

IMPLEMENT_DYNAMIC(CORXToolbarControlButton, CORXToolbarButton)

CORXToolbarControlButton::CORXToolbarControlButton(DWORD dwStyle, int iWidth)
    : m_dwStyle(dwStyle), m_iWidth(iWidth), m_bIsHotEdit(FALSE)
{
}

CORXToolbarControlButton::CORXToolbarControlButton(UINT uiID, int iImage, DWORD dwStyle, int iWidth)
    : CORXToolbarButton(uiID, iImage), m_dwStyle(dwStyle), m_iWidth(iWidth), m_bIsHotEdit(FALSE)
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

void CORXToolbarControlButton::OnFieldFocus(BOOL bSet)
{
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
