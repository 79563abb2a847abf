// SyncStatusDlg.h: CSyncStatusDlg, the modeless "Time Synchronization Status" window that shows the
// latest synchronisation of the clock window.
#ifndef VELMORA_SYNCSTATUSDLG_H
#define VELMORA_SYNCSTATUSDLG_H

#include <afxwin.h>

class CMainClockDlg;

class CSyncStatusDlg : public CDialog
{
    // Construction
public:
    explicit CSyncStatusDlg(CMainClockDlg* pMainDlg);
    // Creates the window hidden, owned by the clock window.
    BOOL CreateHidden();

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
    CMainClockDlg* m_pMainDlg;

    // Operations
public:
    // Copies the clock window's texts into the fields and shows them.
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
