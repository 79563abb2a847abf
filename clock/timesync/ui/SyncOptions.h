// SyncOptions.h: CSyncOptions, the "Time Synchronization" page of the options sheet: the
// synchronisation settings and the list of time servers, which it edits in place.
#ifndef VELMORA_SYNCOPTIONS_H
#define VELMORA_SYNCOPTIONS_H

#include <afxwin.h>
#include <afxcmn.h>
#include <afxcoll.h>
#include <afxdisp.h>
#include <afxdlgs.h>
#include <afxdtctl.h>

class CSettings;
class ITimeSyncHost;

class CSyncOptions : public CPropertyPage
{
    DECLARE_DYNCREATE(CSyncOptions)

    // Construction
public:
    CSyncOptions();

    enum
    {
        IDD = 143
    };

    // Attributes. The caller sets m_pHost (or only m_pServers) and the values before the sheet
    // opens; LoadFrom and SaveTo move the values to and from the settings.
public:
    BOOL m_bSyncOnStartup;
    BOOL m_bPeriodicSync;
    int m_nSyncInterval; // minutes, 1-999
    int m_nServerIndex;  // in the combo box, -1 for none
    CString m_strServer; // the selected server's name
    CString m_strLocation;
    BOOL m_bAnnounceSync;
    BOOL m_bSyncTime;
    CString m_strSyncMsg;
    int m_nConnectType;      // 0 network, 1 modem
    int m_nConnectErrorMode; // 0 nothing, 1 tray icon, 2 status window
    int m_nSyncTimeOut;      // seconds, 1-60
    BOOL m_bNoBigSync;
    COleDateTime m_dtNoBigSync; // a time of day on 1899-12-30
    BOOL m_bDialUpMissing;      // the modem choice is disabled

    ITimeSyncHost* m_pHost; // "Synchronize now", and the server list unless m_pServers is given
    CObArray* m_pServers;   // the host's CTimeServer list, edited at once
    CString m_strTransferName;
    CString m_strTransferDescription;

    CListCtrl m_lcServers;
    CComboBox m_cbServers;

    // Operations
public:
    void LoadFrom(const CSettings& settings);
    void SaveTo(CSettings& settings) const;
    void FillServerLists();
    void EnableDependentControls();

    // Implementation
protected:
    virtual void DoDataExchange(CDataExchange* pDX);
    virtual BOOL OnInitDialog();
    // The server dialog; a test may answer it instead.
    virtual INT_PTR RunServerDialog(int nMode);
    int GetSelectedRow() const;
    afx_msg void OnSelectServer();
    afx_msg void OnPeriodicClicked();
    afx_msg void OnAnnounceClicked();
    afx_msg void OnNoBigClicked();
    afx_msg void OnListClick(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnAddServer();
    afx_msg void OnDeleteServer();
    afx_msg void OnModifyServer();
    afx_msg void OnSyncNow();
    DECLARE_MESSAGE_MAP()
};

#endif // VELMORA_SYNCOPTIONS_H
