// CWinThread and CWinApp: message loops, idle processing, threads and application start-up.
#include "AfxWinImpl.h"
#include <process.h>

static CWinApp* afxCurrentWinApp = NULL;

CWinApp* AFXAPI AfxGetApp()
{
    return afxCurrentWinApp;
}

CWinThread* AFXAPI AfxGetThread()
{
    AFX_THREAD_STATE* pState = AfxGetThreadState();
    if (pState->pThread != NULL)
        return pState->pThread;
    if (afxCurrentWinApp != NULL && afxCurrentWinApp->m_nThreadID == ::GetCurrentThreadId())
        return afxCurrentWinApp;
    return NULL;
}

LPCTSTR AFXAPI AfxGetAppName()
{
    if (afxCurrentWinApp != NULL && afxCurrentWinApp->m_pszAppName != NULL)
        return afxCurrentWinApp->m_pszAppName;
    return afxAppName != NULL ? afxAppName : _T("");
}

CWnd* AFXAPI AfxGetMainWnd()
{
    CWinThread* pThread = AfxGetThread();
    return pThread != NULL ? pThread->GetMainWnd() : NULL;
}

void AFXAPI AfxPostQuitMessage(int nExitCode)
{
    ::PostQuitMessage(nExitCode);
}

BOOL AFXAPI AfxInternalPumpMessage(MSG* pMsg)
{
    if (!::GetMessage(pMsg, NULL, 0, 0))
        return FALSE;
    if (pMsg->message != WM_KICKIDLE && !CWnd::WalkPreTranslateTree(NULL, pMsg))
    {
        ::TranslateMessage(pMsg);
        ::DispatchMessage(pMsg);
    }
    return TRUE;
}

// CWinThread

IMPLEMENT_DYNAMIC(CWinThread, CCmdTarget)

void CWinThread::CommonConstruct()
{
    m_pMainWnd = NULL;
    m_pActiveWnd = NULL;
    m_bAutoDelete = TRUE;
    m_hThread = NULL;
    m_nThreadID = 0;
    memset(&m_msgCur, 0, sizeof(m_msgCur));
    m_hStartedEvent = NULL;
}

CWinThread::CWinThread()
{
    m_pThreadParams = NULL;
    m_pfnThreadProc = NULL;
    CommonConstruct();
}

CWinThread::CWinThread(AFX_THREADPROC pfnThreadProc, LPVOID pParam)
{
    m_pfnThreadProc = pfnThreadProc;
    m_pThreadParams = pParam;
    CommonConstruct();
}

CWinThread::~CWinThread()
{
    if (m_hThread != NULL && m_hThread != ::GetCurrentThread())
        ::CloseHandle(m_hThread);
    AFX_THREAD_STATE* pState = AfxGetThreadState();
    if (pState->pThread == this)
        pState->pThread = NULL;
}

void CWinThread::Delete()
{
    if (m_bAutoDelete)
        delete this;
}

static void AfxThreadCleanup()
{
    AFX_THREAD_STATE* pState = AfxGetThreadState();
    if (pState->pfnTermToolTips != NULL)
        pState->pfnTermToolTips();
    AfxGetThreadState()->DeleteTempMaps();
}

static unsigned __stdcall AfxThreadEntry(void* pParam)
{
    CWinThread* pThread = (CWinThread*)pParam;
    AfxGetThreadState()->pThread = pThread;

    UINT nResult;
    if (pThread->m_pfnThreadProc != NULL)
    {
        nResult = (*pThread->m_pfnThreadProc)(pThread->m_pThreadParams);
    }
    else if (!pThread->InitInstance())
    {
        nResult = (UINT)pThread->ExitInstance();
    }
    else
    {
        nResult = (UINT)pThread->Run();
    }
    AfxGetThreadState()->pThread = NULL;
    pThread->Delete();
    AfxThreadCleanup();
    return nResult;
}

BOOL CWinThread::CreateThread(DWORD dwCreateFlags, UINT nStackSize, LPSECURITY_ATTRIBUTES lpSecurityAttrs)
{
    // Started suspended so that the handle and id are in place before the thread runs.
    unsigned nThreadID = 0;
    HANDLE hThread = (HANDLE)_beginthreadex(lpSecurityAttrs, nStackSize, &AfxThreadEntry, this,
                                            CREATE_SUSPENDED, &nThreadID);
    if (hThread == NULL)
        return FALSE;
    m_hThread = hThread;
    m_nThreadID = nThreadID;
    if (!(dwCreateFlags & CREATE_SUSPENDED))
        ::ResumeThread(hThread);
    return TRUE;
}

CWinThread* AFXAPI AfxBeginThread(AFX_THREADPROC pfnThreadProc, LPVOID pParam, int nPriority, UINT nStackSize,
                                  DWORD dwCreateFlags, LPSECURITY_ATTRIBUTES lpSecurityAttrs)
{
    CWinThread* pThread = new CWinThread(pfnThreadProc, pParam);
    if (!pThread->CreateThread(dwCreateFlags | CREATE_SUSPENDED, nStackSize, lpSecurityAttrs))
    {
        pThread->Delete();
        return NULL;
    }
    pThread->SetThreadPriority(nPriority);
    if (!(dwCreateFlags & CREATE_SUSPENDED))
        pThread->ResumeThread();
    return pThread;
}

CWinThread* AFXAPI AfxBeginThread(CRuntimeClass* pThreadClass, int nPriority, UINT nStackSize,
                                  DWORD dwCreateFlags, LPSECURITY_ATTRIBUTES lpSecurityAttrs)
{
    if (pThreadClass == NULL || !pThreadClass->IsDerivedFrom(RUNTIME_CLASS(CWinThread)))
        return NULL;
    CWinThread* pThread = (CWinThread*)pThreadClass->CreateObject();
    if (pThread == NULL)
        return NULL;
    pThread->m_pThreadParams = NULL;
    if (!pThread->CreateThread(dwCreateFlags | CREATE_SUSPENDED, nStackSize, lpSecurityAttrs))
    {
        pThread->Delete();
        return NULL;
    }
    pThread->SetThreadPriority(nPriority);
    if (!(dwCreateFlags & CREATE_SUSPENDED))
        pThread->ResumeThread();
    return pThread;
}

void AFXAPI AfxEndThread(UINT nExitCode, BOOL bDelete)
{
    AFX_THREAD_STATE* pState = AfxGetThreadState();
    CWinThread* pThread = pState->pThread;
    pState->pThread = NULL;
    if (pThread != NULL && bDelete)
        pThread->Delete();
    AfxThreadCleanup();
    _endthreadex(nExitCode);
}

BOOL CWinThread::InitInstance()
{
    return FALSE;
}

CWnd* CWinThread::GetMainWnd()
{
    if (m_pActiveWnd != NULL)
        return m_pActiveWnd;
    return m_pMainWnd;
}

int CWinThread::ExitInstance()
{
    return (int)m_msgCur.wParam;
}

BOOL CWinThread::PumpMessage()
{
    if (!::GetMessage(&m_msgCur, NULL, 0, 0))
        return FALSE;
    if (m_msgCur.message != WM_KICKIDLE && !PreTranslateMessage(&m_msgCur))
    {
        ::TranslateMessage(&m_msgCur);
        ::DispatchMessage(&m_msgCur);
    }
    return TRUE;
}

BOOL AFXAPI CWinThread::IsIdleMessageDefault(MSG* pMsg)
{
    // Mouse moves that do not move, paints and the caret blink would otherwise keep the
    // idle handlers running forever.
    AFX_THREAD_STATE* pState = AfxGetThreadState();
    if (pMsg->message == WM_MOUSEMOVE || pMsg->message == WM_NCMOUSEMOVE)
    {
        if (pState->msgLastMouse.message == pMsg->message && pState->msgLastMouse.pt.x == pMsg->pt.x &&
            pState->msgLastMouse.pt.y == pMsg->pt.y)
            return FALSE;
        pState->msgLastMouse = *pMsg;
        return TRUE;
    }
    return pMsg->message != WM_PAINT && pMsg->message != 0x0118;
}

BOOL CWinThread::IsIdleMessage(MSG* pMsg)
{
    return IsIdleMessageDefault(pMsg);
}

BOOL CWinThread::OnIdle(LONG lCount)
{
    if (lCount <= 0)
    {
        CWnd* pMainWnd = m_pMainWnd;
        if (pMainWnd != NULL && pMainWnd->m_hWnd != NULL && pMainWnd->IsWindowVisible())
        {
            AfxCallWndProc(pMainWnd, pMainWnd->m_hWnd, WM_IDLEUPDATECMDUI, (WPARAM)TRUE, 0);
            pMainWnd->SendMessageToDescendants(WM_IDLEUPDATECMDUI, (WPARAM)TRUE, 0, TRUE, TRUE);
        }
        // The thread's other visible frames (floating frames, pop-up menus) bring their own
        // command states up to date too.
        struct Walk
        {
            static BOOL CALLBACK Frame(HWND hWnd, LPARAM lParam)
            {
                CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
                if (pWnd != NULL && pWnd != (CWnd*)lParam && pWnd->IsFrameWnd() && ::IsWindowVisible(hWnd))
                {
                    AfxCallWndProc(pWnd, hWnd, WM_IDLEUPDATECMDUI, (WPARAM)TRUE, 0);
                    CWnd::SendMessageToDescendants(hWnd, WM_IDLEUPDATECMDUI, (WPARAM)TRUE, 0, TRUE, TRUE);
                }
                return TRUE;
            }
        };
        ::EnumThreadWindows(::GetCurrentThreadId(), Walk::Frame, (LPARAM)pMainWnd);
    }
    else
    {
        AfxGetThreadState()->DeleteTempMaps();
    }
    return lCount < 1;
}

BOOL CWinThread::DispatchThreadMessageEx(MSG* pMsg)
{
    for (const AFX_MSGMAP* pMap = GetMessageMap(); pMap != NULL;
         pMap = pMap->pfnGetBaseMap != NULL ? pMap->pfnGetBaseMap() : NULL)
    {
        for (const AFX_MSGMAP_ENTRY* p = pMap->lpEntries; p->nSig != AfxSig_end; p++)
        {
            BOOL bMatch;
            if (pMsg->message >= 0xC000)
                bMatch = p->nMessage == 0xC000 && p->nCode == 1 && *(const UINT*)p->nSig == pMsg->message;
            else
                bMatch = p->nMessage == pMsg->message && p->nSig == AfxSig_vwl2;
            if (bMatch)
            {
                union {
                    AFX_PMSG pfn;
                    void (CCmdTarget::*pfn_vwl)(WPARAM, LPARAM);
                } mmf;
                mmf.pfn = p->pfn;
                (this->*mmf.pfn_vwl)(pMsg->wParam, pMsg->lParam);
                return TRUE;
            }
        }
    }
    return FALSE;
}

BOOL CWinThread::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->hwnd == NULL && DispatchThreadMessageEx(pMsg))
        return TRUE;

    CWnd* pMainWnd = AfxGetMainWnd();
    HWND hWndMain = pMainWnd->GetSafeHwnd();
    if (CWnd::WalkPreTranslateTree(hWndMain, pMsg))
        return TRUE;

    // A modeless window outside the main window still gets the main window's accelerators.
    if (hWndMain != NULL && pMsg->hwnd != NULL)
    {
        CWnd* pWnd = CWnd::FromHandle(pMsg->hwnd);
        if (pWnd != NULL && pWnd->GetTopLevelParent() != pMainWnd)
            return pMainWnd->PreTranslateMessage(pMsg);
    }
    return FALSE;
}

BOOL CWinThread::ProcessMessageFilter(int, LPMSG)
{
    return FALSE;
}

LRESULT AFXAPI CWinThread::DefaultProcessWndProcException(CException* e, const MSG* pMsg)
{
    LRESULT lResult = 0;
    if (pMsg->message == WM_CREATE)
        lResult = -1; // the window is not created
    else if (pMsg->message == WM_PAINT)
        ::ValidateRect(pMsg->hwnd, NULL); // or the paint message would come back forever
    else if (pMsg->message == WM_COMMAND)
        lResult = TRUE; // the command counts as handled

    if (e == NULL)
        AfxMessageBox(AfxGetStandardPrompt(AFX_IDP_INTERNAL_FAILURE), MB_ICONSTOP);
    else if (e->IsKindOf(RUNTIME_CLASS(CMemoryException)))
        e->ReportError(MB_ICONEXCLAMATION, AFX_IDP_INTERNAL_FAILURE);
    else if (!e->IsKindOf(RUNTIME_CLASS(CUserException))) // a user exception was reported when thrown
        e->ReportError(MB_ICONSTOP, AFX_IDP_INTERNAL_FAILURE);
    return lResult;
}

LRESULT CWinThread::ProcessWndProcException(CException* e, const MSG* pMsg)
{
    return DefaultProcessWndProcException(e, pMsg);
}

int CWinThread::Run()
{
    BOOL bIdle = TRUE;
    LONG lIdleCount = 0;
    for (;;)
    {
        while (bIdle && !::PeekMessage(&m_msgCur, NULL, 0, 0, PM_NOREMOVE))
        {
            if (!OnIdle(lIdleCount++))
                bIdle = FALSE;
        }
        do
        {
            if (!PumpMessage())
                return ExitInstance();
            if (IsIdleMessage(&m_msgCur))
            {
                bIdle = TRUE;
                lIdleCount = 0;
            }
            // As in the modal loop: the idle loop looks at the queue, or the next wait does.
        } while (!bIdle);
    }
}

// CWinApp

static int AFXAPI AfxAppMessageBox(LPCTSTR lpszText, UINT nType, UINT nIDHelp)
{
    CWinApp* pApp = AfxGetApp();
    if (pApp != NULL)
        return pApp->DoMessageBox(lpszText != NULL ? lpszText : _T(""), nType, nIDHelp);
    return ::MessageBox(::GetActiveWindow(), lpszText, AfxGetAppName(), nType);
}

IMPLEMENT_DYNAMIC(CWinApp, CWinThread)

BEGIN_MESSAGE_MAP(CWinApp, CCmdTarget)
ON_COMMAND(ID_APP_EXIT, OnAppExit)
END_MESSAGE_MAP()

CWinApp::CWinApp(LPCTSTR lpszAppName)
{
    m_pszAppName = lpszAppName != NULL ? _tcsdup(lpszAppName) : NULL;
    m_hInstance = NULL;
    m_hPrevInstance = NULL;
    m_lpCmdLine = NULL;
    m_nCmdShow = SW_SHOWNORMAL;
    m_pszRegistryKey = NULL;
    m_bHelpMode = FALSE;
    m_pszExeName = NULL;
    m_pszHelpFilePath = NULL;
    m_pszProfileName = NULL;
    m_nProfileBatch = 0;
    m_hProfileBatchAppKey = NULL;

    // The application object is constructed on the main thread before anything runs.
    m_hThread = ::GetCurrentThread();
    m_nThreadID = ::GetCurrentThreadId();
    m_bAutoDelete = FALSE;
    afxCurrentWinApp = this;
    AfxGetThreadState()->pThread = this;
    if (m_pszAppName != NULL)
        afxAppName = m_pszAppName;
    afxMessageBoxHook = &AfxAppMessageBox;
}

CWinApp::~CWinApp()
{
    if (afxCurrentWinApp == this)
    {
        afxCurrentWinApp = NULL;
        afxMessageBoxHook = NULL;
        afxAppName = NULL;
    }
    while (!m_templateList.IsEmpty())
        delete (CCmdTarget*)m_templateList.RemoveHead();
    CloseProfileBatchKeys();
    free((void*)m_pszAppName);
    free((void*)m_pszRegistryKey);
    free((void*)m_pszExeName);
    free((void*)m_pszHelpFilePath);
    free((void*)m_pszProfileName);
    m_hThread = NULL;
}

void CWinApp::SetCurrentHandles()
{
    TCHAR szBuff[MAX_PATH + 1];
    DWORD nLen = ::GetModuleFileName(m_hInstance, szBuff, MAX_PATH);
    szBuff[nLen < MAX_PATH ? nLen : MAX_PATH] = '\0';

    LPTSTR lpszTitle = szBuff;
    for (LPTSTR p = szBuff; *p != '\0'; p = ::CharNextA(p))
    {
        if (*p == '\\' || *p == '/' || *p == ':')
            lpszTitle = p + 1;
    }
    LPTSTR lpszExt = strrchr(lpszTitle, '.');

    if (m_pszHelpFilePath == NULL)
    {
        CString strHelp = lpszExt != NULL ? CString(szBuff, (int)(lpszExt - szBuff)) : CString(szBuff);
        strHelp += _T(".HLP");
        m_pszHelpFilePath = _tcsdup(strHelp);
    }
    if (lpszExt != NULL)
        *lpszExt = '\0';
    if (m_pszExeName == NULL)
        m_pszExeName = _tcsdup(lpszTitle);
    if (m_pszAppName == NULL)
    {
        CString strTitle;
        if (::FindResource(AfxGetResourceHandle(), MAKEINTRESOURCE((AFX_IDS_APP_TITLE >> 4) + 1),
                           RT_STRING) &&
            strTitle.LoadString(AFX_IDS_APP_TITLE) && !strTitle.IsEmpty())
            m_pszAppName = _tcsdup(strTitle);
        else
            m_pszAppName = _tcsdup(m_pszExeName);
    }
    afxAppName = m_pszAppName;
    if (m_pszProfileName == NULL)
    {
        CString strIni = m_pszExeName;
        strIni += _T(".INI");
        m_pszProfileName = _tcsdup(strIni);
    }
}

BOOL AFXAPI AfxWinInit(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPTSTR lpCmdLine, int nCmdShow)
{
    AfxSetInstanceHandle(hInstance);
    CWinApp* pApp = AfxGetApp();
    if (pApp != NULL)
    {
        pApp->m_hInstance = hInstance;
        pApp->m_hPrevInstance = hPrevInstance;
        pApp->m_lpCmdLine = lpCmdLine;
        pApp->m_nCmdShow = nCmdShow;
        pApp->SetCurrentHandles();
        AfxGetThreadState()->pThread = pApp;
    }
    return TRUE;
}

void AFXAPI AfxWinTerm()
{
    AFX_THREAD_STATE* pState = AfxGetThreadState();
    if (pState->pfnTermToolTips != NULL)
        pState->pfnTermToolTips();
    AfxGetThreadState()->DeleteTempMaps();
    AfxTermPlatformServices();
}

int AFXAPI AfxWinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPTSTR lpCmdLine, int nCmdShow)
{
    int nReturnCode = -1;
    CWinApp* pApp = AfxGetApp();
    if (pApp == NULL || !AfxWinInit(hInstance, hPrevInstance, lpCmdLine, nCmdShow))
        goto InitFailure;
    if (!pApp->InitApplication())
        goto InitFailure;
    if (!pApp->InitInstance())
    {
        // The application ends here: its main window goes before ExitInstance gives the code.
        if (pApp->m_pMainWnd != NULL && pApp->m_pMainWnd->m_hWnd != NULL)
            pApp->m_pMainWnd->DestroyWindow();
        nReturnCode = pApp->ExitInstance();
        goto InitFailure;
    }
    nReturnCode = pApp->Run();

InitFailure:
    AfxWinTerm();
    return nReturnCode;
}

BOOL CWinApp::InitApplication()
{
    return TRUE;
}
BOOL CWinApp::InitInstance()
{
    return TRUE;
}

int CWinApp::ExitInstance()
{
    return (int)m_msgCur.wParam;
}

int CWinApp::Run()
{
    if (m_pMainWnd == NULL)
        AfxPostQuitMessage(0); // nothing would ever end the loop
    return CWinThread::Run();
}

BOOL CWinApp::OnIdle(LONG lCount)
{
    return CWinThread::OnIdle(lCount);
}

LRESULT CWinApp::ProcessWndProcException(CException* e, const MSG* pMsg)
{
    return CWinThread::ProcessWndProcException(e, pMsg);
}

BOOL CWinApp::SaveAllModified()
{
    return TRUE;
}

int CWinApp::DoMessageBox(LPCTSTR lpszPrompt, UINT nType, UINT)
{
    HWND hWndTop;
    HWND hWnd = CWnd::GetSafeOwnerHwnd(NULL, &hWndTop);

    nType = AfxDefaultMessageBoxIcon(nType);
    int nResult = ::MessageBox(hWnd, lpszPrompt, m_pszAppName != NULL ? m_pszAppName : _T(""), nType);
    if (hWndTop != NULL)
        ::EnableWindow(hWndTop, TRUE);
    return nResult;
}

void CWinApp::DoWaitCursor(int nCode)
{
    AfxGetThreadState()->DoWaitCursor(nCode);
}

void CWinApp::WinHelp(DWORD_PTR dwData, UINT nCmd)
{
    CWnd* pMainWnd = AfxGetMainWnd();
    if (pMainWnd != NULL && pMainWnd->m_hWnd != NULL)
        pMainWnd->WinHelp(dwData, nCmd);
    else
        ::WinHelp(NULL, m_pszHelpFilePath, nCmd, dwData);
}

void CWinApp::OnAppExit()
{
    if (m_pMainWnd != NULL && m_pMainWnd->m_hWnd != NULL)
        m_pMainWnd->SendMessage(WM_CLOSE);
}

void CWinApp::OnHelp()
{
    WinHelp(0, HELP_CONTENTS);
}
void CWinApp::OnHelpIndex()
{
    WinHelp(0, HELP_INDEX);
}
void CWinApp::OnHelpFinder()
{
    WinHelp(0, HELP_FINDER);
}
void CWinApp::OnHelpUsing()
{
    WinHelp(0, HELP_HELPONHELP);
}
void CWinApp::OnContextHelp() {}

BOOL CWinApp::Enable3dControls()
{
    return TRUE;
}
BOOL CWinApp::Enable3dControlsStatic()
{
    return TRUE;
}
void CWinApp::SetDialogBkColor(COLORREF, COLORREF) {}
BOOL CWinApp::Unregister()
{
    return TRUE;
}

// Cursors and icons

HCURSOR CWinApp::LoadCursor(LPCTSTR lpszResourceName) const
{
    return ::LoadCursor(AfxFindResourceHandle(lpszResourceName, RT_GROUP_CURSOR), lpszResourceName);
}

HCURSOR CWinApp::LoadCursor(UINT nIDResource) const
{
    return LoadCursor(MAKEINTRESOURCE(nIDResource));
}
HCURSOR CWinApp::LoadStandardCursor(LPCTSTR lpszCursorName) const
{
    return ::LoadCursor(NULL, lpszCursorName);
}
HCURSOR CWinApp::LoadOEMCursor(UINT nIDCursor) const
{
    return ::LoadCursor(NULL, MAKEINTRESOURCE(nIDCursor));
}

HICON CWinApp::LoadIcon(LPCTSTR lpszResourceName) const
{
    return ::LoadIcon(AfxFindResourceHandle(lpszResourceName, RT_GROUP_ICON), lpszResourceName);
}

HICON CWinApp::LoadIcon(UINT nIDResource) const
{
    return LoadIcon(MAKEINTRESOURCE(nIDResource));
}
HICON CWinApp::LoadStandardIcon(LPCTSTR lpszIconName) const
{
    return ::LoadIcon(NULL, lpszIconName);
}
HICON CWinApp::LoadOEMIcon(UINT nIDIcon) const
{
    return ::LoadIcon(NULL, MAKEINTRESOURCE(nIDIcon));
}

// The program's entry point lives with the application object, so that every program that has
// one links it without naming it.
extern "C" int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPSTR lpCmdLine, int nCmdShow)
{
    return AfxWinMain(hInstance, hPrevInstance, lpCmdLine, nCmdShow);
}
