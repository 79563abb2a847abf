// CORXPopupMenu: the framework's drop-down and context menu: a borderless pop-up window, never
// activated, that hosts an item bar built from a menu handle, with scroll buttons, an opening
// animation and a drop shadow.
#ifndef VELMORA_ORXPOPUPMENU_H
#define VELMORA_ORXPOPUPMENU_H

#include <afxwin.h>
#include <afxext.h>
#include <afxcmn.h>

#include "ORXBarSettings.h"
#include "ORXPopupMenuBar.h"
#include "ORXServices.h"

class CORXToolbarMenuButton;
class CORXMenuPage;
class CORXMenuBar;
class CORXFrameHooks;
class CORXMenuRoutingWnd;

// The window class of every pop-up menu.
#define ORX_POPUPMENU_CLASS "ORXPopupMenu"

// A window helper that routes keys and clicks to the menus opened from its windows (the frames'
// and the dialogs' helpers, and the extras' window kinds). Each registers with CORXServices while
// it lives. Without any host, a shown menu takes the keys itself.
class CORXMenuHost
{
public:
    // A host nested inside another (a dialog inside a frame) is asked first, so that the nearest
    // host claims a menu whatever the order the hosts came in.
    enum
    {
        rankDialog = CORXServices::rankDefault - 10,
        rankFrame = CORXServices::rankDefault
    };

    virtual ~CORXMenuHost() {}
    // A menu about to show for the first time: TRUE when it was opened from this host's windows;
    // bApprove then says whether it may show (FALSE closes it).
    virtual BOOL OnShowMenu(CORXPopupMenu* pMenu, BOOL& bApprove) = 0;
    // Any menu has closed.
    virtual void OnMenuClosed(CORXPopupMenu* pMenu) {}
    // A menu bar's window was made (bCreated) or the bar is going: TRUE when it is this host's.
    virtual BOOL OnMenuBarWindow(CORXMenuBar* pMenuBar, BOOL bCreated) { return FALSE; }
};

// A frame window that keeps the bars torn off the menus it opens: it destroys them with itself and
// stores them with its state.
class CORXTearOffFrame
{
public:
    virtual ~CORXTearOffFrame() {}
    virtual void KeepTearOffBar(CControlBar* pBar) = 0;
};

// Where a menu goes against a work area: what the placement knows of the menu and of what opened it.
struct ORXMenuPlacement
{
    enum Opener
    {
        FreeMenu = 0,    // a context menu, or one without a parent item
        SubMenu = 1,     // an item of a parent pop-up menu
        BarMenu = 2,     // an item of a tool bar or of a menu bar docked at the top or bottom
        SideMenuBar = 3, // an item of a menu bar docked at the left or right
    };
    // In
    CRect rectWork;
    CPoint pt;
    CSize size; // without shadow
    int nOpener;
    BOOL bRightAligned;
    BOOL bRTL;
    int nParentLeft;   // the parent pop-up's (or side menu bar's) left edge
    int nItemTop;      // the parent item's top edge on the screen (bar menus)
    int nSubMenuShift; // the sub-menu's row height + 4
    int nAnimation;
    // In and out
    int nDropDirection;
    // Out
    BOOL bScrollable;
    BOOL bGrowRight;
    BOOL bGrowDown;

    ORXMenuPlacement();
    void Compute();
};

class CORXPopupMenu : public CMiniFrameWnd
{
    DECLARE_SERIAL(CORXPopupMenu)
    friend class CORXPopupMenuBar;
    friend class CORXToolbarMenuButton;

    // Construction
public:
    CORXPopupMenu();
    // A preview of a context menu for the customise dialog's menu page: a small window with a
    // caption that stays where it was put and tells the page when it closes.
    CORXPopupMenu(CORXMenuPage* pEditPage, LPCTSTR lpszTitle);
    virtual ~CORXPopupMenu();

    enum ANIMATION_TYPE
    {
        NO_ANIMATION = 0,
        UNFOLD = 1,
        SLIDE = 2,
        FADE = 3
    };
    enum DROP_DIRECTION
    {
        DROP_DIRECTION_NONE = 0,
        DROP_DIRECTION_BOTTOM = 1,
        DROP_DIRECTION_TOP = 2,
        DROP_DIRECTION_RIGHT = 3,
        DROP_DIRECTION_LEFT = 4
    };
    enum HIT_TEST
    {
        HT_ITEMS = 0,
        HT_RIGHT_SHADOW = 1,
        HT_BOTTOM_SHADOW = 2,
        HT_SIDE_BAND = 3,
        HT_OUTSIDE = 4,
        HT_TEAROFF = 5
    };

    // Overrides
public:
    virtual BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo);
    virtual void PostNcDestroy();
    virtual BOOL DestroyWindow();
    virtual void RecalcLayout(BOOL bNotify = TRUE);
    virtual BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    virtual BOOL PreTranslateMessage(MSG* pMsg);

    // Operations
public:
    virtual CORXPopupMenuBar* GetMenuBar() { return &m_wndMenuBar; }
    virtual BOOL InCommand() { return ItemBar()->IsInCommand(); }
    // Tearing off: the menu becomes a floating tool bar of the main frame at a screen point.
    virtual BOOL TearOff(CPoint ptScreen);
    // A tool bar of the frame with the id and title, its buttons made from the menu handle; NULL
    // without a menu handle or when the window cannot be made.
    virtual CORXToolBar* CreateTearOffBar(CFrameWnd* pWndMain, UINT uiID, LPCTSTR lpszName);
    // Shows the menu; once it is shown, the window owns the object and deletes it when it closes.
    // FALSE leaves the object to the caller, which deletes it (the menu handle goes with it when
    // the menu owns it).
    virtual BOOL Create(CWnd* pWndParent, int x, int y, HMENU hMenu, BOOL bLocked = FALSE,
                        BOOL ownerIsParent = FALSE);

    static BOOL OnShowPopup(CFrameWnd* pFrame, CORXPopupMenu* pMenu);
    void ShowAllItems();
    CORXPopupMenu* GetParentPopupMenu() const;
    CORXToolBar* GetParentToolBar() const;
    int InsertItem(const CORXToolbarButton& button, int iInsertAt = -1);
    int InsertSeparator(int iInsertAt = -1);
    int GetMenuItemCount() const { return ItemBar()->GetCount(); }
    BOOL RemoveItem(int iIndex);
    int HitTest(CPoint ptScreen) const;
    void CloseMenu(BOOL bSetFocusToBar = FALSE);
    BOOL PostCommand(UINT uiCommandID);
    // A framework dialog or property page that owns the menu records it as the one opened from it,
    // or forgets it when it is the one recorded.
    void SetActiveInDialog(BOOL bActive);
    BOOL PlaceItemBar(BOOL bForce);

    BOOL IsTearOffOn() const;
    // A band of the width along one side of the menu (0 left, 1 right, 2 top, 3 bottom), which the
    // frame paints; width 0 takes it away. Set before the menu is created.
    void SetSideBand(int nWidth, int nSide = 0)
    {
        m_iLogoWidth = nWidth < 0 ? 0 : nWidth;
        m_nLogoLocation = nSide;
    }
    CRect GetSideBandRect() const;
    CRect GetTearOffRect() const { return m_rectTearOffCaption; }

    // Attributes
public:
    static CORXPopupMenu* GetActiveMenu() { return m_pActivePopupMenu; }
    // A framework frame that approves menus (the services' approval) names the one taking keys.
    static void SetActiveMenu(CORXPopupMenu* pMenu) { m_pActivePopupMenu = pMenu; }
    static void SetAnimationType(int nType) { m_AnimationType = nType; }
    static int GetAnimationType() { return m_AnimationType; }
    // A stored animation kind outside the known ones gives none.
    static int AnimationFromStored(DWORD dwStored)
    {
        return CORXBarSettings::MenuAnimationFromStored(dwStored);
    }
    static void SetForceShadow(BOOL bForce) { m_bForceShadow = bForce; }
    // The tool bars' "MenuShadows" parameter: menus opened later have shadows (on by default).
    static void EnableMenuShadows(BOOL bEnable) { m_bMenuShadows = bEnable; }
    static BOOL AreMenuShadowsEnabled() { return m_bMenuShadows; }
    // Routes a key to the active menu while one is open: frames and dialogs call it first in their
    // message pre-translation. TRUE when the menu took the message.
    static BOOL PreTranslateForMenu(MSG* pMsg);

    CORXToolbarMenuButton* GetParentButton() const { return m_pParentBtn; }
    void SetParentButton(CORXToolbarMenuButton* pButton, int nDropDirection)
    {
        m_pParentBtn = pButton;
        m_DropDirection = nDropDirection;
    }
    int GetDropDirection() const { return m_DropDirection; }
    HMENU GetHMenu() const { return m_hMenu; }
    void SetAutoDestroy(BOOL bAutoDestroy) { m_bAutoDestroy = bAutoDestroy; }
    BOOL IsAutoDestroy() const { return m_bAutoDestroy; }
    void SetRightAlign(BOOL bRightAlign) { m_bRightAlign = bRightAlign; }
    BOOL IsRightAlign() const { return m_bRightAlign; }
    void SetReturnCommand(BOOL bSet) { m_bTrackMode = bSet; }
    BOOL IsReturnCommand() const { return m_bTrackMode; }
    CWnd* GetMessageWnd() const { return m_pMessageWnd; }
    void SetMessageWnd(CWnd* pWnd) { m_pMessageWnd = pWnd; }
    BOOL IsScrollable() const { return m_bScrollable; }
    BOOL IsShown() const { return m_bShown; }
    BOOL IsAnimationDone() const { return m_bAnimationIsDone; }
    int GetShadowDepth() const { return m_iShadowSize; }
    CRect GetScrollUpRect() const { return m_rectScrollUp; }
    CRect GetScrollDownRect() const { return m_rectScrollDn; }
    CSize GetMenuSize() const { return CSize(m_FinalSize.cx, m_FinalSize.cy); }
    BOOL IsClosing() const { return m_bIsClosing; }
    CORXMenuPage* GetEditPage() const { return m_pEditPage; }

    // Fields, in the order of the class's published layout
protected:
    int m_DropDirection;
    CORXToolbarMenuButton* m_pParentBtn;
    CWnd* m_pMessageWnd;
    CORXPopupMenuBar m_wndMenuBar;
    HMENU m_hMenu;
    BOOL m_bAutoDestroy;
    int m_x;
    int m_y;
    int m_xOrig;
    int m_yOrig;
    CSize m_FinalSize;
    BOOL m_bRightAlign;
    BOOL m_bTrackMode;
    int m_nMaxWidth;
    BOOL m_bIsClosing;
    BOOL m_bCloseParent;
    int m_iLogoWidth;
    int m_nLogoLocation;
    CSize m_AnimSize;
    BOOL m_bAnimRight;
    BOOL m_bAnimDown;
    BOOL m_bAnimationIsDone;
    int m_iFadePercent;
    CRect m_rectScrollUp;
    CRect m_rectScrollDn;
    int m_iScrollMode;
    int m_iScrollBtnHeight;
    BOOL m_bScrollable;
    int m_nMenuBarHeight;
    BOOL m_bShown;
    int m_iShadowSize;
    CBitmap m_bmpShadowRight;
    CBitmap m_bmpShadowBottom;
    CBitmap m_bmpScreen; // the screen under the menu while it opens
    BOOL m_bInCreate;    // a window destroyed while it is created leaves the object alive
    BOOL m_bDestroying;  // its window is going: its sub-menus, going first, leave it alone
    CORXMenuPage* m_pEditPage;
    CString m_strCaption;
    CRect m_rectTearOffCaption;
    CToolTipCtrl m_wndTearOffToolTip;
    BOOL m_bTearOffPressed;  // while its tip shows and while the button is down on it
    BOOL m_bTearOffTracking; // from the press until the release or until the mouse leaves the strip

    static int& m_AnimationType; // CORXBarSettings' own
    static int m_AnimationSpeed;
    static DWORD m_dwLastAnimTime;
    static CORXPopupMenu* m_pActivePopupMenu;
    static BOOL m_bForceShadow;
    static BOOL& m_bMenuShadows; // CORXBarSettings' own

    // Implementation
protected:
    // The item bar a kind of menu puts in place of its own, where the menu's own code reaches it.
    CORXPopupMenuBar* ItemBar() const { return const_cast<CORXPopupMenu*>(this)->GetMenuBar(); }
    // What the registered menu hosts say of a menu about to show.
    static BOOL ApproveShow(CORXPopupMenu* pMenu);
    void Initialize();
    BOOL InitMenuBar();
    // The framework dialog or property page that owns the menu, NULL when none.
    CORXMenuRoutingWnd* GetOwnerDialog() const;
    // The framework frame that speaks for the chain this menu belongs to, NULL when none.
    CORXFrameHooks* GetFrameHooks() const;
    // The placeholders of a menu become items: the recent files and the user tools, outside
    // customise mode, whenever the items are built from the menu.
    void ExpandPlaceholders();
    void ExpandRecentFiles();
    void ExpandUserTools();
    void CheckShadow();
    void DrawFinal(CDC* pDC);
    void DrawAnimationFrame(CDC* pDC);
    void ScrollIntoView();
    void CaptureScreen();
    BOOL CanScrollUp() const;
    BOOL CanScrollDown() const;
    void PlaceTearOffStrip(CSize& size);
    BOOL OnTearOffMouse(UINT message, CPoint point);

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnDestroy();
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg int OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message);
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnActivateApp(BOOL bActive, HTASK hTask);
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg LRESULT OnNcHitTest(CPoint point);
    DECLARE_MESSAGE_MAP()
};

#endif // VELMORA_ORXPOPUPMENU_H
