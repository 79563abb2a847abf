// ToolBarDemo: a frame with the framework's tool bar at the top, for driving the bar from outside.
// Every command the frame receives and every status-text request is appended to the log file named
// on the command line; after each layout the buttons' screen rectangles are written there too.
#include <afxwin.h>
#include <afxext.h>
#include <afxpriv.h>

#include <afxcmn.h>

#include "DemoButtons.h"
#include "DemoMenuBar.h"
#include "DemoControls.h"
#include "DemoCustomize.h"
#include "DemoDropDown.h"
#include "DemoReBar.h"
#include "DemoPages.h"
#include "DemoDock.h"
#include "DemoTearOff.h"
#include "DemoSizing.h"
#include "DemoIds.h"
#include "DemoMenus.h"
#include "ORXContextMenuManager.h"
#include "ORXPopupMenu.h"
#include "ORXRegistry.h"
#include "ORXToolBar.h"
#include "ORXToolbarMenuButton.h"
#include "ORXWorkspace.h"
#include "DemoLog.h"

namespace
{
// With "/state" first on the command line the program loads its saved bars at start and saves them
// when its window closes.
BOOL g_bKeepState = FALSE;
CORXWorkspace* g_pWorkspace = NULL;
// With "/menubar" first on the command line the frame's menu becomes the framework's menu bar.
BOOL g_bMenuBar = FALSE;
// With "/controls" first on the command line the frame gets the bar of hosted controls.
BOOL g_bControls = FALSE;
// With "/rebar" next on the command line the frame gets a re-bar of three bands.
BOOL g_bReBar = FALSE;
// With "/pages" (after "/controls") a Tools menu opens the keyboard and menu customise pages.
BOOL g_bPages = FALSE;
// With "/dock" (after "/controls", before "/state") the bars dock and float.
BOOL g_bDock = FALSE;
// With "/sizing" (after "/controls", before "/state") the frame gets the sizing bars.
BOOL g_bSizing = FALSE;
// With "/customize" (after "/sizing", before "/state") the frame gets a second bar and the customise command.
BOOL g_bCustomize = FALSE;
// With "/menus" (after "/menubar", before the others) the main bar gets a chevron and the second bar
// a File menu with the recent files.
BOOL g_bMenus = FALSE;

} // namespace

class CDemoFrame : public CFrameWnd
{
public:
    CORXToolBar m_wndToolBar;
    CDemoButtons m_buttons;
    CDemoControls m_controls;
    CDemoDropDown m_dropDown;
    CDemoReBar m_reBar;
    CDemoPages m_pages;
    CDemoSizing m_sizing;
    CDemoCustomize m_customize;
    CORXToolBar m_wndMenuBar;
    BOOL m_bCheck = FALSE;
    CDemoMenuBar m_menuBar;
    CDemoMenus m_menus;

    void LogButtons()
    {
        DemoLog("layout %d", m_wndToolBar.GetCount());
        for (int i = 0; i < m_wndToolBar.GetCount(); i++)
        {
            CRect rect;
            m_wndToolBar.GetItemRect(i, rect);
            m_wndToolBar.ClientToScreen(rect);
            DemoLog("button %d %u %ld %ld %ld %ld", i, m_wndToolBar.GetItemID(i), rect.left, rect.top,
                    rect.right, rect.bottom);
        }
        if (m_wndMenuBar.GetSafeHwnd() != NULL && m_wndMenuBar.GetCount() > 0)
        {
            CRect rect;
            m_wndMenuBar.GetItemRect(0, rect);
            m_wndMenuBar.ClientToScreen(rect);
            DemoLog("menubutton %ld %ld %ld %ld", rect.left, rect.top, rect.right, rect.bottom);
        }
        m_dropDown.LogLayout();
        m_reBar.LogLayout();
        if (g_bMenus)
            m_menus.LogLayout();
    }
    // Where the docking bars are after every layout: drags and double clicks end in one.
    virtual void RecalcLayout(BOOL bNotify = TRUE)
    {
        CFrameWnd::RecalcLayout(bNotify);
        if (g_bDock && m_wndToolBar.GetSafeHwnd() != NULL)
            CDemoDock::LogBars(this, DemoLog);
        if (g_bMenus && m_wndMenuBar.GetSafeHwnd() != NULL)
            m_menus.LogLayout();
    }

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct)
    {
        if (CFrameWnd::OnCreate(lpCreateStruct) == -1)
            return -1;
        if (g_bPages && !m_pages.Create(this, DemoLog))
            return -1;
        if (g_bMenuBar && !m_menuBar.Create(this, IDR_DEMO_MAINFRAME, DemoLog))
            return -1;
        if (!m_wndToolBar.Create(this, WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_TOOLTIPS | CBRS_FLYBY) ||
            !m_wndToolBar.LoadToolBar(IDR_DEMO_TOOLBAR))
            return -1;
        m_wndToolBar.SetWindowText(_T("Standard"));
        if (g_bPages && !CDemoPages::AddKeyedButton(&m_wndToolBar))
            return -1;
        if (!m_buttons.Create(this, DemoLog))
            return -1;
        if (g_bControls && !m_controls.Create(this, DemoLog))
            return -1;
        if (!m_dropDown.Create(this, DemoLog))
            return -1;
        if (g_bReBar && !m_reBar.Create(this, DemoLog))
            return -1;
        if (g_bSizing && !m_sizing.Create(this, DemoLog))
            return -1;
        if (g_bCustomize && !m_customize.Create(this, &m_wndToolBar, DemoLog))
            return -1;
        // A second bar with a menu button, its items from the demonstration menu.
        if (!m_wndMenuBar.Create(this, WS_CHILD | WS_VISIBLE | CBRS_TOP, AFX_IDW_TOOLBAR + 1))
            return -1;
        CMenu menu;
        if (menu.LoadMenu(IDR_DEMO_MENU))
        {
            CORXToolbarMenuButton* pMenuButton =
                new CORXToolbarMenuButton(0, menu.GetSubMenu(0)->GetSafeHmenu(), -1, _T("&Menu"));
            pMenuButton->m_bText = TRUE;
            if (m_wndMenuBar.InsertButton(pMenuButton) < 0)
                delete pMenuButton;
        }
        if (g_bMenus && !m_menus.Create(this, &m_wndToolBar, &m_wndMenuBar, DemoLog))
            return -1;
        if (g_bDock)
        {
            CControlBar* bars[] = {&m_wndToolBar, &m_wndMenuBar};
            CDemoDock::Dock(this, bars, 2);
        }
        SetTimer(kToolTipTimer, 200, NULL);
        return 0;
    }
    // The text of the tool the thread's tool-tip control holds, logged when it changes.
    afx_msg void OnTimer(UINT_PTR nIDEvent)
    {
        if (nIDEvent != kToolTipTimer)
        {
            CFrameWnd::OnTimer(nIDEvent);
            return;
        }
        CToolTipCtrl* pTip = AfxGetThreadToolTip();
        if (pTip == NULL || pTip->GetSafeHwnd() == NULL)
            return;
        TOOLINFO ti;
        memset(&ti, 0, sizeof(ti));
        ti.cbSize = sizeof(ti);
        CString strText;
        if (pTip->SendMessage(TTM_ENUMTOOLS, 0, (LPARAM)&ti))
        {
            TCHAR szText[256] = {};
            ti.lpszText = szText;
            pTip->SendMessage(TTM_GETTEXT, 0, (LPARAM)&ti);
            strText = szText;
        }
        if (strText != m_strLastTip)
        {
            m_strLastTip = strText;
            DemoLog("tooltip %s", (LPCTSTR)strText);
        }
    }
    static const UINT_PTR kToolTipTimer = 77;
    CString m_strLastTip;
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam)
    {
        UINT nID = LOWORD(wParam);
        if ((nID >= ID_DEMO_NEW && nID <= ID_DEMO_LARGE) ||
            (nID >= ID_DEMO_MENU_FIRST && nID <= ID_DEMO_MENU_CHECK) ||
            (nID >= ID_DEMO_TALL_FIRST && nID <= ID_DEMO_TALL_LAST))
            DemoLog("command %u", nID);
        m_buttons.OnCommand(wParam);
        if (g_bMenus && m_menus.OnCommand(wParam))
            return TRUE;
        if (g_bControls)
            m_controls.OnCommand(wParam);
        if (m_dropDown.OnCommand(wParam))
            return TRUE;
        if (g_bSizing && m_sizing.OnCommand(wParam))
            return TRUE;
        if (g_bCustomize && m_customize.OnCommand(wParam))
            return TRUE;
        return CFrameWnd::OnCommand(wParam, lParam);
    }
    afx_msg LRESULT OnSetMessageString(WPARAM wParam, LPARAM lParam)
    {
        DemoLog("status %u", (UINT)wParam);
        return 0;
    }
    afx_msg void OnDemoCommand() {}
    afx_msg void OnCheck() { m_bCheck = !m_bCheck; }
    afx_msg void OnMenuCheck() { m_bMenuCheck = !m_bMenuCheck; }
    afx_msg void OnUpdateMenuCheck(CCmdUI* pCmdUI) { pCmdUI->SetCheck(m_bMenuCheck); }
    afx_msg void OnUpdateGreyed(CCmdUI* pCmdUI) { pCmdUI->Enable(FALSE); }
    afx_msg void OnTallCommand(UINT) {}
    // The demonstration menu as a context menu at the point, shown by the application's
    // context-menu manager, which keeps the loaded menu.
    afx_msg void OnContextMenu(CWnd*, CPoint point)
    {
        if (ORXContextMenuManager() == NULL ||
            !ORXContextMenuManager()->ShowPopupMenu(IDR_DEMO_MENU, point.x, point.y, this))
            DemoLog("context menu failed");
        else
            DemoLog("context menu %ld %ld", point.x, point.y);
    }
    afx_msg void OnTallMenu()
    {
        HMENU hMenu = ::CreatePopupMenu();
        for (UINT nID = ID_DEMO_TALL_FIRST; nID <= ID_DEMO_TALL_LAST; nID++)
        {
            CString strText;
            strText.Format(_T("Tall item %u"), nID - ID_DEMO_TALL_FIRST + 1);
            ::AppendMenuA(hMenu, MF_STRING, nID, strText);
        }
        CRect rect;
        GetClientRect(rect);
        ClientToScreen(rect);
        CORXPopupMenu* pMenu = new CORXPopupMenu;
        if (!pMenu->Create(this, rect.left + 200, rect.top + 20, hMenu, FALSE, TRUE))
            DemoLog("tall menu failed");
    }
    BOOL m_bMenuCheck = TRUE;
    afx_msg void OnUpdateSave(CCmdUI* pCmdUI) { pCmdUI->Enable(FALSE); }
    afx_msg void OnUpdateCheck(CCmdUI* pCmdUI) { pCmdUI->SetCheck(m_bCheck); }
    afx_msg void OnTextLabels()
    {
        m_wndToolBar.EnableTextLabels(!m_wndToolBar.AreTextLabels());
        RecalcLayout();
        LogButtons();
    }
    afx_msg void OnLargeIcons()
    {
        CORXToolBar::SetLargeIcons(!CORXToolBar::IsLargeIcons());
        RecalcLayout();
        LogButtons();
    }
    afx_msg void OnChangeBar()
    {
        int iSave = m_wndToolBar.CommandToIndex(ID_DEMO_SAVE);
        if (iSave >= 0)
            m_wndToolBar.RemoveButton(iSave);
        CORXToolbarButton* pAlarm =
            new CORXToolbarButton(ID_DEMO_ALARM, CORXToolBar::GetDefaultImage(ID_DEMO_ALARM));
        if (m_wndToolBar.InsertButton(pAlarm, 0) < 0)
            delete pAlarm;
        m_wndToolBar.AdjustLayout();
        RecalcLayout();
        LogButtons();
    }
    afx_msg void OnSysCommand(UINT nID, LPARAM lParam)
    {
        if (g_bMenus && m_menus.OnSysCommand(nID, lParam))
            return;
        if (!m_menuBar.OnSysCommand(nID, lParam))
            CFrameWnd::OnSysCommand(nID, lParam);
    }
    afx_msg void OnCustomize() { m_pages.OnCommand(ID_DEMO_PAGES_CUSTOMIZE); }
    afx_msg void OnClose()
    {
        if (g_bKeepState && g_pWorkspace != NULL)
        {
            DemoLog("state saved %d", g_pWorkspace->SaveState(NULL, this));
            g_pWorkspace->SaveWindowPlacement(this);
        }
        CFrameWnd::OnClose();
    }
    afx_msg void OnSize(UINT nType, int cx, int cy)
    {
        CFrameWnd::OnSize(nType, cx, cy);
        if (m_wndToolBar.GetSafeHwnd() != NULL)
            LogButtons();
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CDemoFrame, CFrameWnd)
ON_WM_CREATE()
ON_WM_SIZE()
ON_WM_TIMER()
ON_MESSAGE(WM_SETMESSAGESTRING, OnSetMessageString)
ON_COMMAND(ID_DEMO_NEW, OnDemoCommand)
ON_COMMAND(ID_DEMO_OPEN, OnDemoCommand)
ON_COMMAND(ID_DEMO_SAVE, OnDemoCommand)
ON_COMMAND(ID_DEMO_BOLD, OnDemoCommand)
ON_COMMAND(ID_DEMO_ALARM, OnDemoCommand)
ON_COMMAND(ID_DEMO_COMBO, OnDemoCommand)
ON_COMMAND(ID_DEMO_EDIT, OnDemoCommand)
ON_COMMAND(ID_DEMO_CHECK, OnCheck)
ON_UPDATE_COMMAND_UI(ID_DEMO_SAVE, OnUpdateSave)
ON_UPDATE_COMMAND_UI(ID_DEMO_CHECK, OnUpdateCheck)
ON_COMMAND(ID_DEMO_MENU_FIRST, OnDemoCommand)
ON_COMMAND(ID_DEMO_MENU_INNER1, OnDemoCommand)
ON_COMMAND(ID_DEMO_MENU_INNER2, OnDemoCommand)
ON_COMMAND(ID_DEMO_MENU_GREYED, OnDemoCommand)
ON_COMMAND(ID_DEMO_MENU_LAST, OnDemoCommand)
ON_COMMAND(ID_DEMO_MENU_CHECK, OnMenuCheck)
ON_UPDATE_COMMAND_UI(ID_DEMO_MENU_CHECK, OnUpdateMenuCheck)
ON_UPDATE_COMMAND_UI(ID_DEMO_MENU_GREYED, OnUpdateGreyed)
ON_WM_CONTEXTMENU()
ON_COMMAND(ID_DEMO_TALLMENU, OnTallMenu)
ON_COMMAND_RANGE(ID_DEMO_TALL_FIRST, ID_DEMO_TALL_LAST, OnTallCommand)
ON_COMMAND_RANGE(ID_FILE_MRU_FILE1, ID_FILE_MRU_FILE16, OnTallCommand)
ON_COMMAND(ID_DEMO_MENUS_CUSTOMIZE, OnDemoCommand)
ON_COMMAND(ID_DEMO_TEXTLABELS, OnTextLabels)
ON_COMMAND(ID_DEMO_LARGEICONS, OnLargeIcons)
ON_COMMAND(ID_DEMO_CHANGEBAR, OnChangeBar)
ON_COMMAND(ID_DEMO_DIALOG, OnDemoCommand)
ON_WM_CLOSE()
ON_WM_SYSCOMMAND()
ON_COMMAND(ID_DEMO_PAGES_CUSTOMIZE, OnCustomize)
END_MESSAGE_MAP()

class CDemoApp : public CWinApp
{
public:
    virtual BOOL InitInstance()
    {
        // The command line is the log's path behind the options that pick the frame's parts; each
        // option is taken off the front as it is read.
        CString strArgs = m_lpCmdLine;
        strArgs.TrimLeft();
        strArgs.TrimRight();
        if (CDemoTearOff::Wanted(strArgs))
        {
            DemoSetLog(strArgs);
            m_bTearOff = TRUE;
            return CDemoTearOff::Run(this, DemoLog);
        }
        if (strArgs.Left(9) == _T("/menubar "))
        {
            g_bMenuBar = TRUE;
            strArgs = strArgs.Mid(9);
            strArgs.TrimLeft();
        }
        g_bMenus = CDemoMenus::Wanted(strArgs);
        g_bControls = CDemoControls::Wanted(strArgs);
        g_bReBar = CDemoReBar::Wanted(strArgs);
        g_bPages = CDemoPages::Wanted(strArgs);
        g_bDock = CDemoDock::Wanted(strArgs);
        g_bSizing = CDemoSizing::Wanted(strArgs);
        g_bCustomize = CDemoCustomize::Wanted(strArgs);
        if (strArgs.Left(7) == _T("/state "))
        {
            g_bKeepState = TRUE;
            strArgs = strArgs.Mid(7);
            strArgs.TrimLeft();
            SetRegistryKey(_T("Quendra Labs"));
            m_workspace.SetRegistryBase(_T("DemoState"));
            g_pWorkspace = &m_workspace;
        }
        DemoSetLog(strArgs);
        // The bars take dropped buttons only with OLE started before they are made.
        if (g_bCustomize && !AfxOleInit())
            DemoLog("OLE not started");
        // The context menus are known before the saved state is loaded, which holds their items.
        m_pContextMenus = new CORXContextMenuManager;
        if (!m_pContextMenus->AddMenu(_T("Demo"), IDR_DEMO_MENU))
            DemoLog("context menu not added");
        CDemoFrame* pFrame = new CDemoFrame;
        CRect rectFrame(300, 300, 780, 500);
        if (g_bSizing)
            CDemoSizing::AdjustFrameRect(rectFrame);
        if (!pFrame->Create(NULL, _T("Tool bar demonstration"), WS_OVERLAPPEDWINDOW, rectFrame, NULL,
                            MAKEINTRESOURCE(IDR_DEMO_MAINFRAME)))
            return FALSE;
        // The demonstration's parts take their commands in OnCommand, not through the message map,
        // so nothing would count as handled and every menu item would be greyed.
        pFrame->m_bAutoMenuEnable = FALSE;
        m_pMainWnd = pFrame;
        if (g_bKeepState)
        {
            // Whether an earlier run saved anything: loading itself answers TRUE either way.
            BOOL bFound = FALSE;
            {
                CORXRegistrySP regSP;
                bFound = regSP.CreateRegistry(FALSE, TRUE)
                             .Open(m_workspace.GetRegistrySectionPath(_T("ORXControlBarVersion")));
            }
            DemoLog("state found %d", bFound);
            DemoLog("state loaded %d", m_workspace.LoadState(NULL, pFrame));
            m_workspace.RestoreWindowPlacement(pFrame);
        }
        // Above the windows other programs of the session may leave on the desktop: the test
        // moves the real mouse over the buttons.
        pFrame->SetWindowPos(&CWnd::wndTopMost, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
        pFrame->ShowWindow(SW_SHOW);
        pFrame->UpdateWindow();
        pFrame->RecalcLayout();
        pFrame->LogButtons();
        pFrame->m_menuBar.LogItems();
        if (g_bControls)
            pFrame->m_controls.LogPlaces();
        DemoLog("menus animation %d", CORXPopupMenu::GetAnimationType());
        DemoLog("ready");
        return TRUE;
    }
    // The open pop-up menus take the keys, wherever the focus is, before any window sees them.
    virtual BOOL PreTranslateMessage(MSG* pMsg)
    {
        if (pMsg->message == WM_KEYDOWN)
            DemoLog("key %u %d", (UINT)pMsg->wParam, CORXPopupMenu::GetActiveMenu() != NULL);
        if (CORXPopupMenu::PreTranslateForMenu(pMsg))
            return TRUE;
        return CWinApp::PreTranslateMessage(pMsg);
    }
    virtual int ExitInstance()
    {
        g_pWorkspace = NULL;
        if (m_bTearOff)
            CDemoTearOff::CleanUp();
        delete m_pContextMenus;
        m_pContextMenus = NULL;
        ORXCleanUpGlobals();
        return CWinApp::ExitInstance();
    }
    CORXWorkspace m_workspace;
    CORXContextMenuManager* m_pContextMenus = NULL;
    BOOL m_bTearOff = FALSE;
};

CDemoApp theApp;
