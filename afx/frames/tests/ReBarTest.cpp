// Re-bars in a real frame: the strip the layout gives them, the depth that follows their bands,
// and bands refused when there is nothing to put in them.
#include "FrameTestSupport.h"
#include <gtest/gtest.h>
#include <memory>

namespace
{
const UINT kReBar = AFX_IDW_REBAR;
const UINT kChild = 0x6000;

class ReBar : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_pFrame = new CTestFrame;
        ASSERT_TRUE(m_pFrame->Create(NULL, _T("Re-bar"), WS_OVERLAPPEDWINDOW, CRect(20, 20, 420, 320)));
        m_pView = new CTestView;
        ASSERT_TRUE(m_pView->Create(NULL, NULL, WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), m_pFrame,
                                    AFX_IDW_PANE_FIRST));
        ASSERT_TRUE(m_reBar.Create(m_pFrame));
    }
    void TearDown() override
    {
        theFrameTestApp.m_pMainWnd = NULL;
        if (::IsWindow(m_pFrame->m_hWnd))
            m_pFrame->DestroyWindow();
    }
    // A plain window of the given size in a new band.
    CWnd* AddWindow(int cx, int cy, DWORD dwBandStyle = RBBS_GRIPPERALWAYS)
    {
        m_windows.emplace_back(new CWnd);
        CWnd* pWnd = m_windows.back().get();
        EXPECT_TRUE(pWnd->Create(_T("STATIC"), _T(""), WS_CHILD | WS_VISIBLE, CRect(0, 0, cx, cy), &m_reBar,
                                 kChild + (UINT)m_windows.size()));
        EXPECT_TRUE(m_reBar.AddBar(pWnd, NULL, NULL, dwBandStyle));
        return pWnd;
    }
    CRect InFrame(CWnd* pWnd) const
    {
        CRect rect;
        pWnd->GetWindowRect(&rect);
        m_pFrame->ScreenToClient(&rect);
        return rect;
    }
    CRect Client() const
    {
        CRect rect;
        m_pFrame->GetClientRect(&rect);
        return rect;
    }

    CTestFrame* m_pFrame = NULL;
    CTestView* m_pView = NULL;
    CReBar m_reBar;
    std::vector<std::unique_ptr<CWnd>> m_windows;
};
} // namespace

TEST_F(ReBar, TakesAStripAcrossTheTopAsDeepAsItsBandsAndRefusesEmptyBands)
{
    EXPECT_EQ((int)kReBar, m_reBar.GetDlgCtrlID());
    EXPECT_EQ(m_reBar.m_hWnd, m_reBar.GetReBarCtrl().m_hWnd);
    AddWindow(80, 30);
    AddWindow(60, 24);
    m_pFrame->RecalcLayout();
    const int nDepth = (int)m_reBar.GetReBarCtrl().GetBarHeight();
    EXPECT_GE(nDepth, 30);
    EXPECT_EQ(CRect(0, 0, Client().Width(), nDepth), InFrame(&m_reBar));
    EXPECT_EQ(CRect(0, nDepth, Client().Width(), Client().Height()), InFrame(m_pView));

    CWnd none;
    EXPECT_FALSE(m_reBar.AddBar(&none));
    EXPECT_FALSE(m_reBar.AddBar(NULL));
    EXPECT_EQ(2u, m_reBar.GetReBarCtrl().GetBandCount());
}

TEST_F(ReBar, TheLayoutFollowsABandThatGrowsOrASecondRow)
{
    AddWindow(80, 24);
    m_pFrame->RecalcLayout();
    const int nBefore = InFrame(m_pView).top;

    // A deeper band: the control tells its parent, and the frame lays itself out again at once or
    // at idle time.
    REBARBANDINFO rbbi;
    memset(&rbbi, 0, sizeof(rbbi));
    rbbi.cbSize = REBARBANDINFOA_V6_SIZE;
    rbbi.fMask = RBBIM_CHILDSIZE;
    rbbi.cxMinChild = 80;
    rbbi.cyMinChild = 50;
    ASSERT_TRUE(m_reBar.GetReBarCtrl().SetBandInfo(0, &rbbi));
    m_pFrame->SendMessage(WM_IDLEUPDATECMDUI, TRUE);
    const int nDeeper = InFrame(m_pView).top;
    EXPECT_GE(nDeeper, nBefore + 20);
    EXPECT_EQ(nDeeper, InFrame(&m_reBar).bottom);

    // A band that starts a row of its own.
    AddWindow(60, 20, RBBS_BREAK | RBBS_GRIPPERALWAYS);
    m_pFrame->SendMessage(WM_IDLEUPDATECMDUI, TRUE);
    EXPECT_EQ(2u, m_reBar.GetReBarCtrl().GetRowCount());
    EXPECT_GE(InFrame(m_pView).top, nDeeper + 20);
    EXPECT_EQ(InFrame(m_pView).top, InFrame(&m_reBar).bottom);
}
