// CWinThread and CWinApp: message loops, idle processing, threads, application start-up and
// the profile settings.
#include "afxwin.h"
#include "afxpriv.h"
#include "AfxWinImpl.h"
#include <process.h>

static CWinApp* afxCurrentWinApp = NULL;
static BOOL afxSocketsStarted = FALSE;
static BOOL afxOleStarted = FALSE;

CWinApp* AFXAPI AfxGetApp()
{
    return afxCurrentWinApp;
}

CWinThread* AFXAPI AfxGetThread()
{
    AFX_THREAD_STATE_WIN* pState = AfxGetThreadStateWin();
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
    AFX_THREAD_STATE_WIN* pState = AfxGetThreadStateWin();
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
    AFX_THREAD_STATE_WIN* pState = AfxGetThreadStateWin();
    if (pState->pfnTermToolTips != NULL)
        pState->pfnTermToolTips();
    CWnd::DeleteTempMap();
    AfxDeleteTempDCs();
}

static unsigned __stdcall AfxThreadEntry(void* pParam)
{
    CWinThread* pThread = (CWinThread*)pParam;
    AfxGetThreadStateWin()->pThread = pThread;

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
    AfxGetThreadStateWin()->pThread = NULL;
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
    AFX_THREAD_STATE_WIN* pState = AfxGetThreadStateWin();
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
    AFX_THREAD_STATE_WIN* pState = AfxGetThreadStateWin();
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
    }
    else
    {
        CWnd::DeleteTempMap();
        AfxDeleteTempDCs();
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
        } while (::PeekMessage(&m_msgCur, NULL, 0, 0, PM_NOREMOVE));
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

    // The application object is constructed on the main thread before anything runs.
    m_hThread = ::GetCurrentThread();
    m_nThreadID = ::GetCurrentThreadId();
    m_bAutoDelete = FALSE;
    afxCurrentWinApp = this;
    AfxGetThreadStateWin()->pThread = this;
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
        AfxGetThreadStateWin()->pThread = pApp;
    }
    return TRUE;
}

void AFXAPI AfxWinTerm()
{
    AFX_THREAD_STATE_WIN* pState = AfxGetThreadStateWin();
    if (pState->pfnTermToolTips != NULL)
        pState->pfnTermToolTips();
    CWnd::DeleteTempMap();
    if (afxSocketsStarted)
    {
        afxSocketsStarted = FALSE;
        WSACleanup();
    }
    if (afxOleStarted)
    {
        afxOleStarted = FALSE;
        ::OleUninitialize();
    }
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
    HWND hWnd = CWnd::GetSafeOwner_(NULL, &hWndTop);

    nType = AfxDefaultMessageBoxIcon(nType);
    int nResult = ::MessageBox(hWnd, lpszPrompt, m_pszAppName != NULL ? m_pszAppName : _T(""), nType);
    if (hWndTop != NULL)
        ::EnableWindow(hWndTop, TRUE);
    return nResult;
}

void CWinApp::DoWaitCursor(int nCode)
{
    AfxGetThreadStateWin()->DoWaitCursor(nCode);
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

// Profile settings

void CWinApp::SetRegistryKey(LPCTSTR lpszRegistryKey)
{
    free((void*)m_pszRegistryKey);
    m_pszRegistryKey = _tcsdup(lpszRegistryKey != NULL ? lpszRegistryKey : _T(""));
    free((void*)m_pszProfileName);
    m_pszProfileName = _tcsdup(m_pszAppName != NULL ? m_pszAppName : _T(""));
}

void CWinApp::SetRegistryKey(UINT nIDRegistryKey)
{
    CString strKey;
    strKey.LoadString(nIDRegistryKey);
    SetRegistryKey((LPCTSTR)strKey);
}

HKEY CWinApp::GetAppRegistryKey()
{
    HKEY hAppKey = NULL;
    HKEY hSoftKey = NULL;
    HKEY hCompanyKey = NULL;
    if (m_pszRegistryKey == NULL || m_pszProfileName == NULL)
        return NULL;
    if (::RegOpenKeyEx(HKEY_CURRENT_USER, _T("software"), 0, KEY_WRITE | KEY_READ, &hSoftKey) ==
        ERROR_SUCCESS)
    {
        DWORD dw;
        if (::RegCreateKeyEx(hSoftKey, m_pszRegistryKey, 0, NULL, REG_OPTION_NON_VOLATILE,
                             KEY_WRITE | KEY_READ, NULL, &hCompanyKey, &dw) == ERROR_SUCCESS)
        {
            ::RegCreateKeyEx(hCompanyKey, m_pszProfileName, 0, NULL, REG_OPTION_NON_VOLATILE,
                             KEY_WRITE | KEY_READ, NULL, &hAppKey, &dw);
        }
    }
    if (hSoftKey != NULL)
        ::RegCloseKey(hSoftKey);
    if (hCompanyKey != NULL)
        ::RegCloseKey(hCompanyKey);
    return hAppKey;
}

HKEY CWinApp::GetSectionKey(LPCTSTR lpszSection)
{
    HKEY hSectionKey = NULL;
    HKEY hAppKey = GetAppRegistryKey();
    if (hAppKey == NULL)
        return NULL;
    DWORD dw;
    ::RegCreateKeyEx(hAppKey, lpszSection, 0, NULL, REG_OPTION_NON_VOLATILE, KEY_WRITE | KEY_READ, NULL,
                     &hSectionKey, &dw);
    ::RegCloseKey(hAppKey);
    return hSectionKey;
}

UINT CWinApp::GetProfileInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nDefault)
{
    if (m_pszRegistryKey != NULL)
    {
        HKEY hSecKey = GetSectionKey(lpszSection);
        if (hSecKey == NULL)
            return (UINT)nDefault;
        DWORD dwValue = 0;
        DWORD dwType = 0;
        DWORD dwCount = sizeof(DWORD);
        LONG lResult = ::RegQueryValueEx(hSecKey, lpszEntry, NULL, &dwType, (LPBYTE)&dwValue, &dwCount);
        ::RegCloseKey(hSecKey);
        // A value of another type or size is not an integer setting: the default stands.
        if (lResult == ERROR_SUCCESS && dwType == REG_DWORD && dwCount == sizeof(DWORD))
            return (UINT)dwValue;
        return (UINT)nDefault;
    }
    return ::GetPrivateProfileInt(lpszSection, lpszEntry, nDefault, m_pszProfileName);
}

CString CWinApp::GetProfileString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszDefault)
{
    if (lpszDefault == NULL)
        lpszDefault = _T("");
    if (m_pszRegistryKey != NULL)
    {
        HKEY hSecKey = GetSectionKey(lpszSection);
        if (hSecKey == NULL)
            return lpszDefault;
        CString strValue;
        DWORD dwType = 0;
        DWORD dwCount = 0;
        LONG lResult = ::RegQueryValueEx(hSecKey, lpszEntry, NULL, &dwType, NULL, &dwCount);
        if (lResult == ERROR_SUCCESS && (dwType == REG_SZ || dwType == REG_EXPAND_SZ))
        {
            // The stored bytes need not end in a terminator; never read past them.
            DWORD dwSize = dwCount;
            LPTSTR pBuf = strValue.GetBuffer((int)(dwSize / sizeof(TCHAR)) + 1);
            lResult = ::RegQueryValueEx(hSecKey, lpszEntry, NULL, &dwType, (LPBYTE)pBuf, &dwCount);
            int nLen = 0;
            if (lResult == ERROR_SUCCESS)
            {
                DWORD nChars = dwCount / sizeof(TCHAR);
                while ((DWORD)nLen < nChars && pBuf[nLen] != '\0')
                    nLen++;
            }
            strValue.ReleaseBuffer(nLen);
        }
        else if (lResult == ERROR_SUCCESS)
        {
            lResult = ERROR_INVALID_DATA;
        }
        ::RegCloseKey(hSecKey);
        if (lResult == ERROR_SUCCESS)
            return strValue;
        return lpszDefault;
    }

    DWORD nSize = 256;
    for (;;)
    {
        CString strValue;
        DWORD nRead = ::GetPrivateProfileString(lpszSection, lpszEntry, lpszDefault,
                                                strValue.GetBuffer((int)nSize), nSize, m_pszProfileName);
        strValue.ReleaseBuffer((int)nRead);
        if (nRead < nSize - 2 || nSize >= 0x100000)
            return strValue;
        nSize *= 2;
    }
}

BOOL CWinApp::GetProfileBinary(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPBYTE* ppData, UINT* pBytes)
{
    *ppData = NULL;
    *pBytes = 0;
    if (m_pszRegistryKey != NULL)
    {
        HKEY hSecKey = GetSectionKey(lpszSection);
        if (hSecKey == NULL)
            return FALSE;
        DWORD dwType = 0;
        DWORD dwCount = 0;
        LONG lResult = ::RegQueryValueEx(hSecKey, lpszEntry, NULL, &dwType, NULL, &dwCount);
        if (lResult == ERROR_SUCCESS && dwType == REG_BINARY)
        {
            LPBYTE pData = new BYTE[dwCount > 0 ? dwCount : 1];
            DWORD dwRead = dwCount;
            lResult = ::RegQueryValueEx(hSecKey, lpszEntry, NULL, &dwType, pData, &dwRead);
            if (lResult == ERROR_SUCCESS && dwRead <= dwCount)
            {
                *ppData = pData;
                *pBytes = dwRead;
            }
            else
            {
                delete[] pData;
                lResult = ERROR_INVALID_DATA;
            }
        }
        else if (lResult == ERROR_SUCCESS)
        {
            lResult = ERROR_INVALID_DATA;
        }
        ::RegCloseKey(hSecKey);
        return lResult == ERROR_SUCCESS;
    }

    // The private profile keeps each byte as two letters 'A'..'P', low nibble first.
    CString str = GetProfileString(lpszSection, lpszEntry, NULL);
    int nLen = str.GetLength();
    if (nLen == 0 || (nLen % 2) != 0)
        return FALSE;
    UINT nBytes = (UINT)nLen / 2;
    LPBYTE pData = new BYTE[nBytes];
    for (UINT i = 0; i < nBytes; i++)
    {
        int nLow = str[(int)(i * 2)] - 'A';
        int nHigh = str[(int)(i * 2 + 1)] - 'A';
        if (nLow < 0 || nLow > 15 || nHigh < 0 || nHigh > 15)
        {
            delete[] pData;
            return FALSE;
        }
        pData[i] = (BYTE)((nHigh << 4) | nLow);
    }
    *ppData = pData;
    *pBytes = nBytes;
    return TRUE;
}

BOOL CWinApp::WriteProfileInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nValue)
{
    if (m_pszRegistryKey != NULL)
    {
        HKEY hSecKey = GetSectionKey(lpszSection);
        if (hSecKey == NULL)
            return FALSE;
        DWORD dwValue = (DWORD)nValue;
        LONG lResult =
            ::RegSetValueEx(hSecKey, lpszEntry, 0, REG_DWORD, (const BYTE*)&dwValue, sizeof(dwValue));
        ::RegCloseKey(hSecKey);
        return lResult == ERROR_SUCCESS;
    }
    TCHAR szT[16];
    wsprintf(szT, _T("%d"), nValue);
    return ::WritePrivateProfileString(lpszSection, lpszEntry, szT, m_pszProfileName);
}

BOOL CWinApp::WriteProfileString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszValue)
{
    if (m_pszRegistryKey != NULL)
    {
        LONG lResult;
        if (lpszEntry == NULL) // the whole section goes
        {
            HKEY hAppKey = GetAppRegistryKey();
            if (hAppKey == NULL)
                return FALSE;
            lResult = ::RegDeleteKey(hAppKey, lpszSection);
            ::RegCloseKey(hAppKey);
        }
        else if (lpszValue == NULL) // the one value goes
        {
            HKEY hSecKey = GetSectionKey(lpszSection);
            if (hSecKey == NULL)
                return FALSE;
            lResult = ::RegDeleteValue(hSecKey, lpszEntry);
            ::RegCloseKey(hSecKey);
        }
        else
        {
            HKEY hSecKey = GetSectionKey(lpszSection);
            if (hSecKey == NULL)
                return FALSE;
            lResult = ::RegSetValueEx(hSecKey, lpszEntry, 0, REG_SZ, (const BYTE*)lpszValue,
                                      (lstrlen(lpszValue) + 1) * sizeof(TCHAR));
            ::RegCloseKey(hSecKey);
        }
        return lResult == ERROR_SUCCESS;
    }
    return ::WritePrivateProfileString(lpszSection, lpszEntry, lpszValue, m_pszProfileName);
}

BOOL CWinApp::WriteProfileBinary(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPBYTE pData, UINT nBytes)
{
    if (m_pszRegistryKey != NULL)
    {
        HKEY hSecKey = GetSectionKey(lpszSection);
        if (hSecKey == NULL)
            return FALSE;
        LONG lResult = ::RegSetValueEx(hSecKey, lpszEntry, 0, REG_BINARY, pData, nBytes);
        ::RegCloseKey(hSecKey);
        return lResult == ERROR_SUCCESS;
    }
    CString str;
    LPTSTR lpsz = str.GetBuffer((int)nBytes * 2);
    for (UINT i = 0; i < nBytes; i++)
    {
        lpsz[i * 2] = (TCHAR)((pData[i] & 0x0F) + 'A');
        lpsz[i * 2 + 1] = (TCHAR)(((pData[i] >> 4) & 0x0F) + 'A');
    }
    str.ReleaseBuffer((int)nBytes * 2);
    return WriteProfileString(lpszSection, lpszEntry, str);
}

// Platform services

BOOL AFXAPI AfxSocketInit(WSADATA* lpwsaData)
{
    WSADATA wsaData;
    if (::WSAStartup(MAKEWORD(1, 1), &wsaData) != 0)
        return FALSE;
    if (lpwsaData != NULL)
        *lpwsaData = wsaData;
    if (LOBYTE(wsaData.wVersion) != 1 || HIBYTE(wsaData.wVersion) != 1)
    {
        ::WSACleanup();
        return FALSE;
    }
    if (afxSocketsStarted)
        ::WSACleanup(); // one start is kept for the framework's end
    afxSocketsStarted = TRUE;
    return TRUE;
}

void AFXAPI AfxEnableControlContainer() {}

BOOL AFXAPI AfxOleInit()
{
    HRESULT hr = ::OleInitialize(NULL);
    if (FAILED(hr))
        return FALSE;
    if (afxOleStarted)
        ::OleUninitialize();
    afxOleStarted = TRUE;
    return TRUE;
}

BOOL AFXAPI AfxInitRichEdit()
{
    static HINSTANCE hRichEdit = NULL;
    if (hRichEdit == NULL)
        hRichEdit = ::LoadLibraryA("RICHED32.DLL");
    return hRichEdit != NULL;
}

BOOL AFXAPI AfxInitRichEdit2()
{
    static HINSTANCE hRichEdit2 = NULL;
    if (hRichEdit2 == NULL)
        hRichEdit2 = ::LoadLibraryA("RICHED20.DLL");
    return hRichEdit2 != NULL;
}

// The program's entry point lives with the application object, so that every program that has
// one links it without naming it.
extern "C" int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPSTR lpCmdLine, int nCmdShow)
{
    return AfxWinMain(hInstance, hPrevInstance, lpCmdLine, nCmdShow);
}
