// The tasks pane's records and its navigation row: the row's tool bar and its "Other Task Panes"
// menu button.
#include "ORXTasksPane.h"

#include <afxpriv.h>

#include "uiextras/uiextras_res.h"

IMPLEMENT_DYNAMIC(CORXTasksPanePage, CObject)
IMPLEMENT_DYNAMIC(CORXTask, CObject)
IMPLEMENT_DYNAMIC(CORXTasksGroup, CObject)
IMPLEMENT_DYNAMIC(CORXTasksPaneMenuButton, CORXMenuButton)
IMPLEMENT_SERIAL(CTasksPaneMenuButton, CORXToolbarMenuButton, 1)
IMPLEMENT_SERIAL(CTasksPaneToolBar, CORXToolBar, 1)

CORXTasksGroup::CORXTasksGroup(int nPageID, LPCTSTR lpszName, BOOL bBottomLocation, BOOL bSpecial,
                               HICON hIcon)
    : m_nPageID(nPageID), m_strName(lpszName), m_bIsBottom(bBottomLocation), m_rect(0, 0, 0, 0),
      m_rectGroup(0, 0, 0, 0), m_bIsCollapsed(FALSE), m_bIsSpecial(bSpecial), m_hIcon(hIcon),
      m_sizeIcon(0, 0), m_pPane(NULL)
{
    ICONINFO info;
    if (hIcon != NULL && ::GetIconInfo(hIcon, &info))
    {
        BITMAP bm;
        if (info.hbmColor != NULL && ::GetObject(info.hbmColor, sizeof(bm), &bm))
            m_sizeIcon = CSize(bm.bmWidth, bm.bmHeight);
        else if (info.hbmMask != NULL && ::GetObject(info.hbmMask, sizeof(bm), &bm))
            m_sizeIcon = CSize(bm.bmWidth, bm.bmHeight / 2);
        if (info.hbmColor != NULL)
            ::DeleteObject(info.hbmColor);
        if (info.hbmMask != NULL)
            ::DeleteObject(info.hbmMask);
    }
}

CORXTasksGroup::~CORXTasksGroup()
{
    while (!m_lstTasks.IsEmpty())
        delete (CORXTask*)m_lstTasks.RemoveHead();
}

int CORXTasksGroup::GetCaptionTextOffset() const
{
    return m_pPane != NULL ? m_pPane->m_nGroupCaptionHorzOffset : -1;
}

HFONT CORXTasksGroup::GetCaptionFont() const
{
    return m_pPane != NULL ? m_pPane->GetCaptionFont() : NULL;
}

int CORXTasksGroup::GetIconToTextSpacing() const
{
    return m_pPane != NULL ? m_pPane->m_nTasksIconHorzOffset : -1;
}

int CORXTask::GetIconToTextSpacing() const
{
    return m_pGroup != NULL ? m_pGroup->GetIconToTextSpacing() : -1;
}

HFONT CORXTask::GetTextFont(BOOL bUnderline) const
{
    return m_pGroup != NULL && m_pGroup->m_pPane != NULL ? m_pGroup->m_pPane->GetTaskFont(bUnderline) : NULL;
}

/////////////////////////////////////////////////////////////////////////////
// CTasksPaneMenuButton

CTasksPaneMenuButton::CTasksPaneMenuButton(CORXTasksPane* pParent) : m_pParentTaskPane(pParent)
{
    m_nID = (UINT)-1;
    m_bText = TRUE;
    m_bImage = FALSE;
    m_bLocked = TRUE;
}

HMENU CTasksPaneMenuButton::CreateMenu() const
{
    if (m_pParentTaskPane == NULL || m_pParentTaskPane->m_menuOther.GetSafeHmenu() == NULL)
        return NULL;
    // The popup takes the handle it is given: a copy of the pane's menu.
    HMENU hMenuPane = m_pParentTaskPane->m_menuOther.GetSafeHmenu();
    HMENU hMenu = ::CreatePopupMenu();
    if (hMenu == NULL)
        return NULL;
    const int nCount = ::GetMenuItemCount(hMenuPane);
    for (int i = 0; i < nCount; i++)
    {
        char szText[256] = "";
        ::GetMenuStringA(hMenuPane, i, szText, sizeof(szText), MF_BYPOSITION);
        ::AppendMenuA(hMenu, MF_STRING, ::GetMenuItemID(hMenuPane, i), szText);
    }
    if (nCount == 0)
    {
        ::DestroyMenu(hMenu);
        return NULL;
    }
    return hMenu;
}

CORXPopupMenu* CTasksPaneMenuButton::CreatePopupMenu()
{
    CORXPopupMenu* pMenu = new CORXPopupMenu;
    pMenu->SetRightAlign(TRUE);
    if (m_pParentTaskPane != NULL)
        pMenu->SetMessageWnd(m_pParentTaskPane);
    return pMenu;
}

void CTasksPaneMenuButton::OnChangeParentWnd(CWnd* pWndParent)
{
    CORXToolbarMenuButton::OnChangeParentWnd(pWndParent);
    m_pParentTaskPane = pWndParent != NULL ? DYNAMIC_DOWNCAST(CORXTasksPane, pWndParent->GetParent()) : NULL;
    SetMessageWnd(m_pParentTaskPane);
    // The menu opens from anywhere on the button.
    m_bDrawDownArrow = TRUE;
    m_bText = TRUE;
    m_bImage = FALSE;
}

/////////////////////////////////////////////////////////////////////////////
// CTasksPaneToolBar

BEGIN_MESSAGE_MAP(CTasksPaneToolBar, CORXToolBar)
ON_MESSAGE(WM_IDLEUPDATECMDUI, OnIdleUpdateCmdUI)
END_MESSAGE_MAP()

LRESULT CTasksPaneToolBar::OnIdleUpdateCmdUI(WPARAM wParam, LPARAM)
{
    // A show or hide asked with a delay happens first, whatever the frame's state; the row lies
    // inside the pane, so no frame layout follows.
    if (m_nStateFlags & (delayHide | delayShow))
    {
        const BOOL bShow = (m_nStateFlags & delayShow) != 0;
        m_nStateFlags &= ~(delayHide | delayShow);
        SetWindowPos(NULL, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE |
                         (bShow ? SWP_SHOWWINDOW : SWP_HIDEWINDOW));
    }
    // The buttons are brought up to date only while the row and its frame are on show.
    if ((GetStyle() & WS_VISIBLE) == 0)
        return 0;
    CFrameWnd* pFrame = GetParentFrame();
    if (pFrame != NULL && !pFrame->IsWindowVisible())
        return 0;
    OnUpdateCmdUI(NULL, (BOOL)wParam);
    return 0;
}

void CTasksPaneToolBar::OnUpdateCmdUI(CFrameWnd*, BOOL bDisableIfNoHndler)
{
    // The pane, not the frame, answers for Back and Forward.
    CWnd* pTarget = GetOwner();
    if (pTarget == NULL)
        pTarget = GetParent();
    if (pTarget != NULL)
        CORXToolBar::OnUpdateCmdUI((CFrameWnd*)pTarget, bDisableIfNoHndler);
}

void CTasksPaneToolBar::AdjustLayout()
{
    // The row lies inside the pane: the frame's layout has nothing to do with it.
    if (GetSafeHwnd() == NULL)
        return;
    PlaceButtons();
    RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME);
}

BOOL CTasksPaneToolBar::GetButtonToolTipText(const CORXToolbarButton* pButton, CString& strTTText) const
{
    if (pButton == NULL)
        return FALSE;
    if (pButton->IsKindOf(RUNTIME_CLASS(CTasksPaneMenuButton)))
        strTTText.LoadString(IDS_ORX_TASKS_OTHER_PANES);
    else
        strTTText = pButton->m_strText;
    return TRUE;
}

void CTasksPaneToolBar::WidenMenuButton(CRect& rectMenu, CRect& rectClose, int nClientRight)
{
    int nRight = nClientRight - 1 - rectClose.Width();
    if (nRight < rectMenu.left + 3 * rectMenu.Height())
        nRight = rectMenu.left + 3 * rectMenu.Height();
    rectMenu.right = nRight;
    rectClose.OffsetRect(nRight - rectClose.left, rectMenu.top - rectClose.top);
}

void CTasksPaneToolBar::PlaceButtons()
{
    CORXToolBar::PlaceButtons();
    if (GetSafeHwnd() == NULL)
        return;
    CORXToolbarButton* pMenu = NULL;
    CORXToolbarButton* pClose = NULL;
    for (int i = 0; i < GetCount(); i++)
    {
        CORXToolbarButton* pButton = GetButton(i);
        if (pButton->IsKindOf(RUNTIME_CLASS(CTasksPaneMenuButton)))
            pMenu = pButton;
        else if (pButton->m_nID == CORXTasksPane::idClose)
            pClose = pButton;
    }
    if (pMenu == NULL || pClose == NULL || pMenu->Rect().IsRectEmpty())
        return;
    CRect rectClient;
    GetClientRect(rectClient);
    CRect rectMenu = pMenu->Rect();
    CRect rectClose = pClose->Rect();
    WidenMenuButton(rectMenu, rectClose, rectClient.right);
    pMenu->SetRect(rectMenu);
    pClose->SetRect(rectClose);
}
