// CDemoTearOff: a framework frame with a tool bar whose menu button's menu can be torn off.
#include "DemoTearOff.h"

#include <afxext.h>

#include "DemoDock.h"
#include "DemoIds.h"
#include "ORXFrameWnd.h"
#include "ORXPopupMenu.h"
#include "ORXTearOffManager.h"
#include "ORXToolBar.h"
#include "ORXToolbarMenuButton.h"

namespace
{
CDemoTearOff::PFN_LOG g_pfnLog = NULL;
CORXTearOffManager* g_pTearOffs = NULL;

class CDemoTearOffFrame : public CORXFrameWnd
{
public:
    CORXToolBar m_wndBar;

    void LogBars()
    {
        CDemoDock::LogBars(this, g_pfnLog);
        if (m_wndBar.GetCount() > 0)
        {
            CRect rect;
            m_wndBar.GetItemRect(0, rect);
            m_wndBar.ClientToScreen(rect);
            g_pfnLog("menubutton %ld %ld %ld %ld", rect.left, rect.top, rect.right, rect.bottom);
        }
        for (UINT uiID = ID_DEMO_TEAROFF_FIRST; uiID <= ID_DEMO_TEAROFF_LAST; uiID++)
        {
            CORXToolBar* pBar = DYNAMIC_DOWNCAST(CORXToolBar, GetControlBar(uiID));
            if (pBar == NULL || pBar->GetSafeHwnd() == NULL)
                continue;
            CString strName;
            pBar->GetWindowText(strName);
            g_pfnLog("tornbar %u %d %d %s", uiID, pBar->GetCount(), pBar->IsWindowVisible(),
                     (LPCTSTR)strName);
            for (int i = 0; i < pBar->GetCount(); i++)
            {
                CRect rect;
                pBar->GetItemRect(i, rect);
                pBar->ClientToScreen(rect);
                CORXToolbarButton* pButton = pBar->GetButton(i);
                g_pfnLog("tornbutton %d %u %d %ld %ld %ld %ld %s", i, pButton->m_nID,
                         (pButton->m_nStyle & TBBS_SEPARATOR) != 0, rect.left, rect.top, rect.right,
                         rect.bottom, (LPCTSTR)pButton->m_strText);
            }
        }
    }
    virtual BOOL OnTearOffMenu(CORXPopupMenu*, CControlBar* pBar)
    {
        g_pfnLog("tearoff %u", (UINT)pBar->GetDlgCtrlID());
        return TRUE;
    }

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct)
    {
        if (CORXFrameWnd::OnCreate(lpCreateStruct) == -1)
            return -1;
        if (!m_wndBar.Create(this, WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_TOOLTIPS | CBRS_FLYBY))
            return -1;
        m_wndBar.SetWindowText(_T("Standard"));
        CMenu menu;
        if (menu.LoadMenu(IDR_DEMO_MENU))
        {
            CORXToolbarMenuButton* pButton =
                new CORXToolbarMenuButton(0, menu.GetSubMenu(0)->GetSafeHmenu(), -1, _T("&Demo"));
            pButton->m_bText = TRUE;
            pButton->SetTearOff(g_pTearOffs->GetFreeTearOffID());
            if (m_wndBar.InsertButton(pButton) < 0)
                delete pButton;
        }
        CControlBar* bars[] = {&m_wndBar};
        CDemoDock::Dock(this, bars, 1);
        return 0;
    }
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam)
    {
        UINT nID = LOWORD(wParam);
        if (nID == ID_DEMO_TEAROFF_LOG)
        {
            LogBars();
            return TRUE;
        }
        if (nID >= ID_DEMO_MENU_FIRST && nID <= ID_DEMO_MENU_CHECK)
            g_pfnLog("command %u", nID);
        return CORXFrameWnd::OnCommand(wParam, lParam);
    }
    afx_msg void OnDemoCommand() {}
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CDemoTearOffFrame, CORXFrameWnd)
ON_WM_CREATE()
ON_COMMAND(ID_DEMO_MENU_FIRST, OnDemoCommand)
ON_COMMAND(ID_DEMO_MENU_INNER1, OnDemoCommand)
ON_COMMAND(ID_DEMO_MENU_INNER2, OnDemoCommand)
ON_COMMAND(ID_DEMO_MENU_LAST, OnDemoCommand)
ON_COMMAND(ID_DEMO_MENU_CHECK, OnDemoCommand)
END_MESSAGE_MAP()
} // namespace

BOOL CDemoTearOff::Wanted(CString& strCommandLine)
{
    if (strCommandLine.Left(9) != _T("/tearoff "))
        return FALSE;
    strCommandLine = strCommandLine.Mid(9);
    strCommandLine.TrimLeft();
    return TRUE;
}

BOOL CDemoTearOff::Run(CWinApp* pApp, PFN_LOG pfnLog)
{
    g_pfnLog = pfnLog;
    g_pTearOffs = new CORXTearOffManager;
    g_pTearOffs->Initialize(ID_DEMO_TEAROFF_FIRST, ID_DEMO_TEAROFF_LAST);
    ORXSetTearOffManager(g_pTearOffs);
    CDemoTearOffFrame* pFrame = new CDemoTearOffFrame;
    if (!pFrame->Create(NULL, _T("Tear-off demonstration"), WS_OVERLAPPEDWINDOW, CRect(300, 300, 780, 500)))
        return FALSE;
    pApp->m_pMainWnd = pFrame;
    pFrame->SetWindowPos(&CWnd::wndTopMost, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    pFrame->ShowWindow(SW_SHOW);
    pFrame->UpdateWindow();
    pFrame->RecalcLayout();
    pFrame->LogBars();
    pfnLog("ready");
    return TRUE;
}

void CDemoTearOff::CleanUp()
{
    delete g_pTearOffs;
    g_pTearOffs = NULL;
}
