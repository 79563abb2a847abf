// SyncStatusDlg.h: CSyncStatusDlg, the modeless "Time Synchronization Status" window that shows the
// latest synchronisation of its host.
#ifndef VELMORA_SYNCSTATUSDLG_H
#define VELMORA_SYNCSTATUSDLG_H

#include <afxwin.h>

class ITimeSyncHost;

class CSyncStatusDlg : public CDialog
{
    // Construction
public:
    CSyncStatusDlg(ITimeSyncHost* pHost, CWnd* pOwner);
    // Creates the window hidden, owned by the owner given at construction.
    BOOL CreateHidden();
    // Starts the running refresh timer again from now, with the same period.
    void RestartTimer();

    enum
    {
        IDD = 182,
        REFRESH_TIMER_ID = 107
    };

    // Attributes
public:
    CString m_strServer;
    CString m_strLocation;
    CString m_strLastSynced;
    CString m_strDifference;
    CString m_strStatus;
    UINT_PTR m_nTimer;
    ITimeSyncHost* m_pHost;
    CWnd* m_pOwner;

    // Operations
public:
    // Copies the host's texts into the fields and shows them.
    void Refresh();

    // Implementation
protected:
    virtual void DoDataExchange(CDataExchange* pDX);
    virtual BOOL OnInitDialog();
    virtual void OnOK() {}
    virtual void OnCancel();
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg void OnDestroy();
    afx_msg void OnSyncNow();
    afx_msg void OnCloseWindow();
    DECLARE_MESSAGE_MAP()
};

#endif // VELMORA_SYNCSTATUSDLG_H
