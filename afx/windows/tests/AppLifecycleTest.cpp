// A whole program on the framework, as the clock and the zone editor are built: the framework's
// own entry point, start-up services, a hidden frame as main window, worker and UI threads with
// synchronisation objects, a modal main dialog, and InitInstance returning FALSE so that the
// program ends through ExitInstance. The exit code tells the test runner what failed.
#include "afxwin.h"
#include "afxmt.h"
#include "afxsock.h"
#include "afxpriv.h"
#include "WindowTestIds.h"
#include <stdio.h>

namespace
{
int g_nFailures = 0;

void Check(bool bOK, const char* pszWhat)
{
    if (!bOK)
    {
        g_nFailures++;
        fprintf(stderr, "FAILED: %s\n", pszWhat);
    }
}

const UINT WM_TEST_PING = WM_APP + 10;

struct WorkerParams
{
    CCriticalSection* pSection;
    CEvent* pStarted;
    LONG* pCounter;
};

UINT AFX_CDECL WorkerProc(LPVOID pParam)
{
    WorkerParams* p = (WorkerParams*)pParam;
    p->pStarted->SetEvent();
    for (int i = 0; i < 1000; i++)
    {
        CSingleLock lock(p->pSection, TRUE);
        (*p->pCounter)++;
    }
    return 42;
}

class CUiThread : public CWinThread
{
    DECLARE_DYNCREATE(CUiThread)
public:
    virtual BOOL InitInstance() { return TRUE; }
    afx_msg void OnPing(WPARAM wParam, LPARAM) { ::PostQuitMessage((int)wParam); }
    DECLARE_MESSAGE_MAP()
};

IMPLEMENT_DYNCREATE(CUiThread, CWinThread)

BEGIN_MESSAGE_MAP(CUiThread, CWinThread)
ON_THREAD_MESSAGE(WM_TEST_PING, OnPing)
END_MESSAGE_MAP()

class CMainDlg : public CDialog
{
public:
    int m_nTicks = 0;
    BOOL m_bWasMainWindow = FALSE;
    CMainDlg() : CDialog(IDD_TEST_TIMER) {}
    virtual BOOL OnInitDialog()
    {
        CDialog::OnInitDialog();
        m_bWasMainWindow = AfxGetMainWnd() == this;
        SetTimer(1, 10);
        return TRUE;
    }
    afx_msg void OnTimer(UINT_PTR)
    {
        if (++m_nTicks == 3)
            EndDialog(1003);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CMainDlg, CDialog)
ON_WM_TIMER()
END_MESSAGE_MAP()

class CLifecycleApp : public CWinApp
{
public:
    BOOL m_bExitInstanceRan = FALSE;
    HWND m_hWndFrame = NULL;

    virtual BOOL InitInstance()
    {
        Check(m_hInstance == ::GetModuleHandle(NULL), "instance handle");
        Check(lstrcmpiA(m_pszExeName, "afx_app_lifecycle") == 0, "program name without extension");
        Check(lstrcmpiA(m_pszAppName, "afx_app_lifecycle") == 0, "application name from the program name");
        Check(lstrcmpiA(AfxGetAppName(), m_pszAppName) == 0, "AfxGetAppName");
        Check(AfxGetApp() == this && AfxGetThread() == this, "application object");

        WSADATA wsaData;
        Check(AfxSocketInit(&wsaData) != FALSE, "Windows Sockets 1.1");
        Check(wsaData.wVersion == MAKEWORD(1, 1), "socket version 1.1");
        AfxEnableControlContainer();
        Check(AfxOleInit() != FALSE, "OLE");
        Check(Enable3dControls() != FALSE, "3-D controls");
        Check(AfxInitRichEdit() != FALSE, "rich edit");

        // A frame that is never shown is the main window while the program starts.
        CFrameWnd* pFrame = new CFrameWnd;
        Check(pFrame->Create(NULL, m_pszAppName, WS_OVERLAPPEDWINDOW, CFrameWnd::rectDefault, NULL, NULL) !=
                  FALSE,
              "hidden frame");
        m_pMainWnd = pFrame;
        char szClass[64] = "";
        ::GetClassNameA(pFrame->m_hWnd, szClass, sizeof(szClass));
        Check(lstrcmpA(szClass, "AfxFrameOrView42") == 0, "frame window class");
        Check(!pFrame->IsWindowVisible(), "frame stays hidden");
        Check(pFrame->IsFrameWnd() && pFrame->GetTopLevelFrame() == pFrame, "frame identity");

        // A worker thread, counting under a critical section.
        CCriticalSection section;
        CEvent started(FALSE, TRUE);
        LONG nCounter = 0;
        WorkerParams params = {&section, &started, &nCounter};
        CWinThread* pWorker =
            AfxBeginThread(WorkerProc, &params, THREAD_PRIORITY_NORMAL, 0, CREATE_SUSPENDED);
        Check(pWorker != NULL, "worker thread");
        if (pWorker != NULL)
        {
            pWorker->m_bAutoDelete = FALSE;
            pWorker->ResumeThread();
            CSingleLock waitStart(&started);
            Check(waitStart.Lock(10000) != FALSE, "worker started");
            for (int i = 0; i < 1000; i++)
            {
                CSingleLock lock(&section, TRUE);
                nCounter++;
            }
            Check(::WaitForSingleObject(pWorker->m_hThread, 10000) == WAIT_OBJECT_0, "worker ended");
            DWORD dwCode = 0;
            ::GetExitCodeThread(pWorker->m_hThread, &dwCode);
            Check(dwCode == 42, "worker exit code");
            Check(nCounter == 2000, "counter under the critical section");
            delete pWorker;
        }

        // A thread with a message loop and a thread-message map.
        CWinThread* pUi =
            AfxBeginThread(RUNTIME_CLASS(CUiThread), THREAD_PRIORITY_NORMAL, 0, CREATE_SUSPENDED);
        Check(pUi != NULL, "UI thread");
        if (pUi != NULL)
        {
            pUi->m_bAutoDelete = FALSE;
            pUi->ResumeThread();
            BOOL bPosted = FALSE;
            for (int i = 0; i < 500 && !bPosted; i++)
            {
                bPosted = pUi->PostThreadMessage(WM_TEST_PING, 7, 0);
                if (!bPosted)
                    ::Sleep(10);
            }
            Check(bPosted != FALSE, "message posted to the UI thread");
            Check(::WaitForSingleObject(pUi->m_hThread, 10000) == WAIT_OBJECT_0, "UI thread ended");
            DWORD dwCode = 0;
            ::GetExitCodeThread(pUi->m_hThread, &dwCode);
            Check(dwCode == 7, "UI thread exit code from its quit message");
            delete pUi;
        }

        // Named mutexes are shared by name.
        CMutex mutex(FALSE, "VelmoraLifecycleTestMutex");
        HANDLE hOther = ::OpenMutexA(SYNCHRONIZE, FALSE, "VelmoraLifecycleTestMutex");
        Check(hOther != NULL, "named mutex");
        if (hOther != NULL)
            ::CloseHandle(hOther);

        // The main dialog replaces the frame as main window and runs modally.
        CMainDlg dlg;
        m_pMainWnd = &dlg;
        Check(dlg.DoModal() == 1003, "main dialog result");
        Check(dlg.m_nTicks == 3, "main dialog ticks");
        Check(dlg.m_bWasMainWindow != FALSE, "main dialog is the main window");
        Check(m_pMainWnd == NULL, "main window cleared when it was destroyed");
        Check(::IsWindow(pFrame->m_hWnd) != FALSE, "frame still exists");

        // Returning FALSE with a main window: the framework destroys it before ExitInstance.
        m_pMainWnd = pFrame;
        m_hWndFrame = pFrame->m_hWnd;
        return FALSE;
    }

    virtual int ExitInstance()
    {
        CWinApp::ExitInstance();
        m_bExitInstanceRan = TRUE;
        Check(m_hWndFrame != NULL && !::IsWindow(m_hWndFrame), "main window destroyed before ExitInstance");
        Check(m_pMainWnd == NULL, "no main window left");
        fprintf(stderr, "%d failure(s)\n", g_nFailures);
        return g_nFailures == 0 ? 0 : 100 + g_nFailures;
    }
};

CLifecycleApp theApp;
} // namespace
