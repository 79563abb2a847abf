// CClockApp: the desktop clock's application object; it runs the clock window as its main dialog.
#ifndef VELMORA_CLOCKAPP_H
#define VELMORA_CLOCKAPP_H

#include <afxwin.h>
#include "ORXWorkspace.h"

class CMainClockDlg;

class CClockApp : public CWinApp, public CORXWorkspace
{
    // Construction
public:
    CClockApp();
    virtual ~CClockApp();

    // Attributes
public:
    BOOL m_bDialUpMissing;
    CMainClockDlg* m_pClockDlg;
    BOOL m_bAgentMissing;
    HANDLE m_hInstanceMutex;

    // Operations
public:
    static BOOL IsAgentInstalled();
    // TRUE when the Agent server is missing at a first probe and still one second later.
    static BOOL ProbeAgentMissing();

    // Overrides
public:
    virtual BOOL InitInstance();
    virtual int ExitInstance();
    virtual void WinHelp(DWORD_PTR dwData, UINT nCmd = HELP_CONTEXT);
    virtual BOOL IsIdleMessage(MSG* pMsg);

    // Implementation
protected:
    DECLARE_MESSAGE_MAP()
};

// The application object, or null outside the program (unit tests build without it).
CClockApp* GetClockApp();

// A string resource of the program.
CString LoadResString(UINT nID);
// The system's folder for temporary files.
CString GetTempFolder();

// The name under which the running copy marks itself and publishes its clock window.
#define VELMORA_INSTANCE_NAME _T("Quendra_Velmora Clock")

#endif // VELMORA_CLOCKAPP_H
