// The version window's hourly test and a check that outlives its window.
#include <gtest/gtest.h>

#include "TestSupport.h"
#include "VersionCheckDlg.h"
#include "resource.h"

namespace
{
class CTestHost : public IVersionCheckHost
{
public:
    int nInterval = 7;
    BOOL bRoute = TRUE;
    COleDateTime dtLast = COleDateTime(2020, 1, 1, 0, 0, 0);
    int nSaved = 0;
    int GetCheckInterval() override { return nInterval; }
    BOOL GetCheckBeta() override { return TRUE; }
    COleDateTime GetLastCheck() override { return dtLast; }
    void SetLastCheck(const COleDateTime& dt) override
    {
        dtLast = dt;
        nSaved++;
    }
    BOOL HasDefaultRoute() override { return bRoute; }
    COleDateTime GetNow() override { return COleDateTime(2026, 3, 1, 12, 0, 0); }
};

// Nothing listens on the discard port of loopback: every check fails quickly.
struct CRefusedServer
{
    CRefusedServer() { ::SetEnvironmentVariableA("VELMORA_VERSION_URL", "http://127.0.0.1:9/versions"); }
    ~CRefusedServer() { ::SetEnvironmentVariableA("VELMORA_VERSION_URL", NULL); }
};

void WaitWhileRunning(CVersionCheckDlg& dlg)
{
    for (int i = 0; i < 300 && dlg.m_bRunning; i++)
    {
        PumpPending();
        ::Sleep(20);
    }
}
} // namespace

TEST(VersionCheckDlg, HourlyTestStartsOnlyADueCheck)
{
    InitTestWindowing();
    CRefusedServer server;
    struct Row
    {
        int nInterval;
        BOOL bRoute;
        COleDateTime dtLast;
        BOOL bStarts;
    } rows[] = {
        {0, TRUE, COleDateTime(2020, 1, 1, 0, 0, 0), FALSE},   // automatic checks off
        {7, FALSE, COleDateTime(2020, 1, 1, 0, 0, 0), FALSE},  // no route
        {7, TRUE, COleDateTime(2026, 2, 25, 12, 0, 0), FALSE}, // 5 days ago
        {7, TRUE, COleDateTime(2026, 2, 22, 12, 0, 0), TRUE},  // 7 days ago
    };
    for (const Row& r : rows)
    {
        CTestHost host;
        host.nInterval = r.nInterval;
        host.bRoute = r.bRoute;
        host.dtLast = r.dtLast;
        CVersionCheckDlg dlg(&host);
        ASSERT_TRUE(dlg.Create(NULL));
        dlg.ShowCheckWindow();
        dlg.OnHourlyTimer();
        EXPECT_EQ(r.bStarts, dlg.m_bRunning) << r.nInterval;
        WaitWhileRunning(dlg);
        EXPECT_FALSE(dlg.m_bRunning);
        // A failed automatic check stays silent and keeps the time of the last one.
        EXPECT_FALSE(dlg.IsWindowVisible());
        EXPECT_EQ(0, host.nSaved);
        EXPECT_DOUBLE_EQ(r.dtLast.m_dt, host.dtLast.m_dt);
        // Nor does it make the animation control, which would load the video library.
        EXPECT_EQ(NULL, dlg.GetDlgItem(IDC_VERSION_ANIMATE));
    }
}

TEST(VersionCheckDlg, ManualFailureShowsTheError)
{
    InitTestWindowing();
    CRefusedServer server;
    CTestHost host;
    CVersionCheckDlg dlg(&host);
    ASSERT_TRUE(dlg.Create(NULL));
    dlg.ShowCheckWindow();
    EXPECT_EQ(NULL, dlg.GetDlgItem(IDC_VERSION_ANIMATE));
    dlg.StartCheck(TRUE, TRUE);
    EXPECT_TRUE(dlg.IsWindowVisible());
    // The animation plays where the window keeps it: after the icon, 36 by 7 dialog units in.
    CWnd* pAnimate = dlg.GetDlgItem(IDC_VERSION_ANIMATE);
    ASSERT_TRUE(pAnimate != NULL);
    EXPECT_TRUE(pAnimate->IsWindowVisible());
    EXPECT_TRUE(dlg.m_bAnimating);
    EXPECT_EQ(dlg.GetDlgItem(IDC_VERSION_ICON)->m_hWnd, ::GetWindow(pAnimate->m_hWnd, GW_HWNDPREV));
    CRect rcUnits(36, 7, 116, 27), rcAnimate;
    dlg.MapDialogRect(&rcUnits);
    pAnimate->GetWindowRect(&rcAnimate);
    dlg.ScreenToClient(&rcAnimate);
    EXPECT_EQ(rcUnits, rcAnimate);
    dlg.StartCheck(TRUE, TRUE); // ignored while the first runs
    WaitWhileRunning(dlg);
    // The failure stops it and hides it.
    EXPECT_FALSE(dlg.m_bAnimating);
    EXPECT_FALSE(pAnimate->IsWindowVisible());
    CString strText;
    dlg.GetDlgItemText(IDC_VERSION_TEXT, strText);
    EXPECT_STREQ("Cannot connect to file version URL", (LPCSTR)strText);
    EXPECT_EQ(0, host.nSaved);
    dlg.DestroyWindow();
}

// The program can end during a check: the window and its checker go while the worker still runs,
// and the worker must neither post to the window nor use freed memory.
TEST(VersionCheckDlg, ACheckOutlivesItsWindow)
{
    InitTestWindowing();
    CRefusedServer server;
    for (int i = 0; i < 5; i++)
    {
        CTestHost host;
        CVersionCheckDlg* pDlg = new CVersionCheckDlg(&host);
        ASSERT_TRUE(pDlg->Create(NULL));
        pDlg->StartCheck(FALSE, TRUE);
        delete pDlg;
    }
    // Each check runs on to its end without its window; none may outlive the test program's end.
    EXPECT_TRUE(CVersionCheckDlg::WaitForChecks(60000));
    PumpPending();
}
