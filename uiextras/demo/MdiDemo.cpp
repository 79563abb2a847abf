// ExtrasDemo /mdi: an MDI frame with a menu bar, tabs and three children "Doc 1" to "Doc 3", each a
// view of its own document, made through one document template whose menu the bar shows while a
// child is active. Tabs, children, the menu bar, saves, help contexts, the in-place frame and the
// property sheet are logged, so that the end-to-end test reads the program's state.
#include "MdiDemo.h"
#include "DemoSupport.h"

#include <afxext.h>
#include <afxole.h>
#include <afxpriv.h>

#include <stdio.h>

#include "ExtrasIds.h"
#include "ORXKeyboardManager.h"
#include "ORXMDIFrameWnd.h"
#include "ORXMenuBar.h"
#include "ORXOleIPFrameWnd.h"
#include "ORXPropertySheet.h"
#include "ORXToolbarCustomize.h"
#include "ORXToolbarMenuButton.h"
#include "ORXWindowsDlg.h"
#include "ORXWorkspace.h"

namespace
{

class CMdiDemoDoc : public CDocument
{
    DECLARE_DYNCREATE(CMdiDemoDoc)

public:
    virtual void Serialize(CArchive& ar)
    {
        if (ar.IsStoring())
            ar << m_strTitle;
    }
    virtual BOOL OnSaveDocument(LPCTSTR lpszPathName)
    {
        BOOL bSaved = CDocument::OnSaveDocument(lpszPathName);
        DemoLog("saved %s %d", (LPCTSTR)m_strTitle, bSaved);
        return bSaved;
    }
};

IMPLEMENT_DYNCREATE(CMdiDemoDoc, CDocument)

class CMdiDemoView : public CView
{
    DECLARE_DYNCREATE(CMdiDemoView)
public:
    virtual void OnDraw(CDC* pDC)
    {
        CRect rect;
        GetClientRect(rect);
        CDocument* pDoc = GetDocument();
        ::DrawText(pDC->GetSafeHdc(), pDoc != NULL ? (LPCTSTR)pDoc->GetTitle() : _T(""), -1, rect,
                   DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    }

protected:
    // Help mode asks what a point of the view stands for: the document command.
    afx_msg LRESULT OnHelpHitTest(WPARAM, LPARAM) { return HID_BASE_COMMAND + ID_MDI_DOCCMD; }
    DECLARE_MESSAGE_MAP()
};
IMPLEMENT_DYNCREATE(CMdiDemoView, CView)
BEGIN_MESSAGE_MAP(CMdiDemoView, CView)
ON_MESSAGE(WM_HELPHITTEST, OnHelpHitTest)
END_MESSAGE_MAP()

class CMdiDemoChild : public CORXMDIChildWnd
{
    DECLARE_DYNCREATE(CMdiDemoChild)
};
IMPLEMENT_DYNCREATE(CMdiDemoChild, CORXMDIChildWnd)

class CMdiDemoPage : public CORXPropertyPage
{
public:
    explicit CMdiDemoPage(UINT nID) : CORXPropertyPage(nID) {}
};

class CMdiDemoFrame : public CORXMDIFrameWnd
{
public:
    CMdiDemoFrame() : m_pTemplate(NULL), m_pSheet(NULL), m_pPage1(NULL), m_pPage2(NULL) {}
    virtual ~CMdiDemoFrame() { DeleteSheet(); }

    BOOL AddChild(LPCTSTR lpszTitle)
    {
        CMdiDemoDoc* pDoc = new CMdiDemoDoc;
        pDoc->SetTitle(lpszTitle);
        // Each document has its file beside the log.
        CString strPath = DemoLogPath();
        int nSlash = strPath.ReverseFind('\\');
        strPath = (nSlash >= 0 ? strPath.Left(nSlash + 1) : CString()) + lpszTitle + _T(".doc");
        pDoc->m_strPathName = strPath;
        CCreateContext context;
        context.m_pNewViewClass = RUNTIME_CLASS(CMdiDemoView);
        context.m_pCurrentDoc = pDoc;
        context.m_pNewDocTemplate = m_pTemplate;
        // Loaded from the template's resource, the child shares the template's menu.
        CMdiDemoChild* pChild = new CMdiDemoChild;
        if (!pChild->LoadFrame(IDR_MDI_DOCTYPE, WS_CHILD | WS_VISIBLE | WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE,
                               this, &context))
        {
            delete pDoc;
            return FALSE;
        }
        pChild->SetWindowText(lpszTitle);
        return TRUE;
    }

    // The menu bar's buttons where they are, the menu it shows and whether that is the active
    // child's menu, which the child shares with its template.
    void LogMenus()
    {
        for (int i = 0; i < m_wndMenuBar.GetCount(); i++)
        {
            CORXToolbarButton* pButton = m_wndMenuBar.GetButton(i);
            CRect rect;
            m_wndMenuBar.GetItemRect(i, rect);
            m_wndMenuBar.ClientToScreen(rect);
            DemoLog("menubutton %d %ld %ld %ld %ld sys=%d text=%s", i, rect.left, rect.top, rect.right,
                    rect.bottom, DYNAMIC_DOWNCAST(CORXToolbarSystemMenuButton, pButton) != NULL,
                    (LPCTSTR)m_wndMenuBar.GetButtonText(i));
        }
        CMDIChildWnd* pActive = MDIGetActive();
        CString strActive;
        if (pActive != NULL)
            pActive->GetWindowText(strActive);
        HMENU hMenu = m_wndMenuBar.GetMenu();
        DemoLog("menubar count=%d valid=%d child=%d template=%d active=%s", m_wndMenuBar.GetCount(),
                hMenu != NULL && ::IsMenu(hMenu), pActive != NULL && hMenu == pActive->m_hMenuShared,
                m_pTemplate != NULL && hMenu == m_pTemplate->m_hMenuShared, (LPCTSTR)strActive);
    }

    void LogTabs()
    {
        CORXTabWnd& tabs = m_wndClientArea.GetTabWnd();
        CString strLabels;
        for (int i = 0; i < tabs.GetTabsNum(); i++)
        {
            CString strLabel;
            tabs.GetTabLabel(i, strLabel);
            strLabels += (i > 0 ? _T("|") : _T("")) + strLabel;
            CRect rect;
            tabs.GetTabRect(i, rect);
            tabs.ClientToScreen(rect);
            DemoLog("mditab %d %ld %ld %ld %ld", i, rect.left, rect.top, rect.right, rect.bottom);
        }
        CMDIChildWnd* pActive = MDIGetActive();
        CString strActive;
        if (pActive != NULL)
            pActive->GetWindowText(strActive);
        int nChildren = 0;
        for (HWND h = ::GetWindow(m_hWndMDIClient, GW_CHILD); h != NULL; h = ::GetWindow(h, GW_HWNDNEXT))
        {
            CRect rect;
            ::GetWindowRect(h, rect);
            TCHAR szText[64] = {0};
            ::GetWindowText(h, szText, 63);
            DemoLog("mdichild %s|%ld %ld %ld %ld %d", szText, rect.left, rect.top, rect.right, rect.bottom,
                    ::IsIconic(h));
            nChildren++;
        }
        DemoLog("mditabs count=%d active=%d children=%d activechild=%s labels=%s", tabs.GetTabsNum(),
                tabs.GetActiveTab(), nChildren, (LPCTSTR)strActive, (LPCTSTR)strLabels);
    }

    virtual BOOL WinHelp(DWORD_PTR dwData, UINT nCmd)
    {
        if (dwData != 0)
        {
            DemoLog("help context=%08lX", (unsigned long)dwData);
            return TRUE;
        }
        return CORXMDIFrameWnd::WinHelp(dwData, nCmd);
    }

    void DeleteSheet()
    {
        if (m_pSheet != NULL)
        {
            if (m_pSheet->GetSafeHwnd() != NULL)
                m_pSheet->DestroyWindow();
            delete m_pSheet;
            delete m_pPage1;
            delete m_pPage2;
            m_pSheet = NULL;
        }
    }

    CORXMenuBar m_wndMenuBar;
    CMultiDocTemplate* m_pTemplate;
    CORXPropertySheet* m_pSheet;
    CMdiDemoPage* m_pPage1;
    CMdiDemoPage* m_pPage2;

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct)
    {
        if (CORXMDIFrameWnd::OnCreate(lpCreateStruct) == -1)
            return -1;
        if (!m_wndMenuBar.Create(this, WS_CHILD | WS_VISIBLE | CBRS_TOP))
            return -1;
        m_wndMenuBar.SetDefaultMenuResId(IDR_MDI_MAINFRAME);
        SetMenuBar(&m_wndMenuBar);
        return 0;
    }
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam)
    {
        // The test's request for the menu bar is answered in customise mode too, when the frame
        // refuses every other command.
        if (LOWORD(wParam) == ID_MDI_LOGMENUS)
        {
            LogMenus();
            return TRUE;
        }
        return CORXMDIFrameWnd::OnCommand(wParam, lParam);
    }
    afx_msg void OnLogTabs() { LogTabs(); }
    afx_msg void OnCustomize() { DemoOpenSheet(this, new CORXToolbarCustomize(this), _T("customize")); }
    afx_msg void OnClose()
    {
        // An open sheet goes first, so that the bars leave customise mode with the frame still whole.
        CORXToolbarCustomize* pSheet = CORXToolbarCustomize::GetActiveSheet();
        if (pSheet != NULL)
            pSheet->DestroyWindow();
        CORXMDIFrameWnd::OnClose();
    }
    afx_msg void OnRename()
    {
        CDocument* pDoc = GetActiveDocument();
        if (pDoc != NULL)
            pDoc->SetTitle(_T("Renamed"));
    }
    afx_msg void OnHelpMode()
    {
        // The cursor is looked at from inside help mode, once its loop runs.
        SetTimer(1, 50, NULL);
        OnContextHelp();
    }
    afx_msg void OnTimer(UINT_PTR nIDEvent)
    {
        if (nIDEvent != 1)
            return;
        if (m_bHelpMode)
        {
            KillTimer(1);
            DemoLog("helpmode cursor=%d", ::GetCursor() == ::LoadCursor(NULL, IDC_HELP));
        }
    }
    afx_msg void OnInPlace()
    {
        // A stand-in for an in-place frame: activated it becomes the framework's in-place frame,
        // deactivated it gives back the one before (none here).
        CORXOleIPFrameWnd* pIP = new CORXOleIPFrameWnd;
        if (!pIP->Create(NULL, _T("In-place stand-in"), WS_POPUP | WS_CAPTION, CRect(40, 40, 240, 140), this))
            return;
        pIP->ShowWindow(SW_SHOW);
        pIP->SetActiveWindow();
        DemoLog("inplace active=%d", ORXInPlaceFrame() == pIP);
        SetActiveWindow();
        DemoLog("inplace restored=%d", ORXInPlaceFrame() == NULL);
        pIP->DestroyWindow();
    }
    afx_msg void OnSheet()
    {
        DeleteSheet();
        m_pSheet = new CORXPropertySheet(_T("Tree sheet"), this);
        m_pPage1 = new CMdiDemoPage(IDD_MDI_PAGE_FIRST);
        m_pPage2 = new CMdiDemoPage(IDD_MDI_PAGE_SECOND);
        CORXPropSheetCategory* pGeneral = m_pSheet->AddTreeCategory(_T("General"));
        CORXPropSheetCategory* pMore = m_pSheet->AddTreeCategory(_T("More"));
        m_pSheet->AddPageToTree(pGeneral, m_pPage1);
        m_pSheet->AddPageToTree(pMore, m_pPage2);
        m_pSheet->AddTreeCategory(_T("Empty"));
        if (!m_pSheet->Create(this, WS_POPUP | WS_CAPTION | WS_VISIBLE | WS_SYSMENU))
            return;
        CTreeCtrl& tree = m_pSheet->GetTree();
        for (HTREEITEM h = tree.GetRootItem(); h != NULL; h = tree.GetNextSiblingItem(h))
            tree.Expand(h, TVE_EXPAND);
        OnSheetLog();
    }
    afx_msg void OnSheetLog()
    {
        if (m_pSheet == NULL || m_pSheet->GetSafeHwnd() == NULL)
            return;
        CTreeCtrl& tree = m_pSheet->GetTree();
        for (HTREEITEM h = tree.GetRootItem(); h != NULL; h = tree.GetNextVisibleItem(h))
        {
            CRect rect;
            tree.GetItemRect(h, rect, TRUE);
            tree.ClientToScreen(rect);
            DemoLog("sheetitem %s|%ld %ld %ld %ld", (LPCTSTR)tree.GetItemText(h), rect.left, rect.top,
                    rect.right, rect.bottom);
        }
        CPropertyPage* pPage = m_pSheet->GetActivePage();
        CString strCaption;
        if (pPage != NULL && pPage->GetSafeHwnd() != NULL && pPage->IsWindowVisible())
            pPage->GetDlgItemText(IDC_MDI_PAGE_TEXT, strCaption);
        DemoLog("sheet active=%d shown=%s", m_pSheet->GetActiveIndex(), (LPCTSTR)strCaption);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CMdiDemoFrame, CORXMDIFrameWnd)
ON_WM_CREATE()
ON_WM_CLOSE()
ON_COMMAND(ID_MDI_CUSTOMIZE, OnCustomize)
ON_COMMAND(ID_MDI_LOGTABS, OnLogTabs)
ON_COMMAND(ID_MDI_RENAME, OnRename)
ON_COMMAND(ID_CONTEXT_HELP, OnHelpMode)
ON_COMMAND(ID_MDI_INPLACE, OnInPlace)
ON_COMMAND(ID_MDI_SHEET, OnSheet)
ON_COMMAND(ID_MDI_SHEETLOG, OnSheetLog)
ON_WM_TIMER()
END_MESSAGE_MAP()
} // namespace

BOOL MdiDemoInitInstance(CWinApp* pApp, LPCTSTR lpszArgs)
{
    // With "/state" before the log the frame's saved bars and keys are loaded at start; the frame
    // saves them, and its placement, when it closes in any case.
    CString strArgs = lpszArgs;
    strArgs.TrimLeft();
    const BOOL bState = strArgs.Left(7) == _T("/state ");
    if (bState)
        strArgs = strArgs.Mid(7);
    DemoSetLog(strArgs);
    // The state lives below the maker's key, as the clock's does, not below a key named after an
    // INI file; it must be known before the frame is made, which takes its placement from there.
    pApp->SetRegistryKey(_T("Quendra Labs"));
    CORXWorkspace* pWorkspace = dynamic_cast<CORXWorkspace*>(CORXWorkspaceBase::GetInstance());
    if (pWorkspace != NULL)
        pWorkspace->SetRegistryBase(_T("MdiDemo"));
    if (bState && ORXKeyboardManager() == NULL)
        ORXInitKeyboardManager();
    // The application owns the template and deletes it at exit.
    CMultiDocTemplate* pTemplate =
        new CMultiDocTemplate(IDR_MDI_DOCTYPE, RUNTIME_CLASS(CMdiDemoDoc), RUNTIME_CLASS(CMdiDemoChild),
                              RUNTIME_CLASS(CMdiDemoView));
    pApp->AddDocTemplate(pTemplate);
    CMdiDemoFrame* pFrame = new CMdiDemoFrame;
    pFrame->m_pTemplate = pTemplate;
    if (!pFrame->Create(NULL, _T("MDI demonstration"), WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE,
                        CRect(160, 100, 760, 560), NULL, MAKEINTRESOURCE(IDR_MDI_MAINFRAME)))
        return FALSE;
    pFrame->LoadAccelTable(MAKEINTRESOURCE(IDR_MDI_MAINFRAME));
    pFrame->EnableMDITabs(TRUE, TRUE, CORXTabWnd::LOCATION_TOP);
    pFrame->EnableWindowsDialog(ID_MDI_WINDOWS, _T("&Windows..."));
    pApp->m_pMainWnd = pFrame;
    if (bState && pWorkspace != NULL)
        DemoLog("state loaded %d", pWorkspace->LoadState(NULL, pFrame));
    DemoShowFrame(pFrame, FALSE);
    for (int i = 1; i <= 3; i++)
    {
        CString strTitle;
        strTitle.Format(_T("Doc %d"), i);
        pFrame->AddChild(strTitle);
    }
    pFrame->RecalcLayout();
    pFrame->LogTabs();
    pFrame->LogMenus();
    DemoLog("ready");
    return TRUE;
}
