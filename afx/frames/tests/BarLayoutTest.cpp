// Bars laid out around the view by the frame: each edge, two bars through a resize, hiding and
// showing now and at idle time, and a mini frame that takes the size of its bar.
#include "FrameTestSupport.h"
#include "FrameTestIds.h"
#include <gtest/gtest.h>

#include "TestDrawing.h"

namespace
{

const UINT kBarA = AFX_IDW_CONTROLBAR_FIRST + 0x40;
const UINT kBarB = AFX_IDW_CONTROLBAR_FIRST + 0x41;

// The bar's own visibility, whether or not its frame shows.
BOOL ShowsItself(CWnd* pWnd)
{
    return (pWnd->GetStyle() & WS_VISIBLE) != 0;
}

class BarLayout : public ::testing::Test
{
protected:
    BarLayout() : m_barA(24), m_barB(30) {}

    void SetUp() override
    {
        m_pFrame = new CTestFrame;
        // Hidden: showing a window costs seconds on this display; only the idle tests show it.
        ASSERT_TRUE(m_pFrame->Create(NULL, _T("Layout"), WS_OVERLAPPEDWINDOW, CRect(20, 20, 420, 320)));
        m_hFrame = m_pFrame->m_hWnd;
        m_pView = new CTestView;
        ASSERT_TRUE(m_pView->Create(NULL, NULL, WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), m_pFrame,
                                    AFX_IDW_PANE_FIRST));
    }

    void TearDown() override
    {
        theFrameTestApp.m_pMainWnd = NULL;
        if (::IsWindow(m_hFrame))
            m_pFrame->DestroyWindow();
    }

    CRect Client() const
    {
        CRect rect;
        ::GetClientRect(m_hFrame, &rect);
        return rect;
    }

    CTestFrame* m_pFrame;
    HWND m_hFrame;
    CTestView* m_pView;
    CTestBar m_barA; // 24 thick
    CTestBar m_barB; // 30 thick
};

TEST_F(BarLayout, EachEdgeGivesItsBarAStripAndTheViewTheRest)
{
    const CRect client = Client();
    const int W = client.Width(), H = client.Height(), t = 24;
    const struct
    {
        DWORD dwAlign;
        CRect bar, view;
    } cases[] = {
        {CBRS_ALIGN_TOP, CRect(0, 0, W, t), CRect(0, t, W, H)},
        {CBRS_ALIGN_BOTTOM, CRect(0, H - t, W, H), CRect(0, 0, W, H - t)},
        {CBRS_ALIGN_LEFT, CRect(0, 0, t, H), CRect(t, 0, W, H)},
        {CBRS_ALIGN_RIGHT, CRect(W - t, 0, W, H), CRect(0, 0, W - t, H)},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.dwAlign);
        CTestBar bar(t);
        ASSERT_TRUE(bar.Create(m_pFrame, c.dwAlign, kBarA));
        m_pFrame->RecalcLayout();
        EXPECT_EQ(c.bar, ChildRect(&bar));
        EXPECT_EQ(c.view, ChildRect(m_pView));
    }
    // Every bar left the frame's list with its window.
    EXPECT_EQ(0, m_pFrame->m_listControlBars.GetCount());
}

TEST_F(BarLayout, TwoBarsShareTheEdgesAndFollowTheFrameSize)
{
    // The bar made first takes its edge first: the top bar spans the whole width.
    ASSERT_TRUE(m_barA.Create(m_pFrame, CBRS_ALIGN_TOP, kBarA));
    ASSERT_TRUE(m_barB.Create(m_pFrame, CBRS_ALIGN_LEFT, kBarB));
    EXPECT_EQ(&m_barA, m_pFrame->GetControlBar(kBarA));
    EXPECT_EQ(&m_barB, m_pFrame->GetControlBar(kBarB));
    EXPECT_EQ(NULL, m_pFrame->GetControlBar(kBarB + 1));
    EXPECT_EQ(m_pFrame, m_barA.m_pDockSite);
    EXPECT_EQ(NULL, (void*)m_barA.m_pDockBar);

    for (CSize size : {CSize(420, 310), CSize(520, 410), CSize(250, 180)})
    {
        SCOPED_TRACE(size.cx);
        // A new frame size lays the bars out again through WM_SIZE.
        m_pFrame->SetWindowPos(NULL, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        const CRect client = Client();
        EXPECT_EQ(CRect(0, 0, client.right, 24), ChildRect(&m_barA));
        EXPECT_EQ(CRect(0, 24, 30, client.bottom), ChildRect(&m_barB));
        EXPECT_EQ(CRect(30, 24, client.right, client.bottom), ChildRect(m_pView));
    }
}

TEST_F(BarLayout, AHiddenBarGivesItsSpaceBackNowOrAtIdleTime)
{
    ASSERT_TRUE(m_barA.Create(m_pFrame, CBRS_ALIGN_TOP, kBarA));
    ASSERT_TRUE(m_barB.Create(m_pFrame, CBRS_ALIGN_LEFT, kBarB));
    m_pFrame->RecalcLayout();
    const CRect client = Client();

    m_pFrame->ShowControlBar(&m_barA, FALSE, FALSE);
    EXPECT_FALSE(ShowsItself(&m_barA));
    EXPECT_EQ(CRect(0, 0, 30, client.bottom), ChildRect(&m_barB));
    EXPECT_EQ(CRect(30, 0, client.right, client.bottom), ChildRect(m_pView));

    m_pFrame->ShowControlBar(&m_barA, TRUE, FALSE);
    EXPECT_TRUE(ShowsItself(&m_barA));
    EXPECT_EQ(CRect(30, 24, client.right, client.bottom), ChildRect(m_pView));

    // Delayed: the bar already counts as hidden, but nothing moves before the idle time.
    m_pFrame->ShowControlBar(&m_barB, FALSE, TRUE);
    EXPECT_FALSE(m_barB.IsVisible());
    EXPECT_TRUE(ShowsItself(&m_barB));
    EXPECT_EQ(CRect(30, 24, client.right, client.bottom), ChildRect(m_pView));
    // Idle processing updates the main window only while it shows.
    m_pFrame->ShowWindow(SW_SHOWNOACTIVATE);
    theFrameTestApp.m_pMainWnd = m_pFrame;
    theFrameTestApp.OnIdle(0);
    EXPECT_FALSE(ShowsItself(&m_barB));
    EXPECT_EQ(CRect(0, 24, client.right, client.bottom), ChildRect(m_pView));

    // Asking for the state the bar is in changes nothing.
    m_pFrame->ShowControlBar(&m_barB, FALSE, FALSE);
    EXPECT_FALSE(ShowsItself(&m_barB));
    EXPECT_EQ(CRect(0, 24, client.right, client.bottom), ChildRect(m_pView));
}

TEST_F(BarLayout, AQueryMeasuresWithoutMoving)
{
    ASSERT_TRUE(m_barA.Create(m_pFrame, CBRS_ALIGN_TOP, kBarA));
    ASSERT_TRUE(m_barB.Create(m_pFrame, CBRS_ALIGN_LEFT, kBarB));
    m_pFrame->RecalcLayout();
    const CRect before = ChildRect(m_pView);

    CRect rect(0, 0, 300, 200);
    m_pFrame->RepositionBars(0, 0xFFFF, AFX_IDW_PANE_FIRST, CWnd::reposQuery, &rect, &rect, TRUE);
    EXPECT_EQ(CRect(30, 24, 300, 200), rect);
    // Unstretched, the answer is what the bars take: horizontal bars add up their heights and
    // vertical bars their widths; across, each side is as long as the longest bar.
    rect.SetRect(0, 0, 300, 200);
    m_pFrame->RepositionBars(0, 0xFFFF, AFX_IDW_PANE_FIRST, CWnd::reposQuery, &rect, &rect, FALSE);
    EXPECT_EQ(CRect(0, 0, 100 + 30, 100), rect);
    EXPECT_EQ(before, ChildRect(m_pView));

    // reposExtra keeps a border free around the view.
    CRect border(1, 2, 3, 4);
    m_pFrame->RepositionBars(0, 0xFFFF, AFX_IDW_PANE_FIRST, CWnd::reposExtra, &border);
    const CRect client = Client();
    EXPECT_EQ(CRect(31, 26, client.right - 3, client.bottom - 4), ChildRect(m_pView));
}

TEST_F(BarLayout, InsideRectKeepsBordersAndGripper)
{
    m_barA.m_dwStyle = CBRS_ALIGN_TOP | CBRS_BORDER_TOP | CBRS_BORDER_LEFT | CBRS_GRIPPER;
    m_barA.SetBorders(1, 2, 3, 4);
    const int b = 2 * ::GetSystemMetrics(SM_CXBORDER);
    const struct
    {
        DWORD dwExtra;
        BOOL bHorz;
        CRect inside;
    } cases[] = {
        {0, TRUE, CRect(b + 1 + AFX_CX_GRIPPER, b + 2, 100 - 3, 50 - 4)},
        {0, FALSE, CRect(b + 2, b + 1 + AFX_CY_GRIPPER, 100 - 4, 50 - 3)},
        // A floating bar has no gripper.
        {CBRS_FLOATING, TRUE, CRect(b + 1, b + 2, 100 - 3, 50 - 4)},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.bHorz);
        m_barA.m_dwStyle |= c.dwExtra;
        CRect rect(0, 0, 100, 50);
        m_barA.CalcInsideRect(rect, c.bHorz);
        EXPECT_EQ(c.inside, rect);
    }
}

TEST_F(BarLayout, BordersAreDrawnInTheRoomTheInsideRectLeaves)
{
    // A screen-compatible bitmap keeps the system colours exactly.
    CTestSurface surface(40, 20, TRUE);
    const COLORREF clrShadow = ::GetSysColor(COLOR_BTNSHADOW);
    const COLORREF clrHilite = ::GetSysColor(COLOR_BTNHIGHLIGHT);

    m_barA.m_dwStyle = CBRS_ALIGN_TOP | CBRS_BORDER_TOP | CBRS_BORDER_RIGHT;
    m_barA.SetBorders(0, 0, 0, 0);
    CRect drawn(0, 0, 40, 20);
    m_barA.DrawBorders(surface.DC(), drawn);
    CRect inside(0, 0, 40, 20);
    m_barA.CalcInsideRect(inside, TRUE);
    EXPECT_EQ(inside, drawn);
    // An etched line: shadow outside, highlight inside.
    EXPECT_EQ(clrShadow, surface.At(10, 0));
    EXPECT_EQ(clrHilite, surface.At(10, 1));
    EXPECT_EQ(clrShadow, surface.At(38, 10));
    EXPECT_EQ(clrHilite, surface.At(39, 10));
}

TEST(MiniFrame, TakesTheSizeOfItsBarAndTheToolWindowLook)
{
    CMiniFrameWnd* pMini = new CMiniFrameWnd;
    ASSERT_TRUE(pMini->Create(NULL, _T("Palette"),
                              WS_POPUP | WS_CAPTION | WS_SYSMENU | MFS_THICKFRAME | FWS_SNAPTOBARS,
                              CRect(100, 100, 300, 200)));
    EXPECT_TRUE(pMini->GetExStyle() & WS_EX_TOOLWINDOW);
    EXPECT_TRUE(pMini->GetStyle() & WS_THICKFRAME);
    EXPECT_TRUE(pMini->IsFrameWnd());

    CTestBar bar(24, 120);
    ASSERT_TRUE(bar.Create(pMini, CBRS_ALIGN_TOP | CBRS_FLOATING, kBarA));
    pMini->RecalcLayout();
    CRect client;
    pMini->GetClientRect(&client);
    EXPECT_EQ(CRect(0, 0, 120, 24), client);
    EXPECT_EQ(CRect(0, 0, 120, 24), ChildRect(&bar));
    EXPECT_EQ(pMini, bar.GetDockingFrame());
    EXPECT_TRUE(bar.IsFloating());
    pMini->DestroyWindow();
    EXPECT_EQ(NULL, bar.m_hWnd);
}

TEST(MiniFrame, FrameStylesChangeWhatTheBorderDoes)
{
    const struct
    {
        DWORD dwStyle;
        UINT nCorner, nEdge;
    } cases[] = {
        {MFS_THICKFRAME, HTTOPLEFT, HTLEFT},
        {MFS_4THICKFRAME, HTTOP, HTLEFT},
        {MFS_THICKFRAME | MFS_MOVEFRAME, HTCAPTION, HTCAPTION},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.dwStyle);
        CMiniFrameWnd* pMini = new CMiniFrameWnd;
        ASSERT_TRUE(
            pMini->Create(NULL, _T("Sizing"), WS_POPUP | WS_CAPTION | c.dwStyle, CRect(150, 150, 350, 300)));
        CRect rect;
        pMini->GetWindowRect(&rect);
        const int yMiddle = (rect.top + rect.bottom) / 2;
        EXPECT_EQ(c.nCorner, (UINT)pMini->SendMessage(WM_NCHITTEST, 0, MAKELPARAM(rect.left, rect.top)));
        EXPECT_EQ(c.nEdge, (UINT)pMini->SendMessage(WM_NCHITTEST, 0, MAKELPARAM(rect.left, yMiddle)));
        pMini->DestroyWindow();
    }
}

TEST(MiniFrame, ASynchronisedCaptionFollowsItsOwnerFrame)
{
    CTestFrame* pFrame = new CTestFrame;
    ASSERT_TRUE(pFrame->Create(NULL, _T("Owner"), WS_OVERLAPPEDWINDOW, CRect(0, 0, 300, 200)));
    CMiniFrameWnd* pSync = new CMiniFrameWnd;
    CMiniFrameWnd* pOwn = new CMiniFrameWnd;
    ASSERT_TRUE(
        pSync->Create(NULL, _T("Sync"), WS_POPUP | WS_CAPTION | MFS_SYNCACTIVE, CRect(0, 0, 80, 60), pFrame));
    ASSERT_TRUE(pOwn->Create(NULL, _T("Own"), WS_POPUP | WS_CAPTION, CRect(0, 0, 80, 60), pFrame));

    pFrame->NotifyFloatingWindows(FS_ACTIVATE);
    EXPECT_TRUE(pSync->m_bActive);
    EXPECT_FALSE(pOwn->m_bActive); // only windows that follow the frame hear of its activation
    pFrame->NotifyFloatingWindows(FS_DEACTIVATE);
    EXPECT_FALSE(pSync->m_bActive);

    // Disabling the frame disables every floating window it owns.
    pFrame->EnableWindow(FALSE);
    EXPECT_FALSE(pSync->IsWindowEnabled());
    EXPECT_FALSE(pOwn->IsWindowEnabled());
    pFrame->EnableWindow(TRUE);
    EXPECT_TRUE(pOwn->IsWindowEnabled());
    pFrame->DestroyWindow(); // owned windows go with it
}

} // namespace
