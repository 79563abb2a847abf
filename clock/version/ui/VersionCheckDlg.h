// CVersionCheckDlg: the modeless window "Check for new versions", its hourly timer and the worker
// thread that runs the check.
#ifndef VELMORA_VERSIONCHECKDLG_H
#define VELMORA_VERSIONCHECKDLG_H

#include <afxwin.h>
#include <afxcmn.h>
#include <afxdisp.h>

#include "HyperLinkStatic.h"
#include "VersionChecker.h"

// What the window needs of the program: the settings of the check, the route test and saving.
class IVersionCheckHost
{
public:
    virtual ~IVersionCheckHost() {}
    virtual int GetCheckInterval() = 0; // days, 0 for no automatic check
    virtual BOOL GetCheckBeta() = 0;
    virtual COleDateTime GetLastCheck() = 0;
    virtual void SetLastCheck(const COleDateTime& dt) = 0; // and saves the settings
    virtual BOOL HasDefaultRoute() = 0;
    virtual COleDateTime GetNow() = 0;
};

class CVersionCheckDlg : public CDialog
{
    // Construction
public:
    explicit CVersionCheckDlg(IVersionCheckHost* pHost);
    virtual ~CVersionCheckDlg();
    BOOL Create(CWnd* pParent);

    enum
    {
        TIMER_HOURLY = 109
    };

    // Attributes
public:
    CAnimateCtrl m_animate;
    CHyperLinkStatic m_link;
    UINT_PTR m_nTimer;
    BOOL m_bRunning;
    BOOL m_bAutomatic;
    BOOL m_bManual;
    BOOL m_bWithBeta;
    BOOL m_bAnimating;
    BOOL m_bResult;

    // Operations
public:
    BOOL ShowCheckWindow();
    void StartCheck(BOOL bManual, BOOL bWithBeta);
    // Whether every check started in the process has ended within the time: a check whose window
    // is gone runs on to its end on its own thread.
    static BOOL WaitForChecks(DWORD dwTimeout);
    BOOL IsUsable() const;
    // The checker, for reading its results; only while no check runs.
    const CVersionChecker* GetChecker() const;
    void ShowForCheck(BOOL bAnimate);
    void HideWindow();
    // Makes the animation control when it does not exist yet; whether there is one.
    BOOL CreateAnimation();
    // Closes the clip and hides the control, when there is one.
    void StopAnimation();
    // The hourly test: starts an automatic check when one is due.
    void OnHourlyTimer();

    // Implementation
protected:
    // The block shared with the worker. It outlives the window when the program ends during a
    // check: the last of the two to let go deletes it, and the worker posts only to a window that
    // still holds it.
    struct CJob
    {
        CVersionChecker checker;
        CRITICAL_SECTION cs;
        HWND hWnd;
        LONG nRefs;
        BOOL bResult;
        CString strBaseUrl;
        CString strTempFolder;
        CJob();
        ~CJob();
        void Release();
    };
    CJob* m_pJob;
    IVersionCheckHost* m_pHost;

    static DWORD WINAPI WorkerProc(LPVOID pParam);
    void SetResultText(const CString& strText);

    virtual BOOL OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg void OnDestroy();
    afx_msg LRESULT OnVersionCheckFini(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()
};

#endif // VELMORA_VERSIONCHECKDLG_H
