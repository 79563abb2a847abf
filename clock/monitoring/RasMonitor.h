// RasMonitor.h: CRasMonitor, which watches the dial-up connections once a second and tells its owner
// of connections being dialled, connected and gone; CRasConnection, one watched connection; and
// CPdhException, the failure of a performance-counter call.
#ifndef VELMORA_RASMONITOR_H
#define VELMORA_RASMONITOR_H

#include <afxwin.h>
#include <afxcoll.h>

#include "RasApi.h"

class CPdhException : public CException
{
    DECLARE_DYNAMIC(CPdhException)

public:
    explicit CPdhException(LONG nStatus) : m_nStatus(nStatus) {}
    LONG m_nStatus;
    virtual BOOL GetErrorMessage(LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext = NULL);
};

class CRasMonitor;

class CRasConnection
{
    // Construction
public:
    CRasConnection(CRasMonitor* pMonitor, const CRasConnRecord& rec);
    ~CRasConnection();

    // Attributes
public:
    CString m_strEntryName;
    CString m_strDeviceName;
    CString m_strDeviceType;
    HRASCONN m_hConnection;
    BOOL m_bConnected;
    SYSTEMTIME m_stConnect;    // local time
    SYSTEMTIME m_stDisconnect; // local time
    DWORD m_dwConnectedSeconds;
    DWORD m_dwReceived;
    DWORD m_dwSent;
    DWORD m_dwLineSpeed; // bits per second, only with the connection statistics
    DWORD m_dwReceivedAtConnect;
    DWORD m_dwSentAtConnect;

    // Operations
public:
    void OnConnected(const SYSTEMTIME& stNow);
    void OnEnded(const SYSTEMTIME& stNow);
    // Takes the baselines (bStart) or works out the counts; a counter failure leaves them 0.
    void UpdateCounters(BOOL bStart);

    // Implementation
protected:
    CRasMonitor* m_pMonitor;
    void* m_hQuery; // the counter query, on Windows NT without the connection statistics
    void* m_hReceived;
    void* m_hSent;
    void OpenCounters();
    void CloseCounters();
};

class CRasMonitor : public CWnd
{
    DECLARE_DYNAMIC(CRasMonitor)

    // Construction
public:
    CRasMonitor();
    virtual ~CRasMonitor();

    enum
    {
        TIMER_POLL = 1,
        NOTIFY_DIALLING = 1,
        NOTIFY_CONNECTED = 2,
        NOTIFY_ENDED = 3, // the record is deleted right after this notification
        NOTIFY_POLLED = 4 // lParam is the record array
    };

    // Attributes
public:
    BOOL m_bWindowsNT;
    CPtrArray m_connections; // owned CRasConnection pointers
    BOOL IsStarted() const { return m_bCreated; }
    IRasApi& Api() const { return GetRasApi(); }

    // The counter names; a derived monitor may count others.
    virtual CString GetReceivedCounter() const { return _T("\\Ras Total\\Bytes Received"); }
    virtual CString GetSentCounter() const { return _T("\\Ras Total\\Bytes Transmitted"); }
    // Windows 9x keeps them as dynamic statistics of an object.
    virtual CString GetStatObject() const { return _T("Dial-Up Adapter"); }
    virtual CString GetReceivedStat() const { return _T("TotalBytesRecvd"); }
    virtual CString GetSentStat() const { return _T("TotalBytesXmit"); }

    // Operations
public:
    BOOL Start(CWnd* pOwner, UINT nMessage);
    BOOL Stop();
    // One poll; the final one ends every record that is still there.
    void Poll(BOOL bFinal);
    // Starts the running poll timer again from now, with the same period.
    void RestartTimer();
    int GetCount() const { return (int)m_connections.GetSize(); }
    CRasConnection* GetAt(int i) const { return (CRasConnection*)m_connections.GetAt(i); }

    // Implementation
protected:
    HWND m_hOwner;
    UINT m_nMessage;
    UINT_PTR m_nTimer;
    BOOL m_bCreated;

    void Notify(WPARAM wParam, LPARAM lParam);
    void EndRecord(int nIndex, const SYSTEMTIME& stNow);
    int FindRecord(LPCSTR pszEntryName) const;
    void DeleteAll();
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    DECLARE_MESSAGE_MAP()
};

#endif // VELMORA_RASMONITOR_H
