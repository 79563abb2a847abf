// The framework's MDI support: CORXMDIFrameWnd (the MDI main frame with the framework's tool bars
// and menus), CORXMDIClientWnd (the MDI client with a tab per child) and CORXMDIChildWnd (a child
// frame that keeps its tab in step with its title, icon and activation).
#ifndef VELMORA_ORXMDIFRAMEWND_H
#define VELMORA_ORXMDIFRAMEWND_H

#include <afxwin.h>
#include <afxext.h>
#include <afxole.h>

#include "ORXExtrasHooks.h"
#include "ORXFrameImpl.h"
#include "ORXTabWnd.h"

class CORXMDIFrameWnd;
class CORXMDIChildWnd;

// The tab strip of the MDI client. It only shows which child is active: a tab the user chooses is
// told to the client (its owner), which activates the child and then moves the tab after it.
class CORXMDITabWnd : public CORXTabWnd
{
    DECLARE_DYNCREATE(CORXMDITabWnd)
public:
    CORXMDITabWnd();
    // The options the MDI client needs: the tabs neither hide, size nor destroy the children.
    void SetMDIOptions();
};

class CORXMDIClientWnd : public CWnd
{
    DECLARE_DYNAMIC(CORXMDIClientWnd)
public:
    CORXMDIClientWnd();
    virtual ~CORXMDIClientWnd();

    // Shows (or hides) the tabs: location CORXTabWnd::LOCATION_BOTTOM or _TOP, icons and a close
    // button; the frame lays itself out again.
    void EnableMDITabs(BOOL bEnable = TRUE, BOOL bIcons = TRUE,
                       CORXTabWnd::Location tabLocation = CORXTabWnd::LOCATION_BOTTOM,
                       BOOL bCloseButton = FALSE);
    BOOL AreMDITabs() const { return m_bTabsEnabled; }
    void ActivateTabOf(HWND hWndChild);
    void UpdateTabs(BOOL bSetActiveTabVisible = FALSE);
    CORXMDITabWnd& GetTabWnd() { return m_wndTab; }
    CORXMDIFrameWnd* GetMDIFrame() const;

    virtual void PreSubclassWindow();
    virtual void CalcWindowRect(LPRECT lpClientRect, UINT nAdjustType = adjustBorder);

    // Fields
public:
    CORXMDITabWnd m_wndTab;
    CORXTabWnd::Location m_tabLocation;
    BOOL m_bTabsEnabled;
    CImageList m_ImageList;
    BOOL m_bShowIcons;
    BOOL m_bCloseButton;

protected:
    // The image of a child's icon. Images are kept per child window: an icon handle that one child
    // gave up and another got later must not bring the first child's image along.
    int ImageOfChild(HWND hWndChild, HICON hIcon);
    void ForgetChild(HWND hWndChild);
    struct ChildImage
    {
        HICON hIcon;
        int iImage;
    };
    CMap<HWND, HWND, ChildImage, const ChildImage&> m_mapChildImages;
    CArray<int, int> m_arFreeImages;

    // The tab of a child with no window object of its own holds one of the client's: a temporary
    // object would be deleted at the next idle time while the tab still points to it.
    CWnd* WindowOfChild(HWND hWndChild);
    void ReleaseWindowOfChild(HWND hWndChild);
    void ReleaseGoneChildren(BOOL bAll = FALSE);
    CMap<HWND, HWND, CWnd*, CWnd*> m_mapChildWindows;

    afx_msg void OnDestroy();

    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg LRESULT OnSetMenu(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnRefreshMenu(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnMDIDestroy(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnUpdateTabsMsg(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnTabChosen(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()
};

class CORXMDIFrameWnd : public CMDIFrameWnd, public CORXFrameImplHolder, public CORXFrameHooks
{
    DECLARE_DYNCREATE(CORXMDIFrameWnd)
public:
    CORXMDIFrameWnd();
    virtual ~CORXMDIFrameWnd();

    // Operations
    void SetMenuBar(CORXMenuBar* pMenuBar) { m_Impl.SetMenuBar(pMenuBar); }
    void EnableUserToolbars(UINT uiFirstID, UINT uiLastID) { m_Impl.SetUserToolbarIds(uiFirstID, uiLastID); }
    void EnableMDITabs(BOOL bEnable = TRUE, BOOL bIcons = TRUE,
                       CORXTabWnd::Location tabLocation = CORXTabWnd::LOCATION_BOTTOM,
                       BOOL bCloseButton = FALSE)
    {
        m_wndClientArea.EnableMDITabs(bEnable, bIcons, tabLocation, bCloseButton);
    }
    // The command (0: none) and text of the item that opens the Windows dialog; with bAlways it
    // shows in the window list's pop-ups even with nine children or fewer.
    void EnableWindowsDialog(UINT uiCmd, LPCTSTR lpszText, BOOL bAlways = FALSE);
    // Runs the Windows dialog over the frame's children.
    void ShowWindowsDialog();
    CORXMDIClientWnd& GetClientArea() { return m_wndClientArea; }
    static BOOL ShowPopupMenu(CFrameWnd* pFrame, CORXPopupMenu* pMenu);

    // Overridables
    virtual HMENU GetWindowMenuPopup(HMENU hMenuBar);
    // The MDI client's new frame menu: FALSE leaves it to the window; TRUE when the menu bar took it.
    virtual BOOL OnSetMenu(HMENU hMenu);
    virtual BOOL OnShowPopupMenu(CORXPopupMenu* pMenu) { return TRUE; }
    virtual void OnClosePopupMenu(CORXPopupMenu* pMenu);
    virtual BOOL OnGetButtonToolTip(const CORXToolbarButton* pButton, CString& strTTText) { return FALSE; }
    virtual BOOL OnEraseMDIClientBackground(CDC* pDC) { return FALSE; }
    // The bar's id lies in the range given to EnableUserToolbars.
    BOOL IsUserDefinedToolbar(const CORXToolBar* pBar) const override
    {
        return m_Impl.IsUserDefinedToolbar(pBar);
    }
    virtual BOOL OnPopupTearOff(CORXPopupMenu* pMenu, CControlBar* pBar) { return TRUE; }
    virtual BOOL OnTearOffMenu(CORXPopupMenu* pMenu, CControlBar* pBar)
    {
        return OnPopupTearOff(pMenu, pBar);
    }
    // The item active in place in the active child's view, NULL when none; each step (frame, view,
    // document) is checked.
    virtual COleClientItem* GetInPlaceActiveItem();

    // Overrides
    // Its hooks beside what the frame helper's holder offers.
    virtual void* OfferFrameInterface(const std::type_info& iface);
    virtual CORXFrameImpl& GetFrameImpl() { return m_Impl; }
    virtual BOOL ApproveFramePopupMenu(CORXPopupMenu* pMenu) { return ShowPopupMenu(this, pMenu); }
    virtual BOOL PreTranslateMessage(MSG* pMsg);
    virtual BOOL PreCreateWindow(CREATESTRUCT& cs);
    virtual BOOL LoadFrame(UINT nIDResource, DWORD dwDefaultStyle = WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE,
                           CWnd* pParentWnd = NULL, CCreateContext* pContext = NULL);
    virtual BOOL WinHelp(DWORD_PTR dwData, UINT nCmd = HELP_CONTEXT);
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
    virtual BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo);
    virtual void OnUpdateFrameMenu(HMENU hMenuAlt);
    virtual BOOL OnCreateClient(LPCREATESTRUCT lpcs, CCreateContext* pContext);
    virtual void OnSetPreviewMode(BOOL bPreview, CPrintPreviewState* pState);

    // Fields
public:
    CORXMDIClientWnd m_wndClientArea;
    HMENU m_hmenuWindow;
    CORXFrameImpl m_Impl;
    UINT m_uiIDResource;
    BOOL m_bContextHelp;
    BOOL m_bDoSubclass;
    UINT m_uiWindowsDlgMenuId;
    CString m_strWindowsDlgMenuText;
    BOOL m_bShowWindowsDlgAlways;
    DWORD m_dwReserved;

    afx_msg void OnContextHelp();

protected:
    static BOOL AskFrame(CFrameWnd* pFrame, CORXPopupMenu* pMenu);
    BOOL HasUIActiveItem();
    void AddWindowList(CORXPopupMenu* pMenu);
    afx_msg LRESULT OnMenuChar(UINT nChar, UINT nFlags, CMenu* pMenu);
    afx_msg void OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized);
    afx_msg void OnClose();
    afx_msg void OnDestroy();
    afx_msg void OnWindowPosChanged(WINDOWPOS* lpwndpos);
    afx_msg LRESULT OnToolbarCreateNew(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnToolbarDelete(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()
};

class CORXMDIChildWnd : public CMDIChildWnd
{
    DECLARE_DYNCREATE(CORXMDIChildWnd)
public:
    CORXMDIChildWnd();
    virtual ~CORXMDIChildWnd();

    virtual BOOL PreTranslateMessage(MSG* pMsg);
    virtual void OnUpdateFrameTitle(BOOL bAddToTitle);
    virtual CString GetFrameText() const;
    virtual HICON GetFrameIcon() const;
    virtual void OnMDIActivate(BOOL bActivate, CWnd* pActivateWnd, CWnd* pDeactivateWnd);

    CORXMDIFrameWnd* m_pMDIFrame;
    BOOL m_bToBeDestroyed; // the client removed the tab: the child is going

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg LRESULT OnSetText(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnSetIcon(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()
};

#endif // VELMORA_ORXMDIFRAMEWND_H
