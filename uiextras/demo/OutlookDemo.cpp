// The shortcut bar's frame: a tab window of three pages as the client, a shortcut bar docked on
// the left and a tasks pane on the right, each change of the bar or the tab window written to the
// log named on the command line, and both keeping their state in the registry between runs.
#include "OutlookDemo.h"
#include "DemoSupport.h"

#include <afxext.h>

#include <stdio.h>

#include "ExtrasIds.h"
#include "ORXGlobalData.h"
#include "ORXOutlookBar.h"
#include "ORXTabWnd.h"
#include "ORXTasksPane.h"
#include "ORXWorkspace.h"

namespace
{
const TCHAR kSection[] = _T("OutlookDemo");
const int kPageClocks = 1; // more shortcuts than fit
const int kPageAlarms = 2;
const int kPageTools = 3;

CString RectText(CWnd* pWnd, CRect rect)
{
    pWnd->ClientToScreen(rect);
    CString str;
    str.Format(_T("%ld %ld %ld %ld"), rect.left, rect.top, rect.right, rect.bottom);
    return str;
}

// The bar of the frame: each layout that differs from the last one is logged whole.
class CDemoOutlookBar : public CORXOutlookBar
{
public:
    void PlaceButtons() override
    {
        CORXOutlookBar::PlaceButtons();
        CString strState = Describe();
        if (strState != m_strLogged)
        {
            m_strLogged = strState;
            LogState();
        }
    }
    CString Describe()
    {
        CString str;
        str.Format(_T("outlook page=%d first=%d shown=%d scroll=%d"), GetActivePage(), GetFirstVisible(),
                   GetShownCount(), GetScrollPos());
        for (int i = 0; i < GetCount(); i++)
        {
            CORXOutlookButton* pButton = DYNAMIC_DOWNCAST(CORXOutlookButton, GetButton(i));
            if (pButton != NULL && !pButton->IsHidden())
            {
                CString strButton;
                strButton.Format(_T(" %u"), pButton->m_nID);
                str += strButton;
            }
        }
        return str;
    }
    void LogState()
    {
        DemoLog("%s", (LPCTSTR)Describe());
        for (int i = 0; i < GetPageCount(); i++)
        {
            CORXOutlookBarPage* pPage = GetPage(i);
            DemoLog("pagebutton %d %s", pPage->m_iPageID,
                    pPage->m_rectButton.IsRectEmpty() ? _T("none")
                                                      : (LPCTSTR)RectText(this, pPage->m_rectButton));
        }
        for (int i = 0; i < GetCount(); i++)
        {
            CORXOutlookButton* pButton = DYNAMIC_DOWNCAST(CORXOutlookButton, GetButton(i));
            if (pButton != NULL && !pButton->IsHidden())
                DemoLog("shortcut %u %s", pButton->m_nID, (LPCTSTR)RectText(this, pButton->Rect()));
        }
        const CRect rectUp = GetScrollUpRect(), rectDown = GetScrollDownRect();
        DemoLog("scrollup %s", rectUp.IsRectEmpty() ? _T("none") : (LPCTSTR)RectText(this, rectUp));
        DemoLog("scrolldown %s", rectDown.IsRectEmpty() ? _T("none") : (LPCTSTR)RectText(this, rectDown));
        DemoLog("area %s", (LPCTSTR)RectText(this, GetShortcutArea()));
    }

protected:
    CString m_strLogged;
};

class COutlookFrame : public CFrameWnd
{
public:
    CDemoOutlookBar m_wndOutlook;
    CORXTasksPane m_wndTasks;
    CORXTabWnd m_wndTabs;
    CStatic m_wndTabPages[3];

    void LogTabs()
    {
        CString strShown;
        for (int i = 0; i < m_wndTabs.GetTabsNum(); i++)
        {
            CWnd* pPage = m_wndTabs.GetTabWindow(i);
            if (pPage != NULL && (pPage->GetStyle() & WS_VISIBLE) != 0)
            {
                CString strText;
                pPage->GetWindowText(strText);
                strShown += (strShown.IsEmpty() ? _T("") : _T(";")) + strText;
            }
        }
        DemoLog("tabs active=%d shown=%s", m_wndTabs.GetActiveTab(), (LPCTSTR)strShown);
        for (int i = 0; i < m_wndTabs.GetTabsNum(); i++)
        {
            CRect rect;
            m_wndTabs.GetTabRect(i, rect);
            DemoLog("tabrect %d %s", i, (LPCTSTR)RectText(&m_wndTabs, rect));
        }
    }
    void LogTasks()
    {
        for (int t = 0;; t++)
        {
            CORXTask* pTask = m_wndTasks.GetTask(0, t);
            if (pTask == NULL)
                break;
            DemoLog("task %u %s", pTask->m_uiCommandID, (LPCTSTR)RectText(&m_wndTasks, pTask->m_rect));
        }
    }

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct)
    {
        if (CFrameWnd::OnCreate(lpCreateStruct) == -1)
            return -1;
        if (!m_wndOutlook.Create(this, WS_CHILD | WS_VISIBLE | CBRS_LEFT, IDC_OUTLOOK_BAR))
            return -1;
        m_wndOutlook.SetExtent(120);
        m_wndOutlook.SetLockedSizes(CSize(40, 40), CSize(32, 32));
        if (!m_wndOutlook.LoadBitmap(IDB_OUTLOOK_SHORTCUTS, 0, 0, TRUE))
            return -1;
        // The images' grey ground, loaded as the face colour, lets the bar's own colour through.
        m_wndOutlook.GetLockedImages()->SetTransparentColor(globalData.clrBtnFace);
        m_wndOutlook.AddPage(kPageClocks, _T("Clocks"));
        m_wndOutlook.AddPage(kPageAlarms, _T("Alarms"));
        m_wndOutlook.AddPage(kPageTools, _T("Tools"));
        LPCTSTR clocks[] = {_T("London"), _T("Paris"), _T("Tokyo"), _T("Sydney"), _T("Lima"),
                            _T("Cairo"),  _T("Oslo"),  _T("Delhi"), _T("Quito"),  _T("Perth")};
        UINT uiCmd = ID_OUTLOOK_SHORTCUT_FIRST;
        for (int i = 0; i < 10; i++)
            m_wndOutlook.AddShortcut(uiCmd++, i % 6, clocks[i], kPageClocks);
        LPCTSTR alarms[] = {_T("Wake up"), _T("Lunch"), _T("Meeting")};
        for (int i = 0; i < 3; i++)
            m_wndOutlook.AddShortcut(uiCmd++, (i + 2) % 6, alarms[i], kPageAlarms);
        LPCTSTR tools[] = {_T("Synchronise"), _T("Calendar")};
        for (int i = 0; i < 2; i++)
            m_wndOutlook.AddShortcut(uiCmd++, (i + 4) % 6, tools[i], kPageTools);

        // The tasks pane takes the frame's right edge, docked like the shortcut bar, before the
        // tab window fills what is left; its tasks send the shortcuts' commands.
        if (!m_wndTasks.Create(_T("Shortcut Tasks"), this, CSize(150, 0), IDC_OUTLOOK_TASKSPANE,
                               WS_CHILD | WS_VISIBLE | CBRS_RIGHT))
            return -1;
        const int g = m_wndTasks.AddGroup(_T("Go to"));
        m_wndTasks.AddTask(g, clocks[0], ID_OUTLOOK_SHORTCUT_FIRST);
        m_wndTasks.AddTask(g, alarms[0], ID_OUTLOOK_SHORTCUT_FIRST + 10);

        if (!m_wndTabs.Create(CORXTabWnd::STYLE_3D, CRect(0, 0, 0, 0), this, AFX_IDW_PANE_FIRST))
            return -1;
        LPCTSTR names[] = {_T("World"), _T("Stopwatch"), _T("Diary")};
        for (int i = 0; i < 3; i++)
        {
            if (!m_wndTabPages[i].Create(names[i], WS_CHILD | WS_VISIBLE | SS_CENTER | SS_CENTERIMAGE,
                                         CRect(0, 0, 0, 0), &m_wndTabs, IDC_OUTLOOK_TABPAGE + i))
                return -1;
            m_wndTabPages[i].SetFont(&globalData.fontRegular);
            m_wndTabs.AddTab(&m_wndTabPages[i], names[i]);
        }
        m_wndTabs.EnableTabSwap(TRUE);
        m_wndTabs.EnableInPlaceEdit(TRUE);

        // What the last run left: the bar's pages and shortcuts with its page, the active tab.
        m_wndOutlook.LoadState();
        const int iTab = AfxGetApp()->GetProfileInt(kSection, _T("ActiveTab"), 0);
        if (iTab >= 0 && iTab < m_wndTabs.GetTabsNum())
            m_wndTabs.SetActiveTab(iTab);
        return 0;
    }
    afx_msg void OnClose()
    {
        m_wndOutlook.SaveState();
        AfxGetApp()->WriteProfileInt(kSection, _T("ActiveTab"), m_wndTabs.GetActiveTab());
        DemoLog("saved page=%d tab=%d", m_wndOutlook.GetActivePage(), m_wndTabs.GetActiveTab());
        CFrameWnd::OnClose();
    }
    afx_msg void OnShortcut(UINT nID) { DemoLog("command %u", nID); }
    afx_msg void OnLogState()
    {
        m_wndOutlook.LogState();
        LogTabs();
    }
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
    {
        if (message == ORXM_ONCHANGE_ACTIVE_TAB)
        {
            DemoLog("tabchange %d %d", (int)wParam, (int)lParam);
            LogTabs();
            return 0;
        }
        return CFrameWnd::WindowProc(message, wParam, lParam);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(COutlookFrame, CFrameWnd)
ON_WM_CREATE()
ON_WM_CLOSE()
ON_COMMAND_RANGE(ID_OUTLOOK_SHORTCUT_FIRST, ID_OUTLOOK_SHORTCUT_LAST, OnShortcut)
ON_COMMAND(ID_OUTLOOK_LOGSTATE, OnLogState)
END_MESSAGE_MAP()
} // namespace

BOOL RunOutlookDemo(CWinApp* pApp, LPCTSTR lpszLog)
{
    DemoSetLog(lpszLog);
    // The bar and the tab window keep their state under the demonstration's own key.
    pApp->SetRegistryKey(_T("Quendra Labs"));
    CORXWorkspaceBase* pWorkspace = CORXWorkspaceBase::GetInstance();
    if (pWorkspace != NULL)
        pWorkspace->SetRegistryBase(_T("ExtrasDemo"));
    COutlookFrame* pFrame = new COutlookFrame;
    if (!pFrame->Create(NULL, _T("Shortcut bar demonstration"), WS_OVERLAPPEDWINDOW,
                        CRect(200, 100, 760, 560)))
        return FALSE;
    pApp->m_pMainWnd = pFrame;
    DemoShowFrame(pFrame);
    pFrame->m_wndOutlook.LogState();
    pFrame->LogTabs();
    pFrame->LogTasks();
    DemoLog("ready");
    return TRUE;
}
