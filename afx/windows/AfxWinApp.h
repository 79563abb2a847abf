// CWinThread and CWinApp: threads with message loops, the application object, its start-up
// and profile settings, and the global services around them.
#ifndef VELMORA_AFXWINAPP_H
#define VELMORA_AFXWINAPP_H

#include "afx.h"
#include "AfxCmdTarget.h"
#include "AfxWnd.h"
#include "afxcoll.h"

class CDocTemplate;

typedef UINT(AFX_CDECL* AFX_THREADPROC)(LPVOID);

class CWinThread : public CCmdTarget
{
    DECLARE_DYNAMIC(CWinThread)
public:
    // Construction
    CWinThread();
    CWinThread(AFX_THREADPROC pfnThreadProc, LPVOID pParam);
    BOOL CreateThread(DWORD dwCreateFlags = 0, UINT nStackSize = 0,
                      LPSECURITY_ATTRIBUTES lpSecurityAttrs = NULL);

    // Attributes
    CWnd* m_pMainWnd;   // the main window (usually the same as AfxGetApp()->m_pMainWnd)
    CWnd* m_pActiveWnd; // the active main window (may not be m_pMainWnd)
    BOOL m_bAutoDelete; // the object is deleted when the thread ends
    HANDLE m_hThread;
    operator HANDLE() const { return m_hThread; }
    DWORD m_nThreadID;

    int GetThreadPriority() { return ::GetThreadPriority(m_hThread); }
    BOOL SetThreadPriority(int nPriority) { return ::SetThreadPriority(m_hThread, nPriority); }

    // Operations
    DWORD SuspendThread() { return ::SuspendThread(m_hThread); }
    DWORD ResumeThread() { return ::ResumeThread(m_hThread); }
    BOOL PostThreadMessage(UINT message, WPARAM wParam, LPARAM lParam)
    {
        return ::PostThreadMessage(m_nThreadID, message, wParam, lParam);
    }

    // Overridables
    virtual BOOL InitInstance();
    virtual int Run();
    virtual BOOL PreTranslateMessage(MSG* pMsg);
    virtual BOOL PumpMessage();
    virtual BOOL OnIdle(LONG lCount);
    virtual BOOL IsIdleMessage(MSG* pMsg);
    virtual int ExitInstance();
    virtual LRESULT ProcessWndProcException(CException* e, const MSG* pMsg);
    virtual BOOL ProcessMessageFilter(int code, LPMSG lpMsg);
    virtual CWnd* GetMainWnd();

    // Implementation
    virtual ~CWinThread();
    virtual void Delete();
    void CommonConstruct();
    BOOL DispatchThreadMessageEx(MSG* msg);

    MSG m_msgCur;
    LPVOID m_pThreadParams;
    AFX_THREADPROC m_pfnThreadProc;
    HANDLE m_hStartedEvent; // set once the new thread has its state

    static LRESULT AFXAPI DefaultProcessWndProcException(CException* e, const MSG* pMsg);
    static BOOL AFXAPI IsIdleMessageDefault(MSG* pMsg);
};

class CWinApp : public CWinThread
{
    DECLARE_DYNAMIC(CWinApp)
public:
    // Constructor
    CWinApp(LPCTSTR lpszAppName = NULL);

    // Start-up arguments
    HINSTANCE m_hInstance;
    HINSTANCE m_hPrevInstance;
    LPTSTR m_lpCmdLine;
    int m_nCmdShow;

    // Running arguments
    LPCTSTR m_pszAppName;     // human readable name
    LPCTSTR m_pszRegistryKey; // used for the registry entries

    // Support for shift+F1 help mode
    BOOL m_bHelpMode;

    LPCTSTR m_pszExeName;      // executable name (no spaces)
    LPCTSTR m_pszHelpFilePath; // default from the module path
    LPCTSTR m_pszProfileName;  // default from the application name

    // Cursors and icons
    HCURSOR LoadCursor(LPCTSTR lpszResourceName) const;
    HCURSOR LoadCursor(UINT nIDResource) const;
    HCURSOR LoadStandardCursor(LPCTSTR lpszCursorName) const;
    HCURSOR LoadOEMCursor(UINT nIDCursor) const;
    HICON LoadIcon(LPCTSTR lpszResourceName) const;
    HICON LoadIcon(UINT nIDResource) const;
    HICON LoadStandardIcon(LPCTSTR lpszIconName) const;
    HICON LoadOEMIcon(UINT nIDIcon) const;

    // Profile settings: the registry under HKCU\Software\<key>\<profile name> once
    // SetRegistryKey ran, otherwise the private profile (.INI) file.
    UINT GetProfileInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nDefault);
    BOOL WriteProfileInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nValue);
    CString GetProfileString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszDefault = NULL);
    BOOL WriteProfileString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszValue);
    BOOL GetProfileBinary(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPBYTE* ppData, UINT* pBytes);
    BOOL WriteProfileBinary(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPBYTE pData, UINT nBytes);

    // Overridables
    virtual BOOL InitApplication();
    virtual BOOL InitInstance();
    virtual int ExitInstance();
    virtual int Run();
    virtual BOOL OnIdle(LONG lCount);
    virtual LRESULT ProcessWndProcException(CException* e, const MSG* pMsg);
    virtual BOOL SaveAllModified();
    virtual int DoMessageBox(LPCTSTR lpszPrompt, UINT nType, UINT nIDPrompt);
    virtual void DoWaitCursor(int nCode);
    virtual void WinHelp(DWORD_PTR dwData, UINT nCmd = HELP_CONTEXT);

    // Command handlers
    afx_msg void OnAppExit();
    afx_msg void OnHelp();
    afx_msg void OnHelpIndex();
    afx_msg void OnHelpFinder();
    afx_msg void OnHelpUsing();
    afx_msg void OnContextHelp();

    // Document templates: the application owns and deletes them; the list may stay empty.
    void AddDocTemplate(CDocTemplate* pTemplate);
    POSITION GetFirstDocTemplatePosition() const { return m_templateList.GetHeadPosition(); }
    CDocTemplate* GetNextDocTemplate(POSITION& pos) const;

    // Implementation
    virtual ~CWinApp();
    CPtrList m_templateList; // CCmdTarget* of each CDocTemplate, in the order they were added
    void SetRegistryKey(LPCTSTR lpszRegistryKey);
    void SetRegistryKey(UINT nIDRegistryKey);
    HKEY GetAppRegistryKey();
    HKEY GetSectionKey(LPCTSTR lpszSection);
    // Between BeginProfileBatch and the EndProfileBatch that matches it, the profile functions open
    // each section's registry key once and keep it, instead of opening the application's keys anew
    // for every value: a program reading or writing all its settings at once makes one request of
    // the registry per value. Batches nest; CProfileBatch brackets one in a scope.
    void BeginProfileBatch();
    void EndProfileBatch();
    BOOL Enable3dControls();
    BOOL Enable3dControlsStatic();
    void SetDialogBkColor(COLORREF clrCtlBk = RGB(192, 192, 192), COLORREF clrCtlText = RGB(0, 0, 0));
    void SetCurrentHandles();
    BOOL Unregister();

private:
    HKEY OpenProfileSection(LPCTSTR lpszSection);
    void CloseProfileSection(HKEY hSecKey);
    void ForgetProfileSection(LPCTSTR lpszSection);
    void CloseProfileBatchKeys();

    int m_nProfileBatch;                // depth of the batches open
    HKEY m_hProfileBatchAppKey;         // the application's key, while a batch is open
    CMapStringToPtr m_profileBatchKeys; // upper-cased section name -> its HKEY, while a batch is open

    DECLARE_MESSAGE_MAP()
};

// A profile batch of the application for the life of the object (CWinApp::BeginProfileBatch).
class CProfileBatch
{
public:
    explicit CProfileBatch(CWinApp* pApp) : m_pApp(pApp)
    {
        if (m_pApp != NULL)
            m_pApp->BeginProfileBatch();
    }
    ~CProfileBatch()
    {
        if (m_pApp != NULL)
            m_pApp->EndProfileBatch();
    }

private:
    CWinApp* m_pApp;
    CProfileBatch(const CProfileBatch&);
    CProfileBatch& operator=(const CProfileBatch&);
};

// Global application services
CWinApp* AFXAPI AfxGetApp();
CWinThread* AFXAPI AfxGetThread();
HINSTANCE AFXAPI AfxGetInstanceHandle();
LPCTSTR AFXAPI AfxGetAppName();
CWnd* AFXAPI AfxGetMainWnd();
BOOL AFXAPI AfxWinInit(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPTSTR lpCmdLine, int nCmdShow);
int AFXAPI AfxWinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPTSTR lpCmdLine, int nCmdShow);
void AFXAPI AfxWinTerm();
void AFXAPI AfxPostQuitMessage(int nExitCode);
BOOL AFXAPI AfxInternalPumpMessage(MSG* pMsg);

CWinThread* AFXAPI AfxBeginThread(AFX_THREADPROC pfnThreadProc, LPVOID pParam,
                                  int nPriority = THREAD_PRIORITY_NORMAL, UINT nStackSize = 0,
                                  DWORD dwCreateFlags = 0, LPSECURITY_ATTRIBUTES lpSecurityAttrs = NULL);
CWinThread* AFXAPI AfxBeginThread(CRuntimeClass* pThreadClass, int nPriority = THREAD_PRIORITY_NORMAL,
                                  UINT nStackSize = 0, DWORD dwCreateFlags = 0,
                                  LPSECURITY_ATTRIBUTES lpSecurityAttrs = NULL);
void AFXAPI AfxEndThread(UINT nExitCode, BOOL bDelete = TRUE);

// The framework's text for a standard prompt id: the program's string resource when it has
// one, otherwise the built-in English text.
CString AFXAPI AfxGetStandardPrompt(UINT nIDPrompt);

// Platform services started by the application
BOOL AFXAPI AfxSocketInit(WSADATA* lpwsaData = NULL);
void AFXAPI AfxEnableControlContainer();
BOOL AFXAPI AfxOleInit();
BOOL AFXAPI AfxInitRichEdit();
BOOL AFXAPI AfxInitRichEdit2();

#endif // VELMORA_AFXWINAPP_H
