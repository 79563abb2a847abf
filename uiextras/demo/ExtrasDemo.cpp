// ExtrasDemo: a frame with the framework's tool bar and the extras' controls, for driving them
// from outside. Every command, look change, masked value and list change is appended to the log
// file named on the command line, so that tests read the program's state, not only its pixels.
#include <afxwin.h>
#include <afxext.h>
#include <afxcmn.h>

#include <stdio.h>

#include "ColorDemo.h"
#include "DemoSupport.h"
#include "CustomizeDemo.h"
#include "AppearanceDemo.h"
#include "ExtrasIds.h"
#include "OutlookDemo.h"
#include "MdiDemo.h"
#include "ORXColorMenuButton.h"
#include "ORXEditListBox.h"
#include "ORXGlobalData.h"
#include "ORXMaskEdit.h"
#include "ORXPopupMenu.h"
#include "ORXSpinButtonCtrl.h"
#include "ORXTabWnd.h"
#include "ORXToolBar.h"
#include "ORXVisualManagerXP.h"
#include "ORXWinXPVisualManager.h"
#include "ORXWorkspace.h"
#include "TasksPaneDemo.h"
#include "PropListDemo.h"

namespace
{
const UINT WM_APP_LOGTABS = WM_APP + 1;

void LogRect(LPCTSTR pszWhat, CWnd* pWnd)
{
    CRect rect;
    pWnd->GetWindowRect(rect);
    DemoLog("%s %ld %ld %ld %ld", pszWhat, rect.left, rect.top, rect.right, rect.bottom);
}

// The list of the demonstration: every change of its rows is logged.
class CDemoEditList : public CORXEditListBox
{
public:
    void LogRows()
    {
        CString strRows;
        for (int i = 0; i < GetCount(); i++)
            strRows += (i > 0 ? _T(";") : _T("")) + GetItemText(i);
        DemoLog("rows %s", (LPCTSTR)strRows);
    }
    void OnClickButton(int iButton) override
    {
        CORXEditListBox::OnClickButton(iButton);
        LogRows();
    }
    void OnEndEditLabel(LPCTSTR lpszLabel) override
    {
        CORXEditListBox::OnEndEditLabel(lpszLabel);
        LogRows();
    }
};

// The spin control of the demonstration: each state it paints is logged.
class CDemoSpin : public CORXSpinButtonCtrl
{
protected:
    afx_msg void OnPaint()
    {
        const int nState = GetDrawState();
        if (nState != m_nLastState)
            DemoLog("spin %d", nState);
        m_nLastState = nState;
        CORXSpinButtonCtrl::OnPaint();
    }
    int m_nLastState = -1;
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CDemoSpin, CORXSpinButtonCtrl)
ON_WM_PAINT()
END_MESSAGE_MAP()

// The panel below the tool bar that holds the controls and hears their notifications.
class CDemoPanel : public CWnd
{
public:
    CORXMaskEdit m_wndMask;
    CDemoEditList m_wndList;
    CEdit m_wndBuddy;
    CDemoSpin m_wndSpin;
    CORXHeaderCtrl m_wndHeader;
    CORXTabWnd m_wndTabs;
    CStatic m_wndTabPages[3];
    CORXColorButton m_wndColor;
    CORXColorBar m_wndColorBar;

    BOOL Create(CWnd* pParent)
    {
        if (!CreateEx(
                0, AfxRegisterWndClass(0, ::LoadCursor(NULL, IDC_ARROW), ::GetSysColorBrush(COLOR_BTNFACE)),
                _T(""), WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, CRect(0, 0, 0, 0), pParent,
                AFX_IDW_PANE_FIRST))
            return FALSE;
        CFont* pFont = &globalData.fontRegular;
        m_wndMask.EnableMask(_T("DD DD DDDD"), _T("__/__/____"), _T('_'));
        if (!m_wndMask.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL,
                              CRect(10, 10, 130, 32), this, IDC_EXTRAS_MASKEDIT))
            return FALSE;
        m_wndMask.SetFont(pFont);
        if (!m_wndList.Create(_T("Tools"), WS_VISIBLE | WS_TABSTOP | WS_BORDER, CRect(10, 42, 230, 190), this,
                              IDC_EXTRAS_LIST))
            return FALSE;
        m_wndList.SetFont(pFont);
        m_wndList.SetStandardButtons();
        m_wndList.AddItem(_T("Notepad"));
        m_wndList.AddItem(_T("Calculator"));
        if (!m_wndBuddy.CreateEx(WS_EX_CLIENTEDGE, _T("EDIT"), _T("5"),
                                 WS_CHILD | WS_VISIBLE | ES_NUMBER | ES_AUTOHSCROLL, CRect(150, 10, 190, 32),
                                 this, IDC_EXTRAS_BUDDY))
            return FALSE;
        m_wndBuddy.SetFont(pFont);
        if (!m_wndSpin.Create(WS_CHILD | WS_VISIBLE | UDS_ARROWKEYS | UDS_SETBUDDYINT,
                              CRect(190, 10, 206, 32), this, IDC_EXTRAS_SPIN))
            return FALSE;
        m_wndSpin.SetRange(0, 99);
        m_wndSpin.SetPos(5);
        if (!m_wndHeader.Create(WS_CHILD | WS_VISIBLE | HDS_BUTTONS | HDS_HOTTRACK, CRect(250, 10, 470, 34),
                                this, IDC_EXTRAS_HEADER))
            return FALSE;
        m_wndHeader.SetFont(pFont);
        LPCTSTR names[] = {_T("Name"), _T("Size"), _T("Date")};
        for (int i = 0; i < 3; i++)
        {
            HDITEM item = {0};
            item.mask = HDI_TEXT | HDI_WIDTH | HDI_FORMAT;
            item.cxy = 60;
            item.fmt = HDF_LEFT | HDF_STRING;
            item.pszText = (LPTSTR)names[i];
            m_wndHeader.InsertItem(i, &item);
        }
        // Three tabs, each a window that shows its name; they can be dragged to another place and
        // renamed by a double click.
        if (!m_wndTabs.Create(CORXTabWnd::STYLE_3D, CRect(250, 44, 480, 190), this, IDC_EXTRAS_TABS))
            return FALSE;
        LPCTSTR tabNames[] = {_T("Hours"), _T("Minutes"), _T("Seconds")};
        for (int i = 0; i < 3; i++)
        {
            if (!m_wndTabPages[i].Create(tabNames[i], WS_CHILD | WS_VISIBLE | SS_CENTER | SS_CENTERIMAGE,
                                         CRect(0, 0, 0, 0), &m_wndTabs, IDC_EXTRAS_TABPAGE + i))
                return FALSE;
            m_wndTabPages[i].SetFont(pFont);
            m_wndTabs.AddTab(&m_wndTabPages[i], tabNames[i]);
        }
        m_wndTabs.EnableTabSwap(TRUE);
        m_wndTabs.EnableInPlaceEdit(TRUE);
        if (!m_wndColor.Create(_T(""), WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_OWNERDRAW,
                               CRect(10, 200, 60, 222), this, IDC_EXTRAS_COLORBUTTON))
            return FALSE;
        m_wndColor.EnableAutomaticButton(_T("Automatic"), RGB(0, 0, 0));
        if (!m_wndColorBar.CreateControl(this, CRect(80, 200, 230, 300), IDC_EXTRAS_COLORBAR))
            return FALSE;
        return TRUE;
    }
    // The tabs in their order, the active one, the pages on show and where each tab is on the screen.
    void LogTabs()
    {
        CString strOrder, strShown;
        for (int i = 0; i < m_wndTabs.GetTabsNum(); i++)
        {
            CString strLabel;
            m_wndTabs.GetTabLabel(i, strLabel);
            strOrder += (i > 0 ? _T(";") : _T("")) + strLabel;
            CWnd* pPage = m_wndTabs.GetTabWindow(i);
            if (pPage != NULL && (pPage->GetStyle() & WS_VISIBLE) != 0)
            {
                CString strText;
                pPage->GetWindowText(strText);
                strShown += (strShown.IsEmpty() ? _T("") : _T(";")) + strText;
            }
        }
        DemoLog("tabs active=%d order=%s shown=%s", m_wndTabs.GetActiveTab(), (LPCTSTR)strOrder,
                (LPCTSTR)strShown);
        for (int i = 0; i < m_wndTabs.GetTabsNum(); i++)
        {
            CRect rect;
            m_wndTabs.GetTabRect(i, rect);
            m_wndTabs.ClientToScreen(rect);
            DemoLog("tabrect %d %ld %ld %ld %ld", i, rect.left, rect.top, rect.right, rect.bottom);
        }
    }
    void LogPlaces()
    {
        LogRect(_T("place mask"), &m_wndMask);
        LogRect(_T("place list"), &m_wndList);
        LogRect(_T("place spin"), &m_wndSpin);
        LogRect(_T("place header"), &m_wndHeader);
        LogRect(_T("place colourbutton"), &m_wndColor);
        DemoLogColorCells(_T("barcell"), m_wndColorBar, 0);
        for (int i = 0; i < m_wndList.GetButtonCount(); i++)
        {
            CString strWhat;
            strWhat.Format(_T("place listbutton %d"), i);
            LogRect(strWhat, m_wndList.GetButton(i));
        }
    }

protected:
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
    {
        if (message == ORXM_ONCHANGE_ACTIVE_TAB)
            DemoLog("tabchange %d %d", (int)wParam, (int)lParam);
        else if (message == ORXM_ON_MOVE_TAB)
            DemoLog("tabmove %d %d", (int)wParam, (int)lParam);
        else if (message == ORXM_ON_RENAME_TAB)
        {
            // The tab window sets the label once this returns.
            DemoLog("tabrename %d %s", (int)wParam, (LPCTSTR)lParam);
            PostMessage(WM_APP_LOGTABS);
        }
        else if (message == WM_APP_LOGTABS)
            LogTabs();
        else
            return CWnd::WindowProc(message, wParam, lParam);
        if (message != ORXM_ON_RENAME_TAB && message != WM_APP_LOGTABS)
            PostMessage(WM_APP_LOGTABS);
        return 0;
    }
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam)
    {
        const BOOL bHandled = CWnd::OnCommand(wParam, lParam);
        if (LOWORD(wParam) == IDC_EXTRAS_MASKEDIT && HIWORD(wParam) == EN_CHANGE)
            DemoLog("mask %s", (LPCTSTR)m_wndMask.GetValue());
        if (LOWORD(wParam) == IDC_EXTRAS_COLORBUTTON && HIWORD(wParam) == BN_CLICKED)
            DemoLog("colourbutton %08X", m_wndColor.GetColor());
        if (LOWORD(wParam) == IDC_EXTRAS_COLORBAR)
            DemoLog("colourbar %08X", m_wndColorBar.GetColor());
        return bHandled;
    }
};
} // namespace

class CExtrasFrame : public CFrameWnd
{
public:
    CORXToolBar m_wndToolBar;
    CORXColorMenuButton* m_pColorButton = NULL; // owned by the tool bar
    CDemoPanel m_wndPanel;
    BOOL m_bCheck = FALSE;

    void LogToolBar()
    {
        CRect rect;
        m_wndToolBar.GetWindowRect(rect);
        DemoLog("toolbar %ld %ld %ld %ld", rect.left, rect.top, rect.right, rect.bottom);
        for (int i = 0; i < m_wndToolBar.GetCount(); i++)
        {
            m_wndToolBar.GetItemRect(i, rect);
            m_wndToolBar.ClientToScreen(rect);
            DemoLog("button %d %u %ld %ld %ld %ld", i, m_wndToolBar.GetItemID(i), rect.left, rect.top,
                    rect.right, rect.bottom);
        }
    }
    void SetLook(CRuntimeClass* pClass, LPCTSTR pszName)
    {
        CORXVisualManager::DestroyInstance();
        CORXVisualManager::SetDefaultManager(pClass);
        CORXVisualManager* pLook = CORXVisualManager::GetInstance();
        CORXVisualManager::RedrawAll();
        RedrawWindow(NULL, NULL, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
        CORXWinXPVisualManager* pThemed = DYNAMIC_DOWNCAST(CORXWinXPVisualManager, pLook);
        if (pThemed != NULL)
        {
            // Which theme classes opened, in the wrapper's order.
            CString strOpen;
            HANDLE* pHandles = &pThemed->m_hThemeToolBar;
            for (int i = 0; i < CORXThemeLibrary::ThemeCount; i++)
                strOpen += pHandles[i] != NULL ? _T("1") : _T("0");
            DemoLog("themes %s", (LPCTSTR)strOpen);
        }
        CORXVisualManagerXP* pXP = DYNAMIC_DOWNCAST(CORXVisualManagerXP, pLook);
        if (pXP != NULL)
            DemoLog("look %s themed=%d bar=%06X hilite=%06X pressed=%06X menu=%06X", pszName,
                    pLook->IsThemedLook(), pXP->GetBarBackgroundColor(), pXP->GetHighlightColor(),
                    pXP->GetPressedHighlightColor(), pXP->GetMenuBackgroundColor());
        else
            DemoLog("look %s themed=%d bar=%06X", pszName, pLook->IsThemedLook(), globalData.clrBarFace);
    }

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct)
    {
        if (CFrameWnd::OnCreate(lpCreateStruct) == -1)
            return -1;
        if (!DemoCreateToolBar(this, m_wndToolBar))
            return -1;
        CORXColorMenuButton* pColor = DemoMakeColorButton(m_wndToolBar, ID_EXTRAS_COLOR, _T("Colour"), TRUE);
        if (m_wndToolBar.InsertButton(pColor) < 0)
        {
            delete pColor;
            return -1;
        }
        m_pColorButton = pColor;
        m_wndToolBar.AdjustLayout();
        if (!m_wndPanel.Create(this))
            return -1;
        return 0;
    }
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam)
    {
        const UINT nID = LOWORD(wParam);
        if ((nID >= ID_EXTRAS_NEW && nID <= ID_EXTRAS_LARGE) ||
            (nID >= ID_EXTRAS_MENU_FIRST && nID <= ID_EXTRAS_MENU_CHECK))
            DemoLog("command %u", nID);
        if (nID == ID_EXTRAS_COLOR)
            DemoLog("colour %08X", CORXColorMenuButton::GetColorByCmdID(ID_EXTRAS_COLOR));
        return CFrameWnd::OnCommand(wParam, lParam);
    }
    afx_msg void OnDemoCommand() {}
    afx_msg void OnCheck() { m_bCheck = !m_bCheck; }
    afx_msg void OnUpdateCheck(CCmdUI* pCmdUI) { pCmdUI->SetCheck(m_bCheck); }
    afx_msg void OnUpdateSave(CCmdUI* pCmdUI) { pCmdUI->Enable(FALSE); }
    afx_msg void OnUpdateGreyed(CCmdUI* pCmdUI) { pCmdUI->Enable(FALSE); }
    afx_msg void OnLookBase() { SetLook(RUNTIME_CLASS(CORXVisualManager), _T("base")); }
    afx_msg void OnLookXP() { SetLook(RUNTIME_CLASS(CORXVisualManagerXP), _T("xp")); }
    afx_msg void OnLookThemed() { SetLook(RUNTIME_CLASS(CORXWinXPVisualManager), _T("themed")); }
    afx_msg void OnShowMenu()
    {
        // The pop-up leaves its resource menu, which then goes without it.
        HMENU hTop = ::LoadMenu(AfxGetResourceHandle(), MAKEINTRESOURCE(IDR_EXTRAS_POPUP));
        HMENU hPopup = hTop != NULL ? ::GetSubMenu(hTop, 0) : NULL;
        if (hPopup == NULL)
        {
            DemoLog("menu not loaded");
            return;
        }
        ::RemoveMenu(hTop, 0, MF_BYPOSITION);
        ::DestroyMenu(hTop);
        CRect rect;
        m_wndToolBar.GetWindowRect(rect);
        CORXPopupMenu* pMenu = new CORXPopupMenu;
        if (!pMenu->Create(this, rect.left + 240, rect.bottom + 4, hPopup, FALSE, TRUE))
        {
            DemoLog("menu failed");
            return;
        }
        pMenu->GetWindowRect(rect);
        DemoLog("menu %ld %ld %ld %ld", rect.left, rect.top, rect.right, rect.bottom);
    }
    afx_msg void OnColorCells()
    {
        CColorPopup* pPopup =
            m_pColorButton != NULL ? DYNAMIC_DOWNCAST(CColorPopup, m_pColorButton->GetPopupMenu()) : NULL;
        if (pPopup == NULL)
            pPopup = m_wndPanel.m_wndColor.GetPopup();
        DemoLogPopupCells(pPopup, demoCellKind);
    }
    afx_msg void OnSize(UINT nType, int cx, int cy)
    {
        CFrameWnd::OnSize(nType, cx, cy);
        if (m_wndToolBar.GetSafeHwnd() != NULL)
            LogToolBar();
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CExtrasFrame, CFrameWnd)
ON_WM_CREATE()
ON_WM_SIZE()
ON_COMMAND(ID_EXTRAS_NEW, OnDemoCommand)
ON_COMMAND(ID_EXTRAS_OPEN, OnDemoCommand)
ON_COMMAND(ID_EXTRAS_SAVE, OnDemoCommand)
ON_COMMAND(ID_EXTRAS_BOLD, OnDemoCommand)
ON_COMMAND(ID_EXTRAS_ALARM, OnDemoCommand)
ON_COMMAND(ID_EXTRAS_LARGE, OnDemoCommand)
ON_COMMAND(ID_EXTRAS_CHECK, OnCheck)
ON_UPDATE_COMMAND_UI(ID_EXTRAS_CHECK, OnUpdateCheck)
ON_UPDATE_COMMAND_UI(ID_EXTRAS_SAVE, OnUpdateSave)
ON_COMMAND(ID_EXTRAS_MENU_FIRST, OnDemoCommand)
ON_COMMAND(ID_EXTRAS_MENU_SECOND, OnDemoCommand)
ON_COMMAND(ID_EXTRAS_MENU_CHECK, OnDemoCommand)
ON_UPDATE_COMMAND_UI(ID_EXTRAS_MENU_GREYED, OnUpdateGreyed)
ON_COMMAND(ID_EXTRAS_LOOK_BASE, OnLookBase)
ON_COMMAND(ID_EXTRAS_LOOK_XP, OnLookXP)
ON_COMMAND(ID_EXTRAS_LOOK_THEMED, OnLookThemed)
ON_COMMAND(ID_EXTRAS_SHOWMENU, OnShowMenu)
ON_COMMAND(ID_EXTRAS_COLOR, OnDemoCommand)
ON_COMMAND(ID_EXTRAS_COLORCELLS, OnColorCells)
END_MESSAGE_MAP()

class CExtrasApp : public CWinApp
{
public:
    virtual BOOL InitInstance()
    {
        CString strCommandLine = m_lpCmdLine;
        if (TasksPaneDemoWanted(strCommandLine))
            return (m_pMainWnd = CreateTasksPaneDemo(strCommandLine)) != NULL;
        CString strArgs = m_lpCmdLine;
        if (strArgs.Left(4) == _T("/mdi"))
            return MdiDemoInitInstance(this, strArgs.Mid(4));
        strArgs.TrimLeft();
        strArgs.TrimRight();
        if (strArgs.Left(8).CompareNoCase(_T("/outlook")) == 0)
            return RunOutlookDemo(this, strArgs.Mid(8));
        if (CColorDemo::Wanted(strArgs))
        {
            DemoSetLog(strArgs);
            return CColorDemo::Run(this);
        }
        if (IsCustomizeDemo(strArgs))
            return RunCustomizeDemo(this, strArgs);
        // The other demonstrations, each a window of its own, by a switch before the log file.
        if (strArgs.Left(9) == _T("/proplist"))
            return RunPropListDemo(this, strArgs.Mid(9));
        if (AppearanceDemoWanted(strArgs))
            return (m_pMainWnd = AppearanceDemoCreate(strArgs)) != NULL;
        DemoSetLog(strArgs);
        CExtrasFrame* pFrame = new CExtrasFrame;
        if (!pFrame->Create(NULL, _T("Extras demonstration"), WS_OVERLAPPEDWINDOW, CRect(200, 120, 720, 520),
                            NULL, MAKEINTRESOURCE(IDR_EXTRAS_MAINFRAME)))
            return FALSE;
        m_pMainWnd = pFrame;
        DemoShowFrame(pFrame);
        pFrame->LogToolBar();
        DemoLog("colourbutton image=%d shown=%d", pFrame->m_pColorButton->GetImage(),
                pFrame->m_pColorButton->m_bImage);
        pFrame->m_wndPanel.LogPlaces();
        pFrame->m_wndPanel.LogTabs();
        CORXThemeLibrary themes;
        DemoLog("ready themed=%d", themes.m_hThemeWindow != NULL);
        return TRUE;
    }
    // The open pop-up menus take the keys, wherever the focus is, before any window sees them.
    virtual BOOL PreTranslateMessage(MSG* pMsg)
    {
        if (CORXPopupMenu::PreTranslateForMenu(pMsg))
            return TRUE;
        return CWinApp::PreTranslateMessage(pMsg);
    }
    virtual int ExitInstance()
    {
        ORXCleanUpGlobals();
        return CWinApp::ExitInstance();
    }
    CORXWorkspace m_workspace;
};

CExtrasApp theApp;
