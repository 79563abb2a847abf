// CRasMonitor, CRasConnection and the lazily bound performance-counter library.
#include "RasMonitor.h"

#include <pdh.h>

// ---- Performance Data Helper, bound on first use ------------------------------------------------------

IMPLEMENT_DYNAMIC(CPdhException, CException)

namespace
{
HMODULE PdhLibrary()
{
    // Kept until the program ends once loaded.
    static HMODULE hPdh = NULL;
    if (hPdh == NULL)
        hPdh = ::LoadLibraryA("PDH.DLL");
    if (hPdh == NULL)
        throw new CPdhException((LONG)::GetLastError());
    return hPdh;
}

template <typename T> T PdhFunction(T& pfn, LPCSTR pszName)
{
    if (pfn == NULL)
    {
        pfn = reinterpret_cast<T>(reinterpret_cast<void (*)()>(::GetProcAddress(PdhLibrary(), pszName)));
        if (pfn == NULL)
            throw new CPdhException((LONG)::GetLastError());
    }
    return pfn;
}

void CheckPdh(PDH_STATUS status)
{
    if (status != ERROR_SUCCESS)
        throw new CPdhException((LONG)status);
}

typedef PDH_STATUS(WINAPI* PFNOPENQUERY)(LPCSTR, DWORD_PTR, PDH_HQUERY*);
typedef PDH_STATUS(WINAPI* PFNADDCOUNTER)(PDH_HQUERY, LPCSTR, DWORD_PTR, PDH_HCOUNTER*);
typedef PDH_STATUS(WINAPI* PFNCOLLECT)(PDH_HQUERY);
typedef PDH_STATUS(WINAPI* PFNFORMATTED)(PDH_HCOUNTER, DWORD, LPDWORD, PPDH_FMT_COUNTERVALUE);
typedef PDH_STATUS(WINAPI* PFNREMOVE)(PDH_HCOUNTER);
typedef PDH_STATUS(WINAPI* PFNCLOSE)(PDH_HQUERY);
PFNOPENQUERY g_pfnOpenQuery = NULL;
PFNADDCOUNTER g_pfnAddCounter = NULL;
PFNCOLLECT g_pfnCollect = NULL;
PFNFORMATTED g_pfnFormatted = NULL;
PFNREMOVE g_pfnRemove = NULL;
PFNCLOSE g_pfnClose = NULL;

DWORD ReadCounter(void* hCounter)
{
    PDH_FMT_COUNTERVALUE value;
    DWORD dwType = 0;
    CheckPdh(PdhFunction(g_pfnFormatted, "PdhGetFormattedCounterValue")((PDH_HCOUNTER)hCounter, PDH_FMT_LONG,
                                                                        &dwType, &value));
    return (DWORD)value.longValue;
}

DWORD SecondsBetween(const SYSTEMTIME& stFrom, const SYSTEMTIME& stTo)
{
    FILETIME ftFrom, ftTo;
    if (!::SystemTimeToFileTime(&stFrom, &ftFrom) || !::SystemTimeToFileTime(&stTo, &ftTo))
        return 0;
    ULONGLONG nFrom = ((ULONGLONG)ftFrom.dwHighDateTime << 32) | ftFrom.dwLowDateTime;
    ULONGLONG nTo = ((ULONGLONG)ftTo.dwHighDateTime << 32) | ftTo.dwLowDateTime;
    return nTo > nFrom ? (DWORD)((nTo - nFrom) / 10000000ULL) : 0;
}
// One dynamic statistic of Windows 9x under HKEY_DYN_DATA: reading its name under "StartStat"
// starts it, "StatData" gives its value, reading it under "StopStat" stops it.
class CDynamicStatistic
{
public:
    CDynamicStatistic() : m_bRunning(FALSE) {}
    ~CDynamicStatistic() { Stop(); }

    BOOL Start(LPCSTR pszMachine, LPCSTR pszObject, LPCSTR pszStatistic)
    {
        Stop();
        m_strMachine = pszMachine != NULL ? pszMachine : "";
        m_strValue.Format("%s\\%s", pszObject, pszStatistic);
        if (!QueryValue("PerfStats\\StartStat", NULL))
            return FALSE;
        m_bRunning = TRUE;
        return TRUE;
    }
    BOOL Read(DWORD& dwValue) { return m_bRunning && QueryValue("PerfStats\\StatData", &dwValue); }
    void Stop()
    {
        if (m_bRunning)
            QueryValue("PerfStats\\StopStat", NULL);
        m_bRunning = FALSE;
    }

private:
    CString m_strMachine;
    CString m_strValue;
    BOOL m_bRunning;

    BOOL QueryValue(LPCSTR pszKey, DWORD* pdwValue)
    {
        HKEY hDynData = NULL;
        if (::RegConnectRegistryA(m_strMachine.IsEmpty() ? NULL : (LPCSTR)m_strMachine, HKEY_DYN_DATA,
                                  &hDynData) != ERROR_SUCCESS)
            return FALSE;
        HKEY hKey = NULL;
        BOOL bOk = FALSE;
        if (::RegOpenKeyExA(hDynData, pszKey, 0, KEY_READ, &hKey) == ERROR_SUCCESS)
        {
            BYTE data[64];
            DWORD dwType = 0, cb = sizeof(data);
            LONG nResult = ::RegQueryValueExA(hKey, m_strValue, NULL, &dwType, data, &cb);
            if (pdwValue != NULL)
            {
                bOk = nResult == ERROR_SUCCESS && cb >= sizeof(DWORD);
                if (bOk)
                    memcpy(pdwValue, data, sizeof(DWORD));
            }
            else
                bOk = nResult == ERROR_SUCCESS || nResult == ERROR_MORE_DATA;
            ::RegCloseKey(hKey);
        }
        ::RegCloseKey(hDynData);
        return bOk;
    }
};

// One reading of a statistic, stopped again at once.
BOOL ReadDynamicStatistic(const CString& strObject, const CString& strStatistic, DWORD& dwValue)
{
    CDynamicStatistic stat;
    return stat.Start(NULL, strObject, strStatistic) && stat.Read(dwValue);
}
} // namespace

BOOL CPdhException::GetErrorMessage(LPTSTR lpszError, UINT nMaxError, PUINT pnHelpContext)
{
    if (pnHelpContext != NULL)
        *pnHelpContext = 0;
    if (lpszError == NULL || nMaxError == 0)
        return FALSE;
    LPSTR pszBuffer = NULL;
    HMODULE hPdh = ::GetModuleHandleA("PDH.DLL");
    DWORD n = 0;
    if (hPdh != NULL)
        n = ::FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_HMODULE |
                                 FORMAT_MESSAGE_IGNORE_INSERTS,
                             hPdh, (DWORD)m_nStatus, 0x800, (LPSTR)&pszBuffer, 0, NULL);
    if (n == 0)
    {
        if (pszBuffer != NULL)
            ::LocalFree(pszBuffer);
        pszBuffer = NULL;
        n = ::FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                                 FORMAT_MESSAGE_IGNORE_INSERTS,
                             NULL, (DWORD)m_nStatus, 0x800, (LPSTR)&pszBuffer, 0, NULL);
    }
    BOOL bText = (n > 0 && pszBuffer != NULL);
    if (bText)
        lstrcpynA(lpszError, pszBuffer, (int)nMaxError);
    else
        lpszError[0] = 0;
    if (pszBuffer != NULL)
        ::LocalFree(pszBuffer);
    return bText;
}

// ---- CRasConnection ----------------------------------------------------------------------------------

CRasConnection::CRasConnection(CRasMonitor* pMonitor, const CRasConnRecord& rec)
    : m_strEntryName(rec.szEntryName), m_strDeviceName(rec.szDeviceName), m_strDeviceType(rec.szDeviceType),
      m_hConnection(rec.hrasconn), m_bConnected(FALSE), m_dwConnectedSeconds(0), m_dwReceived(0), m_dwSent(0),
      m_dwLineSpeed(0), m_dwReceivedAtConnect(0), m_dwSentAtConnect(0), m_pMonitor(pMonitor), m_hQuery(NULL),
      m_hReceived(NULL), m_hSent(NULL)
{
    memset(&m_stConnect, 0, sizeof(m_stConnect));
    memset(&m_stDisconnect, 0, sizeof(m_stDisconnect));
    if (m_pMonitor->m_bWindowsNT && !m_pMonitor->Api().HasStatistics())
        OpenCounters();
}

CRasConnection::~CRasConnection()
{
    CloseCounters();
}

void CRasConnection::OpenCounters()
{
    try
    {
        PDH_HQUERY hQuery = NULL;
        CheckPdh(PdhFunction(g_pfnOpenQuery, "PdhOpenQuery")(NULL, 0, &hQuery));
        m_hQuery = hQuery;
        PDH_HCOUNTER hCounter = NULL;
        CheckPdh(PdhFunction(g_pfnAddCounter, "PdhAddCounterA")(hQuery, m_pMonitor->GetReceivedCounter(), 0,
                                                                &hCounter));
        m_hReceived = hCounter;
        CheckPdh(PdhFunction(g_pfnAddCounter, "PdhAddCounterA")(hQuery, m_pMonitor->GetSentCounter(), 0,
                                                                &hCounter));
        m_hSent = hCounter;
    }
    catch (CPdhException* e)
    {
        e->Delete();
        CloseCounters();
    }
}

void CRasConnection::CloseCounters()
{
    try
    {
        if (m_hReceived != NULL)
            PdhFunction(g_pfnRemove, "PdhRemoveCounter")((PDH_HCOUNTER)m_hReceived);
        if (m_hSent != NULL)
            PdhFunction(g_pfnRemove, "PdhRemoveCounter")((PDH_HCOUNTER)m_hSent);
        if (m_hQuery != NULL)
            PdhFunction(g_pfnClose, "PdhCloseQuery")((PDH_HQUERY)m_hQuery);
    }
    catch (CPdhException* e)
    {
        e->Delete();
    }
    m_hReceived = m_hSent = m_hQuery = NULL;
}

void CRasConnection::UpdateCounters(BOOL bStart)
{
    IRasApi& api = m_pMonitor->Api();
    if (api.HasStatistics())
    {
        RAS_STATS stats;
        memset(&stats, 0, sizeof(stats));
        stats.dwSize = 60;
        if (api.GetConnectionStatistics(m_hConnection, &stats) == 0)
        {
            m_dwReceived = stats.dwBytesRcved;
            m_dwSent = stats.dwBytesXmited;
            m_dwLineSpeed = stats.dwBps;
            m_dwConnectedSeconds = stats.dwConnectDuration / 1000;
        }
        return;
    }
    if (!m_pMonitor->m_bWindowsNT)
    {
        DWORD dwReceived = 0, dwSent = 0;
        if (!ReadDynamicStatistic(m_pMonitor->GetStatObject(), m_pMonitor->GetReceivedStat(), dwReceived) ||
            !ReadDynamicStatistic(m_pMonitor->GetStatObject(), m_pMonitor->GetSentStat(), dwSent))
            return;
        if (bStart)
        {
            m_dwReceivedAtConnect = dwReceived;
            m_dwSentAtConnect = dwSent;
        }
        else
        {
            m_dwReceived = dwReceived - m_dwReceivedAtConnect;
            m_dwSent = dwSent - m_dwSentAtConnect;
        }
        return;
    }
    if (m_hQuery == NULL)
        return;
    try
    {
        CheckPdh(PdhFunction(g_pfnCollect, "PdhCollectQueryData")((PDH_HQUERY)m_hQuery));
        DWORD dwReceived = ReadCounter(m_hReceived);
        DWORD dwSent = ReadCounter(m_hSent);
        if (bStart)
        {
            m_dwReceivedAtConnect = dwReceived;
            m_dwSentAtConnect = dwSent;
        }
        else
        {
            m_dwReceived = dwReceived - m_dwReceivedAtConnect;
            m_dwSent = dwSent - m_dwSentAtConnect;
        }
    }
    catch (CPdhException* e)
    {
        // The counts stay as they were (0 unless a reading worked before).
        e->Delete();
    }
}

void CRasConnection::OnConnected(const SYSTEMTIME& stNow)
{
    m_stConnect = stNow;
    m_bConnected = TRUE;
    UpdateCounters(TRUE);
}

void CRasConnection::OnEnded(const SYSTEMTIME& stNow)
{
    if (!m_bConnected)
        return;
    m_stDisconnect = stNow;
    m_dwConnectedSeconds = SecondsBetween(m_stConnect, m_stDisconnect);
    m_bConnected = FALSE;
}

// ---- CRasMonitor -------------------------------------------------------------------------------------

IMPLEMENT_DYNAMIC(CRasMonitor, CWnd)

BEGIN_MESSAGE_MAP(CRasMonitor, CWnd)
ON_WM_TIMER()
END_MESSAGE_MAP()

CRasMonitor::CRasMonitor()
    : m_bWindowsNT(FALSE), m_hOwner(NULL), m_nMessage(0), m_nTimer(0), m_bCreated(FALSE)
{
    OSVERSIONINFOA osvi;
    osvi.dwOSVersionInfoSize = sizeof(osvi);
    m_bWindowsNT = ::GetVersionExA(&osvi) && osvi.dwPlatformId == VER_PLATFORM_WIN32_NT;
}

CRasMonitor::~CRasMonitor()
{
    Stop();
}

BOOL CRasMonitor::Start(CWnd* pOwner, UINT nMessage)
{
    if (m_bCreated)
        return TRUE;
    m_hOwner = pOwner != NULL ? pOwner->GetSafeHwnd() : NULL;
    m_nMessage = nMessage;
    LPCTSTR pszClass = AfxRegisterWndClass(0);
    if (!CreateEx(0, pszClass, _T("CRasMonitor Notification Window"), 0, 0, 0, 10, 10, NULL, NULL))
        return FALSE;
    m_bCreated = TRUE;
    m_nTimer = SetTimer(TIMER_POLL, 1000, NULL);
    return TRUE;
}

BOOL CRasMonitor::Stop()
{
    if (m_bCreated && m_hWnd != NULL)
    {
        Poll(TRUE);
        if (m_nTimer != 0)
            KillTimer(m_nTimer);
        m_nTimer = 0;
        DestroyWindow();
    }
    m_hOwner = NULL;
    m_nMessage = 0;
    m_bCreated = FALSE;
    DeleteAll();
    return TRUE;
}

void CRasMonitor::RestartTimer()
{
    if (m_bCreated && m_hWnd != NULL && m_nTimer != 0)
        m_nTimer = SetTimer(TIMER_POLL, 1000, NULL);
}

void CRasMonitor::DeleteAll()
{
    for (INT_PTR i = 0; i < m_connections.GetSize(); i++)
        delete (CRasConnection*)m_connections.GetAt(i);
    m_connections.RemoveAll();
}

void CRasMonitor::OnTimer(UINT_PTR)
{
    Poll(FALSE);
}

void CRasMonitor::Notify(WPARAM wParam, LPARAM lParam)
{
    if (m_hOwner != NULL && ::IsWindow(m_hOwner))
        ::SendMessage(m_hOwner, m_nMessage, wParam, lParam);
}

int CRasMonitor::FindRecord(LPCSTR pszEntryName) const
{
    for (int i = 0; i < GetCount(); i++)
        if (GetAt(i)->m_strEntryName == pszEntryName)
            return i;
    return -1;
}

void CRasMonitor::EndRecord(int nIndex, const SYSTEMTIME& stNow)
{
    CRasConnection* pRecord = GetAt(nIndex);
    pRecord->OnEnded(stNow);
    // Out of the array before the owner hears of it: nothing can reach the record once it is gone.
    m_connections.RemoveAt(nIndex);
    Notify(NOTIFY_ENDED, (LPARAM)pRecord);
    delete pRecord;
}

void CRasMonitor::Poll(BOOL bFinal)
{
    IRasApi& api = Api();
    CRasConnRecord one;
    memset(&one, 0, sizeof(one));
    one.dwSize = sizeof(CRasConnRecord);
    CRasConnRecord* pConnections = &one;
    CRasConnRecord* pAllocated = NULL;
    DWORD cb = sizeof(one);
    DWORD nCount = 0;
    DWORD dwResult = api.EnumConnections(pConnections, &cb, &nCount);
    if (dwResult == ERROR_BUFFER_TOO_SMALL && nCount > 0)
    {
        pAllocated = new CRasConnRecord[nCount];
        memset(pAllocated, 0, nCount * sizeof(CRasConnRecord));
        pAllocated[0].dwSize = sizeof(CRasConnRecord);
        pConnections = pAllocated;
        cb = nCount * sizeof(CRasConnRecord);
        dwResult = api.EnumConnections(pConnections, &cb, &nCount);
    }
    if (dwResult != 0)
    {
        delete[] pAllocated;
        return;
    }

    SYSTEMTIME stNow;
    ::GetLocalTime(&stNow);

    for (int i = GetCount() - 1; i >= 0; i--)
    {
        BOOL bListed = FALSE;
        for (DWORD j = 0; j < nCount && !bListed; j++)
            bListed = GetAt(i)->m_strEntryName == pConnections[j].szEntryName;
        if (!bListed)
            EndRecord(i, stNow);
    }

    for (DWORD j = 0; j < nCount; j++)
    {
        const CRasConnRecord& rec = pConnections[j];
        CRasStatusRecord status;
        memset(&status, 0, sizeof(status));
        status.dwSize = sizeof(status);
        BOOL bConnected =
            api.GetConnectStatus(rec.hrasconn, &status) == 0 && status.rasconnstate == RASCS_Connected;
        int nIndex = FindRecord(rec.szEntryName);
        if (nIndex < 0)
        {
            CRasConnection* pRecord = new CRasConnection(this, rec);
            m_connections.Add(pRecord);
            nIndex = GetCount() - 1;
            if (bConnected)
            {
                pRecord->OnConnected(stNow);
                Notify(NOTIFY_CONNECTED, (LPARAM)pRecord);
            }
            else
                Notify(NOTIFY_DIALLING, (LPARAM)pRecord);
        }
        else
        {
            CRasConnection* pRecord = GetAt(nIndex);
            // A connection dialled again under its name has a new handle.
            pRecord->m_hConnection = rec.hrasconn;
            if (bConnected && !pRecord->m_bConnected)
            {
                pRecord->OnConnected(stNow);
                Notify(NOTIFY_CONNECTED, (LPARAM)pRecord);
            }
            else if (bConnected)
                pRecord->UpdateCounters(FALSE);
        }
        if (bFinal)
        {
            nIndex = FindRecord(rec.szEntryName);
            if (nIndex >= 0)
                EndRecord(nIndex, stNow);
        }
    }
    delete[] pAllocated;
    Notify(NOTIFY_POLLED, (LPARAM)&m_connections);
}
