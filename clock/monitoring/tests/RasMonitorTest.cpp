// The dial-up monitor against a scripted set of connections: what its owner hears as connections are
// dialled, connect and go, that a gone record is out of the list before the owner hears of it, the
// final notices at Stop, and counters that fail leaving the byte counts at 0.
#include <gtest/gtest.h>

#include <afxwin.h>
#include <string>
#include <vector>

#include <pdhmsg.h>

#include "RasMonitor.h"

namespace
{
const UINT kNotify = 0x006C;

struct CScripted
{
    std::string strName;
    BOOL bConnected;
};

class CScriptApi : public IRasApi
{
public:
    CScriptApi() : m_bStatistics(TRUE) {}
    std::vector<CScripted> m_connections;
    BOOL m_bStatistics;

    BOOL Bind() override { return TRUE; }
    DWORD EnumConnections(CRasConnRecord* p, DWORD* pcb, DWORD* pcConnections) override
    {
        DWORD n = (DWORD)m_connections.size();
        if (*pcb < n * sizeof(CRasConnRecord))
        {
            *pcb = n * sizeof(CRasConnRecord);
            *pcConnections = n;
            return ERROR_BUFFER_TOO_SMALL;
        }
        for (DWORD i = 0; i < n; i++)
        {
            memset(&p[i], 0, sizeof(p[i]));
            p[i].dwSize = sizeof(CRasConnRecord);
            p[i].hrasconn = (HRASCONN)(ULONG_PTR)(i + 1);
            lstrcpynA(p[i].szEntryName, m_connections[i].strName.c_str(), sizeof(p[i].szEntryName));
        }
        *pcConnections = n;
        return 0;
    }
    DWORD GetConnectStatus(HRASCONN h, CRasStatusRecord* pStatus) override
    {
        size_t i = (size_t)(ULONG_PTR)h - 1;
        pStatus->rasconnstate = m_connections.at(i).bConnected ? RASCS_Connected : RASCS_OpenPort;
        return 0;
    }
    BOOL HasStatistics() override { return m_bStatistics; }
    DWORD GetConnectionStatistics(HRASCONN, RAS_STATS* pStats) override
    {
        pStats->dwBytesRcved = 1000;
        pStats->dwBytesXmited = 200;
        pStats->dwBps = 56000;
        pStats->dwConnectDuration = 42000;
        return 0;
    }
};

// The owner: records each notice with the entry name and the monitor's record count at that moment.
class COwner : public CWnd
{
public:
    explicit COwner(CRasMonitor* pMonitor) : m_pMonitor(pMonitor) {}
    CRasMonitor* m_pMonitor;
    std::vector<std::string> m_notices;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == kNotify)
        {
            if (wParam == 4)
                m_notices.push_back("polled " + std::to_string(m_pMonitor->GetCount()));
            else
            {
                CRasConnection* p = (CRasConnection*)lParam;
                m_notices.push_back(std::to_string(wParam) + " " + (LPCTSTR)p->m_strEntryName + " " +
                                    std::to_string(m_pMonitor->GetCount()));
            }
            return 0;
        }
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

// A monitor whose counters do not exist: every counter call fails.
class CNoCounterMonitor : public CRasMonitor
{
public:
    CString GetReceivedCounter() const override { return _T("\\No Such Object\\No Such Counter"); }
    CString GetSentCounter() const override { return _T("\\No Such Object\\Nor This"); }
    CString GetStatObject() const override { return _T("No Such Adapter"); }
};

class RasMonitor : public ::testing::Test
{
protected:
    void SetUp() override { SetRasApi(&m_api); }
    void TearDown() override
    {
        SetRasApi(NULL);
        if (m_owner.GetSafeHwnd() != NULL)
            m_owner.DestroyWindow();
    }
    void StartOwner()
    {
        ASSERT_TRUE(
            m_owner.CreateEx(0, AfxRegisterWndClass(0), _T("owner"), WS_POPUP, 0, 0, 1, 1, NULL, NULL));
        ASSERT_TRUE(m_monitor.Start(&m_owner, kNotify));
    }
    std::vector<std::string> Take()
    {
        std::vector<std::string> v;
        v.swap(m_owner.m_notices);
        return v;
    }
    CScriptApi m_api;
    CRasMonitor m_monitor;
    COwner m_owner{&m_monitor};
};
} // namespace

typedef std::vector<std::string> Notices;

TEST_F(RasMonitor, TellsOfDiallingConnectedAndGone)
{
    StartOwner();
    m_monitor.Poll(FALSE);
    EXPECT_EQ((Notices{"polled 0"}), Take());

    m_api.m_connections = {{"MyISP", FALSE}, {"MyISP", FALSE}};
    m_monitor.Poll(FALSE);
    EXPECT_EQ((Notices{"1 MyISP 1", "polled 1"}), Take()); // one record for one name

    m_api.m_connections = {{"MyISP", TRUE}};
    m_monitor.Poll(FALSE);
    EXPECT_EQ((Notices{"2 MyISP 1", "polled 1"}), Take());
    ASSERT_EQ(1, m_monitor.GetCount());
    EXPECT_EQ(1000u, m_monitor.GetAt(0)->m_dwReceived);
    EXPECT_EQ(56000u, m_monitor.GetAt(0)->m_dwLineSpeed);
    EXPECT_EQ(42u, m_monitor.GetAt(0)->m_dwConnectedSeconds);

    m_monitor.Poll(FALSE);
    EXPECT_EQ((Notices{"polled 1"}), Take());

    // Gone: out of the list already when the owner hears of it, and heard of once.
    m_api.m_connections.clear();
    m_monitor.Poll(FALSE);
    EXPECT_EQ((Notices{"3 MyISP 0", "polled 0"}), Take());
    m_monitor.Poll(FALSE);
    EXPECT_EQ((Notices{"polled 0"}), Take());
}

TEST_F(RasMonitor, StopEndsTheConnectionsThatAreUp)
{
    StartOwner();
    m_api.m_connections = {{"Work", TRUE}, {"Home", FALSE}};
    m_monitor.Poll(FALSE);
    EXPECT_EQ((Notices{"2 Work 1", "1 Home 2", "polled 2"}), Take());
    EXPECT_TRUE(m_monitor.Stop());
    EXPECT_EQ((Notices{"3 Work 1", "3 Home 0", "polled 0"}), Take());
    EXPECT_FALSE(m_monitor.IsStarted());
    EXPECT_EQ(0, m_monitor.GetCount());
}

TEST(RasMonitorCounters, FailingCountersLeaveTheCountsAtZero)
{
    CScriptApi api;
    api.m_bStatistics = FALSE;
    api.m_connections = {{"MyISP", TRUE}};
    SetRasApi(&api);
    {
        CNoCounterMonitor monitor;
        monitor.m_bWindowsNT = TRUE;
        monitor.Poll(FALSE);
        monitor.Poll(FALSE);
        ASSERT_EQ(1, monitor.GetCount());
        EXPECT_TRUE(monitor.GetAt(0)->m_bConnected);
        EXPECT_EQ(0u, monitor.GetAt(0)->m_dwReceived);
        EXPECT_EQ(0u, monitor.GetAt(0)->m_dwSent);
    }
    {
        // Windows 9x statistics that cannot be read leave the counts at 0 as well.
        CNoCounterMonitor monitor;
        monitor.m_bWindowsNT = FALSE;
        monitor.Poll(FALSE);
        monitor.Poll(FALSE);
        ASSERT_EQ(1, monitor.GetCount());
        EXPECT_EQ(0u, monitor.GetAt(0)->m_dwReceived);
    }
    SetRasApi(NULL);

    CPdhException e(PDH_CSTATUS_NO_OBJECT);
    TCHAR szText[8] = _T("xxxxxxx");
    e.GetErrorMessage(szText, 8);
    EXPECT_LT(lstrlen(szText), 8);
}
