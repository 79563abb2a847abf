// CORXTasksPane: creation, pages and history, groups and tasks, the mouse and the commands.
#include "ORXTasksPane.h"

#include <afxpriv.h>

#include "ORXGlobalData.h"
#include "ORXPopupMenuBar.h"
#include "ORXVisualManager.h"
#include "uiextras/uiextras_res.h"

IMPLEMENT_DYNCREATE(CORXTasksPane, CORXOutlookBar)

DWORD CORXTasksPane::s_dwLastAnimTick = 0;

namespace
{
const UINT kAnimationPeriod = CORXTasksAnimation::Period;
const UINT kAutoScrollPeriod = 80;
} // namespace

BEGIN_MESSAGE_MAP(CORXTasksPane, CORXOutlookBar)
ON_WM_CREATE()
ON_WM_SIZE()
ON_WM_SETTINGCHANGE()
ON_WM_SETCURSOR()
ON_WM_MOUSEMOVE()
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONDBLCLK()
ON_WM_LBUTTONUP()
ON_WM_CANCELMODE()
ON_WM_VSCROLL()
ON_WM_DESTROY()
ON_WM_TIMER()
ON_WM_PAINT()
ON_WM_ERASEBKGND()
ON_MESSAGE(WM_SETFONT, OnSetFont)
ON_MESSAGE(WM_GETFONT, OnGetFont)
ON_MESSAGE(WM_SETMESSAGESTRING, OnSetMessageString)
ON_COMMAND(CORXTasksPane::idBack, OnBack)
ON_COMMAND(CORXTasksPane::idForward, OnForward)
ON_COMMAND(CORXTasksPane::idHome, OnHome)
ON_COMMAND(CORXTasksPane::idClose, OnClose)
ON_COMMAND(CORXTasksPane::idOtherPanes, OnOtherPanes)
ON_UPDATE_COMMAND_UI(CORXTasksPane::idBack, OnUpdateBack)
ON_UPDATE_COMMAND_UI(CORXTasksPane::idForward, OnUpdateForward)
END_MESSAGE_MAP()

CORXTasksPane::CORXTasksPane()
    : m_nVertMargin(-1), m_nHorzMargin(-1), m_nGroupVertOffset(-1), m_nGroupCaptionHeight(-1),
      m_nGroupCaptionHorzOffset(-1), m_nGroupCaptionVertOffset(-1), m_nTasksHorzOffset(-1),
      m_nTasksIconHorzOffset(-1), m_nTasksIconVertOffset(-1), m_nRowHeight(0), m_history(20),
      m_pHotTask(NULL), m_pClickedTask(NULL), m_pHotGroupCaption(NULL), m_bCaptionPressed(FALSE),
      m_pClickedGroupCaption(NULL), m_bCanCollapse(TRUE), m_hFont(NULL), m_pIcons(NULL),
      m_rectTasks(0, 0, 0, 0), m_bUseNavigationToolbar(TRUE), m_bScrollButtons(FALSE),
      m_rectScrollUp(0, 0, 0, 0), m_rectScrollDn(0, 0, 0, 0), m_iScrollMode(0), m_nVertScrollOffset(0),
      m_nVertScrollTotal(0), m_nVertScrollPage(1), m_nRowHeightInForce(1), m_bAnimationInProgress(FALSE),
      m_pAnimatedGroup(NULL), m_nAnimGroupStep(20), m_nAnimGroupExtraHeight(0), m_nAnimGroupFullHeight(0),
      m_bAnimCollapsing(FALSE), m_uiToolbarBmpRes(0), m_sizeToolbarImage(12, 12), m_sizeToolbarButton(16, 16)
{
    // Nothing is dropped on the pane nor chosen on it in customise mode: its buttons are none of
    // the user's.
    m_bLocked = TRUE;
}

CORXTasksPane::~CORXTasksPane()
{
    while (!m_lstTaskGroups.IsEmpty())
        delete (CORXTasksGroup*)m_lstTaskGroups.RemoveHead();
    while (!m_lstTasksPanes.IsEmpty())
        delete (CORXTasksPanePage*)m_lstTasksPanes.RemoveHead();
}

BOOL CORXTasksPane::Create(LPCTSTR lpszCaption, CWnd* pParentWnd, CSize sizeDefault, UINT nID, DWORD dwStyle)
{
    if (lpszCaption != NULL)
        m_strCaption = lpszCaption;
    if (m_strCaption.IsEmpty())
        m_strCaption.LoadString(IDS_ORX_TASKS_PANE);
    SetExtent((dwStyle & (CBRS_ALIGN_TOP | CBRS_ALIGN_BOTTOM)) != 0 ? sizeDefault.cy : sizeDefault.cx);
    return CORXOutlookBar::Create(pParentWnd, dwStyle | WS_CLIPCHILDREN, nID);
}

void CORXTasksPane::SetNavToolbarImages(UINT uiBmpResId, CSize sizeImage, CSize sizeButton)
{
    m_uiToolbarBmpRes = uiBmpResId;
    m_sizeToolbarImage = sizeImage;
    m_sizeToolbarButton = NavButtonSize(sizeImage, sizeButton);
}

CSize CORXTasksPane::NavButtonSize(CSize sizeImage, CSize sizeButton)
{
    if (sizeButton.cx <= 0 || sizeButton.cy <= 0)
        return CSize(sizeImage.cx + 4, sizeImage.cy + 4);
    return sizeButton;
}

void CORXTasksPane::SetIconsList(CImageList* pIcons)
{
    m_pIcons = pIcons;
    LayOutPage();
    if (GetSafeHwnd() != NULL)
        RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE);
}

/////////////////////////////////////////////////////////////////////////////
// Creation

int CORXTasksPane::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CORXOutlookBar::OnCreate(lpCreateStruct) == -1)
        return -1;
    m_strOtherPanes.LoadString(IDS_ORX_TASKS_OTHER_PANES);
    m_strForward.LoadString(IDS_ORX_TASKS_FORWARD);
    m_strBack.LoadString(IDS_ORX_TASKS_BACK);
    if (m_strCaption.IsEmpty())
        m_strCaption.LoadString(IDS_ORX_TASKS_PANE);
    // The bar names itself "Shortcuts"; the pane goes by its caption.
    SetWindowText(m_strCaption);
    if (m_lstTasksPanes.IsEmpty())
        AddPage(m_strCaption);
    m_history.Reset(0);

    // Without its navigation row the pane still shows its tasks: it is made without the row, the
    // scroll bar and the extra buttons, and lays out as a single page.
    if (!CreateNavigationToolbar())
    {
        if (m_wndToolBar.GetSafeHwnd() != NULL)
            m_wndToolBar.DestroyWindow();
        return 0;
    }

    CreateFonts();
    GetHandCursor();

    // Only the base's failure fails the pane; a missing scroll bar or button leaves it without.
    if (!m_wndScrollVert.Create(SBS_VERT | WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), this, idScrollBar))
        return 0;
    m_wndScrollVert.ShowWindow(SW_HIDE);
    // Created for the pane's owner to use as it likes; the navigation row does their work.
    if (!m_btnOther.Create(_T(""), WS_CHILD, CRect(0, 0, 0, 0), this, 4) ||
        !m_btnForward.Create(_T(""), WS_CHILD, CRect(0, 0, 0, 0), this, 5) ||
        !m_btnBack.Create(_T(""), WS_CHILD, CRect(0, 0, 0, 0), this, 6))
        return 0;
    m_btnOther.SetTooltip(m_strOtherPanes);
    m_btnForward.SetTooltip(m_strForward);
    m_btnForward.SetStdImage(36);
    m_btnBack.SetTooltip(m_strBack);
    m_btnBack.SetStdImage(35);
    return 0;
}

BOOL CORXTasksPane::CreateNavigationToolbar()
{
    const DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_GRIPPER | CBRS_ALIGN_TOP | CBRS_BORDER_BOTTOM |
                          CBRS_FLYBY | CBRS_TOOLTIPS | CBRS_HIDE_INPLACE;
    if (!m_wndToolBar.Create(this, dwStyle, idNavToolBar))
        return FALSE;
    // The row lies across the top of the pane whichever side the pane docks to.
    m_wndToolBar.SetBarStyle((m_wndToolBar.GetBarStyle() & ~(CBRS_GRIPPER | CBRS_ALIGN_ANY)) |
                             CBRS_ALIGN_TOP);
    m_wndToolBar.SetOwner(this);
    m_wndToolBar.EnableLargeIcons(FALSE);
    m_wndToolBar.SetLockedSizes(m_sizeToolbarButton, m_sizeToolbarImage);
    if (!m_wndToolBar.LoadBitmap(m_uiToolbarBmpRes != 0 ? m_uiToolbarBmpRes : IDB_ORX_TASKS_NAV, 0, 0, TRUE))
        return FALSE;

    struct
    {
        UINT uiID;
        int iImage;
    } buttons[] = {{idBack, 0}, {idForward, 1}, {idHome, 2}};
    for (const auto& b : buttons)
    {
        CString strText;
        strText.LoadString(b.uiID);
        CORXToolbarButton* pButton = new CORXToolbarButton(b.uiID, b.iImage, strText, FALSE, TRUE);
        if (m_wndToolBar.InsertButton(pButton) < 0)
        {
            delete pButton;
            return FALSE;
        }
    }
    CTasksPaneMenuButton* pMenu = new CTasksPaneMenuButton(this);
    pMenu->m_strText = GetPageName(0);
    if (m_wndToolBar.InsertButton(pMenu) < 0)
    {
        delete pMenu;
        return FALSE;
    }
    CString strClose;
    strClose.LoadString(idClose);
    CORXToolbarButton* pClose = new CORXToolbarButton(idClose, 3, strClose, FALSE, TRUE);
    if (m_wndToolBar.InsertButton(pClose) < 0)
    {
        delete pClose;
        return FALSE;
    }
    m_wndToolBar.ShowWindow(SW_HIDE);
    return TRUE;
}

void CORXTasksPane::CreateFonts()
{
    LOGFONT lf;
    memset(&lf, 0, sizeof(lf));
    HFONT hFont = m_hFont != NULL ? m_hFont : (HFONT)::GetStockObject(DEFAULT_GUI_FONT);
    ::GetObject(hFont, sizeof(lf), &lf);
    m_fontBold.DeleteObject();
    m_fontUnderline.DeleteObject();
    m_fontRegular.DeleteObject();
    LOGFONT lfBold = lf;
    lfBold.lfWeight = FW_BOLD;
    m_fontBold.CreateFontIndirect(&lfBold);
    LOGFONT lfTask = lf;
    lfTask.lfWeight = FW_NORMAL;
    m_fontRegular.CreateFontIndirect(&lfTask);
    lfTask.lfUnderline = TRUE;
    m_fontUnderline.CreateFontIndirect(&lfTask);
}

void CORXTasksPane::OnDestroy()
{
    KillTimer(TimerAnimation);
    KillTimer(TimerAutoScroll);
    m_bAnimationInProgress = FALSE;
    m_pAnimatedGroup = NULL;
    m_pHotTask = m_pClickedTask = NULL;
    m_pHotGroupCaption = m_pClickedGroupCaption = NULL;
    while (!m_lstTaskGroups.IsEmpty())
        delete (CORXTasksGroup*)m_lstTaskGroups.RemoveHead();
    CORXOutlookBar::OnDestroy();
}

/////////////////////////////////////////////////////////////////////////////
// Pages and history

int CORXTasksPane::AddPage(LPCTSTR lpszName)
{
    m_lstTasksPanes.AddTail(new CORXTasksPanePage(lpszName, this));
    if (m_history.GetCurrent() < 0)
        m_history.Reset(0);
    RebuildMenu();
    // The second page brings the navigation row.
    if (GetSafeHwnd() != NULL)
    {
        AdjustLocations();
        RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    }
    return GetPageCount() - 1;
}

CString CORXTasksPane::GetPageName(int nPage) const
{
    POSITION pos = nPage >= 0 ? m_lstTasksPanes.FindIndex(nPage) : NULL;
    return pos != NULL ? ((CORXTasksPanePage*)m_lstTasksPanes.GetAt(pos))->m_strName : CString();
}

void CORXTasksPane::RebuildMenu()
{
    if (m_menuOther.GetSafeHmenu() != NULL)
        m_menuOther.DestroyMenu();
    if (!m_menuOther.CreatePopupMenu())
        return;
    for (POSITION pos = m_lstTasksPanes.GetHeadPosition(); pos != NULL;)
    {
        CORXTasksPanePage* pPage = (CORXTasksPanePage*)m_lstTasksPanes.GetNext(pos);
        m_menuOther.AppendMenu(MF_STRING, idOtherPanes, pPage->m_strName);
    }
}

void CORXTasksPane::ShowPage(int nPage)
{
    if (nPage < 0 || nPage >= GetPageCount())
        return;
    const int nPrev = GetActivePage();
    if (!m_history.Add(nPage))
        return;
    ShowPageNow(nPrev);
}

void CORXTasksPane::ShowPageNow(int nPrevPage)
{
    const int nNewPage = GetActivePage();
    ClearHotAndPressed();
    if (m_bAnimationInProgress)
    {
        KillTimer(TimerAnimation);
        m_bAnimationInProgress = FALSE;
        m_pAnimatedGroup = NULL;
    }
    for (int i = 0; i < m_wndToolBar.GetCount(); i++)
    {
        CTasksPaneMenuButton* pMenu = DYNAMIC_DOWNCAST(CTasksPaneMenuButton, m_wndToolBar.GetButton(i));
        if (pMenu != NULL)
            pMenu->m_strText = GetPageName(nNewPage);
    }
    OnPageChanged(nPrevPage, nNewPage);
    RebuildMenu();
    m_nVertScrollOffset = 0;
    if (GetSafeHwnd() == NULL)
        return;
    AdjustLocations();
    m_wndToolBar.AdjustLayout();
    RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void CORXTasksPane::NavigateBack()
{
    const int nPrev = GetActivePage();
    if (m_history.Back())
        ShowPageNow(nPrev);
}

void CORXTasksPane::NavigateForward()
{
    const int nPrev = GetActivePage();
    if (m_history.Forward())
        ShowPageNow(nPrev);
}

void CORXTasksPane::NavigateHome()
{
    ShowPage(0);
}

void CORXTasksPane::ClosePane()
{
    CFrameWnd* pFrame = GetDockingFrame();
    if (pFrame != NULL)
        pFrame->ShowControlBar(this, FALSE, FALSE);
    else
        ShowWindow(SW_HIDE);
}

BOOL CORXTasksPane::OnCommand(WPARAM wParam, LPARAM lParam)
{
    // The navigation row and the "Other Task Panes" menu send their commands with no control:
    // they are the pane's own, which the bar, a tool bar, would leave unanswered.
    if (lParam == 0 && CWnd::OnCommand(wParam, lParam))
        return TRUE;
    return CORXOutlookBar::OnCommand(wParam, lParam);
}

void CORXTasksPane::OnBack()
{
    NavigateBack();
}

void CORXTasksPane::OnForward()
{
    NavigateForward();
}

void CORXTasksPane::OnHome()
{
    NavigateHome();
}

void CORXTasksPane::OnClose()
{
    ClosePane();
}

void CORXTasksPane::OnOtherPanes()
{
    // Every item carries the same command: the menu's item bar remembers which one was chosen,
    // and the items stand in page order.
    ShowPage(CORXPopupMenuBar::GetLastCommandIndex());
}

void CORXTasksPane::OnUpdateBack(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(m_history.CanGoBack());
}

void CORXTasksPane::OnUpdateForward(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(m_history.CanGoForward());
}

/////////////////////////////////////////////////////////////////////////////
// Groups and tasks

int CORXTasksPane::AddGroup(int nPageIdx, LPCTSTR lpszName, BOOL bBottomLocation, BOOL bSpecial, HICON hIcon)
{
    if (nPageIdx < 0 || nPageIdx >= GetPageCount())
        return -1;
    CORXTasksGroup* pGroup = new CORXTasksGroup(nPageIdx, lpszName, bBottomLocation, bSpecial, hIcon);
    pGroup->m_pPane = this;
    m_lstTaskGroups.AddTail(pGroup);
    LayOutPage();
    return GetGroupCount() - 1;
}

CORXTasksGroup* CORXTasksPane::GetTaskGroup(int nGroup) const
{
    POSITION pos = nGroup >= 0 ? m_lstTaskGroups.FindIndex(nGroup) : NULL;
    return pos != NULL ? (CORXTasksGroup*)m_lstTaskGroups.GetAt(pos) : NULL;
}

CORXTask* CORXTasksPane::GetTask(int nGroup, int nTask) const
{
    CORXTasksGroup* pGroup = GetTaskGroup(nGroup);
    POSITION pos = pGroup != NULL && nTask >= 0 ? pGroup->m_lstTasks.FindIndex(nTask) : NULL;
    return pos != NULL ? (CORXTask*)pGroup->m_lstTasks.GetAt(pos) : NULL;
}

int CORXTasksPane::AddTask(int nGroup, LPCTSTR lpszName, UINT uiCommandID, DWORD_PTR dwUserData, int nIcon)
{
    CORXTasksGroup* pGroup = GetTaskGroup(nGroup);
    if (pGroup == NULL)
        return -1;
    CORXTask* pTask = new CORXTask(pGroup, lpszName, uiCommandID, dwUserData);
    pTask->m_nIcon = nIcon < 0 ? -1 : nIcon;
    pGroup->m_lstTasks.AddTail(pTask);
    LayOutPage();
    return (int)pGroup->m_lstTasks.GetCount() - 1;
}

int CORXTasksPane::AddLabel(int nGroup, LPCTSTR lpszName)
{
    CORXTasksGroup* pGroup = GetTaskGroup(nGroup);
    if (pGroup == NULL)
        return -1;
    CORXTask* pTask = new CORXTask(pGroup, lpszName, 0);
    pTask->m_bIsLink = FALSE;
    pGroup->m_lstTasks.AddTail(pTask);
    LayOutPage();
    return (int)pGroup->m_lstTasks.GetCount() - 1;
}

int CORXTasksPane::AddWindow(int nGroup, HWND hwndTask, int nWindowHeight)
{
    CORXTasksGroup* pGroup = GetTaskGroup(nGroup);
    if (pGroup == NULL || hwndTask == NULL || nWindowHeight < 0)
        return -1;
    pGroup->m_lstTasks.AddTail(new CORXTask(pGroup, _T(""), 0, 0, hwndTask, nWindowHeight));
    LayOutPage();
    return (int)pGroup->m_lstTasks.GetCount() - 1;
}

BOOL CORXTasksPane::ShowTask(int nGroup, int nTask, BOOL bShow)
{
    CORXTask* pTask = GetTask(nGroup, nTask);
    if (pTask == NULL)
        return FALSE;
    if (pTask->m_bVisible != bShow)
    {
        pTask->m_bVisible = bShow;
        if (!bShow && (m_pHotTask == pTask || m_pClickedTask == pTask))
            ClearHotAndPressed();
        LayOutPage();
        if (GetSafeHwnd() != NULL)
            RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE);
    }
    return TRUE;
}

BOOL CORXTasksPane::CollapseGroup(int nGroup, BOOL bCollapse)
{
    CORXTasksGroup* pGroup = GetTaskGroup(nGroup);
    if (pGroup == NULL)
        return FALSE;
    if (m_pAnimatedGroup == pGroup)
    {
        KillTimer(TimerAnimation);
        m_bAnimationInProgress = FALSE;
        m_pAnimatedGroup = NULL;
    }
    pGroup->m_bIsCollapsed = bCollapse;
    LayOutPage();
    if (GetSafeHwnd() != NULL)
        RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE);
    return TRUE;
}

int CORXTasksPane::GetGroupIndex(const CORXTasksGroup* pGroup) const
{
    int i = 0;
    for (POSITION pos = m_lstTaskGroups.GetHeadPosition(); pos != NULL; i++)
        if (m_lstTaskGroups.GetNext(pos) == pGroup)
            return i;
    return -1;
}

int CORXTasksPane::GetTaskIndex(const CORXTask* pTask) const
{
    if (pTask == NULL || pTask->m_pGroup == NULL)
        return -1;
    int i = 0;
    for (POSITION pos = pTask->m_pGroup->m_lstTasks.GetHeadPosition(); pos != NULL; i++)
        if (pTask->m_pGroup->m_lstTasks.GetNext(pos) == pTask)
            return i;
    return -1;
}

CWnd* CORXTasksPane::GetMessageTarget() const
{
    CWnd* pOwner = GetOwner();
    if (pOwner != NULL && pOwner != this && pOwner->IsFrameWnd())
        return pOwner;
    CWnd* pFrame = GetTopLevelFrame();
    return pFrame != NULL ? pFrame : pOwner;
}

CWnd* CORXTasksPane::GetPromptTarget() const
{
    CWnd* pOwner = GetOwner();
    return pOwner != NULL ? pOwner : GetParent();
}

void CORXTasksPane::RunTask(int nGroup, int nTask, UINT uiCommandID, DWORD_PTR)
{
    if (uiCommandID == 0)
        return;
    CWnd* pTarget = GetMessageTarget();
    if (pTarget != NULL && pTarget->GetSafeHwnd() != NULL)
        pTarget->PostMessage(WM_COMMAND, uiCommandID);
}

void CORXTasksPane::SetCaption(LPCTSTR lpszCaption)
{
    m_strCaption = lpszCaption;
    if (GetSafeHwnd() != NULL)
        SetWindowText(m_strCaption);
}

void CORXTasksPane::EnableNavigationToolbar(BOOL bEnable)
{
    m_bUseNavigationToolbar = bEnable;
    if (GetSafeHwnd() != NULL)
    {
        AdjustLocations();
        RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
    }
}

BOOL CORXTasksPane::IsNavigationToolbarShown() const
{
    return m_bUseNavigationToolbar && GetPageCount() >= 2 && m_wndToolBar.GetSafeHwnd() != NULL;
}

/////////////////////////////////////////////////////////////////////////////
// Windows messages

void CORXTasksPane::OnSize(UINT nType, int cx, int cy)
{
    CORXOutlookBar::OnSize(nType, cx, cy);
    AdjustLocations();
    RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void CORXTasksPane::OnSettingChange(UINT uFlags, LPCTSTR lpszSection)
{
    CORXOutlookBar::OnSettingChange(uFlags, lpszSection);
    AdjustLocations();
}

LRESULT CORXTasksPane::OnSetFont(WPARAM wParam, LPARAM lParam)
{
    m_hFont = (HFONT)wParam;
    CreateFonts();
    AdjustLocations();
    if (lParam)
        RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE);
    return 0;
}

LRESULT CORXTasksPane::OnGetFont(WPARAM, LPARAM)
{
    return (LRESULT)(m_hFont != NULL ? m_hFont : (HFONT)::GetStockObject(DEFAULT_GUI_FONT));
}

LRESULT CORXTasksPane::OnSetMessageString(WPARAM wParam, LPARAM lParam)
{
    // The navigation row's prompts and the tasks' go on to the pane's owner.
    CWnd* pTarget = GetPromptTarget();
    if (pTarget == NULL || pTarget == this || pTarget->GetSafeHwnd() == NULL)
        return 0;
    return pTarget->SendMessage(WM_SETMESSAGESTRING, wParam, lParam);
}

BOOL CORXTasksPane::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
{
    if (nHitTest == HTCLIENT && globalData.m_hcurHand != NULL)
    {
        CPoint point;
        ::GetCursorPos(&point);
        ScreenToClient(&point);
        CORXTask* pTask = TaskFromPoint(point);
        if ((pTask != NULL && pTask->IsEnabledLink()) || m_pClickedTask != NULL ||
            (m_bCanCollapse && (GroupCaptionFromPoint(point) != NULL || m_bCaptionPressed)))
        {
            ::SetCursor(globalData.m_hcurHand);
            return TRUE;
        }
    }
    return CORXOutlookBar::OnSetCursor(pWnd, nHitTest, message);
}

void CORXTasksPane::RedrawRect(const CRect& rect)
{
    if (GetSafeHwnd() != NULL && !rect.IsRectEmpty())
        RedrawWindow(rect, NULL, RDW_INVALIDATE | RDW_ERASE);
}

void CORXTasksPane::ClearHotAndPressed()
{
    if (m_pHotTask != NULL)
        RedrawRect(m_pHotTask->m_rect);
    if (m_pHotGroupCaption != NULL)
        RedrawRect(m_pHotGroupCaption->m_rect);
    if (m_pClickedTask != NULL)
        RedrawRect(m_pClickedTask->m_rect);
    m_pHotTask = m_pClickedTask = NULL;
    m_pHotGroupCaption = m_pClickedGroupCaption = NULL;
    m_bCaptionPressed = FALSE;
}

void CORXTasksPane::OnMouseMove(UINT nFlags, CPoint point)
{
    CORXOutlookBar::OnMouseMove(nFlags, point);
    // The bar's sizing edge has the mouse.
    if (m_bIsTracking)
        return;

    if (m_bScrollButtons)
    {
        int nMode = 0;
        if (m_rectScrollUp.PtInRect(point) && m_nVertScrollOffset > 0)
            nMode = -1;
        else if (m_rectScrollDn.PtInRect(point) &&
                 m_nVertScrollOffset <= m_nVertScrollTotal - m_nVertScrollPage && m_nVertScrollTotal >= 1)
            nMode = 1;
        if (nMode != 0 && m_iScrollMode == 0)
        {
            m_iScrollMode = nMode;
            SetTimer(TimerAutoScroll, kAutoScrollPeriod, NULL);
        }
    }

    CORXTask* pTask = TaskFromPoint(point);
    if (pTask != NULL && !pTask->IsEnabledLink())
        pTask = NULL;
    CORXTasksGroup* pGroup = GroupCaptionFromPoint(point);
    if (pTask == m_pHotTask && pGroup == m_pHotGroupCaption)
    {
        // A click lets the mouse go while the item under it stays hot: the pane takes the mouse
        // back, or the pointer could leave without the item cooling down.
        if ((pTask != NULL || pGroup != NULL) && GetCapture() != this)
            SetCapture();
        return;
    }

    if (m_pHotTask != NULL)
        RedrawRect(m_pHotTask->m_rect);
    if (m_pHotGroupCaption != NULL)
        RedrawRect(m_pHotGroupCaption->m_rect);
    m_pHotTask = pTask;
    m_pHotGroupCaption = pGroup;

    if (pTask == NULL && pGroup == NULL)
    {
        if (m_pClickedTask == NULL && !m_bCaptionPressed && GetCapture() == this)
            ::ReleaseCapture();
        SendPrompt(AFX_IDS_IDLEMESSAGE);
        return;
    }
    if (GetCapture() != this)
        SetCapture();
    if (pTask != NULL)
    {
        RedrawRect(pTask->m_rect);
        m_wndToolBar.ShowCommandMessageString(pTask->m_uiCommandID);
    }
    if (pGroup != NULL)
        RedrawRect(pGroup->m_rect);
}

void CORXTasksPane::SendPrompt(UINT nIDPrompt)
{
    CWnd* pTarget = GetPromptTarget();
    if (pTarget != NULL && pTarget != this && pTarget->GetSafeHwnd() != NULL)
        pTarget->SendMessage(WM_SETMESSAGESTRING, nIDPrompt);
}

void CORXTasksPane::OnLButtonDown(UINT nFlags, CPoint point)
{
    CORXTask* pTask = TaskFromPoint(point);
    m_pClickedTask = pTask != NULL && pTask->IsEnabledLink() ? pTask : NULL;
    m_pClickedGroupCaption = GroupCaptionFromPoint(point);
    m_bCaptionPressed = m_pClickedGroupCaption != NULL;
    if (m_pClickedTask != NULL || m_bCaptionPressed)
    {
        if (GetCapture() != this)
            SetCapture();
        if (m_pClickedTask != NULL)
            RedrawRect(m_pClickedTask->m_rect);
        return;
    }
    // Inside the task area a press is the user's, not a start of dragging the pane; the sizing
    // edge beside it is the bar's.
    if (m_rectTasks.PtInRect(point))
        return;
    CORXOutlookBar::OnLButtonDown(nFlags, point);
}

void CORXTasksPane::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    // A quick second click on a caption or task is one more click, never a toggle of docking.
    if (m_rectTasks.PtInRect(point))
    {
        OnLButtonDown(nFlags, point);
        return;
    }
    CORXOutlookBar::OnLButtonDblClk(nFlags, point);
}

void CORXTasksPane::OnLButtonUp(UINT nFlags, CPoint point)
{
    CORXOutlookBar::OnLButtonUp(nFlags, point);
    const BOOL bActive =
        m_pHotTask != NULL || m_pClickedTask != NULL || m_pHotGroupCaption != NULL || m_bCaptionPressed;
    if (!bActive)
        return;
    if (GetCapture() == this)
        ::ReleaseCapture();

    CORXTasksGroup* pGroup = GroupCaptionFromPoint(point);
    CORXTask* pTask = TaskFromPoint(point);
    if (m_bCaptionPressed && pGroup != NULL && pGroup == m_pClickedGroupCaption)
    {
        m_bCaptionPressed = FALSE;
        m_pClickedGroupCaption = NULL;
        StartGroupAnimation(pGroup);
        SendMessage(WM_MOUSEMOVE, nFlags, MAKELPARAM(point.x, point.y));
        return;
    }
    if (m_pClickedTask != NULL && pTask == m_pClickedTask && pTask->IsClickable())
    {
        const int nGroup = GetGroupIndex(pTask->m_pGroup);
        const int nTask = GetTaskIndex(pTask);
        const UINT uiCommandID = pTask->m_uiCommandID;
        const DWORD_PTR dwUserData = pTask->m_dwUserData;
        ClearHotAndPressed();
        RunTask(nGroup, nTask, uiCommandID, dwUserData);
        return;
    }
    ClearHotAndPressed();
}

void CORXTasksPane::OnCancelMode()
{
    CORXOutlookBar::OnCancelMode();
    ClearHotAndPressed();
    if (GetCapture() == this)
        ::ReleaseCapture();
}

void CORXTasksPane::StartGroupAnimation(CORXTasksGroup* pGroup)
{
    if (m_pAnimatedGroup != NULL && m_pAnimatedGroup != pGroup)
    {
        // One group moves at a time: the one before ends where it was going.
        KillTimer(TimerAnimation);
        m_bAnimationInProgress = FALSE;
        m_pAnimatedGroup = NULL;
    }
    const BOOL bWasAnimating = m_pAnimatedGroup == pGroup;
    pGroup->m_bIsCollapsed = !pGroup->m_bIsCollapsed;
    m_bAnimCollapsing = pGroup->m_bIsCollapsed;
    if (!bWasAnimating)
        m_nAnimGroupExtraHeight = m_bAnimCollapsing ? INT_MAX : 0;
    m_pAnimatedGroup = pGroup;
    m_bAnimationInProgress = TRUE;
    s_dwLastAnimTick = ::GetTickCount();
    LayOutPage();
    SetTimer(TimerAnimation, kAnimationPeriod, NULL);
    RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE);
}

void CORXTasksPane::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent == TimerAnimation)
    {
        if (!m_bAnimationInProgress || m_pAnimatedGroup == NULL)
        {
            KillTimer(TimerAnimation);
            return;
        }
        const DWORD dwNow = ::GetTickCount();
        const DWORD dwElapsed = dwNow - s_dwLastAnimTick;
        s_dwLastAnimTick = dwNow;
        m_nAnimGroupExtraHeight = CORXTasksAnimation::Step(m_nAnimGroupExtraHeight, m_nAnimGroupFullHeight,
                                                           m_bAnimCollapsing, dwElapsed, m_nAnimGroupStep);
        if (CORXTasksAnimation::IsDone(m_nAnimGroupExtraHeight, m_nAnimGroupFullHeight, m_bAnimCollapsing))
        {
            KillTimer(TimerAnimation);
            m_bAnimationInProgress = FALSE;
            m_pAnimatedGroup = NULL;
        }
        LayOutPage();
        RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE);
        return;
    }
    if (nIDEvent == TimerAutoScroll)
    {
        CPoint point;
        ::GetCursorPos(&point);
        ScreenToClient(&point);
        const CRect rect = m_iScrollMode < 0 ? m_rectScrollUp : m_rectScrollDn;
        if (m_iScrollMode == 0 || !rect.PtInRect(point))
        {
            KillTimer(TimerAutoScroll);
            m_iScrollMode = 0;
            RedrawRect(m_rectScrollUp);
            RedrawRect(m_rectScrollDn);
            return;
        }
        ScrollTo(m_iScrollMode < 0 ? SB_LINEUP : SB_LINEDOWN, 0);
        return;
    }
    CORXOutlookBar::OnTimer(nIDEvent);
}

void CORXTasksPane::OnVScroll(UINT nSBCode, UINT nPos, CScrollBar*)
{
    int nThumb = (int)nPos;
    if (nSBCode == SB_THUMBTRACK || nSBCode == SB_THUMBPOSITION)
    {
        SCROLLINFO si = {sizeof(si), SIF_TRACKPOS};
        if (m_wndScrollVert.GetSafeHwnd() != NULL && m_wndScrollVert.GetScrollInfo(&si, SIF_TRACKPOS))
            nThumb = si.nTrackPos;
    }
    ScrollTo(nSBCode, nThumb);
}

void CORXTasksPane::ScrollTo(UINT nSBCode, int nThumbPos)
{
    int nPos = m_nVertScrollOffset;
    switch (nSBCode)
    {
    case SB_LINEUP:
        nPos--;
        break;
    case SB_LINEDOWN:
        nPos++;
        break;
    case SB_PAGEUP:
        nPos -= m_nVertScrollPage;
        break;
    case SB_PAGEDOWN:
        nPos += m_nVertScrollPage;
        break;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK:
        nPos = nThumbPos;
        break;
    case SB_TOP:
        nPos = 0;
        break;
    case SB_BOTTOM:
        nPos = m_nVertScrollTotal;
        break;
    default:
        return;
    }
    nPos = CORXTasksScroll::Clamp(nPos, m_nVertScrollTotal, m_nVertScrollPage);
    if (nPos == m_nVertScrollOffset)
        return;
    m_nVertScrollOffset = nPos;
    if (m_wndScrollVert.GetSafeHwnd() != NULL)
        m_wndScrollVert.SetScrollPos(nPos);
    LayOutPage();
    if (GetSafeHwnd() != NULL)
        RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE);
}
