// CORXTasksPane: a docking pane of task links on pages, grouped under captions that collapse with
// an animation, with Back, Forward and Home between pages, a Close button and the "Other Task
// Panes" menu; its records (page, group, task), its navigation row and the row's menu button.
#ifndef VELMORA_ORXTASKSPANE_H
#define VELMORA_ORXTASKSPANE_H

#include <afxwin.h>
#include <afxext.h>
#include <afxcoll.h>

#include "ORXButton.h"
#include "ORXEditListBox.h"
#include "ORXExtrasHooks.h"
#include "ORXOutlookBar.h"
#include "ORXPopupMenu.h"
#include "ORXTasksHistory.h"
#include "ORXToolBar.h"
#include "ORXToolbarMenuButton.h"
#include "ORXVisualManagerXP.h"

class CORXTasksPane;
class CORXTasksGroup;

class CORXTasksPanePage : public CObject
{
    DECLARE_DYNAMIC(CORXTasksPanePage)

public:
    CORXTasksPanePage(LPCTSTR lpszName, CORXTasksPane* pTaskPane)
        : m_strName(lpszName), m_pTaskPane(pTaskPane)
    {
    }

    CString m_strName;
    CORXTasksPane* m_pTaskPane;
};

// One line of a group: a link that runs a command, a plain label, or a hosted child window.
class CORXTask : public CObject, public CORXTaskInfo
{
    DECLARE_DYNAMIC(CORXTask)

public:
    CORXTask(CORXTasksGroup* pGroup, LPCTSTR lpszName, UINT uiCommandID, DWORD_PTR dwUserData = 0,
             HWND hwndTask = NULL, int nWindowHeight = 0)
        : m_pGroup(pGroup), m_strName(lpszName), m_uiCommandID(uiCommandID), m_dwUserData(dwUserData),
          m_hwndTask(hwndTask), m_rect(0, 0, 0, 0), m_bVisible(TRUE), m_bIsLink(TRUE),
          m_nWindowHeight(nWindowHeight), m_bEnabled(TRUE), m_nIcon(-1)
    {
    }

    // What the looks read.
    CRect GetRect() const override { return m_rect; }
    BOOL IsSeparator() const override { return m_strName.IsEmpty() && m_hwndTask == NULL; }
    HICON GetIcon() const override { return NULL; }
    CString GetName() const override { return m_strName; }
    BOOL IsEnabled() const override { return m_bEnabled; }
    BOOL HasCommand() const override { return m_uiCommandID != 0; }
    int GetIconToTextSpacing() const override;
    int GetIconIndex() const override { return m_nIcon; }
    HFONT GetTextFont(BOOL bUnderline) const override;

    // A link the user can point at: it turns hot and shows the hand, not a label or a hosted window.
    BOOL IsEnabledLink() const { return m_bIsLink && m_bEnabled && m_hwndTask == NULL; }
    // A link that runs something when clicked: one with a command.
    BOOL IsClickable() const { return IsEnabledLink() && m_uiCommandID != 0; }

    CORXTasksGroup* m_pGroup;
    CString m_strName;
    UINT m_uiCommandID;
    DWORD_PTR m_dwUserData;
    HWND m_hwndTask;
    CRect m_rect;
    BOOL m_bVisible;
    BOOL m_bIsLink;
    int m_nWindowHeight;
    BOOL m_bEnabled;
    int m_nIcon; // in the pane's icon list, -1 for none
};

class CORXTasksGroup : public CObject, public CORXTasksGroupInfo
{
    DECLARE_DYNAMIC(CORXTasksGroup)

public:
    CORXTasksGroup(int nPageID, LPCTSTR lpszName, BOOL bBottomLocation = FALSE, BOOL bSpecial = FALSE,
                   HICON hIcon = NULL);
    virtual ~CORXTasksGroup();

    // What the looks read.
    CRect GetCaptionRect() const override { return m_rect; }
    HICON GetIcon() const override { return m_hIcon; }
    CSize GetIconSize() const override { return m_sizeIcon; }
    CString GetName() const override { return m_strName; }
    BOOL IsSpecial() const override { return m_bIsSpecial; }
    BOOL IsCollapsed() const override { return m_bIsCollapsed; }
    int GetCaptionTextOffset() const override;
    HFONT GetCaptionFont() const override;
    // The pane's gap between a task's icon and its text, -1 where it takes the look's.
    int GetIconToTextSpacing() const;

    int m_nPageID;
    CString m_strName;
    CObList m_lstTasks; // of CORXTask, owned
    BOOL m_bIsBottom;
    CRect m_rect;      // caption
    CRect m_rectGroup; // tasks
    BOOL m_bIsCollapsed;
    BOOL m_bIsSpecial;
    HICON m_hIcon;
    CSize m_sizeIcon;
    const CORXTasksPane* m_pPane; // the pane whose metrics the looks take; set when added
};

// The "Other Task Panes" button of the navigation row: the page's name and the menu of pages.
class CTasksPaneMenuButton : public CORXToolbarMenuButton
{
    DECLARE_SERIAL(CTasksPaneMenuButton)

public:
    CTasksPaneMenuButton(CORXTasksPane* pParent = NULL);

    virtual CORXPopupMenu* CreatePopupMenu();
    virtual HMENU CreateMenu() const;
    virtual void OnChangeParentWnd(CWnd* pWndParent);

    CORXTasksPane* m_pParentTaskPane;
};

// Declared for the class's run-time name; it adds nothing to the menu button.
class CORXTasksPaneMenuButton : public CORXMenuButton
{
    DECLARE_DYNAMIC(CORXTasksPaneMenuButton)
};

// The navigation row.
class CTasksPaneToolBar : public CORXToolBar
{
    DECLARE_SERIAL(CTasksPaneToolBar)

public:
    // Its commands go to the pane that owns it, not to the frame.
    CTasksPaneToolBar() { m_bFrameTarget = FALSE; }

    virtual void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler);
    virtual BOOL AllowShowOnList() const { return FALSE; }
    virtual BOOL GetButtonToolTipText(const CORXToolbarButton* pButton, CString& strTTText) const;
    virtual void PlaceButtons();
    virtual BOOL AllowAltCustomization() const { return FALSE; }
    virtual void AdjustLayout();
    // The row's buttons are the pane's, made anew with it: nothing of them is kept in the
    // registry, and nothing stored there replaces them.
    virtual BOOL LoadState(LPCTSTR lpszProfileName = NULL, int nIndex = -1, UINT uiID = (UINT)-1)
    {
        return FALSE;
    }
    virtual BOOL SaveState(LPCTSTR lpszProfileName = NULL, int nIndex = -1, UINT uiID = (UINT)-1)
    {
        return TRUE;
    }

    // The navigation row's buttons as the pane places them: the menu button spans what Back,
    // Forward and Home leave, at least three times its height, and Close follows it. Pure
    // arithmetic on the rectangles, for the layout and its tests.
    static void WidenMenuButton(CRect& rectMenu, CRect& rectClose, int nClientRight);

protected:
    afx_msg LRESULT OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()
};

// A shortcut bar that shows pages of tasks instead of shortcuts: of the bar it keeps the docked
// extent and the sizing edge, and none of its page buttons, shortcuts or scroll buttons.
class CORXTasksPane : public CORXOutlookBar
{
    DECLARE_DYNCREATE(CORXTasksPane)
    friend class CTasksPaneMenuButton;

    // Construction
public:
    CORXTasksPane();
    virtual ~CORXTasksPane();

    // The caption NULL takes "Tasks Pane". The default size's width (height for a pane along the
    // top or bottom) is the pane's extent across its docked edge.
    BOOL Create(LPCTSTR lpszCaption, CWnd* pParentWnd, CSize sizeDefault, UINT nID,
                DWORD dwStyle = WS_CHILD | WS_VISIBLE | CBRS_RIGHT);

    enum
    {
        idBack = 17016,
        idForward = 17017,
        idHome = 17018,
        idClose = 17019,
        idOtherPanes = 17020,
        idNavToolBar = 1,
        idScrollBar = 1,
        TimerAnimation = 1,
        TimerAutoScroll = 2,
    };

    // Pages
public:
    int AddPage(LPCTSTR lpszName);
    int GetPageCount() const { return (int)m_lstTasksPanes.GetCount(); }
    CString GetPageName(int nPage) const;
    // The page on show.
    int GetActivePage() const { return m_history.GetCurrent(); }
    // Shows the page and records it in the history.
    void ShowPage(int nPage);
    void SetActivePage(int nPage) { ShowPage(nPage); }
    const CORXTasksHistory& GetHistory() const { return m_history; }
    void SetMaxHistory(int nMax) { m_history.SetMaxLength(nMax); }

    // Groups and tasks; every index is the group's place among all groups, -1 on failure.
public:
    int AddGroup(int nPageIdx, LPCTSTR lpszName, BOOL bBottomLocation = FALSE, BOOL bSpecial = FALSE,
                 HICON hIcon = NULL);
    int AddGroup(LPCTSTR lpszName, BOOL bBottomLocation = FALSE, BOOL bSpecial = FALSE, HICON hIcon = NULL)
    {
        return AddGroup(0, lpszName, bBottomLocation, bSpecial, hIcon);
    }
    // The icon is the task's image in the pane's icon list, -1 for none.
    int AddTask(int nGroup, LPCTSTR lpszName, UINT uiCommandID, DWORD_PTR dwUserData = 0, int nIcon = -1);
    // A line of text that is no link.
    int AddLabel(int nGroup, LPCTSTR lpszName);
    // A child window of the pane shown as a task of the given height.
    int AddWindow(int nGroup, HWND hwndTask, int nWindowHeight);
    int GetGroupCount() const { return (int)m_lstTaskGroups.GetCount(); }
    CORXTasksGroup* GetTaskGroup(int nGroup) const;
    CORXTask* GetTask(int nGroup, int nTask) const;
    BOOL ShowTask(int nGroup, int nTask, BOOL bShow = TRUE);
    BOOL CollapseGroup(int nGroup, BOOL bCollapse = TRUE);
    void EnableGroupCollapse(BOOL bEnable = TRUE) { m_bCanCollapse = bEnable; }
    BOOL IsGroupCollapseEnabled() const { return m_bCanCollapse; }
    // Pixels per 30 ms of a group's collapse or expand; 0 still moves a pixel a tick.
    void SetAnimationStep(int nStep) { m_nAnimGroupStep = nStep; }
    BOOL IsAnimating() const { return m_bAnimationInProgress; }
    // Scroll buttons that scroll while the mouse rests on them, in place of the scroll bar.
    void EnableScrollButtons(BOOL bEnable = TRUE)
    {
        m_bScrollButtons = bEnable;
        LayOutPage();
    }

    // Attributes
public:
    CString GetCaption() const { return m_strCaption; }
    void SetCaption(LPCTSTR lpszCaption);
    // The navigation row shows with two pages or more, unless it is turned off here.
    void EnableNavigationToolbar(BOOL bEnable = TRUE);
    BOOL IsNavigationToolbarShown() const;
    CTasksPaneToolBar& GetNavToolbar() { return m_wndToolBar; }
    // Before the pane is created: the navigation images' bitmap (0: the framework's) and sizes; a
    // button size of (0, 0) is the image size + 4.
    void SetNavToolbarImages(UINT uiBmpResId, CSize sizeImage = CSize(12, 12),
                             CSize sizeButton = CSize(0, 0));
    static CSize NavButtonSize(CSize sizeImage, CSize sizeButton);
    // The images of the tasks' icons; the list stays the caller's and must outlive the pane's use.
    void SetIconsList(CImageList* pIcons);
    CImageList* GetIconsList() const { return m_pIcons; }
    // The fonts the pane's text is drawn in: captions bold, tasks plain or underlined.
    HFONT GetCaptionFont() const { return (HFONT)m_fontBold.GetSafeHandle(); }
    HFONT GetTaskFont(BOOL bUnderline) const
    {
        return (HFONT)(bUnderline ? m_fontUnderline : m_fontRegular).GetSafeHandle();
    }

    CRect GetTaskArea() const { return m_rectTasks; }
    int GetScrollPos() const { return m_nVertScrollOffset; }
    int GetTotalRows() const { return m_nVertScrollTotal; }
    int GetPageRows() const { return m_nVertScrollPage; }
    int GetTaskRowHeight() const { return m_nRowHeightInForce; }
    CORXTask* GetHotTask() const { return m_pHotTask; }
    CORXTasksGroup* GetHotGroup() const { return m_pHotGroupCaption; }

    // The layout metrics; -1 takes the look's own.
    int m_nVertMargin;
    int m_nHorzMargin;
    int m_nGroupVertOffset;
    int m_nGroupCaptionHeight;
    int m_nGroupCaptionHorzOffset;
    int m_nGroupCaptionVertOffset;
    int m_nTasksHorzOffset;
    int m_nTasksIconHorzOffset;
    int m_nTasksIconVertOffset;
    int m_nRowHeight; // the minimum row height

    // Overridables
public:
    virtual void NavigateBack();
    virtual void NavigateForward();
    virtual void NavigateHome();
    virtual void ClosePane();
    virtual void OnPageChanged(int nPrevPage, int nNewPage) {}
    // The task's command goes to the pane's owner; the fourth value is the task's own data.
    virtual void RunTask(int nGroup, int nTask, UINT uiCommandID, DWORD_PTR dwUserData);
    // The bar's shortcut layout: the pane has no shortcuts, page buttons or scroll buttons of it.
    virtual void PlaceButtons();
    virtual int HitTest(CPoint) { return -1; }
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
    // No tool bar a user customises: off the Toolbars page.
    virtual BOOL AllowShowOnList() const { return FALSE; }

    // Operations
public:
    // Places the groups and tasks of the page on show, the scroll bar and the hosted windows.
    void LayOutPage();
    // The task and the group caption under a client point, NULL outside the task area.
    CORXTask* TaskFromPoint(CPoint point) const;
    CORXTasksGroup* GroupCaptionFromPoint(CPoint point) const;
    // Scrolls to a first row as the scroll bar asks (SB_* code, thumb position).
    void ScrollTo(UINT nSBCode, int nThumbPos);

    // Implementation
protected:
    virtual BOOL CreateNavigationToolbar();
    void AdjustLocations();
    // The client area beside the bar's sizing edge: the navigation row and the task area.
    CRect GetPaneRect() const;
    void RebuildMenu();
    void ShowPageNow(int nPrevPage);
    void CreateFonts();
    int GetGroupIndex(const CORXTasksGroup* pGroup) const;
    int GetTaskIndex(const CORXTask* pTask) const;
    int Metric(int nOwn, int nLook) const { return nOwn != -1 ? nOwn : nLook; }
    int TextHeight(const CFont& font) const;
    // The height of a text task's row content: its own label in the task font beside its icon.
    int TaskContentHeight(HDC hDC, const CORXTask* pTask, int nWidth, int nIconGap) const;
    // Places the page's groups from the top given; answers where the last one ends.
    int LayOutGroups(const CRect& rectWork, int yTop);
    void PlaceTaskWindows();
    void RedrawRect(const CRect& rect);
    void ClearHotAndPressed();
    void StartGroupAnimation(CORXTasksGroup* pGroup);
    void SendPrompt(UINT nIDPrompt);
    CWnd* GetMessageTarget() const;
    // Where the status-line prompts go: the owner, or the parent.
    CWnd* GetPromptTarget() const;
    // Everything the pane shows but its child windows.
    void DrawPane(CDC* pDC);

    CObList m_lstTasksPanes; // of CORXTasksPanePage, owned
    CORXTasksHistory m_history;
    CObList m_lstTaskGroups; // of CORXTasksGroup, owned

    CORXTask* m_pHotTask;
    CORXTask* m_pClickedTask;
    CORXTasksGroup* m_pHotGroupCaption;
    BOOL m_bCaptionPressed;
    CORXTasksGroup* m_pClickedGroupCaption;
    BOOL m_bCanCollapse;

    CString m_strCaption;
    HFONT m_hFont;
    CFont m_fontBold;
    CFont m_fontUnderline;
    CFont m_fontRegular;
    CImageList* m_pIcons;
    CRect m_rectTasks;

    CScrollBar m_wndScrollVert;
    CORXButton m_btnOther;
    CORXButton m_btnForward;
    CORXButton m_btnBack;

    CTasksPaneToolBar m_wndToolBar;
    BOOL m_bUseNavigationToolbar;
    CMenu m_menuOther;
    CString m_strOtherPanes;
    CString m_strForward;
    CString m_strBack;

    BOOL m_bScrollButtons;
    CRect m_rectScrollUp;
    CRect m_rectScrollDn;
    int m_iScrollMode;
    int m_nVertScrollOffset;
    int m_nVertScrollTotal;
    int m_nVertScrollPage;
    int m_nRowHeightInForce;

    BOOL m_bAnimationInProgress;
    CORXTasksGroup* m_pAnimatedGroup;
    int m_nAnimGroupStep;
    int m_nAnimGroupExtraHeight;
    int m_nAnimGroupFullHeight;
    BOOL m_bAnimCollapsing;
    static DWORD s_dwLastAnimTick;

    UINT m_uiToolbarBmpRes;
    CSize m_sizeToolbarImage;
    CSize m_sizeToolbarButton;

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnSettingChange(UINT uFlags, LPCTSTR lpszSection);
    afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg LRESULT OnSetMessageString(WPARAM wParam, LPARAM lParam);
    afx_msg void OnCancelMode();
    afx_msg void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    afx_msg void OnDestroy();
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg LRESULT OnSetFont(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnGetFont(WPARAM wParam, LPARAM lParam);
    afx_msg void OnBack();
    afx_msg void OnForward();
    afx_msg void OnHome();
    afx_msg void OnClose();
    afx_msg void OnOtherPanes();
    afx_msg void OnUpdateBack(CCmdUI* pCmdUI);
    afx_msg void OnUpdateForward(CCmdUI* pCmdUI);
    DECLARE_MESSAGE_MAP()
};

#endif // VELMORA_ORXTASKSPANE_H
