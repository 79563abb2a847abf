// The tasks pane's demonstration: a frame with a tasks pane docked on its right, three pages of
// clock tasks. Every task's command, every page change and, whenever it changes, the pane's state
// with the screen places of its navigation buttons, captions and tasks go to the log, so that a
// test can click them with the real mouse and read what became of it.
#include "TasksPaneDemo.h"
#include "DemoSupport.h"

#include <stdio.h>

#include "ExtrasIds.h"
#include "ORXPopupMenu.h"
#include "ORXPopupMenuBar.h"
#include "ORXTasksPane.h"
#include "ORXWorkspace.h"

namespace
{

const UINT_PTR kStateTimer = 1;
// With "/state" before the log the frame's bars, the pane among them, are loaded from the registry
// at start and saved there when the window closes.
CORXWorkspace* g_pStateWorkspace = NULL;

class CDemoTasksPane : public CORXTasksPane
{
protected:
    void OnPageChanged(int nPrevPage, int nNewPage) override
    {
        DemoLog("pagechange %d %d", nPrevPage, nNewPage);
    }
};

class CTasksDemoFrame : public CFrameWnd
{
public:
    CDemoTasksPane m_wndPane;
    CStatic m_wndView;
    CString m_strLastState;

    // The pane's state in one line, then the places of what can be clicked; nothing while a
    // group moves, and nothing when the state is what was last written, unless asked.
    void LogState(BOOL bForce)
    {
        if (m_wndPane.GetSafeHwnd() == NULL || m_wndPane.IsAnimating())
            return;
        const CORXTasksHistory& history = m_wndPane.GetHistory();
        const int nPage = m_wndPane.GetActivePage();
        CString strCollapsed;
        for (int g = 0; g < m_wndPane.GetGroupCount(); g++)
        {
            CORXTasksGroup* pGroup = m_wndPane.GetTaskGroup(g);
            if (pGroup->m_nPageID == nPage)
                strCollapsed += pGroup->m_bIsCollapsed ? _T("1") : _T("0");
        }
        int iHotCaption = -1;
        for (int g = 0; g < m_wndPane.GetGroupCount(); g++)
            if (m_wndPane.GetTaskGroup(g) == m_wndPane.GetHotGroup())
                iHotCaption = g;
        CString strState;
        strState.Format(
            _T("state page=%d name=%s back=%d forward=%d history=%d/%d nav=%d collapsed=%s hotcaption=%d"),
            nPage, (LPCTSTR)m_wndPane.GetPageName(nPage), history.CanGoBack(), history.CanGoForward(),
            history.GetPosition(), history.GetSize(),
            (m_wndPane.GetNavToolbar().GetStyle() & WS_VISIBLE) != 0, (LPCTSTR)strCollapsed, iHotCaption);
        CString strPlaces;
        CTasksPaneToolBar& bar = m_wndPane.GetNavToolbar();
        if (bar.GetStyle() & WS_VISIBLE)
            for (int i = 0; i < bar.GetCount(); i++)
            {
                CRect rect;
                bar.GetItemRect(i, rect);
                bar.ClientToScreen(rect);
                CString strLine;
                strLine.Format(_T("navbutton %d %d %ld %ld %ld %ld\n"), (int)bar.GetItemID(i),
                               (bar.GetButtonStyle(i) & TBBS_DISABLED) != 0, rect.left, rect.top, rect.right,
                               rect.bottom);
                strPlaces += strLine;
            }
        for (int g = 0; g < m_wndPane.GetGroupCount(); g++)
        {
            CORXTasksGroup* pGroup = m_wndPane.GetTaskGroup(g);
            if (pGroup->m_nPageID != nPage)
                continue;
            CRect rect = pGroup->m_rect;
            m_wndPane.ClientToScreen(rect);
            CString strLine;
            strLine.Format(_T("caption %d %ld %ld %ld %ld\n"), g, rect.left, rect.top, rect.right,
                           rect.bottom);
            strPlaces += strLine;
            for (int t = 0;; t++)
            {
                CORXTask* pTask = m_wndPane.GetTask(g, t);
                if (pTask == NULL)
                    break;
                if (pTask->m_rect.IsRectEmpty())
                    continue;
                rect = pTask->m_rect;
                m_wndPane.ClientToScreen(rect);
                strLine.Format(_T("task %d %d %u %ld %ld %ld %ld\n"), g, t, pTask->m_uiCommandID, rect.left,
                               rect.top, rect.right, rect.bottom);
                strPlaces += strLine;
            }
        }
        if (!bForce && strState + strPlaces == m_strLastState)
            return;
        m_strLastState = strState + strPlaces;
        strPlaces.TrimRight();
        DemoLog("%s\n%s\nend", (LPCTSTR)strState, (LPCTSTR)strPlaces);
    }

    void LogMenu()
    {
        CTasksPaneToolBar& bar = m_wndPane.GetNavToolbar();
        CORXPopupMenu* pMenu = NULL;
        for (int i = 0; i < bar.GetCount() && pMenu == NULL; i++)
        {
            CTasksPaneMenuButton* pButton = DYNAMIC_DOWNCAST(CTasksPaneMenuButton, bar.GetButton(i));
            if (pButton != NULL)
                pMenu = pButton->GetPopupMenu();
        }
        if (pMenu == NULL || pMenu->GetSafeHwnd() == NULL)
        {
            DemoLog("menu none");
            return;
        }
        CORXPopupMenuBar* pItems = pMenu->GetMenuBar();
        for (int i = 0; i < pItems->GetCount(); i++)
        {
            CRect rect;
            pItems->GetItemRect(i, rect);
            pItems->ClientToScreen(rect);
            DemoLog("menuitem %d %u %ld %ld %ld %ld %s", i, pItems->GetItemID(i), rect.left, rect.top,
                    rect.right, rect.bottom, (LPCTSTR)pItems->GetButtonText(i));
        }
        DemoLog("menu done");
    }

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct)
    {
        if (CFrameWnd::OnCreate(lpCreateStruct) == -1)
            return -1;
        if (!m_wndView.Create(_T("Clocks"), WS_CHILD | WS_VISIBLE | SS_CENTER | SS_CENTERIMAGE,
                              CRect(0, 0, 0, 0), this, AFX_IDW_PANE_FIRST))
            return -1;
        if (!m_wndPane.Create(_T("Clock Tasks"), this, CSize(220, 400), IDC_TASKS_PANE,
                              WS_CHILD | WS_VISIBLE | CBRS_RIGHT))
            return -1;
        // Page 0, the pane's first, carries its caption; two more pages follow.
        const int nAlarms = m_wndPane.AddPage(_T("Alarms"));
        const int nZones = m_wndPane.AddPage(_T("Zones"));
        int g = m_wndPane.AddGroup(0, _T("Clocks"));
        m_wndPane.AddTask(g, _T("Add a clock"), ID_TASKS_ADD_CLOCK);
        m_wndPane.AddTask(g, _T("Remove a clock"), ID_TASKS_REMOVE_CLOCK);
        m_wndPane.AddLabel(g, _T("Two clocks are shown."));
        g = m_wndPane.AddGroup(0, _T("Time"));
        m_wndPane.AddTask(g, _T("Synchronize now"), ID_TASKS_SYNC);
        g = m_wndPane.AddGroup(nAlarms, _T("Alarms"), FALSE, TRUE);
        m_wndPane.AddTask(g, _T("New alarm"), ID_TASKS_NEW_ALARM);
        m_wndPane.AddTask(g, _T("Silence all"), ID_TASKS_SILENCE);
        g = m_wndPane.AddGroup(nAlarms, _T("Reminders"));
        m_wndPane.AddTask(g, _T("In 1 minute"), ID_TASKS_REMIND);
        g = m_wndPane.AddGroup(nZones, _T("Zones"));
        m_wndPane.AddTask(g, _T("Edit the zones"), ID_TASKS_EDIT_ZONES);
        g = m_wndPane.AddGroup(nZones, _T("Details"), TRUE);
        m_wndPane.AddLabel(g, _T("Local time zone"));

        // Docked on the right like a shortcut bar: the frame's layout gives it its extent.
        SetTimer(kStateTimer, 100, NULL);
        return 0;
    }
    afx_msg void OnTimer(UINT_PTR nIDEvent)
    {
        if (nIDEvent == kStateTimer)
            LogState(FALSE);
        else
            CFrameWnd::OnTimer(nIDEvent);
    }
    afx_msg void OnClose()
    {
        if (g_pStateWorkspace != NULL)
            DemoLog("state saved %d", g_pStateWorkspace->SaveState(NULL, this));
        CFrameWnd::OnClose();
    }
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam)
    {
        const UINT nID = LOWORD(wParam);
        if (nID == ID_TASKS_LOG_MENU)
        {
            LogMenu();
            return TRUE;
        }
        if (nID == ID_TASKS_LOG_STATE)
        {
            LogState(TRUE);
            return TRUE;
        }
        if (nID >= ID_TASKS_ADD_CLOCK && nID <= ID_TASKS_EDIT_ZONES)
        {
            DemoLog("command %u", nID);
            return TRUE;
        }
        return CFrameWnd::OnCommand(wParam, lParam);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CTasksDemoFrame, CFrameWnd)
ON_WM_CREATE()
ON_WM_CLOSE()
ON_WM_TIMER()
END_MESSAGE_MAP()
} // namespace

BOOL TasksPaneDemoWanted(CString& strCommandLine)
{
    strCommandLine.TrimLeft();
    if (strCommandLine.Left(10) != _T("/taskspane"))
        return FALSE;
    strCommandLine = strCommandLine.Mid(10);
    strCommandLine.TrimLeft();
    strCommandLine.TrimRight();
    return TRUE;
}

CFrameWnd* CreateTasksPaneDemo(LPCTSTR lpszArgs)
{
    CString strArgs = lpszArgs;
    if (strArgs.Left(7) == _T("/state "))
    {
        strArgs = strArgs.Mid(7);
        strArgs.TrimLeft();
        AfxGetApp()->SetRegistryKey(_T("Quendra Labs"));
        g_pStateWorkspace = dynamic_cast<CORXWorkspace*>(CORXWorkspaceBase::GetInstance());
        if (g_pStateWorkspace != NULL)
            g_pStateWorkspace->SetRegistryBase(_T("TasksPaneDemo"));
    }
    DemoSetLog(strArgs);
    CTasksDemoFrame* pFrame = new CTasksDemoFrame;
    if (!pFrame->Create(NULL, _T("Tasks pane demonstration"), WS_OVERLAPPEDWINDOW, CRect(120, 80, 720, 560)))
        return NULL;
    if (g_pStateWorkspace != NULL)
        DemoLog("state loaded %d", g_pStateWorkspace->LoadState(NULL, pFrame));
    DemoShowFrame(pFrame);
    pFrame->LogState(TRUE);
    DemoLog("ready");
    return pFrame;
}
