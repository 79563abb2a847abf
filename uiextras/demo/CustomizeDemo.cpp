// The customise sheet's demonstration frame. Every command, the bars with their buttons and the
// menus' items are written to the log, so that tests read the program's state, not its pixels.
// The bars, menus and user tools are kept in the registry from one run to the next.
#include "CustomizeDemo.h"
#include "DemoSupport.h"

#include <afxext.h>
#include <afxole.h>

#include <stdio.h>

#include "ExtrasIds.h"
#include "ORXContextMenuManager.h"
#include "ORXFrameWnd.h"
#include "ORXKeyboardManager.h"
#include "ORXMenuBar.h"
#include "ORXMenuPage.h"
#include "ORXMouseManager.h"
#include "ORXToolbarMenuButton.h"
#include "ORXPopupMenu.h"
#include "ORXPopupMenuBar.h"
#include "ORXToolBar.h"
#include "ORXToolbarCustomize.h"
#include "ORXToolbarsPage.h"
#include "ORXUserToolsManager.h"
#include "ORXWorkspace.h"

namespace
{
// The frame's context menu, known before the saved state loads, which holds its items.
CORXContextMenuManager* g_pContextMenus = NULL;

class CCustomizeFrame : public CORXFrameWnd
{
public:
    CORXMenuBar m_wndMenuBar;
    CORXToolBar m_wndStandard;
    CORXToolBar m_wndFormat;

    void LogBar(CORXToolBar* pBar)
    {
        CString strName, strButtons;
        pBar->GetWindowText(strName);
        for (int i = 0; i < pBar->GetCount(); i++)
        {
            CString strOne;
            strOne.Format(_T("%s%u"), i > 0 ? _T(",") : _T(""), pBar->GetItemID(i));
            strButtons += strOne;
        }
        CRect rect;
        pBar->GetWindowRect(rect);
        DemoLog("bar %u visible=%d labels=%d buttons=%s rect=%ld,%ld,%ld,%ld name=%s", pBar->GetDlgCtrlID(),
                (pBar->GetStyle() & WS_VISIBLE) != 0, pBar->AreTextLabels(), (LPCTSTR)strButtons, rect.left,
                rect.top, rect.right, rect.bottom, (LPCTSTR)strName);
        for (int i = 0; i < pBar->GetCount(); i++)
        {
            pBar->GetItemRect(i, rect);
            pBar->ClientToScreen(rect);
            DemoLog("button %u %d %u %ld %ld %ld %ld", pBar->GetDlgCtrlID(), i, pBar->GetItemID(i), rect.left,
                    rect.top, rect.right, rect.bottom);
        }
    }
    void LogMenus()
    {
        // The menu bar keeps each pop-up's items as a menu of its own.
        for (int i = 0; i < m_wndMenuBar.GetCount(); i++)
        {
            CORXToolbarMenuButton* pItem = DYNAMIC_DOWNCAST(CORXToolbarMenuButton, m_wndMenuBar.GetButton(i));
            CString strItems;
            HMENU hMenu = pItem != NULL ? pItem->CreateMenu() : NULL;
            if (hMenu != NULL)
            {
                for (int j = 0; j < ::GetMenuItemCount(hMenu); j++)
                {
                    CString strOne;
                    strOne.Format(_T("%s%u"), j > 0 ? _T(",") : _T(""), ::GetMenuItemID(hMenu, j));
                    strItems += strOne;
                }
                ::DestroyMenu(hMenu);
            }
            CRect rect;
            m_wndMenuBar.GetItemRect(i, rect);
            m_wndMenuBar.ClientToScreen(rect);
            DemoLog("menu %d %ld %ld %ld %ld items=%s text=%s", i, rect.left, rect.top, rect.right,
                    rect.bottom, (LPCTSTR)strItems, (LPCTSTR)m_wndMenuBar.GetButtonText(i));
        }
    }
    void LogState()
    {
        RecalcLayout();
        for (POSITION pos = gAllToolbars.GetHeadPosition(); pos != NULL;)
        {
            CORXToolBar* pBar = DYNAMIC_DOWNCAST(CORXToolBar, gAllToolbars.GetNext(pos));
            if (pBar != NULL && pBar->GetSafeHwnd() != NULL && pBar != &m_wndMenuBar &&
                pBar->GetTopLevelFrame() == this)
                LogBar(pBar);
        }
        LogMenus();
        CString strTools;
        if (CORXUserToolsManager* pTools = ORXUserToolsManager())
            for (POSITION pos = pTools->GetUserTools().GetHeadPosition(); pos != NULL;)
            {
                CORXUserTool* pTool = (CORXUserTool*)pTools->GetUserTools().GetNext(pos);
                strTools += pTool->m_strLabel + _T(";");
            }
        // The open pop-up menu's items, where they are on the screen.
        CORXPopupMenu* pPopup = CORXPopupMenu::GetActiveMenu();
        CORXToolBar* pItems = pPopup != NULL && pPopup->GetSafeHwnd() != NULL ? pPopup->GetMenuBar() : NULL;
        DemoLog("popup %d", pItems != NULL ? pItems->GetCount() : -1);
        for (int i = 0; pItems != NULL && i < pItems->GetCount(); i++)
        {
            CRect rect;
            pItems->GetItemRect(i, rect);
            pItems->ClientToScreen(rect);
            DemoLog("popupitem %d %u %ld %ld %ld %ld", i, pItems->GetItemID(i), rect.left, rect.top,
                    rect.right, rect.bottom);
        }
        // The Menu page's preview of a context menu: its window, its client area and its items.
        CORXToolbarCustomize* pSheet = CORXToolbarCustomize::GetActiveSheet();
        CORXMenuPage* pMenuPage = pSheet != NULL ? pSheet->GetMenuPage() : NULL;
        CORXPopupMenu* pPreview = pMenuPage != NULL ? pMenuPage->GetContextMenu() : NULL;
        if (pPreview != NULL && pPreview->GetSafeHwnd() != NULL)
        {
            CRect rectWnd, rectClient;
            pPreview->GetWindowRect(rectWnd);
            pPreview->GetClientRect(rectClient);
            pPreview->ClientToScreen(rectClient);
            DemoLog("preview %ld %ld %ld %ld client %ld %ld %ld %ld", rectWnd.left, rectWnd.top,
                    rectWnd.right, rectWnd.bottom, rectClient.left, rectClient.top, rectClient.right,
                    rectClient.bottom);
            CORXToolBar* pItems = pPreview->GetMenuBar();
            for (int i = 0; i < pItems->GetCount(); i++)
            {
                CRect rect;
                pItems->GetItemRect(i, rect);
                pItems->ClientToScreen(rect);
                DemoLog("previewitem %d %u %ld %ld %ld %ld", i, pItems->GetItemID(i), rect.left, rect.top,
                        rect.right, rect.bottom);
            }
        }
        // The open sheet's list of bars: each row's check and whether the user may change it.
        CORXToolbarsPage* pPage = pSheet != NULL ? pSheet->GetToolbarsPage() : NULL;
        if (pPage != NULL && pPage->m_wndToolbarList.GetSafeHwnd() != NULL)
            for (int i = 0; i < pPage->m_wndToolbarList.GetCount(); i++)
            {
                CString strRow;
                pPage->m_wndToolbarList.GetText(i, strRow);
                DemoLog("toolbarrow %d check=%d enabled=%d selected=%d name=%s", i,
                        pPage->m_wndToolbarList.GetCheck(i), pPage->m_wndToolbarList.IsCheckEnabled(i),
                        pPage->m_wndToolbarList.GetCurSel() == i, (LPCTSTR)strRow);
            }
        DemoLog("options large=%d customize=%d tools=%s", CORXToolBar::IsLargeIcons(),
                CORXToolBar::IsCustomizeMode(), (LPCTSTR)strTools);
        DemoLog("state done");
    }

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct)
    {
        if (CORXFrameWnd::OnCreate(lpCreateStruct) == -1)
            return -1;
        EnableUserToolbars(IDW_CUST_USER_FIRST, IDW_CUST_USER_LAST);
        if (!m_wndMenuBar.Create(this, WS_CHILD | WS_VISIBLE | CBRS_TOP))
            return -1;
        m_wndMenuBar.SetDefaultMenuResId(IDR_CUST_MAINFRAME);
        SetMenuBar(&m_wndMenuBar);
        if (!m_wndStandard.Create(this, WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_TOOLTIPS | CBRS_FLYBY) ||
            !m_wndStandard.LoadToolBar(IDR_CUST_STANDARD))
            return -1;
        m_wndStandard.SetWindowText(_T("Standard"));
        if (!m_wndFormat.Create(this, WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_TOOLTIPS | CBRS_FLYBY,
                                IDW_CUST_FORMAT))
            return -1;
        m_wndFormat.SetWindowText(_T("Format"));
        // The strip's last two images, which the standard bar's resource leaves unused.
        m_wndFormat.InsertButton(new CORXToolbarButton(ID_CUST_ALARM, 5, _T("Alarm")));
        m_wndFormat.InsertButton(new CORXToolbarButton(ID_CUST_ZOOM, 6, _T("Zoom")));
        m_wndFormat.AdjustLayout();
        return 0;
    }
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam)
    {
        const UINT nID = LOWORD(wParam);
        if ((nID >= ID_CUST_NEW && nID <= ID_CUST_PASTE) ||
            (nID >= ID_CUST_TOOL_FIRST && nID <= ID_CUST_TOOL_LAST))
            DemoLog("command %u", nID);
        // The test's request for the state is answered in customise mode too, when the frame
        // refuses every other command.
        if (nID == ID_CUST_LOGSTATE)
        {
            LogState();
            return TRUE;
        }
        return CORXFrameWnd::OnCommand(wParam, lParam);
    }
    afx_msg void OnDemoCommand(UINT) {}
    afx_msg void OnCustomize()
    {
        CORXToolbarCustomize* pSheet = new CORXToolbarCustomize(
            this, TRUE, CORXToolbarCustomize::ShowTextLabels | CORXToolbarCustomize::ShowLook2000,
            IDR_CUST_TOOL_ARGS, 0);
        pSheet->EnableUserDefinedToolbars();
        // Beside the frame, so that a drag from the sheet reaches the bars and menus in the open.
        DemoOpenSheet(this, pSheet, _T("sheet"));
    }
    afx_msg void OnClose()
    {
        // A sheet still open goes first, so that the bars leave customise mode before they are kept.
        CORXToolbarCustomize* pSheet = CORXToolbarCustomize::GetActiveSheet();
        if (pSheet != NULL)
            pSheet->DestroyWindow();
        CORXWorkspace* pWorkspace = dynamic_cast<CORXWorkspace*>(CORXWorkspaceBase::GetInstance());
        if (pWorkspace != NULL)
            DemoLog("state saved %d", pWorkspace->SaveState(NULL, this));
        CORXFrameWnd::OnClose();
    }
    afx_msg void OnContextMenu(CWnd*, CPoint point)
    {
        if (g_pContextMenus != NULL &&
            g_pContextMenus->ShowPopupMenu(IDR_CUST_CONTEXT, point.x, point.y, this))
            DemoLog("context menu %ld %ld", point.x, point.y);
        else
            DemoLog("context menu failed");
    }
    virtual void PostNcDestroy()
    {
        delete g_pContextMenus;
        g_pContextMenus = NULL;
        CORXFrameWnd::PostNcDestroy();
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CCustomizeFrame, CORXFrameWnd)
ON_WM_CREATE()
ON_WM_CLOSE()
ON_WM_CONTEXTMENU()
ON_COMMAND_RANGE(ID_CUST_NEW, ID_CUST_PASTE, OnDemoCommand)
ON_COMMAND(ID_CUST_CUSTOMIZE, OnCustomize)
END_MESSAGE_MAP()

// The user tool of the tests: its arguments, one a line, into the file named first.
BOOL EchoArguments(const CString& strArgs)
{
    int nArgs = 0;
    LPWSTR* ppArgs = ::CommandLineToArgvW(::GetCommandLineW(), &nArgs);
    if (ppArgs == NULL)
        return FALSE;
    // The program, "/echoargs", the file, then what the tool was given.
    if (nArgs >= 3)
    {
        FILE* f = _wfopen(ppArgs[2], L"w");
        if (f != NULL)
        {
            for (int i = 3; i < nArgs; i++)
                fwprintf(f, L"%ls\n", ppArgs[i]);
            fclose(f);
        }
    }
    ::LocalFree(ppArgs);
    return FALSE;
}
} // namespace

BOOL IsCustomizeDemo(const CString& strCommandLine)
{
    return strCommandLine.Left(11) == _T("/customize ") || strCommandLine.Left(10) == _T("/echoargs ");
}

BOOL RunCustomizeDemo(CWinApp* pApp, const CString& strCommandLine)
{
    if (strCommandLine.Left(10) == _T("/echoargs "))
        return EchoArguments(strCommandLine);
    DemoSetLog(strCommandLine.Mid(11));
    // The bars take dropped buttons only with OLE started before they are made.
    if (!AfxOleInit())
        DemoLog("OLE not started");
    pApp->SetRegistryKey(_T("Quendra Labs"));
    CORXWorkspace* pWorkspace = dynamic_cast<CORXWorkspace*>(CORXWorkspaceBase::GetInstance());
    if (pWorkspace != NULL)
        pWorkspace->SetRegistryBase(_T("CustomizeDemo"));
    ORXInitUserToolsManager(ID_CUST_TOOLS_ENTRY, ID_CUST_TOOL_FIRST, ID_CUST_TOOL_LAST);
    ORXInitMouseManager();
    if (CORXMouseManager* pMouse = ORXMouseManager())
        pMouse->AddView(1, _T("Clock face"));
    if (ORXKeyboardManager() == NULL)
        ORXInitKeyboardManager();
    // Commands the menus always show, so that the Options page offers its personalised menus.
    CORXToolBar::AddBasicCommand(ID_CUST_NEW);
    CORXToolBar::AddBasicCommand(ID_CUST_CUSTOMIZE);

    g_pContextMenus = new CORXContextMenuManager;
    if (!g_pContextMenus->AddMenu(_T("Edit"), IDR_CUST_CONTEXT))
        DemoLog("context menu not added");

    CCustomizeFrame* pFrame = new CCustomizeFrame;
    if (!pFrame->Create(NULL, _T("Customize demonstration"), WS_OVERLAPPEDWINDOW, CRect(200, 120, 720, 460),
                        NULL, MAKEINTRESOURCE(IDR_CUST_MAINFRAME)))
        return FALSE;
    pApp->m_pMainWnd = pFrame;
    if (pWorkspace != NULL)
        DemoLog("state loaded %d", pWorkspace->LoadState(NULL, pFrame));
    DemoShowFrame(pFrame);
    pFrame->LogState();
    DemoLog("ready");
    return TRUE;
}
