// CClockApp: start-up of the platform services, the single-instance rule, and the modal clock window.
#include "ClockApp.h"

#include <afxsock.h>
#include <afxpriv.h>
#include <winsock.h>

#include "AppServices.h"
#include "InstanceChecker.h"
#include "MainClockDlg.h"
#include "PlatformServices.h"
#include "resource.h"

BEGIN_MESSAGE_MAP(CClockApp, CWinApp)
ON_COMMAND(ID_HELP, CWinApp::OnHelp)
ON_COMMAND(ID_HELP_FINDER, CWinApp::OnHelpFinder)
ON_COMMAND(ID_DEFAULT_HELP, CWinApp::OnHelpFinder)
END_MESSAGE_MAP()

CClockApp::CClockApp()
    : CORXWorkspace(FALSE), m_bDialUpMissing(FALSE), m_pClockDlg(NULL), m_bAgentMissing(FALSE),
      m_hInstanceMutex(NULL)
{
}

CClockApp::~CClockApp() {}

CClockApp* GetClockApp()
{
    return dynamic_cast<CClockApp*>(AfxGetApp());
}

BOOL CClockApp::IsAgentInstalled()
{
    return GetAgentProbe().IsServerInstalled();
}

BOOL CClockApp::ProbeAgentMissing()
{
    if (IsAgentInstalled())
        return FALSE;
    // The server may still be registering itself while Windows starts.
    ::Sleep(1000);
    return !IsAgentInstalled();
}

BOOL CClockApp::IsIdleMessage(MSG* pMsg)
{
    // The auto-hide poll comes a hundred times a second and changes nothing on the screen by itself
    // (a fade it starts is posted, and that message is idle work's cue): like the caret's blink, it
    // does not run the idle handlers.
    if (pMsg->message == WM_TIMER && pMsg->wParam == CMainClockDlg::TIMER_AUTOHIDE && m_pClockDlg != NULL &&
        pMsg->hwnd == m_pClockDlg->GetSafeHwnd())
        return FALSE;
    return CWinApp::IsIdleMessage(pMsg);
}

void CClockApp::WinHelp(DWORD_PTR dwData, UINT nCmd)
{
    CWinApp::WinHelp(dwData, nCmd);
}

BOOL CClockApp::InitInstance()
{
    // The engine keeps its settings in this application's profile and leaves sound errors to it.
    static CWinAppProfileStore profileStore(*this);
    static CMciErrorBox mciErrorBox;
    SetProfileStore(&profileStore);
    SetMciErrorReporter(&mciErrorBox);

    if (!AfxSocketInit())
    {
        AfxMessageBox(IDS_SOCKETS_INIT_FAILED, MB_OK);
        return FALSE;
    }

    AfxEnableControlContainer();
    AfxOleInit();
    Enable3dControlsStatic();

    if (!AfxInitRichEdit())
    {
        AfxMessageBox(_T("Unable to initialize Status Window Rich Edit Control"), MB_OK);
        return FALSE;
    }

    HMODULE hRas = ::LoadLibraryA("RASAPI32.DLL");
    m_bDialUpMissing = (hRas == NULL);
    if (hRas != NULL)
        ::FreeLibrary(hRas);

    SetRegistryKey(_T("Quendra Labs"));
    SetRegistryBase(_T("Velmora"));

    // The framework wants a main window before the dialog exists; this one is never shown.
    CFrameWnd* pFrame = new CFrameWnd;
    // A frame that fails to be created destroys itself.
    if (!pFrame->Create(NULL, m_pszAppName, WS_OVERLAPPEDWINDOW, CFrameWnd::rectDefault, NULL, NULL))
        return FALSE;
    m_pMainWnd = pFrame;

    m_bAgentMissing = ProbeAgentMissing();

    CMainClockDlg* pDlg = new CMainClockDlg(NULL);
    CInstanceChecker* pChecker = new CInstanceChecker(VELMORA_INSTANCE_NAME);
    if (pChecker->IsOtherInstanceRunning())
    {
        // Brought forward, a hidden clock would still show nothing: the running copy is asked to
        // show it, as its tray menu's "Show Clock" does, which also puts auto-hide's state right.
        HWND hOther = pChecker->ActivateOtherInstance();
        if (hOther != NULL)
            ::PostMessage(hOther, WM_COMMAND, ID_SHOW_CLOCK, 0);
        delete pChecker;
        delete pDlg;
        return FALSE;
    }

    WSADATA wsaData;
    if (::WSAStartup(MAKEWORD(1, 1), &wsaData) != 0)
    {
        AfxMessageBox(_T("Failed to load winsock stack\n"), MB_OK);
        delete pChecker;
        delete pDlg;
        return FALSE;
    }
    if (LOBYTE(wsaData.wVersion) != 1 || HIBYTE(wsaData.wVersion) != 1)
    {
        AfxMessageBox(_T("Winsock stack does not support version 1.1\n"), MB_OK);
        delete pChecker;
        delete pDlg;
        return FALSE;
    }

    m_hInstanceMutex = ::CreateMutex(NULL, FALSE, VELMORA_INSTANCE_NAME);

    m_pMainWnd = pDlg;
    m_pClockDlg = pDlg;
    pDlg->SetInstanceChecker(pChecker);
    pDlg->DoModal();

    ORXCleanUpGlobals();

    pDlg->SetInstanceChecker(NULL);
    delete pChecker;
    m_pClockDlg = NULL;
    // The framework destroys its main window after a failed InitInstance: give it back the hidden
    // frame, which is still alive, rather than the clock window object about to be deleted.
    m_pMainWnd = pFrame;
    delete pDlg;
    return FALSE;
}

int CClockApp::ExitInstance()
{
    ::WSACleanup();
    return CWinApp::ExitInstance();
}

CString LoadResString(UINT nID)
{
    CString str;
    str.LoadString(nID);
    return str;
}

CString GetTempFolder()
{
    char szPath[MAX_PATH + 1];
    DWORD n = ::GetTempPathA(MAX_PATH, szPath);
    if (n == 0 || n > MAX_PATH)
        return CString();
    return CString(szPath);
}
